// The program's icon, drawn for the archiver's windows.

#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Colours of the sixteen-colour palette.
const QColor Black(0, 0, 0), Maroon(128, 0, 0), Olive(128, 128, 0), Navy(0, 0, 128),
    Teal(0, 128, 128), Silver(192, 192, 192), Gray(128, 128, 128), Red(255, 0, 0),
    Yellow(255, 255, 0), Aqua(0, 255, 255), White(255, 255, 255);

// The large icon, pixel by pixel on its 32 x 32 grid.
void DrawLarge(QPainter& p) {
    // The box: an open carton seen from the front, its flaps folded out.
    p.setPen(QPen(Black, 1));
    p.setBrush(Olive);
    p.drawRect(5, 17, 22, 13);
    p.setBrush(Yellow);
    p.drawPolygon(QPolygon({{5, 17}, {1, 13}, {10, 13}, {14, 17}}));
    p.drawPolygon(QPolygon({{27, 17}, {31, 13}, {22, 13}, {18, 17}}));
    p.setPen(QPen(Maroon, 1));
    p.drawLine(9, 23, 23, 23);

    // The fish, head first into the box: a forked tail, a body and an eye.
    p.setPen(QPen(Navy, 1));
    p.setBrush(Red);
    p.drawPolygon(QPolygon({{16, 7}, {10, 0}, {16, 3}, {22, 0}}));
    p.drawEllipse(QRect(11, 5, 10, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRect(13, 13, 3, 3);
    p.setBrush(Black);
    p.drawRect(14, 14, 1, 1);

    // Water beside it.
    p.setPen(QPen(Teal, 1));
    p.drawLine(3, 5, 7, 5);
    p.drawLine(24, 8, 28, 8);
    p.setPen(QPen(Aqua, 1));
    p.drawPoint(5, 9);
    p.drawPoint(27, 3);
}

// The small icon, drawn anew for its 16 x 16 grid rather than shrunk.
void DrawSmall(QPainter& p) {
    p.setPen(QPen(Black, 1));
    p.setBrush(Olive);
    p.drawRect(2, 9, 11, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawRect(0, 7, 5, 2);
    p.drawRect(11, 7, 5, 2);
    p.setPen(QPen(Maroon, 1));
    p.drawLine(5, 12, 10, 12);

    p.setPen(QPen(Navy, 1));
    p.setBrush(Red);
    p.drawPolygon(QPolygon({{8, 3}, {5, 0}, {8, 1}, {11, 0}}));
    p.drawEllipse(QRect(5, 2, 6, 8));
    p.setPen(QPen(White, 1));
    p.drawPoint(7, 7);
    p.setPen(QPen(Gray, 1));
    p.drawPoint(1, 3);
    p.setPen(QPen(Silver, 1));
    p.drawPoint(14, 2);
}

} // namespace

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (size >= 32)
        DrawLarge(p);
    else
        DrawSmall(p);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {32, 16}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

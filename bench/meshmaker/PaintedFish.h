#pragma once
// The benchmarks' fish, painted in code at any size: an orange body, fins and
// an eye on plain water.

#include <QImage>
#include <QPainter>

inline QImage PaintedFish(int width, int height, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(QColor(48, 112, 192));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 128, 32));
    p.drawEllipse(QRectF(0, height * 0.25, width * 0.8, height * 0.5));
    p.drawPolygon(
        QPolygonF({QPointF(width * 0.7, height * 0.5), QPointF(width * 0.99, height * 0.1),
                   QPointF(width * 0.99, height * 0.9)}));
    p.drawPolygon(
        QPolygonF({QPointF(width * 0.3, height * 0.3), QPointF(width * 0.45, height * 0.08),
                   QPointF(width * 0.55, height * 0.3)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(width * 0.1, height * 0.42), height * 0.04, height * 0.04);
    return image;
}

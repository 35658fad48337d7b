#include "TestSupport.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

namespace test {

QImage Picture(int width, int height, const std::vector<QRect>& fish, QRgb fishColour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Water);
    QPainter p(&image);
    for (const QRect& r : fish) p.fillRect(r, QColor::fromRgb(fishColour));
    return image;
}

FishOnPicture FishOn(const QImage& picture, int step) {
    FishOnPicture r;
    r.picture.PictureBitmap = picture.convertToFormat(QImage::Format_RGB32);
    r.picture.PicMaxX = picture.width() - 1;
    r.picture.PicMaxY = picture.height() - 1;
    for (int m = 1; m <= 6; ++m) r.fish.Steps[m] = step;
    r.fish.Divisions = 4;
    return r;
}

QString SaveBmp(const QTemporaryDir& dir, const QString& name, const QImage& picture) {
    const QString path = dir.filePath(name);
    picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return path;
}

namespace {
void Put16(QByteArray& b, int at, int v) {
    qToLittleEndian<quint16>(quint16(v), b.data() + at);
}
void Put32(QByteArray& b, int at, qint64 v) {
    qToLittleEndian<quint32>(quint32(v), b.data() + at);
}
} // namespace

QByteArray BmpBytes(const BmpLayout& layout) {
    const int masksSize = layout.compression == 3 ? 12 : 0;
    const int paletteSize = int(layout.palette.size()) * 4;
    const int offset = 14 + 40 + masksSize + paletteSize;
    QByteArray b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, offset + layout.pixels.size());
    Put32(b, 10, offset);
    Put32(b, 14, 40);
    Put32(b, 18, layout.width);
    Put32(b, 22, layout.height);
    Put16(b, 26, 1);
    Put16(b, 28, layout.bitsPerPixel);
    Put32(b, 30, layout.compression);
    Put32(b, 34, layout.pixels.size());
    Put32(b, 46, layout.palette.size());
    int at = 54;
    for (quint32 m : layout.masks) Put32(b, at, m), at += 4;
    for (QRgb c : layout.palette) {
        b[at] = char(qBlue(c));
        b[at + 1] = char(qGreen(c));
        b[at + 2] = char(qRed(c));
        at += 4;
    }
    return b + layout.pixels;
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

OpenedEditor::OpenedEditor(const QImage& picture) {
    Open(SaveBmp(dir, "fish.bmp", picture));
}

void OpenedEditor::Open(const QString& path) {
    dialogs.openAnswers.push_back(path);
    Do([&] { form.SpeedButton1Click(); });
}

QString ScriptedDialogs::OpenFileName(const QString& filter) {
    filters << filter;
    if (openAnswers.empty()) return {};
    QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::AskYesNo(const QString& question) {
    questions << question;
    if (yesNoAnswers.empty()) return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

} // namespace test

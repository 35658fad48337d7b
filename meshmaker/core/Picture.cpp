#include "Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <climits>
#include <cstdlib>

namespace {

QString TooLargeMessage(QSize size) {
    return QStringLiteral("画像が大きすぎます (%1 x %2 ピクセル)。%3 MB を超える画像は開けません")
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPictureMegabytes);
}

QString TooSmallMessage(QSize size) {
    return QStringLiteral(
               "画像が小さすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセル以上必要です")
        .arg(size.width())
        .arg(size.height())
        .arg(MinPictureSide);
}

bool FitsInLimit(QSize size) {
    if (size.width() <= 0 || size.height() <= 0) return true;  // nothing declared: the reader decides
    const qint64 maxPixels = qint64(MaxPictureMegabytes) * 1024 * 1024 / 4;
    return size.width() <= maxPixels / size.height();  // width * height <= maxPixels, without overflow
}

// The size a BMP file's header declares, read before the reader sees it, so a
// header that asks for gigabytes is refused before anything is allocated.
QSize DeclaredBmpSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = file.read(26);
    if (head.size() < 26 || !head.startsWith("BM")) return {};
    const auto* h = head.constData();
    const quint32 infoSize = qFromLittleEndian<quint32>(h + 14);
    if (infoSize == 12) // the old core header: 16-bit width and height
        return {qFromLittleEndian<quint16>(h + 18), qFromLittleEndian<quint16>(h + 20)};
    const qint64 width = qFromLittleEndian<qint32>(h + 18);
    const qint64 height = std::llabs(qFromLittleEndian<qint32>(h + 22));
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return {};
    return {int(width), int(height)};
}

} // namespace

LoadedPicture LoadPicture(const QString& path) {
    QImageReader::setAllocationLimit(MaxPictureMegabytes);
    if (const QSize declared = DeclaredBmpSize(path); declared.isValid() && !FitsInLimit(declared))
        return {QImage(), TooLargeMessage(declared)};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.isValid() && !FitsInLimit(declared)) return {QImage(), TooLargeMessage(declared)};

    QImage image = reader.read();
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty()) why = QStringLiteral("画像を読み込めません");
        return {QImage(), QFileInfo(path).fileName() + QStringLiteral(": ") + why};
    }
    if (image.width() < MinPictureSide || image.height() < MinPictureSide)
        return {QImage(), TooSmallMessage(image.size())};
    if (!FitsInLimit(image.size())) return {QImage(), TooLargeMessage(image.size())};
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return {QImage(), TooLargeMessage(declared)};
    return {image, QString()};
}

QImage DimPicture(const QImage& picture) {
    QImage dimmed = picture.copy();
    const int w = picture.width() - 1, h = picture.height() - 1;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(dimmed.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            line[x] = qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2);
        }
    }
    return dimmed;
}

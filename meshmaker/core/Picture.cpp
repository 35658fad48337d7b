#include "Picture.h"

#include "Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <climits>
#include <cstdlib>
#include <optional>

namespace {

QString TooLargeMessage(QSize size) {
    return Texts::PictureTooLarge.arg(size.width()).arg(size.height()).arg(MaxPictureMegabytes);
}

QString SideTooLargeMessage(QSize size) {
    return Texts::PictureSideTooLarge.arg(size.width()).arg(size.height()).arg(MaxPictureSide);
}

bool SidesFit(QSize size) {
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide;
}

QString TooSmallMessage(QSize size) {
    return Texts::PictureTooSmall.arg(size.width()).arg(size.height()).arg(MinPictureSide);
}

bool FitsInLimit(QSize size) {
    if (size.width() <= 0 || size.height() <= 0)
        return true; // nothing declared: the reader decides
    const qint64 maxPixels = qint64(MaxPictureMegabytes) * 1024 * 1024 / 4;
    return size.width() <=
           maxPixels / size.height(); // width * height <= maxPixels, without overflow
}

// What a BMP file's header declares, read before the reader sees the file,
// so that a header asking for gigabytes, or for more pixel bytes than the
// file holds, is refused before anything is allocated.
struct BmpHeader {
    QSize size;
    qint64 dataEnd = -1; // where uncompressed pixel data ends; -1 when compressed
    qint64 fileSize = 0;
};

std::optional<BmpHeader> ReadBmpHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(34);
    if (head.size() < 26 || !head.startsWith("BM")) return std::nullopt;
    const auto* h = head.constData();
    BmpHeader b;
    b.fileSize = file.size();
    const qint64 dataOffset = qFromLittleEndian<quint32>(h + 10);
    int bits = 0;
    quint32 compression = 0;
    if (qFromLittleEndian<quint32>(h + 14) == 12) { // the old core header: 16-bit sides
        b.size = QSize(qFromLittleEndian<quint16>(h + 18), qFromLittleEndian<quint16>(h + 20));
        bits = qFromLittleEndian<quint16>(h + 24);
    } else {
        if (head.size() < 34) return std::nullopt;
        const qint64 width = qFromLittleEndian<qint32>(h + 18);
        const qint64 height = std::llabs(qFromLittleEndian<qint32>(h + 22));
        if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return std::nullopt;
        b.size = QSize(int(width), int(height));
        bits = qFromLittleEndian<quint16>(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed && bits > 0 && bits <= 32 && FitsInLimit(b.size)) {
        const qint64 rowBytes = (qint64(b.size.width()) * bits + 31) / 32 * 4;
        b.dataEnd = dataOffset + rowBytes * b.size.height();
    }
    return b;
}

QString CutShortMessage(qint64 needed, qint64 present) {
    return Texts::PictureCutShort.arg(needed).arg(present);
}

} // namespace

LoadedPicture LoadPicture(const QString& path) {
    QImageReader::setAllocationLimit(MaxPictureMegabytes);
    if (const auto bmp = ReadBmpHeader(path)) {
        if (!FitsInLimit(bmp->size)) return {QImage(), TooLargeMessage(bmp->size)};
        if (!SidesFit(bmp->size)) return {QImage(), SideTooLargeMessage(bmp->size)};
        if (bmp->dataEnd > bmp->fileSize)
            return {QImage(), CutShortMessage(bmp->dataEnd, bmp->fileSize)};
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.isValid() && !FitsInLimit(declared)) return {QImage(), TooLargeMessage(declared)};
    if (declared.isValid() && !SidesFit(declared)) return {QImage(), SideTooLargeMessage(declared)};

    // Read into a cleared image of the declared size and format: pixels that
    // the file does not set (skipped by a compressed picture, or missing at
    // its end) are then 0 (black, or a palette's first colour), never
    // whatever the memory held.
    QImage image;
    if (declared.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(declared, reader.imageFormat());
        if (!image.isNull()) image.fill(0);
    }
    if (!reader.read(&image)) image = QImage();
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty()) why = Texts::PictureUnreadable;
        return {QImage(), Texts::PictureRefused.arg(QFileInfo(path).fileName(), why)};
    }
    if (image.width() < MinPictureSide || image.height() < MinPictureSide)
        return {QImage(), TooSmallMessage(image.size())};
    if (!FitsInLimit(image.size())) return {QImage(), TooLargeMessage(image.size())};
    if (!SidesFit(image.size())) return {QImage(), SideTooLargeMessage(image.size())};
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

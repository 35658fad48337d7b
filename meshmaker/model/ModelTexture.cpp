#include "ModelTexture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QtEndian>

#include <array>

namespace {

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int PngSignatureSize = 8;
constexpr int ColourTypeRgb = 2;

// CRC-32 (the PNG and zlib polynomial) of a chunk's type and data.
quint32 Crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (char b : bytes) c = table[(c ^ quint8(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray Chunk(const char type[4], const QByteArray& data) {
    QByteArray typeAndData = QByteArray(type, 4) + data;
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    out += typeAndData;
    QByteArray crc(4, '\0');
    qToBigEndian(Crc32(typeAndData), crc.data());
    return out + crc;
}

// The chunk of an 8-bit RGB PNG that makes one colour transparent.
QByteArray TransparentColourChunk(quint32 fileColour) {
    QByteArray data(6, '\0');
    for (int c = 0; c < 3; ++c) data[2 * c + 1] = char(fileColour >> (8 * c) & 0xFF);
    return Chunk("tRNS", data);
}

// Inserts a chunk before the first IDAT of an 8-bit RGB PNG; false when the
// PNG is of another kind or not as expected.
bool InsertBeforeImageData(QByteArray& png, const QByteArray& chunk) {
    if (png.size() < PngSignatureSize + 25 || !png.startsWith(QByteArray(PngSignature, 8)))
        return false;
    const char* ihdr = png.constData() + PngSignatureSize;
    if (QByteArray(ihdr + 4, 4) != "IHDR" || quint8(ihdr[8 + 8]) != 8 ||
        quint8(ihdr[8 + 9]) != ColourTypeRgb)
        return false;
    qint64 at = PngSignatureSize;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (QByteArray(png.constData() + at + 4, 4) == "IDAT") {
            png.insert(at, chunk);
            return true;
        }
        at += 12 + qint64(length);
    }
    return false;
}

} // namespace

std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (picture.isNull()) return fail(QCoreApplication::translate("ModelTexture", "no picture"));
    const QImage rgb = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    ModelTexture texture;
    texture.width = rgb.width();
    texture.height = rgb.height();
    QBuffer buffer(&texture.png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(rgb)) return fail(writer.errorString());
    if (!InsertBeforeImageData(texture.png, TransparentColourChunk(fileBackground)))
        return fail(QCoreApplication::translate("ModelTexture",
                                                "the PNG encoder wrote no 8-bit RGB image"));
    return texture;
}

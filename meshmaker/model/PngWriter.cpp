// The model's textures as PNG files: Paeth-filtered rows deflated by zlib;
// the exports and the thumbnails write them.

#include "PngWriter.h"

#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <vector>

namespace {

constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
constexpr int ColourTypeRgb = 2, ColourTypeRgba = 6;
constexpr quint8 FilterPaeth = 4;
// The image data is split into IDAT chunks of at most this many bytes.
constexpr qsizetype ImageDataChunk = qsizetype(1) << 20;

void AppendChunk(QByteArray& png, const char type[4], const char* data, qsizetype size) {
    char length[4];
    qToBigEndian(quint32(size), length);
    png.append(length, 4);
    png.append(type, 4);
    png.append(data, size);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    // Not with no data: crc32 of a null buffer gives its starting value.
    if (size > 0) crc = crc32(crc, reinterpret_cast<const Bytef*>(data), uInt(size));
    char check[4];
    qToBigEndian(quint32(crc), check);
    png.append(check, 4);
}

// The row as bytes, R G B [A] per pixel.
void Unpack(const QRgb* pixels, int width, int channels, unsigned char* out) {
    if (channels == 4)
        for (int x = 0; x < width; ++x, out += 4) {
            const QRgb p = pixels[x];
            out[0] = qRed(p), out[1] = qGreen(p), out[2] = qBlue(p), out[3] = qAlpha(p);
        }
    else
        for (int x = 0; x < width; ++x, out += 3) {
            const QRgb p = pixels[x];
            out[0] = qRed(p), out[1] = qGreen(p), out[2] = qBlue(p);
        }
}

// The filtered row: its filter type, then each byte less its Paeth
// prediction, the one of its left (a), upper (b) and upper-left (c)
// neighbours nearest to a + b - c, in that order of preference. Written
// without branches, so the compiler can work on many bytes at once.
void FilterRow(const unsigned char* row, const unsigned char* previous, size_t bytes, int channels,
               unsigned char* out) {
    out[0] = FilterPaeth;
    ++out;
    for (size_t i = 0; i < size_t(channels) && i < bytes; ++i)
        out[i] = quint8(row[i] - previous[i]); // left and upper-left are 0: the prediction is up
    const unsigned char* left = row;
    const unsigned char* upLeft = previous;
    row += channels, previous += channels, out += channels;
    const size_t rest = bytes > size_t(channels) ? bytes - size_t(channels) : 0;
    for (size_t i = 0; i < rest; ++i) {
        const qint16 a = left[i], b = previous[i], c = upLeft[i];
        const qint16 toA = qint16(std::abs(b - c)), toB = qint16(std::abs(a - c)),
                     toC = qint16(std::abs(a + b - 2 * c));
        const qint16 bOrC = toB <= toC ? b : c;
        out[i] = quint8(row[i] - (toA <= toB && toA <= toC ? a : bOrC));
    }
}

struct Deflater {
    z_stream stream{};
    bool ready = false;
    ~Deflater() {
        if (ready) deflateEnd(&stream);
    }
};

} // namespace

QByteArray EncodePng(const QImage& image, PngChannels channels) {
    if (image.isNull()) return {};
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(channels == PngChannels::Rgba ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
    if (source.isNull()) return {};
    const int width = source.width(), height = source.height();
    const int perPixel = channels == PngChannels::Rgba ? 4 : 3;
    const size_t rowBytes = size_t(width) * size_t(perPixel);

    try {
        std::vector<unsigned char> previous(rowBytes, 0), current(rowBytes), filtered(rowBytes + 1);
        Deflater z;
        if (deflateInit2(&z.stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK)
            return {};
        z.ready = true;
        // The deflated rows, then cut into chunks.
        const uLong bound = deflateBound(&z.stream, uLong(rowBytes + 1) * uLong(height));
        if (bound > std::numeric_limits<uInt>::max()) return {}; // beyond one deflate call
        QByteArray data;
        data.resize(qsizetype(bound));
        z.stream.next_out = reinterpret_cast<Bytef*>(data.data());
        z.stream.avail_out = uInt(data.size());
        for (int y = 0; y < height; ++y) {
            Unpack(reinterpret_cast<const QRgb*>(source.constScanLine(y)), width, perPixel,
                   current.data());
            FilterRow(current.data(), previous.data(), rowBytes, perPixel, filtered.data());
            z.stream.next_in = filtered.data();
            z.stream.avail_in = uInt(filtered.size());
            const int status = deflate(&z.stream, y + 1 == height ? Z_FINISH : Z_NO_FLUSH);
            // deflateBound leaves room for everything: the input is always taken.
            if (status == Z_STREAM_ERROR || z.stream.avail_in != 0) return {};
            std::swap(previous, current);
        }
        data.truncate(qsizetype(z.stream.total_out));

        QByteArray png;
        png.reserve(data.size() + data.size() / ImageDataChunk * 12 + 64);
        png.append(Signature, 8);
        char header[13];
        qToBigEndian(quint32(width), header);
        qToBigEndian(quint32(height), header + 4);
        header[8] = 8; // bits per channel
        header[9] = char(channels == PngChannels::Rgba ? ColourTypeRgba : ColourTypeRgb);
        header[10] = header[11] = header[12] = 0; // deflate, adaptive filters, no interlace
        AppendChunk(png, "IHDR", header, 13);
        for (qsizetype at = 0; at < data.size(); at += ImageDataChunk)
            AppendChunk(png, "IDAT", data.constData() + at,
                        std::min(ImageDataChunk, data.size() - at));
        AppendChunk(png, "IEND", nullptr, 0);
        return png;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

// Edge padding of a picture's transparent pixels from their nearest opaque
// neighbours, for the model's textures.

#include "EdgePadding.h"

#include <limits>
#include <new>
#include <vector>

namespace {

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) != 0;
}

// Row: the type of a row number, the smallest that holds every row and -1.
template <typename Row> bool Pad(QImage& image) {
    const int width = image.width(), height = image.height();
    constexpr Row None = -1;

    // The first pass, up the columns: for every pixel, the nearest opaque
    // row at or below it in its column.
    std::vector<Row> below;
    try {
        below.resize(size_t(width) * size_t(height));
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::vector<Row> next(size_t(width), None);
    for (int y = height - 1; y >= 0; --y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        Row* out = below.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            if (Opaque(pixels[x])) next[size_t(x)] = Row(y);
            out[x] = next[size_t(x)];
        }
    }
    bool anyOpaque = false;
    for (Row r : next) anyOpaque = anyOpaque || r != None;
    if (!anyOpaque) return true;

    // The second pass, along each row: of the columns' nearest opaque
    // pixels, the nearest one. With f(q) the squared distance to column q's
    // nearest opaque pixel, pixel x's nearest is the q that makes
    // (x - q)^2 + f(q) least: the lower envelope of these parabolas, built
    // once per row (hull, starting where each becomes the lowest). Where a
    // parabola starts is a fraction, kept as numerator and denominator
    // (positive; 0 for the infinities): whole numbers, compared by cross
    // multiplication, so no division is made (each part stays below 2^48).
    const size_t columns = size_t(width);
    std::vector<Row> above(columns, None);
    std::vector<Row> source(columns);    // the row of column q's nearest opaque pixel
    std::vector<qint64> lifted(columns); // f(q) + q^2
    std::vector<int> hull(columns);
    std::vector<qint64> fromTop(columns + 1), fromBottom(columns + 1);
    uchar* const bits = image.bits(); // the rows, stride bytes apart
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(bits + y * stride);
        const Row* down = below.data() + size_t(y) * size_t(width);
        bool anyTransparent = false;
        for (int x = 0; x < width; ++x) {
            if (Opaque(pixels[x])) {
                above[size_t(x)] = source[size_t(x)] = Row(y);
                continue;
            }
            anyTransparent = true;
            const Row up = above[size_t(x)], low = down[x];
            source[size_t(x)] = up != None && (low == None || y - up <= low - y) ? up : low;
        }
        if (!anyTransparent) continue;

        int k = -1;
        for (int q = 0; q < width; ++q) {
            if (source[size_t(q)] == None) continue;
            const qint64 d = qint64(source[size_t(q)]) - y;
            const qint64 value = d * d + qint64(q) * q;
            lifted[size_t(q)] = value;
            qint64 top = -1, bottom = 0; // minus infinity
            while (k >= 0) {
                const int v = hull[size_t(k)];
                top = value - lifted[size_t(v)];
                bottom = 2 * qint64(q - v);
                // Where the new parabola starts lies beyond where the last
                // one does: the last one stays in the envelope.
                if (top * fromBottom[size_t(k)] > fromTop[size_t(k)] * bottom) break;
                --k;
                top = -1, bottom = 0;
            }
            ++k;
            hull[size_t(k)] = q;
            fromTop[size_t(k)] = top, fromBottom[size_t(k)] = bottom;
            fromTop[size_t(k) + 1] = 1, fromBottom[size_t(k) + 1] = 0; // plus infinity
        }

        k = 0;
        for (int x = 0; x < width; ++x) {
            while (fromTop[size_t(k) + 1] < x * fromBottom[size_t(k) + 1]) ++k;
            if (Opaque(pixels[x])) continue;
            const int q = hull[size_t(k)];
            const QRgb nearest =
                reinterpret_cast<const QRgb*>(bits + qsizetype(source[size_t(q)]) * stride)[q];
            pixels[x] = nearest & RGB_MASK; // alpha 0 kept
        }
    }
    return true;
}

} // namespace

bool PadTransparentPixels(QImage& image) {
    if (image.format() != QImage::Format_ARGB32) return false;
    if (image.height() <= std::numeric_limits<qint16>::max()) return Pad<qint16>(image);
    return Pad<qint32>(image);
}

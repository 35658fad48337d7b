// The facts of a picture that an editing session records, listed once; the
// session writes and compares them.

#include "PictureFacts.h"

#include <cstdint>

const std::vector<PictureFact>& PictureFacts() {
    // One line per fact.
    static const std::vector<PictureFact> facts = {
        {"width", [](const EditorPicture& p) { return QJsonValue(p.PictureBitmap.width()); }},
        {"height", [](const EditorPicture& p) { return QJsonValue(p.PictureBitmap.height()); }},
        {"checksum",
         [](const EditorPicture& p) { return QJsonValue(PixelChecksum(p.PictureBitmap)); }},
        {"mirrored", [](const EditorPicture& p) { return QJsonValue(p.Mirrored); }},
    };
    return facts;
}

QJsonObject FactsOf(const EditorPicture& picture) {
    QJsonObject facts;
    for (const PictureFact& fact : PictureFacts())
        facts.insert(QLatin1String(fact.Name), fact.Of(picture));
    return facts;
}

QString PixelChecksum(const QImage& picture) {
    // A 64-bit multiply-and-fold hash over two pixels at a time, in four
    // lanes that do not wait for each other: it only has to notice a changed
    // picture, and it must cost little next to reading one (a 4000 x 3000
    // picture is 48 MB of pixels).
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t h0 = 0x243F6A8885A308D3ull, h1 = 0x13198A2E03707344ull,
                  h2 = 0xA4093822299F31D0ull, h3 = 0x082EFA98EC4E6C89ull;
    auto mix = [](std::uint64_t h, std::uint64_t v) {
        h = (h ^ v) * Multiplier;
        return h ^ (h >> 29);
    };
    auto pair = [](const QRgb* p) {
        return (std::uint64_t(p[0] & 0x00FFFFFFu) << 32) | (p[1] & 0x00FFFFFFu);
    };
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            h0 = mix(h0, pair(line + x));
            h1 = mix(h1, pair(line + x + 2));
            h2 = mix(h2, pair(line + x + 4));
            h3 = mix(h3, pair(line + x + 6));
        }
        for (; x + 2 <= width; x += 2) h0 = mix(h0, pair(line + x));
        if (x < width) h1 = mix(h1, line[x] & 0x00FFFFFFu);
    }
    std::uint64_t h = std::uint64_t(rgb.width()) << 32 | std::uint32_t(rgb.height());
    for (std::uint64_t lane : {h0, h1, h2, h3}) h = mix(h, lane);
    h ^= h >> 32;
    return QStringLiteral("%1").arg(h, 16, 16, QLatin1Char('0'));
}

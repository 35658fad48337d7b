#include "PictureFacts.h"

#include <cstdint>

const std::vector<PictureFact>& PictureFacts() {
    // One line per fact.
    static const std::vector<PictureFact> facts = {
        {"width", [](const EditorPicture& p) { return QJsonValue(p.PictureBitmap.width()); }},
        {"height", [](const EditorPicture& p) { return QJsonValue(p.PictureBitmap.height()); }},
        {"checksum",
         [](const EditorPicture& p) { return QJsonValue(PixelChecksum(p.PictureBitmap)); }},
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
    // A 64-bit multiply-and-fold hash over two pixels at a time: it only has
    // to notice a changed picture, and it must cost little next to reading
    // one (a 4000 x 3000 picture is 48 MB of pixels).
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t h =
        0x243F6A8885A308D3ull ^ (std::uint64_t(rgb.width()) << 32 | std::uint32_t(rgb.height()));
    auto mix = [&](std::uint64_t v) {
        h = (h ^ v) * Multiplier;
        h ^= h >> 29;
    };
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        for (; x + 1 < rgb.width(); x += 2)
            mix((std::uint64_t(line[x] & 0x00FFFFFFu) << 32) | (line[x + 1] & 0x00FFFFFFu));
        if (x < rgb.width()) mix(line[x] & 0x00FFFFFFu);
    }
    h ^= h >> 32;
    return QStringLiteral("%1").arg(h, 16, 16, QLatin1Char('0'));
}

// The pieces the model's textures are made of: edge padding, checked
// against a search of every pixel, and the PNG writer, read back by Qt's
// decoder (libpng).

#include "EdgePadding.h"
#include "PngWriter.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// An opaque pixel's colour says where it is, so a padded pixel tells which
// pixel it took its colour from.
QRgb ColourOf(int x, int y) {
    return qRgba(x & 0xFF, y & 0xFF, (x >> 8 & 0x0F) | (y >> 8 & 0x0F) << 4, 255);
}
QPoint PlaceOf(QRgb c) {
    return {qRed(c) | (qBlue(c) & 0x0F) << 8, qGreen(c) | (qBlue(c) >> 4) << 8};
}

QImage Mask(int width, int height, const std::function<bool(int, int)>& opaque) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, opaque(x, y) ? ColourOf(x, y) : qRgba(255, 0, 255, 0));
    return image;
}

} // namespace

TEST(EdgePadding, EveryTransparentPixelTakesTheNearestOpaquePixelsColour) {
    QRandomGenerator random(24);
    struct Case {
        const char* name;
        QImage image;
    } cases[] = {
        {"one pixel in the middle", Mask(9, 7, [](int x, int y) { return x == 4 && y == 3; })},
        {"one pixel in a corner", Mask(6, 5, [](int x, int y) { return x == 5 && y == 4; })},
        {"a disc",
         Mask(41, 23, [](int x, int y) { return (x - 20) * (x - 20) + (y - 11) * (y - 11) < 60; })},
        {"two far apart",
         Mask(40, 9, [](int x, int y) { return (x == 0 && y == 0) || (x == 39 && y == 8); })},
        {"a diagonal line", Mask(30, 30, [](int x, int y) { return x == y; })},
        {"one column", Mask(17, 13, [](int x, int) { return x == 16; })},
        {"one row", Mask(13, 17, [](int, int y) { return y == 0; })},
        {"sparse noise", Mask(64, 48, [&](int, int) { return random.bounded(40) == 0; })},
        {"dense noise", Mask(37, 29, [&](int, int) { return random.bounded(3) != 0; })},
        {"a one-pixel picture", Mask(1, 1, [](int, int) { return true; })},
        {"a single column picture", Mask(1, 9, [](int, int y) { return y == 5; })},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage given = c.image;
        std::vector<QPoint> opaque;
        for (int y = 0; y < given.height(); ++y)
            for (int x = 0; x < given.width(); ++x)
                if (qAlpha(given.pixel(x, y)) != 0) opaque.push_back({x, y});
        QImage padded = given.copy();
        ASSERT_TRUE(PadTransparentPixels(padded));
        for (int y = 0; y < given.height(); ++y)
            for (int x = 0; x < given.width(); ++x) {
                const QRgb before = given.pixel(x, y), after = padded.pixel(x, y);
                if (qAlpha(before) != 0) {
                    ASSERT_EQ(after, before) << x << "," << y;
                    continue;
                }
                ASSERT_EQ(qAlpha(after), 0) << x << "," << y;
                // Its colour is an opaque pixel's, and none is nearer.
                const QPoint from = PlaceOf(after);
                ASSERT_EQ(given.pixel(from) & RGB_MASK, after & RGB_MASK) << x << "," << y;
                ASSERT_NE(qAlpha(given.pixel(from)), 0) << x << "," << y;
                auto distance = [&](QPoint p) {
                    return (p.x() - x) * (p.x() - x) + (p.y() - y) * (p.y() - y);
                };
                int nearest = std::numeric_limits<int>::max();
                for (const QPoint& p : opaque) nearest = std::min(nearest, distance(p));
                ASSERT_EQ(distance(from), nearest) << x << "," << y;
            }
    }
}

TEST(EdgePadding, LeavesAPictureWithoutOpaquePixelsAndRefusesOtherFormats) {
    QImage empty = Mask(5, 4, [](int, int) { return false; });
    const QImage before = empty.copy();
    EXPECT_TRUE(PadTransparentPixels(empty));
    EXPECT_EQ(empty, before);
    QImage rgb(4, 4, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    EXPECT_FALSE(PadTransparentPixels(rgb));
}

namespace {

QImage Noise(int width, int height, bool alpha, quint32 seed) {
    QRandomGenerator random(seed);
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = alpha ? random.generate() : random.generate() | 0xFF000000u;
    }
    return image;
}

int ChunkCount(const QByteArray& png, const char* type) {
    int count = 0;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        count += png.mid(at + 4, 4) == type;
        at += 12 + qsizetype(length);
    }
    return count;
}

} // namespace

TEST(PngWriter, ReadsBackExactlyWithAndWithoutAlpha) {
    QImage gradient(300, 120, QImage::Format_ARGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y,
                              qRgba(x & 0xFF, (x + y) & 0xFF, (3 * y) & 0xFF, (x * y) & 0xFF));
    struct Case {
        const char* name;
        QImage image;
    } cases[] = {
        {"one pixel", Noise(1, 1, true, 1)},
        {"one column", Noise(1, 17, true, 2)},
        {"an odd width", Noise(13, 5, false, 3)},
        {"every byte value", gradient},
        // Noise does not compress: its data spans several IDAT chunks.
        {"larger than a chunk", Noise(1024, 400, true, 4)},
        {"another format", Noise(20, 10, false, 5).convertToFormat(QImage::Format_RGB888)},
    };
    for (const Case& c : cases) {
        for (PngChannels channels : {PngChannels::Rgb, PngChannels::Rgba}) {
            const bool alpha = channels == PngChannels::Rgba;
            SCOPED_TRACE(std::string(c.name) + (alpha ? ", RGBA" : ", RGB"));
            const QByteArray png = EncodePng(c.image, channels);
            ASSERT_FALSE(png.isEmpty());
            EXPECT_EQ(quint8(png[25]), alpha ? 6 : 2); // the colour type
            EXPECT_EQ(ChunkCount(png, "tRNS"), 0);
            EXPECT_EQ(ChunkCount(png, "IEND"), 1);
            const QImage decoded = QImage::fromData(png, "PNG");
            ASSERT_FALSE(decoded.isNull());
            EXPECT_EQ(decoded.hasAlphaChannel(), alpha);
            const QImage expected =
                c.image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            ASSERT_EQ(decoded.convertToFormat(expected.format()), expected);
        }
    }
    EXPECT_GT(ChunkCount(EncodePng(cases[4].image, PngChannels::Rgba), "IDAT"), 1);
    EXPECT_TRUE(EncodePng(QImage(), PngChannels::Rgb).isEmpty());
}

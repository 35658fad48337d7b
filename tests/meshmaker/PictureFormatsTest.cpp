// Pictures in every format the editor reads: the same fish gives the same
// file whatever its format, every format is refused for the same reasons,
// and transparency decides the background.

#include "Batch.h"
#include "PgxFormat.h"
#include "Picture.h"
#include "TForm1.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using test::Orange;
using test::Water;

// A fish on a 121 x 61 picture with a body, a tail, fins, and a white eye.
QImage FishPicture(QRgb background = Water) {
    QImage image = test::Picture(121, 61,
                                 {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                                  QRect(30, 41, 10, 6), QRect(65, 41, 12, 8)});
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 121, 61), QColor::fromRgb(background));
    p.fillRect(QRect(0, 20, 91, 21), QColor::fromRgb(Orange));
    p.fillRect(QRect(91, 10, 29, 41), QColor::fromRgb(0xFFC06010u));
    p.fillRect(QRect(40, 12, 20, 8), QColor::fromRgb(Orange));
    p.fillRect(QRect(30, 41, 10, 6), QColor::fromRgb(Orange));
    p.fillRect(QRect(65, 41, 12, 8), QColor::fromRgb(Orange));
    p.fillRect(QRect(8, 24, 5, 5), Qt::white); // the eye
    return image;
}

// The same fish with the background transparent: alpha 0 and, as many
// painting programs leave it, the colour of the background underneath.
QImage TransparentFish(QRgb hiddenColour = 0xFFFFFF) {
    QImage image = FishPicture(0xFF000000u | hiddenColour).convertToFormat(QImage::Format_ARGB32);
    const QImage opaque = FishPicture(0xFF000000u | hiddenColour);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((opaque.pixel(x, y) & 0xFFFFFF) == (hiddenColour & 0xFFFFFF) &&
                !QRect(8, 24, 5, 5).contains(x, y))
                image.setPixel(x, y, hiddenColour & 0xFFFFFF); // alpha 0
    return image;
}

const QStringList AllParts = {"--dorsal",    "38,5,62,19",  "--ventral",  "28,41,42,52",
                              "--anal",      "63,41,80,55", "--pectoral", "20,25,30,35,25,38",
                              "--whisker",   "2,40,12,55",  "--eye",      "10,26,3",
                              "--thickness", "30"};

QByteArray BatchBytes(const QString& picture, const QStringList& options = AllParts) {
    QTemporaryDir out;
    QString printed, messages;
    QTextStream o(&printed), e(&messages);
    const QString pgx = out.filePath("out.pgx");
    const int status = RunBatch(QStringList{picture} + options + QStringList{"-o", pgx}, o, e);
    e.flush();
    EXPECT_EQ(status, ExitOk) << picture.toStdString() << ": " << messages.toStdString();
    return test::FileBytes(pgx);
}

// The PGX bytes with the background field (offset 12) set aside.
QByteArray WithoutBackground(QByteArray bytes) {
    if (bytes.size() >= Pgx::HeaderSize) bytes.replace(Pgx::Offset::Background, 4, "----");
    return bytes;
}

quint32 BackgroundField(const QByteArray& bytes) {
    return qFromLittleEndian<quint32>(bytes.constData() + Pgx::Offset::Background);
}

} // namespace

TEST(PictureFormats, OneFishInEveryFormatWritesTheBytesOfItsBmp) {
    QTemporaryDir dir;
    const QImage fish = FishPicture();
    const QByteArray bmp = BatchBytes(test::SaveBmp(dir, "fish.bmp", fish));
    ASSERT_FALSE(bmp.isEmpty());

    struct Case {
        const char* name;
        QByteArray file;
        bool transparent; // the background field holds the key then
    } cases[] = {
        {"png", test::Encoded(fish, "png"), false},
        {"png with an opaque alpha channel",
         test::Encoded(fish.convertToFormat(QImage::Format_ARGB32), "png"), false},
        {"png 16 bit", test::Encoded(fish.convertToFormat(QImage::Format_RGBX64), "png"), false},
        {"png indexed", test::Encoded(fish.convertToFormat(QImage::Format_Indexed8), "png"), false},
        {"png transparent", test::Encoded(TransparentFish(), "png"), true},
        {"gif", test::GifOf(fish), false},
        {"webp lossless", test::Encoded(fish, "webp", 100), false},
        {"webp transparent", test::Encoded(TransparentFish(), "webp", 100), true},
        {"tiff", test::Encoded(fish, "tiff"), false},
        {"tiff lzw", test::Encoded(fish, "tiff", -1, 1), false},
        {"tiff transparent", test::Encoded(TransparentFish(), "tiff"), true},
        {"bmp named png", test::Encoded(fish, "bmp"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.isEmpty());
        const QByteArray pgx = BatchBytes(test::WriteFile(dir, QString(c.name) + ".png", c.file));
        ASSERT_EQ(pgx.size(), bmp.size());
        EXPECT_EQ(WithoutBackground(pgx), WithoutBackground(bmp));
        if (c.transparent)
            EXPECT_EQ(BackgroundField(pgx), Pgx::FileColour(PreferredBackgroundKey));
        else
            EXPECT_EQ(BackgroundField(pgx), BackgroundField(bmp));
    }
}

// The rows of the first and the last fish pixel in column x, as the body
// tool scans them (rows 0..height-2).
std::pair<int, int> FishRows(const QImage& picture, int x) {
    int top = 0, bottom = picture.height() - 1;
    for (int y = 0; y < picture.height() - 1; ++y)
        if (IsFishPixel(picture, x, y)) {
            top = y;
            break;
        }
    for (int y = picture.height() - 2; y >= 0; --y)
        if (IsFishPixel(picture, x, y)) {
            bottom = y;
            break;
        }
    return {top, bottom};
}

TEST(PictureFormats, ALossyPictureTracesTheOutlineOfItsBmpWithinTwoPixels) {
    // JPEG and lossy WebP change the pixels near every edge; the background's colour is
    // still recognised (within the lossy tolerance), and the outline found
    // stays within two pixels of the BMP's, in every column that is not
    // within three pixels of a vertical edge (there the column may find the
    // edge's other side).
    QTemporaryDir dir;
    const QImage fish = FishPicture().scaled(484, 244);
    for (int quality : {75, 90, 100}) {
        SCOPED_TRACE(quality);
        test::ScriptedDialogs dialogs;
        TForm1 bmp(dialogs), jpeg(dialogs);
        ASSERT_TRUE(bmp.OpenPicture(test::SaveBmp(dir, "fish.bmp", fish)).isEmpty());
        ASSERT_TRUE(
            jpeg.OpenPicture(test::WriteFile(dir, "fish.jpg", test::Encoded(fish, "jpeg", quality)))
                .isEmpty());
        const Fish &b = bmp.Current(), &j = jpeg.Current();
        ASSERT_EQ(j.BodyLast, b.BodyLast);
        int compared = 0;
        for (int i = 0; 2 * i + 1 <= b.BodyLast; ++i) {
            const int x = int(b.BodyX[2 * i]);
            bool nearEdge = false;
            for (int dx = -3; dx <= 3; ++dx)
                nearEdge = nearEdge || (x + dx >= 0 && x + dx < fish.width() &&
                                        FishRows(bmp.Picture.PictureBitmap, x + dx) !=
                                            FishRows(bmp.Picture.PictureBitmap, x));
            if (nearEdge) continue;
            ++compared;
            EXPECT_LE(std::abs(j.BodyY[2 * i] - b.BodyY[2 * i]), 2.0) << "column at " << x;
            EXPECT_LE(std::abs(j.BodyY[2 * i + 1] - b.BodyY[2 * i + 1]), 2.0) << "column at " << x;
        }
        EXPECT_GE(compared, 5);
    }
}

TEST(PictureFormats, GreyIndexedSixteenBitAndCmykBecomeRgb) {
    QTemporaryDir dir;
    QImage grey(8, 5, QImage::Format_Grayscale8);
    grey.fill(40);
    for (int x = 2; x < 6; ++x) grey.scanLine(2)[x] = 200;
    QImage grey16 = grey.convertToFormat(QImage::Format_Grayscale16);
    std::vector<quint32> cmyk(8 * 5, 0xFF00FF00u);                     // cyan and yellow: green ink
    for (int x = 2; x < 6; ++x) cmyk[size_t(2 * 8 + x)] = 0x00FF0000u; // magenta
    struct Case {
        const char* name;
        QByteArray file;
        QRgb background, fish; // as RGB, once loaded
    } cases[] = {
        {"grey png", test::Encoded(grey, "png"), 0x282828, 0xC8C8C8},
        {"grey 16-bit png", test::Encoded(grey16, "png"), 0x282828, 0xC8C8C8},
        {"grey tiff", test::Encoded(grey, "tiff"), 0x282828, 0xC8C8C8},
        {"indexed tiff", test::Encoded(grey.convertToFormat(QImage::Format_Indexed8), "tiff"),
         0x282828, 0xC8C8C8},
        {"16-bit tiff", test::Encoded(grey.convertToFormat(QImage::Format_RGBX64), "tiff"),
         0x282828, 0xC8C8C8},
        {"cmyk tiff", test::CmykTiffBytes(8, 5, cmyk), 0x00FF00, 0xFF00FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedPicture p = LoadPicture(test::WriteFile(dir, "picture", c.file));
        ASSERT_FALSE(p.image.isNull()) << p.error.toStdString();
        EXPECT_EQ(p.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(RgbAt(p.image, 0, 0), c.background);
        EXPECT_EQ(RgbAt(p.image, 3, 2), c.fish);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(IsFishPixel(p.image, x, y), y == 2 && x >= 2 && x < 6) << x << "," << y;
    }
}

TEST(PictureFormats, AGifGivesItsFirstFrameAndLeavesNothingUnset) {
    // A 6 x 4 screen whose first frame covers only its middle, and a second
    // frame over everything: the picture is the first frame on the screen's
    // background, the same in every read.
    test::GifLayout layout{6, 4, {Water, Orange, 0xFF00FF00u}, {}};
    layout.frames.push_back({QRect(1, 1, 4, 2), std::vector<quint8>(8, 1), -1});
    layout.frames.push_back({QRect(0, 0, 6, 4), std::vector<quint8>(24, 2), -1});
    QTemporaryDir dir;
    const QString path = test::WriteFile(dir, "frames.gif", test::GifBytes(layout));
    const LoadedPicture first = LoadPicture(path), again = LoadPicture(path);
    ASSERT_FALSE(first.image.isNull()) << first.error.toStdString();
    EXPECT_EQ(first.image, again.image);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(IsFishPixel(first.image, x, y), QRect(1, 1, 4, 2).contains(x, y))
                << x << "," << y;
    EXPECT_EQ(RgbAt(first.image, 2, 1), Orange & 0xFFFFFF);
}

TEST(PictureFormats, EveryFormatIsRefusedForTheReasonsOfABmp) {
    QTemporaryDir dir;
    const QImage fish = FishPicture();
    auto cutShort = [](const QByteArray& file) { return file.left(file.size() * 3 / 4); };
    // 70000 x 3 in RLE8: three rows of runs and the end, about a kilobyte.
    QByteArray rle;
    for (int row = 0; row < 3; ++row) {
        for (int run = 0; run < 70000 / 250; ++run) rle += QByteArray("\xFA\x01", 2);
        rle += QByteArray("\x00\x00", 2);
    }
    rle += QByteArray("\x00\x01", 2);
    QImage wideFish(40000, 3, QImage::Format_RGB32);
    wideFish.fill(Water);
    QImage narrow(2, 40, QImage::Format_RGB32);
    narrow.fill(Water);

    struct Case {
        const char* name;
        QByteArray file;
        QString reasonContains;
    } cases[] = {
        {"bmp 70000 wide", test::BmpBytes({70000, 3, 8, 1, {Water, Orange}, {}, rle}), "32767"},
        {"bmp 40000 wide", test::BmpBytes({40000, 3, 8, 1, {Water, Orange}, {}, rle}), "32767"},
        {"png 40000 wide", test::Encoded(wideFish, "png"), "32767"},
        {"jpeg 40000 wide", test::Encoded(wideFish, "jpeg"), "32767"},
        {"tiff 40000 wide", test::Encoded(wideFish, "tiff", -1, 1), "32767"},
        {"gif 40000 high",
         test::GifBytes(
             {3, 40000, {Water}, {{QRect(0, 0, 3, 40000), std::vector<quint8>(120000, 0), -1}}}),
         "32767"},
        {"png declaring 30000 x 30000", test::PngDeclaring(30000, 30000), "512"},
        {"png declaring 40000 x 3", test::PngDeclaring(40000, 3), "32767"},
        {"png narrow", test::Encoded(narrow, "png"), "3"},
        {"jpeg narrow", test::Encoded(narrow, "jpeg"), "3"},
        {"gif narrow", test::GifOf(narrow), "3"},
        {"webp narrow", test::Encoded(narrow, "webp"), "3"},
        {"tiff narrow", test::Encoded(narrow, "tiff"), "3"},
        {"png cut short", cutShort(test::Encoded(fish, "png")), "fish"},
        {"jpeg cut short", cutShort(test::Encoded(fish, "jpeg", 90)), "途中で切れています"},
        {"gif cut short", cutShort(test::GifOf(fish)), "途中で切れています"},
        {"webp cut short", cutShort(test::Encoded(fish, "webp")), "fish"},
        {"tiff cut short", cutShort(test::Encoded(fish, "tiff")), "fish"},
        {"an icon", test::Encoded(fish.scaled(32, 32), "ico"), "ico"},
        {"xpm", test::Encoded(fish, "xpm"), "xpm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.isEmpty());
        const LoadedPicture p = LoadPicture(test::WriteFile(dir, "fish", c.file));
        EXPECT_TRUE(p.image.isNull());
        EXPECT_TRUE(p.error.contains(c.reasonContains)) << p.error.toStdString();
    }
}

TEST(Transparency, AFishContainingTheColourOfTheCornerStaysWhole) {
    // The transparent corner hides white; the fish's eye is opaque white.
    // Every opaque pixel is fish and every transparent one background, and
    // the fish is traced as the same fish on water.
    QTemporaryDir dir;
    const QImage transparent = TransparentFish(0xFFFFFF);
    const LoadedPicture p =
        LoadPicture(test::WriteFile(dir, "koi.png", test::Encoded(transparent, "png")));
    ASSERT_FALSE(p.image.isNull()) << p.error.toStdString();
    for (int y = 0; y < transparent.height(); ++y)
        for (int x = 0; x < transparent.width(); ++x)
            ASSERT_EQ(IsFishPixel(p.image, x, y), qAlpha(transparent.pixel(x, y)) >= 128)
                << x << "," << y;
    EXPECT_EQ(RgbAt(p.image, 10, 26), 0xFFFFFFu); // the eye keeps its colour
    const QByteArray onWater = BatchBytes(test::SaveBmp(dir, "water.bmp", FishPicture()));
    EXPECT_EQ(WithoutBackground(BatchBytes(dir.filePath("koi.png"))), WithoutBackground(onWater));
}

TEST(Transparency, TheKeyIsAColourNoFishPixelHas) {
    struct Case {
        const char* name;
        std::vector<QRgb> fishColours; // painted opaque in a row
        QRgb key;
    } cases[] = {
        {"magenta is free", {Orange}, 0xFF00FF},
        {"the fish has magenta", {Orange, 0xFFFF00FFu}, 0xFF0100},
        {"the fish has the next ones too", {0xFFFF00FFu, 0xFFFF0100u, 0xFFFF0101u}, 0xFF0102},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(int(c.fishColours.size()) + 2, 3, QImage::Format_ARGB32);
        image.fill(0x00FF00FFu); // transparent magenta
        for (size_t i = 0; i < c.fishColours.size(); ++i)
            image.setPixel(int(i) + 1, 1, c.fishColours[i]);
        const QImage keyed = KeyBackground(image);
        ASSERT_FALSE(keyed.isNull());
        EXPECT_EQ(RgbAt(keyed, 0, 0), c.key);
        for (size_t i = 0; i < c.fishColours.size(); ++i) {
            EXPECT_TRUE(IsFishPixel(keyed, int(i) + 1, 1)) << i;
            EXPECT_EQ(RgbAt(keyed, int(i) + 1, 1), c.fishColours[i] & 0xFFFFFF) << i;
        }
    }
}

TEST(Transparency, AlphaBelow128IsBackgroundAndTheCornerAlways) {
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 127)); // translucent, just below the line
    image.setPixel(1, 1, qRgba(10, 20, 30, 128));
    image.setPixel(2, 1, qRgba(10, 20, 30, 255));
    image.setPixel(0, 0, qRgba(200, 0, 0, 255)); // an opaque corner is background all the same
    image.setPixel(3, 2, qRgba(200, 0, 0, 255)); // while its colour elsewhere is fish
    const QImage keyed = KeyBackground(image);
    ASSERT_FALSE(keyed.isNull());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(IsFishPixel(keyed, x, y),
                      (y == 1 && (x == 1 || x == 2)) || (x == 3 && y == 2))
                << x << "," << y;
    EXPECT_EQ(RgbAt(keyed, 1, 1), 0x0A141Eu);
}

TEST(Transparency, APictureWithoutTransparentPixelsKeepsItsCornerAsBackground) {
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(2, 1, qRgba(200, 0, 0, 128));
    const QImage keyed = KeyBackground(image);
    EXPECT_EQ(RgbAt(keyed, 0, 0), 0x0A141Eu);
    EXPECT_TRUE(IsFishPixel(keyed, 2, 1));
    EXPECT_FALSE(IsFishPixel(keyed, 1, 1));
}

TEST(Transparency, AGifWithATransparentIndex) {
    test::GifLayout layout{6, 4, {Water, Orange}, {}};
    std::vector<quint8> indices(24, 0);
    indices[size_t(1 * 6 + 2)] = indices[size_t(1 * 6 + 3)] = 1;
    layout.frames.push_back({QRect(0, 0, 6, 4), indices, 0});
    QTemporaryDir dir;
    const LoadedPicture p = LoadPicture(test::WriteFile(dir, "t.gif", test::GifBytes(layout)));
    ASSERT_FALSE(p.image.isNull()) << p.error.toStdString();
    EXPECT_EQ(RgbAt(p.image, 0, 0), PreferredBackgroundKey);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(IsFishPixel(p.image, x, y), y == 1 && (x == 2 || x == 3)) << x << "," << y;
}

TEST(Transparency, AFishOfEveryColourLeavesNoKeyAndIsRefused) {
    // Every 24-bit colour once, opaque, in 4096 rows; below them a row that
    // is transparent but for one more black pixel.
    QImage image(4096, 4097, QImage::Format_ARGB32);
    for (int y = 0; y < 4096; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 4096; ++x) line[x] = 0xFF000000u | quint32(y * 4096 + x);
    }
    auto* last = reinterpret_cast<QRgb*>(image.scanLine(4096));
    for (int x = 0; x < 4096; ++x) last[x] = 0;
    last[1] = 0xFF000000u;
    QString why;
    EXPECT_TRUE(KeyBackground(image, PictureCoding::Exact, &why).isNull());
    EXPECT_EQ(why, Texts::PictureNoFreeColour());
    // Without that pixel, black is only in the corner, which is background
    // whatever it holds: black is then the one free colour.
    last[1] = 0;
    const QImage keyed = KeyBackground(image, PictureCoding::Exact, &why);
    ASSERT_FALSE(keyed.isNull());
    EXPECT_EQ(RgbAt(keyed, 0, 0), 0x000000u);
    EXPECT_TRUE(IsFishPixel(keyed, 1, 0));
}

#include "Picture.h"
#include "StripBuilders.h"
#include "TestSupport.h"

#include <QFile>

#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The same 4 x 3 picture in several BMP encodings: water everywhere but a
// fish pixel at (1, 1) and (2, 1).
constexpr QRgb W = 0x3070C0, F = 0xF08020;

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}

QByteArray Rows(const std::vector<QByteArray>& rows) {
    QByteArray out;
    for (const QByteArray& r : rows) out += r;
    return out;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(char(v));
    return out;
}
QByteArray Px24(QRgb c) {
    return Bytes({qBlue(c), qGreen(c), qRed(c)});
}
QByteArray Px32(QRgb c) {
    return Px24(c) + QByteArray(1, '\0');
}
QByteArray Px16(QRgb c) { // 5-5-5
    const int v = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3);
    return Bytes({v & 0xFF, v >> 8});
}

} // namespace

TEST(PictureLoading, EveryBmpVariantGivesTheSameFishAndBackground) {
    QTemporaryDir dir;
    const QByteArray pad1(1, '\0'), pad2(2, '\0');
    // Rows bottom-up unless the height is negative.
    const QByteArray water24 = Px24(W) + Px24(W) + Px24(W) + Px24(W);
    const QByteArray fish24 = Px24(W) + Px24(F) + Px24(F) + Px24(W);
    const QByteArray water32 = Px32(W) + Px32(W) + Px32(W) + Px32(W);
    const QByteArray fish32 = Px32(W) + Px32(F) + Px32(F) + Px32(W);
    const QByteArray water16 = Px16(W) + Px16(W) + Px16(W) + Px16(W);
    const QByteArray fish16 = Px16(W) + Px16(F) + Px16(F) + Px16(W);
    const QByteArray water8("\0\0\0\0", 4), fish8("\0\1\1\0", 4);
    // RLE8: a run of 4 water, end of line; 1 water, 2 fish, 1 water; 4 water; end of bitmap.
    const QByteArray rle("\x04\x00\x00\x00"
                         "\x01\x00\x02\x01\x01\x00\x00\x00"
                         "\x04\x00\x00\x01",
                         16);

    struct Case {
        const char* name;
        test::BmpLayout layout;
    } cases[] = {
        {"24 bit", {4, 3, 24, 0, {}, {}, Rows({water24, fish24, water24})}},
        {"24 bit top-down", {4, -3, 24, 0, {}, {}, Rows({water24, fish24, water24})}},
        {"32 bit", {4, 3, 32, 0, {}, {}, Rows({water32, fish32, water32})}},
        {"16 bit", {4, 3, 16, 0, {}, {}, Rows({water16, fish16, water16})}},
        {"8 bit palette", {4, 3, 8, 0, {W, F}, {}, Rows({water8, fish8, water8})}},
        {"8 bit RLE", {4, 3, 8, 1, {W, F}, {}, rle}},
    };
    for (const Case& c : cases) {
        const LoadedPicture p =
            LoadPicture(Write(dir, QString(c.name) + ".bmp", test::BmpBytes(c.layout)));
        ASSERT_FALSE(p.image.isNull()) << c.name << ": " << p.error.toStdString();
        EXPECT_EQ(p.image.size(), QSize(4, 3)) << c.name;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(IsFishPixel(p.image, x, y), y == 1 && (x == 1 || x == 2))
                    << c.name << " at " << x << "," << y;
        if (QString(c.name) != "16 bit") { // 5-bit channels cannot hold these colours exactly
            EXPECT_EQ(RgbAt(p.image, 0, 0), W) << c.name;
            EXPECT_EQ(RgbAt(p.image, 1, 1), F) << c.name;
        }
    }
}

TEST(PictureLoading, RefusalsCarryAReason) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* reasonContains;
    } cases[] = {
        {"junk", QByteArray("BM not really a picture at all"), ""},
        {"narrow", test::BmpBytes({2, 5, 24, 0, {}, {}, QByteArray(5 * 8, '\0')}), "3"},
        {"low", test::BmpBytes({5, 2, 24, 0, {}, {}, QByteArray(2 * 16, '\0')}), "3"},
        {"huge", test::BmpBytes({30000, 30000, 24, 0, {}, {}, QByteArray(64, '\0')}), "512"},
        // Sides a PGX file cannot give (16 signed bits), though the pixels would fit.
        {"too tall", test::BmpBytes({4, 32768, 24, 0, {}, {}, QByteArray(12 * 32768, '\0')}),
         "32767"},
        {"too wide", test::BmpBytes({32768, 3, 24, 0, {}, {}, QByteArray(98304 * 3, '\0')}),
         "32767"},
        {"cut short", test::BmpBytes({40, 30, 24, 0, {}, {}, QByteArray(40 * 3 * 20, '\0')}),
         "3654"},
    };
    for (const Case& c : cases) {
        const LoadedPicture p = LoadPicture(Write(dir, QString(c.name) + ".bmp", c.bytes));
        EXPECT_TRUE(p.image.isNull()) << c.name;
        EXPECT_FALSE(p.error.isEmpty()) << c.name;
        EXPECT_TRUE(p.error.contains(c.reasonContains)) << c.name << ": " << p.error.toStdString();
    }
    EXPECT_FALSE(LoadPicture(dir.filePath("missing.bmp")).error.isEmpty());
    const LoadedPicture widest = LoadPicture(Write(
        dir, "widest.bmp", test::BmpBytes({32767, 3, 24, 0, {}, {}, QByteArray(98304 * 3, '\0')})));
    EXPECT_EQ(widest.image.width(), 32767) << widest.error.toStdString();
}

TEST(PictureLoading, PixelsACompressedPictureLeavesUnsetTakeItsFirstColour) {
    QTemporaryDir dir;
    // RLE8 that ends the picture at once: no pixel is set by the file. A
    // picture stored top-down (negative height) declares no valid size to
    // the reader, which then decodes into memory of its own.
    for (const int height : {4, -4}) {
        // Leave freed memory of the picture's size full of non-zero bytes,
        // where an allocation that nobody clears would find it.
        std::vector<std::vector<char>> junk(8, std::vector<char>(8 * 4, char(0xAB)));
        junk.clear();
        const LoadedPicture p = LoadPicture(
            Write(dir, QString("empty-rle%1.bmp").arg(height),
                  test::BmpBytes({6, height, 8, 1, {W, F}, {}, QByteArray("\x00\x01", 2)})));
        ASSERT_FALSE(p.image.isNull()) << p.error.toStdString();
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(RgbAt(p.image, x, y), W) << "height " << height << ": " << x << "," << y;
    }
}

TEST(Dimming, HalvesEveryChannelExceptInTheLastColumnAndRow) {
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(qRgb(201, 100, 7));
    const QImage dimmed = DimPicture(picture);
    EXPECT_EQ(RgbAt(dimmed, 0, 0), qRgb(100, 50, 3) & 0xFFFFFF);
    EXPECT_EQ(RgbAt(dimmed, 1, 1), qRgb(100, 50, 3) & 0xFFFFFF);
    EXPECT_EQ(RgbAt(dimmed, 2, 0), qRgb(201, 100, 7) & 0xFFFFFF);
    EXPECT_EQ(RgbAt(dimmed, 0, 2), qRgb(201, 100, 7) & 0xFFFFFF);
    EXPECT_EQ(RgbAt(picture, 0, 0),
              qRgb(201, 100, 7) & 0xFFFFFF); // the picture itself is untouched
}

TEST(PictureLoading, OnlyARegularFileIsAPictureAndAFifoNeverBlocks) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkdir("folder.bmp");
    struct Case {
        const char* name;
        QString path;
        const char* reason;
    } cases[] = {
        {"a FIFO", fifo, "通常のファイルではありません"},
        {"a folder", dir.filePath("folder.bmp"), "通常のファイルではありません"},
        {"a device", "/dev/zero", "通常のファイルではありません"},
        {"a missing file", dir.filePath("missing.bmp"), "No such file or directory"},
    };
    for (const Case& c : cases) {
        // In a child, so that a reader that blocks fails the test instead of hanging it.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const LoadedPicture p = LoadPicture(c.path);
            _exit(p.image.isNull() && p.error.contains(QString::fromUtf8(c.reason)) ? 0 : 1);
        }
        int status = -1;
        for (int waited = 0; waited < 100 && waitpid(child, &status, WNOHANG) == 0; ++waited)
            QThread::msleep(50);
        if (!WIFEXITED(status)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            ADD_FAILURE() << c.name << ": the reader did not return";
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << c.name;
    }
}

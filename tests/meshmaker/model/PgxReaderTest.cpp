// The PGX reader: what the editor writes comes back bit for bit, and every
// malformed file is refused with its reason and offset.

#include "PgxReader.h"
#include "PgxBuilder.h"
#include "EditorPicture.h"
#include "Fish.h"
#include "PgxWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FishAndPicture {
    EditorPicture picture;
    Fish fish;
};

// An editor state with every list filled as its tool fills it (column pairs,
// the end marker after the last entry), on a 1001 x 501 picture.
struct StateShape {
    const char* name;
    int columns = 8, n = 4;
    int tail = 0, dorsal = 0, anal = 0, ventral = 0, whisker = 0; // last indices
    bool pectoral = false, eye = false;
};

void FillStrip(StripArray& xs, StripArray& ys, int& last, int wanted, double x0, double y0) {
    last = wanted;
    if (wanted <= 0) return;
    for (int k = 0; k <= wanted; ++k) {
        xs[k] = x0 + 7.25 * (k / 2);
        ys[k] = y0 + (k % 2 == 0 ? 0.0 : 33.5) + 0.125 * k;
    }
    xs[wanted + 1] = -1;
}

FishAndPicture StateOf(const StateShape& shape) {
    FishAndPicture made;
    Fish& s = made.fish;
    QImage picture(1001, 501, QImage::Format_RGB32);
    picture.fill(qRgb(176, 216, 240));
    made.picture.PictureBitmap = picture;
    made.picture.PicMaxX = 1000, made.picture.PicMaxY = 500;
    s.Divisions = shape.n;
    s.BodyLast = 2 * shape.columns - 1;
    for (int i = 0; i < shape.columns; ++i) {
        s.BodyX[2 * i] = s.BodyX[2 * i + 1] = 3.0 * i;
        s.BodyY[2 * i] = 200 - 0.3 * i;
        s.BodyY[2 * i + 1] = 300 + 0.7 * i;
        s.TopW[i] = 1 + (i * 37 % 11);
    }
    s.BodyX[s.BodyLast + 1] = -1;
    s.TopPeakIndex = 3;
    for (int j = 0; j <= shape.n; ++j) {
        const double a = 3.14159 * j / shape.n;
        s.SectionY[j] = 200 + 50 * (1 - std::cos(a));
        s.SectionZ[j] = j == 0 || j == shape.n ? 0 : 40 * std::sin(a);
        s.SectionNormals[j] = {0.0f, float(std::cos(a)), float(-std::sin(a))};
    }
    FillStrip(s.TailX, s.TailY, s.TailLast, shape.tail, 800, 100);
    FillStrip(s.DorsalX, s.DorsalY, s.DorsalLast, shape.dorsal, 300, 50);
    FillStrip(s.AnalX, s.AnalY, s.AnalLast, shape.anal, 600, 310);
    FillStrip(s.VentralX, s.VentralY, s.VentralLast, shape.ventral, 400, 320);
    for (int k = 0; k <= std::max(0, shape.ventral); ++k) s.VentralZ[k] = 0.5 * k;
    FillStrip(s.WhiskerX, s.WhiskerY, s.WhiskerLast, shape.whisker, 10, 260);
    s.PectoralDone = shape.pectoral;
    s.PectoralX = {200, 240, 220};
    s.PectoralY = {250, 255, 280};
    s.PectoralZ = {0, 12, 6};
    s.EyeSolid = shape.eye;
    s.EyeX = 90, s.EyeY = 230, s.EyeZ = 17.5, s.EyeRadius = 9, s.EyeBulge = 4.5;
    s.TailPosition = 750;
    s.EyeRearColour = qRgb(200, 100, 50) & 0x00FFFFFFu;
    return made;
}

quint32 Bits(float f) {
    quint32 b;
    std::memcpy(&b, &f, 4);
    return b;
}

std::vector<StateShape> RoundTripCases() {
    std::vector<StateShape> cases = {
        {"tail only", 8, 4, 5},
        {"dorsal only", 8, 4, 0, 7},
        {"anal only", 8, 4, 0, 0, 3},
        {"ventral only", 8, 4, 0, 0, 0, 9},
        {"whiskers only", 8, 4, 0, 0, 0, 0, 3},
        {"pectoral only", 8, 4, 0, 0, 0, 0, 0, true},
        {"eye only", 8, 4, 0, 0, 0, 0, 0, false, true},
        {"strips built with no column", 8, 4, -1, -1, -1, -1, -1},
        {"every block", 20, 6, 9, 11, 7, 5, 3, true, true},
        {"the largest fish", 250, 10, 49, 49, 49, 49, 49, true, true},
    };
    static const char* bare[] = {"bare N=1", "bare N=2", "bare N=3", "bare N=4", "bare N=5",
                                 "bare N=6", "bare N=7", "bare N=8", "bare N=9", "bare N=10"};
    for (int n = 1; n <= 10; ++n) cases.push_back({bare[n - 1], 5, n});
    return cases;
}

} // namespace

TEST(PgxReader, WhatTheWriterWritesComesBackBitForBit) {
    for (const StateShape& shape : RoundTripCases()) {
        SCOPED_TRACE(shape.name);
        const auto [picture, s] = StateOf(shape);
        const QByteArray bytes = BuildPgxBytes(s, picture);
        PgxError error;
        const auto f = ReadPgx(bytes, &error);
        ASSERT_TRUE(f) << error.text().toStdString();

        // Every value: the file rebuilt from what was read is the same bytes.
        EXPECT_EQ(test::BuildPgx(*f), bytes);
        EXPECT_EQ(Pgx::FileSize(f->counts()), bytes.size());

        // The counts are the editor's, and each block is the list it came from.
        EXPECT_EQ(f->columns(), shape.columns);
        EXPECT_EQ(f->n, shape.n);
        EXPECT_EQ(f->grid.size(), size_t(shape.columns * (shape.n + 1)));
        EXPECT_EQ(f->tailLast, shape.tail);
        EXPECT_EQ(f->dorsalLast, shape.dorsal);
        EXPECT_EQ(f->analLast, shape.anal);
        EXPECT_EQ(f->ventralLast, shape.ventral);
        EXPECT_EQ(f->whiskerByte, std::max(0, shape.whisker));
        EXPECT_EQ(f->hasPectoral(), shape.pectoral);
        EXPECT_EQ(f->hasEye(), shape.eye);
        for (int j = 0; j <= shape.n; ++j)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(Bits(f->normals[j][c]), Bits(s.SectionNormals[j][c]));
        const Pgx::Transform t = Pgx::Transform::ForPicture(1001, 501);
        auto firstX = [&](const std::vector<PgxVertex>& block, const StripArray& xs, int last) {
            if (last > 0) {
                ASSERT_EQ(block.size(), size_t(last + 1));
                EXPECT_EQ(block[0][0], t.x(xs[0]));
            } else {
                EXPECT_TRUE(block.empty());
            }
        };
        firstX(f->tail, s.TailX, s.TailLast);
        firstX(f->dorsal, s.DorsalX, s.DorsalLast);
        firstX(f->anal, s.AnalX, s.AnalLast);
        firstX(f->ventral, s.VentralX, s.VentralLast);
        firstX(f->whiskers, s.WhiskerX, s.WhiskerLast);
        if (shape.eye) {
            EXPECT_EQ(f->eye[1], (PgxVertex{9 / 50.0f, 4.5f / 50, 0.0f}));
            EXPECT_EQ(f->eyeColour, 0x003264C8u);
        }
    }
}

namespace {

struct Malformed {
    const char* name;
    std::function<void(QByteArray&)> damage;
    qint64 offset;
    const char* reason; // a part of the message
};

// A valid file with every block, to be damaged.
QByteArray WholeFish() {
    return test::BuildPgx(test::ShapedFish());
}

qint64 BlockOffset(Pgx::Block block) {
    const PgxFile f = test::ShapedFish();
    qint64 at = Pgx::HeaderSize;
    for (Pgx::Block b : Pgx::BlockOrder) {
        if (b == block) return at;
        at += Pgx::BlockSize(b, f.counts());
    }
    return at;
}

void SetFloat(QByteArray& b, qint64 at, float v) {
    test::PutF32(b, at, v);
}

} // namespace

TEST(PgxReader, RefusesMalformedFilesWithTheReasonAndOffset) {
    const qint64 size = WholeFish().size();
    const qint64 grid = BlockOffset(Pgx::Block::Grid), eye = BlockOffset(Pgx::Block::Eye);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Malformed cases[] = {
        {"empty", [](QByteArray& b) { b.clear(); }, 0, "shorter than the 40-byte head"},
        {"shorter than the head", [](QByteArray& b) { b.truncate(39); }, 39, "shorter than"},
        {"wrong magic", [](QByteArray& b) { b[5] = 'X'; }, 0, "wrong magic"},
        {"byte 8 not zero", [](QByteArray& b) { b[8] = 1; }, 8, "not 0"},
        {"eye flag 2", [](QByteArray& b) { b[9] = 2; }, 9, "eye flag is 2"},
        {"no-pectoral flag 7", [](QByteArray& b) { b[10] = 7; }, 10, "no-pectoral flag is 7"},
        {"zero width", [](QByteArray& b) { test::PutI16(b, 16, 0); }, 16, "width is 0, too small"},
        {"negative height", [](QByteArray& b) { test::PutI16(b, 18, -201); }, 18,
         "height is -201, negative"},
        {"negative last column", [](QByteArray& b) { test::PutI16(b, 22, -3); }, 22,
         "last body column is -3, negative"},
        {"251 columns", [](QByteArray& b) { test::PutI16(b, 22, 250); }, 22,
         "250, too large: it is 0 to 249"},
        {"N zero", [](QByteArray& b) { test::PutI16(b, 24, 0); }, 24, "N is 0, too small"},
        {"N negative", [](QByteArray& b) { test::PutI16(b, 24, -4); }, 24, "N is -4, negative"},
        {"N eleven", [](QByteArray& b) { test::PutI16(b, 24, 11); }, 24,
         "N is 11, too large: it is 1 to 10"},
        {"grid count negative", [](QByteArray& b) { test::PutI16(b, 26, -60); }, 26,
         "vertex count is -60: negative"},
        {"grid count against columns x rows", [](QByteArray& b) { test::PutI16(b, 26, 59); }, 26,
         "is 59, but 12 columns of 5 rows make 60"},
        {"tail count below -1", [](QByteArray& b) { test::PutI16(b, 28, -2); }, 28,
         "tail count is -2: negative"},
        {"dorsal count too large", [](QByteArray& b) { test::PutI16(b, 30, 51); }, 30,
         "dorsal count is 51, more than the format's 49"},
        {"ventral count even", [](QByteArray& b) { test::PutI16(b, 32, 4); }, 32,
         "ventral count is 4: a strip's last index is odd"},
        {"anal count huge", [](QByteArray& b) { test::PutI16(b, 34, 32767); }, 34,
         "anal count is 32767"},
        {"whisker byte too large", [](QByteArray& b) { b[11] = char(201); }, 11,
         "whisker count is 201, more than"},
        {"truncated inside the grid", [=](QByteArray& b) { b.truncate(grid + 100); }, grid + 100,
         "inside the body-grid block"},
        {"truncated inside the eye record", [=](QByteArray& b) { b.chop(2); }, size - 2,
         "inside the eye block"},
        {"counts longer than the file", [](QByteArray& b) { test::PutI16(b, 30, 49); }, size,
         "inside the dorsal block"},
        {"one byte left over", [](QByteArray& b) { b.append('\0'); }, size,
         "1 bytes left over after the last block"},
        {"eye flag clear, record still there", [](QByteArray& b) { b[9] = 0; }, size - 28,
         "28 bytes left over"},
        {"NaN in a normal", [=](QByteArray& b) { SetFloat(b, 40 + 16, nan); }, 40 + 16,
         "vertex 1 of the normal block is NaN"},
        {"infinity in the grid", [=](QByteArray& b) { SetFloat(b, grid + 12 * 7 + 8, -inf); },
         grid + 12 * 7 + 8, "vertex 7 of the body-grid block is infinite"},
        {"a vertex beyond any picture",
         [=](QByteArray& b) { SetFloat(b, BlockOffset(Pgx::Block::Ventral), 3e30f); },
         BlockOffset(Pgx::Block::Ventral), "beyond"},
        {"NaN in the eye size", [=](QByteArray& b) { SetFloat(b, eye + 16, nan); }, eye + 16,
         "vertex 1 of the eye block is NaN"},
        {"negative eye radius", [=](QByteArray& b) { SetFloat(b, eye + 12, -0.1f); }, eye + 12,
         "eye radius is negative"},
        {"negative eye bulge", [=](QByteArray& b) { SetFloat(b, eye + 16, -0.1f); }, eye + 16,
         "eye bulge is negative"},
        {"width-minus-tail not finite", [=](QByteArray& b) { SetFloat(b, 36, inf); }, 36,
         "not finite"},
    };
    ASSERT_TRUE(ReadPgx(WholeFish()));
    for (const Malformed& c : cases) {
        QByteArray bytes = WholeFish();
        c.damage(bytes);
        PgxError error;
        EXPECT_FALSE(ReadPgx(bytes, &error)) << c.name;
        EXPECT_EQ(error.offset, c.offset) << c.name << ": " << error.text().toStdString();
        EXPECT_TRUE(error.message.contains(QString::fromUtf8(c.reason)))
            << c.name << ": " << error.text().toStdString();
    }
}

TEST(PgxReader, ReadsFromDiskOnlyRegularFilesOfAPgxFileSize) {
    QTemporaryDir dir;
    PgxError error;
    EXPECT_FALSE(ReadPgxFile(dir.filePath("none.pgx"), &error));
    EXPECT_EQ(error.message, "no such file");
    EXPECT_FALSE(ReadPgxFile(dir.path(), &error));
    EXPECT_EQ(error.message, "not a regular file");

    // Far longer than any PGX file: refused without reading it whole.
    QFile big(dir.filePath("big.pgx"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    QByteArray bytes = WholeFish();
    bytes.append(QByteArray(1 << 20, '\0'));
    big.write(bytes);
    big.close();
    EXPECT_FALSE(ReadPgxFile(big.fileName(), &error));
    EXPECT_TRUE(error.message.contains("longer than the largest PGX file"))
        << error.text().toStdString();

    QFile good(dir.filePath("good.pgx"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(WholeFish());
    good.close();
    const auto f = ReadPgxFile(good.fileName(), &error);
    ASSERT_TRUE(f) << error.text().toStdString();
    EXPECT_EQ(test::BuildPgx(*f), WholeFish());
}

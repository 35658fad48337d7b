#include "PgxWriter.h"
#include "AtomicFile.h"
#include "PgxOutputPath.h"
#include "PgxReader.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

quint32 Bits(float f) {
    quint32 b;
    std::memcpy(&b, &f, 4);
    return b;
}
constexpr quint32 PlusZero = 0x00000000u, MinusZero = 0x80000000u;

// A 201 x 101 picture (centre at 100, 50) with three body columns, N = 2,
// the section and top view filled in by hand.
test::FishOnPicture SmallFish() {
    QImage picture(201, 101, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    test::FishOnPicture fish;
    fish.picture.PictureBitmap = picture;
    fish.picture.PicMaxX = 200, fish.picture.PicMaxY = 100;
    Fish& s = fish.fish;
    s.TailPosition = 150;
    s.EyeRearColour = 0;
    s.Divisions = 2;
    s.BodyLast = 5;
    const double xs[] = {0, 50, 100}, tops[] = {40, 30, 45}, bottoms[] = {60, 70, 55};
    for (int k = 0; k < 3; ++k) {
        s.BodyX[2 * k] = s.BodyX[2 * k + 1] = xs[k];
        s.BodyY[2 * k] = tops[k];
        s.BodyY[2 * k + 1] = bottoms[k];
    }
    s.BodyX[6] = -1;
    s.SectionY = {30, 50, 70};
    s.SectionZ = {0, 10, 0};
    s.SectionNormals[0] = {0, 1, 0};
    s.SectionNormals[1] = {0, 0, -1};
    s.SectionNormals[2] = {0, -1, 0};
    s.TopW = {0, 8, 4};
    s.TopPeakIndex = 1;
    return fish;
}

void SetStrip(StripArray& xs, StripArray& ys, int& last, std::initializer_list<double> x,
              std::initializer_list<double> y) {
    int k = 0;
    for (double v : x) xs[k++] = v;
    k = 0;
    for (double v : y) ys[k++] = v;
    last = int(x.size()) - 1;
}

} // namespace

TEST(PgxOutputName, FolderKeptNameLowerCasedPictureExtensionReplaced) {
    struct Case {
        const char *picture, *pgx;
    } cases[] = {
        {"/data/Fish/KOI.BMP", "/data/Fish/koi.pgx"},
        {"C:\\Fish\\Koi.BMP", "C:\\Fish\\koi.pgx"},
        {"/d/x.bmp.old/a.bmp", "/d/x.bmp.old/a.pgx"},
        {"/d/Carp", "/d/carp.pgx"},
        {"/d/a.bmp.bak", "/d/a.bmp.bak.pgx"},
        {"relative.Bmp", "relative.pgx"},
        {"/d/koi.png", "/d/koi.pgx"},
        {"/d/Koi/koi.JPG", "/d/Koi/koi.pgx"},
        {"/d/koi.jpeg", "/d/koi.pgx"},
        {"/d/koi.Gif", "/d/koi.pgx"},
        {"/d/koi.webp", "/d/koi.pgx"},
        {"/d/koi.TIF", "/d/koi.pgx"},
        {"/d/koi.tiff", "/d/koi.pgx"},
        {"/d/koi.png.bmp", "/d/koi.png.pgx"},
        {"/d/koi.pgx", "/d/koi.pgx.pgx"},
        {"/d/koi.svg", "/d/koi.svg.pgx"},
    };
    for (const Case& c : cases) EXPECT_EQ(PgxOutputPath(c.picture), QString(c.pgx)) << c.picture;
}

TEST(BodyTextureName, IsThePgxPathWithoutItsExtensionAndTx) {
    // The archiver finds koi_tx.bmp beside koi.pgx by this rule.
    struct Case {
        const char *pgx, *texture;
    } cases[] = {
        {"/d/koi.pgx", "/d/koi_tx.bmp"},       {"/d/Koi.PGX", "/d/Koi_tx.bmp"},
        {"/d/koi", "/d/koi_tx.bmp"},           {"/d.x/koi", "/d.x/koi_tx.bmp"},
        {"/d/koi.v2.pgx", "/d/koi.v2_tx.bmp"}, {"relative.pgx", "relative_tx.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(BodyTexturePath(c.pgx), QString(c.texture)) << c.pgx;
}

TEST(PgxLayout, BareFishHasHeadNormalsAndGridOnly) {
    auto [pic, s] = SmallFish();
    const QByteArray bytes = BuildPgxBytes(s, pic);
    EXPECT_EQ(bytes.size(), 40 + 12 * 3 * 4);
    EXPECT_EQ(bytes.size(), PgxFileSize(s));
    auto f = ReadPgx(bytes);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->magic, "PGDX f00");
    EXPECT_EQ(bytes.mid(8, 4),
              QByteArray("\x00\x00\x01\x00", 4)); // no eye, no pectoral, no whisker
    EXPECT_EQ(bytes.mid(12, 4),
              QByteArray("\x0a\x14\x1e\x00", 4)); // background red, green, blue, 0
    EXPECT_EQ(f->width, 201);
    EXPECT_EQ(f->height, 101);
    EXPECT_EQ(f->tailRoot, 150);
    EXPECT_EQ(f->lastColumn, 2);
    EXPECT_EQ(f->n, 2);
    EXPECT_EQ(f->gridCount, 9);
    EXPECT_EQ(f->tailLast, 0);
    EXPECT_EQ(f->dorsalLast, 0);
    EXPECT_EQ(f->ventralLast, 0);
    EXPECT_EQ(f->analLast, 0);
    EXPECT_EQ(f->widthMinusTail, float(200 - 1.5));
    EXPECT_EQ(f->normals[1], (PgxVertex{0, 0, -1}));
}

TEST(PgxLayout, BodyGridIsCentredStretchedAndFlatAtBothEnds) {
    auto [pic, s] = SmallFish();
    auto f = ReadPgx(BuildPgxBytes(s, pic));
    ASSERT_TRUE(f);
    // Column 0, row 0: picture (0, 40) -> x = -2, y = 1 - 40/50.
    EXPECT_EQ(f->grid[0][0], -2.0f);
    EXPECT_EQ(f->grid[0][1], float(1 - 40 / 50.0));
    // Column 1 spans 30..70; section rows at 0, 1/2, 1 of the span.
    EXPECT_EQ(f->grid[3][1], float(1 - 30 / 50.0));
    EXPECT_EQ(f->grid[4][1], float(1 - 50 / 50.0));
    EXPECT_EQ(f->grid[5][1], float(1 - 70 / 50.0));
    EXPECT_EQ(f->grid[4][0], float(50 / 50.0 - 2));
    // Column 1 is the widest: full section depth, negated.
    EXPECT_EQ(f->grid[4][2], -float(10 / 50.0));
    EXPECT_EQ(Bits(f->grid[3][2]), MinusZero); // zero depth is stored as -0.0
    // The first and last columns are flat: +0.0.
    for (int v : {0, 1, 2, 6, 7, 8}) EXPECT_EQ(Bits(f->grid[v][2]), PlusZero) << v;
}

TEST(PgxLayout, CentringOfA201By101Picture) {
    auto [pic, s] = SmallFish();
    s.EyeSolid = true;
    s.EyeX = 100, s.EyeY = 50, s.EyeZ = 0;
    auto f = ReadPgx(BuildPgxBytes(s, pic));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->eye[0][0], 0.0f);
    EXPECT_EQ(f->eye[0][1], 0.0f);
    EXPECT_EQ(f->grid[0][0], -2.0f); // picture x 0
}

TEST(PgxLayout, StripsComeTailDorsalAnalVentralAfterTheGrid) {
    auto [pic, s] = SmallFish();
    SetStrip(s.TailX, s.TailY, s.TailLast, {150, 150, 199.9, 199.9}, {45, 55, 20, 80});
    SetStrip(s.DorsalX, s.DorsalY, s.DorsalLast, {50, 50, 100, 100}, {29.9, 30, 20, 45});
    SetStrip(s.VentralX, s.VentralY, s.VentralLast, {60, 60}, {70, 75});
    s.VentralZ = {0, 5};
    SetStrip(s.AnalX, s.AnalY, s.AnalLast, {100, 100, 150, 150}, {55, 55.1, 55, 60});
    const QByteArray bytes = BuildPgxBytes(s, pic);
    auto f = ReadPgx(bytes);
    ASSERT_TRUE(f);
    EXPECT_EQ(bytes.size(), PgxFileSize(s));
    EXPECT_EQ(f->ventralLast, 1); // the head gives ventral before anal ...
    EXPECT_EQ(f->analLast, 3);
    // ... but the anal strip comes first in the body of the file.
    const qint64 analAt = 40 + 12 * 3 + 12 * 9 + 12 * 4 + 12 * 4;
    float x;
    std::memcpy(&x, bytes.constData() + analAt, 4);
    EXPECT_EQ(x, float(100 / 50.0 - 2));
    EXPECT_EQ(f->anal[1][1], float(1 - 55.1 / 50));
    EXPECT_EQ(f->ventral[1][2], -float(5 / 50.0));
    EXPECT_EQ(Bits(f->ventral[0][2]), MinusZero);
    for (const auto& v : f->tail) EXPECT_EQ(Bits(v[2]), PlusZero);
    EXPECT_EQ(f->tail[2][0], float(199.9 / 50 - 2));
}

TEST(PgxLayout, AStripWithLastIndexZeroOrLessIsLeftOut) {
    auto [pic, s] = SmallFish();
    s.TailLast = 0;
    s.DorsalLast = -1;
    s.WhiskerLast = -1; // a whisker dragged from right to left
    const QByteArray bytes = BuildPgxBytes(s, pic);
    auto f = ReadPgx(bytes);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->whiskerByte, 0);
    EXPECT_EQ(f->dorsalLast, -1);
    EXPECT_EQ(bytes.size(), 40 + 12 * 3 * 4);
}

TEST(PgxLayout, PectoralWhiskerAndEyeRecords) {
    auto [pic, s] = SmallFish();
    s.PectoralDone = true;
    s.PectoralX = {40, 50, 60};
    s.PectoralY = {50, 60, 55};
    s.PectoralZ = {0, 3, 6};
    SetStrip(s.WhiskerX, s.WhiskerY, s.WhiskerLast, {0, 0, 50, 50}, {60, 75, 70, 65});
    s.EyeSolid = true;
    s.EyeX = 20, s.EyeY = 45, s.EyeZ = 4, s.EyeRadius = 5, s.EyeBulge = 2.5;
    s.EyeRearColour = qRgb(200, 100, 50) & 0x00FFFFFFu;
    const QByteArray bytes = BuildPgxBytes(s, pic);
    auto f = ReadPgx(bytes);
    ASSERT_TRUE(f);
    EXPECT_EQ(bytes.size(), PgxFileSize(s));
    EXPECT_EQ(bytes.size(), 40 + 12 * 3 * 4 + 48 + 12 * 4 + 28);
    EXPECT_EQ(f->noPectoral, 0);
    EXPECT_EQ(f->whiskerByte, 3);
    EXPECT_EQ(f->eyeFlag, 1);

    // The pectoral quad: the first click, half a pixel lower, then the three clicks.
    EXPECT_EQ(f->pectoral[0][0], f->pectoral[1][0]);
    EXPECT_EQ(f->pectoral[0][2], f->pectoral[1][2]);
    EXPECT_NEAR(f->pectoral[1][1] - f->pectoral[0][1], 0.01, 1e-6);
    EXPECT_EQ(f->pectoral[3][2], -float(6 / 50.0));

    // Whisker ends stand out by how far they hang below their body point.
    EXPECT_EQ(Bits(f->whiskers[0][2]), PlusZero);
    EXPECT_EQ(f->whiskers[1][2], float(60 / 50.0 - 75 / 50.0));
    EXPECT_EQ(f->whiskers[3][2], float(70 / 50.0 - 65 / 50.0));

    // The eye: centre transformed, size as plain values, the rear colour.
    EXPECT_EQ(f->eye[0][2], -float(4 / 50.0));
    EXPECT_EQ(f->eye[1], (PgxVertex{0.1f, 0.05f, 0.0f}));
    EXPECT_EQ(Bits(f->eye[1][2]), PlusZero);
    EXPECT_EQ(f->eyeColour, 0x003264C8u);
}

TEST(PgxLayout, ZeroPeakWidthAndZeroSpanStayFinite) {
    auto [pic, s] = SmallFish();
    s.TopW = {}; // the top view was never built
    s.SectionY = {30, 30, 30};
    auto f = ReadPgx(BuildPgxBytes(s, pic));
    ASSERT_TRUE(f);
    for (const auto& v : f->grid)
        for (float c : v) EXPECT_TRUE(std::isfinite(c));
    EXPECT_EQ(Bits(f->grid[4][2]), MinusZero);
}

TEST(AtomicWrite, ReplacesWholeAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("koi.pgx");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray(1000, 'x')));
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("short")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("short"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"koi.pgx"});
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("koi.pgx");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("old contents")));
    for (auto step : {AtomicWriteFaults::Step::Open, AtomicWriteFaults::Step::Write,
                      AtomicWriteFaults::Step::Sync, AtomicWriteFaults::Step::Close,
                      AtomicWriteFaults::Step::Rename}) {
        AtomicWriteFaults::Inject = [step](AtomicWriteFaults::Step s, int) { return s == step; };
        EXPECT_FALSE(WriteFileAtomically(path, QByteArray(5000, 'n')));
        AtomicWriteFaults::Inject = nullptr;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("old contents"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"koi.pgx"});
    }
}

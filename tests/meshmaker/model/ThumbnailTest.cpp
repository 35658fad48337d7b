// meshmaker --thumbnail, run as a file manager runs it, on the sample fish as
// a PGX file beside its picture and packed in a PGDAF file; and on files
// that are not models, which leave no output.

#include "FishThumbnail.h"
#include "PgxReader.h"
#include "PreviewModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct ProgramRun {
    int status = -1;
    QString out, err;
};

ProgramRun Meshmaker(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(MESHMAKER_PROGRAM), QStringList{"--lang", "en"} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A PGDAF file as the archiver writes it: the header, then the members.
QByteArray Pgdaf(const QByteArray& body, const QByteArray& mesh, const QByteArray& fin = {},
                 const QByteArray& eye = {}) {
    QByteArray bytes(40, '\0');
    bytes.replace(0, 5, "PGDAF");
    const QByteArray* members[] = {&body, &fin, &eye, &mesh};
    for (int k = 0; k < 4; ++k)
        qToLittleEndian(quint32(members[k]->size()), bytes.data() + 8 + 4 * k);
    if (mesh.size() >= 20) bytes.replace(36, 4, mesh.mid(16, 4));
    return bytes + body + fin + eye + mesh;
}

// The sample fish with its fins and eye, traced once into its own folder.
class Thumbnail : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        QFile::copy(QStringLiteral(SAMPLE_FISH), dir_->filePath("fish.bmp"));
        const ProgramRun r =
            Meshmaker({"--batch", dir_->filePath("fish.bmp"), "--dorsal", "140,10,230,60",
                       "--ventral", "121,150,169,191", "--anal", "220,115,279,164", "--pectoral",
                       "82,101,124,104,100,126", "--eye", "45,82,8", "--texture"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        Write(dir_->filePath("fish.pgdaf"),
              Pgdaf(Bytes(dir_->filePath("fish_tx.bmp")), Bytes(dir_->filePath("fish.pgx"))));
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static QString path(const char* name) { return dir_->filePath(name); }
    static QTemporaryDir* dir_;
};
QTemporaryDir* Thumbnail::dir_ = nullptr;

// Whether a pixel is the fish's orange (the sample fish's skin, lit).
bool IsOrange(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) > qGreen(c) + 30 && qGreen(c) > qBlue(c);
}

} // namespace

TEST_F(Thumbnail, APgxFileIsDrawnInThreeQuartersWithItsPicture) {
    QTemporaryDir out;
    const ProgramRun r =
        Meshmaker({"--thumbnail", path("fish.pgx"), out.filePath("fish.png"), "256"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, out.filePath("fish.png") + "\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QImage image(out.filePath("fish.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(std::max(image.width(), image.height()), 256);
    EXPECT_GT(image.width(), image.height()); // a fish is longer than it is tall
    EXPECT_TRUE(image.hasAlphaChannel());
    // The corners are background, the middle is the fish's painted skin.
    for (QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    int orange = 0, opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            orange += IsOrange(image.pixel(x, y));
            opaque += qAlpha(image.pixel(x, y)) == 255;
        }
    EXPECT_GT(opaque, image.width() * image.height() / 5);
    EXPECT_GT(orange, opaque / 3);
}

TEST_F(Thumbnail, APgdafFileIsDrawnWithItsBodyTextureAsThePgxWithItsPicture) {
    QTemporaryDir out;
    ASSERT_EQ(Meshmaker({"--thumbnail", path("fish.pgx"), out.filePath("pgx.png"), "128"}).status,
              0);
    const ProgramRun r =
        Meshmaker({"--thumbnail", path("fish.pgdaf"), out.filePath("pgdaf.png"), "128"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage pgx(out.filePath("pgx.png")), pgdaf(out.filePath("pgdaf.png"));
    ASSERT_FALSE(pgdaf.isNull());
    EXPECT_EQ(pgdaf, pgx); // the body texture is the picture, byte for byte

    // Without a texture (none packed, or one that is no picture), the plain colours.
    Write(out.filePath("bare.pgdaf"), Pgdaf({}, Bytes(path("fish.pgx"))));
    Write(out.filePath("junk.pgdaf"), Pgdaf("BM not a picture", Bytes(path("fish.pgx"))));
    for (const char* name : {"bare", "junk"}) {
        const QString png = out.filePath(QStringLiteral("%1.png").arg(name));
        ASSERT_EQ(Meshmaker({"--thumbnail", out.filePath(QStringLiteral("%1.pgdaf").arg(name)), png,
                             "128"})
                      .status,
                  0)
            << name;
        const QImage plain(png);
        ASSERT_EQ(plain.size(), pgx.size()) << name;
        EXPECT_NE(plain, pgx) << name;
    }
}

TEST_F(Thumbnail, AFileThatIsNoModelGivesExitOneAndNoOutput) {
    QTemporaryDir out;
    const QByteArray pgx = Bytes(path("fish.pgx"));
    const QByteArray body = Bytes(path("fish_tx.bmp"));
    QByteArray wrongLengths = Pgdaf(body, pgx);
    wrongLengths.chop(1);
    QByteArray badMesh = pgx;
    badMesh.replace(24, 2, QByteArray("\x40\x00", 2)); // N = 64
    QDir(out.path()).mkdir("folder.pgx");
    ASSERT_EQ(mkfifo(QFile::encodeName(out.filePath("fifo.pgx")).constData(), 0600), 0);
    const struct {
        const char* name;
        QByteArray bytes; // empty: the path is not written
    } cases[] = {
        {"junk.pgx", "not a model at all"},
        {"cut.pgx", pgx.left(pgx.size() - 5)},
        {"empty.pgx", QByteArray()},
        {"wrong-lengths.pgdaf", wrongLengths},
        {"no-mesh.pgdaf", Pgdaf(body, {})},
        {"bad-mesh.pgdaf", Pgdaf(body, badMesh)},
        {"short.pgdaf", QByteArray("PGDAF\0\0\0", 8)},
        {"missing.pgx", QByteArray()},
        {"folder.pgx", QByteArray()},
        {"fifo.pgx", QByteArray()}, // refused at once, never opened
    };
    for (const auto& c : cases) {
        const QString model = out.filePath(c.name);
        if (!c.bytes.isEmpty() || QString(c.name) == "empty.pgx") Write(model, c.bytes);
        const QString png = out.filePath("thumb.png");
        const ProgramRun r = Meshmaker({"--thumbnail", model, png, "128"});
        EXPECT_EQ(r.status, 1) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("meshmaker: ")) << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(png)) << c.name;
    }
    // An old thumbnail is kept whole, and no temporary file is left.
    Write(out.filePath("old.png"), "old bytes");
    EXPECT_EQ(
        Meshmaker({"--thumbnail", out.filePath("junk.pgx"), out.filePath("old.png"), "64"}).status,
        1);
    EXPECT_EQ(Bytes(out.filePath("old.png")), "old bytes");
    for (const QString& name : QDir(out.path()).entryList(QDir::Files))
        EXPECT_FALSE(name.contains("thumb")) << name.toStdString();
}

TEST_F(Thumbnail, BadCommandsAreUsageErrors) {
    QTemporaryDir out;
    for (const QStringList& words :
         {QStringList{path("fish.pgx"), out.filePath("a.png")},
          QStringList{path("fish.pgx"), out.filePath("a.png"), "0"},
          QStringList{path("fish.pgx"), out.filePath("a.png"), "big"},
          QStringList{path("fish.pgx"), out.filePath("a.png"), "5000"},
          QStringList{path("fish.pgx"), out.filePath("a.png"), "64", "extra"}}) {
        const ProgramRun r = Meshmaker(QStringList{"--thumbnail"} + words);
        EXPECT_EQ(r.status, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage:")) << r.err.toStdString();
    }
    EXPECT_TRUE(QDir(out.path()).isEmpty());
    // The model itself is never the output.
    const ProgramRun self = Meshmaker({"--thumbnail", path("fish.pgx"), path("fish.pgx"), "64"});
    EXPECT_EQ(self.status, 1);
    EXPECT_TRUE(ReadPgxFile(path("fish.pgx")).has_value());
}

TEST(FishThumbnail, KeepsTheShapeItIsAskedForAtEverySize) {
    // A model without triangles: no picture.
    PreviewModel empty;
    EXPECT_TRUE(RenderFishThumbnail(empty, 64).isNull());
    for (int size : {1, 2, 16, 300}) {
        // An untextured plain fish of the format's own making.
        PgxFile file;
        file.width = 101, file.height = 51, file.n = 1, file.lastColumn = 2, file.gridCount = 6;
        file.normals = {{0, 1, 0}, {0, -1, 0}};
        file.grid = {{-1, 0, 0},        {-1, 0, 0}, {0, 0.4f, -0.2f},
                     {0, -0.4f, -0.2f}, {1, 0, 0},  {1, 0, 0}};
        const QImage image = RenderFishThumbnail(PreviewOfFile(file, QImage()), size);
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(std::max(image.width(), image.height()), size);
        EXPECT_GE(std::min(image.width(), image.height()), 1);
    }
}

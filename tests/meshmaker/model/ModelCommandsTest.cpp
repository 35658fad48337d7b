// meshmaker --export and --info, run as the program is run, on the sample
// fish traced by the batch conversion; and the export call that a conversion
// makes in-process, when the disk fails.

#include "ModelCommands.h"
#include "AtomicFile.h"
#include "FishMesh.h"
#include "GlbLoad.h"
#include "PgxBuilder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int status = -1;
    QString out, err;
};

ProgramRun Meshmaker(const QStringList& args, const QString& workDir = {}) {
    QProcess p;
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(MESHMAKER_PROGRAM), args);
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

// The sample fish with every part, traced once by the batch conversion into
// its own folder, beside a copy of its picture.
class SampleFish : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        QFile::copy(QStringLiteral(SAMPLE_FISH), dir_->filePath("fish.bmp"));
        const ProgramRun r = Meshmaker(
            {"--batch", dir_->filePath("fish.bmp"), "--dorsal", "140,10,230,60", "--ventral",
             "121,150,169,191", "--anal", "220,115,279,164", "--pectoral", "82,101,124,104,100,126",
             "--whisker", "3,104,18,123", "--eye", "45,82,8", "-o", dir_->filePath("fish.pgx")});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static QString path(const char* name) { return dir_->filePath(name); }
    static QTemporaryDir* dir_;
};
QTemporaryDir* SampleFish::dir_ = nullptr;

} // namespace

TEST_F(SampleFish, ExportsGlbTexturedWithThePictureBesideIt) {
    const ProgramRun r = Meshmaker({"--export", path("fish.pgx"), path("fish.glb")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, path("fish.glb") + "\n");
    EXPECT_TRUE(r.err.contains("8 parts")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("textured")) << r.err.toStdString();

    std::string error;
    const auto model = test::LoadGlb(Bytes(path("fish.glb")), &error);
    ASSERT_TRUE(model) << error;
    ASSERT_EQ(model->meshes[0].primitives.size(), size_t(FishPartCount));
    ASSERT_EQ(model->images.size(), 2u); // the body's and the fins'
    for (const tinygltf::Image& image : model->images) {
        EXPECT_EQ(image.width, 401);
        EXPECT_EQ(image.height, 201);
    }
    // The traced fish has the default section: its body is closed, one-sided.
    const auto& body = model->materials[size_t(model->meshes[0].primitives[0].material)];
    EXPECT_EQ(body.name, "body");
    EXPECT_FALSE(body.doubleSided);
}

TEST_F(SampleFish, ExportsObjWithItsLibraryAndTextures) {
    QTemporaryDir out;
    const ProgramRun r = Meshmaker({"--export", path("fish.pgx"), out.filePath("Koi.OBJ")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, out.filePath("Koi_obj_body.png") + "\n" + out.filePath("Koi_obj_fins.png") +
                         "\n" + out.filePath("Koi.mtl") + "\n" + out.filePath("Koi.OBJ") + "\n");
    const QByteArray obj = Bytes(out.filePath("Koi.OBJ"));
    EXPECT_TRUE(obj.contains("\nmtllib Koi.mtl\n"));
    const QByteArray mtl = Bytes(out.filePath("Koi.mtl"));
    EXPECT_TRUE(mtl.contains("map_Kd Koi_obj_body.png\n"));
    EXPECT_TRUE(mtl.contains("map_d Koi_obj_fins.png\n"));
    const QImage body = QImage::fromData(Bytes(out.filePath("Koi_obj_body.png")));
    const QImage fins = QImage::fromData(Bytes(out.filePath("Koi_obj_fins.png")));
    EXPECT_EQ(body.size(), QSize(401, 201));
    EXPECT_FALSE(body.hasAlphaChannel());
    EXPECT_EQ(fins.size(), QSize(401, 201));
    EXPECT_TRUE(fins.hasAlphaChannel());

    const FishMesh mesh = BuildFishMesh(*ReadPgxFile(path("fish.pgx")));
    EXPECT_EQ(obj.count("\nv "), qsizetype(mesh.vertices.size()));
    EXPECT_EQ(obj.count("\nf "), qsizetype(mesh.triangles.size()));
}

TEST_F(SampleFish, AnObjReplacesNoFileItWasNotNamed) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(path("fish.pgx"), dir.filePath("koi.pgx")));
    ASSERT_TRUE(QFile::copy(path("fish.bmp"), dir.filePath("koi.bmp")));
    const QString obj = dir.filePath("koi.obj"), mtl = dir.filePath("koi.mtl");
    // The user's photo of the name the OBJ's texture once had is no side file.
    Write(dir.filePath("koi.png"), "the user's photo");
    // A library of the OBJ's name that the user has is not replaced unasked:
    // the export is refused and writes nothing, not even the OBJ.
    Write(mtl, "the user's library");
    ProgramRun r = Meshmaker({"--export", dir.filePath("koi.pgx"), obj});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.contains(mtl + " exists and is not the file you named; --overwrite replaces it"))
        << r.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"koi.bmp", "koi.mtl", "koi.pgx", "koi.png"}));
    ASSERT_TRUE(QFile::remove(mtl));

    ASSERT_EQ(Meshmaker({"--export", dir.filePath("koi.pgx"), obj}).status, 0);
    EXPECT_EQ(Bytes(dir.filePath("koi.png")), "the user's photo");
    // Once there, its own side files are the user's too as far as anyone
    // knows; --overwrite replaces them.
    Write(obj, "an old OBJ");
    Write(mtl, "a library");
    r = Meshmaker({"--export", dir.filePath("koi.pgx"), obj});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(dir.filePath("koi_obj_body.png") + " exists"))
        << r.err.toStdString();
    EXPECT_EQ(Bytes(obj), "an old OBJ");
    EXPECT_EQ(Bytes(mtl), "a library");
    r = Meshmaker({"--export", dir.filePath("koi.pgx"), obj, "--overwrite"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(Bytes(obj).contains("mtllib koi.mtl\n"));
    EXPECT_TRUE(Bytes(mtl).contains("newmtl body"));
    EXPECT_EQ(Bytes(dir.filePath("koi.png")), "the user's photo");
}

TEST_F(SampleFish, ExportNamesThatWouldBreakTheFilesAreRefusedOrMadeSafe) {
    QTemporaryDir dir;
    // A space, a tab or a '#' in an OBJ's name become '_' in its side files'
    // names, so its references are single words.
    ProgramRun r = Meshmaker({"--export", path("fish.pgx"), dir.filePath("my fish #2.obj")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray obj = Bytes(dir.filePath("my fish #2.obj"));
    EXPECT_TRUE(obj.contains("\nmtllib my_fish__2.mtl\n")) << obj.left(200).toStdString();
    EXPECT_TRUE(Bytes(dir.filePath("my_fish__2.mtl")).contains("map_Kd my_fish__2_obj_body.png\n"));
    EXPECT_TRUE(QFile::exists(dir.filePath("my_fish__2_obj_fins.png")));

    // A control character in any export's name is refused, named on one line.
    for (const QString& name : {QStringLiteral("evil\nv 9 9 9\n#.obj"),
                                QStringLiteral("bell\a.glb"), QStringLiteral("tab\t.obj")}) {
        r = Meshmaker({"--export", path("fish.pgx"), dir.filePath(name)});
        EXPECT_EQ(r.status, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("holds a control character")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_TRUE(r.err.contains("tab\\t.obj")) << r.err.toStdString();
    const QStringList written = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(written.size(), 4) << written.join(", ").toStdString();
}

TEST_F(SampleFish, WithoutAPictureTheExportIsUntexturedAndSaysSo) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::copy(path("fish.pgx"), elsewhere.filePath("fish.pgx")));
    ProgramRun r =
        Meshmaker({"--export", elsewhere.filePath("fish.pgx"), elsewhere.filePath("a.glb")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("no picture fish.bmp beside")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("untextured")) << r.err.toStdString();
    std::string error;
    auto model = test::LoadGlb(Bytes(elsewhere.filePath("a.glb")), &error);
    ASSERT_TRUE(model) << error;
    EXPECT_TRUE(model->images.empty());

    // The untextured OBJ names no texture and writes none.
    r = Meshmaker({"--export", elsewhere.filePath("fish.pgx"), elsewhere.filePath("a.obj")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("a_obj_body.png")));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("a_obj_fins.png")));
    EXPECT_FALSE(Bytes(elsewhere.filePath("a.mtl")).contains("map_Kd"));

    // A picture given by name textures it; the name of the picture beside it
    // may differ in case from the model's (the editor lower-cases the model's).
    r = Meshmaker({"--export", elsewhere.filePath("fish.pgx"), elsewhere.filePath("b.glb"),
                   "--picture", path("fish.bmp")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_TRUE(QFile::copy(path("fish.bmp"), elsewhere.filePath("FISH.BMP")));
    r = Meshmaker({"--export", elsewhere.filePath("fish.pgx"), elsewhere.filePath("c.glb")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    for (const char* name : {"b.glb", "c.glb"}) {
        model = test::LoadGlb(Bytes(elsewhere.filePath(name)), &error);
        ASSERT_TRUE(model) << error;
        EXPECT_EQ(model->images.size(), 2u) << name;
    }
}

TEST_F(SampleFish, RefusalsAndUsageErrors) {
    QTemporaryDir dir;
    const QByteArray pgx = Bytes(path("fish.pgx"));
    Write(dir.filePath("short.pgx"), pgx.left(pgx.size() - 3));
    Write(dir.filePath("small.pgx"), pgx);
    QImage small(121, 61, QImage::Format_RGB32);
    small.fill(Qt::white);
    small.save(dir.filePath("small.bmp"));
    Write(dir.filePath("noise.pgx"), pgx);
    Write(dir.filePath("noise.bmp"), "BM not a picture");
    Write(dir.filePath("same.pgx"), pgx);
    QImage(QStringLiteral(SAMPLE_FISH)).save(dir.filePath("same.png"));
    const QByteArray picture = Bytes(dir.filePath("same.png"));
    ASSERT_TRUE(QFile::link(dir.filePath("same.png"), dir.filePath("same.glb")));

    struct Case {
        const char* name;
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {"a malformed model",
         {"--export", dir.filePath("short.pgx"), dir.filePath("x.glb")},
         1,
         "short.pgx: byte 929: the file ends at 929 bytes inside the eye block"},
        {"a missing model",
         {"--export", dir.filePath("none.pgx"), dir.filePath("x.glb")},
         1,
         "none.pgx: byte 0: no such file"},
        {"a picture of another size",
         {"--export", dir.filePath("small.pgx"), dir.filePath("x.glb")},
         1,
         "the picture is 121 x 61 pixels, but the model was made from one of 401 x 201"},
        {"a picture that does not read",
         {"--export", dir.filePath("noise.pgx"), dir.filePath("x.glb")},
         1,
         "noise.bmp: "},
        {"an output that is the picture, through a link",
         {"--export", dir.filePath("same.pgx"), dir.filePath("same.glb"), "--picture",
          dir.filePath("same.png")},
         1,
         "same.png, which the export reads"},
        {"info on a malformed model", {"--info", dir.filePath("short.pgx")}, 1, "byte 929"},
        {"export alone", {"--export"}, 2, "takes a PGX file and an output file"},
        {"no output", {"--export", path("fish.pgx")}, 2, "takes a PGX file and an output file"},
        {"another format",
         {"--export", path("fish.pgx"), dir.filePath("x.stl")},
         2,
         "x.stl: an export is .glb or .obj"},
        {"an unknown option",
         {"--export", path("fish.pgx"), dir.filePath("x.glb"), "--fast"},
         2,
         "unknown option --fast"},
        {"picture without a file",
         {"--export", path("fish.pgx"), dir.filePath("x.glb"), "--picture"},
         2,
         "--picture needs a file"},
        {"info alone", {"--info"}, 2, "--info takes one PGX file"},
        {"info on two", {"--info", path("fish.pgx"), path("fish.pgx")}, 2, "--info takes one"},
    };
    for (const Case& c : cases) {
        const ProgramRun r = Meshmaker(c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message)))
            << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
    }
    // Nothing was written by any of them, and the picture is as it was.
    for (const char* name : {"x.glb", "x.obj", "x.mtl", "x_obj_body.png"})
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name;
    EXPECT_EQ(Bytes(dir.filePath("same.png")), picture);
}

TEST_F(SampleFish, InfoPrintsTheHeadTheBlocksAndTheMesh) {
    const ProgramRun r = Meshmaker({"--info", path("fish.pgx")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto file = ReadPgxFile(path("fish.pgx"));
    ASSERT_TRUE(file);
    const FishMesh mesh = BuildFishMesh(*file);
    for (const QString& line : {
             QStringLiteral("size       932 bytes"),
             QStringLiteral("picture    401 x 201, background #b0d8f0"),
             QStringLiteral("body       7 columns x 5 rows (N = 4)"),
             QStringLiteral("normal          40         5"),
             QStringLiteral("body-grid      100        35"),
             QStringLiteral("whisker        856         4  (2 columns)"),
             QStringLiteral("mesh       %1 vertices, %2 triangles")
                 .arg(mesh.vertices.size())
                 .arg(mesh.triangles.size()),
             QStringLiteral("  body         50 vertices     96 triangles  (closed)"),
         })
        EXPECT_TRUE(r.out.contains(line)) << line.toStdString() << "\n" << r.out.toStdString();
}

namespace {

struct Faults {
    ~Faults() { AtomicWriteFaults::Inject = nullptr; }
};

} // namespace

TEST(ExportModel, WritesFromBytesAndKeepsTheOldFileWhenTheDiskFails) {
    QTemporaryDir dir;
    const QByteArray pgx = test::BuildPgx(test::ShapedFish());
    QImage picture(401, 201, QImage::Format_RGB32);
    picture.fill(qRgb(176, 216, 240));
    const QString glb = dir.filePath("fish.glb");
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(ExportModel(pgx, picture, glb, o, e), 0) << err.toStdString();
    const QByteArray old = Bytes(glb);
    ASSERT_FALSE(old.isEmpty());

    const Faults faults;
    for (auto step : {AtomicWriteFaults::Step::Open, AtomicWriteFaults::Step::Write,
                      AtomicWriteFaults::Step::Sync, AtomicWriteFaults::Step::Close,
                      AtomicWriteFaults::Step::Rename}) {
        AtomicWriteFaults::Inject = [step](AtomicWriteFaults::Step s, int) { return s == step; };
        err.clear();
        EXPECT_EQ(ExportModel(pgx, std::nullopt, glb, o, e), 1) << int(step);
        EXPECT_TRUE(err.contains("fish.glb: cannot write the file")) << err.toStdString();
        EXPECT_EQ(Bytes(glb), old) << int(step);
    }
    AtomicWriteFaults::Inject = nullptr;

    err.clear();
    EXPECT_EQ(ExportModel(pgx.left(50), picture, glb, o, e), 1);
    EXPECT_TRUE(err.contains("the PGX file is malformed: byte 50")) << err.toStdString();
    EXPECT_EQ(ExportModel(pgx, picture, dir.filePath("fish.ply"), o, e), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"fish.glb"});
}

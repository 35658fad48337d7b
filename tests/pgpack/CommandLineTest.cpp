// The command line: pack, split and list, their refusals and exit statuses.

#include "CommandLine.h"
#include "PackCombinedFile.h"
#include "Paths.h"
#include "SystemFiles.h"
#include "TestSupport.h"

#include <QProcess>
#include <QtEndian>

#include <functional>

#include <unistd.h>

namespace {

class CommandLineTest : public ScratchTest {
protected:
    void SetUp() override {
        ScratchTest::SetUp();
        Folder("data");
        koi = ModelFiles(Folder("fish") + "koi");
        WriteBytes(koi[MemberKind::Mesh], MeshBytes(600, 320, 200));
        WriteBytes(koi[MemberKind::BodyTexture], Pattern(400, 1));
        WriteBytes(koi[MemberKind::EyeTexture], Pattern(100, 3));
        SetDataDirectory(Path("data"));
    }
    void TearDown() override {
        SetDataDirectory(std::nullopt);
        ScratchTest::TearDown();
    }

    int Run(const QStringList& args) {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return RunCommandLine(args, o, e);
    }

    MemberPaths koi;
    QString out, err;
};

struct StatusCase {
    const char* name;
    QStringList args;
    int status;
};

class CommandStatusTest : public CommandLineTest,
                          public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CommandStatusTest, ExitsWithItsStatusAndSaysWhy) {
    const int status = Run(GetParam().args);
    EXPECT_EQ(status, GetParam().status) << err.toStdString();
    if (status == ExitOk) {
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    } else if (status == ExitFailed) {
        EXPECT_TRUE(err.startsWith("pgpack: ")) << err.toStdString();
    } else {
        EXPECT_TRUE(err.contains("usage: pgpack")) << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandStatusTest,
    ::testing::Values(
        StatusCase{"NoWords", {}, ExitUsage},
        StatusCase{"UnknownCommand", {"unpack", "fish/koi.pgx"}, ExitUsage},
        StatusCase{"PackWithoutFile", {"pack"}, ExitUsage},
        StatusCase{"PackTwoFiles", {"pack", "fish/koi.pgx", "fish/koi.pgx"}, ExitUsage},
        StatusCase{"UnknownOption", {"pack", "fish/koi.pgx", "--force"}, ExitUsage},
        StatusCase{"OptionWithoutValue", {"pack", "fish/koi.pgx", "--data-dir"}, ExitUsage},
        StatusCase{
            "SplitBothWays", {"split", "x.pgdaf", "--overwrite", "--skip-existing"}, ExitUsage},
        StatusCase{"ListTwoFiles", {"list", "a.pgdaf", "b.pgdaf"}, ExitUsage},
        StatusCase{"Help", {"--help"}, ExitOk},
        StatusCase{"Pack", {"pack", "fish/koi.pgx"}, ExitOk},
        StatusCase{"PackIntoFolder", {"pack", "fish/koi.pgx", "--data-dir", "fish"}, ExitOk},
        StatusCase{"PackMissingMesh", {"pack", "fish/ayu.pgx"}, ExitFailed},
        StatusCase{"PackMeshIsAFolder", {"pack", "fish"}, ExitFailed},
        StatusCase{"PackMissingEyeGiven",
                   {"pack", "fish/koi.pgx", "--eye-texture", "fish/none_eyetx.bmp"},
                   ExitFailed},
        StatusCase{
            "PackIntoMissingFolder", {"pack", "fish/koi.pgx", "--data-dir", "nowhere"}, ExitFailed},
        StatusCase{"SplitMissingFile", {"split", "data/none.pgdaf"}, ExitFailed},
        StatusCase{"ListMissingFile", {"list", "data/none.pgdaf"}, ExitFailed},
        StatusCase{"ListNotCombined", {"list", "fish/koi.pgx"}, ExitFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, PackDerivesTheTexturesAndRefusesToReplaceWithoutOverwrite) {
    ASSERT_EQ(Run({"pack", ShownPath(koi[MemberKind::Mesh])}), ExitOk) << err.toStdString();
    const QString output = Path("data/koi.pgdaf");
    EXPECT_EQ(out, ShownPath(output) + '\n');
    const QByteArray packed = ReadBytes(output);
    EXPECT_EQ(packed.size(), 40 + 400 + 100 + 600);
    EXPECT_EQ(packed.mid(40, 400), Pattern(400, 1));

    // Another eye texture; the output exists, so only --overwrite lets it through.
    const QString redEye = Folder("eyes") + "red_eyetx.bmp";
    WriteBytes(redEye, Pattern(77, 7));
    const QStringList again = {"pack", koi[MemberKind::Mesh], "--eye-texture", redEye};
    EXPECT_EQ(Run(again), ExitFailed);
    EXPECT_TRUE(err.contains("--overwrite")) << err.toStdString();
    EXPECT_EQ(ReadBytes(output), packed);
    ASSERT_EQ(Run(again + QStringList{"--overwrite"}), ExitOk) << err.toStdString();
    EXPECT_EQ(ReadBytes(output).mid(40 + 400, 77), Pattern(77, 7));
}

TEST_F(CommandLineTest, PackNeedsTheBodyTextureAndADataDirectory) {
    QFile::remove(koi[MemberKind::BodyTexture]);
    EXPECT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitFailed);
    EXPECT_TRUE(err.contains("koi_tx.bmp")) << err.toStdString();

    WriteBytes(koi[MemberKind::BodyTexture], Pattern(400, 1));
    SetDataDirectory(std::nullopt);
    EXPECT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitFailed);
    EXPECT_TRUE(err.contains("--data-dir")) << err.toStdString();
    EXPECT_TRUE(Entries(Path("data")).isEmpty());
}

TEST_F(CommandLineTest, SplitRefusesBeforeWritingAnythingUnlessToldWhatToDoWithExistingFiles) {
    ASSERT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitOk);
    const QString combined = Path("data/koi.pgdaf");
    const MemberPaths into = ModelFiles(Folder("out") + "koi");
    WriteBytes(into[MemberKind::Mesh], "old mesh");

    EXPECT_EQ(Run({"split", combined, "--into", Path("out")}), ExitFailed);
    EXPECT_TRUE(err.contains("koi.pgx")) << err.toStdString();
    EXPECT_EQ(Entries(Path("out")), QStringList({"koi.pgx"}));

    ASSERT_EQ(Run({"split", combined, "--into", Path("out"), "--skip-existing"}), ExitOk);
    EXPECT_EQ(ReadBytes(into[MemberKind::Mesh]), QByteArray("old mesh"));
    EXPECT_EQ(ReadBytes(into[MemberKind::BodyTexture]), Pattern(400, 1));
    EXPECT_EQ(Entries(Path("out")), QStringList({"koi.pgx", "koi_eyetx.bmp", "koi_tx.bmp"}));

    ASSERT_EQ(Run({"split", combined, "--into", Path("out"), "--overwrite"}), ExitOk);
    EXPECT_EQ(ReadBytes(into[MemberKind::Mesh]), ReadBytes(koi[MemberKind::Mesh]));
    EXPECT_EQ(out.split('\n', Qt::SkipEmptyParts).size(), 3);

    // Without --into, into the current directory.
    ASSERT_EQ(Run({"split", combined}), ExitOk) << err.toStdString();
    EXPECT_EQ(ReadBytes(Path("koi_eyetx.bmp")), Pattern(100, 3));
}

TEST_F(CommandLineTest, AMalformedFileIsRefusedByEveryCommand) {
    ASSERT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitOk);
    const QString combined = Path("data/koi.pgdaf");
    QByteArray bytes = ReadBytes(combined);
    qToLittleEndian<quint32>(0xFFFFFFFFu, bytes.data() + 8);
    WriteBytes(combined, bytes);
    Folder("out");
    for (const QStringList& args :
         {QStringList{"split", combined, "--into", Path("out"), "--overwrite"},
          QStringList{"list", combined}}) {
        EXPECT_EQ(Run(args), ExitFailed);
        EXPECT_TRUE(err.contains("damaged combined data file")) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_TRUE(Entries(Path("out")).isEmpty());
}

TEST_F(CommandLineTest, ListShowsTheHeaderAndWhereEachMemberLies) {
    ASSERT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitOk);
    ASSERT_EQ(Run({"list", Path("data/koi.pgdaf")}), ExitOk);
    EXPECT_TRUE(out.contains("size     1140 bytes")) << out.toStdString();
    EXPECT_TRUE(out.contains("picture  320 x 200")) << out.toStdString();
    EXPECT_TRUE(out.contains("body texture          40         400  koi_tx.bmp"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("fin texture          440           0  (absent)"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("eye texture          440         100  koi_eyetx.bmp"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("mesh                 540         600  koi.pgx")) << out.toStdString();
}

// A target that is a source under any name is refused, --overwrite or not,
// and nothing is written.
class SameFileTest;
struct SameFileCase {
    const char* name;
    // Makes the files and returns the command's words.
    std::function<QStringList(SameFileTest& test)> make;
    const char* source; // the file that must keep its bytes
};

class SameFileTest : public CommandLineTest, public ::testing::WithParamInterface<SameFileCase> {
public:
    QString PathOf(const QString& name) { return Path(name); }
    QString FolderOf(const QString& name) { return Folder(name); }
    int RunWords(const QStringList& args) { return Run(args); }
};

TEST_P(SameFileTest, IsRefusedWhateverOverwriteSays) {
    const QStringList args = GetParam().make(*this);
    const QString source = Path(GetParam().source);
    const QByteArray before = ReadBytes(source);
    const QStringList folders = {Entries(Path("fish")).join(' '), Entries(Path("data")).join(' '),
                                 Entries(Folder("self")).join(' ')};
    EXPECT_EQ(Run(args), ExitFailed);
    EXPECT_TRUE(err.contains("the same file as the source")) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(ReadBytes(source), before);
    EXPECT_EQ(QStringList({Entries(Path("fish")).join(' '), Entries(Path("data")).join(' '),
                           Entries(Folder("self")).join(' ')}),
              folders);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SameFileTest,
    ::testing::Values(
        // A combined file named koi.pgx, split beside itself: its mesh member
        // would replace it.
        SameFileCase{
            "SplitOverItself",
            [](SameFileTest& test) {
                EXPECT_EQ(test.RunWords({"pack", "fish/koi.pgx"}), ExitOk);
                QFile::rename(test.PathOf("data/koi.pgdaf"), test.FolderOf("self") + "koi.pgx");
                return QStringList{"split", "self/koi.pgx", "--into", "self", "--overwrite"};
            },
            "self/koi.pgx"},
        // The mesh is named koi.pgdaf in the data folder: the output would replace it.
        SameFileCase{
            "PackOverTheMesh",
            [](SameFileTest& test) {
                QFile::copy(test.PathOf("fish/koi.pgx"), test.PathOf("data/koi.pgdaf"));
                QFile::copy(test.PathOf("fish/koi_tx.bmp"), test.PathOf("data/koi_tx.bmp"));
                return QStringList{"pack", "data/koi.pgdaf", "--data-dir", "data", "--overwrite"};
            },
            "data/koi.pgdaf"},
        SameFileCase{"PackOverTheMeshWithoutOverwrite",
                     [](SameFileTest& test) {
                         QFile::copy(test.PathOf("fish/koi.pgx"), test.PathOf("data/koi.pgdaf"));
                         QFile::copy(test.PathOf("fish/koi_tx.bmp"),
                                     test.PathOf("data/koi_tx.bmp"));
                         return QStringList{"pack", "data/koi.pgdaf", "--data-dir", "data"};
                     },
                     "data/koi.pgdaf"},
        // The output is a hard link of the body texture.
        SameFileCase{"PackOverAHardLinkedTexture",
                     [](SameFileTest& test) {
                         EXPECT_EQ(::link(test.PathOf("fish/koi_tx.bmp").toLocal8Bit().constData(),
                                          test.PathOf("data/koi.pgdaf").toLocal8Bit().constData()),
                                   0);
                         return QStringList{"pack", "fish/koi.pgx", "--overwrite"};
                     },
                     "fish/koi_tx.bmp"},
        // The mesh target is a symbolic link to the combined file.
        SameFileCase{
            "SplitOverASymbolicLinkToItself",
            [](SameFileTest& test) {
                EXPECT_EQ(test.RunWords({"pack", "fish/koi.pgx"}), ExitOk);
                QFile::link(test.PathOf("data/koi.pgdaf"), test.FolderOf("self") + "koi.pgx");
                return QStringList{"split", "data/koi.pgdaf", "--into", "self", "--overwrite"};
            },
            "data/koi.pgdaf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, SplitThatCannotWriteItsLastFileChangesNoneOfTheOthers) {
    ASSERT_EQ(Run({"pack", koi[MemberKind::Mesh]}), ExitOk);
    const MemberPaths into = ModelFiles(Folder("out") + "koi");
    WriteBytes(into[MemberKind::BodyTexture], "old body");
    WriteBytes(into[MemberKind::EyeTexture], "old eye");
    Folder("out/koi.pgx"); // the mesh, last in the file, cannot be written
    EXPECT_EQ(Run({"split", Path("data/koi.pgdaf"), "--into", Path("out"), "--overwrite"}),
              ExitFailed);
    EXPECT_TRUE(err.contains("koi.pgx: cannot be written (" + SystemReason(EISDIR) + ")"))
        << err.toStdString();
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_EQ(ReadBytes(into[MemberKind::BodyTexture]), QByteArray("old body"));
    EXPECT_EQ(ReadBytes(into[MemberKind::EyeTexture]), QByteArray("old eye"));
    EXPECT_EQ(Entries(Path("out")), QStringList({"koi.pgx", "koi_eyetx.bmp", "koi_tx.bmp"}));
}

TEST_F(CommandLineTest, SplitOfAFileWithoutMembersSaysThereIsNothingToWrite) {
    CombinedFileHeader empty;
    WriteBytes(Path("data/koi.pgdaf"), empty.Encode());
    Folder("out");
    EXPECT_EQ(Run({"split", Path("data/koi.pgdaf"), "--into", Path("out")}), ExitOk);
    EXPECT_EQ(err, "pgpack: " + ShownPath(Path("data/koi.pgdaf")) +
                       " has no member with bytes; nothing to write\n");
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(Entries(Path("out")).isEmpty());
}

// The program itself: the command line works without a display and reports
// through its exit status.
TEST_F(CommandLineTest, TheProgramRunsTheCommandLineWithoutADisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_CONFIG_HOME", Folder("config"));
    auto run = [&](const QStringList& args) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(PGPACK_PROGRAM, args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return process.exitCode();
    };
    EXPECT_EQ(run({"pack", koi[MemberKind::Mesh], "--data-dir", Path("data")}), ExitOk);
    EXPECT_EQ(run({"list", Path("data/koi.pgdaf")}), ExitOk);
    // No DataDirectory in this user's store.
    EXPECT_EQ(run({"pack", koi[MemberKind::Mesh], "--overwrite"}), ExitFailed);
    EXPECT_EQ(run({"split"}), ExitUsage);
    EXPECT_EQ(run({}), ExitFailed); // no display for the dialog
}

} // namespace

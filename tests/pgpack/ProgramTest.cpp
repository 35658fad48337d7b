// The program itself, where only a real process shows the fault: a start
// without a reachable display, sources that are FIFOs, devices or sockets
// (an ordinary open of a FIFO waits for ever, so each run has a time
// limit), a file-size limit, runs that race for the same output, and the
// language of the command line under every locale.

#include "ModelFiles.h"
#include "Paths.h"
#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <memory>
#include <set>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class ProgramTest : public ScratchTest {
protected:
    void SetUp() override {
        ScratchTest::SetUp();
        Folder("data");
        koi = ModelFiles(Folder("fish") + "koi");
        WriteBytes(koi[MemberKind::Mesh], MeshBytes(600, 320, 200));
        WriteBytes(koi[MemberKind::BodyTexture], Pattern(400, 1));
        WriteBytes(koi[MemberKind::EyeTexture], Pattern(100, 3));
        env = ProgramEnvironment(Folder("config"));
    }

    ProgramRun Run(const QStringList& args, const std::function<void()>& childSetup = {}) {
        return RunProgram(args, env, 30000, childSetup);
    }

    MemberPaths koi;
    QProcessEnvironment env;
};

#ifdef PGPACK_PROGRAM_HAS_DIALOG
struct DisplayCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> variables;
    const char* message; // the whole of standard error, or its first line
};

class DisplayTest : public ProgramTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayTest, WithoutAReachableDisplayTheProgramSaysSoAndExits) {
    // Nobody serves this display.
    ASSERT_FALSE(QFileInfo::exists("/tmp/.X11-unix/X4711"));
    for (const auto& [name, value] : GetParam().variables) env.insert(name, value);
    const ProgramRun run = Run({});
    ASSERT_TRUE(run.Finished);
    EXPECT_FALSE(run.Crashed) << run.Err.toStdString(); // no abort, no core dump
    EXPECT_EQ(run.ExitCode, 1);
    const QString message = GetParam().message;
    if (message.endsWith('\n'))
        EXPECT_EQ(run.Err, message); // one line, nothing of Qt's own
    else
        EXPECT_TRUE(run.Err.startsWith(message + "\nusage: pgpack")) << run.Err.toStdString();
}

const char* const NoDisplay = "pgpack: no display to show the dialog on";

INSTANTIATE_TEST_SUITE_P(
    Variables, DisplayTest,
    ::testing::Values(
        DisplayCase{"None", {}, NoDisplay},
        DisplayCase{"EmptyDisplay", {{"DISPLAY", ""}}, NoDisplay},
        DisplayCase{"AllEmpty",
                    {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}},
                    NoDisplay},
        DisplayCase{"UnreachableDisplay",
                    {{"DISPLAY", ":4711"}},
                    "pgpack: cannot show the dialog: no display answers at DISPLAY=:4711 (the "
                    "command line needs none)\n"},
        DisplayCase{"UnknownPlatform",
                    {{"QT_QPA_PLATFORM", "nowhere"}},
                    "pgpack: cannot show the dialog: no display answers at "
                    "QT_QPA_PLATFORM=nowhere (the command line needs none)\n"}),
    [](const auto& info) { return std::string(info.param.name); });
#endif

// A socket file at path, listening.
class SocketFile {
public:
    explicit SocketFile(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        EXPECT_LT(size_t(name.size()), sizeof address.sun_path);
        std::copy(name.begin(), name.end(), address.sun_path);
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::listen(fd_, 1);
    }
    ~SocketFile() { ::close(fd_); }

private:
    int fd_;
};

struct NotRegularCase {
    const char* name;
    // Makes the odd source and returns the command's words.
    std::function<QStringList(const MemberPaths& koi, const QString& scratch)> make;
    const char* what;    // as the message names it
    bool socket = false; // the source is socket.pgdaf, a listening socket
};

class NotRegularSourceTest : public ProgramTest,
                             public ::testing::WithParamInterface<NotRegularCase> {};

TEST_P(NotRegularSourceTest, IsRefusedAtOnceWithAMessage) {
    const QStringList args = GetParam().make(koi, scratch_.path());
    std::unique_ptr<SocketFile> socket;
    if (GetParam().socket) socket = std::make_unique<SocketFile>(Path("socket.pgdaf"));
    const ProgramRun run = Run(args);
    ASSERT_TRUE(run.Finished) << "the program waited on a source that is no file";
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral(": %1, not a regular file").arg(GetParam().what)))
        << run.Err.toStdString();
    EXPECT_TRUE(Entries(Path("data")).isEmpty());
    EXPECT_TRUE(Entries(Folder("out")).isEmpty());
}

QStringList PackKoi(const MemberPaths& koi) {
    return {"pack", koi[MemberKind::Mesh], "--data-dir", "data"};
}

// Replaces the file at path by a FIFO.
void MakeFifo(const QString& path) {
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0644), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, NotRegularSourceTest,
    ::testing::Values(
        NotRegularCase{"MeshIsAFifo",
                       [](const MemberPaths& koi, const QString&) {
                           MakeFifo(koi[MemberKind::Mesh]);
                           return PackKoi(koi);
                       },
                       "a FIFO"},
        NotRegularCase{"BodyTextureIsAFifo",
                       [](const MemberPaths& koi, const QString&) {
                           MakeFifo(koi[MemberKind::BodyTexture]);
                           return PackKoi(koi);
                       },
                       "a FIFO"},
        NotRegularCase{"FinTextureIsAFifo",
                       [](const MemberPaths& koi, const QString&) {
                           MakeFifo(koi[MemberKind::FinTexture]);
                           return PackKoi(koi);
                       },
                       "a FIFO"},
        NotRegularCase{"EyeTextureGivenIsAFifo",
                       [](const MemberPaths& koi, const QString& scratch) {
                           MakeFifo(scratch + "/red_eyetx.bmp");
                           return PackKoi(koi) + QStringList{"--eye-texture", "red_eyetx.bmp"};
                       },
                       "a FIFO"},
        NotRegularCase{"EyeTextureGivenIsADevice",
                       [](const MemberPaths& koi, const QString&) {
                           return PackKoi(koi) + QStringList{"--eye-texture", "/dev/zero"};
                       },
                       "a device"},
        NotRegularCase{"MeshIsAFolder",
                       [](const MemberPaths&, const QString&) {
                           return QStringList{"pack", "fish", "--data-dir", "data"};
                       },
                       "a folder"},
        NotRegularCase{"SplitAFifo",
                       [](const MemberPaths&, const QString& scratch) {
                           MakeFifo(scratch + "/koi.pgdaf");
                           return QStringList{"split", "koi.pgdaf", "--into", "out"};
                       },
                       "a FIFO"},
        NotRegularCase{"ListAFifo",
                       [](const MemberPaths&, const QString& scratch) {
                           MakeFifo(scratch + "/koi.pgdaf");
                           return QStringList{"list", "koi.pgdaf"};
                       },
                       "a FIFO"},
        NotRegularCase{"SplitASocket",
                       [](const MemberPaths&, const QString&) {
                           return QStringList{"split", "socket.pgdaf", "--into", "out"};
                       },
                       "a socket", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A file-size limit (ulimit -f) of 64 KiB in the child, with the signal's
// default action: the program itself must ignore SIGXFSZ.
void LimitFileSize() {
    const rlimit limit{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

TEST_F(ProgramTest, AFileSizeLimitGivesTheUsualFailureWithItsReason) {
    WriteBytes(koi[MemberKind::BodyTexture], Pattern(200 * 1024, 1));
    WriteBytes(Path("data/koi.pgdaf"), "old");
    const ProgramRun pack = Run(PackKoi(koi) + QStringList{"--overwrite"}, LimitFileSize);
    EXPECT_FALSE(pack.Crashed) << "killed by SIGXFSZ";
    EXPECT_EQ(pack.ExitCode, 1);
    EXPECT_TRUE(pack.Err.contains("data/koi.pgdaf: cannot be written (File too large)"))
        << pack.Err.toStdString();
    EXPECT_EQ(ReadBytes(Path("data/koi.pgdaf")), QByteArray("old"));
    EXPECT_EQ(Entries(Path("data")), QStringList({"koi.pgdaf"}));

    ASSERT_EQ(Run(PackKoi(koi) + QStringList{"--overwrite"}).ExitCode, 0);
    Folder("out");
    const ProgramRun split = Run({"split", "data/koi.pgdaf", "--into", "out"}, LimitFileSize);
    EXPECT_FALSE(split.Crashed) << "killed by SIGXFSZ";
    EXPECT_EQ(split.ExitCode, 1);
    EXPECT_TRUE(split.Err.contains("out/koi_tx.bmp: cannot be written (File too large)"))
        << split.Err.toStdString();
    EXPECT_TRUE(Entries(Path("out")).isEmpty());
}

// Six runs at once, none told to replace: one writes, the others are refused.
class RaceTest : public ProgramTest {
protected:
    static constexpr int Runs = 6;

    // Starts every command at once and waits for all; their exit codes and
    // messages.
    std::vector<ProgramRun> RunTogether(const std::vector<QStringList>& commands) {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QStringList& args : commands) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->setProcessEnvironment(env);
            processes.back()->start(PGPACK_PROGRAM, args);
        }
        std::vector<ProgramRun> runs;
        for (auto& process : processes) {
            ProgramRun run;
            run.Finished = process->waitForFinished(60000);
            run.ExitCode = process->exitCode();
            run.Err = QString::fromLocal8Bit(process->readAllStandardError());
            runs.push_back(run);
        }
        return runs;
    }

    // The one run that succeeded; the others were refused as "exists".
    int TheOneWinner(const std::vector<ProgramRun>& runs) {
        int winner = -1, wins = 0;
        for (int i = 0; i < int(runs.size()); ++i) {
            EXPECT_TRUE(runs[i].Finished);
            if (runs[i].ExitCode == 0) {
                winner = i;
                ++wins;
            } else {
                EXPECT_EQ(runs[i].ExitCode, 1);
                EXPECT_TRUE(
                    runs[i].Err.contains(QRegularExpression(" exists?; --overwrite replaces")))
                    << runs[i].Err.toStdString();
            }
        }
        EXPECT_EQ(wins, 1);
        return winner;
    }
};

TEST_F(RaceTest, OfSixPacksIntoOneFolderExactlyOneWins) {
    // Large members, so that the runs overlap while they write.
    WriteBytes(koi[MemberKind::BodyTexture], Pattern(4 << 20, 1));
    std::vector<QStringList> commands;
    for (int i = 0; i < Runs; ++i) {
        WriteBytes(Path(QStringLiteral("eye%1_eyetx.bmp").arg(i)), Pattern(1000 + i, 10 + i));
        commands.push_back(PackKoi(koi) +
                           QStringList{"--eye-texture", QStringLiteral("eye%1_eyetx.bmp").arg(i)});
    }
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QFile::remove(Path("data/koi.pgdaf"));
        const int winner = TheOneWinner(RunTogether(commands));
        ASSERT_GE(winner, 0);
        // The file is the winner's, whole.
        const QByteArray packed = ReadBytes(Path("data/koi.pgdaf"));
        EXPECT_EQ(packed.size(), 40 + (4 << 20) + 1000 + winner + 600);
        EXPECT_EQ(packed.mid(40 + (4 << 20), 1000 + winner), Pattern(1000 + winner, 10 + winner));
        EXPECT_EQ(Entries(Path("data")), QStringList({"koi.pgdaf"}));
    }
}

TEST_F(RaceTest, OfSixSplitsIntoOneFolderExactlyOneWinsWithAllItsFiles) {
    // Six different combined files of one model name.
    std::vector<QStringList> commands;
    for (int i = 0; i < Runs; ++i) {
        WriteBytes(koi[MemberKind::BodyTexture], Pattern(2 << 20, 20 + i));
        WriteBytes(koi[MemberKind::FinTexture], Pattern(1 << 20, 30 + i));
        const QString folder = QStringLiteral("a%1").arg(i);
        Folder(folder);
        ASSERT_EQ(Run({"pack", koi[MemberKind::Mesh], "--data-dir", folder}).ExitCode, 0);
        commands.push_back({"split", folder + "/koi.pgdaf", "--into", "out"});
    }
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QDir(Path("out")).removeRecursively();
        Folder("out");
        const int winner = TheOneWinner(RunTogether(commands));
        ASSERT_GE(winner, 0);
        // Every file is the winner's: no mixture of two runs' members.
        EXPECT_EQ(Entries(Path("out")),
                  QStringList({"koi.pgx", "koi_eyetx.bmp", "koi_fintx.bmp", "koi_tx.bmp"}));
        EXPECT_EQ(ReadBytes(Path("out/koi_tx.bmp")), Pattern(2 << 20, 20 + winner));
        EXPECT_EQ(ReadBytes(Path("out/koi_fintx.bmp")), Pattern(1 << 20, 30 + winner));
    }
}

TEST_F(ProgramTest, TheCommandLineSpeaksOneLanguageUnderEveryLocale) {
    // The command line speaks English in both languages: its usage and its
    // refusals are the same under a Japanese locale, an English one and
    // either --lang.
    QStringList usages, refusals;
    for (const auto& [variable, value, lang] :
         std::vector<std::tuple<const char*, const char*, QStringList>>{
             {"LANG", "ja_JP.UTF-8", {}},
             {"LANGUAGE", "ja", {}},
             {"LANG", "en_US.UTF-8", {}},
             {"LANG", "ja_JP.UTF-8", {"--lang", "en"}},
             {"LANG", "en_US.UTF-8", {"--lang=ja"}}}) {
        QProcessEnvironment localised = env;
        localised.remove("LC_ALL");
        localised.insert(variable, value);
        const ProgramRun usage = RunProgram(lang + QStringList{"frobnicate"}, localised);
        EXPECT_EQ(usage.ExitCode, 2);
        const ProgramRun refusal =
            RunProgram(lang + QStringList{"split", Path("none.pgdaf")}, localised);
        EXPECT_EQ(refusal.ExitCode, 1);
        EXPECT_FALSE(HasJapanese(usage.Err + refusal.Err)) << value;
        usages << usage.Err;
        refusals << refusal.Err;
    }
    EXPECT_TRUE(usages.first().startsWith("pgpack: unknown command frobnicate\nusage: pgpack"))
        << usages.first().toStdString();
    EXPECT_EQ(refusals.first(), "pgpack: " + Path("none.pgdaf") + ": no such file\n");
    for (int i = 1; i < usages.size(); ++i) {
        EXPECT_EQ(usages[i], usages.first()) << i;
        EXPECT_EQ(refusals[i], refusals.first()) << i;
    }
    const ProgramRun unknown = Run({"--lang", "xx", "list", Path("none.pgdaf")});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Err.startsWith("pgpack: --lang takes en, ja, not 'xx'\nusage:"))
        << unknown.Err.toStdString();
}

} // namespace

TEST_F(ProgramTest, SeveralMeshesArePackedEachOnItsOwnAndOneFailureStopsNoOther) {
    const MemberPaths carp = ModelFiles(Folder("more") + "carp");
    WriteBytes(carp[MemberKind::Mesh], MeshBytes(500, 100, 50));
    WriteBytes(carp[MemberKind::BodyTexture], Pattern(300, 5));
    const MemberPaths bare = ModelFiles(Folder("more") + "bare"); // no body texture
    WriteBytes(bare[MemberKind::Mesh], MeshBytes(500, 100, 50));
    const MemberPaths again = ModelFiles(Folder("again") + "koi"); // koi.pgdaf once more
    WriteBytes(again[MemberKind::Mesh], MeshBytes(500, 100, 50));
    WriteBytes(again[MemberKind::BodyTexture], Pattern(300, 5));
    const ProgramRun run =
        Run({"--lang", "en", "pack", "fish/koi.pgx", "more/bare.pgx", "more/carp.pgx",
             "again/koi.pgx", "fish/koi.pgx", "--data-dir", "data", "--jobs", "2"});
    EXPECT_EQ(run.ExitCode, 1) << run.Err.toStdString();
    QStringList written = run.Out.split('\n', Qt::SkipEmptyParts);
    written.sort();
    EXPECT_EQ(written, QStringList({"data/carp.pgdaf", "data/koi.pgdaf"}));
    EXPECT_EQ(Entries(Path("data")), QStringList({"carp.pgdaf", "koi.pgdaf"}));
    // Each archive is what packing its mesh alone makes.
    EXPECT_EQ(ReadBytes(Path("data/carp.pgdaf")).size(), 40 + 300 + 500);
    EXPECT_TRUE(run.Err.contains("pgpack: 2 written, 2 failed, 1 skipped\n"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("  failed   more/bare.pgx: no body texture"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(
        "  failed   again/koi.pgx: it would write koi.pgdaf, which fish/koi.pgx writes"));
    EXPECT_TRUE(run.Err.contains("  skipped  fish/koi.pgx: given more than once"));

    // All written: exit 0 (with --overwrite, over the archives of the first run).
    const ProgramRun ok =
        Run({"pack", "fish/koi.pgx", "more/carp.pgx", "--data-dir", "data", "--overwrite"});
    EXPECT_EQ(ok.ExitCode, 0) << ok.Err.toStdString();
    EXPECT_TRUE(ok.Err.endsWith("pgpack: 2 written, 0 failed, 0 skipped\n"))
        << ok.Err.toStdString();
    // A bad --jobs is a bad command: nothing runs.
    const ProgramRun bad = Run({"pack", "fish/koi.pgx", "more/carp.pgx", "--jobs", "none"});
    EXPECT_EQ(bad.ExitCode, 2);
    EXPECT_TRUE(bad.Err.startsWith("pgpack: --jobs takes a number")) << bad.Err.toStdString();
}

TEST_F(ProgramTest, SeveralArchivesAreSplitEachOnItsOwn) {
    ASSERT_EQ(Run({"pack", "fish/koi.pgx", "--data-dir", "data"}).ExitCode, 0);
    WriteBytes(Path("data/broken.pgdaf"), "PGDAF but nothing after it");
    Folder("out");
    const ProgramRun run =
        Run({"--lang", "en", "split", "data/koi.pgdaf", "data/broken.pgdaf", "--into", "out"});
    EXPECT_EQ(run.ExitCode, 1) << run.Err.toStdString();
    EXPECT_EQ(Entries(Path("out")), QStringList({"koi.pgx", "koi_eyetx.bmp", "koi_tx.bmp"}));
    EXPECT_EQ(ReadBytes(Path("out/koi.pgx")), ReadBytes(koi[MemberKind::Mesh]));
    EXPECT_TRUE(run.Err.contains("pgpack: 1 written, 1 failed, 0 skipped\n"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("  failed   data/broken.pgdaf: ")) << run.Err.toStdString();
}

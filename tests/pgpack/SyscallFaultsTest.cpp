// pgpack pack and pgpack split as real processes under the system-call fault
// layer: every write, flush, close, rename and open for writing that they
// make is failed in turn, with EIO and with ENOSPC. Each time the program
// exits 1 with the system's reason, every old file keeps its bytes, no new
// file appears and no temporary file is left. The members are larger than
// the 1 MiB copy buffer, so later chunks of a member fail too.

#include "FaultWalk.h"
#include "ModelFiles.h"
#include "TestSupport.h"

#include <cerrno>

namespace {

struct WalkCase {
    const char* name;
    bool split;     // split (four files) rather than pack (one)
    bool replacing; // old files at the targets, replaced with --overwrite
    const char* error;
    const char* reason; // as the system says it
    int leastPoints;    // calls the walk must at least fail
};

class SyscallFaultsTest : public ScratchTest, public ::testing::WithParamInterface<WalkCase> {
protected:
    void SetUp() override {
        ScratchTest::SetUp();
        source = ModelFiles(Folder("fish") + "koi");
        // 1.5, 1.25, 1.1 and 1.5 MiB: two chunks each.
        const qsizetype sizes[] = {3 << 19, 5 << 18, (1 << 20) + 100000, 3 << 19};
        for (MemberKind kind : MemberOrder) {
            const qsizetype size = sizes[static_cast<int>(kind)];
            WriteBytes(source[kind], kind == MemberKind::Mesh ? MeshBytes(size, 640, 480)
                                                              : Pattern(size, int(kind)));
        }
        env = ProgramEnvironment(Folder("config"));
        // The combined file to split, packed without any fault.
        ASSERT_EQ(RunProgram({"pack", source[MemberKind::Mesh], "--data-dir", Folder("data")}, env)
                      .ExitCode,
                  0);
    }

    MemberPaths source;
    QProcessEnvironment env;
};

TEST_P(SyscallFaultsTest, EveryFailedCallLeavesTheOldFilesAndNoTemporaryFile) {
    const WalkCase& c = GetParam();
    FaultWalk walk;
    walk.Program = PGPACK_PROGRAM;
    walk.WorkingDirectory = scratch_.path();
    walk.Environment = env;
    walk.Error = c.error;

    const QString packed = Path("data/koi.pgdaf");
    const QByteArray combined = ReadBytes(packed);
    std::vector<std::pair<QString, QByteArray>> expected; // each target after the untouched run
    if (c.split) {
        const MemberPaths targets = ModelFiles(Folder("out") + "koi");
        walk.Arguments = {"split", packed, "--into", Path("out")};
        if (c.replacing) walk.Arguments << "--overwrite";
        for (MemberKind kind : MemberOrder) {
            const QByteArray old = Pattern(1000, 50 + int(kind));
            if (c.replacing) WriteBytes(targets[kind], old);
            walk.Targets.push_back(
                {targets[kind], c.replacing ? std::optional(old) : std::nullopt});
            expected.emplace_back(targets[kind], ReadBytes(source[kind]));
        }
    } else {
        const QString output = Folder("out") + "koi.pgdaf";
        walk.Arguments = {"pack", source[MemberKind::Mesh], "--data-dir", Path("out")};
        if (c.replacing) {
            walk.Arguments << "--overwrite";
            WriteBytes(output, "the old combined file");
        }
        walk.Targets.push_back({output, c.replacing
                                            ? std::optional<QByteArray>("the old combined file")
                                            : std::nullopt});
        expected.emplace_back(output, combined);
    }

    const FaultWalkReport report = WalkEveryFailurePoint(walk);
    EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
    EXPECT_GE(report.FailurePoints, c.leastPoints) << report.FailedCalls.join(", ").toStdString();
    EXPECT_EQ(MessagesLacking(report, QStringLiteral("(%1)").arg(c.reason)), QStringList());
    // The untouched run did the work.
    EXPECT_EQ(report.ExitCode, 0) << report.Stderr.toStdString();
    for (const auto& [path, bytes] : expected)
        EXPECT_EQ(ReadBytes(path), bytes) << path.toStdString();
    RecordProperty("failure_points", report.FailurePoints);
    std::printf("%s: %d failure points: %s\n", c.name, report.FailurePoints,
                report.FailedCalls.join(", ").toStdString().c_str());
}

// Pack: the open, the header and two chunks of each member, the flush, the
// close and the rename. Split: for each of the four files the open, two
// chunks, the flush, the close and the rename.
INSTANTIATE_TEST_SUITE_P(
    Commands, SyscallFaultsTest,
    ::testing::Values(
        WalkCase{"PackNewEIO", false, false, "EIO", "Input/output error", 13},
        WalkCase{"PackNewENOSPC", false, false, "ENOSPC", "No space left on device", 13},
        WalkCase{"PackReplacingEIO", false, true, "EIO", "Input/output error", 13},
        WalkCase{"PackReplacingENOSPC", false, true, "ENOSPC", "No space left on device", 13},
        WalkCase{"SplitNewEIO", true, false, "EIO", "Input/output error", 24},
        WalkCase{"SplitNewENOSPC", true, false, "ENOSPC", "No space left on device", 24},
        WalkCase{"SplitReplacingEIO", true, true, "EIO", "Input/output error", 24},
        WalkCase{"SplitReplacingENOSPC", true, true, "ENOSPC", "No space left on device", 24}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the file system lacks renameat2's flags (the call says EINVAL), the
// writer falls back to a link for "do not replace" and to a second name
// for the old file it may have to put back. The layer makes the first
// rename say so; the command must still do its whole work and leave
// nothing behind.
struct FallbackCase {
    const char* name;
    QStringList args;  // after the program's name; "out" is an empty or old folder
    bool oldFiles;     // out holds old files that the command replaces
    int expectedFiles; // files in out afterwards
};

class RenameFlagsTest : public SyscallFaultsTest {};

TEST_F(RenameFlagsTest, MissingRenameFlagsFallBackAndStillWriteWhole) {
    const std::vector<FallbackCase> cases = {
        {"PackNew", {"pack", source[MemberKind::Mesh], "--data-dir", "out"}, false, 1},
        {"SplitNew", {"split", "data/koi.pgdaf", "--into", "out"}, false, 4},
        {"SplitReplacing", {"split", "data/koi.pgdaf", "--into", "out", "--overwrite"}, true, 4},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(Path("out")).removeRecursively();
        const MemberPaths targets = ModelFiles(Folder("out") + "koi");
        if (c.oldFiles) {
            for (MemberKind kind : MemberOrder) WriteBytes(targets[kind], "old");
        }
        FaultWalk walk;
        walk.Program = PGPACK_PROGRAM;
        walk.Arguments = c.args;
        walk.WorkingDirectory = scratch_.path();
        walk.Environment = env;
        walk.Calls = "rename";
        walk.Error = QString::number(EINVAL);
        const FaultRun run = RunUnderFault(walk, 1);
        EXPECT_EQ(run.FailedCall, "renameat2 #1 with 22");
        EXPECT_EQ(run.ExitCode, 0) << run.Stderr.toStdString();
        EXPECT_EQ(Entries(Path("out")).size(), c.expectedFiles)
            << Entries(Path("out")).join(' ').toStdString();
        if (c.expectedFiles == 4) {
            for (MemberKind kind : MemberOrder)
                EXPECT_EQ(ReadBytes(targets[kind]), ReadBytes(source[kind]));
        } else {
            EXPECT_EQ(ReadBytes(Path("out/koi.pgdaf")), ReadBytes(Path("data/koi.pgdaf")));
        }
    }
}

} // namespace

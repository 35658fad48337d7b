// meshmaker --batch and --export as real processes under the system-call
// fault layer: every write, flush, close, rename and open for writing that
// they make is failed in turn, with EIO and with ENOSPC. The batch's save
// writes the PGX file and its editing session together, an OBJ export its
// four files. Each time the program exits 1 with the system's reason,
// every old file keeps its bytes, no new file appears and nothing is left
// behind: neither a temporary file nor a kept old file.

#include "FaultWalk.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct WalkCase {
    const char* name;
    const char* command; // "batch", "glb" or "obj"
    bool replacing;      // old files at the targets
    const char* error;
    const char* reason; // as the system says it
};

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SyscallFaultsTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(SyscallFaultsTest, EveryFailedCallLeavesTheOldFilesAndNoTemporaryFile) {
    const WalkCase& c = GetParam();
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(
        dir, "fish.bmp", test::Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8)}));
    const QStringList recipe = {"--dorsal", "38,5,62,19", "--eye", "10,26,3"};
    QDir(dir.path()).mkdir("out");
    const QString out = dir.filePath("out/");

    FaultWalk walk;
    walk.Program = MESHMAKER_PROGRAM;
    walk.Error = c.error;
    walk.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    QStringList targets;
    const QString command = c.command;
    if (command == "batch") {
        walk.Arguments =
            QStringList{"--batch", picture} + recipe + QStringList{"-o", out + "koi.pgx"};
        targets = {out + "koi.pgx", out + "koi.session.json"};
    } else {
        // The model to export, written without any fault.
        ASSERT_EQ(
            test::RunProgram(MESHMAKER_PROGRAM, QStringList{"--batch", picture} + recipe +
                                                    QStringList{"-o", dir.filePath("koi.pgx")})
                .ExitCode,
            0);
        walk.Arguments = {"--export", dir.filePath("koi.pgx"), out + "koi." + command, "--picture",
                          picture};
        // Old side files of an OBJ are replaced only when the command says so.
        if (c.replacing) walk.Arguments << "--overwrite";
        targets = command == "glb"
                      ? QStringList{out + "koi.glb"}
                      : QStringList{out + "koi.obj", out + "koi.mtl", out + "koi_obj_body.png",
                                    out + "koi_obj_fins.png"};
    }
    for (const QString& target : targets) {
        const QByteArray old = "the old " + target.toUtf8();
        if (c.replacing) WriteBytes(target, old);
        walk.Targets.push_back({target, c.replacing ? std::optional(old) : std::nullopt});
    }

    const FaultWalkReport report = WalkEveryFailurePoint(walk);
    EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
    EXPECT_GE(report.FailurePoints, 5) << report.FailedCalls.join(", ").toStdString();
    EXPECT_EQ(MessagesLacking(report, c.reason), QStringList());
    EXPECT_EQ(report.ExitCode, 0) << report.Stderr.toStdString();
    for (const QString& target : targets)
        EXPECT_NE(test::FileBytes(target).left(8), QByteArray("the old ")) << target.toStdString();
    std::printf("%s: %d failure points: %s\n", c.name, report.FailurePoints,
                report.FailedCalls.join(", ").toStdString().c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SyscallFaultsTest,
    ::testing::Values(
        WalkCase{"BatchNewEIO", "batch", false, "EIO", "Input/output error"},
        WalkCase{"BatchReplacingENOSPC", "batch", true, "ENOSPC", "No space left on device"},
        WalkCase{"GlbNewENOSPC", "glb", false, "ENOSPC", "No space left on device"},
        WalkCase{"GlbReplacingEIO", "glb", true, "EIO", "Input/output error"},
        WalkCase{"ObjNewEIO", "obj", false, "EIO", "Input/output error"},
        WalkCase{"ObjReplacingENOSPC", "obj", true, "ENOSPC", "No space left on device"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The fault layer and its walk, on two writers made of shell commands: one
// that writes a temporary file and renames it over the target, which the
// walk must pass, and one that writes the target in place, which it must
// catch.

#include "FaultWalk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FaultWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        QFile old(scratch.filePath("target"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }

    FaultWalk Walk(const QString& script) {
        FaultWalk walk;
        walk.Program = "/bin/sh";
        walk.Arguments = {"-c", script};
        walk.WorkingDirectory = scratch.path();
        walk.Targets = {{"target", QByteArray("old")}};
        return walk;
    }

    QTemporaryDir scratch;
};

TEST_F(FaultWalkTest, PassesAWriterThatRenamesAFinishedFile) {
    // The shell does not look at what close says, so only opens and renames
    // are failed here.
    FaultWalk walk = Walk("printf new > target.tmp && mv target.tmp target || "
                          "{ rm -f target.tmp; exit 1; }");
    walk.Calls = "open,rename";
    const FaultWalkReport report = WalkEveryFailurePoint(walk);
    EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
    EXPECT_EQ(report.FailurePoints, 2) << report.FailedCalls.join(", ").toStdString();
    EXPECT_EQ(report.ExitCode, 0);
    QFile target(scratch.filePath("target"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), QByteArray("new"));
}

TEST_F(FaultWalkTest, CatchesAWriterThatTruncatesInPlace) {
    const FaultWalkReport report = WalkEveryFailurePoint(Walk("printf new > target"));
    // The failed open: the shell's own exit status. The failed close: unseen,
    // so the run ends as a success with the old file gone.
    EXPECT_EQ(report.FailurePoints, 2) << report.FailedCalls.join(", ").toStdString();
    const QString problems = report.Problems.join('\n');
    EXPECT_TRUE(problems.contains("run 1 (open #1 with EIO): exit 2, not 1"))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains("run 2 (close #2 with EIO): target changed"))
        << problems.toStdString();
    // Between runs the walk put the old file back; the untouched last run
    // then wrote the new one.
    QFile target(scratch.filePath("target"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), QByteArray("new")); // the untouched last run
}

TEST_F(FaultWalkTest, FailsWithTheChosenErrorAndNamesIt) {
    FaultWalk walk = Walk("printf new > target.tmp && mv target.tmp target || "
                          "{ rm -f target.tmp; exit 1; }");
    walk.Calls = "open";
    walk.Error = "ENOSPC";
    walk.Environment.insert("LC_ALL", "C");
    const FaultWalkReport report = WalkEveryFailurePoint(walk);
    ASSERT_EQ(report.FailurePoints, 1);
    EXPECT_EQ(report.FailedCalls[0], "open #1 with ENOSPC");
    EXPECT_TRUE(report.Messages[0].contains("No space left on device"))
        << report.Messages[0].toStdString();
}

} // namespace

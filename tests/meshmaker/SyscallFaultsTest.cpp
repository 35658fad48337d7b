// meshmaker --batch as a real process under the system-call fault layer: its
// save writes the PGX file and the editing session together, and every
// write, flush, close, rename and open for writing it makes is failed in
// turn. Each time the program exits 1 with the save's failure message, both
// old files keep their bytes (or both stay absent), and nothing is left
// behind: neither a temporary file nor a kept old file.

#include "FaultWalk.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct WalkCase {
    const char* name;
    bool replacing; // old files at both targets
    const char* error;
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchUnderFaults : public testing::TestWithParam<WalkCase> {};

TEST_P(BatchUnderFaults, EveryFailedCallLeavesBothOldFilesAndNothingElse) {
    const WalkCase& c = GetParam();
    QTemporaryDir dir;
    const QString picture =
        test::SaveBmp(dir, "fish.bmp", test::Picture(121, 61, {QRect(0, 20, 91, 21)}));
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    const QString pgx = dir.filePath("out/fish.pgx"),
                  session = dir.filePath("out/fish.session.json");

    FaultWalk walk;
    walk.Program = MESHMAKER_PROGRAM;
    walk.Arguments = {"--batch", picture, "--dorsal", "38,5,62,19", "-o", pgx};
    walk.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    walk.Error = c.error;
    for (const QString& target : {pgx, session}) {
        std::optional<QByteArray> before;
        if (c.replacing) {
            before = QByteArray("the old ") + QFileInfo(target).fileName().toUtf8();
            QFile f(target);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*before);
        }
        walk.Targets.push_back({target, before});
    }
    const FaultWalkReport report = WalkEveryFailurePoint(walk);
    EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
    // Two files, each opened, written, flushed, closed and renamed.
    EXPECT_GE(report.FailurePoints, 10) << report.FailedCalls.join(", ").toStdString();
    for (int i = 0; i < report.Messages.size(); ++i)
        EXPECT_TRUE(report.Messages[i].contains("Error. Cannot make fish polygon data file."))
            << report.FailedCalls[i].toStdString() << ": " << report.Messages[i].toStdString();
    EXPECT_EQ(report.ExitCode, 0) << report.Stderr.toStdString();
    EXPECT_GT(test::FileBytes(pgx).size(), 40);
    EXPECT_TRUE(test::FileBytes(session).startsWith("{"));
    RecordProperty("failure_points", report.FailurePoints);
    std::printf("%s: %d failure points: %s\n", c.name, report.FailurePoints,
                report.FailedCalls.join(", ").toStdString().c_str());
}

INSTANTIATE_TEST_SUITE_P(Save, BatchUnderFaults,
                         testing::Values(WalkCase{"NewEIO", false, "EIO"},
                                         WalkCase{"NewENOSPC", false, "ENOSPC"},
                                         WalkCase{"ReplacingEIO", true, "EIO"},
                                         WalkCase{"ReplacingENOSPC", true, "ENOSPC"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// Packing and splitting when the disk fails at any point: every step of
// every file written (its creation, each write, the flush, the close, the
// rename) is failed in turn. Each time the files that were there keep their
// bytes, a split changes all its files or none, and no temporary file is
// left.

#include "AtomicWriter.h"
#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "ReadCombinedFile.h"
#include "SplitCombinedFile.h"
#include "TestSupport.h"

#include <QFile>

namespace {

using AtomicWriteFaults::Step;

class FailingWritesTest : public ScratchTest {
protected:
    void TearDown() override {
        AtomicWriteFaults::Inject = nullptr;
        ScratchTest::TearDown();
    }

    // Counts the steps of one run of write(), then fails each of them in turn.
    template <typename Write, typename Check> int EveryFailurePoint(Write write, Check check) {
        int steps = 0;
        AtomicWriteFaults::Inject = [&](Step, int) {
            ++steps;
            return false;
        };
        write(true);
        const int total = steps;
        for (int failing = 0; failing < total; ++failing) {
            int step = 0;
            AtomicWriteFaults::Inject = [&](Step, int) { return step++ == failing; };
            const FileOutcome outcome = write(false);
            EXPECT_EQ(outcome.Error, FileError::CannotWrite) << "failure point " << failing;
            EXPECT_FALSE(DescribeInEnglish(outcome).isEmpty());
            check(failing);
        }
        AtomicWriteFaults::Inject = nullptr;
        return total;
    }
};

TEST_F(FailingWritesTest, PackingKeepsTheOldCombinedFile) {
    const MemberPaths sources = ModelFiles(Path("koi"));
    WriteBytes(sources[MemberKind::BodyTexture], Pattern(3000, 1));
    WriteBytes(sources[MemberKind::EyeTexture], Pattern(500, 3));
    WriteBytes(sources[MemberKind::Mesh], MeshBytes(2000, 401, 201));
    const QString output = Folder("data") + "koi.pgdaf";
    WriteBytes(output, "old combined file");
    CombinedFileHeader header;
    ASSERT_TRUE(BuildCombinedHeader(sources, header).Ok());

    const int points = EveryFailurePoint(
        [&](bool probe) {
            const FileOutcome outcome = WriteCombinedFile(
                sources, header, probe ? Path("probe.pgdaf") : output, Replacing::Allow);
            if (probe) {
                EXPECT_TRUE(outcome.Ok());
            }
            return outcome;
        },
        [&](int failing) {
            EXPECT_EQ(ReadBytes(output), QByteArray("old combined file")) << failing;
            EXPECT_EQ(Entries(Folder("data")), QStringList{"koi.pgdaf"}) << failing;
        });
    EXPECT_GE(points, 7); // creation, header, three members, flush, close, rename
    RecordProperty("failure_points", points);
    ASSERT_TRUE(WriteCombinedFile(sources, header, output, Replacing::Allow).Ok());
    EXPECT_EQ(ReadBytes(output), ReadBytes(Path("probe.pgdaf")));
}

TEST_F(FailingWritesTest, SplittingLeavesEveryFileOld) {
    const MemberPaths sources = ModelFiles(Folder("src") + "koi");
    WriteBytes(sources[MemberKind::BodyTexture], Pattern(3000, 1));
    WriteBytes(sources[MemberKind::FinTexture], Pattern(700, 2));
    WriteBytes(sources[MemberKind::EyeTexture], Pattern(500, 3));
    WriteBytes(sources[MemberKind::Mesh], MeshBytes(2000, 401, 201));
    CombinedFileHeader header;
    ASSERT_TRUE(BuildCombinedHeader(sources, header).Ok());
    const QString combined = Path("koi.pgdaf");
    ASSERT_TRUE(WriteCombinedFile(sources, header, combined, Replacing::Allow).Ok());

    const MemberPaths probe = ModelFiles(Folder("probe") + "koi");
    const auto overwrite = [](MemberKind) { return SplitDecision::Write; };
    // Into a folder where every target has an old file (each is replaced), and
    // into an empty one (each is new).
    for (const bool old : {true, false}) {
        SCOPED_TRACE(old ? "old files" : "empty folder");
        const QString folder = Folder(old ? "work" : "empty");
        const MemberPaths targets = ModelFiles(folder + "koi");
        if (old) {
            for (MemberKind kind : MemberOrder) WriteBytes(targets[kind], "old");
        }
        const QStringList before = Entries(folder);

        const int points = EveryFailurePoint(
            [&](bool isProbe) {
                for (MemberKind kind : MemberOrder) QFile::remove(probe[kind]);
                const FileOutcome outcome =
                    SplitCombinedFile(combined, isProbe ? probe : targets, overwrite);
                if (isProbe) {
                    EXPECT_TRUE(outcome.Ok());
                }
                return outcome;
            },
            [&](int failing) {
                // Even a rename that fails after others succeeded: they are put back.
                if (old) {
                    for (MemberKind kind : MemberOrder)
                        EXPECT_EQ(ReadBytes(targets[kind]), QByteArray("old")) << failing;
                }
                EXPECT_EQ(Entries(folder), before) << failing;
            });
        EXPECT_GE(points, 4 * 5); // four files, each created, written, flushed, closed, renamed
        RecordProperty(old ? "failure_points_replacing" : "failure_points_new", points);
    }
}

} // namespace

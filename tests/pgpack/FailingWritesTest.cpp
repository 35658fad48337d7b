// Packing and splitting when the disk fails at any point: every step of
// every file written (its creation, each write, the close, the rename) is
// failed in turn. Each time the files that were there keep their bytes,
// every file is either its old self or wholly new, and no temporary file
// is left.

#include "AtomicWriter.h"
#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "ReadCombinedFile.h"
#include "SplitCombinedFile.h"
#include "TestSupport.h"

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
            const FileOutcome outcome =
                WriteCombinedFile(sources, header, probe ? Path("probe.pgdaf") : output);
            if (probe) {
                EXPECT_TRUE(outcome.Ok());
            }
            return outcome;
        },
        [&](int failing) {
            EXPECT_EQ(ReadBytes(output), QByteArray("old combined file")) << failing;
            EXPECT_EQ(Entries(Folder("data")), QStringList{"koi.pgdaf"}) << failing;
        });
    EXPECT_GE(points, 6); // creation, header, three members, close, rename
    RecordProperty("failure_points", points);
    ASSERT_TRUE(WriteCombinedFile(sources, header, output).Ok());
    EXPECT_EQ(ReadBytes(output), ReadBytes(Path("probe.pgdaf")));
}

TEST_F(FailingWritesTest, SplittingLeavesEveryFileOldOrWhole) {
    const MemberPaths sources = ModelFiles(Folder("src") + "koi");
    WriteBytes(sources[MemberKind::BodyTexture], Pattern(3000, 1));
    WriteBytes(sources[MemberKind::FinTexture], Pattern(700, 2));
    WriteBytes(sources[MemberKind::EyeTexture], Pattern(500, 3));
    WriteBytes(sources[MemberKind::Mesh], MeshBytes(2000, 401, 201));
    CombinedFileHeader header;
    ASSERT_TRUE(BuildCombinedHeader(sources, header).Ok());
    const QString combined = Path("koi.pgdaf");
    ASSERT_TRUE(WriteCombinedFile(sources, header, combined).Ok());

    const MemberPaths targets = ModelFiles(Folder("work") + "koi");
    const MemberPaths probe = ModelFiles(Folder("probe") + "koi");
    for (MemberKind kind : MemberOrder) WriteBytes(targets[kind], "old");
    const auto overwrite = [](MemberKind) { return SplitDecision::Write; };

    const int points = EveryFailurePoint(
        [&](bool isProbe) {
            const FileOutcome outcome =
                SplitCombinedFile(combined, isProbe ? probe : targets, overwrite);
            if (isProbe) {
                EXPECT_TRUE(outcome.Ok());
            }
            return outcome;
        },
        [&](int failing) {
            for (MemberKind kind : MemberOrder) {
                const QByteArray now = ReadBytes(targets[kind]);
                EXPECT_TRUE(now == "old" || now == ReadBytes(sources[kind])) << failing;
            }
            EXPECT_EQ(Entries(Folder("work")).size(), 4) << failing;
        });
    EXPECT_GE(points, 4 * 4); // four files, each created, written, closed, renamed
    RecordProperty("failure_points", points);
}

} // namespace

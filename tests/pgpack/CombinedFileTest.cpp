// The combined data file: its layout, packing and splitting, and the refusal
// of files that are not well formed.

#include "AtomicWriter.h"
#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "ReadCombinedFile.h"
#include "SplitCombinedFile.h"
#include "TestSupport.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 U32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

class CombinedFileTest : public ScratchTest {
protected:
    // The sources of model "koi" in the scratch folder; an empty QByteArray
    // as fin or eye leaves that file out.
    MemberPaths MakeSources(const QByteArray& body, const QByteArray& fin, const QByteArray& eye,
                            const QByteArray& mesh) {
        MemberPaths sources = ModelFiles(Path("koi"));
        WriteBytes(sources[MemberKind::BodyTexture], body);
        if (!fin.isEmpty()) WriteBytes(sources[MemberKind::FinTexture], fin);
        if (!eye.isEmpty()) WriteBytes(sources[MemberKind::EyeTexture], eye);
        WriteBytes(sources[MemberKind::Mesh], mesh);
        return sources;
    }

    FileOutcome Pack(const MemberPaths& sources, const QString& output) {
        CombinedFileHeader header;
        const FileOutcome measured = BuildCombinedHeader(sources, header);
        if (!measured.Ok()) return measured;
        return WriteCombinedFile(sources, header, output, Replacing::Allow);
    }
};

TEST_F(CombinedFileTest, LaysOutHeaderAndMembersAsDocumented) {
    const QByteArray body = Pattern(1000, 1), eye = Pattern(200, 3);
    const QByteArray mesh = MeshBytes(5000, 0x0140, -2);
    const MemberPaths sources = MakeSources(body, {}, eye, mesh);
    const QString output = Path("koi.pgdaf");
    ASSERT_TRUE(Pack(sources, output).Ok());

    const QByteArray file = ReadBytes(output);
    ASSERT_EQ(file.size(), 6240);
    EXPECT_EQ(file.left(5), QByteArray("PGDAF"));
    EXPECT_EQ(file.mid(5, 3), QByteArray(3, '\0'));
    EXPECT_EQ(U32At(file, 8), 1000u);
    EXPECT_EQ(U32At(file, 12), 0u);
    EXPECT_EQ(U32At(file, 16), 200u);
    EXPECT_EQ(U32At(file, 20), 5000u);
    EXPECT_EQ(file.mid(24, 12), QByteArray(12, '\0'));
    // The picture size is mesh bytes 16..19 exactly as they are.
    EXPECT_EQ(file.mid(36, 4), mesh.mid(16, 4));
    EXPECT_EQ(file.mid(40, 1000), body);
    EXPECT_EQ(file.mid(1040, 200), eye);
    EXPECT_EQ(file.mid(1240, 5000), mesh);

    CombinedListing listing;
    ASSERT_TRUE(ListCombinedFile(output, listing).Ok());
    EXPECT_EQ(listing.FileSize, 6240);
    EXPECT_EQ(listing.Header.pictureWidth, 0x0140);
    EXPECT_EQ(listing.Header.pictureHeight, -2);
    EXPECT_EQ(listing.Header.Offset(MemberKind::BodyTexture), 40);
    EXPECT_EQ(listing.Header.Offset(MemberKind::FinTexture), 1040);
    EXPECT_EQ(listing.Header.Offset(MemberKind::EyeTexture), 1040);
    EXPECT_EQ(listing.Header.Offset(MemberKind::Mesh), 1240);
}

TEST_F(CombinedFileTest, SplitGivesBackEveryMemberAndLeavesAbsentOnesAlone) {
    const QByteArray body = Pattern(1000, 1), eye = Pattern(200, 3), mesh = MeshBytes(5000, 7, 9);
    ASSERT_TRUE(Pack(MakeSources(body, {}, eye, mesh), Path("koi.pgdaf")).Ok());

    // Old files under the fin target stay untouched: that member has no bytes.
    const QString out = Folder("out");
    const MemberPaths targets = ModelFiles(out + "koi");
    WriteBytes(targets[MemberKind::FinTexture], "old fin");
    int asked = 0;
    std::array<MemberFate, 4> fates;
    const FileOutcome split = SplitCombinedFile(
        Path("koi.pgdaf"), targets,
        [&](MemberKind) {
            ++asked;
            return SplitDecision::Write;
        },
        &fates);
    ASSERT_TRUE(split.Ok());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ReadBytes(targets[MemberKind::BodyTexture]), body);
    EXPECT_EQ(ReadBytes(targets[MemberKind::FinTexture]), QByteArray("old fin"));
    EXPECT_EQ(ReadBytes(targets[MemberKind::EyeTexture]), eye);
    EXPECT_EQ(ReadBytes(targets[MemberKind::Mesh]), mesh);
    EXPECT_EQ(fates, (std::array{MemberFate::Written, MemberFate::Absent, MemberFate::Written,
                                 MemberFate::Written}));
}

TEST_F(CombinedFileTest, ModelWithoutFinAndEyeSplitsIntoTwoFiles) {
    const QByteArray body = Pattern(300, 1), mesh = MeshBytes(700, 1, 2);
    ASSERT_TRUE(Pack(MakeSources(body, {}, {}, mesh), Path("koi.pgdaf")).Ok());
    const QByteArray file = ReadBytes(Path("koi.pgdaf"));
    EXPECT_EQ(file.size(), 40 + 300 + 700);
    EXPECT_EQ(U32At(file, 12), 0u);
    EXPECT_EQ(U32At(file, 16), 0u);

    const QString out = Folder("out");
    ASSERT_TRUE(SplitCombinedFile(Path("koi.pgdaf"), ModelFiles(out + "koi"), nullptr).Ok());
    EXPECT_EQ(Entries(out), QStringList({"koi.pgx", "koi_tx.bmp"}));
}

TEST_F(CombinedFileTest, EmptySourcesAreRecordedAsAbsent) {
    // An empty mesh and body: lengths 0, no bytes, no picture size; splitting
    // writes nothing for them.
    const QByteArray fin = Pattern(50, 2);
    const MemberPaths sources = MakeSources(QByteArray(), fin, {}, QByteArray());
    ASSERT_TRUE(Pack(sources, Path("koi.pgdaf")).Ok());
    const QByteArray file = ReadBytes(Path("koi.pgdaf"));
    ASSERT_EQ(file.size(), 90);
    EXPECT_EQ(U32At(file, 8), 0u);
    EXPECT_EQ(U32At(file, 20), 0u);
    EXPECT_EQ(file.mid(36, 4), QByteArray(4, '\0'));
    EXPECT_EQ(file.mid(40), fin);

    const QString out = Folder("out");
    ASSERT_TRUE(SplitCombinedFile(Path("koi.pgdaf"), ModelFiles(out + "koi"), nullptr).Ok());
    EXPECT_EQ(Entries(out), QStringList({"koi_fintx.bmp"}));
}

TEST_F(CombinedFileTest, PictureSizeOfAShortMeshKeepsWhatIsThere) {
    // Eighteen bytes hold the width but not the height.
    QByteArray mesh = MeshBytes(20, 0x1234, 0x5678).left(18);
    CombinedFileHeader header;
    const MemberPaths sources = MakeSources(Pattern(10, 1), {}, {}, mesh);
    ASSERT_TRUE(BuildCombinedHeader(sources, header).Ok());
    EXPECT_EQ(header.pictureWidth, 0x1234);
    EXPECT_EQ(header.pictureHeight, 0);
    EXPECT_EQ(header.meshLength, 18u);
}

TEST_F(CombinedFileTest, SkippedMembersLeaveTheOthersAtTheirOffsets) {
    const QByteArray body = Pattern(1000, 1), fin = Pattern(333, 2), eye = Pattern(200, 3);
    const QByteArray mesh = MeshBytes(5000, 5, 6);
    ASSERT_TRUE(Pack(MakeSources(body, fin, eye, mesh), Path("koi.pgdaf")).Ok());

    const QString out = Folder("out");
    const MemberPaths targets = ModelFiles(out + "koi");
    for (MemberKind kind : MemberOrder) WriteBytes(targets[kind], "old");
    std::vector<MemberKind> asked;
    ASSERT_TRUE(SplitCombinedFile(Path("koi.pgdaf"), targets, [&](MemberKind kind) {
                    asked.push_back(kind);
                    return kind == MemberKind::BodyTexture || kind == MemberKind::EyeTexture
                               ? SplitDecision::Skip
                               : SplitDecision::Write;
                }).Ok());
    EXPECT_EQ(asked, (std::vector<MemberKind>(MemberOrder.begin(), MemberOrder.end())));
    EXPECT_EQ(ReadBytes(targets[MemberKind::BodyTexture]), QByteArray("old"));
    EXPECT_EQ(ReadBytes(targets[MemberKind::FinTexture]), fin);
    EXPECT_EQ(ReadBytes(targets[MemberKind::EyeTexture]), QByteArray("old"));
    EXPECT_EQ(ReadBytes(targets[MemberKind::Mesh]), mesh);
}

TEST_F(CombinedFileTest, ARefusedMemberWritesNoTarget) {
    // A run told neither to replace nor to keep files refuses the split on
    // a target that another program made after it looked: every target
    // stays as it was, the new ones included.
    const QByteArray mesh = MeshBytes(5000, 5, 6);
    ASSERT_TRUE(Pack(MakeSources(Pattern(1000, 1), Pattern(333, 2), Pattern(200, 3), mesh),
                     Path("koi.pgdaf"))
                    .Ok());
    const QString out = Folder("out");
    const MemberPaths targets = ModelFiles(out + "koi");
    WriteBytes(targets[MemberKind::EyeTexture], "theirs");
    std::array<MemberFate, 4> fates;
    const FileOutcome split = SplitCombinedFile(
        Path("koi.pgdaf"), targets, [](MemberKind) { return SplitDecision::Refuse; }, &fates);
    EXPECT_EQ(split.Error, FileError::TargetExists);
    EXPECT_EQ(split.Path, targets[MemberKind::EyeTexture]);
    EXPECT_EQ(Entries(out), QStringList({"koi_eyetx.bmp"}));
    EXPECT_EQ(ReadBytes(targets[MemberKind::EyeTexture]), QByteArray("theirs"));
    for (MemberFate fate : fates) EXPECT_NE(fate, MemberFate::Written);
}

struct Malformed {
    const char* name;
    QByteArray bytes;
    FileError error;
};

QByteArray Header(quint32 body, quint32 fin, quint32 eye, quint32 mesh) {
    CombinedFileHeader header;
    header.bodyTextureLength = body;
    header.finTextureLength = fin;
    header.eyeTextureLength = eye;
    header.meshLength = mesh;
    return header.Encode();
}

class MalformedFileTest : public CombinedFileTest,
                          public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedFileTest, IsRefusedBeforeAnythingIsWritten) {
    const Malformed& c = GetParam();
    WriteBytes(Path("koi.pgdaf"), c.bytes);
    const QString out = Folder("out");
    int asked = 0;
    const FileOutcome split =
        SplitCombinedFile(Path("koi.pgdaf"), ModelFiles(out + "koi"), [&](MemberKind) {
            ++asked;
            return SplitDecision::Write;
        });
    EXPECT_EQ(split.Error, c.error);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(Entries(out).isEmpty());

    CombinedListing listing;
    EXPECT_EQ(ListCombinedFile(Path("koi.pgdaf"), listing).Error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedFileTest,
    ::testing::Values(
        Malformed{"empty", QByteArray(), FileError::NotCombined},
        Malformed{"wrong_magic", QByteArray("PGDAX") + Header(0, 0, 0, 4).mid(5) + "mesh",
                  FileError::NotCombined},
        Malformed{"short_header", QByteArray("PGDAF") + QByteArray(20, '\0'),
                  FileError::ShortHeader},
        // A length of 0xFFFFFFFF announces 4 GB; nothing of that size is allocated.
        Malformed{"huge_length", Header(0xFFFFFFFFu, 0, 0, 4) + "mesh", FileError::LengthMismatch},
        Malformed{"cut_short", Header(100, 0, 0, 100) + Pattern(150, 1), FileError::LengthMismatch},
        Malformed{"trailing_bytes", Header(10, 0, 0, 10) + Pattern(21, 1),
                  FileError::LengthMismatch},
        // Summed in 32 bits these lengths would come to 2, the bytes that follow.
        Malformed{"lengths_wrap", Header(0xFFFFFFFFu, 0xFFFFFFFFu, 4, 0) + "xy",
                  FileError::LengthMismatch}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CombinedFileTest, SourceThatChangedAfterMeasuringFailsThePackAndKeepsTheOldOutput) {
    struct Change {
        MemberKind kind;
        QByteArray now;
    };
    for (const Change& change : {Change{MemberKind::BodyTexture, Pattern(999, 1)},
                                 Change{MemberKind::Mesh, MeshBytes(5001, 5, 6)}}) {
        const MemberPaths sources =
            MakeSources(Pattern(1000, 1), {}, Pattern(200, 3), MeshBytes(5000, 5, 6));
        const QString output = Path("koi.pgdaf");
        WriteBytes(output, "the old combined file");
        CombinedFileHeader header;
        ASSERT_TRUE(BuildCombinedHeader(sources, header).Ok());

        WriteBytes(sources[change.kind], change.now);
        const FileOutcome written = WriteCombinedFile(sources, header, output, Replacing::Allow);
        EXPECT_EQ(written.Error, FileError::SourceChanged);
        EXPECT_EQ(written.Path, sources[change.kind]);
        EXPECT_EQ(written.Actual, change.now.size());
        EXPECT_EQ(ReadBytes(output), QByteArray("the old combined file"));
        EXPECT_EQ(Entries(scratch_.path()).filter("pgdaf"), QStringList({"koi.pgdaf"}));
    }
}

TEST_F(CombinedFileTest, SourceOfFourGigabytesIsRefusedNotCutToItsLowBits) {
    const MemberPaths sources = MakeSources(Pattern(10, 1), {}, {}, MeshBytes(100, 1, 1));
    QFile huge(sources[MemberKind::FinTexture]);
    // A sparse file: no disk space is used.
    if (!huge.open(QIODevice::WriteOnly) || !huge.resize((qint64(1) << 32) + 5))
        GTEST_SKIP() << "the file system cannot hold a sparse 4 GB file";
    huge.close();
    CombinedFileHeader header;
    const FileOutcome measured = BuildCombinedHeader(sources, header);
    EXPECT_EQ(measured.Error, FileError::SourceTooLarge);
    EXPECT_EQ(measured.Path, sources[MemberKind::FinTexture]);
    QFile::remove(sources[MemberKind::FinTexture]);
}

// A write that fails half-way leaves the old file as it was and no
// temporary file behind.
TEST_F(CombinedFileTest, FailedWritesLeaveOldFilesWhole) {
    struct Reset {
        ~Reset() { AtomicWriteFaults::Inject = nullptr; }
    } reset;
    const QByteArray body = Pattern(1000, 1), mesh = MeshBytes(5000, 5, 6);
    const MemberPaths sources = MakeSources(body, {}, {}, mesh);
    const QString output = Path("koi.pgdaf");
    WriteBytes(output, "old");

    using AtomicWriteFaults::Step;
    for (Step failing : {Step::Open, Step::Write, Step::Close, Step::Rename}) {
        // The second write of each file (its first member) fails, or the one step.
        AtomicWriteFaults::Inject = [failing](Step step, int index) {
            return step == failing && (step != Step::Write || index == 1);
        };
        EXPECT_EQ(Pack(sources, output).Error, FileError::CannotWrite);
        EXPECT_EQ(ReadBytes(output), QByteArray("old"));
        EXPECT_EQ(Entries(scratch_.path()).size(), 3)
            << Entries(scratch_.path()).join(' ').toStdString();
    }

    AtomicWriteFaults::Inject = nullptr;
    ASSERT_TRUE(Pack(sources, output).Ok());
    const QString out = Folder("out");
    const MemberPaths targets = ModelFiles(out + "koi");
    WriteBytes(targets[MemberKind::Mesh], "old mesh");
    // The mesh (the second file, its first write) fails: the body, already
    // in its temporary file, does not appear either.
    int files = 0;
    AtomicWriteFaults::Inject = [&files](Step step, int index) {
        if (step == Step::Open) ++files;
        return step == Step::Write && index == 0 && files == 2;
    };
    const FileOutcome split = SplitCombinedFile(output, targets, nullptr);
    EXPECT_EQ(split.Error, FileError::CannotWrite);
    EXPECT_EQ(split.Path, targets[MemberKind::Mesh]);
    EXPECT_EQ(split.SystemError, EIO);
    EXPECT_EQ(ReadBytes(targets[MemberKind::Mesh]), QByteArray("old mesh"));
    EXPECT_EQ(Entries(out), QStringList({"koi.pgx"}));
}

// A source that cannot be read says why, as the system says it; one that is
// no regular file says what it is.
TEST_F(CombinedFileTest, AFileThatCannotBeReadSaysWhy) {
    CombinedFileHeader header;
    const FileOutcome missing = ReadCombinedHeader(Path("gone.pgdaf"), header);
    EXPECT_EQ(missing.Error, FileError::CannotRead);
    EXPECT_EQ(missing.SystemError, ENOENT);
    EXPECT_EQ(DescribeInEnglish(missing),
              Path("gone.pgdaf") + ": cannot be read (" + SystemReason(ENOENT) + ")");
    EXPECT_EQ(DescribeInJapanese(missing),
              "ファイル '" + Path("gone.pgdaf") + "' は読めませんでした\n" + SystemReason(ENOENT));

    const FileOutcome folder = ReadCombinedHeader(Folder("folder.pgdaf"), header);
    EXPECT_EQ(folder.Error, FileError::NotRegular);
    EXPECT_EQ(folder.Entry, EntryKind::Folder);
    EXPECT_EQ(folder.SystemError, 0);
    EXPECT_EQ(DescribeInJapanese(folder),
              "ファイル '" + Folder("folder.pgdaf") + "' は普通のファイルではありません");
}

} // namespace

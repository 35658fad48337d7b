// The archiver dialog through its handlers, with scripted answers: start-up,
// the texture derivation, packing with its questions, splitting, and the
// messages of each.

#include "CPgpackDlg.h"
#include "AtomicWriter.h"
#include "CombinedFileHeader.h"
#include "ModelFiles.h"
#include "Paths.h"
#include "SystemFiles.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QtEndian>

#include <sys/stat.h>

namespace {

using namespace ControlId;

class CPgpackDlgTest : public ScratchTest {
protected:
    void TearDown() override {
        SetDataDirectory(std::nullopt);
        ScratchTest::TearDown();
    }

    // Starts the dialog with the given DataDirectory (none: not set up).
    void Start(const std::optional<QString>& dataDir) {
        SetDataDirectory(dataDir);
        dlg.OnInitDialog();
        dialogs.Messages.clear();
    }

    // The files of model name in folder: a mesh and a body texture, and the
    // fin and eye textures when asked for.
    MemberPaths Model(const QString& folder, const QString& name, bool fin, bool eye) {
        const MemberPaths files = ModelFiles(Folder(folder) + name);
        WriteBytes(files[MemberKind::Mesh], MeshBytes(600, 320, 200));
        WriteBytes(files[MemberKind::BodyTexture], Pattern(400, 1));
        if (fin) WriteBytes(files[MemberKind::FinTexture], Pattern(300, 2));
        if (eye) WriteBytes(files[MemberKind::EyeTexture], Pattern(100, 3));
        return files;
    }

    void ChooseMesh(const QString& path) {
        dialogs.Files.push_back(ShownPath(path));
        dlg.OnChooseMesh();
    }

    QString Field(int id) const { return dlg.Control(id).Text; }

    ScriptedDialogs dialogs;
    CPgpackDlg dlg{dialogs};
};

TEST_F(CPgpackDlgTest, StartUpShowsWorkingAndDataDirectories) {
    Start(Path("data"));
    EXPECT_EQ(dlg.m_strWorkDir, Path(""));
    EXPECT_EQ(Field(WorkDirectory), ShownPath(dlg.m_strWorkDir));
    // A data directory set up without its trailing separator gets one.
    EXPECT_EQ(dlg.m_strDataDir, Path("data/"));
    EXPECT_EQ(Field(DataDirectory), ShownPath(Path("data/")));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(CPgpackDlgTest, StartUpWithoutDataDirectoryWarnsAndPacksIntoTheCurrentDirectory) {
    SetDataDirectory(std::nullopt);
    dlg.OnInitDialog();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, Texts::RegistryMissing());
    EXPECT_EQ(dialogs.Messages[0].Caption, "pgpack");
    EXPECT_EQ(dialogs.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(dlg.m_strDataDir, "");
    EXPECT_EQ(Field(DataDirectory), "");

    ChooseMesh(Model("fish", "koi", false, false)[MemberKind::Mesh]);
    dlg.OnCreateCombined();
    EXPECT_TRUE(Exists(Path("koi.pgdaf")));
    EXPECT_EQ(dialogs.Texts().last(), "koi.pgdaf" + QString("を作成しました"));
}

TEST_F(CPgpackDlgTest, ChoosingAMeshDerivesItsTexturesAndPackingWritesIntoTheDataDirectory) {
    Start(Path("data")); // no trailing separator: still data/koi.pgdaf
    Folder("data");
    const MemberPaths koi = Model("fish", "koi", false, true);
    ChooseMesh(koi[MemberKind::Mesh]);

    ASSERT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs[0].Filter, "PGX File (*.pgx)");
    EXPECT_EQ(dialogs.FileDialogs[0].Folder, Path(""));
    EXPECT_EQ(Field(MeshPath), ShownPath(koi[MemberKind::Mesh]));
    EXPECT_EQ(Field(BodyTexturePath), ShownPath(koi[MemberKind::BodyTexture]));
    EXPECT_EQ(Field(FinTexturePath), "");
    EXPECT_EQ(Field(EyeTexturePath), ShownPath(koi[MemberKind::EyeTexture]));
    EXPECT_EQ(dlg.m_strWorkDir, Path("fish/"));
    EXPECT_EQ(Field(WorkDirectory), ShownPath(Path("fish/")));
    EXPECT_TRUE(dialogs.Messages.empty());

    const auto fieldsBefore = dlg.Controls;
    dlg.OnCreateCombined();
    const QString output = Path("data/koi.pgdaf");
    ASSERT_TRUE(Exists(output));
    EXPECT_EQ(dialogs.Texts(), QStringList({ShownPath(output) + "を作成しました"}));
    EXPECT_EQ(dialogs.Messages[0].Caption, "pgpack");
    const QByteArray file = ReadBytes(output);
    EXPECT_EQ(file.size(), 40 + 400 + 100 + 600);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 12), 0u); // no fin texture
    for (size_t i = 0; i < fieldsBefore.size(); ++i)
        EXPECT_EQ(dlg.Controls[i].Text, fieldsBefore[i].Text) << "packing changed a field";
}

TEST_F(CPgpackDlgTest, CancelledChoicesChangeNothing) {
    Start(Path("data"));
    const auto before = dlg.Controls;
    for (auto handler : {&CPgpackDlg::OnChooseMesh, &CPgpackDlg::OnChooseEyeTexture,
                         &CPgpackDlg::OnChooseCombined}) {
        dialogs.Files.push_back(QString());
        (dlg.*handler)();
    }
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(dlg.Controls[i].Text, before[i].Text);
    EXPECT_EQ(dlg.m_strWorkDir, Path(""));
    EXPECT_EQ(dialogs.FileDialogs[1].Filter, "BMP File (*_eyetx.bmp)");
    EXPECT_EQ(dialogs.FileDialogs[2].Filter, "PGDAF File (*.pgdaf)");
    EXPECT_EQ(dialogs.FileDialogs[2].Folder, Path("data/"));
}

TEST_F(CPgpackDlgTest, MissingBodyTextureIsReportedOnEveryChangeAndPackingDoesNothing) {
    Start(Path("data"));
    Folder("data");
    // Before anything is chosen, packing does nothing and says nothing.
    dlg.OnCreateCombined();
    EXPECT_TRUE(dialogs.Messages.empty());

    const MemberPaths koi = Model("fish", "koi", true, false);
    QFile::remove(koi[MemberKind::BodyTexture]);
    ChooseMesh(koi[MemberKind::Mesh]);
    EXPECT_EQ(dialogs.Texts(), QStringList({"胴体のテクスチュアがありません"}));
    EXPECT_EQ(Field(BodyTexturePath), "");
    EXPECT_EQ(Field(FinTexturePath), ShownPath(koi[MemberKind::FinTexture]));

    // Typing in field 1001 derives again from the chosen mesh: the message again.
    dlg.Control(MeshPath).Text += "x";
    dlg.OnMeshTextChanged();
    EXPECT_EQ(dialogs.Messages.size(), 2u);

    dlg.OnCreateCombined();
    EXPECT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_TRUE(Entries(Path("data")).isEmpty());
}

struct KeepEyeCase {
    bool keep;
    bool eyePacked;
};

class KeepEyeTextureTest : public CPgpackDlgTest,
                           public ::testing::WithParamInterface<KeepEyeCase> {};

TEST_P(KeepEyeTextureTest, EarlierEyeTextureStaysOnlyWhileTheBoxIsChecked) {
    Start(Path("data"));
    Folder("data");
    const QString redEye = Folder("eyes") + "red_eyetx.bmp";
    WriteBytes(redEye, Pattern(77, 7));
    dlg.Control(KeepEyeTexture).Checked = GetParam().keep;

    dialogs.Files.push_back(ShownPath(redEye));
    dlg.OnChooseEyeTexture();
    EXPECT_EQ(Field(EyeTexturePath), ShownPath(redEye));
    EXPECT_EQ(dlg.m_strWorkDir, Path("eyes/"));

    ChooseMesh(Model("fish", "ayu", false, false)[MemberKind::Mesh]);
    EXPECT_EQ(Field(EyeTexturePath), GetParam().keep ? ShownPath(redEye) : QString());
    dlg.OnCreateCombined();
    const QByteArray file = ReadBytes(Path("data/ayu.pgdaf"));
    const quint32 eyeLength = qFromLittleEndian<quint32>(file.constData() + 16);
    if (GetParam().eyePacked) {
        EXPECT_EQ(eyeLength, 77u);
        EXPECT_EQ(file.mid(40 + 400, 77), Pattern(77, 7));
    } else {
        EXPECT_EQ(eyeLength, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Box, KeepEyeTextureTest,
                         ::testing::Values(KeepEyeCase{true, true}, KeepEyeCase{false, false}),
                         [](const auto& info) {
                             return std::string(info.param.keep ? "Checked" : "Unchecked");
                         });

struct ReplaceCase {
    const char* name;
    std::vector<MessageAnswer> answers;
    int questions;
    bool replaced;
};

class ReplaceOutputTest : public CPgpackDlgTest,
                          public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceOutputTest, TwoQuestionsGuardAnExistingOutput) {
    const ReplaceCase& c = GetParam();
    Start(Path("data"));
    const QString output = Folder("data") + "koi.pgdaf";
    WriteBytes(output, "old");
    ChooseMesh(Model("fish", "koi", true, true)[MemberKind::Mesh]);
    dialogs.Answers.assign(c.answers.begin(), c.answers.end());
    dlg.OnCreateCombined();

    const QStringList questions = {
        "データ合体ファイル" + ShownPath(output) + "はすでにあります。作り直しますか？",
        "データ合体ファイル" + ShownPath(output) + "を" + ShownPath(Path("data/")) + "に作ります"};
    ASSERT_GE(dialogs.Messages.size(), size_t(c.questions));
    for (int i = 0; i < c.questions; ++i) {
        EXPECT_EQ(dialogs.Messages[i].Text, questions[i]);
        EXPECT_EQ(dialogs.Messages[i].Caption, "アーカイブ作成");
        EXPECT_EQ(dialogs.Messages[i].Buttons, MessageButtons::OkCancel);
    }
    if (c.replaced) {
        EXPECT_EQ(ReadBytes(output).left(5), QByteArray("PGDAF"));
        EXPECT_EQ(dialogs.Texts().last(), ShownPath(output) + "を作成しました");
    } else {
        EXPECT_EQ(dialogs.Messages.size(), size_t(c.questions));
        EXPECT_EQ(ReadBytes(output), QByteArray("old"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReplaceOutputTest,
    ::testing::Values(ReplaceCase{"Cancel", {MessageAnswer::Cancel}, 1, false},
                      ReplaceCase{"OkCancel", {MessageAnswer::Ok, MessageAnswer::Cancel}, 2, false},
                      ReplaceCase{"OkOk", {MessageAnswer::Ok, MessageAnswer::Ok}, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CPgpackDlgTest, AFolderUnderATextureNameIsNoTexture) {
    Start(Path("data"));
    Folder("data");
    const MemberPaths koi = Model("fish", "koi", false, false);
    Folder("fish/koi_fintx.bmp");
    ChooseMesh(koi[MemberKind::Mesh]);
    EXPECT_EQ(Field(FinTexturePath), "");
    dlg.OnCreateCombined();
    const QByteArray file = ReadBytes(Path("data/koi.pgdaf"));
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 12), 0u);

    // A folder as the body texture: reported missing, and nothing is packed.
    const MemberPaths ayu = Model("fish", "ayu", false, false);
    QFile::remove(ayu[MemberKind::BodyTexture]);
    Folder("fish/ayu_tx.bmp");
    dialogs.Messages.clear();
    ChooseMesh(ayu[MemberKind::Mesh]);
    EXPECT_EQ(dialogs.Texts(), QStringList({"胴体のテクスチュアがありません"}));
    dlg.OnCreateCombined();
    EXPECT_FALSE(Exists(Path("data/ayu.pgdaf")));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(CPgpackDlgTest, ASourceThatShrinksWhileAskingFailsThePackWithAMessage) {
    Start(Path("data"));
    const QString output = Folder("data") + "koi.pgdaf";
    WriteBytes(output, "old");
    const MemberPaths koi = Model("fish", "koi", false, false);
    ChooseMesh(koi[MemberKind::Mesh]);
    dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    dialogs.WhileAsking = [&] { WriteBytes(koi[MemberKind::BodyTexture], Pattern(10, 1)); };
    dlg.OnCreateCombined();
    EXPECT_EQ(dialogs.Texts().last(), "ファイル '" + ShownPath(koi[MemberKind::BodyTexture]) +
                                          "' の大きさが途中で変わりました");
    EXPECT_FALSE(dialogs.Texts().join("").contains("を作成しました"));
    EXPECT_EQ(ReadBytes(output), QByteArray("old"));
}

TEST_F(CPgpackDlgTest, AnOutputThatCannotBeCreatedGivesTheFixedMessage) {
    Start(Path("no such folder"));
    ChooseMesh(Model("fish", "koi", false, false)[MemberKind::Mesh]);
    dlg.OnCreateCombined();
    // The fixed text, and below it the system's reason.
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"ファイル 'data' は開けませんでした\n" + SystemReason(ENOENT)}));
}

TEST_F(CPgpackDlgTest, AnOutputThatAppearsWhileWritingIsKept) {
    // Nobody was asked about replacing it, since it was not there: another
    // program's file that appears before the rename stays as it is.
    Start(Path("data"));
    const QString output = Folder("data") + "koi.pgdaf";
    ChooseMesh(Model("fish", "koi", false, false)[MemberKind::Mesh]);
    struct Reset {
        ~Reset() { AtomicWriteFaults::Inject = nullptr; }
    } reset;
    AtomicWriteFaults::Inject = [&](AtomicWriteFaults::Step step, int) {
        if (step == AtomicWriteFaults::Step::Rename) WriteBytes(output, "another program's");
        return false;
    };
    dlg.OnCreateCombined();
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"ファイル 'data' は開けませんでした\n" + SystemReason(EEXIST)}));
    EXPECT_EQ(ReadBytes(output), QByteArray("another program's"));
    EXPECT_EQ(Entries(Path("data")), QStringList({"koi.pgdaf"}));
}

TEST_F(CPgpackDlgTest, AnOutputThatIsTheMeshIsRefusedBeforeAnyQuestion) {
    // A mesh named koi.pgdaf in the data directory: its output is itself.
    Start(Path("data"));
    const QString mesh = Folder("data") + "koi.pgdaf";
    WriteBytes(mesh, MeshBytes(600, 320, 200));
    WriteBytes(Path("data/koi_tx.bmp"), Pattern(400, 1));
    ChooseMesh(mesh);
    dlg.OnCreateCombined();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "ファイル '" + ShownPath(mesh) + "' は元のファイル '" +
                                            ShownPath(mesh) + "' と同じです。上書きできません");
    EXPECT_EQ(dialogs.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(ReadBytes(mesh), MeshBytes(600, 320, 200));
}

TEST_F(CPgpackDlgTest, AFifoAsATextureIsRefusedWhenPacking) {
    Start(Path("data"));
    Folder("data");
    const MemberPaths koi = Model("fish", "koi", false, false);
    ASSERT_EQ(::mkfifo(koi[MemberKind::FinTexture].toLocal8Bit().constData(), 0644), 0);
    ChooseMesh(koi[MemberKind::Mesh]);
    dlg.OnCreateCombined(); // an ordinary open would wait here for a writer
    EXPECT_EQ(dialogs.Texts(), QStringList({"ファイル '" + ShownPath(koi[MemberKind::FinTexture]) +
                                            "' は普通のファイルではありません"}));
    EXPECT_TRUE(Entries(Path("data")).isEmpty());
}

// Splitting: model koi packed into data/, then split while the working
// directory is work/, where some of its files already are.
class SplitDlgTest : public CPgpackDlgTest {
protected:
    void SetUp() override {
        CPgpackDlgTest::SetUp();
        Start(Path("data"));
        Folder("data");
        source = Model("src", "koi", false, true);
        ChooseMesh(source[MemberKind::Mesh]);
        dlg.OnCreateCombined();
        work = ModelFiles(Folder("work") + "koi");
        ChooseMesh(Model("work", "ayu", true, true)[MemberKind::Mesh]); // working directory work/
        dialogs.Files.push_back(ShownPath(Path("data/koi.pgdaf")));
        dlg.OnChooseCombined();
        dialogs.Messages.clear();
    }

    MemberPaths source, work;
};

TEST_F(SplitDlgTest, AsksForEachExistingTargetAndThenReportsTheSplit) {
    WriteBytes(work[MemberKind::BodyTexture], "old body");
    WriteBytes(work[MemberKind::FinTexture], "old fin");
    WriteBytes(work[MemberKind::Mesh], "old mesh");
    EXPECT_EQ(Field(CombinedPath), ShownPath(Path("data/koi.pgdaf")));
    EXPECT_EQ(dlg.m_strWorkDir, Path("work/"));
    dialogs.Answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    dlg.OnSplitCombined();

    // The fin texture has no bytes: not asked about, not touched.
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"胴体のテクスチュアファイルがあります。上書きしますか？",
                           "PGXファイルがあります。上書きしますか？", "ファイルを分離しました"}));
    EXPECT_EQ(dialogs.Messages[0].Caption, "");
    EXPECT_EQ(dialogs.Messages[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(dialogs.Messages[2].Caption, "pgpack");
    EXPECT_EQ(ReadBytes(work[MemberKind::BodyTexture]), QByteArray("old body"));
    EXPECT_EQ(ReadBytes(work[MemberKind::FinTexture]), QByteArray("old fin"));
    EXPECT_EQ(ReadBytes(work[MemberKind::EyeTexture]), ReadBytes(source[MemberKind::EyeTexture]));
    EXPECT_EQ(ReadBytes(work[MemberKind::Mesh]), ReadBytes(source[MemberKind::Mesh]));
}

TEST_F(SplitDlgTest, FieldsThenShowTheFilesThatTheNextPackTakes) {
    dlg.OnSplitCombined();
    EXPECT_EQ(Field(MeshPath), ShownPath(work[MemberKind::Mesh]));
    EXPECT_EQ(Field(BodyTexturePath), ShownPath(work[MemberKind::BodyTexture]));
    EXPECT_EQ(Field(FinTexturePath), ""); // the model has none
    EXPECT_EQ(Field(EyeTexturePath), ShownPath(work[MemberKind::EyeTexture]));
    EXPECT_EQ(dlg.m_strMeshPath, work[MemberKind::Mesh]);
    EXPECT_EQ(dlg.m_strMeshEdit, work[MemberKind::Mesh]);

    // The next pack takes the files just written into work/, not ayu's.
    WriteBytes(work[MemberKind::BodyTexture], Pattern(123, 9));
    dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    dlg.OnCreateCombined();
    const QByteArray file = ReadBytes(Path("data/koi.pgdaf"));
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 8), 123u);
    EXPECT_EQ(file.mid(40, 123), Pattern(123, 9));
    EXPECT_EQ(dialogs.Texts().last(), ShownPath(Path("data/koi.pgdaf")) + "を作成しました");
}

TEST_F(SplitDlgTest, EverySkippedMemberStillEndsWithTheSplitMessage) {
    for (MemberKind kind : MemberOrder) WriteBytes(work[kind], "old");
    dialogs.Answers = {MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::Cancel};
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Messages.size(), 4u);
    EXPECT_EQ(dialogs.Messages[1].Text, "眼のテクスチュアファイルがあります。上書きしますか？");
    EXPECT_EQ(dialogs.Texts().last(), "ファイルを分離しました");
    for (MemberKind kind : MemberOrder) EXPECT_EQ(ReadBytes(work[kind]), QByteArray("old"));
}

TEST_F(SplitDlgTest, NoFileChosenOrAFolderIsNoFile) {
    dlg.m_strCombinedPath.clear();
    dlg.OnSplitCombined();
    dlg.m_strCombinedPath = Folder("folder.pgdaf");
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Texts(), QStringList({"ファイルがありません", "ファイルがありません"}));
}

TEST_F(SplitDlgTest, AMalformedFileIsRefusedWithItsReasonAndChangesNothing) {
    QFile file(Path("data/koi.pgdaf"));
    ASSERT_TRUE(file.resize(file.size() - 1));
    const QString meshBefore = dlg.m_strMeshPath;
    dlg.OnSplitCombined();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "データ合体ファイル '" + ShownPath(Path("data/koi.pgdaf")) +
                  "' は正しくありません。ヘッダーの長さでは1140バイトのはずが、1139バイトあります");
    EXPECT_EQ(dialogs.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(dlg.m_strMeshPath, meshBefore);
    EXPECT_FALSE(Exists(work[MemberKind::Mesh]));
    EXPECT_FALSE(Exists(work[MemberKind::BodyTexture]));
}

TEST_F(SplitDlgTest, AFailedWriteIsReportedInsteadOfTheSplit) {
    struct Reset {
        ~Reset() { AtomicWriteFaults::Inject = nullptr; }
    } reset;
    AtomicWriteFaults::Inject = [](AtomicWriteFaults::Step step, int) {
        return step == AtomicWriteFaults::Step::Rename;
    };
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"ファイル '" + ShownPath(work[MemberKind::BodyTexture]) +
                           "' は書き込めませんでした\n" + SystemReason(EIO)}));
    EXPECT_FALSE(Exists(work[MemberKind::BodyTexture]));
}

TEST_F(SplitDlgTest, ATargetThatIsTheCombinedFileIsRefusedBeforeAnyQuestion) {
    // work/koi.pgx, the mesh target, is a link to the file being split.
    ASSERT_TRUE(QFile::link(Path("data/koi.pgdaf"), work[MemberKind::Mesh]));
    const QByteArray before = ReadBytes(Path("data/koi.pgdaf"));
    const QString meshBefore = dlg.m_strMeshPath;
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"ファイル '" + ShownPath(work[MemberKind::Mesh]) + "' は元のファイル '" +
                           ShownPath(Path("data/koi.pgdaf")) + "' と同じです。上書きできません"}));
    EXPECT_EQ(ReadBytes(Path("data/koi.pgdaf")), before);
    EXPECT_EQ(dlg.m_strMeshPath, meshBefore);
    EXPECT_FALSE(Exists(work[MemberKind::BodyTexture]));
}

TEST_F(SplitDlgTest, AFifoIsNoCombinedFile) {
    QFile::remove(Path("data/koi.pgdaf"));
    ASSERT_EQ(::mkfifo(Path("data/koi.pgdaf").toLocal8Bit().constData(), 0644), 0);
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Texts(), QStringList({"ファイル '" + ShownPath(Path("data/koi.pgdaf")) +
                                            "' は普通のファイルではありません"}));
}

TEST_F(SplitDlgTest, AFileWithoutMembersSaysThatNothingWasWritten) {
    WriteBytes(Path("data/koi.pgdaf"), CombinedFileHeader().Encode());
    dlg.OnSplitCombined();
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"ファイルを分離しました\n書き出すファイルはありませんでした"}));
    EXPECT_FALSE(Exists(work[MemberKind::Mesh]));
}

TEST_F(CPgpackDlgTest, TheVersionEntryOpensTheVersionDialog) {
    EXPECT_TRUE(dlg.OnSysCommand(16));
    EXPECT_FALSE(dlg.OnSysCommand(0xF060)); // close: the default handling
    EXPECT_EQ(dialogs.VersionDialogs, 1);
}

} // namespace

TEST_F(CPgpackDlgTest, AFileGivenToTheProgramIsChosenAsItsButtonChoosesIt) {
    Start(Path("data"));
    const MemberPaths koi = Model("fish", "koi", true, false);
    // An archive, as the combined-file button chooses one: nothing else moves.
    Folder("data");
    WriteBytes(Path("data/koi.pgdaf"), "PGDAF");
    dlg.OnFileGiven("data/koi.PGDAF");
    EXPECT_EQ(dlg.m_strCombinedPath, Path("data/koi.PGDAF"));
    EXPECT_EQ(Field(CombinedPath), ShownPath(Path("data/koi.PGDAF")));
    EXPECT_EQ(Field(MeshPath), "");
    EXPECT_EQ(dlg.m_strWorkDir, Path(""));
    // A mesh, as the mesh button chooses one: its textures derived, the
    // working directory its folder.
    dlg.OnFileGiven(koi[MemberKind::Mesh]);
    EXPECT_EQ(dlg.m_strMeshPath, koi[MemberKind::Mesh]);
    EXPECT_EQ(Field(BodyTexturePath), ShownPath(koi[MemberKind::BodyTexture]));
    EXPECT_EQ(Field(FinTexturePath), ShownPath(koi[MemberKind::FinTexture]));
    EXPECT_EQ(dlg.m_strWorkDir, Path("fish/"));
    EXPECT_TRUE(dialogs.FileDialogs.empty()); // no file dialog was shown
    EXPECT_TRUE(dialogs.Messages.empty());
}

// The archiver in English: every text of its dialog, its menu and its
// version dialog, and every message of a session that packs, splits and
// meets a damaged file, is English and fits its control; the command line
// speaks one language whatever the locale.

#include "ArchiverWindow.h"
#include "CVersionDlg.h"
#include "DialogTemplate.h"
#include "Language.h"
#include "ModelFiles.h"
#include "Paths.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {

bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

// While it lives, the program speaks English; then Japanese again.
struct InEnglish {
    InEnglish() { EXPECT_TRUE(Language::Use(Language::English)); }
    ~InEnglish() { Language::Use(Language::Japanese); }
};

// The room a text needs inside its control: the frame of a button, the box
// of a check box.
int Room(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget)) return 6;
    if (qobject_cast<const QCheckBox*>(widget)) return 18;
    return 0;
}

// Every text of a dialog, and those that are wider than their control.
void CheckTexts(QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        texts << text << w->toolTip();
        for (const QAction* action : w->actions()) texts << action->text();
        for (const QString& line : text.split(u'\n'))
            EXPECT_LE(w->fontMetrics().horizontalAdvance(line) + Room(w), w->width())
                << "clipped: " << line.toStdString();
    }
    for (const QAction* action : dialog.actions()) texts << action->text();
    for (const QAction* action : dialog.findChildren<QAction*>()) texts << action->text();
    for (const QString& text : texts) EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
}

class EnglishTest : public ScratchTest {
protected:
    void SetUp() override {
        ScratchTest::SetUp();
        SetDataDirectory(Path("data"));
    }
    void TearDown() override {
        SetDataDirectory(std::nullopt);
        ScratchTest::TearDown();
    }
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(EnglishTest, TheDialogsAndTheMessagesOfASessionAreEnglishAndFit) {
    const InEnglish english;
    ArchiverWindow window(&dialogs);
    CheckTexts(window);
    EXPECT_EQ(window.windowTitle(), "Vantel's Pelagor V Data archiver & separator");
    EXPECT_EQ(qobject_cast<QPushButton*>(window.ControlWidget(ControlId::Exit))->text(), "Exit");
    CVersionDlg version;
    CheckTexts(version);

    CPgpackDlg& dlg = window.Dlg();
    const MemberPaths koi = ModelFiles(Folder("fish") + "koi");
    Folder("data");
    WriteBytes(koi[MemberKind::Mesh], MeshBytes(600, 320, 200));
    dialogs.Files.push_back(ShownPath(koi[MemberKind::Mesh]));
    dlg.OnChooseMesh();     // no body texture yet
    dlg.OnCreateCombined(); // and so nothing to pack
    WriteBytes(koi[MemberKind::BodyTexture], Pattern(400, 1));
    WriteBytes(koi[MemberKind::EyeTexture], Pattern(100, 3));
    dialogs.Files.push_back(ShownPath(koi[MemberKind::Mesh]));
    dlg.OnChooseMesh();
    dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
    dlg.OnCreateCombined();
    dlg.OnCreateCombined(); // made again
    dialogs.Files.push_back(ShownPath(Path("data/koi.pgdaf")));
    dlg.OnChooseCombined();
    dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Ok};
    dlg.OnSplitCombined(); // asks before each file it would replace
    WriteBytes(Path("data/bad.pgdaf"), "PGDAF but far too short");
    dialogs.Files.push_back(ShownPath(Path("data/bad.pgdaf")));
    dlg.OnChooseCombined();
    dlg.OnSplitCombined();

    EXPECT_GE(dialogs.Messages.size(), 6u);
    for (const auto& shown : dialogs.Messages) {
        EXPECT_FALSE(HasJapanese(shown.Text)) << shown.Text.toStdString();
        EXPECT_FALSE(HasJapanese(shown.Caption)) << shown.Caption.toStdString();
    }
    EXPECT_TRUE(dialogs.Texts().contains("There is no body texture"))
        << dialogs.Texts().join('\n').toStdString();
}

TEST_F(EnglishTest, TheCommandLineSpeaksOneLanguageUnderEveryLocale) {
    // The command line speaks English in both languages: its usage and its
    // refusals are the same under a Japanese locale, an English one and
    // either --lang.
    const QProcessEnvironment base = ProgramEnvironment(Folder("config"));
    QStringList usages, refusals;
    for (const auto& [variable, value, lang] :
         std::vector<std::tuple<const char*, const char*, QStringList>>{
             {"LANG", "ja_JP.UTF-8", {}},
             {"LANGUAGE", "ja", {}},
             {"LANG", "en_US.UTF-8", {}},
             {"LANG", "ja_JP.UTF-8", {"--lang", "en"}},
             {"LANG", "en_US.UTF-8", {"--lang=ja"}}}) {
        QProcessEnvironment env = base;
        env.remove("LC_ALL");
        env.insert(variable, value);
        const ProgramRun usage = RunProgram(lang + QStringList{"frobnicate"}, env);
        EXPECT_EQ(usage.ExitCode, 2);
        const ProgramRun refusal = RunProgram(lang + QStringList{"split", Path("none.pgdaf")}, env);
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
    const ProgramRun unknown = RunProgram({"--lang", "xx", "list", Path("none.pgdaf")}, base);
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Err.startsWith("pgpack: --lang takes en, ja, not 'xx'\nusage:"))
        << unknown.Err.toStdString();
}

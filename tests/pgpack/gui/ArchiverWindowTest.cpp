// The archiver dialog on screen (offscreen): every control where and as it
// should be, events reaching their handlers, and the version dialog; in
// English, every text of them and of a session's messages.

#include "ArchiverWindow.h"
#include "CVersionDlg.h"
#include "DialogFont.h"
#include "Language.h"
#include "ModelFiles.h"
#include "Paths.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

namespace {

class ArchiverWindowTest : public ScratchTest {
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

// The room a text needs inside its control: the frame of a button, the box
// of a check box.
int Room(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget)) return 6;
    if (qobject_cast<const QCheckBox*>(widget)) return 18;
    return 0;
}

// While it lives, the program speaks English; then Japanese again.
struct InEnglish {
    InEnglish() { EXPECT_TRUE(Language::Use(Language::English)); }
    ~InEnglish() { Language::Use(Language::Japanese); }
};

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

TEST_F(ArchiverWindowTest, BuildsEveryControlAtItsPlaceWithItsText) {
    ArchiverWindow window(&dialogs);
    const DialogUnits units(DialogFont());
    EXPECT_GT(units.BaseX(), 4);
    EXPECT_GT(units.BaseY(), 10);
    EXPECT_EQ(window.windowTitle(), "Vantel's Pelagor V Data archiver & separator");
    EXPECT_EQ(window.size(), units.ToPixels(QSize(358, 286)));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowIcon().isNull());

    const std::vector<DialogControl> layout = ArchiverDialogTemplate();
    QWidget* previous = nullptr;
    for (const DialogControl& control : layout) {
        if (control.Id == ControlId::Static) continue;
        SCOPED_TRACE(control.Id);
        QWidget* widget = window.ControlWidget(control.Id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), units.ToPixels(control.Units));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), control.Text);
            EXPECT_EQ(button->isDefault(), control.Id == ControlId::Exit);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            EXPECT_EQ(box->text(), "眼のテクスチュアファイルをクリアしない");
            EXPECT_FALSE(box->isChecked());
        } else {
            auto* field = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->isReadOnly(), control.Id == ControlId::DataDirectory ||
                                               control.Id == ControlId::WorkDirectory);
        }
        const QString text = control.Kind == ControlKind::Edit ? QString() : control.Text;
        EXPECT_LE(widget->fontMetrics().horizontalAdvance(text) + Room(widget), widget->width())
            << "clipped: " << text.toStdString();
        if (previous) {
            QWidget* next = previous->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
            EXPECT_EQ(next, widget) << "tab order";
        }
        previous = widget;
    }
    EXPECT_EQ(qobject_cast<QPushButton*>(window.ControlWidget(1))->text(), "終了");

    QStringList labels;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        labels << label->text();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
    labels.sort();
    EXPECT_EQ(labels, QStringList({"体のテクスチュア", "胸ビレのテクスチュア"}));

    auto* work = qobject_cast<QLineEdit*>(window.ControlWidget(ControlId::WorkDirectory));
    auto* data = qobject_cast<QLineEdit*>(window.ControlWidget(ControlId::DataDirectory));
    EXPECT_EQ(work->text(), ShownPath(Path("")));
    EXPECT_EQ(data->text(), ShownPath(Path("data/")));
}

TEST_F(ArchiverWindowTest, EventsReachTheHandlersAndEnterClosesTheDialog) {
    ArchiverWindow window(&dialogs);
    const QString mesh = Folder("fish") + "koi.pgx";
    WriteBytes(mesh, MeshBytes(100, 1, 1));
    WriteBytes(Path("fish/koi_tx.bmp"), Pattern(10, 1));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    dialogs.Files.push_back(mesh);
    QTest::mouseClick(window.ControlWidget(ControlId::ChooseMesh), Qt::LeftButton);
    auto* meshField = qobject_cast<QLineEdit*>(window.ControlWidget(ControlId::MeshPath));
    EXPECT_EQ(meshField->text(), ShownPath(mesh));
    EXPECT_EQ(qobject_cast<QLineEdit*>(window.ControlWidget(ControlId::BodyTexturePath))->text(),
              ShownPath(Path("fish/koi_tx.bmp")));

    // The check box and typed text reach the dialog's record.
    QTest::mouseClick(window.ControlWidget(ControlId::KeepEyeTexture), Qt::LeftButton);
    EXPECT_TRUE(window.Dlg().Control(ControlId::KeepEyeTexture).Checked);
    auto* eyeField = qobject_cast<QLineEdit*>(window.ControlWidget(ControlId::EyeTexturePath));
    QTest::keyClicks(eyeField, "e");
    EXPECT_EQ(window.Dlg().Control(ControlId::EyeTexturePath).Text, "e");

    // Typing in field 1001 derives again: the body texture is now missing.
    QFile::remove(Path("fish/koi_tx.bmp"));
    dialogs.Messages.clear();
    QTest::keyClicks(meshField, "ab");
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"胴体のテクスチュアがありません", "胴体のテクスチュアがありません"}));

    // Enter in a field presses the default button "終了".
    QTest::keyClick(meshField, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(ArchiverWindowTest, TheContextMenuOffersTheVersionEntry) {
    ArchiverWindow window(&dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString entry;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* version = menu->findChild<QAction*>("VersionEntry");
        ASSERT_NE(version, nullptr);
        entry = version->text();
        QTest::keyClick(menu, Qt::Key_A); // the entry's access key
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 20),
                            window.mapToGlobal(QPoint(300, 20)));
    QApplication::sendEvent(&window, &event);
    EXPECT_EQ(entry, "Vantel's Pelagor V\u3000データアーカイバ のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(dialogs.VersionDialogs, 1);
}

TEST(VersionDialogTest, ShowsTheProgramsNameAndOk) {
    CVersionDlg dialog;
    const DialogUnits units(DialogFont());
    EXPECT_EQ(dialog.windowTitle(), "pgpackのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.size(), units.ToPixels(QSize(206, 56)));
    auto* text = dialog.findChild<QLabel*>("VersionText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Vantel's Pelagor V \nData archiver & separator");
    EXPECT_EQ(text->geometry(), units.ToPixels(QRect(33, 7, 107, 25)));
    EXPECT_TRUE(text->alignment() & Qt::AlignHCenter);
    for (const QString& line : text->text().split('\n'))
        EXPECT_LE(text->fontMetrics().horizontalAdvance(line), text->width());
    EXPECT_LE(text->fontMetrics().lineSpacing() * 2, text->height());
    auto* icon = dialog.findChild<QLabel*>("Icon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pos(), QPoint(units.X(11), units.Y(17)));
    auto* ok = dialog.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), units.ToPixels(QRect(149, 7, 50, 14)));
    dialog.show();
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ArchiverWindowTest, InEnglishTheDialogsAndTheMessagesOfASessionAreEnglishAndFit) {
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

} // namespace

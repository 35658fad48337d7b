// The editor's windows in English: every text of every window and dialog,
// after each step of a session through every tool, is English and fits its
// control.

#include "Language.h"
#include "MainWindow.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

namespace {

// Every text a window shows or offers: captions, labels, button texts,
// hints, menus and their entries.
QStringList WindowTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    std::set<const QAction*> seen;
    auto addAction = [&](auto& self, const QAction* action) -> void {
        if (!seen.insert(action).second) return;
        texts << action->text() << action->toolTip() << action->statusTip();
        if (const QMenu* menu = action->menu()) {
            texts << menu->title();
            for (const QAction* entry : menu->actions()) self(self, entry);
        }
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->statusTip() << w->whatsThis();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        for (const QAction* action : w->actions()) addAction(addAction, action);
    }
    texts.removeAll(QString());
    return texts;
}

// The room a text needs inside its control besides the text itself: the
// frame of a button, the box of a check box.
int Room(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QToolButton*>(widget))
        return 6;
    if (qobject_cast<const QCheckBox*>(widget)) return 18;
    return 0;
}

// Every visible text of a window that is wider than its control.
QStringList Clipped(QWidget* window) {
    QStringList clipped;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window)) continue;
        QString text;
        int room = w->width();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
            text = label->text();
            room = label->contentsRect().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            auto* tool = qobject_cast<QToolButton*>(w);
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
                continue;
            text = button->text();
            room -= Room(w);
        }
        text.remove(u'&');
        if (!text.isEmpty() && w->fontMetrics().horizontalAdvance(text) > room)
            clipped << QStringLiteral("%1 \"%2\": %3 pixels in %4")
                           .arg(w->objectName(), text)
                           .arg(w->fontMetrics().horizontalAdvance(text))
                           .arg(room);
    }
    return clipped;
}

// The windows of the application that are open now.
QList<QWidget*> OpenWindows() {
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) open << w;
    return open;
}

} // namespace

TEST(English, EveryWindowAndMessageOfASessionThroughEveryToolIsEnglishAndFits) {
    const test::SpokenLanguage english(Language::English);
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    {
        MainWindow window(&dialogs);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto check = [&](const QString& step) {
            QApplication::processEvents();
            for (QWidget* open : OpenWindows()) {
                for (const QString& text : WindowTexts(open))
                    EXPECT_FALSE(test::HasJapanese(text))
                        << step.toStdString() << ", " << open->objectName().toStdString() << ": "
                        << text.toStdString();
                EXPECT_EQ(Clipped(open), QStringList())
                    << step.toStdString() << ", " << open->objectName().toStdString();
            }
        };
        check("before a picture");
        // A picture that is refused, then one that opens.
        dialogs.openAnswers = {
            test::WriteFile(dir, "noise.bmp", "BM not a picture"),
            test::SaveBmp(dir, "fish.bmp",
                          test::Picture(121, 61, {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41)}))};
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(window.findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
        check("opened");
        for (const char* tool :
             {"SpeedButton5", "SpeedButton4", "SpeedButton6", "SpeedButton7", "SpeedButton8",
              "SpeedButton9", "SpeedButton10", "SpeedButton12", "SpeedButton13", "SpeedButton2",
              "SpeedButton3", "PreviewButton", "SpeedButton11"}) {
            auto* button = window.findChild<QToolButton*>(tool);
            ASSERT_NE(button, nullptr) << tool;
            if (button->isVisible() && button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
            check(QString::fromLatin1(tool));
        }
        window.Dispatch([&] { window.Form().Version1Click(); });
        check("version");
        // Saving the body texture twice: the second asks before it replaces.
        for (int i = 0; i < 2; ++i) window.Action(QStringLiteral("SaveBodyTexture"))->trigger();
        check("texture");
        for (QWidget* open : OpenWindows())
            if (open != &window) open->close();
    }
    EXPECT_GE(dialogs.messages.size(), 3) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(dialogs.questions.size(), 1);
    for (const QString& text : dialogs.messages + dialogs.questions + dialogs.filters)
        EXPECT_FALSE(test::HasJapanese(text)) << text.toStdString();
}

TEST(English, TheJapaneseWindowIsTodaysAndEnglishChangesOnlyTheTexts) {
    // The same window in both languages: the same controls at the same
    // places and of the same sizes, but for the labels, which take the
    // width of their text.
    auto layout = [] {
        test::ScriptedDialogs dialogs;
        MainWindow window(&dialogs);
        QStringList places;
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            const QRect r = w->geometry();
            places << QStringLiteral("%1 at %2,%3").arg(w->objectName()).arg(r.x()).arg(r.y());
            if (!qobject_cast<const QLabel*>(w))
                places.last() += QStringLiteral(" %1 x %2").arg(r.width()).arg(r.height());
        }
        return std::pair{places, window.findChild<QLabel*>("Label4")->text()};
    };
    const auto japanese = layout();
    EXPECT_EQ(japanese.second, QStringLiteral("横分割ピクセル数"));
    const test::SpokenLanguage english(Language::English);
    const auto inEnglish = layout();
    EXPECT_EQ(inEnglish.first, japanese.first);
    EXPECT_EQ(inEnglish.second, QStringLiteral("Step (pixels)"));
}

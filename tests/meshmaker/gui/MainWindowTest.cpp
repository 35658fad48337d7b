// The editor's windows, offscreen: built with their controls, and wired to
// the form's handlers.

#include "MainWindow.h"
#include "EyeDesignerWindow.h"
#include "PgxWriter.h"
#include "PreviewWindow.h"
#include "TForm3.h"
#include "TestSupport.h"
#include "Texts.h"
#include "VersionDialog.h"
#include "Views.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

template <typename W = QWidget> W* Find(QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

struct Shown {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    MainWindow window{&dialogs};
    Shown() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Open(const QImage& picture) {
        const QString path = test::SaveBmp(dir, "fish.bmp", picture);
        window.Dispatch([&] { window.Form().OpenPicture(path); });
    }
};

QImage FishPicture() {
    return test::Picture(121, 61,
                         {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8)});
}

// What the screen shows of a rectangle of a widget once the pending paints
// are done: what was painted, not what a fresh paint would give, so a view
// that was never asked to repaint shows its old pixels.
QImage OnScreen(QWidget* widget, const QRect& rect) {
    QApplication::processEvents();
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, rect.topLeft());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(MainWindow, ShowsEveryControlAsItsRecordSays) {
    Shown s;
    const TForm1& form = s.window.Form();
    EXPECT_EQ(s.window.windowTitle(), form.Caption);
    for (const auto& [name, record] : form.NamedControls()) {
        QWidget* w = Find(s.window, name);
        if (!w) continue;
        // Views and scroll bars lie below the tool panel, in the scrolled area.
        const bool scrolled = record->Geometry.top() >= ToolPanelHeight;
        const QRect expected = record->Geometry.translated(0, scrolled ? -ToolPanelHeight : 0);
        if (qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(w->pos(), expected.topLeft()) << name; // labels take their text's size
            EXPECT_EQ(static_cast<QLabel*>(w)->text(), static_cast<const Label*>(record)->Caption)
                << name;
        } else {
            EXPECT_EQ(w->geometry(), expected) << name;
        }
        EXPECT_EQ(w->toolTip(), record->Hint) << name;
        EXPECT_EQ(w->isVisible(), record->Visible) << name;
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_EQ(box->isChecked(), static_cast<const CheckBox*>(record)->Checked) << name;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->text(), static_cast<const Edit*>(record)->Text) << name;
        }
    }
    EXPECT_EQ(Find<QPushButton>(s.window, "Button1")->text(), form.Button1.Caption);
    for (const char* name : {"SpeedButton1", "SpeedButton5", "SpeedButton13", "PreviewButton"})
        EXPECT_FALSE(Find<QToolButton>(s.window, name)->icon().isNull()) << name;
    QStringList menus;
    for (QAction* a : s.window.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "Zoom", "View", "Version"}));
    QAction* view = s.window.menuBar()->actions()[3];
    ASSERT_NE(view->menu(), nullptr);
    ASSERT_EQ(view->menu()->actions().size(), 1);
    EXPECT_EQ(view->menu()->actions()[0]->text(), "3D Preview");
    EXPECT_EQ(view->menu()->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_3));
    EXPECT_EQ(view->menu()->actions()[0], s.window.Action("PreviewButton"))
        << "the menu entry and the tool button are one command";
    EXPECT_EQ(s.window.font().pixelSize(), 12);
}

TEST(MainWindow, SaveIsOfferedOnlyOnceAPictureIsOpen) {
    Shown s;
    EXPECT_FALSE(s.window.Action("Saveas1")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>(s.window, "SpeedButton11")->isEnabled());
    s.Open(FishPicture());
    EXPECT_TRUE(s.window.Action("Saveas1")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>(s.window, "SpeedButton11")->isEnabled());
}

TEST(MainWindow, ButtonsFieldsAndBoxesReachTheirHandlers) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton4"), Qt::LeftButton);
    EXPECT_EQ(form.Ui.Mode, Editing(Tool::Tail));
    EXPECT_TRUE(Find<QCheckBox>(s.window, "CheckBox2")->isChecked());

    // A release on a ticked box clears it, and it stays clear on a second click.
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(Find<QCheckBox>(s.window, "CheckBox2"), Qt::LeftButton);
        EXPECT_FALSE(Find<QCheckBox>(s.window, "CheckBox2")->isChecked());
        EXPECT_EQ(form.Current().TailLast, 0);
    }
    // The box without a handler just toggles, and the fish does not change.
    const int revision = form.Document.Revision();
    QTest::mouseClick(Find<QCheckBox>(s.window, "CheckBox7"), Qt::LeftButton);
    EXPECT_TRUE(form.CheckBox7.Checked);
    EXPECT_TRUE(Find<QCheckBox>(s.window, "CheckBox7")->isChecked());
    EXPECT_EQ(form.Document.Revision(), revision);

    QLineEdit* edit1 = Find<QLineEdit>(s.window, "Edit1");
    edit1->setFocus();
    edit1->selectAll();
    QTest::keyClicks(edit1, "0");
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(form.Current().Steps[TailStep], 2);
    EXPECT_EQ(edit1->text(), "2");

    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(form.Ui.Zoom, 2);
    EXPECT_EQ(Find<QLabel>(s.window, "Label1")->text(), "x2");
    EXPECT_EQ(Find(s.window, "Image1")->size(), QSize(240, 120));
}

TEST(MainWindow, TheScreenShowsWhatTheViewsRenderAfterEveryEvent) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QWidget* image1 = Find(s.window, "Image1");
    const QRect corner(0, 0, 200, 120);
    // Each event changes what the side view shows; the screen must follow.
    const std::pair<const char*, std::function<void()>> events[] = {
        {"zoom", [&] { form.x41Click(); }},
        {"tail tool", [&] { form.SpeedButton4Click(); }},
        {"body point moved",
         [&] {
             form.SpeedButton5Click();
             form.Image1MouseDown(MouseButton::Left, {.Left = true}, 0, 80);
         }},
        {"pick put down", [&] { form.Image1MouseUp(MouseButton::Left, {}, 0, 40); }},
        {"tail position", [&] { form.SetScrollBar1Position(30); }},
    };
    for (const auto& [name, event] : events) {
        const QImage before = OnScreen(image1, corner);
        s.window.Dispatch(event);
        const QImage rendered = RenderSideView(form, corner);
        EXPECT_NE(rendered, before) << name;                   // the event changed the view ...
        EXPECT_EQ(OnScreen(image1, corner), rendered) << name; // ... and the screen shows it
    }
    EXPECT_EQ(Find<QScrollBar>(s.window, "ScrollBar1")->value(), 30);
}

TEST(MainWindow, VersionDialogOpensCentredAndOkHidesIt) {
    Shown s;
    s.window.Dispatch([&] { s.window.Form().Version1Click(); });
    VersionDialog* dialog = s.window.Form2Window();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Version情報");
    EXPECT_EQ(dialog->size(), QSize(395, 168));
    EXPECT_EQ(Find<QLabel>(*dialog, "VersionText")->text(),
              "Vantel's Pelagor3D Data Maker Version 2.50h");
    EXPECT_EQ(Find(*dialog, "VersionText")->geometry(), QRect(17, 80, 360, 20));
    QTest::mouseClick(Find<QPushButton>(*dialog, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(s.window.Form().Form2.Visible);
}

namespace {

// A press, a move and a release with the left button, in a view's pixels.
void Drag(QWidget* view, QPoint from, QPoint to) {
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace

TEST(MainWindow, DraggingOnTheSideViewBuildsAFinStrip) {
    Shown s;
    s.Open(FishPicture());
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton6"), Qt::LeftButton);
    EXPECT_EQ(s.window.Form().Ui.Mode, Drawing(Tool::Dorsal));
    const int revision = s.window.Form().Document.Revision();
    Drag(Find(s.window, "Image1"), QPoint(62, 19), QPoint(38, 5));
    EXPECT_GT(s.window.Form().Document.Revision(), revision); // the drag changed the fish
    EXPECT_EQ(s.window.Form().Ui.Mode, Editing(Tool::Dorsal));
    EXPECT_GT(s.window.Form().Current().DorsalLast, 0);
    EXPECT_TRUE(Find<QCheckBox>(s.window, "CheckBox3")->isChecked());
    EXPECT_EQ(Find<QLabel>(s.window, "Label2")->text(), "");
}

TEST(MainWindow, DraggingOnTheFrontAndTopViewsReshapesTheBody) {
    Shown s;
    s.Open(FishPicture());
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton10"), Qt::LeftButton);
    const Fish& st = s.window.Form().Current();
    QWidget* image2 = Find(s.window, "Image2");
    QWidget* image3 = Find(s.window, "Image3");
    ASSERT_TRUE(image2->isVisible());
    ASSERT_TRUE(image3->isVisible());
    EXPECT_TRUE(Find<QToolButton>(s.window, "SpeedButton12")->isVisible());
    const QPoint vertex(int(std::lround(st.SectionZ[2])), int(std::lround(st.SectionY[2])));
    Drag(image2, vertex, QPoint(4, 0));
    EXPECT_EQ(st.SectionZ[2], 4);
    const int column = st.TopPeakIndex + 1;
    const QPoint handle(int(std::lround(st.TopX[column])), int(std::lround(st.TopW[column])));
    Drag(image3, handle, QPoint(handle.x(), 1));
    EXPECT_EQ(st.TopW[column], 1);
}

TEST(MainWindow, TheEyeIsPlacedSizedAndSaved) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton10"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton13"), Qt::LeftButton);
    QWidget* designer = s.window.Form3Window();
    EXPECT_TRUE(designer->isVisible());
    QWidget* image1 = Find(s.window, "Image1");
    QTest::mouseMove(image1, QPoint(20, 28));
    EXPECT_EQ(form.Form3().Design().X, 20);
    QTest::mouseClick(image1, Qt::LeftButton, Qt::NoModifier, QPoint(22, 27));
    EXPECT_EQ(form.Ui.Mode, Editing(Tool::Eye));
    QTest::mouseClick(Find(*designer, "Image1"), Qt::LeftButton, Qt::NoModifier, QPoint(120, 100));
    EXPECT_EQ(form.Form3().Design().Radius, 4);
    QTest::mouseClick(Find<QPushButton>(*designer, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(designer->isVisible());
    EXPECT_TRUE(Find<QCheckBox>(s.window, "CheckBox9")->isChecked());

    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton11"), Qt::LeftButton);
    EXPECT_EQ(s.dialogs.messages, QStringList{"Dataファイルを書き出しました"});
    QFile pgx(s.dir.filePath("fish.pgx"));
    ASSERT_TRUE(pgx.open(QIODevice::ReadOnly));
    const QByteArray bytes = pgx.readAll();
    ASSERT_GT(bytes.size(), 40);
    EXPECT_EQ(bytes[9], 1); // the eye record ends the file
}

// Every tool on the sample fish, as a person sees it. The window shows what
// the renderers draw in each mode; with MESHMAKER_SCREENSHOT_DIR set, each
// step is also saved as a picture.
TEST(MainWindow, EveryToolOnTheSampleFish) {
    Shown s;
    s.window.Dispatch([&] { s.window.Form().OpenPicture(SAMPLE_FISH); });
    TForm1& form = s.window.Form();
    QWidget* image1 = Find(s.window, "Image1");
    const QString dir = qEnvironmentVariable("MESHMAKER_SCREENSHOT_DIR");
    auto look = [&](const char* name) {
        QApplication::processEvents();
        const QRect visible = image1->visibleRegion().boundingRect();
        ASSERT_FALSE(visible.isEmpty()) << name;
        EXPECT_EQ(OnScreen(image1, visible), RenderSideView(form, visible)) << name;
        if (!dir.isEmpty()) s.window.grab().save(dir + "/" + name + ".png");
    };
    auto click = [&](const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(s.window, button), Qt::LeftButton);
    };
    auto drag = [&](QPoint from, QPoint to) {
        const int z = form.Ui.Zoom;
        QTest::mousePress(image1, Qt::LeftButton, Qt::NoModifier, from * z);
        QTest::mouseRelease(image1, Qt::LeftButton, Qt::NoModifier, to * z);
    };

    look("body-x1");
    click("SpeedButton4");
    look("tail-x1");
    click("SpeedButton6");
    // Halfway through the drag the rubber band shows the rectangle so far.
    QTest::mousePress(image1, Qt::LeftButton, Qt::NoModifier, QPoint(140, 10));
    QTest::mouseMove(image1, QPoint(200, 45));
    ASSERT_TRUE(form.SideBand);
    look("dorsal-band-x1");
    QTest::mouseRelease(image1, Qt::LeftButton, Qt::NoModifier, QPoint(230, 60));
    look("dorsal-x1");
    click("SpeedButton7");
    drag({121, 150}, {169, 191});
    look("ventral-x1");
    click("SpeedButton8");
    drag({220, 115}, {279, 164});
    look("anal-x1");
    click("SpeedButton9");
    for (QPoint p : {QPoint(82, 101), QPoint(124, 104), QPoint(100, 126)}) drag(p, p);
    look("pectoral-x1");
    click("Button1");
    drag({2, 105}, {18, 123});
    look("whisker-x1");
    click("SpeedButton10");
    look("front-top-x1");
    click("SpeedButton13");
    QTest::mouseMove(image1, QPoint(45, 82));
    QTest::mouseClick(image1, Qt::LeftButton, Qt::NoModifier, QPoint(45, 82));
    QTest::mouseClick(Find(*s.window.Form3Window(), "Image1"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(140, 100));
    if (!dir.isEmpty()) s.window.Form3Window()->grab().save(dir + "/eye-designer.png");
    QTest::mouseClick(Find<QPushButton>(*s.window.Form3Window(), "Button1"), Qt::LeftButton);
    EXPECT_EQ(form.Current().EyeRadius, 8);
    ASSERT_TRUE(form.SideEye);
    look("eye-placed-x1");

    click("SpeedButton2");
    click("SpeedButton2");
    for (auto [button, name] : {std::pair{"SpeedButton5", "body-x4"},
                                {"SpeedButton6", "dorsal-x4"},
                                {"SpeedButton9", "pectoral-x4"},
                                {"Button1", "whisker-x4"}}) {
        click(button);
        look(name);
    }
    click("SpeedButton10");
    look("front-top-x4");
    s.window.Dispatch([&] { form.Version1Click(); });
    EXPECT_TRUE(s.window.Form2Window()->isVisible());
    if (!dir.isEmpty()) s.window.Form2Window()->grab().save(dir + "/version.png");
}

TEST(MainWindow, TheFileMenuFlipsThePictureAndSavesItAsBodyTexture) {
    Shown s;
    QMenu* file = s.window.menuBar()->actions().first()->menu();
    ASSERT_NE(file, nullptr);
    QStringList entries;
    for (QAction* a : file->actions()) entries << a->text();
    EXPECT_EQ(entries, (QStringList{"Open Fish BMP File...", "Flip horizontally", "Save (PGX File)",
                                    "Save picture as body texture", "Exit"}));
    QAction* flip = s.window.Action("FlipHorizontally");
    QAction* texture = s.window.Action("SaveBodyTexture");
    EXPECT_TRUE(flip->isCheckable());
    EXPECT_FALSE(flip->isChecked());
    EXPECT_FALSE(texture->isEnabled());

    const QImage picture = FishPicture();
    s.Open(picture);
    EXPECT_TRUE(texture->isEnabled());
    flip->trigger();
    EXPECT_TRUE(flip->isChecked());
    EXPECT_TRUE(s.window.Form().Picture.Mirrored);
    EXPECT_EQ(s.window.Form().Picture.PictureBitmap,
              picture.mirrored(true, false).convertToFormat(QImage::Format_RGB32));

    texture->trigger();
    const QString written = s.dir.filePath("fish_tx.bmp");
    EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB32),
              s.window.Form().Picture.PictureBitmap);
    s.dialogs.yesNoAnswers = {false};
    texture->trigger();
    EXPECT_EQ(s.dialogs.questions.size(), 1);

    flip->trigger();
    EXPECT_FALSE(flip->isChecked());
    EXPECT_FALSE(s.window.Form().Picture.Mirrored);
}

// Offscreen there is no OpenGL (the runner sees to it): the 3-D view's window
// shows its message in place of the view, and the editor goes on as before.
TEST(MainWindow, WithoutOpenGLThePreviewShowsItsMessageAndTheEditorStillSaves) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QTest::mouseClick(Find<QToolButton>(s.window, "PreviewButton"), Qt::LeftButton);
    auto* preview =
        dynamic_cast<PreviewWindow*>(s.window.findChild<QWidget*>(QStringLiteral("PreviewWindow")));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->isWindow());
    EXPECT_EQ(preview->windowTitle(), "3D Preview - fish.bmp");
    EXPECT_EQ(preview->View(), nullptr);
    EXPECT_EQ(preview->findChild<QOpenGLWidget*>(), nullptr);
    EXPECT_EQ(preview->Message(), Texts::NoOpenGL().arg(Texts::NoOpenGLContext()));
    auto* message = preview->findChild<QLabel*>(QStringLiteral("NoOpenGL"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(message->text().contains(u'\n')) << "one line";

    // A drag on the side view with the window open, an edit, a save.
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton5"), Qt::LeftButton);
    QWidget* image1 = Find(s.window, "Image1");
    const QPoint point(int(form.Current().BodyX[2]), int(form.Current().BodyY[2]));
    QTest::mousePress(image1, Qt::LeftButton, Qt::NoModifier, point);
    QMouseEvent move(QEvent::MouseMove, QPointF(point + QPoint(0, -3)),
                     QPointF(image1->mapToGlobal(point + QPoint(0, -3))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image1, &move);
    QTest::mouseRelease(image1, Qt::LeftButton, Qt::NoModifier, point + QPoint(0, -3));
    EXPECT_EQ(form.Current().BodyY[2], point.y() - 3);
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton11"), Qt::LeftButton);
    EXPECT_EQ(s.dialogs.messages, QStringList{"Dataファイルを書き出しました"});
    EXPECT_EQ(test::FileBytes(s.dir.filePath("fish.pgx")),
              BuildPgxBytes(form.Current(), form.Picture));

    // Closed and opened again, it is the same window.
    preview->close();
    s.window.Action("PreviewButton")->trigger();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(s.window.findChildren<QWidget*>(QStringLiteral("PreviewWindow")).size(), 1);
}

TEST(MainWindow, UndoAndRedoNameTheirStepAndAnswerTheirKeys) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QAction *undo = s.window.Action("Undo1"), *redo = s.window.Action("Redo1");
    QMenu* edit = nullptr;
    for (QAction* a : s.window.menuBar()->actions())
        if (a->text() == "Edit") edit = a->menu();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->actions(), (QList<QAction*>{undo, redo}));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo");
    EXPECT_EQ(redo->text(), "Redo");

    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton6"), Qt::LeftButton);
    const Fish before = form.Current();
    Drag(Find(s.window, "Image1"), QPoint(62, 19), QPoint(38, 5));
    const Fish after = form.Current();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo: draw dorsal fin");

    // The keys work while a field has the focus, as long as it has no typing of its own.
    QLineEdit* edit1 = Find<QLineEdit>(s.window, "Edit1");
    edit1->setFocus();
    const struct Key {
        const char* name;
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        bool undone;
    } keys[] = {{"Ctrl+Z", Qt::ControlModifier, Qt::Key_Z, true},
                {"Ctrl+Shift+Z", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, false},
                {"Ctrl+Z again", Qt::ControlModifier, Qt::Key_Z, true},
                {"Ctrl+Y", Qt::ControlModifier, Qt::Key_Y, false}};
    for (const Key& k : keys) {
        QTest::keyClick(edit1, k.key, k.modifiers);
        EXPECT_TRUE(form.Current() == (k.undone ? before : after)) << k.name;
        EXPECT_EQ(Find<QCheckBox>(s.window, "CheckBox3")->isChecked(), !k.undone) << k.name;
        EXPECT_EQ(redo->text(), k.undone ? "Redo: draw dorsal fin" : "Redo") << k.name;
    }
    QTest::keyClicks(edit1, "7");
    QTest::keyClick(edit1, Qt::Key_Z, Qt::ControlModifier); // takes back the typing only
    EXPECT_TRUE(form.Current() == after);
    EXPECT_EQ(edit1->text(), form.Edit1.Text);
    QTest::keyClick(edit1, Qt::Key_Z, Qt::ControlModifier); // then the window's step
    EXPECT_TRUE(form.Current() == before);

    // A step that waits for its last event (a rectangle pressed, not yet
    // released) is named by the entry, and taken back by it.
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton8"), Qt::LeftButton);
    const Fish beforeAnal = form.Current();
    QTest::mousePress(Find(s.window, "Image1"), Qt::LeftButton, {}, QPoint(70, 45));
    ASSERT_TRUE(form.History.Pending());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo: draw anal fin");
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_TRUE(form.Current() == beforeAnal);
    EXPECT_FALSE(form.History.Pending());
    EXPECT_EQ(redo->text(), "Redo: draw anal fin");
}

TEST(MainWindow, ThePressedToolTheValuesAndTheStatusBarShowTheirRecords) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    auto checked = [&] {
        QStringList names;
        for (const char* name :
             {"SpeedButton5", "SpeedButton4", "SpeedButton6", "SpeedButton7", "SpeedButton8",
              "SpeedButton9", "Button1", "SpeedButton10", "SpeedButton12", "SpeedButton13"})
            if (Find<QAbstractButton>(s.window, name)->isChecked()) names << name;
        return names;
    };
    EXPECT_EQ(checked(), QStringList{"SpeedButton5"});
    for (const char* tool : {"SpeedButton4", "SpeedButton5", "SpeedButton6", "Button1"}) {
        // Clicking the pressed tool again leaves it pressed.
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(Find<QAbstractButton>(s.window, tool), Qt::LeftButton);
        EXPECT_EQ(checked(), QStringList{tool});
    }

    QTest::mouseMove(Find(s.window, "Image1"), QPoint(30, 25));
    const std::pair<const char*, const Label*> status[] = {{"StatusPicture", &form.Status.Picture},
                                                           {"StatusZoom", &form.Status.Zoom},
                                                           {"StatusPointer", &form.Status.Pointer}};
    for (auto [name, record] : status) {
        EXPECT_FALSE(record->Caption.isEmpty()) << name;
        EXPECT_EQ(Find<QLabel>(*s.window.statusBar(), name)->text(), record->Caption) << name;
    }
    EXPECT_EQ(form.Status.Pointer.Caption, "x 30, y 25   RGB 240, 128, 32");

    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton10"), Qt::LeftButton);
    for (const char* name : {"TailValue", "ThicknessValue", "PeakValue"}) {
        QLabel* value = Find<QLabel>(s.window, name);
        EXPECT_TRUE(value->isVisible()) << name;
        EXPECT_FALSE(value->text().isEmpty()) << name;
    }
    EXPECT_EQ(Find<QLabel>(s.window, "TailValue")->text(),
              QString::number(Find<QScrollBar>(s.window, "ScrollBar1")->value()));
}

TEST(MainWindow, TheRubberBandIsOnTheScreenWhileTheRectangleIsDragged) {
    Shown s;
    s.Open(FishPicture());
    TForm1& form = s.window.Form();
    QWidget* image1 = Find(s.window, "Image1");
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton7"), Qt::LeftButton);
    QTest::mousePress(image1, Qt::LeftButton, Qt::NoModifier, QPoint(30, 41));
    QTest::mouseMove(image1, QPoint(60, 58));
    ASSERT_TRUE(form.SideBand);
    const QRect corner(0, 0, 100, 60);
    const QImage screen = OnScreen(image1, corner);
    EXPECT_EQ(screen, RenderSideView(form, corner));
    EXPECT_EQ(screen.pixel(45, 41), 0xFF000000u); // the band's upper edge
    QTest::mouseRelease(image1, Qt::LeftButton, Qt::NoModifier, QPoint(60, 58));
    EXPECT_FALSE(form.SideBand);
    EXPECT_EQ(OnScreen(image1, corner), RenderSideView(form, corner));
}

TEST(EyeDesignerWindow, AClickOnASlidersTrackMovesItByAPage) {
    Shown s;
    s.Open(FishPicture());
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton10"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>(s.window, "SpeedButton13"), Qt::LeftButton);
    QWidget* designer = s.window.Form3Window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(designer));
    const TForm3& eye = s.window.Form().Form3();
    const struct Case {
        const char* name;
        int page, before;
    } cases[] = {{"ScrollBar1", 3, eye.ScrollBar1.Position},
                 {"ScrollBar2", 30, eye.ScrollBar2.Position}};
    for (const Case& c : cases) {
        QScrollBar* bar = Find<QScrollBar>(*designer, c.name);
        EXPECT_EQ(bar->pageStep(), c.page) << c.name;
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() - 30, bar->height() / 2));
        EXPECT_EQ(bar->value(), c.before + c.page) << c.name;
    }
    EXPECT_EQ(eye.ScrollBar1.Position, cases[0].before + 3);
    EXPECT_EQ(eye.ScrollBar2.Position, cases[1].before + 30);
}

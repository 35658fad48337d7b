// The main window's frame through its handlers: opening, the division
// fields, the check boxes, zoom, the tail position and the version dialog.

#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"
#include "TestSupport.h"
#include "Views.h"

#include <QFile>

#include <gtest/gtest.h>

using test::Picture;

namespace {

struct Editor : test::OpenedEditor {
    QString Save(const QString& name, const QImage& picture) {
        return test::SaveBmp(dir, name, picture);
    }
};

// A 101 x 61 fish: body rows 20..40.
QImage Fish101() {
    return Picture(101, 61, {QRect(0, 20, 101, 21)});
}

} // namespace

TEST(OpenPicture, SetsUpTheEditorForANewFish) {
    Editor e;
    e.s.TailLast = 7; // nothing of an earlier fish stays
    e.s.EyeZ = 3;
    e.s.EyeX = 9;
    e.form.Edit1.Text = "30";
    e.Open(e.Save("fish.bmp", Fish101()));
    const Fish& s = e.s;
    // The BMP filter as it has always read, among "All pictures" and one a format.
    ASSERT_EQ(e.dialogs.filters.size(), 1);
    const QStringList filters = e.dialogs.filters[0].split(";;");
    EXPECT_EQ(
        filters,
        (QStringList{"All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff)",
                     "Windows BMP File (*.bmp)", "PNG File (*.png)", "JPEG File (*.jpg *.jpeg)",
                     "GIF File (*.gif)", "WebP File (*.webp)", "TIFF File (*.tif *.tiff)"}));
    EXPECT_EQ(e.pic.PicMaxX, 100);
    EXPECT_EQ(e.pic.PicMaxY, 60);
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(s.Steps[m], 12) << m;
    EXPECT_EQ(e.form.Edit1.Text, "12");
    EXPECT_EQ(e.form.Edit2.Text, "4");
    EXPECT_EQ(s.N(), 4);
    EXPECT_EQ(e.form.ScrollBar1.Min, 1);
    EXPECT_EQ(e.form.ScrollBar1.Max, 99);
    EXPECT_EQ(e.form.TailPosition(), 75);
    EXPECT_EQ(e.form.ScrollBar2.Min, 1);
    EXPECT_EQ(e.form.ScrollBar2.Max, 80);
    EXPECT_EQ(e.form.Thickness(), 40);
    EXPECT_EQ(e.ui.Mode, Editing(Tool::Body));
    EXPECT_EQ(e.ui.Zoom, 1);
    EXPECT_EQ(e.form.Label1.Caption, "x1");
    EXPECT_TRUE(s.BodyDone);
    EXPECT_TRUE(e.form.CheckBox1.Checked);
    EXPECT_EQ(s.BodyX[s.BodyLast], 75);
    EXPECT_EQ(s.TailLast, 0);
    EXPECT_FALSE(s.TailDone);
    EXPECT_EQ(s.EyeX, 0);
    EXPECT_EQ(s.EyeZ, 0);
    EXPECT_EQ(e.pic.PicturePath, e.dir.filePath("fish.bmp"));
    EXPECT_TRUE(e.form.ScrollBar1.Visible);
    EXPECT_FALSE(e.form.ScrollBar2.Visible);
    EXPECT_FALSE(e.form.Image2.Visible);
    EXPECT_EQ(e.form.Image1.Geometry, QRect(0, 97 + 16 + 10, 100, 60));
    EXPECT_TRUE(e.dialogs.messages.isEmpty());
}

TEST(OpenPicture, ClearsEveryStepAndHidesTheShapeTools) {
    Editor e;
    e.Open(e.Save("fish.bmp", Fish101()));
    e.Do([&] { e.form.SpeedButton4Click(); });
    e.Do([&] { e.form.SpeedButton10Click(); });
    e.Do([&] { e.form.SpeedButton13Click(); });
    ASSERT_TRUE(e.form.SpeedButton12.Visible);
    e.Open(e.Save("other.bmp", Fish101()));
    const Fish& s = e.s;
    for (bool flag : {s.TailDone, s.DorsalDone, s.VentralDone, s.AnalDone, s.PectoralDone,
                      s.FrontOn, s.WhiskerOn, s.EyeSolid, s.TopViewOn})
        EXPECT_FALSE(flag);
    for (const CheckBox* c : {&e.form.CheckBox2, &e.form.CheckBox7, &e.form.CheckBox9})
        EXPECT_FALSE(c->Checked);
    for (const Control* c :
         {(const Control*)&e.form.SpeedButton12, (const Control*)&e.form.SpeedButton13,
          (const Control*)&e.form.CheckBox9, (const Control*)&e.form.Image3,
          (const Control*)&e.form.ScrollBar4})
        EXPECT_FALSE(c->Visible);
}

TEST(OpenPicture, ASecondPictureSavesAsItWouldInAFreshEditor) {
    // A whole fish on picture A: every list, the section and top view, the eye.
    Editor e;
    e.Open(e.Save(
        "a.bmp",
        Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8), QRect(91, 10, 29, 41)})));
    TForm1& f = e.form;
    constexpr MouseState Left{.Left = true}, None{};
    auto drag = [&](int x0, int y0, int x1, int y1) {
        e.Do([&] { f.Image1MouseDown(MouseButton::Left, Left, x0, y0); });
        e.Do([&] { f.Image1MouseUp(MouseButton::Left, None, x1, y1); });
    };
    e.Do([&] { f.SpeedButton4Click(); });
    e.Do([&] { f.SpeedButton6Click(); });
    drag(38, 5, 62, 19);
    e.Do([&] { f.SpeedButton7Click(); });
    drag(30, 41, 60, 58);
    e.Do([&] { f.SpeedButton8Click(); });
    drag(60, 41, 80, 55);
    e.Do([&] { f.Button1Click(); });
    drag(2, 41, 20, 52);
    e.Do([&] { f.SpeedButton9Click(); });
    for (QPoint p : {QPoint(20, 30), QPoint(35, 32), QPoint(28, 38)})
        drag(p.x(), p.y(), p.x(), p.y());
    e.Do([&] { f.SpeedButton10Click(); });
    e.Do([&] { f.SpeedButton13Click(); });
    e.Do([&] { f.Image1MouseUp(MouseButton::Left, None, 20, 28); });
    e.Do([&] { f.Form3().Image1MouseUp(MouseButton::Left, 120, 100); });
    e.Do([&] { f.Form3().Button1Click(); });
    e.Do([&] { f.SpeedButton9Click(); }); // its prompt stays until another picture
    ASSERT_GT(f.Current().TailLast, 0);
    ASSERT_GT(f.Current().WhiskerLast, 0);
    ASSERT_FALSE(f.Label2.Caption.isEmpty());

    // Picture B, opened after A and opened in a fresh editor.
    const QString b =
        e.Save("b.bmp", Picture(101, 51, {QRect(0, 15, 80, 20), QRect(80, 5, 20, 40)}));
    e.Open(b);
    ASSERT_TRUE(f.SavePgx(e.dir.filePath("after-a.pgx")));
    Editor fresh;
    fresh.Open(b);
    ASSERT_TRUE(fresh.form.SavePgx(e.dir.filePath("fresh.pgx")));
    EXPECT_EQ(test::FileBytes(e.dir.filePath("after-a.pgx")),
              test::FileBytes(e.dir.filePath("fresh.pgx")));
    EXPECT_TRUE(f.Current() == fresh.form.Current());
    for (int last : {f.Current().TailLast, f.Current().DorsalLast, f.Current().VentralLast,
                     f.Current().AnalLast, f.Current().WhiskerLast})
        EXPECT_EQ(last, 0);
    EXPECT_EQ(f.Label2.Caption, "");
    // The front view no longer shows A's ventral and pectoral handles.
    e.Do([&] { f.SpeedButton10Click(); });
    fresh.Do([&] { fresh.form.SpeedButton10Click(); });
    const QRect front(QPoint(0, 0), f.Image2.Geometry.size());
    EXPECT_EQ(RenderFrontView(f, front), RenderFrontView(fresh.form, front));
}

TEST(OpenPicture, AFileThatCannotBeOpenedLeavesTheEditorAsItWas) {
    Editor e;
    e.Open(e.Save("fish.bmp", Fish101()));
    e.form.SpeedButton4Click();
    const Fish before = e.s;
    const EditorPicture picture = e.pic;
    QFile junk(e.dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM nonsense");
    junk.close();
    for (const QString& path : {junk.fileName(), e.Save("tiny.bmp", Picture(2, 2))}) {
        e.dialogs.messages.clear();
        e.Open(path);
        EXPECT_EQ(e.dialogs.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(e.pic.PicturePath, picture.PicturePath);
        EXPECT_EQ(e.pic.PictureBitmap, picture.PictureBitmap);
        EXPECT_TRUE(e.s == before);
    }
    // Cancelled or missing: nothing at all, not even a message.
    e.dialogs.messages.clear();
    e.Open(QString());
    e.Open(e.dir.filePath("missing.bmp"));
    EXPECT_TRUE(e.dialogs.messages.isEmpty());
    EXPECT_EQ(e.form.Picture.PicturePath, picture.PicturePath);
    EXPECT_TRUE(e.s == before);
}

TEST(HorizontalStep, FieldValuesAreCheckedAndTheCurrentListRebuilt) {
    struct Case {
        const char *typed, *shown;
    } cases[] = {{"0", "2"},   {"-3", "2"},  {"1", "1"},           {"33", "33"}, {"40", "33"},
                 {"abc", "5"}, {" 7 ", "7"}, {"99999999999", "5"}, {"", "5"}};
    for (const Case& c : cases) {
        Editor e;
        e.Open(e.Save("fish.bmp", Fish101()));
        e.form.Edit1.Text = c.typed;
        e.form.Edit1Exit();
        EXPECT_EQ(e.form.Edit1.Text, c.shown) << c.typed;
        const int step = QString(c.shown).toInt();
        EXPECT_EQ(e.form.Current().Steps[BodyStep], step) << c.typed;
        EXPECT_TRUE(e.form.Current().BodyDone);
        EXPECT_EQ(e.form.Current().BodyX[2], std::min(step, 75))
            << c.typed; // rebuilt with the new step
    }
}

TEST(HorizontalStep, EnterAppliesOtherKeysDoNotAndModesAbove5IgnoreIt) {
    Editor e;
    e.Open(e.Save("fish.bmp", Fish101()));
    e.form.Edit1.Text = "9";
    e.form.Edit1KeyPress('9');
    EXPECT_EQ(e.form.Current().Steps[BodyStep], 12);
    e.form.Edit1KeyPress(13);
    EXPECT_EQ(e.form.Current().Steps[BodyStep], 9);

    e.form.SpeedButton4Click(); // the tail: its own step
    EXPECT_EQ(e.form.Edit1.Text, "12");
    e.form.Edit1.Text = "6";
    e.form.Edit1Exit();
    EXPECT_EQ(e.form.Current().Steps[TailStep], 6);
    EXPECT_EQ(e.form.Current().TailX[2], 75 + 6);

    for (auto tool :
         {&TForm1::SpeedButton9Click, &TForm1::SpeedButton6Click}) { // modes 106 and 103
        (e.form.*tool)();
        const auto steps = e.form.Current().Steps;
        e.form.Edit1.Text = "20";
        e.form.Edit1Exit();
        EXPECT_EQ(e.form.Current().Steps, steps);
        EXPECT_EQ(e.form.Edit1.Text, "20");
    }
}

TEST(VerticalDivisions, FieldValuesAreKeptBetween1And10) {
    struct Case {
        const char *typed, *shown;
    } cases[] = {{"25", "10"}, {"x", "4"}, {"0", "1"}, {"-5", "1"}, {"7", "7"}};
    for (const Case& c : cases) {
        Editor e;
        e.Open(e.Save("fish.bmp", Fish101()));
        e.form.Edit2.Text = c.typed;
        e.form.Edit2KeyPress(13);
        EXPECT_EQ(e.form.Edit2.Text, c.shown) << c.typed;
        const int n = QString(c.shown).toInt();
        EXPECT_EQ(e.form.Current().N(), n);
        EXPECT_EQ(e.form.Current().SectionY[n], 40.2) << c.typed; // the section rebuilt with n rows
    }
}

TEST(StepCheckBoxes, AReleaseClearsTheStepWhateverTheBoxShowed) {
    struct Case {
        const char* name;
        void (TForm1::*release)();
        CheckBox TForm1::*box;
        bool Fish::*flag;
        int Fish::*last; // reset to 0, or null
    } cases[] = {
        {"CheckBox1", &TForm1::CheckBox1MouseUp, &TForm1::CheckBox1, &Fish::BodyDone, nullptr},
        {"CheckBox2", &TForm1::CheckBox2MouseUp, &TForm1::CheckBox2, &Fish::TailDone,
         &Fish::TailLast},
        {"CheckBox3", &TForm1::CheckBox3MouseUp, &TForm1::CheckBox3, &Fish::DorsalDone,
         &Fish::DorsalLast},
        {"CheckBox4", &TForm1::CheckBox4MouseUp, &TForm1::CheckBox4, &Fish::VentralDone,
         &Fish::VentralLast},
        {"CheckBox5", &TForm1::CheckBox5MouseUp, &TForm1::CheckBox5, &Fish::AnalDone,
         &Fish::AnalLast},
        {"CheckBox6", &TForm1::CheckBox6MouseUp, &TForm1::CheckBox6, &Fish::PectoralDone, nullptr},
        {"CheckBox8", &TForm1::CheckBox8MouseUp, &TForm1::CheckBox8, &Fish::WhiskerOn,
         &Fish::WhiskerLast},
        {"CheckBox9", &TForm1::CheckBox9MouseUp, &TForm1::CheckBox9, &Fish::EyeSolid, nullptr},
    };
    for (const Case& c : cases)
        for (bool shown : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << c.name << (shown ? ", shown ticked" : ", shown clear"));
            Editor e;
            e.Open(e.Save("fish.bmp", Fish101()));
            Fish& s = e.s;
            s.*c.flag = true;
            (e.form.*c.box).Checked = shown;
            if (c.last) s.*c.last = 9;
            const int bodyLast = s.BodyLast, revision = e.form.SideViewRevision;
            e.Do([&] { (e.form.*c.release)(); });
            EXPECT_FALSE((e.form.*c.box).Checked);
            EXPECT_FALSE(s.*c.flag);
            if (c.last) {
                EXPECT_EQ(s.*c.last, 0);
            }
            EXPECT_EQ(s.BodyLast, bodyLast);              // nothing rebuilt ...
            EXPECT_EQ(e.form.SideViewRevision, revision); // ... nothing redrawn
        }
}

TEST(Zoom, StaysBetween1And8AndLaysOutTheViews) {
    Editor e;
    e.form.SpeedButton2Click(); // before any picture
    EXPECT_EQ(e.form.Ui.Zoom, 1);
    e.Open(e.Save("fish.bmp", Fish101()));
    e.form.SpeedButton3Click();
    EXPECT_EQ(e.form.Ui.Zoom, 1);
    e.form.x81Click();
    e.form.SpeedButton2Click();
    EXPECT_EQ(e.form.Ui.Zoom, 8);
    EXPECT_EQ(e.form.Label1.Caption, "x8");
    EXPECT_EQ(e.form.Image1.Geometry, QRect(0, 123, 800, 480));
    EXPECT_EQ(e.form.Image2.Geometry, QRect(800, 124, 720, 480)); // 1.5 x the height
    e.form.SpeedButton3Click();
    EXPECT_EQ(e.form.Ui.Zoom, 4);
    EXPECT_EQ(e.form.Label1.Caption, "x4");

    Editor wide; // a long, low fish: half the width is more than 1.5 x the height
    wide.Open(wide.Save("eel.bmp", Picture(401, 21, {QRect(0, 5, 401, 10)})));
    EXPECT_EQ(wide.form.Image2.Geometry.width(), 200);
}

TEST(TailPosition, MovingItRetracesTheBodyAndUnticksTheTail) {
    Editor e;
    e.Open(e.Save("fish.bmp", Fish101()));
    e.Do([&] { e.form.SpeedButton4Click(); });
    ASSERT_TRUE(e.form.CheckBox2.Checked);
    e.Do([&] { e.form.SetScrollBar1Position(60); });
    EXPECT_EQ(e.form.Ui.Mode, Editing(Tool::Body));
    EXPECT_TRUE(e.form.CheckBox1.Checked);
    EXPECT_FALSE(e.form.CheckBox2.Checked);
    EXPECT_FALSE(e.form.Current().TailDone);
    EXPECT_EQ(e.form.Current().BodyX[e.form.Current().BodyLast], 60);
    EXPECT_EQ(e.form.Current().TailX[0], 75); // the tail strip is not rebuilt
    e.form.SetScrollBar1Position(500);        // moved as far as the bar goes
    EXPECT_EQ(e.form.TailPosition(), 99);
}

TEST(VersionDialog, IsCentredOnTheMainWindowWhereverItIs) {
    Editor e;
    e.form.Form2.Bounds.setSize(QSize(401, 190));
    e.form.Version1Click();
    EXPECT_TRUE(e.form.Form2.Visible);
    EXPECT_EQ(e.form.Form2.Bounds.topLeft(), QPoint(208 + 375 - 200, 200 + 287 - 95));
    e.form.Bounds.moveTo(10, 20);
    e.form.Version1Click();
    EXPECT_EQ(e.form.Form2.Bounds.topLeft(), QPoint(10 + 375 - 200, 20 + 287 - 95));
    e.form.Form2Button1Click();
    EXPECT_FALSE(e.form.Form2.Visible);
}

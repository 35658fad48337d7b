// What the editor shows of what is going on: the tool button held down, the
// rubber band of a rectangle being dragged, the eye on the side view, the
// step really used, the scroll bars' values and the status bar.

#include "TForm1.h"
#include "TForm3.h"
#include "TestSupport.h"
#include "Views.h"

#include <gtest/gtest.h>

#include <functional>

using test::Picture;

namespace {

constexpr MouseState Left{.Left = true};
constexpr MouseState None{};
constexpr QRgb Black = 0xFF000000u, White = 0xFFFFFFFFu;

QImage FishPicture() {
    return Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8), QRect(91, 10, 29, 41)});
}

struct Editor : test::OpenedEditor {
    Editor() : OpenedEditor(FishPicture()) {}
    using OpenedEditor::OpenedEditor;
    QImage Side() const {
        return RenderSideView(form, QRect(QPoint(0, 0), form.Image1.Geometry.size()));
    }
    std::vector<std::string> Down() const {
        const std::pair<const char*, const Button*> buttons[] = {
            {"SpeedButton1", &form.SpeedButton1},
            {"SpeedButton11", &form.SpeedButton11},
            {"SpeedButton2", &form.SpeedButton2},
            {"SpeedButton3", &form.SpeedButton3},
            {"SpeedButton5", &form.SpeedButton5},
            {"SpeedButton4", &form.SpeedButton4},
            {"SpeedButton6", &form.SpeedButton6},
            {"SpeedButton7", &form.SpeedButton7},
            {"SpeedButton8", &form.SpeedButton8},
            {"SpeedButton9", &form.SpeedButton9},
            {"Button1", &form.Button1},
            {"SpeedButton10", &form.SpeedButton10},
            {"SpeedButton12", &form.SpeedButton12},
            {"SpeedButton13", &form.SpeedButton13}};
        std::vector<std::string> down;
        for (auto [name, button] : buttons)
            if (button->Down) down.push_back(name);
        return down;
    }
};

} // namespace

TEST(Feedback, TheToolInUseStaysPressedOneAtATime) {
    Editor e;
    TForm1& f = e.form;
    const struct Case {
        const char* name;
        std::function<void()> run;
        const char* down; // nullptr: none
    } cases[] = {
        {"after the open: body", [] {}, "SpeedButton5"},
        {"tail", [&] { f.SpeedButton4Click(); }, "SpeedButton4"},
        {"dorsal, waiting for its rectangle", [&] { f.SpeedButton6Click(); }, "SpeedButton6"},
        {"ventral", [&] { f.SpeedButton7Click(); }, "SpeedButton7"},
        {"anal", [&] { f.SpeedButton8Click(); }, "SpeedButton8"},
        {"pectoral", [&] { f.SpeedButton9Click(); }, "SpeedButton9"},
        {"whisker", [&] { f.Button1Click(); }, "Button1"},
        {"the front tool ends in the whisker mode", [&] { f.SpeedButton10Click(); }, "Button1"},
        {"eye", [&] { f.SpeedButton13Click(); }, "SpeedButton13"},
        {"the designer's OK ends every tool", [&] { f.Form3().Button1Click(); }, nullptr},
        {"the tail position returns to the body", [&] { f.SetScrollBar1Position(70); },
         "SpeedButton5"},
    };
    for (const Case& c : cases) {
        e.Do(c.run);
        EXPECT_EQ(e.Down(), c.down ? std::vector<std::string>{c.down} : std::vector<std::string>{})
            << c.name;
    }
}

TEST(Feedback, ARubberBandFollowsTheDraggedRectangle) {
    Editor e;
    TForm1& f = e.form;
    e.Do([&] { f.x21Click(); });
    e.Do([&] { f.SpeedButton6Click(); });
    e.Do([&] { f.Image1MouseMove(None, 40, 40); }); // no press yet: no band
    EXPECT_FALSE(f.SideBand);
    e.Do([&] { f.Image1MouseDown(MouseButton::Left, Left, 76, 10); });
    const int revision = f.SideViewRevision;
    e.Do([&] { f.Image1MouseMove(Left, 124, 38); });
    ASSERT_TRUE(f.SideBand);
    EXPECT_EQ(*f.SideBand, (BandMark{QPoint(38, 5), QPoint(62, 19)}));
    EXPECT_GT(f.SideViewRevision, revision); // the view is drawn again
    const QImage band = e.Side();
    EXPECT_EQ(band.pixel(100, 10), Black); // its upper edge ...
    EXPECT_EQ(band.pixel(100, 11), White); // ... with a white line inside
    EXPECT_EQ(band.pixel(124, 30), Black); // its right edge
    EXPECT_EQ(band.pixel(123, 30), White);
    EXPECT_EQ(band.pixel(100, 20), RenderSideView(f, QRect(100, 20, 1, 1)).pixel(0, 0));
    e.Do([&] { f.Image1MouseUp(MouseButton::Left, None, 124, 38); });
    EXPECT_FALSE(f.SideBand);
    EXPECT_NE(e.Side().pixel(100, 11), White);

    // The whisker is dragged from right to left as well.
    e.Do([&] { f.Button1Click(); });
    e.Do([&] { f.Image1MouseDown(MouseButton::Left, Left, 40, 90); });
    e.Do([&] { f.Image1MouseMove(Left, 10, 104); });
    ASSERT_TRUE(f.SideBand);
    EXPECT_EQ(*f.SideBand, (BandMark{QPoint(20, 45), QPoint(5, 52)}));
    EXPECT_EQ(e.Side().pixel(20, 90), Black);  // its upper edge, from x 10 to 40
    EXPECT_EQ(e.Side().pixel(10, 100), Black); // its left edge, at the pointer
    // Another tool abandons the rectangle, and its band.
    e.Do([&] { f.SpeedButton5Click(); });
    EXPECT_FALSE(f.SideBand);
}

TEST(Feedback, ThePlacedEyeIsDrawnOnTheSideView) {
    Editor e;
    TForm1& f = e.form;
    e.Do([&] { f.x21Click(); });
    e.Do([&] { f.SpeedButton10Click(); });
    e.Do([&] { f.SpeedButton13Click(); });
    e.Do([&] { f.Image1MouseMove(None, 40, 56); });
    EXPECT_FALSE(f.SideEye); // following the pointer: not placed yet
    e.Do([&] { f.Image1MouseUp(MouseButton::Left, None, 40, 56); });
    ASSERT_TRUE(f.SideEye);
    EXPECT_EQ(*f.SideEye, (EyeMark{20, 28, 0}));
    e.Do([&] { f.Form3().Image1MouseUp(MouseButton::Left, 120, 100); }); // radius 4
    ASSERT_TRUE(f.SideEye);
    EXPECT_EQ(f.SideEye->Radius, 4);
    e.Do([&] { f.Form3().Button1Click(); });
    ASSERT_TRUE(f.SideEye); // the confirmed eye stays
    EXPECT_EQ(*f.SideEye, (EyeMark{20, 28, 4}));
    const QImage side = e.Side();
    // Three rings, black, white, black, at twice the radius around (40, 56).
    EXPECT_EQ(side.pixel(32, 56), Black);
    EXPECT_EQ(side.pixel(33, 56), White);
    EXPECT_EQ(side.pixel(34, 56), Black);
    EXPECT_EQ(side.pixel(40, 56), Black); // the centre
    e.Do([&] { f.CheckBox9MouseUp(); });
    EXPECT_FALSE(f.SideEye);
}

TEST(Feedback, TheStepFieldShowsTheStepReallyUsed) {
    // 1000 pixels wide: the body (0..749) holds 250 columns, so a step of 1
    // is really 4; the tail (749..998) holds 25, so 11.
    Editor e(Picture(1000, 61, {QRect(0, 20, 1000, 21)}));
    TForm1& f = e.form;
    const struct Case {
        const char* name;
        void (TForm1::*tool)();
        const char *typed, *shown;
    } cases[] = {{"body, too fine", &TForm1::SpeedButton5Click, "1", "4"},
                 {"body, fine enough", &TForm1::SpeedButton5Click, "6", "6"},
                 {"tail, too fine", &TForm1::SpeedButton4Click, "2", "11"}};
    for (const Case& c : cases) {
        e.Do([&] { (f.*c.tool)(); });
        f.Edit1.Text = c.typed;
        e.Do([&] { f.Edit1Exit(); });
        EXPECT_EQ(f.Edit1.Text, c.shown) << c.name;
        EXPECT_EQ(f.Current().Steps[std::size_t(RowOf(e.ui.Mode.Tool).StepSlot)],
                  f.Edit1.Text.toInt())
            << c.name;
        // Leaving the field again changes nothing.
        f.Edit1Exit();
        EXPECT_FALSE(f.AfterEvent()) << c.name;
    }
    EXPECT_EQ(f.Current().TailX[2] - f.Current().TailX[0], 11);
    e.Do([&] { f.SpeedButton5Click(); });
    EXPECT_EQ(f.Edit1.Text, "6");
}

TEST(Feedback, TheScrollBarsShowTheirValues) {
    Editor e;
    TForm1& f = e.form;
    auto expectValue = [&](const ScrollBar& bar, const Label& value, const char* name) {
        EXPECT_EQ(value.Caption, QString::number(bar.Position)) << name;
        EXPECT_EQ(value.Visible, bar.Visible) << name;
        EXPECT_EQ(value.Geometry.left(), bar.Geometry.right() + 5) << name;
        EXPECT_EQ(value.Geometry.top(), bar.Geometry.top()) << name;
    };
    EXPECT_EQ(f.ScrollBar1.Geometry.width() + ScrollValueWidth, f.Image1.Geometry.width());
    expectValue(f.ScrollBar1, f.TailValue, "tail");
    EXPECT_FALSE(f.ThicknessValue.Visible);
    e.Do([&] { f.SetScrollBar1Position(70); });
    EXPECT_EQ(f.TailValue.Caption, "70");
    e.Do([&] { f.SpeedButton10Click(); });
    e.Do([&] { f.SetScrollBar2Position(33); });
    e.Do([&] { f.x41Click(); });
    expectValue(f.ScrollBar1, f.TailValue, "tail at x4");
    expectValue(f.ScrollBar2, f.ThicknessValue, "thickness");
    expectValue(f.ScrollBar4, f.PeakValue, "peak");
    EXPECT_EQ(f.ThicknessValue.Caption, "33");
    EXPECT_TRUE(f.PeakValue.Visible);
}

TEST(Feedback, TheStatusBarGivesThePictureTheZoomAndThePointUnderThePointer) {
    test::OpenedEditor empty;
    EXPECT_EQ(empty.form.Status.Picture.Caption, "");
    EXPECT_EQ(empty.form.Status.Zoom.Caption, "");
    empty.Do([&] { empty.form.Image1MouseMove(None, 5, 5); });
    EXPECT_EQ(empty.form.Status.Pointer.Caption, "");

    Editor e;
    TForm1& f = e.form;
    EXPECT_EQ(f.Status.Picture.Caption, "fish.bmp   121 x 61 pixels");
    EXPECT_EQ(f.Status.Zoom.Caption, "zoom x1");
    const struct Case {
        const char* name;
        int zoom, x, y;
        const char* shown;
    } cases[] = {
        {"fish at x1", 1, 30, 25, "x 30, y 25   RGB 240, 128, 32"},
        {"water at x1", 1, 30, 5, "x 30, y 5   RGB 48, 112, 192"},
        {"the point a press takes at x4", 4, 121, 98, "x 30, y 25   RGB 240, 128, 32"},
        {"the last column at x8", 8, 959, 0, "x 120, y 0   RGB 48, 112, 192"},
    };
    for (const Case& c : cases) {
        e.Do([&] { f.SetZoom(c.zoom); });
        e.Do([&] { f.Image1MouseMove(None, c.x, c.y); });
        EXPECT_EQ(f.Status.Pointer.Caption, c.shown) << c.name;
        EXPECT_EQ(f.Status.Zoom.Caption, QStringLiteral("zoom x%1").arg(c.zoom)) << c.name;
    }
    e.Do([&] { f.Image1MouseLeave(); });
    EXPECT_EQ(f.Status.Pointer.Caption, "");
}

TEST(Feedback, TheEyeDesignersSlidersMoveByAPage) {
    test::OpenedEditor e;
    EXPECT_EQ(e.form.Form3().ScrollBar1.PageStep, 3);
    EXPECT_EQ(e.form.Form3().ScrollBar2.PageStep, 30);
}

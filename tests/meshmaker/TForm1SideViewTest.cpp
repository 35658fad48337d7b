// The side-view tools through their handlers: picking, moving, fin
// rectangles, the pectoral triangle, inserting and deleting body columns.

#include "TForm1.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using test::Picture;

namespace {

constexpr MouseState Left{.Left = true};
constexpr MouseState Right{.Right = true};
constexpr MouseState ShiftLeft{.Shift = true, .Left = true};
constexpr MouseState None{};

// A 121 x 61 fish traced at open: body rows 20..40 up to x 90 in steps of
// 15, a tail fin behind it, a dorsal fin on the back, fins below.
struct Editor : test::OpenedEditor {
    Editor()
        : OpenedEditor(Picture(121, 61,
                               {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                                QRect(65, 41, 12, 8)})) {}
    // A press and a release in view pixels.
    void Drag(int x0, int y0, int x1, int y1, MouseState held = Left) {
        Do([&] { form.Image1MouseDown(MouseButton::Left, held, x0, y0); });
        Do([&] { form.Image1MouseUp(MouseButton::Left, None, x1, y1); });
    }
};

} // namespace

TEST(ToolButtons, EachToolEntersItsModeOrWaitsForItsRange) {
    struct Case {
        void (TForm1::*tool)();
        bool Fish::*done;
        int doneMode, pendingMode;
        const char* prompt;
    } cases[] = {
        {&TForm1::SpeedButton6Click, &Fish::DorsalDone, 3, 103,
         "マウスでドラッグして背ビレの範囲を決めて下さい"},
        {&TForm1::SpeedButton7Click, &Fish::VentralDone, 4, 104,
         "マウスでドラッグして腹ビレの範囲を決めて下さい"},
        {&TForm1::SpeedButton8Click, &Fish::AnalDone, 5, 105,
         "マウスでドラッグして尻ビレの範囲を決めて下さい"},
        {&TForm1::SpeedButton9Click, &Fish::PectoralDone, 6, 106,
         "胸ビレを囲む3点を左方から▽の字型にクリックしてください"},
        {&TForm1::Button1Click, &Fish::WhiskerOn, 8, 108,
         "ヒゲ、特殊なヒレなどの範囲を決めてください"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        Editor e;
        e.s.FrontOn = true;
        (e.form.*c.tool)();
        EXPECT_EQ(ModeNumber(e.ui.Mode), c.pendingMode);
        EXPECT_EQ(e.form.Label2.Caption, QString::fromUtf8(c.prompt));
        e.form.Label2.Caption.clear();
        e.s.*c.done = true;
        (e.form.*c.tool)();
        EXPECT_EQ(ModeNumber(e.ui.Mode), c.doneMode);
        EXPECT_TRUE(e.form.Label2.Caption.isEmpty());
    }
    // Starting a new ventral rectangle or pectoral triangle clears the front shape.
    for (auto tool : {&TForm1::SpeedButton7Click, &TForm1::SpeedButton9Click}) {
        Editor e;
        e.s.FrontOn = true;
        (e.form.*tool)();
        EXPECT_FALSE(e.s.FrontOn);
        EXPECT_FALSE(e.form.CheckBox7.Checked);
    }
    // The whisker tool ticks its box at once, before the drag.
    Editor e;
    e.Do([&] { e.form.Button1Click(); });
    EXPECT_TRUE(e.s.WhiskerOn);
    EXPECT_TRUE(e.form.CheckBox8.Checked);
}

TEST(Picking, AReleaseWithoutAPressChangesNothing) {
    // Nothing is picked until a press picks a point: a release before any
    // press, or after the release that put the last point down, moves no
    // point and makes no undo step, in every tool with points.
    Editor e;
    const Fish opened = e.form.Current();
    EXPECT_EQ(e.ui.PickedPoint, std::nullopt);
    e.Do([&] { e.form.Image1MouseUp(MouseButton::Left, None, 7, 45); });
    EXPECT_TRUE(e.form.Current() == opened) << "a release just after the open";
    EXPECT_FALSE(e.form.CanUndo());

    e.Drag(15, 20, 15, 24); // a real drag moves body point 2 ...
    const Fish dragged = e.form.Current();
    ASSERT_FALSE(dragged == opened);
    for (void (TForm1::*tool)() : {&TForm1::SpeedButton5Click, &TForm1::SpeedButton4Click}) {
        e.Do([&] { (e.form.*tool)(); });
        const Fish before = e.form.Current();
        const int steps = e.form.History.Count();
        e.Do([&] { e.form.Image1MouseUp(MouseButton::Left, None, 30, 50); });
        EXPECT_TRUE(e.form.Current() == before) << "... and a second release moves nothing";
        EXPECT_EQ(e.form.History.Count(), steps);
    }

    // A new picture starts with nothing picked too.
    e.Open(test::SaveBmp(e.dir, "other.bmp", Picture(61, 31, {QRect(0, 10, 40, 10)})));
    const Fish other = e.form.Current();
    e.Do([&] { e.form.Image1MouseUp(MouseButton::Left, None, 3, 25); });
    EXPECT_TRUE(e.form.Current() == other) << "a release just after another open";
    EXPECT_FALSE(e.form.CanUndo());
}

TEST(Picking, BodyToleranceGrowsWithTheZoomTheOthersStay) {
    struct Case {
        int zoom;
        Tool tool;
        int distance;
        bool picked;
    } cases[] = {
        {1, Tool::Body, 2, true},  {1, Tool::Body, 3, false}, {1, Tool::Tail, 2, true},
        {1, Tool::Tail, 3, false}, {8, Tool::Body, 6, true},  {8, Tool::Body, 7, false},
        {8, Tool::Tail, 2, true},  {8, Tool::Tail, 3, false},
    };
    for (const Case& c : cases) {
        Editor e;
        e.form.SpeedButton4Click();
        if (c.tool == Tool::Body) e.form.SpeedButton5Click();
        e.form.SetZoom(c.zoom);
        // Body point 2 lies at (15, 20); tail point 2 at (105, 10).
        const QPoint target = c.tool == Tool::Body ? QPoint(15, 20) : QPoint(105, 10);
        for (QPoint offset :
             {QPoint(c.distance, 0), QPoint(0, -c.distance), QPoint(-c.distance, c.distance)}) {
            const QPoint p = (target + offset) * c.zoom;
            e.form.Image1MouseDown(MouseButton::Left, Left, p.x(), p.y());
            EXPECT_EQ(e.ui.PickedPoint, c.picked ? std::optional(2) : std::nullopt)
                << "zoom " << c.zoom << " mode " << ModeNumber(Editing(c.tool)) << " offset "
                << offset.x() << "," << offset.y();
            EXPECT_EQ(e.form.SideMark.has_value(), c.picked);
            e.form.RedrawSideView();
        }
    }
}

TEST(Picking, OverlappingPointsGoToTheHighestIndexButTheLowestWhisker) {
    Editor e;
    e.s.BodyY[4] = e.s.BodyY[5] = 30; // column 2's upper and lower points on one spot
    e.form.Image1MouseDown(MouseButton::Left, Left, 30, 30);
    EXPECT_EQ(e.ui.PickedPoint, 5);

    e.form.Button1Click();
    e.Drag(0, 45, 40, 50); // whisker ends at y 50 under columns 0..3
    ASSERT_EQ(e.s.WhiskerLast, 7);
    e.form.Image1MouseDown(MouseButton::Left, Left, 15, 50);
    EXPECT_EQ(e.ui.PickedPoint, 3); // the ends at x 0 and 30 are out of reach; 15 wins over none
    e.s.WhiskerX[5] = e.s.WhiskerX[7] = 15;
    e.form.Image1MouseDown(MouseButton::Left, Left, 15, 50);
    EXPECT_EQ(e.ui.PickedPoint, 3); // three ends on one spot: the lowest index
    e.form.Image1MouseDown(MouseButton::Left, Left, 15, 40);
    EXPECT_EQ(e.ui.PickedPoint, std::nullopt); // the body-side points cannot be picked
}

TEST(Moving, BodyPointsMoveUpAndDownFinPointsAnywhere) {
    Editor e;
    e.Drag(15, 20, 19, 12);
    EXPECT_EQ(e.s.BodyX[2], 15);
    EXPECT_EQ(e.s.BodyY[2], 12);
    EXPECT_EQ(e.ui.PickedPoint, std::nullopt);

    e.form.SpeedButton6Click();
    e.Drag(38, 5, 62, 19); // the dorsal rectangle
    ASSERT_EQ(e.ui.Mode, Editing(Tool::Dorsal));
    const double x = e.s.DorsalX[2], y = e.s.DorsalY[2];
    e.Drag(int(x), int(y), int(x) + 4, int(y) - 3);
    EXPECT_EQ(e.s.DorsalX[2], x + 4);
    EXPECT_EQ(e.s.DorsalY[2], y - 3);
    EXPECT_EQ(e.s.DorsalX[3], x); // its partner on the body stays
}

TEST(Moving, PressesAndReleasesAreClampedToThePicture) {
    Editor e;
    e.form.SetZoom(2);
    e.form.Image1MouseDown(MouseButton::Left, Left, -5, 40); // x 0 at the press
    EXPECT_EQ(e.ui.PickedPoint, 0);
    e.form.Image1MouseUp(MouseButton::Left, None, 1000, 1000);
    EXPECT_EQ(e.s.BodyY[0], 59); // the release stops one short of the last row

    e.form.SpeedButton6Click();
    e.form.Image1MouseDown(MouseButton::Left, Left, 1000, -9);
    e.form.Image1MouseUp(MouseButton::Left, None, 1000, 1000);
    EXPECT_EQ(e.s.DorsalRange.x0, 119); // both x at the release limit after sorting
    EXPECT_EQ(e.s.DorsalRange.x1, 120);
    EXPECT_EQ(e.s.DorsalRange.y0, 0);
    EXPECT_EQ(e.s.DorsalRange.y1, 59);
}

TEST(Ranges, ADragFromLowerRightGivesTheSameStrip) {
    struct Case {
        const char* name;
        void (TForm1::*tool)();
        int Fish::*last;
        QRect range; // press at the top left, release at the bottom right
    } cases[] = {
        {"dorsal", &TForm1::SpeedButton6Click, &Fish::DorsalLast,
         QRect(QPoint(35, 5), QPoint(62, 19))},
        {"ventral", &TForm1::SpeedButton7Click, &Fish::VentralLast,
         QRect(QPoint(20, 40), QPoint(50, 55))},
        {"anal", &TForm1::SpeedButton8Click, &Fish::AnalLast,
         QRect(QPoint(60, 30), QPoint(80, 55))},
    };
    for (const Case& c : cases) {
        Editor a, b;
        (a.form.*c.tool)();
        a.Drag(c.range.left(), c.range.top(), c.range.right(), c.range.bottom());
        (b.form.*c.tool)();
        b.Drag(c.range.right(), c.range.bottom(), c.range.left(), c.range.top());
        EXPECT_GE(a.s.*c.last, 3) << c.name; // a strip of two columns at least
        EXPECT_TRUE(a.s == b.s) << c.name;   // every list, x and y, and the sorted range
        EXPECT_TRUE(a.form.Label2.Caption.isEmpty()) << c.name; // the prompt goes with the drag
    }
    Editor e;
    e.form.SpeedButton8Click();
    e.Drag(60, 30, 70, 55);
    e.form.AfterEvent();
    EXPECT_TRUE(e.form.CheckBox5.Checked);
    EXPECT_EQ(e.s.AnalLast, 3);
    EXPECT_EQ(e.s.AnalY[3], 48); // the anal fin's lower edge, found in column 70
}

TEST(Ranges, AWhiskerDraggedLeftIsEmptyAndKeepsThePrompt) {
    Editor e;
    e.form.Button1Click();
    e.Drag(60, 45, 10, 55);
    EXPECT_EQ(e.s.WhiskerLast, -1);
    EXPECT_EQ(e.ui.Mode, Editing(Tool::Whisker));
    EXPECT_EQ(e.form.Label2.Caption, "ヒゲ、特殊なヒレなどの範囲を決めてください");
}

TEST(Pectoral, ThreeClicksCompleteTheTriangle) {
    Editor e;
    e.form.SpeedButton9Click();
    e.Drag(0, 0, 20, 25);
    e.Drag(0, 0, 40, 25);
    EXPECT_EQ(e.ui.Mode, Drawing(Tool::Pectoral));
    EXPECT_FALSE(e.form.CheckBox6.Checked);
    e.Drag(0, 0, 30, 38);
    EXPECT_EQ(e.ui.Mode, Editing(Tool::Pectoral));
    EXPECT_TRUE(e.s.PectoralDone);
    EXPECT_TRUE(e.form.CheckBox6.Checked);
    EXPECT_EQ(e.ui.PickedPoint, std::nullopt);
    EXPECT_EQ(e.form.Label2.Caption, "胸ビレを囲む3点を左方から▽の字型にクリックしてください");
    EXPECT_EQ(e.s.PectoralX, (std::array<double, 3>{20, 40, 30}));
    EXPECT_EQ(e.s.PectoralY, (std::array<double, 3>{25, 25, 38}));
    // In mode 6 the points are picked and moved freely.
    e.Drag(40, 25, 44, 22);
    EXPECT_EQ(e.s.PectoralX[1], 44);
    EXPECT_EQ(e.s.PectoralY[1], 22);
}

TEST(Pectoral, AClickOnTheFrontViewMidwayLeavesTheCornersPlacedSoFar) {
    Editor e;
    e.form.SpeedButton9Click();
    e.Drag(0, 0, 20, 25);
    e.form.Image2MouseDown(MouseButton::Left, Left, 300, 300); // hits nothing there
    e.form.Image2MouseUp(MouseButton::Left, None, 300, 300);
    ASSERT_EQ(e.ui.PectoralClicks, 1);
    e.Drag(0, 0, 50, 30);
    EXPECT_EQ(e.s.PectoralX[0], 20);
    EXPECT_EQ(e.s.PectoralX[1], 50); // the second corner
    e.Drag(0, 0, 55, 38);
    EXPECT_TRUE(e.s.PectoralDone);
    EXPECT_EQ(e.s.PectoralX, (std::array<double, 3>{20, 50, 55}));
}

TEST(BodyColumns, ShiftClickInsertsAColumnOfMeanEdges) {
    Editor e;
    e.form.SpeedButton6Click();
    e.Drag(38, 5, 62, 19);
    e.form.SpeedButton5Click();
    const int last = e.s.BodyLast;
    e.s.BodyY[4] = 24; // column 2 (x 30) raised
    e.Do([&] { e.form.Image1MouseDown(MouseButton::Left, ShiftLeft, 15, 20); }); // on point 2
    EXPECT_EQ(e.s.BodyLast, last + 2);
    EXPECT_EQ(e.s.BodyX[4], 15); // before the column at 30: 15 < 30, not 15 < 15
    EXPECT_EQ(e.s.BodyX[5], 15);
    EXPECT_EQ(e.s.BodyX[2], 15);
    EXPECT_EQ(e.s.BodyY[4], (20 + 24) / 2.0);
    EXPECT_EQ(e.s.BodyY[5], 40);
    EXPECT_EQ(e.s.BodyX[6], 30);
    EXPECT_EQ(e.s.BodyX[e.s.BodyLast + 1], -1.0);
    EXPECT_NE(e.ui.PickedPoint, 2); // inserted, not picked
    EXPECT_FALSE(e.s.DorsalDone);
    EXPECT_FALSE(e.form.CheckBox3.Checked);
    EXPECT_FALSE(e.form.CheckBox5.Checked);

    // Beyond the last column there is nowhere to insert.
    e.form.Image1MouseDown(MouseButton::Left, ShiftLeft, 100, 30);
    EXPECT_EQ(e.s.BodyLast, last + 2);
}

TEST(BodyColumns, RightClickDeletesInnerColumnsOnly) {
    Editor e;
    const int last = e.s.BodyLast;
    e.form.Image1MouseDown(MouseButton::Right, Right, 0, 20);  // the first column
    e.form.Image1MouseDown(MouseButton::Right, Right, 90, 40); // the last column
    EXPECT_EQ(e.s.BodyLast, last);
    EXPECT_FALSE(e.form.SideMark.has_value()); // not even the pick mark
    e.s.DorsalDone = true;
    e.Do([&] { e.form.Image1MouseDown(MouseButton::Right, Right, 30, 40); }); // column 2, lower
    EXPECT_EQ(e.s.BodyLast, last - 2);
    EXPECT_EQ(e.s.BodyX[4], 45);
    EXPECT_EQ(e.s.BodyX[e.s.BodyLast + 1], -1.0);
    EXPECT_FALSE(e.form.CheckBox3.Checked);
    EXPECT_FALSE(e.s.AnalDone);
}

TEST(BodyColumns, AFullListRefusesAnotherColumn) {
    Editor e;
    e.form.Edit1.Text = "1";
    e.form.Edit1Exit(); // one column per pixel up to 90: 91 columns
    while (e.s.BodyColumns() < BodyMaxColumns)
        e.form.Image1MouseDown(MouseButton::Left, ShiftLeft, 45, 30);
    const Fish before = e.s;
    e.form.Image1MouseDown(MouseButton::Left, ShiftLeft, 45, 30);
    EXPECT_TRUE(e.s == before);
    EXPECT_TRUE(e.form.Label2.Caption.contains("250"));
}

TEST(Moving, AReleaseNeverPutsDownAPointTheListDoesNotHave) {
    Editor e;
    e.form.SpeedButton8Click();
    e.Drag(60, 30, 70, 55);
    ASSERT_EQ(e.s.AnalLast, 3);
    // A press picks body point 4; the anal tool is chosen before its release.
    e.form.SpeedButton5Click();
    e.form.Image1MouseDown(MouseButton::Left, Left, 30, 20);
    ASSERT_EQ(e.ui.PickedPoint, 4);
    e.form.SpeedButton8Click();
    const Fish before = e.s;
    e.form.Image1MouseUp(MouseButton::Left, None, 20, 20);
    EXPECT_TRUE(e.s == before); // the anal list has no point 4: nothing is put down
    EXPECT_EQ(e.s.AnalX[4], -1.0);
}

TEST(SideViewMouse, NothingHappensBeforeAPictureIsOpened) {
    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    const Fish before = form.Current();
    const Interaction ui = form.Ui;
    form.Image1MouseDown(MouseButton::Left, Left, 5, 5);
    form.Image1MouseUp(MouseButton::Left, None, 5, 5);
    form.Image1MouseMove(None, 5, 5);
    EXPECT_EQ(form.Ui.PickedPoint, ui.PickedPoint);
    EXPECT_TRUE(form.Current() == before);
    EXPECT_FALSE(form.AfterEvent());
}

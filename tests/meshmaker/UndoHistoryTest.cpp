// Undo and redo: every user action that changes the fish is one step with
// its name, undo restores exactly what the editor showed before it (fish,
// file, check boxes, fields, scroll bars, views) and redo what it showed
// after; actions of several events are one step; the history starts anew
// with every picture and keeps a bounded number of steps.

#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"
#include "TestSupport.h"
#include "Views.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using test::Picture;

namespace {

constexpr MouseState Left{.Left = true};
constexpr MouseState ShiftLeft{.Shift = true, .Left = true};
constexpr MouseState Right{.Right = true};
constexpr MouseState None{};

// A 121 x 61 fish: body rows 20..40 up to x 90, a fin on its back, a tail.
QImage FishPicture() {
    return Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8), QRect(91, 10, 29, 41)});
}

int Px(double v) {
    return int(std::nearbyint(v));
}

// Everything the editor shows that undo must give back, in the tool mode
// the state was seen in. Hidden controls may keep a stale place: only
// visible ones are compared.
struct Seen {
    ToolMode mode;
    Fish fish;
    QByteArray pgx;
    std::vector<std::pair<std::string, std::pair<bool, QRect>>> controls;
    std::vector<bool> boxes;
    QString edit1, edit2;
    std::vector<std::array<int, 3>> bars;
    QStringList values;
    QImage side, front, top;
};

Seen Look(const TForm1& f) {
    Seen s;
    s.mode = f.SideViewMode; // the tool the side view was last drawn for
    s.fish = f.Current();
    s.pgx = BuildPgxBytes(f.Current(), f.Picture);
    // What is visible, and where; the prompt belongs to the tool, not the fish.
    for (const auto& [name, record] : f.NamedControls())
        if (std::string(name) != "Label2")
            s.controls.push_back(
                {name, {record->Visible, record->Visible ? record->Geometry : QRect()}});
    for (const CheckBox* c : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox3, &f.CheckBox4, &f.CheckBox5,
                              &f.CheckBox6, &f.CheckBox7, &f.CheckBox8, &f.CheckBox9})
        s.boxes.push_back(c->Checked);
    s.edit1 = f.Edit1.Text;
    s.edit2 = f.Edit2.Text;
    for (const ScrollBar* b : {&f.ScrollBar1, &f.ScrollBar2, &f.ScrollBar4})
        s.bars.push_back({b->Min, b->Max, b->Position});
    s.values = {f.TailValue.Caption, f.ThicknessValue.Caption, f.PeakValue.Caption};
    auto whole = [](const Image& i) { return QRect(QPoint(0, 0), i.Geometry.size()); };
    s.side = RenderSideView(f, whole(f.Image1));
    if (f.Image2.Visible) s.front = RenderFrontView(f, whole(f.Image2));
    if (f.Image3.Visible) s.top = RenderTopView(f, whole(f.Image3));
    return s;
}

void ExpectSame(const Seen& a, const Seen& b, const std::string& where) {
    EXPECT_TRUE(a.fish == b.fish) << where;
    EXPECT_EQ(a.pgx, b.pgx) << where;
    EXPECT_EQ(a.controls, b.controls) << where;
    EXPECT_EQ(a.boxes, b.boxes) << where;
    EXPECT_EQ(a.edit1, b.edit1) << where;
    EXPECT_EQ(a.edit2, b.edit2) << where;
    EXPECT_EQ(a.bars, b.bars) << where;
    EXPECT_EQ(a.values, b.values) << where;
    EXPECT_EQ(a.side, b.side) << where;
    EXPECT_EQ(a.front, b.front) << where;
    EXPECT_EQ(a.top, b.top) << where;
}

struct Editor : test::OpenedEditor {
    Editor() : OpenedEditor(FishPicture()) {}
    void Press(double x, double y, MouseState state = Left) {
        Do([&] { form.Image1MouseDown(MouseButton::Left, state, Px(x), Px(y)); });
    }
    void Release(double x, double y) {
        Do([&] { form.Image1MouseUp(MouseButton::Left, None, Px(x), Px(y)); });
    }
    void Drag(double x0, double y0, double x1, double y1) {
        Press(x0, y0);
        Release(x1, y1);
    }
    void Type(Edit& field, const char* text, void (TForm1::*exit)()) {
        field.Text = text;
        Do([&] { (form.*exit)(); });
    }
    // Shows the state in the tool mode it was seen in, then takes a step
    // back or again.
    void Undo(ToolMode mode) {
        ui.Mode = mode;
        Do([&] { form.Undo1Click(); });
    }
    void Redo(ToolMode mode) {
        ui.Mode = mode;
        Do([&] { form.Redo1Click(); });
    }
};

} // namespace

TEST(UndoHistory, AScriptedSessionUndoneToTheStartAndRedoneToTheEnd) {
    Editor e;
    TForm1& f = e.form;
    const Fish& s = e.form.Current();
    const struct Action {
        const char* name; // the step's name, as Undo shows it
        std::function<void()> run;
    } session[] = {
        {"move tail position", [&] { e.Do([&] { f.SetScrollBar1Position(85); }); }},
        {"trace tail", [&] { e.Do([&] { f.SpeedButton4Click(); }); }},
        {"move tail point", [&] { e.Drag(s.TailX[2], s.TailY[2], s.TailX[2], s.TailY[2] - 4); }},
        {"set horizontal step",
         [&] {
             e.Do([&] { f.SpeedButton5Click(); });
             e.Type(f.Edit1, "10", &TForm1::Edit1Exit);
         }},
        {"move body point", [&] { e.Drag(s.BodyX[4], s.BodyY[4], s.BodyX[4], s.BodyY[4] - 3); }},
        {"insert body column", [&] { e.Press(35, 30, ShiftLeft); }},
        {"delete body column",
         [&] { e.Do([&] { f.Image1MouseDown(MouseButton::Right, Right, 50, Px(s.BodyY[10])); }); }},
        {"draw dorsal fin",
         [&] {
             e.Do([&] { f.SpeedButton6Click(); });
             e.Drag(62, 19, 38, 5);
         }},
        {"move dorsal fin point",
         [&] { e.Drag(s.DorsalX[2], s.DorsalY[2], s.DorsalX[2] + 1, s.DorsalY[2] - 2); }},
        {"draw ventral fin",
         [&] {
             e.Do([&] { f.SpeedButton7Click(); });
             e.Drag(30, 41, 60, 58);
         }},
        {"draw anal fin",
         [&] {
             e.Do([&] { f.SpeedButton8Click(); });
             e.Drag(60, 41, 80, 55);
         }},
        {"place pectoral fin",
         [&] {
             e.Do([&] { f.SpeedButton9Click(); });
             for (QPoint p : {QPoint(20, 30), QPoint(35, 32), QPoint(28, 38)})
                 e.Drag(p.x(), p.y(), p.x(), p.y());
         }},
        {"move pectoral fin point", [&] { e.Drag(35, 32, 37, 34); }},
        {"draw whisker",
         [&] {
             e.Do([&] { f.Button1Click(); });
             e.Drag(2, 41, 20, 52);
         }},
        {"move whisker point", [&] { e.Drag(s.WhiskerX[1], s.WhiskerY[1], s.WhiskerX[1], 55); }},
        {"shape front and top", [&] { e.Do([&] { f.SpeedButton10Click(); }); }},
        {"set thickness",
         [&] { // a drag of the thumb: many moves, one step
             for (int p : {30, 33, 36}) e.Do([&] { f.SetScrollBar2Position(p); });
         }},
        {"move widest point", [&] { e.Do([&] { f.SetScrollBar4Position(s.PeakPosition + 6); }); }},
        {"move front view handle",
         [&] {
             e.Do([&] {
                 f.Image2MouseDown(MouseButton::Left, Left, Px(s.SectionZ[2]), Px(s.SectionY[2]));
             });
             e.Do([&] { f.Image2MouseUp(MouseButton::Left, None, 4, 0); });
         }},
        {"move top view width",
         [&] {
             const int c = s.TopPeakIndex + 1;
             e.Do(
                 [&] { f.Image3MouseDown(MouseButton::Left, Left, Px(s.TopX[c]), Px(s.TopW[c])); });
             e.Do([&] { f.Image3MouseUp(MouseButton::Left, None, 0, 1); });
         }},
        {"set vertical divisions", [&] { e.Type(f.Edit2, "6", &TForm1::Edit2Exit); }},
        {"place eye",
         [&] {
             e.Do([&] { f.SpeedButton13Click(); });
             e.Do([&] { f.Image1MouseMove(None, 20, 28); });
             e.Release(20, 28);
             e.Do([&] { f.Form3().Image1MouseUp(MouseButton::Left, 120, 100); });
             e.Do([&] { f.Form3().Button1Click(); });
         }},
        {"clear dorsal fin", [&] { e.Do([&] { f.CheckBox3MouseUp(); }); }},
        {"clear eye", [&] { e.Do([&] { f.CheckBox9MouseUp(); }); }},
    };

    std::vector<Seen> seen{Look(f)};
    EXPECT_FALSE(f.CanUndo());
    EXPECT_EQ(f.UndoCaption(), "Undo");
    for (const Action& a : session) {
        const int index = f.History.Index();
        a.run();
        EXPECT_EQ(f.History.Index(), index + 1) << a.name; // one step, whatever its events
        EXPECT_EQ(f.UndoCaption(), QStringLiteral("Undo: %1").arg(a.name)) << a.name;
        EXPECT_FALSE(seen.back().fish == s) << a.name;
        seen.push_back(Look(f));
    }
    EXPECT_FALSE(f.CanRedo());

    for (int k = int(std::size(session)); k > 0; --k) {
        e.Undo(seen[k - 1].mode);
        ExpectSame(Look(f), seen[k - 1], std::string("undoing ") + session[k - 1].name);
        EXPECT_EQ(f.RedoCaption(), QStringLiteral("Redo: %1").arg(session[k - 1].name));
    }
    EXPECT_FALSE(f.CanUndo());
    EXPECT_EQ(seen.front().pgx, BuildPgxBytes(s, f.Picture));

    for (size_t k = 1; k < seen.size(); ++k) {
        e.Redo(seen[k].mode);
        ExpectSame(Look(f), seen[k], std::string("redoing ") + session[k - 1].name);
    }
    EXPECT_FALSE(f.CanRedo());
    EXPECT_EQ(f.RedoCaption(), "Redo");
}

TEST(UndoHistory, AStepOfSeveralEventsWaitsForItsLastAndYieldsToAnotherAction) {
    Editor e;
    TForm1& f = e.form;
    // A fin rectangle's press stores its corner: the release makes it one step.
    e.Do([&] { f.SpeedButton6Click(); });
    e.Press(38, 5);
    EXPECT_TRUE(f.History.Pending());
    EXPECT_EQ(f.UndoCaption(), "Undo: draw dorsal fin");
    EXPECT_FALSE(f.CanRedo());
    e.Do([&] { f.SpeedButton2Click(); }); // a zoom between: no change of the fish
    e.Do([&] { f.Image1MouseUp(MouseButton::Left, None, 124, 38); });
    EXPECT_EQ(f.History.Count(), 1);
    EXPECT_FALSE(f.History.Pending());

    // A press abandoned for another change is a step of its own, before it.
    e.Do([&] { f.CheckBox3MouseUp(); });
    e.Do([&] { f.SpeedButton6Click(); });
    const Fish beforePress = f.Current();
    e.Press(80, 30);
    const Fish afterPress = f.Current();
    e.Do([&] { f.SetScrollBar1Position(70); });
    ASSERT_EQ(f.History.Count(), 4);
    EXPECT_EQ(f.History.StepAt(2), UndoStep::DrawDorsalFin);
    EXPECT_EQ(f.History.StepAt(3), UndoStep::MoveTailPosition);
    e.Do([&] { f.Undo1Click(); });
    EXPECT_TRUE(f.Current() == afterPress);
    e.Do([&] { f.Undo1Click(); });
    EXPECT_TRUE(f.Current() == beforePress);

    // Undo while a step waits: it becomes a step and is taken back.
    e.Do([&] { f.SpeedButton9Click(); });
    e.Drag(20, 30, 20, 30);
    e.Drag(35, 32, 35, 32);
    ASSERT_TRUE(f.History.Pending());
    e.Do([&] { f.Undo1Click(); });
    EXPECT_TRUE(f.Current() == beforePress);
    EXPECT_EQ(e.ui.PectoralClicks, 0); // the triangle starts again at its first corner
    EXPECT_EQ(f.RedoCaption(), "Redo: place pectoral fin");
}

TEST(UndoHistory, ScrollBarMovesMergeAndAMoveBackIsNoStep) {
    Editor e;
    TForm1& f = e.form;
    const Fish start = f.Current();
    const int tail = f.TailPosition();
    for (int p : {tail - 5, tail - 10, tail - 3}) e.Do([&] { f.SetScrollBar1Position(p); });
    EXPECT_EQ(f.History.Count(), 1);
    e.Do([&] { f.SetScrollBar1Position(tail); });
    e.Do([&] { f.SpeedButton5Click(); }); // the same body again
    EXPECT_TRUE(f.Current() == start);
    EXPECT_EQ(f.History.Count(), 0);
    EXPECT_FALSE(f.CanUndo());
}

TEST(UndoHistory, OpeningAPictureStartsANewHistory) {
    Editor e;
    TForm1& f = e.form;
    e.Do([&] { f.SpeedButton4Click(); });
    e.Do([&] { f.SpeedButton6Click(); });
    e.Press(38, 5);
    ASSERT_TRUE(f.CanUndo());
    e.Open(test::SaveBmp(e.dir, "other.bmp", Picture(61, 31, {QRect(0, 10, 40, 10)})));
    EXPECT_FALSE(f.CanUndo());
    EXPECT_FALSE(f.CanRedo());
    EXPECT_FALSE(f.History.Pending());
    // A picture that cannot be opened changes nothing, the history included.
    e.Do([&] { f.SpeedButton4Click(); });
    e.Open(test::SaveBmp(e.dir, "tiny.bmp", Picture(2, 2)));
    EXPECT_EQ(f.History.Count(), 1);
}

TEST(UndoHistory, KeepsAtMostItsLimitOfSteps) {
    Editor e;
    TForm1& f = e.form;
    const int extra = 10;
    std::vector<Fish> states{f.Current()};
    for (int i = 0; i < UndoHistory::StepLimit + extra; ++i) {
        e.Type(f.Edit2, i % 2 ? "5" : "6", &TForm1::Edit2Exit);
        states.push_back(f.Current());
    }
    EXPECT_EQ(f.History.Count(), UndoHistory::StepLimit);
    int undone = 0;
    while (f.CanUndo()) e.Do([&] { f.Undo1Click(); }), ++undone;
    EXPECT_EQ(undone, UndoHistory::StepLimit);
    EXPECT_TRUE(f.Current() == states[extra]); // the oldest steps were dropped
    // The bound: two whole fish per step, and no picture.
    RecordProperty("bytes_at_most", int(UndoHistory::StepLimit * 2 * sizeof(Fish)));
}

TEST(UndoHistory, EveryStepHasAName) {
    for (int k = int(UndoStep::Unnamed); k <= int(UndoStep::ClearEye); ++k) {
        const QString name = UndoStepName(UndoStep(k));
        EXPECT_FALSE(name.isEmpty()) << k;
        if (k != int(UndoStep::Unnamed)) {
            EXPECT_NE(name, UndoStepName(UndoStep::Unnamed)) << k;
        }
    }
}

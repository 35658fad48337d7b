// The fish as one value and its document: what equality means, when the
// revision moves, and showing a whole fish.

#include "FishDocument.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <type_traits>

using test::Picture;

namespace {

// Changes one field so that its bits differ.
template <typename T> void Disturb(T& v) {
    if constexpr (std::is_same_v<T, bool>)
        v = !v;
    else if constexpr (std::is_arithmetic_v<T>)
        v = v + 1;
    else if constexpr (std::is_same_v<T, RangeRect>)
        v.x1 += 1;
    else
        Disturb(v[v.size() - 1]); // an array: its last entry
}

constexpr MouseState Left{.Left = true};
constexpr MouseState None{};

// A 121 x 61 fish: body rows 20..40 up to x 90, a fin on its back.
QImage FishPicture() {
    return Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8)});
}

} // namespace

TEST(FishValue, EveryFieldTakesPartInEquality) {
    const Fish original;
    int fields = 0;
    VisitFishFields([&](const char* name, auto member, int) {
        Fish changed = original;
        Disturb(changed.*member);
        EXPECT_FALSE(changed == original) << name;
        ++fields;
    });
    EXPECT_GT(fields, 0);
    EXPECT_TRUE(Fish(original) == original);
}

TEST(FishValue, EqualMeansTheSameBitsSoTheSameFile) {
    // A depth of -0.0 is stored with its sign; the fish must not call it equal to 0.0.
    auto [picture, a] = test::FishOn(Picture(21, 11, {QRect(0, 3, 21, 5)}));
    a.Divisions = 1;
    a.BodyLast = 1;
    a.VentralLast = 1;
    Fish b = a;
    b.VentralZ[0] = -0.0;
    EXPECT_FALSE(a == b);
    EXPECT_NE(BuildPgxBytes(a, picture), BuildPgxBytes(b, picture));
    b.VentralZ[0] = 0.0;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(BuildPgxBytes(a, picture), BuildPgxBytes(b, picture));
}

TEST(FishDocument, SettlingTellsEachChangeOnceAndReplacingIsNoUserStep) {
    FishDocument doc;
    int steps = 0;
    doc.OnStep([&](const Fish& before, const Fish& after) {
        ++steps;
        EXPECT_FALSE(before == after);
    });
    EXPECT_FALSE(doc.Settle());
    doc.Edit().BodyLast = 3;
    EXPECT_TRUE(doc.Settle());
    EXPECT_FALSE(doc.Settle());
    EXPECT_EQ(doc.Revision(), 1);
    doc.Edit().BodyLast = 5;
    doc.Edit().BodyLast = 3; // changed and changed back within one event: no step
    EXPECT_FALSE(doc.Settle());
    Fish other;
    other.TailLast = 7;
    doc.Replace(other);
    EXPECT_EQ(doc.Revision(), 2);
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(doc.Current() == other);
}

TEST(FishDocument, TheRevisionMovesOnEveryFishChangeAndOnNothingElse) {
    test::OpenedEditor e(FishPicture());
    TForm1& f = e.form;
    const struct Event {
        const char* name;
        std::function<void()> run;
        bool changesFish;
    } session[] = {
        {"zoom in", [&] { f.SpeedButton2Click(); }, false},
        {"body tool, body done", [&] { f.SpeedButton5Click(); }, false},
        {"the same step again",
         [&] {
             f.Edit1.Text = "15";
             f.Edit1Exit();
         },
         false},
        {"press that picks a body point",
         [&] { f.Image1MouseDown(MouseButton::Left, Left, 30, 80); }, false},
        {"release that moves it", [&] { f.Image1MouseUp(MouseButton::Left, None, 30, 70); }, true},
        {"press on nothing", [&] { f.Image1MouseDown(MouseButton::Left, Left, 200, 10); }, false},
        {"release with nothing picked", [&] { f.Image1MouseUp(MouseButton::Left, None, 200, 10); },
         false},
        {"zoom out", [&] { f.SpeedButton3Click(); }, false},
        {"another step",
         [&] {
             f.Edit1.Text = "10";
             f.Edit1Exit();
         },
         true},
        {"dorsal tool", [&] { f.SpeedButton6Click(); }, false},
        {"press of the fin rectangle", [&] { f.Image1MouseDown(MouseButton::Left, Left, 38, 5); },
         true},
        {"release of the fin rectangle", [&] { f.Image1MouseUp(MouseButton::Left, None, 62, 19); },
         true},
        {"the box without a handler", [&] { f.CheckBox7Click(); }, false},
        {"unticking the dorsal fin", [&] { f.CheckBox3MouseUp(); }, true},
        {"unticking it again", [&] { f.CheckBox3MouseUp(); }, false},
        {"version dialog", [&] { f.Version1Click(); }, false},
        {"front tool", [&] { f.SpeedButton10Click(); }, true},
        {"thickness", [&] { f.SetScrollBar2Position(30); }, true},
        {"thickness where it is", [&] { f.SetScrollBar2Position(30); }, false},
        {"eye tool", [&] { f.SpeedButton13Click(); }, true},
        {"hovering with the eye", [&] { f.Image1MouseMove(None, 30, 30); }, false},
        {"placing the eye", [&] { f.Image1MouseUp(MouseButton::Left, None, 30, 30); }, false},
        {"picking its radius", [&] { f.Form3().Image1MouseUp(MouseButton::Left, 115, 100); },
         false},
        {"moving a designer slider", [&] { f.Form3().SetScrollBar2Position(150); }, false},
        {"OK", [&] { f.Form3().Button1Click(); }, true},
        {"saving", [&] { f.SavePgx(e.dir.filePath("fish.pgx")); }, false},
    };
    for (const Event& event : session) {
        const Fish before = f.Current();
        const int revision = f.Document.Revision();
        event.run();
        EXPECT_EQ(!(f.Current() == before), event.changesFish) << event.name;
        EXPECT_EQ(f.AfterEvent(), event.changesFish) << event.name;
        EXPECT_EQ(f.Document.Revision(), revision + (event.changesFish ? 1 : 0)) << event.name;
    }
}

TEST(SetFish, ShowsTheControlsThatTheActionsThemselvesShowed) {
    // One editor makes a fish with its tools; another, on the same picture,
    // is given that fish whole.
    test::OpenedEditor made(FishPicture());
    TForm1& f = made.form;
    const std::function<void()> actions[] = {
        [&] { f.SetScrollBar1Position(80); },
        [&] { f.SpeedButton4Click(); },
        [&] { f.SpeedButton6Click(); },
        [&] { f.Image1MouseDown(MouseButton::Left, Left, 38, 5); },
        [&] { f.Image1MouseUp(MouseButton::Left, None, 62, 19); },
        [&] { f.Button1Click(); },
        [&] {
            f.Edit2.Text = "6";
            f.Edit2Exit();
        },
        [&] { f.SpeedButton10Click(); },
        [&] { f.SetScrollBar2Position(33); },
        [&] { f.SetScrollBar4Position(20); },
        [&] { f.SpeedButton13Click(); },
        [&] { f.Image1MouseUp(MouseButton::Left, None, 20, 30); },
        [&] { f.Form3().Image1MouseUp(MouseButton::Left, 115, 100); },
        [&] { f.Form3().Button1Click(); },
        [&] { f.SpeedButton5Click(); },
    };
    for (const auto& action : actions) made.Do(action);

    test::OpenedEditor shown(FishPicture());
    shown.form.Ui.Mode = f.Ui.Mode;
    shown.form.SetFish(f.Current());
    EXPECT_TRUE(shown.form.Current() == f.Current());
    const auto a = f.NamedControls(), b = shown.form.NamedControls();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string name = a[i].Name;
        if (name == "Label2") continue; // the prompt belongs to the tool in use, not to the fish
        EXPECT_EQ(a[i].Record->Visible, b[i].Record->Visible) << name;
        EXPECT_EQ(a[i].Record->Geometry, b[i].Record->Geometry) << name;
    }
    for (auto box : {&TForm1::CheckBox1, &TForm1::CheckBox2, &TForm1::CheckBox3, &TForm1::CheckBox4,
                     &TForm1::CheckBox5, &TForm1::CheckBox6, &TForm1::CheckBox7, &TForm1::CheckBox8,
                     &TForm1::CheckBox9})
        EXPECT_EQ((f.*box).Checked, (shown.form.*box).Checked);
    for (auto bar : {&TForm1::ScrollBar1, &TForm1::ScrollBar2, &TForm1::ScrollBar4}) {
        EXPECT_EQ((f.*bar).Min, (shown.form.*bar).Min);
        EXPECT_EQ((f.*bar).Max, (shown.form.*bar).Max);
        EXPECT_EQ((f.*bar).Position, (shown.form.*bar).Position);
    }
    EXPECT_EQ(f.Edit1.Text, shown.form.Edit1.Text);
    EXPECT_EQ(f.Edit2.Text, shown.form.Edit2.Text);
    EXPECT_TRUE(f.CheckBox9.Checked); // the eye was confirmed: a case worth showing
    EXPECT_EQ(f.ScrollBar2.Position, 33);
}

TEST(SetFish, RunsNoChangeHandler) {
    // Restoring a fish whose body was edited by hand must not retrace it,
    // as moving the tail position's scroll bar would.
    test::OpenedEditor e(FishPicture());
    Fish edited = e.form.Current();
    edited.BodyY[2] = 5;
    edited.TailPosition = 60;
    e.form.SetFish(edited);
    e.form.AfterEvent();
    EXPECT_TRUE(e.form.Current() == edited);
    EXPECT_EQ(e.form.ScrollBar1.Position, 60);
    EXPECT_EQ(e.form.Image3.Geometry.width(), 60); // the views laid out for it
}

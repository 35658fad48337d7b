// The eye designer through its handlers: placing the centre, the radius and
// rear colour picks, the sliders, the cross-section through the eye, OK and
// Cancel, and the eye record in the PGX file.

#include "TForm3.h"
#include "EyeShape.h"
#include "EyeViews.h"
#include "PgxReader.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using test::Picture;

namespace {

constexpr MouseState None{};
constexpr QRgb Eye = 0xFF102030u, Below = 0xFF0A0B0Cu;

// A 121 x 61 fish, body rows 20..40 up to x 90, an eye at (30, 25) with a
// marked pixel just below its rim at (30, 28); front editor open, eye tool on.
QImage EyedFish() {
    QImage picture = Picture(121, 61, {QRect(0, 20, 91, 21)});
    picture.setPixel(30, 25, Eye);
    picture.setPixel(30, 28, Below);
    return picture;
}

struct Editor : test::OpenedEditor {
    TForm3& eye = form.Form3();
    Editor() : OpenedEditor(EyedFish()) {
        Do([&] { form.SpeedButton10Click(); });
        Do([&] { form.SpeedButton13Click(); });
    }
    void PlaceEye(int x, int y) {
        Do([&] { form.Image1MouseMove(None, x * ui.Zoom, y * ui.Zoom); });
        Do([&] { form.Image1MouseUp(MouseButton::Left, None, x * ui.Zoom, y * ui.Zoom); });
    }
    void Click(int x, int y, MouseButton b = MouseButton::Left) {
        Do([&] { eye.Image1MouseUp(b, x, y); });
    }
    const EyeDesign& design() const { return eye.Design(); }
    QImage magnified() const { return RenderEyeMagnifier(eye); }
    QImage preview() const { return RenderEyePreview(eye); }
};

} // namespace

TEST(EyeDesigner, TheEyeToolFollowsThePointerUntilARelease) {
    Editor e;
    EXPECT_TRUE(e.eye.Visible);
    EXPECT_EQ(ModeNumber(e.ui.Mode), 9);
    EXPECT_TRUE(e.s.EyeSolid);
    EXPECT_FALSE(e.form.CheckBox9.Checked);
    const Fish before = e.s;
    e.form.Image1MouseMove(None, 28, 25);
    EXPECT_FALSE(e.form.AfterEvent()); // hovering changes no fish
    EXPECT_EQ(e.design().X, 28);
    const QImage view = e.magnified();
    EXPECT_EQ(view.pixel(100 + 2, 100 + 2), 0xFF000000u); // the centre marker's black disc
    EXPECT_EQ(view.pixel(110, 100), Eye);                 // picture (30, 25): a 5 x 5 block ...
    EXPECT_EQ(view.pixel(114, 104), Eye);
    EXPECT_EQ(view.pixel(115, 120), test::Orange); // ... beside its neighbours
    e.form.Image1MouseUp(MouseButton::Left, None, 31, 24);
    EXPECT_EQ(ModeNumber(e.ui.Mode), 109);
    EXPECT_EQ(e.design().X, 31);
    e.form.Image1MouseMove(None, 50, 50); // placed: the centre stays
    EXPECT_EQ(e.design().X, 31);
    EXPECT_TRUE(e.s == before); // nothing reaches the fish before OK
}

TEST(EyeDesigner, TheRadiusCountsWholePicturePixelsFromTheCentre) {
    struct Case {
        int x, y;
        double radius;
    } cases[] = {{100, 100, 0}, {112, 100, 2}, {104, 100, 0},
                 {96, 100, 0},  {115, 80, 5},  {70, 140, 10}};
    for (const Case& c : cases) {
        Editor e;
        e.PlaceEye(30, 25);
        e.Click(c.x, c.y);
        EXPECT_DOUBLE_EQ(e.design().Radius, c.radius) << c.x << "," << c.y;
        EXPECT_DOUBLE_EQ(e.design().Bulge, c.radius / 2) << c.x << "," << c.y;
    }
}

TEST(EyeDesigner, ShapeSliderSetsTheBulgePositionSliderTheDepth) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(120, 100); // radius 4
    const double surface = e.design().Z;
    EXPECT_GT(surface, 0);
    struct Case {
        int shape;
        double bulge;
    } shapes[] = {{10, 2}, {30, 6}, {1, 0.2}};
    for (const Case& c : shapes) {
        e.eye.SetScrollBar1Position(c.shape);
        EXPECT_DOUBLE_EQ(e.design().Bulge, c.bulge);
    }
    struct Depth {
        int position;
        double factor;
    } depths[] = {{0, 0}, {200, 2}, {300, 3}, {100, 1}};
    for (const Depth& d : depths) {
        e.eye.SetScrollBar2Position(d.position);
        EXPECT_NEAR(e.design().Z, surface * d.factor, 1e-12) << d.position;
    }
}

TEST(EyeDepth, IsTheFrontSectionStretchedOverTheBodyAtTheEye) {
    // Two columns: x 0 rows 20..40 and x 20 rows 20..30; a section of two
    // divisions, rows 20, 30, 40 with depths 0, 10, 0.
    Fish f;
    f.Divisions = 2;
    f.SectionY = {20, 30, 40};
    f.SectionZ = {0, 10, 0};
    f.BodyLast = 3;
    f.BodyX = {0, 0, 20, 20, -1};
    f.BodyY = {20, 40, 20, 30};
    struct Case {
        const char* name;
        double x, y, depth;
    } cases[] = {
        {"a quarter down the tall column", 0, 25, 5},
        {"the widest row", 0, 30, 10},
        {"a quarter down the short column", 20, 22.5, 2.5},
        {"between the columns, height 15", 10, 25, 5},
        {"between the columns, the widest row", 10, 27.5, 7.5},
        {"behind the last column: its values", 30, 22.5, 2.5},
        {"above the body: the top row", 0, 15, 0},
        {"below the body: the bottom row", 0, 45, 0},
    };
    for (const Case& c : cases) {
        std::array<double, SectionCapacity> ys{}, zs{};
        EXPECT_DOUBLE_EQ(EyeDepthOnSurface(f, c.x, c.y, ys, zs), c.depth) << c.name;
    }
    // The designer's settings: the bulge is shape / 20 of the radius, the
    // depth moves by position / 100; the section comes relative to the eye.
    const EyeShapeResult r = ShapeEye(f, 0, 25, 4, 30, 200);
    EXPECT_DOUBLE_EQ(r.Bulge, 6);
    EXPECT_DOUBLE_EQ(r.Z, 10);
    EXPECT_EQ(r.Rows, 2);
    EXPECT_DOUBLE_EQ(r.SectionY[0], 20 - 25);
    EXPECT_DOUBLE_EQ(r.SectionZ[1], 10 - 10);
}

TEST(EyeDesigner, AwkwardPlacesStillGiveAFiniteDepth) {
    struct Case {
        const char* name;
        int x, y;
        std::function<void(Fish&)> change;
        std::function<void(const Editor&)> check;
    } cases[] = {
        {"behind the last column", 100, 30, nullptr,
         [](const Editor& e) { EXPECT_GT(e.design().Z, 0); }},
        {"below the lower outline", 30, 45, nullptr,
         [](const Editor& e) { EXPECT_EQ(e.design().Z, 0); }},
        {"above the upper outline", 30, 10, nullptr,
         [](const Editor& e) { EXPECT_EQ(e.design().Z, 0); }},
        {"zero section span", 30, 30, [](Fish& s) { s.SectionY.fill(20); },
         [](const Editor& e) { EXPECT_EQ(e.design().Z, 0); }},
        {"two columns at one x", 30, 30, [](Fish& s) { s.BodyX[4] = s.BodyX[5] = s.BodyX[2]; },
         [](const Editor& e) { EXPECT_GT(e.design().Z, 0); }},
        {"last two columns at one x", 100, 30,
         [](Fish& s) { s.BodyX[s.BodyLast - 1] = s.BodyX[s.BodyLast] = s.BodyX[s.BodyLast - 3]; },
         [](const Editor& e) { EXPECT_GT(e.design().Z, 0); }},
    };
    for (const Case& c : cases) {
        Editor e;
        if (c.change) c.change(e.s);
        e.PlaceEye(c.x, c.y);
        e.Click(110, 100);
        EXPECT_TRUE(std::isfinite(e.design().Z)) << c.name;
        for (double v : e.eye.Preview.Shape.SectionY) EXPECT_TRUE(std::isfinite(v)) << c.name;
        for (double v : e.eye.Preview.Shape.SectionZ) EXPECT_TRUE(std::isfinite(v)) << c.name;
        c.check(e);
    }
}

TEST(EyeDesigner, TheRearColourStartsBelowTheRimAtEveryZoom) {
    for (int zoom : {1, 2, 4, 8}) {
        Editor e;
        e.form.SetZoom(zoom);
        e.PlaceEye(30, 25);
        e.Click(110, 100); // radius 2: the pixel at (30, 25 + 2 + 1)
        EXPECT_EQ(e.design().RearColour, Below & 0xFFFFFF) << zoom;
    }
    Editor e;
    e.PlaceEye(30, 58);
    e.Click(150, 100); // radius 10 reaches past the picture: the last working row
    EXPECT_EQ(e.design().RearColour, test::Water & 0xFFFFFF);
}

TEST(EyeDesigner, ARightClickChangesOnlyTheSwatch) {
    Editor e;
    e.PlaceEye(30, 25);
    e.Click(115, 100);
    const double radius = e.design().Radius, z = e.design().Z;
    e.Click(102, 102, MouseButton::Right); // on the centre marker: black
    EXPECT_EQ(e.design().RearColour, 0u);
    EXPECT_EQ(e.design().Radius, radius);
    EXPECT_EQ(e.design().Z, z);
    e.Click(5000, 5000, MouseButton::Right); // outside the view: nothing
    EXPECT_EQ(e.design().RearColour, 0u);
}

TEST(EyeDesigner, OkHandsTheEyeToTheFish) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(125, 100); // radius 5
    e.Do([&] { e.eye.SetScrollBar2Position(150); });
    const EyeDesign designed = e.design();
    e.Do([&] { e.eye.Button1Click(); });
    EXPECT_EQ(e.s.EyeX, 30);
    EXPECT_EQ(e.s.EyeY, 30);
    EXPECT_EQ(e.s.EyeRadius, 5);
    EXPECT_EQ(e.s.EyeBulge, 2.5);
    EXPECT_EQ(e.s.EyeZ, designed.Z);
    EXPECT_EQ(e.s.EyePosition, 150);
    EXPECT_EQ(e.s.EyeRearColour, designed.RearColour);
    EXPECT_TRUE(e.s.EyeSolid);
    EXPECT_TRUE(e.form.CheckBox9.Checked);
    EXPECT_FALSE(e.eye.Visible);
    EXPECT_EQ(e.ui.Mode, Editing(Tool::None));

    // Again, and OK without a click: the designer starts from the fish's eye.
    e.Do([&] { e.form.SpeedButton13Click(); });
    EXPECT_EQ(e.eye.ScrollBar2.Position, 150);
    e.PlaceEye(40, 30);
    e.Do([&] { e.eye.Button1Click(); });
    EXPECT_EQ(e.s.EyeRadius, 5);
    EXPECT_EQ(e.s.EyeX, 40);
}

TEST(EyeDesigner, CancelLeavesTheFishAsItWasBeforeTheEyeTool) {
    struct Case {
        const char* name;
        bool confirmedBefore; // an eye confirmed with OK before this session
    } cases[] = {{"first eye", false}, {"an eye confirmed before", true}};
    for (const Case& c : cases) {
        Editor e; // the eye tool is on
        if (c.confirmedBefore) {
            e.PlaceEye(30, 30);
            e.Click(125, 100);
            e.Do([&] { e.eye.Button1Click(); });
        } else {
            e.Do([&] { e.eye.Button2Click(); });
        }
        const Fish before = e.s;
        const bool boxBefore = e.form.CheckBox9.Checked;
        e.Do([&] { e.form.SpeedButton13Click(); });
        e.PlaceEye(35, 28);
        e.Click(140, 100);
        e.Do([&] { e.eye.SetScrollBar1Position(25); });
        e.Do([&] { e.eye.SetScrollBar2Position(250); });
        e.Click(102, 102, MouseButton::Right);
        e.Do([&] { e.eye.Button2Click(); });
        EXPECT_TRUE(e.s == before) << c.name;
        EXPECT_EQ(e.s.EyeSolid, c.confirmedBefore) << c.name;
        EXPECT_EQ(e.form.CheckBox9.Checked, boxBefore) << c.name;
        EXPECT_FALSE(e.eye.Visible);
        EXPECT_EQ(e.ui.Mode, Editing(Tool::None));
    }
}

TEST(EyeDesigner, PreviewJoinsTheRimToTheMiddlePlane) {
    Editor e;
    // An eye near the top: its upper rim (radius 8) lies above the body's outline.
    e.PlaceEye(30, 24);
    e.Click(140, 100);
    const QImage preview = e.preview();
    const int xm = 100 + 5 * int(-e.design().Z), r5 = 40;
    // The upper line runs from the middle plane at the eye's height to the rim.
    EXPECT_EQ(preview.pixel(xm, 100), 0xFF000000u);
    EXPECT_EQ(preview.pixel(100, 100 - r5), 0xFF000000u);
    // The lower line is horizontal at the lower rim.
    for (int x = std::max(xm, 0); x <= 100; x += 5)
        EXPECT_EQ(preview.pixel(x, 100 + r5), 0xFF000000u) << x;

    Editor deep; // an eye in the middle: the upper line is horizontal too
    deep.PlaceEye(30, 30);
    deep.Click(110, 100); // radius 2
    const int xm2 = 100 + 5 * int(-deep.design().Z);
    const QImage deepPreview = deep.preview();
    for (int x = std::max(xm2, 0); x <= 100; x += 5)
        EXPECT_EQ(deepPreview.pixel(x, 90), 0xFF000000u) << x;
}

TEST(EyeDesigner, TheMagnifiedViewIsBlackOutsideThePicture) {
    Editor e;
    e.PlaceEye(2, 3);
    EXPECT_EQ(e.magnified().pixel(20, 20), 0xFF000000u);             // picture (-16, -17)
    EXPECT_EQ(e.magnified().pixel(100 + 25, 100 + 25), test::Water); // picture (7, 8)
    e.Click(110, 100);
    EXPECT_EQ(e.magnified().pixel(20, 20), 0xFF000000u);
}

TEST(EyeDesigner, ThePgxEndsWithTheEyeRecord) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(125, 100);
    e.Click(115, 130, MouseButton::Right); // rear colour: the fish's own orange
    e.Do([&] { e.eye.Button1Click(); });
    const QString path = e.dir.filePath("eye.pgx");
    ASSERT_TRUE(e.form.SavePgx(path));
    auto pgx = ReadPgxFile(path);
    ASSERT_TRUE(pgx);
    EXPECT_EQ(pgx->eyeFlag, 1);
    EXPECT_EQ(pgx->eye[0][0], float(30 / 50.0 - 120 / 50.0 / 2));
    EXPECT_EQ(pgx->eye[0][2], -float(e.s.EyeZ / 50));
    EXPECT_EQ(pgx->eye[1], (PgxVertex{0.1f, 0.05f, 0.0f}));
    EXPECT_EQ(pgx->eyeColour, 0x002080F0u);
}

// The eye designer through its handlers: placing the centre, the radius and
// rear colour picks, the sliders, the cross-section through the eye, OK and
// Cancel, and the eye record in the PGX file.

#include "TForm3.h"
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
        form.SpeedButton10Click();
        form.SpeedButton13Click();
    }
    void PlaceEye(int x, int y) {
        form.Image1MouseMove(None, x * s.Zoom, y * s.Zoom);
        form.Image1MouseUp(MouseButton::Left, None, x * s.Zoom, y * s.Zoom);
    }
    void Click(int x, int y, MouseButton b = MouseButton::Left) { eye.Image1MouseUp(b, x, y); }
};

} // namespace

TEST(EyeDesigner, TheEyeToolFollowsThePointerUntilARelease) {
    Editor e;
    EXPECT_TRUE(e.eye.Visible);
    EXPECT_EQ(e.s.ToolMode, ModeEye);
    EXPECT_TRUE(e.s.EyeSolid);
    EXPECT_FALSE(e.form.CheckBox9.Checked);
    e.form.Image1MouseMove(None, 28, 25);
    EXPECT_EQ(e.s.EyeX, 28);
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(100 + 2, 100 + 2),
              0xFF000000u);                             // the centre marker's black disc
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(110, 100), Eye); // picture (30, 25): a 5 x 5 block ...
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(114, 104), Eye);
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(115, 120), test::Orange); // ... beside its neighbours
    e.form.Image1MouseUp(MouseButton::Left, None, 31, 24);
    EXPECT_EQ(e.s.ToolMode, ModeEyePlaced);
    EXPECT_EQ(e.s.EyeX, 31);
    e.form.Image1MouseMove(None, 50, 50); // placed: the centre stays
    EXPECT_EQ(e.s.EyeX, 31);
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
        EXPECT_DOUBLE_EQ(e.eye.Radius, c.radius) << c.x << "," << c.y;
        EXPECT_DOUBLE_EQ(e.eye.Bulge, c.radius / 2) << c.x << "," << c.y;
    }
}

TEST(EyeDesigner, ShapeSliderSetsTheBulgePositionSliderTheDepth) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(120, 100); // radius 4
    const double surface = e.s.EyeZ;
    EXPECT_GT(surface, 0);
    struct Case {
        int shape;
        double bulge;
    } shapes[] = {{10, 2}, {30, 6}, {1, 0.2}};
    for (const Case& c : shapes) {
        e.eye.SetScrollBar1Position(c.shape);
        EXPECT_DOUBLE_EQ(e.eye.Bulge, c.bulge);
    }
    struct Depth {
        int position;
        double factor;
    } depths[] = {{0, 0}, {200, 2}, {300, 3}, {100, 1}};
    for (const Depth& d : depths) {
        e.eye.SetScrollBar2Position(d.position);
        EXPECT_NEAR(e.s.EyeZ, surface * d.factor, 1e-12) << d.position;
    }
}

TEST(EyeDesigner, TheDepthIsTheBodySurfaceAtTheEye) {
    Editor e;
    // Mid height of a column at 30: rows 20..40, the section's widest row.
    e.PlaceEye(30, 30);
    e.Click(100, 100);
    const double h = 20, span = e.s.SectionY[4] - e.s.SectionY[0];
    double expected = 0;
    for (int j = 1; j <= 4; ++j) {
        const double y0 = 20 + (e.s.SectionY[j - 1] - e.s.SectionY[0]) * h / span;
        const double y1 = 20 + (e.s.SectionY[j] - e.s.SectionY[0]) * h / span;
        if (y1 > 30 && y0 <= 30) {
            const double z0 = e.s.SectionZ[j - 1] * h / span, z1 = e.s.SectionZ[j] * h / span;
            expected = z0 + (z1 - z0) * (30 - y0) / (y1 - y0);
        }
    }
    EXPECT_NEAR(e.s.EyeZ, expected, 1e-9);
    EXPECT_NEAR(e.eye.EyeSectionY[0], 20 - 30, 1e-9); // the section, relative to the eye
}

TEST(EyeDesigner, AwkwardPlacesStillGiveAFiniteDepth) {
    struct Case {
        const char* name;
        int x, y;
        std::function<void(EditorState&)> change;
        std::function<void(const Editor&)> check;
    } cases[] = {
        {"behind the last column", 100, 30, nullptr,
         [](const Editor& e) { EXPECT_GT(e.s.EyeZ, 0); }},
        {"below the lower outline", 30, 45, nullptr,
         [](const Editor& e) { EXPECT_EQ(e.s.EyeZ, 0); }},
        {"above the upper outline", 30, 10, nullptr,
         [](const Editor& e) { EXPECT_EQ(e.s.EyeZ, 0); }},
        {"zero section span", 30, 30, [](EditorState& s) { s.SectionY.fill(20); },
         [](const Editor& e) { EXPECT_EQ(e.s.EyeZ, 0); }},
        {"two columns at one x", 30, 30,
         [](EditorState& s) { s.BodyX[4] = s.BodyX[5] = s.BodyX[2]; },
         [](const Editor& e) { EXPECT_GT(e.s.EyeZ, 0); }},
        {"last two columns at one x", 100, 30,
         [](EditorState& s) {
             s.BodyX[s.BodyLast - 1] = s.BodyX[s.BodyLast] = s.BodyX[s.BodyLast - 3];
         },
         [](const Editor& e) { EXPECT_GT(e.s.EyeZ, 0); }},
    };
    for (const Case& c : cases) {
        Editor e;
        if (c.change) c.change(e.s);
        e.PlaceEye(c.x, c.y);
        e.Click(110, 100);
        EXPECT_TRUE(std::isfinite(e.s.EyeZ)) << c.name;
        for (double v : e.eye.EyeSectionY) EXPECT_TRUE(std::isfinite(v)) << c.name;
        for (double v : e.eye.EyeSectionZ) EXPECT_TRUE(std::isfinite(v)) << c.name;
        c.check(e);
    }
}

TEST(EyeDesigner, TheRearColourStartsBelowTheRimAtEveryZoom) {
    for (int zoom : {1, 2, 4, 8}) {
        Editor e;
        e.form.SetZoom(zoom);
        e.PlaceEye(30, 25);
        e.Click(110, 100); // radius 2: the pixel at (30, 25 + 2 + 1)
        EXPECT_EQ(e.eye.SwatchColour(), Below & 0xFFFFFF) << zoom;
    }
    Editor e;
    e.PlaceEye(30, 58);
    e.Click(150, 100); // radius 10 reaches past the picture: the last working row
    EXPECT_EQ(e.eye.SwatchColour(), test::Water & 0xFFFFFF);
}

TEST(EyeDesigner, ARightClickChangesOnlyTheSwatch) {
    Editor e;
    e.PlaceEye(30, 25);
    e.Click(115, 100);
    const double radius = e.eye.Radius, z = e.s.EyeZ;
    e.Click(102, 102, MouseButton::Right); // on the centre marker: black
    EXPECT_EQ(e.eye.SwatchColour(), 0u);
    EXPECT_EQ(e.eye.Radius, radius);
    EXPECT_EQ(e.s.EyeZ, z);
    e.Click(5000, 5000, MouseButton::Right); // outside the view: nothing
    EXPECT_EQ(e.eye.SwatchColour(), 0u);
}

TEST(EyeDesigner, OkKeepsTheLastRadiusCancelDropsTheEye) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(125, 100); // radius 5
    e.eye.Button1Click();
    EXPECT_EQ(e.s.EyeRadius, 5);
    EXPECT_EQ(e.s.EyeBulge, 2.5);
    EXPECT_TRUE(e.form.CheckBox9.Checked);
    EXPECT_FALSE(e.eye.Visible);
    EXPECT_EQ(e.s.ToolMode, ModeNone);

    e.form.SpeedButton13Click(); // again, and OK without a click: the same size
    e.PlaceEye(40, 30);
    e.eye.Button1Click();
    EXPECT_EQ(e.s.EyeRadius, 5);
    EXPECT_EQ(e.s.EyeX, 40);

    e.form.SpeedButton13Click();
    e.PlaceEye(35, 28);
    const double z = e.s.EyeZ;
    e.eye.Button2Click();
    EXPECT_FALSE(e.s.EyeSolid);
    EXPECT_FALSE(e.form.CheckBox9.Checked);
    EXPECT_EQ(e.s.EyeX, 35);
    EXPECT_EQ(e.s.EyeZ, z);
    EXPECT_EQ(e.s.ToolMode, ModeNone);
}

TEST(EyeDesigner, PreviewJoinsTheRimToTheMiddlePlane) {
    Editor e;
    // An eye near the top: its upper rim (radius 8) lies above the body's outline.
    e.PlaceEye(30, 24);
    e.Click(140, 100);
    const QImage& preview = e.eye.Image2Bitmap;
    const int xm = 100 + 5 * int(-e.s.EyeZ), r5 = 40;
    // The upper line runs from the middle plane at the eye's height to the rim.
    EXPECT_EQ(preview.pixel(xm, 100), 0xFF000000u);
    EXPECT_EQ(preview.pixel(100, 100 - r5), 0xFF000000u);
    // The lower line is horizontal at the lower rim.
    for (int x = std::max(xm, 0); x <= 100; x += 5)
        EXPECT_EQ(preview.pixel(x, 100 + r5), 0xFF000000u) << x;

    Editor deep; // an eye in the middle: the upper line is horizontal too
    deep.PlaceEye(30, 30);
    deep.Click(110, 100); // radius 2
    const int xm2 = 100 + 5 * int(-deep.s.EyeZ);
    for (int x = std::max(xm2, 0); x <= 100; x += 5)
        EXPECT_EQ(deep.eye.Image2Bitmap.pixel(x, 90), 0xFF000000u) << x;
}

TEST(EyeDesigner, TheMagnifiedViewIsBlackOutsideThePicture) {
    Editor e;
    e.PlaceEye(2, 3);
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(20, 20), 0xFF000000u);             // picture (-16, -17)
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(100 + 25, 100 + 25), test::Water); // picture (7, 8)
    e.Click(110, 100);
    EXPECT_EQ(e.eye.Image1Bitmap.pixel(20, 20), 0xFF000000u);
}

TEST(EyeDesigner, ThePgxEndsWithTheEyeRecord) {
    Editor e;
    e.PlaceEye(30, 30);
    e.Click(125, 100);
    e.Click(115, 130, MouseButton::Right); // rear colour: the fish's own orange
    e.eye.Button1Click();
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

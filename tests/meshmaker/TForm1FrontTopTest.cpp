// The front and top shape editors through their handlers.

#include "PgxReader.h"
#include "TForm1.h"
#include "TestSupport.h"
#include "Views.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using test::Picture;

namespace {

// The front view's handles.
constexpr FrontHandle SectionVertex(int j) {
    return {FrontHandle::Kind::SectionVertex, j};
}
constexpr FrontHandle PectoralCorner(int k) {
    return {FrontHandle::Kind::PectoralCorner, k};
}
constexpr FrontHandle VentralLow{FrontHandle::Kind::VentralLow};

constexpr MouseState Left{.Left = true};
constexpr MouseState None{};

// A 121 x 61 fish: body rows 20..40 up to x 90 (columns every 15 pixels),
// deepest at column 1 (rows 16..40), with the front editor open.
struct Editor : test::OpenedEditor {
    explicit Editor(const QImage& picture = Picture(121, 61,
                                                    {QRect(0, 20, 91, 21), QRect(10, 16, 10, 4)}))
        : OpenedEditor(picture) {}
    void Front(int x0, int y0, int x1, int y1) {
        Do([&] { form.Image2MouseDown(MouseButton::Left, Left, x0, y0); });
        Do([&] { form.Image2MouseUp(MouseButton::Left, None, x1, y1); });
    }
    void Top(int x0, int y0, int x1, int y1, MouseState atRelease = None) {
        Do([&] { form.Image3MouseDown(MouseButton::Left, Left, x0, y0); });
        Do([&] { form.Image3MouseUp(MouseButton::Left, atRelease, x1, y1); });
    }
};

QPoint At(double z, double y) {
    return {int(std::lround(z)), int(std::lround(y))};
}

} // namespace

TEST(FrontEditor, OpensOnTheTallestColumnAndThenTheTopView) {
    Editor e;
    e.Do([&] { e.form.SpeedButton10Click(); });
    EXPECT_TRUE(e.form.SpeedButton12.Visible);
    EXPECT_TRUE(e.form.SpeedButton13.Visible);
    EXPECT_TRUE(e.form.CheckBox9.Visible);
    EXPECT_TRUE(e.form.Image2.Visible);
    EXPECT_TRUE(e.form.ScrollBar2.Visible);
    EXPECT_TRUE(e.form.CheckBox7.Checked);
    EXPECT_EQ(e.form.Label2.Caption, "体型と胸ビレ、腹ビレの横位置を決めます");
    EXPECT_EQ(e.s.FrontColumn, 2);
    EXPECT_EQ(e.s.SectionY[0], 16);
    EXPECT_EQ(ModeNumber(e.ui.Mode), 8); // the top view ends in mode 8, the whisker's
    EXPECT_TRUE(e.s.FrontOn);
    EXPECT_TRUE(e.s.TopViewOn);
    EXPECT_TRUE(e.form.Image3.Visible);
    EXPECT_EQ(e.form.ScrollBar4.Min, 9); // Nearest(90 / 10) .. Nearest(90 * 9 / 10)
    EXPECT_EQ(e.form.ScrollBar4.Max, 81);
    EXPECT_EQ(e.s.TopPeakX, 9); // moved into the range from 0
    EXPECT_EQ(e.s.TopPeakIndex, 1);
}

TEST(FrontEditor, WithoutATallColumnTheSectionStaysAsItWas) {
    Editor e(Picture(121, 61)); // nothing but water: every column spans the picture
    for (int i = 0; i <= e.s.BodyLast; ++i) e.s.BodyY[i] = 30;
    const auto sectionY = e.s.SectionY;
    e.form.SpeedButton10Click();
    EXPECT_EQ(e.s.FrontColumn, -1);
    EXPECT_EQ(e.s.SectionY, sectionY);
}

TEST(FrontView, SectionVerticesMoveSidewaysTheLowerIndexFirst) {
    Editor e;
    e.form.SpeedButton10Click();
    e.form.x21Click();
    const QPoint v2 = At(e.s.SectionZ[2], e.s.SectionY[2]);
    const double y2 = e.s.SectionY[2];
    e.Front(v2.x() * 2 + 1, v2.y() * 2 - 1, 31, 500); // release y is ignored
    EXPECT_EQ(e.s.SectionZ[2], 15.5);
    EXPECT_EQ(e.s.SectionY[2], y2);
    EXPECT_EQ(e.ui.PickedHandle, std::nullopt);

    e.s.SectionZ[1] = e.s.SectionZ[3] = 8;
    e.s.SectionY[1] = e.s.SectionY[3] = 25;
    e.form.Image2MouseDown(MouseButton::Left, Left, 16, 50);
    EXPECT_EQ(e.ui.PickedHandle, SectionVertex(1));
    ASSERT_TRUE(e.form.FrontMark);
    EXPECT_EQ(e.form.FrontMark->Centre, QPoint(16, 50));

    // Top and bottom vertices are fixed.
    e.form.Image2MouseDown(MouseButton::Left, Left, 0, int(e.s.SectionY[0] * 2));
    EXPECT_NE(e.ui.PickedHandle, SectionVertex(0));
}

TEST(FrontView, OneDivisionLeavesOnlyTheFinHandles) {
    Editor e;
    e.form.Edit2.Text = "1";
    e.form.Edit2Exit();
    e.form.SpeedButton10Click();
    e.s.PectoralZ[2] = 6;
    e.s.PectoralY[2] = 30;
    e.form.Image2MouseDown(MouseButton::Left, Left, 0, 16); // vertex 0 is not movable
    EXPECT_EQ(e.ui.PickedHandle, std::nullopt);
    e.form.Image2MouseDown(MouseButton::Left, Left, 6, 30);
    EXPECT_EQ(e.ui.PickedHandle, PectoralCorner(2));
    e.form.Image2MouseUp(MouseButton::Left, None, 12, 0);
    EXPECT_EQ(e.s.PectoralZ[2], 12);
}

TEST(FrontView, APressTakesTheNearestHandleByBothCoordinates) {
    Editor e;
    e.form.SpeedButton10Click();
    e.s.VentralLowIndex = 1;
    e.s.VentralZ[1] = 40, e.s.VentralY[1] = 50;   // ventral low point at depth 40 ...
    e.s.PectoralZ[1] = 40, e.s.PectoralY[1] = 30; // ... and pectoral point 1 at the same depth
    e.s.PectoralZ[2] = 42, e.s.PectoralY[2] = 30;
    const struct Case {
        const char* name;
        int x, y;
        std::optional<FrontHandle> handle;
    } cases[] = {
        {"on the pectoral point below the ventral one's depth", 40, 30, PectoralCorner(1)},
        {"on the ventral low point", 40, 50, VentralLow},
        {"between two pectoral points, nearer the second", 42, 31, PectoralCorner(2)},
        {"equally near both: the first in the order", 41, 30, PectoralCorner(1)},
        {"right depth, too far in height", 40, 40, std::nullopt},
        {"right height, too far in depth", 50, 30, std::nullopt},
    };
    for (const Case& c : cases) {
        e.form.Image2MouseDown(MouseButton::Left, Left, c.x, c.y);
        EXPECT_EQ(e.ui.PickedHandle, c.handle) << c.name;
    }
}

TEST(FrontView, TheVentralFinTiltsAboutItsHighPointAndAFlatFinStaysFinite) {
    Editor e;
    e.form.SpeedButton7Click();
    e.form.Image1MouseDown(MouseButton::Left, Left, 30, 41);
    e.form.Image1MouseUp(MouseButton::Left, None, 60, 58); // no fin there: rows 41..58 kept
    e.form.SpeedButton10Click();
    ASSERT_TRUE(e.s.VentralDone);
    EXPECT_EQ(e.s.VentralY[e.s.VentralHighIndex], 41);
    EXPECT_EQ(e.s.VentralY[e.s.VentralLowIndex], 58);
    const QPoint low = At(e.s.VentralZ[e.s.VentralLowIndex], 58);
    e.Front(low.x(), low.y(), 34, 0);
    EXPECT_EQ(e.s.VentralZ[e.s.VentralLowIndex], 34);
    EXPECT_EQ(e.s.VentralZ[e.s.VentralHighIndex], 0);
    EXPECT_DOUBLE_EQ(e.s.VentralZ[0], 0);

    // A fin with no height: its high and low points share one y.
    for (int k = 0; k <= e.s.VentralLast; ++k) e.s.VentralY[k] = 50;
    const QPoint flat = At(e.s.VentralZ[e.s.VentralLowIndex], 50);
    e.Front(flat.x(), flat.y(), 20, 0);
    for (int k = 0; k <= e.s.VentralLast; ++k) EXPECT_EQ(e.s.VentralZ[k], 0) << k;
    ASSERT_TRUE(e.form.SavePgx(e.dir.filePath("flat.pgx")));
    auto pgx = ReadPgxFile(e.dir.filePath("flat.pgx"));
    ASSERT_TRUE(pgx);
    for (const auto& v : pgx->ventral) EXPECT_TRUE(std::isfinite(v[2]));
}

TEST(FrontView, MovingTheWidthSettingRestoresTheEllipse) {
    Editor e;
    e.form.SpeedButton10Click();
    e.Front(int(e.s.SectionZ[2]), int(e.s.SectionY[2]), 3, 0);
    ASSERT_EQ(e.s.SectionZ[2], 3);
    e.form.SetScrollBar2Position(30);
    EXPECT_NEAR(e.s.SectionZ[2], 30 * 30 / 100.0, 1e-6);
    EXPECT_EQ(e.s.SectionMaxZ, e.s.SectionZ[2]); // the top view follows
}

TEST(TopView, InnerColumnsTakeAWidthCappedAtThePeakUnlessOnlyShiftIsHeld) {
    Editor e;
    e.form.SpeedButton10Click();
    const double peak = e.s.TopW[e.s.TopPeakIndex];
    ASSERT_EQ(e.s.TopPeakIndex, 1);
    const QPoint c2 = At(e.s.TopX[2], e.s.TopW[2]);
    struct Case {
        MouseState atRelease;
        int y;
        double width;
    } cases[] = {
        {None, 100, peak},
        {{.Shift = true}, 100, 100},
        {{.Shift = true, .Ctrl = true}, 100, peak},
        {{.Shift = true, .Alt = true}, 100, peak},
        {None, 5, 5},
        {None, -7, -7}, // a release above the view gives a negative width
    };
    for (const Case& c : cases) {
        e.s.TopW[2] = 10;
        e.Top(c2.x(), 10, c2.x(), c.y, c.atRelease);
        EXPECT_EQ(e.s.TopW[2], c.width) << c.y;
        EXPECT_EQ(e.ui.PickedColumn, std::nullopt);
    }

    // The widest column and the two ends do not move.
    const auto widths = e.s.TopW;
    e.Top(15, int(peak), 15, 1);
    e.Top(0, 0, 0, 30);
    e.Top(90, 0, 90, 30);
    EXPECT_EQ(e.s.TopW, widths);
}

TEST(TopView, ABodyOfTwoColumnsHasNothingToDrag) {
    Editor e;
    e.form.SetScrollBar1Position(10);
    e.form.Edit1.Text = "40";
    e.form.Edit1Exit();
    ASSERT_EQ(e.s.BodyColumns(), 2);
    e.form.SpeedButton10Click();
    const auto widths = e.s.TopW;
    e.Top(0, 0, 0, 20);
    e.Top(10, 0, 10, 20);
    EXPECT_EQ(e.s.TopW, widths);
    EXPECT_EQ(e.ui.PickedColumn, std::nullopt);
}

TEST(FrontAndTop, ThePgxCarriesTheEditedDepthsAndWidths) {
    Editor e;
    e.form.SpeedButton10Click();
    e.Front(int(std::lround(e.s.SectionZ[2])), int(std::lround(e.s.SectionY[2])), 12, 0);
    e.Top(int(e.s.TopX[3]), int(std::lround(e.s.TopW[3])), int(e.s.TopX[3]), 6);
    ASSERT_EQ(e.s.SectionZ[2], 12);
    ASSERT_EQ(e.s.TopW[3], 6);
    const QString path = e.dir.filePath("edited.pgx");
    ASSERT_TRUE(e.form.SavePgx(path));
    auto pgx = ReadPgxFile(path);
    ASSERT_TRUE(pgx);
    const int rows = e.s.N() + 1;
    const double ratio = 6 / e.s.TopW[e.s.TopPeakIndex];
    EXPECT_EQ(pgx->grid[3 * rows + 2][2], -float(ratio * 12 / 50));
}

TEST(FrontView, FinHandlesAreDrawnBeforeTheFinsAreBuilt) {
    Editor e;
    e.form.SpeedButton10Click();
    e.form.x41Click();
    // Unbuilt fins sit at depth 0 and y 0: their handles are drawn there.
    const QImage corner = RenderFrontView(e.form, QRect(0, 0, 10, 10));
    EXPECT_EQ(corner.pixel(1, 1), 0xFF000000u);
    EXPECT_EQ(e.s.VentralHighIndex, 0);
}

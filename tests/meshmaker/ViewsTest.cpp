// What the views show, pixel by pixel, for any rectangle of them.

#include "Views.h"
#include "Drawing.h"
#include "Picture.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using test::Picture;

namespace {

constexpr QRgb Black = 0xFF000000u, White = 0xFFFFFFFFu, Grey = 0xFF808080u, Red = 0xFFFF0000u;

struct Editor : test::OpenedEditor {
    using OpenedEditor::OpenedEditor;
    QImage Side() const {
        return RenderSideView(form, QRect(QPoint(0, 0), form.Image1.Geometry.size()));
    }
};

// The bounding box of the pixels of one colour.
QRect Extent(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// A picture of plain water with the given points in every list, in a tool mode.
struct ListEditor : Editor {
    ListEditor(std::initializer_list<std::pair<double, double>> points, ToolMode mode, int zoom)
        : Editor(Picture(41, 41)) {
        Fish& s = form.EditFish();
        int i = 0;
        for (auto [x, y] : points) {
            s.BodyX[i] = s.DorsalX[i] = s.AnalX[i] = s.WhiskerX[i] = x;
            s.BodyY[i] = s.DorsalY[i] = s.AnalY[i] = s.WhiskerY[i] = y;
            ++i;
        }
        s.BodyLast = s.DorsalLast = s.AnalLast = s.WhiskerLast = i - 1;
        ui.Mode = mode;
        form.SetZoom(zoom);
    }
};

} // namespace

TEST(SideView, DimsThePartOutsideTheCurrentTool) {
    Editor e(Picture(101, 61));
    const QRgb bright = test::Water,
               dim = qRgb(qRed(bright) / 2, qGreen(bright) / 2, qBlue(bright) / 2);
    struct Case {
        const char* name;
        void (TForm1::*tool)();
        QRgb left, right; // of the tail position 75
    } cases[] = {{"body: the tail dimmed", &TForm1::SpeedButton5Click, bright, dim},
                 {"tail: the body dimmed", &TForm1::SpeedButton4Click, dim, bright},
                 {"dorsal: nothing dimmed", &TForm1::SpeedButton6Click, bright, bright}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (e.form.*c.tool)();
        e.form.x21Click();
        const QImage view = RenderSideView(e.form, QRect(140, 50, 20, 10)); // picture x 70..79
        EXPECT_EQ(view.pixel(0, 0), c.left);
        EXPECT_EQ(view.pixel(9, 0), c.left);   // picture x 74
        EXPECT_EQ(view.pixel(10, 0), c.right); // picture x 75
    }
}

TEST(SideView, AnyRectangleIsThatPartOfTheWholeView) {
    Editor e(Picture(61, 41, {QRect(0, 10, 61, 20), QRect(20, 5, 5, 5)}));
    e.form.SpeedButton4Click();
    for (int zoom : {1, 2, 4, 8}) {
        e.form.SetZoom(zoom);
        const QImage whole = e.Side();
        for (QRect r : {QRect(0, 0, 7, 9), QRect(13 * zoom + 3, 11, 40, 17),
                        QRect(whole.width() - 5, whole.height() - 4, 5, 4)}) {
            const QImage part = RenderSideView(e.form, r), expected = whole.copy(r);
            QRect differ;
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x)
                    if (part.pixel(x, y) != expected.pixel(x, y))
                        differ |= QRect(x + r.x(), y + r.y(), 1, 1);
            EXPECT_TRUE(differ.isEmpty())
                << "zoom " << zoom << ": rectangle " << r.x() << "," << r.y() << " differs at "
                << differ.x() << "," << differ.y() << " " << differ.width() << "x"
                << differ.height();
        }
        // Beyond the picture the view is white.
        EXPECT_EQ(RenderSideView(e.form, QRect(whole.width(), 0, 3, 3)).pixel(1, 1), White);
    }
}

TEST(SideView, MarkersAreCentredOnRoundedPointsWithAZoomSizedRadius) {
    struct Case {
        int zoom, radius;
    } cases[] = {{1, 3}, {2, 4}, {4, 5}, {8, 7}};
    for (const Case& c : cases) {
        // One point at (10.5, 20.5): both round to even before scaling.
        ListEditor e({{10.5, 20.5}}, Editing(Tool::Body), c.zoom);
        e.form.RedrawSideView();
        const QImage view = e.Side();
        const int cx = 10 * c.zoom, cy = 20 * c.zoom;
        // The box (cx - r, cy - r)-(cx + r, cy + r) covers cx - r .. cx + r - 1.
        EXPECT_EQ(Extent(view, Black),
                  QRect(cx - c.radius, cy - c.radius, 2 * c.radius, 2 * c.radius))
            << c.zoom;
        EXPECT_EQ(view.pixel(cx - 1, cy - 1), White) << "filled white at zoom " << c.zoom;
    }
}

TEST(SideView, PointsOnTheBodyOutlineAreGrey) {
    struct Case {
        ToolMode mode;
        std::vector<bool> grey;
    } cases[] = {{Editing(Tool::Body), {false, false, false, false}},
                 {Editing(Tool::Dorsal), {true, true, false, true}},
                 {Editing(Tool::Anal), {true, true, true, false}},
                 {Editing(Tool::Whisker), {true, false, true, false}}};
    for (const Case& c : cases) {
        ListEditor e({{5, 5}, {5, 15}, {25, 5}, {25, 15}}, c.mode, 4);
        e.form.RedrawSideView();
        const QImage view = e.Side();
        const QPoint centres[] = {{20, 20}, {20, 60}, {100, 20}, {100, 60}};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(view.pixel(centres[i] - QPoint(2, 2)), c.grey[i] ? Grey : White)
                << "mode " << ModeNumber(c.mode) << " point " << i;
    }
}

TEST(SideView, EdgesJoinUpperAndLowerPointsAndCloseTheLastFinColumn) {
    for (ToolMode mode : {Editing(Tool::Body), Editing(Tool::Dorsal), Editing(Tool::Anal),
                          Editing(Tool::Whisker)}) {
        ListEditor e({{5, 5}, {5, 15}, {25, 5}, {25, 15}}, mode, 4);
        e.form.RedrawSideView();
        const QImage view = e.Side();
        EXPECT_EQ(view.pixel(60, 20), White) << ModeNumber(mode); // upper edge, point 0 to 2
        EXPECT_EQ(view.pixel(60, 60), White) << ModeNumber(mode); // lower edge, point 1 to 3
        const bool closed = mode == Editing(Tool::Dorsal) || mode == Editing(Tool::Anal);
        EXPECT_EQ(view.pixel(100, 40) == White, closed)
            << ModeNumber(mode);                                  // the last column, 3 to 2
        EXPECT_NE(view.pixel(20, 40), White) << ModeNumber(mode); // the first column stays open
    }
}

TEST(SideView, ThePickMarkIsRedUntilTheNextRedraw) {
    ListEditor e({{5, 5}, {5, 15}}, Editing(Tool::Body), 2);
    e.form.RedrawSideView();
    e.form.Image1MouseDown(MouseButton::Left, {.Left = true}, 10, 30);
    ASSERT_EQ(e.form.Ui.PickedPoint, 1);
    EXPECT_EQ(e.Side().pixel(10, 30), Red);
    EXPECT_EQ(Extent(e.Side(), Red), QRect(7, 27, 6, 6));
    e.form.RedrawSideView();
    EXPECT_EQ(e.Side().pixel(10, 30), White);
}

TEST(SideView, PectoralTriangleShowsThePointsPlacedSoFar) {
    Editor e(Picture(41, 41));
    e.form.SetZoom(4);
    e.form.SpeedButton9Click();
    EXPECT_EQ(Extent(e.Side(), Black), QRect());
    e.form.Image1MouseUp(MouseButton::Left, {}, 20, 20);
    e.form.Image1MouseUp(MouseButton::Left, {}, 100, 20);
    QImage view = e.Side();
    EXPECT_EQ(view.pixel(60, 20), White);        // the line from point 0 to 1
    EXPECT_EQ(Extent(view, Black).right(), 104); // two markers, the second at x 100
    e.form.Image1MouseUp(MouseButton::Left, {}, 60, 100);
    view = e.Side();
    EXPECT_EQ(e.form.Ui.Mode, Editing(Tool::Pectoral));
    EXPECT_EQ(view.pixel(40, 60), White); // the closing line from point 2 back to 0
}

TEST(Drawing, ABoxCoversItsLeftAndTopButNotItsRightAndBottom) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PreparePainter(p);
    FillBox(p, 2, 3, 7, 9, Qt::black);
    p.end();
    EXPECT_EQ(Extent(image, Black), QRect(QPoint(2, 3), QPoint(6, 8)));
}

TEST(SideView, ATransparentBackgroundShowsAsAQuietCheckerboard) {
    // The same fish on a transparent PNG and on a magenta BMP: both have the
    // key magenta as their background, but only the PNG's stands for
    // transparency, shown in squares of 8 screen pixels whatever the zoom,
    // dimmed where the picture is. The markers and everything else are alike.
    QImage transparent(41, 21, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    for (int y = 5; y < 15; ++y)
        for (int x = 10; x < 30; ++x) transparent.setPixel(x, y, test::Orange);
    QImage magenta = transparent.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 41; ++x)
            if (qAlpha(transparent.pixel(x, y)) == 0) magenta.setPixel(x, y, qRgb(255, 0, 255));
    Editor png, bmp;
    ASSERT_TRUE(transparent.save(png.dir.filePath("koi.png")));
    ASSERT_TRUE(magenta.save(bmp.dir.filePath("koi.bmp")));
    png.Open(png.dir.filePath("koi.png"));
    bmp.Open(bmp.dir.filePath("koi.bmp"));
    ASSERT_TRUE(png.pic.HasPicture() && bmp.pic.HasPicture());
    EXPECT_EQ(RgbAt(png.pic.PictureBitmap, 0, 0), 0xFF00FFu); // the key the tools compare

    const auto halved = [](QRgb c) { return qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2); };
    for (int zoom : {1, 3}) {
        SCOPED_TRACE(zoom);
        png.form.SetZoom(zoom);
        bmp.form.SetZoom(zoom);
        const QImage shown = png.Side(), keyed = bmp.Side();
        ASSERT_EQ(shown.size(), keyed.size());
        int squares = 0, dimmedSquares = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb checker = (x / 8 + y / 8) % 2 == 0 ? 0xFFEEEEEEu : 0xFFD2D2D2u;
                if (keyed.pixel(x, y) == 0xFFFF00FFu) {
                    ASSERT_EQ(shown.pixel(x, y), checker) << x << "," << y;
                    ++squares;
                } else if (keyed.pixel(x, y) == halved(0xFFFF00FFu)) {
                    ASSERT_EQ(shown.pixel(x, y), halved(checker)) << x << "," << y;
                    ++dimmedSquares;
                } else {
                    ASSERT_EQ(shown.pixel(x, y), keyed.pixel(x, y)) << x << "," << y;
                }
            }
        EXPECT_GT(squares, 100);
        EXPECT_GT(dimmedSquares, 10);
    }
}

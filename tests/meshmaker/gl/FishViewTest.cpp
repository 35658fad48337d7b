// The 3-D view on a real X server with OpenGL (Mesa's software renderer
// under Xvfb): what it draws, read back from its framebuffer, as the camera
// turns, as the editor's fish changes, and meshmaker --view.

#include "FishView.h"
#include "Batch.h"
#include "MainWindow.h"
#include "PgxReader.h"
#include "Picture.h"
#include "PreviewWindow.h"
#include "TForm3.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// Readable failures.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << " x " << r.height() << " at " << r.x() << ", " << r.y();
}
inline void PrintTo(const QImage& image, std::ostream* os) {
    *os << "an image of " << image.width() << " x " << image.height();
}

namespace {

// The sample fish with its fins and eye, as the README makes it.
struct SampleFish {
    QTemporaryDir dir;
    QString bmp, pgx;
    PgxFile file;
    QImage picture;
    SampleFish() {
        bmp = dir.filePath("fish.bmp"), pgx = dir.filePath("fish.pgx");
        QFile::copy(QStringLiteral(SAMPLE_FISH), bmp);
        QString sink;
        QTextStream out(&sink), err(&sink);
        RunBatch({bmp,
                  "--step",
                  "10",
                  "--divisions",
                  "8",
                  "--thickness",
                  "50",
                  "--dorsal",
                  "140,10,230,60",
                  "--ventral",
                  "121,150,169,191",
                  "--anal",
                  "220,115,279,164",
                  "--pectoral",
                  "82,101,124,104,100,126",
                  "--whisker",
                  "3,104,18,123",
                  "--eye",
                  "45,82,8",
                  "-o",
                  pgx},
                 out, err);
        if (auto read = ReadPgxFile(pgx)) file = std::move(*read);
        picture = LoadPicture(bmp).image;
    }
};

const SampleFish& Sample() {
    static SampleFish fish;
    if (fish.file.grid.empty() || fish.picture.isNull()) {
        std::fprintf(stderr, "the sample fish could not be made in %s\n",
                     qPrintable(fish.dir.path()));
        std::abort(); // every test that needs it fails
    }
    return fish;
}

constexpr QRgb Clear = FishRenderer::ClearColour & RGB_MASK;

QImage Frame(FishView* view) {
    return view->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
}

QRgb Rgb(const QImage& image, QPoint p) {
    return image.pixel(p) & RGB_MASK;
}

// Where the model is: every pixel that is not the clear colour.
QRect ModelBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Rgb(image, {x, y}) != Clear) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int PixelsNear(const QImage& image, QRgb colour, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - qRed(colour)) <= tolerance &&
                 std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                 std::abs(qBlue(p) - qBlue(colour)) <= tolerance;
        }
    return n;
}

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A drag in steps of a few pixels, as a hand makes it.
void Drag(QWidget* widget, Qt::MouseButton button, QPoint from, QPoint to) {
    Send(widget, QEvent::MouseButtonPress, from, button, button);
    const int steps = 12;
    for (int k = 1; k <= steps; ++k)
        Send(widget, QEvent::MouseMove, from + (to - from) * k / steps, Qt::NoButton, button);
    Send(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

void Wheel(QWidget* widget, QPoint at, int notches) {
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

// The viewer window on the sample fish, shown.
struct Viewer {
    PreviewWindow window{Sample().file, Sample().picture, QStringLiteral("fish.bmp")};
    FishView* view = nullptr;
    Viewer() {
        window.resize(640, 420);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        view = window.View();
    }
};

// Fails the test, never skips it, when the display gives no OpenGL.
#define ASSERT_OPENGL(view, window)                                                                \
    ASSERT_NE(view, nullptr) << "no OpenGL: " << (window).Message().toStdString();                 \
    ASSERT_TRUE((view)->isValid()) << "the view has no OpenGL context"

double HueDistance(QColor a, QColor b) {
    const double d = std::abs(a.hsvHueF() - b.hsvHueF());
    return 360 * std::min(d, 1 - d);
}

} // namespace

TEST(FishView, TheSampleFishShowsFishColoursAtTheCentreAndTheClearColourInTheCorners) {
    Viewer v;
    ASSERT_OPENGL(v.view, v.window);
    EXPECT_EQ(v.window.windowTitle(), QStringLiteral("3D Preview - fish.bmp"));
    const QImage frame = Frame(v.view);
    ASSERT_FALSE(frame.isNull());
    const QPoint centre(frame.width() / 2, frame.height() / 2);
    // The side view shows the picture as it is drawn: at the centre is the
    // body's colour at the picture's centre, lit.
    const QColor seen = QColor::fromRgb(Rgb(frame, centre));
    const QColor painted = QColor::fromRgb(Sample().picture.pixel(200, 100));
    EXPECT_NE(Rgb(frame, centre), Clear);
    EXPECT_LT(HueDistance(seen, painted), 20.0)
        << seen.name().toStdString() << " for " << painted.name().toStdString();
    EXPECT_GT(seen.hsvSaturationF(), 0.3) << seen.name().toStdString();
    for (QPoint corner : {QPoint(0, 0), QPoint(frame.width() - 1, 0), QPoint(0, frame.height() - 1),
                          QPoint(frame.width() - 1, frame.height() - 1)})
        EXPECT_EQ(Rgb(frame, corner), Clear) << corner.x() << "," << corner.y();

    const FishMesh mesh = BuildFishMesh(Sample().file);
    EXPECT_EQ(v.window.CountsLine(),
              Texts::PreviewCounts().arg(mesh.vertices.size()).arg(mesh.triangles.size()));
}

TEST(FishView, AQuarterOrbitTurnsTheLongSideSilhouetteIntoTheShortFrontOne) {
    Viewer v;
    ASSERT_OPENGL(v.view, v.window);
    const QRect side = ModelBounds(Frame(v.view));
    ASSERT_GT(side.width(), 2 * side.height()) << "the sample fish is long";
    const QPoint centre = v.view->rect().center();
    const int quarter = int(90 / OrbitCamera::DegreesPerPixel);
    Drag(v.view, Qt::LeftButton, centre, centre + QPoint(quarter, 0));
    const QRect front = ModelBounds(Frame(v.view));
    EXPECT_LT(front.width() * 3, side.width()) << "from the front it is narrow";
    EXPECT_GT(front.height() * 2, side.height()) << "and as tall";
    EXPECT_LT(front.width(), front.height());
}

TEST(FishView, KeysAndADoubleClickGiveTheStandardViews) {
    Viewer v;
    ASSERT_OPENGL(v.view, v.window);
    const QImage asPicture = Frame(v.view);
    const QRect side = ModelBounds(asPicture);
    const QPoint centre = v.view->rect().center();
    auto wander = [&] {
        Drag(v.view, Qt::LeftButton, centre, centre + QPoint(70, 40));
        Wheel(v.view, centre + QPoint(30, 10), 2);
        Drag(v.view, Qt::RightButton, centre, centre + QPoint(-20, 15));
        ASSERT_NE(Frame(v.view), asPicture);
    };

    wander();
    QTest::keyClick(v.view, Qt::Key_Home);
    EXPECT_EQ(Frame(v.view), asPicture) << "Home";
    wander();
    QTest::mouseDClick(v.view, Qt::LeftButton, {}, centre);
    EXPECT_EQ(Frame(v.view), asPicture) << "double-click";
    wander();
    QTest::keyClick(v.view, Qt::Key_S);
    EXPECT_EQ(Frame(v.view), asPicture) << "S";

    QTest::keyClick(v.view, Qt::Key_F);
    const QRect front = ModelBounds(Frame(v.view));
    EXPECT_LT(front.width(), front.height()) << "F: the front";
    QTest::keyClick(v.view, Qt::Key_T);
    const QRect top = ModelBounds(Frame(v.view));
    EXPECT_GT(top.width(), 3 * top.height()) << "T: from above, long and thin";
    EXPECT_LT(top.height(), side.height() / 2);
}

TEST(FishView, TheWireframeDrawsTheGridOverTheModel) {
    Viewer v;
    ASSERT_OPENGL(v.view, v.window);
    auto* box = v.window.findChild<QCheckBox*>(QStringLiteral("Wireframe"));
    ASSERT_NE(box, nullptr);
    const QImage shaded = Frame(v.view);
    const QRgb line = qRgb(20, 31, 41);
    const int before = PixelsNear(shaded, line, 6);

    QTest::keyClick(v.view, Qt::Key_W);
    EXPECT_TRUE(box->isChecked()) << "the box follows the key";
    const QImage grid = Frame(v.view);
    EXPECT_GT(PixelsNear(grid, line, 6), before + 2000) << "the grid's lines";
    // Over the model, with the fins' whole strips where the picture masks them.
    EXPECT_TRUE(ModelBounds(grid).contains(ModelBounds(shaded)));

    box->setChecked(false);
    EXPECT_FALSE(v.view->Wireframe());
    EXPECT_EQ(Frame(v.view), shaded);
}

TEST(FishView, TheWheelZoomsTowardsTheCursorAndARightOrMiddleDragPans) {
    {
        Viewer v;
        ASSERT_OPENGL(v.view, v.window);
        // Zoomed out first, so that the whole model stays in the view.
        Wheel(v.view, v.view->rect().center(), -3);
        const QRect before = ModelBounds(Frame(v.view));
        const QPoint cursor(before.left() + before.width() / 4, before.center().y());
        Wheel(v.view, cursor, 1);
        const QRect after = ModelBounds(Frame(v.view));
        // The point under the cursor stays: the edges move away from it by
        // the zoom's factor.
        const double k = 1 / OrbitCamera::ZoomPerWheelStep;
        EXPECT_NEAR(after.left(), cursor.x() + (before.left() - cursor.x()) * k, 4);
        EXPECT_NEAR(after.right(), cursor.x() + (before.right() - cursor.x()) * k, 4);
        EXPECT_NEAR(after.top(), cursor.y() + (before.top() - cursor.y()) * k, 4);
    }
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        Viewer v;
        ASSERT_OPENGL(v.view, v.window);
        // Zoomed out first, so that the whole model stays in the view.
        Wheel(v.view, v.view->rect().center(), -3);
        const QRect before = ModelBounds(Frame(v.view));
        const QPoint from = v.view->rect().center();
        Drag(v.view, button, from, from + QPoint(40, 25));
        const QRect after = ModelBounds(Frame(v.view));
        EXPECT_NEAR(after.left(), before.left() + 40, 1) << int(button);
        EXPECT_NEAR(after.top(), before.top() + 25, 1) << int(button);
        EXPECT_EQ(after.size(), before.size()) << int(button);
    }
}

// ------------------------------------------------------------- in the editor

namespace {

struct Editor {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    MainWindow window{&dialogs};
    TForm1& form = window.Form();
    PreviewWindow* preview = nullptr;
    FishView* view = nullptr;
    QWidget* image1 = nullptr;

    Editor() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QString bmp = dir.filePath("fish.bmp");
        QFile::copy(QStringLiteral(SAMPLE_FISH), bmp);
        window.Dispatch([&] { form.OpenPicture(bmp); });
        window.Action(QStringLiteral("PreviewButton"))->trigger();
        preview = dynamic_cast<PreviewWindow*>(
            window.findChild<QWidget*>(QStringLiteral("PreviewWindow")));
        if (!preview) return;
        preview->resize(640, 420);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(preview));
        view = preview->View();
        image1 = window.findChild<QWidget*>(QStringLiteral("Image1"));
    }
    void Do(const std::function<void()>& handler) { window.Dispatch(handler); }
};

#define ASSERT_EDITOR_OPENGL(e)                                                                    \
    ASSERT_NE((e).preview, nullptr) << "the 3-D Preview action opens the window";                  \
    ASSERT_OPENGL((e).view, *(e).preview)

} // namespace

TEST(EditorPreview, ABodyPointDragChangesTheRenderedImageWithinOneFrame) {
    Editor e;
    ASSERT_EDITOR_OPENGL(e);
    EXPECT_EQ(e.preview->windowTitle(), QStringLiteral("3D Preview - fish.bmp"));
    e.Do([&] { e.form.SpeedButton5Click(); }); // the body tool, at x1
    const QImage before = Frame(e.view);
    const int revision = e.form.Document.Revision();
    const int rebuilds = e.view->Rebuilds();

    // Column 2's upper point, where the picture shows it.
    const QPoint point(int(e.form.Current().BodyX[4]), int(e.form.Current().BodyY[4]));
    Send(e.image1, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(e.form.Ui.PickedPoint, 4);
    // Many moves before a frame: one rebuild, at the frame.
    for (int dy = 1; dy <= 25; ++dy)
        Send(e.image1, QEvent::MouseMove, point - QPoint(0, dy), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(e.view->Rebuilds(), rebuilds) << "nothing is rebuilt between frames";
    const QImage dragged = Frame(e.view);
    EXPECT_EQ(e.view->Rebuilds(), rebuilds + 1) << "one rebuild for the frame";
    EXPECT_NE(dragged, before) << "the model follows the drag at the next frame";
    EXPECT_EQ(e.form.Document.Revision(), revision) << "the fish waits for the release";
    EXPECT_EQ(Frame(e.view), dragged);
    EXPECT_EQ(e.view->Rebuilds(), rebuilds + 1) << "a frame without a change rebuilds nothing";

    Send(e.image1, QEvent::MouseButtonRelease, point - QPoint(0, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(e.form.Document.Revision(), revision + 1);
    EXPECT_EQ(Frame(e.view), dragged) << "the released fish is the one the drag showed";
    EXPECT_EQ(e.view->Rebuilds(), rebuilds + 2);
}

TEST(EditorPreview, EveryChangeOfTheSavedFishRefreshesTheViewOnce) {
    struct Case {
        const char* name;
        std::function<void(Editor&)> change;
    } cases[] = {
        {"a finer body",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton5Click(); });
             e.window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText("10");
             e.Do([&] { e.form.Edit1Exit(); });
         }},
        {"the front tool", [](Editor& e) { e.Do([&] { e.form.SpeedButton10Click(); }); }},
        {"thickness", [](Editor& e) { e.Do([&] { e.form.SetScrollBar2Position(120); }); }},
        {"divisions",
         [](Editor& e) {
             e.window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText("7");
             e.Do([&] { e.form.Edit2Exit(); });
         }},
        {"a dorsal fin",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton6Click(); });
             e.Do([&] { e.form.Image1MouseDown(MouseButton::Left, {.Left = true}, 140, 10); });
             e.Do([&] { e.form.Image1MouseUp(MouseButton::Left, {}, 230, 60); });
         }},
        {"the eye designer's OK",
         [](Editor& e) {
             e.Do([&] { e.form.SpeedButton13Click(); });
             e.Do([&] { e.form.Image1MouseUp(MouseButton::Left, {}, 45, 82); });
             e.Do([&] { e.form.Form3().Image1MouseUp(MouseButton::Left, 140, 100); });
             e.Do([&] { e.form.Form3().Button1Click(); });
         }},
        {"the top view's peak",
         [](Editor& e) { e.Do([&] { e.form.SetScrollBar4Position(150); }); }},
    };
    Editor e;
    ASSERT_EDITOR_OPENGL(e);
    QImage shown = Frame(e.view);
    QString shownCounts = e.preview->CountsLine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int revision = e.form.Document.Revision();
        const int rebuilds = e.view->Rebuilds();
        c.change(e);
        ASSERT_GT(e.form.Document.Revision(), revision) << "the case changes the fish";
        const QImage now = Frame(e.view);
        EXPECT_EQ(e.view->Rebuilds(), rebuilds + 1) << "at most one rebuild per frame";
        const PreviewModel saved = PreviewOfFish(e.form.Current(), e.form.Picture);
        const QString counts = e.preview->CountsLine();
        EXPECT_EQ(counts, Texts::PreviewCounts()
                              .arg(saved.mesh.vertices.size())
                              .arg(saved.mesh.triangles.size()));
        // A new shape shows in the picture; a fin or an eye that the traced
        // body hides from the side (the painted fins are part of its
        // outline) shows in the counts.
        EXPECT_TRUE(now != shown || counts != shownCounts) << "the view shows the new model";
        shown = now;
        shownCounts = counts;
    }
    // What changes no saved byte rebuilds nothing.
    const int rebuilds = e.view->Rebuilds();
    e.Do([&] { e.form.x21Click(); });
    e.Do([&] { e.form.x11Click(); });
    EXPECT_EQ(Frame(e.view), shown);
    EXPECT_EQ(e.view->Rebuilds(), rebuilds);
}

// ------------------------------------------------------------- meshmaker --view

namespace {

struct Finished {
    int status = -1;
    bool finished = false;
    QString out, err;
};

Finished Meshmaker(const QStringList& args, int waitMs) {
    QProcess p;
    p.start(QStringLiteral(MESHMAKER_PROGRAM), args);
    Finished r;
    if (!p.waitForStarted()) return r;
    r.finished = p.waitForFinished(waitMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.status = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace

TEST(ViewCommand, AMalformedFileGetsTheReadersMessageAndNoWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.pgx");
    QByteArray bytes = test::FileBytes(Sample().pgx);
    bytes.truncate(bytes.size() - 7);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    PgxError error;
    ASSERT_FALSE(ReadPgx(bytes, &error).has_value());

    const Finished r = Meshmaker({"--view", path}, 15000);
    ASSERT_TRUE(r.finished) << "it ends at once: no window waits";
    EXPECT_EQ(r.status, ExitFailed);
    EXPECT_EQ(r.err, QStringLiteral("meshmaker: %1: %2\n").arg(path, error.text()));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(ViewCommand, APictureOfAnotherSizeIsRefusedAndAGoodFileOpensItsWindow) {
    QTemporaryDir dir;
    const QString other =
        test::SaveBmp(dir, "other.bmp", test::Picture(50, 30, {QRect(5, 5, 20, 10)}));
    const Finished refused = Meshmaker({"--view", Sample().pgx, "--picture", other}, 15000);
    ASSERT_TRUE(refused.finished);
    EXPECT_EQ(refused.status, ExitFailed);
    EXPECT_TRUE(refused.err.contains(Texts::PictureOfOtherSize().arg(50).arg(30).arg(401).arg(201)))
        << refused.err.toStdString();

    // The sample's own picture is found beside it; the window stays until closed.
    const Finished shown = Meshmaker({"--view", Sample().pgx}, 3000);
    EXPECT_FALSE(shown.finished) << shown.err.toStdString();
    EXPECT_FALSE(shown.err.contains(QStringLiteral("untextured")));
}

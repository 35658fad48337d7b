// The 3-D view's camera: the side view matches the picture, the standard
// views look from where they say, and the mouse turns, pans and zooms as a
// hand would expect.

#include "OrbitCamera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A picture of 400 x 200 pixels is 8 x 4 file units; a fish in it 0.6 deep.
OrbitCamera Camera(QSize viewport) {
    OrbitCamera camera;
    camera.SetViewport(viewport);
    camera.SetScene({-4, -2, -0.6f}, {4, 2, 0.6f});
    camera.Show(OrbitCamera::Standard::Side);
    return camera;
}

void ExpectNear(QPointF actual, QPointF expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual.x(), expected.x(), tolerance) << what;
    EXPECT_NEAR(actual.y(), expected.y(), tolerance) << what;
}

float DepthInView(const OrbitCamera& camera, QVector3D world) {
    return camera.View().map(world).z(); // towards the camera is larger
}

} // namespace

TEST(OrbitCamera, TheSideViewShowsThePictureAsItIsDrawn) {
    struct Case {
        const char* name;
        QSize viewport;
        double scale; // viewport pixels per file unit
    } cases[] = {
        {"wider than the picture", {1000, 300}, 300.0 / 4},
        {"taller than the picture", {400, 600}, 400.0 / 8},
        {"the picture's shape", {800, 400}, 100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OrbitCamera camera = Camera(c.viewport);
        const QPointF centre(c.viewport.width() / 2.0, c.viewport.height() / 2.0);
        // Picture x to the right, y up; the picture's rectangle fills the
        // viewport one way and is centred the other.
        ExpectNear(camera.Project({0, 0, 0}), centre, 1e-3, "centre");
        ExpectNear(camera.Project({-4, 2, 0}), centre + QPointF(-4, -2) * c.scale, 1e-2,
                   "top left");
        ExpectNear(camera.Project({4, -2, 0}), centre + QPointF(4, 2) * c.scale, 1e-2,
                   "bottom right");
        ExpectNear(camera.Project({1, 0.5f, 0}), centre + QPointF(1, -0.5) * c.scale, 1e-2,
                   "inside");
    }
}

TEST(OrbitCamera, TheStandardViewsLookFromTheirSide) {
    OrbitCamera camera = Camera({800, 600});
    EXPECT_GT(DepthInView(camera, {0, 0, 0.6f}), DepthInView(camera, {0, 0, -0.6f}))
        << "the side view looks from +z";

    camera.Show(OrbitCamera::Standard::Front);
    EXPECT_GT(DepthInView(camera, {-4, 0, 0}), DepthInView(camera, {4, 0, 0}))
        << "the front view looks at the head, on the left of the picture";
    EXPECT_LT(camera.Project({0, 2, 0}).y(), camera.Project({0, -2, 0}).y()) << "y still up";

    camera.Show(OrbitCamera::Standard::Top);
    EXPECT_GT(DepthInView(camera, {0, 2, 0}), DepthInView(camera, {0, -2, 0}))
        << "the top view looks down";
    EXPECT_LT(camera.Project({-4, 0, 0}).x(), camera.Project({4, 0, 0}).x())
        << "the head stays on the left";

    // The front and the top frame the whole box (the side frames the
    // picture's plane, as the test above shows).
    for (auto view : {OrbitCamera::Standard::Front, OrbitCamera::Standard::Top}) {
        camera.Show(view);
        for (float x : {-4.0f, 4.0f})
            for (float y : {-2.0f, 2.0f})
                for (float z : {-0.6f, 0.6f}) {
                    const QPointF p = camera.Project({x, y, z});
                    EXPECT_GE(p.x(), -0.5) << int(view);
                    EXPECT_LE(p.x(), 800.5) << int(view);
                    EXPECT_GE(p.y(), -0.5) << int(view);
                    EXPECT_LE(p.y(), 600.5) << int(view);
                }
    }
}

TEST(OrbitCamera, AQuarterTurnOfDraggingIsTheFrontAndPitchStopsAtThePoles) {
    OrbitCamera camera = Camera({800, 600});
    camera.Orbit({90 / OrbitCamera::DegreesPerPixel, 0});
    EXPECT_FLOAT_EQ(camera.Yaw(), -90);
    EXPECT_GT(DepthInView(camera, {-4, 0, 0}), DepthInView(camera, {4, 0, 0}))
        << "dragging to the right brings the head round to the viewer";

    camera.Orbit({0, 500});
    EXPECT_FLOAT_EQ(camera.Pitch(), 90) << "no further than straight down";
    camera.Orbit({0, -2000});
    EXPECT_FLOAT_EQ(camera.Pitch(), -90);
    camera.Orbit({-720 / OrbitCamera::DegreesPerPixel, 0});
    EXPECT_NEAR(camera.Yaw(), -90, 1e-3) << "yaw wraps round";
}

TEST(OrbitCamera, ThePointUnderTheCursorStaysThereWhenZooming) {
    struct Case {
        const char* name;
        QPointF cursor;
        double steps;
    } cases[] = {
        {"in at the centre", {400, 300}, 1},
        {"in at a corner", {40, 560}, 3},
        {"out at the right", {700, 200}, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrbitCamera camera = Camera({800, 600});
        camera.Orbit({40, 30}); // from anywhere, not just the side
        // The point under the cursor on the plane through the target.
        const QMatrix4x4 toWorld = (camera.Projection() * camera.View()).inverted();
        const float targetDepth = (camera.Projection() * camera.View()).map(camera.Target()).z();
        const QVector3D under = toWorld.map(
            QVector3D(float(c.cursor.x() / 400 - 1), float(1 - c.cursor.y() / 300), targetDepth));
        const float distance = camera.Distance();
        camera.ZoomAt(c.cursor, c.steps);
        ExpectNear(camera.Project(under), c.cursor, 0.05, "zoom");
        EXPECT_NEAR(camera.Distance(), distance * std::pow(OrbitCamera::ZoomPerWheelStep, c.steps),
                    1e-3 * distance);
    }
}

TEST(OrbitCamera, APanMovesThePictureWithTheMouse) {
    OrbitCamera camera = Camera({800, 400});
    for (QPointF drag : {QPointF(30, -20), QPointF(-75, 12)}) {
        const QPointF before = camera.Project({1, 1, 0});
        camera.Pan(drag);
        ExpectNear(camera.Project({1, 1, 0}), before + drag, 1e-2, "a point of the picture");
    }
    camera.Orbit({50, 50}); // turned, the point at the target's depth still follows
    const QVector3D target = camera.Target();
    camera.Pan({10, 10});
    ExpectNear(camera.Project(target), QPointF(410, 210), 1e-2, "the old target");
}

TEST(OrbitCamera, ZoomStaysWithinReasonOfTheScene) {
    OrbitCamera camera = Camera({800, 600});
    const float fitted = camera.Distance();
    camera.ZoomAt({400, 300}, 200);
    EXPECT_GT(camera.Distance(), 0.0f);
    EXPECT_LT(camera.Distance(), fitted);
    camera.ZoomAt({400, 300}, -400);
    EXPECT_TRUE(std::isfinite(camera.Distance()));
    camera.Show(OrbitCamera::Standard::Side);
    EXPECT_FLOAT_EQ(camera.Distance(), fitted) << "Home returns to the picture's view";
}

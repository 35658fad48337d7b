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
    const QSize viewports[] = {{1000, 300}, {400, 600}, {800, 400}};
    for (QSize viewport : viewports) {
        SCOPED_TRACE(viewport.width());
        const OrbitCamera camera = Camera(viewport);
        const QPointF centre(viewport.width() / 2.0, viewport.height() / 2.0);
        // The picture's rectangle: centred, x to the right and y up, one
        // scale both ways.
        ExpectNear(camera.Project({0, 0, 0}), centre, 1e-3, "centre");
        const QPointF topLeft = camera.Project({-4, 2, 0}) - centre;
        const QPointF bottomRight = camera.Project({4, -2, 0}) - centre;
        ExpectNear(bottomRight, -topLeft, 1e-2, "symmetric");
        EXPECT_LT(topLeft.x(), 0);
        EXPECT_LT(topLeft.y(), 0);
        EXPECT_NEAR(topLeft.x() / -4, topLeft.y() / -2, 1e-3) << "one scale";
        ExpectNear(camera.Project({1, 0.5f, 0}) - centre, QPointF(1, -0.5) * (topLeft.x() / -4),
                   1e-2, "inside");
        // The nearest face of the box fills the viewport one way.
        double fill = 0;
        for (QVector3D corner : {QVector3D(-4, 2, 0.6f), QVector3D(4, -2, 0.6f)}) {
            const QPointF p = camera.Project(corner) - centre;
            fill = std::max({fill, std::abs(p.x()) / (viewport.width() / 2.0),
                             std::abs(p.y()) / (viewport.height() / 2.0)});
        }
        EXPECT_NEAR(fill, 1.0, 1e-3);
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

    // Each frames the whole box.
    for (auto view :
         {OrbitCamera::Standard::Side, OrbitCamera::Standard::Front, OrbitCamera::Standard::Top}) {
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

#pragma once
// The 3-D view's camera: a few matrices, no framework. It looks at a target
// point from a distance, turned by a yaw about the vertical axis and a pitch
// over it, through a perspective of a fixed vertical field of view. Mouse
// movements in viewport pixels turn, pan and zoom it; the standard views frame
// the scene's box.
//
// World coordinates are the mesh's (file units, x to the right of the
// picture, y up, the picture's plane at z = 0). Yaw 0 and pitch 0 look from
// +z towards -z, so x is to the right and y up as in the picture; yaw -90
// looks from -x (at the head of a fish that faces left, as traced fish do);
// pitch 90 looks down from +y.

#include <QMatrix4x4>
#include <QPointF>
#include <QSize>
#include <QVector3D>

class OrbitCamera {
public:
    static constexpr float FieldOfView = 25.0f;      // degrees, vertical
    static constexpr float DegreesPerPixel = 0.5f;   // orbit speed
    static constexpr float ZoomPerWheelStep = 0.85f; // distance factor of one wheel notch in
    enum class Standard { Side, Front, Top };

    // The viewport in pixels (at least 1 x 1).
    void SetViewport(QSize size);
    QSize Viewport() const { return viewport_; }

    // The box the standard views frame (file units). For a fish, the
    // picture's rectangle at z = 0 together with the mesh's bounds: the side
    // view then shows the picture's rectangle filling the viewport.
    void SetScene(const QVector3D& boxMin, const QVector3D& boxMax);

    // Looks at the scene from a standard direction, framing it: the side
    // view shows the box's x and y extent at z = 0 (the picture's rectangle)
    // centred and unturned, as the picture is drawn, from far enough that
    // the box's nearest face fits the viewport; the front view fits the
    // box's z and y, the top its x and z, in the same way.
    void Show(Standard view);

    // Left drag: turns by DegreesPerPixel; pitch stays within -90..90.
    void Orbit(QPointF pixels);
    // Right or middle drag: the point under the cursor (at the target's
    // depth) follows the mouse.
    void Pan(QPointF pixels);
    // Wheel: steps notches (positive in) towards the viewport point cursor;
    // the point under the cursor at the target's depth stays under it.
    void ZoomAt(QPointF cursor, double steps);

    QMatrix4x4 View() const;
    QMatrix4x4 Projection() const;
    // Where a world point lands in the viewport, in pixels from the top left.
    QPointF Project(const QVector3D& world) const;

    float Yaw() const { return yaw_; }
    float Pitch() const { return pitch_; }
    float Distance() const { return distance_; }
    QVector3D Target() const { return target_; }
    void SetOrientation(float yaw, float pitch);

private:
    float Aspect() const;
    float TanHalfFov() const;
    // The camera's right and up directions in world coordinates.
    QVector3D Right() const;
    QVector3D Up() const;
    // The distance at which a rectangle of these half extents (across and
    // up the viewport) fills it.
    float FitDistance(float halfAcross, float halfUp) const;
    float SceneRadius() const;

    QSize viewport_{1, 1};
    QVector3D boxMin_{-1, -1, -1}, boxMax_{1, 1, 1};
    QVector3D target_;
    float yaw_ = 0, pitch_ = 0, distance_ = 4;
};

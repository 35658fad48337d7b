// The 3-D view's camera matrices and its mouse turns, without OpenGL; the
// view widget (gui/FishView) drives it.

#include "OrbitCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float Radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180.0f;
}

} // namespace

void OrbitCamera::SetViewport(QSize size) {
    viewport_ = QSize(std::max(1, size.width()), std::max(1, size.height()));
}

void OrbitCamera::SetScene(const QVector3D& boxMin, const QVector3D& boxMax) {
    // A box without extent in some direction still has one to look at.
    for (int k = 0; k < 3; ++k) {
        boxMin_[k] = std::min(boxMin[k], boxMax[k]);
        boxMax_[k] = std::max(boxMin[k], boxMax[k]);
        if (boxMax_[k] - boxMin_[k] < 1e-3f) boxMin_[k] -= 0.5f, boxMax_[k] += 0.5f;
    }
}

float OrbitCamera::Aspect() const {
    return float(viewport_.width()) / float(viewport_.height());
}

float OrbitCamera::TanHalfFov() const {
    return std::tan(Radians(FieldOfView / 2));
}

float OrbitCamera::FitDistance(float halfAcross, float halfUp) const {
    return std::max(halfUp, halfAcross / Aspect()) / TanHalfFov();
}

float OrbitCamera::SceneRadius() const {
    return (boxMax_ - boxMin_).length() / 2;
}

void OrbitCamera::Show(Standard view) {
    const QVector3D centre = (boxMin_ + boxMax_) / 2, half = (boxMax_ - boxMin_) / 2;
    target_ = centre;
    switch (view) {
    case Standard::Side:
        // The picture's rectangle, centred as drawn; far enough for the
        // nearer half of a thick body to stay in the viewport too.
        target_.setZ(0);
        yaw_ = 0, pitch_ = 0;
        distance_ = FitDistance(half.x(), half.y()) + boxMax_.z();
        break;
    case Standard::Front:
        yaw_ = -90, pitch_ = 0;
        distance_ = FitDistance(half.z(), half.y()) + half.x();
        break;
    case Standard::Top:
        yaw_ = 0, pitch_ = 90;
        distance_ = FitDistance(half.x(), half.z()) + half.y();
        break;
    }
}

void OrbitCamera::SetOrientation(float yaw, float pitch) {
    yaw_ = std::remainder(yaw, 360.0f);
    pitch_ = std::clamp(pitch, -90.0f, 90.0f);
}

void OrbitCamera::Orbit(QPointF pixels) {
    SetOrientation(yaw_ - float(pixels.x()) * DegreesPerPixel,
                   pitch_ + float(pixels.y()) * DegreesPerPixel);
}

QVector3D OrbitCamera::Right() const {
    QMatrix4x4 turn;
    turn.rotate(yaw_, 0, 1, 0);
    turn.rotate(-pitch_, 1, 0, 0);
    return turn.map(QVector3D(1, 0, 0));
}

QVector3D OrbitCamera::Up() const {
    QMatrix4x4 turn;
    turn.rotate(yaw_, 0, 1, 0);
    turn.rotate(-pitch_, 1, 0, 0);
    return turn.map(QVector3D(0, 1, 0));
}

void OrbitCamera::Pan(QPointF pixels) {
    const float perPixel = 2 * distance_ * TanHalfFov() / float(viewport_.height());
    target_ += (-float(pixels.x()) * Right() + float(pixels.y()) * Up()) * perPixel;
}

void OrbitCamera::ZoomAt(QPointF cursor, double steps) {
    // The point under the cursor on the plane through the target that faces
    // the camera; scaling the distance and the target's offset from that
    // point by the same factor keeps it under the cursor.
    const float nx = 2 * float(cursor.x()) / float(viewport_.width()) - 1;
    const float ny = 1 - 2 * float(cursor.y()) / float(viewport_.height());
    const float halfUp = distance_ * TanHalfFov();
    const QVector3D under = target_ + Right() * (nx * halfUp * Aspect()) + Up() * (ny * halfUp);
    const float radius = SceneRadius();
    const float wanted = distance_ * float(std::pow(double(ZoomPerWheelStep), steps));
    const float distance = std::clamp(wanted, radius * 0.02f, radius * 50.0f);
    const float factor = distance / distance_;
    target_ = under + (target_ - under) * factor;
    distance_ = distance;
}

QMatrix4x4 OrbitCamera::View() const {
    QMatrix4x4 m;
    m.translate(0, 0, -distance_);
    m.rotate(pitch_, 1, 0, 0);
    m.rotate(-yaw_, 0, 1, 0);
    m.translate(-target_);
    return m;
}

QMatrix4x4 OrbitCamera::Projection() const {
    QMatrix4x4 m;
    const float radius = SceneRadius();
    m.perspective(FieldOfView, Aspect(), distance_ * 0.01f, distance_ + 4 * radius);
    return m;
}

QPointF OrbitCamera::Project(const QVector3D& world) const {
    const QVector3D ndc = (Projection() * View()).map(world); // divides by w
    return QPointF((ndc.x() + 1) / 2 * viewport_.width(), (1 - ndc.y()) / 2 * viewport_.height());
}

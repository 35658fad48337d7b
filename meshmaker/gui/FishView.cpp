// The 3-D view's widget: the camera and the renderer over a preview model; the
// preview window holds it.

#include "FishView.h"

#include "ModelTexture.h"
#include "Texts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTimer>
#include <QWheelEvent>

FishView::FishView(Source source, QWidget* parent)
    : QOpenGLWidget(parent), source_(std::move(source)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
}

FishView::~FishView() {
    ReleaseGl();
}

bool FishView::OpenGLAvailable(QString* why) {
    auto refuse = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    QOpenGLContext context;
    if (!context.create()) return refuse(Texts::NoOpenGLContext());
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface)) return refuse(Texts::NoOpenGLCurrent());
    const QSurfaceFormat format = context.format();
    const int major = format.majorVersion(), minor = format.minorVersion();
    context.doneCurrent();
    const bool enough = context.isOpenGLES() ? major >= 2 : major > 2 || (major == 2 && minor >= 1);
    if (!enough) return refuse(Texts::OpenGLTooOld().arg(major).arg(minor));
    return true;
}

void FishView::ModelChanged() {
    stale_ = true;
    update();
}

void FishView::ShowStandard(OrbitCamera::Standard view) {
    camera_.Show(view);
    update();
}

void FishView::SetWireframe(bool on) {
    if (wireframe_ == on) return;
    wireframe_ = on;
    update();
}

void FishView::initializeGL() {
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { ReleaseGl(); });
    QString why;
    if (!renderer_.Initialize(&why)) {
        // The window takes the view away; not while the view is being set up.
        QTimer::singleShot(0, this, [this, why] {
            if (onFailed) onFailed(Texts::OpenGLShadersFailed().arg(why));
        });
        return;
    }
    ready_ = true;
    stale_ = true;
    texturePicture_ = -1;
}

void FishView::ReleaseGl() {
    if (!ready_) return;
    makeCurrent();
    renderer_.Release();
    doneCurrent();
    ready_ = false;
}

void FishView::resizeGL(int, int) {
    // Mouse movements are in widget pixels, so the camera counts in them too.
    camera_.SetViewport(size());
}

void FishView::Rebuild() {
    model_ = source_();
    ++rebuilds_;
    renderer_.UploadMesh(model_.mesh);
    edgesStale_ = true;

    const qint64 picture = model_.picture.cacheKey();
    if (picture != texturePicture_ || model_.background != textureBackground_) {
        // The export's two pictures, made by the same code; none (the model
        // untextured) when they cannot be made.
        const auto pictures = model_.picture.isNull()
                                  ? std::nullopt
                                  : MakeModelPictures(model_.picture, model_.background);
        renderer_.UploadTextures(pictures ? pictures->body : QImage(),
                                 pictures ? pictures->fins : QImage());
        texturePicture_ = picture;
        textureBackground_ = model_.background;
    }

    // A new picture is seen from the side as it is drawn; edits of the same
    // fish keep the camera where the user has turned it.
    const SceneBox box = SceneOf(model_);
    camera_.SetScene(box.min, box.max);
    const QSize pictureSize(model_.pictureWidth, model_.pictureHeight);
    if (picture != framedPicture_ || pictureSize != framedSize_) {
        camera_.Show(OrbitCamera::Standard::Side);
        framedPicture_ = picture;
        framedSize_ = pictureSize;
    }
    if (onRebuilt) onRebuilt(model_);
}

void FishView::paintGL() {
    if (!ready_) return;
    if (stale_) {
        stale_ = false;
        Rebuild();
    }
    if (wireframe_ && edgesStale_) {
        renderer_.UploadEdges(MeshEdges(model_.mesh));
        edgesStale_ = false;
    }
    renderer_.Render(camera_.View(), camera_.Projection(), wireframe_);
}

void FishView::mousePressEvent(QMouseEvent* event) {
    lastMouse_ = event->position();
}

void FishView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF delta = event->position() - lastMouse_;
    lastMouse_ = event->position();
    if (event->buttons() & Qt::LeftButton)
        camera_.Orbit(delta);
    else if (event->buttons() & (Qt::RightButton | Qt::MiddleButton))
        camera_.Pan(delta);
    else
        return;
    update();
}

void FishView::mouseReleaseEvent(QMouseEvent* event) {
    lastMouse_ = event->position();
}

void FishView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ShowStandard(OrbitCamera::Standard::Side);
}

void FishView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) return;
    camera_.ZoomAt(event->position(), steps);
    update();
    event->accept();
}

void FishView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_S:
        ShowStandard(OrbitCamera::Standard::Side);
        break;
    case Qt::Key_F:
        ShowStandard(OrbitCamera::Standard::Front);
        break;
    case Qt::Key_T:
        ShowStandard(OrbitCamera::Standard::Top);
        break;
    case Qt::Key_W:
        SetWireframe(!wireframe_);
        if (onWireframe) onWireframe(wireframe_);
        break;
    default:
        QOpenGLWidget::keyPressEvent(event);
    }
}

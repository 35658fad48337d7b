#pragma once
// The 3-D view itself: a QOpenGLWidget that draws the model its source gives
// and turns the camera with the mouse and keys.
//
// The model is rebuilt only when it has been marked changed, and then at
// the next frame, once however many changes came before it: a drag's moves
// come faster than frames are drawn. The texture is uploaded again only
// when the picture changes.
//
//   left drag                  turns the model (orbit)
//   wheel                      zooms towards the cursor
//   right or middle drag       moves it (pan)
//   Home, double-click         the side view that matches the picture
//   S, F, T                    side, front, top
//   W                          the wireframe: the grid over the model

#include "FishRenderer.h"
#include "OrbitCamera.h"
#include "PreviewModel.h"

#include <QOpenGLWidget>

#include <functional>

class FishView : public QOpenGLWidget {
public:
    using Source = std::function<PreviewModel()>;

    explicit FishView(Source source, QWidget* parent = nullptr);
    ~FishView() override;

    // Whether this display can give the view an OpenGL 2.1 or OpenGL ES 2
    // context; why not when it cannot.
    static bool OpenGLAvailable(QString* why);

    // The model has changed: the next frame rebuilds it.
    void ModelChanged();
    // How many times the model has been rebuilt.
    int Rebuilds() const { return rebuilds_; }
    const PreviewModel& Model() const { return model_; }

    void ShowStandard(OrbitCamera::Standard view);
    bool Wireframe() const { return wireframe_; }
    void SetWireframe(bool on);
    const OrbitCamera& Camera() const { return camera_; }

    // After each rebuild (the counts line), when the wireframe is switched by
    // a key, and when OpenGL fails in the driver.
    std::function<void(const PreviewModel&)> onRebuilt;
    std::function<void(bool)> onWireframe;
    std::function<void(const QString&)> onFailed;

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild();
    void ReleaseGl();

    Source source_;
    FishRenderer renderer_;
    OrbitCamera camera_;
    PreviewModel model_;
    bool stale_ = true;
    bool edgesStale_ = true;
    bool wireframe_ = false;
    bool ready_ = false;
    int rebuilds_ = 0;
    // The picture the camera was framed for and the one the texture holds.
    qint64 framedPicture_ = -1;
    QSize framedSize_;
    qint64 texturePicture_ = -1;
    quint32 textureBackground_ = 0;
    QPointF lastMouse_;
};

#pragma once
// A view of the editor: it asks for the pixels of the rectangle being painted
// (never the whole zoomed picture) and passes mouse events on.

#include "Controls.h"

#include <QImage>
#include <QWidget>

#include <functional>

class ViewWidget : public QWidget {
public:
    using Render = std::function<QImage(const QRect&)>;
    using MouseHandler = std::function<void(MouseButton, MouseState, QPoint)>;

    explicit ViewWidget(QWidget* parent, Render render);
    MouseHandler onPress, onRelease, onMove;
    std::function<void()> onLeave; // the pointer has left the view

    static MouseState StateOf(const QMouseEvent* event);
    static MouseButton ButtonOf(const QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Render render_;
};

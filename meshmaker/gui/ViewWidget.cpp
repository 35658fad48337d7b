// A view of the main window or the eye designer: it paints the exposed
// rectangle its render function gives and forwards the mouse.

#include "ViewWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

ViewWidget::ViewWidget(QWidget* parent, Render render)
    : QWidget(parent), render_(std::move(render)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region()) p.drawImage(r.topLeft(), render_(r));
}

MouseState ViewWidget::StateOf(const QMouseEvent* event) {
    MouseState s;
    s.Shift = event->modifiers() & Qt::ShiftModifier;
    s.Ctrl = event->modifiers() & Qt::ControlModifier;
    s.Alt = event->modifiers() & Qt::AltModifier;
    s.Left = event->buttons() & Qt::LeftButton;
    s.Right = event->buttons() & Qt::RightButton;
    s.Middle = event->buttons() & Qt::MiddleButton;
    return s;
}

MouseButton ViewWidget::ButtonOf(const QMouseEvent* event) {
    switch (event->button()) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(ButtonOf(event), StateOf(event), event->position().toPoint());
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(ButtonOf(event), StateOf(event), event->position().toPoint());
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(ButtonOf(event), StateOf(event), event->position().toPoint());
}

void ViewWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (onLeave) onLeave();
}

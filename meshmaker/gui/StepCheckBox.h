#pragma once
// A check box of the tool bar. With a release handler, a mouse release over
// the box runs the handler instead of toggling: the box only ever shows what
// the editor says (a box is cleared this way, never set). Without one it
// toggles as usual.

#include <QCheckBox>
#include <QMouseEvent>

#include <functional>

class StepCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    std::function<void()> onRelease;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!onRelease) return QCheckBox::mouseReleaseEvent(event);
        setDown(false);
        if (rect().contains(event->position().toPoint())) onRelease();
    }
};

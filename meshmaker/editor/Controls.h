#pragma once
// What each control of a window shows. The form logic changes these records;
// the widgets copy them after every event, so the widget code stays a mirror.

#include <QRect>
#include <QString>

struct Control {
    bool Visible = true;
    QRect Geometry; // left, top, width, height in the parent's client area
    QString Hint;   // shown as the tool tip
};

struct Button : Control {
    QString Caption;   // empty for picture buttons
    bool Down = false; // shown pressed: the tool in use
};

struct CheckBox : Control {
    bool Checked = false;
};

struct Edit : Control {
    QString Text;
};

// A number as a field shows it: decimal, without blanks.
inline void ShowNumber(Edit& field, int value) {
    field.Text = QString::number(value);
}

struct Label : Control {
    QString Caption;
};

// A scroll bar whose change event also fires when the program moves it.
struct ScrollBar : Control {
    int Min = 0, Max = 100, Position = 0;
    int PageStep = 10; // how far a click on the track moves the thumb
};

// A menu entry that is checked or not.
struct MenuEntry {
    bool Checked = false;
};

// A view; what it displays is rendered from the state on demand.
struct Image : Control {};

// The mouse at an event: modifier keys and the buttons held (a press
// includes the button being pressed, a release no longer holds it).
struct MouseState {
    bool Shift = false, Ctrl = false, Alt = false;
    bool Left = false, Right = false, Middle = false;
};

enum class MouseButton { Left, Right, Middle };

#pragma once
// What the user is doing at the moment, apart from the fish: the tool, the
// zoom, and what the last press picked on each view. None of it is saved,
// and none of it is part of an undo step.

#include "ToolModes.h"

#include <QPoint>

#include <optional>

// Handles of the front view besides the section vertices 1..N-1.
inline constexpr int VentralLowHandle = 100;
inline constexpr int PectoralHandle1 = 101;
inline constexpr int PectoralHandle2 = 102;

struct Interaction {
    int Zoom = 0; // 0 until a picture is opened, then 1, 2, 4 or 8
    int ToolMode = ModeNone;

    // Side view: the point of the current list picked by the last press, or
    // -1. It starts at 0, as the editor has always started.
    int PickedPoint = 0;
    // Side view in mode 106: the pectoral corners placed so far (0..2).
    int PectoralClicks = 0;
    // Front view: the handle picked by the last press (a section vertex, or
    // one of the fin handles above), or -1.
    int FrontHandle = -1;
    // Top view: the body column picked by the last press, or -1.
    int PickedColumn = -1;

    // CheckBox7 has no handler: a click only toggles the box, until the
    // program sets FrontOn again.
    bool FrontBoxToggled = false;

    // Side view, while a fin or whisker rectangle is dragged: the picture
    // point the pointer has reached (the rectangle's other corner so far).
    std::optional<QPoint> RangeCorner;
    // Side view: the picture point under the pointer, while it is over the view.
    std::optional<QPoint> Pointer;
};

#pragma once
// What the user is doing at the moment, apart from the fish: the tool, the
// zoom, and what the last press picked on each view. None of it is saved,
// and none of it is part of an undo step. TForm1 keeps it; the views and
// the window read it.

#include "ToolTable.h"

#include <QPoint>

#include <optional>

// A handle of the front view: a vertex of the front section (1..N-1), the
// ventral fin's low point, or a corner of the pectoral triangle (1 or 2).
struct FrontHandle {
    enum class Kind { SectionVertex, VentralLow, PectoralCorner };
    Kind Of = Kind::SectionVertex;
    int Vertex = 0; // the section vertex or the pectoral corner; 0 for the ventral low point
    friend bool operator==(const FrontHandle&, const FrontHandle&) = default;
};

struct Interaction {
    int Zoom = 0; // 0 until a picture is opened, then 1, 2, 4 or 8
    ToolMode Mode;

    // Side view: the point of the tool's list picked by the last press, until
    // its release puts it down. None before any press: a release without a
    // press moves nothing.
    std::optional<int> PickedPoint;
    // Side view while the pectoral corners are clicked: those placed so far (0..2).
    int PectoralClicks = 0;
    // Front view: the handle picked by the last press.
    std::optional<FrontHandle> PickedHandle;
    // Top view: the body column picked by the last press.
    std::optional<int> PickedColumn;

    // CheckBox7 has no handler: a click only toggles the box, until the
    // program sets FrontOn again.
    bool FrontBoxToggled = false;

    // Side view, while a fin or whisker rectangle is dragged: the picture
    // point the pointer has reached (the rectangle's other corner so far).
    std::optional<QPoint> RangeCorner;
    // Side view: the picture point under the pointer, while it is over the view.
    std::optional<QPoint> Pointer;
};

#pragma once
// The tools of the editor, one row each: what part of the fish a tool shapes
// and where that part lies in the fish, its button and check box on the tool
// panel, which of its points a press can pick, the names of its undo steps,
// and the mode numbers the form's tables give it. The form logic (TForm1's
// handlers, ShowFish, ShowFeedback), the main window's actions and tool
// panel, and the batch read the table; adding a tool is a row here, and in
// TForm1 its handler and the records of its button and check box.

#include "Controls.h"
#include "Fish.h"
#include "UndoHistory.h"

#include <QString>

#include <span>

class TForm1;

// The tools, in the order of the tool panel. None is no tool in use: the
// side view shows the picture alone and the mouse does nothing there.
enum class Tool { None, Body, Tail, Dorsal, Ventral, Anal, Pectoral, Whisker, Front, TopView, Eye };

// How far the tool in use has come: its part is there to be edited (on the
// side view; the eye in the designer), or it is being drawn anew over
// several events (a rectangle dragged for a fin or the whisker, the three
// pectoral corners clicked, the eye's centre placed).
enum class ToolStage { Editing, Drawing };

// The tool in use and its stage: what the side view shows and what the
// mouse does there.
struct ToolMode {
    ::Tool Tool = ::Tool::None;
    ToolStage Stage = ToolStage::Editing;
    bool Drawing() const { return Stage == ToolStage::Drawing; }
    friend bool operator==(const ToolMode&, const ToolMode&) = default;
};
constexpr ToolMode Editing(Tool tool) {
    return {tool, ToolStage::Editing};
}
constexpr ToolMode Drawing(Tool tool) {
    return {tool, ToolStage::Drawing};
}

// Which points of a tool's list a press can pick: every Stride-th entry from
// Lowest on, tried from the highest index down, or with LowestFirst from the
// lowest up; the first one hit wins. A point is hit within the marker's
// radius (the body) or within PickTolerance picture pixels on both axes.
struct PickRule {
    int Lowest = 0;
    int Stride = 0; // 0: nothing can be picked
    bool LowestFirst = false;
    bool MarkerTolerance = false;
    bool Takes(int i) const { return Stride > 0 && i >= Lowest && (i - Lowest) % Stride == 0; }
};
inline constexpr int PickTolerance = 3;

// The geometry of a control of the tool panel: its left edge and width.
struct PanelPlace {
    int Left = 0, Width = 0;
};

struct ToolRow {
    ::Tool Tool = ::Tool::None;
    // The part it shapes; its points are PointsOf(fish, Part).
    ::Part Part = ::Part::None;

    // Its button: the form's name for it (also the widget's objectName),
    // its record, its place, its picture (gui/icons/<Icon>.svg) or else its
    // caption, its hint, and the handler of a click.
    const char* FormName = nullptr;
    ::Button TForm1::*Button = nullptr;
    PanelPlace ButtonPlace{};
    const char* Icon = nullptr;
    QString (*Caption)() = nullptr;
    QString (*Hint)() = nullptr;
    void (TForm1::*Click)() = nullptr;
    // Shown once the front tool has opened the shape editors.
    bool WithShapeEditors = false;

    // Its check box under the button, showing the step done: the form's
    // name, the record, its place, whether it has the hint, and the handler
    // of a release over it (none: a click only toggles it). Checked shows
    // the fish's flag; a release clears Done and, where there is one, sets
    // the list's Last index to 0.
    const char* BoxName = nullptr;
    ::CheckBox TForm1::*Box = nullptr;
    PanelPlace BoxPlace{};
    bool BoxHint = false;
    void (TForm1::*BoxRelease)() = nullptr;
    bool Fish::*Done = nullptr;
    int Fish::*Last = nullptr;
    bool (*Checked)(const Fish& fish, bool boxToggled) = nullptr;

    // Steps[StepSlot] is what the step field shows and edits while the tool
    // is in use (-1: the field leaves the tool alone), and the builder that
    // a new step, or the end of the tool's rectangle, runs.
    int StepSlot = -1;
    void (TForm1::*Build)() = nullptr;
    // What the prompt says while the part is drawn anew (or the tool works).
    QString (*Prompt)() = nullptr;
    // The rectangle dragged on the side view to draw the part, or none.
    RangeRect Fish::*Range = nullptr;
    PickRule Pick{};
    // The side view closes the strip's last column: the fin's edge runs back
    // to the body's.
    bool ClosesOnBody = false;
    bool MovesFreely = false; // a picked point moves in x and y, else up and down only

    // The steps of the undo history: the tool's click (with what it starts),
    // moving one of its points, clearing it with its check box.
    UndoStep Uses = UndoStep::Unnamed, MovesPoint = UndoStep::Unnamed, Clears = UndoStep::Unnamed;

    // The numbers of the tool modes of its two stages, as the form's tables
    // give them; -1 where the tool has no such stage.
    int EditingModeNumber = -1, DrawingModeNumber = -1;

    // The tool draws its part over several events (a rectangle, three
    // corners, the eye's centre), which make one undo step.
    bool DrawsOverEvents() const { return DrawingModeNumber >= 0; }
    // The step field shows and edits the tool's step.
    bool HasStepField() const { return StepSlot >= 0; }
};

// Every row, in the order of the tool panel; the first is None's.
std::span<const ToolRow> Tools();
const ToolRow& RowOf(Tool tool);

// The tool mode's number in the form's tables (0 no tool, 1 body, ... 103
// waiting for the dorsal rectangle, ... 109 the eye placed): the one place
// where the typed tool mode meets those numbers.
int ModeNumber(ToolMode mode);

// The undo action of a tool's click: its step, waiting for the events that
// finish it when the tool draws over several.
UndoAction ClickAction(Tool tool);

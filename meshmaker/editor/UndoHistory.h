#pragma once
// Undo and redo of the fish. A step is the fish before and after one user
// action; the document says when the fish changed (its OnStep listener), and
// the handler of the event says at its start which action the event is
// (Begin), with the action's name taken from the tool table or from the one
// place beside the handler that decides it. Actions that take several
// events are one step: a fin rectangle (its press stores the first corner,
// its release builds the strip), the three pectoral clicks, the eye from the
// eye tool to the designer's OK, and the tool click that starts a fin or the
// whisker; the events before the last are actions that wait, and their
// changes wait for the event that finishes the action. Consecutive moves of
// one scroll bar are one step too.
//
// The steps are snapshot commands on a QUndoStack, each holding two whole
// fish (about 17 KB each; the picture is never part of a step). The stack
// keeps at most StepLimit steps, dropping the oldest, so the history never
// holds more than StepLimit * 2 * sizeof(Fish) bytes (8.8 MB). The window's
// Undo and Redo entries are made by the stack (Stack()).

#include "Fish.h"
#include "FishDocument.h"

#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>

// What a step of the history was; its name is the text of Undo and Redo.
enum class UndoStep {
    Unnamed, // a change no handler named: a fault of the handler
    TraceBody,
    TraceTail,
    MoveBodyPoint,
    MoveTailPoint,
    MoveDorsalPoint,
    MoveVentralPoint,
    MoveAnalPoint,
    MovePectoralPoint,
    MoveWhiskerPoint,
    InsertBodyColumn,
    DeleteBodyColumn,
    DrawDorsalFin,
    DrawVentralFin,
    DrawAnalFin,
    DrawWhisker,
    PlacePectoralFin,
    OpenFrontView,
    OpenTopView,
    ShapeFrontView,
    ShapeTopView,
    PlaceEye,
    MoveTailPosition,
    SetThickness,
    MoveWidestPoint,
    SetStep,
    SetDivisions,
    ClearBody,
    ClearTail,
    ClearDorsalFin,
    ClearVentralFin,
    ClearAnalFin,
    ClearPectoralFin,
    ClearWhisker,
    ClearEye,
};

// The step's name as Undo and Redo show it ("move body point").
QString UndoStepName(UndoStep step);

// What a user event is to the history: the step it is (or belongs to), and
// whether it waits for a later event of the same action to finish it.
struct UndoAction {
    UndoStep Step = UndoStep::Unnamed;
    bool Waits = false;
};

class UndoHistory {
public:
    static constexpr int StepLimit = 256;

    // Listens to the document's steps; show puts a whole fish on display
    // without running any change handler (undo and redo go through it).
    UndoHistory(FishDocument& document, std::function<void(const Fish&)> show);
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // At the start of an event, by its handler: the change of this event is
    // this action (or part of it). An action that waits joins the change of
    // the event that finishes it, unless a change of another action comes
    // first. A handler that runs another handler keeps its own action: the
    // first action of an event counts.
    void Begin(UndoAction action);
    // After every event (whether or not the fish changed).
    void EndEvent();

    // A new history: the fish as it stands is its start (a picture opened).
    void Clear();

    bool CanUndo() const;
    bool CanRedo() const;
    // The step that Undo and Redo would take back or take again.
    std::optional<UndoStep> UndoStepKind() const;
    std::optional<UndoStep> RedoStepKind() const;
    // Takes the last step back, or takes the next step again: the fish is
    // shown as it was after (or before) that step.
    void Undo();
    void Redo();

    // The stack of the finished steps: the window makes its Undo and Redo
    // entries from it.
    QUndoStack& Stack() { return stack_; }

    // The steps held (for tests and the checks of the fuzz targets).
    int Count() const { return stack_.count(); }
    int Index() const { return stack_.index(); }
    UndoStep StepAt(int index) const;
    bool Pending() const { return pending_.has_value(); }

private:
    void Record(const Fish& before, const Fish& after);
    bool Waiting() const; // an action waits for its last event, with a change to show for it
    void Push(const Fish& before, const Fish& after, UndoStep step);
    void Flush();

    struct Naming {
        UndoAction action;
        bool named = false;
    };
    struct PendingStep {
        UndoStep step;
        Fish before;
    };

    FishDocument& document_;
    std::function<void(const Fish&)> show_;
    QUndoStack stack_;
    Naming naming_;
    std::optional<PendingStep> pending_;
};

// Undo and redo of the fish: the steps on the QUndoStack, their names, and the
// actions that wait for their last event; TForm1 owns it.

#include "UndoHistory.h"

#include "Texts.h"

#include <QUndoCommand>

namespace {

// Moves of one scroll bar in a row are one step.
bool MergesWithItself(UndoStep step) {
    return step == UndoStep::MoveTailPosition || step == UndoStep::SetThickness ||
           step == UndoStep::MoveWidestPoint;
}

// One step: the fish before and after it, shown whole on undo and redo.
class FishStep : public QUndoCommand {
public:
    FishStep(UndoStep step, const Fish& before, const Fish& after,
             const std::function<void(const Fish&)>& show)
        : step_(step), before_(before), after_(after), show_(show) {
        setText(UndoStepName(step));
    }
    UndoStep Step() const { return step_; }

    void undo() override { show_(before_); }
    void redo() override {
        // Pushing a step runs redo() once; the fish already is what it made.
        if (done_) show_(after_);
        done_ = true;
    }
    int id() const override { return MergesWithItself(step_) ? int(step_) : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const FishStep*>(other);
        if (next->step_ != step_) return false;
        after_ = next->after_;
        setObsolete(before_ == after_); // moved back to where it started: no step at all
        return true;
    }

private:
    UndoStep step_;
    Fish before_, after_;
    const std::function<void(const Fish&)>& show_;
    bool done_ = false;
};

} // namespace

QString UndoStepName(UndoStep step) {
    using namespace Texts;
    switch (step) {
    case UndoStep::Unnamed:
        return StepUnnamed();
    case UndoStep::TraceBody:
        return StepTraceBody();
    case UndoStep::TraceTail:
        return StepTraceTail();
    case UndoStep::MoveBodyPoint:
        return StepMoveBodyPoint();
    case UndoStep::MoveTailPoint:
        return StepMoveTailPoint();
    case UndoStep::MoveDorsalPoint:
        return StepMoveDorsalPoint();
    case UndoStep::MoveVentralPoint:
        return StepMoveVentralPoint();
    case UndoStep::MoveAnalPoint:
        return StepMoveAnalPoint();
    case UndoStep::MovePectoralPoint:
        return StepMovePectoralPoint();
    case UndoStep::MoveWhiskerPoint:
        return StepMoveWhiskerPoint();
    case UndoStep::InsertBodyColumn:
        return StepInsertBodyColumn();
    case UndoStep::DeleteBodyColumn:
        return StepDeleteBodyColumn();
    case UndoStep::DrawDorsalFin:
        return StepDrawDorsalFin();
    case UndoStep::DrawVentralFin:
        return StepDrawVentralFin();
    case UndoStep::DrawAnalFin:
        return StepDrawAnalFin();
    case UndoStep::DrawWhisker:
        return StepDrawWhisker();
    case UndoStep::PlacePectoralFin:
        return StepPlacePectoralFin();
    case UndoStep::OpenFrontView:
        return StepOpenFrontView();
    case UndoStep::OpenTopView:
        return StepOpenTopView();
    case UndoStep::ShapeFrontView:
        return StepShapeFrontView();
    case UndoStep::ShapeTopView:
        return StepShapeTopView();
    case UndoStep::PlaceEye:
        return StepPlaceEye();
    case UndoStep::MoveTailPosition:
        return StepMoveTailPosition();
    case UndoStep::SetThickness:
        return StepSetThickness();
    case UndoStep::MoveWidestPoint:
        return StepMoveWidestPoint();
    case UndoStep::SetStep:
        return StepSetStep();
    case UndoStep::SetDivisions:
        return StepSetDivisions();
    case UndoStep::ClearBody:
        return StepClearBody();
    case UndoStep::ClearTail:
        return StepClearTail();
    case UndoStep::ClearDorsalFin:
        return StepClearDorsalFin();
    case UndoStep::ClearVentralFin:
        return StepClearVentralFin();
    case UndoStep::ClearAnalFin:
        return StepClearAnalFin();
    case UndoStep::ClearPectoralFin:
        return StepClearPectoralFin();
    case UndoStep::ClearWhisker:
        return StepClearWhisker();
    case UndoStep::ClearEye:
        return StepClearEye();
    }
    return StepUnnamed();
}

UndoHistory::UndoHistory(FishDocument& document, std::function<void(const Fish&)> show)
    : document_(document), show_(std::move(show)) {
    stack_.setUndoLimit(StepLimit);
    document_.OnStep([this](const Fish& before, const Fish& after) { Record(before, after); });
}

void UndoHistory::Begin(UndoAction action) {
    if (!naming_.named) naming_ = {action, true};
}

void UndoHistory::EndEvent() {
    naming_ = {};
}

void UndoHistory::Record(const Fish& before, const Fish& after) {
    const UndoAction action = naming_.action;
    // A change of another action ends the one that was waiting for its last event.
    if (pending_ && action.Step != pending_->step) {
        Push(pending_->before, before, pending_->step);
        pending_.reset();
    }
    if (action.Waits) {
        if (!pending_) pending_ = PendingStep{action.Step, before};
        return;
    }
    if (pending_) {
        Push(pending_->before, after, action.Step);
        pending_.reset();
        return;
    }
    Push(before, after, action.Step);
}

void UndoHistory::Push(const Fish& before, const Fish& after, UndoStep step) {
    if (before == after) return; // an action that ended where it began
    stack_.push(new FishStep(step, before, after, show_));
}

void UndoHistory::Flush() {
    if (!pending_) return;
    // Between events the fish is settled: the waiting action ends here.
    Push(pending_->before, document_.Current(), pending_->step);
    pending_.reset();
}

void UndoHistory::Clear() {
    stack_.clear();
    pending_.reset();
    naming_ = {};
}

bool UndoHistory::Waiting() const {
    // An action whose events so far came back to where it began has nothing to undo.
    return pending_ && !(pending_->before == document_.Current());
}

bool UndoHistory::CanUndo() const {
    return Waiting() || stack_.canUndo();
}

bool UndoHistory::CanRedo() const {
    return !Waiting() && stack_.canRedo();
}

UndoStep UndoHistory::StepAt(int index) const {
    return static_cast<const FishStep*>(stack_.command(index))->Step();
}

std::optional<UndoStep> UndoHistory::UndoStepKind() const {
    if (Waiting()) return pending_->step;
    if (!stack_.canUndo()) return std::nullopt;
    return StepAt(stack_.index() - 1);
}

std::optional<UndoStep> UndoHistory::RedoStepKind() const {
    if (!CanRedo()) return std::nullopt;
    return StepAt(stack_.index());
}

void UndoHistory::Undo() {
    Flush();
    if (stack_.canUndo()) stack_.undo();
}

void UndoHistory::Redo() {
    Flush(); // a change after the last undo: there is nothing to redo any more
    if (stack_.canRedo()) stack_.redo();
}

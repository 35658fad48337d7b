// The settings of the fish: the division fields, the check boxes that clear
// a step, the three scroll bars, and the guarded builders they run.

#include "TForm1.h"

#include "FrontSection.h"
#include "Numbers.h"
#include "StripBuilders.h"

#include <algorithm>

// ---------------------------------------------------------------- division fields

std::optional<int> TForm1::StepSlotInUse() const {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (Ui.Mode.Drawing() || !tool.HasStepField()) return std::nullopt;
    return tool.StepSlot;
}

void TForm1::ShowStep() {
    if (const auto slot = StepSlotInUse()) ShowNumber(Edit1, UsedStep(Current(), Picture, *slot));
}

void TForm1::ShowDivisions() {
    if (Current().Divisions > 0) ShowNumber(Edit2, Current().Divisions);
}

void TForm1::Edit1Exit() {
    History.Begin({UndoStep::SetStep});
    const auto slot = StepSlotInUse();
    if (!slot) return;
    Fish& f = EditFish();
    int& step = f.Steps[std::size_t(*slot)];
    step = ParseDecimal(Edit1.Text).value_or(5);
    if (step >= Picture.PicMaxX / 3) step = Picture.PicMaxX / 3;
    if (step < 1) step = 2;
    // A step too fine for the list's capacity is raised; the field and the
    // fish keep the step that is really used.
    step = UsedStep(f, Picture, *slot);
    ShowStep();
    // The tool's list is built again with its new step.
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (tool.Build) {
        f.*tool.Done = false;
        (this->*tool.Build)();
    }
    RedrawSideView();
}

void TForm1::Edit2Exit() {
    History.Begin({UndoStep::SetDivisions});
    int n = ParseDecimal(Edit2.Text).value_or(4);
    n = std::clamp(n, 1, MaxDivisions);
    EditFish().Divisions = n;
    ShowDivisions();
    RunBuildFrontSection();
}

// ---------------------------------------------------------------- check boxes

void TForm1::ClearStep(Tool tool) {
    const ToolRow& row = RowOf(tool);
    History.Begin({row.Clears});
    Fish& f = EditFish();
    f.*row.Done = false;
    if (row.Last) f.*row.Last = 0;
}

void TForm1::CheckBox9MouseUp() {
    ClearStep(Tool::Eye);
    EditFish().EyeConfirmed = false;
    eyeSolidBeforeDesigner_ = false;
}

// ---------------------------------------------------------------- scroll bars

void TForm1::MoveBar(const Bar& bar, int position) {
    History.Begin({bar.Moves});
    const Range r = (this->*bar.Limits)();
    position = std::clamp(position, r.Min, r.Max);
    if (position == Current().*bar.Setting) return;
    EditFish().*bar.Setting = position;
    (this->*bar.Change)();
}

void TForm1::SetScrollBar1Position(int position) {
    MoveBar({UndoStep::MoveTailPosition, &TForm1::TailRange, &Fish::TailPosition,
             &TForm1::ScrollBar1Change},
            position);
}

void TForm1::SetScrollBar2Position(int position) {
    MoveBar({UndoStep::SetThickness, &TForm1::ThicknessRange, &Fish::Thickness,
             &TForm1::ScrollBar2Change},
            position);
}

void TForm1::SetScrollBar4Position(int position) {
    MoveBar({UndoStep::MoveWidestPoint, &TForm1::PeakRange, &Fish::PeakPosition,
             &TForm1::ScrollBar4Change},
            position);
}

void TForm1::ScrollBar1Change() {
    Ui.Mode = Editing(Tool::Body);
    EditFish().BodyDone = false;
    EditFish().TailDone = false;
    RunBuildBodyOutline();
    RedrawSideView();
}

void TForm1::ScrollBar2Change() {
    if (!Current().FrontOn) return;
    RunBuildFrontSection();
    if (Current().TopViewOn) RunBuildTopView();
}

void TForm1::ScrollBar4Change() {
    RunBuildTopView();
}

// ---------------------------------------------------------------- builders

void TForm1::RunBuildBodyOutline() {
    if (Current().BodyDone) return;
    BuildBodyOutline(EditFish(), Picture, TailPosition());
    RedrawSideView();
}

void TForm1::RunBuildTailStrip() {
    if (Current().TailDone) return;
    BuildTailStrip(EditFish(), Picture, TailPosition());
    RedrawSideView();
}

void TForm1::RunBuildDorsalStrip() {
    if (Current().DorsalDone) return;
    BuildDorsalStrip(EditFish(), Picture);
    RedrawSideView();
}

void TForm1::RunBuildVentralStrip() {
    if (Current().VentralDone) return;
    BuildVentralStrip(EditFish(), Picture);
    RedrawSideView();
}

void TForm1::RunBuildAnalStrip() {
    if (Current().AnalDone) return;
    BuildAnalStrip(EditFish(), Picture);
    RedrawSideView();
}

void TForm1::RunBuildWhiskerStrip() {
    BuildWhiskerStrip(EditFish(), Picture);
    RedrawSideView();
}

void TForm1::RunBuildFrontSection() {
    BuildFrontSection(EditFish(), Thickness());
    DrawFrontView();
}

void TForm1::RunBuildTopView() {
    BuildTopView(EditFish(), TailPosition(), Current().PeakPosition);
    DrawTopView();
}

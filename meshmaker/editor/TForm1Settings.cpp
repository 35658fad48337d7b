// The settings of the fish: the division fields, the check boxes that clear
// a step, the three scroll bars, and the guarded builders they run.

#include "TForm1.h"

#include "FrontSection.h"
#include "Numbers.h"
#include "StripBuilders.h"

#include <algorithm>

// ---------------------------------------------------------------- division fields

void TForm1::Edit1Exit() {
    Fish& f = EditFish();
    const int mode = Ui.ToolMode;
    if (mode > 5 || mode < 0) return;
    History.Name(UndoStep::SetStep);
    int& step = f.Steps[mode];
    step = ParseDecimal(Edit1.Text).value_or(5);
    if (step >= Picture.PicMaxX / 3) step = Picture.PicMaxX / 3;
    if (step < 1) step = 2;
    // A step too fine for the list's capacity is raised; the field and the
    // fish keep the step that is really used.
    step = UsedStep(f, Picture, mode);
    Edit1.Text = QString::number(step);
    switch (mode) {
    case ModeBody:
        f.BodyDone = false;
        RunBuildBodyOutline();
        break;
    case ModeTail:
        f.TailDone = false;
        RunBuildTailStrip();
        break;
    case ModeDorsal:
        f.DorsalDone = false;
        RunBuildDorsalStrip();
        break;
    case ModeVentral:
        f.VentralDone = false;
        RunBuildVentralStrip();
        break;
    case ModeAnal:
        f.AnalDone = false;
        RunBuildAnalStrip();
        break;
    default:
        break;
    }
    RedrawSideView();
}

void TForm1::Edit2Exit() {
    History.Name(UndoStep::SetDivisions);
    int n = ParseDecimal(Edit2.Text).value_or(4);
    n = std::clamp(n, 1, MaxDivisions);
    EditFish().Divisions = n;
    Edit2.Text = QString::number(n);
    RunBuildFrontSection();
}

// ---------------------------------------------------------------- check boxes

void TForm1::CheckBox1MouseUp() {
    History.Name(UndoStep::ClearBody);
    EditFish().BodyDone = false;
}

void TForm1::CheckBox2MouseUp() {
    History.Name(UndoStep::ClearTail);
    EditFish().TailDone = false;
    EditFish().TailLast = 0;
}

void TForm1::CheckBox3MouseUp() {
    History.Name(UndoStep::ClearDorsalFin);
    EditFish().DorsalDone = false;
    EditFish().DorsalLast = 0;
}

void TForm1::CheckBox4MouseUp() {
    History.Name(UndoStep::ClearVentralFin);
    EditFish().VentralDone = false;
    EditFish().VentralLast = 0;
}

void TForm1::CheckBox5MouseUp() {
    History.Name(UndoStep::ClearAnalFin);
    EditFish().AnalDone = false;
    EditFish().AnalLast = 0;
}

void TForm1::CheckBox6MouseUp() {
    History.Name(UndoStep::ClearPectoralFin);
    EditFish().PectoralDone = false;
}

void TForm1::CheckBox8MouseUp() {
    History.Name(UndoStep::ClearWhisker);
    EditFish().WhiskerOn = false;
    EditFish().WhiskerLast = 0;
}

void TForm1::CheckBox9MouseUp() {
    History.Name(UndoStep::ClearEye);
    EditFish().EyeSolid = false;
    EditFish().EyeConfirmed = false;
    eyeSolidBeforeDesigner_ = false;
}

// ---------------------------------------------------------------- scroll bars

void TForm1::SetScrollBar1Position(int position) {
    History.Name(UndoStep::MoveTailPosition);
    const Range r = TailRange();
    position = std::clamp(position, r.Min, r.Max);
    if (position == Current().TailPosition) return;
    EditFish().TailPosition = position;
    ScrollBar1Change();
}

void TForm1::SetScrollBar2Position(int position) {
    History.Name(UndoStep::SetThickness);
    const Range r = ThicknessRange();
    position = std::clamp(position, r.Min, r.Max);
    if (position == Current().Thickness) return;
    EditFish().Thickness = position;
    ScrollBar2Change();
}

void TForm1::SetScrollBar4Position(int position) {
    History.Name(UndoStep::MoveWidestPoint);
    const Range r = PeakRange();
    position = std::clamp(position, r.Min, r.Max);
    if (position == Current().PeakPosition) return;
    EditFish().PeakPosition = position;
    ScrollBar4Change();
}

void TForm1::ScrollBar1Change() {
    Ui.ToolMode = ModeBody;
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

// The tool table's rows: the one place that says what each tool of the
// editor is (see ToolTable.h for the columns).

#include "ToolTable.h"

#include "TForm1.h"
#include "Texts.h"

#include <array>

namespace {

// The pick rules of the lists: every point, the body's within the marker's
// radius; the fin edges of the dorsal (even entries from 2) and anal fins
// (odd entries from 3); the whisker ends (odd entries), lowest first. The
// points that cannot be picked are the ones the side view draws grey.
constexpr PickRule BodyPoints{.Lowest = 0, .Stride = 1, .MarkerTolerance = true};
constexpr PickRule EveryPoint{.Lowest = 0, .Stride = 1};
constexpr PickRule DorsalEdge{.Lowest = 2, .Stride = 2};
constexpr PickRule AnalEdge{.Lowest = 3, .Stride = 2};
constexpr PickRule WhiskerEnds{.Lowest = 1, .Stride = 2, .LowestFirst = true};

constexpr int ButtonWidth = 30, WideButtonWidth = 33;
constexpr int BoxWidth = 17, WideBoxWidth = 25;

constexpr std::array<ToolRow, 11> Rows = {{
    {
        .Tool = Tool::None,
        .Part = Part::None,
        .StepSlot = NoToolStep,
        .EditingModeNumber = 0,
    },
    {
        .Tool = Tool::Body,
        .Part = Part::Body,
        .FormName = "SpeedButton5",
        .Button = &TForm1::SpeedButton5,
        .ButtonPlace = {168, ButtonWidth},
        .Icon = "body",
        .Hint = Texts::BodyHint,
        .Click = &TForm1::SpeedButton5Click,
        .BoxName = "CheckBox1",
        .Box = &TForm1::CheckBox1,
        .BoxPlace = {176, BoxWidth},
        .BoxHint = true,
        .BoxRelease = &TForm1::CheckBox1MouseUp,
        .Done = &Fish::BodyDone,
        .StepSlot = BodyStep,
        .Build = &TForm1::RunBuildBodyOutline,
        .Pick = BodyPoints,
        .Uses = UndoStep::TraceBody,
        .MovesPoint = UndoStep::MoveBodyPoint,
        .Clears = UndoStep::ClearBody,
        .EditingModeNumber = 1,
    },
    {
        .Tool = Tool::Tail,
        .Part = Part::Tail,
        .FormName = "SpeedButton4",
        .Button = &TForm1::SpeedButton4,
        .ButtonPlace = {197, ButtonWidth},
        .Icon = "tail",
        .Hint = Texts::TailHint,
        .Click = &TForm1::SpeedButton4Click,
        .BoxName = "CheckBox2",
        .Box = &TForm1::CheckBox2,
        .BoxPlace = {205, BoxWidth},
        .BoxHint = true,
        .BoxRelease = &TForm1::CheckBox2MouseUp,
        .Done = &Fish::TailDone,
        .Last = &Fish::TailLast,
        .StepSlot = TailStep,
        .Build = &TForm1::RunBuildTailStrip,
        .Pick = EveryPoint,
        .Uses = UndoStep::TraceTail,
        .MovesPoint = UndoStep::MoveTailPoint,
        .Clears = UndoStep::ClearTail,
        .EditingModeNumber = 2,
    },
    {.Tool = Tool::Dorsal,
     .Part = Part::Dorsal,
     .FormName = "SpeedButton6",
     .Button = &TForm1::SpeedButton6,
     .ButtonPlace = {226, ButtonWidth},
     .Icon = "dorsal",
     .Hint = Texts::DorsalHint,
     .Click = &TForm1::SpeedButton6Click,
     .BoxName = "CheckBox3",
     .Box = &TForm1::CheckBox3,
     .BoxPlace = {234, BoxWidth},
     .BoxHint = true,
     .BoxRelease = &TForm1::CheckBox3MouseUp,
     .Done = &Fish::DorsalDone,
     .Last = &Fish::DorsalLast,
     .StepSlot = DorsalStep,
     .Build = &TForm1::RunBuildDorsalStrip,
     .Prompt = Texts::DorsalPrompt,
     .Range = &Fish::DorsalRange,
     .Pick = DorsalEdge,
     .ClosesOnBody = true,
     .MovesFreely = true,
     .Uses = UndoStep::DrawDorsalFin,
     .MovesPoint = UndoStep::MoveDorsalPoint,
     .Clears = UndoStep::ClearDorsalFin,
     .EditingModeNumber = 3,
     .DrawingModeNumber = 103},
    {.Tool = Tool::Ventral,
     .Part = Part::Ventral,
     .FormName = "SpeedButton7",
     .Button = &TForm1::SpeedButton7,
     .ButtonPlace = {256, ButtonWidth},
     .Icon = "ventral",
     .Hint = Texts::VentralHint,
     .Click = &TForm1::SpeedButton7Click,
     .BoxName = "CheckBox4",
     .Box = &TForm1::CheckBox4,
     .BoxPlace = {264, BoxWidth},
     .BoxHint = true,
     .BoxRelease = &TForm1::CheckBox4MouseUp,
     .Done = &Fish::VentralDone,
     .Last = &Fish::VentralLast,
     .StepSlot = VentralStep,
     .Build = &TForm1::RunBuildVentralStrip,
     .Prompt = Texts::VentralPrompt,
     .Range = &Fish::VentralRange,
     .Pick = EveryPoint,
     .Uses = UndoStep::DrawVentralFin,
     .MovesPoint = UndoStep::MoveVentralPoint,
     .Clears = UndoStep::ClearVentralFin,
     .EditingModeNumber = 4,
     .DrawingModeNumber = 104},
    {.Tool = Tool::Anal,
     .Part = Part::Anal,
     .FormName = "SpeedButton8",
     .Button = &TForm1::SpeedButton8,
     .ButtonPlace = {285, ButtonWidth},
     .Icon = "anal",
     .Hint = Texts::AnalHint,
     .Click = &TForm1::SpeedButton8Click,
     .BoxName = "CheckBox5",
     .Box = &TForm1::CheckBox5,
     .BoxPlace = {293, BoxWidth},
     .BoxHint = true,
     .BoxRelease = &TForm1::CheckBox5MouseUp,
     .Done = &Fish::AnalDone,
     .Last = &Fish::AnalLast,
     .StepSlot = AnalStep,
     .Build = &TForm1::RunBuildAnalStrip,
     .Prompt = Texts::AnalPrompt,
     .Range = &Fish::AnalRange,
     .Pick = AnalEdge,
     .ClosesOnBody = true,
     .MovesFreely = true,
     .Uses = UndoStep::DrawAnalFin,
     .MovesPoint = UndoStep::MoveAnalPoint,
     .Clears = UndoStep::ClearAnalFin,
     .EditingModeNumber = 5,
     .DrawingModeNumber = 105},
    {.Tool = Tool::Pectoral,
     .Part = Part::Pectoral,
     .FormName = "SpeedButton9",
     .Button = &TForm1::SpeedButton9,
     .ButtonPlace = {314, ButtonWidth},
     .Icon = "pectoral",
     .Hint = Texts::PectoralHint,
     .Click = &TForm1::SpeedButton9Click,
     .BoxName = "CheckBox6",
     .Box = &TForm1::CheckBox6,
     .BoxPlace = {322, BoxWidth},
     .BoxHint = true,
     .BoxRelease = &TForm1::CheckBox6MouseUp,
     .Done = &Fish::PectoralDone,
     .Prompt = Texts::PectoralPrompt,
     .Pick = EveryPoint,
     .MovesFreely = true,
     .Uses = UndoStep::PlacePectoralFin,
     .MovesPoint = UndoStep::MovePectoralPoint,
     .Clears = UndoStep::ClearPectoralFin,
     .EditingModeNumber = 6,
     .DrawingModeNumber = 106},
    {.Tool = Tool::Whisker,
     .Part = Part::Whisker,
     .FormName = "Button1",
     .Button = &TForm1::Button1,
     .ButtonPlace = {344, WideButtonWidth},
     .Caption = Texts::WhiskerCaption,
     .Hint = Texts::WhiskerHint,
     .Click = &TForm1::Button1Click,
     .BoxName = "CheckBox8",
     .Box = &TForm1::CheckBox8,
     .BoxPlace = {352, BoxWidth},
     .BoxRelease = &TForm1::CheckBox8MouseUp,
     .Done = &Fish::WhiskerOn,
     .Last = &Fish::WhiskerLast,
     .Build = &TForm1::RunBuildWhiskerStrip,
     .Prompt = Texts::WhiskerPrompt,
     .Range = &Fish::WhiskerRange,
     .Pick = WhiskerEnds,
     .Uses = UndoStep::DrawWhisker,
     .MovesPoint = UndoStep::MoveWhiskerPoint,
     .Clears = UndoStep::ClearWhisker,
     .EditingModeNumber = 8,
     .DrawingModeNumber = 108},
    {
        .Tool = Tool::Front,
        .Part = Part::Section,
        .FormName = "SpeedButton10",
        .Button = &TForm1::SpeedButton10,
        .ButtonPlace = {384, ButtonWidth},
        .Icon = "front",
        .Hint = Texts::FrontHint,
        .Click = &TForm1::SpeedButton10Click,
        .BoxName = "CheckBox7",
        .Box = &TForm1::CheckBox7,
        .BoxPlace = {392, BoxWidth},
        .BoxHint = true,
        .Done = &Fish::FrontOn,
        .Checked = [](const Fish& f, bool toggled) { return f.FrontOn != toggled; },
        .Prompt = Texts::FrontPrompt,
        .Uses = UndoStep::OpenFrontView,
        .EditingModeNumber = 7,
    },
    {
        .Tool = Tool::TopView,
        .Part = Part::TopView,
        .FormName = "SpeedButton12",
        .Button = &TForm1::SpeedButton12,
        .ButtonPlace = {424, ButtonWidth},
        .Icon = "top",
        .Hint = Texts::TopHint,
        .Click = &TForm1::SpeedButton12Click,
        .WithShapeEditors = true,
        .Uses = UndoStep::OpenTopView,
    },
    {.Tool = Tool::Eye,
     .Part = Part::Eye,
     .FormName = "SpeedButton13",
     .Button = &TForm1::SpeedButton13,
     .ButtonPlace = {464, WideButtonWidth},
     .Icon = "eye",
     .Hint = Texts::EyeHint,
     .Click = &TForm1::SpeedButton13Click,
     .WithShapeEditors = true,
     .BoxName = "CheckBox9",
     .Box = &TForm1::CheckBox9,
     .BoxPlace = {472, WideBoxWidth},
     .BoxRelease = &TForm1::CheckBox9MouseUp,
     .Done = &Fish::EyeSolid,
     // The eye's box waits for the designer's OK.
     .Checked = [](const Fish& f, bool) { return f.EyeSolid && f.EyeConfirmed; },
     .Uses = UndoStep::PlaceEye,
     .Clears = UndoStep::ClearEye,
     // Placing the eye on the side view draws it; once placed, the
     // designer is in charge.
     .EditingModeNumber = 109,
     .DrawingModeNumber = 9},
}};

// A row's place is its tool's value.
constexpr bool InToolOrder() {
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (static_cast<std::size_t>(Rows[i].Tool) != i) return false;
    return true;
}
static_assert(InToolOrder() && Rows.back().Tool == Tool::Eye, "one row per tool, in Tool's order");

} // namespace

std::span<const ToolRow> Tools() {
    return Rows;
}

const ToolRow& RowOf(Tool tool) {
    return Rows[static_cast<std::size_t>(tool)];
}

int ModeNumber(ToolMode mode) {
    const ToolRow& row = RowOf(mode.Tool);
    return mode.Drawing() ? row.DrawingModeNumber : row.EditingModeNumber;
}

UndoAction ClickAction(Tool tool) {
    const ToolRow& row = RowOf(tool);
    return {row.Uses, row.DrawsOverEvents()};
}

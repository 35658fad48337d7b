// The side-view tools: the seven tool buttons and the mouse on the side view
// (picking and putting down points, the fin rectangles, the pectoral
// triangle, inserting and deleting body columns, placing the eye).

#include "TForm1.h"

#include "Numbers.h"
#include "StripBuilders.h"
#include "TForm3.h"
#include "Texts.h"
#include "ViewGeometry.h"

#include <algorithm>

namespace {

using namespace Texts;

void SortRange(RangeRect& r) {
    if (r.x1 < r.x0) std::swap(r.x0, r.x1);
    if (r.y1 < r.y0) std::swap(r.y0, r.y1);
}

// Puts point i of the tool's list down at picture pixel (px, py). The point
// must be one of the list: a press in another tool leaves an index that this
// list may not have.
void PutPointDown(Fish& fish, Tool tool, std::optional<int> i, int px, int py) {
    const ToolRow& row = RowOf(tool);
    const auto list = PointsOf(fish, row.Part);
    if (!i || *i < 0 || *i > list.Last) return;
    if (row.MovesFreely) list.X[*i] = px;
    list.Y[*i] = py;
}

} // namespace

// ---------------------------------------------------------------- tool buttons

void TForm1::BeginTool(Tool tool) {
    History.Begin(ClickAction(tool));
    Ui.Mode = Editing(tool);
}

void TForm1::SpeedButton5Click() {
    BeginTool(Tool::Body);
    RunBuildBodyOutline();
    ShowStep();
    RedrawSideView();
}

void TForm1::SpeedButton4Click() {
    BeginTool(Tool::Tail);
    RunBuildTailStrip();
    ShowStep();
    RedrawSideView();
}

bool TForm1::StartDrawingUnlessDone() {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (Current().*tool.Done) return false;
    Label2.Caption = tool.Prompt();
    Ui.Mode = Drawing(tool.Tool);
    return true;
}

void TForm1::SpeedButton6Click() {
    BeginTool(Tool::Dorsal);
    ShowStep();
    StartDrawingUnlessDone();
    RedrawSideView();
}

void TForm1::SpeedButton7Click() {
    BeginTool(Tool::Ventral);
    ShowStep();
    if (StartDrawingUnlessDone()) SetFrontOn(false);
    RedrawSideView();
}

void TForm1::SpeedButton8Click() {
    BeginTool(Tool::Anal);
    ShowStep();
    StartDrawingUnlessDone();
    RedrawSideView();
}

void TForm1::SpeedButton9Click() {
    BeginTool(Tool::Pectoral);
    if (StartDrawingUnlessDone()) {
        Ui.PectoralClicks = 0;
        SetFrontOn(false);
    }
    RedrawSideView();
}

void TForm1::Button1Click() {
    BeginTool(Tool::Whisker);
    // The whisker's box is ticked as its drawing starts, and the side view
    // waits for the drag as it is.
    if (StartDrawingUnlessDone())
        EditFish().WhiskerOn = true;
    else
        RedrawSideView();
}

// ---------------------------------------------------------------- picking

bool TForm1::PicksPoints() const {
    return !Ui.Mode.Drawing() && RowOf(Ui.Mode.Tool).Pick.Stride > 0;
}

std::optional<int> TForm1::HitTest(int px, int py) const {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    const PickRule& rule = tool.Pick;
    if (rule.Stride < 1) return std::nullopt;
    const auto list = PointsOf(Current(), tool.Part);
    const int t = rule.MarkerTolerance ? MarkerRadius() : PickTolerance;
    auto hit = [&](int i) {
        return std::abs(px - Nearest(list.X[i])) < t && std::abs(py - Nearest(list.Y[i])) < t;
    };
    if (rule.LowestFirst) {
        for (int i = rule.Lowest; i <= list.Last; i += rule.Stride)
            if (hit(i)) return i;
    } else {
        for (int i = list.Last; i >= rule.Lowest; --i)
            if (rule.Takes(i) && hit(i)) return i;
    }
    return std::nullopt;
}

UndoAction TForm1::SideViewPressAction(const MouseState& state) const {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (Ui.Mode == Editing(Tool::Body)) {
        if (state.Shift && state.Left) return {UndoStep::InsertBodyColumn};
        if (state.Right) return {UndoStep::DeleteBodyColumn};
    }
    // The press of a rectangle stores its first corner: the release finishes it.
    if (Ui.Mode.Drawing() && tool.Range) return {tool.Uses, true};
    return {};
}

void TForm1::Image1MouseDown(MouseButton, MouseState state, int x, int y) {
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    History.Begin(SideViewPressAction(state));
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY);
    const bool body = Ui.Mode == Editing(Tool::Body);

    if (body && state.Shift && state.Left) {
        InsertBodyColumn(px);
        return;
    }
    if (PicksPoints()) {
        const std::optional<int> i = HitTest(px, py);
        if (!i) {
            Ui.PickedPoint.reset();
            return;
        }
        if (body && state.Right) {
            DeleteBodyColumn(*i);
            return;
        }
        Ui.PickedPoint = i;
        const auto list = PointsOf(Current(), RowOf(Ui.Mode.Tool).Part);
        SideMark = ViewMark{QPoint(Nearest(list.X[*i]) * zoom, Nearest(list.Y[*i]) * zoom),
                            MarkerRadius()};
        ++SideViewRevision;
        return;
    }
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (!Ui.Mode.Drawing() || !tool.Range) return;
    RangeRect& range = EditFish().*tool.Range;
    range.x0 = px;
    range.y0 = py;
    // The rubber band starts at the pressed corner and follows the pointer.
    Ui.RangeCorner = QPoint(px, py);
}

UndoAction TForm1::SideViewReleaseAction() const {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    if (!Ui.Mode.Drawing()) return {tool.MovesPoint};
    // The three corners of the pectoral fin are one step, finished by the third.
    if (tool.Tool == Tool::Pectoral) return {tool.Uses, std::clamp(Ui.PectoralClicks, 0, 2) < 2};
    if (tool.Range) return {tool.Uses};
    return {};
}

void TForm1::Image1MouseUp(MouseButton, MouseState, int x, int y) {
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    History.Begin(SideViewReleaseAction());
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX - 1);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY - 1);

    Ui.RangeCorner.reset();
    if (Ui.Mode.Drawing() && RowOf(Ui.Mode.Tool).Range) {
        FinishRectangle(px, py);
        return;
    }
    if (Ui.Mode == Drawing(Tool::Pectoral)) {
        PlacePectoralCorner(px, py);
        return;
    }
    if (Ui.Mode == Drawing(Tool::Eye)) {
        Form3().PlaceEye(px, py);
        Ui.Mode = Editing(Tool::Eye);
    }

    if (!Ui.PickedPoint) return;
    PutPointDown(px, py);
    RedrawSideView();
    Ui.PickedPoint.reset();
    if (Current().VentralDone && Current().PectoralDone) DrawFrontView();
}

void TForm1::FinishRectangle(int px, int py) {
    const ToolRow& tool = RowOf(Ui.Mode.Tool);
    Fish& s = EditFish();
    RangeRect& range = s.*tool.Range;
    range.x1 = px, range.y1 = py;
    Ui.Mode = Editing(tool.Tool);
    if (tool.Tool == Tool::Whisker) {
        // The whisker's drag keeps its direction (a drag to the left makes
        // no strip), its prompt stays, and its builder is not guarded.
        RunBuildWhiskerStrip();
        return;
    }
    SortRange(range);
    Label2.Caption.clear();
    s.*tool.Done = false;
    (this->*tool.Build)();
    if (tool.Tool == Tool::Ventral) DrawFrontView(); // the front view shows the ventral fin
}

void TForm1::PlacePectoralCorner(int px, int py) {
    Fish& s = EditFish();
    int& placed = Ui.PectoralClicks;
    placed = std::clamp(placed, 0, 2);
    s.PectoralX[placed] = px;
    s.PectoralY[placed] = py;
    if (++placed == 3) {
        s.PectoralDone = true;
        placed = 0;
        Ui.PickedPoint.reset();
        Ui.Mode = Editing(Tool::Pectoral);
    }
    RedrawSideView();
}

void TForm1::PutPointDown(int px, int py) {
    ::PutPointDown(EditFish(), Ui.Mode.Tool, Ui.PickedPoint, px, py);
}

std::optional<Fish> TForm1::FishWithDragAt(int x, int y) const {
    // The release's own steps on a copy: the same clamping, the same point.
    const int zoom = Ui.Zoom;
    if (zoom == 0 || !Ui.PickedPoint || !PicksPoints()) return std::nullopt;
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX - 1);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY - 1);
    Fish fish = Current();
    ::PutPointDown(fish, Ui.Mode.Tool, Ui.PickedPoint, px, py);
    return fish;
}

void TForm1::Image1MouseMove(MouseState, int x, int y) {
    const int zoom = Ui.Zoom;
    if (zoom == 0 || !Picture.HasPicture()) return;
    // The status bar gives the point a press here would take.
    Ui.Pointer = QPoint(std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX),
                        std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY));
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX - 1);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY - 1);
    // A rectangle being dragged reaches where its release would put its corner.
    if (Ui.RangeCorner) Ui.RangeCorner = QPoint(px, py);
    if (Ui.Mode != Drawing(Tool::Eye)) return;
    Form3().ShowNeighbourhood(px, py);
    Form3().Visible = true;
    ++Form3().ShowRequests;
}

void TForm1::Image1MouseLeave() {
    Ui.Pointer.reset();
}

// ---------------------------------------------------------------- body columns

void TForm1::InsertBodyColumn(int px) {
    Fish& s = EditFish();
    int i = -1;
    if (s.BodyLast > 1)
        for (int k = 1; k <= s.BodyLast - 1; ++k)
            if (px < Nearest(s.BodyX[k])) {
                i = k;
                break;
            }
    if (i < 2) i = -1; // the first column lies at x = 0, so this never drops a real column
    if (i >= 0 && s.BodyColumns() >= BodyMaxColumns) {
        Label2.Caption = BodyFull().arg(BodyMaxColumns);
        return;
    }
    if (i >= 0) {
        for (int k = s.BodyLast; k >= i; --k) {
            s.BodyX[k + 2] = s.BodyX[k];
            s.BodyY[k + 2] = s.BodyY[k];
        }
        s.BodyX[i] = s.BodyX[i + 1] = px;
        s.BodyY[i] = (s.BodyY[i - 2] + s.BodyY[i + 2]) / 2;
        s.BodyY[i + 1] = (s.BodyY[i - 1] + s.BodyY[i + 3]) / 2;
        s.BodyLast += 2;
        s.BodyX[s.BodyLast + 1] = -1.0;
        s.DorsalDone = s.AnalDone = false;
    }
    RedrawSideView();
}

void TForm1::DeleteBodyColumn(int i) {
    Fish& s = EditFish();
    if (i <= 1 || i >= s.BodyLast - 1) return;
    const int k = i / 2;
    for (int j = 2 * k + 2; j <= s.BodyLast; ++j) {
        s.BodyX[j - 2] = s.BodyX[j];
        s.BodyY[j - 2] = s.BodyY[j];
    }
    s.DorsalDone = s.AnalDone = false;
    s.BodyLast -= 2;
    s.BodyX[s.BodyLast + 1] = -1.0;
    RedrawSideView();
}

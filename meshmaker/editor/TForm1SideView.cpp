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

// Puts point i of the mode's list down at picture pixel (px, py). The point
// must be one of the list: a press in another tool leaves an index that this
// list may not have. Fin edges and the pectoral points move freely; the
// others up and down.
void PutPointDown(Fish& fish, int mode, int i, int px, int py) {
    const auto list = ListOfMode(fish, mode);
    if (i < 0 || i > list.Last) return;
    if (mode == ModeDorsal || mode == ModeAnal || mode == ModePectoral) list.X[i] = px;
    list.Y[i] = py;
}

// The tools in which a press picks a point and its release puts it down.
bool PicksPoints(int mode) {
    return (mode >= ModeBody && mode <= ModePectoral) || mode == ModeWhisker;
}

} // namespace

// ---------------------------------------------------------------- tool buttons

void TForm1::ShowStep() {
    Edit1.Text = QString::number(UsedStep(Current(), Picture, Ui.ToolMode));
}

void TForm1::SpeedButton5Click() {
    History.Name(UndoStep::TraceBody);
    Ui.ToolMode = ModeBody;
    RunBuildBodyOutline();
    ShowStep();
    RedrawSideView();
}

void TForm1::SpeedButton4Click() {
    History.Name(UndoStep::TraceTail);
    Ui.ToolMode = ModeTail;
    RunBuildTailStrip();
    ShowStep();
    RedrawSideView();
}

void TForm1::SpeedButton6Click() {
    Ui.ToolMode = ModeDorsal;
    ShowStep();
    if (!Current().DorsalDone) {
        Label2.Caption = DorsalPrompt();
        Ui.ToolMode = ModeDorsalRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton7Click() {
    Ui.ToolMode = ModeVentral;
    ShowStep();
    if (!Current().VentralDone) {
        History.Continue(UndoStep::DrawVentralFin);
        SetFrontOn(false);
        Label2.Caption = VentralPrompt();
        Ui.ToolMode = ModeVentralRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton8Click() {
    Ui.ToolMode = ModeAnal;
    ShowStep();
    if (!Current().AnalDone) {
        Label2.Caption = AnalPrompt();
        Ui.ToolMode = ModeAnalRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton9Click() {
    Ui.ToolMode = ModePectoral;
    if (!Current().PectoralDone) {
        History.Continue(UndoStep::PlacePectoralFin);
        Ui.PectoralClicks = 0;
        Label2.Caption = PectoralPrompt();
        Ui.ToolMode = ModePectoralPlacing;
        SetFrontOn(false);
    }
    RedrawSideView();
}

void TForm1::Button1Click() {
    Ui.ToolMode = ModeWhisker;
    if (Current().WhiskerOn) {
        RedrawSideView();
        return;
    }
    History.Continue(UndoStep::DrawWhisker);
    EditFish().WhiskerOn = true;
    Label2.Caption = WhiskerPrompt();
    Ui.ToolMode = ModeWhiskerRange;
}

// ---------------------------------------------------------------- picking

int TForm1::HitTest(int px, int py) const {
    const auto list = ListOfMode(Current(), Ui.ToolMode);
    auto hit = [&](int i, int t) {
        return std::abs(px - Nearest(list.X[i])) < t && std::abs(py - Nearest(list.Y[i])) < t;
    };
    // The candidates from the highest index down to lowest, every stride-th.
    auto fromTop = [&](int lowest, int stride, int t) {
        for (int i = list.Last; i >= lowest; --i)
            if ((i - lowest) % stride == 0 && hit(i, t)) return i;
        return -1;
    };
    switch (Ui.ToolMode) {
    case ModeBody:
        return fromTop(0, 1, MarkerRadius());
    case ModeTail:
    case ModeVentral:
    case ModePectoral:
        return fromTop(0, 1, 3);
    case ModeDorsal:
        return fromTop(2, 2, 3); // even entries: the fin edge
    case ModeAnal:
        return fromTop(3, 2, 3); // odd entries from 3: the fin edge
    case ModeWhisker:
        // The whisker ends, lowest index first.
        for (int i = 1; i <= list.Last; i += 2)
            if (hit(i, 3)) return i;
        return -1;
    default:
        return -1;
    }
}

void TForm1::Image1MouseDown(MouseButton, MouseState state, int x, int y) {
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY);
    const int mode = Ui.ToolMode;

    if (mode == ModeBody && state.Shift && state.Left) {
        History.Name(UndoStep::InsertBodyColumn);
        InsertBodyColumn(px);
        return;
    }
    if (PicksPoints(mode)) {
        const int i = HitTest(px, py);
        if (i < 0) {
            Ui.PickedPoint = -1;
            return;
        }
        if (mode == ModeBody && state.Right) {
            History.Name(UndoStep::DeleteBodyColumn);
            DeleteBodyColumn(i);
            return;
        }
        Ui.PickedPoint = i;
        const auto list = ListOfMode(Current(), mode);
        SideMark =
            ViewMark{QPoint(Nearest(list.X[i]) * zoom, Nearest(list.Y[i]) * zoom), MarkerRadius()};
        ++SideViewRevision;
        return;
    }
    Fish& s = EditFish();
    RangeRect* range = nullptr;
    switch (mode) {
    case ModeDorsalRange:
        History.Continue(UndoStep::DrawDorsalFin);
        range = &s.DorsalRange;
        break;
    case ModeVentralRange:
        History.Continue(UndoStep::DrawVentralFin);
        range = &s.VentralRange;
        break;
    case ModeAnalRange:
        History.Continue(UndoStep::DrawAnalFin);
        range = &s.AnalRange;
        break;
    case ModeWhiskerRange:
        History.Continue(UndoStep::DrawWhisker);
        range = &s.WhiskerRange;
        break;
    default:
        return;
    }
    range->x0 = px;
    range->y0 = py;
    // The rubber band starts at the pressed corner and follows the pointer.
    Ui.RangeCorner = QPoint(px, py);
}

void TForm1::Image1MouseUp(MouseButton, MouseState, int x, int y) {
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX - 1);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY - 1);

    Fish& s = EditFish();
    Ui.RangeCorner.reset();
    switch (Ui.ToolMode) {
    case ModeDorsalRange:
        History.Name(UndoStep::DrawDorsalFin);
        s.DorsalRange.x1 = px, s.DorsalRange.y1 = py;
        SortRange(s.DorsalRange);
        Ui.ToolMode = ModeDorsal;
        Label2.Caption.clear();
        s.DorsalDone = false;
        RunBuildDorsalStrip();
        return;
    case ModeVentralRange:
        History.Name(UndoStep::DrawVentralFin);
        s.VentralRange.x1 = px, s.VentralRange.y1 = py;
        SortRange(s.VentralRange);
        Ui.ToolMode = ModeVentral;
        Label2.Caption.clear();
        s.VentralDone = false;
        RunBuildVentralStrip();
        DrawFrontView();
        return;
    case ModeAnalRange:
        History.Name(UndoStep::DrawAnalFin);
        s.AnalRange.x1 = px, s.AnalRange.y1 = py;
        SortRange(s.AnalRange);
        Ui.ToolMode = ModeAnal;
        Label2.Caption.clear();
        s.AnalDone = false;
        RunBuildAnalStrip();
        return;
    case ModeWhiskerRange:
        History.Name(UndoStep::DrawWhisker);
        s.WhiskerRange.x1 = px, s.WhiskerRange.y1 = py;
        Ui.ToolMode = ModeWhisker;
        RunBuildWhiskerStrip();
        return;
    case ModePectoralPlacing: {
        int& placed = Ui.PectoralClicks;
        placed = std::clamp(placed, 0, 2);
        // The three corners are one step, finished by the third.
        if (placed < 2)
            History.Continue(UndoStep::PlacePectoralFin);
        else
            History.Name(UndoStep::PlacePectoralFin);
        s.PectoralX[placed] = px;
        s.PectoralY[placed] = py;
        if (++placed == 3) {
            s.PectoralDone = true;
            placed = 0;
            Ui.PickedPoint = -1;
            Ui.ToolMode = ModePectoral;
        }
        RedrawSideView();
        return;
    }
    case ModeEye:
        Form3().PlaceEye(px, py);
        Ui.ToolMode = ModeEyePlaced;
        break;
    default:
        break;
    }

    if (Ui.PickedPoint == -1) return;
    switch (Ui.ToolMode) {
    case ModeBody:
        History.Name(UndoStep::MoveBodyPoint);
        break;
    case ModeTail:
        History.Name(UndoStep::MoveTailPoint);
        break;
    case ModeDorsal:
        History.Name(UndoStep::MoveDorsalPoint);
        break;
    case ModeVentral:
        History.Name(UndoStep::MoveVentralPoint);
        break;
    case ModeAnal:
        History.Name(UndoStep::MoveAnalPoint);
        break;
    case ModePectoral:
        History.Name(UndoStep::MovePectoralPoint);
        break;
    case ModeWhisker:
        History.Name(UndoStep::MoveWhiskerPoint);
        break;
    default:
        break;
    }
    PutPointDown(px, py);
    RedrawSideView();
    Ui.PickedPoint = -1;
    if (s.VentralDone && s.PectoralDone) DrawFrontView();
}

void TForm1::PutPointDown(int px, int py) {
    ::PutPointDown(EditFish(), Ui.ToolMode, Ui.PickedPoint, px, py);
}

std::optional<Fish> TForm1::FishWithDragAt(int x, int y) const {
    // The release's own steps on a copy: the same clamping, the same point.
    const int zoom = Ui.Zoom;
    if (zoom == 0 || Ui.PickedPoint < 0 || !PicksPoints(Ui.ToolMode)) return std::nullopt;
    const int px = std::clamp(ViewToPicture(x, zoom), 0, Picture.PicMaxX - 1);
    const int py = std::clamp(ViewToPicture(y, zoom), 0, Picture.PicMaxY - 1);
    Fish fish = Current();
    ::PutPointDown(fish, Ui.ToolMode, Ui.PickedPoint, px, py);
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
    if (Ui.ToolMode != ModeEye) return;
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

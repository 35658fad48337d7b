// The side-view tools: the seven tool buttons and the mouse on the side view
// (picking and putting down points, the fin rectangles, the pectoral
// triangle, inserting and deleting body columns, placing the eye).

#include "TForm1.h"

#include "Numbers.h"
#include "StripBuilders.h"
#include "TForm3.h"

#include <algorithm>

namespace {

const QString DorsalPrompt = QStringLiteral("マウスでドラッグして背ビレの範囲を決めて下さい");
const QString VentralPrompt = QStringLiteral("マウスでドラッグして腹ビレの範囲を決めて下さい");
const QString AnalPrompt = QStringLiteral("マウスでドラッグして尻ビレの範囲を決めて下さい");
const QString PectoralPrompt =
    QStringLiteral("胸ビレを囲む3点を左方から▽の字型にクリックしてください");
const QString WhiskerPrompt = QStringLiteral("ヒゲ、特殊なヒレなどの範囲を決めてください");

// A view position to the nearest picture grid point.
int ToPicture(int v, int zoom) {
    return (v + zoom / 2) / zoom;
}

void SortRange(RangeRect& r) {
    if (r.x1 < r.x0) std::swap(r.x0, r.x1);
    if (r.y1 < r.y0) std::swap(r.y0, r.y1);
}

} // namespace

// ---------------------------------------------------------------- tool buttons

void TForm1::ShowStep() {
    Edit1.Text = QString::number(State.Steps[State.ToolMode]);
}

void TForm1::ClearFrontOn() {
    State.FrontOn = false;
    CheckBox7.Checked = false;
}

void TForm1::SpeedButton5Click() {
    State.ToolMode = ModeBody;
    ShowStep();
    RunBuildBodyOutline();
    RedrawSideView();
}

void TForm1::SpeedButton4Click() {
    State.ToolMode = ModeTail;
    ShowStep();
    RunBuildTailStrip();
    RedrawSideView();
}

void TForm1::SpeedButton6Click() {
    State.ToolMode = ModeDorsal;
    ShowStep();
    if (!State.DorsalDone) {
        Label2.Caption = DorsalPrompt;
        State.ToolMode = ModeDorsalRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton7Click() {
    State.ToolMode = ModeVentral;
    ShowStep();
    if (!State.VentralDone) {
        ClearFrontOn();
        Label2.Caption = VentralPrompt;
        State.ToolMode = ModeVentralRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton8Click() {
    State.ToolMode = ModeAnal;
    ShowStep();
    if (!State.AnalDone) {
        Label2.Caption = AnalPrompt;
        State.ToolMode = ModeAnalRange;
    }
    RedrawSideView();
}

void TForm1::SpeedButton9Click() {
    State.ToolMode = ModePectoral;
    if (!State.PectoralDone) {
        State.DragIndex = 0;
        Label2.Caption = PectoralPrompt;
        State.ToolMode = ModePectoralPlacing;
        ClearFrontOn();
    }
    RedrawSideView();
}

void TForm1::Button1Click() {
    State.ToolMode = ModeWhisker;
    if (State.WhiskerOn) {
        RedrawSideView();
        return;
    }
    State.WhiskerOn = true;
    CheckBox8.Checked = true;
    Label2.Caption = WhiskerPrompt;
    State.ToolMode = ModeWhiskerRange;
}

// ---------------------------------------------------------------- picking

int TForm1::HitTest(int px, int py) const {
    const EditorState& s = State;
    const auto list = ListOfMode(s, s.ToolMode);
    auto hit = [&](int i, int t) {
        return std::abs(px - Nearest(list.X[i])) < t && std::abs(py - Nearest(list.Y[i])) < t;
    };
    // The candidates from the highest index down to lowest, every stride-th.
    auto fromTop = [&](int lowest, int stride, int t) {
        for (int i = list.Last; i >= lowest; --i)
            if ((i - lowest) % stride == 0 && hit(i, t)) return i;
        return -1;
    };
    switch (s.ToolMode) {
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
    EditorState& s = State;
    if (s.Zoom == 0) return;
    const int px = std::clamp(ToPicture(x, s.Zoom), 0, s.PicMaxX);
    const int py = std::clamp(ToPicture(y, s.Zoom), 0, s.PicMaxY);
    const int mode = s.ToolMode;

    if (mode == ModeBody && state.Shift && state.Left) {
        InsertBodyColumn(px);
        return;
    }
    if ((mode >= ModeBody && mode <= ModePectoral) || mode == ModeWhisker) {
        const int i = HitTest(px, py);
        if (i < 0) {
            s.DragIndex = -1;
            return;
        }
        if (mode == ModeBody && state.Right) {
            DeleteBodyColumn(i);
            return;
        }
        s.DragIndex = i;
        const auto list = ListOfMode(s, mode);
        SideMark = ViewMark{QPoint(Nearest(list.X[i]) * s.Zoom, Nearest(list.Y[i]) * s.Zoom),
                            MarkerRadius()};
        ++SideViewRevision;
        return;
    }
    RangeRect* range = nullptr;
    switch (mode) {
    case ModeDorsalRange:
        range = &s.DorsalRange;
        break;
    case ModeVentralRange:
        range = &s.VentralRange;
        break;
    case ModeAnalRange:
        range = &s.AnalRange;
        break;
    case ModeWhiskerRange:
        range = &s.WhiskerRange;
        break;
    default:
        return;
    }
    range->x0 = px;
    range->y0 = py;
}

void TForm1::Image1MouseUp(MouseButton, MouseState, int x, int y) {
    EditorState& s = State;
    if (s.Zoom == 0) return;
    const int px = std::clamp(ToPicture(x, s.Zoom), 0, s.PicMaxX - 1);
    const int py = std::clamp(ToPicture(y, s.Zoom), 0, s.PicMaxY - 1);

    switch (s.ToolMode) {
    case ModeDorsalRange:
        s.DorsalRange.x1 = px, s.DorsalRange.y1 = py;
        SortRange(s.DorsalRange);
        s.ToolMode = ModeDorsal;
        Label2.Caption.clear();
        s.DorsalDone = false;
        RunBuildDorsalStrip();
        return;
    case ModeVentralRange:
        s.VentralRange.x1 = px, s.VentralRange.y1 = py;
        SortRange(s.VentralRange);
        s.ToolMode = ModeVentral;
        Label2.Caption.clear();
        s.VentralDone = false;
        RunBuildVentralStrip();
        DrawFrontView();
        return;
    case ModeAnalRange:
        s.AnalRange.x1 = px, s.AnalRange.y1 = py;
        SortRange(s.AnalRange);
        s.ToolMode = ModeAnal;
        Label2.Caption.clear();
        s.AnalDone = false;
        RunBuildAnalStrip();
        return;
    case ModeWhiskerRange:
        s.WhiskerRange.x1 = px, s.WhiskerRange.y1 = py;
        s.ToolMode = ModeWhisker;
        RunBuildWhiskerStrip();
        return;
    case ModePectoralPlacing:
        // A press and release on the front or top view resets the counter;
        // the triangle then starts again at its first point.
        if (s.DragIndex < 0 || s.DragIndex > 2) s.DragIndex = 0;
        s.PectoralX[s.DragIndex] = px;
        s.PectoralY[s.DragIndex] = py;
        if (++s.DragIndex == 3) {
            s.PectoralDone = true;
            CheckBox6.Checked = true;
            s.DragIndex = -1;
            s.ToolMode = ModePectoral;
        }
        RedrawSideView();
        return;
    case ModeEye:
        s.EyeX = px;
        s.EyeY = py;
        s.ToolMode = ModeEyePlaced;
        break;
    default:
        break;
    }

    if (s.DragIndex == -1) return;
    PutPointDown(px, py);
    RedrawSideView();
    s.DragIndex = -1;
    if (s.VentralDone && s.PectoralDone) DrawFrontView();
}

void TForm1::PutPointDown(int px, int py) {
    EditorState& s = State;
    // The point must be one of the current list: a press on another view, or
    // in another tool, leaves an index that this list may not have.
    const int i = s.DragIndex;
    const auto list = ListOfMode(s, s.ToolMode);
    if (i < 0 || i > list.Last) return;
    // Fin edges and the pectoral points move freely; the others up and down.
    if (s.ToolMode == ModeDorsal || s.ToolMode == ModeAnal || s.ToolMode == ModePectoral)
        list.X[i] = px;
    list.Y[i] = py;
}

void TForm1::Image1MouseMove(MouseState, int x, int y) {
    EditorState& s = State;
    if (s.ToolMode != ModeEye || s.Zoom == 0) return;
    const int px = std::clamp(ToPicture(x, s.Zoom), 0, s.PicMaxX - 1);
    const int py = std::clamp(ToPicture(y, s.Zoom), 0, s.PicMaxY - 1);
    s.EyeX = px;
    s.EyeY = py;
    Form3().ShowNeighbourhood(px, py);
    Form3().Visible = true;
    ++Form3().ShowRequests;
}

// ---------------------------------------------------------------- body columns

void TForm1::InsertBodyColumn(int px) {
    EditorState& s = State;
    int i = -1;
    if (s.BodyLast > 1)
        for (int k = 1; k <= s.BodyLast - 1; ++k)
            if (px < Nearest(s.BodyX[k])) {
                i = k;
                break;
            }
    if (i < 2) i = -1; // the first column lies at x = 0, so this never drops a real column
    if (i >= 0 && s.BodyColumns() >= BodyMaxColumns) {
        Label2.Caption =
            QStringLiteral("体の列は%1列までです。これ以上は追加できません").arg(BodyMaxColumns);
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
        CheckBox3.Checked = CheckBox5.Checked = false;
    }
    RedrawSideView();
}

void TForm1::DeleteBodyColumn(int i) {
    EditorState& s = State;
    if (i <= 1 || i >= s.BodyLast - 1) return;
    const int k = i / 2;
    for (int j = 2 * k + 2; j <= s.BodyLast; ++j) {
        s.BodyX[j - 2] = s.BodyX[j];
        s.BodyY[j - 2] = s.BodyY[j];
    }
    s.DorsalDone = s.AnalDone = false;
    CheckBox3.Checked = CheckBox5.Checked = false;
    s.BodyLast -= 2;
    s.BodyX[s.BodyLast + 1] = -1.0;
    RedrawSideView();
}

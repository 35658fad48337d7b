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
    auto hit = [&](double x, double y, int t) {
        return std::abs(px - Nearest(x)) < t && std::abs(py - Nearest(y)) < t;
    };
    auto fromTop = [&](const auto& xs, const auto& ys, int last, int lowest, int stride, int t) {
        for (int i = last; i >= lowest; --i)
            if ((stride == 1 || (i - lowest) % 2 == 0) && hit(xs[i], ys[i], t)) return i;
        return -1;
    };
    const int bodyTolerance = MarkerRadius();
    switch (s.ToolMode) {
    case ModeBody:
        return fromTop(s.BodyX, s.BodyY, std::min(s.BodyLast, BodyCapacity - 1), 0, 1,
                       bodyTolerance);
    case ModeTail:
        return fromTop(s.TailX, s.TailY, std::min(s.TailLast, StripCapacity - 1), 0, 1, 3);
    case ModeDorsal: {
        const int last = std::min(s.DorsalLast, StripCapacity - 1);
        return fromTop(s.DorsalX, s.DorsalY, last - (last % 2 != 0), 2, 2, 3); // even entries
    }
    case ModeVentral:
        return fromTop(s.VentralX, s.VentralY, std::min(s.VentralLast, StripCapacity - 1), 0, 1, 3);
    case ModeAnal: {
        const int last = std::min(s.AnalLast, StripCapacity - 1);
        return fromTop(s.AnalX, s.AnalY, last - (last % 2 == 0), 3, 2, 3); // odd entries
    }
    case ModePectoral:
        return fromTop(s.PectoralX, s.PectoralY, 2, 0, 1, 3);
    case ModeWhisker:
        // The whisker ends, lowest index first.
        for (int i = 1; i <= std::min(s.WhiskerLast, StripCapacity - 1); i += 2)
            if (hit(s.WhiskerX[i], s.WhiskerY[i], 3)) return i;
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
        const double* xs = nullptr;
        const double* ys = nullptr;
        switch (mode) {
        case ModeBody:
            xs = s.BodyX.data(), ys = s.BodyY.data();
            break;
        case ModeTail:
            xs = s.TailX.data(), ys = s.TailY.data();
            break;
        case ModeDorsal:
            xs = s.DorsalX.data(), ys = s.DorsalY.data();
            break;
        case ModeVentral:
            xs = s.VentralX.data(), ys = s.VentralY.data();
            break;
        case ModeAnal:
            xs = s.AnalX.data(), ys = s.AnalY.data();
            break;
        case ModePectoral:
            xs = s.PectoralX.data(), ys = s.PectoralY.data();
            break;
        default:
            xs = s.WhiskerX.data(), ys = s.WhiskerY.data();
            break;
        }
        SideMark =
            ViewMark{QPoint(Nearest(xs[i]) * s.Zoom, Nearest(ys[i]) * s.Zoom), MarkerRadius()};
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
    auto in = [i](int last) { return i >= 0 && i <= last; };
    switch (s.ToolMode) {
    case ModeBody:
        if (in(s.BodyLast)) s.BodyY[i] = py;
        break;
    case ModeTail:
        if (in(s.TailLast)) s.TailY[i] = py;
        break;
    case ModeDorsal:
        if (in(s.DorsalLast)) s.DorsalX[i] = px, s.DorsalY[i] = py;
        break;
    case ModeVentral:
        if (in(s.VentralLast)) s.VentralY[i] = py;
        break;
    case ModeAnal:
        if (in(s.AnalLast)) s.AnalX[i] = px, s.AnalY[i] = py;
        break;
    case ModePectoral:
        if (in(2)) s.PectoralX[i] = px, s.PectoralY[i] = py;
        break;
    case ModeWhisker:
        if (in(s.WhiskerLast)) s.WhiskerY[i] = py;
        break;
    default:
        break;
    }
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

// The front and top shape editors: opening them, and picking and moving
// their handles; and the button that opens the eye designer.

#include "TForm1.h"

#include "FrontSection.h"
#include "Numbers.h"
#include "TForm3.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Handles of the front view besides the section vertices.
constexpr int VentralLowHandle = 100;
constexpr int PectoralHandle1 = 101;
constexpr int PectoralHandle2 = 102;

int ToPicture(int v, int zoom) {
    return (v + zoom / 2) / zoom;
}

} // namespace

void TForm1::SpeedButton10Click() {
    EditorState& s = State;
    SpeedButton12.Visible = SpeedButton13.Visible = CheckBox9.Visible = true;
    s.ToolMode = ModeFront;
    RedrawSideView();
    Label2.Caption = QStringLiteral("体型と胸ビレ、腹ビレの横位置を決めます");
    CheckBox7.Checked = true;
    Image2.Visible = ScrollBar2.Visible = true;
    s.FrontColumn = ChooseFrontColumn(s);
    if (s.VentralDone) ChooseVentralIndices(s);
    if (s.PectoralDone) s.PectoralOuterIndex = ChoosePectoralOuterIndex(s);
    s.FrontOn = true;
    RunBuildFrontSection();
    SpeedButton12Click();
}

void TForm1::SpeedButton12Click() {
    EditorState& s = State;
    s.ToolMode = ModeWhisker;
    s.TopViewOn = true;
    Image3.Visible = ScrollBar4.Visible = true;
    const int e = TailPosition();
    SetScrollBarRange(ScrollBar4, Nearest(e / 10.0), Nearest(e * 9 / 10.0),
                      &TForm1::ScrollBar4Change);
    RebuildViews();
    RunBuildTopView();
}

void TForm1::SpeedButton13Click() {
    Form3().Visible = true;
    ++Form3().ShowRequests;
    State.ToolMode = ModeEye;
    State.EyeSolid = true;
}

// ---------------------------------------------------------------- front view

void TForm1::Image2MouseDown(MouseButton, MouseState, int x, int y) {
    EditorState& s = State;
    if (s.Zoom == 0) return;
    const int px = std::max(0, ToPicture(x, s.Zoom));
    const int py = std::max(0, ToPicture(y, s.Zoom));
    const int r = MarkerRadius();
    auto near = [&](int a, double b) { return std::abs(a - Nearest(b)) < r; };

    int taken = -1;
    for (int j = 1; j <= s.N() - 1 && j < SectionCapacity; ++j)
        if (near(px, s.SectionZ[j]) && near(py, s.SectionY[j])) {
            taken = j;
            break;
        }
    if (taken < 0) {
        const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
        const struct {
            int handle;
            double z, y;
        } fins[] = {{VentralLowHandle, s.VentralZ[low], s.VentralY[low]},
                    {PectoralHandle1, s.PectoralZ[1], s.PectoralY[1]},
                    {PectoralHandle2, s.PectoralZ[2], s.PectoralY[2]}};
        for (const auto& f : fins) {
            if (!near(px, f.z)) continue;
            if (near(py, f.y)) taken = f.handle;
            break;
        }
    }
    s.DragIndex = taken;
    if (taken < 0) return;
    double z = 0, yy = 0;
    if (taken == VentralLowHandle) {
        const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
        z = s.VentralZ[low], yy = s.VentralY[low];
    } else if (taken >= PectoralHandle1) {
        z = s.PectoralZ[taken - 100], yy = s.PectoralY[taken - 100];
    } else {
        z = s.SectionZ[taken], yy = s.SectionY[taken];
    }
    FrontMark = ViewMark{QPoint(Nearest(s.Zoom * z), Nearest(s.Zoom * yy)), r};
    ++FrontViewRevision;
}

void TForm1::Image2MouseUp(MouseButton, MouseState, int x, int) {
    EditorState& s = State;
    if (s.DragIndex == -1 || s.Zoom == 0) return;
    const double v = double(x) / s.Zoom;
    const int handle = s.DragIndex;
    if (handle == VentralLowHandle) {
        const int last = std::min(s.VentralLast, StripCapacity - 1);
        const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
        const int high = std::clamp(s.VentralHighIndex, 0, StripCapacity - 1);
        s.VentralZ[low] = v;
        // The fin tilts about its high point; with no height between high and
        // low there is nothing to tilt, and every depth is 0.
        for (int k = 0; k <= last; ++k)
            s.VentralZ[k] = RatioOrZero((s.VentralY[k] - s.VentralY[high]) * s.VentralZ[low],
                                        s.VentralY[low] - s.VentralY[high]);
    } else if (handle == PectoralHandle1 || handle == PectoralHandle2) {
        s.PectoralZ[handle - 100] = v;
    } else if (handle >= 1 && handle <= s.N() - 1 && handle < SectionCapacity) {
        s.SectionZ[handle] = v;
    }
    s.DragIndex = -1;
    DrawFrontView();
}

// ---------------------------------------------------------------- top view

void TForm1::Image3MouseDown(MouseButton, MouseState, int x, int y) {
    EditorState& s = State;
    if (s.Zoom == 0) return;
    x = std::clamp(x, 0, Image3.Geometry.width());
    y = std::clamp(y, 0, Image3.Geometry.height());
    const int px = ToPicture(x, s.Zoom), py = ToPicture(y, s.Zoom);
    const int r = MarkerRadius();
    const int nc = std::min(s.BodyColumns(), TopCapacity);
    int taken = -1;
    for (int i = 1; i <= nc - 2; ++i)
        if (std::abs(px - Nearest(s.TopX[i])) < r && std::abs(py - Nearest(s.TopW[i])) < r) {
            taken = i;
            break;
        }
    if (taken >= 0 && taken == s.TopPeakIndex) {
        s.DragIndex = -1; // the widest column stays where it is
        return;
    }
    s.DragIndex = taken;
    if (taken < 0) return;
    TopMark = ViewMark{QPoint(Nearest(s.Zoom * s.TopX[taken]), Nearest(s.Zoom * s.TopW[taken])), r};
    ++TopViewRevision;
}

void TForm1::Image3MouseUp(MouseButton, MouseState state, int, int y) {
    EditorState& s = State;
    if (s.DragIndex == -1 || s.Zoom == 0) return;
    const int i = s.DragIndex;
    if (i >= 1 && i <= std::min(s.BodyColumns(), TopCapacity) - 2) { // an inner column only
        double w = double(y) / s.Zoom;
        const double peak = s.TopW[std::clamp(s.TopPeakIndex, 0, TopCapacity - 1)];
        const bool onlyShift = state.Shift && !state.Ctrl && !state.Alt;
        if (!onlyShift && w > peak) w = peak;
        s.TopW[i] = w;
    }
    s.DragIndex = -1;
    DrawTopView();
}

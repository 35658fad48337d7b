// The front and top shape editors: opening them, and picking and moving
// their handles.

#include "TForm1.h"

#include "FrontSection.h"
#include "Numbers.h"
#include "Texts.h"
#include "ViewGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

void TForm1::SpeedButton10Click() {
    History.Name(UndoStep::OpenFrontView);
    Fish& s = EditFish();
    Ui.ToolMode = ModeFront;
    RedrawSideView();
    Label2.Caption = Texts::FrontPrompt();
    s.FrontColumn = ChooseFrontColumn(s);
    if (s.VentralDone) ChooseVentralIndices(s, Picture.PicMaxY);
    if (s.PectoralDone) s.PectoralOuterIndex = ChoosePectoralOuterIndex(s);
    SetFrontOn(true);
    RunBuildFrontSection();
    SpeedButton12Click();
}

void TForm1::SpeedButton12Click() {
    History.Name(UndoStep::OpenTopView);
    Fish& s = EditFish();
    Ui.ToolMode = ModeWhisker;
    s.TopViewOn = true;
    // The peak's range follows the body's length as it is now.
    const int e = TailPosition();
    s.PeakMin = Nearest(e / 10.0);
    s.PeakMax = std::max(s.PeakMin, Nearest(e * 9 / 10.0));
    SetScrollBar4Position(s.PeakPosition);
    RebuildViews();
    RunBuildTopView();
}

// ---------------------------------------------------------------- front view

void TForm1::Image2MouseDown(MouseButton, MouseState, int x, int y) {
    const Fish& s = Current();
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    const int px = std::max(0, ViewToPicture(x, zoom));
    const int py = std::max(0, ViewToPicture(y, zoom));
    const int r = MarkerRadius();

    // The nearest handle within the marker's radius along both axes is taken,
    // so a handle drawn over another at the same depth can still be picked;
    // of equally near ones the first in the order section vertices 1..N-1,
    // ventral low point, pectoral points 1 and 2.
    struct Candidate {
        int handle;
        double z, y;
    };
    std::vector<Candidate> candidates;
    for (int j = 1; j <= s.N() - 1 && j < SectionCapacity; ++j)
        candidates.push_back({j, s.SectionZ[j], s.SectionY[j]});
    const int lowIndex = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
    candidates.push_back({VentralLowHandle, s.VentralZ[lowIndex], s.VentralY[lowIndex]});
    candidates.push_back({PectoralHandle1, s.PectoralZ[1], s.PectoralY[1]});
    candidates.push_back({PectoralHandle2, s.PectoralZ[2], s.PectoralY[2]});
    int taken = -1;
    qint64 nearest = 0;
    for (const Candidate& c : candidates) {
        const qint64 dx = qint64(px) - Nearest(c.z), dy = qint64(py) - Nearest(c.y);
        if (std::abs(dx) >= r || std::abs(dy) >= r) continue;
        const qint64 distance = dx * dx + dy * dy;
        if (taken < 0 || distance < nearest) taken = c.handle, nearest = distance;
    }
    Ui.FrontHandle = taken;
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
    FrontMark = ViewMark{QPoint(Nearest(zoom * z), Nearest(zoom * yy)), r};
    ++FrontViewRevision;
}

void TForm1::Image2MouseUp(MouseButton, MouseState, int x, int) {
    if (Ui.FrontHandle == -1 || Ui.Zoom == 0) return;
    History.Name(UndoStep::ShapeFrontView);
    Fish& s = EditFish();
    const double v = double(x) / Ui.Zoom;
    const int handle = Ui.FrontHandle;
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
    Ui.FrontHandle = -1;
    DrawFrontView();
}

// ---------------------------------------------------------------- top view

void TForm1::Image3MouseDown(MouseButton, MouseState, int x, int y) {
    const Fish& s = Current();
    const int zoom = Ui.Zoom;
    if (zoom == 0) return;
    x = std::clamp(x, 0, Image3.Geometry.width());
    y = std::clamp(y, 0, Image3.Geometry.height());
    const int px = ViewToPicture(x, zoom), py = ViewToPicture(y, zoom);
    const int r = MarkerRadius();
    const int nc = std::min(s.BodyColumns(), TopCapacity);
    int taken = -1;
    for (int i = 1; i <= nc - 2; ++i)
        if (std::abs(px - Nearest(s.TopX[i])) < r && std::abs(py - Nearest(s.TopW[i])) < r) {
            taken = i;
            break;
        }
    if (taken >= 0 && taken == s.TopPeakIndex) {
        Ui.PickedColumn = -1; // the widest column stays where it is
        return;
    }
    Ui.PickedColumn = taken;
    if (taken < 0) return;
    TopMark = ViewMark{QPoint(Nearest(zoom * s.TopX[taken]), Nearest(zoom * s.TopW[taken])), r};
    ++TopViewRevision;
}

void TForm1::Image3MouseUp(MouseButton, MouseState state, int, int y) {
    if (Ui.PickedColumn == -1 || Ui.Zoom == 0) return;
    History.Name(UndoStep::ShapeTopView);
    Fish& s = EditFish();
    const int i = Ui.PickedColumn;
    if (i >= 1 && i <= std::min(s.BodyColumns(), TopCapacity) - 2) { // an inner column only
        double w = double(y) / Ui.Zoom;
        const double peak = s.TopW[std::clamp(s.TopPeakIndex, 0, TopCapacity - 1)];
        const bool onlyShift = state.Shift && !state.Ctrl && !state.Alt;
        if (!onlyShift && w > peak) w = peak;
        s.TopW[i] = w;
    }
    Ui.PickedColumn = -1;
    DrawTopView();
}

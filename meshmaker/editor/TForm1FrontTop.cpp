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
    BeginTool(Tool::Front);
    Fish& s = EditFish();
    RedrawSideView();
    Label2.Caption = RowOf(Tool::Front).Prompt();
    s.FrontColumn = ChooseFrontColumn(s);
    if (s.VentralDone) ChooseVentralIndices(s, Picture.PicMaxY);
    if (s.PectoralDone) s.PectoralOuterIndex = ChoosePectoralOuterIndex(s);
    SetFrontOn(true);
    RunBuildFrontSection();
    SpeedButton12Click();
}

void TForm1::SpeedButton12Click() {
    BeginTool(Tool::TopView);
    Fish& s = EditFish();
    // The side view goes on with the whisker, as the form has always done
    // after the top view and so after the front tool.
    Ui.Mode = Editing(Tool::Whisker);
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
    using Kind = FrontHandle::Kind;
    struct Candidate {
        FrontHandle handle;
        double z, y;
    };
    std::vector<Candidate> candidates;
    for (int j = 1; j <= s.N() - 1 && j < SectionCapacity; ++j)
        candidates.push_back({{Kind::SectionVertex, j}, s.SectionZ[j], s.SectionY[j]});
    const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
    candidates.push_back({{Kind::VentralLow}, s.VentralZ[low], s.VentralY[low]});
    for (int corner : {1, 2})
        candidates.push_back(
            {{Kind::PectoralCorner, corner}, s.PectoralZ[corner], s.PectoralY[corner]});
    const Candidate* taken = nullptr;
    qint64 nearest = 0;
    for (const Candidate& c : candidates) {
        const qint64 dx = qint64(px) - Nearest(c.z), dy = qint64(py) - Nearest(c.y);
        if (std::abs(dx) >= r || std::abs(dy) >= r) continue;
        const qint64 distance = dx * dx + dy * dy;
        if (!taken || distance < nearest) taken = &c, nearest = distance;
    }
    Ui.PickedHandle.reset();
    if (!taken) return;
    Ui.PickedHandle = taken->handle;
    FrontMark = ViewMark{QPoint(Nearest(zoom * taken->z), Nearest(zoom * taken->y)), r};
    ++FrontViewRevision;
}

void TForm1::Image2MouseUp(MouseButton, MouseState, int x, int) {
    if (!Ui.PickedHandle || Ui.Zoom == 0) return;
    History.Begin({UndoStep::ShapeFrontView});
    Fish& s = EditFish();
    const double v = double(x) / Ui.Zoom;
    const FrontHandle handle = *Ui.PickedHandle;
    using Kind = FrontHandle::Kind;
    if (handle.Of == Kind::VentralLow) {
        const int last = std::min(s.VentralLast, StripCapacity - 1);
        const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
        const int high = std::clamp(s.VentralHighIndex, 0, StripCapacity - 1);
        s.VentralZ[low] = v;
        // The fin tilts about its high point; with no height between high and
        // low there is nothing to tilt, and every depth is 0.
        for (int k = 0; k <= last; ++k)
            s.VentralZ[k] = RatioOrZero((s.VentralY[k] - s.VentralY[high]) * s.VentralZ[low],
                                        s.VentralY[low] - s.VentralY[high]);
    } else if (handle.Of == Kind::PectoralCorner) {
        s.PectoralZ[std::size_t(std::clamp(handle.Vertex, 1, 2))] = v;
    } else if (handle.Vertex >= 1 && handle.Vertex <= s.N() - 1 &&
               handle.Vertex < SectionCapacity) {
        s.SectionZ[std::size_t(handle.Vertex)] = v;
    }
    Ui.PickedHandle.reset();
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
    Ui.PickedColumn.reset();
    for (int i = 1; i <= nc - 2; ++i)
        if (std::abs(px - Nearest(s.TopX[i])) < r && std::abs(py - Nearest(s.TopW[i])) < r) {
            // The widest column stays where it is.
            if (i != s.TopPeakIndex) Ui.PickedColumn = i;
            break;
        }
    if (!Ui.PickedColumn) return;
    const int taken = *Ui.PickedColumn;
    TopMark = ViewMark{QPoint(Nearest(zoom * s.TopX[taken]), Nearest(zoom * s.TopW[taken])), r};
    ++TopViewRevision;
}

void TForm1::Image3MouseUp(MouseButton, MouseState state, int, int y) {
    if (!Ui.PickedColumn || Ui.Zoom == 0) return;
    History.Begin({UndoStep::ShapeTopView});
    Fish& s = EditFish();
    const int i = *Ui.PickedColumn;
    if (i >= 1 && i <= std::min(s.BodyColumns(), TopCapacity) - 2) { // an inner column only
        double w = double(y) / Ui.Zoom;
        const double peak = s.TopW[std::clamp(s.TopPeakIndex, 0, TopCapacity - 1)];
        const bool onlyShift = state.Shift && !state.Ctrl && !state.Alt;
        if (!onlyShift && w > peak) w = peak;
        s.TopW[i] = w;
    }
    Ui.PickedColumn.reset();
    DrawTopView();
}

// Tracing the body outline and building the fin strips from the picture: pure
// functions of a picture and a fish, run by TForm1's tools and fields.

#include "StripBuilders.h"

#include "Numbers.h"
#include "PixelRules.h"

#include <algorithm>
#include <optional>

namespace {

// Writes the end marker after `columns` pairs and returns the last index.
template <typename Array> int FinishList(Array& x, int columns) {
    const int last = 2 * columns - 1;
    x[last + 1] = -1.0;
    return last;
}

// First fish pixel in column x scanning rows from..to (either direction, both inclusive).
std::optional<int> ScanColumn(const QImage& picture, int x, int from, int to) {
    const int dir = to >= from ? 1 : -1;
    for (int y = from;; y += dir) {
        if (IsFishPixel(picture, x, y)) return y;
        if (y == to) return std::nullopt;
    }
}

// A body or tail column: upper and lower edge of the fish in column x, rows
// 0..PicMaxY-1; a column without fish keeps 0 and PicMaxY.
void TraceColumn(const EditorPicture& p, int x, double& upper, double& lower) {
    upper = 0;
    lower = p.PicMaxY;
    if (p.PicMaxY < 1) return;
    if (auto y = ScanColumn(p.PictureBitmap, x, 0, p.PicMaxY - 1)) upper = *y;
    if (auto y = ScanColumn(p.PictureBitmap, x, p.PicMaxY - 1, 0)) lower = *y;
}

int EffectiveStep(int step) {
    return step == 0 ? 3 : step;
}

} // namespace

int SliceStep(int start, int end, int step, int maxColumns) {
    step = EffectiveStep(step);
    if (step < 0) step = 3;
    const qint64 length = qint64(end) - start;
    if (length > 0 && maxColumns > 1) {
        // columns = ceil(length / step) + 1 must not exceed maxColumns
        const qint64 smallest = (length + (maxColumns - 1) - 1) / (maxColumns - 1);
        if (step < smallest) step = int(smallest);
    }
    return step;
}

int UsedStep(const Fish& s, const EditorPicture& p, int slot) {
    switch (slot) {
    case BodyStep:
        return SliceStep(0, s.TailPosition, s.Steps[BodyStep], BodyMaxColumns);
    case TailStep:
        return SliceStep(s.TailPosition, p.PicMaxX, s.Steps[TailStep], StripMaxColumns);
    case VentralStep:
        return SliceStep(s.VentralRange.x0, s.VentralRange.x1, s.Steps[VentralStep],
                         StripMaxColumns);
    default:
        return slot >= 0 && slot < int(s.Steps.size()) ? s.Steps[std::size_t(slot)] : 0;
    }
}

std::vector<int> SliceColumns(int start, int end, int step, int maxColumns) {
    step = SliceStep(start, end, step, maxColumns);
    std::vector<int> xs;
    qint64 x = start;
    while (x < qint64(end) + step) {
        if (x > end) x = end;
        xs.push_back(int(x));
        if (x == end || int(xs.size()) >= maxColumns) break;
        x += step;
    }
    return xs;
}

ColumnChoice ChooseBodyColumns(const Fish& s, int x0, int x1) {
    const int nc = s.BodyColumns();
    if (nc < 1) return {};
    auto firstRightOf = [&](int x) {
        for (int k = 1; k <= nc - 1; ++k)
            if (Nearest(s.BodyX[2 * k]) > x) return k;
        return -1;
    };
    const int a = firstRightOf(x0);
    const int b = firstRightOf(x1);
    ColumnChoice c;
    c.first = a < 0 ? nc - 1 : a - 1;
    c.last = b < 0 ? nc - 1 : b;
    c.last = std::min(c.last, c.first + StripMaxColumns - 1);
    return c;
}

void BuildBodyOutline(Fish& s, const EditorPicture& p, int E) {
    if (s.BodyDone || !p.HasPicture()) return;
    const auto xs = SliceColumns(0, E, s.Steps[BodyStep], BodyMaxColumns);
    int k = 0;
    for (int x : xs) {
        s.BodyX[2 * k] = s.BodyX[2 * k + 1] = x;
        TraceColumn(p, x, s.BodyY[2 * k], s.BodyY[2 * k + 1]);
        ++k;
    }
    s.BodyLast = FinishList(s.BodyX, k);
    s.BodyDone = true;
}

void BuildTailStrip(Fish& s, const EditorPicture& p, int E) {
    BuildTailStrip(s, p, E, p.PicMaxX);
}

void BuildTailStrip(Fish& s, const EditorPicture& p, int E, int end) {
    if (s.TailDone || !p.HasPicture()) return;
    const auto xs = SliceColumns(E, end, s.Steps[TailStep], StripMaxColumns);
    int k = 0;
    for (int x : xs) {
        s.TailX[2 * k] = s.TailX[2 * k + 1] = x;
        TraceColumn(p, x, s.TailY[2 * k], s.TailY[2 * k + 1]);
        ++k;
    }
    if (k > 0 && s.BodyLast >= 1) {
        s.TailY[0] = s.BodyY[s.BodyLast - 1];
        s.TailY[1] = s.BodyY[s.BodyLast];
    }
    if (k > 0) {
        s.TailX[2 * k - 2] -= 0.1;
        s.TailX[2 * k - 1] -= 0.1;
    }
    s.TailLast = FinishList(s.TailX, k);
    s.TailDone = true;
}

void BuildVentralStrip(Fish& s, const EditorPicture& p) {
    if (s.VentralDone || !p.HasPicture()) return;
    const RangeRect& r = s.VentralRange;
    const auto xs = SliceColumns(r.x0, r.x1, s.Steps[VentralStep], StripMaxColumns);
    int k = 0;
    for (int x : xs) {
        s.VentralX[2 * k] = s.VentralX[2 * k + 1] = x;
        s.VentralY[2 * k] = r.y0;
        s.VentralY[2 * k + 1] = r.y1;
        if (auto y = ScanColumn(p.PictureBitmap, x, r.y0, r.y1)) s.VentralY[2 * k] = *y;
        if (auto y = ScanColumn(p.PictureBitmap, x, r.y1, r.y0)) s.VentralY[2 * k + 1] = *y;
        ++k;
    }
    s.VentralLast = FinishList(s.VentralX, k);
    s.VentralDone = true;
}

void BuildDorsalStrip(Fish& s, const EditorPicture& p, FinEdges edges) {
    if (s.DorsalDone || !p.HasPicture()) return;
    const RangeRect& r = s.DorsalRange;
    const ColumnChoice c = ChooseBodyColumns(s, r.x0, r.x1);
    // The tools' rule finds the fin edge once, in the picture column at the
    // rectangle's right side.
    const auto edge = ScanColumn(p.PictureBitmap, r.x1, r.y0, r.y1);
    for (int j = 0; j < c.count(); ++j) {
        const int k = c.first + j;
        const double bodyTop = s.BodyY[2 * k];
        s.DorsalX[2 * j] = s.DorsalX[2 * j + 1] = s.BodyX[2 * k];
        s.DorsalY[2 * j + 1] = bodyTop;
        if (edges == FinEdges::PerColumn) {
            const auto own = ScanColumn(p.PictureBitmap, Nearest(s.BodyX[2 * k]), r.y0, r.y1);
            s.DorsalY[2 * j] = own ? std::min(double(*own), bodyTop) : bodyTop;
        } else {
            s.DorsalY[2 * j] = j == 0 ? bodyTop - 0.1 : (edge ? double(*edge) : bodyTop);
        }
    }
    s.DorsalLast = FinishList(s.DorsalX, c.count());
    s.DorsalDone = true;
}

void BuildAnalStrip(Fish& s, const EditorPicture& p, FinEdges edges) {
    if (s.AnalDone || !p.HasPicture()) return;
    RangeRect& r = s.AnalRange;
    if (r.y1 > p.PicMaxY) r.y1 = p.PicMaxY;
    const ColumnChoice c = ChooseBodyColumns(s, r.x0, r.x1);
    const auto edge = ScanColumn(p.PictureBitmap, r.x1, r.y1, r.y0);
    for (int j = 0; j < c.count(); ++j) {
        const int k = c.first + j;
        const double bodyBottom = s.BodyY[2 * k + 1];
        s.AnalX[2 * j] = s.AnalX[2 * j + 1] = s.BodyX[2 * k];
        s.AnalY[2 * j] = bodyBottom;
        if (edges == FinEdges::PerColumn) {
            const auto own = ScanColumn(p.PictureBitmap, Nearest(s.BodyX[2 * k]), r.y1, r.y0);
            s.AnalY[2 * j + 1] = own ? std::max(double(*own), bodyBottom) : bodyBottom;
        } else {
            s.AnalY[2 * j + 1] = j == 0 ? bodyBottom + 0.1 : (edge ? double(*edge) : bodyBottom);
        }
    }
    s.AnalLast = FinishList(s.AnalX, c.count());
    s.AnalDone = true;
}

void BuildWhiskerStrip(Fish& s, const EditorPicture& p) {
    if (!p.HasPicture()) return;
    const RangeRect& r = s.WhiskerRange;
    const ColumnChoice c = ChooseBodyColumns(s, r.x0, r.x1);
    for (int j = 0; j < c.count(); ++j) {
        const int k = c.first + j;
        s.WhiskerX[2 * j] = s.WhiskerX[2 * j + 1] = s.BodyX[2 * k];
        s.WhiskerY[2 * j] = s.BodyY[2 * k + 1];
        s.WhiskerY[2 * j + 1] = r.y1;
    }
    s.WhiskerLast = FinishList(s.WhiskerX, c.count());
}

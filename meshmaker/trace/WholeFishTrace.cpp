// The whole fish traced at once from the picture: a pure function of the
// picture and a fish, with its rules in WholeFishTrace.h; the picture fuzz
// target and the tests run it.

#include "WholeFishTrace.h"

#include "EyeFinder.h"
#include "EyeShape.h"
#include "FishMask.h"
#include "FrontSection.h"
#include "Numbers.h"
#include "PixelRules.h"
#include "StripBuilders.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The grid of cells is at most this many cells on its longer side.
constexpr int MaxCellsPerSide = 640;
// The trunk is the fish opened with a disc of this share of the largest
// inscribed circle's radius.
constexpr double OpeningShare = 0.85;
// A part stands out of the body when it reaches this share of that radius
// beyond the body's line (and at least 1.5 cells).
constexpr double StandOutShare = 0.1;
// The line under the fins bends over this share of the body's length; the
// body's front share HeadOfBody carries no fin.
constexpr double LineStiffness = 1.0 / 12, HeadOfBody = 1.0 / 6;
// A part smaller than this share of the fish is too small for a strip.
constexpr double SmallestPartShare = 0.002;
// The tail root: the valley's floor lies this share below the lower of its rims.
constexpr double TailWidening = 0.2;
// The ventral fin starts in this front share of the body and is shorter
// than this share of it; other parts below the body are the anal fin.
constexpr double VentralFront = 0.55, VentralLongest = 1.0 / 3.0;
// Whiskers: thin parts (at most this share of the largest inscribed
// radius, and at most WhiskerCells) hanging from the front quarter.
constexpr double WhiskerThickness = 0.06, WhiskerFront = 0.25;
constexpr double WhiskerCells = 3.0;
// The body's step: its length over this many, raised so that a fin on the
// body columns spans at most FinSteps steps (its strip holds 25 columns).
constexpr int BodySteps = 120, FinSteps = 22;
constexpr int PixelsPerDivision = 8;
// The widest half-thickness as a share of the tallest body column, and for
// a body at least EelLength times as long as it is deep.
constexpr double ThicknessShare = 0.25, EelThicknessShare = 0.4, EelLength = 8.0;
// The eye is looked for in this front share of the body, and is at most
// this share of the body's height at the eye in radius.
constexpr double HeadShare = 1.0 / 3.0, LargestEye = 0.3;
// Holes in the fish of at most SmallHole of its size (a highlight of the
// background's colour) or at least LargeHole (the inside of an outline) are
// fish; the others are water seen between fins that touch.
constexpr double SmallHole = 0.005, LargeHole = 0.25;
// No background round the fish: this share of the grid's border is fish, or
// of the whole grid.
constexpr double BorderFishShare = 0.5, FishEverywhereShare = 0.9;
// No trunk: the trunk is smaller than this share of the fish.
constexpr double SmallestTrunkShare = 0.02;

enum Cell : quint8 { Clear = 0, Body, Above, Below, Tail, Dorsal, Ventral, Anal, Left };

struct Run {
    int top = 0, bottom = -1;
    int overlap(int t, int b) const { return std::min(bottom, b) - std::max(top, t) + 1; }
};

std::vector<Run> ColumnRuns(const CellGrid& g, int x) {
    std::vector<Run> runs;
    for (int y = 0; y < g.height; ++y) {
        if (!g.at(x, y)) continue;
        if (!runs.empty() && runs.back().bottom == y - 1)
            runs.back().bottom = y;
        else
            runs.push_back({y, y});
    }
    return runs;
}

// The run that holds row y, or else the nearest to it.
std::optional<Run> RunHolding(const std::vector<Run>& runs, double y) {
    std::optional<Run> best;
    double nearest = 0;
    for (const Run& r : runs) {
        const double d = y < r.top ? r.top - y : y > r.bottom ? y - r.bottom : 0.0;
        if (!best || d < nearest) best = r, nearest = d;
    }
    return best;
}

// How deep the narrowest point of a profile is behind `from`: for each x,
// how far the profile at x lies below the smaller of its highest values
// before and after x, as a share of that smaller value.
std::vector<double> ValleyDepths(const std::vector<double>& profile, int from, int to) {
    std::vector<double> depth(profile.size(), 0.0);
    if (from > to) return depth;
    std::vector<double> after(profile.size(), 0.0);
    double m = 0;
    for (int x = to; x >= from; --x) after[size_t(x)] = m = std::max(m, profile[size_t(x)]);
    m = 0;
    for (int x = from; x <= to; ++x) {
        m = std::max(m, profile[size_t(x)]);
        const double rim = std::min(m, after[size_t(x)]);
        depth[size_t(x)] = rim > 0 ? (rim - profile[size_t(x)]) / rim : 0.0;
    }
    return depth;
}

struct Valley {
    int x = -1;
    double depth = 0;
};

// The deepest valley of the height and inscribed-radius profiles between
// from and to (either direction), with what lies beyond it at least
// `beyond` columns long.
Valley DeepestValley(const std::vector<double>& spans, const std::vector<double>& radii, int from,
                     int to, int beyond) {
    const int lo = std::min(from, to), hi = std::max(from, to);
    auto section = [&](const std::vector<double>& p) {
        std::vector<double> s(p.begin() + lo, p.begin() + hi + 1);
        if (from > to) std::reverse(s.begin(), s.end());
        return s;
    };
    const std::vector<double> s = section(spans), r = section(radii);
    const int n = int(s.size());
    const auto ds = ValleyDepths(s, 0, n - 1), dr = ValleyDepths(r, 0, n - 1);
    Valley best;
    for (int i = 1; i + beyond < n; ++i) {
        const double d = std::max(ds[size_t(i)], dr[size_t(i)]);
        if (d > best.depth) best = {from <= to ? lo + i : hi - i, d};
    }
    return best;
}

// Everything the grid tells about the fish.
struct Layout {
    int scale = 1;
    FishColours colours;
    CellGrid fish;                // the largest fish part, holes filled
    std::vector<float> distances; // squared distance of each cell to the nearest non-fish cell
    CellGrid labels;
    double radius = 0;        // largest inscribed circle, cells
    int first = 0, last = -1; // the fish's first and last cell columns
    int tailRoot = -1;        // cell column; -1: no tail
    bool facesRight = false;
    bool separated = false;
    QString notSeparated; // why not
    int whiskers = 0;
    QRect dorsal, ventral, anal; // cells; empty when absent
};

// The body's top and bottom cells in every column of the body: the edges of
// the fish part the body runs through, except under a fin (see BodyEdge);
// -1 outside the body.
struct BodyLines {
    std::vector<int> top, bottom;
};

// The smooth line under the fins of one edge of the body (the top, or the
// bottom with outward = 1): asymmetric least squares (Eilers' baseline
// under peaks). It follows the edge where nothing stands out and passes
// under what does: it minimises the sum of w (edge - z)^2 and lambda times
// the squared second differences of z, where w is 1 for columns on the
// body's side of z and Outliers for columns beyond it. The columns before
// `head`, and the last one (the tail root), are followed whatever they do:
// no fin stands on the head, and the line ends where the body does.
std::vector<double> LineUnderFins(const std::vector<double>& edge, int outward, double lambda,
                                  int head, double slack) {
    constexpr double Outliers = 0.01;
    constexpr int Rounds = 12;
    const int n = int(edge.size());
    if (n < 3) return edge;
    std::vector<double> weight(size_t(n), 1.0), z(edge);
    // The penalty's matrix D'D: five bands, symmetric.
    std::vector<double> d0(size_t(n), 6.0), d1(size_t(n), -4.0);
    d0[0] = d0[size_t(n) - 1] = 1, d0[1] = d0[size_t(n) - 2] = 5;
    d1[0] = d1[size_t(n) - 2] = -2;
    const size_t count = static_cast<size_t>(n);
    std::vector<double> l0(count), l1(count), l2(count), y(count);
    for (int round = 0; round < Rounds; ++round) {
        // Cholesky factor of W + lambda D'D, banded: L[i][i], L[i][i-1], L[i][i-2].
        for (int i = 0; i < n; ++i) {
            const double a0 = weight[size_t(i)] + lambda * d0[size_t(i)];
            const double a1 = i >= 1 ? lambda * d1[size_t(i) - 1] : 0.0;
            const double a2 = i >= 2 ? lambda : 0.0;
            l2[size_t(i)] = i >= 2 ? a2 / l0[size_t(i) - 2] : 0.0;
            l1[size_t(i)] = i >= 1 ? (a1 - (i >= 2 ? l2[size_t(i)] * l1[size_t(i) - 1] : 0.0)) /
                                         l0[size_t(i) - 1]
                                   : 0.0;
            l0[size_t(i)] = std::sqrt(std::max(1e-12, a0 - l1[size_t(i)] * l1[size_t(i)] -
                                                          l2[size_t(i)] * l2[size_t(i)]));
        }
        for (int i = 0; i < n; ++i) {
            double v = weight[size_t(i)] * edge[size_t(i)];
            if (i >= 1) v -= l1[size_t(i)] * y[size_t(i) - 1];
            if (i >= 2) v -= l2[size_t(i)] * y[size_t(i) - 2];
            y[size_t(i)] = v / l0[size_t(i)];
        }
        for (int i = n - 1; i >= 0; --i) {
            double v = y[size_t(i)];
            if (i + 1 < n) v -= l1[size_t(i) + 1] * z[size_t(i) + 1];
            if (i + 2 < n) v -= l2[size_t(i) + 2] * z[size_t(i) + 2];
            z[size_t(i)] = v / l0[size_t(i)];
        }
        for (int i = 0; i < n; ++i)
            weight[size_t(i)] =
                i >= head && i < n - 1 && outward * (edge[size_t(i)] - z[size_t(i)]) > slack
                    ? Outliers
                    : 1.0;
    }
    return z;
}

// One edge of the body: the followed part's edge in columns first..end,
// except where something stands out of the line under the fins by
// `standOut`; there, and along its slopes down to half that, the line, or
// the trunk's edge (`trunk`, -1 where there is none) where that lies
// farther in (the trunk keeps a round body round under a fin that rises
// from it smoothly).
std::vector<int> BodyEdge(const std::vector<int>& edge, const std::vector<int>& trunk, int first,
                          int end, int outward, double lambda, int head, double standOut) {
    std::vector<int> line(edge);
    std::vector<double> values;
    for (int x = first; x <= end; ++x) values.push_back(edge[size_t(x)]);
    const std::vector<double> under =
        LineUnderFins(values, outward, lambda, head - first, standOut / 2);
    auto beyond = [&](int x) { return outward * (edge[size_t(x)] - under[size_t(x - first)]); };
    for (int a = first; a <= end; ++a) {
        if (beyond(a) <= standOut) continue;
        int b = a;
        while (b + 1 <= end && beyond(b + 1) > standOut / 2) ++b;
        while (a - 1 >= first && beyond(a - 1) > standOut / 2) --a;
        for (int x = a; x <= b; ++x) {
            int z = int(std::lround(under[size_t(x - first)]));
            if (trunk[size_t(x)] >= 0 && outward * (trunk[size_t(x)] - z) < 0) z = trunk[size_t(x)];
            // The body never reaches beyond the fish's own edge.
            line[size_t(x)] =
                outward < 0 ? std::max(z, edge[size_t(x)]) : std::min(z, edge[size_t(x)]);
        }
        a = b;
    }
    return line;
}

BodyLines TraceBodyLines(const Layout& l, const CellGrid& trunk, int end, double standOut) {
    const int w = l.fish.width;
    BodyLines lines{std::vector<int>(size_t(w), -1), std::vector<int>(size_t(w), -1)};
    std::vector<int> coreTop(size_t(w), -1), coreBottom(size_t(w), -1);
    int c0 = -1;
    for (int x = l.first; x <= end; ++x)
        for (int y = 0; y < trunk.height; ++y)
            if (trunk.at(x, y)) {
                if (coreTop[size_t(x)] < 0) coreTop[size_t(x)] = y;
                coreBottom[size_t(x)] = y;
                if (c0 < 0) c0 = x;
            }
    if (c0 < 0) return lines;

    // The edges the body's lines start from. Along the trunk, the fish's own
    // top and bottom (what stands out of the body there, the lines pass
    // under). Ahead of the trunk and behind it, the edges of the part the
    // body runs through, followed column by column: where a column splits
    // (whiskers apart from the head, water between fins that touch the
    // tail) the run that holds the body's middle, which is carried on from
    // the trunk's end and moves only while the runs do not grow (a run that
    // grows has taken in a fin).
    std::vector<int> top(size_t(w), -1), bottom(size_t(w), -1);
    int c1 = c0;
    for (int x = c0; x <= end; ++x)
        if (coreTop[size_t(x)] >= 0) c1 = x;
    for (int x = c0; x <= c1; ++x)
        for (int y = 0; y < l.fish.height; ++y)
            if (l.fish.at(x, y)) {
                if (top[size_t(x)] < 0) top[size_t(x)] = y;
                bottom[size_t(x)] = y;
            }
    for (const int direction : {-1, 1}) {
        const int from = direction < 0 ? c0 : c1;
        double mid = (coreTop[size_t(from)] + coreBottom[size_t(from)]) / 2.0;
        int height = coreBottom[size_t(from)] - coreTop[size_t(from)] + 1;
        for (int x = from + direction; x >= l.first && x <= end; x += direction) {
            const auto run = RunHolding(ColumnRuns(l.fish, x), mid);
            if (!run) break;
            top[size_t(x)] = run->top;
            bottom[size_t(x)] = run->bottom;
            const int runHeight = run->bottom - run->top + 1;
            if (runHeight <= height + 1) mid = (run->top + run->bottom) / 2.0;
            height = runHeight;
        }
    }
    int first = c0, last = c0;
    while (first > l.first && top[size_t(first) - 1] >= 0) --first;
    while (last < end && top[size_t(last) + 1] >= 0) ++last;

    // The line under the fins bends over a twelfth of the body's length; the
    // front sixth of the body is its head.
    const double bendLength = std::max(2.0, (last - first) * LineStiffness);
    const double lambda = std::pow(bendLength, 4);
    const int head = first + int((last - first) * HeadOfBody);
    const std::vector<int> bodyTop =
        BodyEdge(top, coreTop, first, last, -1, lambda, head, standOut);
    const std::vector<int> bodyBottom =
        BodyEdge(bottom, coreBottom, first, last, 1, lambda, head, standOut);
    for (int x = first; x <= last; ++x) {
        lines.top[size_t(x)] = bodyTop[size_t(x)];
        lines.bottom[size_t(x)] = std::max(bodyTop[size_t(x)], bodyBottom[size_t(x)]);
    }
    return lines;
}

struct Part {
    int cells = 0;
    QRect box;
    double standOut = 0;  // how far it reaches beyond the body's line, cells
    double thickness = 0; // largest inscribed radius within it, cells
};

// Tells the fish apart into body, fins, tail and whiskers on the grid.
Layout Analyse(const QImage& image, int tolerance) {
    Layout l;
    const int longer = std::max(image.width(), image.height());
    l.scale = std::max(1, (longer + MaxCellsPerSide - 1) / MaxCellsPerSide);
    l.colours = {RgbAt(image, 0, 0), tolerance};
    CellGrid all = FishCells(image, l.colours, l.scale);
    const Components parts = LabelComponents(all);
    l.fish = KeepComponent(parts, parts.largest(), all.width, all.height);
    const qint64 fishCells = parts.sizes[size_t(parts.largest())];
    FillHoles(l.fish, qint64(SmallHole * fishCells), qint64(LargeHole * fishCells));
    l.labels = CellGrid(l.fish.width, l.fish.height);
    const int w = l.fish.width, h = l.fish.height;
    l.first = w;
    int area = 0, border = 0, borderFish = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool on = l.fish.at(x, y);
            area += on;
            if (on) l.first = std::min(l.first, x), l.last = std::max(l.last, x);
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) ++border, borderFish += on;
        }
    if (area == 0) return l;

    l.distances = SquaredDistances(l.fish, true, true);
    const std::vector<float>& d2 = l.distances;
    l.radius = std::sqrt(*std::max_element(d2.begin(), d2.end()));
    auto wholeFishIsBody = [&](const QString& why) {
        l.notSeparated = why;
        for (size_t k = 0; k < l.fish.cells.size(); ++k)
            if (l.fish.cells[k]) l.labels.cells[k] = Body;
        return l;
    };
    if (borderFish >= BorderFishShare * border || area >= FishEverywhereShare * w * h)
        return wholeFishIsBody(Texts::NoBackgroundRoundFish());
    if (l.radius < 1.5) return wholeFishIsBody(Texts::NoTrunk());

    // The trunk: the largest part of the fish opened with the disc.
    const CellGrid opened = OpenWithDisc(l.fish, d2, OpeningShare * l.radius);
    const Components pieces = LabelComponents(opened);
    // Of the large pieces (a quarter of the largest at least) the one most
    // to the left: the head's end of the fish, not a tail fan larger than it.
    int trunkId = 0, trunkLeft = w;
    const int largest = pieces.largest();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w && x < trunkLeft; ++x) {
            const int id = pieces.label[size_t(y) * w + x];
            if (id && 4 * pieces.sizes[size_t(id)] >= pieces.sizes[size_t(largest)])
                trunkId = id, trunkLeft = x;
        }
    if (trunkId == 0 || pieces.sizes[size_t(largest)] < SmallestTrunkShare * area)
        return wholeFishIsBody(Texts::NoTrunk());
    const CellGrid trunk = KeepComponent(pieces, trunkId, w, h);

    // Column profiles: the fish's height and its thickest inscribed radius.
    std::vector<double> spans(size_t(w), 0.0), radii(size_t(w), 0.0);
    for (int x = l.first; x <= l.last; ++x) {
        int top = -1, bottom = -1;
        float best = 0;
        for (int y = 0; y < h; ++y)
            if (l.fish.at(x, y)) {
                if (top < 0) top = y;
                bottom = y;
                best = std::max(best, d2[size_t(y) * w + x]);
            }
        spans[size_t(x)] = top < 0 ? 0 : bottom - top + 1;
        radii[size_t(x)] = std::sqrt(best);
    }
    int thickest = l.first;
    for (int x = l.first; x <= l.last; ++x) {
        bool inTrunk = false;
        for (int y = 0; y < h && !inTrunk; ++y) inTrunk = trunk.at(x, y);
        if (inTrunk && radii[size_t(x)] > radii[size_t(thickest)]) thickest = x;
    }
    const int shortestTail = 2;
    const Valley tail = DeepestValley(spans, radii, thickest, l.last, shortestTail);
    const Valley front = DeepestValley(spans, radii, thickest, l.first, shortestTail);
    const bool hasTail = tail.x >= 0 && tail.depth >= TailWidening;
    l.facesRight = !hasTail && front.x >= 0 && front.depth >= TailWidening;
    l.tailRoot = hasTail ? tail.x : -1;
    const int bodyEnd = hasTail ? tail.x : l.last;

    const double standOut = std::max(1.5, StandOutShare * l.radius);
    const BodyLines lines = TraceBodyLines(l, trunk, bodyEnd, standOut);
    const double band = standOut / 2;
    for (int x = l.first; x <= l.last; ++x)
        for (int y = 0; y < h; ++y) {
            if (!l.fish.at(x, y)) continue;
            quint8& c = l.labels.at(x, y);
            if (x > bodyEnd)
                c = Tail;
            else if (lines.top[size_t(x)] < 0)
                c = Body;
            else
                // A thin band along the body's line is the body's: it would
                // join fins that stand apart into one.
                c = y < lines.top[size_t(x)] - band      ? Above
                    : y > lines.bottom[size_t(x)] + band ? Below
                                                         : Body;
        }

    // The parts above and below the body.
    const int bodyStart = l.first, bodyLength = std::max(1, bodyEnd - bodyStart);
    for (const quint8 side : {quint8(Above), quint8(Below)}) {
        CellGrid mask(w, h);
        for (size_t k = 0; k < mask.cells.size(); ++k) mask.cells[k] = l.labels.cells[k] == side;
        const Components found = LabelComponents(mask);
        std::vector<Part> info(found.sizes.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int id = found.label[size_t(y) * w + x];
                if (!id) continue;
                Part& p = info[size_t(id)];
                ++p.cells;
                p.box |= QRect(x, y, 1, 1);
                const int line = side == Above ? lines.top[size_t(x)] : lines.bottom[size_t(x)];
                const double out = side == Above ? line - y : y - line;
                p.standOut = std::max(p.standOut, out);
                // How thick the part is away from the body (where it joins the
                // body it is as thick as the body there).
                if (out > standOut)
                    p.thickness = std::max(p.thickness, double(std::sqrt(d2[size_t(y) * w + x])));
            }
        std::vector<quint8> kind(info.size(), Body);
        size_t ventral = 0; // the largest part that may be the ventral fin
        for (size_t id = 1; id < info.size(); ++id) {
            const Part& p = info[id];
            if (p.standOut < standOut) continue; // a sliver of the body
            const double front = double(p.box.left() - bodyStart) / bodyLength;
            const double length = std::hypot(p.box.width(), p.box.height());
            const bool thin = p.thickness <= std::max(WhiskerCells, WhiskerThickness * l.radius) &&
                              length >= 6 * p.thickness;
            const bool small = p.cells < SmallestPartShare * area;
            if ((side == Below && front < WhiskerFront && thin) || small) {
                // Whiskers, and parts too small for a strip, are left to the tools.
                kind[id] = Left;
                if (side == Below && front < WhiskerFront) ++l.whiskers;
            } else if (side == Above) {
                kind[id] = Dorsal;
            } else if (front < VentralFront && p.box.width() < VentralLongest * bodyLength) {
                kind[id] = Ventral;
                if (!ventral || p.cells > info[ventral].cells) ventral = id;
            } else {
                kind[id] = Anal;
            }
        }
        // The ventral strip holds one fin: of several parts in front, the
        // largest; those behind it belong to the anal fin's strip, those
        // before it are left to the tools.
        for (size_t id = 1; id < info.size(); ++id)
            if (kind[id] == Ventral && id != ventral) {
                kind[id] = info[id].box.left() > info[ventral].box.left() ? Anal : Left;
                if (kind[id] == Left) ++l.whiskers;
            }
        for (size_t id = 1; id < info.size(); ++id) {
            if (kind[id] == Dorsal) l.dorsal |= info[id].box;
            if (kind[id] == Ventral) l.ventral |= info[id].box;
            if (kind[id] == Anal) l.anal |= info[id].box;
        }
        for (size_t k = 0; k < l.labels.cells.size(); ++k)
            if (found.label[k]) l.labels.cells[k] = kind[size_t(found.label[k])];
    }
    l.separated = true;
    return l;
}

// The picture the strip builders scan: the fins and the tail alone, each
// pixel with its own colour, everything else (the body, whiskers, specks,
// a noisy background) exactly the background colour. So each column of a
// strip finds its own fin's edges, not the body's or another part's.
EditorPicture BuilderPicture(const EditorPicture& picture, const QImage& image, const Layout& l) {
    EditorPicture out = picture;
    out.DimmedBitmap = QImage();
    const int w = image.width(), h = image.height();
    QImage fins(w, h, QImage::Format_RGB32);
    if (fins.isNull()) return out;
    const QRgb bg = image.pixel(0, 0);
    fins.fill(bg);
    // Only the cells' rows and columns that hold a fin or the tail are looked at.
    QRect box;
    for (int y = 0; y < l.labels.height; ++y)
        for (int x = 0; x < l.labels.width; ++x) {
            const quint8 c = l.labels.at(x, y);
            if (c == Tail || c == Dorsal || c == Ventral || c == Anal) box |= QRect(x, y, 1, 1);
        }
    const int y0 = box.top() * l.scale, y1 = std::min(h - 1, (box.bottom() + 1) * l.scale);
    const int x0 = box.left() * l.scale, x1 = std::min(w, (box.right() + 1) * l.scale);
    for (int y = y0; y < y1 && !box.isEmpty(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(fins.scanLine(y));
        const quint8* cells = &l.labels.cells[size_t(y / l.scale) * l.labels.width];
        for (int x = x0; x < x1; ++x) {
            const quint8 c = cells[x / l.scale];
            if ((c == Tail || c == Dorsal || c == Ventral || c == Anal) &&
                l.colours.isFish(from[x]))
                to[x] = (from[x] & 0x00FFFFFFu) == (bg & 0x00FFFFFFu) ? bg ^ 1u : from[x];
        }
    }
    out.PictureBitmap = std::move(fins);
    return out;
}

// The box round a fin's pixels in the builders' picture, found within its
// box of cells (the range a user would drag round it).
RangeRect PixelRange(const QRect& cells, quint8 kind, const Layout& l, const QImage& fins) {
    const int f = l.scale;
    const QRect area =
        QRect(cells.left() * f, cells.top() * f, cells.width() * f, cells.height() * f) &
        QRect(0, 0, fins.width(), fins.height() - 1);
    const QRgb bg = fins.pixel(0, 0) & 0x00FFFFFFu;
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(fins.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if ((row[x] & 0x00FFFFFFu) != bg && l.labels.at(x / f, y / f) == kind)
                box |= QRect(x, y, 1, 1);
    }
    if (box.isEmpty()) box = area;
    return {box.left(), box.top(), box.right(), box.bottom()};
}

int CeilDiv(int a, int b) {
    return b > 0 ? (a + b - 1) / b : a;
}

// Keeps a strip only if some column of it has height; else clears it.
template <typename Array> void DropFlatStrip(const Array& ys, int& last, bool& done) {
    double tallest = 0;
    for (int k = 0; k + 1 <= last; k += 2)
        tallest = std::max(tallest, ys[size_t(k) + 1] - ys[size_t(k)]);
    if (done && tallest < 1.0) {
        done = false;
        last = 0;
    }
}

} // namespace

WholeFishTrace TraceWholeFish(const EditorPicture& picture, const Fish& start) {
    WholeFishTrace out;
    out.fish = start;
    if (!picture.HasPicture() || picture.PicMaxX < 2 || picture.PicMaxY < 2) {
        out.messages << Texts::NoFishInPicture();
        return out;
    }
    QImage image = picture.PictureBitmap;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int tolerance = BackgroundTolerance(image);
    const Layout l = Analyse(image, tolerance);
    if (l.last < 0) {
        out.messages << Texts::NoFishInPicture();
        return out;
    }
    out.traced = true;
    out.separated = l.separated;
    out.facesRight = l.facesRight;
    out.tolerance = tolerance;
    out.whiskers = l.whiskers;
    const EditorPicture builder = BuilderPicture(picture, image, l);
    const int f = l.scale;
    const int picMaxX = picture.PicMaxX, picMaxY = picture.PicMaxY;
    auto cellAt = [&](int x, int y) {
        return l.labels.at(std::min(x / f, l.labels.width - 1),
                           std::min(y / f, l.labels.height - 1));
    };
    auto isBody = [&](int x, int y) {
        return x >= 0 && y >= 0 && x <= picMaxX && y < picMaxY && cellAt(x, y) == Body &&
               l.colours.isFish(RgbAt(image, x, y));
    };
    // The body's edges in a picture column, or nothing where it has none.
    auto bodyEdges = [&](int x) -> std::optional<std::pair<int, int>> {
        int top = -1, bottom = -1;
        for (int y = 0; y < picMaxY; ++y)
            if (isBody(x, y)) {
                top = y;
                break;
            }
        if (top < 0) return std::nullopt;
        for (int y = picMaxY - 1; y >= top; --y)
            if (isBody(x, y)) {
                bottom = y;
                break;
            }
        return std::make_pair(top, bottom);
    };

    // The fish's pixels in a column that lie within top..bottom, or else
    // the one nearest to that span.
    auto fishEdgesNear = [&](int x, int top, int bottom) -> std::optional<std::pair<int, int>> {
        int first = -1, last = -1, nearest = -1, distance = 0;
        for (int y = 0; y < picMaxY; ++y) {
            const quint8 c = cellAt(x, y);
            if (c == Clear || c == Left || !l.colours.isFish(RgbAt(image, x, y))) continue;
            if (y >= top && y <= bottom) {
                if (first < 0) first = y;
                last = y;
            }
            const int d = y < top ? top - y : y > bottom ? y - bottom : 0;
            if (nearest < 0 || d < distance) nearest = y, distance = d;
        }
        if (first >= 0) return std::make_pair(first, last);
        if (nearest >= 0) return std::make_pair(nearest, nearest);
        return std::nullopt;
    };

    Fish& s = out.fish;
    // Where the body starts and ends, and the tail root.
    int snout = l.first * f;
    while (snout < std::min(picMaxX, (l.first + 1) * f - 1) && !bodyEdges(snout)) ++snout;
    // The fish's last column: the last with a pixel of the body or the tail.
    auto ofFish = [&](int x, int y) {
        const quint8 c = cellAt(x, y);
        return (c == Body || c == Tail) && l.colours.isFish(RgbAt(image, x, y));
    };
    int fishEnd = std::min(picMaxX, (l.last + 1) * f - 1);
    while (fishEnd > l.last * f) {
        bool any = false;
        for (int y = 0; y < picMaxY && !any; ++y) any = ofFish(fishEnd, y);
        if (any) break;
        --fishEnd;
    }
    int E = l.tailRoot >= 0 ? l.tailRoot * f + f / 2 : fishEnd;
    E = std::clamp(E, 1, std::max(1, picMaxX - 1));
    snout = std::clamp(snout, 0, E - 1);
    const int length = E - snout;

    // The fins' ranges.
    const bool dorsal = !l.dorsal.isEmpty(), ventral = !l.ventral.isEmpty(),
               anal = !l.anal.isEmpty();
    const QImage& fins = builder.PictureBitmap;
    const RangeRect dorsalRange = PixelRange(l.dorsal, Dorsal, l, fins);
    const RangeRect ventralRange = PixelRange(l.ventral, Ventral, l, fins);
    const RangeRect analRange = PixelRange(l.anal, Anal, l, fins);

    // The body's step: fine enough to follow the outline, coarse enough for
    // the fins on the body's columns to fit their strips.
    int step = std::max(1, CeilDiv(length, BodySteps));
    if (dorsal) step = std::max(step, CeilDiv(dorsalRange.x1 - dorsalRange.x0, FinSteps));
    if (anal) step = std::max(step, CeilDiv(analRange.x1 - analRange.x0, FinSteps));
    step = SliceStep(0, E, step, BodyMaxColumns);
    step = std::clamp(step, 1, std::max(1, picMaxX / 3));
    for (int slot : {BodyStep, DorsalStep, AnalStep, PectoralStep}) s.Steps[size_t(slot)] = step;

    // The body.
    const std::vector<int> xs = SliceColumns(snout, E, step, BodyMaxColumns);
    std::optional<std::pair<int, int>> previous;
    for (size_t k = 0; k < xs.size(); ++k) {
        auto edges = bodyEdges(xs[k]);
        if (!edges) {
            // A column with no body pixel takes the fish's own pixels nearest
            // to its neighbour's edges, so that no column is pure background.
            std::optional<std::pair<int, int>> near = previous;
            for (size_t j = k + 1; j < xs.size() && !near; ++j) near = bodyEdges(xs[j]);
            edges = fishEdgesNear(xs[k], near ? near->first : picMaxY / 2,
                                  near ? near->second : picMaxY / 2);
        }
        if (!edges) edges = std::make_pair(0, 0);
        previous = edges;
        s.BodyX[2 * k] = s.BodyX[2 * k + 1] = xs[k];
        s.BodyY[2 * k] = edges->first;
        s.BodyY[2 * k + 1] = edges->second;
    }
    s.BodyLast = 2 * int(xs.size()) - 1;
    s.BodyX[size_t(s.BodyLast) + 1] = -1.0;
    s.BodyDone = true;
    s.TailPosition = E;

    // The tail, from the tail root to the fish's end.
    s.TailDone = false;
    s.TailLast = 0;
    if (fishEnd > E && l.separated) {
        s.Steps[TailStep] =
            std::clamp(SliceStep(E, fishEnd, std::max(1, CeilDiv(fishEnd - E, StripMaxColumns - 1)),
                                 StripMaxColumns),
                       1, std::max(1, picMaxX / 3));
        BuildTailStrip(s, builder, E, fishEnd);
    }

    // The fins, each on its range, with fin edges column by column.
    s.DorsalDone = s.VentralDone = s.AnalDone = false;
    s.DorsalLast = s.VentralLast = s.AnalLast = 0;
    if (dorsal) {
        s.DorsalRange = dorsalRange;
        BuildDorsalStrip(s, builder, FinEdges::PerColumn);
        DropFlatStrip(s.DorsalY, s.DorsalLast, s.DorsalDone);
    }
    if (anal) {
        s.AnalRange = analRange;
        BuildAnalStrip(s, builder, FinEdges::PerColumn);
        DropFlatStrip(s.AnalY, s.AnalLast, s.AnalDone);
    }
    if (ventral) {
        s.VentralRange = ventralRange;
        const int width = ventralRange.x1 - ventralRange.x0;
        s.Steps[VentralStep] =
            std::clamp(SliceStep(ventralRange.x0, ventralRange.x1,
                                 std::max(1, CeilDiv(width, StripMaxColumns - 1)), StripMaxColumns),
                       1, std::max(1, picMaxX / 3));
        BuildVentralStrip(s, builder);
        DropFlatStrip(s.VentralY, s.VentralLast, s.VentralDone);
    } else {
        s.Steps[VentralStep] = step;
    }
    if (!s.TailDone) s.Steps[TailStep] = step;

    // Divisions and thickness from the tallest body column.
    double tallest = 0;
    for (int k = 0; k + 1 <= s.BodyLast; k += 2)
        tallest = std::max(tallest, s.BodyY[size_t(k) + 1] - s.BodyY[size_t(k)]);
    s.Divisions = std::clamp(int(tallest) / PixelsPerDivision, 4, MaxDivisions);
    const double share = length >= EelLength * tallest ? EelThicknessShare : ThicknessShare;
    const int thickness = Nearest(10 * std::sqrt(share * tallest));
    s.Thickness = std::clamp(thickness, 1, std::max(1, (8 * picMaxX) / 10));

    // The front section and the top view, as the front tool builds them.
    s.FrontColumn = ChooseFrontColumn(s);
    if (s.VentralDone) ChooseVentralIndices(s, picMaxY);
    if (s.PectoralDone) s.PectoralOuterIndex = ChoosePectoralOuterIndex(s);
    s.FrontOn = true;
    BuildFrontSection(s, s.Thickness);
    s.TopViewOn = true;
    s.PeakMin = Nearest(E / 10.0);
    s.PeakMax = std::max(s.PeakMin, Nearest(E * 9 / 10.0));
    const int front = s.FrontColumn >= 0 ? s.FrontColumn / 2 : 0;
    s.PeakPosition = std::clamp(Nearest(s.BodyX[size_t(2 * front)]), s.PeakMin, s.PeakMax);
    BuildTopView(s, E, s.PeakPosition);
    if (s.FrontColumn >= 0 && tallest > 0) {
        // Seen from above, each column is as wide as its height says.
        s.TopPeakIndex = front;
        for (int i = 0; i < s.BodyColumns() && i < TopCapacity; ++i) {
            const double ratio = std::clamp(
                (s.BodyY[size_t(2 * i) + 1] - s.BodyY[size_t(2 * i)]) / tallest, 0.0, 1.0);
            s.TopW[size_t(i)] = s.SectionMaxZ * (i < front ? std::sqrt(ratio) : ratio);
        }
        for (int i = 0; i < s.BodyColumns() && i < TopCapacity; ++i)
            if (s.TopW[size_t(i)] > s.TopW[size_t(s.TopPeakIndex)]) s.TopPeakIndex = i;
    }

    // The eye.
    // The head: the front third of the body, between its highest and lowest points there.
    int headTop = picMaxY, headBottom = 0;
    for (int k = 0; k + 1 <= s.BodyLast && s.BodyX[size_t(k)] <= snout + length * HeadShare; k += 2)
        headTop = std::min(headTop, Nearest(s.BodyY[size_t(k)])),
        headBottom = std::max(headBottom, Nearest(s.BodyY[size_t(k) + 1]));
    const QRect head(snout, headTop, std::max(1, int(length * HeadShare)),
                     std::max(1, headBottom - headTop + 1));
    const auto eye = FindEye(image, isBody, head, f, LargestEye * tallest);
    if (eye) {
        s.EyeX = Nearest(eye->x);
        s.EyeY = Nearest(eye->y);
        s.EyeRadius = std::max(1, Nearest(eye->radius));
        s.EyeShape = DefaultEyeShape;
        s.EyePosition = DefaultEyePosition;
        const EyeShapeResult shaped =
            ShapeEye(s, s.EyeX, s.EyeY, s.EyeRadius, s.EyeShape, s.EyePosition);
        s.EyeBulge = shaped.Bulge;
        s.EyeZ = shaped.Z;
        // The rear colour: the picture just below the eye's rim, as the designer takes it.
        const int rx = std::clamp(TruncToInt(s.EyeX), 0, picMaxX);
        const int ry =
            std::clamp(std::min(TruncToInt(s.EyeY + s.EyeRadius + 1), picMaxY - 1), 0, picMaxY);
        s.EyeRearColour = RgbAt(picture.PictureBitmap, rx, ry);
        s.EyeSolid = s.EyeConfirmed = true;
    }

    // What was done, and what is left to the tools.
    auto columns = [](int last) { return last > 0 ? (last + 1) / 2 : 0; };
    out.messages << Texts::WholeFishTraced()
                        .arg(s.BodyColumns())
                        .arg(columns(s.TailLast))
                        .arg(columns(s.DorsalLast))
                        .arg(columns(s.VentralLast))
                        .arg(columns(s.AnalLast))
                        .arg(eye ? Texts::Yes() : Texts::No());
    if (!l.separated) out.messages << Texts::FishNotSeparated().arg(l.notSeparated);
    if (tolerance > 0) out.messages << Texts::NoisyBackground().arg(tolerance);
    if (l.whiskers > 0) out.messages << Texts::WhiskersLeft().arg(l.whiskers);
    if (!eye) out.messages << Texts::NoEyeFound();
    if (l.facesRight) out.messages << Texts::FishFacesRight();
    return out;
}

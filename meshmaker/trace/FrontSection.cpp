// The body's front section, its normals, the fins' depths and the top view:
// pure functions of the fish, run by the front and top tools of TForm1.

#include "FrontSection.h"

#include "Numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The section is drawn with this value of pi, not a full-precision one.
constexpr double SectionPi = 3.14159;

int ClampIndex(int i, int last) {
    return std::clamp(i, 0, std::max(last, 0));
}

struct Vec {
    double y = 0, z = 0;
};

// The normal of vertex j from its two neighbours, or nothing where they
// coincide with it or cancel out.
std::optional<Normal> InnerNormal(const Fish& s, int j) {
    const Vec u{s.SectionY[j - 1] - s.SectionY[j], s.SectionZ[j - 1] - s.SectionZ[j]};
    const Vec v{s.SectionY[j + 1] - s.SectionY[j], s.SectionZ[j + 1] - s.SectionZ[j]};
    const double lu = std::hypot(u.y, u.z), lv = std::hypot(v.y, v.z);
    if (lu == 0 || lv == 0 || !std::isfinite(lu) || !std::isfinite(lv)) return std::nullopt;
    const Vec sum{u.y / lu + v.y / lv, u.z / lu + v.z / lv};
    const double ls = std::hypot(sum.y, sum.z);
    if (ls == 0 || !std::isfinite(ls)) return std::nullopt;
    return Normal{0.0f, float(sum.y / ls), float(sum.z / ls)};
}

} // namespace

void ComputeSectionNormals(Fish& s) {
    const int n = s.N();
    if (n < 1 || n > MaxDivisions) return;
    s.SectionNormals[0] = {0.0f, 1.0f, 0.0f};
    s.SectionNormals[n] = {0.0f, -1.0f, 0.0f};
    std::array<std::optional<Normal>, SectionCapacity> inner{};
    for (int j = 1; j <= n - 1; ++j) inner[j] = InnerNormal(s, j);
    // A vertex without a normal of its own takes the nearest inner vertex's
    // (the upper one of two equally near), or faces straight out.
    for (int j = 1; j <= n - 1; ++j) {
        if (inner[j]) {
            s.SectionNormals[j] = *inner[j];
            continue;
        }
        Normal chosen{0.0f, 0.0f, 1.0f};
        for (int d = 1; d < n; ++d) {
            if (j - d >= 1 && inner[j - d]) {
                chosen = *inner[j - d];
                break;
            }
            if (j + d <= n - 1 && inner[j + d]) {
                chosen = *inner[j + d];
                break;
            }
        }
        s.SectionNormals[j] = chosen;
    }
}

void BuildFrontSection(Fish& s, int S) {
    const int n = s.N();
    if (n < 1 || n > MaxDivisions) return;
    if (s.FrontColumn < 0 || s.FrontColumn + 1 > s.BodyLast) return;

    const double top = s.BodyY[s.FrontColumn];
    const double bottom = s.BodyY[s.FrontColumn + 1] + 0.2;
    const double h = (bottom - top) / 2;
    const double mid = (top + bottom) / 2;
    const double m = double(qint64(S) * S) / 100;
    const double quarterSquare = (bottom - top) * (bottom - top) / 4;

    s.SectionY[0] = top;
    s.SectionZ[0] = 0;
    s.SectionY[n] = bottom;
    s.SectionZ[n] = 0;
    for (int j = 1; j <= n - 1; ++j) {
        const double w = std::cos(double(j) / n * SectionPi);
        s.SectionY[j] = mid - h * w;
        const double d = s.SectionY[j] - mid;
        s.SectionZ[j] = m * std::sqrt(std::max(0.0, 1 - RatioOrZero(d * d, quarterSquare)));
    }

    if (s.VentralDone && s.VentralLast >= 0) {
        const double high = s.VentralY[ClampIndex(s.VentralHighIndex, s.VentralLast)];
        const double low = s.VentralY[ClampIndex(s.VentralLowIndex, s.VentralLast)];
        for (int k = 0; k <= s.VentralLast; ++k)
            s.VentralZ[k] = RatioOrZero((s.VentralY[k] - high) * (2.0 * S), low - high) / 10;
    }
    if (s.PectoralDone) {
        const double base = s.PectoralX[0];
        const double outer = s.PectoralX[ClampIndex(s.PectoralOuterIndex, 2)];
        for (int k = 0; k <= 2; ++k)
            s.PectoralZ[k] = RatioOrZero((s.PectoralX[k] - base) * (6.0 * S), outer - base) / 10;
    }
    ComputeSectionNormals(s);
}

void BuildTopView(Fish& s, int E, int peakX) {
    s.TopPeakX = peakX;
    const int n = std::clamp(s.N(), 0, MaxDivisions);
    int k = 0;
    for (int j = 1; j <= n; ++j)
        if (s.SectionZ[j] > s.SectionZ[j - 1]) k = j;
    s.SectionMaxZ = s.SectionZ[k];

    const double a = s.TopPeakX * s.TopPeakX;
    const double b = (E - s.TopPeakX) * (E - s.TopPeakX);
    s.TopPeakIndex = 0;
    double best = 0;
    const int nc = std::min(s.BodyColumns(), TopCapacity);
    for (int i = 0; i < nc; ++i) {
        const double x = s.BodyX[2 * i];
        const double d = s.TopPeakX - x;
        const double fall = RatioOrZero(d * d, x < s.TopPeakX ? a : b);
        s.TopX[i] = x;
        s.TopW[i] = s.SectionMaxZ * std::sqrt(std::max(0.0, 1 - fall));
        if (s.TopW[i] > best) {
            best = s.TopW[i];
            s.TopPeakIndex = i;
        }
    }
}

int ChooseFrontColumn(const Fish& s) {
    int chosen = -1, best = 0;
    for (int i = 0; i <= s.BodyLast - 1; i += 2) {
        const int height = Nearest(s.BodyY[i + 1] - s.BodyY[i]);
        if (height > best) {
            best = height;
            chosen = i;
        }
    }
    return chosen;
}

void ChooseVentralIndices(Fish& s, int picMaxY) {
    int high = -1, low = -1;
    int highest = picMaxY, lowest = 0;
    for (int i = 0; i <= s.VentralLast - 1; i += 2) {
        if (Nearest(s.VentralY[i]) < highest) {
            highest = Nearest(s.VentralY[i]);
            high = i;
        }
        if (Nearest(s.VentralY[i + 1]) > lowest) {
            lowest = Nearest(s.VentralY[i + 1]);
            low = i + 1;
        }
    }
    s.VentralHighIndex = high < 0 ? 0 : high;
    s.VentralLowIndex = low < 0 ? std::max(s.VentralLast, 0) : low;
}

int ChoosePectoralOuterIndex(const Fish& s) {
    return Nearest(s.PectoralX[2]) > Nearest(s.PectoralX[1]) ? 2 : 1;
}

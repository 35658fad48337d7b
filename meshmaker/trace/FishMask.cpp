// The fish as a mask of cells and its morphology (components, holes, distance
// transform, opening), for the whole-fish trace.

#include "FishMask.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float Far = 1e20f;

// The lower envelope of parabolas (Felzenszwalb and Huttenlocher): in
// place, f[i] becomes min over j of f[j] + (i - j)^2. A value of Far stands
// for no source; it stays finite, so the arithmetic never meets infinity.
// d, v and z are scratch space of n, n and n + 1 entries.
void DistanceTransform1D(float* f, int n, int stride, std::vector<float>& d, std::vector<int>& v,
                         std::vector<float>& z) {
    auto value = [&](int q) { return f[size_t(q) * stride]; };
    auto meet = [&](int p, int q) {
        return ((value(q) + float(q) * q) - (value(p) + float(p) * p)) / (2.0f * float(q - p));
    };
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<float>::max();
    z[1] = std::numeric_limits<float>::max();
    for (int q = 1; q < n; ++q) {
        float s = meet(v[size_t(k)], q);
        while (k > 0 && s <= z[size_t(k)]) {
            --k;
            s = meet(v[size_t(k)], q);
        }
        ++k;
        v[size_t(k)] = q;
        z[size_t(k)] = s;
        z[size_t(k) + 1] = std::numeric_limits<float>::max();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[size_t(k) + 1] < float(q)) ++k;
        const float dq = float(q - v[size_t(k)]);
        d[size_t(q)] = std::min(Far, dq * dq + value(v[size_t(k)]));
    }
    for (int q = 0; q < n; ++q) f[size_t(q) * stride] = d[size_t(q)];
}

} // namespace

int BackgroundTolerance(const QImage& picture) {
    const int w = picture.width(), h = picture.height() - 1; // the last row is never read
    if (w < 1 || h < 1) return 0;
    const QRgb bg = picture.pixel(0, 0);
    std::vector<int> strays;
    int total = 0;
    auto look = [&](int x, int y) {
        const QRgb c = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
        const int d = std::max({std::abs(qRed(c) - qRed(bg)), std::abs(qGreen(c) - qGreen(bg)),
                                std::abs(qBlue(c) - qBlue(bg))});
        ++total;
        // A colour far from the background on the border is the fish touching it.
        if (d > 0 && d < 100) strays.push_back(d);
    };
    for (int x = 0; x < w; ++x) look(x, 0), look(x, h - 1);
    for (int y = 1; y < h - 1; ++y) look(0, y), look(w - 1, y);
    if (strays.size() * 50 <= size_t(total)) return 0; // at most 2 % strays: one exact colour
    std::sort(strays.begin(), strays.end());
    const int noise = strays[strays.size() * 99 / 100];
    return std::clamp(noise + 12, 12, 96);
}

CellGrid FishCells(const QImage& picture, const FishColours& colours, int scale) {
    const int w = picture.width(), h = picture.height() - 1;
    CellGrid grid((w + scale - 1) / scale, std::max(0, (h + scale - 1) / scale));
    const QRgb bg = colours.background & 0x00FFFFFFu;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        quint8* cells = &grid.cells[size_t(y / scale) * grid.width];
        for (int cx = 0, x0 = 0; cx < grid.width; ++cx, x0 += scale) {
            if (cells[cx]) continue; // a fish pixel is already known in this cell
            const int x1 = std::min(w, x0 + scale);
            if (colours.tolerance == 0) {
                for (int x = x0; x < x1; ++x)
                    if ((row[x] & 0x00FFFFFFu) != bg) {
                        cells[cx] = 1;
                        break;
                    }
            } else {
                for (int x = x0; x < x1; ++x)
                    if (colours.isFish(row[x])) {
                        cells[cx] = 1;
                        break;
                    }
            }
        }
    }
    return grid;
}

int Components::largest() const {
    int best = 0;
    for (size_t k = 1; k < sizes.size(); ++k)
        if (sizes[k] > sizes[size_t(best)]) best = int(k);
    return best;
}

Components LabelComponents(const CellGrid& mask) {
    Components c;
    c.label.assign(mask.cells.size(), 0);
    c.sizes.push_back(0);
    std::vector<int> stack;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const size_t start = size_t(y) * mask.width + x;
            if (!mask.cells[start] || c.label[start]) continue;
            const int id = int(c.sizes.size());
            int size = 0;
            c.label[start] = id;
            stack.assign(1, int(start));
            while (!stack.empty()) {
                const int k = stack.back();
                stack.pop_back();
                ++size;
                const int cx = k % mask.width, cy = k / mask.width;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = cx + dx, ny = cy + dy;
                        if (!mask.inside(nx, ny)) continue;
                        const size_t n = size_t(ny) * mask.width + nx;
                        if (mask.cells[n] && !c.label[n]) {
                            c.label[n] = id;
                            stack.push_back(int(n));
                        }
                    }
            }
            c.sizes.push_back(size);
        }
    return c;
}

CellGrid KeepComponent(const Components& components, int component, int width, int height) {
    CellGrid out(width, height);
    if (component <= 0) return out;
    for (size_t k = 0; k < out.cells.size(); ++k) out.cells[k] = components.label[k] == component;
    return out;
}

void FillHoles(CellGrid& mask, qint64 smallest, qint64 largest) {
    // Flood the clear cells from the border; what the flood does not reach is a hole.
    CellGrid holes(mask.width, mask.height);
    for (size_t k = 0; k < holes.cells.size(); ++k) holes.cells[k] = !mask.cells[k];
    std::vector<int> stack;
    auto clear = [&](int x, int y) {
        quint8& c = holes.at(x, y);
        if (c) {
            c = 0;
            stack.push_back(y * mask.width + x);
        }
    };
    for (int x = 0; x < mask.width; ++x) clear(x, 0), clear(x, mask.height - 1);
    for (int y = 0; y < mask.height; ++y) clear(0, y), clear(mask.width - 1, y);
    while (!stack.empty()) {
        const int k = stack.back();
        stack.pop_back();
        const int x = k % mask.width, y = k / mask.width;
        if (x > 0) clear(x - 1, y);
        if (x + 1 < mask.width) clear(x + 1, y);
        if (y > 0) clear(x, y - 1);
        if (y + 1 < mask.height) clear(x, y + 1);
    }
    const Components found = LabelComponents(holes);
    for (size_t k = 0; k < mask.cells.size(); ++k) {
        const int id = found.label[k];
        if (id && (found.sizes[size_t(id)] <= smallest || found.sizes[size_t(id)] >= largest))
            mask.cells[k] = 1;
    }
}

std::vector<float> SquaredDistances(const CellGrid& grid, bool sourcesAreClear,
                                    bool outsideIsSource) {
    // With the outside as a source, the grid is framed by one source cell on
    // every side, and the frame is dropped at the end.
    const int pad = outsideIsSource ? 1 : 0;
    const int w = grid.width + 2 * pad, h = grid.height + 2 * pad;
    std::vector<float> f(size_t(w) * h, 0.0f);
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) {
            const bool source = (grid.at(x, y) == 0) == sourcesAreClear;
            f[size_t(y + pad) * w + x + pad] = source ? 0.0f : Far;
        }
    const int n = std::max(w, h);
    std::vector<float> d(size_t(n) + 1);
    std::vector<int> v(size_t(n) + 1);
    std::vector<float> z(size_t(n) + 2);
    for (int x = 0; x < w; ++x) DistanceTransform1D(&f[size_t(x)], h, w, d, v, z);
    for (int y = 0; y < h; ++y) DistanceTransform1D(&f[size_t(y) * w], w, 1, d, v, z);
    if (!pad) return f;
    std::vector<float> out(size_t(grid.width) * grid.height);
    for (int y = 0; y < grid.height; ++y)
        std::copy_n(&f[size_t(y + 1) * w + 1], grid.width, &out[size_t(y) * grid.width]);
    return out;
}

CellGrid OpenWithDisc(const CellGrid& mask, const std::vector<float>& distanceToClear,
                      double radius) {
    // The centres of the discs that fit, then every cell within the radius of one.
    CellGrid centres(mask.width, mask.height);
    const float r2 = float(radius * radius);
    for (size_t k = 0; k < centres.cells.size(); ++k)
        centres.cells[k] = mask.cells[k] && distanceToClear[k] >= r2;
    const std::vector<float> toCentre = SquaredDistances(centres, false, false);
    CellGrid opened(mask.width, mask.height);
    for (size_t k = 0; k < opened.cells.size(); ++k)
        opened.cells[k] = mask.cells[k] && toCentre[k] < r2;
    return opened;
}

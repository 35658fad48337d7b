// Finding the painted eye on the body for the whole-fish trace: a pure
// function of the picture.

#include "EyeFinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// A spot must be darker than its ring by this many levels of luma (0..255).
constexpr double SpotContrast = 30;
// A colour change of at least this much (RGB distance) over two pixels is an
// edge of the eye; skin shading changes far more slowly.
constexpr double EyeEdge = 40;
constexpr double LongestBlob = 1.6; // length over width
constexpr double FullestBlob = 0.5; // share of its box a round blob fills
constexpr int Directions = 32;
constexpr int CandidatesTried = 40;

int Luma(QRgb c) {
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c) + 500) / 1000;
}

QRgb PixelAt(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

// Sums over boxes of cells in constant time.
class BoxSums {
public:
    BoxSums(int w, int h) : w_(w), sums_(size_t(w + 1) * (h + 1), 0.0) {}
    void build(const std::vector<double>& cells, int h) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w_; ++x)
                at(x + 1, y + 1) =
                    cells[size_t(y) * w_ + x] + at(x, y + 1) + at(x + 1, y) - at(x, y);
    }
    // Cells x0..x1, y0..y1 inclusive.
    double sum(int x0, int y0, int x1, int y1) const {
        return at(x1 + 1, y1 + 1) - at(x0, y1 + 1) - at(x1 + 1, y0) + at(x0, y0);
    }

private:
    double& at(int x, int y) { return sums_[size_t(y) * (w_ + 1) + x]; }
    double at(int x, int y) const { return sums_[size_t(y) * (w_ + 1) + x]; }
    int w_;
    std::vector<double> sums_;
};

struct Candidate {
    int cx, cy, a; // cell of the centre, half-size of the inner box in cells
    double inner, ring;
};

struct Blob {
    double x = 0, y = 0, radius = 0;
};

// Why a spot is not the eye: its dark blob runs out of the largest window
// an eye may take, or it is not round.
enum class BlobFault { None, Open, NotRound };

// The dark blob round (x, y) within the window: pixels of the body darker
// than `threshold`, 4-connected to the darkest pixel near (x, y). Nothing
// when it reaches the window's edge or is not round.
std::optional<Blob> RoundBlob(const QImage& picture, const std::function<bool(int, int)>& isBody,
                              const QRect& window, const QRect& start, double threshold,
                              const std::function<void(int, int)>& visit, BlobFault& fault) {
    fault = BlobFault::NotRound;
    int sx = -1, sy = -1, darkest = 256;
    for (int y = start.top(); y <= start.bottom(); ++y)
        for (int x = start.left(); x <= start.right(); ++x)
            if (isBody(x, y) && Luma(PixelAt(picture, x, y)) < darkest)
                darkest = Luma(PixelAt(picture, x, y)), sx = x, sy = y;
    if (sx < 0 || darkest >= threshold) return std::nullopt;
    std::vector<quint8> seen(size_t(window.width()) * window.height(), 0);
    auto index = [&](int x, int y) {
        return size_t(y - window.top()) * window.width() + (x - window.left());
    };
    std::vector<QPoint> stack{{sx, sy}};
    seen[index(sx, sy)] = 1;
    qint64 count = 0, sumX = 0, sumY = 0;
    int x0 = sx, x1 = sx, y0 = sy, y1 = sy;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        visit(p.x(), p.y());
        ++count, sumX += p.x(), sumY += p.y();
        x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (!window.contains(n)) {
                fault = BlobFault::Open; // not a closed spot in this window
                return std::nullopt;
            }
            if (seen[index(n.x(), n.y())]) continue;
            seen[index(n.x(), n.y())] = 1;
            if (isBody(n.x(), n.y()) && Luma(PixelAt(picture, n.x(), n.y())) < threshold)
                stack.push_back(n);
        }
    }
    const double w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (std::max(w, h) > LongestBlob * std::min(w, h)) return std::nullopt;
    if (double(count) < FullestBlob * w * h) return std::nullopt;
    fault = BlobFault::None;
    return Blob{double(sumX) / count, double(sumY) / count, std::sqrt(count / std::numbers::pi)};
}

// The mean colour of the body pixels in the 3 x 3 box round (x, y), so that
// the noise of a scan or a lossy coder does not count as an edge.
std::optional<std::array<double, 3>>
MeanColour(const QImage& picture, const std::function<bool(int, int)>& isBody, int x, int y) {
    std::array<double, 3> sum{};
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (isBody(x + dx, y + dy)) {
                const QRgb c = PixelAt(picture, x + dx, y + dy);
                sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), ++n;
            }
    if (!isBody(x, y) || n == 0) return std::nullopt;
    for (double& v : sum) v /= n;
    return sum;
}

// Where the eye's colours give way to the skin: in each direction from the
// centre, the outermost sharp change of colour within `reach` (the middle
// of it, where it spans several pixels); the median of the directions.
double EyeRadius(const QImage& picture, const std::function<bool(int, int)>& isBody,
                 const Blob& pupil, double reach) {
    std::vector<double> edges;
    const int far = std::max(int(std::ceil(pupil.radius)) + 2, int(reach));
    for (int k = 0; k < Directions; ++k) {
        const double angle = 2 * std::numbers::pi * k / Directions;
        std::vector<std::array<double, 3>> ray;
        for (int r = 0; r <= far; ++r) {
            const auto c =
                MeanColour(picture, isBody, int(std::lround(pupil.x + r * std::cos(angle))),
                           int(std::lround(pupil.y + r * std::sin(angle))));
            if (!c) break;
            ray.push_back(*c);
        }
        auto jump = [&](int r) {
            const auto &a = ray[size_t(r) - 1], &b = ray[size_t(r) + 1];
            return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]) >= EyeEdge;
        };
        double edge = pupil.radius;
        for (int r = int(ray.size()) - 2; r >= std::max(1, int(std::floor(pupil.radius))); --r)
            if (jump(r)) {
                int inner = r;
                while (inner - 1 >= 1 && jump(inner - 1)) --inner;
                edge = std::max(edge, (inner + r) / 2.0 + 0.5);
                break;
            }
        edges.push_back(edge);
    }
    std::nth_element(edges.begin(), edges.begin() + Directions / 2, edges.end());
    return edges[Directions / 2];
}

} // namespace

std::optional<FoundEye> FindEye(const QImage& picture, const std::function<bool(int, int)>& isBody,
                                const QRect& headIn, int cell, double largestRadius) {
    const QRect head = headIn & QRect(0, 0, picture.width(), picture.height() - 1);
    cell = std::max(1, cell);
    if (head.isEmpty() || largestRadius < 1) return std::nullopt;
    const int gw = (head.width() + cell - 1) / cell, gh = (head.height() + cell - 1) / cell;

    // Each cell: the mean luma of its pixels; it counts as body when its
    // middle pixel is.
    std::vector<double> luma(size_t(gw) * gh, 0.0), body(size_t(gw) * gh, 0.0);
    std::vector<int> pixels(size_t(gw) * gh, 0);
    for (int y = head.top(); y <= head.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const size_t line = size_t((y - head.top()) / cell) * gw;
        for (int x = head.left(); x <= head.right(); ++x) {
            const size_t k = line + (x - head.left()) / cell;
            ++pixels[k];
            luma[k] += Luma(row[x]);
        }
    }
    for (int cy = 0; cy < gh; ++cy)
        for (int cx = 0; cx < gw; ++cx) {
            const size_t k = size_t(cy) * gw + cx;
            const int x = std::min(head.right(), head.left() + cx * cell + cell / 2);
            const int y = std::min(head.bottom(), head.top() + cy * cell + cell / 2);
            body[k] = isBody(x, y) ? 1 : 0;
            luma[k] = body[k] ? luma[k] / pixels[k] : 0;
        }
    BoxSums lumaSums(gw, gh), bodySums(gw, gh);
    lumaSums.build(luma, gh);
    bodySums.build(body, gh);

    // Every dark spot: an inner box of half-size a cells, a ring out to
    // half-size 2a + 1, the whole ring on the body.
    std::vector<Candidate> candidates;
    const int largestBox = std::max(1, int(largestRadius / cell));
    for (int a = 1; a <= largestBox; a = std::max(a + 1, a * 4 / 3)) {
        const int b = 2 * a + 1;
        const int stride = std::max(1, a / 2);
        const double innerArea = double(2 * a + 1) * (2 * a + 1);
        const double outerArea = double(2 * b + 1) * (2 * b + 1);
        for (int cy = b; cy + b < gh; cy += stride)
            for (int cx = b; cx + b < gw; cx += stride) {
                if (bodySums.sum(cx - b, cy - b, cx + b, cy + b) < outerArea) continue;
                const double inner = lumaSums.sum(cx - a, cy - a, cx + a, cy + a);
                const double outer = lumaSums.sum(cx - b, cy - b, cx + b, cy + b);
                const double innerMean = inner / innerArea;
                const double ringMean = (outer - inner) / (outerArea - innerArea);
                if (ringMean - innerMean >= SpotContrast)
                    candidates.push_back({cx, cy, a, innerMean, ringMean});
            }
    }
    // The darkest first; a spot that failed is not tried again at another size.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& p, const Candidate& q) {
        return p.inner != q.inner ? p.inner < q.inner : p.ring - p.inner > q.ring - q.inner;
    });
    // Each dark spot is tried once, at the darkest candidate inside it: a
    // candidate whose centre lies in a spot already flooded is passed over.
    std::vector<quint8> visited(luma.size(), 0);
    auto visit = [&](int x, int y) {
        visited[size_t((y - head.top()) / cell) * gw + (x - head.left()) / cell] = 1;
    };
    const int margin = int(std::ceil(largestRadius)) + 2;
    int tried = 0;
    for (const Candidate& c : candidates) {
        if (visited[size_t(c.cy) * gw + c.cx]) continue;
        if (++tried > CandidatesTried) break;
        const QRect start(head.left() + (c.cx - c.a) * cell, head.top() + (c.cy - c.a) * cell,
                          (2 * c.a + 1) * cell, (2 * c.a + 1) * cell);
        const QPoint centre = start.center();
        const QRect window =
            QRect(centre.x() - margin, centre.y() - margin, 2 * margin + 1, 2 * margin + 1) & head;
        for (int y = start.top(); y <= start.bottom(); ++y)
            for (int x = start.left(); x <= start.right(); ++x)
                if (head.contains(x, y)) visit(x, y);
        BlobFault fault = BlobFault::None;
        const auto blob =
            RoundBlob(picture, isBody, window, start & head, (c.inner + c.ring) / 2, visit, fault);
        if (!blob || blob->radius > largestRadius) continue;
        const double radius =
            EyeRadius(picture, isBody, *blob, std::min(largestRadius, 3 * blob->radius + 2));
        if (radius > largestRadius) continue;
        return FoundEye{blob->x, blob->y, radius};
    }
    return std::nullopt;
}

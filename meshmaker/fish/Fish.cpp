// The fish value's comparison, and the points of each part.

#include "Fish.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
bool SameBits(int a, int b) {
    return a == b;
}
bool SameBits(unsigned a, unsigned b) {
    return a == b;
}
bool SameBits(bool a, bool b) {
    return a == b;
}
bool SameBits(const RangeRect& a, const RangeRect& b) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}
// An array of numbers holds nothing but its entries' bits, so its bytes
// compare as its entries do (and a fish is compared after every event).
template <typename T, std::size_t Size>
bool SameBits(const std::array<T, Size>& a, const std::array<T, Size>& b) {
    static_assert(std::has_unique_object_representations_v<T> || std::is_floating_point_v<T> ||
                  std::is_same_v<T, Normal>);
    return std::memcmp(a.data(), b.data(), sizeof(T) * Size) == 0;
}

} // namespace

// Every field is compared through VisitFishFields; a field added to Fish but
// not to that list would go unnoticed by the comparison, undo and the
// session, so the size of the fish is pinned here.
static_assert(sizeof(void*) != 8 || sizeof(Fish) == 17168,
              "a new field of Fish belongs in VisitFishFields too");

bool operator==(const Fish& a, const Fish& b) {
    bool same = true;
    VisitFishFields([&](const char*, auto member, int) {
        if (same) same = SameBits(a.*member, b.*member);
    });
    return same;
}

PointList<double> PointsOf(Fish& f, Part part) {
    auto list = [](auto& xs, auto& ys, int last) {
        return PointList<double>{xs.data(), ys.data(), std::min(last, int(xs.size()) - 1)};
    };
    switch (part) {
    case Part::Body:
        return list(f.BodyX, f.BodyY, f.BodyLast);
    case Part::Tail:
        return list(f.TailX, f.TailY, f.TailLast);
    case Part::Dorsal:
        return list(f.DorsalX, f.DorsalY, f.DorsalLast);
    case Part::Ventral:
        return list(f.VentralX, f.VentralY, f.VentralLast);
    case Part::Anal:
        return list(f.AnalX, f.AnalY, f.AnalLast);
    case Part::Pectoral:
        return list(f.PectoralX, f.PectoralY, 2);
    case Part::Whisker:
        return list(f.WhiskerX, f.WhiskerY, f.WhiskerLast);
    case Part::None:
    case Part::Section:
    case Part::TopView:
    case Part::Eye:
        break;
    }
    return {};
}

PointList<const double> PointsOf(const Fish& f, Part part) {
    const auto list = PointsOf(const_cast<Fish&>(f), part);
    return {list.X, list.Y, list.Last};
}

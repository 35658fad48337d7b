#pragma once
// Finding the painted eye on the body: the darkest round spot in the head,
// and the radius at which the eye's colours give way to the skin. Used by
// the whole-fish trace; a pure function of the picture.

#include <QImage>
#include <QRect>

#include <functional>
#include <optional>

struct FoundEye {
    double x = 0, y = 0; // centre, picture pixels
    double radius = 0;   // picture pixels
};

// Looks for the eye in `head` (picture pixels), among the pixels for which
// isBody holds, in steps of `cell` pixels. A spot is a candidate when a box
// round it is darker than the ring of boxes round that by at least 30 levels
// of luma and the whole ring lies on the body; the darkest candidate whose
// dark blob is round (not more than 1.6 times as long as wide, filling half
// its box, inside the ring) and not larger than `largestRadius` is the eye.
// Nothing when no candidate qualifies.
std::optional<FoundEye> FindEye(const QImage& picture, const std::function<bool(int, int)>& isBody,
                                const QRect& head, int cell, double largestRadius);

#pragma once
// Where the eye sits on the body and how far it stands out: the body's
// cross-section through the eye centre, the eye's depth on that surface
// moved by the position setting, and its bulge from the radius and the
// shape setting. A pure function of the fish and the eye's settings.

#include "Fish.h"

#include <array>

struct EyeShapeResult {
    double Bulge = 0; // how far the eye stands out, in picture pixels
    double Z = 0;     // depth of the eye centre
    // The body's cross-section through the eye, rows 0..Rows, relative to
    // the eye centre (y) and to its depth (z).
    int Rows = 0;
    std::array<double, SectionCapacity> SectionY{}, SectionZ{};
};

// The body's depth at (eyeX, eyeY) from the front section scaled to the
// body's height at the eye's x; section receives the cross-section in
// picture pixels (rows 0..N). At or behind the last column the last column's
// values hold, above the body the top row's and below it the bottom row's.
double EyeDepthOnSurface(const Fish& fish, double eyeX, double eyeY,
                         std::array<double, SectionCapacity>& sectionY,
                         std::array<double, SectionCapacity>& sectionZ);

// The eye of the given radius at (eyeX, eyeY) with the designer's shape
// (1..30: the bulge is shape / 20 of the radius) and position (0..300: the
// depth on the surface scaled by position / 100) settings.
EyeShapeResult ShapeEye(const Fish& fish, double eyeX, double eyeY, double radius, int shape,
                        int position);

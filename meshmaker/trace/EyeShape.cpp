// The eye's depth on the body and its bulge: a pure function of the fish, for
// the eye designer (TForm3).

#include "EyeShape.h"

#include "Numbers.h"

#include <algorithm>

double EyeDepthOnSurface(const Fish& f, double eyeX, double eyeY,
                         std::array<double, SectionCapacity>& sectionY,
                         std::array<double, SectionCapacity>& sectionZ) {
    const int n = std::clamp(f.N(), 0, MaxDivisions);
    const int c = std::min(f.BodyColumns(), BodyMaxColumns);
    auto height = [&](int k) { return f.BodyY[2 * k + 1] - f.BodyY[2 * k]; };

    double h = 0, top = 0;
    if (c == 1) {
        h = height(0);
        top = f.BodyY[0];
    } else if (c >= 2) {
        int i = c;
        for (int k = 0; k < c; ++k)
            if (f.BodyX[2 * k] > eyeX) {
                i = k;
                break;
            }
        // At or behind the last column the last two columns are used, and the
        // eye takes the last column's values.
        i = std::clamp(i, 1, c - 1);
        const double x0 = f.BodyX[2 * i - 2], x1 = f.BodyX[2 * i];
        const double t =
            x1 == x0 ? (eyeX >= x1 ? 1.0 : 0.0) : std::clamp((eyeX - x0) / (x1 - x0), 0.0, 1.0);
        h = height(i - 1) + (height(i) - height(i - 1)) * t;
        top = f.BodyY[2 * i - 2] + (f.BodyY[2 * i] - f.BodyY[2 * i - 2]) * t;
    }

    const double span = f.SectionY[n] - f.SectionY[0];
    sectionY[0] = top;
    sectionZ[0] = 0;
    for (int j = 1; j <= n; ++j) {
        sectionZ[j] = RatioOrZero(f.SectionZ[j] * h, span);
        sectionY[j] = sectionY[j - 1] + RatioOrZero((f.SectionY[j] - f.SectionY[j - 1]) * h, span);
    }

    int k = -1;
    for (int j = 0; j <= n; ++j)
        if (sectionY[j] > eyeY) {
            k = j;
            break;
        }
    if (k == 0) return sectionZ[0]; // above the upper outline: the top row
    if (k < 0) return sectionZ[n];  // at or below the lower outline: the bottom row
    return sectionZ[k - 1] + RatioOrZero((sectionZ[k] - sectionZ[k - 1]) * (eyeY - sectionY[k - 1]),
                                         sectionY[k] - sectionY[k - 1]);
}

EyeShapeResult ShapeEye(const Fish& f, double eyeX, double eyeY, double radius, int shape,
                        int position) {
    EyeShapeResult r;
    r.Rows = std::clamp(f.N(), 0, MaxDivisions);
    r.Bulge = shape * radius / 20;
    const double z = EyeDepthOnSurface(f, eyeX, eyeY, r.SectionY, r.SectionZ);
    r.Z = z + (position - 100) * z / 100;
    for (int j = 0; j <= r.Rows; ++j) {
        r.SectionY[j] -= eyeY;
        r.SectionZ[j] -= r.Z;
    }
    return r;
}

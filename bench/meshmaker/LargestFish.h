#pragma once
// The largest fish the editor can make, for the benchmarks of the model and
// of the 3-D view: 250 body columns, N = 10, every strip at its capacity,
// the pectoral fin, the whiskers and the eye, on a 4000 x 2000 picture.

#include "EditorPicture.h"
#include "Fish.h"

#include <QImage>

#include <cmath>

struct FishAndPicture {
    EditorPicture picture;
    Fish fish;
};

inline FishAndPicture LargestFish() {
    FishAndPicture made;
    Fish& s = made.fish;
    QImage picture(4000, 2000, QImage::Format_RGB32);
    picture.fill(qRgb(48, 112, 192));
    made.picture.PictureBitmap = picture;
    made.picture.PicMaxX = 3999, made.picture.PicMaxY = 1999;
    s.Divisions = MaxDivisions;
    s.BodyLast = 2 * BodyMaxColumns - 1;
    for (int i = 0; i < BodyMaxColumns; ++i) {
        const double x = 12.0 * i, bulge = std::sin(M_PI * i / (BodyMaxColumns - 1));
        s.BodyX[2 * i] = s.BodyX[2 * i + 1] = x;
        s.BodyY[2 * i] = 1000 - 500 * bulge;
        s.BodyY[2 * i + 1] = 1000 + 450 * bulge;
        s.TopW[i] = 300 * bulge;
    }
    s.BodyX[s.BodyLast + 1] = -1;
    s.TopPeakIndex = BodyMaxColumns / 2;
    for (int j = 0; j <= MaxDivisions; ++j) {
        const double a = 3.14159 * j / MaxDivisions;
        s.SectionY[j] = 500 + 475 * (1 - std::cos(a));
        s.SectionZ[j] = j == 0 || j == MaxDivisions ? 0 : 300 * std::sin(a);
        s.SectionNormals[j] = {0.0f, float(std::cos(a)), float(-std::sin(a))};
    }
    const int last = 2 * StripMaxColumns - 1;
    auto strip = [&](StripArray& xs, StripArray& ys, int& l, double x0, double y0) {
        for (int k = 0; k <= last; ++k) {
            xs[k] = x0 + 20 * (k / 2);
            ys[k] = y0 + (k % 2) * 200;
        }
        xs[last + 1] = -1;
        l = last;
    };
    strip(s.TailX, s.TailY, s.TailLast, 3000, 600);
    strip(s.DorsalX, s.DorsalY, s.DorsalLast, 1200, 300);
    strip(s.AnalX, s.AnalY, s.AnalLast, 2200, 1450);
    strip(s.VentralX, s.VentralY, s.VentralLast, 1000, 1450);
    for (int k = 0; k <= last; ++k) s.VentralZ[k] = 5.0 * k;
    strip(s.WhiskerX, s.WhiskerY, s.WhiskerLast, 10, 1050);
    s.PectoralDone = true;
    s.PectoralX = {800, 1200, 1000};
    s.PectoralY = {1000, 1040, 1260};
    s.PectoralZ = {0, 120, 60};
    s.EyeSolid = true;
    s.EyeX = 400, s.EyeY = 840, s.EyeZ = 150, s.EyeRadius = 60, s.EyeBulge = 30;
    s.TailPosition = 3000;
    s.EyeRearColour = qRgb(20, 20, 20) & 0x00FFFFFFu;
    return made;
}

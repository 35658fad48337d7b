#pragma once
// The eye designer's three images, drawn from its records: the magnified
// view around the eye (Image1), the cross-section preview (Image2) and the
// colour of the eye's back (Image3).

#include <QImage>

class TForm3;

inline constexpr int EyeViewSize = 200;  // the magnified view and the preview
inline constexpr int EyeViewScale = 5;   // view pixels per picture pixel
inline constexpr int EyeSwatchSize = 75; // the rear-colour swatch

// 40 x 40 picture pixels around the centre, five times enlarged (black
// outside the picture), with the centre marker or the rim; white before the
// designer has shown anything.
QImage RenderEyeMagnifier(const TForm3& form);

// The eye's outward half, the lines that join its rim to the body's middle
// plane, and the body's cross-section in silver; white before the first pass.
QImage RenderEyePreview(const TForm3& form);

// The rear colour.
QImage RenderEyeSwatch(const TForm3& form);

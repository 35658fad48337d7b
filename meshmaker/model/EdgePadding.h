#pragma once
// Edge padding, as texture bakers do it: every transparent pixel of a
// picture takes the colour of the nearest opaque pixel, so that no sampling
// of the picture, however filtered, and no program that ignores the alpha
// channel, ever shows the colour that the transparent pixels had. Used by
// the model's textures.

#include <QImage>

// image: ARGB32 (not premultiplied), changed in place. Every pixel of alpha
// 0 takes the red, green and blue of the nearest pixel of another alpha (the
// Euclidean distance between pixel centres; of equally near pixels any one),
// keeping its alpha of 0. The exact nearest pixel is found in two passes, one down the
// columns and one along the rows (the distance transform of Felzenszwalb and
// Huttenlocher with the nearest pixel kept), so the cost is a few steps per
// pixel, whatever the picture. A picture without an opaque pixel is left as
// it is. False, with the picture unchanged, when the image is not ARGB32 or
// the working memory (two bytes a pixel) cannot be had.
bool PadTransparentPixels(QImage& image);

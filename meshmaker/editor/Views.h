#pragma once
// Rendering of the three views of the main window. A view is never
// materialised at its zoomed size: each call renders just the asked-for
// rectangle of view pixels, so the cost follows the visible area, not the zoom.

#include "ToolTable.h"

#include <QImage>
#include <QRect>

class TForm1;
class QPainter;

// Colours of the markers and handles.
inline constexpr QRgb MarkerBlack = 0xFF000000u;
inline constexpr QRgb MarkerWhite = 0xFFFFFFFFu;
inline constexpr QRgb MarkerGrey = 0xFF808080u;
inline constexpr QRgb MarkerRed = 0xFFFF0000u;

// The side view (Image1): the picture enlarged Zoom times, the part outside
// the current tool dimmed, the overlay of the mode it was last redrawn in,
// the eye, the rubber band of a rectangle being dragged, and the pick mark.
// Pixels outside the view are white.
QImage RenderSideView(const TForm1& form, const QRect& viewRect);

// The front view (Image2): section, ventral fin and pectoral fin handles.
QImage RenderFrontView(const TForm1& form, const QRect& viewRect);

// The top view (Image3): the half-width of every body column.
QImage RenderTopView(const TForm1& form, const QRect& viewRect);

// The markers and edges of one column-pair list, for the given tool (which
// decides the grey points and the closing edge).
void DrawColumnPairList(QPainter& p, const double* xs, const double* ys, int last, Tool tool,
                        int zoom);

// The view pixels of the picture and its dimmed copy (the zoom-sized image
// that is never made): rows of the working area enlarged by whole pixels,
// the dimmed copy where the mode's part lies. A picture whose background is
// the key for its transparent pixels shows that background as a quiet
// checkerboard, not as the key colour. Writes viewRect into out, whose size
// is viewRect's.
void DrawEnlargedPicture(const TForm1& form, const QRect& viewRect, QImage& out);

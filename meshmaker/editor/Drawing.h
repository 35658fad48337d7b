#pragma once
// Drawing on images the way the views are specified: a rectangle given as
// (l, t)-(r, b) covers columns l..r-1 and rows t..b-1; outlines and lines are
// one pixel wide; no antialiasing. The editor's and the eye designer's views
// draw with it.

#include <QPainter>

// A painter on an image, aliased, with a one-pixel pen.
inline void PreparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
}

// Ellipse inside the box (l, t)-(r, b): outline with the pen, inside with the brush.
inline void DrawEllipseBox(QPainter& p, int l, int t, int r, int b) {
    if (r - l < 1 || b - t < 1) return;
    p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

// Fills the box (l, t)-(r, b) with a colour.
inline void FillBox(QPainter& p, int l, int t, int r, int b, QColor colour) {
    if (r > l && b > t) p.fillRect(QRect(l, t, r - l, b - t), colour);
}

// A marker: a circle of radius r around (cx, cy), outline and fill colours.
inline void DrawMarker(QPainter& p, int cx, int cy, int r, QColor outline, QColor fill) {
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    DrawEllipseBox(p, cx - r, cy - r, cx + r, cy + r);
}

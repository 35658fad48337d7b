#pragma once
// Between view pixels and picture pixels, and the size of the markers, at a
// zoom factor of 1, 2, 4 or 8; the editor's mouse handlers and views use it.

// A view position to the nearest picture grid point (integer division
// rounding toward zero).
inline int ViewToPicture(int v, int zoom) {
    return (v + zoom / 2) / zoom;
}

// Radius of the markers and handles in view pixels (3, 4, 5 and 7), which is
// also the body points' pick tolerance in picture pixels.
inline int MarkerRadius(int zoom) {
    return zoom / 2 + 3;
}

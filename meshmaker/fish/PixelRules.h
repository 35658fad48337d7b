#pragma once
// What the tracing tools see in a picture: exact RGB, and every colour other
// than pixel (0, 0)'s is fish. The tracing, the eye designer, the status bar
// and the PGX writer (its background field) read pixels only through these;
// files/Picture.h, which loads a picture, decides its background once so
// that they hold for every picture.

#include <QImage>

// Exact RGB of a pixel, alpha dropped.
inline QRgb RgbAt(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0x00FFFFFFu;
}

// The background is the colour of pixel (0, 0); every other colour is fish.
// Positions outside the picture are never fish.
inline bool IsFishPixel(const QImage& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return false;
    return RgbAt(picture, x, y) != RgbAt(picture, 0, 0);
}

#pragma once
// Reading the fish picture and the pixel rules of the tracing tools.

#include <QImage>
#include <QString>

// The largest picture the editor opens: its pixels, four bytes each, must fit
// in this many megabytes (the dimmed copy takes as much again).
inline constexpr int MaxPictureMegabytes = 512;
inline constexpr int MinPictureSide = 3;
// The PGX file keeps the picture's width and height in 16 bits.
inline constexpr int MaxPictureSide = 32767;

struct LoadedPicture {
    QImage image;  // RGB32; null when the file was refused
    QString error; // why it was refused (the reader's own text where it has one)
};

// Reads a picture with QImageReader (every BMP variant it knows: palette, RLE,
// 16 and 32 bit, top-down). Refuses pictures smaller than 3 x 3 pixels,
// pictures with a side beyond MaxPictureSide and pictures larger than
// MaxPictureMegabytes, the last two before any pixel is allocated.
LoadedPicture LoadPicture(const QString& path);

// The copy shown outside the current part: every channel halved (rounding
// down) in the working area, columns 0..width-2 and rows 0..height-2; the
// last column and row stay as loaded.
QImage DimPicture(const QImage& picture);

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

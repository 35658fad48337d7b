#pragma once
// The opened fish picture and its dimmed copy. It never changes once opened:
// an open replaces it whole. TForm1 holds it; the tracing, the views, the
// PGX writer and the session read it.

#include <QImage>
#include <QString>

struct EditorPicture {
    QString PicturePath;   // full path of the opened picture; empty until the first open
    QImage PictureBitmap;  // the picture as loaded (RGB32), mirrored when Mirrored
    bool Mirrored = false; // flipped left to right as it was loaded (a fish that faced right)
    bool Keyed = false;    // its background is the key that stands for transparent pixels
    QImage DimmedBitmap;   // the picture with every channel halved in the working area
    int PicMaxX = 0;       // picture width - 1
    int PicMaxY = 0;       // picture height - 1

    bool HasPicture() const { return !PictureBitmap.isNull(); }
};

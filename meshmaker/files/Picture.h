#pragma once
// Reading the fish picture: every format the editor opens, the refusals, the
// flip, and the one decision of what is background (KeyBackground) that the
// pixel rules of PixelRules.h rely on. The editor's open, the batch and the
// model commands load pictures through it.

#include "PixelRules.h"

#include <QImage>
#include <QString>

// The largest picture the editor opens: its pixels, four bytes each, must fit
// in this many megabytes (the dimmed copy takes as much again).
inline constexpr int MaxPictureMegabytes = 512;
inline constexpr int MinPictureSide = 3;
// The PGX file holds the picture's width and height, and the tail column, in
// 16-bit fields: a wider or taller picture cannot be written.
inline constexpr int MaxPictureSide = 32767;

// The first colour tried as the background key of a picture with transparent
// pixels (magenta, the classic colour key).
inline constexpr QRgb PreferredBackgroundKey = 0xFF00FF;
// A lossy coding (JPEG, lossy WebP) does not keep the background's colour
// exactly: a colour this close to it on every channel is taken for it.
inline constexpr int LossyBackgroundTolerance = 24;
enum class PictureCoding { Exact, Lossy };

struct LoadedPicture {
    QImage image;       // RGB32; null when the file was refused
    QString error;      // why it was refused (the reader's own text where it has one)
    bool keyed = false; // its transparent pixels took the background key (KeyBackground)
};

// Reads a picture with QImageReader: BMP (every variant it knows: palette,
// RLE, 16 and 32 bit, top-down), PNG, JPEG, GIF (its first frame), WebP and
// TIFF, whatever the file's name says. 16-bit, grey, indexed and CMYK
// pictures become 8-bit RGB. Refuses other formats, pictures smaller than
// 3 x 3 pixels, wider or taller than MaxPictureSide, or larger than
// MaxPictureMegabytes, before any pixel is allocated, and files cut short.
// With mirrored, the picture is flipped left to right as it is loaded, so
// that every tool sees the flipped picture. The background is then decided
// once, by KeyBackground.
LoadedPicture LoadPicture(const QString& path, bool mirrored = false);

// The one place that decides what is background, so that the tools' rule
// (every colour other than pixel (0, 0)'s is fish) holds for every picture:
// - a picture without a pixel of alpha below 128 keeps its colours; the
//   colour of pixel (0, 0) is its background, as in a BMP;
// - in a picture with such pixels, those pixels and pixel (0, 0) are the
//   background and nothing else: they all take the background key, the first
//   colour, counting up from PreferredBackgroundKey as a 24-bit number (and
//   on from 0x000000 after 0xFFFFFF), that no other pixel of alpha 128 or
//   more has. So no fish colour is ever taken for background;
// - in a lossy picture without them, every pixel within
//   LossyBackgroundTolerance of pixel (0, 0) on each channel takes exactly
//   the colour of pixel (0, 0).
// The result is RGB32; null, with the reason in *error, when the fish uses
// every one of the 2^24 colours. *keyed says whether the background is the
// key, standing for transparent pixels.
QImage KeyBackground(const QImage& picture, PictureCoding coding = PictureCoding::Exact,
                     QString* error = nullptr, bool* keyed = nullptr);

// The copy shown outside the current part: every channel halved (rounding
// down) in the working area, columns 0..width-2 and rows 0..height-2; the
// last column and row stay as loaded.
QImage DimPicture(const QImage& picture);

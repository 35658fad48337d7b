#pragma once
// The model's textures as PNG files, made quickly: a 4000 x 2000 picture is
// encoded in a fraction of the time Qt's own PNG writer takes, at about the
// same size. Every row is Paeth-filtered (a pixel less the best of its left,
// upper and upper-left neighbours' prediction), and zlib deflates the rows
// with its run-length strategy: a fish picture's flat background and the
// streaks of an edge-padded one become long runs of zeros after the filter.

#include <QByteArray>
#include <QImage>

enum class PngChannels {
    Rgb, // 8-bit RGB (colour type 2): an opaque picture
    Rgba // 8-bit RGBA (colour type 6): with its alpha channel
};

// The PNG file of image (RGB32 or ARGB32, not premultiplied; another format
// is converted first), without interlacing. With Rgb the alpha channel is
// left out. Empty when the image is null or the memory cannot be had.
QByteArray EncodePng(const QImage& image, PngChannels channels);

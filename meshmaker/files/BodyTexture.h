#pragma once
// The starting body texture of a fish: the picture as the editor loaded it
// (mirrored when it was), at its own size, as the 24-bit BMP that the
// archiver packs. It is painted over outside the editor.

#include "EditorPicture.h"

#include <QByteArray>

// The BMP file's bytes; empty when the picture cannot be encoded.
QByteArray BodyTextureBytes(const EditorPicture& picture);

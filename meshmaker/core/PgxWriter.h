#pragma once
// The PGX mesh file: what the editor produces for one fish. Little-endian,
// 32-bit floats; one file unit is 50 picture pixels, the origin is the
// picture's centre, y points up and depths are stored negated.

#include "EditorPicture.h"
#include "Fish.h"

#include <QByteArray>

inline constexpr char PgxMagic[] = "PGDX f00";
inline constexpr int PgxHeaderSize = 40;

// The whole file of a fish traced on a picture (its size and its pixel (0, 0)).
QByteArray BuildPgxBytes(const Fish& fish, const EditorPicture& picture);

// The file's size for the same fish, from the counts alone.
qint64 PgxFileSize(const Fish& fish);

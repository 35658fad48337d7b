#pragma once
// The PGX mesh file: what the editor produces for one fish. Little-endian,
// 32-bit floats; one file unit is 50 picture pixels, the origin is the
// picture's centre, y points up and depths are stored negated.

#include "EditorState.h"

#include <QByteArray>
#include <QRgb>
#include <QString>

inline constexpr char PgxMagic[] = "PGDX f00";
inline constexpr int PgxHeaderSize = 40;

// Where the PGX file of a picture goes: the picture's own folder, unchanged;
// the file name lower-cased with a final ".bmp" replaced by ".pgx" (".pgx" is
// appended to a name that does not end in ".bmp").
QString PgxOutputPath(const QString& picturePath);

// The whole file for the current state. tailRoot is the tail position E;
// eyeRearColour is the eye designer's swatch colour, used when EyeSolid.
QByteArray BuildPgxBytes(const EditorState& s, int tailRoot, QRgb eyeRearColour);

// The file's size for the same inputs, from the counts alone.
qint64 PgxFileSize(const EditorState& s);

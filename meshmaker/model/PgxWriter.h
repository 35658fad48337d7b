#pragma once
// The PGX mesh file: what the editor produces for one fish. Its layout, units
// and sign rules are those of PgxFormat.h, which the reader shares. The
// editor's save, the batch and the 3-D view's model make it.

#include "EditorPicture.h"
#include "Fish.h"

#include <QByteArray>

// The whole file of a fish traced on a picture (its size and its pixel (0, 0)).
QByteArray BuildPgxBytes(const Fish& fish, const EditorPicture& picture);

// The file's size for the same fish, from the counts alone.
qint64 PgxFileSize(const Fish& fish);

// Why the PGX reader would refuse the file that the fish writes on picture
// (a fish from a session that no editor could have made); empty when it
// reads back.
QString PgxRefusal(const Fish& fish, const EditorPicture& picture);

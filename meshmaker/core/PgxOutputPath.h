#pragma once
// Where the PGX file of a picture goes.

#include <QString>

// The picture's own folder, unchanged; the file name lower-cased with a
// final ".bmp" replaced by ".pgx" (".pgx" is appended to a name that does
// not end in ".bmp").
QString PgxOutputPath(const QString& picturePath);

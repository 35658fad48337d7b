#pragma once
// Where the PGX file of a picture goes, and the body texture beside it; the
// editor's save and the batch write there.

#include <QString>

// The picture's own folder, unchanged; the file name lower-cased, with a
// final picture extension (".bmp", ".png", ".jpg", ".jpeg", ".gif", ".webp",
// ".tif", ".tiff") replaced by ".pgx". ".pgx" is appended to a name without
// one of them.
QString PgxOutputPath(const QString& picturePath);

// The body texture of a PGX file, where the archiver looks for it: the PGX
// path without its extension, then "_tx.bmp" (koi.pgx gives koi_tx.bmp).
QString BodyTexturePath(const QString& pgxPath);

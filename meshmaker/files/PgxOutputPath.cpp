// Where a picture's PGX file and body texture go: beside the picture, for the
// editor's save and the batch.

#include "PgxOutputPath.h"

#include <algorithm>

namespace {

int LastSeparator(const QString& path) {
    return int(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')));
}

} // namespace

QString PgxOutputPath(const QString& picturePath) {
    const int slash = LastSeparator(picturePath);
    const QString folder = picturePath.left(slash + 1);
    QString name = picturePath.mid(slash + 1).toLower();
    for (const char* extension :
         {".bmp", ".png", ".jpg", ".jpeg", ".gif", ".webp", ".tif", ".tiff"})
        if (name.endsWith(QLatin1String(extension))) {
            name.chop(qsizetype(qstrlen(extension)));
            break;
        }
    return folder + name + QStringLiteral(".pgx");
}

QString BodyTexturePath(const QString& pgxPath) {
    // The extension is what follows the last dot of the file name, as the
    // archiver takes it (a dot at the very start of the path is no extension).
    const int slash = LastSeparator(pgxPath);
    QString stem = pgxPath;
    const int dot = int(pgxPath.lastIndexOf(u'.'));
    if (dot >= 1 && dot > slash) stem = pgxPath.left(dot);
    return stem + QStringLiteral("_tx.bmp");
}

#include "PgxOutputPath.h"

#include <algorithm>

QString PgxOutputPath(const QString& picturePath) {
    const int slash = std::max(picturePath.lastIndexOf(u'/'), picturePath.lastIndexOf(u'\\'));
    const QString folder = picturePath.left(slash + 1);
    QString name = picturePath.mid(slash + 1).toLower();
    if (name.endsWith(QStringLiteral(".bmp"))) name.chop(4);
    return folder + name + QStringLiteral(".pgx");
}

// Paths of a model's files: extensions, model names, folders; the dialog, the
// command line, the settings and the split use them.

#include "Paths.h"

#include <QDir>
#include <QFileInfo>

QString StripExtension(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 1; --i) {
        if (path[i] == u'.') return path.left(i);
        if (path[i] == PathSeparator) break;
    }
    return path;
}

QString BaseName(const QString& path) {
    const QString stem = StripExtension(path);
    return stem.mid(stem.lastIndexOf(PathSeparator) + 1);
}

QString DirectoryPart(const QString& path) {
    return path.left(path.lastIndexOf(PathSeparator) + 1);
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool SourceFileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString WithTrailingSeparator(const QString& dir) {
    if (dir.isEmpty() || dir.endsWith(PathSeparator)) return dir;
    return dir + PathSeparator;
}

QString FromUserPath(const QString& path) {
    return QDir::fromNativeSeparators(path);
}

QString ShownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

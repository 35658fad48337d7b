#pragma once
// Whether two paths name one file: the same device and inode, so a hard or
// symbolic link or another spelling of the path is the same file.

#include <QFile>
#include <QString>

#include <sys/stat.h>

// False when either file does not exist.
inline bool SameFile(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

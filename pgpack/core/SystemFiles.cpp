// What the file system says about a path and the system's words for a
// failure; the reading and writing of the archiver stand on it.

#include "SystemFiles.h"

#include <cstring>

#include <sys/stat.h>

EntryKind KindOf(const QString& path) {
    struct stat st;
    if (path.isEmpty() || ::stat(SystemPath(path).constData(), &st) != 0) return EntryKind::Missing;
    if (S_ISREG(st.st_mode)) return EntryKind::Regular;
    if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
    if (S_ISFIFO(st.st_mode)) return EntryKind::Fifo;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return EntryKind::Device;
    if (S_ISSOCK(st.st_mode)) return EntryKind::Socket;
    return EntryKind::Other;
}

std::optional<FileIdentity> IdentityOf(const QString& path) {
    struct stat st;
    if (path.isEmpty() || ::stat(SystemPath(path).constData(), &st) != 0) return std::nullopt;
    return FileIdentity{quint64(st.st_dev), quint64(st.st_ino)};
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

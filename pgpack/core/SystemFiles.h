#pragma once
// What the file system says about a path, and a failure's reason in the
// system's own words: the few POSIX calls that the archiver's reading and
// writing stand on.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// What a path names, links followed.
enum class EntryKind { Missing, Regular, Folder, Fifo, Device, Socket, Other };
EntryKind KindOf(const QString& path);

// The file a path names, links followed: two paths with the same identity
// are one file, whatever their names.
struct FileIdentity {
    quint64 Device = 0;
    quint64 Inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const QString& path);

// The system's words for an errno value: "No space left on device".
QString SystemReason(int error);

// A path as the system calls take it.
inline QByteArray SystemPath(const QString& path) {
    return path.toLocal8Bit();
}

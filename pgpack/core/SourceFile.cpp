// A file read as a source, checked to be a regular file of a steady size; the
// pack and the split read through it.

#include "SourceFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SourceFile::~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
}

FileOutcome SourceFile::Open(const QString& path) {
    path_ = path;
    // Looked at before it is opened, so that a device is never opened at all.
    const EntryKind kind = KindOf(path);
    if (kind != EntryKind::Regular && kind != EntryKind::Missing) return NotRegularFile(path, kind);
    // O_NONBLOCK: should a FIFO have taken the file's place since, the open
    // returns at once and the check below refuses it.
    fd_ = ::open(SystemPath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return SystemFailure(FileError::CannotRead, path, errno);
    struct stat st;
    if (::fstat(fd_, &st) != 0) return SystemFailure(FileError::CannotRead, path, errno);
    if (!S_ISREG(st.st_mode)) return NotRegularFile(path, KindOf(path));
    identity_ = {quint64(st.st_dev), quint64(st.st_ino)};
    // Reads of a regular file never wait; the flag only matters to the open.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return {};
}

qint64 SourceFile::Size() const {
    struct stat st;
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 ? qint64(st.st_size) : -1;
}

qint64 SourceFile::Read(char* data, qint64 size) {
    for (;;) {
        const ssize_t got = ::read(fd_, data, size_t(size));
        if (got >= 0) return got;
        if (errno != EINTR) {
            error_ = errno;
            return -1;
        }
    }
}

bool SourceFile::Seek(qint64 offset) {
    if (::lseek(fd_, off_t(offset), SEEK_SET) == off_t(-1)) {
        error_ = errno;
        return false;
    }
    return true;
}

// The atomic writer: temporary files, the checked writes, the flush, the
// renames with and without replacing, and putting old files back. The twin
// of meshmaker/files/AtomicWriter.cpp (the two differ only in these lines).

#include "AtomicWriter.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using AtomicWriteFaults::Step;

bool Injected(Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

// A path as the system calls take it.
QByteArray SystemPath(const QString& path) {
    return QFile::encodeName(path);
}

// The path up to and including its last '/'; empty if it has none.
QString DirectoryPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

// A hidden name beside path that nobody uses yet, for a temporary file:
// ".<name>.<six letters>" in path's folder.
QString NameBeside(const QString& path) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QString folder = DirectoryPart(path);
    QString name = folder + u'.' + path.mid(folder.size()) + u'.';
    for (int i = 0; i < 6; ++i)
        name += QChar(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return name;
}

// Where a chain of symbolic links that starts at path ends; path itself when
// it is no link. False (with ELOOP) for a chain that does not end.
bool FollowLinks(const QString& path, QString& final, int& error) {
    QString current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (::lstat(SystemPath(current).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            final = current;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(SystemPath(current).constData(), target, sizeof target);
        if (length < 0) {
            error = errno;
            return false;
        }
        const QString next = QFile::decodeName(QByteArray(target, length));
        current = next.startsWith(u'/') ? next : DirectoryPart(current) + next;
    }
    error = ELOOP;
    return false;
}

// Errors of a flush that mean the file system has no such thing to do.
bool FlushNotSupported(int error) {
    return error == EINVAL || error == ENOTSUP || error == ENOSYS;
}

// Errors of renameat2 that mean the file system (or the kernel) lacks the flag.
bool RenameFlagNotSupported(int error) {
    return error == EINVAL || error == ENOSYS || error == ENOTSUP;
}

} // namespace

AtomicWriter::AtomicWriter(const QString& path, Replacing replacing)
    : path_(path), replacing_(replacing) {}

AtomicWriter::~AtomicWriter() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.isEmpty()) Remove(temporary_);
    if (!kept_.isEmpty()) Remove(kept_);
}

bool AtomicWriter::Fail(int error) {
    if (error_ == 0) error_ = error ? error : EIO;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) Remove(temporary_);
    temporary_.clear();
    return false;
}

void AtomicWriter::Remove(const QString& path) {
    ::unlink(SystemPath(path).constData());
}

bool AtomicWriter::Open() {
    if (error_ || fd_ >= 0 || placed_ != Placed::No) return false;
    if (Injected(Step::Open, 0)) return Fail(EIO);
    int error = 0;
    if (!FollowLinks(path_, final_, error)) return Fail(error);

    struct stat old;
    const bool exists = ::stat(SystemPath(final_).constData(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode)) return Fail(EISDIR);
        // A file that its owner made read-only is not replaced behind their back.
        if (::access(SystemPath(final_).constData(), W_OK) != 0) return Fail(errno);
    }
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const QString name = NameBeside(final_);
        fd_ = ::open(SystemPath(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     exists ? 0600 : 0666);
        if (fd_ >= 0)
            temporary_ = name;
        else if (errno != EEXIST)
            return Fail(errno);
    }
    if (fd_ < 0) return Fail(EEXIST);
    // A replaced file keeps its permissions.
    if (exists && ::fchmod(fd_, old.st_mode & 0777) != 0) return Fail(errno);
    return true;
}

bool AtomicWriter::Write(const char* data, qint64 size) {
    if (error_ || fd_ < 0) return false;
    const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
    do {
        if (Injected(Step::Write, writes_++)) return Fail(EIO);
        qint64 left = std::min(size, chunk);
        size -= left;
        while (left > 0) {
            const ssize_t written = ::write(fd_, data, size_t(left));
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return Fail(errno);
            if (written == 0) return Fail(ENOSPC); // nothing more fits
            data += written;
            left -= written;
        }
    } while (size > 0);
    return true;
}

bool AtomicWriter::Finish() {
    if (error_ || fd_ < 0) return false;
    // The bytes reach the disk before the name does, so that a crash after
    // the rename cannot leave an empty or partial file under the target's name.
    if (Injected(Step::Sync, 0)) return Fail(EIO);
    if (::fdatasync(fd_) != 0 && !FlushNotSupported(errno)) return Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (Injected(Step::Close, 0)) {
        ::close(fd);
        return Fail(EIO);
    }
    if (::close(fd) != 0) return Fail(errno);
    return true;
}

bool AtomicWriter::Commit() {
    return Finish() && Install(false);
}

bool AtomicWriter::Install(bool undoable) {
    if (error_ || fd_ >= 0 || temporary_.isEmpty() || placed_ != Placed::No) return false;
    if (Injected(Step::Rename, 0)) return Fail(EIO);
    return replacing_ == Replacing::Refuse ? InstallRefusing() : InstallReplacing(undoable);
}

bool AtomicWriter::InstallRefusing() {
    const QByteArray from = SystemPath(temporary_), to = SystemPath(final_);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        temporary_.clear();
        placed_ = Placed::Created;
        return true;
    }
    if (!RenameFlagNotSupported(errno)) {
        taken_ = errno == EEXIST;
        return Fail(errno);
    }
#endif
    // A link, like the rename above, fails when the name is taken.
    if (::link(from.constData(), to.constData()) == 0) {
        Remove(temporary_);
        temporary_.clear();
        placed_ = Placed::Created;
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS) {
        taken_ = errno == EEXIST;
        return Fail(errno);
    }
    // A file system with neither (FAT on an old kernel): the best that is
    // left is a look just before the rename.
    struct stat taken;
    if (::lstat(to.constData(), &taken) == 0) {
        taken_ = true;
        return Fail(EEXIST);
    }
    if (::rename(from.constData(), to.constData()) != 0) return Fail(errno);
    temporary_.clear();
    placed_ = Placed::Created;
    return true;
}

bool AtomicWriter::InstallReplacing(bool undoable) {
    const QByteArray from = SystemPath(temporary_), to = SystemPath(final_);
    if (undoable) {
#ifdef RENAME_EXCHANGE
        // Swapped in one step: the temporary name then holds the old file.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) ==
            0) {
            kept_ = temporary_;
            temporary_.clear();
            placed_ = Placed::Exchanged;
            return true;
        }
        if (errno != ENOENT && !RenameFlagNotSupported(errno)) return Fail(errno);
#endif
        // Without the swap, the old file is kept under a second name.
        const QString backup = NameBeside(final_);
        if (::link(to.constData(), SystemPath(backup).constData()) == 0) kept_ = backup;
    }
    struct stat old;
    const bool existed = ::lstat(to.constData(), &old) == 0;
    if (::rename(from.constData(), to.constData()) != 0) {
        const int error = errno;
        if (!kept_.isEmpty()) Remove(kept_);
        kept_.clear();
        return Fail(error);
    }
    temporary_.clear();
    placed_ = !kept_.isEmpty() ? Placed::BackedUp : existed ? Placed::Replaced : Placed::Created;
    return true;
}

bool AtomicWriter::Undo() {
    const QByteArray to = SystemPath(final_);
    switch (placed_) {
    case Placed::Created:
        if (::unlink(to.constData()) != 0) return false;
        break;
    case Placed::Exchanged:
#ifdef RENAME_EXCHANGE
        if (::renameat2(AT_FDCWD, SystemPath(kept_).constData(), AT_FDCWD, to.constData(),
                        RENAME_EXCHANGE) != 0)
            return false;
        temporary_ = kept_; // now the new file, removed with the writer
        kept_.clear();
#endif
        break;
    case Placed::BackedUp:
        if (::rename(SystemPath(kept_).constData(), to.constData()) != 0) return false;
        kept_.clear();
        break;
    case Placed::No:
    case Placed::Replaced:
        return false;
    }
    placed_ = Placed::No;
    return true;
}

AtomicWriter& AtomicFileGroup::Add(const QString& path, Replacing replacing) {
    writers_.push_back(std::make_unique<AtomicWriter>(path, replacing));
    return *writers_.back();
}

bool AtomicFileGroup::CommitAll() {
    failed_ = nullptr;
    for (const auto& writer : writers_) {
        if (!writer->Finish()) {
            failed_ = writer.get();
            return false;
        }
    }
    for (size_t i = 0; i < writers_.size(); ++i) {
        if (!writers_[i]->Install(i + 1 < writers_.size())) {
            failed_ = writers_[i].get();
            for (size_t j = i; j-- > 0;) writers_[j]->Undo();
            return false;
        }
    }
    return true;
}

void FailWritesPastFileSizeLimit() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

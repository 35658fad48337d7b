#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// Where a target's bytes really go: through a symbolic link to its file.
QString RealTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// A file being written beside its target under a hidden temporary name;
// removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target) : target_(target) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.isEmpty()) ::unlink(name_.constData());
    }

    // Creates the file (with the permissions the target has; a new file's
    // follow the umask), writes every byte, flushes it to the disk and
    // closes it; every one of these calls is checked.
    bool Write(const QByteArray& bytes, int fileIndex, int& writes) {
        using AtomicWriteFaults::Step;
        error_ = EIO; // what an injected failure stands for
        if (Injected(Step::Open, fileIndex)) return false;
        const QFileInfo info(target_);
        struct stat old {};
        const bool replacing = ::stat(Native(target_).constData(), &old) == 0;
        // A name nobody else has: created exclusively, tried again if taken.
        for (int attempt = 0; fd_ < 0; ++attempt) {
            const QByteArray name = Native(info.dir().filePath(
                QStringLiteral(".%1.%2")
                    .arg(info.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
            fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0)
                name_ = name;
            else if (errno != EEXIST || attempt == 100)
                return Failed();
        }
        if (replacing && ::fchmod(fd_, old.st_mode & 07777) != 0) return Failed();

        const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
        for (qint64 at = 0; at < bytes.size(); ++writes) {
            if (Injected(Step::Write, writes)) return false;
            const qint64 length = std::min(chunk, bytes.size() - at);
            const ssize_t n = ::write(fd_, bytes.constData() + at, size_t(length));
            if (n < 0 && errno == EINTR) continue;
            if (n == 0) errno = ENOSPC;
            if (n <= 0) return Failed();
            at += n;
        }
        if (Injected(Step::Commit, fileIndex)) return false;
        if (::fdatasync(fd_) != 0) return Failed();
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 || Failed();
    }

    // Renames the finished file over the target.
    bool Rename() {
        if (::rename(name_.constData(), Native(target_).constData()) != 0) return Failed();
        name_.clear();
        return true;
    }

    // Moves the finished file into place only where no file has the
    // target's name; Exists when one has.
    NewFileOutcome RenameNoReplace() {
        const QByteArray target = Native(target_);
        if (::renameat2(AT_FDCWD, name_.constData(), AT_FDCWD, target.constData(),
                        RENAME_NOREPLACE) == 0) {
            name_.clear();
            return NewFileOutcome::Written;
        }
        // Without the flag (a file system or kernel that lacks it), a hard
        // link fails where the name exists; the temporary name then goes.
        if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP) {
            if (::link(name_.constData(), target.constData()) == 0) return NewFileOutcome::Written;
        }
        Failed();
        return error_ == EEXIST ? NewFileOutcome::Exists : NewFileOutcome::Failed;
    }

    // The system's reason for the last failure.
    QString Why() const { return QString::fromLocal8Bit(std::strerror(error_)); }

private:
    bool Failed() {
        error_ = errno;
        return false;
    }

    QString target_;
    QByteArray name_; // empty once renamed (or before it exists)
    int fd_ = -1;
    int error_ = 0;
};

// The old file of a target, kept beside it until every rename has gone
// through, so that it can be put back.
struct KeptTarget {
    QString Target;
    QString Kept;          // empty: the target did not exist
    bool Replaced = false; // its new file has been renamed into place
};

QString KeptName(const QString& target) {
    const QFileInfo info(target);
    for (int n = 0;; ++n) {
        const QString name =
            info.dir().filePath(QStringLiteral(".%1.old%2").arg(info.fileName()).arg(n));
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink()) return name;
    }
}

// Keeps the old file of a target; false, with errno telling why, when it
// cannot be kept (a folder in the target's place cannot be replaced at all).
bool Keep(KeptTarget& kept) {
    const QFileInfo target(kept.Target);
    if (!target.exists()) return true; // nothing to put back but absence
    if (target.isDir()) {
        errno = EISDIR;
        return false;
    }
    kept.Kept = KeptName(kept.Target);
    // A hard link keeps the old file without copying it; a copy where the
    // file system has no hard links.
    if (::link(Native(kept.Target).constData(), Native(kept.Kept).constData()) == 0) return true;
    const int error = errno;
    if (QFile::copy(kept.Target, kept.Kept)) return true;
    QFile::remove(kept.Kept);
    kept.Kept.clear();
    errno = error;
    return false;
}

// Gives a replaced target its old file back; false when that failed, and
// the kept file then stays where it is rather than being lost.
bool PutBack(KeptTarget& kept) {
    if (!kept.Replaced) return true;
    if (kept.Kept.isEmpty()) return ::unlink(Native(kept.Target).constData()) == 0;
    if (::rename(Native(kept.Kept).constData(), Native(kept.Target).constData()) != 0) return false;
    kept.Kept.clear();
    return true;
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    const FilesWritten written = WriteFilesAtomically({{path, bytes}});
    if (!written.Ok && why) *why = written.Why;
    return written.Ok;
}

NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    TemporaryFile file(RealTarget(path));
    int writes = 0;
    const NewFileOutcome outcome =
        file.Write(bytes, 0, writes) ? file.RenameNoReplace() : NewFileOutcome::Failed;
    if (outcome != NewFileOutcome::Written && why) *why = file.Why();
    return outcome;
}

FilesWritten WriteFilesAtomically(const std::vector<FileToWrite>& files) {
    using AtomicWriteFaults::Step;
    const int count = int(files.size());
    FilesWritten result;
    std::vector<std::unique_ptr<TemporaryFile>> temporary;
    int writes = 0;
    for (int i = 0; i < count; ++i) {
        temporary.push_back(std::make_unique<TemporaryFile>(RealTarget(files[i].Path)));
        if (!temporary.back()->Write(files[i].Bytes, i, writes)) {
            result.FailedFile = i;
            result.Why = temporary.back()->Why();
            return result; // the temporary files remove themselves
        }
    }

    std::vector<KeptTarget> kept(count);
    auto forget = [&] {
        for (KeptTarget& k : kept)
            if (!k.Kept.isEmpty()) QFile::remove(k.Kept), k.Kept.clear();
    };
    // A single file needs nothing put back: its rename alone is atomic.
    if (count > 1)
        for (int i = 0; i < count; ++i) {
            kept[i].Target = RealTarget(files[i].Path);
            errno = EIO; // what an injected failure stands for
            if (Injected(Step::Backup, i) || !Keep(kept[i])) {
                result.Why = QString::fromLocal8Bit(std::strerror(errno));
                forget();
                result.FailedFile = i;
                return result;
            }
        }
    for (int i = 0; i < count; ++i) {
        const NewFileOutcome placed =
            files[i].KeepExisting
                ? temporary[i]->RenameNoReplace()
                : (temporary[i]->Rename() ? NewFileOutcome::Written : NewFileOutcome::Failed);
        if (placed != NewFileOutcome::Written) {
            result.Existed = placed == NewFileOutcome::Exists;
            result.Why = temporary[i]->Why();
            bool restored = true;
            for (KeptTarget& k : kept) restored = PutBack(k) && restored;
            if (restored) forget();
            result.FailedFile = i;
            return result;
        }
        kept[i].Replaced = true;
    }
    forget();
    result.Ok = true;
    return result;
}

#include "AtomicFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

// Where the bytes go: a symbolic link is written through, as an editor
// writing the file in place would.
QString Resolved(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty()) return target;
    }
    return path;
}

// The permissions of a new file: what the user's umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }();
    return mode;
}

// One target on its way: its finished temporary file, and while it is
// being replaced, a second name for its old file.
struct Pending {
    QByteArray target, temporary, old;
    bool existed = false;
};

class Failure {
public:
    explicit Failure(QString* why) : why_(why) {}
    bool operator()(int error) const {
        if (why_) *why_ = Reason(error);
        return false;
    }

private:
    QString* why_;
};

bool WriteAll(int fd, const QByteArray& bytes, int& error) {
    const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
    int index = 0;
    for (qint64 at = 0; at < bytes.size(); ++index) {
        if (Injected(AtomicWriteFaults::Step::Write, index)) {
            error = EIO;
            return false;
        }
        const qint64 end = std::min<qint64>(bytes.size(), at + chunk);
        while (at < end) {
            const ssize_t n = ::write(fd, bytes.constData() + at, size_t(end - at));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error = n < 0 ? errno : ENOSPC;
                return false;
            }
            at += n;
        }
    }
    return true;
}

// The bytes in a temporary file beside the target, flushed to the disk and
// closed, every step checked. On failure nothing of it remains.
bool WriteTemporary(const FileToWrite& file, Pending& p, const Failure& fail) {
    p.target = QFile::encodeName(Resolved(file.Path));
    struct stat old {};
    p.existed = ::stat(p.target.constData(), &old) == 0;
    if (Injected(AtomicWriteFaults::Step::Open, 0)) return fail(EIO);
    // A hidden name beside the target that nobody else has: .name.xxxxxx
    QByteArray hidden = p.target;
    hidden.insert(hidden.lastIndexOf('/') + 1, '.');
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        p.temporary = hidden + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(p.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) return fail(errno);
    }
    int error = 0;
    bool ok = ::fchmod(fd, p.existed ? old.st_mode & 07777 : NewFileMode()) == 0 ||
              (error = errno, false);
    ok = ok && WriteAll(fd, file.Bytes, error);
    if (ok && Injected(AtomicWriteFaults::Step::Commit, 0)) ok = false, error = EIO;
    if (ok && ::fdatasync(fd) != 0) ok = false, error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (!ok) {
        ::unlink(p.temporary.constData());
        return fail(error);
    }
    return true;
}

// Gives the targets renamed so far their old files back.
void Undo(std::vector<Pending>& pending, size_t renamed) {
    for (size_t i = 0; i < renamed; ++i) {
        Pending& p = pending[i];
        if (!p.old.isEmpty())
            ::rename(p.old.constData(), p.target.constData());
        else if (!p.existed)
            ::unlink(p.target.constData());
    }
}

// Errors that mean the file system (or the kernel) lacks RENAME_NOREPLACE.
bool LacksNoReplace(int error) {
    return error == EINVAL || error == ENOSYS || error == ENOTSUP;
}

} // namespace

NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    const Failure fail(why);
    Pending p;
    if (!WriteTemporary({path, bytes}, p, fail)) return NewFileOutcome::Failed;
    int error = 0;
    if (::renameat2(AT_FDCWD, p.temporary.constData(), AT_FDCWD, p.target.constData(),
                    RENAME_NOREPLACE) == 0)
        return NewFileOutcome::Written;
    error = errno;
    if (LacksNoReplace(error)) {
        // A hard link fails when the name exists; the temporary name then goes.
        const bool linked = ::link(p.temporary.constData(), p.target.constData()) == 0;
        error = errno;
        ::unlink(p.temporary.constData());
        if (linked) return NewFileOutcome::Written;
    } else {
        ::unlink(p.temporary.constData());
    }
    fail(error);
    return error == EEXIST ? NewFileOutcome::Exists : NewFileOutcome::Failed;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    return WriteFilesAtomically({{path, bytes}}, why);
}

bool WriteFilesAtomically(const std::vector<FileToWrite>& files, QString* why) {
    const Failure fail(why);
    std::vector<Pending> pending(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        if (!WriteTemporary(files[i], pending[i], fail)) {
            for (size_t j = 0; j < i; ++j) ::unlink(pending[j].temporary.constData());
            return false;
        }
    // With one file the rename alone is the change. With several, each old
    // file keeps a second name until every rename has been done, so that a
    // failed rename can put back what the others replaced.
    const bool several = files.size() > 1;
    for (size_t i = 0; i < pending.size(); ++i) {
        Pending& p = pending[i];
        if (several && p.existed) {
            p.old = p.temporary + ".old";
            if (::link(p.target.constData(), p.old.constData()) != 0) p.old.clear();
        }
        if (::rename(p.temporary.constData(), p.target.constData()) != 0) {
            const int error = errno;
            Undo(pending, i);
            for (size_t j = i; j < pending.size(); ++j) ::unlink(pending[j].temporary.constData());
            for (size_t j = 0; j <= i; ++j)
                if (!pending[j].old.isEmpty()) ::unlink(pending[j].old.constData());
            return fail(error);
        }
    }
    for (const Pending& p : pending)
        if (!p.old.isEmpty()) ::unlink(p.old.constData());
    return true;
}

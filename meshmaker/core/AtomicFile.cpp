#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

// Every chunk written and checked; false at the first that fails.
bool WriteChunks(QFileDevice& file, const QByteArray& bytes) {
    int index = 0;
    const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
    for (qint64 at = 0; at < bytes.size(); at += chunk, ++index) {
        const qint64 length = std::min(chunk, bytes.size() - at);
        if (Injected(AtomicWriteFaults::Step::Write, index) ||
            file.write(bytes.constData() + at, length) != length)
            return false;
    }
    return true;
}

// The mode a new file gets from the process's umask, as open(2) would give it.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Errors that mean the file system (or the kernel) lacks RENAME_NOREPLACE.
bool LacksNoReplace(int error) {
    return error == EINVAL || error == ENOSYS || error == ENOTSUP;
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    using AtomicWriteFaults::Step;
    QSaveFile file(path);
    // Unbuffered: each write reaches the file at once and reports how much it
    // really wrote. A buffered write succeeds into memory, and its failure at
    // the final flush (a full disk, a file-size limit) can go unreported.
    if (Injected(Step::Open, 0) || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!WriteChunks(file, bytes)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file; the target is untouched
        return false;
    }
    if (Injected(Step::Commit, 0)) file.cancelWriting();
    return file.commit();
}

NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes) {
    using AtomicWriteFaults::Step;
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (Injected(Step::Open, 0) || !file.open()) return NewFileOutcome::Failed;
    if (!WriteChunks(file, bytes) || !file.flush() || ::fchmod(file.handle(), NewFileMode()) != 0 ||
        ::fdatasync(file.handle()) != 0 || Injected(Step::Commit, 0))
        return NewFileOutcome::Failed; // the temporary file removes itself
    const QByteArray from = QFile::encodeName(file.fileName());
    const QByteArray to = QFile::encodeName(target.absoluteFilePath());
    file.close();
    if (file.error() != QFileDevice::NoError) return NewFileOutcome::Failed;
    int error = 0;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        file.setAutoRemove(false);
        return NewFileOutcome::Written;
    }
    error = errno;
    if (LacksNoReplace(error)) {
        // A hard link fails when the name exists; the temporary name then goes.
        if (::link(from.constData(), to.constData()) == 0) return NewFileOutcome::Written;
        error = errno;
    }
    return error == EEXIST ? NewFileOutcome::Exists : NewFileOutcome::Failed;
}

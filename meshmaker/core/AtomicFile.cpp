#include "AtomicFile.h"

#include <QSaveFile>

namespace {

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
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
    int index = 0;
    const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
    for (qint64 at = 0; at < bytes.size(); at += chunk, ++index) {
        const qint64 length = std::min(chunk, bytes.size() - at);
        if (Injected(Step::Write, index) || file.write(bytes.constData() + at, length) != length) {
            file.cancelWriting();
            file.commit(); // removes the temporary file; the target is untouched
            return false;
        }
    }
    if (Injected(Step::Commit, 0)) file.cancelWriting();
    return file.commit();
}

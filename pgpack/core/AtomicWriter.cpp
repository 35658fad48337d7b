#include "AtomicWriter.h"

namespace {

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

} // namespace

AtomicWriter::AtomicWriter(const QString& path) : file_(path) {}

bool AtomicWriter::Open() {
    // Unbuffered: each write reaches the file at once and reports how much it
    // really wrote, instead of failing unnoticed at a final flush.
    if (Injected(AtomicWriteFaults::Step::Open, 0) ||
        !file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        failed_ = true;
        return false;
    }
    return true;
}

bool AtomicWriter::Write(const char* data, qint64 size) {
    if (failed_ || !file_.isOpen()) return false;
    const int index = writes_++;
    if (Injected(AtomicWriteFaults::Step::Write, index) || file_.write(data, size) != size) {
        failed_ = true;
        file_.cancelWriting();
        return false;
    }
    return true;
}

bool AtomicWriter::Commit() {
    if (failed_ || !file_.isOpen()) return false;
    // QSaveFile closes and renames in one call; a failed close or rename
    // leaves the target as it was and removes the temporary file.
    if (Injected(AtomicWriteFaults::Step::Close, 0) || Injected(AtomicWriteFaults::Step::Rename, 0))
        file_.cancelWriting();
    failed_ = !file_.commit();
    return !failed_;
}

#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

#include <unistd.h>

namespace {

bool Injected(AtomicWriteFaults::Step step, int index) {
    return AtomicWriteFaults::Inject && AtomicWriteFaults::Inject(step, index);
}

// Opens the temporary file of a target and writes all its bytes; writes
// counts the writes across files for the seam.
bool WriteTemporary(QSaveFile& file, const QByteArray& bytes, int fileIndex, int& writes) {
    using AtomicWriteFaults::Step;
    // Unbuffered: each write reaches the file at once and reports how much it
    // really wrote. A buffered write succeeds into memory, and its failure at
    // the final flush (a full disk, a file-size limit) can go unreported.
    if (Injected(Step::Open, fileIndex) || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const qint64 chunk = std::max<qint64>(1, AtomicWriteFaults::ChunkSize);
    for (qint64 at = 0; at < bytes.size(); at += chunk, ++writes) {
        const qint64 length = std::min(chunk, bytes.size() - at);
        if (Injected(Step::Write, writes) || file.write(bytes.constData() + at, length) != length)
            return false;
    }
    return true;
}

// Throws away a temporary file that will not be renamed into place.
void Discard(QSaveFile& file) {
    if (!file.isOpen()) return;
    file.cancelWriting();
    file.commit(); // removes the temporary file; the target is untouched
}

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

bool Keep(KeptTarget& kept) {
    const QFileInfo info(kept.Target);
    if (!info.exists()) return true; // nothing to put back but absence
    kept.Kept = KeptName(kept.Target);
    // A hard link keeps the old file without copying it; a copy where the
    // file system has no hard links.
    if (::link(QFile::encodeName(kept.Target).constData(),
               QFile::encodeName(kept.Kept).constData()) == 0)
        return true;
    if (QFile::copy(kept.Target, kept.Kept)) return true;
    QFile::remove(kept.Kept);
    kept.Kept.clear();
    return false;
}

// Gives a replaced target its old file back; false when that failed, and
// the kept file then stays where it is rather than being lost.
bool PutBack(KeptTarget& kept) {
    if (!kept.Replaced) return true;
    if (kept.Kept.isEmpty()) return QFile::remove(kept.Target);
    if (::rename(QFile::encodeName(kept.Kept).constData(),
                 QFile::encodeName(kept.Target).constData()) != 0)
        return false;
    kept.Kept.clear();
    return true;
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    return WriteFilesAtomically({{path, bytes}}).Ok;
}

FilesWritten WriteFilesAtomically(const std::vector<FileToWrite>& files) {
    using AtomicWriteFaults::Step;
    const int count = int(files.size());
    std::vector<std::unique_ptr<QSaveFile>> temporary;
    FilesWritten result;
    auto fail = [&](int index) {
        for (auto& file : temporary) Discard(*file);
        result.FailedFile = index;
        return result;
    };

    int writes = 0;
    for (int i = 0; i < count; ++i) {
        temporary.push_back(std::make_unique<QSaveFile>(files[i].Path));
        if (!WriteTemporary(*temporary.back(), files[i].Bytes, i, writes)) return fail(i);
    }
    if (count == 1) { // nothing to put back: the rename alone is atomic
        if (Injected(Step::Commit, 0)) temporary[0]->cancelWriting();
        if (!temporary[0]->commit()) return fail(0);
        result.Ok = true;
        return result;
    }

    std::vector<KeptTarget> kept(count);
    auto forget = [&] {
        for (KeptTarget& k : kept)
            if (!k.Kept.isEmpty()) QFile::remove(k.Kept), k.Kept.clear();
    };
    for (int i = 0; i < count; ++i) {
        kept[i].Target = files[i].Path;
        if (Injected(Step::Backup, i) || !Keep(kept[i])) {
            forget();
            return fail(i);
        }
    }
    for (int i = 0; i < count; ++i) {
        if (Injected(Step::Commit, i)) temporary[i]->cancelWriting();
        if (!temporary[i]->commit()) {
            bool restored = true;
            for (KeptTarget& k : kept) restored = PutBack(k) && restored;
            if (restored) forget();
            return fail(i);
        }
        kept[i].Replaced = true;
    }
    forget();
    result.Ok = true;
    return result;
}

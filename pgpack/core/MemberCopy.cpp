#include "MemberCopy.h"

#include <QByteArray>

#include <algorithm>

FileOutcome CopyBytes(QFile& in, qint64 length, AtomicWriter& out, const QString& outPath) {
    QByteArray buffer(std::min(length, CopyChunk), Qt::Uninitialized);
    qint64 copied = 0;
    while (copied < length) {
        const qint64 got = in.read(buffer.data(), std::min<qint64>(buffer.size(), length - copied));
        if (got < 0) return Failure(FileError::CannotRead, in.fileName());
        if (got == 0) return Failure(FileError::SourceChanged, in.fileName(), length, copied);
        if (!out.Write(buffer.constData(), got)) return Failure(FileError::CannotWrite, outPath);
        copied += got;
    }
    return {};
}

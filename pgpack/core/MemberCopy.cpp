// Copying a member's bytes from its source into an atomic writer, chunk by
// chunk; the pack and the split use it.

#include "MemberCopy.h"

#include <QByteArray>

#include <algorithm>

FileOutcome CopyBytes(SourceFile& in, qint64 length, AtomicWriter& out) {
    QByteArray buffer(std::min(length, CopyChunk), Qt::Uninitialized);
    qint64 copied = 0;
    while (copied < length) {
        const qint64 got = in.Read(buffer.data(), std::min<qint64>(buffer.size(), length - copied));
        if (got < 0) return SystemFailure(FileError::CannotRead, in.Path(), in.Error());
        if (got == 0) return Failure(FileError::SourceChanged, in.Path(), length, copied);
        if (!out.Write(buffer.constData(), got)) return WriteFailure(out);
        copied += got;
    }
    return {};
}

FileOutcome WriteFailure(const AtomicWriter& out) {
    return SystemFailure(out.TargetTaken() ? FileError::TargetExists : FileError::CannotWrite,
                         out.Path(), out.Error());
}

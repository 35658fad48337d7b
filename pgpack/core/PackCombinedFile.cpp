#include "PackCombinedFile.h"

#include "AtomicWriter.h"
#include "MemberCopy.h"
#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// The mesh bytes that hold the picture's width and height.
constexpr qint64 PictureSizeOffset = 16;

FileOutcome CopySource(const QString& path, qint64 length, AtomicWriter& out,
                       const QString& outPath) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return Failure(FileError::CannotRead, path);
    if (FileOutcome copied = CopyBytes(in, length, out, outPath); !copied.Ok()) {
        if (copied.Error == FileError::SourceChanged) copied.Actual = in.size();
        return copied;
    }
    // A source that grew since it was measured would be packed cut short.
    if (in.size() != length) return Failure(FileError::SourceChanged, path, length, in.size());
    return {};
}

} // namespace

FileOutcome BuildCombinedHeader(const MemberPaths& sources, CombinedFileHeader& header) {
    header = {};
    for (MemberKind kind : {MemberKind::Mesh, MemberKind::BodyTexture, MemberKind::FinTexture,
                            MemberKind::EyeTexture}) {
        const QString& path = sources[kind];
        if (!SourceFileExists(path)) continue;
        const qint64 size = QFileInfo(path).size();
        if (size > MaxMemberLength) return Failure(FileError::SourceTooLarge, path, 0, size);
        header.SetLength(kind, quint32(size));
    }

    QFile mesh(sources[MemberKind::Mesh]);
    if (!mesh.open(QIODevice::ReadOnly))
        return Failure(FileError::CannotRead, sources[MemberKind::Mesh]);
    // A mesh too short to hold a picture size leaves the missing bytes zero.
    char first[20] = {};
    if (mesh.read(first, sizeof first) < 0)
        return Failure(FileError::CannotRead, sources[MemberKind::Mesh]);
    header.pictureWidth = qFromLittleEndian<qint16>(first + PictureSizeOffset);
    header.pictureHeight = qFromLittleEndian<qint16>(first + PictureSizeOffset + 2);
    return {};
}

FileOutcome WriteCombinedFile(const MemberPaths& sources, const CombinedFileHeader& header,
                              const QString& output) {
    AtomicWriter out(output);
    const QByteArray head = header.Encode();
    if (!out.Open() || !out.Write(head.constData(), head.size()))
        return Failure(FileError::CannotWrite, output);
    for (MemberKind kind : MemberOrder) {
        const qint64 length = header.Length(kind);
        if (length == 0) continue;
        if (FileOutcome copied = CopySource(sources[kind], length, out, output); !copied.Ok())
            return copied; // out is dropped uncommitted: output stays as it was
    }
    if (!out.Commit()) return Failure(FileError::CannotWrite, output);
    return {};
}

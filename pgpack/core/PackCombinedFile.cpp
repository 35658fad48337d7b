// Writing a PGDAF file from a mesh and its textures, whole or not at all;
// the dialog's create command and pgpack pack use it.

#include "PackCombinedFile.h"

#include "MemberCopy.h"
#include "SourceFile.h"

#include <QFileInfo>
#include <QtEndian>

namespace {

// The mesh bytes that hold the picture's width and height.
constexpr qint64 PictureSizeOffset = 16;
// The order in which the sources are measured.
constexpr MemberKind MeasureOrder[] = {MemberKind::Mesh, MemberKind::BodyTexture,
                                       MemberKind::FinTexture, MemberKind::EyeTexture};

FileOutcome CopySource(const QString& path, qint64 length, AtomicWriter& out) {
    SourceFile in;
    if (FileOutcome opened = in.Open(path); !opened.Ok()) return opened;
    if (FileOutcome copied = CopyBytes(in, length, out); !copied.Ok()) {
        if (copied.Error == FileError::SourceChanged) copied.Actual = in.Size();
        return copied;
    }
    // A source that grew since it was measured would be packed cut short.
    if (in.Size() != length) return Failure(FileError::SourceChanged, path, length, in.Size());
    return {};
}

} // namespace

FileOutcome BuildCombinedHeader(const MemberPaths& sources, CombinedFileHeader& header) {
    header = {};
    for (MemberKind kind : MeasureOrder) {
        const QString& path = sources[kind];
        const EntryKind entry = KindOf(path);
        if (entry == EntryKind::Missing || entry == EntryKind::Folder) continue;
        if (entry != EntryKind::Regular) return NotRegularFile(path, entry);
        const qint64 size = QFileInfo(path).size();
        if (size > MaxMemberLength) return Failure(FileError::SourceTooLarge, path, 0, size);
        header.SetLength(kind, quint32(size));
    }

    SourceFile mesh;
    if (FileOutcome opened = mesh.Open(sources[MemberKind::Mesh]); !opened.Ok()) return opened;
    // A mesh too short to hold a picture size leaves the missing bytes zero.
    char first[20] = {};
    for (qint64 got = 0, read = 0; got < qint64(sizeof first); got += read) {
        read = mesh.Read(first + got, qint64(sizeof first) - got);
        if (read < 0) return SystemFailure(FileError::CannotRead, mesh.Path(), mesh.Error());
        if (read == 0) break;
    }
    header.pictureWidth = qFromLittleEndian<qint16>(first + PictureSizeOffset);
    header.pictureHeight = qFromLittleEndian<qint16>(first + PictureSizeOffset + 2);
    return {};
}

FileOutcome CheckOutputIsNoSource(const MemberPaths& sources, const QString& output) {
    const std::optional<FileIdentity> target = IdentityOf(output);
    if (!target) return {};
    for (MemberKind kind : MeasureOrder)
        if (IdentityOf(sources[kind]) == target) return SameFileAs(output, sources[kind]);
    return {};
}

FileOutcome WriteCombinedFile(const MemberPaths& sources, const CombinedFileHeader& header,
                              const QString& output, Replacing replacing) {
    if (FileOutcome same = CheckOutputIsNoSource(sources, output); !same.Ok()) return same;
    AtomicWriter out(output, replacing);
    const QByteArray head = header.Encode();
    if (!out.Open() || !out.Write(head.constData(), head.size())) return WriteFailure(out);
    for (MemberKind kind : MemberOrder) {
        const qint64 length = header.Length(kind);
        if (length == 0) continue;
        if (FileOutcome copied = CopySource(sources[kind], length, out); !copied.Ok())
            return copied; // out is dropped uncommitted: output stays as it was
    }
    if (!out.Commit()) return WriteFailure(out);
    return {};
}

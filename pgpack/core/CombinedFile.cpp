#include "CombinedFile.h"

#include "AtomicWriter.h"
#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr char Magic[5] = {'P', 'G', 'D', 'A', 'F'};
// Members are copied through a buffer of at most this many bytes (and never
// more than the member has), so memory stays small whatever a header says.
constexpr qint64 CopyChunk = qint64(1) << 20;
// The largest length a 32-bit length field can hold.
constexpr qint64 MaxMemberLength = 0xFFFFFFFFLL;
// The mesh bytes that hold the picture's width and height.
constexpr qint64 PictureSizeOffset = 16;

FileOutcome Failure(FileError error, const QString& path, qint64 expected = 0, qint64 actual = 0) {
    return {error, path, expected, actual};
}

// Copies length bytes from in (at its current position) to out. A source that
// ends early has changed since it was measured.
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

QString MemberSuffix(MemberKind kind) {
    switch (kind) {
    case MemberKind::BodyTexture:
        return QStringLiteral("_tx.bmp");
    case MemberKind::FinTexture:
        return QStringLiteral("_fintx.bmp");
    case MemberKind::EyeTexture:
        return QStringLiteral("_eyetx.bmp");
    case MemberKind::Mesh:
        return QStringLiteral(".pgx");
    }
    return {};
}

MemberPaths ModelFiles(const QString& prefix) {
    MemberPaths files;
    for (MemberKind kind : MemberOrder) files[kind] = prefix + MemberSuffix(kind);
    return files;
}

quint32 CombinedFileHeader::Length(MemberKind kind) const {
    switch (kind) {
    case MemberKind::BodyTexture:
        return bodyTextureLength;
    case MemberKind::FinTexture:
        return finTextureLength;
    case MemberKind::EyeTexture:
        return eyeTextureLength;
    case MemberKind::Mesh:
        return meshLength;
    }
    return 0;
}

void CombinedFileHeader::SetLength(MemberKind kind, quint32 length) {
    switch (kind) {
    case MemberKind::BodyTexture:
        bodyTextureLength = length;
        break;
    case MemberKind::FinTexture:
        finTextureLength = length;
        break;
    case MemberKind::EyeTexture:
        eyeTextureLength = length;
        break;
    case MemberKind::Mesh:
        meshLength = length;
        break;
    }
}

qint64 CombinedFileHeader::Offset(MemberKind kind) const {
    qint64 offset = CombinedHeaderSize;
    for (MemberKind before : MemberOrder) {
        if (before == kind) break;
        offset += Length(before);
    }
    return offset;
}

qint64 CombinedFileHeader::FileSize() const {
    return CombinedHeaderSize + qint64(bodyTextureLength) + finTextureLength + eyeTextureLength +
           meshLength;
}

QByteArray CombinedFileHeader::Encode() const {
    QByteArray bytes(CombinedHeaderSize, '\0');
    char* b = bytes.data();
    std::copy(std::begin(Magic), std::end(Magic), b);
    qToLittleEndian<quint32>(bodyTextureLength, b + 8);
    qToLittleEndian<quint32>(finTextureLength, b + 12);
    qToLittleEndian<quint32>(eyeTextureLength, b + 16);
    qToLittleEndian<quint32>(meshLength, b + 20);
    qToLittleEndian<qint16>(pictureWidth, b + 36);
    qToLittleEndian<qint16>(pictureHeight, b + 38);
    return bytes;
}

CombinedFileHeader CombinedFileHeader::Decode(const char* b) {
    CombinedFileHeader header;
    header.bodyTextureLength = qFromLittleEndian<quint32>(b + 8);
    header.finTextureLength = qFromLittleEndian<quint32>(b + 12);
    header.eyeTextureLength = qFromLittleEndian<quint32>(b + 16);
    header.meshLength = qFromLittleEndian<quint32>(b + 20);
    header.pictureWidth = qFromLittleEndian<qint16>(b + 36);
    header.pictureHeight = qFromLittleEndian<qint16>(b + 38);
    return header;
}

QString DescribeInEnglish(const FileOutcome& outcome) {
    const QString path = ShownPath(outcome.Path);
    switch (outcome.Error) {
    case FileError::None:
        return QStringLiteral("done");
    case FileError::NotCombined:
        return QStringLiteral("%1: not a combined data file (it does not start with PGDAF)")
            .arg(path);
    case FileError::ShortHeader:
        return QStringLiteral("%1: not a combined data file (shorter than its 40-byte header)")
            .arg(path);
    case FileError::LengthMismatch:
        return QStringLiteral("%1: damaged combined data file (its header announces %2 bytes, "
                              "the file has %3)")
            .arg(path)
            .arg(outcome.Expected)
            .arg(outcome.Actual);
    case FileError::CannotRead:
        return QStringLiteral("%1: cannot be read").arg(path);
    case FileError::SourceChanged:
        return QStringLiteral("%1: changed while it was being read (%2 bytes expected, %3 found)")
            .arg(path)
            .arg(outcome.Expected)
            .arg(outcome.Actual);
    case FileError::SourceTooLarge:
        return QStringLiteral("%1: too large for a combined data file (%2 bytes, at most %3)")
            .arg(path)
            .arg(outcome.Actual)
            .arg(MaxMemberLength);
    case FileError::CannotWrite:
        return QStringLiteral("%1: cannot be written").arg(path);
    }
    return {};
}

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

namespace {

FileOutcome ReadCheckedHeader(QFile& file, CombinedFileHeader& header, qint64& size) {
    const QString path = file.fileName();
    size = file.size();
    char bytes[CombinedHeaderSize];
    const qint64 got = file.read(bytes, CombinedHeaderSize);
    if (got < 0) return Failure(FileError::CannotRead, path);
    if (got < qint64(sizeof Magic) || !std::equal(std::begin(Magic), std::end(Magic), bytes))
        return Failure(FileError::NotCombined, path);
    if (got < CombinedHeaderSize)
        return Failure(FileError::ShortHeader, path, CombinedHeaderSize, got);
    header = CombinedFileHeader::Decode(bytes);
    if (header.FileSize() != size)
        return Failure(FileError::LengthMismatch, path, header.FileSize(), size);
    return {};
}

} // namespace

FileOutcome ReadCombinedHeader(const QString& path, CombinedFileHeader& header) {
    QFile file(path);
    if (!SourceFileExists(path) || !file.open(QIODevice::ReadOnly))
        return Failure(FileError::CannotRead, path);
    qint64 size = 0;
    return ReadCheckedHeader(file, header, size);
}

FileOutcome ListCombinedFile(const QString& path, CombinedListing& listing) {
    QFile file(path);
    if (!SourceFileExists(path) || !file.open(QIODevice::ReadOnly))
        return Failure(FileError::CannotRead, path);
    return ReadCheckedHeader(file, listing.Header, listing.FileSize);
}

FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates) {
    std::array<MemberFate, 4> fate;
    fate.fill(MemberFate::Absent);
    if (fates) *fates = fate;

    QFile in(path);
    if (!SourceFileExists(path) || !in.open(QIODevice::ReadOnly))
        return Failure(FileError::CannotRead, path);
    CombinedFileHeader header;
    qint64 size = 0;
    if (FileOutcome checked = ReadCheckedHeader(in, header, size); !checked.Ok()) return checked;

    for (MemberKind kind : MemberOrder) {
        const qint64 length = header.Length(kind);
        if (length == 0) continue;
        const QString& target = targets[kind];
        MemberFate& mine = fate[static_cast<int>(kind)];
        if (FileExists(target) && decide && decide(kind) == SplitDecision::Skip) {
            mine = MemberFate::Skipped;
        } else {
            AtomicWriter out(target);
            if (!out.Open()) return Failure(FileError::CannotWrite, target);
            if (!in.seek(header.Offset(kind))) return Failure(FileError::CannotRead, path);
            FileOutcome copied = CopyBytes(in, length, out, target);
            if (copied.Error == FileError::SourceChanged) {
                copied.Expected = size;
                copied.Actual = in.size();
            }
            if (!copied.Ok()) return copied;
            if (!out.Commit()) return Failure(FileError::CannotWrite, target);
            mine = MemberFate::Written;
        }
        if (fates) *fates = fate;
    }
    return {};
}

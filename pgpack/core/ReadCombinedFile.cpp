#include "ReadCombinedFile.h"

#include "Paths.h"

#include <algorithm>

FileOutcome ReadCheckedHeader(QFile& file, CombinedFileHeader& header, qint64& size) {
    const QString path = file.fileName();
    size = file.size();
    char bytes[CombinedHeaderSize];
    const qint64 got = file.read(bytes, CombinedHeaderSize);
    if (got < 0) return Failure(FileError::CannotRead, path);
    if (got < qint64(sizeof CombinedMagic) ||
        !std::equal(std::begin(CombinedMagic), std::end(CombinedMagic), bytes))
        return Failure(FileError::NotCombined, path);
    if (got < CombinedHeaderSize)
        return Failure(FileError::ShortHeader, path, CombinedHeaderSize, got);
    header = CombinedFileHeader::Decode(bytes);
    if (header.FileSize() != size)
        return Failure(FileError::LengthMismatch, path, header.FileSize(), size);
    return {};
}

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

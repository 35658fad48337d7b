// Reading a PGDAF file, trusting nothing in it; the split and the list use it.

#include "ReadCombinedFile.h"

#include <algorithm>

FileOutcome ReadCheckedHeader(SourceFile& file, CombinedFileHeader& header, qint64& size) {
    const QString& path = file.Path();
    size = file.Size();
    char bytes[CombinedHeaderSize];
    qint64 got = 0;
    while (got < CombinedHeaderSize) {
        const qint64 read = file.Read(bytes + got, CombinedHeaderSize - got);
        if (read < 0) return SystemFailure(FileError::CannotRead, path, file.Error());
        if (read == 0) break;
        got += read;
    }
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
    SourceFile file;
    if (FileOutcome opened = file.Open(path); !opened.Ok()) return opened;
    qint64 size = 0;
    return ReadCheckedHeader(file, header, size);
}

FileOutcome ListCombinedFile(const QString& path, CombinedListing& listing) {
    SourceFile file;
    if (FileOutcome opened = file.Open(path); !opened.Ok()) return opened;
    return ReadCheckedHeader(file, listing.Header, listing.FileSize);
}

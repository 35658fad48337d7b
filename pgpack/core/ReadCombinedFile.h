#pragma once
// Reading a combined data file's header and checking it against the file:
// the magic, the full header, and 40 + the four lengths equal to the file's
// size. A file that fails any of these is not well formed.

#include "CombinedFileHeader.h"
#include "FileOutcome.h"
#include "SourceFile.h"

// Reads the checked header of path.
FileOutcome ReadCombinedHeader(const QString& path, CombinedFileHeader& header);

// A checked combined file, as the list command shows it.
struct CombinedListing {
    CombinedFileHeader Header;
    qint64 FileSize = 0;
};
FileOutcome ListCombinedFile(const QString& path, CombinedListing& listing);

// The same check on a file already open for reading at its start; size
// receives the file's size.
FileOutcome ReadCheckedHeader(SourceFile& file, CombinedFileHeader& header, qint64& size);

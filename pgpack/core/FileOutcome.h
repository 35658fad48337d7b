#pragma once
// What became of an operation on files: done, or why not, with the file it
// concerns and the byte counts where they tell the story.

#include <QString>
#include <QtGlobal>

enum class FileError {
    None,
    NotCombined,    // Path does not start with "PGDAF"
    ShortHeader,    // Path is shorter than the 40-byte header
    LengthMismatch, // the header announces Expected bytes, Path has Actual
    CannotRead,     // Path could not be opened or read
    SourceChanged,  // Path had Expected bytes when measured and has Actual now
    SourceTooLarge, // Path (Actual bytes) does not fit a 32-bit length field
    CannotWrite,    // Path could not be written
};

struct FileOutcome {
    FileError Error = FileError::None;
    QString Path;
    qint64 Expected = 0;
    qint64 Actual = 0;
    bool Ok() const { return Error == FileError::None; }
};

inline FileOutcome Failure(FileError error, const QString& path, qint64 expected = 0,
                           qint64 actual = 0) {
    return {error, path, expected, actual};
}

#pragma once
// What became of an operation on files: done, or why not, with the file it
// concerns, the byte counts where they tell the story, and the system's
// reason where the system refused.

#include "SystemFiles.h"

#include <QString>
#include <QtGlobal>

#include <cerrno>

#include <cerrno>

enum class FileError {
    None,
    NotCombined,    // Path does not start with "PGDAF"
    ShortHeader,    // Path is shorter than the 40-byte header
    LengthMismatch, // the header announces Expected bytes, Path has Actual
    CannotRead,     // Path could not be opened or read
    SourceChanged,  // Path had Expected bytes when measured and has Actual now
    SourceTooLarge, // Path (Actual bytes) does not fit a 32-bit length field
    CannotWrite,    // Path could not be written
    NotRegular,     // Path, a source, is no regular file but an Entry
    SameFile,       // Path, a target, is the same file as the source OtherPath
    TargetExists,   // Path appeared while it was being written and was kept
};

struct FileOutcome {
    FileError Error = FileError::None;
    QString Path;
    qint64 Expected = 0;
    qint64 Actual = 0;
    int SystemError = 0; // errno, when the system refused
    EntryKind Entry = EntryKind::Missing;
    QString OtherPath;
    bool Ok() const { return Error == FileError::None; }
};

inline FileOutcome Failure(FileError error, const QString& path, qint64 expected = 0,
                           qint64 actual = 0) {
    FileOutcome outcome;
    outcome.Error = error;
    outcome.Path = path;
    outcome.Expected = expected;
    outcome.Actual = actual;
    return outcome;
}

inline FileOutcome SystemFailure(FileError error, const QString& path, int systemError) {
    FileOutcome outcome = Failure(error, path);
    outcome.SystemError = systemError != 0 ? systemError : EIO;
    return outcome;
}

inline FileOutcome NotRegularFile(const QString& path, EntryKind entry) {
    FileOutcome outcome = Failure(FileError::NotRegular, path);
    outcome.Entry = entry;
    return outcome;
}

inline FileOutcome SameFileAs(const QString& target, const QString& source) {
    FileOutcome outcome = Failure(FileError::SameFile, target);
    outcome.OtherPath = source;
    return outcome;
}

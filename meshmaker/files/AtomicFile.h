#pragma once
// The files the editor and its commands write, each whole or not at all,
// through the atomic writer (AtomicWriter.h): one file, a new file that
// must not replace one, and several files that belong together (a PGX file
// and its editing session, an OBJ export's three files). On any failure the
// old files are as they were, no temporary file remains, and the reason is
// the system's own ("No space left on device", "File too large").

#include "AtomicWriter.h"

#include <QByteArray>
#include <QString>

#include <vector>

// On failure why (when given) receives the reason.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// The same for a file that must not be replaced: the finished file is moved
// into place only if no file of that name exists at that moment, so a file
// that appeared meanwhile is never replaced (Exists).
enum class NewFileOutcome { Written, Exists, Failed };
NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes,
                                      QString* why = nullptr);

// Several files that belong together, all or none: every file is written
// whole first, then they are put in place in the order given; if one cannot
// be, those put in place before it get their old files back (or are removed
// again), so either every target holds its new bytes or every target is as
// it was. A file marked KeepExisting is put in place as
// WriteNewFileAtomically does: where a file of its name exists at that
// moment, the targets already replaced get their old files back and the
// result says Existed.
struct FileToWrite {
    QString Path;
    QByteArray Bytes;
    bool KeepExisting = false; // never replace a file of this name
};
struct FilesWritten {
    bool Ok = false;
    int FailedFile = -1;  // the index of the file that could not be written or put in place
    QString Why;          // the system's reason
    bool Existed = false; // FailedFile is KeepExisting and its name was taken
};
FilesWritten WriteFilesAtomically(const std::vector<FileToWrite>& files);

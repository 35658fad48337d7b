#pragma once
// Writing whole files so that they appear complete or not at all. The bytes
// go to a temporary file in the target's folder; every write, the flush to
// the disk and the close are checked, and only then is the temporary file
// renamed over the target. On any failure the old file is left as it was,
// no temporary file remains, and the reason is the system's own ("No space
// left on device", "File too large").
//
// Several files (an OBJ model with its material and texture) are written
// together: every one to its temporary file first, then all renamed; should
// a rename fail, the ones renamed already get their old files back.

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Writes bytes to path; on failure why (when given) receives the reason.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// The same for a file that must not be replaced: the finished temporary file
// is moved into place only if no file of that name exists at that moment
// (renameat2 with RENAME_NOREPLACE, or a hard link where the file system
// lacks the flag), so a file that appeared meanwhile is never replaced.
enum class NewFileOutcome { Written, Exists, Failed };
NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes,
                                      QString* why = nullptr);

struct FileToWrite {
    QString Path;
    QByteArray Bytes;
};
bool WriteFilesAtomically(const std::vector<FileToWrite>& files, QString* why = nullptr);

// Test seam: a hook that can make one step of a write fail, so tests can
// walk every failure point in-process (the system-call layer of the tests
// fails the real calls). Empty in the program.
namespace AtomicWriteFaults {
// Open: creating the temporary file; Write: one write; Commit: the flush,
// the close and the rename over the target.
enum class Step { Open, Write, Commit };
// Called before each step (index counts the writes from 0); returning true fails the step.
inline std::function<bool(Step step, int index)> Inject;
// The bytes of one write; tests make it small to have many writes to fail.
inline qint64 ChunkSize = qint64(1) << 20;
} // namespace AtomicWriteFaults

#pragma once
// Writing a whole file so that it either appears complete or not at all: the
// bytes go to a temporary file in the target's folder, every write, the
// flush to the disk and the close are checked, and only then is it renamed
// over the target (a new file takes the target's permissions, or the
// umask's). On any failure the old file is left as it was, no temporary
// file remains, and the reason is the system's own ("No space left on
// device", "File too large").

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// On failure why (when given) receives the reason.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// The same for a file that must not be replaced: the finished temporary file
// is moved into place only if no file of that name exists at that moment
// (renameat2 with RENAME_NOREPLACE, or a hard link where the file system
// lacks the flag), so a file that appeared meanwhile is never replaced.
enum class NewFileOutcome { Written, Exists, Failed };
NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes,
                                      QString* why = nullptr);

// Several files that belong together, all or none. Every file is written to
// a temporary file beside its target first; only when all are complete are
// they renamed into place, in the order given. An old target is kept under
// a hard link (or a copy) until the last rename has succeeded; if a rename
// fails, the targets already replaced get their old files back (a target
// that did not exist is removed again), so either every target holds its
// new bytes or every target is as it was. A file marked KeepExisting is
// moved into place as WriteNewFileAtomically does: where a file of its name
// exists at that moment, the targets already replaced get their old files
// back and the result says Existed.
struct FileToWrite {
    QString Path;
    QByteArray Bytes;
    bool KeepExisting = false; // never replace a file of this name
};
struct FilesWritten {
    bool Ok = false;
    int FailedFile = -1;  // the index of the file that could not be written or renamed
    QString Why;          // the system's reason
    bool Existed = false; // FailedFile is KeepExisting and its name was taken
};
FilesWritten WriteFilesAtomically(const std::vector<FileToWrite>& files);

// Test seam: a hook that can make one step of the atomic writes fail, so
// tests can walk every failure point. Empty in the program.
namespace AtomicWriteFaults {
// Open: creating the temporary file (index: the file); Write: one write
// (index: counts the writes of all the files from 0); Commit: the flush and
// close (index: the file); Backup: keeping an old target (index: the file).
enum class Step { Open, Write, Commit, Backup };
// Called before each step; returning true fails the step.
inline std::function<bool(Step step, int index)> Inject;
// The bytes of one write; tests make it small to have many writes to fail.
inline qint64 ChunkSize = qint64(1) << 20;
} // namespace AtomicWriteFaults

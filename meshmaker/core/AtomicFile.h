#pragma once
// Writing a whole file so that it either appears complete or not at all: the
// bytes go to a temporary file in the target's folder, every write and the
// close are checked, and only then is it renamed over the target. On any
// failure the old file is left as it was and no temporary file remains.

#include <QByteArray>
#include <QString>

#include <functional>

bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The same for a file that must not be replaced: the finished temporary file
// is moved into place only if no file of that name exists at that moment
// (renameat2 with RENAME_NOREPLACE, or a hard link where the file system
// lacks the flag), so a file that appeared meanwhile is never replaced.
enum class NewFileOutcome { Written, Exists, Failed };
NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes);

// Test seam: a hook that can make one step of WriteFileAtomically fail, so
// tests can walk every failure point. Empty in the program.
namespace AtomicWriteFaults {
// Open: creating the temporary file; Write: one write; Commit: the close and
// the rename over the target.
enum class Step { Open, Write, Commit };
// Called before each step (index counts the writes from 0); returning true fails the step.
inline std::function<bool(Step step, int index)> Inject;
// The bytes of one write; tests make it small to have many writes to fail.
inline qint64 ChunkSize = qint64(1) << 20;
} // namespace AtomicWriteFaults

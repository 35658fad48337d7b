#pragma once
// Writing one file so that it either appears complete or not at all: the
// bytes go to a hidden temporary file in the target's folder, every write,
// the flush to the disk and the close are checked, and only then is it put
// in the target's place. Until Commit() succeeds the target keeps its old
// contents (or stays absent), and a writer dropped without Commit() leaves no
// temporary file behind. A target that is a symbolic link is written where
// the link leads; a replaced file keeps its permissions, and one that its
// owner made read-only is refused, not replaced. The pack and the split
// write through it.
//
// The twin of meshmaker/files/AtomicWriter.h: the two programs share no
// code, so each keeps this writer, and both do the job the same way under
// the same names with the same fault steps. The two files differ only in
// these opening lines; tests/syscallfaults holds both programs to it.
//
// "Do not replace" is part of the last step itself (renameat2 with
// RENAME_NOREPLACE, or link where the file system lacks it), so that of two
// programs writing one new file at the same time exactly one succeeds and the
// other is refused with EEXIST; no check before the write can promise that.

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// What Commit does when a file is already at the target.
enum class Replacing { Allow, Refuse };

class AtomicWriter {
public:
    explicit AtomicWriter(const QString& path, Replacing replacing = Replacing::Allow);
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;
    ~AtomicWriter();

    // Creates the temporary file.
    bool Open();
    // Writes all of size bytes, in chunks of at most ChunkSize; false if
    // fewer reached the file. After a failure every further call fails and
    // Commit() discards the file.
    bool Write(const char* data, qint64 size);
    // Finish() and Install(): the file in its place, whole.
    bool Commit();

    // The target as given.
    const QString& Path() const { return path_; }
    // The errno of the first failure.
    int Error() const { return error_; }
    // True when the failure was Refuse meeting a file at the target.
    bool TargetTaken() const { return taken_; }

    // The two halves of Commit, for AtomicFileGroup. Finish flushes the
    // temporary file to the disk and closes it. Install puts it in the
    // target's place; with undoable, whatever it replaced is kept aside so
    // that Undo() can put it back, until the writer is dropped.
    bool Finish();
    bool Install(bool undoable);
    bool Undo();

private:
    bool Fail(int error);
    bool InstallReplacing(bool undoable);
    bool InstallRefusing();
    void Remove(const QString& path);

    QString path_;      // the target as given, for messages
    QString final_;     // where the file goes: the target, links followed
    QString temporary_; // the temporary file while it exists
    QString kept_;      // what Install replaced, kept aside for Undo
    Replacing replacing_;
    int fd_ = -1;
    int writes_ = 0;
    int error_ = 0;
    bool taken_ = false;
    enum class Placed { No, Created, Exchanged, BackedUp, Replaced } placed_ = Placed::No;
};

// Several files that appear all together or not at all. Each is written to
// its temporary file first; CommitAll() finishes them all, then puts them in
// their places in the order they were added. A failure before the first is
// in place changes nothing, and a failure after puts back what the earlier
// ones replaced.
class AtomicFileGroup {
public:
    AtomicWriter& Add(const QString& path, Replacing replacing);
    bool CommitAll();
    // The writer that failed, after CommitAll() returned false.
    const AtomicWriter* Failed() const { return failed_; }
    bool Empty() const { return writers_.empty(); }

private:
    std::vector<std::unique_ptr<AtomicWriter>> writers_;
    const AtomicWriter* failed_ = nullptr;
};

// At the program's start: past a file-size limit (ulimit -f) a write then
// fails with EFBIG, and the user reads "File too large" instead of the
// program vanishing on the system's signal.
void FailWritesPastFileSizeLimit();

// Test seam: a hook that makes one step of an AtomicWriter fail with EIO,
// so that a test can walk every failure point of a write. Empty in the
// program.
namespace AtomicWriteFaults {
// Open: creating the temporary file; Write: one chunk of a Write (index
// counts them from 0 for each writer); Sync, Close: the halves of Finish;
// Rename: Install.
enum class Step { Open, Write, Sync, Close, Rename };
// Returning true makes the step fail as the file system would.
inline std::function<bool(Step step, int index)> Inject;
// The most bytes one write to the file takes; tests make it small to have
// many writes to fail.
inline qint64 ChunkSize = qint64(1) << 20;
} // namespace AtomicWriteFaults

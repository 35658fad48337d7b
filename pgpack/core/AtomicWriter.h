#pragma once
// Writing one file so that it either appears complete or not at all: the
// bytes go to a temporary file in the target's folder, every write and the
// close are checked, and only then is it renamed over the target. Until
// Commit() succeeds the target keeps its old contents (or stays absent), and
// a writer dropped without Commit() leaves no temporary file behind.

#include <QSaveFile>
#include <QString>

#include <functional>

class AtomicWriter {
public:
    explicit AtomicWriter(const QString& path);
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    // Creates the temporary file.
    bool Open();
    // Writes all of size bytes; false if fewer reached the file. After a
    // failure every further call fails and Commit() discards the file.
    bool Write(const char* data, qint64 size);
    // Closes the temporary file and renames it over the target.
    bool Commit();

private:
    QSaveFile file_;
    int writes_ = 0;
    bool failed_ = false;
};

// Test seam: a hook that makes one step of an AtomicWriter fail, so that a
// test can walk every failure point of a write. Empty in the program.
namespace AtomicWriteFaults {
// Open: creating the temporary file; Write: one call of Write (index counts
// them from 0 for each writer); Close and Rename: the two halves of Commit.
enum class Step { Open, Write, Close, Rename };
// Returning true makes the step fail as the file system would.
inline std::function<bool(Step step, int index)> Inject;
} // namespace AtomicWriteFaults

#pragma once
// A file that the archiver reads from: the mesh, a texture or a combined
// file. Only a regular file is one. A FIFO, a device, a socket or a folder is
// refused before anything is read from it, and opening never waits (a FIFO
// without a writer would block an ordinary open for ever).

#include "FileOutcome.h"
#include "SystemFiles.h"

#include <QString>

class SourceFile {
public:
    SourceFile() = default;
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile();

    // Opens path for reading: CannotRead with the system's reason, or
    // NotRegular with what path names instead.
    FileOutcome Open(const QString& path);
    // The file's size now (it may have changed since it was measured).
    qint64 Size() const;
    FileIdentity Identity() const { return identity_; }
    const QString& Path() const { return path_; }

    // Reads up to size bytes: the count read, 0 at the end, -1 on failure.
    qint64 Read(char* data, qint64 size);
    bool Seek(qint64 offset);
    // The errno of the last failure.
    int Error() const { return error_; }

private:
    QString path_;
    int fd_ = -1;
    int error_ = 0;
    FileIdentity identity_;
};

// The editor's whole-or-nothing files, on the atomic writer.

#include "AtomicFile.h"

#include <cstring>

namespace {

QString Reason(const AtomicWriter& writer) {
    return QString::fromLocal8Bit(std::strerror(writer.Error()));
}

bool Written(AtomicWriter& writer, const QByteArray& bytes) {
    return writer.Open() && writer.Write(bytes.constData(), bytes.size());
}

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    AtomicWriter writer(path);
    if (Written(writer, bytes) && writer.Commit()) return true;
    if (why) *why = Reason(writer);
    return false;
}

NewFileOutcome WriteNewFileAtomically(const QString& path, const QByteArray& bytes, QString* why) {
    AtomicWriter writer(path, Replacing::Refuse);
    if (Written(writer, bytes) && writer.Commit()) return NewFileOutcome::Written;
    if (why) *why = Reason(writer);
    return writer.TargetTaken() ? NewFileOutcome::Exists : NewFileOutcome::Failed;
}

FilesWritten WriteFilesAtomically(const std::vector<FileToWrite>& files) {
    FilesWritten result;
    AtomicFileGroup group;
    std::vector<const AtomicWriter*> writers;
    for (const FileToWrite& file : files) {
        AtomicWriter& writer =
            group.Add(file.Path, file.KeepExisting ? Replacing::Refuse : Replacing::Allow);
        writers.push_back(&writer);
        if (!Written(writer, file.Bytes)) {
            result.FailedFile = int(writers.size()) - 1;
            result.Why = Reason(writer);
            return result; // the temporary files go with the group
        }
    }
    if (group.CommitAll()) {
        result.Ok = true;
        return result;
    }
    for (std::size_t i = 0; i < writers.size(); ++i)
        if (writers[i] == group.Failed()) result.FailedFile = int(i);
    result.Why = Reason(*group.Failed());
    result.Existed = group.Failed()->TargetTaken();
    return result;
}

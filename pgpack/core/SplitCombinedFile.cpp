#include "SplitCombinedFile.h"

#include "AtomicWriter.h"
#include "MemberCopy.h"
#include "Paths.h"
#include "ReadCombinedFile.h"

FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates) {
    std::array<MemberFate, 4> fate;
    fate.fill(MemberFate::Absent);
    if (fates) *fates = fate;

    QFile in(path);
    if (!SourceFileExists(path) || !in.open(QIODevice::ReadOnly))
        return Failure(FileError::CannotRead, path);
    CombinedFileHeader header;
    qint64 size = 0;
    if (FileOutcome checked = ReadCheckedHeader(in, header, size); !checked.Ok()) return checked;

    for (MemberKind kind : MemberOrder) {
        const qint64 length = header.Length(kind);
        if (length == 0) continue;
        const QString& target = targets[kind];
        MemberFate& mine = fate[static_cast<int>(kind)];
        if (FileExists(target) && decide && decide(kind) == SplitDecision::Skip) {
            mine = MemberFate::Skipped;
        } else {
            AtomicWriter out(target);
            if (!out.Open()) return Failure(FileError::CannotWrite, target);
            if (!in.seek(header.Offset(kind))) return Failure(FileError::CannotRead, path);
            FileOutcome copied = CopyBytes(in, length, out, target);
            if (copied.Error == FileError::SourceChanged) {
                copied.Expected = size;
                copied.Actual = in.size();
            }
            if (!copied.Ok()) return copied;
            if (!out.Commit()) return Failure(FileError::CannotWrite, target);
            mine = MemberFate::Written;
        }
        if (fates) *fates = fate;
    }
    return {};
}

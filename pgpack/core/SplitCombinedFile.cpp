// Splitting a PGDAF file into its members, all or none; the dialog's split
// command and pgpack split use it.

#include "SplitCombinedFile.h"

#include "MemberCopy.h"
#include "Paths.h"
#include "ReadCombinedFile.h"

#include <vector>

FileOutcome CheckNoTargetIsTheFile(const QString& path, const CombinedFileHeader& header,
                                   const MemberPaths& targets) {
    const std::optional<FileIdentity> file = IdentityOf(path);
    if (!file) return {};
    for (MemberKind kind : MemberOrder)
        if (header.Length(kind) > 0 && IdentityOf(targets[kind]) == file)
            return SameFileAs(targets[kind], path);
    return {};
}

FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates, Replacing newTargets) {
    std::array<MemberFate, 4> fate;
    fate.fill(MemberFate::Absent);
    const auto publish = [&] {
        if (fates) *fates = fate;
    };
    publish();

    SourceFile in;
    if (FileOutcome opened = in.Open(path); !opened.Ok()) return opened;
    CombinedFileHeader header;
    qint64 size = 0;
    if (FileOutcome checked = ReadCheckedHeader(in, header, size); !checked.Ok()) return checked;
    if (FileOutcome same = CheckNoTargetIsTheFile(path, header, targets); !same.Ok()) return same;

    AtomicFileGroup group;
    std::vector<MemberKind> writing;
    for (MemberKind kind : MemberOrder) {
        const qint64 length = header.Length(kind);
        if (length == 0) continue;
        const QString& target = targets[kind];
        const bool exists = FileExists(target);
        const SplitDecision decision = exists && decide ? decide(kind) : SplitDecision::Write;
        if (decision == SplitDecision::Refuse) return Failure(FileError::TargetExists, target);
        if (decision == SplitDecision::Skip) {
            fate[static_cast<int>(kind)] = MemberFate::Skipped;
            publish();
            continue;
        }
        AtomicWriter& out = group.Add(target, exists ? Replacing::Allow : newTargets);
        if (!out.Open()) return WriteFailure(out);
        if (!in.Seek(header.Offset(kind)))
            return SystemFailure(FileError::CannotRead, path, in.Error());
        FileOutcome copied = CopyBytes(in, length, out);
        if (copied.Error == FileError::SourceChanged) {
            copied.Expected = size;
            copied.Actual = in.Size();
        }
        if (!copied.Ok()) return copied;
        writing.push_back(kind);
    }
    if (!group.CommitAll()) return WriteFailure(*group.Failed());
    for (MemberKind kind : writing) fate[static_cast<int>(kind)] = MemberFate::Written;
    publish();
    return {};
}

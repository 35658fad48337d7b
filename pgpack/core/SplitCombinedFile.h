#pragma once
// Splitting a combined data file back into the files of its members.

#include "AtomicWriter.h"
#include "CombinedFileHeader.h"
#include "FileOutcome.h"
#include "ModelFiles.h"

#include <array>
#include <functional>

// What to do with a member whose target exists: replace it, keep it, or
// refuse the whole split (TargetExists), writing nothing.
enum class SplitDecision { Write, Skip, Refuse };
enum class MemberFate { Absent, Written, Skipped };

// Splits path into the four targets, all of them or none. The file is
// checked whole, and no target may be the file itself (SameFile), before
// anything is asked or written. Then, for each member that has bytes, in
// file order, decide is asked only when its target exists, and the member is
// written to a temporary file beside its target unless the answer is Skip;
// Refuse ends the split there (TargetExists) with no target changed.
// Only when every member is written are they put in their places; a failure
// up to then changes no target, and a failure in putting them in place puts
// back what the members before it replaced. A target that did not exist
// when it was looked at is written as newTargets says: Refuse fails the
// split (TargetExists) should a file have appeared there since. Members of
// length 0 leave their targets alone. fates, if given, receives what became
// of each member.
FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates = nullptr,
                              Replacing newTargets = Replacing::Refuse);

// SameFile when a target of a member with bytes is the combined file at
// path itself, under any name: writing it would destroy the file being split.
FileOutcome CheckNoTargetIsTheFile(const QString& path, const CombinedFileHeader& header,
                                   const MemberPaths& targets);

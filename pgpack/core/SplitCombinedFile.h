#pragma once
// Splitting a combined data file back into the files of its members.

#include "FileOutcome.h"
#include "ModelFiles.h"

#include <array>
#include <functional>

enum class SplitDecision { Write, Skip };
enum class MemberFate { Absent, Written, Skipped };

// Splits path into the four targets. The file is checked whole before
// anything is written; then, for each member that has bytes, in file order,
// decide is asked only when its target exists, and the member is written
// atomically unless the answer is Skip. Members of length 0 leave their
// targets alone. Stops at the first failure (members before it stay written).
// fates, if given, receives what became of each member.
FileOutcome SplitCombinedFile(const QString& path, const MemberPaths& targets,
                              const std::function<SplitDecision(MemberKind)>& decide,
                              std::array<MemberFate, 4>* fates = nullptr);

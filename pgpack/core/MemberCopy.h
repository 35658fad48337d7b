#pragma once
// Copying a member's bytes from one file into a file being written, through
// a buffer of at most 1 MiB (and never more than the member has), so memory
// stays small whatever a header says.

#include "AtomicWriter.h"
#include "FileOutcome.h"
#include "SourceFile.h"

inline constexpr qint64 CopyChunk = qint64(1) << 20;

// Copies length bytes from in (at its current position) to out. A source
// that ends early has changed since it was measured (SourceChanged, with the
// bytes copied as Actual).
FileOutcome CopyBytes(SourceFile& in, qint64 length, AtomicWriter& out);

// The outcome of a writer that failed: TargetExists when it was refused
// because a file had appeared at its target, otherwise CannotWrite; with
// the system's reason either way.
FileOutcome WriteFailure(const AtomicWriter& out);

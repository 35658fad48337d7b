#pragma once
// Packing a model into a combined data file, in two halves: the header is
// measured first, so that the dialog can ask its questions before anything
// is written.

#include "AtomicWriter.h"
#include "CombinedFileHeader.h"
#include "FileOutcome.h"
#include "ModelFiles.h"

// Measures the four sources and copies the picture size from the mesh. A
// source that is missing, or a folder, has length 0; a FIFO, device or
// socket is refused (NotRegular). The caller has made sure that the mesh and
// body exist. Nothing is written.
FileOutcome BuildCombinedHeader(const MemberPaths& sources, CombinedFileHeader& header);

// SameFile when output is one of the sources under any name (a link, or
// the same path), which writing would destroy.
FileOutcome CheckOutputIsNoSource(const MemberPaths& sources, const QString& output);

// Writes header and members to output atomically. A source whose size is no
// longer the measured one fails the whole write (SourceChanged); with
// Replacing::Refuse a file that is at output by the time the write is done
// is kept (TargetExists). Either way output is left as it was.
FileOutcome WriteCombinedFile(const MemberPaths& sources, const CombinedFileHeader& header,
                              const QString& output, Replacing replacing);

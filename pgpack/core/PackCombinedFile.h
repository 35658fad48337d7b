#pragma once
// Packing a model into a combined data file, in two halves: the header is
// measured first, so that the dialog can ask its questions before anything
// is written.

#include "CombinedFileHeader.h"
#include "FileOutcome.h"
#include "ModelFiles.h"

// Measures the four sources (a source that is missing or a folder has length
// 0) and copies the picture size from the mesh. The caller has made sure
// that the mesh and body exist. Nothing is written.
FileOutcome BuildCombinedHeader(const MemberPaths& sources, CombinedFileHeader& header);

// Writes header and members to output atomically. A source whose size is no
// longer the measured one fails the whole write (SourceChanged) and output
// is left as it was.
FileOutcome WriteCombinedFile(const MemberPaths& sources, const CombinedFileHeader& header,
                              const QString& output);

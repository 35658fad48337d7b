#pragma once
// Builders of the side-view lists: the body outline traced from the picture,
// and the strips of the tail, dorsal, ventral and anal fins and the whisker.
//
// The guarded builders (body, tail, dorsal, ventral, anal) do nothing while
// their done flag is set, and set it when they have built. None of them
// redraws or ticks a box: the form logic does that after calling them.
// With no picture loaded they do nothing at all.

#include "EditorPicture.h"
#include "Fish.h"

#include <vector>

// The x positions of columns from start to end: start, start + step, ... while
// below end, and end itself. A step of 0 counts as 3. When the list would hold
// more than maxColumns, the smallest larger step that fits is used instead.
std::vector<int> SliceColumns(int start, int end, int step, int maxColumns);
// The step that SliceColumns really slices with.
int SliceStep(int start, int end, int step, int maxColumns);

// The step of a slot of Steps that its builder uses on this fish: the
// body's, the tail's and the ventral fin's as SliceColumns raises them to
// fit their lists; the other slots' steps as they stand (no builder slices
// with them).
int UsedStep(const Fish& fish, const EditorPicture& picture, int slot);

// The body columns first..last that a strip from x0 to x1 reuses: first is the
// last column at or left of x0, last the first column right of x1 (or the last
// column). Empty when last < first or the body has no column.
struct ColumnChoice {
    int first = 0, last = -1;
    int count() const { return last >= first ? last - first + 1 : 0; }
};
ColumnChoice ChooseBodyColumns(const Fish& fish, int x0, int x1);

// How the dorsal and anal builders find the fin's edge.
enum class FinEdges {
    // One edge for the whole strip, read in the picture column at the
    // rectangle's right side (the tools' rule).
    AtRangeEnd,
    // "Fin edges column by column": each strip column reads its own picture
    // column within the rectangle; a column with no fin above (below) the
    // body keeps the body's edge, so no edge lies inside the body.
    PerColumn,
};

// Body outline from x = 0 to the tail position E, step Steps[BodyStep].
void BuildBodyOutline(Fish& fish, const EditorPicture& picture, int E);
// Tail strip from E to the right edge, step Steps[TailStep]; its first column takes
// the last body column's edges, its last column moves 0.1 to the left.
void BuildTailStrip(Fish& fish, const EditorPicture& picture, int E);
// The same strip ending at column `end` instead of the right edge (the
// whole-fish trace ends it where the fish ends).
void BuildTailStrip(Fish& fish, const EditorPicture& picture, int E, int end);
// Dorsal strip on the body columns under DorsalRange.
void BuildDorsalStrip(Fish& fish, const EditorPicture& picture,
                      FinEdges edges = FinEdges::AtRangeEnd);
// Ventral strip sliced over VentralRange with step Steps[VentralStep].
void BuildVentralStrip(Fish& fish, const EditorPicture& picture);
// Anal strip on the body columns under AnalRange.
void BuildAnalStrip(Fish& fish, const EditorPicture& picture,
                    FinEdges edges = FinEdges::AtRangeEnd);
// Whisker strip on the body columns from the press x to the release x of
// WhiskerRange (a drag to the left gives an empty strip). Not guarded.
void BuildWhiskerStrip(Fish& fish, const EditorPicture& picture);

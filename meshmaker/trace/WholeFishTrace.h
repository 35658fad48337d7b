#pragma once
// The whole fish traced at once: the body apart from its fins, the tail
// root, the dorsal, ventral and anal fins and the tail, the steps, the
// divisions, a fish-like thickness and the eye, as the manual tools would
// have set them. A pure function of the opened picture and the fish it
// starts from; the editor applies the fish it returns as one change.
//
// The rules (the picture is seen head to the left, as the editor's flip
// leaves it):
// - Fish: every pixel farther than the background tolerance from pixel
//   (0, 0)'s colour on some channel: 0 for a picture whose border is of one
//   colour (the editor's exact rule), else the border's noise (its 99th
//   percentile) and 12. The largest connected part of it, with holes of at
//   most 0.5 % of its size (a highlight of the background's colour) or at
//   least 25 % (a fish drawn as an outline) filled; the water seen between
//   fins that touch stays water. Specks apart from it, and the last row, are
//   not fish. A large picture is looked at in square cells of several pixels
//   (at most 640 cells a side); the body's points are read pixel by pixel.
// - Trunk: the fish opened with a disc of 0.85 times its largest inscribed
//   radius (the leftmost large piece): the thick middle of the body.
// - Tail root: behind the trunk's thickest column, the column where the
//   fish's height or inscribed radius has its deepest valley, at least a
//   fifth below the lower of the highest values before and after it. A fish
//   without such a valley has no tail strip: its body runs to its end.
// - Body: along the trunk, the fish's own top and bottom; ahead of it and
//   behind it to the tail root, the part the body runs through, followed
//   column by column (where a column splits, the run that holds the body's
//   middle). Along its top and its bottom a smooth line runs under the fins (asymmetric least
//   squares, bending over a twelfth of the body's length; the front sixth, the head, is followed as
//   it is). Where the edge stands out of that line by a tenth of the largest inscribed radius, a
//   fin stands there: the body's edge is the line (or the trunk's edge, where that lies farther in,
//   so a round body stays round under a fin that rises from it smoothly).
// - Fins: what stands out above the body before the tail root is the dorsal
//   fin (several parts share one strip); below it, a part that starts in
//   the front 55 % of the body and is shorter than a third of it may be the
//   ventral fin: the largest such part is; others behind it join the anal
//   fin, those before it are left to the tools; the rest below is the anal
//   fin. Behind the tail root: the tail.
//   Thin parts hanging from the front quarter (at most 0.06 of the largest
//   inscribed radius thick, or 3 cells) are whiskers, and parts smaller than
//   0.2 % of the fish are too small for a strip: both are left to the tools.
//   A band of half the stand-out along the body's line is the body's, so
//   fins that stand apart stay apart. Each fin's range is the box round its
//   pixels; its strip is built by the strip builders, with fin edges column
//   by column, on a picture that holds the fins and the tail alone (so no
//   column finds the body's or another part's edge).
// - Steps: the body's step is its length / 120 (at least 1 pixel), raised
//   so that a dorsal or anal fin spans at most 22 steps (its strip reuses
//   the body's columns and holds 25); the tail's and the ventral fin's
//   steps are the finest that fit their 25 columns.
// - Divisions: one for every 8 pixels of the tallest body column, 4 to 10.
// - Thickness: the widest half-thickness is a quarter of the tallest body
//   column (the body as wide as half its depth, as carp, trout and perch
//   are); two fifths for a body at least eight times as long as it is deep
//   (eels are nearly round). Seen from above, a column's half-width is the
//   widest one scaled by the column's height over the tallest's (its square
//   root ahead of the tallest column: a full head).
// - Eye: the darkest round spot in the head's third: a box darker by 30
//   levels of luma than the ring of boxes round it, all of it on the body,
//   whose dark blob is closed, not more than 1.6 times as long as wide and
//   fills half its box; its radius is where the colours round it meet the
//   skin (the median over 32 directions of the outermost sharp change). It
//   gives up when no spot is that dark, none is round, or the eye's radius
//   would be more than 0.3 of the tallest body column.
// - Whiskers and the pectoral fin stay to their tools: the pectoral fin
//   usually lies on the body's side, where no outline tells it apart.
// - A fish that cannot be told apart from its fins (no background round it,
//   or no part thicker than the rest) gets its whole outline as the body,
//   and a message that says so.

#include "EditorPicture.h"
#include "Fish.h"

#include <QStringList>

struct WholeFishTrace {
    Fish fish;               // the traced fish (the given fish where nothing was traced)
    bool traced = false;     // false: no fish in the picture, nothing changed
    bool separated = false;  // the fins were told apart from the body
    bool facesRight = false; // the fish seems to face right: the picture wants the flip
    int tolerance = 0;       // the background tolerance used (0: exact colour)
    int whiskers = 0;        // thin parts left to the whisker tool
    QStringList messages;    // what was traced and what was left to the tools
};

// Traces the whole fish on the picture, starting from `fish`: its body,
// tail, dorsal, ventral and anal lists, their ranges, steps and done flags,
// the tail position, divisions, thickness, front section and top view, and
// the eye where one is found, are replaced; the pectoral fin and the
// whisker keep what they had.
WholeFishTrace TraceWholeFish(const EditorPicture& picture, const Fish& fish);

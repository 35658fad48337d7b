#pragma once
// The body's thickness: the front cross-section (half an ellipse through the
// tallest body column) with its normals, the sideways depths of the ventral
// and pectoral fins, and the top-view half-width of every body column.

#include "Fish.h"

// Section, normals, VentralZ and PectoralZ from FrontColumn and the width
// setting S. Changes nothing while FrontColumn names no column of the body.
void BuildFrontSection(Fish& s, int S);

// TopPeakX, SectionMaxZ, TopX, TopW and TopPeakIndex from the widest point
// peakX and the body end E.
void BuildTopView(Fish& s, int E, int peakX);

// The normals of the section vertices 0..N.
void ComputeSectionNormals(Fish& s);

// Choices made when the front editor opens.
// FrontColumn: even index of the tallest body column (first of equals), -1 if none is taller than
// 0.
int ChooseFrontColumn(const Fish& s);
// VentralHighIndex and VentralLowIndex: the ventral entries with the smallest
// upper y (below the last row) and the largest lower y (above row 0). Without
// such an entry: 0 and VentralLast.
void ChooseVentralIndices(Fish& s, int picMaxY);
// PectoralOuterIndex: 2 if point 2 lies right of point 1, else 1.
int ChoosePectoralOuterIndex(const Fish& s);

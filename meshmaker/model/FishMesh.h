#pragma once
// The fish as triangles: the one place that says how a PGX file becomes a
// mesh. The 3-D view and every export take this mesh as it is.
//
// The file holds the fish's negative-z half; the mesh is the whole fish:
//   - body: the grid (column i, row j) and its mirror (z negated). Each grid
//     quad gives two triangles per half, wound counter-clockwise seen from
//     outside, split along the diagonal from (i + 1, j) to (i, j + 1), or
//     along the other one where that would leave a triangle lying flat on the
//     middle plane (the corner quads at the head and the tail). A vertex on
//     the middle plane (z = 0) is one vertex shared by both halves, and so
//     are neighbouring rows of a column at one position (a pointed head), so
//     a body whose top and bottom rows and end columns have zero depth is one
//     closed surface. Normals are the file's row normals (z negated on the
//     mirror); a shared vertex takes the mean of its triangles' normals
//     with z dropped (both halves' normals summed).
//   - tail, dorsal, anal: flat quads between neighbouring columns (entries
//     2k, 2k + 1, 2k + 2, 2k + 3), split along the diagonal from the lower
//     point of column k to the upper point of column k + 1, each quad present
//     twice, once facing each way, with vertices of its own per face. Each
//     face's triangles all look the same way: -z for the one seen from the
//     file's side (a strip whose columns cross over would otherwise fold
//     over itself);
//   - ventral, whisker: the same quads on the file's side and mirrored onto
//     the other; each face's triangles look along the sum of its normals;
//   - pectoral: the four corners as one quad (v0 v1 v2, v0 v2 v3), both faces,
//     on both sides. A corner that lies inside the body stands out from the
//     body's surface by its own depth instead (the file's root lies on the
//     middle plane, inside every body);
//   - eye: a half ellipsoid on each side, base radius the record's radius,
//     height its bulge, standing out of the body from the eye centre; 24
//     segments round and 4 rings from apex to rim. A centre that lies inside
//     the body is set on the body's surface at that point, so the eye is seen.
// No triangle has an area below LeastTriangleArea: such a triangle shows
// nothing and other programs call it degenerate, so it is left out (with the
// vertices only it used). Fin and eye normals come from their own triangles
// (the area-weighted mean round each vertex). A normal that has no direction
// falls back to the next rule and finally to a fixed axis, so every normal
// is a unit vector.
//
// Every vertex keeps the file's position exactly (file units, +y up), but for
// the lifted pectoral and eye depths; its texture coordinate is the picture
// point it came from (the positional transform inverted) divided by the
// picture's width and height, with v growing downwards as the picture's rows
// do. A part whose block is absent, or too short to make a quad (a single
// column), has no vertex and no triangle.

#include "PgxReader.h"

#include <QtGlobal>

#include <array>
#include <vector>

enum class FishPart : quint8 { Body, Tail, Dorsal, Anal, Ventral, Pectoral, Whisker, Eye };
inline constexpr int FishPartCount = 8;
inline constexpr std::array<FishPart, FishPartCount> FishParts = {
    FishPart::Body,    FishPart::Tail,     FishPart::Dorsal,  FishPart::Anal,
    FishPart::Ventral, FishPart::Pectoral, FishPart::Whisker, FishPart::Eye};

// "body", "tail", "dorsal", "anal", "ventral", "pectoral", "whisker", "eye".
const char* FishPartName(FishPart part);

// Whether the part's material is a fin's: painted shape on a see-through strip.
constexpr bool IsFin(FishPart part) {
    return part != FishPart::Body && part != FishPart::Eye;
}

// The least area of a triangle, in square file units: a millionth, 1/400 of
// a square picture pixel.
inline constexpr double LeastTriangleArea = 1e-6;

inline constexpr int EyeSegments = 24; // round the eye
inline constexpr int EyeRings = 4;     // from the apex to the rim

struct MeshVertex {
    std::array<float, 3> position; // file units
    std::array<float, 3> normal;   // unit length
    std::array<float, 2> texCoord; // picture x / width, picture y / height
};

struct MeshTriangle {
    std::array<quint32, 3> corners; // indices into FishMesh::vertices, counter-clockwise
    FishPart part;
};

// Where a part's vertices and triangles lie: parts follow each other in the
// order of FishParts, each contiguous in both lists.
struct PartRange {
    int firstVertex = 0, vertexCount = 0;
    int firstTriangle = 0, triangleCount = 0;
};

struct FishMesh {
    std::vector<MeshVertex> vertices;
    std::vector<MeshTriangle> triangles;
    std::array<PartRange, FishPartCount> parts{};

    const PartRange& range(FishPart part) const { return parts[size_t(part)]; }
};

// The mesh of a file the reader accepted.
FishMesh BuildFishMesh(const PgxFile& file);

// Whether every edge of the part's triangles belongs to exactly two of them
// (edges by vertex index): a closed surface, which needs no back faces.
bool IsClosedSurface(const FishMesh& mesh, FishPart part);

#pragma once
// The fish as a mask on a grid of cells, and the morphology that the
// whole-fish trace does on it: connected components, holes filled, the
// Euclidean distance transform and the opening with a disc. A cell is one
// picture pixel, or on large pictures a square of pixels (any fish pixel
// makes its cell fish), so that the cost follows the grid, not the picture.
// Used by WholeFishTrace; pure functions, no editor.

#include <QImage>
#include <QRgb>

#include <vector>

// A grid of byte cells, row by row.
struct CellGrid {
    int width = 0, height = 0;
    std::vector<quint8> cells;

    CellGrid() = default;
    CellGrid(int w, int h, quint8 value = 0) : width(w), height(h), cells(size_t(w) * h, value) {}
    quint8& at(int x, int y) { return cells[size_t(y) * width + x]; }
    quint8 at(int x, int y) const { return cells[size_t(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Which pixels of a picture are fish: every colour farther than `tolerance`
// on some channel from the background colour (with tolerance 0, every colour
// other than the background's, the editor's own rule). The last picture row
// is never fish, as the tracing tools never read it.
struct FishColours {
    QRgb background = 0;
    int tolerance = 0;
    bool isFish(QRgb c) const {
        if (tolerance == 0) return (c & 0x00FFFFFFu) != (background & 0x00FFFFFFu);
        return std::abs(qRed(c) - qRed(background)) > tolerance ||
               std::abs(qGreen(c) - qGreen(background)) > tolerance ||
               std::abs(qBlue(c) - qBlue(background)) > tolerance;
    }
};

// How far from pixel (0, 0)'s colour a background pixel strays, judged on
// the picture's border (its first and last columns, its first and last
// read rows): 0 when the border is of one colour, as in a painted picture;
// else a tolerance above the border's noise, for a scan or a lossy picture.
int BackgroundTolerance(const QImage& picture);

// The cells of `scale` x `scale` pixels that hold a fish pixel. picture is
// RGB32 or ARGB32 (alpha ignored).
CellGrid FishCells(const QImage& picture, const FishColours& colours, int scale);

// 8-connected components of the set cells: each set cell gets its component
// number 1..count, the others 0; sizes[k] is the size of component k
// (sizes[0] is 0).
struct Components {
    std::vector<int> label;
    std::vector<int> sizes;
    int largest() const; // the number of the largest component, 0 if none
};
Components LabelComponents(const CellGrid& mask);

// Only the cells of one component of `mask` stay set.
CellGrid KeepComponent(const Components& components, int component, int width, int height);

// Sets the clear cells that are not 4-connected to the grid's border (the
// holes), those of every hole of at most `smallest` or at least `largest`
// cells: a speck of background colour inside the fish, or the inside of a
// fish drawn as an outline, but not the water seen between fins that touch.
void FillHoles(CellGrid& mask, qint64 smallest, qint64 largest);

// Squared Euclidean distance, in cells, from every cell to the nearest cell
// for which `isSource` holds; cells outside the grid are sources when
// outsideIsSource. Where there is no source at all: a huge value.
std::vector<float> SquaredDistances(const CellGrid& grid, bool sourcesAreClear,
                                    bool outsideIsSource);

// The opening of mask with a disc of the given radius (cells): the union of
// the discs of that radius that lie inside the mask. distanceToClear is
// SquaredDistances(mask, true, true).
CellGrid OpenWithDisc(const CellGrid& mask, const std::vector<float>& distanceToClear,
                      double radius);

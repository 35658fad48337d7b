#pragma once
// Everything the editor knows about the fish being traced. One object per
// program run, owned by the main window's logic (TForm1), zero-filled at start.
//
// Coordinates are picture pixels of the opened picture: x to the right, y
// downwards, origin at the top-left pixel, held as doubles.
//
// Column-pair lists (body outline and every fin strip) share one layout:
// column k occupies entries 2k (upper point) and 2k+1 (lower point) with equal
// x; after a build X[Last+1] holds the end marker -1.0 and Last is
// 2 * columns - 1 (so -1 for a list built with no column). A list that was
// never built, or was cleared with its check box, has Last 0.

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>

// Capacities of the lists, in entries (two per column).
inline constexpr int BodyCapacity = 501; // 250 columns and the end marker
inline constexpr int StripCapacity = 51; // 25 columns and the end marker
inline constexpr int BodyMaxColumns = (BodyCapacity - 1) / 2;
inline constexpr int StripMaxColumns = (StripCapacity - 1) / 2;
inline constexpr int MaxDivisions = 10; // N, the vertical division count
inline constexpr int SectionCapacity = MaxDivisions + 1;
inline constexpr int TopCapacity = BodyMaxColumns; // one top-view entry per body column

// The tool modes: what the side view shows and what the mouse does there.
enum ToolModes : int {
    ModeNone = 0,
    ModeBody = 1,
    ModeTail = 2,
    ModeDorsal = 3,
    ModeVentral = 4,
    ModeAnal = 5,
    ModePectoral = 6,
    ModeFront = 7,
    ModeWhisker = 8,
    ModeEye = 9,
    ModeDorsalRange = 103,
    ModeVentralRange = 104,
    ModeAnalRange = 105,
    ModePectoralPlacing = 106,
    ModeWhiskerRange = 108,
    ModeEyePlaced = 109,
};

// A rectangle dragged on the side view, in picture pixels.
struct RangeRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

using BodyArray = std::array<double, BodyCapacity>;
using StripArray = std::array<double, StripCapacity>;
using SectionArray = std::array<double, SectionCapacity>;
using TopArray = std::array<double, TopCapacity>;
using Normal = std::array<float, 3>;

struct EditorState {
    // Picture and views
    QString PicturePath;  // full path of the opened picture; empty until the first open
    QImage PictureBitmap; // the picture as loaded (RGB32), never changed
    QImage DimmedBitmap;  // the picture with every channel halved in the working area
    int PicMaxX = 0;      // picture width - 1
    int PicMaxY = 0;      // picture height - 1
    int Zoom = 0;         // 0 until a picture is opened, then 1, 2, 4 or 8

    // Tool state
    int ToolMode = ModeNone;
    int DragIndex = 0;          // picked point, or -1; counts pectoral clicks in mode 106
    std::array<int, 9> Steps{}; // [1..5] horizontal steps of modes 1..5, [7] = N

    // Done flags (mirrored by CheckBox1..CheckBox9)
    bool BodyDone = false, TailDone = false, DorsalDone = false, VentralDone = false,
         AnalDone = false, PectoralDone = false, FrontOn = false, WhiskerOn = false,
         EyeSolid = false, TopViewOn = false;

    // Column-pair lists
    BodyArray BodyX{}, BodyY{};
    int BodyLast = 0;
    StripArray TailX{}, TailY{};
    int TailLast = 0;
    StripArray DorsalX{}, DorsalY{}; // Y pair: fin edge, body top
    int DorsalLast = 0;
    StripArray VentralX{}, VentralY{}, VentralZ{}; // Y pair: top, bottom; Z: sideways depth
    int VentralLast = 0;
    StripArray AnalX{}, AnalY{}; // Y pair: body bottom, fin edge
    int AnalLast = 0;
    StripArray WhiskerX{}, WhiskerY{}; // Y pair: body bottom, whisker end
    int WhiskerLast = 0;

    RangeRect DorsalRange, VentralRange, AnalRange;
    RangeRect WhiskerRange; // press point, release point; not sorted

    // Pectoral-fin triangle: three clicked points (in click order) and their depths
    std::array<double, 3> PectoralX{}, PectoralY{}, PectoralZ{};
    int PectoralOuterIndex = 0;

    // Front section and top view
    SectionArray SectionY{}, SectionZ{};
    std::array<Normal, SectionCapacity> SectionNormals{};
    int FrontColumn = 0; // even index into BodyY of the tallest column, or -1
    double SectionMaxZ = 0;
    int VentralHighIndex = 0, VentralLowIndex = 0;
    TopArray TopX{}, TopW{};
    int TopPeakIndex = 0;
    double TopPeakX = 0;

    // Eye
    double EyeX = 0, EyeY = 0, EyeZ = 0, EyeRadius = 0, EyeBulge = 0;

    int N() const { return Steps[7]; }
    int BodyColumns() const { return (BodyLast + 1) / 2; }
    bool HasPicture() const { return !PictureBitmap.isNull(); }
};

// The points a side-view tool shows and edits: the list of its mode, the
// pectoral triangle counting as a list of three points. Empty (Last -1) in
// the other modes.
template <typename Value> struct PointList {
    Value* X = nullptr;
    Value* Y = nullptr;
    int Last = -1; // never past the list's capacity
};

inline PointList<double> ListOfMode(EditorState& s, int mode) {
    auto list = [](auto& xs, auto& ys, int last) {
        return PointList<double>{xs.data(), ys.data(), std::min(last, int(xs.size()) - 1)};
    };
    switch (mode) {
    case ModeBody:
        return list(s.BodyX, s.BodyY, s.BodyLast);
    case ModeTail:
        return list(s.TailX, s.TailY, s.TailLast);
    case ModeDorsal:
        return list(s.DorsalX, s.DorsalY, s.DorsalLast);
    case ModeVentral:
        return list(s.VentralX, s.VentralY, s.VentralLast);
    case ModeAnal:
        return list(s.AnalX, s.AnalY, s.AnalLast);
    case ModePectoral:
        return list(s.PectoralX, s.PectoralY, 2);
    case ModeWhisker:
        return list(s.WhiskerX, s.WhiskerY, s.WhiskerLast);
    default:
        return {};
    }
}

inline PointList<const double> ListOfMode(const EditorState& s, int mode) {
    const auto list = ListOfMode(const_cast<EditorState&>(s), mode);
    return {list.X, list.Y, list.Last};
}

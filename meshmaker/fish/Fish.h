#pragma once
// The fish being traced, as one value: everything that a save writes and
// everything that the tools build on, apart from the picture (which never
// changes once opened) and from the interaction state (tool mode, zoom, the
// picks). Copying a fish is a plain copy of a few tens of kilobytes; undo and
// the editing session keep whole copies.
//
// Coordinates are picture pixels of the opened picture: x to the right, y
// downwards, origin at the top-left pixel, held as doubles.
//
// Column-pair lists (body outline and every fin strip) share one layout:
// column k occupies entries 2k (upper point) and 2k+1 (lower point) with equal
// x; after a build X[Last+1] holds the end marker -1.0 and Last is
// 2 * columns - 1 (so -1 for a list built with no column). A list that was
// never built, or was cleared with its check box, has Last 0.

#include <QRgb>

#include <array>

// Capacities of the lists, in entries (two per column).
inline constexpr int BodyCapacity = 501; // 250 columns and the end marker
inline constexpr int StripCapacity = 51; // 25 columns and the end marker
inline constexpr int BodyMaxColumns = (BodyCapacity - 1) / 2;
inline constexpr int StripMaxColumns = (StripCapacity - 1) / 2;
inline constexpr int MaxDivisions = 10; // N, the vertical division count
inline constexpr int SectionCapacity = MaxDivisions + 1;
inline constexpr int TopCapacity = BodyMaxColumns; // one top-view entry per body column

// A rectangle dragged on the side view, in picture pixels.
struct RangeRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

using BodyArray = std::array<double, BodyCapacity>;
using StripArray = std::array<double, StripCapacity>;
using SectionArray = std::array<double, SectionCapacity>;
using TopArray = std::array<double, TopCapacity>;
using Normal = std::array<float, 3>;

// The eye designer's two sliders: their ranges, and where they stand before
// the user has moved them.
inline constexpr int MinEyeShape = 1, MaxEyeShape = 30;
inline constexpr int MinEyePosition = 0, MaxEyePosition = 300;
inline constexpr int DefaultEyeShape = 10;
inline constexpr int DefaultEyePosition = 100;
// The rear colour of an eye never shaped in the designer: white.
inline constexpr QRgb DefaultEyeRearColour = 0x00FFFFFFu;

struct Fish {
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

    // Done flags, each shown by its check box
    bool BodyDone = false, TailDone = false, DorsalDone = false, VentralDone = false,
         AnalDone = false, PectoralDone = false, FrontOn = false, WhiskerOn = false,
         EyeSolid = false, TopViewOn = false;

    // Eye: centre, depth, radius and bulge in picture pixels; the designer's
    // shape and position settings and the colour of the eye's back as
    // confirmed there. EyeConfirmed: the designer's OK has confirmed the eye
    // since it was last cleared (its check box shows EyeSolid only then).
    double EyeX = 0, EyeY = 0, EyeZ = 0, EyeRadius = 0, EyeBulge = 0;
    int EyeShape = DefaultEyeShape, EyePosition = DefaultEyePosition;
    QRgb EyeRearColour = DefaultEyeRearColour;
    bool EyeConfirmed = false;

    // Settings. Steps[slot] is the horizontal step of a part (StepSlot below).
    std::array<int, 7> Steps{};
    int Divisions = 0;              // N, the vertical division count
    int TailPosition = 0;           // E: where the body ends and the tail begins (ScrollBar1)
    int Thickness = 5;              // S: the body's thickness setting (ScrollBar2)
    int PeakPosition = 0;           // x of the widest point seen from above (ScrollBar4)
    int PeakMin = 0, PeakMax = 100; // its range, set when the top view opens

    int N() const { return Divisions; }
    int BodyColumns() const { return (BodyLast + 1) / 2; }

    // Equal fish hold the same bits in every field, so with one picture they
    // save the same file (a depth of -0.0 is not equal to 0.0: the file
    // tells them apart).
    friend bool operator==(const Fish& a, const Fish& b);
};

// The parts of the fish, each shaped by one tool of the editor; None is no
// part at all (no tool in use).
enum class Part {
    None,
    Body,
    Tail,
    Dorsal,
    Ventral,
    Anal,
    Pectoral,
    Whisker,
    Section,
    TopView,
    Eye
};

// The slots of Steps: the horizontal step of each part that is cut into
// columns (the numbers the form has always given them). NoToolStep keeps
// what is typed into the step field with no tool in use; the pectoral slot
// is set when a picture opens and never read.
enum StepSlot : int {
    NoToolStep,
    BodyStep,
    TailStep,
    DorsalStep,
    VentralStep,
    AnalStep,
    PectoralStep
};

// The points of a part that the side view shows and edits: its column-pair
// list, the pectoral triangle counting as a list of three points. Empty
// (Last -1) for the parts without points on the side view.
template <typename Value> struct PointList {
    Value* X = nullptr;
    Value* Y = nullptr;
    int Last = -1; // never past the list's capacity
};

PointList<double> PointsOf(Fish& fish, Part part);
PointList<const double> PointsOf(const Fish& fish, Part part);

// Calls visit(key, member pointer, since) for every field of the fish, in
// the order of the declaration: the one list of what a fish holds, for the
// comparison and for the editing session, which stores every field under
// its key. A key is written once, here, and never changes: every session
// that was ever saved holds it, whatever the member is called now. A field
// added to the fish gets a key of its own and, in since, the session version
// that brings it (a new SessionVersion, files/EditingSession.h); a session of
// an older version, which lacks that key, gives the field the value a new
// fish has.
template <typename Visit> void VisitFishFields(Visit&& visit) {
    // The keys of version 1, the editor's first session.
    constexpr int First = 1;
    visit("BodyX", &Fish::BodyX, First), visit("BodyY", &Fish::BodyY, First);
    visit("BodyLast", &Fish::BodyLast, First);
    visit("TailX", &Fish::TailX, First), visit("TailY", &Fish::TailY, First);
    visit("TailLast", &Fish::TailLast, First);
    visit("DorsalX", &Fish::DorsalX, First), visit("DorsalY", &Fish::DorsalY, First);
    visit("DorsalLast", &Fish::DorsalLast, First);
    visit("VentralX", &Fish::VentralX, First), visit("VentralY", &Fish::VentralY, First);
    visit("VentralZ", &Fish::VentralZ, First), visit("VentralLast", &Fish::VentralLast, First);
    visit("AnalX", &Fish::AnalX, First), visit("AnalY", &Fish::AnalY, First);
    visit("AnalLast", &Fish::AnalLast, First);
    visit("WhiskerX", &Fish::WhiskerX, First), visit("WhiskerY", &Fish::WhiskerY, First);
    visit("WhiskerLast", &Fish::WhiskerLast, First);
    visit("DorsalRange", &Fish::DorsalRange, First);
    visit("VentralRange", &Fish::VentralRange, First);
    visit("AnalRange", &Fish::AnalRange, First);
    visit("WhiskerRange", &Fish::WhiskerRange, First);
    visit("PectoralX", &Fish::PectoralX, First), visit("PectoralY", &Fish::PectoralY, First);
    visit("PectoralZ", &Fish::PectoralZ, First);
    visit("PectoralOuterIndex", &Fish::PectoralOuterIndex, First);
    visit("SectionY", &Fish::SectionY, First), visit("SectionZ", &Fish::SectionZ, First);
    visit("SectionNormals", &Fish::SectionNormals, First);
    visit("FrontColumn", &Fish::FrontColumn, First);
    visit("SectionMaxZ", &Fish::SectionMaxZ, First);
    visit("VentralHighIndex", &Fish::VentralHighIndex, First);
    visit("VentralLowIndex", &Fish::VentralLowIndex, First);
    visit("TopX", &Fish::TopX, First), visit("TopW", &Fish::TopW, First);
    visit("TopPeakIndex", &Fish::TopPeakIndex, First);
    visit("TopPeakX", &Fish::TopPeakX, First);
    visit("BodyDone", &Fish::BodyDone, First), visit("TailDone", &Fish::TailDone, First);
    visit("DorsalDone", &Fish::DorsalDone, First);
    visit("VentralDone", &Fish::VentralDone, First);
    visit("AnalDone", &Fish::AnalDone, First);
    visit("PectoralDone", &Fish::PectoralDone, First);
    visit("FrontOn", &Fish::FrontOn, First), visit("WhiskerOn", &Fish::WhiskerOn, First);
    visit("EyeSolid", &Fish::EyeSolid, First), visit("TopViewOn", &Fish::TopViewOn, First);
    visit("EyeX", &Fish::EyeX, First), visit("EyeY", &Fish::EyeY, First);
    visit("EyeZ", &Fish::EyeZ, First), visit("EyeRadius", &Fish::EyeRadius, First);
    visit("EyeBulge", &Fish::EyeBulge, First), visit("EyeShape", &Fish::EyeShape, First);
    visit("EyePosition", &Fish::EyePosition, First);
    visit("EyeRearColour", &Fish::EyeRearColour, First);
    visit("EyeConfirmed", &Fish::EyeConfirmed, First);
    visit("Steps", &Fish::Steps, First), visit("Divisions", &Fish::Divisions, First);
    visit("TailPosition", &Fish::TailPosition, First);
    visit("Thickness", &Fish::Thickness, First);
    visit("PeakPosition", &Fish::PeakPosition, First);
    visit("PeakMin", &Fish::PeakMin, First), visit("PeakMax", &Fish::PeakMax, First);
}

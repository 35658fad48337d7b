#pragma once
// The PGX mesh file's layout, written down once: the magic, where each header
// field lies, the file unit and the sign rules of the positional transform,
// the order of the blocks and the size their counts give. The reader follows
// it; the writer can take its constants from here as well.
//
// Little-endian throughout, no padding; a vertex is three 32-bit floats. One
// file unit is 50 picture pixels, the origin is the picture's centre, y grows
// upwards and depths are stored negated, so the file holds the fish's half on
// the negative-z side of the plane z = 0.

#include <QRgb>
#include <QtGlobal>

#include <array>

namespace Pgx {

inline constexpr char Magic[] = "PGDX f00";
inline constexpr int MagicSize = 8;
inline constexpr int HeaderSize = 40;
inline constexpr int VertexSize = 12;    // three floats x, y, z
inline constexpr double FileUnit = 50.0; // picture pixels per file unit

// Byte offsets of the header fields.
namespace Offset {
inline constexpr int Zero = 8;         // u8, always 0
inline constexpr int EyeFlag = 9;      // u8: 1 when the eye record ends the file
inline constexpr int NoPectoral = 10;  // u8: 1 when the pectoral block is ABSENT
inline constexpr int WhiskerLast = 11; // u8: the whiskers' last index (low 8 bits)
inline constexpr int Background = 12;  // u32 0x00BBGGRR, the picture's pixel (0, 0)
inline constexpr int Width = 16;       // i16, picture width in pixels
inline constexpr int Height = 18;      // i16, picture height in pixels
inline constexpr int TailRoot = 20;    // i16, the column where the body ends
inline constexpr int LastColumn = 22;  // i16, body columns - 1
inline constexpr int Divisions = 24;   // i16, N; each column has N + 1 rows
inline constexpr int GridCount = 26;   // i16, columns x (N + 1), the body-grid vertices
inline constexpr int TailLast = 28;    // i16 last indices of the strips: the head lists
inline constexpr int DorsalLast = 30;  // ventral before anal, the blocks come the
inline constexpr int VentralLast = 32; // other way round (see BlockOrder)
inline constexpr int AnalLast = 34;
inline constexpr int WidthMinusTail = 36; // f32, (W - 1) - tail root / 100
} // namespace Offset

// The blocks after the head, in the order they follow each other.
enum class Block { Normals, Grid, Tail, Dorsal, Anal, Ventral, Pectoral, Whiskers, Eye };
inline constexpr std::array<Block, 9> BlockOrder = {
    Block::Normals, Block::Grid,     Block::Tail,     Block::Dorsal, Block::Anal,
    Block::Ventral, Block::Pectoral, Block::Whiskers, Block::Eye};

inline const char* BlockName(Block b) {
    switch (b) {
    case Block::Normals:
        return "normal";
    case Block::Grid:
        return "body-grid";
    case Block::Tail:
        return "tail";
    case Block::Dorsal:
        return "dorsal";
    case Block::Anal:
        return "anal";
    case Block::Ventral:
        return "ventral";
    case Block::Pectoral:
        return "pectoral";
    case Block::Whiskers:
        return "whisker";
    case Block::Eye:
        return "eye";
    }
    return "";
}

inline constexpr int PectoralVertices = 4; // the first click half a pixel lower, then the clicks
inline constexpr int EyeVertices = 2;      // the centre, then (radius, bulge, 0) untransformed
inline constexpr int EyeRecordSize = EyeVertices * VertexSize + 4; // and the rear colour

// The counts the format can carry. They are the editor's own capacities: a
// file beyond them was not written by the editor, and refusing it bounds
// every allocation and every loop of a reader by a few thousand vertices.
//   - 250 body columns: the body list holds 250 columns and its end marker;
//   - N at most 10: the division field caps it, the section holds 11 rows;
//   - strips of 51 entries, the last one the end marker, so a strip's last
//     index is at most 49 (25 columns). A last index is -1 for a strip built
//     with no column, 0 for none, else odd: two entries per column.
// All of them fit the 16-bit header fields (and the whiskers' 8-bit one).
inline constexpr int MaxColumns = 250;
inline constexpr int MaxDivisions = 10;
inline constexpr int MaxStripLast = 49;

// Vertices further than this from the centre (in file units, 50 million
// pixels) are no fish: no 16-bit picture comes near. Refusing them keeps every
// product and sum a mesh forms from them finite in single precision.
inline constexpr float MaxCoordinate = 1.0e6f;

// Whether a strip block is present for a last index (also the whiskers').
constexpr bool StripPresent(int last) {
    return last > 0;
}

// The block's size in bytes for the counts of a file. The file's size is
// HeaderSize + the sum over every block.
struct Counts {
    int columns = 0, divisions = 0;
    int tailLast = 0, dorsalLast = 0, analLast = 0, ventralLast = 0, whiskerLast = 0;
    bool pectoral = false, eye = false;
};

constexpr qint64 BlockSize(Block b, const Counts& c) {
    auto strip = [](int last) { return StripPresent(last) ? qint64(VertexSize) * (last + 1) : 0; };
    switch (b) {
    case Block::Normals:
        return qint64(VertexSize) * (c.divisions + 1);
    case Block::Grid:
        return qint64(VertexSize) * c.columns * (c.divisions + 1);
    case Block::Tail:
        return strip(c.tailLast);
    case Block::Dorsal:
        return strip(c.dorsalLast);
    case Block::Anal:
        return strip(c.analLast);
    case Block::Ventral:
        return strip(c.ventralLast);
    case Block::Pectoral:
        return c.pectoral ? PectoralVertices * VertexSize : 0;
    case Block::Whiskers:
        return strip(c.whiskerLast);
    case Block::Eye:
        return c.eye ? EyeRecordSize : 0;
    }
    return 0;
}

// 40 + 12 (N + 1)(C + 1) + 12 x the present strips' vertices + 48 with the
// pectoral fin + 28 with the eye.
constexpr qint64 FileSize(const Counts& c) {
    qint64 size = HeaderSize;
    for (Block b : BlockOrder) size += BlockSize(b, c);
    return size;
}

// The positional transform between picture pixels and file units. The
// centring constants are cx = (W - 1) / 50 / 2 and cy = (H - 1) / 50 / 2;
// every value is computed in double and rounded to float once, when stored.
struct Transform {
    double cx = 0, cy = 0;
    static Transform ForPicture(int width, int height) {
        return {(width - 1) / FileUnit / 2, (height - 1) / FileUnit / 2};
    }
    float x(double px) const { return float(px / FileUnit - cx); }
    float y(double py) const { return float(cy - py / FileUnit); }
    // A depth is stored with its sign flipped (a zero depth is -0.0); where
    // the format fixes z at zero it is +0.0.
    static float z(double depth) { return -float(depth / FileUnit); }

    // The picture point a file position came from.
    double pictureX(double x) const { return (x + cx) * FileUnit; }
    double pictureY(double y) const { return (cy - y) * FileUnit; }
};

// Colours are 0x00BBGGRR in the file (bytes red, green, blue, 0).
constexpr quint32 FileColour(QRgb c) {
    return quint32(qRed(c)) | quint32(qGreen(c)) << 8 | quint32(qBlue(c)) << 16;
}
constexpr QRgb RgbOfFileColour(quint32 c) {
    return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

} // namespace Pgx

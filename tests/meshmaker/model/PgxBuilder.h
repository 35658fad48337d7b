#pragma once
// PGX bytes made in the tests, through the format's layout: the fields of a
// PgxFile written where PgxFormat.h puts them, the blocks in its order. With
// the reader this gives the round trip bytes -> file -> bytes, and fixtures
// that no editor state could make (malformed files, hand-shaped fish).

#include "PgxFormat.h"
#include "PgxReader.h"

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace test {

inline void PutI16(QByteArray& b, int at, int v) {
    qToLittleEndian(quint16(v & 0xFFFF), b.data() + at);
}
inline void PutU32(QByteArray& b, qint64 at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
inline void PutF32(QByteArray& b, qint64 at, float v) {
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    PutU32(b, at, bits);
}

// The bytes of a file: the head from the fields as they stand, then every
// block vector that the head's counts say is present (whatever its length).
inline QByteArray BuildPgx(const PgxFile& f) {
    QByteArray b(Pgx::HeaderSize, '\0');
    std::memcpy(b.data(), Pgx::Magic, Pgx::MagicSize);
    b[Pgx::Offset::EyeFlag] = char(f.eyeFlag);
    b[Pgx::Offset::NoPectoral] = char(f.noPectoral);
    b[Pgx::Offset::WhiskerLast] = char(f.whiskerByte);
    PutU32(b, Pgx::Offset::Background, f.background);
    PutI16(b, Pgx::Offset::Width, f.width);
    PutI16(b, Pgx::Offset::Height, f.height);
    PutI16(b, Pgx::Offset::TailRoot, f.tailRoot);
    PutI16(b, Pgx::Offset::LastColumn, f.lastColumn);
    PutI16(b, Pgx::Offset::Divisions, f.n);
    PutI16(b, Pgx::Offset::GridCount, f.gridCount);
    PutI16(b, Pgx::Offset::TailLast, f.tailLast);
    PutI16(b, Pgx::Offset::DorsalLast, f.dorsalLast);
    PutI16(b, Pgx::Offset::VentralLast, f.ventralLast);
    PutI16(b, Pgx::Offset::AnalLast, f.analLast);
    PutF32(b, Pgx::Offset::WidthMinusTail, f.widthMinusTail);
    auto put = [&](const std::vector<PgxVertex>& vs) {
        for (const PgxVertex& v : vs)
            for (float c : v) {
                const qint64 at = b.size();
                b.resize(at + 4);
                PutF32(b, at, c);
            }
    };
    put(f.normals);
    put(f.grid);
    if (f.tailLast > 0) put(f.tail);
    if (f.dorsalLast > 0) put(f.dorsal);
    if (f.analLast > 0) put(f.anal);
    if (f.ventralLast > 0) put(f.ventral);
    if (f.noPectoral == 0) put(f.pectoral);
    if (f.whiskerByte > 0) put(f.whiskers);
    if (f.eyeFlag == 1) {
        put(f.eye);
        const qint64 at = b.size();
        b.resize(at + 4);
        PutU32(b, at, f.eyeColour);
    }
    return b;
}

// What to put on a hand-shaped fish.
struct FishShape {
    int columns = 12, n = 4;
    int tailColumns = 3, dorsalColumns = 4, analColumns = 3, ventralColumns = 2, whiskerColumns = 2;
    bool pectoral = true, eye = true;
    bool flat = false; // every depth zero, as before the top view is built
};

// A fish as the editor shapes one, made directly in file units on a
// 401 x 201 picture: an elliptic section over columns from the head to the
// tail root, zero depth (-0.0) on the top and bottom rows and +0.0 on the end
// columns; strips of column pairs on the outline.
inline PgxFile ShapedFish(const FishShape& shape = {}) {
    constexpr int width = 401, height = 201;
    const Pgx::Transform t = Pgx::Transform::ForPicture(width, height);
    PgxFile f;
    f.magic = Pgx::Magic;
    f.background = 0x00F0D8B0;
    f.width = width, f.height = height, f.tailRoot = 300;
    f.lastColumn = shape.columns - 1, f.n = shape.n, f.gridCount = shape.columns * (shape.n + 1);
    f.widthMinusTail = float((width - 1) - 300 / 100.0);
    for (int j = 0; j <= shape.n; ++j) {
        const double a = M_PI * j / shape.n; // 0 at the top, pi at the bottom
        f.normals.push_back({0.0f, float(std::cos(a)), float(-std::sin(a))});
    }
    auto top = [](double px) { return 100 - 60 * std::sin(M_PI * px / 300); };
    auto bottom = [](double px) { return 100 + 50 * std::sin(M_PI * px / 300); };
    for (int i = 0; i < shape.columns; ++i) {
        const double px = shape.columns == 1 ? 0 : 300.0 * i / (shape.columns - 1);
        const double width = std::sin(M_PI * px / 300); // top-view ratio
        for (int j = 0; j <= shape.n; ++j) {
            const double a = M_PI * j / shape.n;
            const double py = top(px) + (bottom(px) - top(px)) * (1 - std::cos(a)) / 2;
            const bool end = i == 0 || i == shape.columns - 1;
            const bool edge = j == 0 || j == shape.n; // the section ends at zero depth
            const double depth = shape.flat || edge ? 0 : 40 * width * std::sin(a);
            f.grid.push_back({t.x(px), t.y(py), end ? 0.0f : Pgx::Transform::z(depth)});
        }
    }
    // A strip of columns from x0 to x1, each pair from py0(x) to py1(x).
    auto strip = [&](int columns, double x0, double x1, auto py0, auto py1, double depth,
                     std::vector<PgxVertex>& out, int& last) {
        if (columns <= 0) return;
        for (int k = 0; k < columns; ++k) {
            const double px = columns == 1 ? x0 : x0 + (x1 - x0) * k / (columns - 1);
            out.push_back({t.x(px), t.y(py0(px)), 0.0f});
            out.push_back({t.x(px), t.y(py1(px)), depth == 0 ? 0.0f : Pgx::Transform::z(depth)});
        }
        last = 2 * columns - 1;
    };
    strip(
        shape.tailColumns, 300, 398, [](double px) { return 100 - (px - 290); },
        [](double px) { return 100 + (px - 290); }, 0, f.tail, f.tailLast);
    strip(
        shape.dorsalColumns, 140, 230, [](double) { return 10.0; }, top, 0, f.dorsal, f.dorsalLast);
    strip(
        shape.analColumns, 220, 279, bottom, [](double) { return 164.0; }, 0, f.anal, f.analLast);
    strip(
        shape.ventralColumns, 121, 169, bottom, [](double) { return 191.0; }, 30, f.ventral,
        f.ventralLast);
    int whiskerLast = 0;
    strip(
        shape.whiskerColumns, 3, 18, [](double) { return 104.0; }, [](double) { return 123.0; }, 0,
        f.whiskers, whiskerLast);
    for (size_t k = 1; k < f.whiskers.size(); k += 2) f.whiskers[k][2] = float((104 - 123) / 50.0);
    f.whiskerByte = whiskerLast;
    f.noPectoral = shape.pectoral ? 0 : 1;
    if (shape.pectoral)
        f.pectoral = {{t.x(82), t.y(101.5), Pgx::Transform::z(0)},
                      {t.x(82), t.y(101), Pgx::Transform::z(0)},
                      {t.x(124), t.y(104), Pgx::Transform::z(20)},
                      {t.x(100), t.y(126), Pgx::Transform::z(10)}};
    f.eyeFlag = shape.eye ? 1 : 0;
    if (shape.eye) {
        f.eye = {{t.x(45), t.y(82), Pgx::Transform::z(30)}, {8 / 50.0f, 4 / 50.0f, 0.0f}};
        f.eyeColour = 0x00203040;
    }
    return f;
}

} // namespace test

#pragma once
// A reader of PGX files as the display product reads them, block by block
// from the counts in the head. The tests read back what the editor wrote.

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace test {

using Vertex = std::array<float, 3>;

struct PgxFile {
    std::string magic;
    int eyeFlag = 0, noPectoral = 0, whiskerByte = 0;
    quint32 background = 0;
    int width = 0, height = 0, tailRoot = 0, lastColumn = 0, n = 0, gridCount = 0;
    int tailLast = 0, dorsalLast = 0, ventralLast = 0, analLast = 0;
    float widthMinusTail = 0;
    std::vector<Vertex> normals, grid, tail, dorsal, anal, ventral, pectoral, whiskers;
    std::vector<Vertex> eye;
    quint32 eyeColour = 0;
};

class PgxCursor {
public:
    explicit PgxCursor(const QByteArray& b) : b_(b) {}
    bool has(qint64 n) const { return at_ + n <= b_.size(); }
    int u8() { return quint8(b_[at_++]); }
    int i16() {
        const auto v = qFromLittleEndian<qint16>(b_.constData() + at_);
        at_ += 2;
        return v;
    }
    quint32 u32() {
        const auto v = qFromLittleEndian<quint32>(b_.constData() + at_);
        at_ += 4;
        return v;
    }
    float f32() {
        const quint32 bits = u32();
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    bool vertices(int count, std::vector<Vertex>& out) {
        if (count < 0 || !has(qint64(count) * 12)) return false;
        for (int i = 0; i < count; ++i) out.push_back({f32(), f32(), f32()});
        return true;
    }
    qint64 at() const { return at_; }

private:
    const QByteArray& b_;
    qint64 at_ = 0;
};

// Reads a whole file; nothing when a block runs past the end or bytes are left over.
inline std::optional<PgxFile> ReadPgx(const QByteArray& bytes) {
    PgxFile f;
    PgxCursor c(bytes);
    if (!c.has(40)) return std::nullopt;
    f.magic.assign(bytes.constData(), 8);
    for (int i = 0; i < 8; ++i) c.u8();
    if (c.u8() != 0) return std::nullopt;
    f.eyeFlag = c.u8();
    f.noPectoral = c.u8();
    f.whiskerByte = c.u8();
    f.background = c.u32();
    f.width = c.i16(), f.height = c.i16(), f.tailRoot = c.i16(), f.lastColumn = c.i16();
    f.n = c.i16(), f.gridCount = c.i16();
    f.tailLast = c.i16(), f.dorsalLast = c.i16(), f.ventralLast = c.i16(), f.analLast = c.i16();
    f.widthMinusTail = c.f32();
    if (!c.vertices(f.n + 1, f.normals)) return std::nullopt;
    if (!c.vertices(f.gridCount, f.grid)) return std::nullopt;
    auto strip = [&](int last, std::vector<Vertex>& out) {
        return last <= 0 || c.vertices(last + 1, out);
    };
    if (!strip(f.tailLast, f.tail) || !strip(f.dorsalLast, f.dorsal) ||
        !strip(f.analLast, f.anal) || !strip(f.ventralLast, f.ventral))
        return std::nullopt;
    if (f.noPectoral == 0 && !c.vertices(4, f.pectoral)) return std::nullopt;
    if (f.whiskerByte > 0 && !c.vertices(f.whiskerByte + 1, f.whiskers)) return std::nullopt;
    if (f.eyeFlag == 1) {
        if (!c.vertices(2, f.eye) || !c.has(4)) return std::nullopt;
        f.eyeColour = c.u32();
    }
    if (c.at() != bytes.size()) return std::nullopt;
    return f;
}

// Reads a whole file from disk; nothing when it is missing or unreadable as a PGX file.
inline std::optional<PgxFile> ReadPgxFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return ReadPgx(f.readAll());
}

} // namespace test

// Reading a PGX file back, trusting nothing in it; the mesh, the 3-D view,
// the commands and the session's read-back check use it.

#include "PgxReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

using namespace Pgx;

// The largest file the format's limits allow; nothing longer is read at all.
constexpr qint64 LargestFile = FileSize({MaxColumns, MaxDivisions, MaxStripLast, MaxStripLast,
                                         MaxStripLast, MaxStripLast, MaxStripLast, true, true});

struct Refusal {
    qint64 offset;
    QString message;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    int u8(int at) const { return quint8(bytes_[at]); }
    int i16(int at) const { return qFromLittleEndian<qint16>(bytes_.constData() + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(bytes_.constData() + at); }
    float f32(qint64 at) const {
        const quint32 bits = u32(at);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    // count vertices from offset at, each coordinate finite and within the
    // format's range. The caller has checked that the bytes are there.
    std::vector<PgxVertex> vertices(qint64 at, int count, Block block) const {
        std::vector<PgxVertex> out(static_cast<size_t>(count));
        for (int k = 0; k < count; ++k)
            for (int c = 0; c < 3; ++c) {
                const qint64 where = at + qint64(k) * VertexSize + 4 * c;
                const float v = f32(where);
                if (!std::isfinite(v))
                    throw Refusal{where, QCoreApplication::translate(
                                             "PgxReader", "vertex %1 of the %2 block is %3")
                                             .arg(k)
                                             .arg(BlockName(block))
                                             .arg(std::isnan(v) ? "NaN" : "infinite")};
                if (std::fabs(v) > MaxCoordinate)
                    throw Refusal{where,
                                  QCoreApplication::translate(
                                      "PgxReader", "vertex %1 of the %2 block lies %3 file units "
                                                   "out, beyond the %4 any picture can give")
                                      .arg(k)
                                      .arg(BlockName(block))
                                      .arg(double(v))
                                      .arg(double(MaxCoordinate))};
                out[size_t(k)][size_t(c)] = v;
            }
        return out;
    }

private:
    const QByteArray& bytes_;
};

void RequireFlag(int value, int offset, const char* what) {
    if (value != 0 && value != 1)
        throw Refusal{offset,
                      QCoreApplication::translate("PgxReader", "the %1 flag is %2, not 0 or 1")
                          .arg(what)
                          .arg(value)};
}

// A count or size within low..high; why says where the bounds come from.
void RequireRange(int value, int offset, const char* what, int low, int high, const char* why) {
    if (value >= low && value <= high) return;
    const char* kind = value < 0 ? "negative" : value < low ? "too small" : "too large";
    throw Refusal{offset,
                  QCoreApplication::translate("PgxReader", "%1 is %2, %3: it is %4 to %5 (%6)")
                      .arg(what)
                      .arg(value)
                      .arg(kind)
                      .arg(low)
                      .arg(high)
                      .arg(why)};
}

// A strip's last index: -1 (built with no column), 0 (none) or odd up to the limit.
void RequireStripLast(int last, int offset, const char* what) {
    if (last < -1)
        throw Refusal{offset,
                      QCoreApplication::translate(
                          "PgxReader", "the %1 count is %2: negative (a strip built with no "
                                       "column has -1)")
                          .arg(what)
                          .arg(last)};
    if (last > MaxStripLast)
        throw Refusal{offset, QCoreApplication::translate(
                                  "PgxReader", "the %1 count is %2, more than the format's %3 (a "
                                               "strip holds at most 25 columns)")
                                  .arg(what)
                                  .arg(last)
                                  .arg(MaxStripLast)};
    if (last > 0 && last % 2 == 0)
        throw Refusal{offset, QCoreApplication::translate(
                                  "PgxReader", "the %1 count is %2: a strip's last index is odd, "
                                               "two vertices per column")
                                  .arg(what)
                                  .arg(last)};
}

PgxFile Read(const QByteArray& bytes) {
    const qint64 size = bytes.size();
    if (size < HeaderSize)
        throw Refusal{size, QCoreApplication::translate(
                                "PgxReader", "the file is %1 bytes, shorter than the %2-byte head")
                                .arg(size)
                                .arg(HeaderSize)};
    if (std::memcmp(bytes.constData(), Magic, MagicSize) != 0)
        throw Refusal{0,
                      QCoreApplication::translate(
                          "PgxReader", "wrong magic: not a PGX file (it begins \"%1\", not \"%2\")")
                          .arg(QString::fromLatin1(bytes.left(MagicSize).toPercentEncoding(" ")),
                               QString::fromLatin1(Magic))};
    const Reader r(bytes);
    PgxFile f;
    f.magic.assign(bytes.constData(), MagicSize);
    if (r.u8(Offset::Zero) != 0)
        throw Refusal{Offset::Zero, QCoreApplication::translate(
                                        "PgxReader", "the byte after the magic is %1, not 0")
                                        .arg(r.u8(Offset::Zero))};
    f.eyeFlag = r.u8(Offset::EyeFlag);
    RequireFlag(f.eyeFlag, Offset::EyeFlag, "eye");
    f.noPectoral = r.u8(Offset::NoPectoral);
    RequireFlag(f.noPectoral, Offset::NoPectoral, "no-pectoral");
    f.whiskerByte = r.u8(Offset::WhiskerLast);
    RequireStripLast(f.whiskerByte, Offset::WhiskerLast, "whisker");
    f.background = r.u32(Offset::Background);

    f.width = r.i16(Offset::Width);
    RequireRange(f.width, Offset::Width, "the picture width", 1, 32767, "a picture has pixels");
    f.height = r.i16(Offset::Height);
    RequireRange(f.height, Offset::Height, "the picture height", 1, 32767, "a picture has pixels");
    f.tailRoot = r.i16(Offset::TailRoot);
    f.lastColumn = r.i16(Offset::LastColumn);
    RequireRange(f.lastColumn, Offset::LastColumn, "the last body column", 0, MaxColumns - 1,
                 "the body list holds 250 columns");
    f.n = r.i16(Offset::Divisions);
    RequireRange(f.n, Offset::Divisions, "the division count N", 1, MaxDivisions,
                 "the editor divides a column at most 10 times");
    f.gridCount = r.i16(Offset::GridCount);
    if (f.gridCount < 0)
        throw Refusal{
            Offset::GridCount,
            QCoreApplication::translate("PgxReader", "the body-grid vertex count is %1: negative")
                .arg(f.gridCount)};
    if (f.gridCount != f.columns() * f.rows())
        throw Refusal{Offset::GridCount,
                      QCoreApplication::translate(
                          "PgxReader",
                          "the body-grid vertex count is %1, but %2 columns of %3 rows "
                          "make %4")
                          .arg(f.gridCount)
                          .arg(f.columns())
                          .arg(f.rows())
                          .arg(f.columns() * f.rows())};
    f.tailLast = r.i16(Offset::TailLast);
    RequireStripLast(f.tailLast, Offset::TailLast, "tail");
    f.dorsalLast = r.i16(Offset::DorsalLast);
    RequireStripLast(f.dorsalLast, Offset::DorsalLast, "dorsal");
    f.ventralLast = r.i16(Offset::VentralLast);
    RequireStripLast(f.ventralLast, Offset::VentralLast, "ventral");
    f.analLast = r.i16(Offset::AnalLast);
    RequireStripLast(f.analLast, Offset::AnalLast, "anal");
    f.widthMinusTail = r.f32(Offset::WidthMinusTail);
    if (!std::isfinite(f.widthMinusTail))
        throw Refusal{
            Offset::WidthMinusTail,
            QCoreApplication::translate("PgxReader", "the width-minus-tail value is not finite")};

    // The counts are sound; now the size they give against the bytes there.
    const Counts counts = f.counts();
    qint64 at = HeaderSize;
    for (Block b : BlockOrder) {
        const qint64 blockSize = BlockSize(b, counts);
        if (at + blockSize > size)
            throw Refusal{size, QCoreApplication::translate(
                                    "PgxReader", "the file ends at %1 bytes inside the %2 block "
                                                 "(%3 bytes from offset %4); the counts give %5 "
                                                 "bytes")
                                    .arg(size)
                                    .arg(BlockName(b))
                                    .arg(blockSize)
                                    .arg(at)
                                    .arg(FileSize(counts))};
        at += blockSize;
    }
    if (at != size)
        throw Refusal{at, QCoreApplication::translate(
                              "PgxReader", "%1 bytes left over after the last block (the counts "
                                           "give %2 bytes)")
                              .arg(size - at)
                              .arg(at)};

    at = HeaderSize;
    for (Block b : BlockOrder) {
        const int count = int(BlockSize(b, counts) / VertexSize);
        switch (b) {
        case Block::Normals:
            f.normals = r.vertices(at, count, b);
            break;
        case Block::Grid:
            f.grid = r.vertices(at, count, b);
            break;
        case Block::Tail:
            f.tail = r.vertices(at, count, b);
            break;
        case Block::Dorsal:
            f.dorsal = r.vertices(at, count, b);
            break;
        case Block::Anal:
            f.anal = r.vertices(at, count, b);
            break;
        case Block::Ventral:
            f.ventral = r.vertices(at, count, b);
            break;
        case Block::Pectoral:
            f.pectoral = r.vertices(at, count, b);
            break;
        case Block::Whiskers:
            f.whiskers = r.vertices(at, count, b);
            break;
        case Block::Eye:
            if (counts.eye) {
                f.eye = r.vertices(at, EyeVertices, b);
                const qint64 sizeAt = at + VertexSize;
                if (f.eye[1][0] < 0)
                    throw Refusal{sizeAt, QCoreApplication::translate(
                                              "PgxReader", "the eye radius is negative")};
                if (f.eye[1][1] < 0)
                    throw Refusal{sizeAt + 4, QCoreApplication::translate(
                                                  "PgxReader", "the eye bulge is negative")};
                f.eyeColour = r.u32(at + EyeVertices * VertexSize);
            }
            break;
        }
        at += BlockSize(b, counts);
    }
    return f;
}

} // namespace

std::optional<PgxFile> ReadPgx(const QByteArray& bytes, PgxError* error) {
    try {
        return Read(bytes);
    } catch (const Refusal& r) {
        if (error) *error = {r.offset, r.message};
        return std::nullopt;
    }
}

std::optional<PgxFile> ReadPgxFile(const QString& path, PgxError* error) {
    auto refuse = [&](const QString& why) {
        if (error) *error = {0, why};
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists()) return refuse(QCoreApplication::translate("PgxReader", "no such file"));
    if (!info.isFile())
        return refuse(QCoreApplication::translate("PgxReader", "not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
    // Never more than the largest PGX file: a longer one is refused unread.
    const QByteArray bytes = file.read(LargestFile + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (bytes.size() > LargestFile) {
        if (error)
            *error = {LargestFile, QCoreApplication::translate(
                                       "PgxReader", "the file is longer than the largest PGX file "
                                                    "(%1 bytes)")
                                       .arg(LargestFile)};
        return std::nullopt;
    }
    return ReadPgx(bytes, error);
}

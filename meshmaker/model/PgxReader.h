#pragma once
// Reading a PGX mesh file back: the head, then every block in the order its
// counts give. Nothing in the file is trusted: the magic, every count against
// the format's limits and against the others, the size against the bytes
// that are really there, every float finite. A file that fails any check is
// refused with a message that names the problem and its byte offset.

#include "PgxFormat.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

using PgxVertex = std::array<float, 3>;

// Everything a PGX file holds, as stored: header fields, then the blocks
// (empty when absent). Positions are file units, as in the file.
struct PgxFile {
    std::string magic;
    int eyeFlag = 0, noPectoral = 0, whiskerByte = 0; // bytes 9, 10, 11
    quint32 background = 0;                           // 0x00BBGGRR
    int width = 0, height = 0, tailRoot = 0, lastColumn = 0, n = 0, gridCount = 0;
    int tailLast = 0, dorsalLast = 0, ventralLast = 0, analLast = 0;
    float widthMinusTail = 0;
    std::vector<PgxVertex> normals; // N + 1 rows, top first
    std::vector<PgxVertex> grid;    // columns x (N + 1), column by column, top row first
    std::vector<PgxVertex> tail, dorsal, anal, ventral, whiskers; // column pairs
    std::vector<PgxVertex> pectoral;                              // 4 corners
    std::vector<PgxVertex> eye; // the centre, then (radius, bulge, 0)
    quint32 eyeColour = 0;      // 0x00BBGGRR

    int columns() const { return lastColumn + 1; }
    int rows() const { return n + 1; }
    bool hasPectoral() const { return noPectoral == 0; }
    bool hasEye() const { return eyeFlag == 1; }
    Pgx::Counts counts() const {
        return {columns(),   n,           tailLast,      dorsalLast, analLast,
                ventralLast, whiskerByte, hasPectoral(), hasEye()};
    }
    // The grid vertex of column i, row j.
    const PgxVertex& gridAt(int i, int j) const { return grid[size_t(i) * rows() + j]; }
};

// Why a file was refused: the byte offset where the problem lies and what it is.
struct PgxError {
    qint64 offset = 0;
    QString message;
    QString text() const { return QStringLiteral("byte %1: %2").arg(offset).arg(message); }
};

// Reads a whole PGX file from its bytes. Nothing, with the reason in *error
// when given, for a file that is not well formed.
std::optional<PgxFile> ReadPgx(const QByteArray& bytes, PgxError* error = nullptr);

// Reads a PGX file from disk (a regular file only); a file that cannot be
// read is refused at offset 0 with the system's reason.
std::optional<PgxFile> ReadPgxFile(const QString& path, PgxError* error = nullptr);

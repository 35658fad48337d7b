#pragma once
// The combined data file (.pgdaf): one fish model in one file. A 40-byte
// header, then the body, pectoral-fin and eye textures and the mesh, each a
// whole file copied as it is, in that order, with nothing between them and
// nothing after them. All integers are little-endian.
//
//   0  "PGDAF"             5  reserved, zero (3)
//   8  bodyTextureLength  12  finTextureLength  16  eyeTextureLength  20  meshLength
//  24  reserved, zero (12)
//  36  pictureWidth       38  pictureHeight   (bytes 16..19 of the mesh, as they are)
//
// A member of length 0 is absent and takes no bytes.

#include "ModelFiles.h"

#include <QByteArray>
#include <QtGlobal>

inline constexpr qint64 CombinedHeaderSize = 40;
// The five bytes every combined file starts with.
inline constexpr char CombinedMagic[5] = {'P', 'G', 'D', 'A', 'F'};
// The largest length a 32-bit length field can hold.
inline constexpr qint64 MaxMemberLength = 0xFFFFFFFFLL;

struct CombinedFileHeader {
    quint32 bodyTextureLength = 0;
    quint32 finTextureLength = 0;
    quint32 eyeTextureLength = 0;
    quint32 meshLength = 0;
    // Bytes 16..17 and 18..19 of the mesh: the width and height of the
    // picture it was traced on. Copied, never interpreted by the program.
    qint16 pictureWidth = 0;
    qint16 pictureHeight = 0;

    quint32 Length(MemberKind kind) const;
    void SetLength(MemberKind kind, quint32 length);
    // Where a member starts in the file: the header, then every member before it.
    qint64 Offset(MemberKind kind) const;
    // The size of a well-formed file with this header.
    qint64 FileSize() const;

    QByteArray Encode() const;
    // bytes holds at least CombinedHeaderSize bytes.
    static CombinedFileHeader Decode(const char* bytes);
};

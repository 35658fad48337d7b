// The PGDAF file's 40-byte header, built from the members and checked; the
// pack, the split and the list read it.

#include "CombinedFileHeader.h"

#include <QtEndian>

#include <algorithm>

quint32 CombinedFileHeader::Length(MemberKind kind) const {
    switch (kind) {
    case MemberKind::BodyTexture:
        return bodyTextureLength;
    case MemberKind::FinTexture:
        return finTextureLength;
    case MemberKind::EyeTexture:
        return eyeTextureLength;
    case MemberKind::Mesh:
        return meshLength;
    }
    return 0;
}

void CombinedFileHeader::SetLength(MemberKind kind, quint32 length) {
    switch (kind) {
    case MemberKind::BodyTexture:
        bodyTextureLength = length;
        break;
    case MemberKind::FinTexture:
        finTextureLength = length;
        break;
    case MemberKind::EyeTexture:
        eyeTextureLength = length;
        break;
    case MemberKind::Mesh:
        meshLength = length;
        break;
    }
}

qint64 CombinedFileHeader::Offset(MemberKind kind) const {
    qint64 offset = CombinedHeaderSize;
    for (MemberKind before : MemberOrder) {
        if (before == kind) break;
        offset += Length(before);
    }
    return offset;
}

qint64 CombinedFileHeader::FileSize() const {
    return CombinedHeaderSize + qint64(bodyTextureLength) + finTextureLength + eyeTextureLength +
           meshLength;
}

QByteArray CombinedFileHeader::Encode() const {
    QByteArray bytes(CombinedHeaderSize, '\0');
    char* b = bytes.data();
    std::copy(std::begin(CombinedMagic), std::end(CombinedMagic), b);
    qToLittleEndian<quint32>(bodyTextureLength, b + 8);
    qToLittleEndian<quint32>(finTextureLength, b + 12);
    qToLittleEndian<quint32>(eyeTextureLength, b + 16);
    qToLittleEndian<quint32>(meshLength, b + 20);
    qToLittleEndian<qint16>(pictureWidth, b + 36);
    qToLittleEndian<qint16>(pictureHeight, b + 38);
    return bytes;
}

CombinedFileHeader CombinedFileHeader::Decode(const char* b) {
    CombinedFileHeader header;
    header.bodyTextureLength = qFromLittleEndian<quint32>(b + 8);
    header.finTextureLength = qFromLittleEndian<quint32>(b + 12);
    header.eyeTextureLength = qFromLittleEndian<quint32>(b + 16);
    header.meshLength = qFromLittleEndian<quint32>(b + 20);
    header.pictureWidth = qFromLittleEndian<qint16>(b + 36);
    header.pictureHeight = qFromLittleEndian<qint16>(b + 38);
    return header;
}

#pragma once
// The model inside a PGDAF file (the archiver's combined file: a 40-byte
// header, then the body, fin and eye textures and the PGX mesh, each as many
// bytes as its length field says), read by this program's own code: the two
// programs share none. Used by the thumbnailer, which draws the mesh with
// the body texture as the 3-D view draws a PGX file with its picture.
//
// Nothing is trusted: the magic, a whole header, and the lengths against the
// file's size (the header and the members make up the file exactly, as the
// archiver writes and checks it). A member is read only when it is within
// the limits below.

#include <QByteArray>
#include <QString>

#include <optional>

namespace Pgdaf {
inline constexpr char Magic[5] = {'P', 'G', 'D', 'A', 'F'};
inline constexpr int HeaderSize = 40;
// Where the four lengths lie, in the order of the members.
inline constexpr int BodyLengthOffset = 8;
inline constexpr int MeshLengthOffset = 20;
// A mesh longer than this is not read at all (the largest PGX file is about
// 36 KB; the PGX reader then checks the rest).
inline constexpr qint64 MaxMeshBytes = qint64(1) << 20;
// The largest body texture read: a BMP of the largest picture the editor
// opens (512 MB of pixels at three bytes each), with room for its header.
inline constexpr qint64 MaxTextureBytes = qint64(512) * 1024 * 1024 * 3 / 4 + 4096;
} // namespace Pgdaf

struct PgdafModel {
    QByteArray mesh;        // the PGX file's bytes
    QByteArray bodyTexture; // the body texture's bytes (a BMP); empty when absent
};

// Reads the mesh and the body texture of a PGDAF file (a regular file only);
// nothing, with the reason in *why, for a file that is not well formed, has
// no mesh, or a mesh of more than MaxMeshBytes. A body texture beyond
// MaxTextureBytes is left unread (the model is then untextured).
std::optional<PgdafModel> ReadPgdafFile(const QString& path, QString* why = nullptr);

// Whether bytes begin as a PGDAF file does.
bool LooksLikePgdaf(const QByteArray& head);

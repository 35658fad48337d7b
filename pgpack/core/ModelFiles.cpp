// The four files of a model (mesh and three textures) named after the mesh;
// the dialog, the pack and the split use them.

#include "ModelFiles.h"

QString MemberSuffix(MemberKind kind) {
    switch (kind) {
    case MemberKind::BodyTexture:
        return QStringLiteral("_tx.bmp");
    case MemberKind::FinTexture:
        return QStringLiteral("_fintx.bmp");
    case MemberKind::EyeTexture:
        return QStringLiteral("_eyetx.bmp");
    case MemberKind::Mesh:
        return QStringLiteral(".pgx");
    }
    return {};
}

MemberPaths ModelFiles(const QString& prefix) {
    MemberPaths files;
    for (MemberKind kind : MemberOrder) files[kind] = prefix + MemberSuffix(kind);
    return files;
}

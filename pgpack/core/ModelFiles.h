#pragma once
// The files of one model: its four members, in the order of the combined
// file, and the names they have on their own. All files of a model share the
// model name, followed by a fixed suffix.

#include <QString>

#include <array>

// The members, in the order of the file.
enum class MemberKind { BodyTexture, FinTexture, EyeTexture, Mesh };
inline constexpr std::array<MemberKind, 4> MemberOrder = {
    MemberKind::BodyTexture, MemberKind::FinTexture, MemberKind::EyeTexture, MemberKind::Mesh};

// What follows the model name in the name of each member's own file:
// "_tx.bmp", "_fintx.bmp", "_eyetx.bmp", ".pgx"; and of the combined file.
QString MemberSuffix(MemberKind kind);
inline const QString CombinedSuffix = QStringLiteral(".pgdaf");

// One path per member, indexed by kind.
struct MemberPaths {
    std::array<QString, 4> Paths;
    QString& operator[](MemberKind kind) { return Paths[static_cast<int>(kind)]; }
    const QString& operator[](MemberKind kind) const { return Paths[static_cast<int>(kind)]; }
};

// The member files of a model: prefix + each suffix, where prefix is a
// folder (with its separator) and the model name, or a mesh path without its
// extension.
MemberPaths ModelFiles(const QString& prefix);

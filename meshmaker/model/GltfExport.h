#pragma once
// The fish mesh as binary glTF 2.0 (.glb), made with tinygltf: one mesh with
// one primitive per part, each with a material named after the part; the
// picture as one embedded PNG base-colour texture. Positions are file units
// exactly as the PGX file holds them (+y up, the mirror on +z).
//
// Materials: the body is opaque, double-sided only when it is not a closed
// surface; the fins are double-sided and alpha-masked, the background colour
// being transparent in the texture; the eye is opaque. Without a texture
// every material is a plain colour and no texture coordinates are written.

#include "FishMesh.h"
#include "ModelTexture.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The .glb file's bytes; nothing, with the reason, when the mesh has no triangle.
std::optional<QByteArray> ExportGlb(const FishMesh& mesh, const ModelTexture& texture,
                                    QString* error = nullptr);

#pragma once
// The fish mesh as binary glTF 2.0 (.glb), made with tinygltf: one mesh with
// one primitive per part, each with a material named after the part; the
// model's two pictures (ModelTexture.h) as embedded PNG base-colour
// textures, "body" and "fins". Positions are file units exactly as the PGX
// file holds them (+y up, the mirror on +z).
//
// Materials: the body is opaque with the body's picture, double-sided only
// when it is not a closed surface; the eye is opaque with the same picture;
// the fins, the tail and the whiskers are double-sided and alpha-masked
// (alphaMode MASK, cutoff 0.5) with the fins' picture. Without a texture
// every material is a plain colour and no texture coordinates are written.

#include "FishMesh.h"
#include "ModelTexture.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The .glb file's bytes; nothing, with the reason, when the mesh has no triangle.
std::optional<QByteArray> ExportGlb(const FishMesh& mesh, const ModelTexture& texture,
                                    QString* error = nullptr);

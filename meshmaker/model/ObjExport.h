#pragma once
// The fish mesh as Wavefront OBJ text with its MTL material library and the
// texture as a PNG file beside them. One group and one material per part,
// named after the part; positions are file units exactly as the PGX file
// holds them (each float written in its shortest form that reads back to the
// same bits). OBJ's texture rows grow upwards, so v is 1 minus the mesh's.

#include "FishMesh.h"
#include "ModelTexture.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct ObjExportFiles {
    QByteArray obj, mtl;
    QByteArray png; // empty for an untextured export: no texture file then
};

// The three files' bytes. The OBJ names its library mtlName, the library
// names the texture pngName (both file names beside the OBJ file). Nothing,
// with the reason, when the mesh has no triangle.
std::optional<ObjExportFiles> ExportObj(const FishMesh& mesh, const ModelTexture& texture,
                                        const QString& mtlName, const QString& pngName,
                                        QString* error = nullptr);

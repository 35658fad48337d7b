#pragma once
// The fish mesh as Wavefront OBJ text with its MTL material library and the
// model's two pictures (ModelTexture.h) as PNG files beside them. One group
// and one material per part, named after the part; positions are file units
// exactly as the PGX file holds them (each float written in its shortest form
// that reads back to the same bits). OBJ's texture rows grow upwards, so v is
// 1 minus the mesh's. The body and the eye take the body's picture (map_Kd);
// the fins, the tail and the whiskers the fins' picture, whose alpha channel
// cuts them to their painted shape (map_Kd and map_d).

#include "FishMesh.h"
#include "ModelTexture.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct ObjExportFiles {
    QByteArray obj, mtl;
    QByteArray bodyPng, finsPng; // empty for an untextured export: no texture files then
};

// The names the OBJ gives its side files, each a file name beside the OBJ
// file. The OBJ and MTL formats end a name at a line's end, most readers at a
// space, and some take a '#' for the start of a comment, so a name holding
// any of these, or another control character, cannot be written into them.
struct ObjSideNames {
    QString mtl, bodyPng, finsPng;
};

// Whether a name can stand in an OBJ or MTL file: not empty, and without
// white space, control characters or '#'.
bool IsObjReferenceName(const QString& name);

// The files' bytes. Nothing, with the reason, when the mesh has no triangle
// or a side name is not one IsObjReferenceName takes.
std::optional<ObjExportFiles> ExportObj(const FishMesh& mesh, const ModelTexture& texture,
                                        const ObjSideNames& names, QString* error = nullptr);

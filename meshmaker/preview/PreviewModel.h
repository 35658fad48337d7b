#pragma once
// The model the 3-D view shows, made without any window or OpenGL. For the
// editor it is what a save would write now: the fish's PGX bytes, made in
// memory, read back by the reader and turned into the mesh, so what is seen
// is what is saved and any file from elsewhere goes through the same door.
// No file is written.

#include "EditorPicture.h"
#include "Fish.h"
#include "FishMesh.h"

#include <QImage>
#include <QString>
#include <QVector3D>

#include <array>
#include <vector>

struct PgxFile;

struct PreviewModel {
    bool hasMesh = false;
    FishMesh mesh;   // empty without one
    QString problem; // why there is no mesh: no picture, or the reader's refusal
    // The picture the model was made from, as the file records it.
    int pictureWidth = 0, pictureHeight = 0;
    quint32 background = 0; // the file's background colour, 0x00BBGGRR
    QImage picture; // the textures' source (MakeModelPictures); null for an untextured model
};

// The model of the fish as a save would write it now.
PreviewModel PreviewOfFish(const Fish& fish, const EditorPicture& picture);

// The model of a file the reader accepted, textured with picture when it is
// not null (the caller has checked that its size is the file's).
PreviewModel PreviewOfFile(const PgxFile& file, const QImage& picture);

// The box the camera frames, in file units: the picture's rectangle at
// z = 0 (the file's origin is the picture's centre) and the mesh's bounds.
struct SceneBox {
    QVector3D min, max;
};
SceneBox SceneOf(const PreviewModel& model);

// The grid of the wireframe: every edge of the mesh's triangles once, as a
// pair of vertex indices (the smaller first), in ascending order.
std::vector<std::array<quint32, 2>> MeshEdges(const FishMesh& mesh);

// The model the 3-D view shows: a PGX file's, or what the editor's fish would
// save now, made without any window; gui/FishView shows it.

#include "PreviewModel.h"

#include "PgxReader.h"
#include "PgxWriter.h"
#include "Texts.h"

#include <algorithm>

PreviewModel PreviewOfFile(const PgxFile& file, const QImage& picture) {
    PreviewModel model;
    model.pictureWidth = file.width;
    model.pictureHeight = file.height;
    model.background = file.background;
    model.picture = picture;
    model.mesh = BuildFishMesh(file);
    model.hasMesh = true;
    return model;
}

PreviewModel PreviewOfFish(const Fish& fish, const EditorPicture& picture) {
    if (!picture.HasPicture()) {
        PreviewModel none;
        none.problem = Texts::PreviewNoPicture();
        return none;
    }
    PgxError error;
    const auto file = ReadPgx(BuildPgxBytes(fish, picture), &error);
    if (!file) {
        PreviewModel refused;
        refused.problem = Texts::PreviewUnreadable().arg(error.text());
        return refused;
    }
    return PreviewOfFile(*file, picture.PictureBitmap);
}

SceneBox SceneOf(const PreviewModel& model) {
    const float halfWidth = float(model.pictureWidth / Pgx::FileUnit / 2);
    const float halfHeight = float(model.pictureHeight / Pgx::FileUnit / 2);
    SceneBox box{{-halfWidth, -halfHeight, 0}, {halfWidth, halfHeight, 0}};
    for (const MeshVertex& v : model.mesh.vertices)
        for (int k = 0; k < 3; ++k) {
            box.min[k] = std::min(box.min[k], v.position[size_t(k)]);
            box.max[k] = std::max(box.max[k], v.position[size_t(k)]);
        }
    return box;
}

std::vector<std::array<quint32, 2>> MeshEdges(const FishMesh& mesh) {
    std::vector<quint64> keys;
    keys.reserve(mesh.triangles.size() * 3);
    for (const MeshTriangle& t : mesh.triangles)
        for (int k = 0; k < 3; ++k) {
            const quint32 a = t.corners[size_t(k)], b = t.corners[size_t((k + 1) % 3)];
            keys.push_back(quint64(std::min(a, b)) << 32 | std::max(a, b));
        }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<std::array<quint32, 2>> edges;
    edges.reserve(keys.size());
    for (quint64 key : keys) edges.push_back({quint32(key >> 32), quint32(key & 0xFFFFFFFFu)});
    return edges;
}

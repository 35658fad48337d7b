// Fuzz target: arbitrary bytes as a PGX file, through the reader, the fish
// mesh and both exports to memory. A refused file has a reason at an offset
// inside it; an accepted one reads back to the same bytes, gives finite
// vertices with unit normals, in-range indices and triangles that all have an
// area, and exports to a .glb that tinygltf reads back.

#include "EditorChecks.h"
#include "FishMesh.h"
#include "FuzzSupport.h"
#include "GlbLoad.h"
#include "GltfExport.h"
#include "ModelTexture.h"
#include "ObjExport.h"
#include "PgxBuilder.h"
#include "PgxReader.h"

#include <cmath>
#include <cstdint>

using fuzzcheck::Require;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::StartOffscreenApplication(argc, argv);
    return 0;
}

namespace {

void CheckMesh(const FishMesh& mesh) {
    for (const MeshVertex& v : mesh.vertices) {
        for (float c : v.position) Require(std::isfinite(c), "finite positions");
        for (float c : v.texCoord) Require(std::isfinite(c), "finite texture coordinates");
        double length = 0;
        for (float c : v.normal) {
            Require(std::isfinite(c), "finite normals");
            length += double(c) * c;
        }
        Require(std::fabs(std::sqrt(length) - 1) < 1e-5, "unit normals");
    }
    size_t vertexEnd = 0, triangleEnd = 0;
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        Require(size_t(r.firstVertex) == vertexEnd && size_t(r.firstTriangle) == triangleEnd,
                "parts follow each other");
        vertexEnd += size_t(r.vertexCount);
        triangleEnd += size_t(r.triangleCount);
        for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
            const MeshTriangle& tri = mesh.triangles[size_t(t)];
            Require(tri.part == part, "a triangle carries its part");
            for (quint32 c : tri.corners)
                Require(c >= quint32(r.firstVertex) && c < quint32(r.firstVertex + r.vertexCount),
                        "indices within the part");
            const auto& a = mesh.vertices[tri.corners[0]].position;
            const auto& b = mesh.vertices[tri.corners[1]].position;
            const auto& c = mesh.vertices[tri.corners[2]].position;
            const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
            const double w[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
            const double n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                                 u[0] * w[1] - u[1] * w[0]};
            Require(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) / 2 >= LeastTriangleArea,
                    "no triangle without area");
        }
    }
    Require(vertexEnd == mesh.vertices.size() && triangleEnd == mesh.triangles.size(),
            "the parts cover the mesh");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    PgxError error;
    const auto file = ReadPgx(bytes, &error);
    if (!file) {
        Require(!error.message.isEmpty(), "a refused file has a reason");
        Require(error.offset >= 0 && error.offset <= qint64(size),
                "the reason's offset is in the file");
        return 0;
    }
    Require(test::BuildPgx(*file) == bytes, "an accepted file reads back to its bytes");

    const FishMesh mesh = BuildFishMesh(*file);
    CheckMesh(mesh);

    // A texture when the picture is small enough to make quickly.
    ModelTexture texture;
    if (qint64(file->width) * file->height <= 64 * 64) {
        QImage picture(file->width, file->height, QImage::Format_RGB32);
        picture.fill(Pgx::RgbOfFileColour(file->background));
        picture.setPixel(file->width / 2, file->height / 2, qRgb(240, 128, 32));
        auto made = MakeModelTexture(picture, file->background);
        Require(made.has_value(), "a picture makes a texture");
        texture = *made;
    }

    const auto glb = ExportGlb(mesh, texture);
    const auto obj =
        ExportObj(mesh, texture, {"fish.mtl", "fish_obj_body.png", "fish_obj_fins.png"});
    Require(glb.has_value() == !mesh.triangles.empty(), "a mesh with triangles exports");
    Require(obj.has_value() == !mesh.triangles.empty(), "a mesh with triangles exports");
    if (glb) {
        std::string why;
        const auto model = test::LoadGlb(*glb, &why);
        Require(model.has_value(), "the .glb reads back");
        size_t primitives = 0;
        for (const PartRange& r : mesh.parts) primitives += r.triangleCount > 0;
        Require(model->meshes.size() == 1 && model->meshes[0].primitives.size() == primitives,
                "one primitive per part");
    }
    return 0;
}

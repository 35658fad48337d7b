// The fish mesh as a .glb file, with tinygltf; the --export command and the
// batch's --export write it.

#include "GltfExport.h"

#include <QCoreApplication>

#include <tiny_gltf.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>
#include <utility>

namespace {

// Appends raw values to the one buffer, each view starting on a 4-byte boundary.
class BufferWriter {
public:
    explicit BufferWriter(tinygltf::Model& model) : model_(model) { model_.buffers.emplace_back(); }

    // byteStride is given for vertex attributes: several accessors (one per
    // part) share each attribute's view.
    int addView(const void* data, size_t bytes, int target, size_t byteStride = 0) {
        std::vector<unsigned char>& out = model_.buffers[0].data;
        out.resize((out.size() + 3) / 4 * 4, 0);
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = out.size();
        view.byteLength = bytes;
        view.target = target;
        view.byteStride = byteStride;
        const auto* begin = static_cast<const unsigned char*>(data);
        out.insert(out.end(), begin, begin + bytes);
        model_.bufferViews.push_back(view);
        return int(model_.bufferViews.size() - 1);
    }

private:
    tinygltf::Model& model_;
};

int AddAccessor(tinygltf::Model& model, int view, size_t byteOffset, size_t count, int type,
                int componentType, const std::string& name) {
    tinygltf::Accessor a;
    a.bufferView = view;
    a.byteOffset = byteOffset;
    a.count = count;
    a.type = type;
    a.componentType = componentType;
    a.name = name;
    model.accessors.push_back(a);
    return int(model.accessors.size() - 1);
}

// The textures, in this order: the body's picture and the fins'.
constexpr int BodyTexture = 0, FinsTexture = 1;

tinygltf::Material PartMaterial(FishPart part, bool textured, bool bodyClosed) {
    tinygltf::Material m;
    m.name = FishPartName(part);
    m.pbrMetallicRoughness.metallicFactor = 0.0;
    m.pbrMetallicRoughness.roughnessFactor = 0.8;
    // The body and the eyes take the opaque picture, the fins the masked one.
    if (textured)
        m.pbrMetallicRoughness.baseColorTexture.index = IsFin(part) ? FinsTexture : BodyTexture;
    switch (part) {
    case FishPart::Body:
        m.doubleSided = !bodyClosed;
        if (!textured) m.pbrMetallicRoughness.baseColorFactor = {0.85, 0.55, 0.25, 1.0};
        break;
    case FishPart::Eye:
        if (!textured) m.pbrMetallicRoughness.baseColorFactor = {0.1, 0.1, 0.1, 1.0};
        break;
    default: // a fin
        m.doubleSided = true;
        if (textured) {
            m.alphaMode = "MASK";
            m.alphaCutoff = 0.5;
        } else {
            m.pbrMetallicRoughness.baseColorFactor = {0.95, 0.75, 0.45, 1.0};
        }
        break;
    }
    return m;
}

} // namespace

std::optional<QByteArray> ExportGlb(const FishMesh& mesh, const ModelTexture& texture,
                                    QString* error) {
    if (mesh.triangles.empty()) {
        if (error)
            *error =
                QCoreApplication::translate("GltfExport", "the model has no triangle to export");
        return std::nullopt;
    }
    const bool textured = !texture.isNull();
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "meshmaker";
    BufferWriter buffer(model);

    // Every part's attributes lie in one view per kind, in the mesh's order;
    // the indices are rebased to each part's first vertex.
    std::vector<float> positions, normals, texCoords;
    positions.reserve(mesh.vertices.size() * 3);
    normals.reserve(mesh.vertices.size() * 3);
    if (textured) texCoords.reserve(mesh.vertices.size() * 2);
    for (const MeshVertex& v : mesh.vertices) {
        positions.insert(positions.end(), v.position.begin(), v.position.end());
        normals.insert(normals.end(), v.normal.begin(), v.normal.end());
        if (textured) texCoords.insert(texCoords.end(), v.texCoord.begin(), v.texCoord.end());
    }
    std::vector<quint32> indices;
    indices.reserve(mesh.triangles.size() * 3);
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t)
            for (quint32 corner : mesh.triangles[size_t(t)].corners)
                indices.push_back(corner - quint32(r.firstVertex));
    }
    const int positionView = buffer.addView(positions.data(), positions.size() * sizeof(float),
                                            TINYGLTF_TARGET_ARRAY_BUFFER, 3 * sizeof(float));
    const int normalView = buffer.addView(normals.data(), normals.size() * sizeof(float),
                                          TINYGLTF_TARGET_ARRAY_BUFFER, 3 * sizeof(float));
    const int texCoordView =
        textured ? buffer.addView(texCoords.data(), texCoords.size() * sizeof(float),
                                  TINYGLTF_TARGET_ARRAY_BUFFER, 2 * sizeof(float))
                 : -1;
    const int indexView = buffer.addView(indices.data(), indices.size() * sizeof(quint32),
                                         TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);

    if (textured) {
        tinygltf::Sampler sampler;
        sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
        sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR;
        sampler.wrapS = sampler.wrapT = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
        model.samplers.push_back(sampler);
        for (const auto& [name, png] :
             {std::pair{"body", &texture.bodyPng}, std::pair{"fins", &texture.finsPng}}) {
            tinygltf::Image image;
            image.name = name;
            image.mimeType = "image/png";
            image.bufferView = buffer.addView(png->constData(), size_t(png->size()), 0);
            model.images.push_back(image);
            tinygltf::Texture t;
            t.name = name;
            t.source = int(model.images.size() - 1);
            t.sampler = 0;
            model.textures.push_back(t);
        }
    }

    tinygltf::Mesh gltfMesh;
    gltfMesh.name = "fish";
    const bool bodyClosed = IsClosedSurface(mesh, FishPart::Body);
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        if (r.triangleCount == 0) continue;
        const std::string name = FishPartName(part);
        const size_t first = size_t(r.firstVertex), count = size_t(r.vertexCount);

        tinygltf::Primitive primitive;
        primitive.mode = TINYGLTF_MODE_TRIANGLES;
        const int position =
            AddAccessor(model, positionView, first * 3 * sizeof(float), count, TINYGLTF_TYPE_VEC3,
                        TINYGLTF_COMPONENT_TYPE_FLOAT, name + " positions");
        std::vector<double> low(3, std::numeric_limits<double>::max()),
            high(3, std::numeric_limits<double>::lowest());
        for (size_t k = first; k < first + count; ++k)
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], double(mesh.vertices[k].position[c]));
                high[c] = std::max(high[c], double(mesh.vertices[k].position[c]));
            }
        model.accessors[size_t(position)].minValues = low;
        model.accessors[size_t(position)].maxValues = high;
        primitive.attributes["POSITION"] = position;
        primitive.attributes["NORMAL"] =
            AddAccessor(model, normalView, first * 3 * sizeof(float), count, TINYGLTF_TYPE_VEC3,
                        TINYGLTF_COMPONENT_TYPE_FLOAT, name + " normals");
        if (textured)
            primitive.attributes["TEXCOORD_0"] =
                AddAccessor(model, texCoordView, first * 2 * sizeof(float), count,
                            TINYGLTF_TYPE_VEC2, TINYGLTF_COMPONENT_TYPE_FLOAT, name + " texture");
        primitive.indices =
            AddAccessor(model, indexView, size_t(r.firstTriangle) * 3 * sizeof(quint32),
                        size_t(r.triangleCount) * 3, TINYGLTF_TYPE_SCALAR,
                        TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, name + " indices");
        model.materials.push_back(PartMaterial(part, textured, bodyClosed));
        primitive.material = int(model.materials.size() - 1);
        primitive.extras =
            tinygltf::Value(tinygltf::Value::Object{{"part", tinygltf::Value(name)}});
        gltfMesh.primitives.push_back(primitive);
    }
    model.meshes.push_back(gltfMesh);

    tinygltf::Node node;
    node.name = "fish";
    node.mesh = 0;
    model.nodes.push_back(node);
    tinygltf::Scene scene;
    scene.name = "fish";
    scene.nodes = {0};
    model.scenes.push_back(scene);
    model.defaultScene = 0;

    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, stream, false, true)) {
        if (error) *error = QCoreApplication::translate("GltfExport", "the glTF writer failed");
        return std::nullopt;
    }
    const std::string bytes = std::move(stream).str();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

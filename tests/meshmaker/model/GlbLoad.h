#pragma once
// Reading an exported .glb back with tinygltf, its images decoded by Qt, and
// the values of its accessors as plain vectors: what a 3-D program loading
// the file would see.

#include <QByteArray>
#include <QImage>

#include <tiny_gltf.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace test {

inline bool DecodeImageWithQt(tinygltf::Image* image, const int, std::string* err, std::string*,
                              int, int, const unsigned char* bytes, int size, void*) {
    const QImage decoded = QImage::fromData(bytes, size).convertToFormat(QImage::Format_RGBA8888);
    if (decoded.isNull()) {
        if (err) *err += "the image does not decode";
        return false;
    }
    image->width = decoded.width();
    image->height = decoded.height();
    image->component = 4;
    image->bits = 8;
    image->pixel_type = TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE;
    image->image.resize(size_t(decoded.width()) * decoded.height() * 4);
    for (int y = 0; y < decoded.height(); ++y)
        std::memcpy(image->image.data() + size_t(y) * decoded.width() * 4, decoded.constScanLine(y),
                    size_t(decoded.width()) * 4);
    return true;
}

// The model of a .glb file's bytes; nothing when tinygltf refuses it (its
// reason in *error).
inline std::optional<tinygltf::Model> LoadGlb(const QByteArray& bytes, std::string* error) {
    tinygltf::TinyGLTF loader;
    loader.SetImageLoader(&DecodeImageWithQt, nullptr);
    tinygltf::Model model;
    std::string warn;
    if (!loader.LoadBinaryFromMemory(&model, error, &warn,
                                     reinterpret_cast<const unsigned char*>(bytes.constData()),
                                     unsigned(bytes.size())))
        return std::nullopt;
    return model;
}

// An accessor's values, each of its components as a float (or an index).
template <typename T>
std::vector<T> AccessorValues(const tinygltf::Model& model, int accessorIndex) {
    const tinygltf::Accessor& a = model.accessors[size_t(accessorIndex)];
    const tinygltf::BufferView& view = model.bufferViews[size_t(a.bufferView)];
    const auto& data = model.buffers[size_t(view.buffer)].data;
    const size_t components = size_t(tinygltf::GetNumComponentsInType(uint32_t(a.type)));
    std::vector<T> out(a.count * components);
    std::memcpy(out.data(), data.data() + view.byteOffset + a.byteOffset, out.size() * sizeof(T));
    return out;
}

} // namespace test

// The fish mesh as OBJ text with its MTL library and PNG texture; the --export
// command and the batch's --export write them.

#include "ObjExport.h"

#include <QCoreApplication>

#include <charconv>

namespace {

void AppendFloat(QByteArray& out, float v) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, v);
    out.append(text, int(r.ptr - text));
}

void AppendLine(QByteArray& out, const char* keyword, std::initializer_list<float> values) {
    out.append(keyword);
    for (float v : values) {
        out.append(' ');
        AppendFloat(out, v);
    }
    out.append('\n');
}

// A face corner: position, texture and normal share the vertex's number.
void AppendCorner(QByteArray& out, quint32 index, bool textured) {
    const QByteArray n = QByteArray::number(index + 1); // OBJ counts from 1
    out.append(' ').append(n).append('/');
    if (textured) out.append(n);
    out.append('/').append(n);
}

QByteArray MaterialLibrary(bool textured, const ObjSideNames& names) {
    QByteArray mtl = "# meshmaker: the fish's materials, one per part\n";
    for (FishPart part : FishParts) {
        mtl.append("\nnewmtl ").append(FishPartName(part)).append('\n');
        mtl.append("Ka 0 0 0\nKs 0 0 0\nillum 1\n");
        if (textured) {
            const QByteArray picture = (IsFin(part) ? names.finsPng : names.bodyPng).toUtf8();
            mtl.append("Kd 1 1 1\nmap_Kd ").append(picture).append('\n');
            // A fin takes its outline from its picture's alpha channel.
            if (IsFin(part)) mtl.append("map_d ").append(picture).append('\n');
        } else {
            mtl.append(part == FishPart::Eye ? "Kd 0.1 0.1 0.1\n"
                       : IsFin(part)         ? "Kd 0.95 0.75 0.45\n"
                                             : "Kd 0.85 0.55 0.25\n");
        }
    }
    return mtl;
}

} // namespace

bool IsObjReferenceName(const QString& name) {
    if (name.isEmpty()) return false;
    for (QChar c : name)
        if (c.isSpace() || c.category() == QChar::Other_Control || c == u'#') return false;
    return true;
}

std::optional<ObjExportFiles> ExportObj(const FishMesh& mesh, const ModelTexture& texture,
                                        const ObjSideNames& names, QString* error) {
    if (mesh.triangles.empty()) {
        if (error)
            *error =
                QCoreApplication::translate("ObjExport", "the model has no triangle to export");
        return std::nullopt;
    }
    for (const QString* name : {&names.mtl, &names.bodyPng, &names.finsPng})
        if (!IsObjReferenceName(*name)) {
            if (error)
                *error = QCoreApplication::translate(
                             "ObjExport", "the name \"%1\" cannot be written into an OBJ file")
                             .arg(*name);
            return std::nullopt;
        }
    const bool textured = !texture.isNull();
    ObjExportFiles files;
    QByteArray& obj = files.obj;
    obj.reserve(qsizetype(mesh.vertices.size()) * 100 + qsizetype(mesh.triangles.size()) * 40);
    obj.append(
        "# meshmaker: the fish in file units (50 picture pixels), +y up, the mirror on +z\n");
    obj.append("mtllib ").append(names.mtl.toUtf8()).append("\no fish\n");
    for (const MeshVertex& v : mesh.vertices)
        AppendLine(obj, "v", {v.position[0], v.position[1], v.position[2]});
    if (textured)
        for (const MeshVertex& v : mesh.vertices)
            AppendLine(obj, "vt", {v.texCoord[0], 1.0f - v.texCoord[1]});
    for (const MeshVertex& v : mesh.vertices)
        AppendLine(obj, "vn", {v.normal[0], v.normal[1], v.normal[2]});
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        if (r.triangleCount == 0) continue;
        obj.append("g ").append(FishPartName(part)).append("\nusemtl ").append(FishPartName(part));
        obj.append('\n');
        for (int t = r.firstTriangle; t < r.firstTriangle + r.triangleCount; ++t) {
            obj.append('f');
            for (quint32 corner : mesh.triangles[size_t(t)].corners)
                AppendCorner(obj, corner, textured);
            obj.append('\n');
        }
    }
    files.mtl = MaterialLibrary(textured, names);
    if (textured) {
        files.bodyPng = texture.bodyPng;
        files.finsPng = texture.finsPng;
    }
    return files;
}

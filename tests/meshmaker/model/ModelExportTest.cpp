// The exports read back: the .glb through tinygltf, the OBJ through a small
// parser; both must give the mesh's own values.

#include "FishMesh.h"
#include "GlbLoad.h"
#include "GltfExport.h"
#include "ModelTexture.h"
#include "ObjExport.h"
#include "PgxBuilder.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <map>

namespace {

constexpr QRgb Background = qRgb(176, 216, 240), Fish = qRgb(240, 128, 32);

// The picture the shaped fish was traced on: its background and a fish patch.
QImage Picture(QImage::Format format = QImage::Format_RGB32) {
    QImage image(401, 201, QImage::Format_RGB32);
    image.fill(Background);
    QPainter p(&image);
    p.fillRect(QRect(20, 60, 300, 90), Fish);
    p.fillRect(QRect(100, 150, 3, 3), qRgb(1, 2, 3));
    p.end();
    return image.convertToFormat(format);
}

ModelTexture Texture(const QImage& picture) {
    QString why;
    const auto t = MakeModelTexture(picture, Pgx::FileColour(Background), &why);
    EXPECT_TRUE(t) << why.toStdString();
    return t.value_or(ModelTexture{});
}

quint32 Bits(float f) {
    quint32 b;
    std::memcpy(&b, &f, 4);
    return b;
}

} // namespace

TEST(GlbExport, OnePrimitivePerPartHoldingTheMeshExactly) {
    const FishMesh mesh = BuildFishMesh(test::ShapedFish());
    const auto glb = ExportGlb(mesh, Texture(Picture()));
    ASSERT_TRUE(glb);
    std::string error;
    const auto model = test::LoadGlb(*glb, &error);
    ASSERT_TRUE(model) << error;
    ASSERT_EQ(model->meshes.size(), 1u);
    const auto& primitives = model->meshes[0].primitives;
    ASSERT_EQ(primitives.size(), size_t(FishPartCount)); // every part present

    for (size_t k = 0; k < primitives.size(); ++k) {
        const FishPart part = FishParts[k];
        SCOPED_TRACE(FishPartName(part));
        const tinygltf::Primitive& p = primitives[k];
        const tinygltf::Material& m = model->materials[size_t(p.material)];
        EXPECT_EQ(m.name, FishPartName(part));
        EXPECT_EQ(p.extras.Get("part").Get<std::string>(), FishPartName(part));
        EXPECT_EQ(p.mode, TINYGLTF_MODE_TRIANGLES);
        // The body and the eye take the opaque picture, the fins the masked one.
        EXPECT_EQ(m.pbrMetallicRoughness.baseColorTexture.index, IsFin(part) ? 1 : 0);
        if (IsFin(part)) {
            EXPECT_EQ(m.alphaMode, "MASK");
            EXPECT_TRUE(m.doubleSided);
        } else {
            EXPECT_EQ(m.alphaMode, "OPAQUE");
            EXPECT_FALSE(m.doubleSided); // the body is closed, the eye sits on it
        }

        const PartRange& r = mesh.range(part);
        const auto positions = test::AccessorValues<float>(*model, p.attributes.at("POSITION"));
        const auto normals = test::AccessorValues<float>(*model, p.attributes.at("NORMAL"));
        const auto uvs = test::AccessorValues<float>(*model, p.attributes.at("TEXCOORD_0"));
        const auto indices = test::AccessorValues<quint32>(*model, p.indices);
        ASSERT_EQ(positions.size(), size_t(r.vertexCount) * 3);
        ASSERT_EQ(uvs.size(), size_t(r.vertexCount) * 2);
        ASSERT_EQ(indices.size(), size_t(r.triangleCount) * 3);
        for (int v = 0; v < r.vertexCount; ++v) {
            const MeshVertex& mv = mesh.vertices[size_t(r.firstVertex + v)];
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(Bits(positions[size_t(3 * v + c)]), Bits(mv.position[c]));
                ASSERT_EQ(normals[size_t(3 * v + c)], mv.normal[c]);
            }
            ASSERT_EQ(uvs[size_t(2 * v)], mv.texCoord[0]);
            ASSERT_EQ(uvs[size_t(2 * v + 1)], mv.texCoord[1]);
        }
        for (int t = 0; t < r.triangleCount; ++t)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(indices[size_t(3 * t + c)] + quint32(r.firstVertex),
                          mesh.triangles[size_t(r.firstTriangle + t)].corners[size_t(c)]);
    }

    // The textures: "body", opaque, and "fins", the same colours with the
    // background see-through; the fish's colours exact, the background's
    // nowhere, each a PNG with an alpha channel of its own or none, never a
    // colour key.
    ASSERT_EQ(model->images.size(), 2u);
    ASSERT_EQ(model->textures.size(), 2u);
    const QImage picture = Picture();
    for (int k = 0; k < 2; ++k) {
        const tinygltf::Image& image = model->images[size_t(k)];
        SCOPED_TRACE(image.name);
        EXPECT_EQ(image.name, k == 0 ? "body" : "fins");
        EXPECT_EQ(model->textures[size_t(k)].source, k);
        EXPECT_EQ(image.mimeType, "image/png");
        ASSERT_EQ(image.width, 401);
        ASSERT_EQ(image.height, 201);
        for (const QPoint& at :
             {QPoint(0, 0), QPoint(30, 70), QPoint(101, 151), QPoint(400, 200), QPoint(10, 100)}) {
            const unsigned char* px = &image.image[(size_t(at.y()) * 401 + at.x()) * 4];
            const bool background = picture.pixel(at) == Background;
            // A background pixel takes the nearest fish pixel's colour: (10,
            // 100) that of (20, 100), the corners those of the patch's corners.
            const QPoint nearest = QPoint(std::clamp(at.x(), 20, 319), std::clamp(at.y(), 60, 149));
            const QRgb expected =
                background && at != QPoint(101, 151) ? picture.pixel(nearest) : picture.pixel(at);
            EXPECT_EQ(qRgb(px[0], px[1], px[2]), expected) << at.x() << "," << at.y();
            EXPECT_EQ(px[3], k == 1 && background ? 0 : 255) << at.x() << "," << at.y();
        }
    }
}

TEST(GlbExport, UntexturedAndOpenBodies) {
    test::FishShape flat;
    flat.flat = true;
    const FishMesh mesh = BuildFishMesh(test::ShapedFish(flat));
    const auto glb = ExportGlb(mesh, ModelTexture{});
    ASSERT_TRUE(glb);
    std::string error;
    const auto model = test::LoadGlb(*glb, &error);
    ASSERT_TRUE(model) << error;
    EXPECT_TRUE(model->images.empty());
    EXPECT_TRUE(model->textures.empty());
    for (const tinygltf::Primitive& p : model->meshes[0].primitives) {
        EXPECT_EQ(p.attributes.count("TEXCOORD_0"), 0u);
        const tinygltf::Material& m = model->materials[size_t(p.material)];
        EXPECT_EQ(m.alphaMode, "OPAQUE") << m.name;
        EXPECT_LT(m.pbrMetallicRoughness.baseColorTexture.index, 0) << m.name;
        // A flat body is a sheet: it must be seen from both sides.
        if (m.name == "body") {
            EXPECT_TRUE(m.doubleSided);
        }
    }
}

namespace {

// A PNG's colour type (byte 25) and whether it has a chunk of the given type.
int ColourType(const QByteArray& png) {
    return png.size() > 25 ? quint8(png[25]) : -1;
}
bool HasChunk(const QByteArray& png, const char* type) {
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == type) return true;
        at += 12 + qsizetype(length);
    }
    return false;
}

} // namespace

TEST(ModelTexture, TakesAnyPictureFormatAndKeepsItsColours) {
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32}) {
        const ModelTexture texture = Texture(Picture(format));
        EXPECT_EQ(ColourType(texture.bodyPng), 2) << format; // RGB
        EXPECT_EQ(ColourType(texture.finsPng), 6) << format; // RGBA
        EXPECT_FALSE(HasChunk(texture.bodyPng, "tRNS")) << format;
        EXPECT_FALSE(HasChunk(texture.finsPng, "tRNS")) << format;
        const QImage body =
            QImage::fromData(texture.bodyPng).convertToFormat(QImage::Format_ARGB32);
        const QImage fins =
            QImage::fromData(texture.finsPng).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(body.size(), QSize(401, 201)) << format;
        ASSERT_EQ(fins.size(), QSize(401, 201)) << format;
        EXPECT_EQ(body.pixel(0, 0), Fish) << format; // the nearest fish pixel's colour, opaque
        EXPECT_EQ(fins.pixel(0, 0), Fish & RGB_MASK) << format; // the same, see-through
        EXPECT_EQ(body.pixel(30, 70), Fish) << format;
        EXPECT_EQ(fins.pixel(30, 70), Fish) << format;
    }
    QString why;
    EXPECT_FALSE(MakeModelTexture(QImage(), 0, &why));
    EXPECT_EQ(why, "no picture");
}

TEST(ModelPictures, TheBodyIsOpaqueAndTheFinsAreMaskedInTheSameColours) {
    const QImage picture = Picture();
    const auto pictures = MakeModelPictures(picture, Pgx::FileColour(Background));
    ASSERT_TRUE(pictures);
    ASSERT_EQ(pictures->body.format(), QImage::Format_RGB32);
    ASSERT_EQ(pictures->fins.format(), QImage::Format_ARGB32);
    int background = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb given = picture.pixel(x, y), body = pictures->body.pixel(x, y),
                       fins = pictures->fins.pixel(x, y);
            ASSERT_EQ(qAlpha(body), 255);
            ASSERT_EQ(body & RGB_MASK, fins & RGB_MASK);
            ASSERT_NE(body, Background) << "the background colour shows at " << x << "," << y;
            if (given == Background) {
                ++background;
                ASSERT_EQ(qAlpha(fins), 0);
            } else {
                ASSERT_EQ(fins, given);
            }
        }
    EXPECT_GT(background, picture.width() * picture.height() / 2);
}

namespace {

struct ObjFile {
    std::vector<std::array<float, 3>> v, vn;
    std::vector<std::array<float, 2>> vt;
    std::vector<std::array<std::array<int, 3>, 3>> faces; // v/vt/vn per corner, from 1
    std::vector<std::string> faceMaterials;
    std::string mtllib;
};

float ParseFloat(const std::string& word) {
    float f = 0;
    std::from_chars(word.data(), word.data() + word.size(), f);
    return f;
}

// Enough of OBJ to read the export back: v, vt, vn, f, usemtl, mtllib.
ObjFile ParseObj(const QByteArray& text) {
    ObjFile obj;
    std::string material;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> w = line.split(' ');
        const std::string key = w.value(0).toStdString();
        auto f = [&](int k) { return ParseFloat(w.value(k).toStdString()); };
        if (key == "v")
            obj.v.push_back({f(1), f(2), f(3)});
        else if (key == "vn")
            obj.vn.push_back({f(1), f(2), f(3)});
        else if (key == "vt")
            obj.vt.push_back({f(1), f(2)});
        else if (key == "usemtl")
            material = w.value(1).toStdString();
        else if (key == "mtllib")
            obj.mtllib = w.value(1).toStdString();
        else if (key == "f") {
            std::array<std::array<int, 3>, 3> face{};
            for (int c = 0; c < 3; ++c) {
                const QList<QByteArray> parts = w.value(c + 1).split('/');
                for (int k = 0; k < 3; ++k) face[size_t(c)][size_t(k)] = parts.value(k).toInt();
            }
            obj.faces.push_back(face);
            obj.faceMaterials.push_back(material);
        }
    }
    return obj;
}

} // namespace

TEST(ObjExport, ReadsBackAsTheMeshWithItsMaterials) {
    const FishMesh mesh = BuildFishMesh(test::ShapedFish());
    for (bool textured : {true, false}) {
        SCOPED_TRACE(textured ? "textured" : "untextured");
        const auto files = ExportObj(mesh, textured ? Texture(Picture()) : ModelTexture{},
                                     {"koi.mtl", "koi_obj_body.png", "koi_obj_fins.png"});
        ASSERT_TRUE(files);
        const ObjFile obj = ParseObj(files->obj);
        EXPECT_EQ(obj.mtllib, "koi.mtl");
        ASSERT_EQ(obj.v.size(), mesh.vertices.size());
        ASSERT_EQ(obj.vn.size(), mesh.vertices.size());
        ASSERT_EQ(obj.vt.size(), textured ? mesh.vertices.size() : 0u);
        for (size_t k = 0; k < mesh.vertices.size(); ++k) {
            const MeshVertex& v = mesh.vertices[k];
            for (int c = 0; c < 3; ++c) {
                // The shortest text of a float reads back to the same float.
                ASSERT_EQ(obj.v[k][size_t(c)], v.position[size_t(c)]) << k;
                ASSERT_EQ(obj.vn[k][size_t(c)], v.normal[size_t(c)]) << k;
            }
            if (textured) {
                ASSERT_EQ(obj.vt[k][0], v.texCoord[0]);
                ASSERT_EQ(obj.vt[k][1], 1.0f - v.texCoord[1]);
            }
        }
        ASSERT_EQ(obj.faces.size(), mesh.triangles.size());
        for (size_t t = 0; t < mesh.triangles.size(); ++t) {
            const MeshTriangle& tri = mesh.triangles[t];
            EXPECT_EQ(obj.faceMaterials[t], FishPartName(tri.part));
            for (int c = 0; c < 3; ++c) {
                const auto& corner = obj.faces[t][size_t(c)];
                EXPECT_EQ(corner[0], int(tri.corners[size_t(c)]) + 1);
                EXPECT_EQ(corner[1], textured ? corner[0] : 0);
                EXPECT_EQ(corner[2], corner[0]);
            }
        }

        // The library: one material per part; the body and the eye take the
        // opaque picture, the fins the one whose alpha cuts them out.
        const QString mtl = QString::fromUtf8(files->mtl);
        for (FishPart part : FishParts) {
            const QString block =
                mtl.section(QStringLiteral("newmtl "), 1 + int(part), 1 + int(part));
            EXPECT_TRUE(block.startsWith(FishPartName(part))) << block.toStdString();
            EXPECT_EQ(block.contains("map_Kd koi_obj_body.png\n"), textured && !IsFin(part))
                << FishPartName(part);
            EXPECT_EQ(block.contains("map_Kd koi_obj_fins.png\n"), textured && IsFin(part))
                << FishPartName(part);
            EXPECT_EQ(block.contains("map_d koi_obj_fins.png\n"), textured && IsFin(part))
                << FishPartName(part);
        }
        EXPECT_EQ(files->bodyPng.isEmpty(), !textured);
        EXPECT_EQ(files->finsPng.isEmpty(), !textured);
    }
}

TEST(ModelExports, AModelWithoutATriangleIsRefused) {
    test::FishShape nothing;
    nothing.columns = 1;
    nothing.tailColumns = nothing.dorsalColumns = nothing.analColumns = nothing.ventralColumns =
        nothing.whiskerColumns = 1;
    nothing.pectoral = nothing.eye = false;
    const FishMesh mesh = BuildFishMesh(test::ShapedFish(nothing));
    ASSERT_TRUE(mesh.triangles.empty());
    QString why;
    EXPECT_FALSE(ExportGlb(mesh, ModelTexture{}, &why));
    EXPECT_EQ(why, "the model has no triangle to export");
    EXPECT_FALSE(ExportObj(mesh, ModelTexture{}, {"a.mtl", "a_body.png", "a_fins.png"}, &why));
    EXPECT_EQ(why, "the model has no triangle to export");
}

TEST(ObjExport, RefusesSideNamesThatTheFilesCannotHold) {
    const FishMesh mesh = BuildFishMesh(test::ShapedFish());
    for (const char* name : {"a b.mtl", "a\nv 9 9 9\n.mtl", "a\t.mtl", "a#.mtl", "", "a\x1b.mtl"}) {
        QString why;
        EXPECT_FALSE(ExportObj(mesh, ModelTexture{}, {name, "a_body.png", "a_fins.png"}, &why))
            << name;
        EXPECT_TRUE(why.contains("cannot be written into an OBJ file")) << why.toStdString();
    }
    EXPECT_TRUE(ExportObj(mesh, ModelTexture{}, {"é.mtl", "a_body.png", "a_fins.png"}));
}

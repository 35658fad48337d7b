// meshmaker_glb_render: draws an exported .glb as a 3-D program would, with
// a small software rasteriser (depth buffer, textures with alpha masks,
// back faces culled unless a material is double-sided, one light), so the
// export can be looked at without a display or OpenGL.
//
//   meshmaker_glb_render FISH.glb OUT.png [YAW PITCH]...
//
// Each YAW PITCH pair (degrees; default 35 20) is one panel of the picture,
// side by side; yaw turns the fish about its vertical axis, pitch tilts the
// view from above.

#include "GlbLoad.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <vector>

namespace {

using Vec3 = std::array<double, 3>;

struct Vertex {
    Vec3 position, normal;
    std::array<double, 2> uv;
};

struct Material {
    std::array<double, 4> colour{1, 1, 1, 1};
    const tinygltf::Image* texture = nullptr;
    bool mask = false, doubleSided = false;
    double cutoff = 0.5;
};

struct Primitive {
    std::vector<Vertex> vertices;
    std::vector<quint32> indices;
    Material material;
};

std::vector<Primitive> Primitives(const tinygltf::Model& model) {
    std::vector<Primitive> out;
    for (const tinygltf::Primitive& p : model.meshes.at(0).primitives) {
        Primitive prim;
        const auto positions = test::AccessorValues<float>(model, p.attributes.at("POSITION"));
        const auto normals = test::AccessorValues<float>(model, p.attributes.at("NORMAL"));
        std::vector<float> uvs;
        if (p.attributes.count("TEXCOORD_0"))
            uvs = test::AccessorValues<float>(model, p.attributes.at("TEXCOORD_0"));
        for (size_t k = 0; k < positions.size() / 3; ++k)
            prim.vertices.push_back(
                {{positions[3 * k], positions[3 * k + 1], positions[3 * k + 2]},
                 {normals[3 * k], normals[3 * k + 1], normals[3 * k + 2]},
                 {uvs.empty() ? 0.0 : uvs[2 * k], uvs.empty() ? 0.0 : uvs[2 * k + 1]}});
        prim.indices = test::AccessorValues<quint32>(model, p.indices);
        const tinygltf::Material& m = model.materials.at(size_t(p.material));
        for (int c = 0; c < 4; ++c)
            prim.material.colour[size_t(c)] = m.pbrMetallicRoughness.baseColorFactor[size_t(c)];
        const int texture = m.pbrMetallicRoughness.baseColorTexture.index;
        if (texture >= 0)
            prim.material.texture =
                &model.images.at(size_t(model.textures.at(size_t(texture)).source));
        prim.material.mask = m.alphaMode == "MASK";
        prim.material.cutoff = m.alphaCutoff;
        prim.material.doubleSided = m.doubleSided;
        out.push_back(std::move(prim));
    }
    return out;
}

// The view: turn about y by yaw, then tilt about x by pitch.
Vec3 View(const Vec3& p, double yaw, double pitch) {
    const double cy = std::cos(yaw), sy = std::sin(yaw), cp = std::cos(pitch), sp = std::sin(pitch);
    const double x = cy * p[0] + sy * p[2], z = -sy * p[0] + cy * p[2];
    return {x, cp * p[1] - sp * z, sp * p[1] + cp * z};
}

std::array<double, 4> Sample(const tinygltf::Image& image, double u, double v) {
    const int x = std::clamp(int(u * image.width), 0, image.width - 1);
    const int y = std::clamp(int(v * image.height), 0, image.height - 1);
    const unsigned char* p = &image.image[(size_t(y) * image.width + x) * 4];
    return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0, p[3] / 255.0};
}

QImage Render(const std::vector<Primitive>& prims, int width, int height, double yaw,
              double pitch) {
    // Fit the turned fish into the panel with a margin.
    double lo[2] = {1e30, 1e30}, hi[2] = {-1e30, -1e30};
    for (const Primitive& p : prims)
        for (const Vertex& v : p.vertices) {
            const Vec3 q = View(v.position, yaw, pitch);
            for (int c = 0; c < 2; ++c)
                lo[c] = std::min(lo[c], q[size_t(c)]), hi[c] = std::max(hi[c], q[size_t(c)]);
        }
    const double scale = 0.9 * std::min(width / (hi[0] - lo[0]), height / (hi[1] - lo[1]));
    const double mx = (lo[0] + hi[0]) / 2, my = (lo[1] + hi[1]) / 2;
    auto screen = [&](const Vec3& q) {
        return Vec3{width / 2.0 + (q[0] - mx) * scale, height / 2.0 - (q[1] - my) * scale, q[2]};
    };
    // The light comes from the viewer's upper left; z grows towards the viewer.
    Vec3 light = {-0.4, 0.6, 0.7};
    const double l = std::sqrt(light[0] * light[0] + light[1] * light[1] + light[2] * light[2]);
    for (double& c : light) c /= l;

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int g = 235 - 40 * y / height;
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(g, g, g + 8));
    }
    std::vector<double> depth(size_t(width) * height, -std::numeric_limits<double>::infinity());

    for (const Primitive& p : prims) {
        std::vector<Vec3> s(p.vertices.size()), n(p.vertices.size());
        for (size_t k = 0; k < p.vertices.size(); ++k) {
            s[k] = screen(View(p.vertices[k].position, yaw, pitch));
            n[k] = View(p.vertices[k].normal, yaw, pitch);
        }
        for (size_t t = 0; t + 2 < p.indices.size(); t += 3) {
            const quint32 a = p.indices[t], b = p.indices[t + 1], c = p.indices[t + 2];
            // Counter-clockwise on the screen (y down) faces the viewer.
            const double area = (s[b][0] - s[a][0]) * (s[c][1] - s[a][1]) -
                                (s[c][0] - s[a][0]) * (s[b][1] - s[a][1]);
            if (area == 0) continue;
            const bool back = area > 0;
            if (back && !p.material.doubleSided) continue;
            const int x0 = std::max(0, int(std::floor(std::min({s[a][0], s[b][0], s[c][0]}))));
            const int x1 =
                std::min(width - 1, int(std::ceil(std::max({s[a][0], s[b][0], s[c][0]}))));
            const int y0 = std::max(0, int(std::floor(std::min({s[a][1], s[b][1], s[c][1]}))));
            const int y1 =
                std::min(height - 1, int(std::ceil(std::max({s[a][1], s[b][1], s[c][1]}))));
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    const double px = x + 0.5, py = y + 0.5;
                    const double w0 =
                        ((s[b][0] - px) * (s[c][1] - py) - (s[c][0] - px) * (s[b][1] - py)) / area;
                    const double w1 =
                        ((s[c][0] - px) * (s[a][1] - py) - (s[a][0] - px) * (s[c][1] - py)) / area;
                    const double w2 = 1 - w0 - w1;
                    if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                    const double z = w0 * s[a][2] + w1 * s[b][2] + w2 * s[c][2];
                    double& d = depth[size_t(y) * width + x];
                    if (z <= d) continue;
                    std::array<double, 4> colour = p.material.colour;
                    if (p.material.texture) {
                        const auto &va = p.vertices[a].uv, &vb = p.vertices[b].uv,
                                   &vc = p.vertices[c].uv;
                        const auto texel =
                            Sample(*p.material.texture, w0 * va[0] + w1 * vb[0] + w2 * vc[0],
                                   w0 * va[1] + w1 * vb[1] + w2 * vc[1]);
                        for (int k = 0; k < 4; ++k) colour[size_t(k)] *= texel[size_t(k)];
                    }
                    if (p.material.mask && colour[3] < p.material.cutoff) continue;
                    Vec3 normal;
                    for (int k = 0; k < 3; ++k)
                        normal[size_t(k)] =
                            w0 * n[a][size_t(k)] + w1 * n[b][size_t(k)] + w2 * n[c][size_t(k)];
                    const double len = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] +
                                                 normal[2] * normal[2]);
                    double lit = 0;
                    for (int k = 0; k < 3; ++k)
                        lit += normal[size_t(k)] / (len > 0 ? len : 1) * light[size_t(k)];
                    if (back) lit = -lit; // a double-sided face seen from behind
                    const double shade = 0.35 + 0.65 * std::max(0.0, lit);
                    d = z;
                    image.setPixel(x, y,
                                   qRgb(int(std::min(1.0, colour[0] * shade) * 255),
                                        int(std::min(1.0, colour[1] * shade) * 255),
                                        int(std::min(1.0, colour[2] * shade) * 255)));
                }
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3 || (argc - 3) % 2 != 0) {
        std::fprintf(stderr, "usage: meshmaker_glb_render FISH.glb OUT.png [YAW PITCH]...\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    std::string error;
    const auto model = test::LoadGlb(in.readAll(), &error);
    if (!model) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::vector<std::array<double, 2>> views;
    for (int i = 3; i + 1 < argc; i += 2)
        views.push_back({std::atof(argv[i]), std::atof(argv[i + 1])});
    if (views.empty()) views.push_back({35, 20});

    const std::vector<Primitive> prims = Primitives(*model);
    constexpr int PanelWidth = 900, PanelHeight = 560;
    QImage out(PanelWidth * int(views.size()), PanelHeight, QImage::Format_RGB32);
    QPainter painter(&out);
    for (size_t k = 0; k < views.size(); ++k)
        painter.drawImage(int(k) * PanelWidth, 0,
                          Render(prims, PanelWidth, PanelHeight,
                                 views[k][0] * std::numbers::pi / 180,
                                 views[k][1] * std::numbers::pi / 180));
    painter.end();
    if (!out.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}

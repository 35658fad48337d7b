// A model drawn as the 3-D view draws it, in software, for the thumbnailer
// (ThumbnailCommand.cpp).

#include "FishThumbnail.h"

#include "ModelTexture.h"
#include "OrbitCamera.h"

#include <QMatrix4x4>
#include <QVector3D>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Samples across a pixel, each way: the picture is drawn this much larger
// and then reduced, which smooths its edges.
constexpr int Supersampling = 2;
// The empty border round the fish, as a share of the longer side.
constexpr float Margin = 0.04f;

// The light of the 3-D view's shaders (gui/FishRenderer): one directional
// light fixed to the camera, towards the upper left and the viewer, and
// ambient light; a face seen from behind is lit as its other side.
const QVector3D TowardsLight = QVector3D(-0.35f, 0.55f, 0.76f).normalized();
constexpr float Ambient = 0.35f, Diffuse = 0.65f;

// The colours of an untextured model, as the view and the exports have them.
QRgb PlainColour(FishPart part) {
    switch (part) {
    case FishPart::Body:
        return qRgb(217, 140, 64); // 0.85, 0.55, 0.25
    case FishPart::Eye:
        return qRgb(26, 26, 26); // 0.1
    default:
        return qRgb(242, 191, 115); // 0.95, 0.75, 0.45
    }
}

struct ScreenVertex {
    float x = 0, y = 0; // pixels, y down
    float invW = 0;     // 1 / the distance in front of the camera
    float u = 0, v = 0;
    float front = 1, back = 1; // the light on the side each way
};

// A texture no larger than the picture needs: reduced as mipmaps are, each
// channel on its own (the colour of a transparent texel stays its own, the
// edge padding's, as the view's texture keeps it), so a large picture does
// not shimmer.
QImage Reduced(const QImage& texture, int width) {
    if (texture.isNull() || texture.width() <= width) return texture;
    const int height = std::max(1, int(qint64(texture.height()) * width / texture.width()));
    const QImage colour =
        texture.convertToFormat(QImage::Format_RGB32)
            .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage alpha(texture.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < texture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(texture.constScanLine(y));
        uchar* out = alpha.scanLine(y);
        for (int x = 0; x < texture.width(); ++x) out[x] = uchar(qAlpha(in[x]));
    }
    alpha = alpha.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_Grayscale8);
    QImage reduced(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* c = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        const uchar* a = alpha.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(reduced.scanLine(y));
        for (int x = 0; x < width; ++x) out[x] = (QRgb(a[x]) << 24) | (c[x] & RGB_MASK);
    }
    return reduced;
}

// Bilinear, clamped at the edges, of a non-premultiplied ARGB32 texture.
std::array<float, 4> Sample(const QImage& texture, float u, float v) {
    const float fx = std::clamp(u * texture.width() - 0.5f, 0.0f, float(texture.width() - 1));
    const float fy = std::clamp(v * texture.height() - 0.5f, 0.0f, float(texture.height() - 1));
    const int x0 = int(fx), y0 = int(fy);
    const int x1 = std::min(x0 + 1, texture.width() - 1),
              y1 = std::min(y0 + 1, texture.height() - 1);
    const float tx = fx - x0, ty = fy - y0;
    const auto* r0 = reinterpret_cast<const QRgb*>(texture.constScanLine(y0));
    const auto* r1 = reinterpret_cast<const QRgb*>(texture.constScanLine(y1));
    const QRgb p[4] = {r0[x0], r0[x1], r1[x0], r1[x1]};
    const float w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
    std::array<float, 4> out{};
    for (int k = 0; k < 4; ++k) {
        out[0] += w[k] * qRed(p[k]);
        out[1] += w[k] * qGreen(p[k]);
        out[2] += w[k] * qBlue(p[k]);
        out[3] += w[k] * qAlpha(p[k]);
    }
    return out;
}

class Rasteriser {
public:
    Rasteriser(int width, int height)
        : image_(width, height, QImage::Format_ARGB32_Premultiplied),
          depth_(size_t(width) * height, 0.0f) {
        image_.fill(Qt::transparent);
    }

    // One triangle: front says which side the viewer sees (for the light);
    // masked cuts it to the texture's opaque texels.
    void Draw(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, bool front,
              const QImage* texture, QRgb plain, bool masked) {
        const float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (area == 0) return;
        const int x0 = std::max(0, int(std::floor(std::min({a.x, b.x, c.x}))));
        const int x1 = std::min(image_.width() - 1, int(std::ceil(std::max({a.x, b.x, c.x}))));
        const int y0 = std::max(0, int(std::floor(std::min({a.y, b.y, c.y}))));
        const int y1 = std::min(image_.height() - 1, int(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = y0; y <= y1; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = x0; x <= x1; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
                const float wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
                const float wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0) continue;
                // Nearer is a larger 1/w; equal depths draw again, as the view's LEQUAL.
                const float invW = wa * a.invW + wb * b.invW + wc * c.invW;
                float& depth = depth_[size_t(y) * image_.width() + x];
                if (invW < depth) continue;
                // Perspective-correct: each weight over its vertex's w.
                const float pa = wa * a.invW / invW, pb = wb * b.invW / invW,
                            pc = wc * c.invW / invW;
                const float light = front ? pa * a.front + pb * b.front + pc * c.front
                                          : pa * a.back + pb * b.back + pc * c.back;
                std::array<float, 4> base{float(qRed(plain)), float(qGreen(plain)),
                                          float(qBlue(plain)), 255};
                if (texture)
                    base = Sample(*texture, pa * a.u + pb * b.u + pc * c.u,
                                  pa * a.v + pb * b.v + pc * c.v);
                if (masked && base[3] < 127.5f) continue;
                depth = invW;
                auto channel = [&](float value) {
                    return std::clamp(int(value * light + 0.5f), 0, 255);
                };
                row[x] = qRgb(channel(base[0]), channel(base[1]), channel(base[2]));
            }
        }
    }

    QImage Result() const { return image_; }

private:
    QImage image_;
    std::vector<float> depth_;
};

} // namespace

QImage RenderFishThumbnail(const PreviewModel& model, int size) {
    const FishMesh& mesh = model.mesh;
    if (!model.hasMesh || mesh.triangles.empty() || size < 1) return {};

    // The camera of the 3-D view, turned to three quarters round the mesh.
    QVector3D low(1e30f, 1e30f, 1e30f), high(-1e30f, -1e30f, -1e30f);
    for (const MeshVertex& v : mesh.vertices)
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], v.position[size_t(k)]);
            high[k] = std::max(high[k], v.position[size_t(k)]);
        }
    OrbitCamera camera;
    camera.SetScene(low, high);
    camera.Show(OrbitCamera::Standard::Side);
    camera.SetOrientation(ThumbnailYaw, ThumbnailPitch);
    const QMatrix4x4 view = camera.View();
    const QMatrix3x3 normalMatrix = view.normalMatrix();

    // Every vertex seen through the camera; the picture frames them.
    std::vector<ScreenVertex> screen(mesh.vertices.size());
    float left = 1e30f, right = -1e30f, top = 1e30f, bottom = -1e30f;
    for (size_t k = 0; k < mesh.vertices.size(); ++k) {
        const MeshVertex& m = mesh.vertices[k];
        const QVector3D eye = view.map(QVector3D(m.position[0], m.position[1], m.position[2]));
        const float distance = std::max(-eye.z(), 1e-6f);
        ScreenVertex& s = screen[k];
        s.invW = 1 / distance;
        s.x = eye.x() * s.invW;
        s.y = -eye.y() * s.invW;
        s.u = m.texCoord[0];
        s.v = m.texCoord[1];
        const float* nm = normalMatrix.constData(); // column-major
        const QVector3D n(nm[0] * m.normal[0] + nm[3] * m.normal[1] + nm[6] * m.normal[2],
                          nm[1] * m.normal[0] + nm[4] * m.normal[1] + nm[7] * m.normal[2],
                          nm[2] * m.normal[0] + nm[5] * m.normal[1] + nm[8] * m.normal[2]);
        const float facing = QVector3D::dotProduct(n.normalized(), TowardsLight);
        s.front = Ambient + Diffuse * std::max(facing, 0.0f);
        s.back = Ambient + Diffuse * std::max(-facing, 0.0f);
        left = std::min(left, s.x), right = std::max(right, s.x);
        top = std::min(top, s.y), bottom = std::max(bottom, s.y);
    }
    const float spanX = std::max(right - left, 1e-6f), spanY = std::max(bottom - top, 1e-6f);
    const float longer = std::max(spanX, spanY);
    const int width = std::max(1, int(std::lround(size * spanX / longer)));
    const int height = std::max(1, int(std::lround(size * spanY / longer)));
    const float inner = size * Supersampling * (1 - 2 * Margin);
    const float scale = inner / longer;
    const float offsetX = (width * Supersampling - spanX * scale) / 2 - left * scale;
    const float offsetY = (height * Supersampling - spanY * scale) / 2 - top * scale;
    for (ScreenVertex& s : screen) s.x = s.x * scale + offsetX, s.y = s.y * scale + offsetY;

    // The export's two pictures (ModelTexture.h) in one, reduced: the body
    // and the eyes take its colours, the fins are cut to their painted shape
    // by its alpha channel as well.
    QImage texture;
    if (!model.picture.isNull())
        if (const auto picture = MakeModelPicture(model.picture, model.background))
            texture = Reduced(*picture, 2 * width * Supersampling);
    const QImage* pictured = texture.isNull() ? nullptr : &texture;
    const bool bodyClosed = IsClosedSurface(mesh, FishPart::Body);

    Rasteriser raster(width * Supersampling, height * Supersampling);
    for (const MeshTriangle& t : mesh.triangles) {
        const ScreenVertex &a = screen[t.corners[0]], &b = screen[t.corners[1]],
                           &c = screen[t.corners[2]];
        // Counter-clockwise with y up faces the viewer, as in OpenGL.
        const bool front = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y) < 0;
        // The fins have a face each way, so each shows only its front; the
        // body and the eyes show their inside where they are open.
        if (!front && (IsFin(t.part) || (t.part == FishPart::Body && bodyClosed))) continue;
        raster.Draw(a, b, c, front, pictured, PlainColour(t.part), pictured && IsFin(t.part));
    }
    return raster.Result().scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

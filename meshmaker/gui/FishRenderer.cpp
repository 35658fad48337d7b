// The OpenGL drawing of the fish mesh: buffers, shaders, the texture; the 3-D
// view widget (FishView) owns one.

#include "FishRenderer.h"

#include <QOpenGLContext>

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

static_assert(sizeof(MeshVertex) == 8 * sizeof(float), "vertices go to the GPU as they are");

enum Attribute : int { Position = 0, Normal = 1, TexCoord = 2 };

const char* const SurfaceVertexShader = R"(
attribute highp vec3 position;
attribute highp vec3 normal;
attribute highp vec2 texCoord;
uniform highp mat4 modelView;
uniform highp mat4 projection;
uniform highp mat3 normalMatrix;
uniform highp vec3 towardsLight;
varying lowp float frontLight;
varying lowp float backLight;
varying highp vec2 pictureCoord;
void main() {
    highp float facing = dot(normalize(normalMatrix * normal), towardsLight);
    frontLight = 0.35 + 0.65 * max(facing, 0.0);
    backLight = 0.35 + 0.65 * max(-facing, 0.0);
    pictureCoord = texCoord;
    gl_Position = projection * (modelView * vec4(position, 1.0));
}
)";

// A face seen from behind is lit as its other side.
const char* const SurfaceFragmentShader = R"(
#ifdef GL_ES
precision mediump float;
#endif
varying lowp float frontLight;
varying lowp float backLight;
varying highp vec2 pictureCoord;
#ifdef PICTURED
uniform sampler2D picture;
#else
uniform lowp vec4 colour;
#endif
void main() {
#ifdef PICTURED
    lowp vec4 base = texture2D(picture, pictureCoord);
#ifdef ALPHA_MASK
    if (base.a < 0.5) discard;
#endif
#else
    lowp vec4 base = colour;
#endif
    gl_FragColor = vec4(base.rgb * (gl_FrontFacing ? frontLight : backLight), 1.0);
}
)";

const char* const LineVertexShader = R"(
attribute highp vec3 position;
uniform highp mat4 modelView;
uniform highp mat4 projection;
void main() {
    gl_Position = projection * (modelView * vec4(position, 1.0));
}
)";

const char* const LineFragmentShader = R"(
#ifdef GL_ES
precision mediump float;
#endif
uniform lowp vec4 colour;
void main() {
    gl_FragColor = colour;
}
)";

// The export's plain colours of an untextured model.
QVector4D PlainColour(FishPart part) {
    switch (part) {
    case FishPart::Body:
        return {0.85f, 0.55f, 0.25f, 1.0f};
    case FishPart::Eye:
        return {0.1f, 0.1f, 0.1f, 1.0f};
    default:
        return {0.95f, 0.75f, 0.45f, 1.0f};
    }
}

const QVector4D LineColour(0.08f, 0.12f, 0.16f, 1.0f);

template <typename Index> std::vector<Index> Indices(const FishMesh& mesh) {
    std::vector<Index> out;
    out.reserve(mesh.triangles.size() * 3);
    for (const MeshTriangle& t : mesh.triangles)
        for (quint32 c : t.corners) out.push_back(Index(c));
    return out;
}

template <typename Index>
std::vector<Index> EdgeIndices(const std::vector<std::array<quint32, 2>>& edges) {
    std::vector<Index> out;
    out.reserve(edges.size() * 2);
    for (const auto& e : edges) out.push_back(Index(e[0])), out.push_back(Index(e[1]));
    return out;
}

template <typename Index> void Fill(QOpenGLBuffer& buffer, const std::vector<Index>& values) {
    buffer.bind();
    buffer.allocate(values.data(), int(values.size() * sizeof(Index)));
    buffer.release();
}

} // namespace

FishRenderer::FishRenderer() = default;

FishRenderer::~FishRenderer() = default;

bool FishRenderer::Build(Program& program, const char* vertex, const QByteArray& fragment,
                         QString* why) {
    program.shaders = std::make_unique<QOpenGLShaderProgram>();
    QOpenGLShaderProgram& p = *program.shaders;
    p.bindAttributeLocation("position", Position);
    p.bindAttributeLocation("normal", Normal);
    p.bindAttributeLocation("texCoord", TexCoord);
    if (!p.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) ||
        !p.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) || !p.link()) {
        if (why) *why = p.log().simplified();
        program.shaders.reset();
        return false;
    }
    program.modelView = p.uniformLocation("modelView");
    program.projection = p.uniformLocation("projection");
    program.normalMatrix = p.uniformLocation("normalMatrix");
    program.towardsLight = p.uniformLocation("towardsLight");
    program.colour = p.uniformLocation("colour");
    program.picture = p.uniformLocation("picture");
    return true;
}

bool FishRenderer::Initialize(QString* why) {
    initializeOpenGLFunctions();
    QOpenGLContext* context = QOpenGLContext::currentContext();
    const bool es = context->isOpenGLES();
    canUseIntIndices_ = !es || context->hasExtension("GL_OES_element_index_uint");
    // OpenGL ES 2 makes mipmaps of a picture of any size only with this.
    mipmaps_ = !es || context->format().majorVersion() >= 3 ||
               context->hasExtension("GL_OES_texture_npot");
    const QByteArray surface(SurfaceFragmentShader);
    if (!Build(plain_, SurfaceVertexShader, surface, why) ||
        !Build(pictured_, SurfaceVertexShader, "#define PICTURED\n" + surface, why) ||
        !Build(masked_, SurfaceVertexShader, "#define PICTURED\n#define ALPHA_MASK\n" + surface,
               why) ||
        !Build(lines_, LineVertexShader, LineFragmentShader, why))
        return false;
    vertices_.create();
    indices_.create();
    edges_.create();
    ready_ = true;
    return true;
}

void FishRenderer::UploadMesh(const FishMesh& mesh) {
    parts_.clear();
    edgeIndexCount_ = 0;
    if (!ready_ || mesh.triangles.empty()) return;
    const bool fitsShort = mesh.vertices.size() <= std::numeric_limits<quint16>::max();
    if (!fitsShort && !canUseIntIndices_) return; // beyond what the reader lets through
    vertices_.bind();
    vertices_.allocate(mesh.vertices.data(), int(mesh.vertices.size() * sizeof(MeshVertex)));
    vertices_.release();
    indexType_ = fitsShort ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT;
    if (fitsShort)
        Fill(indices_, Indices<quint16>(mesh));
    else
        Fill(indices_, Indices<quint32>(mesh));
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        if (r.triangleCount > 0) parts_.push_back({part, 3 * r.firstTriangle, 3 * r.triangleCount});
    }

    const PartRange& body = mesh.range(FishPart::Body);
    const auto first = mesh.triangles.begin() + body.firstTriangle;
    const bool same = size_t(body.triangleCount) == bodyTriangles_.size() &&
                      std::equal(first, first + body.triangleCount, bodyTriangles_.begin(),
                                 [](const MeshTriangle& t, const std::array<quint32, 3>& c) {
                                     return t.corners == c;
                                 });
    if (!same) {
        bodyClosed_ = IsClosedSurface(mesh, FishPart::Body);
        bodyTriangles_.clear();
        for (auto t = first; t != first + body.triangleCount; ++t)
            bodyTriangles_.push_back(t->corners);
    }
}

void FishRenderer::UploadEdges(const std::vector<std::array<quint32, 2>>& edges) {
    if (!ready_ || parts_.empty()) return;
    if (indexType_ == GL_UNSIGNED_SHORT)
        Fill(edges_, EdgeIndices<quint16>(edges));
    else
        Fill(edges_, EdgeIndices<quint32>(edges));
    edgeIndexCount_ = int(edges.size() * 2);
}

namespace {

// A picture as a texture, at most the size the driver takes.
std::unique_ptr<QOpenGLTexture> MakeTexture(const QImage& picture, int largest, bool mipmaps) {
    QImage image = picture;
    if (largest > 0 && (image.width() > largest || image.height() > largest))
        image = image.scaled(largest, largest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Seen whole, the picture is smaller on the screen than it is: mipmaps
    // keep the minified texture smooth and its reads close together.
    auto texture = std::make_unique<QOpenGLTexture>(
        image, mipmaps ? QOpenGLTexture::GenerateMipMaps : QOpenGLTexture::DontGenerateMipMaps);
    texture->setMinificationFilter(mipmaps ? QOpenGLTexture::LinearMipMapNearest
                                           : QOpenGLTexture::Linear);
    texture->setMagnificationFilter(QOpenGLTexture::Linear);
    texture->setWrapMode(QOpenGLTexture::ClampToEdge);
    return texture;
}

} // namespace

void FishRenderer::UploadTextures(const QImage& body, const QImage& fins) {
    bodyTexture_.reset();
    finsTexture_.reset();
    if (!ready_ || body.isNull() || fins.isNull()) return;
    // A picture larger than the driver takes is shown at the largest size it does.
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    bodyTexture_ = MakeTexture(body, largest, mipmaps_);
    finsTexture_ = MakeTexture(fins, largest, mipmaps_);
}

void FishRenderer::Use(const Program& program, const QMatrix4x4& view,
                       const QMatrix4x4& projection) {
    QOpenGLShaderProgram& p = *program.shaders;
    p.bind();
    p.setUniformValue(program.modelView, view);
    p.setUniformValue(program.projection, projection);
    if (program.normalMatrix >= 0) p.setUniformValue(program.normalMatrix, view.normalMatrix());
    if (program.towardsLight >= 0)
        p.setUniformValue(program.towardsLight, QVector3D(-0.35f, 0.55f, 0.76f).normalized());
    if (program.picture >= 0) p.setUniformValue(program.picture, 0);
}

void FishRenderer::Draw(const PartDraw& d) {
    const size_t indexSize = indexType_ == GL_UNSIGNED_SHORT ? 2 : 4;
    glDrawElements(GL_TRIANGLES, d.indexCount, indexType_,
                   reinterpret_cast<const void*>(size_t(d.firstIndex) * indexSize));
}

void FishRenderer::Render(const QMatrix4x4& view, const QMatrix4x4& projection, bool wireframe) {
    glClearColor(qRed(ClearColour) / 255.0f, qGreen(ClearColour) / 255.0f,
                 qBlue(ClearColour) / 255.0f, 1.0f);
    glClearDepthf(1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!ready_ || parts_.empty()) return;

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glFrontFace(GL_CCW);
    glEnable(GL_CULL_FACE);
    const bool textured = bodyTexture_ != nullptr;
    if (textured) bodyTexture_->bind(0);
    vertices_.bind();
    indices_.bind();
    // Every program binds the same attribute locations.
    QOpenGLShaderProgram& attributes = *plain_.shaders;
    for (int a : {Position, Normal, TexCoord}) attributes.enableAttributeArray(a);
    attributes.setAttributeBuffer(Position, GL_FLOAT, int(offsetof(MeshVertex, position)), 3,
                                  int(sizeof(MeshVertex)));
    attributes.setAttributeBuffer(Normal, GL_FLOAT, int(offsetof(MeshVertex, normal)), 3,
                                  int(sizeof(MeshVertex)));
    attributes.setAttributeBuffer(TexCoord, GL_FLOAT, int(offsetof(MeshVertex, texCoord)), 2,
                                  int(sizeof(MeshVertex)));

    // With the grid drawn over it, the surface steps back a little.
    if (wireframe) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 1.0f);
    }
    // The faces towards the viewer first; then, where the surface is open
    // (the eyes at their rims, a body open at the head or the tail shows its
    // inside), those away from it, which the depth test mostly rejects
    // before they are shaded.
    const Program& opaque = textured ? pictured_ : plain_;
    Use(opaque, view, projection);
    for (GLenum away : {GL_BACK, GL_FRONT}) {
        glCullFace(away);
        for (const PartDraw& d : parts_) {
            if (IsFin(d.part) || (away == GL_FRONT && d.part == FishPart::Body && bodyClosed_))
                continue;
            if (!textured) opaque.shaders->setUniformValue(opaque.colour, PlainColour(d.part));
            Draw(d);
        }
    }
    // The fins have a face each way; each side shows its own.
    glCullFace(GL_BACK);
    if (textured) finsTexture_->bind(0);
    const Program& fins = textured ? masked_ : plain_;
    Use(fins, view, projection);
    for (const PartDraw& d : parts_) {
        if (!IsFin(d.part)) continue;
        if (!textured) fins.shaders->setUniformValue(fins.colour, PlainColour(d.part));
        Draw(d);
    }
    glDisable(GL_CULL_FACE);
    indices_.release();
    if (wireframe) {
        glDisable(GL_POLYGON_OFFSET_FILL);
        if (edgeIndexCount_ > 0) {
            Use(lines_, view, projection);
            lines_.shaders->setUniformValue(lines_.colour, LineColour);
            edges_.bind();
            glDrawElements(GL_LINES, edgeIndexCount_, indexType_, nullptr);
            edges_.release();
        }
    }

    for (int a : {Position, Normal, TexCoord}) attributes.disableAttributeArray(a);
    vertices_.release();
    if (textured) finsTexture_->release(0);
    plain_.shaders->release();
    glDisable(GL_DEPTH_TEST);
}

void FishRenderer::Release() {
    bodyTexture_.reset();
    finsTexture_.reset();
    vertices_.destroy();
    indices_.destroy();
    edges_.destroy();
    for (Program* p : {&plain_, &pictured_, &masked_, &lines_}) p->shaders.reset();
    parts_.clear();
    bodyTriangles_.clear();
    edgeIndexCount_ = 0;
    ready_ = false;
}

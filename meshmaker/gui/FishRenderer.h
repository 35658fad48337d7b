#pragma once
// Draws a fish mesh with OpenGL: it owns the shaders, the vertex, index and
// edge buffers and the picture's texture, and is rebuilt only when the mesh
// or the picture changes. It decides nothing about geometry: the triangles,
// normals and texture coordinates are the mesh's as they stand.
//
// The shaders are GLSL 1.10 / GLSL ES 1.00, so OpenGL 2.1 and OpenGL ES 2
// (Mesa's software renderer, old laptops) run them. One directional light
// fixed to the camera plus ambient light, lit at the vertices (the file's
// normals are one per row); the model's two pictures are the textures, as
// in the export: the body's opaque one, and the fins' whose alpha cuts them
// to their painted shape. The fins
// have a face each way in the mesh, so with back faces culled each side is
// lit as it faces; the body and the eyes are drawn from both sides, lit on
// the side that is seen.
//
// Every call needs the renderer's OpenGL context current.

#include "FishMesh.h"

#include <QImage>
#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLTexture>

#include <array>
#include <memory>
#include <vector>

class FishRenderer : protected QOpenGLFunctions {
public:
    // The colour behind the model.
    static constexpr QRgb ClearColour = 0xFF2B3440u;

    FishRenderer();
    ~FishRenderer();
    FishRenderer(const FishRenderer&) = delete;
    FishRenderer& operator=(const FishRenderer&) = delete;

    // Builds the shaders; false, with the driver's reason, when they fail.
    bool Initialize(QString* why);
    // The GPU part of a rebuild: the mesh's vertices and triangles into
    // buffers. A mesh without triangles draws nothing.
    void UploadMesh(const FishMesh& mesh);
    // The grid's edges (vertex index pairs) for the wireframe.
    void UploadEdges(const std::vector<std::array<quint32, 2>>& edges);
    // The model's two pictures (MakeModelPictures): the body's, opaque, for
    // the body and the eyes, and the fins', alpha-masked, for the fins, the
    // tail and the whiskers. A null body picture draws the model in the
    // export's plain colours.
    void UploadTextures(const QImage& body, const QImage& fins);
    // Clears and draws the model into the current framebuffer.
    void Render(const QMatrix4x4& view, const QMatrix4x4& projection, bool wireframe);
    // Frees every OpenGL object.
    void Release();

private:
    struct PartDraw {
        FishPart part;
        int firstIndex = 0, indexCount = 0;
    };
    // A build of the shaders and where its uniforms are.
    struct Program {
        std::unique_ptr<QOpenGLShaderProgram> shaders;
        int modelView = -1, projection = -1, normalMatrix = -1, towardsLight = -1, colour = -1,
            picture = -1;
    };
    bool Build(Program& program, const char* vertex, const QByteArray& fragment, QString* why);
    void Use(const Program& program, const QMatrix4x4& view, const QMatrix4x4& projection);
    void Draw(const PartDraw& part);

    // A program for each kind of surface, so that none of them branches on
    // what it draws (a software renderer pays for every branch of every
    // pixel): the plain colours, the picture, and the picture cut to the
    // fins' painted shape. A shader that can discard a fragment has its depth
    // tested late, so only the fins use that one. And the grid's lines.
    Program plain_, pictured_, masked_, lines_;
    QOpenGLBuffer vertices_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer indices_{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer edges_{QOpenGLBuffer::IndexBuffer};
    std::unique_ptr<QOpenGLTexture> bodyTexture_, finsTexture_;
    std::vector<PartDraw> parts_;
    unsigned indexType_ = 0; // GL_UNSIGNED_SHORT where the mesh fits, else GL_UNSIGNED_INT
    int edgeIndexCount_ = 0;
    bool canUseIntIndices_ = true;
    // Whether the body is one closed surface, and the triangles that says
    // it of: the check walks every edge, so it is made again only when the
    // triangles change, not when a point moves.
    bool bodyClosed_ = false;
    std::vector<std::array<quint32, 3>> bodyTriangles_;
    bool mipmaps_ = false;
    bool ready_ = false;
};

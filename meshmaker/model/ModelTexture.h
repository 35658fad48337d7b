#pragma once
// The picture as the model's textures, made once here for every consumer
// alike (the .glb, the OBJ and the 3-D view):
//   - the body's picture is opaque: every pixel of the file's background
//     colour takes the colour of the nearest fish pixel (edge padding), so no
//     body face shows the background colour, wherever its outline cuts
//     across the background. The body and the eyes use it;
//   - the fins' picture has the same colours and an alpha channel, 0 where
//     the picture has the background colour and 255 elsewhere: the fins, the
//     tail and the whiskers are cut to their painted shape by it (an alpha
//     mask), and their edges, however filtered, never pull in the background.
// Never a PNG colour key: many programs ignore it, and others apply it to
// the opaque body too.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

struct ModelPictures {
    QImage body; // RGB32, opaque
    QImage fins; // ARGB32, not premultiplied: the body's colours, alpha 0 or 255
};

// The two pictures of a picture whose background colour is fileBackground
// (0x00BBGGRR, the PGX file's field). The picture's fish pixels keep their
// colours exactly. Nothing, with the reason, for a null picture or when the
// memory cannot be had.
std::optional<ModelPictures> MakeModelPictures(const QImage& picture, quint32 fileBackground,
                                               QString* error = nullptr);

// The fins' picture of MakeModelPictures alone. The body's is the same
// without its alpha channel, so where the body is drawn with the alpha
// ignored (the thumbnail) this one picture serves both.
std::optional<QImage> MakeModelPicture(const QImage& picture, quint32 fileBackground,
                                       QString* error = nullptr);

// The two pictures as the exports carry them: the body's as an 8-bit RGB PNG,
// the fins' as an 8-bit RGBA PNG.
struct ModelTexture {
    QByteArray bodyPng, finsPng; // both empty for an untextured export
    int width = 0, height = 0;
    bool isNull() const { return bodyPng.isEmpty(); }
};

std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error = nullptr);

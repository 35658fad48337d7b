#pragma once
// The picture as the texture of an export: one PNG for every part. Pixels of
// the picture's background colour are transparent, so a fin's material shows
// the fin's painted shape and not its straight strip; the body's and the
// eye's materials ignore the transparency.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

struct ModelTexture {
    QByteArray png; // empty for an untextured export
    int width = 0, height = 0;
    bool isNull() const { return png.isEmpty(); }
};

// The PNG of the picture with the file's background colour (0x00BBGGRR)
// transparent. The picture's own colours are kept exactly: the PNG is the
// picture in 8-bit RGB with that one colour marked transparent (a tRNS
// chunk), as cheap to make as encoding the picture alone.
std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error = nullptr);

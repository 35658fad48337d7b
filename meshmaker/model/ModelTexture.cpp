// The picture as the exports' texture: transparent background, edge-padded
// body; the glTF and OBJ exports use it.

#include "ModelTexture.h"

#include "EdgePadding.h"
#include "PgxFormat.h"
#include "PngWriter.h"

#include <QCoreApplication>

namespace {

QString NoMemory() {
    return QCoreApplication::translate("ModelTexture",
                                       "there is not enough memory for the model's textures");
}

} // namespace

namespace {

// The fins' picture: the picture's colours with the background colour
// transparent, every transparent pixel then edge-padded. The body's picture
// is the same without its alpha channel.
QImage PaddedPicture(const QImage& picture, quint32 fileBackground) {
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull()) return {};
    QImage padded(source.size(), QImage::Format_ARGB32);
    if (padded.isNull()) return {};
    const QRgb background = Pgx::RgbOfFileColour(fileBackground) & RGB_MASK;
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(padded.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = in[x] & RGB_MASK;
            out[x] = rgb == background ? rgb : rgb | 0xFF000000u;
        }
    }
    if (!PadTransparentPixels(padded)) return {};
    return padded;
}

} // namespace

std::optional<QImage> MakeModelPicture(const QImage& picture, quint32 fileBackground,
                                       QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (picture.isNull()) return fail(QCoreApplication::translate("ModelTexture", "no picture"));
    QImage padded = PaddedPicture(picture, fileBackground);
    if (padded.isNull()) return fail(NoMemory());
    return padded;
}

std::optional<ModelPictures> MakeModelPictures(const QImage& picture, quint32 fileBackground,
                                               QString* error) {
    auto fins = MakeModelPicture(picture, fileBackground, error);
    if (!fins) return std::nullopt;
    ModelPictures out;
    out.fins = std::move(*fins);
    out.body = out.fins.convertToFormat(QImage::Format_RGB32);
    if (out.body.isNull()) {
        if (error) *error = NoMemory();
        return std::nullopt;
    }
    return out;
}

std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error) {
    // The body's PNG leaves the alpha channel out: the two pictures of
    // MakeModelPictures from one image.
    const auto padded = MakeModelPicture(picture, fileBackground, error);
    if (!padded) return std::nullopt;
    ModelTexture texture;
    texture.width = padded->width();
    texture.height = padded->height();
    texture.bodyPng = EncodePng(*padded, PngChannels::Rgb);
    texture.finsPng = EncodePng(*padded, PngChannels::Rgba);
    if (texture.bodyPng.isEmpty() || texture.finsPng.isEmpty()) {
        if (error) *error = NoMemory();
        return std::nullopt;
    }
    return texture;
}

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

std::optional<ModelPictures> MakeModelPictures(const QImage& picture, quint32 fileBackground,
                                               QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (picture.isNull()) return fail(QCoreApplication::translate("ModelTexture", "no picture"));
    ModelPictures out;
    out.fins = PaddedPicture(picture, fileBackground);
    if (out.fins.isNull()) return fail(NoMemory());
    out.body = out.fins.convertToFormat(QImage::Format_RGB32);
    if (out.body.isNull()) return fail(NoMemory());
    return out;
}

std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error) {
    if (picture.isNull()) {
        if (error) *error = QCoreApplication::translate("ModelTexture", "no picture");
        return std::nullopt;
    }
    // The body's PNG leaves the alpha channel out: the two pictures of
    // MakeModelPictures from one image.
    const QImage padded = PaddedPicture(picture, fileBackground);
    ModelTexture texture;
    texture.width = padded.width();
    texture.height = padded.height();
    if (!padded.isNull()) {
        texture.bodyPng = EncodePng(padded, PngChannels::Rgb);
        texture.finsPng = EncodePng(padded, PngChannels::Rgba);
    }
    if (texture.bodyPng.isEmpty() || texture.finsPng.isEmpty()) {
        if (error) *error = NoMemory();
        return std::nullopt;
    }
    return texture;
}

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

std::optional<ModelPictures> MakeModelPictures(const QImage& picture, quint32 fileBackground,
                                               QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (picture.isNull()) return fail(QCoreApplication::translate("ModelTexture", "no picture"));
    ModelPictures out;
    // The fins' picture first: the background made transparent, then padded.
    out.fins = picture.convertToFormat(QImage::Format_ARGB32);
    if (out.fins.isNull()) return fail(NoMemory());
    const QRgb background = Pgx::RgbOfFileColour(fileBackground) & RGB_MASK;
    for (int y = 0; y < out.fins.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.fins.scanLine(y));
        for (int x = 0; x < out.fins.width(); ++x) {
            const QRgb rgb = row[x] & RGB_MASK;
            row[x] = rgb == background ? rgb : rgb | 0xFF000000u;
        }
    }
    if (!PadTransparentPixels(out.fins)) return fail(NoMemory());
    // The body's: the same colours, every pixel opaque.
    out.body = out.fins.convertToFormat(QImage::Format_RGB32);
    if (out.body.isNull()) return fail(NoMemory());
    return out;
}

std::optional<ModelTexture> MakeModelTexture(const QImage& picture, quint32 fileBackground,
                                             QString* error) {
    auto pictures = MakeModelPictures(picture, fileBackground, error);
    if (!pictures) return std::nullopt;
    ModelTexture texture;
    texture.width = pictures->body.width();
    texture.height = pictures->body.height();
    texture.bodyPng = EncodePng(pictures->body, PngChannels::Rgb);
    texture.finsPng = EncodePng(pictures->fins, PngChannels::Rgba);
    if (texture.bodyPng.isEmpty() || texture.finsPng.isEmpty()) {
        if (error) *error = NoMemory();
        return std::nullopt;
    }
    return texture;
}

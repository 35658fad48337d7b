// The picture as the starting body texture (<name>_tx.bmp), for the editor's
// File menu and the batch's --texture.

#include "BodyTexture.h"

#include <QBuffer>
#include <QImageWriter>

QByteArray BodyTextureBytes(const EditorPicture& picture) {
    if (!picture.HasPicture()) return {};
    // Qt writes an image without alpha channel as 24-bit BMP, bottom-up.
    const QImage rgb = picture.PictureBitmap.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (rgb.isNull() || !writer.write(rgb)) return {};
    return bytes;
}

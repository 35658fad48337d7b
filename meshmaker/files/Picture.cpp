// Loading a picture of any format the editor takes, with its refusals and its
// background key; the editor's open, the batch and the model commands use it.

#include "Picture.h"

#include "Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString TooLargeMessage(QSize size) {
    return Texts::PictureTooLarge().arg(size.width()).arg(size.height()).arg(MaxPictureMegabytes);
}

QString TooSmallMessage(QSize size) {
    return Texts::PictureTooSmall().arg(size.width()).arg(size.height()).arg(MinPictureSide);
}

bool FitsInLimit(QSize size) {
    if (size.width() <= 0 || size.height() <= 0)
        return true; // nothing declared: the reader decides
    const qint64 maxPixels = qint64(MaxPictureMegabytes) * 1024 * 1024 / 4;
    return size.width() <=
           maxPixels / size.height(); // width * height <= maxPixels, without overflow
}

// What a BMP file's header declares, read before the reader sees the file,
// so that a header asking for gigabytes, or for more pixel bytes than the
// file holds, is refused before anything is allocated.
struct BmpHeader {
    QSize size;
    qint64 dataEnd = -1; // where uncompressed pixel data ends; -1 when compressed
    qint64 fileSize = 0;
};

std::optional<BmpHeader> ReadBmpHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(34);
    if (head.size() < 26 || !head.startsWith("BM")) return std::nullopt;
    const auto* h = head.constData();
    BmpHeader b;
    b.fileSize = file.size();
    const qint64 dataOffset = qFromLittleEndian<quint32>(h + 10);
    int bits = 0;
    quint32 compression = 0;
    if (qFromLittleEndian<quint32>(h + 14) == 12) { // the old core header: 16-bit sides
        b.size = QSize(qFromLittleEndian<quint16>(h + 18), qFromLittleEndian<quint16>(h + 20));
        bits = qFromLittleEndian<quint16>(h + 24);
    } else {
        if (head.size() < 34) return std::nullopt;
        const qint64 width = qFromLittleEndian<qint32>(h + 18);
        const qint64 height = std::llabs(qFromLittleEndian<qint32>(h + 22));
        if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return std::nullopt;
        b.size = QSize(int(width), int(height));
        bits = qFromLittleEndian<quint16>(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed && bits > 0 && bits <= 32 && FitsInLimit(b.size)) {
        const qint64 rowBytes = (qint64(b.size.width()) * bits + 31) / 32 * 4;
        b.dataEnd = dataOffset + rowBytes * b.size.height();
    }
    return b;
}

QString CutShortMessage(qint64 needed, qint64 present) {
    return Texts::PictureCutShort().arg(needed).arg(present);
}

bool FitsInFile(QSize size) {
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide;
}

QString TooWideMessage(QSize size) {
    return Texts::PictureTooWide().arg(size.width()).arg(size.height()).arg(MaxPictureSide);
}

// The size checks that every format shares, on a declared or a read size.
QString SizeRefusal(QSize size) {
    if (!FitsInFile(size)) return TooWideMessage(size);
    if (!FitsInLimit(size)) return TooLargeMessage(size);
    return QString();
}

// The formats the editor reads, as QImageReader names them. Others that Qt
// happens to know (icons, vector drawings, TGA) are not fish pictures.
bool IsReadFormat(const QByteArray& format) {
    for (const char* known : {"bmp", "png", "jpeg", "gif", "webp", "tiff"})
        if (format == known) return true;
    return false;
}

// A JPEG decoder fills what a file cut short lacks with grey and reports
// success, so the file's markers are walked from the start of the image to
// its end marker first. Returns where the file ends before its end marker,
// or -1 when the end marker is there (or the file is not a JPEG stream the
// walk understands: the reader then decides).
qint64 JpegEndsEarly(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const qint64 n = file.size();
    const uchar* p = n > 0 ? file.map(0, n) : nullptr;
    if (!p || n < 4 || p[0] != 0xFF || p[1] != 0xD8) return -1;
    qint64 i = 2;
    for (;;) {
        while (i < n && p[i] != 0xFF) ++i; // stray bytes between segments
        while (i < n && p[i] == 0xFF) ++i; // fill bytes before a marker
        if (i >= n) return n;
        const uchar marker = p[i++];
        if (marker == 0xD9) return -1;                                      // end of image
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue; // no length
        if (i + 2 > n) return n;
        const qint64 length = qint64(p[i]) << 8 | p[i + 1];
        if (length < 2) return -1; // malformed: the reader says so
        if (i + length > n) return n;
        i += length;
        if (marker != 0xDA) continue;
        // The entropy-coded data of a scan: 0xFF is followed by a stuffed 0
        // or a restart marker inside it; any other marker ends it.
        for (;;) {
            const auto* ff = static_cast<const uchar*>(std::memchr(p + i, 0xFF, size_t(n - i)));
            if (!ff) return n;
            i = ff - p;
            if (i + 1 >= n) return n;
            const uchar next = p[i + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                i += 2;
                continue;
            }
            break;
        }
    }
}

// A GIF decoder shows a first frame cut short as far as it goes, so the
// blocks are walked to the end of the first image's data first. Returns
// where the file ends before it, or -1 (also for what the walk does not
// understand: the reader then decides).
qint64 GifEndsEarly(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const qint64 n = file.size();
    const uchar* p = n > 0 ? file.map(0, n) : nullptr;
    if (!p || n < 13 || std::memcmp(p, "GIF8", 4) != 0) return -1;
    auto colourTable = [](uchar flags) {
        return flags & 0x80 ? 3 * (qint64(2) << (flags & 7)) : 0;
    };
    // Data sub-blocks up to their empty terminator; false when the file ends first.
    auto skipSubBlocks = [&](qint64& i) {
        for (;;) {
            if (i >= n) return false;
            const int length = p[i++];
            if (length == 0) return true;
            i += length;
        }
    };
    qint64 i = 13 + colourTable(p[10]);
    for (;;) {
        if (i >= n) return n;
        const uchar block = p[i++];
        if (block == 0x21) { // an extension: its label, then sub-blocks
            ++i;
            if (!skipSubBlocks(i)) return n;
        } else if (block == 0x2C) { // the first image: descriptor, table, code size, data
            if (i + 9 > n) return n;
            i += 9 + colourTable(p[i + 8]) + 1;
            return skipSubBlocks(i) ? -1 : n;
        } else {
            return -1;
        }
    }
}

// Every pixel of alpha below 128 is transparent.
inline bool IsTransparent(QRgb argb) {
    return qAlpha(argb) < 128;
}

// A lossy coding moves the background's colour a little, most near edges.
void SnapToBackground(QImage& image) {
    const QRgb background = RgbAt(image, 0, 0);
    auto near = [](int a, int b) { return std::abs(a - b) <= LossyBackgroundTolerance; };
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x];
            if (near(qRed(c), qRed(background)) && near(qGreen(c), qGreen(background)) &&
                near(qBlue(c), qBlue(background)))
                row[x] = 0xFF000000u | background;
        }
    }
}

// Whether a WebP file holds a lossy (VP8) image rather than a lossless
// (VP8L) one: its chunks are walked to the first image chunk.
bool IsLossyWebp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WEBP") return false;
    for (int chunks = 0; chunks < 64; ++chunks) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return false;
        if (chunk.startsWith("VP8 ")) return true;
        if (chunk.startsWith("VP8L")) return false;
        const qint64 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (!file.seek(file.pos() + length + (length & 1))) return false;
    }
    return false;
}

} // namespace

namespace {

// Only a regular file that can be read is a picture: a folder, a device or
// a FIFO (which would block the reader forever) is refused at once, and a
// file that cannot be opened says why, as the system says it.
std::optional<QString> SourceRefusal(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QString file = QFileInfo(path).fileName();
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return Texts::PictureRefused().arg(file, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(st.st_mode)) return Texts::PictureRefused().arg(file, Texts::NotARegularFile());
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Texts::PictureRefused().arg(file, QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    return std::nullopt;
}

} // namespace

QImage KeyBackground(const QImage& picture, PictureCoding coding, QString* error, bool* keyed) {
    if (keyed) *keyed = false;
    if (!picture.hasAlphaChannel()) {
        QImage image = picture.convertToFormat(QImage::Format_RGB32);
        if (coding == PictureCoding::Lossy && !image.isNull()) SnapToBackground(image);
        return image;
    }
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        if (error) *error = Texts::PictureOutOfMemory();
        return QImage();
    }
    const int w = image.width(), h = image.height();
    auto line = [&](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };

    // The colours of the fish: every pixel that is not transparent, but the
    // corner, which is background whatever it holds.
    std::vector<quint64> used(size_t(1) << 18); // one bit per 24-bit colour
    bool anyTransparent = false;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = line(y);
        for (int x = (y == 0 ? 1 : 0); x < w; ++x) {
            const QRgb c = row[x];
            if (IsTransparent(c)) {
                anyTransparent = true;
            } else {
                const quint32 rgb = c & 0xFFFFFFu;
                used[rgb >> 6] |= quint64(1) << (rgb & 63);
            }
        }
    }
    anyTransparent = anyTransparent || IsTransparent(line(0)[0]);
    if (!anyTransparent) {
        // Opaque throughout: the colours stay as they are, alpha is dropped.
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        if (coding == PictureCoding::Lossy && !image.isNull()) SnapToBackground(image);
        return image;
    }

    std::optional<quint32> key;
    for (quint32 k = 0; k < (1u << 24) && !key; ++k) {
        const quint32 rgb = (PreferredBackgroundKey + k) & 0xFFFFFFu;
        if (!(used[rgb >> 6] >> (rgb & 63) & 1)) key = rgb;
    }
    if (!key) {
        if (error) *error = Texts::PictureNoFreeColour();
        return QImage();
    }
    const QRgb background = 0xFF000000u | *key;
    for (int y = 0; y < h; ++y) {
        QRgb* row = line(y);
        for (int x = 0; x < w; ++x)
            row[x] = IsTransparent(row[x]) ? background : (row[x] | 0xFF000000u);
    }
    line(0)[0] = background;
    image.reinterpretAsFormat(QImage::Format_RGB32);
    if (keyed) *keyed = true;
    return image;
}

LoadedPicture LoadPicture(const QString& path, bool mirrored) {
    if (const auto refusal = SourceRefusal(path)) return {QImage(), *refusal};
    QImageReader::setAllocationLimit(MaxPictureMegabytes);
    const QString name = QFileInfo(path).fileName();
    auto refuse = [](const QString& why) { return LoadedPicture{QImage(), why}; };
    if (const auto bmp = ReadBmpHeader(path)) {
        if (const QString why = SizeRefusal(bmp->size); !why.isEmpty()) return refuse(why);
        if (bmp->dataEnd > bmp->fileSize)
            return refuse(CutShortMessage(bmp->dataEnd, bmp->fileSize));
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (!format.isEmpty() && !IsReadFormat(format))
        return refuse(Texts::PictureRefused().arg(
            name, Texts::PictureFormatNotRead().arg(QString::fromLatin1(format))));
    const QSize declared = reader.size();
    // A BMP stored top-down declares a negative height; the reader decodes
    // it at the positive one.
    const QSize decoded(declared.width(), std::abs(declared.height()));
    if (decoded.isValid())
        if (const QString why = SizeRefusal(decoded); !why.isEmpty()) return refuse(why);
    const qint64 end = format == "jpeg"  ? JpegEndsEarly(path)
                       : format == "gif" ? GifEndsEarly(path)
                                         : -1;
    if (end >= 0)
        return refuse(Texts::PictureRefused().arg(name, Texts::PictureEndsEarly().arg(end)));

    // Read into a cleared image of the declared size and format: pixels that
    // the file does not set (skipped by a compressed picture, or missing at
    // its end) are then 0 (black, or a palette's first colour), never
    // whatever the memory held.
    // The reader decodes into this image only if size and format match.
    // (Only within the allocation limit: a format of more than four bytes a
    // pixel is left to the reader, which refuses what exceeds the limit.)
    QImage image;
    const QImage::Format readFormat = reader.imageFormat();
    if (decoded.isValid() && FitsInFile(decoded) && readFormat != QImage::Format_Invalid &&
        qint64(decoded.width()) * decoded.height() *
                QImage::toPixelFormat(readFormat).bitsPerPixel() / 8 <=
            qint64(MaxPictureMegabytes) * 1024 * 1024) {
        image = QImage(decoded, readFormat);
        if (!image.isNull()) image.fill(0);
    }
    if (!reader.read(&image)) image = QImage();
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty()) why = Texts::PictureUnreadable();
        return refuse(Texts::PictureRefused().arg(name, why));
    }
    if (image.width() < MinPictureSide || image.height() < MinPictureSide)
        return refuse(TooSmallMessage(image.size()));
    if (const QString why = SizeRefusal(image.size()); !why.isEmpty()) return refuse(why);
    if (mirrored) image.mirror(true, false);
    QString why;
    const bool lossy = format == "jpeg" || (format == "webp" && IsLossyWebp(path));
    bool keyed = false;
    image = KeyBackground(image, lossy ? PictureCoding::Lossy : PictureCoding::Exact, &why, &keyed);
    if (image.isNull()) return refuse(why.isEmpty() ? TooLargeMessage(declared) : why);
    return {image, QString(), keyed};
}

QImage DimPicture(const QImage& picture) {
    QImage dimmed = picture.copy();
    const int w = picture.width() - 1, h = picture.height() - 1;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(dimmed.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            line[x] = qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2);
        }
    }
    return dimmed;
}

#include "TestSupport.h"

#include "Batch.h"
#include "Language.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>

#include <map>

#include <gtest/gtest.h>

namespace test {

SpokenLanguage::SpokenLanguage(const QString& language) {
    EXPECT_TRUE(Language::Use(language)) << language.toStdString();
}

SpokenLanguage::~SpokenLanguage() {
    Language::Use(Language::Japanese);
}

bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}


QImage Picture(int width, int height, const std::vector<QRect>& fish, QRgb fishColour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Water);
    QPainter p(&image);
    for (const QRect& r : fish) p.fillRect(r, QColor::fromRgb(fishColour));
    return image;
}

FishOnPicture FishOn(const QImage& picture, int step) {
    FishOnPicture r;
    r.picture.PictureBitmap = picture.convertToFormat(QImage::Format_RGB32);
    r.picture.PicMaxX = picture.width() - 1;
    r.picture.PicMaxY = picture.height() - 1;
    for (int m = 1; m <= 6; ++m) r.fish.Steps[m] = step;
    r.fish.Divisions = 4;
    return r;
}

QString SaveBmp(const QTemporaryDir& dir, const QString& name, const QImage& picture) {
    const QString path = dir.filePath(name);
    picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return path;
}

namespace {
void Put16(QByteArray& b, int at, int v) {
    qToLittleEndian<quint16>(quint16(v), b.data() + at);
}
void Put32(QByteArray& b, int at, qint64 v) {
    qToLittleEndian<quint32>(quint32(v), b.data() + at);
}
} // namespace

QByteArray BmpBytes(const BmpLayout& layout) {
    const int masksSize = layout.compression == 3 ? 12 : 0;
    const int paletteSize = int(layout.palette.size()) * 4;
    const int offset = 14 + 40 + masksSize + paletteSize;
    QByteArray b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, offset + layout.pixels.size());
    Put32(b, 10, offset);
    Put32(b, 14, 40);
    Put32(b, 18, layout.width);
    Put32(b, 22, layout.height);
    Put16(b, 26, 1);
    Put16(b, 28, layout.bitsPerPixel);
    Put32(b, 30, layout.compression);
    Put32(b, 34, layout.pixels.size());
    Put32(b, 46, layout.palette.size());
    int at = 54;
    for (quint32 m : layout.masks) Put32(b, at, m), at += 4;
    for (QRgb c : layout.palette) {
        b[at] = char(qBlue(c));
        b[at + 1] = char(qGreen(c));
        b[at + 2] = char(qRed(c));
        at += 4;
    }
    return b + layout.pixels;
}

QByteArray Encoded(const QImage& picture, const char* format, int quality, int compression) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (compression >= 0) writer.setCompression(compression);
    return writer.write(picture) ? bytes : QByteArray();
}

namespace {

void Append16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8 & 0xFF));
}

// Packs codes of a fixed width, least significant bit first.
class BitPacker {
public:
    void put(int code, int width) {
        acc_ |= quint32(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes.append(char(acc_ & 0xFF));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    void finish() {
        if (bits_ > 0) bytes.append(char(acc_ & 0xFF));
        acc_ = 0, bits_ = 0;
    }
    QByteArray bytes;

private:
    quint32 acc_ = 0;
    int bits_ = 0;
};

// LZW data without compression: every index a literal code of 9 bits, and
// a clear code often enough that the decoder's table never widens the codes.
QByteArray LzwLiterals(const std::vector<quint8>& indices) {
    constexpr int Clear = 256, End = 257, Width = 9;
    BitPacker p;
    int sinceClear = 0;
    p.put(Clear, Width);
    for (quint8 i : indices) {
        if (sinceClear == 250) {
            p.put(Clear, Width);
            sinceClear = 0;
        }
        p.put(i, Width);
        ++sinceClear;
    }
    p.put(End, Width);
    p.finish();
    QByteArray out(1, char(8)); // minimum code size
    for (qsizetype at = 0; at < p.bytes.size(); at += 255) {
        const QByteArray block = p.bytes.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    return out;
}

} // namespace

QByteArray GifBytes(const GifLayout& layout) {
    QByteArray b("GIF89a");
    Append16(b, layout.width);
    Append16(b, layout.height);
    b.append(char(0xF7)); // a global table of 256 colours
    b.append('\0');       // background index
    b.append('\0');       // aspect
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(layout.palette.size()) ? layout.palette[size_t(i)] : 0;
        b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    for (const GifFrame& f : layout.frames) {
        if (f.transparentIndex >= 0) {
            b.append("\x21\xF9\x04\x01", 4); // graphic control: transparency on
            Append16(b, 0);
            b.append(char(f.transparentIndex));
            b.append('\0');
        }
        b.append(char(0x2C));
        Append16(b, f.place.x());
        Append16(b, f.place.y());
        Append16(b, f.place.width());
        Append16(b, f.place.height());
        b.append('\0');
        b.append(LzwLiterals(f.indices));
    }
    b.append(char(0x3B));
    return b;
}

QByteArray GifOf(const QImage& picture) {
    GifLayout layout{picture.width(), picture.height(), {}, {}};
    std::map<QRgb, quint8> index;
    GifFrame frame{picture.rect(), {}, -1};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y) | 0xFF000000u;
            auto [it, added] = index.emplace(c, quint8(layout.palette.size()));
            if (added) layout.palette.push_back(c);
            frame.indices.push_back(it->second);
        }
    layout.frames.push_back(std::move(frame));
    return GifBytes(layout);
}

QByteArray CmykTiffBytes(int width, int height, const std::vector<quint32>& cmyk) {
    // Header, the pixels, then the directory of entries (tag, type, count, value).
    QByteArray b("II*\0", 4);
    QByteArray pixels;
    for (quint32 p : cmyk)
        pixels.append(char(p >> 24)).append(char(p >> 16)).append(char(p >> 8)).append(char(p));
    const int bitsAt = 8 + int(pixels.size());
    const int directoryAt = bitsAt + 8;
    QByteArray v(4, '\0');
    qToLittleEndian<quint32>(quint32(directoryAt), v.data());
    b += v + pixels;
    for (int i = 0; i < 4; ++i) Append16(b, 8); // bits per sample, 4 x 8
    struct Entry {
        int tag, type;
        quint32 count, value;
    } entries[] = {
        {256, 4, 1, quint32(width)},
        {257, 4, 1, quint32(height)},
        {258, 3, 4, quint32(bitsAt)},
        {259, 3, 1, 1},
        {262, 3, 1, 5},
        {273, 4, 1, 8},
        {277, 3, 1, 4},
        {278, 4, 1, quint32(height)},
        {279, 4, 1, quint32(pixels.size())},
        {284, 3, 1, 1},
        {332, 3, 1, 1},
    };
    Append16(b, int(std::size(entries)));
    for (const Entry& e : entries) {
        Append16(b, e.tag);
        Append16(b, e.type);
        QByteArray w(8, '\0');
        qToLittleEndian<quint32>(e.count, w.data());
        if (e.type == 3 && e.count == 1)
            qToLittleEndian<quint16>(quint16(e.value), w.data() + 4);
        else
            qToLittleEndian<quint32>(e.value, w.data() + 4);
        b += w;
    }
    b += QByteArray(4, '\0'); // no next directory
    return b;
}

namespace {
quint32 Crc32(const QByteArray& bytes) {
    quint32 c = 0xFFFFFFFFu;
    for (char ch : bytes) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xFFFFFFFFu;
}
} // namespace

QByteArray PngDeclaring(int width, int height) {
    QImage small(3, 3, QImage::Format_RGB32);
    small.fill(Water);
    QByteArray png = Encoded(small, "png");
    // IHDR follows the 8-byte signature: length, type, width, height ... crc.
    qToBigEndian<quint32>(quint32(width), png.data() + 16);
    qToBigEndian<quint32>(quint32(height), png.data() + 20);
    qToBigEndian<quint32>(Crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return f.fileName();
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

BatchRun Batch(const QStringList& args) {
    BatchRun r;
    QTextStream out(&r.out), err(&r.err);
    r.status = RunBatch(args, out, err);
    out.flush();
    err.flush();
    return r;
}

ProgramRun RunProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment, const QString& workingDirectory) {
    QProcess p;
    p.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty()) p.setWorkingDirectory(workingDirectory);
    p.start(program, args);
    const bool ended = p.waitForFinished(60000);
    if (!ended) p.kill(), p.waitForFinished();
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

OpenedEditor::OpenedEditor(const QImage& picture) {
    Open(SaveBmp(dir, "fish.bmp", picture));
}

void OpenedEditor::Open(const QString& path) {
    dialogs.openAnswers.push_back(path);
    Do([&] { form.SpeedButton1Click(); });
}

QString ScriptedDialogs::OpenFileName(const QString& filter) {
    filters << filter;
    if (openAnswers.empty()) return {};
    QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::AskYesNo(const QString& question) {
    questions << question;
    if (yesNoAnswers.empty()) return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

} // namespace test

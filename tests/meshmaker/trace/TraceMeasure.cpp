#include "TraceMeasure.h"

#include "Batch.h"

#include "FishMesh.h"
#include "PgxFormat.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "WholeFishTrace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <map>

namespace test {

std::vector<CorpusPicture> ReadCorpus(const QString& folder) {
    QFile file(QDir(folder).filePath("corpus.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QJsonArray pictures =
        QJsonDocument::fromJson(file.readAll()).object().value("pictures").toArray();
    std::vector<CorpusPicture> out;
    for (const QJsonValue& v : pictures) {
        const QJsonObject o = v.toObject();
        CorpusPicture p;
        p.name = o.value("name").toString();
        p.picture = o.value("picture").toString();
        p.labels = o.value("labels").toString();
        p.mirror = o.value("mirror").toBool();
        const QJsonArray encode = o.value("encode").toArray();
        if (encode.size() == 2) {
            p.encode = encode[0].toString();
            p.quality = encode[1].toInt();
        }
        out.push_back(p);
    }
    return out;
}

int Measurement::finsPresent() const {
    return int(
        std::count_if(fins.begin(), fins.end(), [](const FinCoverage& f) { return f.present(); }));
}

std::vector<quint8> SideSilhouette(const QByteArray& pgx, int width, int height, unsigned parts) {
    std::vector<quint8> out(size_t(width) * height, 0);
    const auto file = ReadPgx(pgx);
    if (!file) return out;
    const FishMesh mesh = BuildFishMesh(*file);
    const auto t = Pgx::Transform::ForPicture(file->width, file->height);
    for (const MeshTriangle& tri : mesh.triangles) {
        if (!(parts & (1u << unsigned(tri.part)))) continue;
        double x[3], y[3];
        for (int k = 0; k < 3; ++k) {
            const auto& p = mesh.vertices[tri.corners[size_t(k)]].position;
            x[k] = t.pictureX(p[0]);
            y[k] = t.pictureY(p[1]);
        }
        const double area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
        if (std::abs(area) < 1e-9) continue; // a triangle of no area shows nothing
        const int x0 = std::max(0, int(std::ceil(std::min({x[0], x[1], x[2]}) - 1e-6)));
        const int x1 = std::min(width - 1, int(std::floor(std::max({x[0], x[1], x[2]}) + 1e-6)));
        const int y0 = std::max(0, int(std::ceil(std::min({y[0], y[1], y[2]}) - 1e-6)));
        const int y1 = std::min(height - 1, int(std::floor(std::max({y[0], y[1], y[2]}) + 1e-6)));
        const double eps = 1e-6 * std::abs(area);
        for (int py = y0; py <= y1; ++py)
            for (int px = x0; px <= x1; ++px) {
                // The pixel's centre is the picture point (px, py); a centre on an edge counts.
                const double w0 = (x[1] - px) * (y[2] - py) - (x[2] - px) * (y[1] - py);
                const double w1 = (x[2] - px) * (y[0] - py) - (x[0] - px) * (y[2] - py);
                const double w2 = (x[0] - px) * (y[1] - py) - (x[1] - px) * (y[0] - py);
                const bool inside = area > 0 ? (w0 >= -eps && w1 >= -eps && w2 >= -eps)
                                             : (w0 <= eps && w1 <= eps && w2 <= eps);
                if (inside) out[size_t(py) * width + px] = 1;
            }
    }
    return out;
}

namespace {

unsigned Bit(FishPart part) {
    return 1u << unsigned(part);
}

// The fin part of the model that a painted fin label should become.
FishPart OwnKind(int label) {
    switch (label / 10) {
    case 1:
        return FishPart::Tail;
    case 2:
        return FishPart::Dorsal;
    case 3:
        return FishPart::Ventral;
    case 4:
        return FishPart::Anal;
    default:
        return FishPart::Ventral; // a pectoral fin standing out below the body
    }
}

QImage Mirrored(const QImage& image, bool mirror) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    return mirror ? image.flipped(Qt::Horizontal) : image;
#else
    return mirror ? image.mirrored(true, false) : image;
#endif
}

} // namespace

Measurement MeasureTrace(const CorpusPicture& entry, const QString& folder, const QString& work,
                         Tracing tracing) {
    Measurement m;
    m.name = entry.name;
    QString path = QDir(folder).filePath(entry.picture);
    if (entry.encode == QStringLiteral("jpeg")) {
        const QString coded = QDir(work).filePath(entry.name + ".jpg");
        if (!QImage(path).save(coded, "JPEG", entry.quality)) return m;
        path = coded;
    }
    LoadedPicture loaded = LoadPicture(path, entry.mirror);
    const QImage labels = Mirrored(
        QImage(QDir(folder).filePath(entry.labels)).convertToFormat(QImage::Format_Grayscale8),
        entry.mirror);
    if (loaded.image.isNull() || labels.isNull() || labels.size() != loaded.image.size()) return m;
    m.loaded = true;
    m.picture.PicturePath = path;
    m.picture.PictureBitmap = std::move(loaded.image);
    m.picture.Mirrored = entry.mirror;
    m.picture.PicMaxX = m.picture.PictureBitmap.width() - 1;
    m.picture.PicMaxY = m.picture.PictureBitmap.height() - 1;

    if (tracing == Tracing::BatchAlone) {
        const QString pgx = QDir(work).filePath(entry.name + "-batch.pgx");
        QStringList args = {path, "-o", pgx};
        if (entry.mirror) args << "--mirror";
        QString sink;
        QTextStream out(&sink), err(&sink);
        QFile file(pgx);
        if (RunBatch(args, out, err) != ExitOk || !file.open(QIODevice::ReadOnly)) return m;
        m.pgx = file.readAll();
        m.traced = true;
    } else {
        QElapsedTimer clock;
        clock.start();
        const WholeFishTrace traced = TraceWholeFish(m.picture, Fish());
        m.milliseconds = clock.nsecsElapsed() / 1e6;
        m.traced = traced.traced;
        m.separated = traced.separated;
        m.messages = traced.messages;
        m.fish = traced.fish;
        if (!traced.traced) return m;
        m.pgx = BuildPgxBytes(m.fish, m.picture);
    }

    const int w = labels.width(), h = labels.height();
    const unsigned finParts = Bit(FishPart::Tail) | Bit(FishPart::Dorsal) | Bit(FishPart::Anal) |
                              Bit(FishPart::Ventral) | Bit(FishPart::Pectoral) |
                              Bit(FishPart::Whisker);
    const auto body = SideSilhouette(m.pgx, w, h, Bit(FishPart::Body) | Bit(FishPart::Eye));
    const auto fins = SideSilhouette(m.pgx, w, h, finParts);
    std::map<FishPart, std::vector<quint8>> kinds;
    for (FishPart part : {FishPart::Tail, FishPart::Dorsal, FishPart::Anal, FishPart::Ventral})
        kinds[part] = SideSilhouette(m.pgx, w, h, Bit(part));

    qint64 both = 0, either = 0, maskedBoth = 0, maskedEither = 0;
    std::map<int, FinCoverage> painted;
    std::map<int, std::pair<qint64, qint64>> covered; // by fins, by own kind
    for (int y = 0; y < h; ++y) {
        const uchar* row = labels.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const size_t k = size_t(y) * w + x;
            const bool truth = row[x] != 0;
            const bool model = body[k] || fins[k];
            both += truth && model;
            either += truth || model;
            // An alpha-masked fin texture shows the strip only on the picture's fish pixels.
            const bool shown = body[k] || (fins[k] && IsFishPixel(m.picture.PictureBitmap, x, y));
            maskedBoth += truth && shown;
            maskedEither += truth || shown;
            if (IsPaintedFin(row[x])) {
                FinCoverage& f = painted[row[x]];
                f.label = row[x];
                ++f.pixels;
                covered[row[x]].first += fins[k];
                covered[row[x]].second += kinds[OwnKind(row[x])][k];
            }
        }
    }
    m.iou = either ? double(both) / either : 0;
    m.maskedIou = maskedEither ? double(maskedBoth) / maskedEither : 0;
    for (auto& [label, f] : painted) {
        f.byFins = double(covered[label].first) / f.pixels;
        f.byOwnKind = double(covered[label].second) / f.pixels;
        m.fins.push_back(f);
    }

    // The body's proportions, from the file as a viewer reads it.
    const auto file = ReadPgx(m.pgx);
    if (file && file->columns() > 0) {
        const auto t = Pgx::Transform::ForPicture(file->width, file->height);
        double left = 1e30, right = -1e30, tallest = 0, widest = 0;
        for (int i = 0; i < file->columns(); ++i) {
            const double x = t.pictureX(file->gridAt(i, 0)[0]);
            left = std::min(left, x), right = std::max(right, x);
            tallest = std::max(tallest, t.pictureY(file->gridAt(i, file->n)[1]) -
                                            t.pictureY(file->gridAt(i, 0)[1]));
            for (int j = 0; j <= file->n; ++j)
                widest = std::max(widest, 2.0 * std::abs(file->gridAt(i, j)[2]) * Pgx::FileUnit);
        }
        const double length = right - left;
        m.depthShare = length > 0 ? tallest / length : 0;
        m.widthShare = length > 0 ? widest / length : 0;
    }
    return m;
}

} // namespace test

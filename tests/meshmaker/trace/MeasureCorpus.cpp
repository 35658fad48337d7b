// meshmaker_trace_measure: traces every picture of the corpus with the
// whole-fish trace and prints how well each model covers its painted fish.
//
//   python3 samples/paint_corpus.py out/corpus
//   build/tests/meshmaker/meshmaker_trace_measure out/corpus [OUT_FOLDER]
//
// With --batch-alone, each fish is traced as `meshmaker --batch PICTURE` alone
// traces it (no fins), to compare. With OUT_FOLDER, each fish's PGX file is written there with the
// picture it was traced on (NAME.pgx, NAME.png: `meshmaker --export NAME.pgx NAME.glb
// --picture NAME.png` makes its model) and NAME_misses.png: the picture with
// what the model misses in red and what it covers beyond the fish in blue, and the model's parts
// tinted (body green, tail orange, dorsal violet, anal cyan, ventral yellow).

#include "FishMesh.h"
#include "TraceMeasure.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

unsigned Bit(FishPart part) {
    return 1u << unsigned(part);
}

QImage Misses(const test::Measurement& m, const QString& folder, const test::CorpusPicture& e) {
    QImage labels =
        QImage(QDir(folder).filePath(e.labels)).convertToFormat(QImage::Format_Grayscale8);
    if (e.mirror) labels = labels.mirrored(true, false);
    QImage out = m.picture.PictureBitmap.convertToFormat(QImage::Format_RGB32);
    const int w = out.width(), h = out.height();
    unsigned all = 0;
    for (FishPart p : FishParts) all |= Bit(p);
    const auto model = test::SideSilhouette(m.pgx, w, h, all);
    // Each part of the model in a tint of its own.
    const struct {
        FishPart part;
        QRgb tint;
    } tints[] = {{FishPart::Body, qRgb(120, 200, 120)},   {FishPart::Tail, qRgb(240, 170, 60)},
                 {FishPart::Dorsal, qRgb(220, 120, 220)}, {FishPart::Anal, qRgb(90, 210, 220)},
                 {FishPart::Ventral, qRgb(230, 230, 80)}, {FishPart::Eye, qRgb(60, 60, 60)}};
    std::vector<QRgb> tint(size_t(w) * h, qRgb(200, 200, 200));
    for (const auto& t : tints) {
        const auto part = test::SideSilhouette(m.pgx, w, h, Bit(t.part));
        for (size_t k = 0; k < part.size(); ++k)
            if (part[k]) tint[k] = t.tint;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool truth = labels.constScanLine(y)[x] != 0, covered = model[size_t(y) * w + x];
            const QRgb c = out.pixel(x, y), t = tint[size_t(y) * w + x];
            const QRgb mixed = qRgb((qRed(c) + 2 * qRed(t)) / 3, (qGreen(c) + 2 * qGreen(t)) / 3,
                                    (qBlue(c) + 2 * qBlue(t)) / 3);
            out.setPixel(x, y,
                         truth && !covered   ? qRgb(230, 20, 20)
                         : !truth && covered ? qRgb(20, 60, 230)
                                             : mixed);
        }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool batch = args.removeAll(QStringLiteral("--batch-alone")) > 0;
    if (args.size() < 1 || args.size() > 2) {
        std::fprintf(stderr,
                     "usage: meshmaker_trace_measure [--batch-alone] CORPUS_FOLDER [OUT_FOLDER]\n");
        return 2;
    }
    const QString folder = args[0];
    const QString out = args.size() == 2 ? args[1] : QString();
    if (!out.isEmpty()) QDir().mkpath(out);
    const auto corpus = test::ReadCorpus(folder);
    if (corpus.empty()) {
        std::fprintf(stderr, "%s: no corpus.json with pictures\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir work;
    std::printf("%-12s %5s %6s %6s %5s %6s %6s %7s  %s\n", "picture", "split", "IoU", "masked",
                "fins", "depth", "width", "ms", "fin coverage (label: by fins / by its kind)");
    double sum = 0, maskedSum = 0;
    int count = 0;
    for (const auto& e : corpus) {
        const test::Measurement m = test::MeasureTrace(
            e, folder, work.path(), batch ? test::Tracing::BatchAlone : test::Tracing::WholeFish);
        if (!m.loaded) {
            std::printf("%-12s cannot be read\n", qPrintable(e.name));
            continue;
        }
        QString fins;
        for (const auto& f : m.fins)
            fins += QStringLiteral(" %1:%2/%3")
                        .arg(f.label)
                        .arg(f.byFins, 0, 'f', 2)
                        .arg(f.byOwnKind, 0, 'f', 2);
        std::printf("%-12s %5s %6.3f %6.3f %2d/%-2d %6.3f %6.3f %7.1f %s\n", qPrintable(e.name),
                    m.separated ? "yes" : "no", m.iou, m.maskedIou, m.finsPresent(),
                    int(m.fins.size()), m.depthShare, m.widthShare, m.milliseconds,
                    qPrintable(fins));
        if (m.fish.EyeSolid)
            std::printf("             eye at (%.0f, %.0f), radius %.0f\n", m.fish.EyeX, m.fish.EyeY,
                        m.fish.EyeRadius);
        for (const QString& message : m.messages)
            std::printf("             %s\n", qPrintable(message));
        sum += m.iou;
        maskedSum += m.maskedIou;
        ++count;
        if (!out.isEmpty()) {
            QFile pgx(QDir(out).filePath(e.name + ".pgx"));
            if (pgx.open(QIODevice::WriteOnly)) pgx.write(m.pgx);
            m.picture.PictureBitmap.save(QDir(out).filePath(e.name + ".png"));
            Misses(m, folder, e).save(QDir(out).filePath(e.name + "_misses.png"));
        }
    }
    if (count)
        std::printf("mean IoU %.3f, masked %.3f over %d pictures\n", sum / count, maskedSum / count,
                    count);
    return 0;
}

#pragma once
// How well the whole-fish trace covers a painted fish: the fish is traced,
// written as PGX bytes, read back, meshed, and the mesh drawn from the side
// (orthographically, every triangle, in picture pixels); the drawing is
// compared with the painter's own labels of every pixel. Used by the
// corpus test and by the meshmaker_trace_measure tool.

#include "EditorPicture.h"
#include "Fish.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace test {

// One picture of the corpus that samples/paint_corpus.py paints.
struct CorpusPicture {
    QString name, picture, labels; // file names in the corpus folder
    bool mirror = false;           // the fish faces right: traced on the flipped picture
    QString encode;                // "jpeg": taken through a lossy coder first
    int quality = -1;
};

// The pictures listed in FOLDER/corpus.json; empty when it cannot be read.
std::vector<CorpusPicture> ReadCorpus(const QString& folder);

// The painter's labels (samples/paint_corpus.py): 0 background, 1 body,
// 2 eye, 3 whisker, 4 pectoral fin on the body, and the fins: 10 tail, 2x
// dorsal, 3x ventral, 4x anal, 50 pectoral fin standing out.
inline bool IsPaintedFin(int label) {
    return label >= 10;
}

// How much of one painted fin the model's fins cover.
struct FinCoverage {
    int label = 0;
    int pixels = 0;       // painted pixels of the fin (outside the body)
    double byFins = 0;    // share covered by any fin strip of the model
    double byOwnKind = 0; // share covered by the strip of its own kind
    bool present() const { return byFins >= 0.5; }
};

struct Measurement {
    QString name;
    bool loaded = false; // the picture could be read
    bool traced = false, separated = false;
    double iou = 0; // side silhouette of the whole model against the painted fish
    double maskedIou =
        0; // the same with fin strips shown only on fish pixels (alpha-masked textures)
    double depthShare = 0; // the body's tallest column over its length
    double widthShare = 0; // the body's full thickness over its length
    std::vector<FinCoverage> fins;
    int finsPresent() const;
    QStringList messages;
    EditorPicture picture; // as traced (flipped, keyed)
    Fish fish;
    QByteArray pgx;
    double milliseconds = 0; // the trace alone
};

// How the fish is traced: at once, or as `meshmaker --batch PICTURE` alone
// traces it (the body up to three quarters, the tail, no fins), to compare.
enum class Tracing { WholeFish, BatchAlone };

// Traces and measures one picture of the corpus in `folder`; a picture
// that needs a lossy coder is coded into `work` first.
Measurement MeasureTrace(const CorpusPicture& entry, const QString& folder, const QString& work,
                         Tracing tracing = Tracing::WholeFish);

// The silhouette of the PGX bytes' mesh from the side, in picture pixels
// of a picture of the given size: 1 where any triangle of the parts covers
// the pixel's centre. parts: bit k for FishPart k.
std::vector<quint8> SideSilhouette(const QByteArray& pgx, int width, int height, unsigned parts);

} // namespace test

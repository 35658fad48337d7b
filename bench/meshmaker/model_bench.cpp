// Benchmarks of the model layer, each next to its floor in the same run:
//   - reading the PGX file of the largest fish (250 columns, N = 10, every
//     strip full, pectoral fin, whiskers, eye) and building its mesh, next to
//     the editor writing that file to memory;
//   - exporting a 4000 x 2000 fish to .glb (read, mesh, texture, glTF bytes),
//     next to encoding its picture as PNG alone.
//
//   build/bench/meshmaker/meshmaker_model_bench
//
// The closing lines give each figure as a multiple of its floor.

#include "Batch.h"
#include "EditorPicture.h"
#include "Fish.h"
#include "FishMesh.h"
#include "GltfExport.h"
#include "ModelCommands.h"
#include "ModelTexture.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "Picture.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include "PaintedFish.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {

struct FishAndPicture {
    EditorPicture picture;
    Fish fish;
};

// The largest fish the editor can make, with every list at its capacity.
FishAndPicture LargestFish() {
    FishAndPicture made;
    Fish& s = made.fish;
    QImage picture(4000, 2000, QImage::Format_RGB32);
    picture.fill(qRgb(48, 112, 192));
    made.picture.PictureBitmap = picture;
    made.picture.PicMaxX = 3999, made.picture.PicMaxY = 1999;
    s.Divisions = MaxDivisions;
    s.BodyLast = 2 * BodyMaxColumns - 1;
    for (int i = 0; i < BodyMaxColumns; ++i) {
        const double x = 12.0 * i, bulge = std::sin(M_PI * i / (BodyMaxColumns - 1));
        s.BodyX[2 * i] = s.BodyX[2 * i + 1] = x;
        s.BodyY[2 * i] = 1000 - 500 * bulge;
        s.BodyY[2 * i + 1] = 1000 + 450 * bulge;
        s.TopW[i] = 300 * bulge;
    }
    s.BodyX[s.BodyLast + 1] = -1;
    s.TopPeakIndex = BodyMaxColumns / 2;
    for (int j = 0; j <= MaxDivisions; ++j) {
        const double a = 3.14159 * j / MaxDivisions;
        s.SectionY[j] = 500 + 475 * (1 - std::cos(a));
        s.SectionZ[j] = j == 0 || j == MaxDivisions ? 0 : 300 * std::sin(a);
        s.SectionNormals[j] = {0.0f, float(std::cos(a)), float(-std::sin(a))};
    }
    const int last = 2 * StripMaxColumns - 1;
    auto strip = [&](StripArray& xs, StripArray& ys, int& l, double x0, double y0) {
        for (int k = 0; k <= last; ++k) {
            xs[k] = x0 + 20 * (k / 2);
            ys[k] = y0 + (k % 2) * 200;
        }
        xs[last + 1] = -1;
        l = last;
    };
    strip(s.TailX, s.TailY, s.TailLast, 3000, 600);
    strip(s.DorsalX, s.DorsalY, s.DorsalLast, 1200, 300);
    strip(s.AnalX, s.AnalY, s.AnalLast, 2200, 1450);
    strip(s.VentralX, s.VentralY, s.VentralLast, 1000, 1450);
    for (int k = 0; k <= last; ++k) s.VentralZ[k] = 5.0 * k;
    strip(s.WhiskerX, s.WhiskerY, s.WhiskerLast, 10, 1050);
    s.PectoralDone = true;
    s.PectoralX = {800, 1200, 1000};
    s.PectoralY = {1000, 1040, 1260};
    s.PectoralZ = {0, 120, 60};
    s.EyeSolid = true;
    s.EyeX = 400, s.EyeY = 840, s.EyeZ = 150, s.EyeRadius = 60, s.EyeBulge = 30;
    s.TailPosition = 3000;
    s.EyeRearColour = qRgb(20, 20, 20) & 0x00FFFFFFu;
    return made;
}

const QByteArray& LargestPgx() {
    static const FishAndPicture largest = LargestFish();
    static const QByteArray bytes = BuildPgxBytes(largest.fish, largest.picture);
    return bytes;
}

void BM_WritePgxLargestFish(benchmark::State& state) {
    const auto [picture, s] = LargestFish();
    for (auto _ : state) benchmark::DoNotOptimize(BuildPgxBytes(s, picture));
    state.SetBytesProcessed(state.iterations() * LargestPgx().size());
}
BENCHMARK(BM_WritePgxLargestFish)->Unit(benchmark::kMicrosecond);

void BM_ReadAndMeshLargestFish(benchmark::State& state) {
    const QByteArray& bytes = LargestPgx();
    size_t triangles = 0;
    for (auto _ : state) {
        const auto file = ReadPgx(bytes);
        if (!file) {
            state.SkipWithError("the largest fish does not read");
            break;
        }
        const FishMesh mesh = BuildFishMesh(*file);
        triangles = mesh.triangles.size();
        benchmark::DoNotOptimize(mesh.vertices.data());
    }
    state.counters["triangles"] = double(triangles);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadAndMeshLargestFish)->Unit(benchmark::kMicrosecond);

// The 4000 x 2000 fish traced by the batch conversion with its fins and eye.
struct LargeFish {
    QTemporaryDir dir;
    QImage picture;
    QByteArray pgx;
    LargeFish() {
        picture = PaintedFish(4000, 2000);
        const QString bmp = dir.filePath("large.bmp"), out = dir.filePath("large.pgx");
        picture.save(bmp, "BMP");
        QString sink;
        QTextStream o(&sink), e(&sink);
        RunBatch({bmp, "--dorsal", "1200,0,2000,700", "--ventral", "1000,1300,1400,1900", "--anal",
                  "2200,1200,2700,1700", "--pectoral", "800,1000,1200,1040,1000,1260", "--whisker",
                  "20,1000,200,1200", "--step", "40", "--divisions", "10", "--eye", "400,840,60",
                  "-o", out},
                 o, e);
        QFile f(out);
        if (f.open(QIODevice::ReadOnly)) pgx = f.readAll();
        picture = LoadPicture(bmp).image; // as the export command reads it
    }
};

LargeFish& Large() {
    static LargeFish fish;
    return fish;
}

void BM_ExportGlb4000x2000(benchmark::State& state) {
    const LargeFish& fish = Large();
    qint64 size = 0;
    for (auto _ : state) {
        const auto file = ReadPgx(fish.pgx);
        const auto texture = file ? MakeModelTexture(fish.picture, file->background) : std::nullopt;
        const auto glb = texture ? ExportGlb(BuildFishMesh(*file), *texture) : std::nullopt;
        if (!glb) {
            state.SkipWithError("the export failed");
            break;
        }
        size = glb->size();
    }
    state.counters["glb_bytes"] = double(size);
}
BENCHMARK(BM_ExportGlb4000x2000)->Unit(benchmark::kMillisecond);

// The same export through the command's call, written atomically to disk.
void BM_ExportGlbFile4000x2000(benchmark::State& state) {
    const LargeFish& fish = Large();
    QTemporaryDir out;
    for (auto _ : state) {
        QString sink;
        QTextStream o(&sink), e(&sink);
        if (ExportModel(fish.pgx, fish.picture, out.filePath("large.glb"), o, e) != ExitOk) {
            state.SkipWithError("the export failed");
            break;
        }
    }
}
BENCHMARK(BM_ExportGlbFile4000x2000)->Unit(benchmark::kMillisecond);

// The floor: the picture encoded as PNG alone, as Qt encodes it by default.
void BM_EncodePng4000x2000(benchmark::State& state) {
    const QImage& picture = Large().picture;
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(picture);
        benchmark::DoNotOptimize(png.data());
    }
}
BENCHMARK(BM_EncodePng4000x2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({
        {"read + mesh of the largest fish", "BM_ReadAndMeshLargestFish",
         "writing its PGX to memory", "BM_WritePgxLargestFish", 3.0},
        {"export of the 4000 x 2000 fish to .glb", "BM_ExportGlb4000x2000",
         "encoding its picture as PNG", "BM_EncodePng4000x2000", 1.3},
        {"the same export written to disk", "BM_ExportGlbFile4000x2000",
         "encoding its picture as PNG", "BM_EncodePng4000x2000", 1.3},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

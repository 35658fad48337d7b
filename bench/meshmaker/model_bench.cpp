// Benchmarks of the model layer, each next to its floor in the same run:
//   - reading the PGX file of the largest fish (250 columns, N = 10, every
//     strip full, pectoral fin, whiskers, eye) and building its mesh, next to
//     the editor writing that file to memory;
//   - exporting a 4000 x 2000 fish to .glb (read, mesh, the two textures with
//     the edge-padded body picture, glTF bytes), and to OBJ with its library
//     and two PNG files, each next to encoding its picture as PNG alone; and
//     the textures' pictures alone (the padding), for the record.
//
//   build/bench/meshmaker/meshmaker_model_bench
//
// The closing lines give each figure as a multiple of its floor.

#include "Batch.h"
#include "EditorPicture.h"
#include "Fish.h"
#include "FishMesh.h"
#include "GltfExport.h"
#include "LargestFish.h"
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

// The same export to OBJ, its library and its two pictures, written to disk.
void BM_ExportObjFile4000x2000(benchmark::State& state) {
    const LargeFish& fish = Large();
    QTemporaryDir out;
    for (auto _ : state) {
        QString sink;
        QTextStream o(&sink), e(&sink);
        if (ExportModel(fish.pgx, fish.picture, out.filePath("large.obj"), o, e, {}, true) !=
            ExitOk) {
            state.SkipWithError("the export failed");
            break;
        }
    }
}
BENCHMARK(BM_ExportObjFile4000x2000)->Unit(benchmark::kMillisecond);

// The two pictures the textures are made of, the body's edge-padded, without
// encoding them: what the 3-D view makes when a picture is opened.
void BM_ModelPictures4000x2000(benchmark::State& state) {
    const LargeFish& fish = Large();
    const auto file = ReadPgx(fish.pgx);
    for (auto _ : state) {
        const auto pictures =
            file ? MakeModelPictures(fish.picture, file->background) : std::nullopt;
        if (!pictures) {
            state.SkipWithError("the pictures failed");
            break;
        }
        benchmark::DoNotOptimize(pictures->body.constBits());
    }
}
BENCHMARK(BM_ModelPictures4000x2000)->Unit(benchmark::kMillisecond);

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
        {"the export to OBJ written to disk", "BM_ExportObjFile4000x2000",
         "encoding its picture as PNG", "BM_EncodePng4000x2000", 1.3},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

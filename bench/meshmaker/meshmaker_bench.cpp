// Benchmarks of the editor: the batch conversion of whole fish, the
// whole-fish trace, and the side view at every zoom next to the floor of
// copying the same view pixels.
//
//   build/bench/meshmaker/meshmaker_bench
//
// Each figure is printed with the floor it is compared with, in the same run.

#include "Batch.h"
#include "Picture.h"
#include "TForm1.h"
#include "Views.h"
#include "WholeFishTrace.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "PaintedFish.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace {

class NoDialogs : public Dialogs {
public:
    QString OpenFileName(const QString&) override { return {}; }
    void ShowMessage(const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
};

struct Pictures {
    QTemporaryDir dir;
    QString large;    // 4000 x 2000
    QString largePng; // the same fish as PNG
    QString largest;  // 6000 x 4000
    QString huge;     // 4000 x 3000
    Pictures() {
        large = dir.filePath("large.bmp");
        PaintedFish(4000, 2000, QImage::Format_RGB888).save(large, "BMP");
        largePng = dir.filePath("large.png");
        PaintedFish(4000, 2000).save(largePng, "PNG");
        huge = dir.filePath("huge.bmp");
        PaintedFish(4000, 3000, QImage::Format_RGB888).save(huge, "BMP");
        largest = dir.filePath("largest.bmp");
        PaintedFish(6000, 4000, QImage::Format_RGB888).save(largest, "BMP");
    }
};

Pictures& Fixtures() {
    static Pictures pictures;
    return pictures;
}

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

void RunBatchOn(benchmark::State& state, const QString& picture) {
    QTemporaryDir out;
    const QStringList args = {
        picture, "--dorsal", "1200,0,2000,700", "--ventral", "1000,1300,1400,1900",   "--divisions",
        "10",    "--eye",    "400,840,60",      "-o",        out.filePath("fish.pgx")};
    for (auto _ : state) {
        QString sink;
        QTextStream o(&sink), e(&sink);
        if (RunBatch(args, o, e) != ExitOk) state.SkipWithError("batch failed");
    }
}

void BM_BatchSampleFish(benchmark::State& state) {
    QTemporaryDir out;
    const QStringList args = {SAMPLE_FISH, "-o", out.filePath("fish.pgx")};
    for (auto _ : state) {
        QString sink;
        QTextStream o(&sink), e(&sink);
        if (RunBatch(args, o, e) != ExitOk) state.SkipWithError("batch failed");
    }
}
BENCHMARK(BM_BatchSampleFish)->Unit(benchmark::kMillisecond);

void BM_Batch4000x2000(benchmark::State& state) {
    RunBatchOn(state, Fixtures().large);
}
BENCHMARK(BM_Batch4000x2000)->Unit(benchmark::kMillisecond);

void BM_Batch4000x2000Png(benchmark::State& state) {
    RunBatchOn(state, Fixtures().largePng);
}
BENCHMARK(BM_Batch4000x2000Png)->Unit(benchmark::kMillisecond);

void BM_Batch6000x4000(benchmark::State& state) {
    RunBatchOn(state, Fixtures().largest);
}
BENCHMARK(BM_Batch6000x4000)->Unit(benchmark::kMillisecond);

// The floor of the batch conversion: reading the same BMP alone.
void BM_ReadBmp4000x2000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(Fixtures().large));
}
BENCHMARK(BM_ReadBmp4000x2000)->Unit(benchmark::kMillisecond);

// The whole fish traced at once on the 4000 x 2000 picture, as the editor
// holds it once opened; its floor is reading that picture.
void BM_WholeFishTrace4000x2000(benchmark::State& state) {
    EditorPicture picture;
    picture.PictureBitmap = LoadPicture(Fixtures().large).image;
    picture.PicMaxX = picture.PictureBitmap.width() - 1;
    picture.PicMaxY = picture.PictureBitmap.height() - 1;
    for (auto _ : state) {
        const WholeFishTrace traced = TraceWholeFish(picture, Fish());
        if (!traced.traced) state.SkipWithError("nothing traced");
        benchmark::DoNotOptimize(traced.fish.BodyLast);
    }
}
BENCHMARK(BM_WholeFishTrace4000x2000)->Unit(benchmark::kMillisecond);

// The floor of the PNG's batch conversion: reading that PNG alone.
void BM_ReadPng4000x2000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(Fixtures().largePng));
}
BENCHMARK(BM_ReadPng4000x2000)->Unit(benchmark::kMillisecond);

void BM_ReadBmp6000x4000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(Fixtures().largest));
}
BENCHMARK(BM_ReadBmp6000x4000)->Unit(benchmark::kMillisecond);

constexpr int ViewWidth = 1200, ViewHeight = 800;

// RedrawSideView and the rendering of a 1200 x 800 view rectangle of a
// 4000 x 3000 picture in body mode, at the zoom given as the argument.
void BM_SideViewRender(benchmark::State& state) {
    NoDialogs dialogs;
    TForm1 form(dialogs);
    form.OpenPicture(Fixtures().huge);
    form.SetZoom(int(state.range(0)));
    const int z = form.Ui.Zoom;
    // A rectangle around the tail position, where the dimmed part begins.
    const QRect rect(form.TailPosition() * z - ViewWidth / 2, 1500 * z - ViewHeight / 2, ViewWidth,
                     ViewHeight);
    for (auto _ : state) {
        form.RedrawSideView();
        QImage view = RenderSideView(form, rect);
        benchmark::DoNotOptimize(view.constBits());
    }
    state.counters["resident_MB"] = double(ResidentKilobytes()) / 1024;
    state.SetBytesProcessed(state.iterations() * qint64(ViewWidth) * ViewHeight * 4);
}
BENCHMARK(BM_SideViewRender)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

// The floor: copying the same number of view pixels.
void BM_ViewMemcpy(benchmark::State& state) {
    std::vector<quint32> from(size_t(ViewWidth) * ViewHeight, 0x12345678u), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(quint32));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64(from.size()) * 4);
}
BENCHMARK(BM_ViewMemcpy)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({
        {"batch conversion of the 4000 x 2000 fish", "BM_Batch4000x2000", "reading its BMP",
         "BM_ReadBmp4000x2000", 1.5},
        {"batch conversion of the 4000 x 2000 fish as PNG", "BM_Batch4000x2000Png",
         "reading its PNG", "BM_ReadPng4000x2000", 1.5},
        {"batch conversion of the 6000 x 4000 fish", "BM_Batch6000x4000", "reading its BMP",
         "BM_ReadBmp6000x4000", 1.5},
        {"whole-fish trace of the 4000 x 2000 fish", "BM_WholeFishTrace4000x2000",
         "reading its BMP", "BM_ReadBmp4000x2000", 3.0},
        {"side view at x8", "BM_SideViewRender/8", "a plain copy of its pixels", "BM_ViewMemcpy",
         2.0},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// Benchmarks of the commands that work on many files and for file managers:
// a batch of 100 pictures of 800 x 400 with --jobs 1 and --jobs 2 (the real
// program, each picture a run of its own), next to reading the 100 pictures
// and to converting one of them in-process; and the thumbnail of the largest
// fish on a 4000 x 2000 picture, drawn in-process and by the real command.
//
//   build/bench/meshmaker/meshmaker_commands_bench
//
// The last lines give --jobs 2 as a share of --jobs 1, the time per picture
// next to reading one, and the thumbnail command's time.

#include "Batch.h"
#include "FishThumbnail.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "PreviewModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "LargestFish.h"
#include "PaintedFish.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace {

constexpr int Pictures = 100;

struct Folder {
    QTemporaryDir dir;
    QStringList pictures;
    Folder() {
        QDir(dir.path()).mkdir("fish");
        for (int k = 0; k < Pictures; ++k) {
            // Fish of slightly different shapes, so that no two runs are alike.
            const QString path =
                dir.filePath(QStringLiteral("fish/fish%1.bmp").arg(k, 3, 10, QChar(u'0')));
            PaintedFish(800 - k % 7, 400 - k % 5, QImage::Format_RGB888).save(path, "BMP");
            pictures << path;
        }
    }
};

Folder& Fish() {
    static Folder folder;
    return folder;
}

// The time of one picture, in seconds.
benchmark::Counter PerPicture() {
    return benchmark::Counter(Pictures, benchmark::Counter::kIsIterationInvariantRate |
                                            benchmark::Counter::kInvert);
}

// The processor time, user and system, of every child process that has
// ended and been waited for, and of theirs.
double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int Run(const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral(MESHMAKER_PROGRAM), args);
    p.waitForFinished(-1);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// meshmaker --batch FOLDER --jobs N: 100 pictures, each traced and written.
void BM_Batch100Pictures(benchmark::State& state) {
    const QString folder = Fish().dir.filePath("fish");
    const QString jobs = QString::number(state.range(0));
    const double cpuBefore = ChildrenCpuSeconds();
    for (auto _ : state)
        if (Run({"--batch", folder, "--jobs", jobs}) != 0) state.SkipWithError("the batch failed");
    state.counters["per_picture"] = PerPicture();
    // The processor time of the runs themselves (the program and its runs
    // of one picture each), whatever else the machine does meanwhile.
    state.counters["cpu_s"] =
        benchmark::Counter(ChildrenCpuSeconds() - cpuBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Batch100Pictures)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The floor: reading the 100 pictures, in this process.
void BM_Read100Pictures(benchmark::State& state) {
    for (auto _ : state)
        for (const QString& picture : Fish().pictures)
            benchmark::DoNotOptimize(LoadPicture(picture));
    state.counters["per_picture"] = PerPicture();
}
BENCHMARK(BM_Read100Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

// One picture converted in this process, without starting a program.
void BM_BatchOnePictureInProcess(benchmark::State& state) {
    QTemporaryDir out;
    const QStringList args = {Fish().pictures.first(), "-o", out.filePath("fish.pgx")};
    for (auto _ : state) {
        QString printed;
        QTextStream o(&printed), e(&printed);
        if (RunBatch(args, o, e) != ExitOk) state.SkipWithError("the batch failed");
    }
}
BENCHMARK(BM_BatchOnePictureInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The largest fish the editor can make, written as a PGX file beside its
// 4000 x 2000 picture.
struct LargestModel {
    QTemporaryDir dir;
    QString pgx;
    PreviewModel model;
    LargestModel() {
        FishAndPicture largest = LargestFish();
        largest.picture.PictureBitmap = PaintedFish(4000, 2000);
        const QByteArray bytes = BuildPgxBytes(largest.fish, largest.picture);
        pgx = dir.filePath("largest.pgx");
        QFile file(pgx);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        largest.picture.PictureBitmap.convertToFormat(QImage::Format_RGB888)
            .save(dir.filePath("largest.bmp"), "BMP");
        model = PreviewOfFile(*ReadPgx(bytes), largest.picture.PictureBitmap);
    }
};

LargestModel& Largest() {
    static LargestModel model;
    return model;
}

// Drawing its thumbnail, from the mesh and the picture in memory.
void BM_ThumbnailLargestFish(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderFishThumbnail(Largest().model, int(state.range(0))));
}
BENCHMARK(BM_ThumbnailLargestFish)
    ->Arg(256)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// meshmaker --thumbnail largest.pgx OUT.png 256, as a file manager runs it:
// the program's start, reading the file and its picture, drawing, the PNG.
void BM_ThumbnailCommandLargestFish(benchmark::State& state) {
    const QString out = Largest().dir.filePath("thumbnail.png");
    for (auto _ : state)
        if (Run({"--thumbnail", Largest().pgx, out, QString::number(state.range(0))}) != 0)
            state.SkipWithError("the thumbnail failed");
}
BENCHMARK(BM_ThumbnailCommandLargestFish)
    ->Arg(256)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({
        {"100 pictures with --jobs 2", "BM_Batch100Pictures/2/iterations:3/real_time",
         "the same with --jobs 1", "BM_Batch100Pictures/1/iterations:3/real_time", 0.55},
        {"a picture of the batch with --jobs 1", "BM_Batch100Pictures/1/iterations:3/real_time",
         "reading it", "BM_Read100Pictures/real_time", 0},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

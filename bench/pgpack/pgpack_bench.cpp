// Benchmarks of the archiver: packing and splitting a 50 MB model, next to
// the floor of copying the same bytes from file to file in the same run.
//
//   build/bench/pgpack/pgpack_bench
//
// Packing and splitting write every file through a temporary file that is
// flushed to the disk before it is renamed, so two floors are shown: a
// plain copy, and a plain copy that also flushes its output to the disk.
// The closing lines give each figure as a multiple of both floors.

#include "PackCombinedFile.h"
#include "SplitCombinedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <io.h>
#define fdatasync _commit
#endif

namespace {

constexpr qint64 MiB = qint64(1) << 20;

// A model of 50 MiB: textures of 24, 8 and 2 MiB and a mesh of 16 MiB.
struct Model {
    QTemporaryDir dir;
    MemberPaths sources;
    QString combined;
    qint64 bytes = 0;

    Model() {
        sources = ModelFiles(dir.filePath(QStringLiteral("koi")));
        const qint64 sizes[] = {24 * MiB, 8 * MiB, 2 * MiB, 16 * MiB};
        int seed = 1;
        for (MemberKind kind : MemberOrder) {
            QByteArray bytesOf(sizes[static_cast<int>(kind)], Qt::Uninitialized);
            quint32 state = 0x9E3779B9u * quint32(seed++);
            for (char& b : bytesOf) b = char((state = state * 1664525u + 1013904223u) >> 24);
            QFile file(sources[kind]);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytesOf) != bytesOf.size())
                qFatal("cannot write the benchmark's model");
            bytes += bytesOf.size();
        }
        combined = dir.filePath(QStringLiteral("koi.pgdaf"));
        CombinedFileHeader header;
        if (!BuildCombinedHeader(sources, header).Ok() ||
            !WriteCombinedFile(sources, header, combined, Replacing::Allow).Ok())
            qFatal("cannot pack the benchmark's model");
    }
};

Model& TheModel() {
    static Model model;
    return model;
}

void BM_Pack(benchmark::State& state) {
    Model& model = TheModel();
    const QString output = model.dir.filePath(QStringLiteral("packed.pgdaf"));
    for (auto _ : state) {
        CombinedFileHeader header;
        if (!BuildCombinedHeader(model.sources, header).Ok() ||
            !WriteCombinedFile(model.sources, header, output, Replacing::Allow).Ok())
            state.SkipWithError("packing failed");
    }
    state.SetBytesProcessed(state.iterations() * model.bytes);
}
BENCHMARK(BM_Pack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Split(benchmark::State& state) {
    Model& model = TheModel();
    const MemberPaths targets = ModelFiles(model.dir.filePath(QStringLiteral("split")));
    for (auto _ : state) {
        if (!SplitCombinedFile(model.combined, targets, [](MemberKind) {
                 return SplitDecision::Write;
             }).Ok())
            state.SkipWithError("splitting failed");
    }
    state.SetBytesProcessed(state.iterations() * model.bytes);
}
BENCHMARK(BM_Split)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same four files copied into one, through a buffer of the
// same size as packing uses, with no header, no checks and no rename.
void PlainCopy(benchmark::State& state, bool flushToDisk) {
    Model& model = TheModel();
    const QString output = model.dir.filePath(QStringLiteral("copy.bin"));
    QByteArray buffer(MiB, Qt::Uninitialized);
    for (auto _ : state) {
        QFile out(output);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            state.SkipWithError("cannot write");
        for (MemberKind kind : MemberOrder) {
            QFile in(model.sources[kind]);
            if (!in.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read");
            qint64 got;
            while ((got = in.read(buffer.data(), buffer.size())) > 0)
                out.write(buffer.constData(), got);
        }
        if (flushToDisk) ::fdatasync(out.handle());
    }
    state.SetBytesProcessed(state.iterations() * model.bytes);
}

void BM_PlainCopy(benchmark::State& state) {
    PlainCopy(state, false);
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainCopyToDisk(benchmark::State& state) {
    PlainCopy(state, true);
}
BENCHMARK(BM_PlainCopyToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

// The console report, and at its end each figure against both floors.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved report stays plain text.
    RatioReporter() : ConsoleReporter(::isatty(::fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto plain = times_.find("BM_PlainCopy"), disk = times_.find("BM_PlainCopyToDisk");
        if (plain == times_.end() || disk == times_.end()) return;
        for (const char* name : {"BM_Pack", "BM_Split"}) {
            const auto found = times_.find(name);
            if (found == times_.end()) continue;
            std::printf("%s: %.2f x the plain copy, %.2f x the plain copy flushed to disk\n", name,
                        found->second / plain->second, found->second / disk->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

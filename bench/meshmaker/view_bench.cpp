// Benchmarks of the 3-D view, each next to its floor in the same run:
//   - the rebuild after an edit of the largest fish: its PGX bytes made in
//     memory, read back, meshed and put into the GPU's buffers (and the same
//     from the bytes on), next to the editor writing that PGX to memory (an
//     edit that changes the grid's triangles, which costs a check more, is
//     reported as a figure of its own);
//   - one frame of the largest fish in the view at 1024 x 768, drawn and
//     shown on the screen, next to a frame of the same view with no model.
// The drawing alone, into a framebuffer of that size, and clearing it are
// reported too, as figures of their own: a frame costs the drawing and
// what every frame pays to reach the screen.
//
// OpenGL needs an X display; with Mesa's software renderer under Xvfb:
//
//   xvfb-run -a build/bench/meshmaker/meshmaker_view_bench
//
// The closing lines give each figure as a multiple of its floor.

#include "FishRenderer.h"
#include "FishView.h"
#include "LargestFish.h"
#include "ModelTexture.h"
#include "PgxReader.h"
#include "PgxWriter.h"
#include "PreviewModel.h"

#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QPainter>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr QSize FrameSize(1024, 768);

const FishAndPicture& Largest() {
    static const FishAndPicture largest = [] {
        FishAndPicture made = LargestFish();
        // Fish colour everywhere but a border of water: every fin's whole
        // strip is drawn, the most a frame can have to fill.
        QImage picture(made.picture.PictureBitmap.size(), QImage::Format_RGB32);
        picture.fill(qRgb(240, 128, 32));
        QPainter p(&picture);
        p.setPen(QColor(48, 112, 192));
        p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
        p.end();
        made.picture.PictureBitmap = picture;
        return made;
    }();
    return largest;
}

const QByteArray& LargestPgx() {
    static const QByteArray bytes = BuildPgxBytes(Largest().fish, Largest().picture);
    return bytes;
}

// An OpenGL context of its own, current on an offscreen surface.
struct Context {
    QOffscreenSurface surface;
    QOpenGLContext context;
    FishRenderer renderer;
    bool ready = false;
    Context() {
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface)) return;
        QString why;
        ready = renderer.Initialize(&why);
        if (!ready) std::fprintf(stderr, "the shaders: %s\n", qPrintable(why));
    }
    ~Context() {
        if (context.makeCurrent(&surface)) renderer.Release();
    }
    void Finish() { context.functions()->glFinish(); }
};

std::unique_ptr<Context> gl; // made in main, gone before the application is

Context& Gl() {
    gl->context.makeCurrent(&gl->surface);
    return *gl;
}

void BM_WritePgxLargestFish(benchmark::State& state) {
    const FishAndPicture& largest = Largest();
    for (auto _ : state) benchmark::DoNotOptimize(BuildPgxBytes(largest.fish, largest.picture));
    state.SetBytesProcessed(state.iterations() * LargestPgx().size());
}
BENCHMARK(BM_WritePgxLargestFish)->Unit(benchmark::kMicrosecond);

// What an edit costs the view: the fish as a save would write it, read
// back, meshed, and uploaded.
void BM_RebuildAfterEdit(benchmark::State& state) {
    Context& context = Gl();
    if (!context.ready) return state.SkipWithError("no OpenGL context");
    const FishAndPicture& largest = Largest();
    size_t triangles = 0;
    for (auto _ : state) {
        const PreviewModel model = PreviewOfFish(largest.fish, largest.picture);
        context.renderer.UploadMesh(model.mesh);
        context.Finish();
        triangles = model.mesh.triangles.size();
    }
    state.counters["triangles"] = double(triangles);
}
BENCHMARK(BM_RebuildAfterEdit)->Unit(benchmark::kMicrosecond);

// An edit that changes the triangles themselves (a column more or fewer):
// the renderer checks again whether the body is closed, once.
void BM_RebuildAfterGridChange(benchmark::State& state) {
    Context& context = Gl();
    if (!context.ready) return state.SkipWithError("no OpenGL context");
    const FishAndPicture& largest = Largest();
    Fish shorter = largest.fish;
    shorter.BodyLast -= 2;
    shorter.BodyX[shorter.BodyLast + 1] = -1;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        const PreviewModel model = PreviewOfFish(flip ? shorter : largest.fish, largest.picture);
        context.renderer.UploadMesh(model.mesh);
        context.Finish();
    }
}
BENCHMARK(BM_RebuildAfterGridChange)->Unit(benchmark::kMicrosecond);

// The same from the PGX bytes on.
void BM_RebuildFromBytes(benchmark::State& state) {
    Context& context = Gl();
    if (!context.ready) return state.SkipWithError("no OpenGL context");
    const QByteArray& bytes = LargestPgx();
    for (auto _ : state) {
        const auto file = ReadPgx(bytes);
        if (!file) return state.SkipWithError("the largest fish does not read");
        context.renderer.UploadMesh(BuildFishMesh(*file));
        context.Finish();
    }
}
BENCHMARK(BM_RebuildFromBytes)->Unit(benchmark::kMicrosecond);

// The drawing alone, into a framebuffer of the view's size, the fish seen
// from the side as the view first shows it.
void RenderIntoFramebuffer(benchmark::State& state, bool withModel) {
    Context& context = Gl();
    if (!context.ready) return state.SkipWithError("no OpenGL context");
    QOpenGLFramebufferObject target(FrameSize, QOpenGLFramebufferObject::Depth);
    target.bind();
    context.context.functions()->glViewport(0, 0, FrameSize.width(), FrameSize.height());
    const PreviewModel model = PreviewOfFish(Largest().fish, Largest().picture);
    context.renderer.UploadMesh(withModel ? model.mesh : FishMesh());
    const auto pictures = MakeModelPictures(model.picture, model.background);
    if (!pictures) return state.SkipWithError("the textures cannot be made");
    context.renderer.UploadTextures(pictures->body, pictures->fins);
    OrbitCamera camera;
    camera.SetViewport(FrameSize);
    const SceneBox box = SceneOf(model);
    camera.SetScene(box.min, box.max);
    camera.Show(OrbitCamera::Standard::Side);
    for (auto _ : state) {
        context.renderer.Render(camera.View(), camera.Projection(), false);
        context.Finish();
    }
    target.release();
}

void BM_RenderLargestFish1024x768(benchmark::State& state) {
    RenderIntoFramebuffer(state, true);
}
BENCHMARK(BM_RenderLargestFish1024x768)->Unit(benchmark::kMicrosecond);

void BM_RenderNothing1024x768(benchmark::State& state) {
    RenderIntoFramebuffer(state, false);
}
BENCHMARK(BM_RenderNothing1024x768)->Unit(benchmark::kMicrosecond);

// A whole frame of the view, as the user waits for it: the view draws, the
// window composes it and the frame goes to the screen.
void ViewFrames(benchmark::State& state, bool withModel) {
    const PreviewModel model =
        withModel ? PreviewOfFish(Largest().fish, Largest().picture) : PreviewModel();
    FishView view([model] { return model; });
    view.resize(FrameSize);
    view.show();
    int swapped = 0;
    QObject::connect(&view, &QOpenGLWidget::frameSwapped, [&] { ++swapped; });
    auto frame = [&] {
        const int before = swapped;
        view.update();
        while (swapped == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    frame(); // the first frame builds the model and uploads the texture
    if (!view.isValid()) return state.SkipWithError("no OpenGL context");
    if (withModel && view.Model().mesh.triangles.empty())
        return state.SkipWithError("the largest fish does not mesh");
    for (auto _ : state) frame();
    state.counters["rebuilds"] = view.Rebuilds();
}

void BM_FrameLargestFish1024x768(benchmark::State& state) {
    ViewFrames(state, true);
}
BENCHMARK(BM_FrameLargestFish1024x768)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_FrameNoModel1024x768(benchmark::State& state) {
    ViewFrames(state, false);
}
BENCHMARK(BM_FrameNoModel1024x768)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "meshmaker_view_bench: OpenGL needs an X display; run it under "
                             "xvfb-run -a\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    gl = std::make_unique<Context>();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({
        {"rebuild after an edit of the largest fish (PGX bytes, mesh, GPU buffers)",
         "BM_RebuildAfterEdit", "writing its PGX to memory", "BM_WritePgxLargestFish", 4.0},
        {"rebuild from its PGX bytes (mesh, GPU buffers)", "BM_RebuildFromBytes",
         "writing its PGX to memory", "BM_WritePgxLargestFish", 4.0},
        {"a frame of the largest fish at 1024 x 768", "BM_FrameLargestFish1024x768/real_time",
         "a frame with no model", "BM_FrameNoModel1024x768/real_time", 2.0},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    gl.reset();
    return 0;
}

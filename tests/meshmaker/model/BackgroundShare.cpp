// meshmaker_background_share: how much of a rendered fish shows the colour of
// its picture's background, measured on a render by any program.
//
//   meshmaker_background_share RENDER.png RRGGBB [TOLERANCE]
//
// The render's own background is the colour of its pixel (0, 0); every
// pixel that differs from it by more than 8 on a channel is the fish's. A
// fish pixel shows the background colour RRGGBB when it is that colour lit
// by a white light: some multiple k (0.4 to 1.25) of it, within k times
// TOLERANCE (default 24) on each channel. So flat and shaded renders are
// measured alike; a darker pixel tells no colour. Prints the counts and the share; exits 0, or 2 on
// a bad command.

#include <QCoreApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = args.size() == 3 || args.size() == 4;
    const QRgb background = ok ? args[2].toUInt(&ok, 16) : 0;
    const int tolerance = ok && args.size() == 4 ? args[3].toInt(&ok) : 24;
    const QImage render = ok ? QImage(args[1]).convertToFormat(QImage::Format_RGB32) : QImage();
    if (!ok || render.isNull()) {
        std::fprintf(stderr, "usage: meshmaker_background_share RENDER.png RRGGBB [TOLERANCE]\n");
        return 2;
    }
    const QRgb clear = render.pixel(0, 0);
    const double b[3] = {double(qRed(background)), double(qGreen(background)),
                         double(qBlue(background))};
    const double bb = b[0] * b[0] + b[1] * b[1] + b[2] * b[2];
    long fish = 0, shown = 0;
    for (int y = 0; y < render.height(); ++y)
        for (int x = 0; x < render.width(); ++x) {
            const QRgb p = render.pixel(x, y);
            if (std::abs(qRed(p) - qRed(clear)) <= 8 && std::abs(qGreen(p) - qGreen(clear)) <= 8 &&
                std::abs(qBlue(p) - qBlue(clear)) <= 8)
                continue;
            ++fish;
            const double c[3] = {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
            // Too dark a pixel (an outline, an edge blended with the render's
            // background) tells no colour.
            const double k = bb > 0 ? (c[0] * b[0] + c[1] * b[1] + c[2] * b[2]) / bb : 1.0;
            bool near = k >= 0.4 && k <= 1.25;
            for (int i = 0; i < 3; ++i) near = near && std::abs(c[i] - k * b[i]) <= k * tolerance;
            shown += near;
        }
    std::printf("fish pixels %ld, background-coloured %ld, share %.2f %%\n", fish, shown,
                fish > 0 ? 100.0 * double(shown) / double(fish) : 0.0);
    return 0;
}

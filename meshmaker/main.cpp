// meshmaker: the editor window by default, opened on PICTURE.bmp when one is
// given; --batch converts a picture without a window (no display needed).
// Without a display, a given picture is converted in batch as well.
// --export and --info take a PGX file to a 3-D model and describe one;
// --view shows one in the 3-D view's window alone.

#include "Batch.h"
#include "ModelCommands.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTextStream>

#ifdef MESHMAKER_WITH_WINDOW
#include "MainWindow.h"
#include "Viewer.h"

#include <QApplication>
#endif

namespace {

QString Usage() {
    return Texts::Usage + BatchUsage() + ModelCommandsUsage() + Texts::ViewUsage;
}

[[maybe_unused]] bool HasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

int Batch(int argc, char** argv, const QStringList& args) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    return RunBatch(args, out, err);
}

int Model(int argc, char** argv, const QStringList& args) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    return args.first() == QStringLiteral("--export") ? RunExportCommand(args.mid(1), out, err)
                                                      : RunInfoCommand(args.mid(1), out, err);
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

    if (!args.isEmpty() && args.first() == QStringLiteral("--batch"))
        return Batch(argc, argv, args.mid(1));
    if (!args.isEmpty() &&
        (args.first() == QStringLiteral("--export") || args.first() == QStringLiteral("--info")))
        return Model(argc, argv, args);
    if (!args.isEmpty() && args.first() == QStringLiteral("--view")) {
#ifdef MESHMAKER_WITH_WINDOW
        return RunViewer(argc, argv, args.mid(1), HasDisplay());
#else
        QTextStream(stderr) << Texts::ViewWithoutWindows;
        return ExitFailed;
#endif
    }
    if (!args.isEmpty() &&
        (args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h"))) {
        QTextStream(stdout) << Usage();
        return ExitOk;
    }
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith(u'-'))) {
        QTextStream(stderr) << Usage();
        return ExitUsage;
    }
#ifdef MESHMAKER_WITH_WINDOW
    if (HasDisplay()) {
        QApplication app(argc, argv);
        app.setApplicationName(QStringLiteral("meshmaker"));
        app.setApplicationDisplayName(QString());
        MainWindow window;
        window.show();
        if (!args.isEmpty()) window.Dispatch([&] { window.Form().OpenPicture(args.first()); });
        return app.exec();
    }
#endif
    if (!args.isEmpty()) {
        QTextStream(stderr) << Texts::NoDisplayConverting.arg(args.first());
        return Batch(argc, argv, args);
    }
    QTextStream(stderr) << Texts::NoDisplay << Usage();
    return ExitFailed;
}

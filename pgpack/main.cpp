// pgpack, the data archiver & separator: the archiver dialog by default;
// with words after its name, the same work without a window:
//
//   pgpack pack MESH.pgx [--data-dir DIR] [--eye-texture FILE] [--overwrite]
//   pgpack split FILE.pgdaf [--into DIR] [--overwrite | --skip-existing]
//   pgpack list FILE.pgdaf

#include "CommandLine.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTextStream>

#ifdef PGPACK_WITH_DIALOG
#include "CPgpackApp.h"
#endif

namespace {

[[maybe_unused]] bool HasDisplay() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        app.setApplicationName(Texts::ProgramName);
        app.setApplicationVersion(Texts::ProgramVersion);
        QTextStream out(stdout), err(stderr);
        return RunCommandLine(app.arguments().mid(1), out, err);
    }
#ifdef PGPACK_WITH_DIALOG
    if (HasDisplay()) {
        CPgpackApp app(argc, argv);
        return app.InitInstance();
    }
    QTextStream(stderr) << "pgpack: no display to show the dialog on\n" << CommandLineUsage();
#else
    QTextStream(stderr) << "pgpack: built without its dialog\n" << CommandLineUsage();
#endif
    return ExitFailed;
}

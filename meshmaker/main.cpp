// meshmaker: the editor window by default, opened on PICTURE when one is
// given; --batch converts a picture without a window (no display needed).
// Without a display, a given picture is converted in batch as well.
// --export and --info take a PGX file to a 3-D model and describe one;
// --view shows one in the 3-D view's window alone; --thumbnail draws one as
// a small picture for file managers.
// --lang ja or --lang en, anywhere on the line, chooses the language of the
// windows and the messages; without it the locale does.

#include "AtomicWriter.h"
#include "Batch.h"
#include "BatchRun.h"
#include "DisplayCheck.h"
#include "Language.h"
#include "ModelCommands.h"
#include "Texts.h"
#include "ThumbnailCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#ifdef MESHMAKER_WITH_WINDOW
#include "MainWindow.h"
#include "Viewer.h"

#include <QApplication>
#endif

namespace {

QString Usage() {
    return Texts::Usage() + BatchUsage() + BatchRunUsage() + ModelCommandsUsage() +
           Texts::ViewUsage() + ThumbnailUsage();
}

#ifdef MESHMAKER_WITH_WINDOW
QString DisplayUnreachable(const QString& variable) {
    return Texts::DisplayUnreachable().arg(variable);
}
#endif

// The language chosen for this run; its texts need the application object,
// so each way through main speaks it once that object exists.
QString language;

// withoutDisplay: a picture given to the editor is converted instead, and
// the user is told so first.
int Batch(int argc, char** argv, const QStringList& args, bool withoutDisplay = false) {
    QCoreApplication app(argc, argv);
    Language::Use(language);
    QTextStream out(stdout), err(stderr);
    if (withoutDisplay) err << Texts::NoDisplayConverting().arg(args.first()) << Qt::flush;
    return RunBatches(args, language, QCoreApplication::applicationFilePath(), out, err);
}

int Model(int argc, char** argv, const QStringList& args) {
    QCoreApplication app(argc, argv);
    Language::Use(language);
    QTextStream out(stdout), err(stderr);
    if (args.first() == QStringLiteral("--thumbnail"))
        return RunThumbnailCommand(args.mid(1), out, err);
    return args.first() == QStringLiteral("--export") ? RunExportCommand(args.mid(1), out, err)
                                                      : RunInfoCommand(args.mid(1), out, err);
}

// A message, and the usage after it where there is one, without a window.
int Say(int argc, char** argv, FILE* stream, const std::function<QString()>& text, int status) {
    QCoreApplication app(argc, argv);
    Language::Use(language);
    QTextStream(stream) << text();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    FailWritesPastFileSizeLimit();
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    std::optional<QString> refusedLanguage;
    language = Language::Choose(args, &refusedLanguage);
    if (refusedLanguage)
        return Say(
            argc, argv, stderr,
            [&] {
                return Texts::CommandError().arg(Texts::LanguageUnknown().arg(
                           Language::Available().join(QStringLiteral(", ")), *refusedLanguage)) +
                       Usage();
            },
            ExitUsage);

    if (!args.isEmpty() && args.first() == QStringLiteral("--batch"))
        return Batch(argc, argv, args.mid(1));
    if (!args.isEmpty() &&
        (args.first() == QStringLiteral("--export") || args.first() == QStringLiteral("--info") ||
         args.first() == QStringLiteral("--thumbnail")))
        return Model(argc, argv, args);
    if (!args.isEmpty() && args.first() == QStringLiteral("--view")) {
#ifdef MESHMAKER_WITH_WINDOW
        return RunViewer(argc, argv, args.mid(1), DisplayCheck::Named(), language);
#else
        return Say(
            argc, argv, stderr, [] { return Texts::ViewWithoutWindows(); }, ExitFailed);
#endif
    }
    if (!args.isEmpty() &&
        (args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h"))) {
        return Say(argc, argv, stdout, Usage, ExitOk);
    }
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith(u'-')))
        return Say(argc, argv, stderr, Usage, ExitUsage);
#ifdef MESHMAKER_WITH_WINDOW
    if (DisplayCheck::Named()) {
        DisplayCheck::HoldMessagesWhileConnecting(DisplayUnreachable, ExitFailed);
        QApplication app(argc, argv);
        DisplayCheck::PassOnHeldMessages();
        Language::Use(language);
        app.setApplicationName(QStringLiteral("meshmaker"));
        app.setApplicationDisplayName(QString());
        MainWindow window;
        window.show();
        if (!args.isEmpty()) window.Dispatch([&] { window.Form().OpenPicture(args.first()); });
        return app.exec();
    }
#endif
    if (!args.isEmpty()) return Batch(argc, argv, args, true);
    return Say(
        argc, argv, stderr, [] { return Texts::NoDisplay() + Usage(); }, ExitFailed);
}

// pgpack, the data archiver & separator: the archiver dialog by default;
// with words after its name, the same work without a window:
//
//   pgpack pack MESH.pgx [--data-dir DIR] [--eye-texture FILE] [--overwrite]
//   pgpack split FILE.pgdaf [--into DIR] [--overwrite | --skip-existing]
//   pgpack list FILE.pgdaf
//
// One PGDAF or PGX file alone (as a file manager opens one) opens the dialog
// with that file chosen.
//
// --lang ja or --lang en, anywhere on the line, chooses the language of the
// dialog and the messages; without it the locale does.

#include "CommandLine.h"
#include "Language.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#ifdef PGPACK_WITH_DIALOG
#include "CPgpackApp.h"
#endif

namespace {

// The variables that can name a display for the dialog.
constexpr const char* DisplayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

// A display variable that is set but empty names no display: it is taken
// away, so that nothing below (Qt included) mistakes it for one.
[[maybe_unused]] bool HasDisplay() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    bool any = false;
    for (const char* name : DisplayVariables) {
        if (qEnvironmentVariableIsSet(name) && qEnvironmentVariableIsEmpty(name)) qunsetenv(name);
        any = any || !qEnvironmentVariableIsEmpty(name);
    }
    return any;
#endif
}

#ifdef PGPACK_WITH_DIALOG
// While the application connects to its display, Qt's messages are held
// back. Should the connection fail, Qt ends with a fatal message (and
// would abort, with a core dump): instead the user reads one line that says
// what happened, and the program exits as any failure does. When the
// connection succeeds, what was held back is passed on.
QtMessageHandler passOn = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldBack;

QString NamedDisplay() {
    for (const char* name : DisplayVariables)
        if (!qEnvironmentVariableIsEmpty(name))
            return QStringLiteral("%1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
    return {};
}

void WhileConnecting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        QTextStream(stderr) << Texts::CommandMessage().arg(
            Texts::DisplayUnreachable().arg(NamedDisplay()));
        std::_Exit(ExitFailed);
    }
    heldBack.emplace_back(type, message);
}

void Connected() {
    qInstallMessageHandler(passOn);
    for (const auto& [type, message] : heldBack)
        if (passOn) passOn(type, QMessageLogContext(), message);
    heldBack.clear();
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG, and
    // the user reads "File too large" instead of the program vanishing.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    std::optional<QString> refusedLanguage;
    const QString language = Language::Choose(args, &refusedLanguage);
    // A file for the dialog: one word, no command, named as a PGDAF or PGX file.
    QString chosen;
    if (args.size() == 1 && !refusedLanguage && !IsCommandWord(args.first()) &&
        (args.first().endsWith(QStringLiteral(".pgdaf"), Qt::CaseInsensitive) ||
         args.first().endsWith(QStringLiteral(".pgx"), Qt::CaseInsensitive)))
        chosen = args.takeFirst();
    if (!args.isEmpty() || refusedLanguage) {
        QCoreApplication app(argc, argv);
        Language::Use(language);
        app.setApplicationName(Texts::ProgramName);
        app.setApplicationVersion(Texts::ProgramVersion);
        QTextStream out(stdout), err(stderr);
        if (refusedLanguage) {
            err << Texts::CommandMessage().arg(Texts::LanguageUnknown().arg(
                       Language::Available().join(QStringLiteral(", ")), *refusedLanguage))
                << CommandLineUsage();
            return ExitUsage;
        }
        return RunCommandLine(args, out, err, language, QCoreApplication::applicationFilePath());
    }
#ifdef PGPACK_WITH_DIALOG
    if (HasDisplay()) {
        passOn = qInstallMessageHandler(WhileConnecting);
        CPgpackApp app(argc, argv);
        Connected();
        Language::Use(language);
        return app.InitInstance(chosen);
    }
#endif
    QCoreApplication app(argc, argv);
    Language::Use(language);
#ifdef PGPACK_WITH_DIALOG
    QTextStream(stderr) << Texts::CommandMessage().arg(Texts::NoDisplay()) << CommandLineUsage();
#else
    QTextStream(stderr) << Texts::CommandMessage().arg(Texts::WithoutDialog())
                        << CommandLineUsage();
#endif
    return ExitFailed;
}

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

#include "AtomicWriter.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "Language.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#ifdef PGPACK_WITH_DIALOG
#include "CPgpackApp.h"
#endif

namespace {

#ifdef PGPACK_WITH_DIALOG
QString DisplayUnreachable(const QString& variable) {
    return Texts::CommandMessage().arg(Texts::DisplayUnreachable().arg(variable));
}
#endif

} // namespace

int main(int argc, char** argv) {
    FailWritesPastFileSizeLimit();
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
    if (DisplayCheck::Named()) {
        DisplayCheck::HoldMessagesWhileConnecting(DisplayUnreachable, ExitFailed);
        CPgpackApp app(argc, argv);
        DisplayCheck::PassOnHeldMessages();
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

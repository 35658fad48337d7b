// What a program's own Language makes of a command line and the locale, on
// one line: the language chosen, the value of --lang refused ("-" for none),
// the words left for the command, and whether its translation loads. Built
// once against each program (language_probe_meshmaker on meshmaker's
// Language, language_probe_pgpack on pgpack's), so that BothProgramsTest
// holds the twins to one table.

#include "Language.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    std::optional<QString> refused;
    const QString chosen = Language::Choose(args, &refused);
    QCoreApplication app(argc, argv);
    const bool loaded = Language::Use(chosen);
    QTextStream(stdout) << chosen << '|' << refused.value_or(QStringLiteral("-")) << '|'
                        << args.join(u' ') << '|' << (loaded ? "loaded" : "missing") << '\n';
    return 0;
}

// meshmaker: the editor window by default; --batch converts a picture
// without a window (no display needed).

#include "Batch.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

    if (!args.isEmpty() && args.first() == QStringLiteral("--batch")) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return RunBatch(args.mid(1), out, err);
    }
    QTextStream err(stderr);
    err << "meshmaker: this build has no editor window\n" << BatchUsage();
    return ExitUsage;
}

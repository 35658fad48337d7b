#pragma once
// meshmaker --batch: trace a picture and write its PGX file without a window.
// Every option is one action of the editor, done as its tool or control does
// it, always in the same order whatever the order on the command line.

#include <QStringList>
#include <QTextStream>

// Exit statuses of the command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// args are the words after "--batch". Prints the written path on out, a
// summary and any message on err; returns the exit status.
int RunBatch(const QStringList& args, QTextStream& out, QTextStream& err);

QString BatchUsage();

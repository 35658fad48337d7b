#pragma once
// The archiver without its dialog, for scripts and machines without a display:
//
//   pgpack pack MESH.pgx [--data-dir DIR] [--eye-texture FILE] [--overwrite]
//   pgpack split FILE.pgdaf [--into DIR] [--overwrite | --skip-existing]
//   pgpack list FILE.pgdaf

#include <QStringList>
#include <QTextStream>

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // refused or failed; the reason is on err
inline constexpr int ExitUsage = 2;  // the words make no command; the usage is on err

// args are the words after the program's name. Results go to out, messages
// to err; returns the exit status.
int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err);

QString CommandLineUsage();

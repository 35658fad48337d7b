#pragma once
// The archiver without its dialog, for scripts and machines without a display:
//
//   pgpack pack MESH.pgx... [--data-dir DIR] [--eye-texture FILE] [--overwrite] [--jobs N]
//   pgpack split FILE.pgdaf... [--into DIR] [--overwrite | --skip-existing] [--jobs N]
//   pgpack list FILE.pgdaf

#include <QStringList>
#include <QTextStream>

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // refused or failed; the reason is on err
inline constexpr int ExitUsage = 2;  // the words make no command; the usage is on err

// args are the words after the program's name. Results go to out, messages
// to err; returns the exit status. Several files are packed or split each by
// a run of program (this program's file) of its own (ParallelRuns),
// speaking language (the locale's when empty); then 0 when all were
// written, 1 when some failed. Without a program (a caller in-process)
// several files are refused as a bad command.
int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err,
                   const QString& language = {}, const QString& program = {});

QString CommandLineUsage();

// Whether a word is one of the commands (pack, split, list) or asks for the
// usage.
bool IsCommandWord(const QString& word);

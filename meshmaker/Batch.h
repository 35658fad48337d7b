#pragma once
// meshmaker --batch: trace a picture and write its PGX file without a window.
// Every option is one action of the editor, done as its tool or control does
// it, always in the same order whatever the order on the command line.

#include <QStringList>
#include <QTextStream>

#include <optional>

// Exit statuses of the command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// args are the words after "--batch". Prints the written path on out, a
// summary and any message on err; returns the exit status.
int RunBatch(const QStringList& args, QTextStream& out, QTextStream& err);

QString BatchUsage();

// What a one-picture batch with these words would read and write, worked out
// as RunBatch works it out, without touching a file: the picture, and the
// PGX file, its editing session, the body texture (with --texture) and the
// exports with an OBJ's side files. Relative paths are taken from the folder base. A bad command
// gives nothing, with the reason in *why. A run of many pictures checks every
// picture's words and outputs with it before it writes the first file.
struct BatchPlan {
    QString picture;     // as given
    QStringList outputs; // absolute
};
std::optional<BatchPlan> PlanBatch(const QStringList& args, const QString& base, QString* why);

// Whether a word of the batch is an option that takes the next word as its
// value (-o, --export, --dorsal ...).
bool BatchOptionTakesValue(const QString& word);

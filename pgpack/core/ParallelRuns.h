#pragma once
// Many files in one command: each file is one run of this program on that
// file alone, in a child process of its own, at most `jobs` at a time. So
// every file is treated exactly as a command on it alone treats it, one
// failure never stops the others, and the runs use every core. Used by
// pack and split of several files (CommandLine.cpp).
//
// Twin of meshmaker's ParallelRuns: the two programs share no code, so
// each keeps this runner, under the same names and with the same promises
// (one run a file, the same progress line, summary and exit statuses).

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

// One file's run: what the summary calls it and the child's words.
struct ChildRun {
    QString name;             // the file as the user gave or found it
    QStringList args;         // the words after the program's name
    QString workingDirectory; // empty: this process's
};

// A file that was not run: refused before anything ran, or skipped.
struct NotRun {
    QString name, reason;
};

struct ParallelRunsPlan {
    QString program; // the program to run: this one
    std::vector<ChildRun> runs;
    std::vector<NotRun> failed;  // refused before the first run started
    std::vector<NotRun> skipped; // left out on purpose, which is no failure
    int jobs = 1;                // runs at a time, at least 1
    bool progress = false;       // show the progress line (standard error is a terminal)
};

// Runs the plan. Each run's standard output goes to out as the run ends (the
// files it wrote), and, when it succeeded, its messages to err; a failed
// run's messages become its reason in the summary. While runs go on, the
// progress line on err shows done/total, the time left and the file last
// started, redrawn in place. At the end the summary: written, failed (each
// with its reason), skipped. Returns 0 when every run succeeded and nothing
// was refused, else 1.
int RunInParallel(const ParallelRunsPlan& plan, QTextStream& out, QTextStream& err);

// Whether standard error is a terminal: only then is the progress line shown.
bool StandardErrorIsTerminal();

// The cores of this machine: the runs at a time when --jobs is not given.
int DefaultJobs();

// The value of --jobs: a whole number from 1 to 1024; nothing otherwise.
std::optional<int> ParseJobs(const QString& text);

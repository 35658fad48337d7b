#pragma once
// Runs a command under the system-call fault layer (SyscallFaults.cpp) once
// for every call it makes that the layer can fail: the first such call
// fails, then the second, and so on, until a run is untouched because the
// command made fewer calls than that. Every failed run must end as a failure
// should, and the untouched run as a success:
//
//   - the program exits with status 1 (no crash, no other status),
//   - it says something on standard error,
//   - every target holds what it held before (or is still absent),
//   - the targets' folders hold no file they did not hold before: no
//     temporary file is left behind;
//   - the untouched run exits 0.
//
// For example, a command that writes out/koi.pgx where an old one is:
//
//   FaultWalk walk;
//   walk.Program = PROGRAM;
//   walk.Arguments = {"--batch", "koi.bmp", "-o", "out/koi.pgx"};
//   walk.Targets = {{"out/koi.pgx", oldBytes}};
//   walk.Error = "ENOSPC";
//   const FaultWalkReport report = WalkEveryFailurePoint(walk);
//   EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
//   EXPECT_GT(report.FailurePoints, 0);
//
// A run that breaks a rule is written down in Problems and its damage
// undone (old contents back, new files removed), so that the walk goes on
// from the same start.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct FaultWalkTarget {
    QString Path;
    // What the target holds before the command runs; nullopt: it does not
    // exist, and must not exist after a failed run.
    std::optional<QByteArray> Before;
};

struct FaultWalk {
    QString Program;
    QStringList Arguments;
    QString WorkingDirectory; // empty: the current directory
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    std::vector<FaultWalkTarget> Targets;
    QString Error = QStringLiteral("EIO"); // SYSCALL_FAULTS_ERRNO: a name or a number
    QString Calls;                         // SYSCALL_FAULTS_CALLS; empty: every kind
    int TimeoutMs = 60000;                 // for each run
    int MaxRuns = 5000;                    // a command that never ends its calls stops here
};

struct FaultWalkReport {
    int FailurePoints = 0;   // runs in which the layer failed a call
    QStringList FailedCalls; // for each of them, what failed: "write #3 with ENOSPC"
    QStringList Messages;    // for each of them, the command's standard error
    QStringList Problems;    // every rule broken, with the run that broke it
    // The untouched run.
    int ExitCode = -1;
    QByteArray Stdout, Stderr;
};

// One run of walk's command with its failAt-th call failed.
struct FaultRun {
    bool Finished = false; // within walk.TimeoutMs
    bool Crashed = false;
    int ExitCode = -1;
    QByteArray Stdout, Stderr;
    QString FailedCall; // "write #3 with ENOSPC"; empty when the run was untouched
};
FaultRun RunUnderFault(const FaultWalk& walk, int failAt);

// The path of the fault layer's library, as built.
QString SyscallFaultsLibrary();

FaultWalkReport WalkEveryFailurePoint(const FaultWalk& walk);

// The failed runs whose message does not give reason (the system's words,
// "No space left on device"), each as "what failed: the message"; empty
// when every failed run said why.
QStringList MessagesLacking(const FaultWalkReport& report, const QString& reason);

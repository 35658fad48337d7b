#include "FaultWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

namespace {

// The names in each target's folder, before the walk.
using FolderListing = std::map<QString, QStringList>;

QStringList Names(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

QString FolderOf(const FaultWalk& walk, const QString& path) {
    const QFileInfo info(
        QDir(walk.WorkingDirectory.isEmpty() ? QDir::currentPath() : walk.WorkingDirectory), path);
    return QFileInfo(info.absoluteFilePath()).absolutePath();
}

QString Absolute(const FaultWalk& walk, const QString& path) {
    return QDir(walk.WorkingDirectory.isEmpty() ? QDir::currentPath() : walk.WorkingDirectory)
        .absoluteFilePath(path);
}

// The call the layer failed, from its report; empty when it failed none.
QString FailedCall(const QString& report) {
    for (const QString& line : report.split(u'\n'))
        if (line.startsWith(QStringLiteral("failed "))) return line.mid(7);
    return {};
}

FaultRun RunOnce(const FaultWalk& walk, int failAt, const QString& reportPath) {
    QFile::remove(reportPath);
    QProcessEnvironment env = walk.Environment;
    const QString preload = env.value(QStringLiteral("LD_PRELOAD"));
    env.insert(QStringLiteral("LD_PRELOAD"), preload.isEmpty()
                                                 ? SyscallFaultsLibrary()
                                                 : SyscallFaultsLibrary() + u':' + preload);
    env.insert(QStringLiteral("SYSCALL_FAULTS_FAIL_AT"), QString::number(failAt));
    env.insert(QStringLiteral("SYSCALL_FAULTS_ERRNO"), walk.Error);
    env.insert(QStringLiteral("SYSCALL_FAULTS_REPORT"), reportPath);
    if (!walk.Calls.isEmpty()) env.insert(QStringLiteral("SYSCALL_FAULTS_CALLS"), walk.Calls);
    // A program built with AddressSanitizer wants its runtime first; the
    // layer comes before it.
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), (asan.isEmpty() ? QString() : asan + u':') +
                                                   QStringLiteral("verify_asan_link_order=0"));

    QProcess process;
    process.setProcessEnvironment(env);
    if (!walk.WorkingDirectory.isEmpty()) process.setWorkingDirectory(walk.WorkingDirectory);
    process.start(walk.Program, walk.Arguments);
    FaultRun run;
    run.Finished = process.waitForFinished(walk.TimeoutMs);
    if (!run.Finished) {
        process.kill();
        process.waitForFinished();
    }
    run.Crashed = process.exitStatus() == QProcess::CrashExit;
    run.ExitCode = process.exitCode();
    run.Stdout = process.readAllStandardOutput();
    run.Stderr = process.readAllStandardError();
    QFile report(reportPath);
    if (report.open(QIODevice::ReadOnly))
        run.FailedCall = FailedCall(QString::fromUtf8(report.readAll()));
    return run;
}

// Checks the files after a failed run; undoes what it finds changed.
void CheckUnchanged(const FaultWalk& walk, const FolderListing& before, const QString& label,
                    QStringList& problems) {
    for (const FaultWalkTarget& target : walk.Targets) {
        const QString path = Absolute(walk, target.Path);
        QFile file(path);
        if (!target.Before) {
            if (QFileInfo::exists(path)) {
                problems << label + QStringLiteral(": %1 was made").arg(target.Path);
                QFile::remove(path);
            }
            continue;
        }
        const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const bool there = file.isOpen();
        file.close();
        if (!there || now != *target.Before) {
            problems << label + (there ? QStringLiteral(": %1 changed (%2 bytes, %3 before)")
                                             .arg(target.Path)
                                             .arg(now.size())
                                             .arg(target.Before->size())
                                       : QStringLiteral(": %1 is gone").arg(target.Path));
            QFile::remove(path);
            if (file.open(QIODevice::WriteOnly)) file.write(*target.Before);
        }
    }
    for (const auto& [folder, names] : before) {
        for (const QString& name : Names(folder)) {
            if (names.contains(name)) continue;
            problems << label + QStringLiteral(": %1 left in %2").arg(name, folder);
            QFile::remove(QDir(folder).filePath(name));
        }
    }
}

} // namespace

FaultRun RunUnderFault(const FaultWalk& walk, int failAt) {
    QTemporaryDir scratch;
    return RunOnce(walk, failAt, scratch.filePath(QStringLiteral("report")));
}

QString SyscallFaultsLibrary() {
    return QStringLiteral(SYSCALL_FAULTS_LIBRARY);
}

FaultWalkReport WalkEveryFailurePoint(const FaultWalk& walk) {
    FaultWalkReport result;
    QTemporaryDir scratch;
    const QString reportPath = scratch.filePath(QStringLiteral("report"));
    FolderListing before;
    for (const FaultWalkTarget& target : walk.Targets) {
        const QString folder = FolderOf(walk, target.Path);
        before[folder] = Names(folder);
    }

    for (int failAt = 1; failAt <= walk.MaxRuns; ++failAt) {
        const FaultRun run = RunOnce(walk, failAt, reportPath);
        const QString& failed = run.FailedCall;
        const QString label = QStringLiteral("run %1 (%2)")
                                  .arg(failAt)
                                  .arg(failed.isEmpty() ? QStringLiteral("untouched") : failed);
        if (!run.Finished) {
            result.Problems << label + QStringLiteral(": did not finish");
            continue;
        }
        if (run.Crashed) result.Problems << label + QStringLiteral(": crashed");
        if (failed.isEmpty()) {
            // The command made fewer calls than failAt: the walk is done.
            if (run.ExitCode != 0)
                result.Problems << label + QStringLiteral(": exit %1 without a fault: %2")
                                               .arg(run.ExitCode)
                                               .arg(QString::fromLocal8Bit(run.Stderr));
            result.ExitCode = run.ExitCode;
            result.Stdout = run.Stdout;
            result.Stderr = run.Stderr;
            return result;
        }
        ++result.FailurePoints;
        result.FailedCalls << failed;
        result.Messages << QString::fromLocal8Bit(run.Stderr);
        if (run.ExitCode != 1)
            result.Problems << label + QStringLiteral(": exit %1, not 1").arg(run.ExitCode);
        if (run.Stderr.trimmed().isEmpty())
            result.Problems << label + QStringLiteral(": no message");
        CheckUnchanged(walk, before, label, result.Problems);
    }
    result.Problems << QStringLiteral("still failing calls after %1 runs").arg(walk.MaxRuns);
    return result;
}

QStringList MessagesLacking(const FaultWalkReport& report, const QString& reason) {
    QStringList lacking;
    for (int i = 0; i < report.Messages.size(); ++i)
        if (!report.Messages[i].contains(reason))
            lacking << report.FailedCalls.value(i) + QStringLiteral(": ") + report.Messages[i];
    return lacking;
}

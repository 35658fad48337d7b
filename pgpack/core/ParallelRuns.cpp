// Runs of this program, one a file, several at a time, with the progress line
// and the summary; pack and split of several files use it. The twin of
// meshmaker/ParallelRuns.cpp.

#include "ParallelRuns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace {

// The reason a failed run gives: its messages, each without the program's
// name in front, on one line.
QString ReasonOf(const QString& messages, const QString& programName) {
    const QString prefix = programName + QStringLiteral(": ");
    QStringList said, all;
    for (QString line : messages.split(u'\n', Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        all << line;
        if (line.startsWith(prefix)) said << line.mid(prefix.size());
    }
    // Lines behind the name are the messages; any other line (a summary of
    // a file written before the failure) is context only when there are none.
    return (said.isEmpty() ? all : said).join(QStringLiteral("; "));
}

QString Duration(qint64 ms) {
    const qint64 s = (ms + 999) / 1000;
    return s >= 3600 ? QStringLiteral("%1:%2:%3")
                           .arg(s / 3600)
                           .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                           .arg(s % 60, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

int TerminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

// The progress line, redrawn in place: a carriage return, the line, and the
// rest of the terminal's line cleared.
class ProgressLine {
public:
    ProgressLine(QTextStream& err, bool shown) : err_(err), shown_(shown) {}
    void Show(int done, int total, qint64 elapsedMs, const QString& current) {
        if (!shown_) return;
        const QString left = done > 0 ? QCoreApplication::translate("ParallelRuns", "%1 left")
                                            .arg(Duration(elapsedMs * (total - done) / done))
                                      : QCoreApplication::translate("ParallelRuns", "estimating");
        QString line = QStringLiteral("%1/%2  %3  ").arg(done).arg(total).arg(left);
        const int room = TerminalColumns() - 1 - int(line.size());
        QString name = current;
        if (room <= 3)
            name.clear();
        else if (name.size() > room)
            name = QStringLiteral("...") + name.right(room - 3);
        err_ << '\r' << line << name << "\x1b[K" << Qt::flush;
        drawn_ = true;
    }
    // Takes the line away, so that a message can be printed in its place.
    void Clear() {
        if (!drawn_) return;
        err_ << "\r\x1b[K" << Qt::flush;
        drawn_ = false;
    }

private:
    QTextStream& err_;
    bool shown_;
    bool drawn_ = false;
};

} // namespace

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

int DefaultJobs() {
    return std::max(1, QThread::idealThreadCount());
}

std::optional<int> ParseJobs(const QString& text) {
    bool ok = false;
    const int jobs = text.toInt(&ok, 10);
    if (!ok || jobs < 1 || jobs > 1024) return std::nullopt;
    return jobs;
}

int RunInParallel(const ParallelRunsPlan& plan, QTextStream& out, QTextStream& err) {
    const QString programName = QFileInfo(plan.program).fileName();
    const int total = int(plan.runs.size());
    const int jobs = std::max(1, plan.jobs);
    std::vector<std::pair<size_t, NotRun>> runFailed; // by the run's place in the plan
    int written = 0, done = 0;
    size_t next = 0;
    QString current;
    QElapsedTimer clock;
    clock.start();
    ProgressLine progress(err, plan.progress);

    QEventLoop loop;
    int active = 0;
    std::vector<std::unique_ptr<QProcess>> children(plan.runs.size());
    std::function<void()> startMore;
    auto finish = [&](size_t index, bool started) {
        QProcess& child = *children[index];
        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QString messages = QString::fromLocal8Bit(child.readAllStandardError());
        const bool ok =
            started && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        progress.Clear();
        out << output << Qt::flush;
        if (ok) {
            ++written;
            err << messages << Qt::flush;
        } else {
            QString reason = ReasonOf(messages, programName);
            if (!started)
                reason = QCoreApplication::translate("ParallelRuns", "cannot start %1: %2")
                             .arg(plan.program, child.errorString());
            else if (child.exitStatus() != QProcess::NormalExit)
                reason =
                    QCoreApplication::translate("ParallelRuns", "the run ended abnormally (%1)")
                        .arg(child.errorString());
            else if (reason.isEmpty())
                reason = QCoreApplication::translate("ParallelRuns", "failed with exit status %1")
                             .arg(child.exitCode());
            runFailed.push_back({index, {plan.runs[index].name, reason}});
        }
        ++done;
        --active;
        progress.Show(done, total, clock.elapsed(), current);
        // The process object is done with; it is deleted once its signal returns.
        children[index].release()->deleteLater();
        startMore();
    };
    startMore = [&] {
        while (active < jobs && next < plan.runs.size()) {
            const size_t index = next++;
            const ChildRun& run = plan.runs[index];
            auto child = std::make_unique<QProcess>();
            if (!run.workingDirectory.isEmpty()) child->setWorkingDirectory(run.workingDirectory);
            child->setProcessChannelMode(QProcess::SeparateChannels);
            child->setStandardInputFile(QProcess::nullDevice());
            QProcess* p = child.get();
            children[index] = std::move(child);
            ++active;
            QObject::connect(p, &QProcess::finished, &loop, [&, index] { finish(index, true); });
            QObject::connect(p, &QProcess::errorOccurred, &loop,
                             [&, index](QProcess::ProcessError e) {
                                 if (e == QProcess::FailedToStart) finish(index, false);
                             });
            current = run.name;
            p->start(plan.program, run.args);
            progress.Show(done, total, clock.elapsed(), current);
        }
        if (active == 0 && next >= plan.runs.size()) loop.quit();
    };
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &loop,
                     [&] { progress.Show(done, total, clock.elapsed(), current); });
    if (plan.progress) ticker.start(1000);
    // Started from the loop, so that a run that cannot start ends it too.
    QTimer::singleShot(0, &loop, [&] { startMore(); });
    if (total > 0) loop.exec();
    ticker.stop();
    progress.Clear();

    // The failures in the order of the files, whichever run ended first.
    std::sort(runFailed.begin(), runFailed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NotRun> failed = plan.failed;
    for (auto& [index, f] : runFailed) failed.push_back(std::move(f));
    err << QCoreApplication::translate("ParallelRuns", "%1: %2 written, %3 failed, %4 skipped\n")
               .arg(programName)
               .arg(written)
               .arg(failed.size())
               .arg(plan.skipped.size());
    for (const NotRun& f : failed)
        err << QCoreApplication::translate("ParallelRuns", "  failed   %1: %2\n")
                   .arg(f.name, f.reason);
    for (const NotRun& s : plan.skipped)
        err << QCoreApplication::translate("ParallelRuns", "  skipped  %1: %2\n")
                   .arg(s.name, s.reason);
    err.flush();
    return failed.empty() ? 0 : 1;
}

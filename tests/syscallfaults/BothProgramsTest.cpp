// The promises both programs keep alike, held in one suite over the real
// programs. meshmaker and pgpack share no code: each keeps its own atomic
// writer, language choice and display check (twin files, each naming the
// other), and this suite holds both to one promise for each:
//
//   - a file is written whole or not at all, whatever system call fails
//     (the fault layer of SyscallFaults.cpp, walked by FaultWalk.h);
//   - the language follows --lang wherever it stands, else the locale's
//     first language that the program has, else English; an unknown one is
//     refused with the usage;
//   - without a display the program says so and shows its usage, and with
//     a display that nobody serves it says so in one line: exit status 1,
//     never an abort.

#include "FaultWalk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Program {
    const char* name;
    QString binary, languageProbe;
    // The words that write Written (a path in folder) from the sources in folder.
    std::function<QStringList(const QString& folder)> write;
    QString written;
};

struct ProgramRun {
    int exitCode = -1;
    bool crashed = false;
    QString out, err;
};

ProgramRun RunProgram(const QString& binary, const QStringList& args,
                      const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(binary, args);
    ProgramRun run;
    if (!process.waitForFinished(60000)) process.kill(), process.waitForFinished();
    run.exitCode = process.exitCode();
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The environment without a display and without a language.
QProcessEnvironment Plain() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE",
                             "LC_ALL", "LC_MESSAGES"})
        env.remove(name);
    return env;
}

// A fish picture, and its PGX file and body texture as meshmaker writes
// them: the sources of both programs' writes.
void MakeSources(const QString& folder) {
    QImage picture(121, 61, QImage::Format_RGB32);
    picture.fill(qRgb(40, 100, 200));
    QPainter(&picture).fillRect(0, 20, 91, 21, QColor(240, 130, 30));
    ASSERT_TRUE(picture.save(folder + "/koi.bmp", "BMP"));
    const ProgramRun made =
        RunProgram(MESHMAKER_PROGRAM, {"--batch", folder + "/koi.bmp", "--texture"}, Plain());
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
}

const Program Programs[] = {
    {"meshmaker", MESHMAKER_PROGRAM, MESHMAKER_LANGUAGE_PROBE,
     [](const QString& folder) {
         return QStringList{"--batch", folder + "/koi.bmp", "-o", folder + "/out/koi.pgx"};
     },
     "out/koi.pgx"},
    {"pgpack", PGPACK_PROGRAM, PGPACK_LANGUAGE_PROBE,
     [](const QString& folder) {
         return QStringList{"pack", folder + "/koi.pgx", "--data-dir", folder + "/out",
                            "--overwrite"};
     },
     "out/koi.pgdaf"},
};

class BothPrograms : public ::testing::TestWithParam<Program> {};

TEST_P(BothPrograms, AFileIsWrittenWholeOrNotAtAllWhateverSystemCallFails) {
    const Program& p = GetParam();
    const struct Case {
        const char* name;
        bool replacing;
        const char *error, *reason;
    } cases[] = {{"a new file", false, "EIO", "Input/output error"},
                 {"over an old file", true, "ENOSPC", "No space left on device"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        MakeSources(dir.path());
        ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
        const QString target = dir.filePath(p.written);
        FaultWalk walk;
        walk.Program = p.binary;
        walk.Arguments = p.write(dir.path());
        walk.Environment = Plain();
        walk.Error = c.error;
        if (c.replacing) {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the old file");
        }
        walk.Targets.push_back(
            {target, c.replacing ? std::optional<QByteArray>("the old file") : std::nullopt});
        const FaultWalkReport report = WalkEveryFailurePoint(walk);
        EXPECT_TRUE(report.Problems.isEmpty()) << report.Problems.join('\n').toStdString();
        // At least the temporary file's creation, a write, the flush, the
        // close and the rename.
        EXPECT_GE(report.FailurePoints, 5) << report.FailedCalls.join(", ").toStdString();
        EXPECT_EQ(MessagesLacking(report, c.reason), QStringList());
        EXPECT_EQ(report.ExitCode, 0) << report.Stderr.toStdString();
    }
}

TEST_P(BothPrograms, TheLanguageIsChosenTheSameWay) {
    const Program& p = GetParam();
    const struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> environment;
        QStringList args;
        const char* expected; // chosen | refused | the words left | the translation
    } cases[] = {
        {"a Japanese locale", {{"LANG", "ja_JP.UTF-8"}}, {"list"}, "ja|-|list|loaded"},
        {"LANGUAGE first", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja:en"}}, {}, "ja|-||loaded"},
        {"the first language it has", {{"LANGUAGE", "fr:ja"}}, {}, "ja|-||loaded"},
        {"LC_ALL over LANG",
         {{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}},
         {},
         "en|-||loaded"},
        {"LC_MESSAGES over LANG",
         {{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}},
         {},
         "en|-||loaded"},
        {"a locale it has no language for", {{"LANG", "fr_FR.UTF-8"}}, {}, "en|-||loaded"},
        {"the C locale", {{"LANG", "C"}}, {}, "en|-||loaded"},
        {"--lang wherever it stands",
         {{"LANG", "ja_JP.UTF-8"}},
         {"one", "--lang", "en", "two"},
         "en|-|one two|loaded"},
        {"--lang=ja", {{"LANG", "en_US.UTF-8"}}, {"--lang=ja", "x"}, "ja|-|x|loaded"},
        {"the last --lang", {}, {"--lang", "ja", "--lang", "en"}, "en|-||loaded"},
        {"an unknown one", {{"LANG", "ja_JP.UTF-8"}}, {"--lang", "xx", "y"}, "ja|xx|y|loaded"},
        {"a --lang without a value", {}, {"z", "--lang"}, "en||z|loaded"},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = Plain();
        for (const auto& [name, value] : c.environment) env.insert(name, value);
        const ProgramRun run = RunProgram(p.languageProbe, c.args, env);
        EXPECT_EQ(run.out.trimmed(), QString::fromUtf8(c.expected)) << c.name;
    }
    // The program itself refuses an unknown language, with its usage.
    const ProgramRun refused = RunProgram(p.binary, {"--lang", "xx"}, Plain());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.startsWith(
        QStringLiteral("%1: --lang takes en, ja, not 'xx'\nusage:").arg(p.name)))
        << refused.err.toStdString();
}

#ifdef BOTH_WITH_WINDOWS
TEST_P(BothPrograms, WithoutADisplayItSaysSoAndExitsOne) {
    const Program& p = GetParam();
    const struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> environment;
        const char* unreachable; // the display named in the one line, or none: no display at all
    } cases[] = {
        {"no display", {}, nullptr},
        {"an empty DISPLAY", {{"DISPLAY", ""}}, nullptr},
        {"every variable empty",
         {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}},
         nullptr},
        {"a display nobody serves", {{"DISPLAY", ":4711"}}, "DISPLAY=:4711"},
        {"a platform that does not exist",
         {{"QT_QPA_PLATFORM", "nowhere"}},
         "QT_QPA_PLATFORM=nowhere"},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = Plain();
        env.insert("LANG", "en_US.UTF-8");
        for (const auto& [name, value] : c.environment) env.insert(name, value);
        const ProgramRun run = RunProgram(p.binary, {}, env);
        EXPECT_FALSE(run.crashed) << c.name; // no abort, no core dump
        EXPECT_EQ(run.exitCode, 1) << c.name;
        const QString says = QString::fromLatin1(p.name) + ": ";
        if (c.unreachable) {
            // One line, of the program's own, naming the display.
            EXPECT_TRUE(run.err.startsWith(says) && run.err.endsWith('\n') &&
                        run.err.count('\n') == 1 && run.err.contains(c.unreachable))
                << c.name << ": " << run.err.toStdString();
        } else {
            EXPECT_TRUE(run.err.startsWith(says + "no display to "))
                << c.name << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.contains("usage: " + QString::fromLatin1(p.name))) << c.name;
        }
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(Programs, BothPrograms, ::testing::ValuesIn(Programs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

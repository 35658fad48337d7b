#include "Batch.h"
#include "AtomicFile.h"
#include "ModelCommands.h"
#include "PgxReader.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using test::Picture;

namespace {

// A fish on a 121 x 61 picture: body rows 20..40 up to x 90, a tail fin
// behind it, a dorsal fin on the back, a ventral and an anal fin below.
QImage FishPicture() {
    return Picture(121, 61,
                   {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                    QRect(30, 41, 10, 6), QRect(65, 41, 12, 8)});
}

using test::Batch;
using test::BatchRun;

} // namespace

TEST(Batch, TracesEveryPartAndWritesThePgxBesideThePicture) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "Koi.BMP", FishPicture());
    const BatchRun r =
        Batch({picture, "--dorsal", "38,5,62,19", "--ventral", "28,41,42,52", "--anal",
               "63,41,80,55", "--pectoral", "20,25,30,35,25,38", "--whisker", "2,40,12,55",
               "--divisions", "6", "--thickness", "30", "--peak", "40", "--eye", "10,26,3"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    const QString pgx = dir.filePath("koi.pgx");
    EXPECT_EQ(r.out, pgx + "\n");
    auto f = ReadPgx(test::FileBytes(pgx));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->width, 121);
    EXPECT_EQ(f->tailRoot, 90); // three quarters of 120
    EXPECT_EQ(f->n, 6);
    EXPECT_EQ(f->lastColumn, 90 / 15); // steps of 120 div 8
    EXPECT_GT(f->tailLast, 0);
    EXPECT_GT(f->dorsalLast, 0);
    EXPECT_GT(f->ventralLast, 0);
    EXPECT_GT(f->analLast, 0);
    EXPECT_EQ(f->noPectoral, 0);
    EXPECT_EQ(f->whiskerByte, 3); // two columns
    EXPECT_EQ(f->eyeFlag, 1);
    EXPECT_FLOAT_EQ(f->eye[1][0], 3 / 50.0f); // radius 3
    EXPECT_FLOAT_EQ(f->eye[1][1], 1.5f / 50); // shape 10: half the radius
    for (const auto* block : {&f->normals, &f->grid, &f->tail, &f->dorsal, &f->anal, &f->ventral,
                              &f->pectoral, &f->whiskers, &f->eye})
        for (const auto& v : *block)
            for (float c : v) EXPECT_TRUE(std::isfinite(c));
    EXPECT_TRUE(r.err.contains("koi.pgx"));
}

TEST(Batch, OptionsActInTheirOwnOrderWhateverTheCommandLineOrder) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const QString a = dir.filePath("a.pgx"), b = dir.filePath("b.pgx");
    ASSERT_EQ(Batch({picture, "--step", "7", "--tail-x", "80", "--divisions", "3", "-o", a}).status,
              ExitOk);
    ASSERT_EQ(Batch({"-o", b, "--divisions", "3", "--tail-x", "80", picture, "--step", "7"}).status,
              ExitOk);
    EXPECT_EQ(test::FileBytes(a), test::FileBytes(b));
    auto f = ReadPgx(test::FileBytes(a));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->tailRoot, 80);
    EXPECT_EQ(f->lastColumn, 80 / 7 + 1); // 0, 7, ..., 77, 80
}

TEST(Batch, BadOptionsAreUsageErrorsAndWriteNothing) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const QStringList bad[] = {
        {picture, "--fins"},
        {picture, "--dorsal", "1,2,3"},
        {picture, "--step", "x"},
        {picture, "--step"},
        {picture, "--eye", "1,2"},
        {picture, "--eye", "10,10,-1"},
        {},
        {picture, picture},
    };
    for (const QStringList& args : bad) {
        const BatchRun r = Batch(args);
        EXPECT_EQ(r.status, ExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage:"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"fish.bmp"});
}

TEST(Batch, PicturesThatCannotBeReadFailWithTheirReason) {
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a picture");
    junk.close();
    const QString tiny = test::SaveBmp(dir, "tiny.bmp", Picture(2, 40));
    for (const QString& path : {junk.fileName(), tiny, dir.filePath("missing.bmp")}) {
        const BatchRun r = Batch({path});
        EXPECT_EQ(r.status, ExitFailed) << path.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pgx"}, QDir::Files), QStringList{});
}

TEST(Batch, AnOutputThatCannotBeWrittenFailsWithTheMessage) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    QFile blocker(dir.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& out :
         {dir.filePath("no/such/folder/a.pgx"), dir.filePath("plain-file/a.pgx")}) {
        const BatchRun r = Batch({picture, "-o", out});
        EXPECT_EQ(r.status, ExitFailed);
        EXPECT_TRUE(r.err.contains("Error. Cannot make fish polygon data file."))
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(Batch, AWriteThatFailsKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const QString out = dir.filePath("a.pgx");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old file");
    old.close();
    for (auto step : {AtomicWriteFaults::Step::Open, AtomicWriteFaults::Step::Write,
                      AtomicWriteFaults::Step::Sync, AtomicWriteFaults::Step::Close,
                      AtomicWriteFaults::Step::Rename}) {
        AtomicWriteFaults::Inject = [step](AtomicWriteFaults::Step s, int) { return s == step; };
        const BatchRun r = Batch({picture, "--divisions", "6", "-o", out});
        AtomicWriteFaults::Inject = nullptr;
        EXPECT_EQ(r.status, ExitFailed) << int(step);
        EXPECT_EQ(test::FileBytes(out), QByteArray("the old file")) << int(step);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.pgx", "fish.bmp"}));
    }
}

TEST(SavePgx, ADiskThatFillsUpLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const QString pgx = dir.filePath("fish.pgx");
    const QString session = dir.filePath("fish.session.json");
    ASSERT_EQ(Batch({picture}).status, ExitOk);
    const QByteArray before = test::FileBytes(pgx), sessionBefore = test::FileBytes(session);

    // In a child process whose files may not grow past 100 bytes, save again.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        test::ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        if (!form.OpenPicture(picture).isEmpty()) _exit(3);
        form.SpeedButton4Click(); // the tail: a different, longer file
        const bool saved = form.SavePgx(pgx);
        const bool told =
            !dialogs.messages.isEmpty() &&
            dialogs.messages.last().startsWith("Error. Cannot make fish polygon data file.") &&
            dialogs.messages.last().endsWith("File too large");
        _exit(!saved && told ? 0 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::FileBytes(pgx), before);
    EXPECT_EQ(test::FileBytes(session), sessionBefore);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"fish.bmp", "fish.pgx", "fish.session.json"}));
}

TEST(Batch, TheProgramConvertsWithoutADisplay) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(MESHMAKER_PROGRAM, {"--batch", picture, "--divisions", "25"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), ExitOk) << p.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), dir.filePath("fish.pgx"));
    auto f = ReadPgx(test::FileBytes(dir.filePath("fish.pgx")));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->n, 10); // divisions are capped at 10

    p.start(MESHMAKER_PROGRAM, {"--batch", picture, "--bogus"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), ExitUsage);
}

TEST(Batch, ExportsTheFileItSavedAsWell) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const BatchRun r = Batch({picture, "--dorsal", "38,5,62,19", "--eye", "10,26,3", "--export",
                              dir.filePath("a.glb"), "--export", dir.filePath("b.obj")});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    // pgx, glb, obj with its library and two pictures
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 1 + 1 + 4);
    // The same export made afterwards from the saved file gives the same bytes.
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(RunExportCommand({dir.filePath("fish.pgx"), dir.filePath("again.glb")}, o, e),
              ExitOk);
    EXPECT_EQ(test::FileBytes(dir.filePath("a.glb")), test::FileBytes(dir.filePath("again.glb")));
    EXPECT_FALSE(test::FileBytes(dir.filePath("b.obj")).isEmpty());

    // The OBJ's side files, now there, are replaced only with --overwrite.
    const BatchRun again = Batch({picture, "--export", dir.filePath("b.obj")});
    EXPECT_EQ(again.status, ExitFailed);
    EXPECT_TRUE(again.err.contains("b_obj_body.png exists")) << again.err.toStdString();
    EXPECT_EQ(Batch({picture, "--export", dir.filePath("b.obj"), "--overwrite"}).status, ExitOk);

    const BatchRun bad = Batch({picture, "--export", dir.filePath("c.stl")});
    EXPECT_EQ(bad.status, ExitUsage);
    EXPECT_TRUE(bad.err.contains("c.stl"));
}

TEST(Batch, AFileSizeLimitGivesTheUsualFailureWithItsReason) {
    // ulimit -f: the program must not be killed by the signal a write past
    // the limit raises, but fail the write and say why.
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const auto run =
        test::RunProgram("/bin/sh", {"-c", QStringLiteral("ulimit -f 0; exec '%1' --batch '%2'")
                                               .arg(QStringLiteral(MESHMAKER_PROGRAM), picture)});
    EXPECT_EQ(run.ExitCode, ExitFailed) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Error. Cannot make fish polygon data file.") &&
                run.Err.trimmed().endsWith("File too large"))
        << run.Err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"fish.bmp"});
}

TEST(Program, ADisplayThatIsEmptyOrUnreachableNeverAbortsIt) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    struct Case {
        const char* name;
        const char* variable;
        const char* value;
        int status;         // with a picture given
        const char* saying; // on standard error
    } cases[] = {
        {"an empty DISPLAY: no display, so the picture converts", "DISPLAY", "", ExitOk,
         "converting"},
        {"an empty QT_QPA_PLATFORM", "QT_QPA_PLATFORM", "", ExitOk, "converting"},
#ifdef MESHMAKER_PROGRAM_HAS_WINDOW
        {"a display nobody serves", "DISPLAY", ":4711", ExitFailed,
         "the display DISPLAY=:4711 cannot be reached"},
        {"a platform that does not exist", "QT_QPA_PLATFORM", "nowhere", ExitFailed,
         "the display QT_QPA_PLATFORM=nowhere cannot be reached"},
#endif
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        env.insert(c.variable, c.value);
        const auto run = test::RunProgram(MESHMAKER_PROGRAM, {picture}, env);
        EXPECT_EQ(run.ExitCode, c.status) << c.name << ": " << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(c.saying)) << c.name << ": " << run.Err.toStdString();
        EXPECT_LE(run.Err.count('\n'), 2) << c.name; // a line or two, no dump of Qt's
        QFile::remove(dir.filePath("fish.pgx"));
    }
}

TEST(Program, SpeaksTheLocalesLanguageOrTheOneLangNames) {
    QTemporaryDir dir;
    const QString small = test::SaveBmp(dir, "small.bmp", test::Picture(2, 2, {}));
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> environment;
        QStringList lang; // words added to the command line
        bool japanese;
    } cases[] = {
        {"LANG Japanese", {{"LANG", "ja_JP.UTF-8"}}, {}, true},
        {"LANGUAGE Japanese first", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja:en"}}, {}, true},
        {"LC_ALL English over LANG Japanese",
         {{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}},
         {},
         false},
        {"a French locale", {{"LANG", "fr_FR.UTF-8"}}, {}, false},
        {"the C locale", {{"LANG", "C"}}, {}, false},
        {"--lang en under a Japanese locale", {{"LANG", "ja_JP.UTF-8"}}, {"--lang", "en"}, false},
        {"--lang=ja under an English one", {{"LANG", "en_US.UTF-8"}}, {"--lang=ja"}, true},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
        for (const auto& [name, value] : c.environment) env.insert(name, value);
        // A refusal, in one language or the other.
        const auto refused =
            test::RunProgram(MESHMAKER_PROGRAM, c.lang + QStringList{"--batch", small}, env);
        EXPECT_EQ(refused.ExitCode, ExitFailed) << c.name;
        EXPECT_TRUE(refused.Err.contains(c.japanese ? "画像が小さすぎます (2 x 2 ピクセル)"
                                                    : "The picture is too small (2 x 2 pixels)"))
            << c.name << ": " << refused.Err.toStdString();
        // The usage, and a mistake on the command line.
        const auto help = test::RunProgram(MESHMAKER_PROGRAM, c.lang + QStringList{"--help"}, env);
        EXPECT_EQ(help.ExitCode, ExitOk) << c.name;
        EXPECT_TRUE(help.Out.startsWith("usage: meshmaker")) << c.name;
        const auto wrong = test::RunProgram(
            MESHMAKER_PROGRAM, c.lang + QStringList{"--batch", small, "--step", "x"}, env);
        EXPECT_EQ(wrong.ExitCode, ExitUsage) << c.name;
        if (!c.japanese) {
            for (const QString& text : {refused.Err, help.Out, wrong.Err})
                EXPECT_FALSE(test::HasJapanese(text)) << c.name << ": " << text.toStdString();
        }
    }
    const auto unknown = test::RunProgram(MESHMAKER_PROGRAM, {"--lang", "fr", "--help"});
    EXPECT_EQ(unknown.ExitCode, ExitUsage);
    EXPECT_TRUE(unknown.Err.startsWith("meshmaker: --lang takes en, ja, not 'fr'\nusage:"))
        << unknown.Err.toStdString();
}

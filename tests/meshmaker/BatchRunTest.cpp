// meshmaker --batch on many pictures, run as the program is run: folders,
// a recipe file, failures that stop nothing, the summary and the exit
// status, the progress line on a terminal only; and the recipe file's words.

#include "BatchRun.h"
#include "Batch.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using test::Picture;

// A fish on a 121 x 61 picture (as the one-picture batch's tests have it).
QImage FishPicture(int shift = 0) {
    return Picture(121, 61,
                   {QRect(0, 20 + shift, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                    QRect(30, 41 + shift, 10, 6)});
}

test::ProgramRun Meshmaker(const QStringList& args, const QString& workDir = {}) {
    return test::RunProgram(QStringLiteral(MESHMAKER_PROGRAM),
                            QStringList{"--lang", "en", "--batch"} + args,
                            QProcessEnvironment::systemEnvironment(), workDir);
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList Lines(const QString& text) {
    return text.split(u'\n', Qt::SkipEmptyParts);
}

// A folder of pictures as users keep them: three fish, a picture that is
// no picture, a body texture written by an earlier run, and a note.
struct FishFolder {
    QTemporaryDir dir;
    QString fish;
    FishFolder() {
        QDir(dir.path()).mkdir("fish");
        fish = dir.filePath("fish");
        for (int k = 0; k < 3; ++k)
            FishPicture(k).save(fish + QStringLiteral("/%1.bmp").arg(QChar(u'a' + k)), "BMP");
        Write(fish + "/broken.bmp", "BM this is not a picture");
        FishPicture().save(fish + "/a_tx.bmp", "BMP");
        Write(fish + "/notes.txt", "three fish\n");
    }
};

} // namespace

TEST(ManyPictures, AFolderWithRecipesConvertsEveryPictureAndReportsEachFailure) {
    FishFolder f;
    // The recipes lie elsewhere; their paths are taken from their own folder.
    QDir(f.dir.path()).mkpath("recipes/blocked/c.pgx"); // a folder where c's file would go
    Write(f.dir.filePath("recipes/fish.txt"),
          "# the fish of the folder\n"
          "../fish/a.bmp --dorsal 38,5,62,19   # its dorsal fin\n"
          "\n"
          "'../fish/c.bmp' -o blocked/c.pgx\n");
    const auto run = Meshmaker({f.fish, "--recipes", f.dir.filePath("recipes/fish.txt"),
                                "--divisions", "6", "--jobs", "2"},
                               f.dir.path());
    EXPECT_EQ(run.ExitCode, ExitFailed) << run.Err.toStdString();

    // a (its recipe and the common options) and b (the common options) are
    // written; a is exactly what a batch of that picture alone writes.
    QStringList written = Lines(run.Out);
    written.sort();
    EXPECT_EQ(written, QStringList({f.fish + "/a.pgx", f.fish + "/b.pgx"}));
    QTemporaryDir alone;
    const QString a = alone.filePath("a.pgx");
    ASSERT_EQ(
        test::Batch({f.fish + "/a.bmp", "--dorsal", "38,5,62,19", "--divisions", "6", "-o", a})
            .status,
        ExitOk);
    EXPECT_EQ(test::FileBytes(f.fish + "/a.pgx"), test::FileBytes(a));
    EXPECT_TRUE(QFileInfo::exists(f.fish + "/b.session.json"));

    // The broken picture and the blocked target fail with their reasons;
    // the texture is skipped; the note is no picture and is not mentioned.
    EXPECT_TRUE(run.Err.contains("meshmaker: 2 written, 2 failed, 1 skipped\n"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QRegularExpression("  failed   \\S*fish/broken.bmp: \\S")));
    EXPECT_TRUE(run.Err.contains(QRegularExpression("  failed   \\S*fish/c.bmp: \\S*c.pgx")));
    EXPECT_TRUE(run.Err.contains(QRegularExpression("  skipped  \\S*fish/a_tx.bmp: ")));
    EXPECT_FALSE(run.Err.contains("notes.txt"));
    // Nothing half-written: no c file anywhere, no temporary file left.
    EXPECT_FALSE(QFileInfo::exists(f.fish + "/c.pgx"));
    EXPECT_FALSE(QFileInfo::exists(f.fish + "/broken.pgx"));
    EXPECT_EQ(
        QDir(f.dir.filePath("recipes/blocked")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{"c.pgx"});
    EXPECT_FALSE(run.Err.contains('\r')); // no terminal, no progress line
}

TEST(ManyPictures, EveryPictureIsTreatedAsAloneWhateverTheJobs) {
    FishFolder f;
    QFile::remove(f.fish + "/broken.bmp");
    QTemporaryDir one, three;
    QStringList options = {"--step", "7", "--export", ".glb", "--texture"};
    for (const QTemporaryDir* out : {&one, &three}) {
        for (const QString& name : QDir(f.fish).entryList({"*.bmp"}))
            QFile::copy(f.fish + "/" + name, out->filePath(name));
        QFile::remove(out->filePath("a_tx.bmp"));
    }
    const auto serial = Meshmaker(QStringList{one.path(), "--jobs", "1"} + options);
    const auto parallel = Meshmaker(QStringList{three.path(), "--jobs", "3"} + options);
    ASSERT_EQ(serial.ExitCode, ExitOk) << serial.Err.toStdString();
    ASSERT_EQ(parallel.ExitCode, ExitOk) << parallel.Err.toStdString();
    for (const char* name :
         {"a.pgx", "b.pgx", "c.pgx", "a.glb", "c.glb", "b_tx.bmp", "c.session.json"}) {
        EXPECT_FALSE(test::FileBytes(one.filePath(name)).isEmpty()) << name;
        EXPECT_EQ(test::FileBytes(one.filePath(name)), test::FileBytes(three.filePath(name)))
            << name;
    }
    EXPECT_EQ(Lines(parallel.Out).size(), 9); // PGX, texture and model of each
    EXPECT_TRUE(parallel.Err.endsWith("meshmaker: 3 written, 0 failed, 0 skipped\n"));
}

TEST(ManyPictures, OnePictureAloneIsTheOnePictureBatchWordForWord) {
    FishFolder f;
    const QStringList words = {f.fish + "/a.bmp", "--dorsal", "38,5,62,19", "--eye", "10,26,3"};
    const auto program = Meshmaker(words);
    QFile::remove(f.fish + "/a.pgx");
    const auto inProcess = test::Batch(words);
    EXPECT_EQ(program.ExitCode, inProcess.status);
    EXPECT_EQ(program.Out, inProcess.out);
    EXPECT_EQ(program.Err, inProcess.err);
    EXPECT_FALSE(program.Err.contains("written,"));
}

TEST(ManyPictures, TwoPicturesThatWouldWriteOneFileAreNotBothRun) {
    FishFolder f;
    FishPicture(2).save(f.fish + "/A.png", "PNG"); // A.png writes a.pgx too
    const auto run = Meshmaker({f.fish + "/a.bmp", f.fish + "/A.png", f.fish + "/a.bmp"});
    EXPECT_EQ(run.ExitCode, ExitFailed);
    EXPECT_EQ(Lines(run.Out), QStringList{f.fish + "/a.pgx"});
    EXPECT_TRUE(run.Err.contains("meshmaker: 1 written, 1 failed, 1 skipped\n"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QRegularExpression(
        "failed   \\S*A.png: it would write \\S*a.pgx, which \\S*a.bmp writes")));
    EXPECT_TRUE(run.Err.contains(QRegularExpression("skipped  \\S*a.bmp: given more than once")));
}

TEST(ManyPictures, TwoObjsWhoseSideFilesWouldBeOneAreNotBothRun) {
    // "a b.obj" and "a_b.obj" both have the library a_b.mtl.
    FishFolder f;
    FishPicture().save(f.fish + "/a b.bmp", "BMP");
    FishPicture(1).save(f.fish + "/a_b.bmp", "BMP");
    const auto run = Meshmaker({f.fish + "/a b.bmp", f.fish + "/a_b.bmp", "--export", ".obj"});
    EXPECT_EQ(run.ExitCode, ExitFailed);
    EXPECT_TRUE(run.Err.contains(QRegularExpression(
        "failed   \\S*a_b.bmp: it would write \\S*a_b.mtl, which \\S*a b.bmp writes")))
        << run.Err.toStdString();
    EXPECT_TRUE(QFile::exists(f.fish + "/a_b_obj_fins.png"));
    EXPECT_FALSE(QFile::exists(f.fish + "/a_b.obj"));
}

TEST(ManyPictures, ABadCommandWritesNothing) {
    FishFolder f;
    Write(f.dir.filePath("bad-option.txt"), "fish/a.bmp --dorsal 1,2,3\n");
    Write(f.dir.filePath("open-quote.txt"), "fish/b.bmp\n'fish/a.bmp --mirror\n");
    Write(f.dir.filePath("twice.txt"), "fish/a.bmp\nfish/b.bmp\n./fish/a.bmp --mirror\n");
    const struct {
        const char* name;
        QStringList words;
        const char* says;
    } cases[] = {
        {"a recipe's bad option",
         {f.fish, "--recipes", "bad-option.txt"},
         "bad-option.txt:1: --dorsal takes 4"},
        {"an open quote",
         {"--recipes", "open-quote.txt"},
         "open-quote.txt:2: a quote is not closed"},
        {"a picture with two recipes",
         {"--recipes", "twice.txt"},
         "twice.txt:3: fish/a.bmp has a recipe on line 1"},
        {"no recipe file",
         {f.fish, "--recipes", "none.txt"},
         "the recipe file none.txt cannot be read"},
        {"--jobs 0", {f.fish, "--jobs", "0"}, "--jobs takes a number from 1 to 1024, not '0'"},
        {"-o for every picture", {f.fish, "-o", "x.pgx"}, "-o names one file"},
        {"one export for every picture",
         {f.fish, "--export", "x.glb"},
         "--export x.glb names one file"},
        {"an unknown option", {f.fish, "--fins"}, "unknown option --fins"},
    };
    for (const auto& c : cases) {
        const auto run = Meshmaker(c.words, f.dir.path());
        EXPECT_EQ(run.ExitCode, ExitUsage) << c.name;
        EXPECT_TRUE(run.Err.contains(c.says)) << c.name << ": " << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << c.name;
        EXPECT_TRUE(QDir(f.fish).entryList({"*.pgx"}).isEmpty()) << c.name;
    }
}

TEST(ManyPictures, TheProgressLineIsShownOnATerminalOnly) {
    const QString script = QStandardPaths::findExecutable("script");
    ASSERT_FALSE(script.isEmpty()) << "script (Debian bsdutils) runs the program on a terminal";
    FishFolder f;
    QFile::remove(f.fish + "/broken.bmp");
    const QString command = QStringLiteral("'%1' --lang en --batch '%2' --jobs 1")
                                .arg(QStringLiteral(MESHMAKER_PROGRAM), f.fish);
    const auto onTerminal = test::RunProgram(script, {"-qec", command, "/dev/null"},
                                             QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(onTerminal.ExitCode, ExitOk) << onTerminal.Out.toStdString();
    // Redrawn in place: done/total, the time left and the picture last started.
    EXPECT_TRUE(onTerminal.Out.contains(QRegularExpression("\r0/3  estimating  \\S*a.bmp\x1b\\[K")))
        << onTerminal.Out.toStdString();
    EXPECT_TRUE(
        onTerminal.Out.contains(QRegularExpression("\r2/3  \\d+:\\d\\d left  \\S*c.bmp\x1b\\[K")));
    EXPECT_TRUE(onTerminal.Out.contains("meshmaker: 3 written, 0 failed, 1 skipped"));
    for (const char* name : {"a.pgx", "b.pgx", "c.pgx"}) QFile::remove(f.fish + "/" + name);
    const auto piped = Meshmaker({f.fish, "--jobs", "1"});
    ASSERT_EQ(piped.ExitCode, ExitOk);
    EXPECT_FALSE(piped.Err.contains('\r'));
    EXPECT_FALSE(piped.Err.contains("\x1b["));
}

TEST(Recipes, LinesSplitAsAShellSplitsWords) {
    const QString folder = QStringLiteral("/data/fish");
    const auto parsed = ParseRecipes("# comment\n"
                                     "koi.png --mirror --texture\r\n"
                                     "   \n"
                                     "\"red snapper.bmp\" --eye 45,82,8 # a comment\n"
                                     "'it''s here/o.bmp' -o \"out/\\\"q\\\".pgx\" --export x.glb\n"
                                     "/abs/a\\ b.bmp #--mirror\n"
                                     "sub/c#d.bmp\n",
                                     folder);
    ASSERT_TRUE(std::holds_alternative<std::vector<Recipe>>(parsed));
    const auto& r = std::get<std::vector<Recipe>>(parsed);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].line, 2);
    EXPECT_EQ(r[0].picture, "/data/fish/koi.png");
    EXPECT_EQ(r[0].words, QStringList({"--mirror", "--texture"}));
    EXPECT_EQ(r[1].picture, "/data/fish/red snapper.bmp");
    EXPECT_EQ(r[1].words, QStringList({"--eye", "45,82,8"}));
    EXPECT_EQ(r[2].picture, "/data/fish/its here/o.bmp");
    EXPECT_EQ(r[2].words, QStringList({"-o", "out/\"q\".pgx", "--export", "x.glb"}));
    EXPECT_EQ(r[3].picture, "/abs/a b.bmp");
    EXPECT_TRUE(r[3].words.isEmpty());
    EXPECT_EQ(r[4].picture, "/data/fish/sub/c#d.bmp"); // # inside a word is no comment

    const struct {
        const char* text;
        int line;
        const char* why;
    } refused[] = {
        {"a.bmp\n\"b.bmp --mirror\n", 2, "a quote is not closed"},
        {"--mirror a.bmp\n", 1, "a recipe begins with its picture"},
        {"a.bmp --jobs 2\n", 1, "--jobs belongs on the command line"},
        {"a.bmp --recipes other.txt\n", 1, "--recipes belongs on the command line"},
    };
    for (const auto& c : refused) {
        const auto result = ParseRecipes(c.text, folder);
        ASSERT_TRUE(std::holds_alternative<RecipeError>(result)) << c.text;
        EXPECT_EQ(std::get<RecipeError>(result).line, c.line) << c.text;
        EXPECT_TRUE(std::get<RecipeError>(result).why.contains(c.why)) << c.text;
    }
}

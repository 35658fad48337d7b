// Saving when the disk fails at any point: the creation of either temporary
// file, every write, each flush and close, and each rename (the session's
// after the PGX file's has been written, the PGX file's after the session
// is in place). Each time the old PGX file and the old session stay as they
// were, no temporary or kept file is left, and the user is told.

#include "AtomicFile.h"
#include "EditingSession.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Faults {
    explicit Faults(qint64 chunk) { AtomicWriteFaults::ChunkSize = chunk; }
    ~Faults() {
        AtomicWriteFaults::Inject = nullptr;
        AtomicWriteFaults::ChunkSize = qint64(1) << 20;
    }
};

QStringList Files(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(FailingWrites, EveryFailurePointKeepsTheOldPgxFileAndSession) {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ASSERT_TRUE(form.OpenPicture(test::SaveBmp(dir, "fish.bmp",
                                               test::Picture(121, 61, {QRect(0, 20, 91, 21)})))
                    .isEmpty());
    const QString pgx = dir.filePath("fish.pgx"), session = dir.filePath("fish.session.json");
    ASSERT_TRUE(form.SavePgx(pgx));
    const QByteArray oldPgx = test::FileBytes(pgx), oldSession = test::FileBytes(session);
    form.SpeedButton4Click(); // the next files are different ones
    form.SpeedButton10Click();
    form.AfterEvent();

    const Faults faults(64); // many small writes
    using AtomicWriteFaults::Step;
    std::vector<Step> steps; // every step of one save, in order
    AtomicWriteFaults::Inject = [&](Step step, int) {
        steps.push_back(step);
        return false;
    };
    ASSERT_TRUE(form.SavePgx(dir.filePath("probe.pgx")));
    const QStringList files = Files(dir);
    const auto count = [&](Step step) { return std::count(steps.begin(), steps.end(), step); };
    ASSERT_EQ(count(Step::Write),
              (test::FileBytes(dir.filePath("probe.pgx")).size() + 63) / 64 +
                  (test::FileBytes(dir.filePath("probe.session.json")).size() + 63) / 64);
    for (Step step : {Step::Open, Step::Sync, Step::Close, Step::Rename})
        ASSERT_EQ(count(step), 2) << int(step); // one for each file

    for (std::size_t failing = 0; failing < steps.size(); ++failing) {
        std::size_t at = 0;
        AtomicWriteFaults::Inject = [&](Step, int) { return at++ == failing; };
        dialogs.messages.clear();
        const std::string where =
            "step " + std::to_string(failing) + ", a " + std::to_string(int(steps[failing]));
        EXPECT_FALSE(form.SavePgx(pgx)) << where;
        ASSERT_EQ(dialogs.messages.size(), 1) << where;
        EXPECT_TRUE(dialogs.messages[0].startsWith("Error. Cannot make fish polygon data file."))
            << where;
        EXPECT_TRUE(dialogs.messages[0].endsWith("Input/output error")) << where;
        EXPECT_EQ(test::FileBytes(pgx), oldPgx) << where;
        EXPECT_EQ(test::FileBytes(session), oldSession) << where;
        EXPECT_EQ(Files(dir), files) << where;
    }
    RecordProperty("failure_points", int(steps.size()));
    AtomicWriteFaults::Inject = nullptr;
    EXPECT_TRUE(form.SavePgx(pgx));
    EXPECT_EQ(test::FileBytes(pgx), test::FileBytes(dir.filePath("probe.pgx")));
    EXPECT_EQ(test::FileBytes(session), test::FileBytes(dir.filePath("probe.session.json")));
    EXPECT_EQ(Files(dir), files);
}

TEST(FailingWrites, ASessionThatCannotBeWrittenIsNoSavedFile) {
    // The session fails alone (its name is taken by a folder): the PGX file
    // is not replaced either, and the message says why.
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ASSERT_TRUE(form.OpenPicture(
                        test::SaveBmp(dir, "fish.bmp", test::Picture(41, 21, {QRect(0, 5, 30, 9)})))
                    .isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir("fish.session.json"));
    EXPECT_FALSE(form.SavePgx(dir.filePath("fish.pgx")));
    EXPECT_EQ(dialogs.messages,
              QStringList{"Error. Cannot make fish polygon data file.\nThe editing "
                          "session file could not be written, so neither it "
                          "nor the PGX file was changed.\nIs a directory"});
    EXPECT_FALSE(QFile::exists(dir.filePath("fish.pgx")));
}

TEST(FailingWrites, AFileThatMustNotBeReplacedAndAppearsMeanwhileUndoesTheWholeWrite) {
    Faults faults(qint64(1) << 20);
    QTemporaryDir dir;
    const QString old = dir.filePath("model.obj"), side = dir.filePath("model.mtl"),
                  other = dir.filePath("model_obj_body.png");
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the old model");
    }
    // Another program writes the library just before the files are moved
    // into place.
    int renames = 0;
    AtomicWriteFaults::Inject = [&](AtomicWriteFaults::Step step, int) {
        if (step == AtomicWriteFaults::Step::Rename && renames++ == 0) {
            QFile f(side);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("theirs");
        }
        return false;
    };
    const FilesWritten written =
        WriteFilesAtomically({{other, "png", true}, {old, "the new model"}, {side, "mtl", true}});
    EXPECT_FALSE(written.Ok);
    EXPECT_TRUE(written.Existed);
    EXPECT_EQ(written.FailedFile, 2);
    EXPECT_EQ(test::FileBytes(side), "theirs");
    EXPECT_EQ(test::FileBytes(old), "the old model");
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(Files(dir), QStringList({"model.mtl", "model.obj"}));
}

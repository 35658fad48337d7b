// Writing the PGX file when the disk fails at any point: every write, the
// creation of the temporary file, and the close with the rename. Each time
// the old file stays as it was, no temporary file is left, and the user is
// told.

#include "AtomicFile.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct Faults {
    explicit Faults(qint64 chunk) { AtomicWriteFaults::ChunkSize = chunk; }
    ~Faults() {
        AtomicWriteFaults::Inject = nullptr;
        AtomicWriteFaults::ChunkSize = qint64(1) << 20;
    }
};

} // namespace

TEST(FailingWrites, EveryFailurePointKeepsTheOldPgxFile) {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ASSERT_TRUE(form.OpenPicture(test::SaveBmp(dir, "fish.bmp",
                                               test::Picture(121, 61, {QRect(0, 20, 91, 21)})))
                    .isEmpty());
    const QString pgx = dir.filePath("fish.pgx");
    ASSERT_TRUE(form.SavePgx(pgx));
    const QByteArray old = test::FileBytes(pgx);
    form.SpeedButton4Click(); // the next file is a different one
    form.SpeedButton10Click();

    const Faults faults(64); // many small writes
    int writes = 0;
    AtomicWriteFaults::Inject = [&](AtomicWriteFaults::Step step, int index) {
        if (step == AtomicWriteFaults::Step::Write) writes = std::max(writes, index + 1);
        return false;
    };
    ASSERT_TRUE(form.SavePgx(dir.filePath("probe.pgx")));
    ASSERT_EQ(writes, (test::FileBytes(dir.filePath("probe.pgx")).size() + 63) / 64);

    struct Point {
        AtomicWriteFaults::Step step;
        int index;
    };
    std::vector<Point> points{{AtomicWriteFaults::Step::Open, 0},
                              {AtomicWriteFaults::Step::Commit, 0}};
    for (int n = 0; n < writes; ++n) points.push_back({AtomicWriteFaults::Step::Write, n});
    for (const Point& p : points) {
        AtomicWriteFaults::Inject = [p](AtomicWriteFaults::Step step, int index) {
            return step == p.step && index == p.index;
        };
        dialogs.messages.clear();
        EXPECT_FALSE(form.SavePgx(pgx)) << int(p.step) << " " << p.index;
        EXPECT_EQ(dialogs.messages,
                  QStringList{"Error. Cannot make fish polygon data file.\nInput/output error"});
        EXPECT_EQ(test::FileBytes(pgx), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  (QStringList{"fish.bmp", "fish.pgx", "probe.pgx"}));
    }
    RecordProperty("failure_points", int(points.size()));
    AtomicWriteFaults::Inject = nullptr;
    EXPECT_TRUE(form.SavePgx(pgx));
    EXPECT_EQ(test::FileBytes(pgx), test::FileBytes(dir.filePath("probe.pgx")));
}

// Every version of the editing session, as an editor of that version saved
// it, must load and save the same fish forever; and the sessions this editor
// writes have exactly the keys of the newest version. A key renamed, dropped
// or added without a new SessionVersion and a session of it here fails,
// whatever the fish's members are called.
//
// sessions/v<N>.session.json and v<N>.pgx are one save of the editor of
// session version N, made by its batch on a copy of recipes/small.bmp named
// fish.bmp:
//
//   meshmaker --batch fish.bmp --tail-x 88 --step 5 --dorsal 38,5,62,19
//       --ventral 28,41,42,52 --anal 63,41,80,55 --pectoral 20,25,30,35,25,38
//       --whisker 2,40,12,55 --divisions 6 --thickness 30 --peak 40
//       --eye 10,26,3,12,140
//
// (fish.session.json and fish.pgx renamed). A new version adds its pair.

#include "EditingSession.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString Sessions = QStringLiteral(RECIPES_DIR "/../sessions/");

QString SessionOf(int version) {
    return Sessions + QStringLiteral("v%1.session.json").arg(version);
}

// The picture the sessions were saved on, opened as the editor opens it.
struct SavedOn {
    test::ScriptedDialogs dialogs;
    TForm1 form{dialogs, TForm1::Views::None};
    SavedOn() {
        EXPECT_EQ(
            form.OpenPicture(QStringLiteral(RECIPES_DIR "/small.bmp"), TForm1::Session::Ignore),
            QString());
    }
};

// The keys of a session document: its own, and its fish's.
QStringList KeysOf(const QByteArray& session) {
    const QJsonObject root = QJsonDocument::fromJson(session).object();
    QStringList keys = root.keys();
    for (const QString& key : root.value(QStringLiteral("fish")).toObject().keys())
        keys << QStringLiteral("fish.") + key;
    return keys;
}

} // namespace

TEST(SessionVersions, EverySessionEverSavedLoadsAndSavesTheSameFish) {
    SavedOn picture;
    for (int version = 1; version <= SessionVersion; ++version) {
        SCOPED_TRACE(SessionOf(version).toStdString());
        const QByteArray bytes = test::FileBytes(SessionOf(version));
        ASSERT_FALSE(bytes.isEmpty()) << "every version has its session here";
        const SessionReading read = ReadSession(bytes);
        ASSERT_TRUE(read.fish) << read.error.toStdString();
        EXPECT_TRUE(SamePicture(read.picture, picture.form.Picture));
        // The fish it holds is the one that was saved: it writes the same PGX file.
        EXPECT_EQ(BuildPgxBytes(*read.fish, picture.form.Picture),
                  test::FileBytes(Sessions + QStringLiteral("v%1.pgx").arg(version)));
        // Saved by this editor and read again, it is the same fish.
        const SessionReading again =
            ReadSession(BuildSessionBytes(*read.fish, picture.form.Picture));
        ASSERT_TRUE(again.fish) << again.error.toStdString();
        EXPECT_TRUE(*again.fish == *read.fish);
    }
}

TEST(SessionVersions, TheNewestSessionIsWhatThisEditorWrites) {
    SavedOn picture;
    const QByteArray newest = test::FileBytes(SessionOf(SessionVersion));
    ASSERT_FALSE(newest.isEmpty()) << "a new SessionVersion needs its session here";
    const SessionReading read = ReadSession(newest);
    ASSERT_TRUE(read.fish) << read.error.toStdString();
    const QByteArray written = BuildSessionBytes(*read.fish, picture.form.Picture);
    // A key that changed without a new version is named here.
    EXPECT_EQ(KeysOf(written), KeysOf(newest));
    EXPECT_EQ(written, newest);
}

// The editing session beside the PGX file: written with every save (the
// batch's too), read back bit for bit, restored when the picture is opened
// again, asked about when the picture has changed, and refused whole, with
// a message and a new fish, when it is broken in any way.

#include "EditingSession.h"
#include "Batch.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "PictureFacts.h"
#include "TForm1.h"
#include "TForm3.h"
#include "TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

using test::Picture;

namespace {

constexpr MouseState Left{.Left = true};
constexpr MouseState None{};

QImage FishPicture() {
    return Picture(121, 61, {QRect(0, 20, 91, 21), QRect(40, 12, 20, 8), QRect(91, 10, 29, 41)});
}

// A fish made with every tool, saved beside its picture.
struct Traced : test::OpenedEditor {
    Traced() : OpenedEditor(FishPicture()) {
        TForm1& f = form;
        const std::function<void()> actions[] = {
            [&] { f.SetScrollBar1Position(85); },
            [&] { f.SpeedButton4Click(); },
            [&] { f.SpeedButton6Click(); },
            [&] { f.Image1MouseDown(MouseButton::Left, Left, 38, 5); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 62, 19); },
            [&] { f.SpeedButton7Click(); },
            [&] { f.Image1MouseDown(MouseButton::Left, Left, 30, 41); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 60, 58); },
            [&] { f.SpeedButton9Click(); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 20, 30); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 35, 32); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 28, 38); },
            [&] { f.Button1Click(); },
            [&] { f.Image1MouseDown(MouseButton::Left, Left, 2, 41); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 20, 52); },
            [&] {
                f.Edit2.Text = "6";
                f.Edit2Exit();
            },
            [&] { f.SpeedButton10Click(); },
            [&] { f.SetScrollBar2Position(33); },
            [&] { f.SetScrollBar4Position(30); },
            [&] { f.SpeedButton13Click(); },
            [&] { f.Image1MouseUp(MouseButton::Left, None, 20, 28); },
            [&] { f.Form3().Image1MouseUp(MouseButton::Left, 120, 100); },
            [&] { f.Form3().Button1Click(); },
            [&] { f.SpeedButton5Click(); },
        };
        for (const auto& action : actions) Do(action);
        s.VentralZ[3] = -0.0; // a depth whose sign the file keeps
        form.AfterEvent();
        Do([&] { form.SpeedButton11Click(); });
    }
    QString SessionFile() const { return dir.filePath("fish.session.json"); }
    QByteArray Pgx() const { return BuildPgxBytes(form.Current(), form.Picture); }
};

// The fish an open of the picture gives when there is no session.
Fish FreshFish(const QString& picture) {
    test::ScriptedDialogs dialogs;
    TForm1 f(dialogs);
    f.OpenPicture(picture, TForm1::Session::Ignore);
    return f.Current();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(EditingSession, AFishRoundTripsBitForBit) {
    Traced t;
    const QByteArray bytes = test::FileBytes(t.SessionFile());
    const SessionReading read = ReadSession(bytes);
    ASSERT_TRUE(read.fish) << read.error.toStdString();
    EXPECT_TRUE(*read.fish == t.form.Current());
    EXPECT_TRUE(std::signbit(read.fish->VentralZ[3]));
    EXPECT_EQ(read.picture, FactsOf(t.form.Picture));

    // What the document says, as the README shows it.
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(root.value("format").toString(), "meshmaker editing session");
    EXPECT_EQ(root.value("version").toInt(), 1);
    EXPECT_EQ(root.value("picture").toObject().keys(),
              (QStringList{"checksum", "height", "mirrored", "width"}));
    EXPECT_EQ(root.value("picture").toObject().value("width").toInt(), 121);
    const QJsonObject fish = root.value("fish").toObject();
    VisitFishFields([&](const char* name, auto, int) { EXPECT_TRUE(fish.contains(name)) << name; });
    EXPECT_EQ(fish.value("BodyLast").toInt(), t.form.Current().BodyLast);
    EXPECT_EQ(fish.value("VentralZ").toArray().at(3).toString(), "-0");
}

TEST(EditingSession, OpeningThePictureAgainContinuesWhereTheSaveLeftOff) {
    Traced t;
    ASSERT_TRUE(QFile::exists(t.SessionFile()));
    test::OpenedEditor again;
    again.Open(t.dir.filePath("fish.bmp"));
    TForm1& f = again.form;
    EXPECT_TRUE(f.Current() == t.form.Current());
    EXPECT_EQ(BuildPgxBytes(f.Current(), f.Picture), t.Pgx());
    EXPECT_EQ(f.Label2.Caption, "Editing session fish.session.json restored");
    EXPECT_TRUE(again.dialogs.messages.isEmpty());
    EXPECT_TRUE(again.dialogs.questions.isEmpty());
    EXPECT_FALSE(f.CanUndo()); // the restored fish is where the history starts
    for (auto box : {&TForm1::CheckBox1, &TForm1::CheckBox2, &TForm1::CheckBox3, &TForm1::CheckBox4,
                     &TForm1::CheckBox6, &TForm1::CheckBox8, &TForm1::CheckBox9})
        EXPECT_EQ((f.*box).Checked, (t.form.*box).Checked);
    for (auto bar : {&TForm1::ScrollBar1, &TForm1::ScrollBar2, &TForm1::ScrollBar4})
        EXPECT_EQ((f.*bar).Position, (t.form.*bar).Position);
    EXPECT_EQ(f.Edit1.Text, t.form.Edit1.Text);
    EXPECT_EQ(f.Edit2.Text, "6");
    EXPECT_TRUE(f.Image3.Visible); // the front and top editors are open again
    // Work goes on from there, and undo stops at the restored fish.
    again.Do([&] { f.CheckBox3MouseUp(); });
    again.Do([&] { f.Undo1Click(); });
    EXPECT_TRUE(f.Current() == t.form.Current());
}

TEST(EditingSession, AChangedPictureIsAskedAbout) {
    const struct Case {
        const char* name;
        QImage picture;
        bool answer;
    } cases[] = {
        {"one pixel changed, restore", FishPicture(), true},
        {"one pixel changed, start fresh", FishPicture(), false},
        {"smaller, restore", Picture(81, 41, {QRect(0, 10, 60, 20)}), true},
        {"smaller, start fresh", Picture(81, 41, {QRect(0, 10, 60, 20)}), false},
    };
    for (const Case& c : cases) {
        Traced t;
        QImage changed = c.picture;
        changed.setPixel(70, 30, 0xFF102030u);
        const QString path = test::SaveBmp(t.dir, "fish.bmp", changed);
        test::OpenedEditor again;
        again.dialogs.yesNoAnswers = {c.answer};
        again.Open(path);
        TForm1& f = again.form;
        ASSERT_EQ(again.dialogs.questions.size(), 1) << c.name;
        EXPECT_TRUE(again.dialogs.questions[0].startsWith(
            "The picture has changed since the editing session fish.session.json was saved."))
            << c.name;
        if (c.answer) {
            EXPECT_EQ(f.Current().BodyLast, t.form.Current().BodyLast) << c.name;
            EXPECT_EQ(f.Current().DorsalLast, t.form.Current().DorsalLast) << c.name;
            EXPECT_EQ(f.Label2.Caption, "Editing session fish.session.json restored") << c.name;
            // Its settings fit this picture's scroll bars.
            for (const ScrollBar* bar : {&f.ScrollBar1, &f.ScrollBar2, &f.ScrollBar4})
                EXPECT_TRUE(bar->Position >= bar->Min && bar->Position <= bar->Max) << c.name;
            EXPECT_TRUE(f.Current().DorsalRange.x1 <= f.Picture.PicMaxX) << c.name;
        } else {
            EXPECT_TRUE(f.Current() == FreshFish(path)) << c.name;
            EXPECT_EQ(f.Label2.Caption, "") << c.name;
        }
    }
}

TEST(EditingSession, ABrokenSessionGivesAMessageAndANewFishNeverAHalfRestoredOne) {
    Traced t;
    const QByteArray good = test::FileBytes(t.SessionFile());
    auto edited = [&](const std::function<void(QJsonObject & root, QJsonObject & fish)>& change) {
        QJsonObject root = QJsonDocument::fromJson(good).object();
        QJsonObject fish = root.value("fish").toObject();
        change(root, fish);
        root.insert("fish", fish);
        return QJsonDocument(root).toJson();
    };
    auto setArrayEntry = [](QJsonObject& fish, const char* name, int i, QJsonValue v) {
        QJsonArray a = fish.value(name).toArray();
        while (a.size() <= i) a.append(0);
        a[i] = v;
        fish.insert(name, a);
    };
    const int bodyLast = t.form.Current().BodyLast;
    const struct Case {
        const char* name;
        QByteArray bytes;
        const char* reason; // in the message
    } cases[] = {
        {"truncated", good.left(good.size() / 2), "it is not JSON"},
        {"empty", QByteArray(), "it is not JSON"},
        {"not an object", "[1, 2]", "it is not an editing session of this editor"},
        {"another format", edited([](auto& r, auto&) { r.insert("format", "pgx"); }),
         "it is not an editing session of this editor"},
        {"future version", edited([](auto& r, auto&) { r.insert("version", 2); }),
         "it was written by a newer editor (session version 2; this editor reads version 1)"},
        {"version zero", edited([](auto& r, auto&) { r.insert("version", 0); }),
         "its version is not a whole number from 1 up"},
        {"version as text", edited([](auto& r, auto&) { r.insert("version", "1"); }),
         "its version is not a whole number from 1 up"},
        {"no picture", edited([](auto& r, auto&) { r.remove("picture"); }), "picture is missing"},
        {"unknown top field", edited([](auto& r, auto&) { r.insert("extra", 1); }),
         "extra is not a field of a session"},
        {"a field missing", edited([](auto&, auto& f) { f.remove("TopW"); }), "TopW is missing"},
        {"an unknown field", edited([](auto&, auto& f) { f.insert("Fins", 3); }),
         "Fins is not a field of a session"},
        {"a flag as a number", edited([](auto&, auto& f) { f.insert("TailDone", 1); }),
         "TailDone is not true or false"},
        {"a count as a real", edited([](auto&, auto& f) { f.insert("Divisions", 4.5); }),
         "Divisions is not a whole number"},
        {"a count beyond int", edited([](auto&, auto& f) { f.insert("Divisions", 1e12); }),
         "Divisions is out of range"},
        {"a list as a number", edited([](auto&, auto& f) { f.insert("BodyX", 3); }),
         "BodyX is not a list of at most 501 entries"},
        {"a list too long", edited([&](auto&, auto& f) { setArrayEntry(f, "SectionY", 11, 1.0); }),
         "SectionY is not a list of at most 11 entries"},
        {"a text in a list", edited([&](auto&, auto& f) { setArrayEntry(f, "BodyY", 2, "2"); }),
         "BodyY[2] is not a number"},
        {"a huge real", edited([&](auto&, auto& f) { setArrayEntry(f, "TopW", 1, 1e300); }),
         "TopW[1] is out of range"},
        {"a last index past its list", edited([](auto&, auto& f) { f.insert("TailLast", 51); }),
         "TailLast is out of range (0, -1 or odd up to 49)"},
        {"an even last index", edited([](auto&, auto& f) { f.insert("DorsalLast", 4); }),
         "DorsalLast is out of range"},
        {"no end marker",
         edited([&](auto&, auto& f) { setArrayEntry(f, "BodyX", bodyLast + 1, 7); }),
         "BodyLast does not end its list with the end marker"},
        {"too many divisions", edited([](auto&, auto& f) { f.insert("Divisions", 11); }),
         "Divisions is out of range (1..10)"},
        {"an eye shape off its slider", edited([](auto&, auto& f) { f.insert("EyeShape", 31); }),
         "EyeShape is out of range (1..30)"},
        {"a bad rectangle", edited([](auto&, auto& f) { f.insert("AnalRange", QJsonObject()); }),
         "AnalRange is not a rectangle of x0, y0, x1 and y1"},
        {"a fish that makes no readable file", edited([&](auto&, auto& f) {
             setArrayEntry(f, "TopW", f.value("TopPeakIndex").toInt(), 1e-300);
         }),
         "its fish would not make a readable PGX file"},
        {"too large", good + QByteArray(MaxSessionBytes, ' '), "the file is larger than"},
    };
    const Fish fresh = FreshFish(t.dir.filePath("fish.bmp"));
    for (const Case& c : cases) {
        WriteFile(t.SessionFile(), c.bytes);
        test::OpenedEditor again;
        again.Open(t.dir.filePath("fish.bmp"));
        ASSERT_EQ(again.dialogs.messages.size(), 1) << c.name;
        const QString message = again.dialogs.messages[0];
        EXPECT_TRUE(message.startsWith("The editing session fish.session.json cannot be used: "))
            << c.name;
        EXPECT_TRUE(message.contains(c.reason)) << c.name << ": " << message.toStdString();
        EXPECT_TRUE(message.endsWith("The picture opens as a new fish.")) << c.name;
        EXPECT_TRUE(again.form.Current() == fresh) << c.name;
        EXPECT_EQ(again.form.Label2.Caption, "") << c.name;
    }
}

TEST(EditingSession, TheBatchWritesItAndStartsEveryRecipeFromANewFish) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "fish.bmp", FishPicture());
    const QStringList recipe{picture, "--dorsal", "38,5,62,19", "--divisions",
                             "7",     "--eye",    "20,28,4"};
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(RunBatch(recipe, o, e), ExitOk);
    const QByteArray pgx = test::FileBytes(dir.filePath("fish.pgx"));
    ASSERT_TRUE(QFile::exists(dir.filePath("fish.session.json")));

    // The window goes on from the batch's fish: saving it again gives the same file.
    test::OpenedEditor window;
    window.Open(picture);
    EXPECT_EQ(window.form.Label2.Caption, "Editing session fish.session.json restored");
    EXPECT_EQ(BuildPgxBytes(window.form.Current(), window.form.Picture), pgx);

    // Another fish's session beside the picture changes nothing in the batch.
    window.Do([&] { window.form.CheckBox3MouseUp(); });
    window.Do([&] { window.form.SpeedButton11Click(); });
    ASSERT_NE(test::FileBytes(dir.filePath("fish.pgx")), pgx);
    ASSERT_EQ(RunBatch(recipe, o, e), ExitOk);
    EXPECT_EQ(test::FileBytes(dir.filePath("fish.pgx")), pgx);
}

TEST(PictureFacts, TheChecksumFollowsThePixelsNotTheFile) {
    QTemporaryDir dir;
    const QImage fish = FishPicture();
    const QString bmp24 = test::SaveBmp(dir, "a.bmp", fish);
    const QString bmp32 = dir.filePath("b.bmp");
    ASSERT_TRUE(fish.convertToFormat(QImage::Format_ARGB32).save(bmp32, "BMP"));
    const QString a = PixelChecksum(LoadPicture(bmp24).image);
    EXPECT_EQ(a.size(), 16);
    EXPECT_EQ(PixelChecksum(LoadPicture(bmp32).image), a);
    QImage changed = fish;
    changed.setPixel(120, 60, 0xFF000001u); // the last pixel, one step of blue
    EXPECT_NE(PixelChecksum(changed), a);
    EXPECT_NE(PixelChecksum(fish.copy(0, 0, 120, 61)), a);
}

TEST(EditingSession, TheSessionLiesBesideThePgxFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/koi.pgx", "/data/koi.session.json"},
        {"/data/KOI.PGX", "/data/KOI.session.json"},
        {"out/model", "out/model.session.json"},
    };
    for (auto [pgx, session] : cases) EXPECT_EQ(SessionPath(pgx), session) << pgx;
}

TEST(EditingSession, AFishTracedOnTheFlippedPictureResumesOnTheFlippedPicture) {
    // A fish facing right, traced mirrored in batch, then opened in a window
    // whose flip entry is off: the session's flip decides how it loads.
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "koi.bmp", FishPicture().mirrored(true, false));
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(RunBatch({picture, "--mirror", "--dorsal", "38,5,62,19"}, o, e), ExitOk);
    const QByteArray pgx = test::FileBytes(dir.filePath("koi.pgx"));

    test::OpenedEditor window;
    ASSERT_FALSE(window.form.FlipHorizontallyEntry.Checked);
    window.Open(picture);
    EXPECT_TRUE(window.form.FlipHorizontallyEntry.Checked);
    EXPECT_TRUE(window.form.Picture.Mirrored);
    EXPECT_TRUE(window.dialogs.questions.isEmpty()); // the same picture: nothing to ask
    EXPECT_EQ(window.form.Label2.Caption, "Editing session koi.session.json restored");
    EXPECT_EQ(BuildPgxBytes(window.form.Current(), window.form.Picture), pgx);
}

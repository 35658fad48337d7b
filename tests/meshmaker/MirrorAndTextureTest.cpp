// Fish that face right (the flip, in the window and in batch), the body
// texture written from the picture, and pictures too wide for the file.

#include "AtomicFile.h"
#include "Batch.h"
#include "PgxOutputPath.h"
#include "Picture.h"
#include "TForm1.h"
#include "TestSupport.h"
#include "Texts.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A fish facing left on a 121 x 61 picture, its tail and fins as in the
// batch tests, and an eye of its own colour.
QImage LeftFacingFish() {
    return test::Picture(121, 61,
                         {QRect(0, 20, 91, 21), QRect(91, 10, 29, 41), QRect(40, 12, 20, 8),
                          QRect(30, 41, 10, 6), QRect(65, 41, 12, 8)});
}

QImage RightFacingFish() {
    return LeftFacingFish().mirrored(true, false);
}

const QStringList AllParts = {"--dorsal",  "38,5,62,19",  "--ventral",  "28,41,42,52",
                              "--anal",    "63,41,80,55", "--pectoral", "20,25,30,35,25,38",
                              "--whisker", "2,40,12,55",  "--eye",      "10,26,3"};

using test::Batch;
using test::BatchRun;

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A 70000 x 3 RLE8 BMP of about a kilobyte: runs of 250 pixels, three rows.
QByteArray WideRle8Bmp(int width) {
    QByteArray rle;
    for (int row = 0; row < 3; ++row) {
        for (int run = 0; run < width / 250; ++run) rle += QByteArray("\xFA\x01", 2);
        rle += QByteArray("\x00\x00", 2);
    }
    rle += QByteArray("\x00\x01", 2);
    return test::BmpBytes({width, 3, 8, 1, {test::Water, test::Orange}, {}, rle});
}

} // namespace

TEST(Mirror, ARightFacingPictureWithMirrorGivesTheBytesOfItsLeftFacingCopy) {
    QTemporaryDir dir;
    const QString left = test::SaveBmp(dir, "left.bmp", LeftFacingFish());
    const QString right =
        test::WriteFile(dir, "right.png", test::Encoded(RightFacingFish(), "png"));
    const QString a = dir.filePath("a.pgx"), b = dir.filePath("b.pgx"), c = dir.filePath("c.pgx");
    ASSERT_EQ(Batch(QStringList{left} + AllParts + QStringList{"-o", a}).status, ExitOk);
    const BatchRun mirrored =
        Batch(QStringList{right, "--mirror"} + AllParts + QStringList{"-o", b});
    ASSERT_EQ(mirrored.status, ExitOk) << mirrored.err.toStdString();
    EXPECT_EQ(test::FileBytes(b), test::FileBytes(a));
    // Unmirrored, the same coordinates fall on another fish.
    ASSERT_EQ(Batch(QStringList{right} + AllParts + QStringList{"-o", c}).status, ExitOk);
    EXPECT_NE(test::FileBytes(c), test::FileBytes(a));
}

TEST(Mirror, TheFlipEntryReopensTheOpenPictureMirroredAndMirrorsTheNextOpens) {
    QTemporaryDir dir;
    const QString right = test::SaveBmp(dir, "right.bmp", RightFacingFish());
    test::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ASSERT_TRUE(form.OpenPicture(right).isEmpty());
    form.AfterEvent();
    form.SpeedButton4Click(); // some work on the unmirrored picture
    form.AfterEvent();
    ASSERT_TRUE(form.Current().TailDone);

    form.FlipHorizontallyClick();
    form.AfterEvent();
    EXPECT_TRUE(form.FlipHorizontallyEntry.Checked);
    EXPECT_TRUE(form.Picture.Mirrored);
    EXPECT_EQ(form.Picture.PictureBitmap, LeftFacingFish().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(form.Picture.PicturePath, right);
    EXPECT_FALSE(form.Current().TailDone); // opened anew: the tracing starts again
    EXPECT_TRUE(form.Current().BodyDone);
    // The body traced on the flipped picture is the left-facing fish's.
    test::ScriptedDialogs other;
    TForm1 left(other);
    ASSERT_TRUE(left.OpenPicture(test::SaveBmp(dir, "left.bmp", LeftFacingFish())).isEmpty());
    EXPECT_EQ(form.Current().BodyY, left.Current().BodyY);
    EXPECT_EQ(form.Current().BodyLast, left.Current().BodyLast);

    // The next open is mirrored too.
    ASSERT_TRUE(form.OpenPicture(dir.filePath("left.bmp")).isEmpty());
    EXPECT_TRUE(form.Picture.Mirrored);
    EXPECT_EQ(form.Picture.PictureBitmap, RightFacingFish().convertToFormat(QImage::Format_RGB32));

    // A picture that can no longer be read stays as it is shown, and so does the entry.
    ASSERT_TRUE(QFile::remove(dir.filePath("left.bmp")));
    form.FlipHorizontallyClick();
    form.AfterEvent();
    EXPECT_TRUE(form.Picture.Mirrored);
    EXPECT_TRUE(form.FlipHorizontallyEntry.Checked);
    EXPECT_FALSE(dialogs.messages.isEmpty());
}

TEST(Mirror, BeforeAnyPictureTheEntryOnlyChoosesHowTheNextOneOpens) {
    QTemporaryDir dir;
    test::OpenedEditor e;
    e.Do([&] { e.form.FlipHorizontallyClick(); });
    EXPECT_TRUE(e.form.FlipHorizontallyEntry.Checked);
    EXPECT_FALSE(e.pic.HasPicture());
    e.Open(test::SaveBmp(dir, "right.bmp", RightFacingFish()));
    EXPECT_TRUE(e.pic.Mirrored);
    EXPECT_EQ(RgbAt(e.pic.PictureBitmap, 1, 30),
              test::Orange & 0xFFFFFF); // the head is on the left
}

TEST(BodyTexture, TheBatchWritesThePictureAsA24BitBmpBesideThePgx) {
    QTemporaryDir dir;
    const QString picture =
        test::WriteFile(dir, "Koi.PNG", test::Encoded(RightFacingFish(), "png"));
    struct Case {
        const char* name;
        QStringList options;
        QString pgx, texture;
        bool mirrored;
    } cases[] = {
        {"beside the picture",
         {"--texture"},
         dir.filePath("koi.pgx"),
         dir.filePath("koi_tx.bmp"),
         false},
        {"mirrored, beside -o",
         {"--texture", "--mirror", "-o", dir.filePath("out.pgx")},
         dir.filePath("out.pgx"),
         dir.filePath("out_tx.bmp"),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchRun r = Batch(QStringList{picture} + c.options);
        ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
        EXPECT_EQ(r.out, c.pgx + "\n" + c.texture + "\n");
        const QByteArray bmp = test::FileBytes(c.texture);
        ASSERT_GT(bmp.size(), 54);
        EXPECT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(int(bmp[28]), 24); // bits per pixel
        // Read back, it is the picture as the editor loaded it, pixel for pixel.
        const LoadedPicture loaded = LoadPicture(picture, c.mirrored);
        const LoadedPicture back = LoadPicture(c.texture);
        ASSERT_FALSE(back.image.isNull()) << back.error.toStdString();
        EXPECT_EQ(back.image, loaded.image);
    }
}

TEST(BodyTexture, TheBatchRefusesAnExistingTextureWithoutOverwrite) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "koi.bmp", LeftFacingFish());
    const QString texture = test::WriteFile(dir, "koi_tx.bmp", "painted by hand");
    const BatchRun refused = Batch({picture, "--texture"});
    EXPECT_EQ(refused.status, ExitFailed);
    EXPECT_TRUE(refused.err.contains("--overwrite")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(test::FileBytes(texture), QByteArray("painted by hand"));
    EXPECT_EQ(FilesIn(dir), (QStringList{"koi.bmp", "koi_tx.bmp"})); // no PGX either

    const BatchRun replaced = Batch({picture, "--texture", "--overwrite"});
    ASSERT_EQ(replaced.status, ExitOk) << replaced.err.toStdString();
    EXPECT_EQ(LoadPicture(texture).image, LoadPicture(picture).image);
    EXPECT_EQ(FilesIn(dir), (QStringList{"koi.bmp", "koi.pgx", "koi.session.json", "koi_tx.bmp"}));
}

TEST(BodyTexture, ATargetThatIsThePictureItselfIsRefused) {
    QTemporaryDir dir;
    const QString picture = test::SaveBmp(dir, "koi_tx.bmp", LeftFacingFish());
    const QByteArray before = test::FileBytes(picture);
    const QStringList runs[] = {
        {picture, "--texture", "--overwrite", "-o", dir.filePath("koi.pgx")}, // the texture
        {picture, "-o", picture},                                             // the PGX file
    };
    for (const QStringList& args : runs) {
        const BatchRun r = Batch(args);
        EXPECT_EQ(r.status, ExitFailed) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_EQ(test::FileBytes(picture), before);
        EXPECT_EQ(FilesIn(dir), QStringList{"koi_tx.bmp"});
    }
}

TEST(BodyTexture, TheWindowAsksBeforeItReplacesAFile) {
    test::OpenedEditor e(RightFacingFish());
    const QString texture = e.dir.filePath("fish_tx.bmp");
    e.Do([&] { e.form.FlipHorizontallyClick(); });

    // A new file: written without a question.
    e.Do([&] { e.form.SaveBodyTextureClick(); });
    EXPECT_TRUE(e.dialogs.questions.isEmpty());
    EXPECT_EQ(e.dialogs.messages.last(), Texts::TextureSaved().arg(texture));
    EXPECT_EQ(LoadPicture(texture).image, e.pic.PictureBitmap); // mirrored, as shown

    QFile::remove(texture);
    test::WriteFile(e.dir, "fish_tx.bmp", "painted by hand");
    e.dialogs.yesNoAnswers = {false};
    e.Do([&] { e.form.SaveBodyTextureClick(); });
    EXPECT_EQ(e.dialogs.questions, QStringList{Texts::TextureExists().arg("fish_tx.bmp")});
    EXPECT_EQ(test::FileBytes(texture), QByteArray("painted by hand"));

    e.dialogs.yesNoAnswers = {true};
    e.Do([&] { e.form.SaveBodyTextureClick(); });
    EXPECT_EQ(LoadPicture(texture).image, e.pic.PictureBitmap);
    EXPECT_EQ(FilesIn(e.dir), (QStringList{"fish.bmp", "fish_tx.bmp"}));
}

TEST(BodyTexture, AWriteThatFailsKeepsTheOldFileAndLeavesNoTemporaryFile) {
    using AtomicWriteFaults::Step;
    struct Case {
        const char* name;
        bool existing, overwrite;
    } cases[] = {{"a new file", false, false},
                 {"a new file, --overwrite", false, true},
                 {"over an old file", true, true}};
    for (const Case& c : cases) {
        for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Close, Step::Rename}) {
            SCOPED_TRACE(testing::Message() << c.name << ", step " << int(step));
            QTemporaryDir dir;
            const QString picture = test::SaveBmp(dir, "koi.bmp", LeftFacingFish());
            if (c.existing) test::WriteFile(dir, "koi_tx.bmp", "old");
            AtomicWriteFaults::Inject = [&](Step s, int) {
                // The PGX file is written first and goes through; the texture fails.
                return s == step && QDir(dir.path()).exists("koi.pgx");
            };
            QStringList args{picture, "--texture"};
            if (c.overwrite) args << "--overwrite";
            const BatchRun r = Batch(args);
            AtomicWriteFaults::Inject = nullptr;
            EXPECT_EQ(r.status, ExitFailed);
            EXPECT_TRUE(r.err.contains("koi_tx.bmp") && r.err.contains("Input/output error"))
                << r.err.toStdString();
            EXPECT_EQ(FilesIn(dir),
                      c.existing
                          ? (QStringList{"koi.bmp", "koi.pgx", "koi.session.json", "koi_tx.bmp"})
                          : (QStringList{"koi.bmp", "koi.pgx", "koi.session.json"}));
            if (c.existing) {
                EXPECT_EQ(test::FileBytes(dir.filePath("koi_tx.bmp")), "old");
            }
        }
    }
}

TEST(BodyTexture, ANewFileIsNeverWrittenOverOneThatAppeared) {
    QTemporaryDir dir;
    const QString path = test::WriteFile(dir, "koi_tx.bmp", "appeared meanwhile");
    EXPECT_EQ(WriteNewFileAtomically(path, "new bytes"), NewFileOutcome::Exists);
    EXPECT_EQ(test::FileBytes(path), QByteArray("appeared meanwhile"));
    EXPECT_EQ(FilesIn(dir), QStringList{"koi_tx.bmp"});
    EXPECT_EQ(WriteNewFileAtomically(dir.filePath("new.bmp"), "new bytes"),
              NewFileOutcome::Written);
    EXPECT_EQ(test::FileBytes(dir.filePath("new.bmp")), QByteArray("new bytes"));
    EXPECT_EQ(QFile(dir.filePath("new.bmp")).permissions() & QFileDevice::ReadOther,
              QFileDevice::ReadOther); // an ordinary file, not a private temporary one
}

TEST(WidePictures, AreRefusedAsTheyOpenInTheWindowAndInBatch) {
    QTemporaryDir dir;
    QImage widePng(40000, 3, QImage::Format_RGB32);
    widePng.fill(test::Water);
    const QString pictures[] = {
        test::WriteFile(dir, "wide70000.bmp", WideRle8Bmp(70000)),
        test::WriteFile(dir, "wide40000.bmp", WideRle8Bmp(40000)),
        test::WriteFile(dir, "wide.png", test::Encoded(widePng, "png")),
    };
    EXPECT_LT(test::FileBytes(pictures[0]).size(), 2000);
    for (const QString& wide : pictures) {
        SCOPED_TRACE(wide.toStdString());
        // In the window, over a picture already open: it stays open, untouched.
        test::OpenedEditor e(LeftFacingFish());
        const QString before = e.pic.PicturePath;
        const Fish fish = e.form.Current();
        e.Open(wide);
        ASSERT_FALSE(e.dialogs.messages.isEmpty());
        EXPECT_TRUE(e.dialogs.messages.last().contains("32767"))
            << e.dialogs.messages.last().toStdString();
        EXPECT_EQ(e.pic.PicturePath, before);
        EXPECT_EQ(e.pic.PicMaxX, 120);
        EXPECT_TRUE(e.form.Current() == fish);

        // In batch: a failure with the reason, and no file written.
        const BatchRun r = Batch({wide});
        EXPECT_EQ(r.status, ExitFailed);
        EXPECT_TRUE(r.err.contains("32767")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(PgxOutputPath(wide)));
    }
}

TEST(Mirror, TheRightFacingTransparentKoiIsTheSampleFish) {
    // samples/koi.png is samples/fish.bmp facing right, its background
    // transparent: mirrored, it gives the sample fish's file but for the
    // background field, which holds the key.
    const QStringList parts = {
        "--dorsal", "140,10,230,60",   "--ventral",  "121,150,169,191",
        "--anal",   "220,115,279,164", "--pectoral", "82,101,124,104,100,126",
        "--eye",    "45,82,8"};
    QTemporaryDir dir;
    const QString a = dir.filePath("fish.pgx"), b = dir.filePath("koi.pgx");
    ASSERT_EQ(Batch(QStringList{SAMPLES_DIR "/fish.bmp"} + parts + QStringList{"-o", a}).status,
              ExitOk);
    const BatchRun koi =
        Batch(QStringList{SAMPLES_DIR "/koi.png", "--mirror"} + parts + QStringList{"-o", b});
    ASSERT_EQ(koi.status, ExitOk) << koi.err.toStdString();
    QByteArray fish = test::FileBytes(a), mirrored = test::FileBytes(b);
    ASSERT_EQ(fish.size(), mirrored.size());
    EXPECT_EQ(mirrored.mid(12, 4), QByteArray("\xFF\x00\xFF\x00", 4)); // magenta, the key
    EXPECT_EQ(mirrored.remove(12, 4), fish.remove(12, 4));
}

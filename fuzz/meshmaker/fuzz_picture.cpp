// Fuzz target: arbitrary bytes as a picture file of any format, through the
// loader and an open of the editor (mirrored for inputs of odd length), then
// a trace, the front tool and a save, and the whole fish traced at once.
// The saved files hold the picture's real size and a tail column inside it.

#include "EditorChecks.h"
#include "FuzzSupport.h"
#include "PgxReader.h"
#include "Picture.h"
#include "TForm1.h"
#include "WholeFishTrace.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::StartOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("input.bmp");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // Pictures of many megapixels are legitimate but slow under the
    // sanitizers; the tests cover them, the fuzzer looks at everything else.
    if (const QSize declared = QImageReader(path).size();
        qint64(declared.width()) * declared.height() > (1 << 22))
        return 0;
    const bool mirrored = size % 2 == 1;
    const LoadedPicture picture = LoadPicture(path, mirrored);
    if (picture.image.isNull()) {
        fuzzcheck::Require(!picture.error.isEmpty(), "a refused picture has a reason");
        return 0;
    }
    fuzzcheck::Require(picture.image.width() >= MinPictureSide &&
                           picture.image.height() >= MinPictureSide,
                       "small pictures refused");

    fuzzcheck::Require(picture.image.width() <= MaxPictureSide &&
                           picture.image.height() <= MaxPictureSide,
                       "pictures wider or taller than the file holds refused");
    fuzzcheck::Require(picture.image.format() == QImage::Format_RGB32, "pictures become RGB");

    fuzzsupport::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    if (mirrored) form.FlipHorizontallyClick();
    fuzzcheck::Require(form.OpenPicture(path, TForm1::Session::Ignore).isEmpty(),
                       "a picture the loader takes opens");
    fuzzcheck::Require(form.Picture.PictureBitmap == picture.image, "the editor opens what loads");
    form.AfterEvent();
    fuzzcheck::CheckEditor(form);
    form.SpeedButton4Click();
    form.AfterEvent();
    form.SpeedButton10Click();
    form.AfterEvent();
    fuzzcheck::CheckEditor(form);
    const QString pgx = dir.filePath("input.pgx");
    if (form.SavePgx(pgx))
        fuzzcheck::CheckPgx(fuzzsupport::ReadAll(pgx), form.Current(), form.Picture);

    // The whole fish traced at once gives a fish the editor can take.
    const WholeFishTrace traced = TraceWholeFish(form.Picture, form.Current());
    fuzzcheck::CheckFish(traced.fish);
    if (traced.traced) {
        fuzzcheck::Require(traced.fish.TailPosition >= 1 &&
                               traced.fish.TailPosition <= std::max(1, form.Picture.PicMaxX - 1),
                           "the traced tail position within the scroll bar's range");
        fuzzcheck::CheckPgx(BuildPgxBytes(traced.fish, form.Picture), traced.fish, form.Picture);
    }
    return 0;
}

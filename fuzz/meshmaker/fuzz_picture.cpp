// Fuzz target: arbitrary bytes as a picture file, through the loader and an
// open of the editor, then a trace, the front tool and a save.

#include "EditorChecks.h"
#include "FuzzSupport.h"
#include "Picture.h"
#include "TForm1.h"

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
    const LoadedPicture picture = LoadPicture(path);
    if (picture.image.isNull()) {
        fuzzcheck::Require(!picture.error.isEmpty(), "a refused picture has a reason");
        return 0;
    }
    fuzzcheck::Require(picture.image.width() >= MinPictureSide &&
                           picture.image.height() >= MinPictureSide,
                       "small pictures refused");

    fuzzsupport::ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    fuzzcheck::Require(form.OpenPicture(path).isEmpty(), "a picture the loader takes opens");
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
    return 0;
}

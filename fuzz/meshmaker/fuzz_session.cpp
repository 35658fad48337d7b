// Fuzz target: the bytes are an editing session file beside a fish picture.
// The reader refuses it with a reason or accepts a fish that keeps every
// invariant of the editor; an accepted fish written back reads as the same
// fish. Then the picture is opened with the session beside it: the editor
// either restores it whole or starts a new fish, never anything between,
// and on what it restored the tools, the eye designer, saving, undo and redo
// run without breaking an invariant.

#include "EditingSession.h"
#include "EditorChecks.h"
#include "FuzzSupport.h"
#include "PgxOutputPath.h"
#include "TForm1.h"
#include "TForm3.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdint>

namespace {

constexpr MouseState LeftHeld{false, false, false, true, false, false};
constexpr MouseState NothingHeld{};

// The fish of the editor's fuzz target; make_session_seeds.py paints the same.
struct Picture {
    QTemporaryDir dir{fuzzsupport::ScratchTemplate()};
    QString path;
    Fish fresh; // the fish an open without a session gives
    Picture() {
        QImage image(48, 28, QImage::Format_RGB32);
        image.fill(qRgb(40, 100, 200));
        QPainter p(&image);
        p.fillRect(0, 9, 36, 10, QColor(240, 130, 30));
        p.fillRect(36, 4, 11, 20, QColor(230, 120, 20));
        p.fillRect(14, 4, 8, 5, QColor(200, 90, 20));
        p.fillRect(10, 19, 5, 5, QColor(200, 90, 20));
        p.fillRect(24, 19, 6, 4, QColor(200, 90, 20));
        p.end();
        path = dir.filePath("fish.bmp");
        image.save(path, "BMP");
        fuzzsupport::ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.OpenPicture(path, TForm1::Session::Ignore);
        fresh = form.Current();
    }
    QString Session() const { return SessionPath(PgxOutputPath(path)); }
};

void Event(TForm1& form, const std::function<void()>& handler) {
    handler();
    form.AfterEvent();
    fuzzcheck::CheckEditor(form);
}

void Save(TForm1& form) {
    const QString pgx = PgxOutputPath(form.Picture.PicturePath);
    Event(form, [&] { form.SpeedButton11Click(); });
    fuzzcheck::CheckPgx(fuzzsupport::ReadAll(pgx), form.Current(), form.Picture);
    const SessionReading saved = ReadSessionFile(SessionPath(pgx));
    fuzzcheck::Require(saved.fish && *saved.fish == form.Current(),
                       "the saved session reads as the fish saved");
}

// The tools that compute from what a session holds, each as one event.
void WorkOn(TForm1& form) {
    const Fish& s = form.Current();
    const int z = form.Ui.Zoom;
    Event(form, [&] { form.SpeedButton4Click(); });
    Event(form, [&] { form.SpeedButton10Click(); });
    const int j = std::max(1, s.N() / 2);
    Event(form, [&] {
        form.Image2MouseDown(MouseButton::Left, LeftHeld, int(s.SectionZ[j] * z),
                             int(s.SectionY[j] * z));
    });
    Event(form, [&] { form.Image2MouseUp(MouseButton::Left, NothingHeld, 3 * z, 0); });
    const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
    Event(form, [&] {
        form.Image2MouseDown(MouseButton::Left, LeftHeld, int(s.VentralZ[low] * z),
                             int(s.VentralY[low] * z));
    });
    Event(form, [&] { form.Image2MouseUp(MouseButton::Left, NothingHeld, 5 * z, 0); });
    Event(form, [&] { form.SetScrollBar2Position(form.Thickness() + 3); });
    Event(form, [&] { form.SetScrollBar4Position(s.PeakPosition + 2); });
    Event(form, [&] { form.SpeedButton13Click(); });
    Event(form, [&] { form.Image1MouseUp(MouseButton::Left, NothingHeld, 12 * z, 14 * z); });
    Event(form, [&] { form.Form3().Image1MouseUp(MouseButton::Left, 115, 100); });
    Event(form, [&] { form.Form3().Button1Click(); });
    Event(form, [&] { form.SpeedButton7Click(); });
    Event(form, [&] { form.Image1MouseDown(MouseButton::Left, LeftHeld, 9 * z, 18 * z); });
    Event(form, [&] { form.Image1MouseUp(MouseButton::Left, NothingHeld, 16 * z, 26 * z); });
    Event(form, [&] {
        form.Edit1.Text = QStringLiteral("1");
        form.Edit1Exit();
    });
    Event(form, [&] { form.SpeedButton5Click(); });
    Event(form, [&] {
        form.Image1MouseDown(MouseButton::Left, {true, false, false, true, false, false}, 20 * z,
                             10 * z);
    });
    Save(form);
    while (form.CanUndo()) Event(form, [&] { form.Undo1Click(); });
    while (form.CanRedo()) Event(form, [&] { form.Redo1Click(); });
    Save(form);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::StartOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Picture picture;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const SessionReading read = ReadSession(bytes);
    fuzzcheck::Require(read.fish.has_value() == read.error.isEmpty(),
                       "a session is accepted whole or refused with a reason");
    if (read.fish) {
        fuzzcheck::CheckFish(*read.fish);
        EditorPicture any;
        const SessionReading again = ReadSession(BuildSessionBytes(*read.fish, any));
        fuzzcheck::Require(again.fish && *again.fish == *read.fish,
                           "a session written back reads as the same fish");
    }

    QFile file(picture.Session());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
    file.close();
    fuzzsupport::ScriptedDialogs dialogs;
    dialogs.yesNo = {size % 2 == 0}; // restore anyway, or not, when the picture differs
    TForm1 form(dialogs);
    Event(form, [&] { form.OpenPicture(picture.path); });
    const bool restored = !(form.Current() == picture.fresh);
    if (restored) fuzzcheck::Require(read.fish.has_value(), "only an accepted session is restored");
    WorkOn(form);
    return 0;
}

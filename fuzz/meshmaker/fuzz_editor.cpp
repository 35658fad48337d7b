// Fuzz target: the bytes are a session of user events on a small fish
// (tool buttons, presses, moves and releases on the three views, field
// texts, scroll bars, zoom, check boxes, the eye designer, opening, saving,
// undo and redo). After every event the editor's invariants are checked,
// and every saved file is read back, as is the fish the 3-D view shows
// during a drag. Before every open and at the end, the whole undo history
// is walked: undone to its start it gives the fish the history started from
// and its PGX bytes, and redone it gives every state again, back to the
// fish as it was.
//
// The first byte chooses the start: not a multiple of 8, the fish is
// opened; with its high bit set, the events include undo and redo (inputs
// from before they existed keep their meaning). Each event is then one
// byte choosing the event, then its arguments.

#include "EditingSession.h"
#include "EditorChecks.h"
#include "EditorFuzzWatch.h"
#include "FuzzSupport.h"
#include "PgxOutputPath.h"
#include "PgxWriter.h"
#include "TForm1.h"
#include "TForm3.h"
#include "Views.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

struct Pictures {
    QTemporaryDir dir{fuzzsupport::ScratchTemplate()};
    QString fish, small, junk;
    Pictures() {
        QImage image(48, 28, QImage::Format_RGB32);
        image.fill(qRgb(40, 100, 200));
        QPainter p(&image);
        p.fillRect(0, 9, 36, 10, QColor(240, 130, 30));  // body
        p.fillRect(36, 4, 11, 20, QColor(230, 120, 20)); // tail
        p.fillRect(14, 4, 8, 5, QColor(200, 90, 20));    // dorsal fin
        p.fillRect(10, 19, 5, 5, QColor(200, 90, 20));   // ventral fin
        p.fillRect(24, 19, 6, 4, QColor(200, 90, 20));   // anal fin
        p.end();
        fish = dir.filePath("fish.bmp");
        image.save(fish, "BMP");
        small = dir.filePath("small.bmp");
        image.copy(0, 8, 3, 3).save(small, "BMP");
        junk = dir.filePath("junk.bmp");
        QFile f(junk);
        if (f.open(QIODevice::WriteOnly)) f.write("BM not a picture");
    }
};

class Events {
public:
    Events(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    int word() { return byte() | byte() << 8; }
    // A coordinate around a view of the given extent, now and then far outside.
    int coordinate(int extent) {
        const int w = word();
        if (w >= 0xF000) return (w & 1) ? 40000 : -40000;
        return w % (extent + 100) - 50;
    }
    MouseState state() {
        const int b = byte();
        return {bool(b & 1), bool(b & 2), bool(b & 4), bool(b & 8), bool(b & 16), bool(b & 32)};
    }
    MouseButton button() { return static_cast<MouseButton>(byte() % 3); }
    QString text() {
        static const char alphabet[] = "0123456789- xa+";
        QString t;
        for (int n = byte() % 7; n > 0; --n) t += QChar(alphabet[byte() % (sizeof alphabet - 1)]);
        return t;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

using Handler = void (TForm1::*)();
constexpr std::array<Handler, 14> ToolButtons = {
    &TForm1::SpeedButton1Click,  &TForm1::SpeedButton11Click, &TForm1::SpeedButton2Click,
    &TForm1::SpeedButton3Click,  &TForm1::SpeedButton5Click,  &TForm1::SpeedButton4Click,
    &TForm1::SpeedButton6Click,  &TForm1::SpeedButton7Click,  &TForm1::SpeedButton8Click,
    &TForm1::SpeedButton9Click,  &TForm1::Button1Click,       &TForm1::SpeedButton10Click,
    &TForm1::SpeedButton12Click, &TForm1::SpeedButton13Click};
constexpr std::array<Handler, 8> CheckBoxes = {
    &TForm1::CheckBox1MouseUp, &TForm1::CheckBox2MouseUp, &TForm1::CheckBox3MouseUp,
    &TForm1::CheckBox4MouseUp, &TForm1::CheckBox5MouseUp, &TForm1::CheckBox6MouseUp,
    &TForm1::CheckBox8MouseUp, &TForm1::CheckBox9MouseUp};
constexpr std::array<Handler, 6> Zooms = {&TForm1::SpeedButton2Click, &TForm1::SpeedButton3Click,
                                          &TForm1::x11Click,          &TForm1::x21Click,
                                          &TForm1::x41Click,          &TForm1::x81Click};

void RenderSome(TForm1& form, Events& e) {
    const int which = e.byte() % 3;
    const Image& image = which == 0 ? form.Image1 : which == 1 ? form.Image2 : form.Image3;
    const QRect r(e.coordinate(image.Geometry.width()), e.coordinate(image.Geometry.height()),
                  e.byte() % 64, e.byte() % 64);
    const QImage view = which == 0   ? RenderSideView(form, r)
                        : which == 1 ? RenderFrontView(form, r)
                                     : RenderTopView(form, r);
    fuzzcheck::Require(view.size() == r.size() || (r.isEmpty() && view.isNull()),
                       "a view renders the asked size");
    if (editorfuzz::watch) editorfuzz::watch->Rendered(view);
}

// What the undo history has to give back: the fish it started from, and
// whether steps have been dropped off its bottom since.
struct HistoryStart {
    Fish fish;
    bool dropped = false;
    void Follow(const TForm1& form) {
        if (form.History.Count() == 0 && !form.History.Pending()) {
            fish = form.Current();
            dropped = false;
        }
        if (form.History.Count() >= UndoHistory::StepLimit) dropped = true;
    }
};

// The file a fish saves on the open picture; none before a picture is open.
QByteArray FileOf(const TForm1& form, const Fish& fish) {
    return form.Picture.HasPicture() ? BuildPgxBytes(fish, form.Picture) : QByteArray();
}

// Undoes every step, redoes every step, and comes back to where it was.
void WalkHistory(TForm1& form, const HistoryStart& start) {
    auto event = [&](void (TForm1::*handler)()) {
        (form.*handler)();
        fuzzcheck::Require(!form.AfterEvent(), "undo and redo show a settled fish");
        fuzzcheck::CheckEditor(form);
        if (editorfuzz::watch) editorfuzz::watch->AfterEvent(form);
    };
    const Fish now = form.Current();
    const QByteArray nowBytes = FileOf(form, now);
    std::vector<Fish> down{now};
    while (form.CanUndo()) {
        event(&TForm1::Undo1Click);
        down.push_back(form.Current());
    }
    if (!start.dropped) {
        fuzzcheck::Require(form.Current() == start.fish, "undone to the start: the start's fish");
        fuzzcheck::Require(FileOf(form, form.Current()) == FileOf(form, start.fish),
                           "undone to the start: the start's file");
    }
    std::vector<Fish> up{form.Current()};
    while (form.CanRedo()) {
        event(&TForm1::Redo1Click);
        up.push_back(form.Current());
    }
    fuzzcheck::Require(up.size() >= down.size(), "redo reaches every undone step");
    for (size_t k = 0; k < down.size(); ++k)
        fuzzcheck::Require(up[k] == down[down.size() - 1 - k], "redo gives each state again");
    for (size_t k = down.size(); k < up.size(); ++k) event(&TForm1::Undo1Click);
    fuzzcheck::Require(form.Current() == now, "back where the walk began");
    fuzzcheck::Require(FileOf(form, form.Current()) == nowBytes,
                       "back where the walk began: the same file");
}

// One event; true when it shows a whole fish at once (an open, undo, redo)
// rather than changing the fish as a user step. Before an open the history
// is walked, and the fish and revision that the event starts from are taken
// again after the walk.
bool Step(TForm1& form, fuzzsupport::ScriptedDialogs& dialogs, const Pictures& pictures, Events& e,
          bool withUndo, const HistoryStart& start, Fish& before, int& revision) {
    const int w1 = form.Image1.Geometry.width(), h1 = form.Image1.Geometry.height();
    const int w2 = form.Image2.Geometry.width(), h2 = form.Image2.Geometry.height();
    const int w3 = form.Image3.Geometry.width(), h3 = form.Image3.Geometry.height();
    switch (e.byte() % (withUndo ? 18 : 16)) {
    case 0: {
        const int k = e.byte() % ToolButtons.size();
        if (k == 0) {
            dialogs.answers = {std::array<QString, 4>{pictures.fish, pictures.small, pictures.junk,
                                                      QString()}[e.byte() % 4]};
            WalkHistory(form, start); // before the open starts a new history
            before = form.Current();
            revision = form.Document.Revision();
        }
        (form.*ToolButtons[k])();
        return k == 0;
    }
    case 1: {
        const MouseButton b = e.button();
        const MouseState s = e.state();
        const int x = e.coordinate(w1), y = e.coordinate(h1);
        form.Image1MouseDown(b, s, x, y);
        break;
    }
    case 2: {
        const MouseButton b = e.button();
        const MouseState s = e.state();
        const int x = e.coordinate(w1), y = e.coordinate(h1);
        // Where no part is being drawn, a release with no point picked changes nothing.
        const bool nothingPicked = !form.Ui.PickedPoint && !form.Ui.Mode.Drawing();
        const Fish before = form.Current();
        form.Image1MouseUp(b, s, x, y);
        if (nothingPicked)
            fuzzcheck::Require(form.Current() == before,
                               "a release without a press changes nothing");
        break;
    }
    case 3: {
        const MouseState s = e.state();
        const int x = e.coordinate(w1), y = e.coordinate(h1);
        // What the 3-D view shows while a point is dragged: a whole fish,
        // saved as readably as any, and no change of the fish itself.
        const Fish before = form.Current();
        if (const auto dragged = form.FishWithDragAt(x, y)) {
            fuzzcheck::CheckFish(*dragged);
            if (form.Picture.HasPicture())
                fuzzcheck::CheckPgx(BuildPgxBytes(*dragged, form.Picture), *dragged, form.Picture);
        }
        fuzzcheck::Require(form.Current() == before, "a drag's preview leaves the fish alone");
        form.Image1MouseMove(s, x, y);
        break;
    }
    case 4:
    case 5: {
        const bool press = e.byte() & 1;
        const MouseButton b = e.button();
        const MouseState s = e.state();
        const int x = e.coordinate(w2), y = e.coordinate(h2);
        press ? form.Image2MouseDown(b, s, x, y) : form.Image2MouseUp(b, s, x, y);
        break;
    }
    case 6:
    case 7: {
        const bool press = e.byte() & 1;
        const MouseButton b = e.button();
        const MouseState s = e.state();
        const int x = e.coordinate(w3), y = e.coordinate(h3);
        press ? form.Image3MouseDown(b, s, x, y) : form.Image3MouseUp(b, s, x, y);
        break;
    }
    case 8:
        form.Edit1.Text = e.text();
        (e.byte() & 1) ? form.Edit1Exit() : form.Edit1KeyPress(13);
        break;
    case 9:
        form.Edit2.Text = e.text();
        (e.byte() & 1) ? form.Edit2Exit() : form.Edit2KeyPress(13);
        break;
    case 10: {
        const int which = e.byte() % 3, position = e.word() - 0x100;
        if (which == 0) form.SetScrollBar1Position(position);
        if (which == 1) form.SetScrollBar2Position(position);
        if (which == 2) form.SetScrollBar4Position(position);
        break;
    }
    case 11:
        (form.*Zooms[e.byte() % Zooms.size()])();
        break;
    case 12:
        (form.*CheckBoxes[e.byte() % CheckBoxes.size()])();
        break;
    case 13: {
        TForm3& eye = form.Form3();
        switch (e.byte() % 5) {
        case 0: {
            const MouseButton b = e.button();
            const int x = e.coordinate(200), y = e.coordinate(200);
            eye.Image1MouseUp(b, x, y);
            break;
        }
        case 1:
            eye.SetScrollBar1Position(e.byte() - 10);
            break;
        case 2:
            eye.SetScrollBar2Position(e.word() % 400 - 50);
            break;
        case 3:
            eye.Button1Click();
            break;
        default:
            eye.Button2Click();
            break;
        }
        break;
    }
    case 14: {
        // Saved as the disk button saves: beside the picture, when one is open.
        const QString& picture = form.Picture.PicturePath;
        const QString pgx = picture.isEmpty() ? QString() : PgxOutputPath(picture);
        if (!pgx.isEmpty()) QFile::remove(pgx);
        form.SpeedButton11Click();
        if (!pgx.isEmpty())
            fuzzcheck::CheckPgx(fuzzsupport::ReadAll(pgx), form.Current(), form.Picture);
        if (editorfuzz::watch && !pgx.isEmpty()) editorfuzz::watch->Saved(pgx, SessionPath(pgx));
        break;
    }
    case 15:
        RenderSome(form, e);
        break;
    case 16:
        form.Undo1Click();
        return true;
    default:
        form.Redo1Click();
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::StartOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Pictures pictures;
    // Each input starts without the sessions that earlier inputs saved; an
    // input that saves and opens again resumes its own.
    for (const QString& picture : {pictures.fish, pictures.small, pictures.junk})
        QFile::remove(SessionPath(PgxOutputPath(picture)));
    fuzzsupport::ScriptedDialogs dialogs;
    if (editorfuzz::watch)
        dialogs.onMessage = [](const QString& text) { editorfuzz::watch->Shown(text); };
    TForm1 form(dialogs);
    if (size > 0 && data[0] % 8 != 0) form.OpenPicture(pictures.fish); // mostly on an open fish
    const bool withUndo = size > 0 && (data[0] & 0x80);
    form.AfterEvent();
    if (editorfuzz::watch) editorfuzz::watch->AfterEvent(form);
    HistoryStart start;
    start.Follow(form);
    Events events(data + (size > 0), size - (size > 0));
    for (int n = 0; n < 4000 && events.more(); ++n) {
        // Every event ends as the window ends it; the revision moves exactly
        // when the fish has changed.
        Fish before = form.Current();
        int revision = form.Document.Revision();
        const bool wholeFish =
            Step(form, dialogs, pictures, events, withUndo, start, before, revision);
        const bool changed = !(form.Current() == before);
        const bool settled = form.AfterEvent();
        if (wholeFish)
            fuzzcheck::Require(!settled, "a whole fish shown is no step");
        else
            fuzzcheck::Require(settled == changed, "the fish settles when it changed");
        fuzzcheck::Require(form.Document.Revision() == revision + (changed ? 1 : 0),
                           "the revision moves exactly on a change");
        if (changed && !wholeFish)
            fuzzcheck::Require(form.History.UndoStepKind() != UndoStep::Unnamed,
                               "every change of the fish is a named step");
        fuzzcheck::CheckEditor(form);
        if (editorfuzz::watch) editorfuzz::watch->AfterEvent(form);
        start.Follow(form);
    }
    WalkHistory(form, start);
    return 0;
}

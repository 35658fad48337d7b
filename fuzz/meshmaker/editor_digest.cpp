// The editor's behaviour as one number: runs the editor fuzz target's
// sessions of user events outside the fuzzing engine, on inputs made by a
// seeded random generator, and hashes what the editor shows after every
// event (the fish, every control, the tool, the picks, the marks over the
// views, the undo history and its texts, the eye designer), every message
// it shows, every part of a view it renders, and every PGX file and editing
// session it saves. A change of structure that keeps every behaviour keeps
// the digest; a change of behaviour changes it.
//
//   editor_digest [SESSIONS [SEED]]          prints the digest and its figures
//   editor_digest SESSIONS SEED --each       one line per session: its digest
//   editor_digest SESSIONS SEED --expect FILE
//                                            exits 1 unless the digest is the one in FILE
//                                            (its line "digest HEX")
//
// The meshmaker_editor_digest test replays a fixed set of sessions against
// the digest recorded in editor_digest.txt; a change that is meant to change
// the editor's behaviour records the new digest there (the command is in the
// file) and says why in its commit.

#include "EditorFuzzWatch.h"
#include "FuzzSupport.h"
#include "TForm1.h"
#include "TForm3.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

class Digest : public editorfuzz::Watch {
public:
    QCryptographicHash hash{QCryptographicHash::Sha256};
    long events = 0, saves = 0, renders = 0, messages = 0;

    void AfterEvent(const TForm1& form) override {
        ++events;
        Form(form);
    }
    void Saved(const QString& pgxPath, const QString& sessionPath) override {
        ++saves;
        Tag("saved");
        Bytes(fuzzsupport::ReadAll(pgxPath));
        Bytes(fuzzsupport::ReadAll(sessionPath));
    }
    void Rendered(const QImage& view) override {
        ++renders;
        Tag("view");
        Int(view.width()), Int(view.height());
        for (int y = 0; y < view.height(); ++y)
            hash.addData(QByteArrayView(view.constScanLine(y), view.bytesPerLine()));
    }
    void Shown(const QString& message) override {
        ++messages;
        Tag("message");
        Text(message);
    }

private:
    void Tag(const char* name) { hash.addData(QByteArrayView(name, qsizetype(std::strlen(name)))); }
    template <typename T> void Raw(const T& v) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&v), sizeof v));
    }
    void Int(qint64 v) { Raw(v); }
    void Real(double v) { Raw(v); }
    void Bytes(const QByteArray& b) {
        Int(b.size());
        hash.addData(b);
    }
    void Text(const QString& s) { Bytes(s.toUtf8()); }
    void Rect(const QRect& r) { Int(r.x()), Int(r.y()), Int(r.width()), Int(r.height()); }
    void Point(const std::optional<QPoint>& p) {
        Int(p.has_value());
        if (p) Int(p->x()), Int(p->y());
    }

    void Fish(const ::Fish& f) {
        VisitFishFields([&](const char*, auto member, int) { Field(f.*member); });
    }
    void Field(double v) { Real(v); }
    void Field(int v) { Int(v); }
    void Field(unsigned v) { Int(v); }
    void Field(bool v) { Int(v); }
    void Field(const RangeRect& r) { Int(r.x0), Int(r.y0), Int(r.x1), Int(r.y1); }
    void Field(const Normal& n) {
        for (float c : n) Raw(c);
    }
    template <typename T, std::size_t N> void Field(const std::array<T, N>& a) {
        for (const T& v : a) Field(v);
    }

    void Control(const ::Control& c) {
        Int(c.Visible);
        Rect(c.Geometry);
        Text(c.Hint);
    }
    void Button(const ::Button& b) { Control(b), Text(b.Caption), Int(b.Down); }
    void Box(const CheckBox& c) { Control(c), Int(c.Checked); }
    void Field(const Edit& e) { Control(e), Text(e.Text); }
    void Label(const ::Label& l) { Control(l), Text(l.Caption); }
    void Bar(const ScrollBar& s) {
        Control(s), Int(s.Min), Int(s.Max), Int(s.Position), Int(s.PageStep);
    }
    // A front view handle as a number: the section vertex, 100 for the
    // ventral fin's low point, 101 and 102 for the pectoral corners; -1 none.
    static int HandleNumber(const std::optional<FrontHandle>& h) {
        if (!h) return -1;
        switch (h->Of) {
        case FrontHandle::Kind::SectionVertex:
            return h->Vertex;
        case FrontHandle::Kind::VentralLow:
            return 100;
        case FrontHandle::Kind::PectoralCorner:
            return 100 + h->Vertex;
        }
        return -1;
    }
    void Mark(const std::optional<ViewMark>& m) {
        Int(m.has_value());
        if (m) Int(m->Centre.x()), Int(m->Centre.y()), Int(m->Radius);
    }

    void Form(const TForm1& f) {
        Tag("event");
        // The picture
        Int(f.Picture.HasPicture()), Int(f.Picture.PicMaxX), Int(f.Picture.PicMaxY);
        Int(f.Picture.Mirrored);
        Text(QFileInfo(f.Picture.PicturePath).fileName());
        // The fish and its document
        Fish(f.Current());
        Int(f.Document.Revision());
        // What the user is doing
        const Interaction& ui = f.Ui;
        Int(ui.Zoom), Int(ModeNumber(ui.Mode)), Int(ui.PickedPoint.value_or(-1));
        Int(ui.PectoralClicks), Int(HandleNumber(ui.PickedHandle));
        Int(ui.PickedColumn.value_or(-1)), Int(ui.FrontBoxToggled);
        Point(ui.RangeCorner), Point(ui.Pointer);
        // The window and every control
        Text(f.Caption), Rect(f.Bounds), Int(f.CloseRequested),
            Int(f.FlipHorizontallyEntry.Checked);
        for (const ::Button* b :
             {&f.SpeedButton1, &f.SpeedButton11, &f.SpeedButton2, &f.SpeedButton3, &f.SpeedButton5,
              &f.SpeedButton4, &f.SpeedButton6, &f.SpeedButton7, &f.SpeedButton8, &f.SpeedButton9,
              &f.Button1, &f.SpeedButton10, &f.SpeedButton12, &f.SpeedButton13, &f.PreviewButton})
            Button(*b);
        Field(f.Edit1), Field(f.Edit2);
        for (const ::Label* l : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5,
                                 &f.TailValue, &f.ThicknessValue, &f.PeakValue, &f.Status.Picture,
                                 &f.Status.Zoom, &f.Status.Pointer})
            Label(*l);
        for (const CheckBox* c :
             {&f.CheckBox1, &f.CheckBox2, &f.CheckBox3, &f.CheckBox4, &f.CheckBox5, &f.CheckBox6,
              &f.CheckBox7, &f.CheckBox8, &f.CheckBox9})
            Box(*c);
        for (const Image* i : {&f.Image1, &f.Image2, &f.Image3}) Control(*i);
        for (const ScrollBar* s : {&f.ScrollBar1, &f.ScrollBar2, &f.ScrollBar4}) Bar(*s);
        std::vector<QString> names;
        for (const auto& named : f.NamedControls()) names.push_back(named.Name);
        for (const QString& name : names) Text(name);
        // What the views show since their last redraw
        Int(ModeNumber(f.SideViewMode)), Int(f.SideViewTail);
        Mark(f.SideMark), Mark(f.FrontMark), Mark(f.TopMark);
        Int(f.SideEye.has_value());
        if (f.SideEye) Real(f.SideEye->X), Real(f.SideEye->Y), Real(f.SideEye->Radius);
        Int(f.SideBand.has_value());
        if (f.SideBand)
            Int(f.SideBand->From.x()), Int(f.SideBand->From.y()), Int(f.SideBand->To.x()),
                Int(f.SideBand->To.y());
        Int(f.SideViewRevision), Int(f.FrontViewRevision), Int(f.TopViewRevision);
        // The version dialog
        Int(f.Form2.Visible), Rect(f.Form2.Bounds), Button(f.Form2.Button1);
        // Undo and redo
        Int(f.History.Count()), Int(f.History.Index()), Int(f.History.Pending());
        Int(f.CanUndo()), Int(f.CanRedo()), Int(f.CanSave());
        Text(f.UndoCaption()), Text(f.RedoCaption());
        // The eye designer
        const TForm3& e = f.Form3();
        Text(e.Caption), Int(e.Visible), Int(e.ShowRequests), Rect(e.Bounds);
        for (const Image* i : {&e.Image1, &e.Image2, &e.Image3}) Control(*i);
        Bar(e.ScrollBar1), Bar(e.ScrollBar2);
        Button(e.Button1), Button(e.Button2);
        Label(e.Label1), Label(e.Label2), Label(e.Label3);
        Int(int(e.Magnifier.What)), Int(e.Magnifier.Centre.x()), Int(e.Magnifier.Centre.y());
        Int(e.Magnifier.RimRadius);
        Int(e.Preview.Drawn), Real(e.Preview.Radius), Real(e.Preview.Shape.Bulge);
        Real(e.Preview.Shape.Z), Int(e.Preview.Shape.Rows);
        Field(e.Preview.Shape.SectionY), Field(e.Preview.Shape.SectionZ);
        Int(e.Revision);
        const EyeDesign& d = e.Design();
        Real(d.X), Real(d.Y), Real(d.Radius), Real(d.Bulge), Real(d.Z);
        Int(d.Shape), Int(d.Position), Int(d.RearColour);
    }
};

// A session of random length with random bytes, as the fuzzing engine
// starts out.
QByteArray RandomSession(std::mt19937_64& random) {
    QByteArray bytes(int(1 + random() % 600), Qt::Uninitialized);
    for (char& b : bytes) b = char(random() & 0xFF);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const long sessions = argc > 1 ? std::atol(argv[1]) : 3000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 23;
    const bool each = argc > 3 && std::strcmp(argv[3], "--each") == 0;
    QByteArray expected;
    if (argc > 4 && std::strcmp(argv[3], "--expect") == 0) {
        const auto match = QRegularExpression(QStringLiteral("^digest ([0-9a-f]{64})$"),
                                              QRegularExpression::MultilineOption)
                               .match(QString::fromUtf8(fuzzsupport::ReadAll(argv[4])));
        if (!match.hasMatch()) {
            std::printf("%s holds no line \"digest HEX\"\n", argv[4]);
            return 2;
        }
        expected = match.captured(1).toLatin1();
    }

    LLVMFuzzerInitialize(&argc, &argv);
    Digest digest;
    editorfuzz::watch = &digest;
    std::mt19937_64 random(seed);
    long bytes = 0;
    for (long k = 0; k < sessions; ++k) {
        const QByteArray input = RandomSession(random);
        bytes += input.size();
        if (each) digest.hash.reset();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                               size_t(input.size()));
        if (each) std::printf("%ld %s\n", k, digest.hash.result().toHex().constData());
    }
    const QByteArray result = digest.hash.result().toHex();
    std::printf("sessions %ld (seed %llu, %ld input bytes), events %ld, saves %ld, views "
                "rendered %ld, messages %ld\ndigest %s\n",
                sessions, seed, bytes, digest.events, digest.saves, digest.renders, digest.messages,
                result.constData());
    if (!expected.isEmpty() && result != expected) {
        std::printf("expected %s: the editor's behaviour has changed\n", expected.constData());
        return 1;
    }
    return 0;
}

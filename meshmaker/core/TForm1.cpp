// The main window's frame: start-up layout, opening and saving, zoom and the
// view layout, the division fields, the check boxes and the scroll bars.

#include "TForm1.h"

#include "AtomicFile.h"
#include "FrontSection.h"
#include "Numbers.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "StripBuilders.h"
#include "TForm3.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString ClearStepHint = QStringLiteral("チェックをはずすと再設定できます");

void Place(Control& c, int left, int top, int width, int height) {
    c.Geometry = QRect(left, top, width, height);
}

void PictureButton(Button& b, int left, const QString& hint, int width = 30) {
    Place(b, left, 8, width, 25);
    b.Hint = hint;
}

void StepBox(CheckBox& c, int left, bool withHint = true, int width = 17) {
    Place(c, left, 48, width, 17);
    if (withHint) c.Hint = ClearStepHint;
}

} // namespace

TForm1::TForm1(Dialogs& dialogs) : dialogs_(dialogs) {
    Caption = QStringLiteral("Vantel's Pelagor 3D Fish Data Maker");
    Bounds = QRect(208, 200, 751, 574);

    PictureButton(SpeedButton1, 8, QStringLiteral("魚の画像ファイルを読み込みます"));
    PictureButton(SpeedButton11, 40, QStringLiteral("魚の座標データ(pgxファイル)を書き出します"));
    PictureButton(SpeedButton2, 72, QStringLiteral("拡大表示します"));
    PictureButton(SpeedButton3, 104, QStringLiteral("縮小表示します"));
    Place(Label1, 144, 16, 17, 12);
    Label1.Caption = QStringLiteral("x1");
    PictureButton(SpeedButton5, 168, QStringLiteral("体の輪郭を決めます"));
    PictureButton(SpeedButton4, 197, QStringLiteral("尾鰭の輪郭を決めます"));
    PictureButton(SpeedButton6, 226, QStringLiteral("背鰭の範囲を決めます"));
    PictureButton(SpeedButton7, 256, QStringLiteral("胸鰭の範囲を決めます"));
    PictureButton(SpeedButton8, 285, QStringLiteral("尻鰭の範囲を決めます"));
    PictureButton(SpeedButton9, 314, QStringLiteral("胸鰭の輪郭を決めます"));
    PictureButton(Button1, 344, QStringLiteral("ヒゲの範囲を決めます"), 33);
    Button1.Caption = QStringLiteral("髭");
    PictureButton(SpeedButton10, 384, QStringLiteral("正面の形を決めます"));
    PictureButton(SpeedButton12, 424, QStringLiteral("上方からみた形を決めます"));
    SpeedButton12.Visible = false;
    PictureButton(SpeedButton13, 464, QStringLiteral("眼を立体的にします"), 33);
    SpeedButton13.Visible = false;

    Place(Edit1, 8, 48, 65, 20);
    Edit1.Text = QStringLiteral("8");
    Edit1.Hint = QStringLiteral("側面をここで指定したピクセル数毎に分割します");
    Place(Label4, 80, 48, 80, 12);
    Label4.Caption = QStringLiteral("横分割ピクセル数");
    Place(Edit2, 8, 72, 65, 20);
    Edit2.Text = QStringLiteral("4");
    Edit2.Hint = QStringLiteral("縦のポリゴン分割数を決めます");
    Place(Label5, 80, 72, 48, 12);
    Label5.Caption = QStringLiteral("縦分割数");

    StepBox(CheckBox1, 176);
    StepBox(CheckBox2, 205);
    StepBox(CheckBox3, 234);
    StepBox(CheckBox4, 264);
    StepBox(CheckBox5, 293);
    StepBox(CheckBox6, 322);
    StepBox(CheckBox8, 352, false);
    StepBox(CheckBox7, 392);
    StepBox(CheckBox9, 472, false, 25);
    CheckBox9.Visible = false;

    Place(Label2, 168, 72, 250, 12);
    Place(Label3, 424, 72, 300, 12);
    Label3.Caption = QStringLiteral("やり直しの時はCheckをはずしてボタンをクリック");

    Place(Image1, 0, 104, 353, 161);
    Place(Image2, 408, 104, 153, 185);
    Image2.Visible = false;
    Place(Image3, 8, 304, 449, 257);
    Image3.Visible = false;
    Place(ScrollBar1, 0, ToolPanelHeight, 353, ScrollBar1Height);
    ScrollBar1.Visible = false;
    Place(ScrollBar2, 408, ToolPanelHeight, 153, ScrollBar2Height);
    ScrollBar2.Visible = false;
    ScrollBar2.Position = 5;
    Place(ScrollBar4, 8, 561, 449, 16);
    ScrollBar4.Visible = false;

    Form2.Button1.Caption = QStringLiteral("OK");
    Place(Form2.Button1, 128, 128, 137, 25);

    form3_ = std::make_unique<TForm3>(*this);
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------- opening

void TForm1::SpeedButton1Click() {
    const QString path = dialogs_.OpenFileName(QStringLiteral("Windows BMP File (*.bmp)"));
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    OpenPicture(path);
}

QString TForm1::OpenPicture(const QString& path) {
    // The picture is read and checked first: a file that cannot be opened
    // leaves the editor exactly as it was.
    LoadedPicture loaded = LoadPicture(path);
    QImage dimmed;
    if (loaded.image.isNull() == false) {
        dimmed = DimPicture(loaded.image);
        if (dimmed.isNull())
            loaded = {QImage(), QStringLiteral("画像を開くためのメモリが足りません")};
    }
    if (loaded.image.isNull()) {
        dialogs_.ShowMessage(loaded.error);
        return loaded.error;
    }

    EditorState& s = State;
    s.BodyDone = s.TailDone = s.DorsalDone = s.VentralDone = s.AnalDone = s.PectoralDone = false;
    s.FrontOn = s.WhiskerOn = s.EyeSolid = s.TopViewOn = false;
    s.EyeRadius = s.EyeBulge = s.EyeX = s.EyeY = 0;
    for (CheckBox* c : {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5, &CheckBox6,
                        &CheckBox7, &CheckBox8, &CheckBox9})
        c->Checked = false;
    SpeedButton12.Visible = SpeedButton13.Visible = CheckBox9.Visible = false;
    Image3.Visible = ScrollBar4.Visible = false;

    s.PictureBitmap = std::move(loaded.image);
    s.DimmedBitmap = std::move(dimmed);
    s.PicMaxX = s.PictureBitmap.width() - 1;
    s.PicMaxY = s.PictureBitmap.height() - 1;

    s.ToolMode = ModeBody;
    for (int m = 1; m <= 6; ++m) s.Steps[m] = s.PicMaxX / 8;
    Edit1.Text = QString::number(s.Steps[1]);

    SetScrollBarRange(ScrollBar1, 1, s.PicMaxX - 1, &TForm1::ScrollBar1Change);
    SetScrollBarRange(ScrollBar2, 1, (8 * s.PicMaxX) / 10, &TForm1::ScrollBar2Change);

    s.Zoom = 1;
    ScrollBar2.Visible = false;
    Image2.Visible = false;
    RebuildViews();

    SetScrollBar1Position((3 * s.PicMaxX) / 4);
    SetScrollBar2Position((4 * s.PicMaxX) / 10);
    RunBuildBodyOutline();

    s.Steps[7] = 4;
    Edit2.Text = QStringLiteral("4");
    RunBuildFrontSection();
    s.PicturePath = QFileInfo(path).absoluteFilePath();
    return QString();
}

// ---------------------------------------------------------------- saving

void TForm1::SpeedButton11Click() {
    if (State.PicturePath.isEmpty()) return;
    SavePgx(PgxOutputPath(State.PicturePath));
}

bool TForm1::SavePgx(const QString& path) {
    if (!State.HasPicture()) return false; // nothing to write before a picture is open
    const QByteArray bytes = BuildPgxBytes(State, TailPosition(), Form3().SwatchColour());
    if (!WriteFileAtomically(path, bytes)) {
        dialogs_.ShowMessage(QStringLiteral("Error. Cannot make fish polygon data file."));
        return false;
    }
    dialogs_.ShowMessage(QStringLiteral("Dataファイルを書き出しました"));
    return true;
}

// ---------------------------------------------------------------- zoom and views

void TForm1::SpeedButton2Click() {
    SetZoom(std::clamp(2 * State.Zoom, 1, 8));
}

void TForm1::SpeedButton3Click() {
    SetZoom(std::max(State.Zoom / 2, 1));
}

void TForm1::SetZoom(int zoom) {
    State.Zoom = zoom;
    RebuildViews();
}

void TForm1::RebuildViews() {
    const EditorState& s = State;
    const int z = s.Zoom;
    const int e = TailPosition();
    Image1.Geometry =
        QRect(0, ToolPanelHeight + ScrollBar1Height + 10, s.PicMaxX * z, s.PicMaxY * z);
    const int w1 = Image1.Geometry.width(), h1 = Image1.Geometry.height();
    const int w2 = std::max((3 * h1) / 2, w1 / 2);
    Image2.Geometry = QRect(w1, ToolPanelHeight + ScrollBar2Height + 10, w2, h1);
    Image3.Geometry = QRect(0, ToolPanelHeight + ScrollBar1Height + h1 + 15, e * z, w2);
    ScrollBar1.Geometry = QRect(0, ToolPanelHeight, w1, ScrollBar1Height);
    ScrollBar1.Visible = true;
    ScrollBar2.Geometry = QRect(w1, ToolPanelHeight, w2, ScrollBar2Height);
    ScrollBar4.Geometry = QRect(0, Image3.Geometry.top() + Image3.Geometry.height(),
                                Image3.Geometry.width(), ScrollBar4.Geometry.height());
    RedrawSideView();
    DrawFrontView();
    DrawTopView();
    Label1.Caption = QStringLiteral("x") + QString::number(z);
}

void TForm1::RedrawSideView() {
    SideViewMode = State.ToolMode;
    SideViewTail = TailPosition();
    SideMark.reset();
    ++SideViewRevision;
}

void TForm1::DrawFrontView() {
    FrontMark.reset();
    ++FrontViewRevision;
}

void TForm1::DrawTopView() {
    TopMark.reset();
    ++TopViewRevision;
}

// ---------------------------------------------------------------- version dialog

void TForm1::Version1Click() {
    const QRect& f1 = Bounds;
    QRect& f2 = Form2.Bounds;
    f2.moveTopLeft(QPoint(f1.left() + f1.width() / 2 - f2.width() / 2,
                          f1.top() + f1.height() / 2 - f2.height() / 2));
    Form2.Visible = true;
}

// ---------------------------------------------------------------- division fields

void TForm1::Edit1Exit() {
    EditorState& s = State;
    const int mode = s.ToolMode;
    if (mode > 5 || mode < 0) return;
    int& step = s.Steps[mode];
    step = ParseDecimal(Edit1.Text).value_or(5);
    if (step >= s.PicMaxX / 3) step = s.PicMaxX / 3;
    if (step < 1) step = 2;
    Edit1.Text = QString::number(step);
    switch (mode) {
    case ModeBody:
        s.BodyDone = false;
        RunBuildBodyOutline();
        break;
    case ModeTail:
        s.TailDone = false;
        RunBuildTailStrip();
        break;
    case ModeDorsal:
        s.DorsalDone = false;
        RunBuildDorsalStrip();
        break;
    case ModeVentral:
        s.VentralDone = false;
        RunBuildVentralStrip();
        break;
    case ModeAnal:
        s.AnalDone = false;
        RunBuildAnalStrip();
        break;
    default:
        break;
    }
    RedrawSideView();
}

void TForm1::Edit2Exit() {
    int n = ParseDecimal(Edit2.Text).value_or(4);
    n = std::clamp(n, 1, MaxDivisions);
    State.Steps[7] = n;
    Edit2.Text = QString::number(n);
    RunBuildFrontSection();
}

// ---------------------------------------------------------------- check boxes

void TForm1::CheckBox1MouseUp() {
    CheckBox1.Checked = false;
    State.BodyDone = false;
}

void TForm1::CheckBox2MouseUp() {
    CheckBox2.Checked = false;
    State.TailDone = false;
    State.TailLast = 0;
}

void TForm1::CheckBox3MouseUp() {
    CheckBox3.Checked = false;
    State.DorsalDone = false;
    State.DorsalLast = 0;
}

void TForm1::CheckBox4MouseUp() {
    CheckBox4.Checked = false;
    State.VentralDone = false;
    State.VentralLast = 0;
}

void TForm1::CheckBox5MouseUp() {
    CheckBox5.Checked = false;
    State.AnalDone = false;
    State.AnalLast = 0;
}

void TForm1::CheckBox6MouseUp() {
    CheckBox6.Checked = false;
    State.PectoralDone = false;
}

void TForm1::CheckBox8MouseUp() {
    CheckBox8.Checked = false;
    State.WhiskerOn = false;
    State.WhiskerLast = 0;
}

void TForm1::CheckBox9MouseUp() {
    CheckBox9.Checked = false;
    State.EyeSolid = false;
}

// ---------------------------------------------------------------- scroll bars

void TForm1::MoveScrollBar(ScrollBar& bar, int position, ChangeHandler onChange) {
    position = std::clamp(position, bar.Min, bar.Max);
    if (position == bar.Position) return;
    bar.Position = position;
    (this->*onChange)();
}

void TForm1::SetScrollBarRange(ScrollBar& bar, int min, int max, ChangeHandler onChange) {
    bar.Min = min;
    bar.Max = std::max(min, max);
    MoveScrollBar(bar, bar.Position, onChange);
}

void TForm1::SetScrollBar1Position(int position) {
    MoveScrollBar(ScrollBar1, position, &TForm1::ScrollBar1Change);
}

void TForm1::SetScrollBar2Position(int position) {
    MoveScrollBar(ScrollBar2, position, &TForm1::ScrollBar2Change);
}

void TForm1::SetScrollBar4Position(int position) {
    MoveScrollBar(ScrollBar4, position, &TForm1::ScrollBar4Change);
}

void TForm1::ScrollBar1Change() {
    State.ToolMode = ModeBody;
    State.BodyDone = false;
    State.TailDone = false;
    CheckBox2.Checked = false;
    RunBuildBodyOutline();
    RedrawSideView();
}

void TForm1::ScrollBar2Change() {
    if (!State.FrontOn) return;
    RunBuildFrontSection();
    if (State.TopViewOn) RunBuildTopView();
}

void TForm1::ScrollBar4Change() {
    RunBuildTopView();
}

// ---------------------------------------------------------------- builders

void TForm1::RunBuildBodyOutline() {
    if (State.BodyDone) return;
    BuildBodyOutline(State, TailPosition());
    RedrawSideView();
    CheckBox1.Checked = State.BodyDone;
}

void TForm1::RunBuildTailStrip() {
    if (State.TailDone) return;
    BuildTailStrip(State, TailPosition());
    RedrawSideView();
    CheckBox2.Checked = State.TailDone;
}

void TForm1::RunBuildDorsalStrip() {
    if (State.DorsalDone) return;
    BuildDorsalStrip(State);
    RedrawSideView();
    CheckBox3.Checked = State.DorsalDone;
}

void TForm1::RunBuildVentralStrip() {
    if (State.VentralDone) return;
    BuildVentralStrip(State);
    RedrawSideView();
    CheckBox4.Checked = State.VentralDone;
}

void TForm1::RunBuildAnalStrip() {
    if (State.AnalDone) return;
    BuildAnalStrip(State);
    RedrawSideView();
    CheckBox5.Checked = State.AnalDone;
}

void TForm1::RunBuildWhiskerStrip() {
    BuildWhiskerStrip(State);
    RedrawSideView();
}

void TForm1::RunBuildFrontSection() {
    BuildFrontSection(State, Thickness());
    DrawFrontView();
}

void TForm1::RunBuildTopView() {
    BuildTopView(State, TailPosition(), ScrollBar4.Position);
    DrawTopView();
}

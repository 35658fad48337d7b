// The main window's frame: the start-up layout of its controls, the end of
// every event, showing a whole fish, and the version dialog.

#include "TForm1.h"

#include "TForm3.h"
#include "Texts.h"
#include "ViewGeometry.h"

#include <algorithm>

namespace {

void Place(Control& c, int left, int top, int width, int height) {
    c.Geometry = QRect(left, top, width, height);
}

void PictureButton(Button& b, int left, const QString& hint, int width = 30) {
    Place(b, left, 8, width, 25);
    b.Hint = hint;
}

void StepBox(CheckBox& c, int left, bool withHint = true, int width = 17) {
    Place(c, left, 48, width, 17);
    if (withHint) c.Hint = Texts::ClearStepHint();
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, Views views) : dialogs_(dialogs), views_(views) {
    Caption = Texts::MainCaption();
    Bounds = QRect(208, 200, 751, 574);

    PictureButton(SpeedButton1, 8, Texts::OpenHint());
    PictureButton(SpeedButton11, 40, Texts::SaveHint());
    PictureButton(SpeedButton2, 72, Texts::ZoomInHint());
    PictureButton(SpeedButton3, 104, Texts::ZoomOutHint());
    Place(Label1, 144, 16, 17, 12);
    Label1.Caption = Texts::ZoomLabel().arg(1);
    PictureButton(SpeedButton5, 168, Texts::BodyHint());
    PictureButton(SpeedButton4, 197, Texts::TailHint());
    PictureButton(SpeedButton6, 226, Texts::DorsalHint());
    PictureButton(SpeedButton7, 256, Texts::VentralHint());
    PictureButton(SpeedButton8, 285, Texts::AnalHint());
    PictureButton(SpeedButton9, 314, Texts::PectoralHint());
    PictureButton(Button1, 344, Texts::WhiskerHint(), 33);
    Button1.Caption = Texts::WhiskerCaption();
    PictureButton(SpeedButton10, 384, Texts::FrontHint());
    PictureButton(SpeedButton12, 424, Texts::TopHint());
    PictureButton(SpeedButton13, 464, Texts::EyeHint(), 33);
    PictureButton(PreviewButton, 504, Texts::PreviewHint());

    Place(Edit1, 8, 48, 65, 20);
    Edit1.Text = QStringLiteral("8");
    Edit1.Hint = Texts::StepHint();
    Place(Label4, 80, 48, 80, 12);
    Label4.Caption = Texts::StepLabel();
    Place(Edit2, 8, 72, 65, 20);
    Edit2.Text = QStringLiteral("4");
    Edit2.Hint = Texts::DivisionsHint();
    Place(Label5, 80, 72, 48, 12);
    Label5.Caption = Texts::DivisionsLabel();

    StepBox(CheckBox1, 176);
    StepBox(CheckBox2, 205);
    StepBox(CheckBox3, 234);
    StepBox(CheckBox4, 264);
    StepBox(CheckBox5, 293);
    StepBox(CheckBox6, 322);
    StepBox(CheckBox8, 352, false);
    StepBox(CheckBox7, 392);
    StepBox(CheckBox9, 472, false, 25);

    Place(Label2, 168, 72, 250, 12);
    Place(Label3, 424, 72, 300, 12);
    Label3.Caption = Texts::RedoHint();

    Place(Image1, 0, 104, 353, 161);
    Place(Image2, 408, 104, 153, 185);
    Place(Image3, 8, 304, 449, 257);
    Place(ScrollBar1, 0, ToolPanelHeight, 353, ScrollBar1Height);
    ScrollBar1.Visible = false;
    Place(ScrollBar2, 408, ToolPanelHeight, 153, ScrollBar2Height);
    Place(ScrollBar4, 8, 561, 449, 16);
    for (auto [bar, value] : {std::pair{&ScrollBar1, &TailValue},
                              {&ScrollBar2, &ThicknessValue},
                              {&ScrollBar4, &PeakValue}})
        Place(*value, bar->Geometry.right() + 5, bar->Geometry.top(), ScrollValueWidth - 4,
              bar->Geometry.height());

    Form2.Button1.Caption = Texts::VersionOk();
    Place(Form2.Button1, 128, 128, 137, 25);

    form3_ = std::make_unique<TForm3>(Picture, Document.Current());
    form3_->OnOk = [this](const EyeDesign& design) { ApplyEyeDesign(design); };
    form3_->OnCancel = [this] { CancelEyeDesign(); };
    ShowFish();
}

TForm1::~TForm1() = default;

std::vector<TForm1::NamedControl> TForm1::NamedControls() const {
    return {{"SpeedButton1", &SpeedButton1},
            {"SpeedButton11", &SpeedButton11},
            {"SpeedButton2", &SpeedButton2},
            {"SpeedButton3", &SpeedButton3},
            {"Label1", &Label1},
            {"SpeedButton5", &SpeedButton5},
            {"SpeedButton4", &SpeedButton4},
            {"SpeedButton6", &SpeedButton6},
            {"SpeedButton7", &SpeedButton7},
            {"SpeedButton8", &SpeedButton8},
            {"SpeedButton9", &SpeedButton9},
            {"Button1", &Button1},
            {"SpeedButton10", &SpeedButton10},
            {"SpeedButton12", &SpeedButton12},
            {"SpeedButton13", &SpeedButton13},
            {"PreviewButton", &PreviewButton},
            {"Edit1", &Edit1},
            {"Label4", &Label4},
            {"Edit2", &Edit2},
            {"Label5", &Label5},
            {"CheckBox1", &CheckBox1},
            {"CheckBox2", &CheckBox2},
            {"CheckBox3", &CheckBox3},
            {"CheckBox4", &CheckBox4},
            {"CheckBox5", &CheckBox5},
            {"CheckBox6", &CheckBox6},
            {"CheckBox8", &CheckBox8},
            {"CheckBox7", &CheckBox7},
            {"CheckBox9", &CheckBox9},
            {"Label2", &Label2},
            {"Label3", &Label3},
            {"Image1", &Image1},
            {"Image2", &Image2},
            {"Image3", &Image3},
            {"ScrollBar1", &ScrollBar1},
            {"ScrollBar2", &ScrollBar2},
            {"ScrollBar4", &ScrollBar4},
            {"TailValue", &TailValue},
            {"ThicknessValue", &ThicknessValue},
            {"PeakValue", &PeakValue}};
}

int TForm1::MarkerRadius() const {
    return ::MarkerRadius(Ui.Zoom);
}

// ---------------------------------------------------------------- the fish shown

bool TForm1::AfterEvent() {
    const bool changed = Document.Settle(); // a change becomes a step of the history
    History.EndEvent();
    ShowFish();
    return changed;
}

TForm1::Range TForm1::TailRange() const {
    if (!Picture.HasPicture()) return {0, 100};
    return {1, std::max(1, Picture.PicMaxX - 1)};
}

TForm1::Range TForm1::ThicknessRange() const {
    if (!Picture.HasPicture()) return {0, 100};
    return {1, std::max(1, (8 * Picture.PicMaxX) / 10)};
}

TForm1::Range TForm1::PeakRange() const {
    const Fish& f = Current();
    return {f.PeakMin, std::max(f.PeakMin, f.PeakMax)};
}

void TForm1::ShowFish() {
    const Fish& f = Current();
    CheckBox1.Checked = f.BodyDone;
    CheckBox2.Checked = f.TailDone;
    CheckBox3.Checked = f.DorsalDone;
    CheckBox4.Checked = f.VentralDone;
    CheckBox5.Checked = f.AnalDone;
    CheckBox6.Checked = f.PectoralDone;
    CheckBox7.Checked = f.FrontOn != Ui.FrontBoxToggled;
    CheckBox8.Checked = f.WhiskerOn;
    // The eye's box waits for the designer's OK.
    CheckBox9.Checked = f.EyeSolid && f.EyeConfirmed;

    const std::pair<ScrollBar*, std::pair<Range, int>> bars[] = {
        {&ScrollBar1, {TailRange(), f.TailPosition}},
        {&ScrollBar2, {ThicknessRange(), f.Thickness}},
        {&ScrollBar4, {PeakRange(), f.PeakPosition}}};
    for (auto [bar, setting] : bars) {
        bar->Min = setting.first.Min;
        bar->Max = setting.first.Max;
        bar->Position = setting.second;
    }

    // The front and top editors, and the eye tool with them, show once the
    // front tool has been used on this picture.
    const bool shaping = f.TopViewOn;
    for (Control* c : std::initializer_list<Control*>{&SpeedButton12, &SpeedButton13, &CheckBox9,
                                                      &Image2, &ScrollBar2, &Image3, &ScrollBar4})
        c->Visible = shaping;
    ShowFeedback();
}

void TForm1::SetFish(const Fish& fish) {
    Document.Replace(fish);
    Ui.PickedPoint = Ui.FrontHandle = Ui.PickedColumn = -1;
    Ui.FrontBoxToggled = false;
    // What was being placed belongs to the fish that was shown: a rectangle
    // is dragged anew, a pectoral triangle starts again at its first corner.
    Ui.RangeCorner.reset();
    Ui.PectoralClicks = 0;
    if (Ui.ToolMode >= ModeBody && Ui.ToolMode <= ModeAnal) ShowStep();
    if (fish.Divisions > 0) Edit2.Text = QString::number(fish.Divisions);
    ShowFish();
    RebuildViews();
}

void TForm1::SetFrontOn(bool on) {
    EditFish().FrontOn = on;
    Ui.FrontBoxToggled = false;
}

// ---------------------------------------------------------------- version dialog

void TForm1::Version1Click() {
    const QRect& f1 = Bounds;
    QRect& f2 = Form2.Bounds;
    f2.moveTopLeft(QPoint(f1.left() + f1.width() / 2 - f2.width() / 2,
                          f1.top() + f1.height() / 2 - f2.height() / 2));
    Form2.Visible = true;
}

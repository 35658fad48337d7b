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

void StepBox(CheckBox& c, int left, bool withHint, int width) {
    Place(c, left, 48, width, 17);
    if (withHint) c.Hint = Texts::ClearStepHint();
}

// The initial texts of the division fields.
constexpr int InitialStep = 8, InitialDivisions = 4;

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
    for (const ToolRow& tool : Tools()) {
        if (tool.Button) {
            Button& b = this->*tool.Button;
            PictureButton(b, tool.ButtonPlace.Left, tool.Hint(), tool.ButtonPlace.Width);
            if (tool.Caption) b.Caption = tool.Caption();
        }
        if (tool.Box)
            StepBox(this->*tool.Box, tool.BoxPlace.Left, tool.BoxHint, tool.BoxPlace.Width);
    }
    PictureButton(PreviewButton, 504, Texts::PreviewHint());

    Place(Edit1, 8, 48, 65, 20);
    ShowNumber(Edit1, InitialStep);
    Edit1.Hint = Texts::StepHint();
    Place(Label4, 80, 48, 80, 12);
    Label4.Caption = Texts::StepLabel();
    Place(Edit2, 8, 72, 65, 20);
    ShowNumber(Edit2, InitialDivisions);
    Edit2.Hint = Texts::DivisionsHint();
    Place(Label5, 80, 72, 48, 12);
    Label5.Caption = Texts::DivisionsLabel();

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
    std::vector<NamedControl> named = {{"SpeedButton1", &SpeedButton1},
                                       {"SpeedButton11", &SpeedButton11},
                                       {"SpeedButton2", &SpeedButton2},
                                       {"SpeedButton3", &SpeedButton3},
                                       {"Label1", &Label1}};
    for (const ToolRow& tool : Tools())
        if (tool.Button) named.push_back({tool.FormName, &(this->*tool.Button)});
    named.insert(named.end(), {{"PreviewButton", &PreviewButton},
                               {"Edit1", &Edit1},
                               {"Label4", &Label4},
                               {"Edit2", &Edit2},
                               {"Label5", &Label5}});
    for (const ToolRow& tool : Tools())
        if (tool.Box) named.push_back({tool.BoxName, &(this->*tool.Box)});
    named.insert(named.end(), {{"Label2", &Label2},
                               {"Label3", &Label3},
                               {"Image1", &Image1},
                               {"Image2", &Image2},
                               {"Image3", &Image3},
                               {"ScrollBar1", &ScrollBar1},
                               {"ScrollBar2", &ScrollBar2},
                               {"ScrollBar4", &ScrollBar4},
                               {"TailValue", &TailValue},
                               {"ThicknessValue", &ThicknessValue},
                               {"PeakValue", &PeakValue}});
    return named;
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
    for (const ToolRow& tool : Tools())
        if (tool.Box)
            (this->*tool.Box).Checked =
                tool.Checked ? tool.Checked(f, Ui.FrontBoxToggled) : f.*tool.Done;

    const std::pair<ScrollBar*, std::pair<Range, int>> bars[] = {
        {&ScrollBar1, {TailRange(), f.TailPosition}},
        {&ScrollBar2, {ThicknessRange(), f.Thickness}},
        {&ScrollBar4, {PeakRange(), f.PeakPosition}}};
    for (auto [bar, setting] : bars) {
        bar->Min = setting.first.Min;
        bar->Max = setting.first.Max;
        bar->Position = setting.second;
    }

    // The front and top editors, and the tools that work with them, show
    // once the front tool has been used on this picture.
    const bool shaping = f.TopViewOn;
    for (const ToolRow& tool : Tools())
        if (tool.WithShapeEditors) {
            (this->*tool.Button).Visible = shaping;
            if (tool.Box) (this->*tool.Box).Visible = shaping;
        }
    for (Control* c : std::initializer_list<Control*>{&Image2, &ScrollBar2, &Image3, &ScrollBar4})
        c->Visible = shaping;
    ShowFeedback();
}

void TForm1::SetFish(const Fish& fish) {
    Document.Replace(fish);
    Ui.PickedPoint.reset();
    Ui.PickedHandle.reset();
    Ui.PickedColumn.reset();
    Ui.FrontBoxToggled = false;
    // What was being placed belongs to the fish that was shown: a rectangle
    // is dragged anew, a pectoral triangle starts again at its first corner.
    Ui.RangeCorner.reset();
    Ui.PectoralClicks = 0;
    if (Ui.Mode.Tool != Tool::None && StepSlotInUse()) ShowStep();
    ShowDivisions();
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

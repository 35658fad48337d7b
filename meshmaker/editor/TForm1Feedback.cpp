// What the window shows of what is going on, and the Edit menu: the tool
// button held down, the scroll bars' values, the status bar, the eye and the
// rubber band over the side view; Undo and Redo with the step they name.

#include "TForm1.h"

#include "PixelRules.h"
#include "TForm3.h"
#include "Texts.h"

#include <QFileInfo>

namespace {

// The tool button whose tool the mode belongs to, or none.
Button* ToolButtonOf(TForm1& f, int mode) {
    switch (mode) {
    case ModeBody:
        return &f.SpeedButton5;
    case ModeTail:
        return &f.SpeedButton4;
    case ModeDorsal:
    case ModeDorsalRange:
        return &f.SpeedButton6;
    case ModeVentral:
    case ModeVentralRange:
        return &f.SpeedButton7;
    case ModeAnal:
    case ModeAnalRange:
        return &f.SpeedButton8;
    case ModePectoral:
    case ModePectoralPlacing:
        return &f.SpeedButton9;
    case ModeFront:
        return &f.SpeedButton10;
    case ModeWhisker:
    case ModeWhiskerRange:
        return &f.Button1;
    case ModeEye:
    case ModeEyePlaced:
        return &f.SpeedButton13;
    default:
        return nullptr;
    }
}

// The pressed corner of the rectangle that a range mode drags.
const RangeRect* RangeOf(const Fish& s, int mode) {
    switch (mode) {
    case ModeDorsalRange:
        return &s.DorsalRange;
    case ModeVentralRange:
        return &s.VentralRange;
    case ModeAnalRange:
        return &s.AnalRange;
    case ModeWhiskerRange:
        return &s.WhiskerRange;
    default:
        return nullptr;
    }
}

} // namespace

void TForm1::ShowFeedback() {
    const Fish& f = Current();

    // The tool in use stays pressed, one at a time.
    for (Button* b : {&SpeedButton5, &SpeedButton4, &SpeedButton6, &SpeedButton7, &SpeedButton8,
                      &SpeedButton9, &Button1, &SpeedButton10, &SpeedButton12, &SpeedButton13})
        b->Down = false;
    if (Button* tool = ToolButtonOf(*this, Ui.ToolMode)) tool->Down = true;

    const std::pair<const ScrollBar*, Label*> values[] = {
        {&ScrollBar1, &TailValue}, {&ScrollBar2, &ThicknessValue}, {&ScrollBar4, &PeakValue}};
    for (auto [bar, value] : values) {
        value->Caption = QString::number(bar->Position);
        value->Visible = bar->Visible;
    }

    if (Picture.HasPicture()) {
        Status.Picture.Caption = Texts::StatusPicture()
                                     .arg(QFileInfo(Picture.PicturePath).fileName())
                                     .arg(Picture.PictureBitmap.width())
                                     .arg(Picture.PictureBitmap.height());
        Status.Zoom.Caption = Texts::StatusZoom().arg(Ui.Zoom);
    } else {
        Status.Picture.Caption.clear();
        Status.Zoom.Caption.clear();
    }
    Status.Pointer.Caption.clear();
    if (Ui.Pointer && Picture.HasPicture()) {
        const int x = std::clamp(Ui.Pointer->x(), 0, Picture.PicMaxX);
        const int y = std::clamp(Ui.Pointer->y(), 0, Picture.PicMaxY);
        const QRgb c = RgbAt(Picture.PictureBitmap, x, y);
        Status.Pointer.Caption =
            Texts::StatusPointer().arg(x).arg(y).arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
    }

    // Over the side view: the eye being designed once it is placed, else the
    // eye that the designer's OK confirmed; and the rectangle being dragged.
    std::optional<EyeMark> eye;
    const EyeDesign& design = Form3().Design();
    if (Ui.ToolMode == ModeEyePlaced && Form3().Visible)
        eye = EyeMark{design.X, design.Y, design.Radius};
    else if (f.EyeSolid && f.EyeConfirmed)
        eye = EyeMark{f.EyeX, f.EyeY, f.EyeRadius};
    std::optional<BandMark> band;
    if (const RangeRect* range = RangeOf(f, Ui.ToolMode); range && Ui.RangeCorner)
        band = BandMark{QPoint(range->x0, range->y0), *Ui.RangeCorner};
    if (eye != SideEye || band != SideBand) {
        SideEye = eye;
        SideBand = band;
        ++SideViewRevision;
    }
}

QString TForm1::UndoCaption() const {
    const auto step = History.UndoStepKind();
    return step ? Texts::UndoStepEntry().arg(UndoStepName(*step)) : Texts::UndoEntry();
}

QString TForm1::RedoCaption() const {
    const auto step = History.RedoStepKind();
    return step ? Texts::RedoStepEntry().arg(UndoStepName(*step)) : Texts::RedoEntry();
}

void TForm1::Undo1Click() {
    History.Undo();
}

void TForm1::Redo1Click() {
    History.Redo();
}

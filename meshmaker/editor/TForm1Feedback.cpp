// What the window shows of what is going on, and the Edit menu: the tool
// button held down, the scroll bars' values, the status bar, the eye and the
// rubber band over the side view; Undo and Redo with the step they name.

#include "TForm1.h"

#include "PixelRules.h"
#include "TForm3.h"
#include "Texts.h"

#include <QFileInfo>

void TForm1::ShowFeedback() {
    const Fish& f = Current();

    // The tool in use stays pressed, one at a time.
    for (const ToolRow& tool : Tools())
        if (tool.Button) (this->*tool.Button).Down = tool.Tool == Ui.Mode.Tool;

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
    if (Ui.Mode == Editing(Tool::Eye) && Form3().Visible)
        eye = EyeMark{design.X, design.Y, design.Radius};
    else if (f.EyeSolid && f.EyeConfirmed)
        eye = EyeMark{f.EyeX, f.EyeY, f.EyeRadius};
    std::optional<BandMark> band;
    // The pressed corner of the rectangle being drawn.
    if (const ToolRow& tool = RowOf(Ui.Mode.Tool);
        Ui.Mode.Drawing() && tool.Range && Ui.RangeCorner)
        band = BandMark{QPoint((f.*tool.Range).x0, (f.*tool.Range).y0), *Ui.RangeCorner};
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

// The eye designer's form logic. What its three images show is drawn by
// EyeViews from the records kept here.

#include "TForm3.h"

#include "EyeViews.h"
#include "Numbers.h"
#include "PixelRules.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>

namespace {

void Place(Control& c, int left, int top, int width, int height) {
    c.Geometry = QRect(left, top, width, height);
}

} // namespace

TForm3::TForm3(const EditorPicture& picture, const Fish& fish) : picture_(picture), fish_(fish) {
    Caption = Texts::MainCaption();
    Bounds = QRect(606, 275, 540, 334);
    Place(Image1, 0, 0, EyeViewSize, EyeViewSize);
    Place(Image2, 200, 0, EyeViewSize, EyeViewSize);
    Place(ScrollBar1, 200, 200, 200, 17);
    ScrollBar1.Min = MinEyeShape, ScrollBar1.Max = MaxEyeShape;
    ScrollBar1.Position = DefaultEyeShape;
    // A click on the track moves the thumb by a tenth of the range.
    ScrollBar1.PageStep = 3;
    Place(Button1, 432, 16, 89, 25);
    Button1.Caption = Texts::EyeOk();
    Place(Button2, 432, 56, 89, 25);
    Button2.Caption = Texts::EyeCancel();
    Place(ScrollBar2, 200, 240, 200, 17);
    ScrollBar2.Min = MinEyePosition, ScrollBar2.Max = MaxEyePosition;
    ScrollBar2.Position = DefaultEyePosition;
    ScrollBar2.PageStep = 30;
    Place(Image3, 8, 216, EyeSwatchSize, EyeSwatchSize);
    Place(Label1, 8, 304, 300, 12);
    Label1.Caption = Texts::EyeRearColourHint();
    Place(Label2, 408, 200, 100, 12);
    Label2.Caption = Texts::EyeShapeLabel();
    Place(Label3, 408, 240, 100, 12);
    Label3.Caption = Texts::EyePositionLabel();
}

void TForm3::Begin() {
    const Fish& f = fish_;
    design_.X = f.EyeX;
    design_.Y = f.EyeY;
    design_.Radius = f.EyeRadius;
    design_.Bulge = f.EyeBulge;
    design_.Z = f.EyeZ;
    design_.Shape = ScrollBar1.Position = std::clamp(f.EyeShape, ScrollBar1.Min, ScrollBar1.Max);
    design_.Position = ScrollBar2.Position =
        std::clamp(f.EyePosition, ScrollBar2.Min, ScrollBar2.Max);
    design_.RearColour = f.EyeRearColour;
    Visible = true;
    ++ShowRequests;
    ++Revision;
}

void TForm3::ShowNeighbourhood(int px, int py) {
    design_.X = px;
    design_.Y = py;
    Magnifier = {EyeMagnifier::Shows::Pointer, QPoint(px, py), 0};
    ++Revision;
}

void TForm3::PlaceEye(int px, int py) {
    design_.X = px;
    design_.Y = py;
}

void TForm3::Image1MouseUp(MouseButton button, int x, int y) {
    if (button == MouseButton::Right) {
        // The colour under the pointer, as the magnified view shows it.
        if (QRect(0, 0, EyeViewSize, EyeViewSize).contains(x, y)) {
            design_.RearColour = RenderEyeMagnifier(*this).pixel(x, y) & 0x00FFFFFFu;
            ++Revision;
        }
        return;
    }
    PickRadius(x, y);
}

void TForm3::PickRadius(int x, int y) {
    const int centre = EyeViewSize / 2;
    const int dx = (x - centre) / EyeViewScale, dy = (y - centre) / EyeViewScale;
    design_.Radius = std::sqrt(double(dx) * dx + double(dy) * dy);

    // The rear colour starts as the picture pixel just below the eye's rim.
    const EditorPicture& p = picture_;
    if (p.HasPicture()) {
        const int px = std::clamp(TruncToInt(design_.X), 0, p.PicMaxX);
        const int py = std::clamp(
            std::min(TruncToInt(design_.Y + design_.Radius + 1), p.PicMaxY - 1), 0, p.PicMaxY);
        design_.RearColour = RgbAt(p.PictureBitmap, px, py);
    }
    design_.Bulge = ScrollBar1.Position * design_.Radius / 20;
    Magnifier = {EyeMagnifier::Shows::Rim, QPoint(TruncToInt(design_.X), TruncToInt(design_.Y)),
                 EyeViewScale * std::min(TruncToInt(design_.Radius), 1000000)};
    ++Revision;
    CrossSectionPass();
}

void TForm3::CrossSectionPass() {
    design_.Shape = ScrollBar1.Position;
    design_.Position = ScrollBar2.Position;
    const EyeShapeResult r =
        ShapeEye(fish_, design_.X, design_.Y, design_.Radius, design_.Shape, design_.Position);
    design_.Bulge = r.Bulge;
    design_.Z = r.Z;
    Preview = {true, design_.Radius, r};
    ++Revision;
}

void TForm3::SetScrollBar1Position(int position) {
    position = std::clamp(position, ScrollBar1.Min, ScrollBar1.Max);
    if (position == ScrollBar1.Position) return;
    ScrollBar1.Position = position;
    ScrollBar1Change();
}

void TForm3::SetScrollBar2Position(int position) {
    position = std::clamp(position, ScrollBar2.Min, ScrollBar2.Max);
    if (position == ScrollBar2.Position) return;
    ScrollBar2.Position = position;
    ScrollBar2Change();
}

void TForm3::Button1Click() {
    Visible = false;
    design_.Shape = ScrollBar1.Position;
    design_.Position = ScrollBar2.Position;
    if (OnOk) OnOk(design_);
}

void TForm3::Button2Click() {
    Visible = false;
    if (OnCancel) OnCancel();
}

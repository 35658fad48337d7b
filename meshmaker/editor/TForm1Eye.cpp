// The eye tool, and what the eye designer's OK and Cancel do to the fish.

#include "TForm1.h"

#include "TForm3.h"

void TForm1::SpeedButton13Click() {
    // From the eye tool to the designer's OK (or Cancel) is one step.
    BeginTool(Tool::Eye);
    eyeSolidBeforeDesigner_ = Current().EyeSolid;
    Form3().Begin();
    Ui.Mode = Drawing(Tool::Eye);
    EditFish().EyeSolid = true;
}

void TForm1::ApplyEyeDesign(const EyeDesign& d) {
    History.Begin({UndoStep::PlaceEye});
    Fish& f = EditFish();
    Ui.Mode = Editing(Tool::None);
    f.EyeX = d.X;
    f.EyeY = d.Y;
    f.EyeZ = d.Z;
    f.EyeRadius = d.Radius;
    f.EyeBulge = d.Bulge;
    f.EyeShape = d.Shape;
    f.EyePosition = d.Position;
    f.EyeRearColour = d.RearColour;
    f.EyeSolid = true;
    f.EyeConfirmed = true;
}

void TForm1::CancelEyeDesign() {
    History.Begin({UndoStep::PlaceEye});
    Ui.Mode = Editing(Tool::None);
    EditFish().EyeSolid = eyeSolidBeforeDesigner_;
}

#pragma once
// The eye designer's logic: the magnified view around the eye centre, the
// radius pick, the rear colour, and the eye's shape and position sliders.
// It reads the picture and the fish and changes neither: OK hands the
// designed eye to whoever opened the designer, Cancel hands nothing.

#include "Controls.h"
#include "EditorPicture.h"
#include "EyeShape.h"
#include "Fish.h"

#include <QPoint>
#include <QRgb>

#include <functional>

// The eye as the designer shapes it.
struct EyeDesign {
    double X = 0, Y = 0; // the eye centre: follows the pointer until the eye is placed
    double Radius = 0;   // in picture pixels
    double Bulge = 0;    // how far the eye stands out, in picture pixels
    double Z = 0;        // depth of the eye centre
    int Shape = DefaultEyeShape, Position = DefaultEyePosition;
    QRgb RearColour = DefaultEyeRearColour;
};

// What the magnified view (Image1) shows: nothing yet, the neighbourhood of
// the pointer with a marker at its centre, or the neighbourhood of the
// placed eye with the picked rim.
struct EyeMagnifier {
    enum class Shows { Nothing, Pointer, Rim } What = Shows::Nothing;
    QPoint Centre;     // picture pixel at the view's centre
    int RimRadius = 0; // view pixels
};

// What the preview (Image2) shows: the last cross-section pass.
struct EyePreview {
    bool Drawn = false;
    double Radius = 0;
    EyeShapeResult Shape;
};

class TForm3 {
public:
    TForm3(const EditorPicture& picture, const Fish& fish);

    QString Caption;
    bool Visible = false;
    int ShowRequests = 0; // counts the requests to bring the window up
    QRect Bounds;         // outer frame; the window keeps it current

    Image Image1, Image2, Image3;
    ScrollBar ScrollBar1, ScrollBar2; // shape 1..30, position 0..300
    Button Button1, Button2;
    Label Label1, Label2, Label3;

    EyeMagnifier Magnifier;
    EyePreview Preview;
    int Revision = 0; // counts changes of what the three images show

    // Brought up by the eye tool on the fish's eye as it stands.
    void Begin();
    // Follows the pointer on the side view: the neighbourhood of (px, py).
    void ShowNeighbourhood(int px, int py);
    // The release on the side view fixes the eye centre.
    void PlaceEye(int px, int py);
    // Release on the magnified view: the right button picks the rear colour,
    // any other the radius.
    void Image1MouseUp(MouseButton button, int x, int y);
    void ScrollBar1Change() { CrossSectionPass(); }
    void ScrollBar2Change() { CrossSectionPass(); }
    void SetScrollBar1Position(int position);
    void SetScrollBar2Position(int position);
    void Button1Click(); // OK
    void Button2Click(); // Cancel

    // The eye as designed so far.
    const EyeDesign& Design() const { return design_; }
    const EditorPicture& Picture() const { return picture_; }

    // Who opened the designer hears of OK (with the eye) and of Cancel.
    std::function<void(const EyeDesign&)> OnOk;
    std::function<void()> OnCancel;

private:
    void PickRadius(int x, int y);
    void CrossSectionPass();

    const EditorPicture& picture_;
    const Fish& fish_;
    EyeDesign design_;
};

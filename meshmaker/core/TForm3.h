#pragma once
// The eye designer's logic: the magnified view around the eye centre, the
// radius pick, the rear colour, the eye's shape and depth sliders, and the
// body's cross-section through the eye that places the eye on the surface.

#include "Controls.h"

#include <QImage>

#include <array>

class TForm1;

class TForm3 {
public:
    explicit TForm3(TForm1& form1);

    QString Caption;
    bool Visible = false;
    int ShowRequests = 0; // counts the requests to bring the window up
    QRect Bounds;         // outer frame; the window keeps it current

    Image Image1, Image2, Image3;
    ScrollBar ScrollBar1, ScrollBar2;
    Button Button1, Button2;
    Label Label1, Label2, Label3;

    // What the three images show.
    QImage Image1Bitmap; // 200 x 200: 40 x 40 picture pixels around the eye, five times enlarged
    QImage Image2Bitmap; // 200 x 200: the eye's cross-section preview
    QImage Image3Bitmap; // 75 x 75: the colour of the back of the eye
    int Revision = 0;    // counts changes of the images

    double Radius = 0; // eye radius in picture pixels
    double Bulge = 0;  // how far the eye stands out, in picture pixels

    // The body's cross-section through the eye, rows 0..N: first in picture
    // pixels, after the pass relative to the eye centre.
    std::array<double, 41> EyeSectionZ{}, EyeSectionY{};

    // Follows the pointer on the side view: the neighbourhood of (px, py) with a centre marker.
    void ShowNeighbourhood(int px, int py);
    // Release on the magnified view: the right button picks the rear colour,
    // any other the radius.
    void Image1MouseUp(MouseButton button, int x, int y);
    void ScrollBar1Change() { CrossSectionPass(); }
    void ScrollBar2Change() { CrossSectionPass(); }
    void SetScrollBar1Position(int position);
    void SetScrollBar2Position(int position);
    void Button1Click(); // OK
    void Button2Click(); // Cancel

    // Bulge, EyeZ and the preview from the radius, the sliders and the body.
    void CrossSectionPass();

    QRgb SwatchColour() const { return Image3Bitmap.pixel(0, 0) & 0x00FFFFFFu; }

private:
    void CopyNeighbourhood(int cx, int cy);
    void PickRadius(int x, int y);
    void FillSwatch(QRgb colour);
    double EyeDepthOnSurface();

    TForm1& form1_;
};

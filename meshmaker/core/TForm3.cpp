#include "TForm3.h"

#include "Drawing.h"
#include "Numbers.h"
#include "Picture.h"
#include "TForm1.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ViewSize = 200; // the magnified view and the preview
constexpr int ViewScale = 5;  // screen pixels per picture pixel
constexpr int Centre = 100;   // the eye centre in both views
constexpr int SwatchSize = 75;

// Five screen pixels per picture pixel, truncated, kept far inside the int range.
int Scaled(double v) {
    return ViewScale * std::clamp(TruncToInt(v), -100000000, 100000000);
}

void Place(Control& c, int left, int top, int width, int height) {
    c.Geometry = QRect(left, top, width, height);
}

} // namespace

TForm3::TForm3(TForm1& form1) : form1_(form1) {
    Caption = QStringLiteral("Vantel's Pelagor 3D Fish Data Maker");
    Bounds = QRect(606, 275, 540, 334);
    Place(Image1, 0, 0, ViewSize, ViewSize);
    Place(Image2, 200, 0, ViewSize, ViewSize);
    Place(ScrollBar1, 200, 200, 200, 17);
    ScrollBar1.Min = 1, ScrollBar1.Max = 30, ScrollBar1.Position = 10;
    Place(Button1, 432, 16, 89, 25);
    Button1.Caption = QStringLiteral("OK");
    Place(Button2, 432, 56, 89, 25);
    Button2.Caption = QStringLiteral("Cancel");
    Place(ScrollBar2, 200, 240, 200, 17);
    ScrollBar2.Min = 0, ScrollBar2.Max = 300, ScrollBar2.Position = 100;
    Place(Image3, 8, 216, SwatchSize, SwatchSize);
    Place(Label1, 8, 304, 300, 12);
    Label1.Caption = QStringLiteral("左の画像部分を右クリックで眼の裏の色を決定");
    Place(Label2, 408, 200, 100, 12);
    Label2.Caption = QStringLiteral("眼の形を決める");
    Place(Label3, 408, 240, 100, 12);
    Label3.Caption = QStringLiteral("眼の位置を決める");

    Image1Bitmap = QImage(ViewSize, ViewSize, QImage::Format_RGB32);
    Image1Bitmap.fill(Qt::white);
    Image2Bitmap = QImage(ViewSize, ViewSize, QImage::Format_RGB32);
    Image2Bitmap.fill(Qt::white);
    Image3Bitmap = QImage(SwatchSize, SwatchSize, QImage::Format_RGB32);
    Image3Bitmap.fill(Qt::white);
}

// The 40 x 40 picture pixels around (cx, cy), five times enlarged; what lies
// outside the picture stays black.
void TForm3::CopyNeighbourhood(int cx, int cy) {
    const QImage& picture = form1_.State.PictureBitmap;
    Image1Bitmap.fill(Qt::black);
    if (picture.isNull()) return;
    for (int sy = 0; sy < ViewSize / ViewScale; ++sy) {
        const int y = cy - 20 + sy;
        if (y < 0 || y >= picture.height()) continue;
        for (int sx = 0; sx < ViewSize / ViewScale; ++sx) {
            const int x = cx - 20 + sx;
            if (x < 0 || x >= picture.width()) continue;
            const QRgb c = RgbAt(picture, x, y) | 0xFF000000u;
            for (int dy = 0; dy < ViewScale; ++dy) {
                auto* line = reinterpret_cast<QRgb*>(Image1Bitmap.scanLine(sy * ViewScale + dy));
                std::fill_n(line + sx * ViewScale, ViewScale, c);
            }
        }
    }
}

void TForm3::ShowNeighbourhood(int px, int py) {
    CopyNeighbourhood(px, py);
    QPainter p(&Image1Bitmap);
    PreparePainter(p);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    DrawEllipseBox(p, 95, 95, 105, 105); // a black disc with a white rim marks the centre
    ++Revision;
}

void TForm3::Image1MouseUp(MouseButton button, int x, int y) {
    if (button == MouseButton::Right) {
        if (Image1Bitmap.rect().contains(x, y)) FillSwatch(Image1Bitmap.pixel(x, y));
        return;
    }
    PickRadius(x, y);
}

void TForm3::FillSwatch(QRgb colour) {
    Image3Bitmap.fill(QColor::fromRgb(colour | 0xFF000000u));
    ++Revision;
}

void TForm3::PickRadius(int x, int y) {
    const EditorState& s = form1_.State;
    CopyNeighbourhood(TruncToInt(s.EyeX), TruncToInt(s.EyeY));

    const int dx = (x - Centre) / ViewScale, dy = (y - Centre) / ViewScale;
    Radius = std::sqrt(double(dx) * dx + double(dy) * dy);

    // The rear colour starts as the picture pixel just below the eye's rim.
    if (s.HasPicture()) {
        const int px = std::clamp(TruncToInt(s.EyeX), 0, s.PicMaxX);
        const int py =
            std::clamp(std::min(TruncToInt(s.EyeY + Radius + 1), s.PicMaxY - 1), 0, s.PicMaxY);
        FillSwatch(RgbAt(s.PictureBitmap, px, py));
    }
    Bulge = ScrollBar1.Position * Radius / 20;

    // The rim as three rings, black, white, black, visible on any background.
    const int r5 = ViewScale * std::min(TruncToInt(Radius), 1000000);
    QPainter p(&Image1Bitmap);
    PreparePainter(p);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    DrawEllipseBox(p, 95, 95, 105, 105);
    p.setBrush(Qt::NoBrush);
    DrawEllipseBox(p, Centre - r5, Centre - r5, Centre + r5, Centre + r5);
    p.setPen(QPen(Qt::white, 1));
    DrawEllipseBox(p, 95, 95, 105, 105);
    DrawEllipseBox(p, Centre - r5 + 1, Centre - r5 + 1, Centre + r5 - 1, Centre + r5 - 1);
    p.setPen(QPen(Qt::black, 1));
    DrawEllipseBox(p, Centre - r5 + 2, Centre - r5 + 2, Centre + r5 - 2, Centre + r5 - 2);
    p.end();
    ++Revision;
    CrossSectionPass();
}

// The body's depth at the eye centre, from the front section scaled to the
// body's height at the eye's x. Fills EyeSectionY and EyeSectionZ in picture
// pixels.
double TForm3::EyeDepthOnSurface() {
    const EditorState& s = form1_.State;
    const int n = std::clamp(s.N(), 0, MaxDivisions);
    const int c = std::min(s.BodyColumns(), BodyMaxColumns);
    auto height = [&](int k) { return s.BodyY[2 * k + 1] - s.BodyY[2 * k]; };

    double h = 0, top = 0;
    if (c == 1) {
        h = height(0);
        top = s.BodyY[0];
    } else if (c >= 2) {
        int i = c;
        for (int k = 0; k < c; ++k)
            if (s.BodyX[2 * k] > s.EyeX) {
                i = k;
                break;
            }
        // At or behind the last column the last two columns are used, and the
        // eye takes the last column's values.
        i = std::clamp(i, 1, c - 1);
        const double x0 = s.BodyX[2 * i - 2], x1 = s.BodyX[2 * i];
        const double f =
            x1 == x0 ? (s.EyeX >= x1 ? 1.0 : 0.0) : std::clamp((s.EyeX - x0) / (x1 - x0), 0.0, 1.0);
        h = height(i - 1) + (height(i) - height(i - 1)) * f;
        top = s.BodyY[2 * i - 2] + (s.BodyY[2 * i] - s.BodyY[2 * i - 2]) * f;
    }

    const double span = s.SectionY[n] - s.SectionY[0];
    EyeSectionY[0] = top;
    EyeSectionZ[0] = 0;
    for (int j = 1; j <= n; ++j) {
        EyeSectionZ[j] = RatioOrZero(s.SectionZ[j] * h, span);
        EyeSectionY[j] =
            EyeSectionY[j - 1] + RatioOrZero((s.SectionY[j] - s.SectionY[j - 1]) * h, span);
    }

    int k = -1;
    for (int j = 0; j <= n; ++j)
        if (EyeSectionY[j] > s.EyeY) {
            k = j;
            break;
        }
    if (k == 0) return EyeSectionZ[0]; // above the upper outline: the top row
    if (k < 0) return EyeSectionZ[n];  // at or below the lower outline: the bottom row
    return EyeSectionZ[k - 1] +
           RatioOrZero((EyeSectionZ[k] - EyeSectionZ[k - 1]) * (s.EyeY - EyeSectionY[k - 1]),
                       EyeSectionY[k] - EyeSectionY[k - 1]);
}

void TForm3::CrossSectionPass() {
    EditorState& s = form1_.State;
    const int n = std::clamp(s.N(), 0, MaxDivisions);
    Bulge = ScrollBar1.Position * Radius / 20;

    double z = EyeDepthOnSurface();
    z = z + (ScrollBar2.Position - 100) * z / 100;
    s.EyeZ = z;
    for (int j = 0; j <= n; ++j) {
        EyeSectionY[j] -= s.EyeY;
        EyeSectionZ[j] -= s.EyeZ;
    }

    // Preview: the eye's outward half, the lines that join its rim to the
    // body's middle plane, and the body's cross-section in silver.
    Image2Bitmap.fill(Qt::white);
    QPainter p(&Image2Bitmap);
    PreparePainter(p);
    const int b5 = Scaled(Bulge), r5 = Scaled(Radius);
    p.setBrush(Qt::white);
    DrawEllipseBox(p, Centre - b5, Centre - r5, Centre + b5, Centre + r5);
    FillBox(p, Centre - b5, Centre - r5, 99, Centre + r5, Qt::white);
    const int xm = Centre + Scaled(-s.EyeZ);
    const int top = Centre + TruncToInt(std::clamp(ViewScale * EyeSectionY[0], -1e8, 1e8));
    const int y0 = Centre - r5 < top ? Centre : Centre - r5;
    p.drawLine(xm, y0, Centre, Centre - r5);
    p.drawLine(xm, Centre + r5, Centre, Centre + r5);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    QPolygon outline;
    for (int j = 0; j <= n; ++j)
        outline << QPoint(Centre + TruncToInt(std::clamp(ViewScale * EyeSectionZ[j], -1e8, 1e8)),
                          Centre + TruncToInt(std::clamp(ViewScale * EyeSectionY[j], -1e8, 1e8)));
    p.drawPolyline(outline);
    p.end();
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
    EditorState& s = form1_.State;
    s.ToolMode = ModeNone;
    s.EyeRadius = Radius;
    s.EyeBulge = Bulge;
    Visible = false;
    s.EyeSolid = true;
    form1_.CheckBox9.Checked = true;
}

void TForm3::Button2Click() {
    EditorState& s = form1_.State;
    s.ToolMode = ModeNone;
    Visible = false;
    s.EyeSolid = false;
    form1_.CheckBox9.Checked = false;
}

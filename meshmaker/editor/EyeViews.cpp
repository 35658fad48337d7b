// The eye designer's three images, drawn from TForm3's records; the designer's
// window (gui/EyeDesignerWindow) paints them and TForm3 sizes them.

#include "EyeViews.h"

#include "Drawing.h"
#include "Numbers.h"
#include "PixelRules.h"
#include "TForm3.h"

#include <algorithm>

namespace {

constexpr int Centre = EyeViewSize / 2; // the eye centre in both views

// Five view pixels per picture pixel, truncated, kept far inside the int range.
int Scaled(double v) {
    return EyeViewScale * std::clamp(TruncToInt(v), -100000000, 100000000);
}

int ToView(double v) {
    return Centre + TruncToInt(std::clamp(EyeViewScale * v, -1e8, 1e8));
}

// The picture pixels around (cx, cy), enlarged; what lies outside the
// picture stays black.
void CopyNeighbourhood(QImage& out, const EditorPicture& p, QPoint c) {
    out.fill(Qt::black);
    if (!p.HasPicture()) return;
    const int half = EyeViewSize / EyeViewScale / 2;
    for (int sy = 0; sy < EyeViewSize / EyeViewScale; ++sy) {
        const int y = c.y() - half + sy;
        if (y < 0 || y >= p.PictureBitmap.height()) continue;
        for (int sx = 0; sx < EyeViewSize / EyeViewScale; ++sx) {
            const int x = c.x() - half + sx;
            if (x < 0 || x >= p.PictureBitmap.width()) continue;
            const QRgb colour = RgbAt(p.PictureBitmap, x, y) | 0xFF000000u;
            for (int dy = 0; dy < EyeViewScale; ++dy) {
                auto* line = reinterpret_cast<QRgb*>(out.scanLine(sy * EyeViewScale + dy));
                std::fill_n(line + sx * EyeViewScale, EyeViewScale, colour);
            }
        }
    }
}

} // namespace

QImage RenderEyeMagnifier(const TForm3& form) {
    QImage out(EyeViewSize, EyeViewSize, QImage::Format_RGB32);
    const EyeMagnifier& m = form.Magnifier;
    if (m.What == EyeMagnifier::Shows::Nothing) {
        out.fill(Qt::white);
        return out;
    }
    CopyNeighbourhood(out, form.Picture(), m.Centre);
    QPainter p(&out);
    PreparePainter(p);
    if (m.What == EyeMagnifier::Shows::Pointer) {
        // A black disc with a white rim marks the centre.
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        DrawEllipseBox(p, 95, 95, 105, 105);
        return out;
    }
    // The rim as three rings, black, white, black, visible on any background.
    const int r = m.RimRadius;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    DrawEllipseBox(p, 95, 95, 105, 105);
    p.setBrush(Qt::NoBrush);
    DrawEllipseBox(p, Centre - r, Centre - r, Centre + r, Centre + r);
    p.setPen(QPen(Qt::white, 1));
    DrawEllipseBox(p, 95, 95, 105, 105);
    DrawEllipseBox(p, Centre - r + 1, Centre - r + 1, Centre + r - 1, Centre + r - 1);
    p.setPen(QPen(Qt::black, 1));
    DrawEllipseBox(p, Centre - r + 2, Centre - r + 2, Centre + r - 2, Centre + r - 2);
    return out;
}

QImage RenderEyePreview(const TForm3& form) {
    QImage out(EyeViewSize, EyeViewSize, QImage::Format_RGB32);
    out.fill(Qt::white);
    const EyePreview& v = form.Preview;
    if (!v.Drawn) return out;
    const EyeShapeResult& s = v.Shape;
    QPainter p(&out);
    PreparePainter(p);
    const int b5 = Scaled(s.Bulge), r5 = Scaled(v.Radius);
    p.setBrush(Qt::white);
    DrawEllipseBox(p, Centre - b5, Centre - r5, Centre + b5, Centre + r5);
    FillBox(p, Centre - b5, Centre - r5, 99, Centre + r5, Qt::white);
    const int xm = Centre + Scaled(-s.Z);
    const int top = ToView(s.SectionY[0]);
    const int y0 = Centre - r5 < top ? Centre : Centre - r5;
    p.drawLine(xm, y0, Centre, Centre - r5);
    p.drawLine(xm, Centre + r5, Centre, Centre + r5);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    QPolygon outline;
    for (int j = 0; j <= s.Rows; ++j)
        outline << QPoint(ToView(s.SectionZ[j]), ToView(s.SectionY[j]));
    p.drawPolyline(outline);
    return out;
}

QImage RenderEyeSwatch(const TForm3& form) {
    QImage out(EyeSwatchSize, EyeSwatchSize, QImage::Format_RGB32);
    out.fill(QColor::fromRgb(form.Design().RearColour | 0xFF000000u));
    return out;
}

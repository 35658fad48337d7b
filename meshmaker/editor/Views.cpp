// Rendering of the side, front and top views from TForm1's records, a
// rectangle at a time; the main window's view widgets and the tests call it.

#include "Views.h"

#include "Drawing.h"
#include "Numbers.h"
#include "Picture.h"
#include "TForm1.h"
#include "ViewGeometry.h"

#include <algorithm>
#include <cstring>

namespace {

// The points that cannot be picked are drawn grey: those of the fins that
// lie on the body outline.
bool IsGreyPoint(Tool tool, int i) {
    return !RowOf(tool).Pick.Takes(i);
}

QPoint ViewPoint(double x, double y, int zoom) {
    return {Nearest(x) * zoom, Nearest(y) * zoom};
}

void DrawPectoralTriangle(QPainter& p, const Fish& s, int m, int zoom, int r) {
    m = std::min(m, 2);
    for (int i = 0; i <= m; ++i) {
        const QPoint c = ViewPoint(s.PectoralX[i], s.PectoralY[i], zoom);
        DrawMarker(p, c.x(), c.y(), r, Qt::black, Qt::white);
    }
    p.setPen(QPen(Qt::white, 1));
    for (int i = 1; i <= m; ++i)
        p.drawLine(ViewPoint(s.PectoralX[i - 1], s.PectoralY[i - 1], zoom),
                   ViewPoint(s.PectoralX[i], s.PectoralY[i], zoom));
    if (m == 2)
        p.drawLine(ViewPoint(s.PectoralX[2], s.PectoralY[2], zoom),
                   ViewPoint(s.PectoralX[0], s.PectoralY[0], zoom));
}

QImage BlankView(const QRect& viewRect) {
    QImage out(std::max(viewRect.width(), 0), std::max(viewRect.height(), 0), QImage::Format_RGB32);
    out.fill(Qt::white);
    return out;
}

// A handle of the front and top views at a real position (depth or x, y).
QPoint HandlePoint(double a, double b, int zoom) {
    return {Nearest(zoom * a), Nearest(zoom * b)};
}

// The eye on the side view, as the designer draws its rim: three rings,
// black, white and black, visible on any colour, and a black disc with a
// white rim at the centre.
void DrawEye(QPainter& p, const EyeMark& eye, int zoom) {
    const QPoint c = ViewPoint(eye.X, eye.Y, zoom);
    const int r = std::clamp(Nearest(eye.Radius * zoom), 0, 1 << 20);
    p.setBrush(Qt::NoBrush);
    if (r > 2) {
        const std::pair<int, QColor> rings[] = {{0, Qt::black}, {1, Qt::white}, {2, Qt::black}};
        for (auto [inset, colour] : rings) {
            p.setPen(QPen(colour, 1));
            DrawEllipseBox(p, c.x() - r + inset, c.y() - r + inset, c.x() + r - inset,
                           c.y() + r - inset);
        }
    }
    DrawMarker(p, c.x(), c.y(), 2, Qt::white, Qt::black);
}

// The rectangle being dragged, from the pressed corner to the pointer: a
// black line with a white one inside it.
void DrawBand(QPainter& p, const BandMark& band, int zoom) {
    const QPoint a = band.From * zoom, b = band.To * zoom;
    const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (r.width() > 2 && r.height() > 2) {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void DrawMark(QPainter& p, const std::optional<ViewMark>& mark, QColor outline) {
    if (mark)
        DrawMarker(p, mark->Centre.x(), mark->Centre.y(), mark->Radius, outline,
                   QColor::fromRgb(MarkerRed));
}

// The checkerboard that stands for a transparent picture's background in
// the side view, as image editors show it: quiet greys in squares of a fixed
// size on the screen, dimmed where the picture is.
constexpr int TransparencySquare = 8;
constexpr QRgb TransparencyLight = 0xFFEEEEEEu, TransparencyDark = 0xFFD2D2D2u;

// Over the enlarged picture in out (the view pixels of viewRect, the picture
// covering area of it): every pixel of the background key becomes the
// checkerboard. The key stays what the picture holds and the tools compare.
void DrawTransparency(const EditorPicture& s, int z, const QRect& viewRect, const QRect& area,
                      int dimFrom, int dimTo, QImage& out) {
    const QRgb key = RgbAt(s.PictureBitmap, 0, 0);
    for (int vy = area.top(); vy <= area.bottom(); ++vy) {
        const int sy = vy / z;
        const auto* bright = reinterpret_cast<const QRgb*>(s.PictureBitmap.constScanLine(sy));
        const auto* dim = reinterpret_cast<const QRgb*>(s.DimmedBitmap.constScanLine(sy));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(vy - viewRect.top())) - viewRect.left();
        for (int vx = area.left(); vx <= area.right(); ++vx) {
            const int sx = vx / z;
            if ((bright[sx] & RGB_MASK) != key) continue;
            const bool light = (vx / TransparencySquare + vy / TransparencySquare) % 2 == 0;
            const QRgb c = light ? TransparencyLight : TransparencyDark;
            // Dimmed as the picture's copy is, which leaves its last row and column.
            const bool dimmed = sx >= dimFrom && sx < dimTo && dim[sx] != bright[sx];
            line[vx] = dimmed ? qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2) : c;
        }
    }
}

} // namespace

void DrawColumnPairList(QPainter& p, const double* xs, const double* ys, int last, Tool tool,
                        int zoom) {
    const int r = MarkerRadius(zoom);
    for (int i = 0; i <= last; ++i) {
        const QPoint c = ViewPoint(xs[i], ys[i], zoom);
        DrawMarker(p, c.x(), c.y(), r, Qt::black,
                   QColor::fromRgb(IsGreyPoint(tool, i) ? MarkerGrey : MarkerWhite));
    }
    p.setPen(QPen(Qt::white, 1));
    for (int i = 0; i <= last - 2; ++i)
        p.drawLine(ViewPoint(xs[i], ys[i], zoom), ViewPoint(xs[i + 2], ys[i + 2], zoom));
    if (RowOf(tool).ClosesOnBody && last >= 1)
        p.drawLine(ViewPoint(xs[last], ys[last], zoom),
                   ViewPoint(xs[last - 1], ys[last - 1], zoom));
}

void DrawEnlargedPicture(const TForm1& form, const QRect& viewRect, QImage& out) {
    const EditorPicture& s = form.Picture;
    const int z = form.Ui.Zoom;
    if (z < 1 || !s.HasPicture() || s.DimmedBitmap.size() != s.PictureBitmap.size()) return;
    const QRect area = viewRect.intersected(QRect(0, 0, s.PicMaxX * z, s.PicMaxY * z));
    if (area.isEmpty()) return;
    // The dimmed part: right of the tail position for the body, left of it for the tail.
    int dimFrom = s.PicMaxX, dimTo = s.PicMaxX;
    if (form.SideViewMode == Editing(Tool::Body)) dimFrom = form.SideViewTail, dimTo = s.PicMaxX;
    if (form.SideViewMode == Editing(Tool::Tail)) dimFrom = 0, dimTo = form.SideViewTail;

    const int outX = area.left() - viewRect.left();
    const int width = area.width();
    const int firstSource = area.left() / z, lastSource = area.right() / z;
    int lastSourceRow = -1;
    const QRgb* lastLine = nullptr;
    for (int vy = area.top(); vy <= area.bottom(); ++vy) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(vy - viewRect.top())) + outX;
        const int sy = vy / z;
        if (sy == lastSourceRow) { // the rows of one picture row are alike
            std::memcpy(line, lastLine, size_t(width) * sizeof(QRgb));
            continue;
        }
        const auto* bright = reinterpret_cast<const QRgb*>(s.PictureBitmap.constScanLine(sy));
        const auto* dim = reinterpret_cast<const QRgb*>(s.DimmedBitmap.constScanLine(sy));
        if (z == 1) {
            // Whole runs of one source copied at once.
            for (int sx = firstSource; sx <= lastSource;) {
                const bool dimmed = sx >= dimFrom && sx < dimTo;
                const int runEnd = std::min(
                    lastSource + 1, dimmed ? dimTo : (sx < dimFrom ? dimFrom : lastSource + 1));
                std::memcpy(line + (sx - firstSource), (dimmed ? dim : bright) + sx,
                            size_t(runEnd - sx) * sizeof(QRgb));
                sx = runEnd;
            }
        } else {
            // Each picture pixel becomes z view pixels; the first and last
            // may be cut by the rectangle.
            QRgb* o = line;
            auto colour = [&](int sx) {
                return sx >= dimFrom && sx < dimTo ? dim[sx] : bright[sx];
            };
            const int headEnd = std::min((firstSource + 1) * z, area.right() + 1);
            o = std::fill_n(o, headEnd - area.left(), colour(firstSource));
            const int lastWhole = (area.right() + 1) / z - 1; // the last picture pixel shown whole
            if (z == 2) {
                for (int sx = firstSource + 1; sx <= lastWhole; ++sx) {
                    const QRgb c = colour(sx);
                    o[0] = c;
                    o[1] = c;
                    o += 2;
                }
            } else {
                for (int sx = firstSource + 1; sx <= lastWhole; ++sx)
                    o = std::fill_n(o, z, colour(sx));
            }
            const int tailFrom = std::max(lastWhole + 1, firstSource + 1) * z;
            if (tailFrom <= area.right())
                std::fill_n(o, area.right() + 1 - tailFrom, colour(tailFrom / z));
        }
        lastSourceRow = sy;
        lastLine = line;
    }
    if (s.Keyed) DrawTransparency(s, z, viewRect, area, dimFrom, dimTo, out);
}

QImage RenderSideView(const TForm1& form, const QRect& viewRect) {
    const EditorPicture& pic = form.Picture;
    const Fish& s = form.Current();
    const int z = form.Ui.Zoom;
    const QRect picture(0, 0, pic.PicMaxX * z, pic.PicMaxY * z);
    // Only what the picture does not cover is cleared first.
    QImage out(std::max(viewRect.width(), 0), std::max(viewRect.height(), 0), QImage::Format_RGB32);
    if (out.isNull()) return out;
    if (!pic.HasPicture() || z < 1 || !picture.contains(viewRect)) out.fill(Qt::white);
    DrawEnlargedPicture(form, viewRect, out);
    if (z < 1 || !pic.HasPicture()) return out;

    QPainter p(&out);
    PreparePainter(p);
    p.translate(-viewRect.topLeft());
    // The points of the tool the view was drawn for; none while a part is
    // drawn anew, but the pectoral corners placed so far.
    const ToolMode mode = form.SideViewMode;
    const ToolRow& tool = RowOf(mode.Tool);
    if (mode.Tool == Tool::Pectoral) {
        DrawPectoralTriangle(p, s, mode.Drawing() ? form.Ui.PectoralClicks - 1 : 2, z,
                             form.MarkerRadius());
    } else if (!mode.Drawing() && tool.Pick.Stride > 0) {
        const auto list = PointsOf(s, tool.Part);
        DrawColumnPairList(p, list.X, list.Y, list.Last, mode.Tool, z);
    }
    if (form.SideEye) DrawEye(p, *form.SideEye, z);
    if (form.SideBand) DrawBand(p, *form.SideBand, z);
    DrawMark(p, form.SideMark, Qt::white);
    return out;
}

QImage RenderFrontView(const TForm1& form, const QRect& viewRect) {
    QImage out = BlankView(viewRect);
    const Fish& s = form.Current();
    const int z = form.Ui.Zoom, r = form.MarkerRadius();
    if (out.isNull() || z < 1) return out;
    QPainter p(&out);
    PreparePainter(p);
    p.translate(-viewRect.topLeft());
    const int n = std::clamp(s.N(), 0, MaxDivisions);

    for (int j = 0; j <= n; ++j) {
        const QPoint c = HandlePoint(s.SectionZ[j], s.SectionY[j], z);
        DrawMarker(p, c.x(), c.y(), r, Qt::black, Qt::black);
    }
    p.setPen(QPen(Qt::black, 1));
    for (int j = 1; j <= n; ++j)
        p.drawLine(HandlePoint(s.SectionZ[j - 1], s.SectionY[j - 1], z),
                   HandlePoint(s.SectionZ[j], s.SectionY[j], z));

    const int high = std::clamp(s.VentralHighIndex, 0, StripCapacity - 1);
    const int low = std::clamp(s.VentralLowIndex, 0, StripCapacity - 1);
    const QPoint hp = HandlePoint(s.VentralZ[high], s.VentralY[high], z);
    const QPoint lp = HandlePoint(s.VentralZ[low], s.VentralY[low], z);
    DrawMarker(p, hp.x(), hp.y(), r, Qt::black, Qt::white);
    p.drawLine(hp, lp);
    DrawMarker(p, lp.x(), lp.y(), r, Qt::black, Qt::black);

    QPolygon triangle;
    for (int k = 0; k < 3; ++k) {
        const QPoint c = HandlePoint(s.PectoralZ[k], s.PectoralY[k], z);
        DrawMarker(p, c.x(), c.y(), r, Qt::black, Qt::black);
        triangle << c;
    }
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(triangle);
    DrawMark(p, form.FrontMark, Qt::black);
    return out;
}

QImage RenderTopView(const TForm1& form, const QRect& viewRect) {
    QImage out = BlankView(viewRect);
    const Fish& s = form.Current();
    const int z = form.Ui.Zoom, r = form.MarkerRadius();
    if (out.isNull() || z < 1 || !s.TopViewOn) return out;
    QPainter p(&out);
    PreparePainter(p);
    p.translate(-viewRect.topLeft());
    const int nc = std::min(s.BodyColumns(), TopCapacity);
    for (int i = 0; i < nc; ++i) {
        const QPoint c = HandlePoint(s.TopX[i], s.TopW[i], z);
        DrawMarker(p, c.x(), c.y(), r, Qt::black, i == s.TopPeakIndex ? Qt::white : Qt::black);
    }
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i + 1 < nc; ++i)
        p.drawLine(HandlePoint(s.TopX[i], s.TopW[i], z),
                   HandlePoint(s.TopX[i + 1], s.TopW[i + 1], z));
    DrawMark(p, form.TopMark, Qt::black);
    return out;
}

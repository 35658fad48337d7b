// Zoom, the layout of the three views, and their redraws.

#include "TForm1.h"

#include "Texts.h"

#include <algorithm>

void TForm1::SpeedButton2Click() {
    SetZoom(std::clamp(2 * Ui.Zoom, 1, 8));
}

void TForm1::SpeedButton3Click() {
    SetZoom(std::max(Ui.Zoom / 2, 1));
}

void TForm1::SetZoom(int zoom) {
    Ui.Zoom = zoom;
    RebuildViews();
}

void TForm1::RebuildViews() {
    const int z = Ui.Zoom;
    const int e = TailPosition();
    Image1.Geometry =
        QRect(0, ToolPanelHeight + ScrollBar1Height + 10, Picture.PicMaxX * z, Picture.PicMaxY * z);
    const int w1 = Image1.Geometry.width(), h1 = Image1.Geometry.height();
    const int w2 = std::max((3 * h1) / 2, w1 / 2);
    Image2.Geometry = QRect(w1, ToolPanelHeight + ScrollBar2Height + 10, w2, h1);
    Image3.Geometry = QRect(0, ToolPanelHeight + ScrollBar1Height + h1 + 15, e * z, w2);
    // Each scroll bar leaves the right end of its place to its value.
    auto barWidth = [](int width) { return std::max(width - ScrollValueWidth, 0); };
    ScrollBar1.Geometry = QRect(0, ToolPanelHeight, barWidth(w1), ScrollBar1Height);
    ScrollBar1.Visible = true;
    ScrollBar2.Geometry = QRect(w1, ToolPanelHeight, barWidth(w2), ScrollBar2Height);
    ScrollBar4.Geometry = QRect(0, Image3.Geometry.top() + Image3.Geometry.height(),
                                barWidth(Image3.Geometry.width()), ScrollBar4.Geometry.height());
    const std::pair<const ScrollBar*, Label*> values[] = {
        {&ScrollBar1, &TailValue}, {&ScrollBar2, &ThicknessValue}, {&ScrollBar4, &PeakValue}};
    for (auto [bar, value] : values)
        value->Geometry = QRect(bar->Geometry.right() + 5, bar->Geometry.top(),
                                ScrollValueWidth - 4, bar->Geometry.height());
    RedrawSideView();
    DrawFrontView();
    DrawTopView();
    Label1.Caption = Texts::ZoomLabel().arg(z);
}

void TForm1::RedrawSideView() {
    SideViewMode = Ui.Mode;
    SideViewTail = TailPosition();
    SideMark.reset();
    ++SideViewRevision;
}

void TForm1::DrawFrontView() {
    FrontMark.reset();
    ++FrontViewRevision;
}

void TForm1::DrawTopView() {
    TopMark.reset();
    ++TopViewRevision;
}

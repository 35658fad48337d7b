#pragma once
// The dialogs' font, "ＭＳ Ｐゴシック" at 9 points (12 pixels at 96 dpi), or the
// nearest the machine has (IPAPGothic on Debian), and the dialog units that
// follow from it.

#include <QFont>
#include <QRect>
#include <QSize>

QFont DialogFont();

// Dialog units of a font, by the rule of dialog templates: the horizontal
// base is the average width of the 52 letters A-Z a-z, the vertical base the
// font's height; x pixels = units * baseX / 4, y pixels = units * baseY / 8.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }
    int X(int units) const;
    int Y(int units) const;
    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

private:
    int baseX_;
    int baseY_;
};

// The dialogs' font and the dialog units that follow from it, for the
// archiver's windows.

#include "DialogFont.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// a * b / c rounded to the nearest, halves away from zero, as dialog
// templates are converted.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

} // namespace

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic")});
    font.setPixelSize(12);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return MulDiv(units, baseX_, 4);
}
int DialogUnits::Y(int units) const {
    return MulDiv(units, baseY_, 8);
}

QRect DialogUnits::ToPixels(const QRect& units) const {
    return QRect(X(units.x()), Y(units.y()), X(units.width()), Y(units.height()));
}

QSize DialogUnits::ToPixels(const QSize& units) const {
    return QSize(X(units.width()), Y(units.height()));
}

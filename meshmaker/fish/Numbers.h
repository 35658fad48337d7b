#pragma once
// The editor's number rules: reals are rounded to the nearest integer with
// halves to even whenever they meet a pixel position; truncation toward zero
// where a value is cut; no division ever yields NaN or infinity. Every room
// above the fish counts by them.

#include <QString>

#include <cmath>
#include <limits>
#include <optional>

// Nearest integer, halves to even (the default rounding mode).
inline int Nearest(double v) {
    const double r = std::nearbyint(v);
    if (!(r > -2147483648.0)) return std::numeric_limits<int>::min(); // also NaN
    if (r > 2147483647.0) return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

// Truncation toward zero, saturated to the int range.
inline int TruncToInt(double v) {
    if (!(v > -2147483648.0)) return std::numeric_limits<int>::min();
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

// num / den, or 0 where the denominator is 0 (the formulas' 0/0 cases) and
// where the quotient would not be a finite number (a tiny denominator under
// values that no tracing makes, as a hand-edited session can hold).
inline double RatioOrZero(double num, double den) {
    if (den == 0.0) return 0.0;
    const double q = num / den;
    return std::isfinite(q) ? q : 0.0;
}

// A field's text as a decimal integer: optional blanks around, an optional
// sign, digits; nothing else, and within the 32-bit range.
inline std::optional<int> ParseDecimal(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

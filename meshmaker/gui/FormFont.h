#pragma once
// The windows' font: the Japanese proportional Gothic, or the nearest the
// machine has (IPAPGothic on Debian), for every window of the editor.

#include <QFont>

inline QFont FormFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic")});
    font.setPixelSize(pixelSize);
    return font;
}

// The one font of the program's windows and drawings: the family list that finds a
// Japanese face with the same metrics wherever the first one is missing.
#pragma once

#include <QFont>
#include <QStringList>

inline QFont JapaneseFont(int pixelSize = 12) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    return font;
}

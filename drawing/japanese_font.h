// The one font of the program's windows and drawings: the family list that finds a
// Japanese face with the same metrics wherever the first one is missing.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

// The families in order of preference.
inline QStringList JapaneseFamilyList() {
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}

// The first family of the list that is installed, on its own; the whole list when none
// is. Asking for an installed family spares the font system from looking up each
// missing one before it, for every size the program uses.
inline QStringList JapaneseFamilies() {
    static const QStringList families = [] {
        const QStringList preferred = JapaneseFamilyList();
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : preferred)
            if (installed.contains(family, Qt::CaseInsensitive)) return QStringList{family};
        return preferred;
    }();
    return families;
}

inline QFont JapaneseFont(int pixelSize = 12) {
    QFont font;
    font.setFamilies(JapaneseFamilies());
    font.setPixelSize(pixelSize);
    return font;
}

// Texts of the core as texts of the controls: the core speaks UTF-8 Japanese and the
// program's two number formats (core/base/number_text.h); the controls take QString in
// the program's language (a text the core marked with TS_TEXT is looked up in the catalogue).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "core/base/composed_text.h"
#include "core/base/number_text.h"
#include "drawing/report_words.h"

inline QString WindowText(const std::string& utf8) {
    return QCoreApplication::translate("torsion", utf8.c_str());
}
inline QString WindowText(const char* utf8) {
    return QCoreApplication::translate("torsion", utf8);
}

// A composed text in the program's language.
inline QString WindowText(const torsion::ComposedText& text) {
    return FilledText(text, [](const char* pattern, const char* note) {
        return QCoreApplication::translate("torsion", pattern, note);
    });
}
// A number in the full format (15 digits) or the short format (4 digits).
inline QString FullNumberText(double value) {
    return QString::fromStdString(torsion::FormatFull(value));
}
inline QString ShortNumberText(double value) {
    return QString::fromStdString(torsion::FormatShort(value));
}

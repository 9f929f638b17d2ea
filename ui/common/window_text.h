// Texts of the core as texts of the controls: the core speaks UTF-8 Japanese and the
// program's two number formats (core/base/number_text.h); the controls take QString in
// the program's language (a text the core marked with TS_TEXT is looked up in the catalogue).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

#include "core/base/composed_text.h"
#include "core/base/number_text.h"

inline QString WindowText(const std::string& utf8) {
    return QCoreApplication::translate("torsion", utf8.c_str());
}
inline QString WindowText(const char* utf8) {
    return QCoreApplication::translate("torsion", utf8);
}

// A composed text of the core with its pattern (and every argument that is a catalogue text)
// looked up by lookup(const char*) -> QString; numbers and other verbatim arguments stay.
template <typename Lookup>
QString FilledText(const torsion::ComposedText& text, const Lookup& lookup) {
    if (text.IsVerbatim()) return QString::fromStdString(text.verbatim());
    const QString pattern = lookup(text.pattern());
    if (text.arguments().empty()) return pattern;
    std::vector<std::string> arguments;
    arguments.reserve(text.arguments().size());
    for (const torsion::ComposedText& a : text.arguments())
        arguments.push_back(FilledText(a, lookup).toStdString());
    return QString::fromStdString(torsion::FillPattern(pattern.toStdString(), arguments));
}

// A composed text in the program's language.
inline QString WindowText(const torsion::ComposedText& text) {
    return FilledText(text,
                      [](const char* pattern) { return QCoreApplication::translate("torsion", pattern); });
}
// A number in the full format (15 digits) or the short format (4 digits).
inline QString FullNumberText(double value) {
    return QString::fromStdString(torsion::FormatFull(value));
}
inline QString ShortNumberText(double value) {
    return QString::fromStdString(torsion::FormatShort(value));
}

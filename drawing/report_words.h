// A composed text of the core (core/base/composed_text.h) as a QString: its pattern, and
// every argument that is a catalogue text, looked up by lookup(const char* text, const char*
// note) -> QString (note: the entry's disambiguation, or null);
// numbers, units and other verbatim arguments stay as the core wrote them. The window
// (WindowText) and the report (its own language) share it.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/base/composed_text.h"

// The words a painter writes (a diagram's axis labels) in the reader's language: looked up by
// words(context, text) when given (the report's own language), else in the program's.
using PainterWords = std::function<QString(const char* context, const char* text)>;
inline QString PainterWord(const PainterWords& words, const char* context, const char* text) {
    return words ? words(context, text) : QCoreApplication::translate(context, text);
}

template <typename Lookup>
QString FilledText(const torsion::ComposedText& text, const Lookup& lookup) {
    if (text.IsVerbatim()) return QString::fromStdString(text.verbatim());
    const QString pattern = lookup(text.pattern(), text.note());
    if (text.arguments().empty()) return pattern;
    std::vector<std::string> arguments;
    arguments.reserve(text.arguments().size());
    for (const torsion::ComposedText& a : text.arguments())
        arguments.push_back(FilledText(a, lookup).toStdString());
    return QString::fromStdString(torsion::FillPattern(pattern.toStdString(), arguments));
}

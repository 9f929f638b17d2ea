// A composed text of the core (core/base/composed_text.h) as a QString: its pattern, and
// every argument that is a catalogue text, looked up by lookup(const char*) -> QString;
// numbers, units and other verbatim arguments stay as the core wrote them. The window
// (WindowText) and the report (its own language) share it.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/base/composed_text.h"

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

// Texts of the core as texts of the controls: the core speaks UTF-8 and the program's
// two number formats (core/base/number_text.h); the controls take QString.
#pragma once

#include <QString>
#include <string>

#include "core/base/number_text.h"

inline QString WindowText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
// A number in the full format (15 digits) or the short format (4 digits).
inline QString FullNumberText(double value) {
    return WindowText(torsion::FormatFull(value));
}
inline QString ShortNumberText(double value) {
    return WindowText(torsion::FormatShort(value));
}

// Moments, stresses and rates as the windows show them in the chosen unit: the unit
// texts, the short-format text of a value, and reading and converting the text of a
// box that shows such a value.
#pragma once

#include <optional>
#include <string>

#include "core/base/units.h"

namespace torsion {

std::string MomentUnitText(UnitSystem unit);  // "kgf･mm" or "N･mm"
std::string StressUnitText(UnitSystem unit);  // "kgf/mm^2" or "N/mm^2"
std::string RateUnitText(UnitSystem unit);    // "kgf･mm/度" or "N･mm/度"
// The rate's unit as a catalogue text ("度" is a word of the reader's language).
const char* RateUnitWord(UnitSystem unit);

// A moment, stress or rate (held in kgf units) in the shown unit, short format.
std::string FormatShownShort(double kgfValue, UnitSystem unit);

// What the window last wrote into a box of such a value: the value (kgf units) and the text.
// An exact text reads back to the value itself (an input box the window filled); the
// short text of a result reads as its kgf short text does.
struct WrittenValue {
    double kgf = 0;
    std::string text;
    bool exact = false;
};

// A value in the shown unit for a box that gives it back exactly (see WrittenValue):
// kgf in a text that reads back to it (FormatRoundTrip), SI in the full format.
std::string FormatShownExact(double kgfValue, UnitSystem unit);

// The value (kgf units) of a box read by the window. While the box still shows the
// text the window wrote, it stands for what the kgf text of that value reads as, so
// the case read does not depend on the unit shown (in kgf that is the text itself).
// A typed text is a number in the shown unit. A text that is no number throws the
// conversion error naming it.
double ReadShownValue(const std::string& text, UnitSystem unit, const std::optional<WrittenValue>& written);

// The box after the unit changes from `from` to `to`: the written value in the new unit
// while the box still shows what the window wrote, otherwise the typed number converted
// (short format). nullopt for a typed text that is no number: it stays as it is.
std::optional<WrittenValue> ValueInOtherUnit(const std::string& text, UnitSystem from, UnitSystem to,
                                             const std::optional<WrittenValue>& written);

}  // namespace torsion

// Moments, stresses and rates in the chosen unit.
#include "core/base/unit_text.h"

#include "core/base/catalogue_text.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"

namespace torsion {

std::string MomentUnitText(UnitSystem unit) {
    return unit == UnitSystem::SI ? "N･mm" : "kgf･mm";
}

std::string StressUnitText(UnitSystem unit) {
    return unit == UnitSystem::SI ? "N/mm^2" : "kgf/mm^2";
}

std::string RateUnitText(UnitSystem unit) {
    return RateUnitWord(unit);
}

const char* RateUnitWord(UnitSystem unit) {
    return unit == UnitSystem::SI ? TS_TEXT("N･mm/度") : TS_TEXT("kgf･mm/度");
}

std::string FormatShownShort(double kgfValue, UnitSystem unit) {
    return FormatShort(ToShownUnit(kgfValue, unit));
}

std::string FormatShownExact(double kgfValue, UnitSystem unit) {
    // In SI the full format: the converted value's last digits are noise of the
    // conversion, and the box's written value gives back the kgf value itself.
    return unit == UnitSystem::SI ? FormatFull(ToShownUnit(kgfValue, unit)) : FormatRoundTrip(kgfValue);
}

double ReadShownValue(const std::string& text, UnitSystem unit, const std::optional<WrittenValue>& written) {
    if (written && written->text == text)
        return written->exact ? written->kgf : ParseNumber(FormatShort(written->kgf));
    return FromShownUnit(ParseNumber(text), unit);
}

std::optional<WrittenValue> ValueInOtherUnit(const std::string& text, UnitSystem from, UnitSystem to,
                                             const std::optional<WrittenValue>& written) {
    double kgf = 0;
    if (written && written->text == text) {
        kgf = written->kgf;
        if (written->exact) return WrittenValue{kgf, FormatShownExact(kgf, to), true};
    } else {
        try {
            kgf = FromShownUnit(ParseNumber(text), from);
        } catch (const CommandError&) {
            // Not a number (yet): nothing to convert; the next read reports it.
            return std::nullopt;
        }
    }
    return WrittenValue{kgf, FormatShownShort(kgf, to)};
}

}  // namespace torsion

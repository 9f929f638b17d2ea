// Number input and the general number format. Any text either reads as a finite
// number or is refused with a CommandError; any finite double written with 15
// digits reads back within 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "core/base/command_error.h"
#include "core/base/number_text.h"

using namespace torsion;

namespace {

void CheckRoundTrip(double v) {
    if (!std::isfinite(v)) {
        if (!FormatFull(v).empty()) std::abort();
        return;
    }
    for (int p = 1; p <= 15; ++p) {
        const std::string text = FormatGeneral(v, p);
        if (text.empty()) std::abort();
        double back = 0;
        try {
            back = ParseNumber(text);
        } catch (const CommandError&) {
            // Only a value rounded up past the largest double may be refused.
            if (std::fabs(std::strtold(text.c_str(), nullptr)) <= std::numeric_limits<double>::max())
                std::abort();
            continue;
        }
        if (p == 15) {
            const double tolerance = std::fabs(v) * 1e-14 + 1e-300;
            if (std::fabs(back - v) > tolerance) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double v = ParseNumber(text);
        if (!std::isfinite(v)) std::abort();
    } catch (const CommandError&) {
    }
    try {
        (void)ParseInteger(text);
    } catch (const CommandError&) {
    }
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        CheckRoundTrip(v);
    }
    return 0;
}

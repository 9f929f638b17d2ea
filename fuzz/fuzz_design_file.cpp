// A design file (.nbdx) of any content: refused with a CommandError, or read; what is read
// writes back to a file that reads as the same tables, and every used slot evaluates (as
// stored and calculated afresh) by its own practice, working temperature, legs and coil gap (a fault of the
// arithmetic or a temperature beyond the data is a CommandError, never a crash).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/base/command_error.h"
#include "core/evaluation/evaluation.h"
#include "core/files/design_file.h"
#include "core/materials/material_table.h"

using namespace torsion;

namespace {

const MaterialTable& DefaultMaterials() {
    static const MaterialTable table = [] {
        MaterialTable t{};
        try {
            LoadMaterialTable(t, std::string(TS_DATA_DIR) + "/zaidat.dst");
        } catch (const CommandError&) {
        }
        return t;
    }();
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CaseTable cases{};
    DesignOptionsTable options{};
    try {
        DecodeDesignFile(text, "fuzz.nbdx", cases, options);
    } catch (const CommandError&) {
        return 0;
    }
    CaseTable again{};
    DesignOptionsTable againOptions{};
    DecodeDesignFile(EncodeDesignFile(cases, options), "again.nbdx", again, againOptions);
    if (EncodeCaseTable(again) != EncodeCaseTable(cases) || againOptions != options) std::abort();

    const MaterialTable& materials = DefaultMaterials();
    for (std::size_t slot = 0; slot < cases.size(); ++slot) {
        if (cases[slot].used != 1) continue;
        EvaluationOptions o;
        o.design = options[slot];
        try {
            (void)EvaluationOf(cases[slot], materials, o);
            (void)EvaluateDesign(cases[slot], materials, o);
            (void)ComparePractices(cases[slot], materials, options[slot]);
        } catch (const CommandError&) {
        }
    }
    (void)OptionsLostInCaseFile(options);
    return 0;
}

// A case file of any content, followed by what the program does with its slots: the
// history rows, the texts that show a case, the life estimate and the calculation.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "core/base/command_error.h"
#include "core/calc/calculation.h"
#include "core/files/history_text.h"
#include "core/materials/fatigue_life.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

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
    CaseTable cases{};
    OverlayCaseTable(cases, std::span<const std::uint8_t>(data, size));
    const auto bytes = EncodeCaseTable(cases);
    const std::size_t n = size < kCaseTableSize ? size : kCaseTableSize;
    if (std::memcmp(bytes.data(), data, n) != 0) std::abort();

    const MaterialTable& materials = DefaultMaterials();
    for (int slot = 0; slot < kCaseSlots; ++slot) {
        const HistoryRow row = HistoryRowTexts(cases[slot], materials);
        if (!row.shown && (!row.symbolSjis.empty() || !row.lifeText.empty())) std::abort();
        (void)CaseDisplayTexts(cases[slot]);
        const StressCoefficients r = CaseStressCoefficients(cases[slot], materials);
        const int life = EstimateLife(r.lower, r.upper);
        if (life < 0 || life > 7) std::abort();
        (void)LifeLabel(cases[slot].lifeClass);

        DesignCase work = cases[slot];
        try {
            CalculateCase(work, materials);
        } catch (const CommandError&) {
        }
        (void)CheckCase(work);
    }
    return 0;
}

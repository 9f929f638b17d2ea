// Rows of the batch calculation: any line either gives an output line with its results
// or one with an error message; the output line always has the columns of the heading.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/base/csv_text.h"
#include "core/design/batch_calculation.h"

using namespace torsion;

namespace {

struct Materials {
    Materials() {
        for (auto& r : *table) r.kindNo = kEmptyKindNo;
        MaterialRecord& r = (*table)[0];
        r.kindNo = 0;
        r.youngModulus = 206000;
        r.bendingRatio = 75;
        r.rowCount = 3;
        r.diameter = {0.5, 1.0, 2.0};
        r.tensileStrength = {2200, 2100, 2000};
        index = BuildKindIndex(*table);
        symbols.assign(kMaterialRecords, "");
        symbols[0] = "SWP-B";
    }
    std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
    KindIndex index{};
    std::vector<std::string> symbols;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Materials materials;
    static const std::size_t columns = SplitCsvLine(BatchCalculator::OutputHeader()).size();
    BatchCalculator calculator(*materials.table, materials.index, materials.symbols);
    std::string_view line(reinterpret_cast<const char*>(data), size);
    if (line.find('\n') != std::string_view::npos) line = line.substr(0, line.find('\n'));
    std::string out;
    calculator.CalculateLine(line, out);
    if (out.empty() || out.back() != '\n') std::abort();
    // Quoted fields keep any line end inside them, so the line splits back into columns.
    out.pop_back();
    if (out.find('\n') == std::string::npos && SplitCsvLine(out).size() != columns) std::abort();
    return 0;
}

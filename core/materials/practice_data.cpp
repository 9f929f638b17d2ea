// Look-ups in the compiled practice and temperature rows.
#include "core/materials/practice_data.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace torsion {

namespace {

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

const PracticeDataRow kRows[] = {
#include "practice_rows.inc"
};

// The group of `table` whose rows name the symbol best; nullptr when none does.
const char* BestGroup(std::span<const PracticeDataRow> rows, PracticeTable table, std::string_view symbol) {
    const char* best = nullptr;
    int bestLength = 0;
    for (const PracticeDataRow& row : rows) {
        if (row.table != table) continue;
        const int length = SymbolMatchLength(row.match, symbol);
        if (length > bestLength) {
            bestLength = length;
            best = row.group;
        }
    }
    return best;
}

// The rows of the best group, in their order.
std::vector<const PracticeDataRow*> GroupRows(std::span<const PracticeDataRow> rows, PracticeTable table,
                                              std::string_view symbol) {
    std::vector<const PracticeDataRow*> out;
    const char* group = BestGroup(rows, table, symbol);
    if (!group) return out;
    for (const PracticeDataRow& row : rows)
        if (row.table == table && std::string_view(row.group) == group &&
            SymbolMatchLength(row.match, symbol) > 0)
            out.push_back(&row);
    return out;
}

}  // namespace

std::span<const PracticeDataRow> BuiltInPracticeRows() {
    return kRows;
}

int SymbolMatchLength(std::string_view match, std::string_view symbol) {
    while (!symbol.empty() && symbol.front() == ' ') symbol.remove_prefix(1);
    if (match == "*") return 1;
    int best = 0;
    std::size_t start = 0;
    while (start <= match.size()) {
        std::size_t end = match.find(';', start);
        if (end == std::string_view::npos) end = match.size();
        const std::string_view word = match.substr(start, end - start);
        if (!word.empty() && symbol.starts_with(word))
            best = std::max(best, 1 + static_cast<int>(word.size()));
        start = end + 1;
    }
    return best;
}

YoungRatioLookup YoungModulusRatio(std::span<const PracticeDataRow> rows, std::string_view symbol, double t) {
    YoungRatioLookup out;
    const std::vector<const PracticeDataRow*> family = GroupRows(rows, PracticeTable::YoungRatio, symbol);
    if (family.empty()) {
        // Room temperature is where the table's modulus holds, whatever the material.
        if (t <= 20) out.ratio = 1.0;
        return out;
    }
    out.family = true;
    out.lastTemperature = family.back()->key;
    if (!(t <= out.lastTemperature)) return out;  // NaN included
    if (t <= family.front()->key) {
        out.ratio = family.front()->value;
        return out;
    }
    for (std::size_t i = 1; i < family.size(); ++i) {
        const PracticeDataRow& a = *family[i - 1];
        const PracticeDataRow& b = *family[i];
        if (t <= b.key) {
            out.ratio = a.value + (b.value - a.value) * (t - a.key) / (b.key - a.key);
            return out;
        }
    }
    return out;
}

std::optional<double> ServiceTemperatureLimit(std::span<const PracticeDataRow> rows,
                                              std::string_view symbol) {
    const std::vector<const PracticeDataRow*> found = GroupRows(rows, PracticeTable::ServiceLimit, symbol);
    if (found.empty()) return std::nullopt;
    return found.front()->value;
}

std::vector<FatigueStrengthRow> UsFatigueStrengths(std::span<const PracticeDataRow> rows,
                                                   std::string_view symbol) {
    std::vector<FatigueStrengthRow> out;
    for (const PracticeDataRow* row : GroupRows(rows, PracticeTable::UsFatigue, symbol))
        out.push_back({row->key, row->value});
    return out;
}

std::optional<double> StaticLimitPercent(std::span<const PracticeDataRow> rows, std::string_view practice,
                                         std::string_view symbol) {
    const PracticeDataRow* best = nullptr;
    int bestLength = 0;
    for (const PracticeDataRow& row : rows) {
        if (row.table != PracticeTable::StaticLimit || practice != row.group) continue;
        const int length = SymbolMatchLength(row.match, symbol);
        if (length > bestLength) {
            bestLength = length;
            best = &row;
        }
    }
    return best ? std::optional<double>(best->value) : std::nullopt;
}

}  // namespace torsion

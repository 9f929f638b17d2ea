// Kind index, list rules and allowable bending stress of the material choice.
#include "core/materials/material_selection.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <type_traits>

#include "core/base/number_text.h"

namespace torsion {

KindIndex BuildKindIndex(const MaterialTable& table) {
    KindIndex index;
    for (auto& members : index.kindMembers) members.fill(-1);
    for (int r = 0; r < kMaterialRecords; ++r) {
        const std::int32_t k = table[r].kindNo;
        // A record that breaks the table's rules would feed the calculation numbers it
        // cannot use; the start-up warning names it.
        if (!MaterialRecordListable(table[r])) continue;
        // The lists have eight places per kind; a surplus record stays out rather than
        // overwrite the slots of the next kind.
        if (index.kindCount[k] >= kMembersPerKind) continue;
        index.kindMembers[k][index.kindCount[k]] = r;
        ++index.kindCount[k];
    }
    return index;
}

int MaterialNoAt(const KindIndex& index, int kindPos, int symbolPos) {
    if (kindPos < 0 || kindPos >= kKinds) return -1;
    if (symbolPos < 0 || symbolPos >= kMembersPerKind) return -1;
    const int recordNo = index.kindMembers[kindPos][symbolPos];
    return (recordNo >= 0 && recordNo < kMaterialRecords) ? recordNo : -1;
}

std::vector<KindEntry> KindListEntries(const KindIndex& index, const MaterialTable& table) {
    std::vector<KindEntry> entries;
    for (int k = 0; k < kKinds; ++k) {
        if (index.kindCount[k] <= 0) continue;
        const MaterialRecord* first = RecordOrNull(table, index.kindMembers[k][0]);
        entries.push_back({k, first ? ShortStringValue(first->kindName) : std::string()});
    }
    return entries;
}

std::vector<std::string> SymbolListEntries(const KindIndex& index, const MaterialTable& table, int kind) {
    std::vector<std::string> symbols;
    if (kind < 0 || kind >= kKinds) return symbols;
    const int count = std::clamp<std::int32_t>(index.kindCount[kind], 0, kMembersPerKind);
    for (int s = 0; s < count; ++s) {
        const MaterialRecord* r = RecordOrNull(table, index.kindMembers[kind][s]);
        symbols.push_back(r ? ShortStringValue(r->symbol) : std::string());
    }
    return symbols;
}

std::vector<std::string> DiameterListEntries(const MaterialTable& table, int recordNo) {
    std::vector<std::string> texts;
    const MaterialRecord* r = RecordOrNull(table, recordNo);
    if (!r) return texts;
    const int rows = UsableRowCount(*r);
    texts.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) texts.push_back(FormatFull(r->diameter[i]));
    return texts;
}

std::optional<MaterialSlot> FindMaterialSlot(const KindIndex& index, int recordNo) {
    // -1 marks free slots, so only a real record number may be searched for.
    if (recordNo < 0 || recordNo >= kMaterialRecords) return std::nullopt;
    for (int k = 0; k < kKinds; ++k)
        for (int s = 0; s < kMembersPerKind; ++s)
            if (index.kindMembers[k][s] == recordNo) return MaterialSlot{k, s};
    return std::nullopt;
}

int ApplyDiameterListChoice(DesignCase& current, const MaterialTable& table, const KindIndex& index,
                            int kindPos, int symbolPos, int previousPos, int recordNo) {
    const double previousDia = current.wireDia;

    // The new material's diameter at the old list position stands until a row is chosen.
    current.materialNo = MaterialNoAt(index, kindPos, symbolPos);
    current.wireDiaIndex = previousPos;
    const MaterialRecord* chosen = RecordOrNull(table, current.materialNo);
    current.wireDia =
        (chosen && previousPos >= 0 && previousPos < kMaterialRows) ? chosen->diameter[previousPos] : 0.0;

    const MaterialRecord* listed = RecordOrNull(table, recordNo);
    const int rows = listed ? UsableRowCount(*listed) : 0;
    if (rows == 0) return -1;
    for (int i = 0; i < rows; ++i) {
        if (listed->diameter[i] >= previousDia) {
            current.wireDiaIndex = i;
            return i;
        }
    }
    // Every diameter is smaller than the previous one: the largest is the nearest, and
    // leaving the list without a choice would give the calculation no wire diameter.
    current.wireDiaIndex = rows - 1;
    return rows - 1;
}

BendingTable BuildBendingTable(const MaterialTable& table, int recordNo) {
    BendingTable bending;
    const MaterialRecord* r = RecordOrNull(table, recordNo);
    if (!r) return bending;
    const int rows = UsableRowCount(*r);
    if (r->allowBending[0] != 0) {
        for (int i = 0; i < rows; ++i) {
            if (r->allowTorsion[i] == 0) continue;
            bending.x[bending.count] = r->diameter[i];
            bending.y[bending.count] = r->allowBending[i];
            ++bending.count;
        }
    } else {
        // Product and quotient in extended precision, rounded once when stored.
        const long double ratio = static_cast<long double>(r->bendingRatio);
        for (int i = 0; i < rows; ++i) {
            bending.x[bending.count] = r->diameter[i];
            bending.y[bending.count] = static_cast<double>(ratio * r->tensileStrength[i] / 100);
            ++bending.count;
        }
    }
    return bending;
}

namespace {

// Value at v of the straight line through points k and k+1. A zero-width interval has
// no slope; its later point stands for it. The arithmetic is extended; only the slope,
// the offset and the result are rounded to double.
double LineValue(const double* x, const double* y, int k, double v) {
    using Real = long double;
    if (x[k + 1] == x[k]) return y[k + 1];
    const double slope = static_cast<double>((Real{y[k + 1]} - y[k]) / (Real{x[k + 1]} - x[k]));
    const double offset = static_cast<double>(Real{v} - x[k]);
    return static_cast<double>(Real{slope} * offset + y[k]);
}

}  // namespace

double InterpolateLinear(const double* x, const double* y, int n, double v) {
    n = std::min(n, kMaterialRows);
    if (n <= 0) return 0;
    if (n == 1) return y[0];
    bool found = false;
    double result = 0;
    for (int k = 0; k <= n - 2; ++k) {
        if (x[k] <= v && v <= x[k + 1]) {
            result = LineValue(x, y, k, v);
            found = true;
        }
    }
    if (found) return result;
    // Outside the table (a first or last row left out of the bending table): continue
    // the line of the nearest interval.
    const int nearest = (v > x[n - 1]) ? n - 2 : 0;
    return LineValue(x, y, nearest, v);
}

namespace {

// Whether two records give the same bending table: the same bytes of everything
// BuildBendingTable reads (the rows in use, the ratio, which of the two ways applies).
bool SameBendingInputs(const MaterialRecord& a, const MaterialRecord& b) {
    const auto same = [](const auto& x, const auto& y, std::size_t bytes) {
        return std::memcmp(x.data(), y.data(), bytes) == 0;
    };
    if (a.rowCount != b.rowCount || a.bendingRatio != b.bendingRatio) return false;
    const std::size_t bytes = static_cast<std::size_t>(UsableRowCount(a)) * sizeof(double);
    if (!same(a.allowBending, b.allowBending, sizeof(double)) || !same(a.diameter, b.diameter, bytes))
        return false;
    if (a.allowBending[0] != 0)
        return same(a.allowTorsion, b.allowTorsion, bytes) && same(a.allowBending, b.allowBending, bytes);
    return same(a.tensileStrength, b.tensileStrength, bytes);
}

}  // namespace

double AllowableBendingStress(const MaterialTable& table, int recordNo, double d) {
    // Each record's table is kept (per thread) with a copy of the record it was built from:
    // a search or a batch asks for a few records again and again, and a record whose
    // bending inputs were edited since differs from its copy, so it is built afresh.
    struct Kept {
        bool valid = false;
        MaterialRecord record{};
        BendingTable bending;
    };
    thread_local std::unique_ptr<std::array<Kept, kMaterialRecords>> kept;
    const MaterialRecord* r = RecordOrNull(table, recordNo);
    if (!r) return 0;  // an unknown record has an empty table
    static_assert(std::is_trivially_copyable_v<MaterialRecord>);
    if (!kept) kept = std::make_unique<std::array<Kept, kMaterialRecords>>();
    Kept& last = (*kept)[static_cast<std::size_t>(recordNo)];
    if (!last.valid || !SameBendingInputs(last.record, *r)) {
        last.bending = BuildBendingTable(table, recordNo);
        std::memcpy(&last.record, r, sizeof(MaterialRecord));
        last.valid = true;
    }
    return InterpolateLinear(last.bending.x.data(), last.bending.y.data(), last.bending.count, d);
}

}  // namespace torsion

// Material tables of the tests: a table whose records are all unused, and wire records
// filled from the few fields a test is about.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/materials/material_table.h"

struct TestWire {
    int kind = 0;
    std::string symbol;  // Shift-JIS bytes
    std::string kindName;
    double youngModulus = 0;
    int bendingRatio = 0;  // allowable bending stress in % of the tensile strength
    std::vector<double> diameter, tensileStrength;
    // Explicit allowable bending stresses, N/mm²; their rows are marked as given.
    std::vector<double> allowBending;
};

inline torsion::MaterialRecord WireRecord(const TestWire& w) {
    torsion::MaterialRecord r;
    r.kindNo = w.kind;
    torsion::SetShortString(r.symbol, w.symbol);
    torsion::SetShortString(r.kindName, w.kindName);
    r.youngModulus = w.youngModulus;
    r.bendingRatio = w.bendingRatio;
    r.rowCount = static_cast<int>(w.diameter.size());
    for (std::size_t i = 0; i < w.diameter.size(); ++i) r.diameter[i] = w.diameter[i];
    for (std::size_t i = 0; i < w.tensileStrength.size(); ++i) r.tensileStrength[i] = w.tensileStrength[i];
    for (std::size_t i = 0; i < w.allowBending.size(); ++i) {
        r.allowBending[i] = w.allowBending[i];
        r.allowTorsion[i] = 1;
    }
    return r;
}

// Every record unused (kind number kEmptyKindNo); tests put the wires they need.
inline std::unique_ptr<torsion::MaterialTable> EmptyMaterialTable() {
    auto table = std::make_unique<torsion::MaterialTable>();
    for (torsion::MaterialRecord& r : *table) r.kindNo = torsion::kEmptyKindNo;
    return table;
}

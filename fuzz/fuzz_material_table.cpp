// A material table file of any content, followed by everything the program derives
// from it: the kind index, the three lists, the list choice and the allowable stress.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

using namespace torsion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MaterialTable table{};
    OverlayMaterialTable(table, std::span<const std::uint8_t>(data, size));

    const auto bytes = EncodeMaterialTable(table);
    const std::size_t n = size < kMaterialTableSize ? size : kMaterialTableSize;
    if (std::memcmp(bytes.data(), data, n) != 0) std::abort();

    MaterialTable normalised = table;
    NormaliseEmptyRecords(normalised);

    const KindIndex index = BuildKindIndex(table);
    for (int k = 0; k < kKinds; ++k) {
        if (index.kindCount[k] < 0 || index.kindCount[k] > kMembersPerKind) std::abort();
        (void)SymbolListEntries(index, table, k);
    }
    (void)KindListEntries(index, table);

    for (int r = -1; r <= kMaterialRecords; ++r) {
        const auto diameters = DiameterListEntries(table, r);
        (void)FindMaterialSlot(index, r);
        const BendingTable bending = BuildBendingTable(table, r);
        if (bending.count < 0 || bending.count > kMaterialRows) std::abort();
        if (const MaterialRecord* rec = RecordOrNull(table, r)) {
            for (int i = 0; i < UsableRowCount(*rec); ++i)
                (void)AllowableBendingStress(table, r, rec->diameter[i]);
        }
        (void)diameters;
    }

    // The list choice with positions taken from the input, valid or not.
    for (int previousPos = -2; previousPos <= kMaterialRows; previousPos += 7) {
        for (int kindPos = -1; kindPos <= kKinds; kindPos += 3) {
            DesignCase current{};
            current.wireDia = size > 0 ? data[0] / 50.0 : 1.0;
            const int record = MaterialNoAt(index, kindPos, 0);
            const int chosen =
                ApplyDiameterListChoice(current, table, index, kindPos, 0, previousPos, record);
            const MaterialRecord* rec = RecordOrNull(table, record);
            const int rows = rec ? UsableRowCount(*rec) : 0;
            if (chosen < -1 || chosen >= (rows > 0 ? rows : 1)) std::abort();
        }
    }
    return 0;
}

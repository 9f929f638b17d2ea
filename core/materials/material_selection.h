// Material choice: the kind index behind the kind and symbol lists, the rules of the
// three linked lists, and the allowable bending stress (bending table and
// piecewise-linear interpolation).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/units.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

inline constexpr int kKinds = 10;
inline constexpr int kMembersPerKind = 8;

struct KindIndex {
    std::array<std::int32_t, kKinds> kindCount{};
    std::array<std::array<std::int32_t, kMembersPerKind>, kKinds> kindMembers{};  // -1 = free
};

// Records of kind 0..9 in ascending record order; a record that breaks the table's
// rules (not MaterialRecordListable) and a ninth or later record of one kind are left out
// (the first eight are kept).
KindIndex BuildKindIndex(const MaterialTable& table);

// Record number behind (kind position, symbol position), or -1 when either position
// does not name a member.
int MaterialNoAt(const KindIndex& index, int kindPos, int symbolPos);

// Entries of the kind list: (kind number, Shift-JIS name of its lowest record), in
// kind-number order, kinds without records skipped.
struct KindEntry {
    int kindNo;
    std::string nameSjis;
};
std::vector<KindEntry> KindListEntries(const KindIndex& index, const MaterialTable& table);
// Shift-JIS symbols of the members of kind k (empty for k outside 0..9).
std::vector<std::string> SymbolListEntries(const KindIndex& index, const MaterialTable& table, int kind);
// Texts of the wire-diameter list of record n: rows 0..rowCount-1 in full format.
std::vector<std::string> DiameterListEntries(const MaterialTable& table, int recordNo);

// Where record n sits in the lists: (kind number, slot), or nullopt when it is in no
// kind slot.
struct MaterialSlot {
    int kind;
    int slot;
};
std::optional<MaterialSlot> FindMaterialSlot(const KindIndex& index, int recordNo);

// The case side of FillDiameterList. previousPos is the entry of the wire-diameter
// list selected before the refill (-1 if none); kindPos/symbolPos are the positions of
// the kind and symbol lists. Updates materialNo, wireDiaIndex and wireDia of current
// as the list rule says and returns the entry to select in the refilled list of
// record recordNo: the first row not smaller than the previous wire diameter; when
// every row is smaller, the largest (last) row; -1 only for an empty list.
int ApplyDiameterListChoice(DesignCase& current, const MaterialTable& table, const KindIndex& index,
                            int kindPos, int symbolPos, int previousPos, int recordNo);

struct BendingTable {
    std::array<double, kMaterialRows> x{};  // wire diameters, mm
    std::array<double, kMaterialRows> y{};  // allowable bending stresses, N/mm^2
    std::int32_t count = 0;
};

// Explicit bending stresses when allowBending[0] != 0 (rows with allowTorsion 0 left
// out), otherwise bendingRatio percent of the tensile strength. An unknown record
// gives an empty table.
BendingTable BuildBendingTable(const MaterialTable& table, int recordNo);

// Piecewise-linear value at v of the first n points; the later interval wins on a
// shared end. n <= 0 gives 0, n == 1 gives y[0]; outside x[0]..x[n-1] the line of
// the nearest interval continues. Intervals of zero width are never divided by.
double InterpolateLinear(const double* x, const double* y, int n, double v);

// Allowable bending stress of record n at wire diameter d, in N/mm^2.
double AllowableBendingStress(const MaterialTable& table, int recordNo, double d);

}  // namespace torsion

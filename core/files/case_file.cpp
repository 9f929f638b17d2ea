// Reading and writing the case table as one file.
#include "core/files/case_file.h"

#include <cmath>
#include <vector>

#include "core/base/file_io.h"

namespace torsion {

void ReadCaseFile(CaseTable& table, const std::string& path) {
    // The whole file is read before the table is touched, so a failed read changes nothing.
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    OverlayCaseTable(table, bytes);
}

bool LooksLikeCaseFile(std::span<const std::uint8_t> bytes, const MaterialTable& materials) {
    if (bytes.size() != kCaseTableSize) return false;
    for (int slot = 0; slot < kCaseSlots; ++slot) {
        const DesignCase c =
            DecodeDesignCase(bytes.data() + kDesignCaseSize * static_cast<std::size_t>(slot));
        if (c.used == 0) continue;
        const MaterialRecord* record = RecordOrNull(materials, c.materialNo);
        if (record == nullptr || c.wireDiaIndex < 0 || c.wireDiaIndex >= UsableRowCount(*record))
            return false;
        for (const double value :
             {c.wireDia,     c.innerDia,     c.meanDia,  c.outerDia,    c.turns,           c.calcTurns,
              c.springIndex, c.stressFactor, c.maxAngle, c.maxMoment,   c.appliedMaxAngle, c.moment1,
              c.moment2,     c.angle1,       c.angle2,   c.springConst, c.stress1,         c.stress2,
              c.allowStress, c.arm1,         c.arm2,     c.guideRodDia})
            if (!std::isfinite(value)) return false;
    }
    return true;
}

void WriteCaseFile(const CaseTable& table, const std::string& path) {
    WriteFileReplacing(path, EncodeCaseTable(table));
}

}  // namespace torsion

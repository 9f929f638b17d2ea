// The case file (.nbd): the byte image of the whole case table.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

// Copies min(file size, 6944) bytes over the table; throws "ファイル %s は開けません"
// and leaves the table unchanged when the file cannot be read.
void ReadCaseFile(CaseTable& table, const std::string& path);
// Writes all 6944 bytes safely; throws "ファイル %s を作成できません".
void WriteCaseFile(const CaseTable& table, const std::string& path);

// Whether bytes can be a case file for this material table: 6944 bytes, and every used
// slot holds finite numbers and names a material and a wire diameter of the table.
bool LooksLikeCaseFile(std::span<const std::uint8_t> bytes, const MaterialTable& materials);

}  // namespace torsion

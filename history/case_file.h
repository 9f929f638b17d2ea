// The case file (.nbd): the byte image of the whole case table.
#pragma once

#include <string>

#include "calc/design_case.h"

namespace torsion {

// Copies min(file size, 6944) bytes over the table; throws "ファイル %s は開けません"
// and leaves the table unchanged when the file cannot be read.
void ReadCaseFile(CaseTable& table, const std::string& path);
// Writes all 6944 bytes safely; throws "ファイル %s を作成できません".
void WriteCaseFile(const CaseTable& table, const std::string& path);

}  // namespace torsion

// Reading and writing the case table as one file.
#include "history/case_file.h"

#include <vector>

#include "calc/file_io.h"

namespace torsion {

void ReadCaseFile(CaseTable& table, const std::string& path) {
    // The whole file is read before the table is touched, so a failed read changes nothing.
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    OverlayCaseTable(table, bytes);
}

void WriteCaseFile(const CaseTable& table, const std::string& path) {
    WriteFileReplacing(path, EncodeCaseTable(table));
}

}  // namespace torsion

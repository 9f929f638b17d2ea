// Whole-file reads and safe replacing writes for the binary tables.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace torsion {

// Reads the whole file; throws "ファイル %s は開けません" (path in place of %s), also
// for anything that is not a plain file (a folder, a device, a FIFO, /proc, /sys).
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Writes a temporary file beside path, flushes it, then renames it over path, so the
// old file stays whole until the new one is complete. Throws "ファイル %s を作成できません"
// and leaves path untouched when any step fails, or when path exists and is not a
// plain file.
void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace torsion

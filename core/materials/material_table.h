// The material table: 30 records of 1736 bytes (52080 bytes, the zaidat.dst file).
// Moduli and stresses are in N/mm^2; strings are Shift-JIS short strings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/composed_text.h"

namespace torsion {

inline constexpr std::size_t kMaterialRecordSize = 1736;
inline constexpr int kMaterialRecords = 30;
inline constexpr int kMaterialRows = 50;
inline constexpr std::size_t kMaterialTableSize = kMaterialRecordSize * kMaterialRecords;  // 52080
inline constexpr std::size_t kShortStringCapacity = 50;
inline constexpr std::int32_t kEmptyKindNo = 10;
static_assert(kMaterialTableSize == 52080);

// Length byte plus 50 bytes of Shift-JIS; bytes after the length are kept as they are.
using ShortString50 = std::array<std::uint8_t, 1 + kShortStringCapacity>;

struct MaterialRecord {
    ShortString50 kindName{};                             // 0
    ShortString50 symbol{};                               // 51
    std::array<std::uint8_t, 2> reserved{};               // 102
    double shearModulus = 0;                              // 104
    std::int32_t rowCount = 0;                            // 112
    std::int32_t kindNo = 0;                              // 116
    double youngModulus = 0;                              // 120
    std::int32_t torsionRatio = 0;                        // 128
    std::int32_t bendingRatio = 0;                        // 132
    std::array<double, kMaterialRows> diameter{};         // 136
    std::array<double, kMaterialRows> tensileStrength{};  // 536
    std::array<double, kMaterialRows> allowTorsion{};     // 936
    std::array<double, kMaterialRows> allowBending{};     // 1336
};

using MaterialTable = std::array<MaterialRecord, kMaterialRecords>;

void EncodeMaterialRecord(const MaterialRecord& r, std::uint8_t* out);  // 1736 bytes
MaterialRecord DecodeMaterialRecord(const std::uint8_t* in);
std::vector<std::uint8_t> EncodeMaterialTable(const MaterialTable& table);  // 52080 bytes
// Copies the first min(bytes.size(), 52080) bytes over the table's byte image.
void OverlayMaterialTable(MaterialTable& table, std::span<const std::uint8_t> bytes);

// The stored text (Shift-JIS bytes); a length byte above 50 is read as 50.
std::string ShortStringValue(const ShortString50& s);
// Stores at most the first 50 bytes of sjis, never splitting a two-byte character;
// only the length byte and the copied bytes change.
void SetShortString(ShortString50& s, std::string_view sjis);
// The longest prefix of sjis of at most maxBytes that ends on a character boundary.
std::size_t ShiftJisCutLength(std::string_view sjis, std::size_t maxBytes);

// Number of rows in use, clamped to 0..50 so that a foreign rowCount never reads
// outside the row arrays.
int UsableRowCount(const MaterialRecord& r);
// Record n, or nullptr when n is outside 0..29.
const MaterialRecord* RecordOrNull(const MaterialTable& table, int n);

// Editor load and save: every record whose diameter[0] is 0 gets kindNo 10.
void NormaliseEmptyRecords(MaterialTable& table);

// File access. Load copies min(file size, 52080) bytes over the table and returns the
// file's size (throws "ファイル %s は開けません"); save writes all 52080 bytes safely
// (throws "ファイル %s を作成できません"). Neither normalises.
std::size_t LoadMaterialTable(MaterialTable& table, const std::string& path);
void SaveMaterialTable(const MaterialTable& table, const std::string& path);

// The first rule record r breaks, as a Japanese phrase; empty for a sound record.
// Checked in this order: the kind number (0..10), Young's modulus of a record that has
// a symbol (finite and positive), the row count (0..50), the diameters of the rows in
// use (finite, positive, ascending), their strengths (finite, not negative), and last
// the shear modulus of a record that has a symbol (finite and positive).
ComposedText MaterialRecordProblem(const MaterialRecord& r);
// Whether record r may be offered in the selection lists: a kind number 0..9 and no
// broken rule on what the calculation reads (a bad shear modulus, which it never
// reads, keeps a record in the lists).
bool MaterialRecordListable(const MaterialRecord& r);

// Every way in which a table read from a file of fileSize bytes breaks the rules the
// program relies on, one Japanese sentence each: the file size, then each broken
// record ("データーNo n の" and its problem), then the first kind number left out
// before one in use (counting only sound records). Empty for a sound table.
std::vector<ComposedText> MaterialTableProblems(const MaterialTable& table, std::size_t fileSize);
// The body of the warning: the first five problems, one line each ending in "。", the
// count of the others with the broken records among them, and the records left out of
// the lists (a kind number 0..9 and a problem). Empty for a sound table.
ComposedText MaterialTableReport(const MaterialTable& table, std::size_t fileSize);
// The warning about a table read from path, as the window shows it at start-up and the
// command line writes it: the file named, the report, and that what was read is used.
// Empty for a sound table.
ComposedText MaterialTableWarning(const std::string& path, const MaterialTable& table, std::size_t fileSize);
// The first of MaterialTableProblems, or empty.
ComposedText MaterialTableProblem(const MaterialTable& table, std::size_t fileSize);

}  // namespace torsion

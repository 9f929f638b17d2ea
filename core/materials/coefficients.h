// The seven design coefficients of keisuu.dat (736 bytes). The calculation reads
// none of them; they are loaded, shown, changed and saved.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace torsion {

inline constexpr std::size_t kCoefficientRecordSize = 736;
inline constexpr int kCoefficientCount = 7;

struct CoefficientRecord {
    std::array<std::uint8_t, 4> reservedHead{};      // 0..3
    std::array<double, kCoefficientCount> values{};  // 4, 12, ..., 52
    std::array<std::uint8_t, 676> reservedTail{};    // 60..735
};

// The range of usual values that the window's hint beside a coefficient gives: 20..35 for
// "(20%～35%)", 1..25 for the hook factor's "（ 1..25 ）"; a hint of one percentage (80 %,
// 15 %) bounds a share, 0..100. index 0..6; percentages are percent numbers.
struct CoefficientRange {
    double low = 0, high = 0;
    bool percent = true;
};
CoefficientRange CoefficientGuideRange(int index);
// True when value lies outside that range (a value that is not finite included).
bool OutsideGuideRange(int index, double value);

std::vector<std::uint8_t> EncodeCoefficients(const CoefficientRecord& record);  // 736 bytes
// Copies the first min(bytes.size(), 736) bytes over the record's byte image.
void OverlayCoefficients(CoefficientRecord& record, std::span<const std::uint8_t> bytes);

// Load throws "ファイル %s は開けません"; save writes all 736 bytes safely or throws
// "ファイル %s を作成できません".
void LoadCoefficients(CoefficientRecord& record, const std::string& path);
void SaveCoefficients(const CoefficientRecord& record, const std::string& path);

}  // namespace torsion

// One design case (224 bytes on disk) and the case table of 31 slots: slot 0 is the
// current case, slots 1..30 the history. The byte layout is also the case file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace torsion {

inline constexpr std::size_t kDesignCaseSize = 224;
inline constexpr int kCaseSlots = 31;
inline constexpr int kHistorySlots = 30;
inline constexpr std::size_t kCaseTableSize = kDesignCaseSize * kCaseSlots;  // 6944
static_assert(kCaseTableSize == 6944);

struct DesignCase {
    std::int32_t used = 0;                        // 0
    std::int32_t materialNo = 0;                  // 4
    std::int32_t wireDiaIndex = 0;                // 8
    double wireDia = 0;                           // 12
    double innerDia = 0;                          // 20
    double meanDia = 0;                           // 28
    double outerDia = 0;                          // 36
    std::int32_t diaMode = 0;                     // 44: 0 inner, 1 mean, 2 outer
    double turns = 0;                             // 48
    double calcTurns = 0;                         // 56
    std::int32_t reserved1 = 0;                   // 64
    double reserved2 = 0;                         // 68
    double springIndex = 0;                       // 76
    double reserved3 = 0;                         // 84
    std::uint8_t outward = 0;                     // 92
    std::uint8_t leftHand = 0;                    // 93
    std::array<std::uint8_t, 2> reservedFlags{};  // 94
    double stressFactor = 0;                      // 96
    double appliedMaxAngle = 0;                   // 104
    double maxAngle = 0;                          // 112
    double maxMoment = 0;                         // 120
    std::int32_t inputMode = 0;                   // 128: 1 angles given, 0 moments given
    double moment1 = 0;                           // 132
    double moment2 = 0;                           // 140
    double angle1 = 0;                            // 148
    double angle2 = 0;                            // 156
    double springConst = 0;                       // 164
    double stress1 = 0;                           // 172
    double stress2 = 0;                           // 180
    double allowStress = 0;                       // 188
    std::int32_t lifeClass = 0;                   // 196
    double arm1 = 0;                              // 200
    double arm2 = 0;                              // 208
    double guideRodDia = 0;                       // 216
};

using CaseTable = std::array<DesignCase, kCaseSlots>;

void EncodeDesignCase(const DesignCase& c, std::uint8_t* out);  // writes 224 bytes
DesignCase DecodeDesignCase(const std::uint8_t* in);            // reads 224 bytes

std::vector<std::uint8_t> EncodeCaseTable(const CaseTable& table);  // 6944 bytes
// Copies the first min(bytes.size(), 6944) bytes over the table's byte image; the
// rest of the table, even the rest of a record cut short, stays as it was.
void OverlayCaseTable(CaseTable& table, std::span<const std::uint8_t> bytes);

}  // namespace torsion

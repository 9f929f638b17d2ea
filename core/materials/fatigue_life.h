// Expected fatigue life: the life class of an operating point (lower = σ1/σB,
// upper = σ2/σB) by the seven life lines, and the labels of the classes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace torsion {

inline constexpr std::array<double, 7> kFatigueIntercepts{0.48, 0.5, 0.53, 0.56, 0.58, 0.625, 0.66};
inline constexpr double kUpperStressLimit = 0.7;
inline constexpr int kLifeClasses = 8;

// Life class 0..7; a NaN coefficient gives 7.
std::int32_t EstimateLife(double lower, double upper);

// "1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万" for classes 0..7;
// the empty text for any other number.
std::string LifeLabel(std::int32_t lifeClass);
// The same as a catalogue text (static, marked TS_TEXT): "" outside 0..7.
const char* LifeLabelText(std::int32_t lifeClass);

}  // namespace torsion

// Little-endian reads and writes at explicit offsets of a byte buffer. Records are
// encoded field by field through these, never by copying structs.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace torsion {

static_assert(std::endian::native == std::endian::little, "the record codecs assume a little-endian host");
static_assert(sizeof(double) == 8, "records hold IEEE 754 doubles");

inline std::int32_t GetInt32(const std::uint8_t* base, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, base + offset, sizeof v);
    return v;
}
inline void PutInt32(std::uint8_t* base, std::size_t offset, std::int32_t v) {
    std::memcpy(base + offset, &v, sizeof v);
}
inline double GetDouble(const std::uint8_t* base, std::size_t offset) {
    double v;
    std::memcpy(&v, base + offset, sizeof v);
    return v;
}
inline void PutDouble(std::uint8_t* base, std::size_t offset, double v) {
    std::memcpy(base + offset, &v, sizeof v);
}

template <std::size_t N>
void GetBytes(const std::uint8_t* base, std::size_t offset, std::array<std::uint8_t, N>& out) {
    std::memcpy(out.data(), base + offset, N);
}
template <std::size_t N>
void PutBytes(std::uint8_t* base, std::size_t offset, const std::array<std::uint8_t, N>& in) {
    std::memcpy(base + offset, in.data(), N);
}

}  // namespace torsion

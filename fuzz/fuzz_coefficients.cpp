// The coefficient file: any bytes load, and the record writes back what it read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "core/materials/coefficients.h"

using namespace torsion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CoefficientRecord record;
    OverlayCoefficients(record, std::span<const std::uint8_t>(data, size));
    const auto bytes = EncodeCoefficients(record);
    if (bytes.size() != kCoefficientRecordSize) std::abort();
    const std::size_t n = size < kCoefficientRecordSize ? size : kCoefficientRecordSize;
    if (std::memcmp(bytes.data(), data, n) != 0) std::abort();
    for (std::size_t i = n; i < bytes.size(); ++i)
        if (bytes[i] != 0) std::abort();
    return 0;
}

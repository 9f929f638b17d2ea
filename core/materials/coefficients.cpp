// Byte image of keisuu.dat and its file access.
#include "core/materials/coefficients.h"

#include <algorithm>
#include <cstring>

#include "core/base/byte_codec.h"
#include "core/base/file_io.h"

namespace torsion {

namespace {

constexpr std::size_t kValuesOffset = 4;
constexpr std::size_t kTailOffset = 60;
static_assert(kTailOffset + 676 == kCoefficientRecordSize);
static_assert(kValuesOffset + 8 * kCoefficientCount == kTailOffset);

CoefficientRecord DecodeCoefficients(const std::uint8_t* in) {
    CoefficientRecord record;
    GetBytes(in, 0, record.reservedHead);
    for (int i = 0; i < kCoefficientCount; ++i)
        record.values[i] = GetDouble(in, kValuesOffset + 8 * static_cast<std::size_t>(i));
    GetBytes(in, kTailOffset, record.reservedTail);
    return record;
}

constexpr CoefficientRange kGuideRanges[kCoefficientCount] = {
    {0, 100, true}, {0, 100, true}, {1, 25, false}, {0, 100, true},
    {20, 35, true}, {20, 35, true}, {15, 25, true},
};

}  // namespace

CoefficientRange CoefficientGuideRange(int index) {
    return index >= 0 && index < kCoefficientCount ? kGuideRanges[index] : CoefficientRange{};
}

bool OutsideGuideRange(int index, double value) {
    const CoefficientRange r = CoefficientGuideRange(index);
    return !(value >= r.low && value <= r.high);
}

std::vector<std::uint8_t> EncodeCoefficients(const CoefficientRecord& record) {
    std::vector<std::uint8_t> bytes(kCoefficientRecordSize);
    PutBytes(bytes.data(), 0, record.reservedHead);
    for (int i = 0; i < kCoefficientCount; ++i)
        PutDouble(bytes.data(), kValuesOffset + 8 * static_cast<std::size_t>(i), record.values[i]);
    PutBytes(bytes.data(), kTailOffset, record.reservedTail);
    return bytes;
}

void OverlayCoefficients(CoefficientRecord& record, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> image = EncodeCoefficients(record);
    const std::size_t count = std::min(bytes.size(), kCoefficientRecordSize);
    if (count == 0) return;
    std::memcpy(image.data(), bytes.data(), count);
    record = DecodeCoefficients(image.data());
}

void LoadCoefficients(CoefficientRecord& record, const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    OverlayCoefficients(record, bytes);
}

void SaveCoefficients(const CoefficientRecord& record, const std::string& path) {
    WriteFileReplacing(path, EncodeCoefficients(record));
}

}  // namespace torsion

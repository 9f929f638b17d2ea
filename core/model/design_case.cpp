// Byte image of a design case and of the case table.
#include "core/model/design_case.h"

#include <algorithm>
#include <cstring>

#include "core/base/byte_codec.h"

namespace torsion {

void EncodeDesignCase(const DesignCase& c, std::uint8_t* out) {
    PutInt32(out, 0, c.used);
    PutInt32(out, 4, c.materialNo);
    PutInt32(out, 8, c.wireDiaIndex);
    PutDouble(out, 12, c.wireDia);
    PutDouble(out, 20, c.innerDia);
    PutDouble(out, 28, c.meanDia);
    PutDouble(out, 36, c.outerDia);
    PutInt32(out, 44, c.diaMode);
    PutDouble(out, 48, c.turns);
    PutDouble(out, 56, c.calcTurns);
    PutInt32(out, 64, c.reserved1);
    PutDouble(out, 68, c.reserved2);
    PutDouble(out, 76, c.springIndex);
    PutDouble(out, 84, c.reserved3);
    out[92] = c.outward;
    out[93] = c.leftHand;
    PutBytes(out, 94, c.reservedFlags);
    PutDouble(out, 96, c.stressFactor);
    PutDouble(out, 104, c.appliedMaxAngle);
    PutDouble(out, 112, c.maxAngle);
    PutDouble(out, 120, c.maxMoment);
    PutInt32(out, 128, c.inputMode);
    PutDouble(out, 132, c.moment1);
    PutDouble(out, 140, c.moment2);
    PutDouble(out, 148, c.angle1);
    PutDouble(out, 156, c.angle2);
    PutDouble(out, 164, c.springConst);
    PutDouble(out, 172, c.stress1);
    PutDouble(out, 180, c.stress2);
    PutDouble(out, 188, c.allowStress);
    PutInt32(out, 196, c.lifeClass);
    PutDouble(out, 200, c.arm1);
    PutDouble(out, 208, c.arm2);
    PutDouble(out, 216, c.guideRodDia);
}

DesignCase DecodeDesignCase(const std::uint8_t* in) {
    DesignCase c;
    c.used = GetInt32(in, 0);
    c.materialNo = GetInt32(in, 4);
    c.wireDiaIndex = GetInt32(in, 8);
    c.wireDia = GetDouble(in, 12);
    c.innerDia = GetDouble(in, 20);
    c.meanDia = GetDouble(in, 28);
    c.outerDia = GetDouble(in, 36);
    c.diaMode = GetInt32(in, 44);
    c.turns = GetDouble(in, 48);
    c.calcTurns = GetDouble(in, 56);
    c.reserved1 = GetInt32(in, 64);
    c.reserved2 = GetDouble(in, 68);
    c.springIndex = GetDouble(in, 76);
    c.reserved3 = GetDouble(in, 84);
    c.outward = in[92];
    c.leftHand = in[93];
    GetBytes(in, 94, c.reservedFlags);
    c.stressFactor = GetDouble(in, 96);
    c.appliedMaxAngle = GetDouble(in, 104);
    c.maxAngle = GetDouble(in, 112);
    c.maxMoment = GetDouble(in, 120);
    c.inputMode = GetInt32(in, 128);
    c.moment1 = GetDouble(in, 132);
    c.moment2 = GetDouble(in, 140);
    c.angle1 = GetDouble(in, 148);
    c.angle2 = GetDouble(in, 156);
    c.springConst = GetDouble(in, 164);
    c.stress1 = GetDouble(in, 172);
    c.stress2 = GetDouble(in, 180);
    c.allowStress = GetDouble(in, 188);
    c.lifeClass = GetInt32(in, 196);
    c.arm1 = GetDouble(in, 200);
    c.arm2 = GetDouble(in, 208);
    c.guideRodDia = GetDouble(in, 216);
    return c;
}

std::vector<std::uint8_t> EncodeCaseTable(const CaseTable& table) {
    std::vector<std::uint8_t> bytes(kCaseTableSize);
    for (int slot = 0; slot < kCaseSlots; ++slot) {
        EncodeDesignCase(table[slot], bytes.data() + slot * kDesignCaseSize);
    }
    return bytes;
}

void OverlayCaseTable(CaseTable& table, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> image = EncodeCaseTable(table);
    const std::size_t n = std::min(bytes.size(), kCaseTableSize);
    if (n != 0) std::memcpy(image.data(), bytes.data(), n);
    for (int slot = 0; slot < kCaseSlots; ++slot) {
        table[slot] = DecodeDesignCase(image.data() + slot * kDesignCaseSize);
    }
}

}  // namespace torsion

#include "core/tolerances/variation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/practice.h"
#include "core/evaluation/evaluation.h"
#include "core/report/characteristic_sheet.h"

using namespace torsion;

namespace {

const auto kWire = BuiltInWireRows();

// ---- the wire table ------------------------------------------------------------------

struct ToleranceEdge {
    const char* symbol;
    double d;
    double plusMinus;  // NaN: no published value
};

}  // namespace

// The band edges of the diameter tolerance: JIS G 3522 bands are "を超え … 以下", the
// stainless bands run between standard diameters, and nothing is carried over a gap.
TEST(WireTable, DiameterToleranceBandEdges) {
    const ToleranceEdge rows[] = {
        {"SWP-B", 0.08, 0.004},          {"SWP-B", 0.20, 0.004},
        {"SWP-B", 0.21, 0.008},          {"SWP-B", 0.50, 0.008},
        {"SWP-B", 0.55, 0.010},          {"SWP-B", 1.00, 0.010},
        {"SWP-B", 1.0000001, 0.015},     {"SWP-A", 5.50, 0.030},
        {"SWP-V", 5.51, kNoNumber},      {"SWP-B", 0.07, kNoNumber},
        {"SWP-B", 12, kNoNumber},        {"SUS304-WPB", 0.20, 0.005},
        {"SUS304-WPB", 0.21, kNoNumber},  // between 0.20 and 0.23
        {"SUS304-WPB", 1.60, 0.015},     {"SUS631J1-WPC", 1.80, 0.02},
        {"SUS304-WPB", 1.90, kNoNumber},  // the ±0.02 band's end was not seen
        {"SW-C", 1.00, kNoNumber},       {"SWOSC-V", 3.00, kNoNumber},
        {"C5191", 1.00, kNoNumber},
    };
    for (const ToleranceEdge& e : rows) {
        const WireValue v = WireDiameterTolerance(kWire, e.symbol, e.d);
        const std::string what =
            std::string(e.symbol) + " d=" + std::to_string(e.d) + ": " + v.row.Japanese();
        EXPECT_FALSE(v.row.empty()) << what;
        if (std::isnan(e.plusMinus)) {
            EXPECT_FALSE(v.found) << what;
            EXPECT_TRUE(std::isnan(v.max)) << what;
        } else {
            ASSERT_TRUE(v.found) << what;
            EXPECT_DOUBLE_EQ(v.max, e.plusMinus) << what;
            EXPECT_DOUBLE_EQ(v.min, -e.plusMinus) << what;
        }
    }
    // The out-of-roundness of a band that has its tolerance, and of one that has not.
    EXPECT_DOUBLE_EQ(WireOutOfRoundness(kWire, "SWP-B", 1.0).max, 0.010);
    EXPECT_FALSE(WireOutOfRoundness(kWire, "SUS304-WPB", 1.80).found);
    // The row names its source.
    EXPECT_NE(WireDiameterTolerance(kWire, "SWP-B", 1.0).row.Japanese().find("S01"), std::string::npos);
}

// Tensile strength is given per standard diameter; a diameter between takes the next
// larger one's value, and a gap in the sources is never bridged.
TEST(WireTable, TensileStrengthOfTheNextLargerStandardDiameter) {
    struct Row {
        const char* symbol;
        double d;
        double min, max;  // NaN min: no published value
    };
    const Row rows[] = {
        {"SWP-B", 1.00, 2260, 2450},        {"SWP-B", 0.95, 2260, 2450},  // 0.95 → 1.00
        {"SWP-B", 0.50, 2550, 2790},        {"SWP-B", 8.00, kNoNumber, 0},
        {"SUS304-WPB", 0.62, 1850, 2100},    // 0.62 → 0.65, the row 0.65–1.00
        {"SUS304-WPB", 3.00, 1450, 1700},    // inside the row 2.90–4.00
        {"SUS304-WPB", 4.20, kNoNumber, 0},  // the next standard diameter is not known
        {"SWP-A", 3.00, kNoNumber, 0},      {"SWP-A", 2.45, kNoNumber, 0},  // 2.45 → 2.60, not seen
        {"SW-A", 2.30, 1230, kNoNumber},                                    // only the least value was seen
        {"SWP-V", 0.50, kNoNumber, 0},  // outside SWP-V's applicable 1.00–6.00
        {"SWOSC-V", 3.00, kNoNumber, 0},
    };
    for (const Row& r : rows) {
        const WireValue v = JisTensileStrength(kWire, r.symbol, r.d);
        const std::string what =
            std::string(r.symbol) + " d=" + std::to_string(r.d) + ": " + v.row.Japanese();
        EXPECT_FALSE(v.row.empty()) << what;
        if (std::isnan(r.min)) {
            EXPECT_FALSE(v.found) << what;
            continue;
        }
        ASSERT_TRUE(v.found) << what;
        EXPECT_DOUBLE_EQ(v.min, r.min) << what;
        if (std::isnan(r.max))
            EXPECT_TRUE(std::isnan(v.max)) << what;
        else
            EXPECT_DOUBLE_EQ(v.max, r.max) << what;
    }
    EXPECT_NE(JisTensileStrength(kWire, "SWP-B", 0.95).row.Japanese().find("次に大きい標準線径 1 mm"),
              std::string::npos);
}

TEST(WireTable, StandardDiameters) {
    EXPECT_EQ(StandardWireDiameter(kWire, "SWP-B", 1.00).state, StandardWireState::Standard);
    const StandardWire between = StandardWireDiameter(kWire, "SWP-B", 0.95);
    EXPECT_EQ(between.state, StandardWireState::NotStandard);
    EXPECT_DOUBLE_EQ(between.below, 0.90);
    EXPECT_DOUBLE_EQ(between.above, 1.00);
    EXPECT_EQ(StandardWireDiameter(kWire, "SWP-V", 0.50).state,
              StandardWireState::NotStandard);  // not applicable
    EXPECT_EQ(StandardWireDiameter(kWire, "SUS304-WPB", 4.00).state, StandardWireState::Standard);
    EXPECT_EQ(StandardWireDiameter(kWire, "SUS304-WPB", 3.20).state, StandardWireState::Unknown);
    EXPECT_EQ(StandardWireDiameter(kWire, "SW-B", 2.60).state, StandardWireState::Unknown);
    EXPECT_EQ(StandardWireDiameter(kWire, "SWOSC-V", 3.00).state, StandardWireState::Unknown);
    EXPECT_EQ(StandardWireDiameter(kWire, "SWP-B", std::nan("")).state, StandardWireState::Unknown);
}

// ---- three springs worked by hand ------------------------------------------------------

namespace {

MaterialRecord Material(const char* symbol, double youngModulus, double d, double tensile) {
    MaterialRecord r{};
    SetShortString(r.symbol, symbol);
    r.youngModulus = youngModulus;
    r.rowCount = 1;
    r.diameter[0] = d;
    r.tensileStrength[0] = tensile;
    return r;
}

// A case as "計算" leaves it: k and the moments from the rate formula.
DesignCase Spring(double d, double D, int diaMode, double turns, double arm1, double arm2, double angle1,
                  double angle2, double youngModulus) {
    DesignCase c;
    c.used = 1;
    c.wireDia = d;
    c.meanDia = D;
    c.innerDia = D - d;
    c.outerDia = D + d;
    c.diaMode = diaMode;
    c.turns = c.calcTurns = turns;
    c.springIndex = D / d;
    c.arm1 = arm1;
    c.arm2 = arm2;
    c.inputMode = 1;
    c.angle1 = angle1;
    c.angle2 = angle2;
    c.springConst = SpringRate(youngModulus, d, D, turns, arm1, arm2);
    c.moment1 = angle1 * c.springConst;
    c.moment2 = angle2 * c.springConst;
    return c;
}

constexpr double kPct = 1e-5;  // tolerance of a relative change (0.001 %)

}  // namespace

// SWP-B, d = 1.00 mm, D = 10 (mean typed: Di 9, Do 11), N = 5, a1 = 15, a2 = 20, φ 30°/60°,
// grade 2, E = 206000 N/mm².
//   k = 206000·1⁴ / (3667·10·5 + 389·35) / 9.80665 = 206000 / 196965 / 9.80665 = 0.106649 kgf·mm/°
//   Δd = ±0.010 (JIS G 3522: 0.50 < d ≤ 1.00, the band's upper edge); k ∝ d⁴:
//     1.01⁴ − 1 = +4.0604 %, 0.99⁴ − 1 = −3.9404 %
//   ΔD = ±0.3 (grade 2, c = 10 in 8 < c ≤ 15: 2 % of Do 11 = 0.22, minimum 0.3):
//     D 9.7: 196965 / (3667·9.7·5 + 13615 = 191464.5) − 1 = +2.8729 %
//     D 10.3: 196965 / (202465.5) − 1 = −2.7168 %
//   Δθ = ±15° (grade 2, 3 < N ≤ 10), ΔN = 15/360 = 0.041667:
//     N 4.958333: 196965 / (181822.9 + 13615) − 1 = +0.7818 %;  N 5.041667: −0.7698 %
//   worst: k·1.01⁴·196965 / (3667·9.7·4.958333 + 13615) = 0.115058,
//          k·0.99⁴·196965 / (3667·10.3·5.041667 + 13615) = 0.0988948
//   RSS: √(4.0604² + 2.8729² + 0.7818²) = 5.0350 % → 0.112019;
//        √(3.9404² + 2.7168² + 0.7698²) = 4.8477 % → 0.101479
//   M2 = 60·k = 6.39895; worst 0.115058·(60 + 15) = 8.62939, 0.0988948·(60 − 15) = 4.45027
//   ±ΔM2 = (60·0.05 + 10)·k = 13·k = 1.38644 kgf·mm (21.667 %): beyond, also by RSS
//   (M2 + √((6.39895·0.040604)² + (6.39895·0.028729)² + (6.39895·0.007818)² + 1.59974²) = 8.03081)
//   shares of M2: half-spreads 0.25598, 0.17884, 0.04964 and k·Δθ = 1.59974 of 2.0842:
//     12.28 %, 8.58 %, 2.38 %, 76.76 %
TEST(Variation, PianoWireByHand) {
    const MaterialRecord swpB = Material("SWP-B", 206000, 1.0, 2260);
    const DesignCase c = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    EXPECT_NEAR(c.springConst, 0.1066491711, 1e-9);
    const CharacteristicVariation v = VariationOf(c, &swpB, 2);
    ASSERT_TRUE(v.valid);
    EXPECT_DOUBLE_EQ(v.wire.plusMinus, 0.010);
    EXPECT_NEAR(v.wire.rateUp, 0.040604, kPct);
    EXPECT_NEAR(v.wire.rateDown, -0.039404, kPct);
    EXPECT_DOUBLE_EQ(v.coil.plusMinus, 0.3);
    EXPECT_NEAR(v.coil.rateUp, 0.028729, kPct);
    EXPECT_NEAR(v.coil.rateDown, -0.027168, kPct);
    EXPECT_DOUBLE_EQ(v.freeAngle, 15);
    EXPECT_NEAR(v.turns.rateUp, 0.007818, kPct);
    EXPECT_NEAR(v.turns.rateDown, -0.007698, kPct);
    EXPECT_NEAR(v.rateWorst.high, 0.115058, 1e-6);
    EXPECT_NEAR(v.rateWorst.low, 0.0988948, 1e-6);
    EXPECT_NEAR(v.rateRss.high, 0.112019, 1e-6);
    EXPECT_NEAR(v.rateRss.low, 0.101479, 1e-6);
    const MomentVariation& m2 = v.moments[1];
    EXPECT_NEAR(m2.worst.high, 8.62939, 1e-5);
    EXPECT_NEAR(m2.worst.low, 4.45027, 1e-5);
    EXPECT_NEAR(m2.rss.high, 8.03081, 1e-5);
    EXPECT_NEAR(m2.zeroShift, 1.59974, 1e-5);
    EXPECT_NEAR(m2.allowed.plusMinus / kStandardGravity, 1.38644, 1e-5);
    EXPECT_NEAR(m2.share[0], 12.28, 0.005);
    EXPECT_NEAR(m2.share[1], 8.58, 0.005);
    EXPECT_NEAR(m2.share[2], 2.38, 0.005);
    EXPECT_NEAR(m2.share[3], 76.76, 0.005);
    EXPECT_NEAR(v.wirePercent, 4.0604, 1e-3);
    EXPECT_EQ(v.verdict, VariationVerdict::Beyond);
    EXPECT_EQ(VariationVerdictText(v),
              "公差を超える見込み（M2 +34.9 / -30.5 %、±ΔM は ±21.7 %。最大の寄与は零点 77 %）");

    const WireCheck w = WireCheckOf(c, &swpB);
    EXPECT_EQ(w.standard.state, StandardWireState::Standard);
    EXPECT_DOUBLE_EQ(w.tensile.min, 2260);
    EXPECT_DOUBLE_EQ(w.tensile.max, 2450);
    EXPECT_DOUBLE_EQ(w.tableStrength, 2260);
}

// Natural frequency of the same spring, ρ = 7.85 g/cm³:
//   wire 7.85e-6·π·1²/4 = 6.1654e-6 kg/mm; coil π·10·5 = 157.08 mm → 9.6846e-4 kg at D/2 = 5:
//   J_coil = 0.024211 kg·mm²; arm 2: 6.1654e-6·20 = 1.23308e-4 kg, J_arm = m·20²/3 = 0.016441
//   J_spring = 0.040652, a third 0.013551; k = 0.106649·9.80665·180/π = 59.924 N·mm/rad
//   alone: f = √(1000·59.924 / 0.013551) / 2π = 334.69 Hz
//   J = 5 kg·mm²: f = √(1000·59.924 / 5.013551) / 2π = 17.400 Hz; at 50 Hz the ratio 0.34800
//   energy ½·k·(180/π)·(60² − 30²)·(π/180)² = ½·0.106649·2700·π/180 = 2.51286 kgf·mm
TEST(Variation, NaturalFrequencyByHandAndTheSpringAlone) {
    const DesignCase c = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    const SpringDynamics alone = DynamicsOf(c, 7.85, {});
    ASSERT_TRUE(alone.valid);
    EXPECT_FALSE(alone.driven);
    EXPECT_NEAR(alone.coilInertia, 0.0242114, 1e-6);
    EXPECT_NEAR(alone.armInertia, 0.016441, 1e-6);
    EXPECT_NEAR(alone.rateNmmPerRad, 59.924, 1e-3);
    EXPECT_NEAR(alone.naturalFrequency, 334.686, 1e-3);
    EXPECT_NEAR(alone.energy, 2.51286, 1e-5);
    EXPECT_TRUE(std::isnan(alone.frequencyRatio));
    // J = 0 is the spring alone too; a negative J counts as not given.
    EXPECT_DOUBLE_EQ(DynamicsOf(c, 7.85, {0, kNoNumber}).naturalFrequency, alone.naturalFrequency);
    EXPECT_DOUBLE_EQ(DynamicsOf(c, 7.85, {-1, kNoNumber}).naturalFrequency, alone.naturalFrequency);
    const SpringDynamics driven = DynamicsOf(c, 7.85, {5, 50});
    EXPECT_TRUE(driven.driven);
    EXPECT_NEAR(driven.naturalFrequency, 17.3999, 1e-4);
    EXPECT_NEAR(driven.frequencyRatio, 0.347998, 1e-5);
    // Without a density the spring's own inertia is unknown: no frequency, even with J.
    EXPECT_TRUE(std::isnan(DynamicsOf(c, kNoNumber, {5, 50}).naturalFrequency));
    EXPECT_TRUE(std::isnan(DynamicsOf(c, kNoNumber, {5, 50}).frequencyRatio));
}

// SUS304-WPB, d = 1.60 mm, Do = 17.6 typed (D = 16), N = 8, a1 = a2 = 25, φ 20°/50°, grade 1,
// E = 186000 N/mm².
//   k = 186000·1.6⁴ / (3667·16·8 + 389·50) / 9.80665 = 121896.96 / 488826 / 9.80665 = 0.254283
//   Δd = ±0.015 (JIS G 4314 band 0.90–1.60, its upper edge): 1.6⁴ → (1.615/1.6)⁴ − 1 = +3.8031 %,
//     (1.585/1.6)⁴ − 1 = −3.6976 %
//   ΔD = ±0.264 (grade 1, c = 10: 1.5 % of Do 17.6 = 0.264 > 0.2):
//     D 15.736: 488826 / (3667·15.736·8 + 19450) − 1 = +1.6099 %;  D 16.264: −1.5596 %
//   Δθ = ±10° (grade 1, 3 < N ≤ 10): ΔN = 0.027778 → +0.3345 % / −0.3323 %
//   worst k 0.2691 / 0.24026; M2 = 50·k = 12.7142 → 0.2691·60 = 16.146, 0.24026·40 = 9.61041
//   ±ΔM1 = (20·0.03 + 10)·k = 2.6954 (53 %), ±ΔM2 = (50·0.03 + 10)·k = 11.5·k = 2.92426 (23 %):
//   beyond in the worst case (M1 0.24026·(20 − 10) = 2.4026 is 52.8 % low), within by RSS:
//   M1 √((5.08567·0.038031)² + (5.08567·0.016099)² + (5.08567·0.003345)² + (10·k)²) = 2.5516
//   (50.2 %), M2 √(…, 2.54283²) = 2.5968 (20.4 %)
//   J: 7.93e-6·π·1.6²/4 = 1.59441e-5 kg/mm; coil π·16·8 = 402.12 mm → 6.41145e-3 kg ·8² = 0.410333;
//   arm 1.59441e-5·25³/3 = 0.0830428; a third of 0.493376 = 0.164459;
//   k = 0.254283·9.80665·180/π = 142.877 N·mm/rad → f = √(142877 / 0.164459) / 2π = 148.34 Hz
TEST(Variation, StainlessByHand) {
    const MaterialRecord wpb = Material("SUS304-WPB", 186000, 1.6, 1650);
    const DesignCase c = Spring(1.6, 16, 2, 8, 25, 25, 20, 50, 186000);
    const CharacteristicVariation v = VariationOf(c, &wpb, 1);
    ASSERT_TRUE(v.valid);
    EXPECT_DOUBLE_EQ(v.wire.plusMinus, 0.015);
    EXPECT_NEAR(v.wire.rateUp, 0.038031, kPct);
    EXPECT_NEAR(v.wire.rateDown, -0.036976, kPct);
    EXPECT_NEAR(v.coil.plusMinus, 0.264, 1e-12);
    EXPECT_NEAR(v.coil.rateUp, 0.016099, kPct);
    EXPECT_NEAR(v.coil.rateDown, -0.015596, kPct);
    EXPECT_NEAR(v.turns.rateUp, 0.003345, kPct);
    EXPECT_NEAR(v.turns.rateDown, -0.003323, kPct);
    EXPECT_NEAR(v.rateWorst.high, 0.2691, 1e-4);
    EXPECT_NEAR(v.rateWorst.low, 0.24026, 1e-5);
    EXPECT_NEAR(v.moments[1].worst.high, 16.146, 1e-3);
    EXPECT_NEAR(v.moments[1].worst.low, 9.61041, 1e-4);
    EXPECT_NEAR(v.moments[1].allowed.plusMinus / kStandardGravity, 2.92426, 1e-5);
    EXPECT_NEAR(v.moments[0].rss.high - v.moments[0].nominal, 2.5516, 1e-4);
    EXPECT_NEAR(v.moments[1].rss.high - v.moments[1].nominal, 2.5968, 1e-4);
    EXPECT_EQ(v.verdict, VariationVerdict::WithinRss);

    const WireCheck w = WireCheckOf(c, &wpb);
    EXPECT_EQ(w.standard.state, StandardWireState::Standard);
    EXPECT_DOUBLE_EQ(w.tensile.min, 1650);
    EXPECT_DOUBLE_EQ(w.tensile.max, 1900);
    EXPECT_DOUBLE_EQ(w.tolerance.max, 0.015);
    EXPECT_NEAR(DynamicsOf(c, 7.93, {}).naturalFrequency, 148.344, 2e-3);
}

// SWOSC-V, d = 3.00 mm, D = 24 (mean typed: Di 21, Do 27), N = 4, a1 = a2 = 30, φ 10°/40°,
// grade 3, E = 206000: no JIS wire data was found for oil-tempered wire.
//   k = 206000·81 / (3667·24·4 + 389·60) / 9.80665 = 16686000 / 375372 / 9.80665 = 4.53283
//   Δd: none ("規格値なし"), so no range of k or M and no verdict; the other terms stand:
//   ΔD = ±0.675 (grade 3, c = 8 in 4 ≤ c ≤ 8: 2.5 % of Do 27 = 0.675 > 0.4):
//     D 23.325: 375372 / (3667·23.325·4 + 23340) − 1 = +2.7091 %;  D 24.675: −2.5698 %
//   Δθ = ±20° (grade 3, 3 < N ≤ 10): ΔN = 0.055556 → +1.3197 % / −1.2858 %; k·Δθ = 90.6567
TEST(Variation, OilTemperedWithoutDataByHand) {
    const MaterialRecord swosc = Material("SWOSC-V", 206000, 3.0, 1860);
    const DesignCase c = Spring(3.0, 24, 1, 4, 30, 30, 10, 40, 206000);
    EXPECT_NEAR(c.springConst, 4.532832691, 1e-8);
    const CharacteristicVariation v = VariationOf(c, &swosc, 3);
    ASSERT_TRUE(v.valid);
    EXPECT_FALSE(v.wire.known);
    EXPECT_TRUE(std::isnan(v.wire.plusMinus));
    EXPECT_NEAR(v.coil.plusMinus, 0.675, 1e-12);
    EXPECT_NEAR(v.coil.rateUp, 0.027091, kPct);
    EXPECT_NEAR(v.coil.rateDown, -0.025698, kPct);
    EXPECT_NEAR(v.turns.rateUp, 0.013197, kPct);
    EXPECT_NEAR(v.turns.rateDown, -0.012858, kPct);
    EXPECT_NEAR(v.moments[1].zeroShift, 90.6567, 1e-4);
    EXPECT_TRUE(std::isnan(v.rateWorst.low) && std::isnan(v.rateWorst.high));
    EXPECT_TRUE(std::isnan(v.moments[1].worst.high) && std::isnan(v.moments[1].rss.low));
    EXPECT_EQ(v.verdict, VariationVerdict::NoTermData);
    EXPECT_EQ(VariationVerdictText(v), "規格値なし（線径の許容差）");

    const WireCheck w = WireCheckOf(c, &swosc);
    EXPECT_EQ(w.standard.state, StandardWireState::Unknown);
    EXPECT_FALSE(w.tensile.found);
    EXPECT_FALSE(w.tolerance.found);
    EXPECT_DOUBLE_EQ(w.tableStrength, 1860);
}

// The verdicts. A thin wire whose tolerance alone is wider than the grade's moment tolerance:
// d = 0.10 (±0.004: 1.04⁴ − 1 = +16.99 %) at φ1 = 200°, grade 1: ΔM/M = 0.03 + 10/200 = 8 %.
// A thick one, d = 5 (±0.030), D = 50, N = 25, grade 3 at φ 300°/400° (Δθ = 40°, β2 = 20°):
// ΔM/M = 0.08 + 20/300 = 14.67 % at φ1 against +20.5 / −18.4 % in the worst case, but
// √(Σ terms²) = 13.97 % by root-sum-square; at φ2 13 % against +17.0 / −15.3 % and 10.84 %.
// The piano-wire spring above with a free-angle tolerance of ±2° instead of ±15° (rows of the
// test): k·1.07885·62 − k·60 = 6.89·k within ±13·k at φ2, 4.52·k within ±11.5·k at φ1.
TEST(Variation, VerdictsAgainstTheMomentTolerance) {
    const MaterialRecord swpB = Material("SWP-B", 206000, 0.1, 3090);
    const CharacteristicVariation hard =
        VariationOf(Spring(0.1, 1.0, 1, 5, 2, 2, 200, 300, 206000), &swpB, 1);
    EXPECT_EQ(hard.verdict, VariationVerdict::WireAlone);
    EXPECT_EQ(VariationVerdictText(hard), "線径の許容差だけで ±17 %: この等級は難しい");

    const MaterialRecord swpA = Material("SWP-A", 206000, 5.0, 1600);
    const CharacteristicVariation rss =
        VariationOf(Spring(5.0, 50, 1, 25, 50, 50, 300, 400, 206000), &swpA, 3);
    EXPECT_EQ(rss.verdict, VariationVerdict::WithinRss) << VariationVerdictText(rss);

    std::vector<ToleranceRow> rows(BuiltInToleranceRows().begin(), BuiltInToleranceRows().end());
    for (ToleranceRow& row : rows)
        if (row.table == ToleranceTable::FreeAngle) row.value = 2;
    const DesignCase c = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    const CharacteristicVariation within = VariationOf(c, &swpB, 2, rows);
    EXPECT_EQ(within.verdict, VariationVerdict::Within) << VariationVerdictText(within);
    EXPECT_EQ(VariationVerdictText(within), "公差内の見込み（すべて不利な側でも ±ΔM の内）");

    // N ≤ 3 has no published moment tolerance: no verdict, and it says why.
    const CharacteristicVariation none = VariationOf(Spring(1.0, 10, 1, 2, 15, 20, 30, 60, 206000), &swpB, 2);
    EXPECT_EQ(none.verdict, VariationVerdict::NoMomentTolerance);
    EXPECT_EQ(VariationOf(c, nullptr, 2).verdict, VariationVerdict::None);
}

// The page's lines of the two springs worked above, in the shown unit; the sources stand in
// the tooltips.
TEST(Variation, PageLines) {
    MaterialTable table{};
    table[0] = Material("SWP-B", 206000, 1.0, 2260);
    SetShortString(table[0].kindName, "\x83\x73\x83\x41\x83\x6D\x90\xFC");  // ピアノ線: 7.85 g/cm³
    table[1] = Material("SWOSC-V", 206000, 3.0, 1860);
    auto text = [](const CharacteristicSheet& sheet, const std::string& label, bool rss = false) {
        for (const SheetLine& line : sheet.lines)
            if (line.label == label)
                return (rss ? line.atMax.value_or(SheetCell{}).text : line.value.text).Japanese();
        return std::string("(no line)");
    };
    const DesignCase piano = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    const CharacteristicSheet kgf = BuildCharacteristicSheet(piano, table, 2, UnitSystem::Kgf, {5, 50});
    EXPECT_EQ(text(kgf, "線径 ±Δd"), "±0.01 mm → k +4.06 / -3.94 %");
    EXPECT_EQ(text(kgf, "ばね定数 k"), "0.09889 〜 0.1151 kgf･mm/度（+7.89 / -7.27 %）");
    EXPECT_EQ(text(kgf, "ばね定数 k", true), "0.1015 〜 0.112 kgf･mm/度（+5.04 / -4.85 %）");
    EXPECT_EQ(text(kgf, "M2"), "4.45 〜 8.629 kgf･mm（+34.9 / -30.5 %）");
    EXPECT_EQ(text(kgf, "各項の寄与（M2）"), "線径 12%・コイル径 8.6%・巻数 2.4%・零点 77%");
    EXPECT_EQ(text(kgf, "標準線径"), "JIS 標準線径");
    EXPECT_EQ(text(kgf, "引張強さ"), "JIS 2260〜2450 N/mm²（材料表 2260 N/mm²）");
    EXPECT_EQ(text(kgf, "固有振動数 f"), "17.4 Hz");
    EXPECT_EQ(text(kgf, "運転周波数との比"), "f / 50 Hz = 0.348");
    EXPECT_EQ(text(kgf, "蓄えるエネルギー φ1→φ2"), "2.513 kgf･mm");
    const CharacteristicSheet si = BuildCharacteristicSheet(piano, table, 2, UnitSystem::SI);
    EXPECT_EQ(text(si, "M2"), "43.64 〜 84.63 N･mm（+34.9 / -30.5 %）");
    EXPECT_EQ(text(si, "駆動する部品の J"), "なし（ばね単体）");
    EXPECT_EQ(text(si, "固有振動数 f"), "334.7 Hz");
    EXPECT_EQ(text(si, "蓄えるエネルギー φ1→φ2"), "24.64 N･mm（= 24.64 mJ）");

    DesignCase oil = Spring(3.0, 24, 1, 4, 30, 30, 10, 40, 206000);
    oil.materialNo = 1;
    const CharacteristicSheet none = BuildCharacteristicSheet(oil, table, 3, UnitSystem::Kgf);
    for (const char* label : {"線径 ±Δd", "ばね定数 k", "M1", "M2", "標準線径"})
        EXPECT_EQ(text(none, label), "規格値なし") << label;
    EXPECT_EQ(text(none, "判定"), "規格値なし（線径の許容差）");
    EXPECT_EQ(text(none, "引張強さ"), "規格値なし（材料表 1860 N/mm²）");
    EXPECT_EQ(text(none, "固有振動数 f"), "257.9 Hz");  // the spring alone: 4.53283·9.80665·180/π
    // = 2546.91 N·mm/rad; J/3 = (2.40983 + 0.499395)/3 = 0.96974 kg·mm² → √(2546910/0.96974)/2π
}

// The evaluation carries the check only when a grade is asked for, and it is the same check.
TEST(Variation, PartOfTheEvaluationWhenAGradeIsAskedFor) {
    MaterialTable table{};
    table[0] = Material("SWP-B", 206000, 1.0, 2260);
    const DesignCase c = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    EXPECT_FALSE(EvaluationOf(c, table).manufacturing.has_value());
    EXPECT_FALSE(EvaluationOf(c, table, {4, {}}).manufacturing.has_value());
    const Evaluation e = EvaluationOf(c, table, {1, {5, 50}});
    ASSERT_TRUE(e.manufacturing.has_value());
    EXPECT_EQ(e.manufacturing->grade, 1);
    EXPECT_DOUBLE_EQ(e.manufacturing->variation.rateWorst.high, VariationOf(c, &table[0], 1).rateWorst.high);
    EXPECT_DOUBLE_EQ(e.manufacturing->dynamics.frequencyRatio,
                     DynamicsOf(c, 7.85, {5, 50}).frequencyRatio);  // SWP: 7.85 g/cm³
}

namespace {

// Every number and state of a check, in one list; NaN compared as NaN.
std::vector<double> NumbersOf(const ManufacturingCheck& m) {
    const CharacteristicVariation& v = m.variation;
    std::vector<double> n{double(v.valid),  double(v.verdict), v.freeAngle,    v.rateWorst.low,
                          v.rateWorst.high, v.rateRss.low,     v.rateRss.high, v.wirePercent};
    for (const VariationTerm* t : {&v.wire, &v.coil, &v.turns})
        n.insert(n.end(), {double(t->known), t->plusMinus, t->rateUp, t->rateDown});
    for (const MomentVariation& mv : v.moments) {
        n.insert(n.end(), {mv.worst.low, mv.worst.high, mv.rss.low, mv.rss.high, mv.zeroShift,
                           double(mv.allowed.state), mv.allowed.plusMinus, mv.allowed.reference});
        n.insert(n.end(), mv.share.begin(), mv.share.end());
    }
    const WireCheck& w = m.wire;
    n.insert(n.end(), {double(w.standard.state), w.standard.below, w.standard.above, w.tableStrength});
    for (const WireValue* x : {&w.tensile, &w.tolerance, &w.roundness})
        n.insert(n.end(), {double(x->found), x->min, x->max});
    n.insert(n.end(), {m.dynamics.naturalFrequency, m.dynamics.frequencyRatio, m.dynamics.springInertia});
    return n;
}

std::vector<std::string> TextsOf(const ManufacturingCheck& m) {
    const CharacteristicVariation& v = m.variation;
    std::vector<std::string> texts;
    for (const ComposedText* t : {&v.wire.row, &v.coil.row, &v.turns.row, &v.moments[0].allowed.row,
                                  &v.moments[1].allowed.row, &m.wire.standard.row, &m.wire.tensile.row,
                                  &m.wire.tolerance.row, &m.wire.roundness.row, &m.densityRow})
        texts.push_back(t->Japanese());
    return texts;
}

}  // namespace

// What --calc prints comes from a check without its row texts: the numbers must be the
// page's, for standard and in-between wires, a grade without data, a stainless wire, an
// index outside the free-angle table and a material missing from the table.
TEST(Variation, NumbersWithoutTheRowTexts) {
    MaterialTable table{};
    table[0] = Material("SWP-B", 206000, 1.0, 2260);
    table[1] = Material("SUS304-WPB", 186000, 0.95, 2000);
    table[2] = Material("SWOSC-V", 206000, 3.0, 1900);
    const struct {
        int material;
        DesignCase c;
    } cases[] = {{0, Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000)},
                 {0, Spring(0.95, 6, 0, 12.5, 10, 30, 10, 200, 206000)},
                 {1, Spring(0.95, 30, 2, 2.2, 15, 20, 30, 60, 186000)},
                 {2, Spring(3.0, 20, 1, 40, 15, 20, 3, 6, 206000)},
                 {7, Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000)}};
    for (const auto& [material, spring] : cases) {
        DesignCase c = spring;
        c.materialNo = material;
        for (int grade = 1; grade <= 3; ++grade) {
            const ManufacturingCheck built = ManufacturingCheckOf(c, table, grade, {5, 50});
            const ManufacturingCheck bare = ManufacturingCheckOf(
                c, table, grade, {5, 50}, BuiltInToleranceRows(), BuiltInWireRows(), {}, RowTexts::Skipped);
            const std::vector<double> a = NumbersOf(built), b = NumbersOf(bare);
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_TRUE(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i])))
                    << "material " << material << " grade " << grade << " number " << i;
            EXPECT_NE(TextsOf(built), TextsOf(bare)) << "material " << material << ": the page has its texts";
            for (const std::string& text : TextsOf(bare)) EXPECT_EQ(text, "");
        }
    }
}

// The coil term moves k as the chosen practice's formula moves (EN's leg term depends on D);
// the evaluation hands its practice and leg shapes to the check.
TEST(Variation, FollowsThePracticeRateFormula) {
    MaterialTable table{};
    table[0] = Material("SWP-B", 206000, 1.0, 2260);
    const DesignCase c = Spring(1.0, 10, 1, 5, 15, 20, 30, 60, 206000);
    for (const DesignOptions& design :
         {DesignOptions{Practice::En}, DesignOptions{Practice::Us, 20, {LegEnd{LegShape::Radial, 5, 2}}}}) {
        const CharacteristicVariation v =
            VariationOf(c, &table[0], 2, BuiltInToleranceRows(), BuiltInWireRows(), design);
        ASSERT_TRUE(v.coil.known);
        const auto rate = [&](double D) {
            return PracticeRate(design.practice, 206000, 1.0, D, c.calcTurns, 15, 20, design.legs[0].shape,
                                design.legs[1].shape);
        };
        EXPECT_DOUBLE_EQ(v.coil.rateUp, rate(c.meanDia - v.coil.plusMinus) / rate(c.meanDia) - 1);
        EXPECT_NE(v.coil.rateUp, VariationOf(c, &table[0], 2).coil.rateUp);
        const Evaluation e = EvaluationOf(c, table, {2, {}, design});
        EXPECT_DOUBLE_EQ(e.manufacturing->variation.coil.rateUp, v.coil.rateUp);
    }
}

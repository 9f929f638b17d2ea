#include "core/design/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <tuple>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/calc/calculation.h"
#include "core/materials/fatigue_life.h"
#include "tests/support/material_tables.h"

using namespace torsion;

namespace {

// Two kinds: record 0 (kind 0) with stresses from the tensile strength, record 2 (kind
// 0) and record 1 (kind 1) with explicit bending stresses; the rest empty.
std::unique_ptr<MaterialTable> SmallTable() {
    auto table = EmptyMaterialTable();
    (*table)[0] = WireRecord({.symbol = "A-1",
                              .youngModulus = 206000,
                              .bendingRatio = 70,
                              .diameter = {0.5, 0.8, 1.0},
                              .tensileStrength = {2200, 2100, 2000}});
    (*table)[1] = WireRecord({.kind = 1,
                              .symbol = "B,2",
                              .youngModulus = 186000,
                              .diameter = {0.6, 1.2},
                              .tensileStrength = {1800, 1700},
                              .allowBending = {1300, 1250}});
    // Record 2: A-1's first two rows with a lower modulus (its third row stays, unused).
    MaterialRecord& c = (*table)[2];
    c = (*table)[0];
    SetShortString(c.symbol, "A-2");
    c.youngModulus = 196000;
    c.rowCount = 2;
    return table;
}

SearchInputs SmallInputs() {
    SearchInputs in;
    in.moment2 = 10;
    in.angle2 = 90;
    in.angle1 = 30;
    in.tolerancePct = 8;
    in.arm1 = 15;
    in.arm2 = 20;
    in.turnsMin = 1;
    in.turnsMax = 12;
    in.turnsFraction = 0.25;
    in.coilDiaStep = 0.3;
    in.guideRodMin = 3;
    in.lifeClassLimit = 6;
    in.keepBest = 100000;
    return in;
}

// The reference: every whole turn of every grid diameter, read in through the window's
// own reading functions from the texts the window would hold, then calculated,
// checked and given its life as the window does.
std::vector<DesignCase> BruteForce(const SearchInputs& in, const MaterialTable& table,
                                   const KindIndex& index) {
    std::vector<DesignCase> feasible;
    for (int kind = 0; kind < kKinds; ++kind) {
        for (int slot = 0; slot < kMembersPerKind; ++slot) {
            const int record = MaterialNoAt(index, kind, slot);
            if (record < 0) continue;
            const std::vector<std::string> diameters = DiameterListEntries(table, record);
            for (int row = 0; row < static_cast<int>(diameters.size()); ++row) {
                for (int i = 1; i * in.coilDiaStep < 40; ++i) {
                    for (int n = in.turnsMin; n <= in.turnsMax; ++n) {
                        WindowInputs w;
                        w.kindPos = kind;
                        w.symbolPos = slot;
                        w.diameterPos = row;
                        w.coilDiaText = FormatFull(std::round(i * in.coilDiaStep * 1000) / 1000);
                        w.wireDiaText = diameters[static_cast<std::size_t>(row)];
                        w.turnsText = FormatFull(n + in.turnsFraction);
                        w.angle1Text = FormatFull(in.angle1);
                        w.angle2Text = FormatFull(in.angle2);
                        w.moment1Text = w.moment2Text = "0";
                        w.arm1Text = FormatFull(in.arm1);
                        w.arm2Text = FormatFull(in.arm2);
                        w.outward = in.outward;
                        w.leftHand = in.leftHand;
                        DesignCase c;
                        InitCurrentCase(c);
                        c.diaMode = in.diaMode;
                        c.inputMode = 1;
                        ReadDiameters(c, table, index, w);
                        ReadOperatingInputs(c, w);
                        // Far outside the index range the formulas divide by zero; near
                        // it CheckCase decides.
                        if (c.meanDia < 3 * c.wireDia || c.meanDia > 23 * c.wireDia) continue;
                        CalculateCase(c, table);
                        const StressCoefficients r = CaseStressCoefficients(c, table);
                        c.lifeClass = EstimateLife(r.lower, r.upper);
                        const double lo = in.moment2 * (1 - in.tolerancePct / 100);
                        const double hi = in.moment2 * (1 + in.tolerancePct / 100);
                        const bool ok = !CheckCase(c).error && c.moment2 >= lo && c.moment2 <= hi &&
                                        (in.outerDiaMax == 0 || c.outerDia <= in.outerDiaMax) &&
                                        c.guideRodDia >= in.guideRodMin && c.lifeClass <= in.lifeClassLimit;
                        if (ok) feasible.push_back(c);
                    }
                }
            }
        }
    }
    return feasible;
}

std::vector<std::uint8_t> Bytes(const DesignCase& c) {
    std::vector<std::uint8_t> bytes(kDesignCaseSize);
    EncodeDesignCase(c, bytes.data());
    return bytes;
}

std::string SearchError(const SearchInputs& in, const MaterialTable& table, const KindIndex& index) {
    try {
        SearchDesigns(in, table, index);
    } catch (const CommandError& e) {
        return e.message();
    }
    return "(no error)";
}

class DesignSearchTest : public ::testing::Test {
  protected:
    std::unique_ptr<MaterialTable> table = SmallTable();
    KindIndex index = BuildKindIndex(*table);
    SearchInputs in = SmallInputs();
};

// Diameter mode, outward flag and ranking: the feasible set is the reference's, case
// for case byte for byte, and the list is in ranking order.
class SearchAgainstReference : public DesignSearchTest,
                               public ::testing::WithParamInterface<std::tuple<int, bool, SearchRanking>> {};

TEST_P(SearchAgainstReference, FindsExactlyTheFeasibleDesignsOfTheFullCalculation) {
    std::tie(in.diaMode, in.outward, in.ranking) = GetParam();
    const SearchOutcome out = SearchDesigns(in, *table, index);
    const std::vector<DesignCase> reference = BruteForce(in, *table, index);

    ASSERT_GT(reference.size(), 3u);
    // The requirements besides the torque each refuse some designs here.
    EXPECT_LT(out.feasible, out.torqueMatched);
    EXPECT_EQ(out.feasible, static_cast<std::int64_t>(reference.size()));
    std::set<std::vector<std::uint8_t>> expected, found;
    for (const DesignCase& c : reference) expected.insert(Bytes(c));
    for (const SearchCandidate& c : out.best) found.insert(Bytes(c.design));
    EXPECT_EQ(found, expected);
    for (std::size_t i = 1; i < out.best.size(); ++i)
        EXPECT_TRUE(RanksBefore(out.best[i - 1], out.best[i], in.ranking)) << i;
    // Only a few turns per diameter went through the full calculation.
    EXPECT_LT(out.calculated * 4, out.examined);
}

INSTANTIATE_TEST_SUITE_P(Modes, SearchAgainstReference,
                         ::testing::Values(std::make_tuple(1, false, SearchRanking::WireVolume),
                                           std::make_tuple(0, false, SearchRanking::StressMargin),
                                           std::make_tuple(2, true, SearchRanking::Life),
                                           std::make_tuple(1, true, SearchRanking::OuterDia)));

TEST_F(DesignSearchTest, TiesBreakByVolumeThenRecordRowDiameterTurnsAndRunsRepeat) {
    in.ranking = SearchRanking::Life;
    const SearchOutcome out = SearchDesigns(in, *table, index);
    ASSERT_GT(out.best.size(), 10u);
    auto key = [](const SearchCandidate& c) {
        return std::make_tuple(c.design.lifeClass, c.wireVolume, c.design.materialNo, c.design.wireDiaIndex,
                               c.design.meanDia, c.design.turns);
    };
    for (std::size_t i = 1; i < out.best.size(); ++i) EXPECT_LT(key(out.best[i - 1]), key(out.best[i])) << i;

    const SearchOutcome again = SearchDesigns(in, *table, index);
    ASSERT_EQ(again.best.size(), out.best.size());
    for (std::size_t i = 0; i < out.best.size(); ++i)
        EXPECT_EQ(Bytes(again.best[i].design), Bytes(out.best[i].design));

    in.keepBest = 5;
    const SearchOutcome top = SearchDesigns(in, *table, index);
    ASSERT_EQ(top.best.size(), 5u);
    EXPECT_EQ(top.feasible, out.feasible);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Bytes(top.best[i].design), Bytes(out.best[i].design));
}

TEST_F(DesignSearchTest, AnyTurnsGivesTheHundredthOfATurnNearestTheTorque) {
    in.anyTurns = true;
    const SearchOutcome out = SearchDesigns(in, *table, index);
    ASSERT_GT(out.best.size(), 3u);
    for (const SearchCandidate& c : out.best) {
        EXPECT_EQ(FormatFull(c.design.turns), FormatGeneral(std::round(c.design.turns * 100) / 100, 15));
        for (double step : {-0.01, 0.01}) {
            DesignCase other = c.design;
            other.turns = other.calcTurns = c.design.turns + step;
            CalculateCase(other, *table);
            EXPECT_LE(std::fabs(c.design.moment2 - in.moment2),
                      std::fabs(other.moment2 - in.moment2) + 1e-12);
        }
    }
}

TEST_F(DesignSearchTest, NoneFeasibleNamesTheRequirementThatExcludedMost) {
    in.outerDiaMax = 2;
    SearchOutcome out = SearchDesigns(in, *table, index);
    EXPECT_EQ(out.feasible, 0);
    EXPECT_NE(SearchNoneFeasibleText(out).Japanese().find("外径が上限を超える"), std::string::npos);

    in = SmallInputs();
    in.moment2 = 1e6;  // no wire of the table gives it
    out = SearchDesigns(in, *table, index);
    EXPECT_EQ(out.torqueMatched, 0);
    EXPECT_EQ(out.excluded[static_cast<int>(SearchExclusion::Torque)], out.examined);
    EXPECT_NE(SearchNoneFeasibleText(out).Japanese().find("M2 が許容差に入らない"), std::string::npos);

    in = SmallInputs();
    in.turnsMin = in.turnsMax = 3;  // a zero-width range is a search of one turn count
    out = SearchDesigns(in, *table, index);
    for (const SearchCandidate& c : out.best) EXPECT_EQ(c.design.turns, 3.25);
    EXPECT_TRUE(SearchNoneFeasibleText(SearchDesigns(SmallInputs(), *table, index)).empty());
}

TEST_F(DesignSearchTest, CancelStopsAtOnceAndProgressRunsToTheEnd) {
    std::vector<double> seen;
    const SearchOutcome full = SearchDesigns(in, *table, index, [&](double done) {
        seen.push_back(done);
        return true;
    });
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    EXPECT_FALSE(full.cancelled);

    const SearchOutcome cancelled = SearchDesigns(in, *table, index, [](double) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_LT(cancelled.examined, full.examined);
}

TEST_F(DesignSearchTest, ImpossibleInputsAreRefusedWithAMessage) {
    struct Row {
        void (*change)(SearchInputs&);
        const char* message;
    };
    const Row rows[] = {
        {[](SearchInputs& s) { s.angle2 = 0; }, "φ2 は正の数"},
        {[](SearchInputs& s) { s.moment2 = -1; }, "M2 は正の数"},
        {[](SearchInputs& s) { s.moment2 = std::nan(""); }, "M2 は正の数"},
        {[](SearchInputs& s) { s.angle1 = 100; }, "φ1 は φ2 以下"},
        {[](SearchInputs& s) { s.tolerancePct = 100; }, "許容差"},
        {[](SearchInputs& s) { s.arm1 = INFINITY; }, "腕の長さ"},
        {[](SearchInputs& s) { s.turnsMin = 5, s.turnsMax = 4; }, "巻数の範囲"},
        {[](SearchInputs& s) { s.turnsMin = s.turnsMax = 0, s.turnsFraction = 0; }, "巻数が 0"},
        {[](SearchInputs& s) { s.turnsFraction = 1; }, "端数"},
        {[](SearchInputs& s) { s.coilDiaStep = 0; }, "刻み"},
        {[](SearchInputs& s) { s.outerDiaMax = -1; }, "外径の上限"},
        {[](SearchInputs& s) { s.diaMode = 3; }, "コイル径の指定方法"},
        {[](SearchInputs& s) { s.lifeClassLimit = 8; }, "期待寿命"},
        {[](SearchInputs& s) { s.materials = {7}; }, "選んだ材料は材料表にありません"},
    };
    for (const Row& row : rows) {
        SearchInputs changed = SmallInputs();
        row.change(changed);
        EXPECT_NE(SearchError(changed, *table, index).find(row.message), std::string::npos) << row.message;
    }

    const auto empty = std::make_unique<MaterialTable>();
    for (auto& r : *empty) r.kindNo = kEmptyKindNo;
    EXPECT_NE(SearchError(in, *empty, BuildKindIndex(*empty)).find("探索できる材料がありません"),
              std::string::npos);

    // Rows of absurd size make the grid too large to walk (rows of no size or no number
    // keep their record out of the lists altogether).
    auto huge = SmallTable();
    (*huge)[0].diameter = {0.5, 0.8, 1e300};
    in.coilDiaStep = 0.001;
    EXPECT_NE(SearchError(in, *huge, BuildKindIndex(*huge)).find("広すぎます"), std::string::npos);
}

// Damaged tables: the search refuses or returns, and whatever it lists passes the
// checks (the sanitizer run watches for reads outside the table).
TEST_F(DesignSearchTest, DamagedTablesNeverListADesignThatFailsTheChecks) {
    std::mt19937 rng(14);
    const std::vector<std::uint8_t> clean = EncodeMaterialTable(*table);
    in.keepBest = 20;
    int searched = 0;
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes = clean;
        // A few random bytes inside the three records in use.
        for (int k = 0; k < 6; ++k)
            bytes[rng() % (3 * kMaterialRecordSize)] = static_cast<std::uint8_t>(rng());
        auto damaged = std::make_unique<MaterialTable>();
        OverlayMaterialTable(*damaged, bytes);
        // Wires of metres make a grid of millions of diameters: refused or slow, not damaged.
        bool huge = false;
        for (const MaterialRecord& r : *damaged)
            for (double d : r.diameter) huge = huge || (std::isfinite(d) && d > 100);
        if (huge) continue;
        try {
            const SearchOutcome out = SearchDesigns(in, *damaged, BuildKindIndex(*damaged));
            ++searched;
            for (const SearchCandidate& c : out.best) {
                EXPECT_FALSE(CheckCase(c.design).error);
                EXPECT_GE(c.design.guideRodDia, in.guideRodMin);
                EXPECT_LE(c.design.lifeClass, in.lifeClassLimit);
                EXPECT_NEAR(c.design.moment2, in.moment2, in.moment2 * in.tolerancePct / 100);
            }
        } catch (const CommandError&) {
        }
    }
    EXPECT_GT(searched, 100);
}

TEST_F(DesignSearchTest, ChosenMaterialsOnly) {
    in.materials = {1};
    const SearchOutcome out = SearchDesigns(in, *table, index);
    ASSERT_FALSE(out.best.empty());
    for (const SearchCandidate& c : out.best) EXPECT_EQ(c.design.materialNo, 1);
}

}  // namespace

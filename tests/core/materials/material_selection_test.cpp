#include "core/materials/material_selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>

#include "tests/support/material_tables.h"
#include "tests/support/test_cases.h"

using namespace torsion;

namespace {

MaterialRecord Material(int kindNo, const std::string& name, const std::string& symbol,
                        std::initializer_list<double> diameters) {
    TestWire w{
        .kind = kindNo, .symbol = symbol, .kindName = name, .youngModulus = 200000, .diameter = diameters};
    for (std::size_t i = 0; i < w.diameter.size(); ++i) w.tensileStrength.push_back(2000 - 100.0 * i);
    return WireRecord(w);
}

MaterialTable EmptyTable() {
    return *EmptyMaterialTable();
}

TEST(KindIndex, ListsKindsInOrderAndSymbolsInRecordOrder) {
    MaterialTable table = EmptyTable();
    table[0] = Material(0, "piano", "SWP-B", {1});
    table[1] = Material(1, "hard", "SW-C", {1});
    table[3] = Material(0, "piano-other-name", "SWP-A", {1});
    const KindIndex index = BuildKindIndex(table);

    EXPECT_EQ(index.kindCount[0], 2);
    EXPECT_EQ(index.kindCount[1], 1);
    EXPECT_EQ(index.kindMembers[0][0], 0);
    EXPECT_EQ(index.kindMembers[0][1], 3);
    EXPECT_EQ(index.kindMembers[0][2], -1);
    EXPECT_EQ(index.kindMembers[2][0], -1);

    const std::vector<KindEntry> kinds = KindListEntries(index, table);
    ASSERT_EQ(kinds.size(), 2u);
    EXPECT_EQ(kinds[0].kindNo, 0);
    EXPECT_EQ(kinds[0].nameSjis, "piano");  // named by its lowest record
    EXPECT_EQ(kinds[1].nameSjis, "hard");
    EXPECT_EQ(SymbolListEntries(index, table, 0), (std::vector<std::string>{"SWP-B", "SWP-A"}));
    EXPECT_EQ(SymbolListEntries(index, table, 1), (std::vector<std::string>{"SW-C"}));
    EXPECT_TRUE(SymbolListEntries(index, table, 2).empty());
    EXPECT_TRUE(SymbolListEntries(index, table, 10).empty());
    EXPECT_TRUE(SymbolListEntries(index, table, -1).empty());
}

// A record that breaks a rule of what the calculation reads stays out of the lists;
// the records after it keep their places.
TEST(KindIndex, BrokenRecordsAreNotListed) {
    struct Row {
        const char* name;
        void (*breakIt)(MaterialRecord&);
        bool listed;
    };
    const Row rows[] = {
        {"negative wire", [](MaterialRecord& r) { r.diameter[1] = -4.4024207668616E-148; }, false},
        {"descending wire", [](MaterialRecord& r) { r.diameter[1] = 0.5; }, false},
        {"NaN Young", [](MaterialRecord& r) { r.youngModulus = std::numeric_limits<double>::quiet_NaN(); },
         false},
        {"row count", [](MaterialRecord& r) { r.rowCount = 1000; }, false},
        {"NaN strength",
         [](MaterialRecord& r) { r.tensileStrength[0] = std::numeric_limits<double>::quiet_NaN(); }, false},
        {"negative allowable stress", [](MaterialRecord& r) { r.allowBending[1] = -1; }, false},
        {"garbage after the rows in use", [](MaterialRecord& r) { r.diameter[5] = -1; }, true},
        {"shear modulus only (never read)", [](MaterialRecord& r) { r.shearModulus = -1; }, true},
    };
    for (const Row& row : rows) {
        MaterialTable table = EmptyTable();
        table[0] = Material(0, "piano", "SWP-B", {1, 2, 3});
        table[0].shearModulus = 78500;
        table[1] = Material(0, "piano", "SWP-A", {1, 2});
        row.breakIt(table[0]);
        EXPECT_EQ(MaterialRecordListable(table[0]), row.listed) << row.name;
        const KindIndex index = BuildKindIndex(table);
        const std::vector<std::string> listed =
            row.listed ? std::vector<std::string>{"SWP-B", "SWP-A"} : std::vector<std::string>{"SWP-A"};
        EXPECT_EQ(SymbolListEntries(index, table, 0), listed) << row.name;
        EXPECT_EQ(MaterialNoAt(index, 0, 0), row.listed ? 0 : 1) << row.name;
    }
}

TEST(KindIndex, RecordsOutsideKindsZeroToNineAreNotListed) {
    MaterialTable table = EmptyTable();
    table[0] = Material(10, "ten", "A", {1});
    table[1] = Material(11, "eleven", "B", {1});
    table[2] = Material(-1, "minus", "C", {1});
    table[3] = Material(9, "nine", "D", {1});
    const KindIndex index = BuildKindIndex(table);
    const std::vector<KindEntry> kinds = KindListEntries(index, table);
    ASSERT_EQ(kinds.size(), 1u);
    EXPECT_EQ(kinds[0].kindNo, 9);
    EXPECT_FALSE(FindMaterialSlot(index, 0).has_value());
    EXPECT_FALSE(FindMaterialSlot(index, 2).has_value());

    // An all-empty table lists nothing.
    EXPECT_TRUE(KindListEntries(BuildKindIndex(EmptyTable()), EmptyTable()).empty());
}

TEST(KindIndex, NinthRecordOfAKindIsLeftOut) {
    MaterialTable table = EmptyTable();
    for (int r = 0; r < 10; ++r) table[r] = Material(2, "k", "s" + std::to_string(r), {1});
    table[12] = Material(3, "next", "x", {1});
    const KindIndex index = BuildKindIndex(table);
    EXPECT_EQ(index.kindCount[2], 8);
    EXPECT_EQ(index.kindMembers[2][7], 7);
    EXPECT_EQ(index.kindMembers[3][0], 12);  // the next kind is untouched
    EXPECT_EQ(SymbolListEntries(index, table, 2).size(), 8u);
    EXPECT_FALSE(FindMaterialSlot(index, 8).has_value());
}

TEST(KindIndex, PositionsAndSlotsMapBothWays) {
    MaterialTable table = EmptyTable();
    table[0] = Material(0, "a", "a0", {1});
    table[5] = Material(1, "b", "b0", {1});
    table[6] = Material(1, "b", "b1", {1});
    const KindIndex index = BuildKindIndex(table);

    EXPECT_EQ(MaterialNoAt(index, 1, 1), 6);
    EXPECT_EQ(MaterialNoAt(index, 0, 1), -1);  // free slot
    EXPECT_EQ(MaterialNoAt(index, -1, 0), -1);
    EXPECT_EQ(MaterialNoAt(index, 10, 0), -1);
    EXPECT_EQ(MaterialNoAt(index, 0, 8), -1);
    EXPECT_EQ(MaterialNoAt(index, 0, -1), -1);

    const auto slot = FindMaterialSlot(index, 6);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(slot->kind, 1);
    EXPECT_EQ(slot->slot, 1);
    // Free slots hold -1; searching for -1 must not find them.
    EXPECT_FALSE(FindMaterialSlot(index, -1).has_value());
    EXPECT_FALSE(FindMaterialSlot(index, 30).has_value());
}

TEST(DiameterList, ShowsRowsInFullFormat) {
    MaterialTable table = EmptyTable();
    table[0] = Material(0, "a", "a", {0.45, 1.0, 2.3});
    EXPECT_EQ(DiameterListEntries(table, 0), (std::vector<std::string>{"0.45", "1", "2.3"}));
    table[0].rowCount = 70;  // a foreign row count reads no further than the 50 rows
    EXPECT_EQ(DiameterListEntries(table, 0).size(), 50u);
    table[0].rowCount = -2;
    EXPECT_TRUE(DiameterListEntries(table, 0).empty());
    EXPECT_TRUE(DiameterListEntries(table, -1).empty());
    EXPECT_TRUE(DiameterListEntries(table, 30).empty());
}

class DiameterChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        table = EmptyTable();
        table[0] = Material(0, "k", "old", {0.5, 0.6, 0.8});
        table[1] = Material(1, "k1", "same", {0.4, 0.6, 1.0});
        table[2] = Material(2, "k2", "between", {0.4, 0.7, 1.0});
        table[3] = Material(3, "k3", "small", {0.2, 0.3});
        table[4] = Material(4, "k4", "none", {});
        index = BuildKindIndex(table);
        current.materialNo = 0;
        current.wireDiaIndex = 1;
        current.wireDia = 0.6;
    }
    MaterialTable table;
    KindIndex index;
    DesignCase current;
};

TEST_F(DiameterChoice, KeepsADiameterTheNewMaterialAlsoLists) {
    const int pos = ApplyDiameterListChoice(current, table, index, 1, 0, 1, 1);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(current.materialNo, 1);
    EXPECT_EQ(current.wireDiaIndex, 1);
    EXPECT_EQ(current.wireDia, 0.6);
}

TEST_F(DiameterChoice, OtherwiseTakesTheNextLargerOne) {
    const int pos = ApplyDiameterListChoice(current, table, index, 2, 0, 1, 2);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(current.materialNo, 2);
    EXPECT_EQ(current.wireDiaIndex, 1);
    // wireDia is the new material's diameter at the old position until the window is read.
    EXPECT_EQ(current.wireDia, 0.7);

    current.wireDia = 0.65;
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 2, 0, 0, 2), 1);
    EXPECT_EQ(current.wireDiaIndex, 1);
    EXPECT_EQ(current.wireDia, 0.4);  // diameter at the previous position 0
}

TEST_F(DiameterChoice, AllSmallerChoosesTheLargestRow) {
    current.wireDia = 0.8;
    const int pos = ApplyDiameterListChoice(current, table, index, 3, 0, 2, 3);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(current.wireDiaIndex, 1);
    EXPECT_EQ(current.materialNo, 3);
    EXPECT_EQ(current.wireDia, 0);  // row 2 of a two-row record is zero

    // A diameter that is not a number compares with nothing: the largest row again.
    current.wireDia = std::nan("");
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 3, 0, 0, 3), 1);
}

TEST_F(DiameterChoice, EmptyListOrUnknownMaterialSelectsNothing) {
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 4, 0, 2, 4), -1);
    EXPECT_EQ(current.wireDiaIndex, 2);  // keeps the previous position
    EXPECT_EQ(current.materialNo, 4);

    current.wireDia = 0.6;
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 7, 0, -1, -1), -1);
    EXPECT_EQ(current.materialNo, -1);
    EXPECT_EQ(current.wireDiaIndex, -1);
    EXPECT_EQ(current.wireDia, 0);

    // A previous position outside the rows is never read.
    current.wireDia = 0.6;
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 1, 0, 99, 1), 1);
    EXPECT_EQ(current.wireDia, 0);
    EXPECT_EQ(current.wireDiaIndex, 1);
}

TEST(BendingTable, RatioOfTensileStrengthWhenNoExplicitStresses) {
    MaterialTable table = EmptyTable();
    table[0] = Material(0, "k", "s", {1.0, 2.0});
    table[0].tensileStrength = {};
    table[0].tensileStrength[0] = 2000;
    table[0].tensileStrength[1] = 1900;
    table[0].bendingRatio = 75;
    table[0].allowTorsion[0] = 0;
    const BendingTable b = BuildBendingTable(table, 0);
    ASSERT_EQ(b.count, 2);
    EXPECT_EQ(b.x[0], 1.0);
    EXPECT_EQ(b.y[0], 1500);
    EXPECT_EQ(b.y[1], 1425);
    EXPECT_EQ(AllowableBendingStress(table, 0, 2.0), 1425);
    EXPECT_DOUBLE_EQ(AllowableBendingStress(table, 0, 2.0) * kNewtonToKgf, 1425 / 9.80665);

    // A ratio that is not a whole percentage of the strength keeps its fraction.
    table[0].bendingRatio = 55;
    table[0].tensileStrength[0] = 2150;
    EXPECT_EQ(BuildBendingTable(table, 0).y[0], 1182.5);
    // Percentage, product and quotient are rounded once: 20 % of 1017.671 is the
    // double nearest to 203.5342, where rounding the product first lands one unit above.
    table[0].bendingRatio = 20;
    table[0].tensileStrength[0] = 1017.671;
    EXPECT_EQ(BuildBendingTable(table, 0).y[0], 203.5342);
}

TEST(BendingTable, ExplicitStressesLeaveOutRowsWithoutTorsionStress) {
    MaterialTable table = EmptyTable();
    table[0] = Material(0, "k", "s", {1.0, 2.0, 3.0, 4.0});
    table[0].allowBending[0] = 1000;
    table[0].allowBending[1] = 5000;  // left out whatever its value
    table[0].allowBending[2] = 800;
    table[0].allowBending[3] = 0;
    table[0].allowTorsion[0] = 500;
    table[0].allowTorsion[1] = 0;
    table[0].allowTorsion[2] = 400;
    table[0].allowTorsion[3] = 300;
    table[0].bendingRatio = 70;
    const BendingTable b = BuildBendingTable(table, 0);
    ASSERT_EQ(b.count, 3);
    EXPECT_EQ(b.x[1], 3.0);
    EXPECT_EQ(b.y[1], 800);
    EXPECT_EQ(b.y[2], 0);
    // Row 1's diameter lies between rows 0 and 2.
    EXPECT_EQ(AllowableBendingStress(table, 0, 2.0), 900);
}

// The table kept between calls follows every edit of what it is built from.
TEST(BendingTable, KeptTableFollowsEditsOfTheRecord) {
    MaterialTable table = EmptyTable();
    table[3] = Material(3, "k", "s", {1.0, 2.0, 3.0});
    table[3].tensileStrength = {2000, 1900, 1800};
    table[3].bendingRatio = 70;
    const std::function<void(MaterialRecord&)> edits[] = {
        [](MaterialRecord& r) { r.bendingRatio = 60; },
        [](MaterialRecord& r) { r.tensileStrength[1] = 1500; },
        [](MaterialRecord& r) { r.diameter[1] = 2.5; },
        [](MaterialRecord& r) { r.rowCount = 2; },
        [](MaterialRecord& r) {
            r.allowBending = {1000, 900, 800};
            r.allowTorsion = {1, 1, 1};
        },
        [](MaterialRecord& r) { r.allowBending[1] = 700; },
        [](MaterialRecord& r) { r.allowTorsion[1] = 0; },
    };
    for (const auto& edit : edits) {
        AllowableBendingStress(table, 3, 2.2);
        edit(table[3]);
        const BendingTable fresh = BuildBendingTable(table, 3);
        EXPECT_EQ(AllowableBendingStress(table, 3, 2.2),
                  InterpolateLinear(fresh.x.data(), fresh.y.data(), fresh.count, 2.2));
    }
}

TEST(BendingTable, UnknownRecordOrForeignRowCountStaysInside) {
    MaterialTable table = EmptyTable();
    EXPECT_EQ(BuildBendingTable(table, -1).count, 0);
    EXPECT_EQ(BuildBendingTable(table, 30).count, 0);
    EXPECT_EQ(AllowableBendingStress(table, 31, 1.0), 0);
    table[0].rowCount = 1000;
    table[0].bendingRatio = 10;
    EXPECT_EQ(BuildBendingTable(table, 0).count, 50);
}

TEST(InterpolateLinear, TablePointsAndInnerValues) {
    const double x[] = {1, 2, 3};
    const double y[] = {10, 20, 40};
    EXPECT_EQ(InterpolateLinear(x, y, 3, 2), 20);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 2.5), 30);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 1), 10);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 3), 40);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 1.5), 15);
    // Only the first n points count.
    EXPECT_EQ(InterpolateLinear(x, y, 2, 2), 20);
}

TEST(InterpolateLinear, LaterIntervalWinsOnASharedEndX87LastBit) {
    SKIP_UNLESS_X87_LONG_DOUBLE();
    // The first interval's line misses 0.7 at x = 1.3 by one unit, and the line at the
    // last point misses 0.3: the later interval decides an inner point, the slope the last.
    const double x[] = {1.1, 1.3, 1.7};
    const double y[] = {3.3, 0.7, 0.3};
    EXPECT_EQ(InterpolateLinear(x, y, 2, 1.3), 0.7000000000000001);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 1.3), 0.7);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 1.7), 0.29999999999999993);
}

TEST(InterpolateLinear, LastPointComesFromTheSlopeInExtendedArithmeticX87LastBit) {
    SKIP_UNLESS_X87_LONG_DOUBLE();
    // Slope and offset are rounded to double, the rest is extended: at the last point the
    // line then lands on y itself here, where all-double arithmetic misses it by a unit.
    const double x[] = {4.04, 4.98};
    const double y[] = {3493.75, 892.62};
    EXPECT_EQ(InterpolateLinear(x, y, 2, 4.98), 892.62);
    const double x2[] = {3.59, 4.39};
    const double y2[] = {1454.42, 3315.15};
    EXPECT_EQ(InterpolateLinear(x2, y2, 2, 4.39), 3315.15);
}

TEST(InterpolateLinear, OutsideTheTableContinuesTheNearestLine) {
    const double x[] = {1, 2, 3};
    const double y[] = {10, 20, 40};
    EXPECT_EQ(InterpolateLinear(x, y, 3, 0.5), 5);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 4), 60);
}

TEST(InterpolateLinear, DegenerateTables) {
    const double x[] = {2, 2, 3};
    const double y[] = {10, 20, 40};
    EXPECT_EQ(InterpolateLinear(x, y, 0, 2), 0);
    EXPECT_EQ(InterpolateLinear(x, y, -4, 2), 0);
    EXPECT_EQ(InterpolateLinear(x, y, 1, 7), 10);
    // Two equal diameters are never divided by: the later point stands, then the
    // next interval (which also holds v) wins.
    EXPECT_EQ(InterpolateLinear(x, y, 2, 2), 20);
    EXPECT_EQ(InterpolateLinear(x, y, 3, 2), 20);
    EXPECT_EQ(InterpolateLinear(x, y, 2, 1), 20);
    EXPECT_TRUE(std::isfinite(InterpolateLinear(x, y, 2, 5)));

    // A count above 50 reads no further than 50 points.
    double bigX[60];
    double bigY[60];
    for (int i = 0; i < 60; ++i) {
        bigX[i] = i;
        bigY[i] = i < 50 ? 2.0 * i : std::nan("");
    }
    EXPECT_EQ(InterpolateLinear(bigX, bigY, 60, 55), 110);
}

}  // namespace

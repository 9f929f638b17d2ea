// The material table and coefficient file generated for the build folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "core/base/byte_codec.h"
#include "core/base/file_io.h"
#include "core/materials/coefficients.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

const std::string kDataDir = TS_DATA_DIR;

class DefaultMaterialTable : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes = ReadWholeFile(kDataDir + "/zaidat.dst");
        OverlayMaterialTable(table, bytes);
    }
    std::vector<std::uint8_t> bytes;
    MaterialTable table{};
};

TEST_F(DefaultMaterialTable, FileIsOneWholeTable) {
    EXPECT_EQ(bytes.size(), 52080u);
    EXPECT_EQ(MaterialTableProblem(table, bytes.size()), "");
}

TEST_F(DefaultMaterialTable, RecordZeroIsPianoWireListingOneMillimetreAtRow22) {
    const MaterialRecord& r = table[0];
    EXPECT_EQ(r.kindNo, 0);
    EXPECT_EQ(ShortStringValue(r.kindName), "\x83\x73\x83\x41\x83\x6D\x90\xFC");  // ピアノ線
    EXPECT_EQ(ShortStringValue(r.symbol), "SWP-B");
    ASSERT_GT(r.rowCount, 22);
    EXPECT_EQ(r.diameter[22], 1.0);

    // The case the program starts with (record 0, 1.0 mm) lands on that row.
    const KindIndex index = BuildKindIndex(table);
    DesignCase current;
    current.wireDia = 1.0;
    EXPECT_EQ(ApplyDiameterListChoice(current, table, index, 0, 0, 0, 0), 22);
    EXPECT_EQ(DiameterListEntries(table, 0)[22], "1");
    EXPECT_EQ(AllowableBendingStress(table, 0, 1.0), 0.70 * 2260);
}

TEST_F(DefaultMaterialTable, KindsRunFromZeroWithAtMostEightRecordsEach) {
    std::array<int, 10> perKind{};
    for (const MaterialRecord& r : table) {
        if (r.diameter[0] == 0) continue;
        ASSERT_GE(r.kindNo, 0);
        ASSERT_LE(r.kindNo, 9);
        ++perKind[r.kindNo];
    }
    bool gap = false;
    for (int k = 0; k < 10; ++k) {
        EXPECT_LE(perKind[k], 8) << "kind " << k;
        if (perKind[k] == 0) {
            gap = true;
        } else {
            EXPECT_FALSE(gap) << "kind " << k << " follows an unused kind number";
        }
    }
    EXPECT_GT(perKind[0], 0);
    // Every listed kind has a name, every listed material a distinct symbol.
    const KindIndex index = BuildKindIndex(table);
    std::set<std::string> symbols;
    for (const KindEntry& kind : KindListEntries(index, table)) {
        EXPECT_FALSE(kind.nameSjis.empty());
        for (const std::string& s : SymbolListEntries(index, table, kind.kindNo)) {
            EXPECT_FALSE(s.empty());
            EXPECT_TRUE(symbols.insert(s).second) << s;
        }
    }
}

TEST_F(DefaultMaterialTable, RowsAreAscendingWithStrengthAndStressesFromTheRatios) {
    for (int n = 0; n < kMaterialRecords; ++n) {
        const MaterialRecord& r = table[n];
        if (r.diameter[0] == 0) continue;
        SCOPED_TRACE("record " + std::to_string(n));
        ASSERT_GE(r.rowCount, 1);
        ASSERT_LE(r.rowCount, 50);
        EXPECT_GT(r.youngModulus, 0);
        EXPECT_GT(r.shearModulus, 0);
        EXPECT_GT(r.bendingRatio, 0);
        EXPECT_GT(r.torsionRatio, 0);
        for (int i = 0; i < r.rowCount; ++i) {
            EXPECT_GT(r.diameter[i], 0);
            if (i > 0) {
                EXPECT_GT(r.diameter[i], r.diameter[i - 1]) << "row " << i;
            }
            EXPECT_GT(r.tensileStrength[i], 0) << "row " << i;
            EXPECT_EQ(r.allowTorsion[i], r.torsionRatio * r.tensileStrength[i] / 100) << "row " << i;
            EXPECT_EQ(r.allowBending[i], r.bendingRatio * r.tensileStrength[i] / 100) << "row " << i;
        }
        for (int i = r.rowCount; i < kMaterialRows; ++i) {
            EXPECT_EQ(r.diameter[i], 0);
            EXPECT_EQ(r.tensileStrength[i], 0);
            EXPECT_EQ(r.allowTorsion[i], 0);
            EXPECT_EQ(r.allowBending[i], 0);
        }
        // Every row has a torsion stress, so the bending table keeps every row.
        EXPECT_EQ(BuildBendingTable(table, n).count, r.rowCount);
    }
}

TEST_F(DefaultMaterialTable, UnusedRecordsAreEmptyWithKindTen) {
    int empty = 0;
    for (int n = 0; n < kMaterialRecords; ++n) {
        if (table[n].diameter[0] != 0) continue;
        ++empty;
        std::uint8_t image[kMaterialRecordSize];
        EncodeMaterialRecord(table[n], image);
        EXPECT_EQ(GetInt32(image, 116), kEmptyKindNo);
        PutInt32(image, 116, 0);
        EXPECT_TRUE(std::all_of(std::begin(image), std::end(image), [](auto b) { return b == 0; })) << n;
    }
    EXPECT_GT(empty, 0);
}

TEST_F(DefaultMaterialTable, EditorLoadAndSaveKeepTheFile) {
    ScratchDir dir;
    MaterialTable loaded{};
    LoadMaterialTable(loaded, kDataDir + "/zaidat.dst");
    NormaliseEmptyRecords(loaded);
    NormaliseEmptyRecords(loaded);
    SaveMaterialTable(loaded, dir.File("zaidat.dst"));
    EXPECT_EQ(ReadBytes(dir.File("zaidat.dst")), bytes);
}

TEST(DefaultCoefficients, ValuesAndZeroReservedBytes) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(kDataDir + "/keisuu.dat");
    ASSERT_EQ(bytes.size(), 736u);
    CoefficientRecord record;
    OverlayCoefficients(record, bytes);
    EXPECT_EQ(record.values, (std::array<double, 7>{80, 80, 1.25, 15, 25, 25, 20}));
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.begin() + 4, [](auto b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(bytes.begin() + 60, bytes.end(), [](auto b) { return b == 0; }));
}

}  // namespace

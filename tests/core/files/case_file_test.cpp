#include "core/files/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/base/command_error.h"
#include "tests/support/test_cases.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

CaseTable FilledTable(unsigned seed) {
    CaseTable table{};
    OverlayCaseTable(table, RandomBytes(kCaseTableSize, seed));
    return table;
}

TEST(CaseFile, SaveThenReadGivesTheSameTable) {
    ScratchDir dir;
    const CaseTable saved = FilledTable(1);
    WriteCaseFile(saved, dir.File("nspring.nbd"));
    const std::vector<std::uint8_t> file = ReadBytes(dir.File("nspring.nbd"));
    ASSERT_EQ(file.size(), 6944u);
    EXPECT_EQ(file, EncodeCaseTable(saved));

    CaseTable read = FilledTable(2);
    ReadCaseFile(read, dir.File("nspring.nbd"));
    EXPECT_EQ(EncodeCaseTable(read), file);
}

TEST(CaseFile, FreshTableSavesSlotZeroThenZeros) {
    ScratchDir dir;
    CaseTable table{};
    table[0].used = 1;
    table[0].wireDia = 1.0;
    WriteCaseFile(table, dir.File("case1"));  // no extension is added
    const std::vector<std::uint8_t> file = ReadBytes(dir.File("case1"));
    ASSERT_EQ(file.size(), 6944u);
    EXPECT_EQ(file[0], 1);
    EXPECT_TRUE(std::all_of(file.begin() + 224, file.end(), [](auto b) { return b == 0; }));
}

TEST(CaseFile, ShortFileReplacesOnlyItsBytes) {
    ScratchDir dir;
    const std::vector<std::uint8_t> slot = RandomBytes(224, 3);
    WriteBytes(dir.File("one.nbd"), slot);
    CaseTable table = FilledTable(4);
    const std::vector<std::uint8_t> before = EncodeCaseTable(table);
    ReadCaseFile(table, dir.File("one.nbd"));
    std::vector<std::uint8_t> expected = before;
    std::copy(slot.begin(), slot.end(), expected.begin());
    EXPECT_EQ(EncodeCaseTable(table), expected);

    // Ending inside slot 1 keeps the rest of that slot.
    const std::vector<std::uint8_t> partial = RandomBytes(300, 5);
    WriteBytes(dir.File("partial.nbd"), partial);
    ReadCaseFile(table, dir.File("partial.nbd"));
    std::copy(partial.begin(), partial.end(), expected.begin());
    EXPECT_EQ(EncodeCaseTable(table), expected);
}

TEST(CaseFile, LongFileIsReadUpToTheTableSize) {
    ScratchDir dir;
    std::vector<std::uint8_t> bytes = RandomBytes(7000, 6);
    WriteBytes(dir.File("long.nbd"), bytes);
    CaseTable table{};
    ReadCaseFile(table, dir.File("long.nbd"));
    bytes.resize(6944);
    EXPECT_EQ(EncodeCaseTable(table), bytes);
}

TEST(CaseFile, FailuresGiveTheMessageAndChangeNothing) {
    ScratchDir dir;
    CaseTable table = FilledTable(7);
    const std::vector<std::uint8_t> before = EncodeCaseTable(table);

    const std::string missing = dir.File("missing.nbd");
    EXPECT_EQ(ErrorOf([&] { ReadCaseFile(table, missing); }), "ファイル " + missing + " は開けません");
    EXPECT_EQ(EncodeCaseTable(table), before);

    // A folder cannot be read as a case file either.
    EXPECT_NE(ErrorOf([&] { ReadCaseFile(table, dir.File("")); }), "(no error)");
    EXPECT_EQ(EncodeCaseTable(table), before);

    const std::string unwritable = dir.File("nowhere/x.nbd");
    EXPECT_EQ(ErrorOf([&] { WriteCaseFile(table, unwritable); }),
              "ファイル " + unwritable + " を作成できません");
}

}  // namespace

#include "core/materials/material_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "core/base/byte_codec.h"
#include "core/base/command_error.h"
#include "tests/support/test_cases.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

MaterialRecord SampleRecord() {
    MaterialRecord r;
    SetShortString(r.kindName, "\x83\x73\x83\x41\x83\x6D\x90\xFC");  // ピアノ線
    SetShortString(r.symbol, "SWP-B");
    r.reserved = {0x5A, 0xA5};
    r.shearModulus = 78500;
    r.rowCount = 3;
    r.kindNo = 4;
    r.youngModulus = 206000;
    r.torsionRatio = 50;
    r.bendingRatio = 70;
    for (int i = 0; i < kMaterialRows; ++i) {
        r.diameter[i] = 0.1 * (i + 1);
        r.tensileStrength[i] = 3000 - i;
        r.allowTorsion[i] = 1500 - i;
        r.allowBending[i] = 2100 - i;
    }
    return r;
}

TEST(MaterialRecordCodec, FieldsSitAtTheirOffsets) {
    const MaterialRecord r = SampleRecord();
    std::uint8_t bytes[kMaterialRecordSize];
    std::memset(bytes, 0xEE, sizeof bytes);
    EncodeMaterialRecord(r, bytes);

    EXPECT_EQ(bytes[0], 8);
    EXPECT_EQ(bytes[1], 0x83);
    EXPECT_EQ(bytes[51], 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 52), 5), "SWP-B");
    EXPECT_EQ(bytes[102], 0x5A);
    EXPECT_EQ(bytes[103], 0xA5);
    EXPECT_EQ(GetDouble(bytes, 104), 78500);
    EXPECT_EQ(GetInt32(bytes, 112), 3);
    EXPECT_EQ(GetInt32(bytes, 116), 4);
    EXPECT_EQ(GetDouble(bytes, 120), 206000);
    EXPECT_EQ(GetInt32(bytes, 128), 50);
    EXPECT_EQ(GetInt32(bytes, 132), 70);
    EXPECT_EQ(GetDouble(bytes, 136), 0.1);
    EXPECT_EQ(GetDouble(bytes, 136 + 8 * 49), 0.1 * 50);
    EXPECT_EQ(GetDouble(bytes, 536), 3000);
    EXPECT_EQ(GetDouble(bytes, 536 + 8 * 49), 3000 - 49);
    EXPECT_EQ(GetDouble(bytes, 936), 1500);
    EXPECT_EQ(GetDouble(bytes, 1336), 2100);
    EXPECT_EQ(GetDouble(bytes, 1728), 2100 - 49);

    const MaterialRecord back = DecodeMaterialRecord(bytes);
    EXPECT_EQ(back.kindName, r.kindName);
    EXPECT_EQ(back.symbol, r.symbol);
    EXPECT_EQ(back.reserved, r.reserved);
    EXPECT_EQ(back.rowCount, 3);
    EXPECT_EQ(back.kindNo, 4);
    EXPECT_EQ(back.diameter, r.diameter);
    EXPECT_EQ(back.allowBending, r.allowBending);
}

TEST(MaterialRecordCodec, AnyBytesSurviveDecodeAndEncode) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<std::uint8_t> bytes = RandomBytes(kMaterialRecordSize, seed);
        std::vector<std::uint8_t> again(kMaterialRecordSize);
        EncodeMaterialRecord(DecodeMaterialRecord(bytes.data()), again.data());
        ASSERT_EQ(again, bytes) << "seed " << seed;
    }
}

TEST(MaterialTableCodec, AnyTableImageSurvivesOverlayAndEncode) {
    const std::vector<std::uint8_t> bytes = RandomBytes(kMaterialTableSize, 77);
    MaterialTable table{};
    OverlayMaterialTable(table, bytes);
    EXPECT_EQ(EncodeMaterialTable(table), bytes);
    // Records are laid out back to back, record 0 first.
    EXPECT_EQ(table[29].kindNo, GetInt32(bytes.data(), 29 * kMaterialRecordSize + 116));
}

TEST(MaterialTableCodec, ShortImageReplacesOnlyItsBytes) {
    MaterialTable table{};
    for (auto& r : table) r = SampleRecord();
    const std::vector<std::uint8_t> before = EncodeMaterialTable(table);

    // One whole record and the first three bytes of the next one's kind name.
    const std::vector<std::uint8_t> file = RandomBytes(kMaterialRecordSize + 3, 5);
    OverlayMaterialTable(table, file);
    const std::vector<std::uint8_t> after = EncodeMaterialTable(table);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), after.begin()));
    EXPECT_TRUE(std::equal(after.begin() + file.size(), after.end(), before.begin() + file.size()));

    // An empty image changes nothing.
    OverlayMaterialTable(table, {});
    EXPECT_EQ(EncodeMaterialTable(table), after);
}

TEST(MaterialTableCodec, BytesBeyondTheTableAreIgnored) {
    std::vector<std::uint8_t> file = RandomBytes(kMaterialTableSize + 500, 9);
    MaterialTable table{};
    OverlayMaterialTable(table, file);
    file.resize(kMaterialTableSize);
    EXPECT_EQ(EncodeMaterialTable(table), file);
}

TEST(ShortString, CutsAtFiftyBytesAndKeepsTheBytesBehind) {
    ShortString50 s;
    s.fill(0xAA);
    SetShortString(s, std::string(60, 'k'));
    EXPECT_EQ(s[0], 50);
    EXPECT_EQ(ShortStringValue(s), std::string(50, 'k'));

    // Storing a shorter text changes only the length byte and the copied bytes.
    s.fill(0xAA);
    SetShortString(s, "abc");
    EXPECT_EQ(s[0], 3);
    EXPECT_EQ(ShortStringValue(s), "abc");
    for (std::size_t i = 4; i < s.size(); ++i) EXPECT_EQ(s[i], 0xAA) << i;

    SetShortString(s, "");
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(ShortStringValue(s), "");
    EXPECT_EQ(s[1], 'a');
}

TEST(ShortString, NeverSplitsATwoByteCharacter) {
    const std::string a = "\x88\x9F";     // 亜: its second byte is also a lead-byte value
    const std::string so = "\x83\x5C";    // ソ
    const std::string high = "\xE0\x40";  // lead byte from the upper range
    const std::string kana = "\xB1";      // half-width katakana is one byte

    std::string text = "A";
    for (int i = 0; i < 25; ++i) text += a;  // 51 bytes
    ShortString50 s{};
    SetShortString(s, text);
    EXPECT_EQ(s[0], 49);
    EXPECT_EQ(ShortStringValue(s), text.substr(0, 49));

    std::string even;
    for (int i = 0; i < 26; ++i) even += (i % 2 ? so : high);  // 52 bytes
    SetShortString(s, even);
    EXPECT_EQ(s[0], 50);

    std::string kanaText;
    for (int i = 0; i < 55; ++i) kanaText += kana;
    SetShortString(s, kanaText);
    EXPECT_EQ(s[0], 50);

    // A lead byte with nothing after it counts as one byte.
    EXPECT_EQ(ShiftJisCutLength("ab\x81", 50), 3u);
    EXPECT_EQ(ShiftJisCutLength("ab\x81\x40", 3), 2u);
    EXPECT_EQ(ShiftJisCutLength("ab\x81\x40", 4), 4u);
}

TEST(ShortString, LengthByteAboveCapacityIsReadAsFifty) {
    ShortString50 s;
    s.fill('x');
    s[0] = 200;
    EXPECT_EQ(ShortStringValue(s), std::string(50, 'x'));
}

TEST(MaterialRecordAccess, RowCountAndRecordNumberAreClamped) {
    MaterialRecord r;
    r.rowCount = -3;
    EXPECT_EQ(UsableRowCount(r), 0);
    r.rowCount = 51;
    EXPECT_EQ(UsableRowCount(r), 50);
    r.rowCount = 2147483647;
    EXPECT_EQ(UsableRowCount(r), 50);
    r.rowCount = 17;
    EXPECT_EQ(UsableRowCount(r), 17);

    MaterialTable table{};
    EXPECT_EQ(RecordOrNull(table, -1), nullptr);
    EXPECT_EQ(RecordOrNull(table, 30), nullptr);
    EXPECT_EQ(RecordOrNull(table, 29), &table[29]);
    EXPECT_EQ(RecordOrNull(table, 0), &table[0]);
}

TEST(MaterialTableNormalise, EmptyRecordsGetKindTenOthersStay) {
    MaterialTable table{};
    for (auto& r : table) r = SampleRecord();
    table[3].diameter[0] = 0;
    table[3].kindNo = 0;
    table[4].kindNo = -1;  // not empty: left alone
    table[5].diameter[0] = -0.0;
    NormaliseEmptyRecords(table);
    EXPECT_EQ(table[3].kindNo, kEmptyKindNo);
    EXPECT_EQ(table[4].kindNo, -1);
    EXPECT_EQ(table[5].kindNo, kEmptyKindNo);
    EXPECT_EQ(table[0].kindNo, 4);
}

TEST(MaterialTableFile, LoadCopiesTheFileOverTheTable) {
    ScratchDir dir;
    const std::vector<std::uint8_t> oneRecord = RandomBytes(kMaterialRecordSize, 3);
    WriteBytes(dir.File("one.dst"), oneRecord);

    MaterialTable table{};  // as at start-up
    LoadMaterialTable(table, dir.File("one.dst"));
    std::vector<std::uint8_t> image = EncodeMaterialTable(table);
    EXPECT_TRUE(std::equal(oneRecord.begin(), oneRecord.end(), image.begin()));
    EXPECT_TRUE(std::all_of(image.begin() + kMaterialRecordSize, image.end(), [](auto b) { return b == 0; }));
}

TEST(MaterialTableFile, EditorLoadThenSaveGivesTheSameFile) {
    // A valid table without empty records and with a reserved pair and string tails set.
    MaterialTable table{};
    for (int n = 0; n < kMaterialRecords; ++n) {
        table[n] = SampleRecord();
        table[n].kindNo = n % 4;
        table[n].kindName[40] = static_cast<std::uint8_t>(n);
    }
    ScratchDir dir;
    const std::vector<std::uint8_t> original = EncodeMaterialTable(table);
    WriteBytes(dir.File("in.dst"), original);

    MaterialTable loaded{};
    LoadMaterialTable(loaded, dir.File("in.dst"));
    NormaliseEmptyRecords(loaded);
    NormaliseEmptyRecords(loaded);
    SaveMaterialTable(loaded, dir.File("out.dst"));
    EXPECT_EQ(ReadBytes(dir.File("out.dst")), original);

    // An empty record with kind 0 reads as kind 0 at start-up and kind 10 in the editor.
    table[7].diameter[0] = 0;
    table[7].kindNo = 0;
    WriteBytes(dir.File("empty.dst"), EncodeMaterialTable(table));
    MaterialTable startUp{};
    LoadMaterialTable(startUp, dir.File("empty.dst"));
    EXPECT_EQ(startUp[7].kindNo, 0);
    NormaliseEmptyRecords(startUp);
    EXPECT_EQ(startUp[7].kindNo, kEmptyKindNo);
}

TEST(MaterialTableFile, FailuresNameTheFullPathAndChangeNothing) {
    ScratchDir dir;
    MaterialTable table{};
    table[2] = SampleRecord();
    const std::vector<std::uint8_t> before = EncodeMaterialTable(table);

    const std::string missing = dir.File("missing.dst");
    EXPECT_EQ(ErrorOf([&] { LoadMaterialTable(table, missing); }), "ファイル " + missing + " は開けません");
    EXPECT_EQ(EncodeMaterialTable(table), before);

    const std::string unwritable = dir.File("no_such_folder/out.dst");
    EXPECT_EQ(ErrorOf([&] { SaveMaterialTable(table, unwritable); }),
              "ファイル " + unwritable + " を作成できません");
}

TEST(MaterialTableFile, SaveReplacesALongerFileWhole) {
    ScratchDir dir;
    WriteBytes(dir.File("t.dst"), std::vector<std::uint8_t>(60000, 0x11));
    MaterialTable table{};
    table[0] = SampleRecord();
    SaveMaterialTable(table, dir.File("t.dst"));
    EXPECT_EQ(ReadBytes(dir.File("t.dst")), EncodeMaterialTable(table));
}

}  // namespace

// One sound table, then one fault at a time: the first problem is named.
TEST(MaterialTableProblem, NamesTheFirstBrokenRule) {
    MaterialTable sound{};
    for (MaterialRecord& r : sound) r.kindNo = kEmptyKindNo;
    sound[0].kindNo = 0;
    sound[0].symbol[0] = 1;
    sound[0].youngModulus = 206000;
    sound[0].shearModulus = 78500;
    sound[0].rowCount = 3;
    sound[0].diameter[0] = 0.5;
    sound[0].diameter[1] = 1.0;
    sound[0].diameter[2] = 2.0;
    EXPECT_EQ(MaterialTableProblem(sound, 52080), "");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        void (*breakIt)(MaterialTable&);
        std::size_t size;
        const char* problem;
    };
    const Row rows[] = {
        {[](MaterialTable&) {}, 1736, "大きさが 1736 バイトです（正しくは 52080 バイト）"},
        {[](MaterialTable& t) { t[4].kindNo = 11; }, 52080,
         "データーNo 4 の種類番号 11 が 0～10 の範囲外です"},
        {[](MaterialTable& t) { t[0].kindNo = -1; }, 52080,
         "データーNo 0 の種類番号 -1 が 0～10 の範囲外です"},
        {[](MaterialTable& t) { t[0].youngModulus = 0; }, 52080,
         "データーNo 0 の縦弾性係数が正の数ではありません"},
        {[](MaterialTable& t) { t[0].shearModulus = std::numeric_limits<double>::infinity(); }, 52080,
         "データーNo 0 の横弾性係数が正の数ではありません"},
        {[](MaterialTable& t) { t[7].rowCount = 51; }, 52080,
         "データーNo 7 のデーターの数 51 が 0～50 の範囲外です"},
        {[](MaterialTable& t) { t[0].diameter[2] = 1.0; }, 52080,
         "データーNo 0 の材料線径が 3 行目で正の昇順になっていません"},
        {[](MaterialTable& t) { t[0].diameter[0] = std::numeric_limits<double>::quiet_NaN(); }, 52080,
         "データーNo 0 の材料線径が 1 行目で正の昇順になっていません"},
        {[](MaterialTable& t) { t[5].kindNo = 2; }, 52080,
         "種類番号 1 の材料がないまま種類番号 2 が使われています（種類番号は 0 から続けて付けてください）"},
        // Two faults: the earlier record is named.
        {[](MaterialTable& t) {
             t[1].kindNo = 12;
             t[2].rowCount = -3;
         },
         52080, "データーNo 1 の種類番号 12 が 0～10 の範囲外です"},
    };
    for (const Row& row : rows) {
        MaterialTable table = sound;
        row.breakIt(table);
        EXPECT_EQ(MaterialTableProblem(table, row.size), row.problem);
    }
    // Every problem is listed, and the warning names the records left out of the lists.
    MaterialTable broken = sound;
    broken[0].diameter[1] = -4.4024207668616E-148;
    broken[1].kindNo = 77;
    broken[2].kindNo = 0;
    broken[2].symbol[0] = 1;
    broken[2].youngModulus = 1;
    broken[2].shearModulus = nan;  // listed all the same: the calculation never reads it
    EXPECT_EQ(MaterialTableProblems(broken, 52080),
              (std::vector<ComposedText>{"データーNo 0 の材料線径が 2 行目で正の昇順になっていません",
                                         "データーNo 1 の種類番号 77 が 0～10 の範囲外です",
                                         "データーNo 2 の横弾性係数が正の数ではありません"}));
    EXPECT_EQ(MaterialTableReport(broken, 100),
              "大きさが 100 バイトです（正しくは 52080 バイト）。\n"
              "データーNo 0 の材料線径が 2 行目で正の昇順になっていません。\n"
              "データーNo 1 の種類番号 77 が 0～10 の範囲外です。\n"
              "データーNo 2 の横弾性係数が正の数ではありません。\n"
              "データーNo 0 は材料の一覧から外しました。\n");
    // Random bytes: five problems shown, the rest counted.
    MaterialTable noise{};
    std::vector<std::uint8_t> bytes(kMaterialTableSize);
    std::uint32_t x = 7;
    for (auto& b : bytes) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    OverlayMaterialTable(noise, bytes);
    const std::string report = MaterialTableReport(noise, bytes.size()).Japanese();
    const std::size_t problems = MaterialTableProblems(noise, bytes.size()).size();
    ASSERT_GT(problems, 5u);
    EXPECT_NE(report.find("。\nほか " + std::to_string(problems - 5) + " 件（データーNo "), std::string::npos)
        << report;
    // The warning names the file and every broken record: in a line of its own or among the others.
    const std::string warning = MaterialTableWarning("/x/zaidat.dst", noise, bytes.size()).Japanese();
    EXPECT_EQ(warning, "ファイル /x/zaidat.dst は材料データーとして正しくありません。\n" + report +
                           "読み取れた内容で続けます。");
    const std::string others = "件（データーNo ";
    const std::size_t from = warning.find(others) + others.size();
    const std::string listed = ", " + warning.substr(from, warning.find("）", from) - from) + ",";
    for (int n = 0; n < kMaterialRecords; ++n) {
        if (MaterialRecordProblem(noise[static_cast<std::size_t>(n)]).empty()) continue;
        EXPECT_TRUE(warning.find("データーNo " + std::to_string(n) + " の") != std::string::npos ||
                    listed.find(", " + std::to_string(n) + ",") != std::string::npos)
            << n << "\n"
            << warning;
    }
    EXPECT_EQ(MaterialTableReport(sound, 52080), "");
    EXPECT_EQ(MaterialTableWarning("/x/zaidat.dst", sound, 52080), "");

    // A record without a symbol may keep zero moduli (an empty record).
    MaterialTable empty = sound;
    empty[3].youngModulus = nan;
    EXPECT_EQ(MaterialTableProblem(empty, 52080), "");
}

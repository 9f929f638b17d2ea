#include "core/files/design_file.h"

#include <gtest/gtest.h>

#include "core/files/case_file.h"
#include "tests/support/test_cases.h"
#include "tests/support/test_files.h"

using namespace torsion;

namespace {

CaseTable RandomTable(unsigned seed) {
    CaseTable table{};
    OverlayCaseTable(table, RandomBytes(kCaseTableSize, seed));
    return table;
}

TEST(DesignFile, CaseFileToDesignFileAndBackIsByteIdenticalAndKeepsOptions) {
    ScratchDir dir;
    const CaseTable cases = RandomTable(7);  // any bytes, NaN payloads included
    WriteCaseFile(cases, dir.File("a.nbd"));
    CaseTable read{};
    DesignOptionsTable options{};
    options[4] = {Practice::Us, 85.5};
    ReadAnyCaseFile(dir.File("a.nbd"), read, options);
    EXPECT_EQ(options, DesignOptionsTable{});  // a case file has default options
    options[3] = {Practice::En, 120};
    options[5].legs[1] = {LegShape::Radial, 4.5, 1.25};
    options[5].pitchGap = 0.3;
    WriteDesignFile(dir.File("a.nbdx"), read, options);

    CaseTable again = RandomTable(8);
    DesignOptionsTable againOptions{};
    ReadAnyCaseFile(dir.File("a.nbdx"), again, againOptions);
    EXPECT_EQ(againOptions, options);
    WriteCaseFile(again, dir.File("b.nbd"));
    EXPECT_EQ(ReadBytes(dir.File("b.nbd")), ReadBytes(dir.File("a.nbd")));
    EXPECT_EQ(OptionsLostInCaseFile(options),
              (std::vector<std::string>{"履歴 3: 設計基準 EN 13906-3 使用温度 120℃",
                                        "履歴 5: 脚2 半径方向 コイルのすき間 0.3mm"}));
    // Found by its content under another name too.
    std::filesystem::copy_file(dir.File("a.nbdx"), dir.File("copy.bak"));
    ReadAnyCaseFile(dir.File("copy.bak"), again, againOptions);
    EXPECT_EQ(againOptions, options);
}

TEST(DesignFile, ADamagedOrHostileFileIsRefusedNamingItsFirstFaultAndChangesNothing) {
    const std::string good = EncodeDesignFile(RandomTable(3), DesignOptionsTable{});
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const std::string record = good.substr(good.find("\"record\": \"") + 11, 448);
    std::string manySlots = "{\"format\":\"torsion-spring-design\",\"version\":1,\"cases\":[";
    for (int i = 0; i < 1000000; ++i) manySlots += i ? ",0" : "0";
    manySlots += "]}";
    const struct {
        std::string text, fault;
    } rows[] = {
        {"{\"format\": ", "JSON の誤り (12 バイト目)"},
        {"[1]", "全体がオブジェクトではありません"},
        {replaced("\"version\": 1", "\"version\": \"1\""), "version が整数ではありません"},
        {replaced("\"version\": 1", "\"version\": 2"), "版 2 は読めません (版 1 まで)"},
        {replaced(record, record.substr(2)), "cases[0].record が 224 バイトの16進数ではありません"},
        {replaced(record, "zz" + record.substr(2)), "cases[0].record に16進数でない文字があります"},
        {replaced("\"practice\": \"jis\"", "\"practice\": 1"),
         "cases[0].practice が jis, en, us のどれでもありません"},
        {replaced("\"temperature_c\": 20.0", "\"temperature_c\": \"hot\""),
         "cases[0].temperature_c が -273.15〜10000 の数ではありません"},
        {manySlots, "大きすぎます (1048576 バイトまで)"},
        {std::string(100, '[') + std::string(100, ']'), "入れ子が深すぎます"},
    };
    for (const auto& row : rows) {
        CaseTable cases = RandomTable(5);
        const CaseTable before = cases;
        DesignOptionsTable options{};
        options[1].practice = Practice::En;
        EXPECT_EQ(ErrorOf([&] { DecodeDesignFile(row.text, "/x/a.nbdx", cases, options); }),
                  "ファイル /x/a.nbdx は設計ファイルとして読めません: " + row.fault);
        EXPECT_EQ(EncodeCaseTable(cases), EncodeCaseTable(before));
        EXPECT_EQ(options[1].practice, Practice::En);
    }
}

}  // namespace

#include "core/design/search_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/base/csv_text.h"
#include "core/calc/calculation.h"

using namespace torsion;

namespace {

SearchOutcome TwoDesigns() {
    SearchOutcome outcome;
    for (int i = 0; i < 2; ++i) {
        SearchCandidate c;
        InitCurrentCase(c.design);
        c.design.materialNo = i == 0 ? 1 : 42;  // the second names no record
        c.design.moment2 = 1.0 / 3.0 + i;
        c.design.meanDia = 21.6 + 1.6;  // 23.200000000000003
        c.design.lifeClass = 2;
        c.wireVolume = 123.456789;
        outcome.best.push_back(c);
    }
    outcome.examined = 500;
    outcome.feasible = 2;
    return outcome;
}

TEST(SearchExport, CsvRowsReadBackToFifteenDigits) {
    const std::vector<std::string> symbols = {"SWP-A", "SUS304,WPB"};
    const std::string csv = SearchResultCsv(TwoDesigns(), symbols, UnitSystem::SI);
    std::vector<std::vector<std::string>> lines;
    std::size_t pos = 0;
    while (pos < csv.size()) {
        const std::size_t end = csv.find('\n', pos);
        lines.push_back(SplitCsvLine(csv.substr(pos, end - pos)));
        pos = end + 1;
    }
    ASSERT_EQ(lines.size(), 3u);
    const auto column = [&](const std::string& key) {
        return static_cast<std::size_t>(std::find(lines[0].begin(), lines[0].end(), key) - lines[0].begin());
    };
    ASSERT_LT(column("moment2[N*mm]"), lines[0].size());
    EXPECT_EQ(lines[1][column("rank")], "1");
    EXPECT_EQ(lines[1][column("symbol")], "SUS304,WPB");  // quoted
    EXPECT_EQ(lines[2][column("symbol")], "");
    const double moment = (1.0 / 3.0) * kStandardGravity;
    EXPECT_NEAR(std::strtod(lines[1][column("moment2[N*mm]")].c_str(), nullptr), moment, moment * 1e-15);
    // Sums of decimals as people write them.
    ASSERT_EQ(RoundTripText(21.6 + 1.6), "23.200000000000003");
    EXPECT_EQ(lines[1][column("mean_dia[mm]")], "23.2");
    EXPECT_EQ(FifteenDigitText(4.9 - 1.0), "3.9");
    EXPECT_EQ(FifteenDigitText(5.6 + 1.6), "7.2");
    EXPECT_EQ(FifteenDigitText(1.5e-7), "1.5e-07");
    EXPECT_EQ(FifteenDigitText(std::nan("")), "");
    EXPECT_EQ(lines[2][column("life")], "10万");
    for (const auto& line : lines) EXPECT_EQ(line.size(), lines[0].size());
}

TEST(SearchExport, JsonNamesTheUnitsCountsAndEveryDesign) {
    const std::string json = SearchResultJson(TwoDesigns(), {"SWP-A", "SW\"X"}, UnitSystem::Kgf);
    EXPECT_TRUE(
        json.starts_with("{\"units\": \"kgf\", \"examined\": 500, \"feasible\": 2, \"cancelled\": false"));
    EXPECT_NE(json.find("\"symbol\": \"SW\\\"X\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"moment2[kgf*mm]\": 0.333333333333333,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"rank\": 2"), std::string::npos);
    EXPECT_EQ(
        SearchResultJson(SearchOutcome{}, {}, UnitSystem::SI).find("\"designs\": []}"),
        std::string("{\"units\": \"si\", \"examined\": 0, \"feasible\": 0, \"cancelled\": false, ").size());
}

}  // namespace

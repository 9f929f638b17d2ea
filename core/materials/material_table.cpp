// Byte image of the material table and its file access.
#include "core/materials/material_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/base/byte_codec.h"
#include "core/base/catalogue_text.h"
#include "core/base/file_io.h"

namespace torsion {

namespace {

constexpr std::size_t kKindNameOffset = 0;
constexpr std::size_t kSymbolOffset = 51;
constexpr std::size_t kReservedOffset = 102;
constexpr std::size_t kShearModulusOffset = 104;
constexpr std::size_t kRowCountOffset = 112;
constexpr std::size_t kKindNoOffset = 116;
constexpr std::size_t kYoungModulusOffset = 120;
constexpr std::size_t kTorsionRatioOffset = 128;
constexpr std::size_t kBendingRatioOffset = 132;
constexpr std::size_t kDiameterOffset = 136;
constexpr std::size_t kTensileStrengthOffset = 536;
constexpr std::size_t kAllowTorsionOffset = 936;
constexpr std::size_t kAllowBendingOffset = 1336;
constexpr std::size_t kRowArrayBytes = 8 * kMaterialRows;

static_assert(sizeof(ShortString50) == 51);
static_assert(kAllowBendingOffset + kRowArrayBytes == kMaterialRecordSize);

void PutRows(std::uint8_t* out, std::size_t offset, const std::array<double, kMaterialRows>& rows) {
    for (int i = 0; i < kMaterialRows; ++i) PutDouble(out, offset + 8 * static_cast<std::size_t>(i), rows[i]);
}

void GetRows(const std::uint8_t* in, std::size_t offset, std::array<double, kMaterialRows>& rows) {
    for (int i = 0; i < kMaterialRows; ++i) rows[i] = GetDouble(in, offset + 8 * static_cast<std::size_t>(i));
}

bool IsShiftJisLeadByte(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

void EncodeMaterialRecord(const MaterialRecord& r, std::uint8_t* out) {
    PutBytes(out, kKindNameOffset, r.kindName);
    PutBytes(out, kSymbolOffset, r.symbol);
    PutBytes(out, kReservedOffset, r.reserved);
    PutDouble(out, kShearModulusOffset, r.shearModulus);
    PutInt32(out, kRowCountOffset, r.rowCount);
    PutInt32(out, kKindNoOffset, r.kindNo);
    PutDouble(out, kYoungModulusOffset, r.youngModulus);
    PutInt32(out, kTorsionRatioOffset, r.torsionRatio);
    PutInt32(out, kBendingRatioOffset, r.bendingRatio);
    PutRows(out, kDiameterOffset, r.diameter);
    PutRows(out, kTensileStrengthOffset, r.tensileStrength);
    PutRows(out, kAllowTorsionOffset, r.allowTorsion);
    PutRows(out, kAllowBendingOffset, r.allowBending);
}

MaterialRecord DecodeMaterialRecord(const std::uint8_t* in) {
    MaterialRecord r;
    GetBytes(in, kKindNameOffset, r.kindName);
    GetBytes(in, kSymbolOffset, r.symbol);
    GetBytes(in, kReservedOffset, r.reserved);
    r.shearModulus = GetDouble(in, kShearModulusOffset);
    r.rowCount = GetInt32(in, kRowCountOffset);
    r.kindNo = GetInt32(in, kKindNoOffset);
    r.youngModulus = GetDouble(in, kYoungModulusOffset);
    r.torsionRatio = GetInt32(in, kTorsionRatioOffset);
    r.bendingRatio = GetInt32(in, kBendingRatioOffset);
    GetRows(in, kDiameterOffset, r.diameter);
    GetRows(in, kTensileStrengthOffset, r.tensileStrength);
    GetRows(in, kAllowTorsionOffset, r.allowTorsion);
    GetRows(in, kAllowBendingOffset, r.allowBending);
    return r;
}

std::vector<std::uint8_t> EncodeMaterialTable(const MaterialTable& table) {
    std::vector<std::uint8_t> bytes(kMaterialTableSize);
    for (int n = 0; n < kMaterialRecords; ++n)
        EncodeMaterialRecord(table[n], bytes.data() + kMaterialRecordSize * static_cast<std::size_t>(n));
    return bytes;
}

void OverlayMaterialTable(MaterialTable& table, std::span<const std::uint8_t> bytes) {
    // Work on the whole byte image so that a file ending inside a field leaves the
    // rest of that field as it was.
    std::vector<std::uint8_t> image = EncodeMaterialTable(table);
    const std::size_t count = std::min(bytes.size(), kMaterialTableSize);
    if (count == 0) return;
    std::memcpy(image.data(), bytes.data(), count);
    for (int n = 0; n < kMaterialRecords; ++n)
        table[n] = DecodeMaterialRecord(image.data() + kMaterialRecordSize * static_cast<std::size_t>(n));
}

std::string ShortStringValue(const ShortString50& s) {
    const std::size_t length = std::min<std::size_t>(s[0], kShortStringCapacity);
    return std::string(reinterpret_cast<const char*>(s.data() + 1), length);
}

std::size_t ShiftJisCutLength(std::string_view sjis, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < sjis.size()) {
        const bool twoBytes =
            IsShiftJisLeadByte(static_cast<std::uint8_t>(sjis[pos])) && pos + 1 < sjis.size();
        const std::size_t width = twoBytes ? 2 : 1;
        if (pos + width > maxBytes) break;
        pos += width;
    }
    return pos;
}

void SetShortString(ShortString50& s, std::string_view sjis) {
    const std::size_t length = ShiftJisCutLength(sjis, kShortStringCapacity);
    s[0] = static_cast<std::uint8_t>(length);
    std::memcpy(s.data() + 1, sjis.data(), length);
}

int UsableRowCount(const MaterialRecord& r) {
    return std::clamp<std::int32_t>(r.rowCount, 0, kMaterialRows);
}

const MaterialRecord* RecordOrNull(const MaterialTable& table, int n) {
    if (n < 0 || n >= kMaterialRecords) return nullptr;
    return &table[n];
}

void NormaliseEmptyRecords(MaterialTable& table) {
    for (MaterialRecord& r : table)
        if (r.diameter[0] == 0) r.kindNo = kEmptyKindNo;
}

std::size_t LoadMaterialTable(MaterialTable& table, const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    OverlayMaterialTable(table, bytes);
    return bytes.size();
}

void SaveMaterialTable(const MaterialTable& table, const std::string& path) {
    WriteFileReplacing(path, EncodeMaterialTable(table));
}

namespace {

// A line of the report: up to nine texts one after another.
constexpr const char* kJoined[] = {"",         "%1",         "%1%2",         "%1%2%3",
                                   "%1%2%3%4", "%1%2%3%4%5", "%1%2%3%4%5%6", "%1%2%3%4%5%6%7"};

// The rules on what the calculation reads; the shear modulus is only stored and edited.
ComposedText CalculationProblem(const MaterialRecord& r) {
    if (r.kindNo < 0 || r.kindNo > kEmptyKindNo)
        return {TS_TEXT("種類番号 %1 が 0～10 の範囲外です"), {std::to_string(r.kindNo)}};
    if (r.symbol[0] != 0 && (!std::isfinite(r.youngModulus) || r.youngModulus <= 0))
        return TS_TEXT("縦弾性係数が正の数ではありません");
    if (r.rowCount < 0 || r.rowCount > kMaterialRows)
        return {TS_TEXT("データーの数 %1 が 0～50 の範囲外です"), {std::to_string(r.rowCount)}};
    for (int i = 0; i < r.rowCount; ++i) {
        const double d = r.diameter[static_cast<std::size_t>(i)];
        const bool ascending = i == 0 || d > r.diameter[static_cast<std::size_t>(i - 1)];
        if (!std::isfinite(d) || d <= 0 || !ascending)
            return {TS_TEXT("材料線径が %1 行目で正の昇順になっていません"), {std::to_string(i + 1)}};
    }
    // The strengths of the rows in use enter the allowable stress and the life.
    for (int i = 0; i < r.rowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        for (const double v : {r.tensileStrength[row], r.allowTorsion[row], r.allowBending[row]}) {
            if (!std::isfinite(v) || v < 0)
                return {TS_TEXT("強さ・許容応力が %1 行目で 0 以上の数ではありません"),
                        {std::to_string(i + 1)}};
        }
    }
    return {};
}

}  // namespace

ComposedText MaterialRecordProblem(const MaterialRecord& r) {
    ComposedText problem = CalculationProblem(r);
    if (problem.empty() && r.symbol[0] != 0 && (!std::isfinite(r.shearModulus) || r.shearModulus <= 0))
        problem = TS_TEXT("横弾性係数が正の数ではありません");
    return problem;
}

bool MaterialRecordListable(const MaterialRecord& r) {
    return r.kindNo >= 0 && r.kindNo < kEmptyKindNo && CalculationProblem(r).empty();
}

std::vector<ComposedText> MaterialTableProblems(const MaterialTable& table, std::size_t fileSize) {
    std::vector<ComposedText> problems;
    if (fileSize != kMaterialTableSize)
        problems.push_back({TS_TEXT("大きさが %1 バイトです（正しくは %2 バイト）"),
                            {std::to_string(fileSize), std::to_string(kMaterialTableSize)}});
    std::array<bool, kEmptyKindNo> used{};  // kinds 0..9 of the records offered in the lists
    for (int n = 0; n < kMaterialRecords; ++n) {
        const MaterialRecord& r = table[static_cast<std::size_t>(n)];
        ComposedText problem = MaterialRecordProblem(r);
        if (!problem.empty())
            problems.push_back({TS_TEXT("データーNo %1 の%2"), {std::to_string(n), std::move(problem)}});
        if (MaterialRecordListable(r)) used[static_cast<std::size_t>(r.kindNo)] = true;
    }
    // The kind list shows the kinds in use one after another, and a list position is
    // taken as the kind number: a kind left out before another one in use would make
    // the lists choose the wrong material.
    for (int k = 1; k < kEmptyKindNo; ++k) {
        if (used[static_cast<std::size_t>(k)] && !used[static_cast<std::size_t>(k - 1)]) {
            problems.push_back({TS_TEXT("種類番号 %1 の材料がないまま種類番号 %2 "
                                        "が使われています（種類番号は 0 から続けて付けてください）"),
                                {std::to_string(k - 1), std::to_string(k)}});
            break;
        }
    }
    return problems;
}

ComposedText MaterialTableReport(const MaterialTable& table, std::size_t fileSize) {
    constexpr std::size_t kShown = 5;
    const std::vector<ComposedText> problems = MaterialTableProblems(table, fileSize);
    std::vector<ComposedText> lines;
    std::string shown;
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i) {
        lines.push_back({TS_TEXT("%1。\n"), {problems[i]}});
        shown += problems[i].Japanese();
    }
    if (problems.size() > kShown) {
        // The broken records among the others, by number, so that every one is named.
        std::string others;
        for (int n = 0; n < kMaterialRecords; ++n) {
            const std::string number = "データーNo " + std::to_string(n) + " の";
            if (!MaterialRecordProblem(table[static_cast<std::size_t>(n)]).empty() &&
                shown.find(number) == std::string::npos)
                others += (others.empty() ? "" : ", ") + std::to_string(n);
        }
        const std::string more = std::to_string(problems.size() - kShown);
        if (others.empty())
            lines.push_back({TS_TEXT("ほか %1 件。\n"), {more}});
        else
            lines.push_back({TS_TEXT("ほか %1 件（データーNo %2）。\n"), {more, others}});
    }
    std::string leftOut;
    for (int n = 0; n < kMaterialRecords; ++n) {
        const MaterialRecord& r = table[static_cast<std::size_t>(n)];
        if (r.kindNo >= 0 && r.kindNo < kEmptyKindNo && !MaterialRecordListable(r))
            leftOut += (leftOut.empty() ? "" : ", ") + std::to_string(n);
    }
    if (!leftOut.empty())
        lines.push_back({TS_TEXT("データーNo %1 は材料の一覧から外しました。\n"), {leftOut}});
    return {kJoined[lines.size()], std::move(lines)};
}

ComposedText MaterialTableWarning(const std::string& path, const MaterialTable& table, std::size_t fileSize) {
    ComposedText report = MaterialTableReport(table, fileSize);
    if (report.empty()) return report;
    return {TS_TEXT("ファイル %1 は材料データーとして正しくありません。\n%2読み取れた内容で続けます。"),
            {path, std::move(report)}};
}

ComposedText MaterialTableProblem(const MaterialTable& table, std::size_t fileSize) {
    const std::vector<ComposedText> problems = MaterialTableProblems(table, fileSize);
    return problems.empty() ? ComposedText() : problems.front();
}

}  // namespace torsion

// Turns the tolerance data (data/tolerances.csv) into the C++ rows the calculation core
// looks values up in. Every row the program uses is checked here, so a faulty data file
// stops the build instead of reaching the program.
//
// usage: make_tolerance_table <tolerances.csv> <output .inc>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/generator_text.h"
#include "tools/shift_jis.h"

namespace {

using Fields = std::vector<std::string>;

std::string Number(const std::string& text, int lineNo, const char* what) {
    if (text.empty()) return "kNoNumber";
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno != 0 || !std::isfinite(value) || value < 0)
        throw std::runtime_error("line " + std::to_string(lineNo) + ": " + what + " is no number: '" + text +
                                 "'");
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

std::string Bound(const std::string& value, const std::string& inclusive, int lineNo) {
    if (value.empty()) {
        if (!inclusive.empty())
            throw std::runtime_error("line " + std::to_string(lineNo) + ": inclusive flag without a bound");
        return "{false, 0, false}";
    }
    if (inclusive != "yes" && inclusive != "no")
        throw std::runtime_error("line " + std::to_string(lineNo) + ": inclusive must be yes or no");
    return "{true, " + Number(value, lineNo, "bound") + ", " + (inclusive == "yes" ? "true" : "false") + "}";
}

const std::map<std::string, std::pair<std::string, std::string>> kTables{
    // csv name -> (enumerator, basis the ranges are in)
    {"moment_beta1", {"MomentBeta1", "-"}},
    {"moment_beta2", {"MomentBeta2", "turns_N"}},
    {"free_angle", {"FreeAngle", "turns_N"}},
    {"coil_diameter", {"CoilDiameter", "spring_index_c=D/d"}},
    {"coil_length", {"CoilLength", "spring_index_c=D/d"}},
    {"arm_length", {"ArmLength", "wire_diameter_d_mm"}},
    {"density", {"Density", ""}},
};

// Tables of the data that the program does not show, and the list of sources.
bool Skipped(const std::string& table) {
    return table == "arm_bend_angle" || table == "source";
}

std::string RowLine(const Fields& f, int lineNo) {
    enum {
        kTable,
        kQuantity,
        kGrade,
        kBasis,
        kLower,
        kLowerInc,
        kUpper,
        kUpperInc,
        kPercent,
        kMin,
        kValue,
        kUnit,
        kStatus,
        kRecommended,
        kSources,
        kNote,
        kMatch,
        kFieldCount
    };
    (void)kQuantity, (void)kUnit, (void)kNote, (void)kFieldCount;
    const auto entry = kTables.find(f[kTable]);
    if (entry == kTables.end())
        throw std::runtime_error("line " + std::to_string(lineNo) + ": unknown table");
    const std::string& basis = entry->second.second;
    if (!basis.empty() && f[kBasis] != basis)
        throw std::runtime_error("line " + std::to_string(lineNo) + ": basis must be " + basis);

    std::string kind;
    if (f[kStatus] == "not_found")
        kind = "NotPublished";
    else if ((f[kStatus] == "published" || f[kStatus] == "derived") && f[kRecommended] == "yes")
        kind = "Value";
    else if (f[kStatus] == "derived" && f[kRecommended] == "optional")
        kind = "Reference";
    else if (f[kRecommended] == "no")
        return {};  // an alternative figure the notes weigh up; the program does not use it
    else
        throw std::runtime_error("line " + std::to_string(lineNo) + ": unknown status/recommended");

    int grade = 0;
    if (f[kGrade] == "1" || f[kGrade] == "2" || f[kGrade] == "3")
        grade = f[kGrade][0] - '0';
    else if (f[kGrade] != "all" && f[kGrade] != "-")
        throw std::runtime_error("line " + std::to_string(lineNo) + ": grade must be 1, 2, 3, all or -");

    const std::string percent = Number(f[kPercent], lineNo, "percent");
    const std::string minAbs = Number(f[kMin], lineNo, "min_abs");
    const std::string value = Number(f[kValue], lineNo, "value");
    const bool hasPercentRule = percent != "kNoNumber" && minAbs != "kNoNumber";
    if (kind != "NotPublished" && value == "kNoNumber" && !hasPercentRule)
        throw std::runtime_error("line " + std::to_string(lineNo) + ": row gives no value");
    if (kind != "NotPublished" && (f[kTable] == "coil_diameter" || f[kTable] == "coil_length" ||
                                   f[kTable] == "arm_length") != hasPercentRule)
        throw std::runtime_error("line " + std::to_string(lineNo) + ": percent and min_abs belong together");
    if (f[kTable] == "density" && kind == "Value" && f[kMatch].empty())
        throw std::runtime_error("line " + std::to_string(lineNo) + ": density row without match");

    std::ostringstream out;
    out << "    {ToleranceTable::" << entry->second.first << ", " << grade << ", "
        << Bound(f[kLower], f[kLowerInc], lineNo) << ", " << Bound(f[kUpper], f[kUpperInc], lineNo) << ", "
        << percent << ", " << minAbs << ", " << value << ", RowKind::" << kind << ", "
        << CppLiteral(f[kSources]) << ", " << CppLiteral(ToShiftJis(f[kMatch])) << ", "
        << CppLiteral(f[kMatch]) << "},\n";
    return out.str();
}

std::string Generate(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::string out = "// Generated from data/tolerances.csv by tools/make_tolerance_table. Do not edit.\n";
    std::string line;
    int lineNo = 0;
    int rows = 0;
    while (std::getline(file, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const Fields f = SplitCsvRecord(line, lineNo);
        if (f.size() != 17)
            throw std::runtime_error("line " + std::to_string(lineNo) + ": expected 17 fields");
        if (lineNo == 1) {
            if (f[0] != "table" || f[16] != "match") throw std::runtime_error("unexpected header");
            continue;
        }
        if (Skipped(f[0])) continue;
        const std::string row = RowLine(f, lineNo);
        if (!row.empty()) ++rows;
        out += row;
    }
    if (rows == 0) throw std::runtime_error("no rows");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator("make_tolerance_table", "tolerances.csv", argc, argv, Generate);
}

// Turns the wire data (data/wire_tolerances.csv: diameter tolerances, out-of-roundness,
// tensile-strength ranges, standard diameters and applicable diameters of the JIS wire
// grades) into the C++ rows the calculation core looks values up in. Every row is
// checked here, and so is the table as a whole: two rows that would answer the same
// diameter of the same grade stop the build, so a lookup never depends on row order.
//
// usage: make_wire_table <wire_tolerances.csv> <output .inc>
// Exit status 1 names the faulty row on standard error.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/generator_text.h"
#include "tools/shift_jis.h"

namespace {

using Fields = std::vector<std::string>;

enum Column {
    kGrade,
    kTable,
    kMin,
    kMax,
    kMinInclusive,
    kMaxInclusive,
    kValueMin,
    kValueMax,
    kUnit,
    kSource,
    kStatus,
    kNote,
    kUse,
    kMatch,
    kColumns
};
const char* const kHeader[kColumns] = {
    "grade",           "table",     "d_min_mm",  "d_max_mm", "lower_inclusive",
    "upper_inclusive", "value_min", "value_max", "unit",     "source_id",
    "status",          "note",      "use",       "match"};

struct TableInfo {
    const char* enumerator;
    const char* unit;
};
const std::map<std::string, TableInfo> kTables{
    {"diameter_tolerance", {"DiameterTolerance", "mm"}}, {"out_of_roundness", {"OutOfRoundness", "mm"}},
    {"tensile_strength", {"TensileStrength", "N/mm2"}},  {"standard_diameters", {"StandardDiameter", "mm"}},
    {"applicable_range", {"ApplicableRange", "mm"}},
};

[[noreturn]] void Fail(int lineNo, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(lineNo) + ": " + what);
}

// A finite number; negative only where allowed. Empty gives NaN.
double Number(const std::string& text, int lineNo, const char* what, bool negative = false) {
    if (text.empty()) return std::numeric_limits<double>::quiet_NaN();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno != 0 || !std::isfinite(value) || (!negative && value < 0))
        Fail(lineNo, std::string(what) + " is no number: '" + text + "'");
    return value;
}

std::string Cpp(double x) {
    if (std::isnan(x)) return "kNoNumber";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

// One side of a diameter range. A missing inclusive flag is allowed only on a row that
// marks values as not seen: its edge then counts as not seen too.
struct Bound {
    bool present = false;
    double value = 0;
    bool inclusive = true;
};

Bound ReadBound(const std::string& value, const std::string& flag, bool found, int lineNo) {
    Bound b;
    if (value.empty()) {
        if (!flag.empty()) Fail(lineNo, "inclusive flag without a diameter");
        return b;
    }
    b.present = true;
    b.value = Number(value, lineNo, "diameter");
    if (flag == "true" || flag == "false")
        b.inclusive = flag == "true";
    else if (!flag.empty() || found)
        Fail(lineNo, "inclusive flag must be true or false");
    return b;
}

struct Row {
    int lineNo;
    std::string table;
    Bound lower, upper;
    double valueMin, valueMax;
    bool found;
    std::vector<std::string> symbols;
    std::string line;  // the C++ initialiser
};

std::vector<std::string> MatchWords(const std::string& match, int lineNo) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i <= match.size(); ++i) {
        if (i == match.size() || match[i] == ';') {
            if (word.empty()) Fail(lineNo, "empty symbol in match");
            for (const std::string& before : words)
                if (before == word) Fail(lineNo, "symbol " + word + " twice in match");
            words.push_back(word);
            word.clear();
            continue;
        }
        const char ch = match[i];
        if (!((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '-'))
            Fail(lineNo, "match must be symbols (A-Z, 0-9, -) separated by ';'");
        word += ch;
    }
    return words;
}

// Checks the values a row of each table gives.
void CheckValues(const std::string& table, double vmin, double vmax, bool found, int lineNo) {
    const bool hasMin = !std::isnan(vmin), hasMax = !std::isnan(vmax);
    if (!found) {
        if (hasMin || hasMax) Fail(lineNo, "a row of values not seen gives a value");
        return;
    }
    if (table == "diameter_tolerance") {
        if (!hasMin || !hasMax || !(vmax > 0) || vmin != -vmax)
            Fail(lineNo, "a diameter tolerance is -t and +t with t > 0");
    } else if (table == "out_of_roundness") {
        if (hasMin || !hasMax || !(vmax > 0)) Fail(lineNo, "out-of-roundness gives only value_max > 0");
    } else if (table == "tensile_strength") {
        if (!hasMin || !(vmin > 0) || (hasMax && !(vmax > vmin)))
            Fail(lineNo, "tensile strength needs value_min > 0 and value_max above it when given");
    } else if (hasMin || hasMax) {
        Fail(lineNo, "this table gives no values");
    }
}

Row ReadRow(const Fields& f, int lineNo) {
    const auto table = kTables.find(f[kTable]);
    if (table == kTables.end()) Fail(lineNo, "unknown table '" + f[kTable] + "'");
    if (f[kUnit] != table->second.unit) Fail(lineNo, std::string("unit must be ") + table->second.unit);
    if (f[kStatus] != "ok" && f[kStatus] != "derived" && f[kStatus] != "not_found")
        Fail(lineNo, "status must be ok, derived or not_found");
    if (f[kUse] != "yes" && f[kUse] != "no") Fail(lineNo, "use must be yes or no");
    if (f[kGrade].empty()) Fail(lineNo, "no grade");

    Row row;
    row.lineNo = lineNo;
    row.table = f[kTable];
    row.found = f[kStatus] != "not_found";
    row.lower = ReadBound(f[kMin], f[kMinInclusive], row.found, lineNo);
    row.upper = ReadBound(f[kMax], f[kMaxInclusive], row.found, lineNo);
    if (row.found && (!row.lower.present || !row.upper.present))
        Fail(lineNo, "a row of values needs both diameters");
    if (row.lower.present && row.upper.present && row.lower.value > row.upper.value)
        Fail(lineNo, "d_min_mm is above d_max_mm");
    if (row.found && row.lower.present && row.upper.present && row.lower.value == row.upper.value &&
        !(row.lower.inclusive && row.upper.inclusive))
        Fail(lineNo, "a single diameter must be inclusive on both sides");
    if (row.found && f[kSource].empty()) Fail(lineNo, "a row of values needs its source");
    if (row.table == "standard_diameters" && row.found && row.lower.value != row.upper.value)
        Fail(lineNo, "a standard diameter row gives one diameter");
    row.valueMin = Number(f[kValueMin], lineNo, "value_min", true);
    row.valueMax = Number(f[kValueMax], lineNo, "value_max", true);
    CheckValues(row.table, row.valueMin, row.valueMax, row.found, lineNo);
    if (f[kUse] == "no") return row;  // checked, but left out of the program
    if (f[kMatch].empty()) Fail(lineNo, "a row the program uses needs match");
    row.symbols = MatchWords(f[kMatch], lineNo);

    auto bound = [](const Bound& b) {
        return "{" + std::string(b.present ? "true" : "false") + ", " + Cpp(b.present ? b.value : 0) + ", " +
               (b.inclusive ? "true" : "false") + "}";
    };
    std::ostringstream out;
    out << "    {WireTable::" << table->second.enumerator << ", " << bound(row.lower) << ", "
        << bound(row.upper) << ", " << Cpp(row.valueMin) << ", " << Cpp(row.valueMax) << ", "
        << (row.found ? "true" : "false") << ", " << CppLiteral(f[kGrade]) << ", " << CppLiteral(f[kStatus])
        << ", " << CppLiteral(f[kSource]) << ", " << CppLiteral(ToShiftJis(f[kMatch])) << "},\n";
    row.line = out.str();
    return row;
}

// Whether two ranges share a diameter; an open side reaches to infinity.
bool Overlap(const Row& a, const Row& b) {
    const double inf = std::numeric_limits<double>::infinity();
    auto lo = [&](const Row& r) { return r.lower.present ? r.lower.value : -inf; };
    auto hi = [&](const Row& r) { return r.upper.present ? r.upper.value : inf; };
    const double low = std::max(lo(a), lo(b)), high = std::min(hi(a), hi(b));
    if (low < high) return true;
    if (low > high) return false;
    // They touch at one diameter: both must hold it.
    auto holds = [&](const Row& r, double x) {
        const bool atLower = r.lower.present && r.lower.value == x;
        const bool atUpper = r.upper.present && r.upper.value == x;
        return (!atLower || r.lower.inclusive) && (!atUpper || r.upper.inclusive);
    };
    return holds(a, low) && holds(b, low);
}

// Rows of one table for one symbol may not answer the same diameter twice, except two
// rows that both say "not seen". A standard diameter may lie in a band whose other
// diameters were not seen. Each symbol has at most one applicable range.
void CheckTable(const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const Row &a = rows[i], &b = rows[j];
            if (a.table != b.table || (!a.found && !b.found)) continue;
            if (a.table == "standard_diameters" && a.found != b.found) continue;
            for (const std::string& s : a.symbols)
                for (const std::string& t : b.symbols)
                    if (s == t && (a.table == "applicable_range" || Overlap(a, b)))
                        Fail(b.lineNo,
                             "overlaps line " + std::to_string(a.lineNo) + " for " + s + " in " + a.table);
        }
}

std::string Generate(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::vector<Row> rows;
    std::string line;
    int lineNo = 0;
    while (std::getline(file, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const Fields f = SplitCsvRecord(line, lineNo);
        if (f.size() != kColumns) Fail(lineNo, "expected " + std::to_string(kColumns) + " fields");
        if (lineNo == 1) {
            for (int i = 0; i < kColumns; ++i)
                if (f[static_cast<std::size_t>(i)] != kHeader[i])
                    throw std::runtime_error("unexpected header");
            continue;
        }
        Row row = ReadRow(f, lineNo);
        if (!row.line.empty()) rows.push_back(std::move(row));
    }
    if (rows.empty()) throw std::runtime_error("no rows");
    CheckTable(rows);
    std::string out = "// Generated from data/wire_tolerances.csv by tools/make_wire_table. Do not edit.\n";
    for (const Row& row : rows) out += row.line;
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator("make_wire_table", "wire_tolerances.csv", argc, argv, Generate);
}

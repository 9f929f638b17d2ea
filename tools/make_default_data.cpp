// Builds the default material table (zaidat.dst) and coefficient file (keisuu.dat)
// from the material list in data/materials.csv.
//
// usage: make_default_data <materials.csv> <output folder>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/materials/coefficients.h"
#include "core/materials/material_table.h"
#include "tools/shift_jis.h"

using namespace torsion;

namespace {

// The design coefficients shipped with the program, in field order.
constexpr std::array<double, kCoefficientCount> kDefaultCoefficients{80, 80, 1.25, 15, 25, 25, 20};

struct CsvRow {
    int kindNo;
    std::string kindName;
    std::string symbol;
    double shearModulus;
    double youngModulus;
    int torsionRatio;
    int bendingRatio;
    double diameter;
    double tensileStrength;
};

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

double ToNumber(const std::string& text, int lineNo) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value))
        throw std::runtime_error("line " + std::to_string(lineNo) + ": not a number: '" + text + "'");
    return value;
}

int ToInteger(const std::string& text, int lineNo) {
    const double value = ToNumber(text, lineNo);
    if (value != std::floor(value) || std::fabs(value) > 1e9)
        throw std::runtime_error("line " + std::to_string(lineNo) + ": not an integer: '" + text + "'");
    return static_cast<int>(value);
}

std::vector<CsvRow> ReadCsv(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::vector<CsvRow> rows;
    std::string line;
    int lineNo = 0;
    while (std::getline(file, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo == 1 || line.empty()) continue;  // header
        const std::vector<std::string> f = SplitFields(line);
        if (f.size() != 9) throw std::runtime_error("line " + std::to_string(lineNo) + ": expected 9 fields");
        rows.push_back({ToInteger(f[0], lineNo), f[1], f[2], ToNumber(f[3], lineNo), ToNumber(f[4], lineNo),
                        ToInteger(f[5], lineNo), ToInteger(f[6], lineNo), ToNumber(f[7], lineNo),
                        ToNumber(f[8], lineNo)});
    }
    return rows;
}

// One record per symbol, in the order the symbols first appear in the list.
MaterialTable BuildTable(const std::vector<CsvRow>& rows) {
    MaterialTable table{};
    for (MaterialRecord& r : table) r.kindNo = kEmptyKindNo;

    std::vector<std::string> symbols;
    std::array<int, 10> membersOfKind{};
    for (const CsvRow& row : rows) {
        std::size_t n = 0;
        while (n < symbols.size() && symbols[n] != row.symbol) ++n;
        if (n == symbols.size()) {
            if (n >= static_cast<std::size_t>(kMaterialRecords))
                throw std::runtime_error("more than 30 materials");
            if (row.kindNo < 0 || row.kindNo > 9)
                throw std::runtime_error(row.symbol + ": kind outside 0..9");
            if (++membersOfKind[row.kindNo] > 8)
                throw std::runtime_error("more than 8 materials of kind " + std::to_string(row.kindNo));
            symbols.push_back(row.symbol);
            MaterialRecord& r = table[n];
            SetShortString(r.kindName, ToShiftJis(row.kindName));
            SetShortString(r.symbol, ToShiftJis(row.symbol));
            r.kindNo = row.kindNo;
            r.shearModulus = row.shearModulus;
            r.youngModulus = row.youngModulus;
            r.torsionRatio = row.torsionRatio;
            r.bendingRatio = row.bendingRatio;
            r.rowCount = 0;
        }
        MaterialRecord& r = table[n];
        if (r.kindNo != row.kindNo || r.torsionRatio != row.torsionRatio ||
            r.bendingRatio != row.bendingRatio || r.shearModulus != row.shearModulus ||
            r.youngModulus != row.youngModulus)
            throw std::runtime_error(row.symbol + ": material columns differ between its rows");
        if (r.rowCount >= kMaterialRows) throw std::runtime_error(row.symbol + ": more than 50 diameters");
        if (!(row.diameter > 0)) throw std::runtime_error(row.symbol + ": diameter not positive");
        if (!(row.tensileStrength > 0))
            throw std::runtime_error(row.symbol + ": tensile strength not positive");
        if (r.rowCount > 0 && !(row.diameter > r.diameter[r.rowCount - 1]))
            throw std::runtime_error(row.symbol + ": diameters not ascending");
        const int i = r.rowCount++;
        r.diameter[i] = row.diameter;
        r.tensileStrength[i] = row.tensileStrength;
        r.allowTorsion[i] = static_cast<double>(r.torsionRatio) * row.tensileStrength / 100;
        r.allowBending[i] = static_cast<double>(r.bendingRatio) * row.tensileStrength / 100;
    }

    // The kind list takes a list position as the kind number, so kinds must run from 0.
    bool gapSeen = false;
    for (int k = 0; k < 10; ++k) {
        if (membersOfKind[k] == 0)
            gapSeen = true;
        else if (gapSeen)
            throw std::runtime_error("kind numbers leave a gap before kind " + std::to_string(k));
    }
    if (symbols.empty()) throw std::runtime_error("no materials");
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_default_data <materials.csv> <output folder>\n";
        return 2;
    }
    try {
        const std::string outDir = argv[2];
        const MaterialTable table = BuildTable(ReadCsv(argv[1]));
        SaveMaterialTable(table, outDir + "/zaidat.dst");

        CoefficientRecord coefficients{};
        coefficients.values = kDefaultCoefficients;
        SaveCoefficients(coefficients, outDir + "/keisuu.dat");
    } catch (const std::exception& e) {
        std::cerr << "make_default_data: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

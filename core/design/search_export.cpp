// The ranked list of a design search as CSV or JSON.
#include "core/design/search_export.h"

#include <cstdio>

#include "core/base/csv_text.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

struct Field {
    std::string key;
    std::string text;
    bool isNumber;
};

std::vector<Field> FieldsOf(const SearchCandidate& candidate, int rank,
                            const std::vector<std::string>& symbols, UnitSystem unit) {
    const DesignCase& d = candidate.design;
    const bool si = unit == UnitSystem::SI;
    const std::string moment = si ? "[N*mm]" : "[kgf*mm]", stress = si ? "[N/mm2]" : "[kgf/mm2]";
    // Numbers as people write them: a diameter of 21.6 + 1.6 is 23.2, not 23.200000000000003.
    const auto number = [](double v) { return FifteenDigitText(v); };
    const auto shown = [&](double kgf) { return FifteenDigitText(ToShownUnit(kgf, unit)); };
    const bool known = d.materialNo >= 0 && d.materialNo < static_cast<int>(symbols.size());
    return {{"rank", std::to_string(rank), true},
            {"symbol", known ? symbols[static_cast<std::size_t>(d.materialNo)] : std::string(), false},
            {"wire_dia[mm]", number(d.wireDia), true},
            {"mean_dia[mm]", number(d.meanDia), true},
            {"inner_dia[mm]", number(d.innerDia), true},
            {"outer_dia[mm]", number(d.outerDia), true},
            {"turns", number(d.turns), true},
            {std::string("spring_const") + (si ? "[N*mm/deg]" : "[kgf*mm/deg]"), shown(d.springConst), true},
            {"angle1[deg]", number(d.angle1), true},
            {"angle2[deg]", number(d.angle2), true},
            {"moment1" + moment, shown(d.moment1), true},
            {"moment2" + moment, shown(d.moment2), true},
            {"stress2" + stress, shown(d.stress2), true},
            {"allow_stress" + stress, shown(d.allowStress), true},
            {"life_class", std::to_string(d.lifeClass), true},
            {"life", LifeLabel(d.lifeClass), false},
            {"guide_rod_dia[mm]", number(d.guideRodDia), true},
            {"wire_length[mm]", number(candidate.wireLength), true},
            {"wire_volume[mm3]", number(candidate.wireVolume), true}};
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (unsigned char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
            out += escaped;
        } else {
            out += static_cast<char>(ch);
        }
    }
    out += '"';
}

}  // namespace

std::string SearchResultCsv(const SearchOutcome& outcome, const std::vector<std::string>& symbols,
                            UnitSystem unit) {
    std::string out;
    const SearchCandidate none{};
    const std::vector<Field> heading = FieldsOf(none, 0, symbols, unit);
    for (std::size_t i = 0; i < heading.size(); ++i) out += (i ? "," : "") + heading[i].key;
    out += '\n';
    int rank = 1;
    for (const SearchCandidate& c : outcome.best) {
        const std::vector<Field> fields = FieldsOf(c, rank++, symbols, unit);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ',';
            AppendCsvField(out, fields[i].text);
        }
        out += '\n';
    }
    return out;
}

std::string SearchResultJson(const SearchOutcome& outcome, const std::vector<std::string>& symbols,
                             UnitSystem unit) {
    std::string out = "{\"units\": ";
    out += unit == UnitSystem::SI ? "\"si\"" : "\"kgf\"";
    out += ", \"examined\": " + std::to_string(outcome.examined);
    out += ", \"feasible\": " + std::to_string(outcome.feasible);
    out += ", \"cancelled\": ";
    out += outcome.cancelled ? "true" : "false";
    out += ", \"designs\": [";
    int rank = 1;
    for (const SearchCandidate& c : outcome.best) {
        out += rank > 1 ? ",\n  {" : "\n  {";
        const std::vector<Field> fields = FieldsOf(c, rank++, symbols, unit);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ", ";
            AppendJsonString(out, fields[i].key);
            out += ": ";
            if (!fields[i].isNumber)
                AppendJsonString(out, fields[i].text);
            else
                out += fields[i].text.empty() ? "null" : fields[i].text;
        }
        out += '}';
    }
    out += outcome.best.empty() ? "]}\n" : "\n]}\n";
    return out;
}

}  // namespace torsion

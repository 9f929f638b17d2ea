// The history as a comma-separated file.
#include "core/files/history_csv.h"

#include <span>

#include "core/base/csv_text.h"
#include "core/base/file_io.h"
#include "core/files/history_text.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

// The columns after the grid's: the other inputs and results of a case.
const std::vector<std::string> kMoreHeadings = {"内径",         "外径",     "径の指定",   "入力",
                                                "外方向",       "左巻",     "バネ指数",   "応力修正係数",
                                                "曲げ応力(σ1)", "最大角度", "最大トルク", "案内棒径",
                                                "寿命クラス",   "材料番号", "線径番号"};

std::string DiameterModeText(int mode) {
    switch (mode) {
        case 0:
            return "内径";
        case 1:
            return "平均径";
        case 2:
            return "外径";
        default:
            return std::to_string(mode);
    }
}

}  // namespace

std::vector<std::string> HistoryCsvHeadings() {
    std::vector<std::string> headings(HistoryHeadings().begin(), HistoryHeadings().end());
    headings.insert(headings.end(), kMoreHeadings.begin(), kMoreHeadings.end());
    return headings;
}

std::vector<std::string> HistoryCsvUnits(UnitSystem unit) {
    std::vector<std::string> units(HistoryUnits().begin(), HistoryUnits().end());
    if (unit == UnitSystem::SI) {
        for (std::string& u : units) {
            if (u == "kgf･mm")
                u = "N･mm";
            else if (u == "kgf･mm/度")
                u = "N･mm/度";
            else if (u == "kgf/mm^2")
                u = "N/mm^2";
        }
    }
    const std::string stress = unit == UnitSystem::SI ? "N/mm^2" : "kgf/mm^2";
    const std::string moment = unit == UnitSystem::SI ? "N･mm" : "kgf･mm";
    const std::vector<std::string> more = {"mm",   "mm", "",     "",   "", "", "", "",
                                           stress, "度", moment, "mm", "", "", ""};
    units.insert(units.end(), more.begin(), more.end());
    return units;
}

std::string HistoryCsvText(const CaseTable& cases, const std::vector<std::string>& symbols, UnitSystem unit) {
    std::string text(kUtf8Bom);
    const auto line = [&text](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) text += ',';
            AppendCsvField(text, fields[i]);
        }
        text += "\r\n";
    };
    line(HistoryCsvHeadings());
    line(HistoryCsvUnits(unit));

    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        const DesignCase& c = cases[static_cast<std::size_t>(slot)];
        if (c.used != 1) continue;
        const auto number = [](double v) { return RoundTripText(v); };
        const auto shown = [&](double kgf) { return RoundTripText(ToShownUnit(kgf, unit)); };
        // A foreign case may name any record or class; those stay empty, as in the grid.
        const bool known = c.materialNo >= 0 && c.materialNo < static_cast<int>(symbols.size());
        const bool knownLife = c.lifeClass >= 0 && c.lifeClass < kLifeClasses;
        line({std::to_string(slot),
              known ? symbols[static_cast<std::size_t>(c.materialNo)] : std::string(),
              number(c.wireDia),
              number(c.meanDia),
              number(c.turns),
              number(c.arm1),
              number(c.arm2),
              shown(c.moment1),
              shown(c.moment2),
              number(c.angle1),
              number(c.angle2),
              shown(c.springConst),
              shown(c.stress2),
              shown(c.allowStress),
              knownLife ? LifeLabel(c.lifeClass) : std::string(),
              number(c.innerDia),
              number(c.outerDia),
              DiameterModeText(c.diaMode),
              c.inputMode == 1 ? "角度" : "荷重",
              c.outward ? "1" : "0",
              c.leftHand ? "1" : "0",
              number(c.springIndex),
              number(c.stressFactor),
              shown(c.stress1),
              number(c.maxAngle),
              shown(c.maxMoment),
              number(c.guideRodDia),
              std::to_string(c.lifeClass),
              std::to_string(c.materialNo),
              std::to_string(c.wireDiaIndex)});
    }
    return text;
}

void WriteHistoryCsv(const std::string& path, const CaseTable& cases, const std::vector<std::string>& symbols,
                     UnitSystem unit) {
    const std::string text = HistoryCsvText(cases, symbols, unit);
    WriteFileReplacing(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace torsion

#include "core/report/data_sheet.h"

#include "core/base/number_text.h"
#include "core/base/units.h"

namespace torsion {

DataSheetTexts DataSheetTextsOf(const DesignCase& c, const MaterialTable& table) {
    const double g = kStandardGravity;
    const double rounded = kDataSheetRoundedGravity;
    DataSheetTexts t;
    if (const MaterialRecord* record = RecordOrNull(table, c.materialNo))
        t.symbolSjis = ShortStringValue(record->symbol);
    t.rows = {{
        {"材質", "", ""},
        {"材料の線径", "ｍｍ", FormatFull(c.wireDia)},
        {"コイル平均径", "ｍｍ", FormatFull(c.meanDia)},
        {"コイル外径", "ｍｍ", FormatFull(c.outerDia)},
        {"巻数", "巻数", FormatFull(c.turns)},
        {"巻き方向", "", c.leftHand == 1 ? "左" : "右"},
        {"ねじれ角度１", "度", FormatShort(c.angle1)},
        {"モーメント１", "Ｎ・ｍｍ", FormatShort(c.moment1 * g)},
        {"曲げ応力１", "Ｎ/ｍｍ＾２", FormatShort(c.stress1 * g)},
        {"ねじれ角度２", "度", FormatShort(c.angle2)},
        {"モーメント２", "Ｎ・ｍｍ", FormatShort(c.moment2 * g)},
        {"曲げ応力２", "Ｎ/ｍｍ＾２", FormatShort(c.stress2 * g)},
        {"バネ定数", "Ｎ・ｍｍ/度", FormatShort(c.springConst * rounded)},
        {"案内棒直径", "ｍｍ", FormatShort(c.guideRodDia)},
    }};
    t.sketchLabels = {
        "角度１　= " + FormatShort(c.angle1) + "度",
        "角度２　= " + FormatShort(c.angle2) + "度",
        "平均径　= " + FormatShort(c.meanDia) + "mm",
        "トルクM2= " + FormatShort(c.moment2 * rounded) + "N･mm",
        "トルクM1= " + FormatShort(c.moment1 * rounded) + "N･mm",
        "ａ1 = " + FormatShort(c.arm1) + "mm",
        "ａ2 = " + FormatShort(c.arm2) + "mm",
    };
    return t;
}

}  // namespace torsion

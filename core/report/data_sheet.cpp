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
    const std::string none;
    const char* const mm = TS_TEXT("ｍｍ");
    const char* const moment = TS_TEXT("Ｎ・ｍｍ");
    const char* const stress = TS_TEXT("Ｎ/ｍｍ＾２");
    const char* const degrees = TS_TEXT("度");
    t.rows = {{
        {TS_TEXT("材質"), none, none},
        {TS_TEXT("材料の線径"), mm, FormatFull(c.wireDia)},
        {TS_TEXT("コイル平均径"), mm, FormatFull(c.meanDia)},
        {TS_TEXT("コイル外径"), mm, FormatFull(c.outerDia)},
        {TS_TERM("巻数", "data sheet item"), TS_TERM("巻数", "data sheet unit"), FormatFull(c.turns)},
        {TS_TEXT("巻き方向"), none, c.leftHand == 1 ? TS_TEXT("左") : TS_TEXT("右")},
        {TS_TEXT("ねじれ角度１"), degrees, FormatShort(c.angle1)},
        {TS_TEXT("モーメント１"), moment, FormatShort(c.moment1 * g)},
        {TS_TEXT("曲げ応力１"), stress, FormatShort(c.stress1 * g)},
        {TS_TEXT("ねじれ角度２"), degrees, FormatShort(c.angle2)},
        {TS_TEXT("モーメント２"), moment, FormatShort(c.moment2 * g)},
        {TS_TEXT("曲げ応力２"), stress, FormatShort(c.stress2 * g)},
        {TS_TERM("バネ定数", "data sheet item"), TS_TEXT("Ｎ・ｍｍ/度"),
         FormatShort(c.springConst * rounded)},
        {TS_TEXT("案内棒直径"), mm, FormatShort(c.guideRodDia)},
    }};
    t.sketchLabels = {
        ComposedText{TS_TEXT("角度１　= %1度"), {FormatShort(c.angle1)}},
        ComposedText{TS_TEXT("角度２　= %1度"), {FormatShort(c.angle2)}},
        ComposedText{TS_TEXT("平均径　= %1mm"), {FormatShort(c.meanDia)}},
        ComposedText{TS_TEXT("トルクM2= %1N･mm"), {FormatShort(c.moment2 * rounded)}},
        ComposedText{TS_TEXT("トルクM1= %1N･mm"), {FormatShort(c.moment1 * rounded)}},
        ComposedText{TS_TEXT("ａ1 = %1mm"), {FormatShort(c.arm1)}},
        ComposedText{TS_TEXT("ａ2 = %1mm"), {FormatShort(c.arm2)}},
    };
    return t;
}

}  // namespace torsion

#include "core/tolerances/characteristic_sheet.h"

#include <cmath>

#include "core/base/number_text.h"
#include "core/tolerances/loaded_geometry.h"

namespace torsion {

namespace {

std::string Num(double x) {
    return FormatShort(x);
}

std::string Mm(double x) {
    const std::string text = Num(x);
    return text.empty() ? text : text + " mm";
}

// "nominal ±tol unit（±p%）", or the text of a tolerance without a value.
std::string ToleranceText(const ToleranceResult& t, double nominal, double scale, const std::string& unit) {
    switch (t.state) {
        case ToleranceState::Empty:
            return {};
        case ToleranceState::NoPublishedValue:
            return std::string(kNoPublishedValueText);
        case ToleranceState::NotApplicable:
            return std::string(kCloseWoundText);
        case ToleranceState::Value:
            break;
    }
    std::string text = Num(nominal) + " ±" + Num(t.plusMinus * scale) + " " + unit;
    if (std::isfinite(t.percent)) text += "（±" + FormatGeneral(t.percent, 3) + "%）";
    return text;
}

std::string DegreesText(double angle) {
    const std::string text = Num(angle);
    return text.empty() ? text : text + "°";
}

}  // namespace

CharacteristicSheet BuildCharacteristicSheet(const DesignCase& c, const MaterialTable& table, int grade,
                                             UnitSystem unit, std::span<const ToleranceRow> rows) {
    CharacteristicSheet sheet;
    const std::string momentUnit = MomentUnitText(unit);
    // The tolerance formula works in N·mm; the window shows kgf·mm or N·mm.
    const double fromNmm = ToShownUnit(1 / kStandardGravity, unit);
    const double rateNmm = c.springConst * kStandardGravity;
    auto add = [&](std::string label, std::string text, std::string tip) {
        sheet.lines.push_back({std::move(label), {std::move(text), std::move(tip)}, std::nullopt, false});
    };

    sheet.lines.push_back({"公差（JIS B 2704-2）" + std::to_string(grade) + "級", {}, std::nullopt, true});
    const MaterialRecord* record = RecordOrNull(table, c.materialNo);
    const DensityResult density =
        record ? WireDensity(rows, ShortStringValue(record->symbol), ShortStringValue(record->kindName))
               : DensityResult{};
    const double angles[2] = {c.angle1, c.angle2};
    const double moments[2] = {c.moment1, c.moment2};
    for (int i = 0; i < 2; ++i) {
        const ToleranceResult t = MomentTolerance(rows, grade, c.turns, angles[i], rateNmm);
        std::string tip = "ΔM = ±(φ·β1 + β2)·k、k = " + Num(ToShownUnit(c.springConst, unit)) + " " +
                          RateUnitText(unit) + "\n" + t.row;
        if (std::isfinite(t.reference))
            tip += "\n参考（導出値の β2 による）: ±" + Num(t.reference * fromNmm) + " " + momentUnit;
        add("ばね特性 φ" + std::to_string(i + 1) + "=" + DegreesText(angles[i]),
            ToleranceText(t, ToShownUnit(moments[i], unit), fromNmm, momentUnit), tip);
    }
    {
        const ToleranceResult t = FreeAngleTolerance(rows, grade, c.turns, c.springIndex);
        std::string text =
            t.state == ToleranceState::Value ? "±" + DegreesText(t.plusMinus) : ToleranceText(t, 0, 1, "");
        add("腕の自由角度", text, t.row + "\nばね特性を指定するときは参考値");
    }
    // The diameter the drawing gives: inner or outer, both when the mean diameter is typed.
    const bool showInner = c.diaMode != 2;
    const bool showOuter = c.diaMode != 0;
    if (showInner) {
        const ToleranceResult t = CoilDiameterTolerance(rows, grade, c.springIndex, c.innerDia);
        add("コイル内径", ToleranceText(t, c.innerDia, 1, "mm"), t.row);
    }
    if (showOuter) {
        const ToleranceResult t = CoilDiameterTolerance(rows, grade, c.springIndex, c.outerDia);
        add("コイル外径", ToleranceText(t, c.outerDia, 1, "mm"), t.row);
    }
    const SpringGeometry g = LoadedSpringGeometry(c, density.density);
    {
        const ToleranceResult t = CoilLengthTolerance(rows, grade, c.springIndex, g.freeBodyLength, true);
        const std::string length = Mm(g.freeBodyLength);
        std::string text = ToleranceText(t, g.freeBodyLength, 1, "mm");
        if (t.state == ToleranceState::NotApplicable && !length.empty()) text = length + "　" + text;
        add("コイル長さ", text, t.row);
    }
    const double arms[2] = {c.arm1, c.arm2};
    for (int i = 0; i < 2; ++i) {
        const ToleranceResult t = ArmLengthTolerance(rows, grade, c.wireDia, arms[i]);
        add("腕の長さ a" + std::to_string(i + 1), ToleranceText(t, arms[i], 1, "mm"), t.row);
    }

    sheet.lines.push_back({"負荷時の形状",
                           {"φ2=" + DegreesText(g.atAngle2.angle), {}},
                           SheetCell{"最大角度 " + DegreesText(g.atMaxAngle.angle), {}},
                           true});
    auto addPair = [&](std::string label, double LoadedState::*field, const std::string& tip) {
        sheet.lines.push_back(
            {std::move(label), {Mm(g.atAngle2.*field), tip}, SheetCell{Mm(g.atMaxAngle.*field), tip}, false});
    };
    addPair("コイル径の減少 ΔD", &LoadedState::diameterReduction,
            "ΔD = φ·D/(360·N)（線形の式）。線長一定の式 D·φ/(360·N + φ) では φ2 で " +
                Mm(g.atAngle2.diameterReductionExact) + "、最大角度で " +
                Mm(g.atMaxAngle.diameterReductionExact) + "。外方向では巻き戻り、径は増す");
    addPair("負荷時の内径", &LoadedState::loadedInnerDia, "Di − ΔD、Di = " + Mm(c.innerDia));
    addPair("案内棒とのすきま", &LoadedState::guideRodClearance,
            "負荷時の内径 − 推奨案内棒径 " + Mm(c.guideRodDia));
    addPair("胴長", &LoadedState::bodyLength, "d·(N + 1 + φ/360)、密着巻");
    add("自由時の胴長", Mm(g.freeBodyLength), "d·(N + 1)、密着巻");
    add("線長", Mm(g.wireLength),
        "π·D·N + a1 + a2。コイルをつる巻き線として数えると " + Mm(g.helixWireLength));
    {
        const std::string mass = Num(g.mass);
        add("質量", std::isfinite(density.density) ? (mass.empty() ? mass : mass + " g") : "密度データなし",
            density.row + "\nm = ρ·(π·d²/4)·線長");
    }

    CharacteristicPlot& p = sheet.plot;
    p.rate = ToShownUnit(c.springConst, unit);
    p.angle1 = c.angle1;
    p.angle2 = c.angle2;
    p.maxAngle = c.maxAngle;
    p.moment1 = ToShownUnit(c.moment1, unit);
    p.moment2 = ToShownUnit(c.moment2, unit);
    p.maxMoment = ToShownUnit(c.maxMoment, unit);
    const MomentFactors factors = MomentToleranceFactors(rows, grade, c.turns);
    p.band = factors.state;
    p.beta1 = factors.beta1;
    p.beta2 = factors.beta2;
    p.grade = grade;
    return sheet;
}

}  // namespace torsion

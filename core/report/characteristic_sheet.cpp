#include "core/report/characteristic_sheet.h"

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

// "+4.06 / −3.94 %" of two relative changes; empty when either is unknown.
std::string ChangeText(double up, double down) {
    const std::string a = FormatGeneral(up * 100, 3), b = FormatGeneral(down * 100, 3);
    if (a.empty() || b.empty()) return {};
    return (up >= 0 ? "+" : "") + a + " / " + b + " %";
}

// "low 〜 high unit（−a / +b %）" of a range around nominal, in the shown unit.
std::string RangeText(const ValueRange& r, double nominal, UnitSystem unit, const std::string& unitText) {
    const std::string low = Num(ToShownUnit(r.low, unit)), high = Num(ToShownUnit(r.high, unit));
    if (low.empty() || high.empty()) return std::string(kWireNoValueText);
    std::string text = low + " 〜 " + high + " " + unitText;
    if (nominal != 0 && std::isfinite(nominal))
        text += "（" +
                ChangeText((r.high - nominal) / std::fabs(nominal), (r.low - nominal) / std::fabs(nominal)) +
                "）";
    return text;
}

std::string TermText(const VariationTerm& t, const std::string& tolerance) {
    if (!t.known) return std::string(kWireNoValueText);
    return tolerance + " → k " + ChangeText(t.rateUp, t.rateDown);
}

std::string OrNoValue(const std::string& text) {
    return text.empty() ? std::string(kWireNoValueText) : text;
}

std::string TensileText(const WireValue& v) {
    if (!v.found) return std::string(kWireNoValueText);
    return "JIS " + Num(v.min) + (std::isnan(v.max) ? " 以上" : "〜" + Num(v.max)) + " N/mm²";
}

}  // namespace

void AppendManufacturingLines(std::vector<SheetLine>& lines, const ManufacturingCheck& check,
                              UnitSystem unit) {
    auto add = [&](std::string label, std::string text, std::string tip) {
        lines.push_back({std::move(label), {std::move(text), std::move(tip)}, std::nullopt, false});
    };
    const std::string momentUnit = MomentUnitText(unit), rateUnit = RateUnitText(unit);
    const CharacteristicVariation& v = check.variation;

    // The variation of the characteristic.
    lines.push_back({"ばらつきの見込み（" + std::to_string(check.grade) + "級）",
                     {"すべて不利な側", "各項を不利な端に置き、ばね定数の式で計算"},
                     SheetCell{"二乗和平方根", "各項の変化の二乗和の平方根"},
                     true});
    if (v.valid) {
        const std::string rateFormula = "計算と同じばね定数の式 k ∝ E·d⁴ / (D·N の項 + 腕の長さの項) による";
        add("線径 ±Δd", TermText(v.wire, "±" + Num(v.wire.plusMinus) + " mm"),
            v.wire.row + "\nD と N はそのまま、d だけを動かす: " + rateFormula);
        add("コイル径 ±ΔD", TermText(v.coil, "±" + Num(v.coil.plusMinus) + " mm"),
            v.coil.row + "\n図面の径の許容差で平均径 D を動かす（平均径の入力では内径と外径の大きい方）");
        std::string angleText = TermText(v.turns, "±" + DegreesText(v.freeAngle) + "（巻数 ±" +
                                                      FormatGeneral(v.turns.plusMinus, 3) + "）");
        const std::string shift = Num(ToShownUnit(v.moments[1].zeroShift, unit));
        if (v.turns.known && !shift.empty()) angleText += "、零点 ±" + shift + " " + momentUnit;
        add("自由角度 ±Δθ", angleText,
            v.turns.row + "\nΔN = Δθ/360 巻として k に、k·Δθ を M の零点のずれとして加える");
        lines.push_back({"ばね定数 k",
                         {RangeText(v.rateWorst, v.rate, unit, rateUnit), rateFormula},
                         SheetCell{RangeText(v.rateRss, v.rate, unit, rateUnit), {}},
                         false});
        for (std::size_t i = 0; i < 2; ++i) {
            const MomentVariation& m = v.moments[i];
            std::string tip = "M = k·(φ ± Δθ)、φ" + std::to_string(i + 1) + " = " + DegreesText(m.angle);
            if (m.allowed.state == ToleranceState::Value)
                tip += "\n±ΔM = ±" + Num(ToShownUnit(m.allowed.plusMinus / kStandardGravity, unit)) + " " +
                       momentUnit + "（±" + FormatGeneral(m.allowed.percent, 3) + "%）";
            lines.push_back({"M" + std::to_string(i + 1),
                             {RangeText(m.worst, m.nominal, unit, momentUnit), tip},
                             SheetCell{RangeText(m.rss, m.nominal, unit, momentUnit), tip},
                             false});
        }
        const MomentVariation& m2 = v.moments[1];
        std::string shares;
        const char* names[4] = {"線径", "コイル径", "巻数", "零点"};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string share = FormatGeneral(m2.share[i], 2);
            if (!share.empty())
                shares += (shares.empty() ? "" : "・") + std::string(names[i]) + " " + share + "%";
        }
        add("各項の寄与（M2）", OrNoValue(shares), "M2 のすべて不利な側の幅に各項が占める割合");
        add("判定", VariationVerdictText(v),
            "±ΔM（ばね特性の許容差）に対して。線径の許容差だけで ±ΔM を超えるときは等級を見直す");
    } else {
        add("ばね定数 k", {}, "計算されたばね定数がない");
    }

    // The wire.
    const WireCheck& w = check.wire;
    lines.push_back({"線材（JIS）", {}, std::nullopt, true});
    {
        std::string text;
        switch (w.standard.state) {
            case StandardWireState::Standard:
                text = "JIS 標準線径";
                break;
            case StandardWireState::NotStandard:
                text = "標準線径ではありません";
                break;
            case StandardWireState::Unknown:
                text = std::string(kWireNoValueText);
                break;
        }
        add("標準線径", text, w.standard.row);
    }
    {
        std::string text = TensileText(w.tensile);
        const std::string table = Num(w.tableStrength);
        std::string tip = w.tensile.row;
        if (!table.empty()) {
            const bool outside =
                w.tensile.found && (w.tableStrength < w.tensile.min || w.tableStrength > w.tensile.max);
            text += "（材料表 " + table + " N/mm²" + (outside ? "、JIS の範囲外" : "") + "）";
            tip += "\n材料表の引張強さ（許容応力と寿命の元）: " + table + " N/mm²";
        }
        add("引張強さ", text, tip);
    }
    {
        std::string text =
            w.tolerance.found ? "±" + Num(w.tolerance.max) + " mm" : std::string(kWireNoValueText);
        text += w.roundness.found ? "、偏径差 " + Num(w.roundness.max) + " mm 以下"
                                  : "、偏径差 " + std::string(kWireNoValueText);
        add("線径の許容差", text, w.tolerance.row + "\n" + w.roundness.row);
    }

    // The dynamics.
    const SpringDynamics& s = check.dynamics;
    const std::string lumped =
        "集中定数の近似: ばねを質量のないばね定数とし、ばね自身の慣性モーメントの 1/3 を腕 2 に置く";
    lines.push_back({"固有振動数とエネルギー（集中定数の近似）", {}, std::nullopt, true});
    {
        const std::string own = Num(s.springInertia);
        add("ばね自身の慣性モーメント",
            own.empty() ? "密度データなし"
                        : own + " kg･mm²（コイル " + Num(s.coilInertia) + "、腕2 " + Num(s.armInertia) + "）",
            "コイル: 質量を D/2 の輪に置く m·(D/2)²、腕 2: 軸からの棒 m·a2²/3\n" + check.densityRow);
    }
    {
        const std::string j = Num(check.inputs.inertia);
        add("駆動する部品の J", s.driven && !j.empty() ? j + " kg･mm²" : "なし（ばね単体）",
            "腕 2 が動かす部品の、コイル軸まわりの慣性モーメント");
    }
    {
        const std::string f = Num(s.naturalFrequency);
        add("固有振動数 f", f.empty() ? (s.valid ? "密度データなし" : "") : f + " Hz",
            "f = (1/2π)·√(k / J_total)、k = " + OrNoValue(Num(s.rateNmmPerRad)) +
                " N･mm/rad、J_total = J + ばね自身/3 = " + OrNoValue(Num(s.totalInertia)) + " kg･mm²\n" +
                lumped);
    }
    {
        const std::string ratio = FormatGeneral(s.frequencyRatio, 3);
        const std::string op = Num(check.inputs.frequency);
        add("運転周波数との比",
            ratio.empty() ? (op.empty() ? "運転周波数の入力なし" : "固有振動数が求まらない")
                          : "f / " + op + " Hz = " + ratio,
            "固有振動数を運転周波数で割った値");
    }
    {
        const std::string energy = Num(ToShownUnit(s.energy, unit));
        std::string text = energy.empty() ? std::string() : energy + " " + momentUnit;
        if (!energy.empty() && unit == UnitSystem::SI) text += "（= " + energy + " mJ）";
        add("蓄えるエネルギー φ1→φ2", text, "½·k·(φ2² − φ1²)、φ はラジアン、k は N･mm/rad\n" + lumped);
    }
}

CharacteristicSheet BuildCharacteristicSheet(const DesignCase& c, const MaterialTable& table, int grade,
                                             UnitSystem unit, const DynamicsInputs& dynamics) {
    return BuildCharacteristicSheet(EvaluationOf(c, table, {grade, dynamics}), table, unit);
}

CharacteristicSheet BuildCharacteristicSheet(const Evaluation& e, const MaterialTable& table, UnitSystem unit,
                                             std::span<const ToleranceRow> rows) {
    const DesignCase& c = e.design;
    const ManufacturingCheck manufacturing =
        e.manufacturing ? *e.manufacturing
                        : ManufacturingCheckOf(c, table, kDefaultToleranceGrade, {}, rows, BuiltInWireRows(),
                                               e.designOptions);
    const int grade = manufacturing.grade;
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
    const double gap = e.designOptions.pitchGap;
    const SpringGeometry g = LoadedSpringGeometry(c, density.density, gap);
    {
        const ToleranceResult t = CoilLengthTolerance(rows, grade, c.springIndex, g.freeBodyLength, gap == 0);
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

    AppendManufacturingLines(sheet.lines, manufacturing, unit);

    sheet.lines.push_back({"負荷時の形状",
                           {"φ2=" + DegreesText(g.atAngle2.angle), {}},
                           SheetCell{"最大角度 " + DegreesText(g.atMaxAngle.angle), {}},
                           true});
    auto addPair = [&](std::string label, double LoadedState::*field, const std::string& tip) {
        sheet.lines.push_back(
            {std::move(label), {Mm(g.atAngle2.*field), tip}, SheetCell{Mm(g.atMaxAngle.*field), tip}, false});
    };
    // Two ways to the loaded coil diameter, each named: the standard's approximation, by
    // which the loaded inner diameter and the guide-rod clearance are judged, and the
    // geometry of the 3D model (its page, STEP and STL), which keeps the wire length.
    addPair("ΔD（JIS の近似）", &LoadedState::diameterReduction,
            "コイル径の減少 ΔD = φ·D/(360·N)、JIS の近似式。負荷時の内径と案内棒とのすきまはこの値による。"
            "外方向では巻き戻り、径は増す");
    addPair("ΔD（3D モデル）", &LoadedState::diameterReductionExact,
            "コイル径の減少 ΔD = D·φ/(360·N + φ)、線長を一定に巻き込む形状。"
            "3D 形状のページと STEP・STL のばねはこの径");
    addPair("負荷時の内径（JIS の近似）", &LoadedState::loadedInnerDia, "Di − ΔD、Di = " + Mm(c.innerDia));
    sheet.lines.push_back({"負荷時の平均径（3D モデル）",
                           {Mm(c.meanDia - g.atAngle2.diameterReductionExact),
                            "D − ΔD、D = " + Mm(c.meanDia) + "。STEP・STL に書くコイル径"},
                           SheetCell{Mm(c.meanDia - g.atMaxAngle.diameterReductionExact),
                                     "D − ΔD、D = " + Mm(c.meanDia) + "。STEP・STL に書くコイル径"},
                           false});
    addPair("案内棒とのすきま", &LoadedState::guideRodClearance,
            "負荷時の内径（JIS の近似）− 推奨案内棒径 " + Mm(c.guideRodDia));
    if (gap == 0) {
        addPair("胴長", &LoadedState::bodyLength, "d·(N + 1 + φ/360)、密着巻");
        add("自由時の胴長", Mm(g.freeBodyLength), "d·(N + 1)、密着巻");
        add("線長", Mm(g.wireLength),
            "π·D·N + a1 + a2。コイルをつる巻き線として数えると " + Mm(g.helixWireLength));
    } else {
        const std::string g0 = "コイルのすき間 g = " + Mm(gap);
        addPair("胴長", &LoadedState::bodyLength, "d·(N + 1 + φ/360) + g·(N + φ/360)、" + g0);
        add("自由時の胴長", Mm(g.freeBodyLength), "d·(N + 1) + g·N、" + g0);
        add("線長", Mm(g.wireLength),
            "N·√((π·D)² + g²) + a1 + a2、" + g0 + "。コイルをつる巻き線として数えると " +
                Mm(g.helixWireLength));
    }
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

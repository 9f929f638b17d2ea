#include "core/report/characteristic_sheet.h"

#include <cmath>

#include "core/base/number_text.h"
#include "core/tolerances/loaded_geometry.h"

namespace torsion {

namespace {

constexpr const char* kRateLabel = TS_TEXT("ばね定数 k");
constexpr const char* kNoDensity = TS_TEXT("密度データなし");
constexpr const char* kBodyLength = TS_TEXT("胴長");
constexpr const char* kFreeBodyLength = TS_TEXT("自由時の胴長");
constexpr const char* kWireLength = TS_TEXT("線長");

std::string Num(double x) {
    return FormatShort(x);
}

std::string Mm(double x) {
    const std::string text = Num(x);
    return text.empty() ? text : text + " mm";
}

// "nominal ±tol unit（±p%）", or the text of a tolerance without a value.
ComposedText ToleranceText(const ToleranceResult& t, double nominal, double scale, const std::string& unit) {
    switch (t.state) {
        case ToleranceState::Empty:
            return std::string();
        case ToleranceState::NoPublishedValue:
            return kNoPublishedValueText;
        case ToleranceState::NotApplicable:
            return kCloseWoundText;
        case ToleranceState::Value:
            break;
    }
    std::string text = Num(nominal) + " ±" + Num(t.plusMinus * scale) + " " + unit;
    if (!std::isfinite(t.percent)) return text;
    return {TS_TEXT("%1（±%2%）"), {text, FormatGeneral(t.percent, 3)}};
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
ComposedText RangeText(const ValueRange& r, double nominal, UnitSystem unit, const ComposedText& unitText) {
    const std::string low = Num(ToShownUnit(r.low, unit)), high = Num(ToShownUnit(r.high, unit));
    if (low.empty() || high.empty()) return kWireNoValueText;
    if (nominal == 0 || !std::isfinite(nominal)) return {TS_TEXT("%1 〜 %2 %3"), {low, high, unitText}};
    return {TS_TEXT("%1 〜 %2 %3（%4）"),
            {low, high, unitText,
             ChangeText((r.high - nominal) / std::fabs(nominal), (r.low - nominal) / std::fabs(nominal))}};
}

ComposedText TermText(const VariationTerm& t, ComposedText tolerance) {
    if (!t.known) return kWireNoValueText;
    return {"%1 → k %2", {std::move(tolerance), ChangeText(t.rateUp, t.rateDown)}};
}

ComposedText OrNoValue(ComposedText text) {
    return text.empty() ? ComposedText(kWireNoValueText) : text;
}

ComposedText TensileText(const WireValue& v) {
    if (!v.found) return kWireNoValueText;
    if (std::isnan(v.max)) return {TS_TEXT("JIS %1 以上 N/mm²"), {Num(v.min)}};
    return {TS_TEXT("JIS %1〜%2 N/mm²"), {Num(v.min), Num(v.max)}};
}

}  // namespace

void AppendManufacturingLines(std::vector<SheetLine>& lines, const ManufacturingCheck& check,
                              UnitSystem unit) {
    auto add = [&](ComposedText label, ComposedText text, ComposedText tip) {
        lines.push_back({std::move(label), {std::move(text), std::move(tip)}, std::nullopt, false});
    };
    const std::string momentUnit = MomentUnitText(unit);
    const ComposedText rateUnit = RateUnitWord(unit);
    const CharacteristicVariation& v = check.variation;

    // The variation of the characteristic.
    lines.push_back({{TS_TEXT("ばらつきの見込み（%1級）"), {std::to_string(check.grade)}},
                     {TS_TEXT("すべて不利な側"), TS_TEXT("各項を不利な端に置き、ばね定数の式で計算")},
                     SheetCell{TS_TEXT("二乗和平方根"), TS_TEXT("各項の変化の二乗和の平方根")},
                     true});
    if (v.valid) {
        const char* rateFormula =
            TS_TEXT("計算と同じばね定数の式 k ∝ E·d⁴ / (D·N の項 + 腕の長さの項) による");
        add(TS_TEXT("線径 ±Δd"), TermText(v.wire, "±" + Num(v.wire.plusMinus) + " mm"),
            {TS_TEXT("%1\nD と N はそのまま、d だけを動かす: %2"), {v.wire.row, rateFormula}});
        add(TS_TEXT("コイル径 ±ΔD"), TermText(v.coil, "±" + Num(v.coil.plusMinus) + " mm"),
            {TS_TEXT("%1\n図面の径の許容差で平均径 D を動かす（平均径の入力では内径と外径の大きい方）"),
             {v.coil.row}});
        ComposedText angleText = TermText(
            v.turns,
            {TS_TEXT("±%1（巻数 ±%2）"), {DegreesText(v.freeAngle), FormatGeneral(v.turns.plusMinus, 3)}});
        const std::string shift = Num(ToShownUnit(v.moments[1].zeroShift, unit));
        if (v.turns.known && !shift.empty())
            angleText = {TS_TEXT("%1、零点 ±%2 %3"), {angleText, shift, momentUnit}};
        add(TS_TEXT("自由角度 ±Δθ"), angleText,
            {TS_TEXT("%1\nΔN = Δθ/360 巻として k に、k·Δθ を M の零点のずれとして加える"), {v.turns.row}});
        lines.push_back({kRateLabel,
                         {RangeText(v.rateWorst, v.rate, unit, rateUnit), rateFormula},
                         SheetCell{RangeText(v.rateRss, v.rate, unit, rateUnit), {}},
                         false});
        for (std::size_t i = 0; i < 2; ++i) {
            const MomentVariation& m = v.moments[i];
            ComposedText tip = {TS_TEXT("M = k·(φ ± Δθ)、φ%1 = %2"),
                                {std::to_string(i + 1), DegreesText(m.angle)}};
            if (m.allowed.state == ToleranceState::Value)
                tip = Sequence({std::move(tip),
                                std::string("\n"),
                                {TS_TEXT("±ΔM = ±%1 %2（±%3%）"),
                                 {Num(ToShownUnit(m.allowed.plusMinus / kStandardGravity, unit)), momentUnit,
                                  FormatGeneral(m.allowed.percent, 3)}}});
            lines.push_back({"M" + std::to_string(i + 1),
                             {RangeText(m.worst, m.nominal, unit, momentUnit), tip},
                             SheetCell{RangeText(m.rss, m.nominal, unit, momentUnit), tip},
                             false});
        }
        const MomentVariation& m2 = v.moments[1];
        std::vector<ComposedText> shares;
        static constexpr CatalogueTerm kNames[4] = {
            TS_TERM("線径", "term of the variation"), TS_TERM("コイル径", "term of the variation"),
            TS_TERM("巻数", "term of the variation"), TS_TERM("零点", "term of the variation")};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string share = FormatGeneral(m2.share[i], 2);
            if (share.empty()) continue;
            if (!shares.empty()) shares.emplace_back(kListSeparator);
            shares.push_back({"%1 %2%", {kNames[i], share}});
        }
        add(TS_TEXT("各項の寄与（M2）"), OrNoValue(Sequence(std::move(shares))),
            TS_TEXT("M2 のすべて不利な側の幅に各項が占める割合"));
        add(TS_TERM("判定", "verdict of the variation"), VariationVerdictText(v),
            TS_TEXT("±ΔM（ばね特性の許容差）に対して。線径の許容差だけで ±ΔM を超えるときは等級を見直す"));
    } else {
        add(kRateLabel, std::string(), TS_TEXT("計算されたばね定数がない"));
    }

    // The wire.
    const WireCheck& w = check.wire;
    lines.push_back({TS_TEXT("線材（JIS）"), {}, std::nullopt, true});
    {
        ComposedText text;
        switch (w.standard.state) {
            case StandardWireState::Standard:
                text = TS_TEXT("JIS 標準線径");
                break;
            case StandardWireState::NotStandard:
                text = TS_TEXT("標準線径ではありません");
                break;
            case StandardWireState::Unknown:
                text = kWireNoValueText;
                break;
        }
        add(TS_TEXT("標準線径"), text, w.standard.row);
    }
    {
        ComposedText text = TensileText(w.tensile);
        const std::string table = Num(w.tableStrength);
        ComposedText tip = w.tensile.row;
        if (!table.empty()) {
            const bool outside =
                w.tensile.found && (w.tableStrength < w.tensile.min || w.tableStrength > w.tensile.max);
            text = {
                outside ? TS_TEXT("%1（材料表 %2 N/mm²、JIS の範囲外）") : TS_TEXT("%1（材料表 %2 N/mm²）"),
                {text, table}};
            tip = {TS_TEXT("%1\n材料表の引張強さ（許容応力と寿命の元）: %2 N/mm²"), {std::move(tip), table}};
        }
        add(TS_TEXT("引張強さ"), text, tip);
    }
    {
        const ComposedText tolerance =
            w.tolerance.found ? ComposedText("±" + Num(w.tolerance.max) + " mm") : kWireNoValueText;
        add(TS_TEXT("線径の許容差"),
            w.roundness.found
                ? ComposedText(TS_TEXT("%1、偏径差 %2 mm 以下"), {tolerance, Num(w.roundness.max)})
                : ComposedText(TS_TEXT("%1、偏径差 %2"), {tolerance, kWireNoValueText}),
            Sequence({w.tolerance.row, std::string("\n"), w.roundness.row}));
    }

    // The dynamics.
    const SpringDynamics& s = check.dynamics;
    const char* lumped =
        TS_TEXT("集中定数の近似: ばねを質量のないばね定数とし、ばね自身の慣性モーメントの 1/3 を腕 2 に置く");
    lines.push_back({TS_TEXT("固有振動数とエネルギー（集中定数の近似）"), {}, std::nullopt, true});
    {
        const std::string own = Num(s.springInertia);
        add(TS_TEXT("ばね自身の慣性モーメント"),
            own.empty() ? ComposedText(kNoDensity)
                        : ComposedText(TS_TEXT("%1 kg･mm²（コイル %2、腕2 %3）"),
                                       {own, Num(s.coilInertia), Num(s.armInertia)}),
            {TS_TEXT("コイル: 質量を D/2 の輪に置く m·(D/2)²、腕 2: 軸からの棒 m·a2²/3\n%1"),
             {check.densityRow}});
    }
    {
        const std::string j = Num(check.inputs.inertia);
        add(TS_TEXT("駆動する部品の J"),
            s.driven && !j.empty() ? ComposedText(j + " kg･mm²") : ComposedText(TS_TEXT("なし（ばね単体）")),
            TS_TEXT("腕 2 が動かす部品の、コイル軸まわりの慣性モーメント"));
    }
    {
        const std::string f = Num(s.naturalFrequency);
        add(TS_TEXT("固有振動数 f"),
            f.empty() ? (s.valid ? ComposedText(kNoDensity) : ComposedText(std::string()))
                      : ComposedText(f + " Hz"),
            {TS_TEXT("f = (1/2π)·√(k / J_total)、k = %1 N･mm/rad、J_total = J + ばね自身/3 = %2 kg･mm²\n%3"),
             {OrNoValue(Num(s.rateNmmPerRad)), OrNoValue(Num(s.totalInertia)), lumped}});
    }
    {
        const std::string ratio = FormatGeneral(s.frequencyRatio, 3);
        const std::string op = Num(check.inputs.frequency);
        add(TS_TEXT("運転周波数との比"),
            ratio.empty() ? ComposedText(op.empty() ? TS_TEXT("運転周波数の入力なし")
                                                    : TS_TEXT("固有振動数が求まらない"))
                          : ComposedText("f / " + op + " Hz = " + ratio),
            TS_TEXT("固有振動数を運転周波数で割った値"));
    }
    {
        const std::string energy = Num(ToShownUnit(s.energy, unit));
        ComposedText text = energy.empty() ? std::string() : energy + " " + momentUnit;
        if (!energy.empty() && unit == UnitSystem::SI) text = {TS_TEXT("%1（= %2 mJ）"), {text, energy}};
        add(TS_TEXT("蓄えるエネルギー φ1→φ2"), text,
            {TS_TEXT("½·k·(φ2² − φ1²)、φ はラジアン、k は N･mm/rad\n%1"), {lumped}});
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
    auto add = [&](ComposedText label, ComposedText text, ComposedText tip) {
        sheet.lines.push_back({std::move(label), {std::move(text), std::move(tip)}, std::nullopt, false});
    };

    sheet.lines.push_back(
        {{TS_TEXT("公差（JIS B 2704-2）%1級"), {std::to_string(grade)}}, {}, std::nullopt, true});
    const MaterialRecord* record = RecordOrNull(table, c.materialNo);
    const DensityResult density =
        record ? WireDensity(rows, ShortStringValue(record->symbol), ShortStringValue(record->kindName))
               : DensityResult{};
    const double angles[2] = {c.angle1, c.angle2};
    const double moments[2] = {c.moment1, c.moment2};
    for (int i = 0; i < 2; ++i) {
        const ToleranceResult t = MomentTolerance(rows, grade, c.turns, angles[i], rateNmm);
        ComposedText tip = {TS_TEXT("ΔM = ±(φ·β1 + β2)·k、k = %1 %2\n%3"),
                            {Num(ToShownUnit(c.springConst, unit)), RateUnitWord(unit), t.row}};
        if (std::isfinite(t.reference))
            tip = Sequence(
                {std::move(tip),
                 std::string("\n"),
                 {TS_TEXT("参考（導出値の β2 による）: ±%1 %2"), {Num(t.reference * fromNmm), momentUnit}}});
        add({TS_TEXT("ばね特性 φ%1=%2"), {std::to_string(i + 1), DegreesText(angles[i])}},
            ToleranceText(t, ToShownUnit(moments[i], unit), fromNmm, momentUnit), tip);
    }
    {
        const ToleranceResult t = FreeAngleTolerance(rows, grade, c.turns, c.springIndex);
        const ComposedText text = t.state == ToleranceState::Value
                                      ? ComposedText("±" + DegreesText(t.plusMinus))
                                      : ToleranceText(t, 0, 1, "");
        add(TS_TEXT("腕の自由角度"), text, {TS_TEXT("%1\nばね特性を指定するときは参考値"), {t.row}});
    }
    // The diameter the drawing gives: inner or outer, both when the mean diameter is typed.
    const bool showInner = c.diaMode != 2;
    const bool showOuter = c.diaMode != 0;
    if (showInner) {
        const ToleranceResult t = CoilDiameterTolerance(rows, grade, c.springIndex, c.innerDia);
        add(TS_TEXT("コイル内径"), ToleranceText(t, c.innerDia, 1, "mm"), t.row);
    }
    if (showOuter) {
        const ToleranceResult t = CoilDiameterTolerance(rows, grade, c.springIndex, c.outerDia);
        add(TS_TEXT("コイル外径"), ToleranceText(t, c.outerDia, 1, "mm"), t.row);
    }
    const double gap = e.designOptions.pitchGap;
    const SpringGeometry g = LoadedSpringGeometry(c, density.density, gap);
    {
        const ToleranceResult t = CoilLengthTolerance(rows, grade, c.springIndex, g.freeBodyLength, gap == 0);
        const std::string length = Mm(g.freeBodyLength);
        ComposedText text = ToleranceText(t, g.freeBodyLength, 1, "mm");
        if (t.state == ToleranceState::NotApplicable && !length.empty())
            text = {TS_TEXT("%1　%2"), {length, text}};
        add(TS_TEXT("コイル長さ"), text, t.row);
    }
    const double arms[2] = {c.arm1, c.arm2};
    for (int i = 0; i < 2; ++i) {
        const ToleranceResult t = ArmLengthTolerance(rows, grade, c.wireDia, arms[i]);
        add({TS_TEXT("腕の長さ a%1"), {std::to_string(i + 1)}}, ToleranceText(t, arms[i], 1, "mm"), t.row);
    }

    AppendManufacturingLines(sheet.lines, manufacturing, unit);

    sheet.lines.push_back({TS_TEXT("負荷時の形状"),
                           {"φ2=" + DegreesText(g.atAngle2.angle), {}},
                           SheetCell{{TS_TEXT("最大角度 %1"), {DegreesText(g.atMaxAngle.angle)}}, {}},
                           true});
    auto addPair = [&](ComposedText label, double LoadedState::*field, const ComposedText& tip) {
        sheet.lines.push_back(
            {std::move(label), {Mm(g.atAngle2.*field), tip}, SheetCell{Mm(g.atMaxAngle.*field), tip}, false});
    };
    // Two ways to the loaded coil diameter, each named: the standard's approximation, by
    // which the loaded inner diameter and the guide-rod clearance are judged, and the
    // geometry of the 3D model (its page, STEP and STL), which keeps the wire length.
    addPair(
        TS_TEXT("ΔD（JIS の近似）"), &LoadedState::diameterReduction,
        TS_TEXT(
            "コイル径の減少 ΔD = φ·D/(360·N)、JIS の近似式。負荷時の内径と案内棒とのすきまはこの値による。"
            "外方向では巻き戻り、径は増す"));
    addPair(TS_TEXT("ΔD（3D モデル）"), &LoadedState::diameterReductionExact,
            TS_TEXT("コイル径の減少 ΔD = D·φ/(360·N + φ)、線長を一定に巻き込む形状。"
                    "3D 形状のページと STEP・STL のばねはこの径"));
    addPair(TS_TEXT("負荷時の内径（JIS の近似）"), &LoadedState::loadedInnerDia,
            {TS_TEXT("Di − ΔD、Di = %1"), {Mm(c.innerDia)}});
    const ComposedText meanTip{TS_TEXT("D − ΔD、D = %1。STEP・STL に書くコイル径"), {Mm(c.meanDia)}};
    sheet.lines.push_back({TS_TEXT("負荷時の平均径（3D モデル）"),
                           {Mm(c.meanDia - g.atAngle2.diameterReductionExact), meanTip},
                           SheetCell{Mm(c.meanDia - g.atMaxAngle.diameterReductionExact), meanTip},
                           false});
    addPair(TS_TEXT("案内棒とのすきま"), &LoadedState::guideRodClearance,
            {TS_TEXT("負荷時の内径（JIS の近似）− 推奨案内棒径 %1"), {Mm(c.guideRodDia)}});
    if (gap == 0) {
        addPair(kBodyLength, &LoadedState::bodyLength, TS_TEXT("d·(N + 1 + φ/360)、密着巻"));
        add(kFreeBodyLength, Mm(g.freeBodyLength), TS_TEXT("d·(N + 1)、密着巻"));
        add(kWireLength, Mm(g.wireLength),
            {TS_TEXT("π·D·N + a1 + a2。コイルをつる巻き線として数えると %1"), {Mm(g.helixWireLength)}});
    } else {
        const ComposedText g0{TS_TEXT("コイルのすき間 g = %1"), {Mm(gap)}};
        addPair(kBodyLength, &LoadedState::bodyLength,
                {TS_TEXT("d·(N + 1 + φ/360) + g·(N + φ/360)、%1"), {g0}});
        add(kFreeBodyLength, Mm(g.freeBodyLength), {TS_TEXT("d·(N + 1) + g·N、%1"), {g0}});
        add(kWireLength, Mm(g.wireLength),
            {TS_TEXT("N·√((π·D)² + g²) + a1 + a2、%1。コイルをつる巻き線として数えると %2"),
             {g0, Mm(g.helixWireLength)}});
    }
    {
        const std::string mass = Num(g.mass);
        add(TS_TEXT("質量"),
            std::isfinite(density.density) ? ComposedText(mass.empty() ? mass : mass + " g")
                                           : ComposedText(kNoDensity),
            {TS_TEXT("%1\nm = ρ·(π·d²/4)·線長"), {density.row}});
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

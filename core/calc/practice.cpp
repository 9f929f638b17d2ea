// The design practices and the working temperature.
#include "core/calc/practice.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "core/base/catalogue_text.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/base/units.h"
#include "core/calc/calculation.h"
#include "core/calc/checked_arithmetic.h"
#include "core/materials/fatigue_life.h"
#include "core/materials/practice_data.h"

namespace torsion {

namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Real;
using checked::Store;
using checked::Sub;

constexpr Real kPi = std::numbers::pi_v<long double>;
// EN: 64·180/π (the 3667 of the JIS form written exactly); US: the empirical 10.8 per turn.
constexpr Real kEnCoilTerm = 64 * 180 / kPi;
constexpr Real kUsCoilTerm = 10.8L;

std::string SymbolOf(const MaterialTable& table, int materialNo) {
    const MaterialRecord* r = RecordOrNull(table, materialNo);
    return r ? ShortStringValue(r->symbol) : std::string();
}

constexpr const char* kUsPracticeName = TS_TEXT("米国 SMI");
// The safety factor against the fatigue strength at 10^n cycles.
constexpr const char* kSafetyAtCycles = TS_TEXT("10^%1回 nf=%2");

// The symbol in a message: itself when it is plain ASCII, otherwise "この材料".
ComposedText SymbolText(const std::string& symbol) {
    for (const char ch : symbol)
        if (static_cast<unsigned char>(ch) >= 0x80 || static_cast<unsigned char>(ch) < 0x20)
            return TS_TEXT("この材料");
    if (symbol.empty()) return TS_TEXT("この材料");
    return symbol;
}

// The tensile strength of the case's wire row, N/mm²; nullopt where the case names none.
std::optional<Real> TensileStrengthOf(const DesignCase& c, const MaterialTable& table) {
    const MaterialRecord* r = RecordOrNull(table, c.materialNo);
    if (!r || c.wireDiaIndex < 0 || c.wireDiaIndex >= kMaterialRows) return std::nullopt;
    const Real s = r->tensileStrength[static_cast<std::size_t>(c.wireDiaIndex)];
    if (!std::isfinite(s) || !(s > 0)) return std::nullopt;
    return s;
}

Real SectionModulus(Real d) {
    return Div(Mul(Mul(Mul(kPi, d), d), d), 32);
}

// What the stresses of a case calculated by practice p are of 32·M/(π·d³).
double AppliedFactorOf(const DesignCase& c, Practice p) {
    if (p == Practice::Jis) return AppliedStressFactor(c);
    return CorrectionApplies(p, c.outward != 0) ? c.stressFactor : 1;
}

}  // namespace

namespace {

void CheckTemperatureAllowed(double temperature) {
    if (!TemperatureAllowed(temperature))
        throw CommandError({TS_TEXT("使用温度 %1℃ は範囲外です (%2℃)"),
                            {FormatShort(temperature), std::string(kTemperatureRangeText)}});
}

}  // namespace

double TemperatureOfText(const std::string& text) {
    const double t = ParseNumber(text);
    CheckTemperatureAllowed(t);
    return t;
}

// Outside any function: the catalogue's context is "torsion".
constexpr const char* kLengthOutOfRange = TS_TEXT("長さ '%1' は 0〜%2 mm で指定してください");

double LegLengthOfText(const std::string& text) {
    const double length = ParseNumber(text);
    if (!(length >= 0 && length <= kMaxLegLength))
        throw CommandError({kLengthOutOfRange, {text, FormatShort(kMaxLegLength)}});
    return length;
}

WorkingTemperature WorkingTemperatureOf(const MaterialTable& table, int materialNo, double temperature) {
    WorkingTemperature w;
    if (temperature == kRoomTemperature) return w;
    const std::string t = FormatShort(temperature);
    CheckTemperatureAllowed(temperature);
    const std::string symbol = SymbolOf(table, materialNo);
    const YoungRatioLookup found = YoungModulusRatio(BuiltInPracticeRows(), symbol, temperature);
    if (!found.ratio) {
        if (found.family)
            throw CommandError({TS_TEXT("使用温度 %1℃ の縦弾性係数はデータがありません (%2 は %3℃ まで)"),
                                {t, SymbolText(symbol), FormatShort(found.lastTemperature)}});
        throw CommandError(
            {TS_TEXT("使用温度 %1℃ の %2 の縦弾性係数はデータがありません"), {t, SymbolText(symbol)}});
    }
    w.youngRatio = *found.ratio;
    if (temperature < kRoomTemperature)
        w.lines.push_back({TS_TEXT("使用温度 %1℃: 室温より低い温度では縦弾性係数を補正しません"), {t}});
    else
        w.lines.push_back({TS_TEXT("使用温度 %1℃: 縦弾性係数 ×%2"), {t, FormatGeneral(w.youngRatio, 4)}});
    if (const auto limit = ServiceTemperatureLimit(BuiltInPracticeRows(), symbol);
        limit && temperature > *limit) {
        w.overServiceLimit = true;
        w.lines.push_back(
            {TS_TEXT("エラー:使用温度が %1 の最高使用温度 %2℃ を超えています (へたりが急に増えます)"),
             {SymbolText(symbol), FormatShort(*limit)}});
    }
    return w;
}

double LegTurns(Practice p, double arm, double meanDia) {
    const Real l = arm, D = meanDia;
    if (p != Practice::En) return static_cast<double>(Div(l, Mul(Mul(3, kPi), D)));
    // (4·(l/D)² − 1) / (12π·l/D): a tangential leg; an arm inside the coil adds nothing.
    if (!(l > Div(D, 2))) return 0;
    const Real x = Div(l, D);
    return static_cast<double>(Div(Sub(Mul(Mul(4, x), x), 1), Mul(Mul(12, kPi), x)));
}

double LegTurns(Practice p, LegShape shape, double arm, double meanDia) {
    switch (shape) {
        case LegShape::Tangential:
        case LegShape::Axial:
            return LegTurns(p, arm, meanDia);
        case LegShape::Clamped:
            return 0;
        case LegShape::Radial:
            break;
    }
    const Real l = arm, D = meanDia;
    if (!(l > Div(D, 2))) return 0;
    const Real b = Sub(l, Div(D, 2));
    return static_cast<double>(Div(Mul(Mul(b, b), b), Mul(Mul(Mul(3, kPi), D), Mul(l, l))));
}

double PracticeRate(Practice p, double youngModulus, double wireDia, double meanDia, double turns,
                    double arm1, double arm2, LegShape leg1, LegShape leg2) {
    // A leg bent along the axis takes the tangential term (see LegTurns).
    const auto tangentialTerm = [](LegShape s) { return s == LegShape::Tangential || s == LegShape::Axial; };
    if (tangentialTerm(leg1) && tangentialTerm(leg2))
        return PracticeRate(p, youngModulus, wireDia, meanDia, turns, arm1, arm2);
    const Real d = wireDia, D = meanDia;
    const Real ed4 = Mul(youngModulus, Mul(Mul(Mul(d, d), d), d));
    const auto legTurns = [&] {
        return Add(Add(turns, LegTurns(p, leg1, arm1, meanDia)), LegTurns(p, leg2, arm2, meanDia));
    };
    switch (p) {
        case Practice::Jis: {
            // A tangential (or axial) leg keeps the 389 term of the program's formula.
            Real denominator = Mul(Mul(kRateCoilTerm, D), turns);
            for (const auto& [shape, arm] : {std::pair{leg1, arm1}, std::pair{leg2, arm2}})
                denominator = Add(denominator, tangentialTerm(shape) ? Mul(kRateArmTerm, arm)
                                                                     : Mul(Mul(kRateCoilTerm, D),
                                                                           LegTurns(p, shape, arm, meanDia)));
            return static_cast<double>(Div(ed4, denominator));
        }
        case Practice::En:
            return static_cast<double>(Div(ed4, Mul(Mul(kEnCoilTerm, D), legTurns())));
        case Practice::Us:
            break;
    }
    return static_cast<double>(Div(Div(ed4, Mul(Mul(kUsCoilTerm, D), legTurns())), 360));
}

double BendFactor(double bendRadius, double wireDia) {
    const Real x = Div(Mul(2, bendRadius), wireDia);
    return static_cast<double>(Div(Add(x, 1.07L), Add(x, 0.25L)));
}

std::vector<LegBend> LegBendsOf(const DesignCase& c, const DesignOptions& o) {
    std::vector<LegBend> bends;
    if (!IsBent(o.legs[0].shape) && !IsBent(o.legs[1].shape)) return bends;
    bends.reserve(2);
    for (int leg = 1; leg <= 2; ++leg) {
        const LegEnd& end = o.legs[static_cast<std::size_t>(leg - 1)];
        if (!IsBent(end.shape)) continue;
        LegBend b;
        b.leg = leg;
        b.radius = end.bendRadius;
        // Plain arithmetic: a stored case of any numbers has bends, a number it cannot give is NaN.
        const double x = 2 * end.bendRadius / c.wireDia;
        b.factor = (x + 1.07) / (x + 0.25);
        b.tooTight = end.bendRadius < c.wireDia;
        b.tight = end.bendRadius < 1.5 * c.wireDia;
        b.stress = c.moment2 / (std::numbers::pi * c.wireDia * c.wireDia * c.wireDia / 32) * b.factor;
        if (!std::isfinite(b.factor) || !std::isfinite(b.stress)) b.factor = b.stress = std::nan("");
        b.over = c.allowStress > 0 && b.stress > c.allowStress;
        bends.push_back(b);
    }
    return bends;
}

void ApplyDesignOptions(DesignCase& c, const MaterialTable& table, const DesignOptions& o,
                        double youngRatio) {
    ApplyPractice(c, table, o.practice, youngRatio);
    const bool tangential =
        o.legs[0].shape == LegShape::Tangential && o.legs[1].shape == LegShape::Tangential;
    if (tangential) return;
    const Real section = SectionModulus(c.wireDia);
    const MaterialRecord* material = RecordOrNull(table, c.materialNo);
    const Real youngModulus = Mul(material ? material->youngModulus : 0.0, youngRatio);
    const double applied = AppliedFactorOf(c, o.practice);
    // Radial and clamped legs change the rate; an axial leg keeps the tangential term.
    const auto ownTerm = [](LegShape s) { return s == LegShape::Radial || s == LegShape::Clamped; };
    if (ownTerm(o.legs[0].shape) || ownTerm(o.legs[1].shape))
        Store(c.springConst,
              Div(PracticeRate(o.practice, static_cast<double>(youngModulus), c.wireDia, c.meanDia,
                               c.calcTurns, c.arm1, c.arm2, o.legs[0].shape, o.legs[1].shape),
                  kStandardGravityExtended));
    // The larger of the coil's factor and the bend's on the full moment is the safe side.
    for (const LegEnd& end : o.legs) {
        if (!IsBent(end.shape)) continue;
        const double factor = BendFactor(end.bendRadius, c.wireDia);
        if (factor > applied && c.allowStress > 0) {
            const Real bendMoment = Div(Mul(c.allowStress, section), factor);
            if (bendMoment < Real(c.maxMoment)) Store(c.maxMoment, bendMoment);
        }
    }
    if (c.allowStress > 0 || o.practice == Practice::Jis) Store(c.maxAngle, Div(c.maxMoment, c.springConst));
    if (c.inputMode == 1) {
        Store(c.moment1, Mul(c.angle1, c.springConst));
        Store(c.moment2, Mul(c.angle2, c.springConst));
    } else {
        Store(c.angle1, Div(c.moment1, c.springConst));
        Store(c.angle2, Div(c.moment2, c.springConst));
    }
    Store(c.stress1, Mul(Div(c.moment1, section), applied));
    Store(c.stress2, Mul(Div(c.moment2, section), applied));
}

// The fixed lines of each leg, in the catalogue (a line with numbers is composed).
constexpr const char* kAxialLegLines[2] = {
    TS_TEXT("脚1 (軸方向): 規格に項がないため接線方向の脚の項で計算しています"),
    TS_TEXT("脚2 (軸方向): 規格に項がないため接線方向の脚の項で計算しています")};
constexpr const char* kBendTooTightLines[2] = {TS_TEXT("エラー:脚1の曲げ半径 r が線径より小さい"),
                                               TS_TEXT("エラー:脚2の曲げ半径 r が線径より小さい")};
constexpr const char* kBendTightLines[2] = {TS_TEXT("注意:脚1の曲げ半径 r は線径の1.5倍以上を推奨"),
                                            TS_TEXT("注意:脚2の曲げ半径 r は線径の1.5倍以上を推奨")};
constexpr const char* kBendOverLines[2] = {TS_TEXT("エラー:脚1の曲げ部の応力オーバー"),
                                           TS_TEXT("エラー:脚2の曲げ部の応力オーバー")};

void AppendLegLines(std::vector<ComposedText>& lines, const DesignOptions& o,
                    const std::vector<LegBend>& bends) {
    for (std::size_t leg = 0; leg < 2; ++leg)
        if (o.legs[leg].shape == LegShape::Axial) lines.emplace_back(kAxialLegLines[leg]);
    for (const LegBend& b : bends) {
        const auto i = static_cast<std::size_t>(b.leg == 2);
        std::vector<ComposedText> numbers;
        numbers.reserve(4);
        numbers.emplace_back(std::to_string(b.leg));
        numbers.push_back(ComposedText::Number(b.radius, 4));
        numbers.push_back(ComposedText::Number(b.factor, 4));
        numbers.push_back(ComposedText::Number(b.stress * kStandardGravity, 4));
        lines.emplace_back(TS_TEXT("脚%1の曲げ部: r=%2mm q=%3 σ=%4N/mm²"), std::move(numbers));
        if (b.tooTight)
            lines.emplace_back(kBendTooTightLines[i]);
        else if (b.tight)
            lines.emplace_back(kBendTightLines[i]);
        if (b.over) lines.emplace_back(kBendOverLines[i]);
    }
}

double BendStressAt(const std::vector<LegBend>& bends, int leg) {
    for (const LegBend& b : bends)
        if (b.leg == leg) return b.stress;
    return std::nan("");
}

bool LegError(const std::vector<LegBend>& bends) {
    for (const LegBend& b : bends)
        if (b.tooTight || b.over) return true;
    return false;
}

double PracticeRate(Practice p, double youngModulus, double wireDia, double meanDia, double turns,
                    double arm1, double arm2) {
    const Real d = wireDia, D = meanDia;
    const Real ed4 = Mul(youngModulus, Mul(Mul(Mul(d, d), d), d));
    Real rate = 0;
    switch (p) {
        case Practice::Jis:
            rate = Div(ed4, Add(Mul(Mul(kRateCoilTerm, D), turns), Mul(kRateArmTerm, Add(arm1, arm2))));
            break;
        case Practice::En: {
            const Real n = Add(Add(turns, LegTurns(p, arm1, meanDia)), LegTurns(p, arm2, meanDia));
            rate = Div(ed4, Mul(Mul(kEnCoilTerm, D), n));
            break;
        }
        case Practice::Us: {
            const Real n = Add(Add(turns, LegTurns(p, arm1, meanDia)), LegTurns(p, arm2, meanDia));
            rate = Div(Div(ed4, Mul(Mul(kUsCoilTerm, D), n)), 360);
            break;
        }
    }
    return static_cast<double>(rate);
}

double CorrectionFactor(Practice p, double springIndex) {
    const Real c = springIndex;
    if (p == Practice::En) return static_cast<double>(Div(Add(c, 0.07L), Sub(c, 0.75L)));
    // κ and Ki are one formula: (4c² − c − 1) / (4c·(c − 1)).
    return static_cast<double>(Div(Sub(Sub(Mul(Mul(4, c), c), c), 1), Mul(Mul(4, c), Sub(c, 1))));
}

bool CorrectionApplies(Practice p, bool opening) {
    return p == Practice::Us || (p == Practice::En && opening);
}

std::optional<double> StaticLimitRatio(Practice p, std::string_view symbolSjis) {
    if (p == Practice::Jis) return std::nullopt;
    const auto percent = StaticLimitPercent(BuiltInPracticeRows(), PracticeKey(p), symbolSjis);
    if (!percent) return std::nullopt;
    return *percent / 100;
}

FatigueVerdict UsFatigueVerdict(std::string_view symbolSjis, double stress1, double stress2,
                                double tensileStrength) {
    FatigueVerdict v;
    const std::vector<FatigueStrengthRow> rows = UsFatigueStrengths(BuiltInPracticeRows(), symbolSjis);
    if (rows.empty()) return v;
    v.kind = FatigueVerdict::Kind::SafetyFactor;
    const double sut = tensileStrength;
    const double amplitude = (stress2 - stress1) / 2, mean = (stress2 + stress1) / 2;
    for (const FatigueStrengthRow& row : rows) {
        const double sr = row.percent / 100 * sut;
        const double se = (sr / 2) / (1 - sr / (2 * sut));
        double safety = std::numeric_limits<double>::infinity();
        if (amplitude > 0) {
            const double r = amplitude / mean;
            safety = (r * se * sut / (r * sut + se)) / amplitude;
        }
        v.points.push_back({row.cycles, row.percent, se, safety});
    }
    return v;
}

ComposedText FatigueVerdictText(const FatigueVerdict& v) {
    switch (v.kind) {
        case FatigueVerdict::Kind::LifeClass:
            return LifeLabelText(v.lifeClass);
        case FatigueVerdict::Kind::NotPublished:
            return kNoPublishedText;
        case FatigueVerdict::Kind::SafetyFactor:
            break;
    }
    std::vector<ComposedText> parts;
    // Longest life first, as the life labels read.
    for (auto it = v.points.rbegin(); it != v.points.rend(); ++it) {
        if (!parts.empty()) parts.emplace_back(std::string(" / "));
        const int exponent = static_cast<int>(std::lround(std::log10(it->cycles)));
        parts.push_back({kSafetyAtCycles,
                         {std::to_string(exponent), std::isinf(it->safety)      ? std::string("∞")
                                                    : std::isfinite(it->safety) ? FormatGeneral(it->safety, 3)
                                                                                : std::string("—")}});
    }
    return Sequence(std::move(parts));
}

void ApplyPractice(DesignCase& c, const MaterialTable& table, Practice p, double youngRatio) {
    if (p == Practice::Jis) return;
    const MaterialRecord* material = RecordOrNull(table, c.materialNo);
    const Real youngModulus = Mul(material ? material->youngModulus : 0.0, youngRatio);
    const Real d = c.wireDia;

    Store(c.springConst, Div(PracticeRate(p, static_cast<double>(youngModulus), c.wireDia, c.meanDia,
                                          c.calcTurns, c.arm1, c.arm2),
                             kStandardGravityExtended));
    Store(c.stressFactor, CorrectionFactor(p, c.springIndex));
    const Real applied = CorrectionApplies(p, c.outward != 0) ? Real(c.stressFactor) : Real(1);

    const auto ratio = StaticLimitRatio(p, material ? ShortStringValue(material->symbol) : std::string());
    const auto strength = TensileStrengthOf(c, table);
    if (ratio && strength) {
        Store(c.allowStress, Mul(Mul(*ratio, *strength), kNewtonToKgfExtended));
        Store(c.maxMoment, Div(Mul(c.allowStress, SectionModulus(d)), applied));
        Store(c.maxAngle, Div(c.maxMoment, c.springConst));
    } else {
        c.allowStress = 0;
        c.maxMoment = 0;
        c.maxAngle = 0;
    }

    if (c.inputMode == 1) {
        Store(c.moment1, Mul(c.angle1, c.springConst));
        Store(c.moment2, Mul(c.angle2, c.springConst));
    } else {
        Store(c.angle1, Div(c.moment1, c.springConst));
        Store(c.angle2, Div(c.moment2, c.springConst));
    }
    const Real section = SectionModulus(d);
    Store(c.stress1, Mul(Div(c.moment1, section), applied));
    Store(c.stress2, Mul(Div(c.moment2, section), applied));
}

PracticeOutcome PracticeOutcomeOf(const DesignCase& calculated, const MaterialTable& table, Practice p) {
    const DesignCase& c = calculated;
    PracticeOutcome o;
    o.practice = p;
    o.factor = c.stressFactor;
    if (p == Practice::Jis) {
        o.appliedFactor = AppliedStressFactor(c);
        o.fatigue.kind = FatigueVerdict::Kind::LifeClass;
        o.fatigue.lifeClass = c.lifeClass;
    } else {
        const MaterialRecord* material = RecordOrNull(table, c.materialNo);
        const std::string symbol = material ? ShortStringValue(material->symbol) : std::string();
        const auto strength = TensileStrengthOf(c, table);
        o.appliedFactor = CorrectionApplies(p, c.outward != 0) ? c.stressFactor : 1;
        o.limitPublished = StaticLimitRatio(p, symbol) && strength;
        if (p == Practice::Us && strength)
            o.fatigue = UsFatigueVerdict(symbol, c.stress1 * kStandardGravity, c.stress2 * kStandardGravity,
                                         static_cast<double>(*strength));
    }
    o.safetyFactor = o.limitPublished ? c.allowStress / c.stress2 : std::nan("");
    return o;
}

std::string PracticeRateFormula(Practice p) {
    switch (p) {
        case Practice::En:
            return "k = E·d⁴ / (3666.93·D·n),  n = N + Σ (4·(l/D)² − 1) / (12π·l/D)　(3666.93 = 64·180/π; l "
                   "≤ D/2: 0)";
        case Practice::Us:
            return "k = E·d⁴ / (10.8·D·Na) / 360,  Na = N + (a1 + a2) / (3π·D)";
        case Practice::Jis:
            break;
    }
    return "k = E·d⁴ / (3667·D·N + 389·(a1 + a2))";
}

std::string PracticeFactorFormula(Practice p) {
    return p == Practice::En ? "q = (c + 0.07) / (c − 0.75)" : "Ki = (4c² − c − 1) / (4c·(c − 1))";
}

const char* PracticeFactorRule(Practice p) {
    switch (p) {
        case Practice::En:
            return TS_TEXT("外方向 (開く向き) のとき q、閉じる向きは 1");
        case Practice::Us:
            return TS_TEXT("常に Ki");
        case Practice::Jis:
            break;
    }
    return TS_TEXT("外方向のとき (D/2 + R)/R·κ");
}

ComposedText PracticeLine(Practice p) {
    // The names are literals (PracticeName), so the catalogue finds "米国 SMI" by its text.
    return {TS_TEXT("設計基準: %1"), {ComposedText(PracticeName(p).data())}};
}

std::string_view PracticeName(Practice p) {
    switch (p) {
        case Practice::En:
            return "EN 13906-3";
        case Practice::Us:
            return kUsPracticeName;
        case Practice::Jis:
            break;
    }
    return "JIS B 2704";
}

std::string_view PracticeKey(Practice p) {
    switch (p) {
        case Practice::En:
            return "en";
        case Practice::Us:
            return "us";
        case Practice::Jis:
            break;
    }
    return "jis";
}

// The names of the leg shapes in the order of LegShape, in the catalogue.
constexpr const char* kLegShapeNames[kLegShapes] = {TS_TEXT("接線"), TS_TEXT("半径方向"), TS_TEXT("軸方向"),
                                                    TS_TEXT("固定")};

std::string_view LegShapeName(LegShape s) {
    const auto i = static_cast<std::size_t>(s);
    return i < std::size(kLegShapeNames) ? kLegShapeNames[i] : kLegShapeNames[0];
}

std::string_view LegShapeKey(LegShape s) {
    switch (s) {
        case LegShape::Radial:
            return "radial";
        case LegShape::Axial:
            return "axial";
        case LegShape::Clamped:
            return "clamped";
        case LegShape::Tangential:
            break;
    }
    return "tangential";
}

std::optional<LegShape> LegShapeFromKey(std::string_view key) {
    for (const LegShape s : kAllLegShapes)
        if (LegShapeKey(s) == key) return s;
    return std::nullopt;
}

std::optional<Practice> PracticeFromKey(std::string_view key) {
    for (const Practice p : kAllPractices)
        if (PracticeKey(p) == key) return p;
    return std::nullopt;
}

}  // namespace torsion

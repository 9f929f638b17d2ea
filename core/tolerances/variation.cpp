#include "core/tolerances/variation.h"

#include <algorithm>
#include <cmath>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/base/units.h"
#include "core/calc/calculation.h"
#include "core/calc/practice.h"

namespace torsion {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Finite(double x) {
    return std::isfinite(x) ? x : kNoNumber;
}

// The rate formula of the design's practice around the case's dimensions: k(d, D, N) over
// the nominal k, minus 1.
class RateModel {
  public:
    RateModel(const DesignCase& c, double youngModulus, const DesignOptions& design)
        : e_(youngModulus),
          d_(c.wireDia),
          D_(c.meanDia),
          n_(c.calcTurns),
          a1_(c.arm1),
          a2_(c.arm2),
          design_(design) {
        nominal_ = Rate(d_, D_, n_);
    }
    bool valid() const { return nominal_ > 0; }
    double wire() const { return d_; }
    double coil() const { return D_; }
    double turns() const { return n_; }
    // NaN where a dimension is not positive or the formula fails.
    double Change(double d, double D, double n) const {
        if (!(d > 0) || !(D > 0) || !(n > 0)) return kNoNumber;
        return Finite(Rate(d, D, n) / nominal_ - 1);
    }

  private:
    // JIS with straight legs is the program's own formula; the others the practice's, with
    // the leg shapes (NaN where its arithmetic fails).
    double Rate(double d, double D, double n) const {
        const LegShape leg1 = design_.legs[0].shape, leg2 = design_.legs[1].shape;
        if (design_.practice == Practice::Jis && leg1 == LegShape::Tangential && leg2 == LegShape::Tangential)
            return SpringRate(e_, d, D, n, a1_, a2_);
        try {
            return PracticeRate(design_.practice, e_, d, D, n, a1_, a2_, leg1, leg2);
        } catch (const CommandError&) {
            return kNoNumber;
        }
    }

    double e_, d_, D_, n_, a1_, a2_;
    DesignOptions design_;
    double nominal_ = kNoNumber;
};

void SetTerm(VariationTerm& term, double up, double down) {
    term.rateUp = up;
    term.rateDown = down;
    term.known = std::isfinite(up) && std::isfinite(down);
}

// The coil diameter tolerance on the diameter the drawing gives; with the mean diameter
// typed the page shows both, and the larger one counts.
ToleranceResult CoilTolerance(const DesignCase& c, int grade, std::span<const ToleranceRow> rows,
                              RowTexts texts) {
    if (c.diaMode == 0) return CoilDiameterTolerance(rows, grade, c.springIndex, c.innerDia, texts);
    if (c.diaMode == 2) return CoilDiameterTolerance(rows, grade, c.springIndex, c.outerDia, texts);
    const ToleranceResult inner = CoilDiameterTolerance(rows, grade, c.springIndex, c.innerDia, texts);
    const ToleranceResult outer = CoilDiameterTolerance(rows, grade, c.springIndex, c.outerDia, texts);
    if (inner.state == ToleranceState::Value && outer.state == ToleranceState::Value)
        return inner.plusMinus > outer.plusMinus ? inner : outer;
    return outer.state == ToleranceState::Value ? inner : outer;  // the one without a value
}

void FillMoment(MomentVariation& m, const CharacteristicVariation& v, double angle, double moment,
                double kLow, double kHigh) {
    m.nominal = moment;
    m.angle = angle;
    const double theta = v.freeAngle;
    if (v.turns.known) m.zeroShift = Finite(v.rate * theta);
    if (!std::isfinite(kLow) || !std::isfinite(kHigh) || !std::isfinite(angle) || !std::isfinite(moment))
        return;
    // Every combination of the rate's and the zero's ends; the extremes are the worst case.
    const double ends[4] = {kLow * (angle - theta), kLow * (angle + theta), kHigh * (angle - theta),
                            kHigh * (angle + theta)};
    m.worst.low = Finite(*std::min_element(ends, ends + 4));
    m.worst.high = Finite(*std::max_element(ends, ends + 4));
    // Root-sum-square of each term's move of M, up and down.
    const VariationTerm* terms[3] = {&v.wire, &v.coil, &v.turns};
    double up2 = m.zeroShift * m.zeroShift, down2 = up2;
    double spread[4];
    double total = 0;
    for (int i = 0; i < 3; ++i) {
        const double a = moment * terms[i]->rateUp, b = moment * terms[i]->rateDown;
        up2 += std::max(a, b) * std::max(a, b);
        down2 += std::min(a, b) * std::min(a, b);
        spread[i] = std::fabs(a - b) / 2;
        total += spread[i];
    }
    spread[3] = std::fabs(m.zeroShift);
    total += spread[3];
    m.rss.high = Finite(moment + std::sqrt(up2));
    m.rss.low = Finite(moment - std::sqrt(down2));
    if (total > 0 && std::isfinite(total))
        for (int i = 0; i < 4; ++i) m.share[static_cast<std::size_t>(i)] = spread[i] / total * 100;
}

bool WithinAllowed(const MomentVariation& m, const ValueRange& range) {
    const double allowed = m.allowed.plusMinus / kStandardGravity;  // N·mm → kgf·mm
    return range.high - m.nominal <= allowed && m.nominal - range.low <= allowed;
}

std::string Percent(double fraction) {
    return FormatGeneral(fraction * 100, 3);
}

}  // namespace

CharacteristicVariation VariationOf(const DesignCase& c, const MaterialRecord* material, int grade,
                                    std::span<const ToleranceRow> toleranceRows,
                                    std::span<const WireRow> wireRows, const DesignOptions& design,
                                    RowTexts texts) {
    CharacteristicVariation v;
    v.rate = c.springConst;
    if (!material || !std::isfinite(v.rate) || !(v.rate > 0)) return v;
    const RateModel model(c, material->youngModulus, design);
    if (!model.valid()) return v;
    v.valid = true;
    const double d = model.wire(), D = model.coil(), N = model.turns();

    WireValue wire = WireDiameterTolerance(wireRows, ShortStringValue(material->symbol), d, texts);
    v.wire.row = std::move(wire.row);
    if (wire.found) {
        v.wire.plusMinus = wire.max;
        SetTerm(v.wire, model.Change(d + wire.max, D, N), model.Change(d - wire.max, D, N));
    }
    ToleranceResult coil = CoilTolerance(c, grade, toleranceRows, texts);
    v.coil.row = std::move(coil.row);
    if (coil.state == ToleranceState::Value) {
        v.coil.plusMinus = coil.plusMinus;
        SetTerm(v.coil, model.Change(d, D - coil.plusMinus, N), model.Change(d, D + coil.plusMinus, N));
    }
    ToleranceResult angle = FreeAngleTolerance(toleranceRows, grade, c.turns, c.springIndex, texts);
    v.turns.row = std::move(angle.row);
    if (angle.state == ToleranceState::Value) {
        v.freeAngle = angle.plusMinus;
        v.turns.plusMinus = angle.plusMinus / 360;
        SetTerm(v.turns, model.Change(d, D, N - v.turns.plusMinus),
                model.Change(d, D, N + v.turns.plusMinus));
    }
    if (v.wire.known) v.wirePercent = std::max(v.wire.rateUp, -v.wire.rateDown) * 100;

    const bool allKnown = v.wire.known && v.coil.known && v.turns.known;
    double kLow = kNoNumber, kHigh = kNoNumber;
    if (allKnown) {
        kHigh = Finite(v.rate *
                       (1 + model.Change(d + v.wire.plusMinus, D - v.coil.plusMinus, N - v.turns.plusMinus)));
        kLow = Finite(v.rate *
                      (1 + model.Change(d - v.wire.plusMinus, D + v.coil.plusMinus, N + v.turns.plusMinus)));
        v.rateWorst = {kLow, kHigh};
        const VariationTerm* terms[3] = {&v.wire, &v.coil, &v.turns};
        double up2 = 0, down2 = 0;
        for (const VariationTerm* t : terms) {
            up2 += t->rateUp * t->rateUp;
            down2 += t->rateDown * t->rateDown;
        }
        v.rateRss = {Finite(v.rate * (1 - std::sqrt(down2))), Finite(v.rate * (1 + std::sqrt(up2)))};
    }
    const double angles[2] = {c.angle1, c.angle2};
    const double moments[2] = {c.moment1, c.moment2};
    const MomentFactors factors = MomentToleranceFactors(toleranceRows, grade, c.turns, texts);
    for (std::size_t i = 0; i < 2; ++i) {
        MomentVariation& m = v.moments[i];
        if (allKnown) {
            FillMoment(m, v, angles[i], moments[i], kLow, kHigh);
        } else {
            m.nominal = moments[i];
            m.angle = angles[i];
            if (v.turns.known) m.zeroShift = Finite(v.rate * v.freeAngle);
        }
        m.allowed = MomentToleranceOf(factors, angles[i], v.rate * kStandardGravity);
    }

    if (!allKnown) {
        v.verdict = VariationVerdict::NoTermData;
    } else if (v.moments[0].allowed.state != ToleranceState::Value ||
               v.moments[1].allowed.state != ToleranceState::Value) {
        v.verdict = VariationVerdict::NoMomentTolerance;
    } else {
        bool wireAlone = false;
        for (const MomentVariation& m : v.moments)
            wireAlone = wireAlone ||
                        std::fabs(m.nominal) * v.wirePercent / 100 > m.allowed.plusMinus / kStandardGravity;
        const bool within = WithinAllowed(v.moments[0], v.moments[0].worst) &&
                            WithinAllowed(v.moments[1], v.moments[1].worst);
        const bool withinRss =
            WithinAllowed(v.moments[0], v.moments[0].rss) && WithinAllowed(v.moments[1], v.moments[1].rss);
        v.verdict = wireAlone   ? VariationVerdict::WireAlone
                    : within    ? VariationVerdict::Within
                    : withinRss ? VariationVerdict::WithinRss
                                : VariationVerdict::Beyond;
    }
    return v;
}

ComposedText VariationVerdictText(const CharacteristicVariation& v) {
    static constexpr CatalogueTerm kTerms[4] = {
        TS_TERM("線径", "term of the variation"), TS_TERM("コイル径", "term of the variation"),
        TS_TERM("巻数", "term of the variation"), TS_TERM("零点", "term of the variation")};
    switch (v.verdict) {
        case VariationVerdict::None:
            return std::string();
        case VariationVerdict::NoTermData: {
            std::vector<ComposedText> missing;
            auto name = [&](ComposedText term) {
                if (!missing.empty()) missing.emplace_back(kListSeparator);
                missing.emplace_back(term);
            };
            if (!v.wire.known) name(kTerms[0]);
            if (!v.coil.known) name(kTerms[1]);
            if (!v.turns.known) name(TS_TERM("自由角度", "term of the variation"));
            return {TS_TEXT("規格値なし（%1の許容差）"), {Sequence(std::move(missing))}};
        }
        case VariationVerdict::NoMomentTolerance:
            return TS_TEXT("規格値なし（この巻数のばね特性の許容差）");
        case VariationVerdict::Within:
            return TS_TEXT("公差内の見込み（すべて不利な側でも ±ΔM の内）");
        case VariationVerdict::WithinRss:
            return TS_TEXT("二乗和では公差内、すべて不利な側では ±ΔM を超える");
        case VariationVerdict::WireAlone:
            return {TS_TEXT("線径の許容差だけで ±%1 %: この等級は難しい"), {FormatGeneral(v.wirePercent, 2)}};
        case VariationVerdict::Beyond: {
            const MomentVariation& m = v.moments[1];
            if (m.nominal == 0) return TS_TEXT("公差を超える見込み");
            const std::string up = Percent((m.worst.high - m.nominal) / std::fabs(m.nominal));
            const std::string down = Percent((m.worst.low - m.nominal) / std::fabs(m.nominal));
            const std::string allowed = FormatGeneral(m.allowed.percent, 3);
            const auto largest = std::max_element(m.share.begin(), m.share.end());
            if (!std::isfinite(*largest))
                return {TS_TEXT("公差を超える見込み（M2 +%1 / %2 %、±ΔM は ±%3 %）"), {up, down, allowed}};
            return {TS_TEXT("公差を超える見込み（M2 +%1 / %2 %、±ΔM は ±%3 %。最大の寄与は%4 %5 %）"),
                    {up, down, allowed, kTerms[largest - m.share.begin()], FormatGeneral(*largest, 2)}};
        }
    }
    return std::string();
}

WireCheck WireCheckOf(const DesignCase& c, const MaterialRecord* material, std::span<const WireRow> wireRows,
                      RowTexts texts) {
    WireCheck w;
    if (!material) {
        if (texts == RowTexts::Built)
            w.standard.row = w.tensile.row = w.tolerance.row = w.roundness.row =
                TS_TEXT("材料が材料表にない");
        return w;
    }
    const std::string symbol = ShortStringValue(material->symbol);
    const double d = c.wireDia;
    WireAnswers answers = WireAnswersAt(wireRows, symbol, d, texts);
    w.standard = std::move(answers.standard);
    w.tensile = std::move(answers.tensile);
    w.tolerance = std::move(answers.tolerance);
    w.roundness = std::move(answers.roundness);
    if (c.wireDiaIndex >= 0 && c.wireDiaIndex < UsableRowCount(*material)) {
        const double strength = material->tensileStrength[static_cast<std::size_t>(c.wireDiaIndex)];
        if (std::isfinite(strength) && strength > 0) w.tableStrength = strength;
    }
    return w;
}

SpringDynamics DynamicsOf(const DesignCase& c, double densityGPerCm3, const DynamicsInputs& in) {
    SpringDynamics s;
    const double k = c.springConst;  // kgf·mm/度
    if (!std::isfinite(k) || !(k > 0)) return s;
    s.valid = true;
    s.rateNmmPerRad = Finite(k * kStandardGravity * 180 / kPi);
    const double phi1 = c.angle1 * kPi / 180, phi2 = c.angle2 * kPi / 180;
    s.energy = Finite(k * 180 / kPi * (phi2 * phi2 - phi1 * phi1) / 2);

    const double d = c.wireDia, D = c.meanDia, N = c.turns, a2 = c.arm2;
    if (std::isfinite(densityGPerCm3) && densityGPerCm3 > 0 && d > 0 && D > 0 && N >= 0 && a2 >= 0) {
        const double linear = densityGPerCm3 * 1e-6 * kPi * d * d / 4;  // kg per mm of wire
        s.coilInertia = Finite(linear * kPi * D * N * (D / 2) * (D / 2));
        s.armInertia = Finite(linear * a2 * a2 * a2 / 3);
        s.springInertia = Finite(s.coilInertia + s.armInertia);
    }
    s.driven = std::isfinite(in.inertia) && in.inertia >= 0;
    s.totalInertia = Finite((s.driven ? in.inertia : 0) + s.springInertia / 3);
    // k in N·mm/rad = 1e-3 N·m/rad and J in kg·mm² = 1e-6 kg·m²: ω² = 1e3·k/J in 1/s².
    if (s.totalInertia > 0)
        s.naturalFrequency = Finite(std::sqrt(1e3 * s.rateNmmPerRad / s.totalInertia) / (2 * kPi));
    if (std::isfinite(in.frequency) && in.frequency > 0)
        s.frequencyRatio = Finite(s.naturalFrequency / in.frequency);
    return s;
}

ManufacturingCheck ManufacturingCheckOf(const DesignCase& c, const MaterialTable& table, int grade,
                                        const DynamicsInputs& inputs,
                                        std::span<const ToleranceRow> toleranceRows,
                                        std::span<const WireRow> wireRows, const DesignOptions& design,
                                        RowTexts texts) {
    ManufacturingCheck m;
    m.grade = grade;
    m.inputs = inputs;
    const MaterialRecord* record = RecordOrNull(table, c.materialNo);
    m.variation = VariationOf(c, record, grade, toleranceRows, wireRows, design, texts);
    m.wire = WireCheckOf(c, record, wireRows, texts);
    DensityResult density{kNoNumber, {}};
    if (record)
        density = WireDensity(toleranceRows, ShortStringValue(record->symbol),
                              ShortStringValue(record->kindName), texts);
    else if (texts == RowTexts::Built)
        density.row = TS_TEXT("密度: 材料が材料表にない");
    m.densityRow = std::move(density.row);
    m.dynamics = DynamicsOf(c, density.density, inputs);
    return m;
}

}  // namespace torsion

// Design search over the material table: the checks of the inputs, the enumeration of
// wire and coil diameters and turns, and the ranked list it keeps. The order of the list
// is in search_ranking.cpp, the texts of the outcome in search_texts.cpp.
#include "core/design/design_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/base/unit_text.h"
#include "core/calc/calculation.h"
#include "core/evaluation/evaluation.h"
#include "core/materials/fatigue_life.h"

namespace torsion {

namespace {

constexpr double kGravity = kStandardGravity;
constexpr double kCoilTerm = kRateCoilTerm;
constexpr double kArmTerm = kRateArmTerm;
constexpr double kMinStep = 0.001;
constexpr double kMaxStep = 100;
constexpr int kMaxTurns = 10000;
constexpr int kMaxKeep = 100000;
// More (wire diameter, coil diameter) pairs than this would keep the search busy for
// minutes; the user is asked for a coarser step instead.
constexpr double kMaxPairs = 2e8;
constexpr std::int64_t kProgressEvery = 4096;

[[noreturn]] void Refuse(const char* message) {
    throw CommandError(message);
}

[[noreturn]] void RefuseTooLarge() {
    Refuse(TS_TEXT("探索範囲が広すぎます（コイル径の刻みを大きくしてください）"));
}

bool Finite(double v) {
    return std::isfinite(v);
}

// A value exactly as the main window holds it after it was typed in full format.
double AsTyped(double v) {
    return ParseNumber(FormatFull(v));
}

void Validate(const SearchInputs& in) {
    if (!Finite(in.moment2) || in.moment2 <= 0) Refuse(TS_TEXT("必要トルク M2 は正の数にしてください"));
    if (!Finite(in.angle2) || in.angle2 <= 0) Refuse(TS_TEXT("ねじれ角 φ2 は正の数にしてください"));
    if (!Finite(in.angle1)) Refuse(TS_TEXT("ねじれ角 φ1 が数ではありません"));
    if (in.angle1 > in.angle2) Refuse(TS_TEXT("ねじれ角 φ1 は φ2 以下にしてください"));
    if (!Finite(in.tolerancePct) || in.tolerancePct < 0 || in.tolerancePct >= 100)
        Refuse(TS_TEXT("M2 の許容差は 0 以上 100 未満の % で指定してください"));
    if (!Finite(in.arm1) || !Finite(in.arm2) || in.arm1 < 0 || in.arm2 < 0)
        Refuse(TS_TEXT("腕の長さは 0 以上にしてください"));
    if (in.turnsMin < 0 || in.turnsMax > kMaxTurns || in.turnsMin > in.turnsMax)
        Refuse(TS_TEXT("巻数の範囲は 0 ≦ 最小 ≦ 最大 ≦ 10000 にしてください"));
    if (!Finite(in.turnsFraction) || in.turnsFraction < 0 || in.turnsFraction >= 1)
        Refuse(TS_TEXT("巻数の端数は 0 以上 1 未満にしてください"));
    if (!in.anyTurns && in.turnsMax + in.turnsFraction <= 0) Refuse(TS_TEXT("巻数が 0 です"));
    if (in.anyTurns && in.turnsMax <= 0) Refuse(TS_TEXT("巻数が 0 です"));
    if (!Finite(in.outerDiaMax) || in.outerDiaMax < 0)
        Refuse(TS_TEXT("外径の上限は 0（制限なし）以上にしてください"));
    if (!Finite(in.guideRodMin) || in.guideRodMin < 0) Refuse(TS_TEXT("案内棒径は 0 以上にしてください"));
    if (!Finite(in.coilDiaStep) || in.coilDiaStep < kMinStep || in.coilDiaStep > kMaxStep)
        Refuse(TS_TEXT("コイル径の刻みは 0.001 mm 以上 100 mm 以下にしてください"));
    if (in.diaMode < 0 || in.diaMode > 2) Refuse(TS_TEXT("コイル径の指定方法が不正です"));
    if (in.lifeClassLimit < 0 || in.lifeClassLimit >= kLifeClasses)
        Refuse(TS_TEXT("期待寿命の指定が不正です"));
    if (in.keepBest < 1 || in.keepBest > kMaxKeep)
        Refuse(TS_TEXT("表示件数は 1 以上 100000 以下にしてください"));
}

// The coil-diameter grid: typed value i·step, exactly the double nearest that decimal,
// so the text the window is given reads back as the same number.
struct DiameterGrid {
    std::int64_t stepUnits = 1;
    double unitsPerMm = 1;

    static DiameterGrid Of(double step) {
        DiameterGrid g;
        double scale = 1;
        for (int digits = 0; digits <= 6; ++digits, scale *= 10) {
            const double units = step * scale;
            if (std::fabs(units - std::round(units)) <= 1e-9 * units || digits == 6) {
                g.stepUnits = std::max<std::int64_t>(1, std::llround(units));
                g.unitsPerMm = scale;
                return g;
            }
        }
        return g;
    }
    double Value(std::int64_t i) const { return static_cast<double>(i * stepUnits) / unitsPerMm; }
    // Grid indexes whose value lies in [lo, hi].
    std::int64_t First(double lo) const {
        return static_cast<std::int64_t>(std::ceil(lo * unitsPerMm / static_cast<double>(stepUnits) - 1e-9));
    }
    std::int64_t Last(double hi) const {
        return static_cast<std::int64_t>(std::floor(hi * unitsPerMm / static_cast<double>(stepUnits) + 1e-9));
    }
};

// One wire: a row of a record, with what every design of it shares.
struct WireRow {
    int record;
    int row;
    double listedDia;  // diameter[row], what ReadDiameters uses for the coil diameters
    double wireDia;    // the list text read back, what the calculation uses
    double youngModulus;
    std::int64_t firstIndex, lastIndex;  // coil-diameter grid
};

// The row the main window's diameter list shows after a calculation with wire
// diameter d: the first row not smaller than d (the list rule), the last one otherwise.
int ShownRow(const MaterialRecord& r, double d) {
    const int rows = UsableRowCount(r);
    for (int i = 0; i < rows; ++i)
        if (r.diameter[i] >= d) return i;
    return rows - 1;
}

std::vector<WireRow> CollectRows(const SearchInputs& in, const MaterialTable& table, const KindIndex& index,
                                 const DiameterGrid& grid) {
    std::vector<int> records = SearchableRecords(table, index);
    if (records.empty()) Refuse(TS_TEXT("材料表に探索できる材料がありません"));
    if (!in.materials.empty()) {
        std::vector<int> chosen;
        for (int r : in.materials)
            if (std::find(records.begin(), records.end(), r) != records.end()) chosen.push_back(r);
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        if (chosen.empty()) Refuse(TS_TEXT("選んだ材料は材料表にありません"));
        records = std::move(chosen);
    }
    std::vector<WireRow> rows;
    const double offset = in.diaMode == 0 ? -1.0 : in.diaMode == 2 ? 1.0 : 0.0;  // typed = D + offset·d
    for (int recordNo : records) {
        const MaterialRecord& r = table[static_cast<std::size_t>(recordNo)];
        // No modulus, no spring: such a record cannot give any moment.
        if (!Finite(r.youngModulus) || r.youngModulus <= 0) continue;
        for (int i = 0; i < UsableRowCount(r); ++i) {
            const double listed = r.diameter[static_cast<std::size_t>(i)];
            if (!Finite(listed) || listed <= 0) continue;
            WireRow w{recordNo, i, listed, AsTyped(listed), r.youngModulus, 0, -1};
            // A repeated diameter (or an unsorted list) shows as another row after the
            // calculation; that row stands for it.
            if (ShownRow(r, w.wireDia) != i) continue;
            // One such wire alone would make the grid too large to walk (and its indexes
            // too large to count in).
            if (22 * w.wireDia * grid.unitsPerMm / static_cast<double>(grid.stepUnits) > kMaxPairs)
                RefuseTooLarge();
            // Spring index 4..22, with the diameters derived as the window derives them.
            w.firstIndex = std::max<std::int64_t>(1, grid.First(4 * w.wireDia + offset * listed) - 1);
            w.lastIndex = grid.Last(22 * w.wireDia + offset * listed) + 1;
            rows.push_back(w);
        }
    }
    if (rows.empty()) Refuse(TS_TEXT("選んだ材料には使える線径がありません"));
    return rows;
}

// The fixed part of every candidate: what ReadWindowToCase reads besides the wire and
// the coil diameter.
DesignCase BaseCase(const SearchInputs& in) {
    DesignCase c;
    InitCurrentCase(c);
    c.diaMode = in.diaMode;
    c.inputMode = 1;
    c.angle1 = AsTyped(in.angle1);
    c.angle2 = AsTyped(in.angle2);
    c.moment1 = c.moment2 = 0;
    c.arm1 = AsTyped(in.arm1);
    c.arm2 = AsTyped(in.arm2);
    c.outward = in.outward ? 1 : 0;
    c.leftHand = in.leftHand ? 1 : 0;
    return c;
}

class Searcher {
  public:
    Searcher(const SearchInputs& in, const MaterialTable& table, const KindIndex& index,
             const SearchProgress& progress)
        : in_(in), table_(table), progress_(progress), grid_(DiameterGrid::Of(in.coilDiaStep)) {
        rows_ = CollectRows(in, table, index, grid_);
        base_ = BaseCase(in);
        momentLo_ = in.moment2 * (1 - in.tolerancePct / 100);
        momentHi_ = in.moment2 * (1 + in.tolerancePct / 100);
        armTerm_ = kArmTerm * (base_.arm1 + base_.arm2);
        if (in.anyTurns) {
            turnsChoices_ = 1;
        } else {
            turnsChoices_ = in.turnsMax - in.turnsMin + 1;
            for (int n = in.turnsMin; n <= in.turnsMax; ++n)
                wholeTurns_.push_back(AsTyped(n + in.turnsFraction));
        }
        double pairs = 0;
        for (const WireRow& w : rows_)
            pairs += static_cast<double>(std::max<std::int64_t>(0, w.lastIndex - w.firstIndex + 1));
        if (pairs > kMaxPairs) RefuseTooLarge();
        totalPairs_ = std::max(1.0, pairs);
    }

    SearchOutcome Run() {
        for (const WireRow& w : rows_) {
            if (!SearchRow(w)) {
                out_.cancelled = true;
                break;
            }
        }
        std::sort_heap(out_.best.begin(), out_.best.end(), Order());
        return std::move(out_);
    }

  private:
    struct Worse {
        SearchRanking ranking;
        bool operator()(const SearchCandidate& a, const SearchCandidate& b) const {
            return RanksBefore(a, b, ranking);
        }
    };
    Worse Order() const { return Worse{in_.ranking}; }

    bool SearchRow(const WireRow& w) {
        DesignCase c = base_;
        c.materialNo = w.record;
        c.wireDiaIndex = w.row;
        const double allowable = AllowableBendingStress(table_, w.record, w.wireDia);
        // A row without a usable allowable stress can pass no stress check honestly.
        const bool usableAllowable = Finite(allowable);
        const double d4 = w.wireDia * w.wireDia * w.wireDia * w.wireDia;
        const double rateTerm = w.youngModulus * d4 * base_.angle2 / kGravity;  // φ2·E·d⁴/g
        for (std::int64_t i = w.firstIndex; i <= w.lastIndex; ++i) {
            if (++pairsDone_ % kProgressEvery == 0 && !Report()) return false;
            c.wireDia = w.listedDia;
            DeriveCoilDiameters(c, grid_.Value(i));
            c.wireDia = w.wireDia;
            const double index = static_cast<double>(static_cast<long double>(c.meanDia) / c.wireDia);
            if (!(index >= 4 && index <= 22)) continue;
            out_.examined += turnsChoices_;
            const double coil = kCoilTerm * c.meanDia;
            // M2 = φ2·k falls as N grows: the turns between these bounds give the torque.
            const double turnsLo = (rateTerm / momentHi_ - armTerm_) / coil;
            const double turnsHi = (rateTerm / momentLo_ - armTerm_) / coil;
            std::int64_t tried = 0;
            if (in_.anyTurns) {
                const double exact = (rateTerm / in_.moment2 - armTerm_) / coil;
                if (exact >= in_.turnsMin - 0.005 && exact <= in_.turnsMax + 0.005) {
                    const double turns = static_cast<double>(std::llround(exact * 100)) / 100;
                    if (turns > 0 && turns >= in_.turnsMin && turns <= in_.turnsMax) {
                        Evaluate(c, turns, usableAllowable);
                        tried = 1;
                    }
                }
            } else if (Finite(turnsLo) && Finite(turnsHi)) {
                // A little slack for rounding; the full calculation decides at the edges.
                const double slack = 1e-6 * (1 + std::fabs(turnsHi));
                const double first =
                    std::max<double>(in_.turnsMin, std::ceil(turnsLo - in_.turnsFraction - slack));
                const double last =
                    std::min<double>(in_.turnsMax, std::floor(turnsHi - in_.turnsFraction + slack));
                for (double n = first; n <= last; ++n) {
                    const double turns =
                        wholeTurns_[static_cast<std::size_t>(n) - static_cast<std::size_t>(in_.turnsMin)];
                    if (turns <= 0) continue;
                    Evaluate(c, turns, usableAllowable);
                    ++tried;
                }
            }
            out_.excluded[static_cast<int>(SearchExclusion::Torque)] += turnsChoices_ - tried;
        }
        return Report();
    }

    void Evaluate(DesignCase c, double turns, bool usableAllowable) {
        ++out_.calculated;
        c.turns = c.calcTurns = turns;
        const std::optional<Evaluation> evaluated = Evaluated(c);
        if (!evaluated) {
            // A design the calculation cannot compute is no design to offer.
            ++out_.excluded[static_cast<int>(SearchExclusion::Fault)];
            return;
        }
        const Evaluation& e = *evaluated;
        c = e.design;
        if (!(c.moment2 >= momentLo_ && c.moment2 <= momentHi_)) {
            ++out_.excluded[static_cast<int>(SearchExclusion::Torque)];
            return;
        }
        ++out_.torqueMatched;

        bool feasible = true;
        auto exclude = [&](SearchExclusion why) {
            ++out_.excluded[static_cast<int>(why)];
            feasible = false;
        };
        const CheckResult& check = e.checks;
        if (check.error) {
            for (const ComposedText& line : check.lines) {
                if (line == kSpringIndexLowError || line == kSpringIndexHighError)
                    exclude(SearchExclusion::SpringIndex);
                if (line == kStressOverError) exclude(SearchExclusion::Stress);
            }
            feasible = false;  // angle order is refused before the search
        }
        if (!usableAllowable || !Finite(c.allowStress)) exclude(SearchExclusion::Stress);
        if (in_.outerDiaMax > 0 && !(c.outerDia <= in_.outerDiaMax)) exclude(SearchExclusion::OuterDia);
        if (!(c.guideRodDia >= in_.guideRodMin)) exclude(SearchExclusion::GuideRod);
        if (c.lifeClass > in_.lifeClassLimit) exclude(SearchExclusion::Life);
        if (!feasible) return;

        ++out_.feasible;
        SearchCandidate candidate;
        candidate.design = c;
        candidate.wireLength = std::numbers::pi * c.meanDia * c.turns + c.arm1 + c.arm2;
        candidate.wireVolume = std::numbers::pi / 4 * c.wireDia * c.wireDia * candidate.wireLength;
        Keep(candidate);
    }

    // The evaluation of c, or nothing where its arithmetic fails.
    std::optional<Evaluation> Evaluated(const DesignCase& c) const {
        try {
            return EvaluateDesign(c, table_);
        } catch (const CommandError&) {
            return std::nullopt;
        }
    }

    void Keep(const SearchCandidate& candidate) {
        auto& best = out_.best;
        if (static_cast<int>(best.size()) < in_.keepBest) {
            best.push_back(candidate);
            std::push_heap(best.begin(), best.end(), Order());
        } else if (RanksBefore(candidate, best.front(), in_.ranking)) {
            std::pop_heap(best.begin(), best.end(), Order());
            best.back() = candidate;
            std::push_heap(best.begin(), best.end(), Order());
        }
    }

    bool Report() {
        if (!progress_) return true;
        return progress_(std::min(1.0, static_cast<double>(pairsDone_) / totalPairs_));
    }

    const SearchInputs& in_;
    const MaterialTable& table_;
    const SearchProgress& progress_;
    DiameterGrid grid_;
    std::vector<WireRow> rows_;
    DesignCase base_;
    double momentLo_ = 0, momentHi_ = 0, armTerm_ = 0;
    std::int64_t turnsChoices_ = 1;
    std::vector<double> wholeTurns_;
    double totalPairs_ = 1;
    std::int64_t pairsDone_ = 0;
    SearchOutcome out_;
};

}  // namespace

std::vector<int> SearchableRecords(const MaterialTable& table, const KindIndex& index) {
    std::vector<int> records;
    for (int k = 0; k < kKinds; ++k) {
        // The kind list has no gaps: a kind after an empty one has no list position.
        if (index.kindCount[static_cast<std::size_t>(k)] <= 0) break;
        for (int s = 0; s < kMembersPerKind; ++s) {
            const int r = MaterialNoAt(index, k, s);
            if (RecordOrNull(table, r)) records.push_back(r);
        }
    }
    std::sort(records.begin(), records.end());
    return records;
}

SearchInputs SearchInputsFromCase(const DesignCase& c) {
    SearchInputs in;
    in.moment2 = c.moment2;
    in.angle2 = c.angle2;
    in.angle1 = c.angle1;
    in.arm1 = c.arm1;
    in.arm2 = c.arm2;
    in.outward = c.outward != 0;
    in.leftHand = c.leftHand != 0;
    if (Finite(c.turns) && c.turns >= 0 && c.turns < kMaxTurns)
        in.turnsFraction = std::round((c.turns - std::floor(c.turns)) * 1e6) / 1e6;
    if (in.turnsFraction >= 1) in.turnsFraction = 0;
    in.outerDiaMax = Finite(c.outerDia) && c.outerDia > 0 ? c.outerDia : 0;
    in.diaMode = c.diaMode >= 0 && c.diaMode <= 2 ? c.diaMode : 1;
    return in;
}

SearchOutcome SearchDesigns(const SearchInputs& in, const MaterialTable& table, const KindIndex& index,
                            const SearchProgress& progress) {
    Validate(in);
    Searcher searcher(in, table, index, progress);
    return searcher.Run();
}

}  // namespace torsion

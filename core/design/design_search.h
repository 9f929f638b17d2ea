// Design search: from a required moment at a twist angle and the space available to
// a ranked list of springs of the material table. Every listed spring is a case that
// the main window computes exactly so (same fields, same calculation, same checks).
// The turns are solved from the rate formula; only the whole turns near the solution
// are calculated in full, the others are excluded by the torque requirement unseen.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/composed_text.h"
#include "core/base/units.h"
#include "core/materials/material_selection.h"
#include "core/materials/material_table.h"
#include "core/model/design_case.h"

namespace torsion {

enum class SearchRanking { WireVolume, StressMargin, Life, OuterDia };

// Everything in mm, degrees and kgf·mm (the window converts from the shown unit).
struct SearchInputs {
    double moment2 = 0;         // required M2 at angle2
    double angle2 = 0;          // φ2
    double tolerancePct = 5;    // M2 may deviate by ± this percentage
    double angle1 = 0;          // φ1, the first operating point
    double arm1 = 0, arm2 = 0;  // a1, a2
    bool outward = false;       // load acts outward
    bool leftHand = false;      // winding direction (carried into the case only)
    bool anyTurns = false;      // false: whole turns plus turnsFraction; true: solved, 2 decimals
    int turnsMin = 1, turnsMax = 30;
    double turnsFraction = 0;    // 0 <= fraction < 1, the free angle between the arms
    double outerDiaMax = 0;      // largest outer diameter; 0 = no limit
    double guideRodMin = 0;      // the recommended guide rod must be at least this
    double coilDiaStep = 0.1;    // step of the typed coil diameter (0.001 .. 100)
    int diaMode = 1;             // how the coil diameter is typed: 0 inner, 1 mean, 2 outer
    std::vector<int> materials;  // record numbers to search; empty = every listed record
    int lifeClassLimit = 7;      // expected life at least the label of this class (7 = no minimum)
    SearchRanking ranking = SearchRanking::WireVolume;
    int keepBest = 100;  // length of the ranked list (1 .. 100000)
};

// Inputs pre-filled from a case: its M2 at φ2, φ1, arms, flags, diameter mode, the
// fraction of its turns (to 6 decimals) and its outer diameter as the limit.
SearchInputs SearchInputsFromCase(const DesignCase& c);

// Why a design examined is not feasible. Torque and Fault are decided first; the
// others are counted independently among the designs that give the torque.
enum class SearchExclusion { Torque, OuterDia, SpringIndex, Stress, GuideRod, Life, Fault, Count };
inline constexpr int kSearchExclusions = static_cast<int>(SearchExclusion::Count);

struct SearchCandidate {
    DesignCase design;      // after CalculateCase, lifeClass set as the window shows it
    double wireLength = 0;  // π·D·N + a1 + a2, mm
    double wireVolume = 0;  // π·d²/4 · wire length, mm³
};

struct SearchOutcome {
    std::vector<SearchCandidate> best;  // ranked, best first
    std::int64_t examined = 0;          // every material row × coil diameter × turns choice
    std::int64_t calculated = 0;        // of these, run through the full calculation
    std::int64_t torqueMatched = 0;     // M2 within the tolerance
    std::int64_t feasible = 0;
    std::array<std::int64_t, kSearchExclusions> excluded{};
    bool cancelled = false;
};

// Called now and then with the share of the work done (0..1); returning false cancels
// the search, which then returns what it has found so far with cancelled set.
using SearchProgress = std::function<bool(double done)>;

// The search. Deterministic: the same inputs and table give the same list in the same
// order. Throws CommandError with a message naming the input when the inputs cannot
// describe a search (φ2 <= 0, φ1 > φ2, an empty material choice, ranges upside down,
// a search too large, ...).
SearchOutcome SearchDesigns(const SearchInputs& in, const MaterialTable& table, const KindIndex& index,
                            const SearchProgress& progress = {});

// The order of the list (search_ranking.cpp).
// True when a ranks before b under the ranking; ties go by wire volume, then by record,
// row, mean diameter and turns, so no two different designs tie.
bool RanksBefore(const SearchCandidate& a, const SearchCandidate& b, SearchRanking ranking);

// The records a search may use: those the main window's lists can show.
std::vector<int> SearchableRecords(const MaterialTable& table, const KindIndex& index);

// The texts of the outcome (search_texts.cpp).
// What the window shows about the outcome: the counts, and when nothing is feasible the
// requirement that excluded most designs.
ComposedText SearchExclusionText(SearchExclusion reason);
ComposedText SearchSummaryText(const SearchOutcome& outcome);
ComposedText SearchNoneFeasibleText(const SearchOutcome& outcome);  // empty when some are feasible

// The result columns, their titles (with the unit shown), cell texts and sort values.
enum class SearchColumn {
    Symbol,
    WireDia,
    MeanDia,
    InnerDia,
    OuterDia,
    Turns,
    SpringConst,
    Moment1,
    Moment2,
    Stress2,
    AllowStress,
    StressRatio,
    Life,
    GuideRod,
    WireLength,
    Count
};
inline constexpr int kSearchColumns = static_cast<int>(SearchColumn::Count);
ComposedText SearchColumnTitle(SearchColumn column, UnitSystem unit);
// Texts as the main window writes them: diameters and turns in full, the rest in short
// format; the symbol is the record's Shift-JIS text.
std::string SearchCellText(const SearchCandidate& c, SearchColumn column, UnitSystem unit,
                           const MaterialTable& table);
// The number a column sorts by (the life column sorts by class, longest life first).
double SearchCellValue(const SearchCandidate& c, SearchColumn column, UnitSystem unit);
// The typed texts that put a candidate into the main window (what "適用" types).
struct SearchApplyTexts {
    std::string coilDia;  // in design.diaMode
    std::string turns;
    std::string angle1, angle2, arm1, arm2;
};
SearchApplyTexts SearchApplyTextsOf(const SearchCandidate& c);

}  // namespace torsion

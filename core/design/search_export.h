// The ranked list of a design search for other programs: comma-separated lines or a
// JSON document, every number to 15 significant digits.
#pragma once

#include <string>
#include <vector>

#include "core/design/design_search.h"

namespace torsion {

// symbols: the material symbol of each record in UTF-8, by record number. Moments,
// stresses and the spring constant are given in unit.
std::string SearchResultCsv(const SearchOutcome& outcome, const std::vector<std::string>& symbols,
                            UnitSystem unit);
std::string SearchResultJson(const SearchOutcome& outcome, const std::vector<std::string>& symbols,
                             UnitSystem unit);

}  // namespace torsion

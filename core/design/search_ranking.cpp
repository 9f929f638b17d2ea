// The order of the search's list: the key of each ranking, then the ties.
#include "core/design/design_search.h"

namespace torsion {

namespace {

double RankKey(const SearchCandidate& c, SearchRanking ranking) {
    switch (ranking) {
        case SearchRanking::WireVolume:
            return c.wireVolume;
        case SearchRanking::StressMargin:
            return c.design.stress2 / c.design.allowStress;  // smaller ratio, larger margin
        case SearchRanking::Life:
            return c.design.lifeClass;
        case SearchRanking::OuterDia:
            return c.design.outerDia;
    }
    return 0;
}

}  // namespace

bool RanksBefore(const SearchCandidate& a, const SearchCandidate& b, SearchRanking ranking) {
    const double ka = RankKey(a, ranking), kb = RankKey(b, ranking);
    if (ka != kb) return ka < kb;
    if (a.wireVolume != b.wireVolume) return a.wireVolume < b.wireVolume;
    const DesignCase& x = a.design;
    const DesignCase& y = b.design;
    if (x.materialNo != y.materialNo) return x.materialNo < y.materialNo;
    if (x.wireDiaIndex != y.wireDiaIndex) return x.wireDiaIndex < y.wireDiaIndex;
    if (x.meanDia != y.meanDia) return x.meanDia < y.meanDia;
    return x.turns < y.turns;
}

}  // namespace torsion

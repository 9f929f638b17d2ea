// Life class of an operating point in the fatigue-strength diagram.
#include "core/materials/fatigue_life.h"

namespace torsion {

std::int32_t EstimateLife(double lower, double upper) {
    const bool belowLimit = upper <= kUpperStressLimit;
    for (int i = 0; i < static_cast<int>(kFatigueIntercepts.size()); ++i) {
        const long double ci = kFatigueIntercepts[i];
        // The threshold is rounded to double before the comparison, so a point that
        // lies on a line in double arithmetic belongs to that line.
        const double threshold = static_cast<double>((1.0L - ci) * lower + ci);
        if (upper <= threshold && belowLimit) return i;
    }
    return 7;
}

std::string LifeLabel(std::int32_t lifeClass) {
    static constexpr const char* kLabels[kLifeClasses] = {"1000万", "100万", "10万", "6万",
                                                          "4万",    "3万",   "2万",  "1万"};
    if (lifeClass < 0 || lifeClass >= kLifeClasses) return std::string();
    return kLabels[lifeClass];
}

}  // namespace torsion

// Life class of an operating point in the fatigue-strength diagram.
#include "core/materials/fatigue_life.h"

#include "core/base/catalogue_text.h"

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

constexpr const char* kLifeLabels[kLifeClasses] = {TS_TEXT("1000万"), TS_TEXT("100万"), TS_TEXT("10万"),
                                                   TS_TEXT("6万"),    TS_TEXT("4万"),   TS_TEXT("3万"),
                                                   TS_TEXT("2万"),    TS_TEXT("1万")};

const char* LifeLabelText(std::int32_t lifeClass) {
    if (lifeClass < 0 || lifeClass >= kLifeClasses) return "";
    return kLifeLabels[lifeClass];
}

std::string LifeLabel(std::int32_t lifeClass) {
    return LifeLabelText(lifeClass);
}

}  // namespace torsion

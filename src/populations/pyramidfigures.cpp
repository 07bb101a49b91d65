#include "pyramidfigures.h"

namespace censaria::populations {

PyramidFigures figuresOf(const Pyramid &pyramid)
{
    PyramidFigures f;
    for (int g = 0; g < ageGroupCount; ++g) {
        const double both = pyramid.males[g] + pyramid.females[g];
        (g < 3 ? f.young : g < 13 ? f.adults : f.old) += both;
    }
    f.total = f.young + f.adults + f.old;
    if (f.total > 0) {
        f.youngShare = 100 * f.young / f.total;
        f.adultShare = 100 * f.adults / f.total;
        f.oldShare = 100 * f.old / f.total;
    }
    if (f.adults > 0)
        f.dependencyRatio = 100 * (f.young + f.old) / f.adults;
    if (f.young > 0)
        f.oldAgeIndex = 100 * f.old / f.young;
    return f;
}

} // namespace censaria::populations

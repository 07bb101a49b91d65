#include "typescale.h"

#include <cmath>

namespace censaria {

double TypeScale::factor_ = 1.0;

void TypeScale::setFactor(double factor)
{
    double nearest = steps[0];
    for (double step : steps)
        if (std::abs(step - factor) < std::abs(nearest - factor))
            nearest = step;
    factor_ = nearest;
}

} // namespace censaria

#pragma once

#include "worlddata.h"

// What a pyramid says in a few figures.
namespace censaria::populations {

struct PyramidFigures
{
    double total = 0;                                    // thousands
    double young = 0;                                    // 0-14, thousands
    double adults = 0;                                   // 15-64
    double old = 0;                                      // 65 and over
    double youngShare = 0, adultShare = 0, oldShare = 0; // per cent of the total
    // (0-14 + 65+) / 15-64 x 100: the young and the old for every hundred of working age.
    double dependencyRatio = 0;
    // 65+ / 0-14 x 100: the old for every hundred children.
    double oldAgeIndex = 0;
};

PyramidFigures figuresOf(const Pyramid &pyramid);

} // namespace censaria::populations

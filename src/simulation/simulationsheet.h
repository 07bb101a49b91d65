#pragma once

#include "platform/worksheet.h"

namespace censaria {

class GrowthSimulation;

// The simulation on paper: the graph as the screen draws it and the table of every
// computed year, with the rates it was computed with.
class SimulationSheet : public Worksheet
{
public:
    explicit SimulationSheet(const GrowthSimulation &simulation);
};

} // namespace censaria

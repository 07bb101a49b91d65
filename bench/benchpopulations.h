#pragma once

namespace censaria::bench {

class Report;

// The world pyramids and the projection lab: a projection from 2020 to 2100, one
// animation frame at 1920 x 1080, the first showing of each screen (the UN's rows read
// then), and the resident size once both have shown. Runs in this process, before
// anything else has read the rows.
void benchPopulations(Report &report);

} // namespace censaria::bench

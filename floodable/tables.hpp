#pragma once
// The floodable-length curve of each permeability and the report's closing
// tables.

#include "common/platform/output_file.hpp"
#include "run.hpp"

namespace flood {

// The curve points of permeability p from its end points and trials: the aft
// end point, the trim lines, the fore end point.  The first zone then starts
// at the aft end point and the last zone ends at the fore end point (a
// limit is kept as the task file gives it when that end point was not found).
void FormCurvePoints(FloodRun& run, int p);

// Per permeability: the sectional areas of the trim lines, their volumes and
// centres, the flooded water and the floodable lengths (points not found are
// marked with "*").
void SummaryTables(platform::OutputFile& report, const FloodRun& run, int p);

// After the last permeability: the curve points of every permeability.
void PermeabilityTables(platform::OutputFile& report, const FloodRun& run);

}  // namespace flood

#pragma once
// The floodable-length curve of each permeability and the report's closing
// tables.

#include <string>
#include <vector>

#include "common/platform/output_file.hpp"
#include "run.hpp"

namespace flood {

// The curve points of permeability p from its end points and trials: the aft
// end point, the trim lines, the fore end point.  The first zone then starts
// at the aft end point and the last zone ends at the fore end point (a
// limit is kept as the task file gives it when that end point was not found).
void FormCurvePoints(FloodRun& run, int p);

// The summary lines that are the same for every permeability: the sectional
// areas of the trim lines, their volumes and centres and the flooded water,
// formatted once for the run.
std::vector<std::string> TrimLineSummaryLines(const FloodRun& run);

// Per permeability: the trim lines' summary, then the floodable lengths of
// the permeability (points not found are marked with "*").
void SummaryTables(platform::OutputFile& report, const FloodRun& run, const std::vector<std::string>& trimLines);

// After the last permeability: the curve points of every permeability.
void PermeabilityTables(platform::OutputFile& report, const FloodRun& run);

}  // namespace flood

#pragma once
// The run step of one permeability: its floodable lengths and end points.

#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "end_points.hpp"
#include "run.hpp"

namespace flood {

// Permeability p's floodable lengths: the trials and the end points computed,
// written to the report and kept in the run's tables; each length or end point
// not found is said in a message naming it and the permeability.  The end
// points' load waterlines are the run's, found once before the permeabilities.
void FloodableLengthsOfPermeability(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p,
                                    const EndLoadWaterlines& load);

}  // namespace flood

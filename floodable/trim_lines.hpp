#pragma once
// The trim lines: their preview over the hull, the volume and centre of
// buoyancy under each, and the volume and centre of the water that sinks the
// ship from the load waterline to each.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// The console form of the run's graphs.
platform::ConsoleForm& GraphForm(platform::Session& session);

// Draws the stations, their Bonjean curves, the trim lines, the load waterline
// and the ship's outline, and asks whether a trim line is missing or wrong
// (a yes ends the run).
void PreviewTrimLines(platform::Session& session, const FloodRun& run);

// Sectional area of station i up to height h from its level table: the
// parabola through three neighbouring levels; above the top level the area
// of the top level.
double SectionAreaAtHeight(const HullData& hull, int i, double h);

// For each trim line and the load waterline (row nTrim + 1): the local drafts
// and sectional areas at the stations, the volume and its centre, and one
// report block.
void TrimmedDisplacements(platform::OutputFile& report, FloodRun& run);

// The flooded water of each trim line: v2 = V(m) - V(load waterline) and its
// centre xw from the moment balance V(m) LCB(m) = V(SLL) LCB(SLL) + v2 xw.
// A trim line that does not hold more than the load waterline, or a centre
// outside the stations, ends the run (data error; the second with its error
// block in the report).
void ComputeFloodedWater(platform::Session& session, platform::OutputFile& report, FloodRun& run);

}  // namespace flood

#pragma once
// The floodable-length program's driver: one run from the task file to the
// drawing script.

#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

void RunFloodableLengthProgram(platform::Session& session);

// For each permeability of the task file: the trials and end points, the
// curve points, the screen graphs and the summary tables; then the tables by
// permeability and the combined graph.
void RunPermeabilities(platform::Session& session, platform::OutputFile& report, FloodRun& run);

}  // namespace flood

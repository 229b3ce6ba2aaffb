#pragma once
// "Dolvenika_Tez.SCR", the AutoCAD script of the floodable-length curves.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// Writes the script into the task file's output directory: the ship's base
// line with AP, FP and station ticks; per permeability its ordinates and its
// curve over its zone; the fitted curve (one permeability) or the zone
// boundaries (several); the zone labels; the terminal lines; the centre-plane
// outline; the compartment triangles.  Points not found are left out.  A
// drawing unit is a millimetre of the A4 sheet: AP at (50, 70), FP at
// (250, 70), 200 / L units per metre along and up.
void WriteFloodableLengthScript(platform::Session& session, const FloodRun& run);

}  // namespace flood

#pragma once
// The hydrostatic particulars of the design waterline: one line per
// particular, the ship's value and, when a model scale is given, the model's.

#include <string>
#include <vector>

#include "run.hpp"

namespace hydro {

// The lines of the particulars list as they go into the report (the leading
// empty line of the ship-and-model list included).
std::vector<std::string> DesignWaterlineParticularLines(const HydroRun& run);

}  // namespace hydro

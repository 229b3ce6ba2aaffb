#pragma once
// The cross curves read back from "STASCR.DAT", shown on the form with the
// data extremes, and written as the drawing script "Pendrovix_KZ_DEP.SCR"
// over axis ranges the user may change.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

void DrawCrossCurves(platform::Session& session, platform::ConsoleForm& form, CrossRun& run);

}  // namespace cross

#pragma once
// The cross-curves program's driver: one run from the task file to the end of
// its last step.

#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

void RunCrossCurvesProgram(platform::Session& session);

// The extents that scale every drawing and the range of the inclined
// waterlines: MaxTopHalfBreadth, the largest half-breadth of the stations'
// top points, and HeightExtent, 1.25 times their greatest height.  Stops the
// run when either is below 0.01 m, or the height is more than a hundred times
// the half-breadth.
inline constexpr double kMostHeightPerBreadth = 100;
void ComputeExtents(platform::Session& session, CrossRun& run);

// The body plan of the hull as the drawing script "Enkesitler.SCR" in OUTDIR
// (stations 1 .. NST \ 2 left of the centre line), each station also drawn on
// the form as fitted.
void WriteBodyPlanScript(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run);

}  // namespace cross

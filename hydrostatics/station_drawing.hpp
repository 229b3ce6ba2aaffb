#pragma once
// The drawing of one station section on the section window, over which the
// Bonjean integration and the girth computation draw their traces.

#include "common/hullform/section_spline.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

// Station i splined, in tables of its own points.
StationSection BuildStationSection(const hullform::HullModel& hull, int i);

// Clears the section window and draws station i: frame, base line, section
// box, centre line, caption, the section contour on both sides and the deck
// line.  Leaves the window in the coordinates x = half-breadth, y = height,
// draw width 1.
void DrawStationSection(platform::Session& session, const HydroRun& run, int i, const StationSection& section);

}  // namespace hydro

#pragma once
// The hull of the floodable-length run: the offset table, its reviews, and
// the Bonjean level table of every station.

#include "common/hullform/section_spline.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// Reads the offset table named in the task file (opened as spelled, from the
// working directory), refuses a hull the run cannot work with, shows the
// stations and the stern and stem contours for review (a yes ends the run),
// then tabulates each station's sectional area from its lowest point up to
// its levels: 30 levels from the base line to the lowest deck, a 31st at the
// station's own top when it lies higher.  Each station is drawn with its
// levels as it is integrated.
void LoadHullAndBonjeanData(platform::Session& session, FloodRun& run);

// Half-breadth of a fitted section at height z: 0 below its lowest point, its
// top point's half-breadth above its top, else the first spline piece whose
// heights hold z.
double BreadthAtHeight(const hullform::SectionSpline& section, double z);

}  // namespace flood

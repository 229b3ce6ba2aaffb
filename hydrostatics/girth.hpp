#pragma once
// Girths of the station sections (the length along the hull surface from the
// centre line at the keel up to a height, one side) and the wetted surface of
// every waterline.

#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

// Girth of station i at height H, linear between the station's girth
// samples: 0 at or below the lowest sample, the whole girth above the top.
double GirthAtHeight(const SectionResults& res, int i, double H);

// Samples the girth of station i at 100 heights from its lowest to its
// highest point: its rows of GirthSampleZ, GirthSampleY and StationGirth.
// Neither draws nor asks.
void MeasureStationGirth(HydroRun& run, int i);

// Over the drawing of station i: a small circle at every girth sample on
// both sides (palette colour 12) and the lines between them (colour 13).
void DrawGirthTrace(platform::ConsoleForm& form, const HydroRun& run, int i);

// Samples every station's girth (with its drawing, trace and a pause per
// station), shows the girths at the load waterline for review, and takes the
// girth of every station at every waterline.
void ComputeGirthLengths(platform::Session& session, HydroRun& run);

// Wetted surface of every waterline: both sides' girths integrated along the
// length, the stem closing the curve where it lies forward of the last
// station, and the transom area of the aftmost station.
void ComputeWettedSurface(HydroRun& run);

}  // namespace hydro

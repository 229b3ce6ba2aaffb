#pragma once
// One pass of the heel-angle loop: the inclined waterlines of the angle, every
// station fitted, cut and measured, drawn in station order, and the angle's
// table.

#include <vector>

#include "common/hullform/section_spline.hpp"
#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "heeled_section.hpp"
#include "run.hpp"
#include "section_threads.hpp"
#include "waterlines.hpp"

namespace cross {

// One station's work in the heel-angle loop: its spline, fitted at the first
// heel angle and kept for the others (the hull stays upright, only the
// waterlines turn), and the tables its cut fills anew at every angle for its
// drawing and its row of the section tables.
struct StationCut {
  bool fitted = false;
  hullform::SectionSpline section;
  DeckDownwardSteps steps;  // of the fitted section, kept with it
  WaterlineCut cut;
  SideProperties low, high;
};

// The stations' work of a run, made once for it and handed to every heel
// angle: one StationCut per station.
using StationCuts = std::vector<StationCut>;
StationCuts MakeStationCuts(const CrossRun& run);

// Heel angle k of the run: clears the form and prepares the section window,
// shows the angle in Label2, cuts and measures every station in its entry of
// `cuts` (made for the run by MakeStationCuts) on the run's section threads
// and the calling thread, then in station order stores its row of the section tables,
// shows the station in Label1 and draws it, and tabulates the angle into row
// k of the result tables and prints its block of the report.  The outputs do
// not depend on the number of threads, nor on how many of them the system
// could start.
void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k,
                                StationCuts& cuts, SectionThreads& threads);

}  // namespace cross

#pragma once
// The cross-curves drawing: the curves read back from "STASCR.DAT", shown on
// the form with the data extremes, and written as the drawing script
// "Pendrovix_KZ_DEP.SCR" over axis ranges the user may change.

#include <optional>
#include <string>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "cross_data_file.hpp"
#include "curve_window.hpp"
#include "run.hpp"

namespace cross {

// The ranges of the two axes of the drawing: displacement (t) and KN (m).
struct AxisRanges {
  double AxisMinX = 0, AxisMaxX = 0;
  double AxisMinY = 0, AxisMaxY = 0;
};

// The extremes of the curves' displacements and KN, the first point seeding
// them; nothing when no curve has a point.
std::optional<AxisRanges> DataExtremes(const CrossCurveData& data);

// Reads the data file, shows the curves, lets the user change the axis
// ranges (asked again until the drawing can scale the curves over them) and
// writes the script.  A heel angle whose curve has no point is named in a
// message and has no curve.  Curves that give no scale (no point at all,
// displacements or KN that all coincide or lie too close to be scaled) skip
// the drawing with a message, and a script of that name an earlier run left
// in OUTDIR is removed.
void DrawCrossCurves(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run);

// The curves on the form against axes from 0 to the axis maxima (the minima
// only appear in the captions); an axis whose maximum is not above 0 runs
// from its minimum.
void PlotCrossCurvesOnForm(platform::ConsoleForm& form, const CrossRun& run, const CrossCurveData& data,
                           const AxisRanges& axes, bool show);

// Creates OUTDIR followed by "Pendrovix_KZ_DEP.SCR" with its head: sheet,
// graph box, ticks, titles, dotted grid.  The file stays open for the curves.
platform::OutputFile& WriteCrossCurvesScriptHead(platform::Session& session, const std::string& OUTDIR);

// The axis numbers, each curve on a layer of its own with its colour and
// label, its markers on a second layer (curves 1 to 14), all layers on at the
// end; closes the file.  A curve of one point has no line, one without a
// point its layers alone.
void WriteCrossCurvesScriptCurves(platform::OutputFile& file, const CrossCurveData& data, const AxisRanges& axes);

// The colour of layer L: 10 L, brought into the colour index 1-255 (unchanged
// up to 250).
int CurveLayerColour(int L);

}  // namespace cross

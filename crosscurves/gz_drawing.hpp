#pragma once
// The drawing steps of the righting-lever curve: the script
// "Pendrovix_GZ_PHI.SCR", the curve on the form and the question about the
// top of its GZ axis.  The GZ step calls them at their points.

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "righting_lever.hpp"
#include "run.hpp"

namespace cross {

// Creates OUTDIR followed by "Pendrovix_GZ_PHI.SCR" with its head (sheet,
// graph box, ticks, titles, grid, the displacement caption); the file stays
// open for the curve.
platform::OutputFile& WriteGzScriptHead(platform::Session& session, const CrossRun& run);

// The curve on the form over heel 0..Amax and GZ 0..GzAxisTop, with the GM
// line to one radian and the heel numbers; the first plot also clears the
// captions of Label3 to Label6.
void PlotGzCurveOnScreen(platform::ConsoleForm& form, const CrossRun& run, const RightingLeverCurve& gz, bool first);

// Whether the script and the form can draw the curve and its GM line on a
// GZ axis from 0 to `top` (AxisScales).
bool GzAxisScales(const CrossRun& run, const RightingLeverCurve& gz, double top);

// Asks whether to change the top of the GZ axis of the script; asks the top,
// pre-filled with the current one rounded upward at the report's decimals
// (again, with a message, until it is a number above 0 over which the
// drawing can scale the curve), and redraws the form until the user finds
// no fault.
void AskGzAxisTop(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run,
                  RightingLeverCurve& gz);

// The axis numbers, the curve, the GM line to one radian and its label, then
// the layers on; closes the script.  The heel axis runs 0-90 degrees.
void WriteGzScriptCurve(platform::OutputFile& file, const RightingLeverCurve& gz);

}  // namespace cross

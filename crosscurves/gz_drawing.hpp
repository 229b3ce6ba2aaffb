#pragma once
// The drawing steps of the righting-lever curve: the script
// "Pendrovix_GZ_PHI.SCR", the curve on the form and the question about the
// top of its GZ axis.  The GZ step calls them at their points.

#include "common/platform/session.hpp"
#include "righting_lever.hpp"
#include "run.hpp"

namespace cross {

// Creates the script and writes its head (sheet, graph box, ticks, titles,
// grid, the displacement caption).
void WriteGzScriptHead(platform::Session& session, const CrossRun& run);

// The curve on the form with the GM line and the heel numbers.
void PlotGzCurveOnScreen(platform::ConsoleForm& form, const CrossRun& run, const RightingLeverCurve& gz);

// Asks whether to change the top of the GZ axis of the script; may change
// gz.GzAxisTop and redraw the form.
void AskGzAxisTop(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run,
                  RightingLeverCurve& gz);

// The axis numbers, the curve, the GM line to one radian and its label.
void WriteGzScriptCurve(platform::Session& session, const CrossRun& run, const RightingLeverCurve& gz);

}  // namespace cross

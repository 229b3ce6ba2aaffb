// The drawing steps of the righting-lever curve (not built yet: each step
// draws and writes nothing).
#include "gz_drawing.hpp"

namespace cross {

void WriteGzScriptHead(platform::Session&, const CrossRun&) {}

void PlotGzCurveOnScreen(platform::ConsoleForm&, const CrossRun&, const RightingLeverCurve&) {}

void AskGzAxisTop(platform::Session&, platform::ConsoleForm&, const CrossRun&, RightingLeverCurve&) {}

void WriteGzScriptCurve(platform::Session&, const CrossRun&, const RightingLeverCurve&) {}

}  // namespace cross

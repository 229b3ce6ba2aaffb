// The cross-curves drawing (not built yet: it draws and writes nothing).
#include "cross_curves_drawing.hpp"

namespace cross {

void DrawCrossCurves(platform::Session&, platform::ConsoleForm&, CrossRun&) {}

}  // namespace cross

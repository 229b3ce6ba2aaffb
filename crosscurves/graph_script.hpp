#pragma once
// The head of the curve drawings' scripts: the A4 sheet, the graph box, its
// ticks, the title above it, the two axis titles and a dotted grid.

#include <string>
#include <vector>

#include "common/platform/session.hpp"

namespace cross {

// The graph box on the sheet, in drawing millimetres.
inline constexpr double kGraphLeft = 50, kGraphBottom = 50, kGraphRight = 250, kGraphTop = 170;

struct GraphSheet {
  std::string title, xTitle, yTitle;
  std::vector<double> xTicks, yTicks;  // tick positions on the bottom and left edges
  std::vector<double> xGrid, yGrid;    // dotted vertical and horizontal lines
};

// Creates the script `path` (OUTDIR and its name) with the head of the sheet;
// the file stays open for the curves.
platform::OutputFile& WriteGraphScriptHead(platform::Session& session, const std::string& path,
                                           const GraphSheet& sheet);

// A drawing that is skipped leaves no script of an earlier run beside this
// run's report: the file `name` in OUTDIR is removed (a link itself, never
// the file it points to).  Returns what the skip message adds about it (a
// sentence with a blank in front), or nothing when there was no such file.
std::string RemoveEarlierScript(platform::Session& session, const std::string& OUTDIR, const std::string& name);

}  // namespace cross

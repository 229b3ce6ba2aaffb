#pragma once
// The head of the curve drawings' scripts: the A4 sheet, the graph box, its
// ticks, the title above it, the two axis titles and a dotted grid.

#include <string>
#include <vector>

#include "common/platform/output_file.hpp"
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

}  // namespace cross

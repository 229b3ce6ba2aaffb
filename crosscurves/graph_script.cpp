// The head of a curve drawing's script.
#include "graph_script.hpp"

#include "common/drawing/dialect.hpp"

namespace cross {

platform::OutputFile& WriteGraphScriptHead(platform::Session& session, const std::string& path,
                                           const GraphSheet& sheet) {
  constexpr double XL = kGraphLeft, YB = kGraphBottom, XR = kGraphRight, YT = kGraphTop;
  platform::OutputFile& file = session.CreateOutput(path);
  drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
  w.SheetSetUp(drawing::Sheet::kA4, true);
  w.Command("line");
  w.Point(XL, YB);
  w.Point(XR, YB);
  w.Point(XR, YT);
  w.Point(XL, YT);
  w.Command("c");
  for (const double x : sheet.xTicks) w.Segment("line", x, YB - 2, x, YB + 2);
  for (const double y : sheet.yTicks) w.Segment("line", XL - 2, y, XL + 2, y);
  w.TextStyle(4.0);
  w.TextAt("text c", (XL + XR) / 2, YT + 2, 0, sheet.title);
  w.TextStyle(2.5);
  w.TextAt("text c", (XL + XR) / 2, 35, 0, sheet.xTitle);
  w.TextAt("text c", 35, (YB + YT) / 2, 90, sheet.yTitle);
  w.Command("linetype s dot ");
  for (const double x : sheet.xGrid) w.Segment("line", x, YB + 2, x, YT);
  for (const double y : sheet.yGrid) w.Segment("line", XL + 2, y, XR, y);
  w.Command("linetype s bylayer ");
  return file;
}

}  // namespace cross

// "Dolvenika_Tez.SCR" of whole runs on the 80 m box, read back line by line:
// AP at (50, 70), FP at (250, 70), 2.5 drawing units per metre.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "task_fixture.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace flood {
namespace {

using namespace boxtest;
using scripttest::ParsedScript;
using scripttest::Polyline;

constexpr double kScale = 200 / kLength;

struct ScriptRun {
  StepsResult result;
  ParsedScript script;
};
ScriptRun RunScript(const TaskText& task) {
  ScriptRun r;
  r.result = RunProgramWith(task, BoxHull());
  EXPECT_EQ(r.result.status, 0) << r.result.err;
  r.script = ScriptOf(r.result);
  EXPECT_TRUE(r.script.faults.empty()) << scripttest::Faults(r.script);
  return r;
}

bool Near(const scripttest::ScriptPoint& p, double x, double y, double tol = 0.001) {
  return std::fabs(p.x - x) < tol && std::fabs(p.y - y) < tol;
}
bool HasSegment(const std::vector<const Polyline*>& lines, double x1, double y1, double x2, double y2) {
  for (const Polyline* p : lines) {
    if (p->points.size() == 2 && Near(p->points[0], x1, y1) && Near(p->points[1], x2, y2)) return true;
  }
  return false;
}

// The sheet, the layers and every point list as the dialect has them; the
// ordinates of the one curve from the base line to their lengths; the
// ship's outline.
TEST(ScriptTest, OnePermeability) {
  TaskText task;
  task.zones = {{0, kLength, 60}};
  const ScriptRun r = RunScript(task);
  const ParsedScript& s = r.script;
  EXPECT_EQ(testsupport::FirstLines(s.lines, 7), testsupport::kDolvenikaSetUp);
  std::vector<std::string> expected = {"new AP_FP_Dogrusu",    "new YB_Dogrulari",       "off YB_Dogrulari",
                                       "new YBB_Egrisi_Parabolic_Int", "new YBB_Egrisi_Fit_Curve",
                                       "new PERMEABILITE_YAZILARI",     "new AFT_TERMINUS_Egrisi",
                                       "new FORE_TERMINUS_Egrisi",      "new CenterplaneCurve"};
  EXPECT_EQ(s.LayerSequence(), expected);
  EXPECT_NE(std::find(s.lines.begin(), s.lines.end(), "layer off YB_Dogrulari y "), s.lines.end());

  // Ordinates: point b of the curve from (50 + 2.5 x, 70) to (50 + 2.5 x, 70 + 2.5 l).
  const std::vector<CurveRow> rows = PermeabilityTable(r.result.files.at("Dolvenika_Tez.SON"), 1);
  const auto ordinates = s.PolylinesOn("YB_Dogrulari", "Pline");
  ASSERT_EQ(ordinates.size(), 7u);
  for (std::size_t b = 0; b < 7; ++b) {
    EXPECT_TRUE(Near(ordinates[b]->points[0], 50 + kScale * rows[b].x, 70, 0.003)) << b;
    EXPECT_TRUE(Near(ordinates[b]->points[1], 50 + kScale * rows[b].x, 70 + kScale * rows[b].length, 0.003)) << b;
    EXPECT_EQ(ordinates[b]->colour, 2);
  }
  // PAR.'s: the even-keel closed form 100 L (Tm - T0) / (mu Tm) = 49.201 m.
  const double parLength = 100 * kLength * (kMargin - kLoadDraft) / (60 * kMargin);
  EXPECT_TRUE(Near(ordinates[3]->points[0], 150, 70)) << ordinates[3]->points[0].x;
  EXPECT_TRUE(Near(ordinates[3]->points[1], 150, 70 + kScale * parLength, 0.005)) << ordinates[3]->points[1].y;
  EXPECT_NEAR(70 + kScale * parLength, 193.002, 0.001);

  // The fitted curve through the seven points, pairwise.
  const auto fit = s.PolylinesOn("YBB_Egrisi_Fit_Curve");
  ASSERT_EQ(fit.size(), 1u);
  EXPECT_TRUE(fit[0]->fitted);
  EXPECT_EQ(fit[0]->points.size(), 12u);
  // The interpolated curve over the zone, from the aft to the fore end point.
  const auto curve = s.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_TRUE(curve[0]->fitted);
  // A hundred steps, and a vertex at 1A's and 1F's points, where the spline
  // gives way to the monotone cubic in the end intervals (there it rises 7.5 m
  // above the terminal lines): 102 segments.
  EXPECT_EQ(curve[0]->points.size(), 2u * 102);
  // No point above the terminal lines l = 2 x and l = 2 (80 - x).
  for (const scripttest::ScriptPoint& p : curve[0]->points) {
    const double x = (p.x - 50) / kScale, l = (p.y - 70) / kScale;
    EXPECT_LE(l, std::min(2 * x, 2 * (kLength - x)) + 1e-6) << x;
  }
  EXPECT_NEAR(curve[0]->points.front().x, 50 + kScale * rows[0].x, 0.003);
  EXPECT_NEAR(curve[0]->points.back().x, 50 + kScale * rows[6].x, 0.003);

  // The outline: the vertical contours walked to 7.95 m in steps of 0.15 m,
  // the deck at 8 m, the joins of the deck to the contours' tops of no length.
  const auto outline = s.PolylinesOn("CenterplaneCurve", "Pline");
  ASSERT_EQ(outline.size(), 2u + 8 + 2);
  for (int k = 0; k < 2; ++k) {
    const double x = k == 0 ? 50 : 250;
    EXPECT_TRUE(outline[static_cast<std::size_t>(k)]->fitted);
    EXPECT_TRUE(Near(outline[static_cast<std::size_t>(k)]->points.front(), x, 70));
    EXPECT_TRUE(Near(outline[static_cast<std::size_t>(k)]->points.back(), x, 89.875));
    for (const auto& p : outline[static_cast<std::size_t>(k)]->points) EXPECT_NEAR(p.x, x, 1e-9);
  }
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(HasSegment(outline, 50 + 25 * i, 90, 75 + 25 * i, 90)) << i;
  EXPECT_TRUE(HasSegment(outline, 50, 90, 50, 90));
  EXPECT_TRUE(HasSegment(outline, 250, 90, 250, 90));

  // Title, AP and FP 5 below the base line, the station numbers, the label.
  const auto* title = s.FindText("YARALI BOLME BOYU EGRILERI");
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(Near(title->at, 150, 150));
  EXPECT_EQ(title->height, "4.5");
  ASSERT_NE(s.FindText("AP"), nullptr);
  EXPECT_TRUE(Near(s.FindText("AP")->at, 50, 65));
  EXPECT_TRUE(Near(s.FindText("FP")->at, 250, 65));
  for (int k = 1; k <= 9; ++k) ASSERT_NE(s.FindText(std::to_string(k)), nullptr) << k;
  EXPECT_NE(s.FindText("Perm=% 60.0"), nullptr);
}

// Two zones: each curve over its zone, the boundary between them as high as
// the longer of the two lengths there, the terminal lines to the curves'
// ends; the compartment triangles between the bulkheads.
TEST(ScriptTest, TwoZonesAndCompartments) {
  TaskText task;
  task.zones = {{0, 40, 60}, {40, 80, 95}};
  task.bulkheads = {10, 30, 55};
  const ScriptRun r = RunScript(task);
  const ParsedScript& s = r.script;
  EXPECT_TRUE(s.PolylinesOn("YBB_Egrisi_Fit_Curve").empty());

  // The boundary at 40 m: PAR.'s length at 60 %, 49.201 m, against 31.074 m at 95 %.
  const auto boundaries = s.PolylinesOn("PERM_BOLGE_DOGRULARI", "Pline");
  ASSERT_EQ(boundaries.size(), 1u);
  EXPECT_TRUE(Near(boundaries[0]->points[0], 150, 70));
  EXPECT_TRUE(Near(boundaries[0]->points[1], 150, 193.002, 0.005));
  EXPECT_EQ(boundaries[0]->colour, 2);

  const auto ordinates = s.PolylinesOn("YB_Dogrulari", "Pline");
  ASSERT_EQ(ordinates.size(), 14u);
  EXPECT_EQ(ordinates[0]->colour, 2);
  EXPECT_EQ(ordinates[7]->colour, 3);

  // Each curve within its zone: 60 % from the aft end point to 40 m, 95 % from
  // 40 m to the fore end point.  The end points are those of the box's margin
  // points, (l / 2, l) aft at 60 % and (80 - l / 2, l) fore at 95 %, at 2.5
  // drawing units a metre from (50, 70).
  const BoxEnd aftEnd = BoxAftEnd(kMargin, 60), foreEnd = BoxAftEnd(kMargin, 95);
  const double aftX = 50 + 2.5 * aftEnd.length / 2, aftY = 70 + 2.5 * aftEnd.length;
  const double foreX = 50 + 2.5 * (kLength - foreEnd.length / 2), foreY = 70 + 2.5 * foreEnd.length;
  const auto curves = s.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_NEAR(curves[0]->points.front().x, aftX, 1e-4);
  EXPECT_NEAR(curves[0]->points.back().x, 150, 1e-9);
  EXPECT_NEAR(curves[1]->points.front().x, 150, 1e-9);
  EXPECT_NEAR(curves[1]->points.back().x, foreX, 1e-4);
  EXPECT_EQ(curves[0]->colour, 2);
  EXPECT_EQ(curves[1]->colour, 3);

  // Terminal lines from AP and FP on the base line through the curves' end
  // points, rising at 2 in 1: a compartment centred there reaches the end.
  const auto aft = s.PolylinesOn("AFT_TERMINUS_Egrisi", "Pline");
  const auto fore = s.PolylinesOn("FORE_TERMINUS_Egrisi", "Pline");
  ASSERT_EQ(aft.size(), 1u);
  ASSERT_EQ(fore.size(), 1u);
  EXPECT_TRUE(Near(aft[0]->points[0], 50, 70));
  EXPECT_TRUE(Near(aft[0]->points[1], aftX, aftY, 1e-4));
  EXPECT_NEAR(aft[0]->points[1].y - 70, 2 * (aft[0]->points[1].x - 50), 1e-4);
  EXPECT_EQ(aft[0]->colour, 2);
  EXPECT_TRUE(Near(fore[0]->points[0], 250, 70));
  EXPECT_TRUE(Near(fore[0]->points[1], foreX, foreY, 1e-4));
  EXPECT_NEAR(fore[0]->points[1].y - 70, 2 * (250 - fore[0]->points[1].x), 1e-4);
  EXPECT_EQ(fore[0]->colour, 3);

  // Compartments between 10, 30 and 55 m: apexes (20, 20) and (42.5, 25) m.
  const auto compartments = s.PolylinesOn("Perde_Koordinatlari", "Pline");
  ASSERT_EQ(compartments.size(), 4u);
  EXPECT_TRUE(HasSegment(compartments, 75, 70, 100, 120));
  EXPECT_TRUE(HasSegment(compartments, 125, 70, 156.25, 132.5));
  EXPECT_TRUE(HasSegment(compartments, 100, 120, 125, 70));
  EXPECT_TRUE(HasSegment(compartments, 156.25, 132.5, 187.5, 70));
  for (const auto* p : compartments) EXPECT_EQ(p->colour, 5);
}

// At 20 % no point is found: the script and the pictures hold none of their
// meaningless values, only finite numbers, and the graphs of the lengths get
// a scale of height 1.
TEST(ScriptTest, PointsNotFoundReachNoDrawing) {
  TaskText task;
  task.zones = {{0, kLength, 20}};
  const ScriptRun r = RunScript(task);
  const ParsedScript& s = r.script;
  EXPECT_TRUE(s.PolylinesOn("YB_Dogrulari").empty());
  EXPECT_TRUE(s.PolylinesOn("YBB_Egrisi_Parabolic_Int").empty());
  EXPECT_TRUE(s.PolylinesOn("YBB_Egrisi_Fit_Curve").empty());
  EXPECT_TRUE(s.PolylinesOn("AFT_TERMINUS_Egrisi").empty());
  EXPECT_TRUE(s.PolylinesOn("FORE_TERMINUS_Egrisi").empty());
  EXPECT_EQ(s.PolylinesOn("CenterplaneCurve").size(), 12u);
  int pictures = 0;
  for (const auto& [name, text] : r.result.files) {
    if (name.rfind("screens/", 0) == 0) {
      ++pictures;
      EXPECT_EQ(text.find("nan"), std::string::npos) << name;
      EXPECT_EQ(text.find("inf"), std::string::npos) << name;
    }
  }
  EXPECT_EQ(pictures, 4 + 1 + 5 + 1);
}

// The script goes where the report goes; a folder where it should be cannot
// be written and is refused with the run's files, before the first
// question: the run ends as a data error with nothing written.
TEST(ScriptTest, AScriptThatCannotBeWrittenEndsTheRun) {
  const StepsResult r = RunProgramWith(TaskText{}, BoxHull(), "", [](const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir / kScriptFileName);
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cikti dosyasi \"Dolvenika_Tez.SCR\" diskte bir klasor"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.find("[default:"), std::string::npos) << r.out;
  EXPECT_EQ(r.files.count("Dolvenika_Tez.SON"), 0u);
}

}  // namespace
}  // namespace flood

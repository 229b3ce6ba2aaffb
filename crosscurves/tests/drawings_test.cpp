// The three drawing scripts of a whole run of the box barge (7 stations, heel
// 8, 16, ..., 80 degrees, 16 waterlines, both drawings asked), read back with
// the script reader: their structure, and every placed point against the
// data it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/session.hpp"
#include "crosscurves/cross_curves_drawing.hpp"
#include "crosscurves/forms.hpp"
#include "run_fixture.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace cross::testing {
namespace {

using scripttest::ParsedScript;
using scripttest::ScriptText;

constexpr double kPoint = 1e-9;  // a placed point, written with 15 digits

TaskText BoxDrawingTask(const std::string& heelCount, const std::vector<std::string>& heels, const std::string& lines) {
  TaskText t;
  t.HeelAngleCount = heelCount;
  t.HeelAngleLines = heels;
  t.InclinedWaterlineCount = lines;
  t.CrossCurveDrawingAnswer = "E";
  t.GzCurveAnswer = "E";
  return t;
}

struct DrawnRun {
  ProgramRun run;
  int status = -1;
  CrossCurveData data;
};

// Runs the task on the box and reads the data file back as the program wrote it.
void RunBox(DrawnRun& r, const TaskText& t, const std::string& answers = "") {
  r.run.WriteTask(t);
  r.run.WriteHull(kBox);
  r.status = r.run.Run(answers);
  ASSERT_EQ(r.status, 0) << r.run.Errors();
  testsupport::RunStep(r.run.Dir(), "", [&](platform::Session& s) { r.data = ReadCrossCurveDataFile(s, ""); });
}

ParsedScript Read(const DrawnRun& r, const std::string& name, bool redraw) {
  ParsedScript s = scripttest::ReadScript(r.run.Dir() / name, {.redrawAtEnd = redraw});
  EXPECT_EQ(scripttest::Faults(s), "") << name;
  return s;
}

void ExpectPoint(const scripttest::ScriptPoint& p, double x, double y, double tolerance = kPoint) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

TEST(Drawings, CrossCurvesScriptPlacesEveryPointOverTheDataRanges) {
  DrawnRun r;
  RunBox(r, BoxDrawingTask("10", {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"}, "16"));
  const ParsedScript s = Read(r, "Pendrovix_KZ_DEP.SCR", false);
  EXPECT_EQ(testsupport::FirstLines(s.lines, 5), testsupport::kPendrovixCurvesSetUp);

  double dMin = 1e300, dMax = -1e300, kMin = 1e300, kMax = -1e300;
  for (int i = 1; i <= r.data.NA; ++i) {
    for (int j = 1; j <= r.data.PointCounts(i); ++j) {
      dMin = std::min(dMin, r.data.Displacement(i, j));
      dMax = std::max(dMax, r.data.Displacement(i, j));
      kMin = std::min(kMin, r.data.KN(i, j));
      kMax = std::max(kMax, r.data.KN(i, j));
    }
  }
  double xLow = 1e300, xHigh = -1e300, yLow = 1e300, yHigh = -1e300;
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE("curve " + std::to_string(i));
    const std::string layer = std::to_string(2 * i - 1);
    const auto curves = s.PolylinesOn(layer, "pline");
    ASSERT_EQ(curves.size(), 1u);
    const scripttest::Polyline& p = *curves[0];
    EXPECT_EQ(p.colour, 10 * (2 * i - 1));
    ASSERT_EQ(p.points.size(), 2u * 15);
    for (int j = 1; j <= 16; ++j) {
      const double x = 50 + 200 * (r.data.Displacement(i, j) - dMin) / (dMax - dMin);
      const double y = 50 + 120 * (r.data.KN(i, j) - kMin) / (kMax - kMin);
      // Each inner point twice: as the end of one segment and the start of the next.
      if (j > 1) ExpectPoint(p.points[static_cast<std::size_t>(2 * (j - 1) - 1)], x, y);
      if (j < 16) ExpectPoint(p.points[static_cast<std::size_t>(2 * (j - 1))], x, y);
      xLow = std::min(xLow, x), xHigh = std::max(xHigh, x), yLow = std::min(yLow, y), yHigh = std::max(yHigh, y);
    }
    // The label at the middle of the last segment, along it.
    const auto labels = s.TextsOn(layer);
    ASSERT_EQ(labels.size(), 1u);
    const scripttest::ScriptPoint a = p.points[p.points.size() - 2], b = p.points.back();
    ExpectPoint(labels[0]->at, (a.x + b.x) / 2, (a.y + b.y) / 2);
    EXPECT_NEAR(labels[0]->angle, std::atan((b.y - a.y) / (b.x - a.x)) * 180 / M_PI, 1e-5);
    EXPECT_EQ(labels[0]->text, FormatNumber(8.0 * i, 3, 3) + " derece");
    // Its markers on the next layer at every point: lines of the triangle,
    // square, circle, cross, star, hatched triangle, hatched square.
    const std::size_t linesPerPoint[] = {1, 1, 0, 2, 4, 1, 1};
    const std::string markers = std::to_string(2 * i);
    EXPECT_EQ(s.PolylinesOn(markers, "line").size(), 16 * linesPerPoint[(i - 1) % 7]);
    std::size_t circles = 0, hatches = 0;
    for (const auto& c : s.circles) circles += c.layer == markers;
    for (const auto& h : s.hatches) hatches += h.layer == markers;
    EXPECT_EQ(circles, (i - 1) % 7 == 2 ? 16u : 0u);
    EXPECT_EQ(hatches, (i - 1) % 7 >= 5 ? 16u : 0u);
  }
  EXPECT_NEAR(xLow, 50, 1e-9);
  EXPECT_NEAR(xHigh, 250, 1e-9);
  EXPECT_NEAR(yLow, 50, 1e-9);
  EXPECT_NEAR(yHigh, 170, 1e-9);

  // Curves 1 and 8 carry triangles (closed, three corners about the point).
  for (const char* layer : {"2", "16"}) {
    const auto marks = s.PolylinesOn(layer, "line");
    ASSERT_FALSE(marks.empty());
    EXPECT_TRUE(marks[0]->closed);
    EXPECT_EQ(marks[0]->points.size(), 3u);
  }
  // Layer 0 off; each curve's layer made, then switched off for its marker
  // layer; all switched on at the end, 0 to 20.
  std::vector<std::string> layers = {"off 0"};
  for (int i = 1; i <= 10; ++i) {
    layers.push_back("new " + std::to_string(2 * i - 1));
    layers.push_back("off " + std::to_string(2 * i - 1));
    layers.push_back("new " + std::to_string(2 * i));
  }
  for (int k = 0; k <= 20; ++k) layers.push_back("on " + std::to_string(k));
  EXPECT_EQ(s.LayerSequence(), layers);
  // Ten displacement numbers from the left edge in steps of two ticks, KN
  // numbers on both edges.
  const ScriptText* first = s.FindText(FormatNumber(dMin, 6, 2));
  ASSERT_NE(first, nullptr);
  ExpectPoint(first->at, 50, 46);
  EXPECT_NE(s.FindText(FormatNumber(kMax, 3, 3)), nullptr);
}

// The V prism heeled 16 to 48 degrees over 16 lines: the first lines of the
// larger heels pass below its keel, and their rows of zeros stand in the
// report.  Each curve of the script runs through the report's rows of that
// heel angle that carry the hull, placed over their extremes, and through
// nothing else: no curve runs to the origin of its axes.
TEST(Drawings, CrossCurvesRunThroughTheRowsThatCarryTheHull) {
  ProgramRun run;
  TaskText t = BoxDrawingTask("5", {"16, 24, 32, 40, 48"}, "16");
  t.GzCurveAnswer = "H";
  run.WriteTask(t);
  run.WriteHull(kVPrism);
  ASSERT_EQ(run.Run(), 0) << run.Errors();
  const PrintedBlocks blocks = ReadBlocks(run.Report());
  ASSERT_EQ(blocks.size(), 5u);
  std::vector<std::vector<std::vector<double>>> floating;
  double dMin = 1e300, dMax = -1e300, kMin = 1e300, kMax = -1e300;
  int zeroRows = 0;
  for (const auto& [phi, rows] : blocks) {
    ASSERT_EQ(rows.size(), 16u) << phi;
    floating.emplace_back();
    for (const std::vector<double>& row : rows) {
      if (row[0] == 0) {
        ++zeroRows;
        EXPECT_TRUE(floating.back().empty()) << phi;  // the lines below the keel come first
        continue;
      }
      floating.back().push_back(row);
      dMin = std::min(dMin, row[0]), dMax = std::max(dMax, row[0]);
      kMin = std::min(kMin, row[1]), kMax = std::max(kMax, row[1]);
    }
  }
  ASSERT_GE(zeroRows, 3);
  const ParsedScript s = scripttest::ReadScript(run.Dir() / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  ASSERT_EQ(scripttest::Faults(s), "");
  // The report's three decimals, on a value and on the extremes.
  const double tolerance = std::max(200 * 0.001 / (dMax - dMin), 120 * 0.001 / (kMax - kMin));
  ASSERT_LT(tolerance, 0.05);
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE("curve " + std::to_string(i + 1));
    const auto curves = s.PolylinesOn(std::to_string(2 * i + 1), "pline");
    ASSERT_EQ(curves.size(), 1u);
    const std::vector<std::vector<double>>& rows = floating[i];
    ASSERT_EQ(curves[0]->points.size(), 2 * (rows.size() - 1));
    for (std::size_t j = 0; j < rows.size(); ++j) {
      const double x = 50 + 200 * (rows[j][0] - dMin) / (dMax - dMin);
      const double y = 50 + 120 * (rows[j][1] - kMin) / (kMax - kMin);
      if (j > 0) ExpectPoint(curves[0]->points[2 * j - 1], x, y, tolerance);
      if (j + 1 < rows.size()) ExpectPoint(curves[0]->points[2 * j], x, y, tolerance);
    }
    for (const scripttest::ScriptPoint& p : curves[0]->points) {
      EXPECT_GT(p.x, 50 - tolerance);
      EXPECT_GT(p.y, 50 - tolerance);
    }
    // Its markers at those rows: triangle, square, circle, cross, star.
    const std::size_t linesPerPoint[] = {1, 1, 0, 2, 4};
    const std::string markers = std::to_string(2 * i + 2);
    std::size_t circles = 0;
    for (const auto& c : s.circles) circles += c.layer == markers;
    EXPECT_EQ(s.PolylinesOn(markers, "line").size(), rows.size() * linesPerPoint[i]);
    EXPECT_EQ(circles, i == 2 ? rows.size() : 0u);
  }
}

TEST(Drawings, FifteenCurvesTheLastWithoutMarkersAndEveryColourInTheIndex) {
  DrawnRun r;
  RunBox(r, BoxDrawingTask("15", {"5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75"}, "5"));
  const ParsedScript s = Read(r, "Pendrovix_KZ_DEP.SCR", false);
  const auto last = s.PolylinesOn("29", "pline");
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(s.PolylinesOn("30").size(), 0u);
  EXPECT_EQ(s.layers.back().name, "29");
  for (const scripttest::Polyline& p : s.polylines) {
    EXPECT_GE(p.colour, 1);
    EXPECT_LE(p.colour, 255);
  }
  EXPECT_EQ(last[0]->colour, CurveLayerColour(29));
  EXPECT_EQ(CurveLayerColour(25), 250);
  EXPECT_EQ(CurveLayerColour(27), 15);
}

TEST(Drawings, RightingLeverScriptCurveAndGmLine) {
  DrawnRun r;
  TaskText t = BoxDrawingTask("10", {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"}, "40");
  RunBox(r, t);
  const ParsedScript s = Read(r, "Pendrovix_GZ_PHI.SCR", false);
  EXPECT_EQ(testsupport::FirstLines(s.lines, 5), testsupport::kPendrovixCurvesSetUp);

  // The levers as the report gives them (three decimals).
  std::vector<double> gz;
  std::istringstream report(r.run.Report());
  std::string line;
  bool inTable = false;
  while (std::getline(report, line)) {
    if (line.rfind(" NO      GZ(m)", 0) == 0) inTable = true;
    std::istringstream row(line);
    int no = 0;
    double value = 0, angle = 0;
    if (inTable && (row >> no >> value >> angle)) gz.push_back(value);
  }
  ASSERT_EQ(gz.size(), 10u);
  double top = 0;
  for (double g : gz) top = std::max(top, g);

  const auto curve = s.PolylinesOn("gz_phi_egrisi", "pline");
  ASSERT_EQ(curve.size(), 1u);
  ASSERT_EQ(curve[0]->points.size(), 2u * 10);
  ExpectPoint(curve[0]->points[0], 50, 50);
  for (int i = 1; i <= 10; ++i) {
    const double x = 50 + 200 * 8.0 * i / 90, y = 50 + 120 * gz[static_cast<std::size_t>(i - 1)] / top;
    // The levers read to three decimals place the points to 0.1 mm.
    ExpectPoint(curve[0]->points[static_cast<std::size_t>(2 * i - 1)], x, y, 0.1);
    if (i < 10) ExpectPoint(curve[0]->points[static_cast<std::size_t>(2 * i)], x, y, 0.1);
  }
  const auto gm = s.PolylinesOn("stab_kol", "pline");
  ASSERT_EQ(gm.size(), 1u);
  ExpectPoint(gm[0]->points[0], 50, 50);
  const double GM0 = 5.7667 - 4.5;
  ExpectPoint(gm[0]->points[1], 177.324, 50 + 120 * GM0 * (180 / M_PI) / (57.3 * top), 0.1);
  EXPECT_NEAR(gm[0]->points[1].x, 50 + 200.0 / 90 * 180 / 3.1415927, 1e-9);
  // Heel numbers under the ticks, none at 0.
  for (int i = 1; i <= 9; ++i) {
    const ScriptText* n = s.FindText(FormatNumber(10.0 * i, 2, 2));
    ASSERT_NE(n, nullptr) << i;
    ExpectPoint(n->at, 50 + 200.0 / 9 * i, 46);
  }
  EXPECT_EQ(s.FindText(FormatNumber(0, 2, 2)), nullptr);
  EXPECT_NE(s.FindText("DEPLASMAN = 4305 ton"), nullptr);
  EXPECT_EQ(s.LayerSequence(), (std::vector<std::string>{"off 0", "new gz_phi_egrisi", "off gz_phi_egrisi",
                                                         "new stab_kol", "off stab_kol", "new stab_kol_yaz", "on 0",
                                                         "on gz_phi_egrisi", "on stab_kol"}));
}

TEST(Drawings, BodyPlanOfTheBox) {
  DrawnRun r;
  RunBox(r, BoxDrawingTask("1", {"30"}, "16"));
  const ParsedScript s = Read(r, "Enkesitler.SCR", true);
  EXPECT_EQ(testsupport::FirstLines(s.lines, 4), testsupport::kPendrovixBodyPlanSetUp);
  const double scale = std::min(215.0 / 14, 130 / 11.25);
  EXPECT_NEAR(scale, 11.556, 0.0005);
  const double left = 137.5 - 7 * scale, right = 137.5 + 7 * scale;
  EXPECT_NEAR(left, 56.611, 0.0005);
  EXPECT_NEAR(right, 218.389, 0.0005);
  const auto frame = s.PolylinesOn("Dis_Cerceve", "pline");
  ASSERT_EQ(frame.size(), 5u);
  ExpectPoint(frame[0]->points[0], left, 40);
  ExpectPoint(frame[1]->points[1], right, 170);
  const auto stations = s.PolylinesOn("Postalar", "pline");
  ASSERT_EQ(stations.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) {
    const double x = i < 3 ? left : right;
    ASSERT_FALSE(stations[i]->points.empty());
    ExpectPoint(stations[i]->points.front(), x, 40);
    ExpectPoint(stations[i]->points.back(), x, 40 + scale * 8.925, 1e-6);
    EXPECT_TRUE(stations[i]->fitted);
  }
  EXPECT_NEAR(40 + scale * 8.925, 143.133, 0.0005);
  ASSERT_EQ(s.circles.size(), 7u * 2 * 2);
  for (std::size_t k = 0; k < s.circles.size(); ++k) {
    EXPECT_NEAR(s.circles[k].radius, k % 2 == 0 ? 0.175 : 0.0875, 1e-12);
    EXPECT_EQ(s.circles[k].layer, "Noktalar");
  }
  EXPECT_NE(s.FindText("POSTA KESITLERI"), nullptr);
  EXPECT_EQ(s.LayerSequence(), (std::vector<std::string>{"off 0", "new Dis_Cerceve", "off Dis_Cerceve",
                                                         "off Dis_Cerceve", "new Postalar", "off Postalar",
                                                         "new Noktalar", "on 0", "on Dis_Cerceve", "on Postalar"}));
}

// Upright only: no scale for either drawing; both are skipped with a message,
// and the scripts of those names an earlier run left in the output folder go
// with them (a link itself, never the file it points to), so that no stale
// drawing stands beside this run's report.
TEST(Drawings, UprightOnlySkipsBothDrawings) {
  for (const bool earlier : {false, true}) {
    SCOPED_TRACE(earlier ? "scripts of an earlier run" : "no earlier scripts");
    DrawnRun r;
    if (earlier) {
      r.run.Write("Pendrovix_KZ_DEP.SCR", "line\r\n0,0\r\n1,1\r\n\r\n");
      r.run.Write("kept.txt", "kept\r\n");
      std::filesystem::create_symlink("kept.txt", r.run.Dir() / "Pendrovix_GZ_PHI.SCR");
    }
    RunBox(r, BoxDrawingTask("1", {"0"}, "16"));
    for (const char* name : {"Pendrovix_KZ_DEP.SCR", "Pendrovix_GZ_PHI.SCR"}) {
      EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(r.run.Dir() / name))) << name;
      const std::string removed = std::string(" Onceki bir calismadan kalan ") + name + " silindi.";
      EXPECT_EQ(r.run.Errors().find(std::string(name) + " yazilmadi." + removed) != std::string::npos, earlier)
          << r.run.Errors();
    }
    if (earlier) {
      EXPECT_EQ(testsupport::ReadFile(r.run.Dir() / "kept.txt"), "kept\r\n");
    }
    EXPECT_NE(r.run.Errors().find("capraz egriler cizilmedi"), std::string::npos) << r.run.Errors();
    EXPECT_NE(r.run.Errors().find("GZ egrisi cizilmedi"), std::string::npos);
    EXPECT_TRUE(r.run.Exists("Enkesitler.SCR"));
  }
}

// A script the run may remove is one of its outputs: an input of that name
// is refused before anything is written, and stays as it was.
TEST(Drawings, ScriptThatMayBeRemovedIsNeverAnInput) {
  for (const char* name : {"Pendrovix_KZ_DEP.SCR", "Pendrovix_GZ_PHI.SCR"}) {
    SCOPED_TRACE(name);
    ProgramRun run;
    TaskText t = BoxDrawingTask("1", {"0"}, "16");
    t.DATAFILE = name;
    run.WriteTask(t);
    testsupport::WriteOffsetTable(run.Dir() / name, PrismHull(kBox));
    const std::string hull = run.Report(name);
    EXPECT_EQ(run.Run(), 1);
    EXPECT_NE(run.Errors().find("Hicbir dosya yazilmadi."), std::string::npos) << run.Errors();
    EXPECT_EQ(run.Report(name), hull);
  }
}

// A last segment of equal displacements: the label stands along it at 90
// degrees; a curve of one point has its label at the point; a curve whose
// last two points coincide (lines above the whole hull) has it on the
// segment before.
TEST(Drawings, LabelOfAVerticalLastSegmentAndOfASinglePoint) {
  CrossCurveData data;
  data.NA = 3;
  data.HeelAngles(3) = 50;
  data.PointCounts(3) = 3;
  const double repeated[3][2] = {{1000, 1}, {2000, 3}, {2000, 3}};
  for (int j = 1; j <= 3; ++j) {
    data.Displacement(3, j) = repeated[j - 1][0];
    data.KN(3, j) = repeated[j - 1][1];
  }
  data.HeelAngles(1) = 30;
  data.PointCounts(1) = 3;
  const double points[3][2] = {{1000, 1}, {2000, 2}, {2000, 3}};
  for (int j = 1; j <= 3; ++j) {
    data.Displacement(1, j) = points[j - 1][0];
    data.KN(1, j) = points[j - 1][1];
  }
  data.HeelAngles(2) = 40;
  data.PointCounts(2) = 1;
  data.Displacement(2, 1) = 1500;
  data.KN(2, 1) = 2;
  testsupport::ScratchDirectory dir("crosscurves-label");
  const auto r = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    WriteCrossCurvesScriptCurves(WriteCrossCurvesScriptHead(s, ""), data, {1000, 2000, 1, 3});
  });
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedScript s = scripttest::ReadScript(dir / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  EXPECT_EQ(scripttest::Faults(s), "");
  const ScriptText* vertical = s.FindText(" 30.000 derece");
  ASSERT_NE(vertical, nullptr);
  EXPECT_EQ(vertical->angle, 90);
  ExpectPoint(vertical->at, 250, 50 + 120 * 0.75);
  const ScriptText* single = s.FindText(" 40.000 derece");
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(single->angle, 0);
  ExpectPoint(single->at, 150, 110);
  const ScriptText* repeatedLabel = s.FindText(" 50.000 derece");
  ASSERT_NE(repeatedLabel, nullptr);
  ExpectPoint(repeatedLabel->at, 150, 110);
  EXPECT_NEAR(repeatedLabel->angle, std::atan(120.0 / 200) * 180 / 3.1415927, 1e-9);
}

// Answers from a pipe: after "E" a text that is no number and a maximum below
// its minimum are asked again, and so is a GZ top of 0; the defaults of the
// other boxes are the data ranges.
TEST(Drawings, AxisDialogsAskAgain) {
  DrawnRun r;
  const std::string answers =
      "\n\n"                            // the station review, the interpolated table
      "E\nabc\n7000\n1000\n500\n1000\n7000\n\n\n\n"  // displacement axis twice wrong, KN axis by default
      "E\n0\n2\n\n";                    // the GZ axis top: 0, then 2
  RunBox(r, BoxDrawingTask("10", {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"}, "16"), answers);
  EXPECT_NE(r.run.Errors().find("Girilen degerlerden biri sayi degil."), std::string::npos) << r.run.Errors();
  EXPECT_NE(r.run.Errors().find("En buyuk deger en kucukten buyuk olmalidir."), std::string::npos);
  EXPECT_NE(r.run.Errors().find("GZ ekseninin ust degeri sifirdan buyuk olmalidir. En buyuk GZ 1.268 m."),
            std::string::npos)
      << r.run.Errors();
  const ParsedScript kz = Read(r, "Pendrovix_KZ_DEP.SCR", false);
  EXPECT_NE(kz.FindText(FormatNumber(1000, 6, 2)), nullptr);
  double kMin = r.data.KN(1, 1), kMax = kMin;
  for (int i = 1; i <= r.data.NA; ++i) {
    for (int j = 1; j <= r.data.PointCounts(i); ++j) {
      kMin = std::min(kMin, r.data.KN(i, j));
      kMax = std::max(kMax, r.data.KN(i, j));
    }
  }
  const ScriptText* bottom = kz.FindText(FormatNumber(kMin, 3, 3));
  const ScriptText* topKn = kz.FindText(FormatNumber(kMax, 3, 3));
  ASSERT_TRUE(bottom && topKn);
  EXPECT_NEAR(bottom->at.y, 50, kPoint);
  EXPECT_NEAR(topKn->at.y, 170, kPoint);
  EXPECT_NE(kz.FindText(FormatNumber(1000 + 0.9 * 6000, 6, 2)), nullptr);
  const ParsedScript gz = Read(r, "Pendrovix_GZ_PHI.SCR", false);
  EXPECT_NE(gz.FindText(FormatNumber(2.0, 2, 3)), nullptr);
  EXPECT_NE(gz.FindText(FormatNumber(0.2, 2, 3)), nullptr);
}

}  // namespace
}  // namespace cross::testing

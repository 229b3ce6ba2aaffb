// The floodable-length curves as the drawing script, the graphs and the
// combined graph draw them: a box barge whose curves fall steeply to their
// end points, the example, and the example's zones with an end point beyond
// its zone at either end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/numerics/curves.hpp"
#include "floodable/forms.hpp"
#include "task_fixture.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/svg_picture.hpp"

namespace flood {
namespace {

using namespace boxtest;
using scripttest::ParsedScript;
using scripttest::Polyline;
using scripttest::ScriptPoint;

// The 60 x 12 x 5 m box barge: 11 stations 6 m apart, each a flat bottom
// and vertical sides with knuckles at the bilge and at the deck edge, the
// stern and stem contours vertical at the end stations.
testsupport::Hull Barge() {
  testsupport::Hull h;
  for (int i = 0; i <= 10; ++i) h.stations.push_back({6.0 * i, {{0, 0, 0}, {0, 6, 0}, {5, 6, 0}}});
  h.stern = {{0, 0, 0}, {5, 0, 1}};
  h.stem = {{0, 60, 0}, {5, 60, 1}};
  return h;
}

// Three trim lines through the margin line 0.076 m below the deck at one end
// or both, the load waterline at 3 m, the aft half at 100 % and the fore
// half at 85 %.
TaskText BargeTask() {
  TaskText t;
  t.length = "60";
  t.lines = {{4.924, 3.5}, {4.924, 4.924}, {3.5, 4.924}};
  t.load = {3, 3};
  t.zones = {{0, 30, 100}, {30, 60, 85}};
  return t;
}

// The points of permeability p's curve as the tops of its ordinates in the
// script, in metres (c drawing units a metre), with the curves through them
// that a drawing may take: the not-a-knot spline, the three-point parabola
// of the curve routine and the monotone cubic.
class CurveThrough {
 public:
  CurveThrough(const ParsedScript& script, int p, double c)
      : X_(kLineTableSize), l_(kLineTableSize), spline_(numerics::MakeSplineTable(kLineTableSize)),
        monotone_(numerics::MakeSplineTable(kLineTableSize)) {
    for (const Polyline* o : script.PolylinesOn("YB_Dogrulari", "Pline")) {
      if (o->colour != p + 1) continue;
      ++n_;
      X_(n_) = (o->points.at(1).x - 50) / c;
      l_(n_) = (o->points.at(1).y - 70) / c;
      spline_(1, n_) = monotone_(1, n_) = l_(n_);
    }
    numerics::FitCubicSpline(n_, X_, spline_, 0, 0, kFloodableSplineGuards);
    numerics::FitMonotoneCubic(n_, X_, monotone_);
  }
  int n() const { return n_; }
  double X(int b) const { return X_(b); }
  double l(int b) const { return l_(b); }
  double Spline(double x) const { return Evaluate(spline_, x); }
  double Monotone(double x) const { return Evaluate(monotone_, x); }
  double Parabola(double x) const {
    double y = std::nan("");
    numerics::InterpolateCurve(n_, X_, l_, x, y, numerics::kParabolaMethod, kFloodableForms.interpolationRule);
    return y;
  }
  // The interval between points k and k + 1 that holds x inside it; 0 at a
  // point or beyond them.
  int IntervalOf(double x) const {
    for (int k = 1; k < n_; ++k) {
      if (X_(k) < x && x < X_(k + 1)) return k;
    }
    return 0;
  }
  // The spline's lowest length over interval k.
  double LowestSpline(int k) const {
    double low = l_(k);
    for (int j = 1; j < 1000; ++j) low = std::min(low, Spline(X_(k) + (X_(k + 1) - X_(k)) * j / 1000));
    return low;
  }

 private:
  double Evaluate(const numerics::SplineTable& t, double x) const {
    double y = std::nan("");
    numerics::EvaluateSpline(n_, x, y, X_, t, numerics::SplineEvaluation{});
    return y;
  }
  int n_ = 0;
  Vec X_, l_;
  numerics::SplineTable spline_, monotone_;
};

// The form's height in pixels and the height of the graphs' base line in it:
// every length graph runs from 1.25 lmax at the top to -0.1 lmax.
constexpr double kFormHeight = 8595 / 15.0;
constexpr double kBaseLinePixel = kFormHeight * 1.25 / 1.35;
// The form's pixels a metre along a ship of 100 m between its first and last
// stations: 792 pixels from -30 m to 130 m.
constexpr double kPixelsAMetre = 11880 / 15.0 / 160;

// The pictures of a run whose texts hold the caption.
std::vector<testsupport::Picture> PicturesWith(const StepsResult& r, const std::string& caption) {
  std::vector<testsupport::Picture> found;
  for (const auto& [name, text] : r.files) {
    if (name.rfind("screens/", 0) != 0) continue;
    const testsupport::Picture p = testsupport::ReadPicture(text);
    for (const testsupport::PictureText& t : p.Texts()) {
      if (t.text == caption) {
        found.push_back(p);
        break;
      }
    }
  }
  return found;
}

// On the barge the not-a-knot spline through the five points of each curve
// dips to about -9 m between the end points and 1A/1F: 182 points of the
// script below the base line, and the graphs with it.  Those intervals are
// drawn by the monotone cubic, within their two points' lengths; between
// 1A, PAR. and 1F the spline stays within them too.  The tables are as they
// were.
TEST(CurveDrawingTest, TheBargesCurvesStayWithinTheirPoints) {
  const StepsResult r = RunProgramWith(BargeTask(), Barge());
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& report = r.files.at("Dolvenika_Tez.SON");
  // PAR.'s even-keel length 60 (4.924 - 3) / (mu 4.924), printed cut to the
  // millimetre.
  const double mu[] = {100, 85};
  std::vector<std::vector<CurveRow>> rows;
  for (int p = 1; p <= 2; ++p) {
    rows.push_back(PermeabilityTable(report, p));
    ASSERT_EQ(rows.back().size(), 5u) << p;
    const double par = 100 * 60 * (4.924 - 3) / (mu[p - 1] * 4.924);
    EXPECT_NEAR(rows.back()[2].length, par - 0.0005, 0.0006) << p;
    for (const CurveRow& row : rows.back()) EXPECT_FALSE(row.marked) << p;
  }

  const ParsedScript script = ScriptOf(r);
  ASSERT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  const auto curves = script.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(curves.size(), 2u);
  constexpr double c = 200.0 / 60;  // drawing units a metre
  for (std::size_t p = 0; p < 2; ++p) {
    const std::vector<CurveRow>& points = rows[p];
    ASSERT_FALSE(curves[p]->points.empty());
    for (const ScriptPoint& s : curves[p]->points) {
      EXPECT_GE(s.y, 70) << "permeability " << p + 1 << " at " << s.x;
      const double x = (s.x - 50) / c, l = (s.y - 70) / c;
      // The two curve points around x (their printed values cut to 1 mm).
      std::size_t k = 0;
      while (k + 2 < points.size() && points[k + 1].x < x) ++k;
      const double lo = std::min(points[k].length, points[k + 1].length);
      const double hi = std::max(points[k].length, points[k + 1].length);
      EXPECT_GE(l, lo - 0.002) << "permeability " << p + 1 << " at " << x << " m";
      EXPECT_LE(l, hi + 0.002) << "permeability " << p + 1 << " at " << x << " m";
    }
  }

  // Graph 5 of each permeability and the combined graph: nothing below the
  // base line (pixels count downwards).
  const auto graphs = PicturesWith(r, "YARALI BOLME BOYU DEGERLERI - l");
  const auto combined = PicturesWith(r, "PERMEABILITE'YE BAGLI YARALI BOLME BOYU DEGISIMI");
  ASSERT_EQ(graphs.size(), 2u);
  ASSERT_EQ(combined.size(), 1u);
  std::vector<testsupport::Picture> pictures = graphs;
  pictures.push_back(combined[0]);
  for (const testsupport::Picture& picture : pictures) {
    int curveSegments = 0;
    for (const testsupport::PictureLayer& layer : picture.layers) {
      for (const testsupport::PictureSegment& s : layer.segments) {
        EXPECT_LE(std::max(s.y1, s.y2), kBaseLinePixel + 0.001) << layer.colour << " at " << s.x1;
        curveSegments += s.x2 != s.x1 && s.y2 != s.y1;
      }
    }
    EXPECT_GE(curveSegments, 500);
  }
}

// The ends of the chords of a graph 5 picture's curve (palette colour 1)
// within the curve's span, in metres: the graph runs from -0.3 S to 1.3 S
// across and from 1.25 lmax down to -0.1 lmax, lmax the longest trim-line
// point.
std::vector<ScriptPoint> GraphCurve(const testsupport::Picture& picture, double S, const CurveThrough& c) {
  double lmax = 0;
  for (int b = 2; b < c.n(); ++b) lmax = std::max(lmax, c.l(b));
  std::vector<ScriptPoint> found;
  for (const testsupport::PictureLayer& layer : picture.layers) {
    if (layer.isText || layer.colour != "#000080") continue;
    for (const testsupport::PictureSegment& s : layer.segments) {
      for (const auto& [px, py] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
        const ScriptPoint p{-0.3 * S + px / (11880 / 15.0) * 1.6 * S, 1.25 * lmax - py / kFormHeight * 1.35 * lmax};
        if (c.X(1) < p.x && p.x < c.X(c.n())) found.push_back(p);
      }
    }
  }
  return found;
}

// The barge with the aft draft of its first trim line at 3.0 m forward, one
// zone at 85 %: of the spline's four intervals only the fore one leaves the
// possible lengths (it dips to -5.4 m); the aft one stays above the base line
// (0.5 m at its lowest) and under the terminal line.  Only the fore interval
// is drawn by the monotone cubic, in the script and in graph 5; the others
// keep the spline.
TEST(CurveDrawingTest, OnlyTheIntervalThatLeavesThePossibleLengthsChanges) {
  TaskText task = BargeTask();
  task.lines[0] = {4.924, 3.0};
  task.zones = {{0, 60, 85}};
  const StepsResult r = RunProgramWith(task, Barge());
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedScript script = ScriptOf(r);
  ASSERT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  constexpr double c = 200.0 / 60;
  const CurveThrough curve(script, 1, c);
  ASSERT_EQ(curve.n(), 5);
  EXPECT_LT(curve.LowestSpline(4), -5);
  EXPECT_GT(curve.LowestSpline(1), 0.4);
  for (const int k : {1, 2, 3}) EXPECT_GT(curve.LowestSpline(k), 0) << k;

  const auto polylines = script.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(polylines.size(), 1u);
  std::vector<ScriptPoint> script_points;
  for (const ScriptPoint& s : polylines[0]->points) script_points.push_back({(s.x - 50) / c, (s.y - 70) / c});
  const auto graphs = PicturesWith(r, "YARALI BOLME BOYU DEGERLERI - l");
  ASSERT_EQ(graphs.size(), 1u);
  const struct {
    const char* drawing;
    std::vector<ScriptPoint> points;
    double tolerance;
  } drawings[] = {{"script", script_points, 1e-9}, {"graph 5", GraphCurve(graphs[0], 60, curve), 0.002}};
  for (const auto& d : drawings) {
    int onSpline[5] = {}, offSpline[5] = {};
    bool throughPoint4 = false;
    for (const ScriptPoint& s : d.points) {
      const int k = curve.IntervalOf(s.x);
      throughPoint4 = throughPoint4 || (std::fabs(s.x - curve.X(4)) < d.tolerance &&
                                        std::fabs(s.y - curve.l(4)) < d.tolerance);
      if (k == 0) continue;
      EXPECT_NEAR(s.y, k == 4 ? curve.Monotone(s.x) : curve.Spline(s.x), d.tolerance) << d.drawing << " at " << s.x;
      EXPECT_GE(s.y, -d.tolerance) << d.drawing << " at " << s.x;
      // Where the two curves part by more than a centimetre.
      if (std::fabs(curve.Spline(s.x) - curve.Monotone(s.x)) > 0.01) ++(k == 4 ? offSpline : onSpline)[k];
    }
    // Both curves are told apart in every interval.
    for (const int k : {1, 2, 3}) EXPECT_GT(onSpline[k], 5) << d.drawing << " " << k;
    EXPECT_GT(offSpline[4], 50) << d.drawing;
    // A vertex at the point where the drawing changes from one curve to the
    // other.
    EXPECT_TRUE(throughPoint4) << d.drawing;
  }
}

// The example with its three zones' lines ("0, 15, 80", "15, 85, 60",
// "85, 100, 95") replaced by `zones` (none when empty).
StepsResult RunExample(const std::string& zones = "") {
  return RunSteps([](platform::Session& s, platform::OutputFile&) { RunFloodableLengthProgram(s); }, "",
                  [&](const std::filesystem::path& dir) {
                    const std::filesystem::path examples = testsupport::ExamplesDirectory();
                    std::filesystem::copy_file(examples / "ORNEK.DAT", dir / "ORNEK.DAT");
                    std::string task = testsupport::ReadFile(examples / kTaskFileName);
                    const std::string given = "\r\n0, 15, 80\r\n15, 85, 60\r\n85, 100, 95\r\n";
                    const auto at = task.find(given);
                    ASSERT_NE(at, std::string::npos);
                    if (!zones.empty()) task.replace(at, given.size(), zones);
                    testsupport::WriteFile(dir / kTaskFileName, task);
                  });
}

// The example's curves are the curve routine's in the script (the spline
// at its steps, the parabola at a zone's start) and the splines in graph 5,
// within 1 mm: on the example no interval leaves the possible lengths,
// although the monotone cubic lies more than a metre away from the spline
// near every end point.
TEST(CurveDrawingTest, TheExamplesCurvesAreTheSplinesThroughTheirPoints) {
  const StepsResult r = RunExample();
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedScript script = ScriptOf(r);
  ASSERT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  const auto polylines = script.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  const auto graphs = PicturesWith(r, "YARALI BOLME BOYU DEGERLERI - l");
  ASSERT_EQ(polylines.size(), 3u);
  ASSERT_EQ(graphs.size(), 3u);
  for (int p = 1; p <= 3; ++p) {
    const CurveThrough curve(script, p, 2);
    ASSERT_EQ(curve.n(), 7) << p;
    double apart = 0;
    const std::vector<ScriptPoint>& drawn = polylines[static_cast<std::size_t>(p - 1)]->points;
    for (std::size_t j = 0; j < drawn.size(); ++j) {
      const double x = (drawn[j].x - 50) / 2, l = (drawn[j].y - 70) / 2;
      const bool zoneStart = j == 0 && curve.IntervalOf(x) != 0;
      EXPECT_NEAR(l, zoneStart ? curve.Parabola(x) : curve.Spline(x), 0.001) << p << " at " << x;
      apart = std::max(apart, std::fabs(curve.Spline(x) - curve.Monotone(x)));
    }
    EXPECT_GT(apart, 1) << p;
    const std::vector<ScriptPoint> graph = GraphCurve(graphs[static_cast<std::size_t>(p - 1)], 100, curve);
    EXPECT_GT(graph.size(), 1500u) << p;
    for (const ScriptPoint& g : graph) EXPECT_NEAR(g.y, curve.Spline(g.x), 0.001) << p << " at " << g.x;
  }
}

double HeightOn(const Polyline& line, double x) {
  const ScriptPoint& a = line.points.at(0);
  const ScriptPoint& b = line.points.at(1);
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

// The 80 % end point (12.7 m) lies beyond its zone's end: no 80 % curve, as
// before; but the boundary at 10 m was lost with it, and the 80 % label
// stood in the 60 % zone.  Every boundary is drawn: at 10 m, where no curve
// reaches, as high as the aft terminal line there; at 85 m as the longer of
// the two curves.  A zone without its curve has no label.  The 60 % curve
// starts exactly at its end point (16.35 m), no longer at the first step past
// it.
TEST(CurveDrawingTest, EveryZoneBoundaryIsDrawnWhateverTheCurves) {
  // The example with its first two zones at 0-10 m (80 %) and 10-85 m (60 %).
  const StepsResult r = RunExample("\r\n0, 10, 80\r\n10, 85, 60\r\n85, 100, 95\r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedScript script = ScriptOf(r);
  ASSERT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  const auto X = [](double x) { return 50 + 2 * x; };

  const auto curves = script.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(curves.size(), 2u);  // 60 % and 95 %
  EXPECT_EQ(curves[0]->colour, 3);
  EXPECT_EQ(curves[1]->colour, 4);
  const auto ordinates = script.PolylinesOn("YB_Dogrulari", "Pline");
  ASSERT_EQ(ordinates.size(), 21u);
  // The first 60 % point, its ordinate's top, is where the curve starts.
  const ScriptPoint& first = ordinates[7]->points.at(1);
  EXPECT_EQ(curves[0]->points.front().x, first.x);
  EXPECT_EQ(curves[0]->points.front().y, first.y);
  EXPECT_NEAR(first.x, X(16.351), 0.002);

  const auto boundaries = script.PolylinesOn("PERM_BOLGE_DOGRULARI", "Pline");
  const auto aft = script.PolylinesOn("AFT_TERMINUS_Egrisi", "Pline");
  ASSERT_EQ(boundaries.size(), 2u);
  ASSERT_EQ(aft.size(), 1u);
  const Polyline& at10 = *boundaries[0];
  const Polyline& at85 = *boundaries[1];
  EXPECT_EQ(at10.colour, 2);
  EXPECT_EQ(at85.colour, 3);
  EXPECT_EQ(at10.points.at(0).x, X(10));
  EXPECT_EQ(at10.points.at(0).y, 70);
  EXPECT_EQ(at10.points.at(1).x, X(10));
  // The aft terminal line from the counter stern (-4.4 m) to the 80 % end
  // point: 21.40 m over 10 m.
  EXPECT_NEAR(at10.points.at(1).y, HeightOn(*aft[0], X(10)), 1e-9);
  EXPECT_NEAR((at10.points.at(1).y - 70) / 2, 21.40, 0.01);
  EXPECT_EQ(at85.points.at(0).x, X(85));
  EXPECT_EQ(at85.points.at(1).x, X(85));
  EXPECT_EQ(curves[0]->points.back().x, X(85));
  EXPECT_EQ(curves[1]->points.front().x, X(85));
  // At 85 m the longer of the two curves' lengths there, each the curve
  // routine's parabola through its three points around 85 m; the 95 % curve
  // starts at its own.
  const CurveThrough at60(script, 2, 2), at95(script, 3, 2);
  EXPECT_NEAR(at85.points.at(1).y, 70 + 2 * std::max(at60.Parabola(85), at95.Parabola(85)), 1e-9);
  EXPECT_NEAR(curves[1]->points.front().y, 70 + 2 * at95.Parabola(85), 1e-9);

  EXPECT_EQ(script.FindText("Perm=% 80.0"), nullptr);
  const auto* label60 = script.FindText("Perm=% 60.0");
  const auto* label95 = script.FindText("Perm=% 95.0");
  ASSERT_NE(label60, nullptr);
  ASSERT_NE(label95, nullptr);
  EXPECT_GT(label60->at.x, X(10));
  EXPECT_LT(label60->at.x, X(85));
  EXPECT_GT(label95->at.x, X(85));

  // The combined graph: both boundaries, from the base line, at heights in
  // the script's proportion; the one at 10 m on the aft terminal line.
  const auto combined = PicturesWith(r, "PERMEABILITE'YE BAGLI YARALI BOLME BOYU DEGISIMI");
  ASSERT_EQ(combined.size(), 1u);
  const auto vertical = [&](const std::string& colour, double x) {
    std::vector<testsupport::PictureSegment> found;
    for (const testsupport::PictureLayer& layer : combined[0].layers) {
      if (layer.colour != colour) continue;
      for (const testsupport::PictureSegment& s : layer.segments) {
        const double px = (x + 30) * kPixelsAMetre;
        if (std::fabs(s.x1 - px) < 0.002 && std::fabs(s.x2 - px) < 0.002) found.push_back(s);
      }
    }
    return found;
  };
  const auto line10 = vertical("#008000", 10);
  const auto line85 = vertical("#008080", 85);
  ASSERT_EQ(line10.size(), 1u);
  ASSERT_EQ(line85.size(), 1u);
  for (const auto& s : {line10[0], line85[0]}) EXPECT_NEAR(std::max(s.y1, s.y2), kBaseLinePixel, 0.001);
  const double h10 = kBaseLinePixel - std::min(line10[0].y1, line10[0].y2);
  const double h85 = kBaseLinePixel - std::min(line85[0].y1, line85[0].y2);
  // The combined graph's curves are the splines through the points, their
  // lengths at 85 m the splines' there.
  EXPECT_NEAR(h10 / h85, (at10.points[1].y - 70) / 2 / std::max(at60.Spline(85), at95.Spline(85)), 1e-4);
  // The aft terminal line, in the colour of the first permeability, runs from
  // the base line to its top.
  bool onTerminal = false;
  for (const testsupport::PictureLayer& layer : combined[0].layers) {
    if (layer.colour != "#008000") continue;
    for (const testsupport::PictureSegment& s : layer.segments) {
      if (std::fabs(s.y1 - kBaseLinePixel) > 0.001 || s.x2 <= s.x1 + 1) continue;
      const double y = s.y1 + (s.y2 - s.y1) * ((10 + 30) * kPixelsAMetre - s.x1) / (s.x2 - s.x1);
      onTerminal = onTerminal || std::fabs(y - (kBaseLinePixel - h10)) < 0.005;
    }
  }
  EXPECT_TRUE(onTerminal);
}

// The fore end mirrored: the example's zones at 0-15 m (80 %), 15-90 m
// (60 %) and 90-100 m (95 %).  The 95 % end point (89.99 m) lies before its
// zone's start: no 95 % curve and no 95 % label; the boundary at 90 m, which
// no curve reaches, is as high as the fore terminal line there, in the
// script and in the combined graph.  The 60 % curve ends exactly at its end
// point (85.48 m), before its zone's end.
TEST(CurveDrawingTest, EveryZoneBoundaryIsDrawnAtTheForeEndToo) {
  const StepsResult r = RunExample("\r\n0, 15, 80\r\n15, 90, 60\r\n90, 100, 95\r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedScript script = ScriptOf(r);
  ASSERT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  const auto X = [](double x) { return 50 + 2 * x; };

  const auto curves = script.PolylinesOn("YBB_Egrisi_Parabolic_Int");
  ASSERT_EQ(curves.size(), 2u);  // 80 % and 60 %
  EXPECT_EQ(curves[0]->colour, 2);
  EXPECT_EQ(curves[1]->colour, 3);
  const CurveThrough at60(script, 2, 2), at95(script, 3, 2);
  ASSERT_EQ(at60.n(), 7);
  ASSERT_EQ(at95.n(), 7);
  EXPECT_NEAR(at60.X(7), 85.483, 0.001);
  EXPECT_NEAR(at95.X(7), 89.991, 0.001);
  EXPECT_NEAR(curves[1]->points.back().x, X(at60.X(7)), 1e-9);
  EXPECT_NEAR(curves[1]->points.back().y, 70 + 2 * at60.l(7), 1e-9);

  const auto boundaries = script.PolylinesOn("PERM_BOLGE_DOGRULARI", "Pline");
  const auto fore = script.PolylinesOn("FORE_TERMINUS_Egrisi", "Pline");
  ASSERT_EQ(boundaries.size(), 2u);
  ASSERT_EQ(fore.size(), 1u);
  const Polyline& at90 = *boundaries[1];
  EXPECT_EQ(at90.colour, 3);
  EXPECT_EQ(at90.points.at(0).x, X(90));
  EXPECT_EQ(at90.points.at(0).y, 70);
  EXPECT_EQ(at90.points.at(1).x, X(90));
  // The fore terminal line from the stem's top (101.15 m) to the 95 % end
  // point: 20.00 m over 90 m.
  EXPECT_NEAR(at90.points.at(1).y, HeightOn(*fore[0], X(90)), 1e-9);
  EXPECT_NEAR((at90.points.at(1).y - 70) / 2, 20.00, 0.01);

  EXPECT_EQ(script.FindText("Perm=% 95.0"), nullptr);
  EXPECT_NE(script.FindText("Perm=% 80.0"), nullptr);
  EXPECT_NE(script.FindText("Perm=% 60.0"), nullptr);

  // The combined graph's boundary at 90 m, from the base line to the same
  // height, lmax the longest point of all curves.
  const auto combined = PicturesWith(r, "PERMEABILITE'YE BAGLI YARALI BOLME BOYU DEGISIMI");
  ASSERT_EQ(combined.size(), 1u);
  double lmax = 0;
  for (const CurveThrough* c : {&at60, &at95}) {
    for (int b = 1; b <= c->n(); ++b) lmax = std::max(lmax, c->l(b));
  }
  int found = 0;
  for (const testsupport::PictureLayer& layer : combined[0].layers) {
    if (layer.colour != "#008080") continue;
    for (const testsupport::PictureSegment& s : layer.segments) {
      const double px = (90 + 30) * kPixelsAMetre;
      if (std::fabs(s.x1 - px) > 0.002 || std::fabs(s.x2 - px) > 0.002) continue;
      ++found;
      EXPECT_NEAR(std::max(s.y1, s.y2), kBaseLinePixel, 0.001);
      const double h = (kBaseLinePixel - std::min(s.y1, s.y2)) / kFormHeight * 1.35 * lmax;
      EXPECT_NEAR(h, (at90.points.at(1).y - 70) / 2, 0.005);
    }
  }
  EXPECT_EQ(found, 1);
}

}  // namespace
}  // namespace flood

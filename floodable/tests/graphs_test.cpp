// The screen graphs of the 80 m box, read from the form at each pause, and the
// guards of the drawing's pieces.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "box_fixture.hpp"
#include "common/platform/run_program.hpp"
#include "floodable/compartments.hpp"
#include "floodable/driver.hpp"
#include "floodable/graphs.hpp"
#include "floodable/trim_lines.hpp"

namespace flood {
namespace {

using namespace boxtest;

// Answers every question with an empty line, and lets the test look at the
// forms first, as the user does.
class Watcher : public std::streambuf {
 public:
  std::function<void()> beforeAnswer;

 protected:
  int_type underflow() override {
    if (beforeAnswer) beforeAnswer();
    setg(line_, line_, line_ + 1);
    return traits_type::to_int_type('\n');
  }

 private:
  char line_[1] = {'\n'};
};

// A drawn item as the form holds it (in pixels), kept at a pause.
struct Drawn {
  platform::FormItem::Kind kind;
  double x1, y1, x2, y2;
  platform::RgbColour colour;
  std::string text;
};
std::vector<Drawn> Snapshot(const platform::ConsoleForm& form) {
  std::vector<Drawn> items;
  for (const platform::FormItem& it : form.Items()) {
    items.push_back({it.kind, it.x1, it.y1, it.x2, it.y2, form.Colour(it),
                     it.kind == platform::FormItem::kText ? form.Text(it) : std::string()});
  }
  return items;
}

// A drawn item in the coordinates of its graph.
struct Item {
  platform::FormItem::Kind kind;
  double x1, y1, x2, y2;
  platform::RgbColour colour;
  std::string text;
};
struct Extent {
  double left, top, right, bottom;
};
std::vector<Item> InGraph(const std::vector<Drawn>& items, Extent e) {
  const double ppuX = 11880 / 15.0 / (e.right - e.left);
  const double ppuY = 8595 / 15.0 / (e.bottom - e.top);
  std::vector<Item> out;
  for (const Drawn& it : items) {
    Item u{it.kind, it.x1 / ppuX + e.left, it.y1 / ppuY + e.top, 0, 0, it.colour, it.text};
    if (it.kind == platform::FormItem::kCircle) {
      u.x2 = it.x2 / std::fabs(ppuX);
    } else {
      u.x2 = it.x2 / ppuX + e.left;
      u.y2 = it.y2 / ppuY + e.top;
    }
    out.push_back(u);
  }
  return out;
}
bool HasLine(const std::vector<Item>& items, int colour, double x1, double y1, double x2, double y2, double tol) {
  for (const Item& u : items) {
    if (u.kind == platform::FormItem::kLine && u.colour == platform::PaletteColour(colour) &&
        std::fabs(u.x1 - x1) < tol && std::fabs(u.y1 - y1) < tol && std::fabs(u.x2 - x2) < tol &&
        std::fabs(u.y2 - y2) < tol)
      return true;
  }
  return false;
}

// The box run to its combined graph, the form's items kept at every pause.
struct GraphRun {
  FloodRun run;
  std::vector<std::vector<Drawn>> pauses;
  std::vector<std::string> pictures;
  std::string out;
  int status = 0;
};
GraphRun RunGraphs(FloodRun run) {
  GraphRun g;
  testsupport::ScratchDirectory dir("floodable-graphs");
  Watcher watcher;
  std::istream in(&watcher);
  std::ostringstream out, err;
  {
    platform::Session session(in, out, err, dir.Path());
    watcher.beforeAnswer = [&] { g.pauses.push_back(Snapshot(GraphForm(session))); };
    g.status = platform::RunProgram(session, [&](platform::Session& s) {
      platform::OutputFile& report = s.CreateOutput("REPORT.SON");
      TrimmedDisplacements(s, report, run);
      ComputeFloodedWater(s, report, run);
      RunPermeabilities(s, report, run);
    });
    for (const auto& p : session.ScreenFiles()) g.pictures.push_back(p.filename().string());
  }
  g.out = out.str();
  g.run = std::move(run);
  return g;
}

TEST(GraphsTest, FiveGraphsPerPermeabilityAndTheCombinedGraph) {
  auto run = BoxRun(BoxTrimLines(), {{0, 40, 60}, {40, 80, 95}});
  run.task.BulkheadCount = 3;
  run.task.BulkheadPositions(1) = 10;
  run.task.BulkheadPositions(2) = 30;
  run.task.BulkheadPositions(3) = 55;
  BuildCompartmentTriangles(run.task.BulkheadPositions, run.CompartmentTriangles, 3);
  const GraphRun g = RunGraphs(std::move(run));
  ASSERT_EQ(g.status, 0);
  ASSERT_EQ(g.pauses.size(), 11u);
  EXPECT_EQ(g.pictures.size(), 11u);  // one picture for each pause

  // Graph 1: the flooded volumes of the trim lines marked at their indices.
  const double v2max = 2807.04;
  const std::vector<Item> graph1 = InGraph(g.pauses[0], {0, 1.25 * v2max, 6, -0.1 * v2max});
  const double v2[] = {1655.04, 2231.04, 2807.04, 2231.04, 1655.04};
  for (int m = 1; m <= 5; ++m) {
    int marks = 0;
    for (const Item& u : graph1) {
      if (u.kind == platform::FormItem::kCircle && std::fabs(u.x1 - m) < 1e-6 && std::fabs(u.y1 - v2[m - 1]) < 1e-3)
        ++marks;
    }
    EXPECT_EQ(marks, 3) << m;
  }
  EXPECT_TRUE(HasLine(graph1, 13, 1, v2[0], 2, v2[1], 1e-3));

  // Graph 5 of 60 %: the curve passes through every curve point to its chord.
  const FloodRun& r = g.run;
  double lmax = 0;
  for (int m = 1; m <= 5; ++m) lmax = std::max(lmax, r.curves.CurvePointLength(m + 1, 1));
  const std::vector<Item> graph5 = InGraph(g.pauses[4], {-24, 1.25 * lmax, 104, -0.1 * lmax});
  std::vector<Item> chords;
  for (const Item& u : graph5) {
    if (u.kind == platform::FormItem::kLine && u.colour == platform::PaletteColour(1) && u.x2 > u.x1) chords.push_back(u);
  }
  const double first = r.curves.CurvePointX(1, 1), last = r.curves.CurvePointX(7, 1);
  // A thousand steps, a vertex at 1A's and 1F's points, where the spline
  // gives way to the monotone cubic in the end intervals (there it rises 7.5 m
  // above the terminal lines), and the base line.
  ASSERT_EQ(chords.size(), 1000u + 2 + 1);
  const double step = (last - first) / 1000;
  for (int b = 1; b <= 7; ++b) {
    const double x = r.curves.CurvePointX(b, 1), l = r.curves.CurvePointLength(b, 1);
    bool through = false;
    for (const Item& c : chords) {
      if (c.x2 - c.x1 > step * 1.01) continue;  // the base line
      if (x >= c.x1 - 1e-6 && x <= c.x2 + 1e-6) {
        const double y = c.y1 + (c.y2 - c.y1) * (x - c.x1) / (c.x2 - c.x1);
        through = through || std::fabs(y - l) < 1e-3;
      }
    }
    EXPECT_TRUE(through) << b;
    // Its ordinate, in colour 3 at the end points.
    EXPECT_TRUE(HasLine(graph5, b == 1 || b == 7 ? 3 : 5, x, 0, x, l, 1e-6)) << b;
  }

  // The combined graph holds the compartment triangles between the bulkheads.
  double lall = 0;
  for (int p = 1; p <= 2; ++p) {
    for (int b = 1; b <= 7; ++b) lall = std::max(lall, r.curves.CurvePointLength(b, p));
  }
  const std::vector<Item> combined = InGraph(g.pauses[10], {-24, 1.25 * lall, 104, -0.1 * lall});
  EXPECT_TRUE(HasLine(combined, 5, 10, 0, 20, 20, 1e-6));
  EXPECT_TRUE(HasLine(combined, 5, 30, 0, 42.5, 25, 1e-6));
  EXPECT_TRUE(HasLine(combined, 5, 20, 20, 30, 0, 1e-6));
  EXPECT_TRUE(HasLine(combined, 5, 42.5, 25, 55, 0, 1e-6));
  // The boundary between the zones at 40 m, as high as PAR.'s length at 60 %.
  EXPECT_TRUE(HasLine(combined, 2, 40, 0, 40, r.curves.CurvePointLength(4, 1), 1e-3));
}

// A point marked as not found is in no graph; a curve whose found points are
// not in order along the ship is not drawn, and the terminal says so.
TEST(GraphsTest, MarkedPointsAndPointsOutOfOrderDrawNoCurve) {
  auto run = BoxRun(BoxTrimLines(), {{0, 80, 60}});
  GraphRun g = RunGraphs(std::move(run));
  ASSERT_EQ(g.status, 0);
  FloodRun& r = g.run;

  r.curves.CurvePointNotFound(4, 1) = 1;  // PAR.
  const FoundCurve found = FoundCurvePoints(r, 1);
  ASSERT_EQ(found.n, 6);
  EXPECT_EQ(found.X(4), r.curves.CurvePointX(5, 1));
  EXPECT_TRUE(found.Fittable());

  // The aft end point forward of the first trim line's centre.
  r.curves.CurvePointNotFound(4, 1) = 0;
  r.curves.CurvePointX(1, 1) = 35;
  EXPECT_FALSE(FoundCurvePoints(r, 1).Fittable());
  Watcher watcher;
  std::istream in(&watcher);
  std::ostringstream out, err;
  testsupport::ScratchDirectory dir("floodable-graphs");
  platform::Session session(in, out, err, dir.Path());
  std::vector<std::vector<Drawn>> pauses;
  watcher.beforeAnswer = [&] { pauses.push_back(Snapshot(GraphForm(session))); };
  r.curves.CurvePointNotFound(6, 1) = 1;  // 1F
  ShowPermeabilityGraphs(session, r, 1);
  EXPECT_NE(out.str().find("egri cizilmedi"), std::string::npos);
  ASSERT_EQ(pauses.size(), 5u);
  double lmax = 0;
  for (const int b : {2, 3, 4, 6}) lmax = std::max(lmax, r.curves.CurvePointLength(b, 1));
  const std::vector<Item> graph5 = InGraph(pauses[4], {-24, 1.25 * lmax, 104, -0.1 * lmax});
  int ordinates = 0, chords = 0;
  for (const Item& u : graph5) {
    if (u.kind != platform::FormItem::kLine) continue;
    if (std::fabs(u.x1 - u.x2) < 1e-9) ++ordinates;
    if (u.colour == platform::PaletteColour(1)) ++chords;
  }
  EXPECT_EQ(ordinates, 6);  // every point but 1F's
  EXPECT_EQ(chords, 1);     // the base line alone
  EXPECT_FALSE(HasLine(graph5, 5, r.curves.CurvePointX(6, 1), 0, r.curves.CurvePointX(6, 1),
                       r.curves.CurvePointLength(6, 1), 1e-3));
  session.Finish(true);
}

TEST(GraphsTest, StepsOfAZoneAndExtentsOfAGraph) {
  std::vector<double> xs;
  ForEachStep(10, 20, 100, [&](double x) { xs.push_back(x); });
  ASSERT_EQ(xs.size(), 100u);
  EXPECT_DOUBLE_EQ(xs.front(), 10.1);
  EXPECT_EQ(xs.back(), 20.0);  // the last step ends exactly at the zone's end
  xs.clear();
  ForEachStep(40, 40, 100, [&](double x) { xs.push_back(x); });  // a zone of no width
  ForEachStep(50, 40, 100, [&](double x) { xs.push_back(x); });  // a reversed zone
  EXPECT_TRUE(xs.empty());

  // A graph of zeros gets a height of 1 about 0; others keep theirs.
  const VerticalExtent zero = GraphExtent(0, 0);
  EXPECT_EQ(zero.top, 0.5);
  EXPECT_EQ(zero.bottom, -0.5);
  const VerticalExtent some = GraphExtent(1.25 * 8, -0.1 * 8);
  EXPECT_EQ(some.top, 10);
  EXPECT_EQ(some.bottom, -0.8);
}

}  // namespace
}  // namespace flood

// The floodable length of the 80 m box against its closed forms: volumes and
// centres under the trim lines, the flooded water, the lengths and centres of
// the floodable compartments and the end points of the curve.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "box_fixture.hpp"
#include "floodable/driver.hpp"
#include "floodable/trials.hpp"
#include "floodable/trim_lines.hpp"
#include "wigley_fixture.hpp"

namespace flood {
namespace {

using namespace boxtest;

StepsResult RunBox(FloodRun& run) {
  return RunSteps([&](platform::Session& s, platform::OutputFile& report) {
    TrimmedDisplacements(s, report, run);
    ComputeFloodedWater(s, report, run);
    RunPermeabilities(s, report, run);
  });
}

// The report's numbers are cut, not rounded, to their printed decimals.
void ExpectPrinted(double printed, double exact, double unit, const std::string& what) {
  EXPECT_LE(printed, exact + 1e-9) << what;
  EXPECT_GT(printed, exact - unit) << what;
}

TEST(TrimLinesTest, VolumesCentresAndFloodedWaterOfTheBox) {
  auto run = BoxRun();
  const StepsResult r = RunBox(*run);
  ASSERT_EQ(r.status, 0) << r.err;

  const std::vector<Drafts> lines = BoxTrimLines();
  const std::vector<double> V = NumbersAfter(r.report, "HESAPLANAN DEPLASMAN = ");
  const std::vector<double> lcb = NumbersAfter(r.report, "HESAPLANAN LCB = ");
  const std::vector<double> xw = NumbersAfter(r.report, " YARALI SU LCG DEGERI (AP den) - xw = ");
  const std::vector<double> v2 = NumbersAfter(r.report, " YARALI SU HACMI               - v2 = ");
  ASSERT_EQ(V.size(), 6u);
  ASSERT_EQ(lcb.size(), 6u);
  ASSERT_EQ(xw.size(), 5u);  // one permeability
  for (std::size_t m = 0; m < 5; ++m) {
    const std::string line = "line " + std::to_string(m + 1);
    ExpectPrinted(V[m], Volume(lines[m]), 0.01, line);
    ExpectPrinted(lcb[m], Lcb(lines[m]), 0.01, line);
    ExpectPrinted(v2[m], FloodedVolume(lines[m]), 0.1, line);
    ExpectPrinted(xw[m], FloodedCentre(lines[m]), 0.001, line);
  }
  ExpectPrinted(V[5], 4800, 0.01, "load waterline");
  ExpectPrinted(lcb[5], 40, 0.01, "load waterline");

  // The figures of the box as a naval architect works them by hand.
  const double expected[5][4] = {{6455.040, 37.620, 1655.040, 30.719},
                                 {7031.040, 38.908, 2231.040, 36.558},
                                 {7607.040, 40.000, 2807.040, 40.000},
                                 {7031.040, 41.092, 2231.040, 43.442},
                                 {6455.040, 42.380, 1655.040, 49.281}};
  for (int m = 1; m <= 5; ++m) {
    EXPECT_NEAR(run->trim.TrimmedVolume(m), expected[m - 1][0], 0.001) << m;
    EXPECT_NEAR(run->trim.TrimmedLcb(m), expected[m - 1][1], 0.001) << m;
    EXPECT_NEAR(run->trim.FloodedWaterVolume(m), expected[m - 1][2], 0.001) << m;
    EXPECT_NEAR(run->trim.FloodedWaterLcg(m), expected[m - 1][3], 0.001) << m;
  }
}

// A steep line: the local draft above the deck takes the whole section, one
// below the base line none.
TEST(TrimLinesTest, LocalDraftsAboveTheTopAndBelowTheBase) {
  auto run = BoxRun({{8.4, 6.0}, {9.0, -1.0}, {kMargin, kMargin}}, {{0, 80, 60}}, 0, {2.0, 2.0});
  const StepsResult r = RunSteps([&](platform::Session& s, platform::OutputFile& report) { TrimmedDisplacements(s, report, *run); });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_DOUBLE_EQ(run->trim.TrimSectionArea(1, 1), 96.0);
  EXPECT_DOUBLE_EQ(run->trim.TrimSectionArea(1, 2), 96.0);
  EXPECT_NEAR(run->trim.TrimSectionArea(1, 3), 12 * (8.4 - 0.6), 1e-9);
  // 9 - 10 x / 80 is below 0 forward of 72 m.
  EXPECT_DOUBLE_EQ(run->trim.TrimSectionArea(2, 9), 0.0);
  EXPECT_NEAR(run->trim.TrimSectionArea(2, 8), 12 * 0.25, 1e-9);
  EXPECT_NE(r.report.find(" 9   80.000    0.000    0.000"), std::string::npos);
  EXPECT_NE(r.report.find(" 1    0.000    8.400   96.000"), std::string::npos);
  EXPECT_NE(r.report.find(" 2   10.000    8.100   96.000"), std::string::npos);
}

struct LengthCase {
  double mu;
  // l and xc of 2A, 1A, PAR., 1F, 2F as worked by hand, and the even-keel
  // length 100 L (Tm - T0) / (mu Tm).
  double figures[5][2];
  double evenKeel;
};
void PrintTo(const LengthCase& c, std::ostream* os) { *os << "permeability " << c.mu << " %"; }

// The trials of permeability 1 on a run whose trim lines and flooded water
// are worked first.
PermeabilityTrials TrialsOf(FloodRun& run, StepsResult& r) {
  PermeabilityTrials trials;
  r = RunSteps([&](platform::Session& s, platform::OutputFile& report) {
    TrimmedDisplacements(s, report, run);
    ComputeFloodedWater(s, report, run);
    trials = FloodableLengthTrials(run, 1);
  });
  return trials;
}

class FloodableLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(FloodableLengthTest, CompartmentsLoseTheFloodedWatersBuoyancy) {
  const LengthCase& c = GetParam();
  const std::vector<Drafts> lines = BoxTrimLines();
  EXPECT_NEAR(c.evenKeel, 100 * kLength * (kMargin - kLoadDraft) / (c.mu * kMargin), 0.001);
  for (int m = 1; m <= 5; ++m) {
    const Compartment exact = LostBuoyancy(lines[static_cast<std::size_t>(m - 1)], c.mu);
    EXPECT_NEAR(exact.length, c.figures[m - 1][0], 0.001) << m;
    EXPECT_NEAR(exact.centre, c.figures[m - 1][1], 0.001) << m;
  }
  // The same box with its stations from 10 to 90 m: the same lengths, the
  // centres 10 m further forward; and the box as a 4 m model, every length a
  // twentieth.  The trials end within 9e-6 m of the exact compartment (of
  // the full-size box), in their third trial.
  const struct {
    double x0, scale;
  } boxes[] = {{0, 1}, {10, 1}, {0, 0.05}};
  for (const auto& b : boxes) {
    auto run = BoxRun(lines, {{b.x0, b.x0 + kLength, c.mu}}, b.x0);
    ScaleRun(*run, b.scale);
    StepsResult r;
    const PermeabilityTrials trials = TrialsOf(*run, r);
    ASSERT_EQ(r.status, 0) << r.err;
    for (int m = 1; m <= 5; ++m) {
      const Compartment exact = LostBuoyancy(lines[static_cast<std::size_t>(m - 1)], c.mu);
      const LineTrials& found = trials.Line(m);
      const std::string where = "x0 " + testsupport::Num(b.x0) + ", scale " + testsupport::Num(b.scale) +
                                ", line " + std::to_string(m);
      EXPECT_TRUE(found.converged) << where;
      EXPECT_EQ(found.trials.size(), 3u) << where;
      EXPECT_NEAR(found.length / b.scale, exact.length, 2e-5) << where;
      EXPECT_NEAR(found.centre / b.scale, b.x0 + exact.centre, 2e-5) << where;
    }
    EXPECT_NEAR(trials.Line(3).length / b.scale, c.evenKeel, 0.001);
  }
}

INSTANTIATE_TEST_SUITE_P(Box, FloodableLengthTest,
                         ::testing::Values(LengthCase{60,
                                                      {{32.881, 31.106},
                                                       {42.038, 36.857},
                                                       {49.201, 40.000},
                                                       {42.038, 43.143},
                                                       {32.881, 48.894}},
                                                      49.201},
                                           LengthCase{95,
                                                      {{20.746, 30.873},
                                                       {26.540, 36.677},
                                                       {31.074, 40.000},
                                                       {26.540, 43.323},
                                                       {20.746, 49.127}},
                                                      31.074}),
                         [](const ::testing::TestParamInfo<LengthCase>& info) {
                           return "Permeability" + std::to_string(static_cast<int>(info.param.mu));
                         });

// The trials ask the same of a ship and of its model: on the Wigley-type hull
// at full size and as 10 m and 5 m models, the same trials, the lengths and
// centres in the same proportion.
TEST(TrialsTest, AModelIsTriedAsItsShip) {
  auto ship = wigleytest::WigleyRun();
  StepsResult r;
  const PermeabilityTrials full = TrialsOf(*ship, r);
  ASSERT_EQ(r.status, 0) << r.err;
  for (const double scale : {0.1, 0.05}) {
    auto model = wigleytest::WigleyRun();
    ScaleRun(*model, scale);
    const PermeabilityTrials trials = TrialsOf(*model, r);
    ASSERT_EQ(r.status, 0) << r.err;
    for (int m = 1; m <= 7; ++m) {
      const LineTrials& a = full.Line(m);
      const LineTrials& b = trials.Line(m);
      const std::string where = "scale " + testsupport::Num(scale) + ", line " + std::to_string(m);
      EXPECT_TRUE(b.converged) << where;
      EXPECT_EQ(b.trials.size(), a.trials.size()) << where;
      // Within 5e-6 m at full size: the fixed guards of the spline fit do
      // not scale with the hull.
      EXPECT_NEAR(b.length / scale, a.length, 1e-5) << where;
      EXPECT_NEAR(b.centre / scale, a.centre, 1e-5) << where;
    }
  }
}

// End points: two compartments from each end of the ship, 0.9 and 1.1 times
// the end trim line's length, interpolated to the flooded volume of that line;
// their centres read from the flooded volumes and centres of the lines
// between the end and the even-keel line.
TEST(EndPointsTest, BothEndsOfTheBox) {
  const std::vector<Drafts> lines = BoxTrimLines();
  const struct {
    double mu, length, exactRoot, aftCentre, foreCentre;
  } cases[] = {{60, 30.819, 30.805, 20.873, 55.273}, {95, 19.008, 19.005, 21.948, 54.770}};
  auto run = BoxRun(lines, {{0, 40, 60}, {40, 80, 95}});
  const StepsResult r = RunBox(*run);
  ASSERT_EQ(r.status, 0) << r.err;
  for (int p = 1; p <= 2; ++p) {
    const auto& c = cases[p - 1];
    const std::vector<CurveRow> rows = PermeabilityTable(r.report, p);
    ASSERT_EQ(rows.size(), 7u);
    // The secant through the two trial compartments, worked in closed form
    // from the exact length of the end line.
    const double l1 = LostBuoyancy(lines[0], c.mu).length;
    const double lA = 0.9 * l1, lB = 1.1 * l1;
    const double vA = FloodedIn(lines[0], 0, lA, c.mu), vB = FloodedIn(lines[0], 0, lB, c.mu);
    const double secant = lA + (lB - lA) * (FloodedVolume(lines[0]) - vA) / (vB - vA);
    EXPECT_NEAR(secant, c.length, 0.001);
    EXPECT_NEAR(rows[0].length, secant, 0.005) << p;
    EXPECT_NEAR(rows[6].length, secant, 0.005) << p;
    // The exact end root differs from the secant by less than 0.02 m.
    EXPECT_NEAR(rows[0].length, c.exactRoot, 0.02) << p;
    EXPECT_NEAR(rows[0].x, c.aftCentre, 0.005) << p;
    EXPECT_NEAR(rows[6].x, c.foreCentre, 0.005) << p;
    EXPECT_FALSE(rows[0].marked);
    EXPECT_FALSE(rows[6].marked);
  }
  // The outer zone limits become the end points.
  EXPECT_NEAR(run->task.ZoneStart(1), cases[0].aftCentre, 0.005);
  EXPECT_NEAR(run->task.ZoneEnd(2), cases[1].foreCentre, 0.005);
  EXPECT_EQ(run->task.ZoneEnd(1), 40);
  EXPECT_EQ(run->task.ZoneStart(2), 40);
}

// At 20 % the compartment volume (14035.2 m3 for the even-keel line) is more
// than the ship holds (7607.04 m3): no compartment can be found, and every
// point says so in the tables.
TEST(EndPointsTest, CompartmentsLongerThanTheShipAreMarkedNotFound) {
  auto run = BoxRun(BoxTrimLines(), {{0, 80, 20}});
  const StepsResult r = RunBox(*run);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NEAR(run->perm.CompartmentVolume(3), 14035.2, 1e-6);
  const std::vector<CurveRow> rows = PermeabilityTable(r.report, 1);
  ASSERT_EQ(rows.size(), 7u);
  for (const CurveRow& row : rows) EXPECT_TRUE(row.marked);
  int notes = 0;
  for (const std::string& line : Lines(r.report)) {
    if (line == "* YAKINSAMA OLMAMISTIR") ++notes;
    if (line.find("PAR.") != std::string::npos && line.find("       ") == 8) {
      EXPECT_EQ(line.substr(line.size() - 2), " *") << line;
    }
  }
  EXPECT_EQ(notes, 2);  // under the summary table and the permeability table
  EXPECT_NE(r.err.find("Trim hatti 3 (PAR.), permeabilite %20.0"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Kic taraftaki bitim noktasi"), std::string::npos);
  EXPECT_NE(r.err.find("Bas taraftaki bitim noktasi"), std::string::npos);
  // The task file's zone limits stay where no end point was found.
  EXPECT_EQ(run->task.ZoneStart(1), 0);
  EXPECT_EQ(run->task.ZoneEnd(1), 80);
}

TEST(RootTest, FalsePositionOnTheSplineThroughThePoints) {
  Vec X(4), Y(4);
  for (int i = 1; i <= 4; ++i) {
    X(i) = i - 1;
    Y(i) = 2.0 * (i - 1) + 1;  // a straight line: the spline is the line itself
  }
  double root = -1;
  EXPECT_TRUE(FindRootFalsePosition(4, X, Y, 4.0, root));
  EXPECT_NEAR(root, 1.5, 1e-6);
  EXPECT_TRUE(FindRootFalsePosition(4, X, Y, 1.0, root));  // at the first point, without a step
  EXPECT_EQ(root, 0.0);
  EXPECT_TRUE(FindRootFalsePosition(4, X, Y, 7.0, root));
  EXPECT_EQ(root, 3.0);
  EXPECT_FALSE(FindRootFalsePosition(4, X, Y, 9.0, root));
  EXPECT_EQ(root, 3.0);
  // A cubic: y = x^3 reaches 2 at its cube root.
  for (int i = 1; i <= 4; ++i) Y(i) = std::pow(X(i), 3);
  EXPECT_TRUE(FindRootFalsePosition(4, X, Y, 2.0, root));
  EXPECT_NEAR(root, std::cbrt(2.0), 1e-5);
}

}  // namespace
}  // namespace flood

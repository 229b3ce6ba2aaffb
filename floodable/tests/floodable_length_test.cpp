// The floodable length of the 80 m box against its closed forms: volumes and
// centres under the trim lines, the flooded water, the lengths and centres of
// the floodable compartments and the end points of the curve.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "box_fixture.hpp"
#include "floodable/driver.hpp"
#include "floodable/end_points.hpp"
#include "floodable/permeability_step.hpp"
#include "floodable/root_finder.hpp"
#include "floodable/tables.hpp"
#include "floodable/trials.hpp"
#include "floodable/trim_line_areas.hpp"
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
  const StepsResult r = RunBox(run);
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
    EXPECT_NEAR(run.trim.TrimmedVolume(m), expected[m - 1][0], 0.001) << m;
    EXPECT_NEAR(run.trim.TrimmedLcb(m), expected[m - 1][1], 0.001) << m;
    EXPECT_NEAR(run.trim.FloodedWaterVolume(m), expected[m - 1][2], 0.001) << m;
    EXPECT_NEAR(run.trim.FloodedWaterLcg(m), expected[m - 1][3], 0.001) << m;
    // The trials' area curve of the line holds the line's volume.
    EXPECT_NEAR(TrimLineAreas(run, m).Volume(), expected[m - 1][0], 0.001) << m;
  }
}

// A steep line: the local draft above the deck takes the whole section, one
// below the base line none.
TEST(TrimLinesTest, LocalDraftsAboveTheTopAndBelowTheBase) {
  auto run = BoxRun({{8.4, 6.0}, {9.0, -1.0}, {kMargin, kMargin}}, {{0, 80, 60}}, 0, {2.0, 2.0});
  const StepsResult r =
      RunSteps([&](platform::Session& s, platform::OutputFile& report) { TrimmedDisplacements(s, report, run); });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_DOUBLE_EQ(run.trim.TrimSectionArea(1, 1), 96.0);
  EXPECT_DOUBLE_EQ(run.trim.TrimSectionArea(1, 2), 96.0);
  EXPECT_NEAR(run.trim.TrimSectionArea(1, 3), 12 * (8.4 - 0.6), 1e-9);
  // 9 - 10 x / 80 is below 0 forward of 72 m.
  EXPECT_DOUBLE_EQ(run.trim.TrimSectionArea(2, 9), 0.0);
  EXPECT_NEAR(run.trim.TrimSectionArea(2, 8), 12 * 0.25, 1e-9);
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
  const struct { double x0, scale; } boxes[] = {{0, 1}, {10, 1}, {0, 0.05}};
  for (const auto& b : boxes) {
    auto run = BoxRun(lines, {{b.x0, b.x0 + kLength, c.mu}}, b.x0);
    ScaleRun(run, b.scale);
    StepsResult r;
    const PermeabilityTrials trials = TrialsOf(run, r);
    ASSERT_EQ(r.status, 0) << r.err;
    for (int m = 1; m <= 5; ++m) {
      const Compartment exact = LostBuoyancy(lines[static_cast<std::size_t>(m - 1)], c.mu);
      const LineTrials& found = trials.Line(m);
      const std::string where =
          "x0 " + testsupport::Num(b.x0) + ", scale " + testsupport::Num(b.scale) + ", line " + std::to_string(m);
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
  const PermeabilityTrials full = TrialsOf(ship, r);
  ASSERT_EQ(r.status, 0) << r.err;
  for (const double scale : {0.1, 0.05}) {
    auto model = wigleytest::WigleyRun();
    ScaleRun(model, scale);
    const PermeabilityTrials trials = TrialsOf(model, r);
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

// The waterlines through the margin points at the box's ends that hold the
// load displacement: the box's volume is B L (Ta + Tf) / 2, so the free draft
// is 2 T0 less the margin.
TEST(EndPointsTest, TheBoxsLoadWaterlinesOfTheEnds) {
  auto run = BoxRun();
  EndLoadWaterlines load;
  const StepsResult r = RunSteps([&](platform::Session& s, platform::OutputFile& report) {
    TrimmedDisplacements(s, report, run);
    ComputeFloodedWater(s, report, run);
    load = FindEndLoadWaterlines(run);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  for (const EndLoadWaterline& end : {load.aft, load.fore}) {
    EXPECT_TRUE(end.found);
    // Found to a ten-millionth of the load displacement: 1e-6 m of draft.
    EXPECT_NEAR(end.freeDraft, 2 * kLoadDraft - kMargin, 2e-6);
  }
}

// The end points of the box: the aft end from the margin point over the
// first station, the fore end mirrored, at each permeability of the ship.
TEST(EndPointsTest, TheBoxsEndsInClosedForm) {
  const std::vector<Drafts> lines = {{kMargin, 4.6}, {kMargin, 5.8}, {kMargin, 7.0}, {kMargin, kMargin},
                                     {7.0, kMargin}, {5.8, kMargin}, {4.6, kMargin}};
  auto run = BoxRun(lines, {{0, 40, 60}, {40, 80, 95}}, 0, {kLoadDraft, kLoadDraft}, 21);
  std::vector<EndPoints> ends;
  const StepsResult r = RunSteps([&](platform::Session& s, platform::OutputFile& report) {
    TrimmedDisplacements(s, report, run);
    ComputeFloodedWater(s, report, run);
    const EndLoadWaterlines load = FindEndLoadWaterlines(run);
    for (int p = 1; p <= 2; ++p) {
      FloodableLengthsOfPermeability(s, report, run, p, load);
      ends.push_back(ComputeEndPoints(run, p, load));
      FormCurvePoints(run, p);
    }
  });
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<double> printedLength = NumbersAfter(r.report, " YARALI BOLME BOYU      - l   =  ");
  const std::vector<double> printedCentre = NumbersAfter(r.report, " Y.B. BOYU BITIM NOKTASI - xc =  ");
  ASSERT_EQ(printedLength.size(), 4u);
  ASSERT_EQ(printedCentre.size(), 4u);
  const struct { double mu, length, freeDraft; } cases[] = {{60, 15.013, 3.773}, {95, 8.706, 3.667}};
  for (int p = 1; p <= 2; ++p) {
    const BoxEnd exact = BoxAftEnd(kMargin, cases[p - 1].mu);
    EXPECT_NEAR(exact.length, cases[p - 1].length, 0.001);
    EXPECT_NEAR(exact.freeDraft, cases[p - 1].freeDraft, 0.001);
    const EndPoints& e = ends[static_cast<std::size_t>(p - 1)];
    int k = 2 * (p - 1);
    for (const EndPoint* end : {&e.aft, &e.fore}) {
      const std::string where = std::string(end->aft ? "aft" : "fore") + " end at " + testsupport::Num(e.permeability);
      const double centre = end->aft ? exact.length / 2 : kLength - exact.length / 2;
      EXPECT_TRUE(end->found) << where;
      EXPECT_EQ(end->pivotDraft, kMargin) << where;
      // The secant and the false position end within 9e-6 m of the exact
      // compartment, its waterline's draft within 7e-7 m.
      EXPECT_NEAR(end->length(), exact.length, 2e-5) << where;
      EXPECT_NEAR(end->centre(), centre, 2e-5) << where;
      EXPECT_NEAR(end->end.freeDraft, exact.freeDraft, 2e-6) << where;
      // Printed cut to the millimetre.
      EXPECT_NEAR(printedLength[static_cast<std::size_t>(k)], exact.length - 0.0005, 0.0006) << where;
      EXPECT_NEAR(printedCentre[static_cast<std::size_t>(k)], centre - 0.0005, 0.0006) << where;
      ++k;
    }
    // The curve runs from the aft end point over the trim lines to the fore
    // end point.
    EXPECT_NEAR(run.curves.CurvePointX(1, p), exact.length / 2, 2e-5);
    EXPECT_NEAR(run.curves.CurvePointLength(1, p), exact.length, 2e-5);
    EXPECT_NEAR(run.curves.CurvePointX(9, p), kLength - exact.length / 2, 2e-5);
    EXPECT_NEAR(run.curves.CurvePointLength(9, p), exact.length, 2e-5);
    EXPECT_EQ(run.curves.CurvePointNotFound(1, p), 0);
    EXPECT_EQ(run.curves.CurvePointNotFound(9, p), 0);
  }
  // The outer zone limits become the end points.
  EXPECT_NEAR(run.task.ZoneStart(1), BoxAftEnd(kMargin, 60).length / 2, 2e-5);
  EXPECT_NEAR(run.task.ZoneEnd(2), kLength - BoxAftEnd(kMargin, 95).length / 2, 2e-5);
  EXPECT_EQ(run.task.ZoneEnd(1), 40);
  EXPECT_EQ(run.task.ZoneStart(2), 40);
}

// The end points of each permeability, as the run finds them.
std::vector<EndPoints> EndPointsOf(FloodRun& run, StepsResult& r) {
  std::vector<EndPoints> ends;
  r = RunSteps([&](platform::Session& s, platform::OutputFile& report) {
    TrimmedDisplacements(s, report, run);
    ComputeFloodedWater(s, report, run);
    const EndLoadWaterlines load = FindEndLoadWaterlines(run);
    for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
      FloodableLengthsOfPermeability(s, report, run, p, load);
      ends.push_back(ComputeEndPoints(run, p, load));
    }
  });
  return ends;
}

// On a hull with curved ends the end points lie on their terminal lines and
// agree with the compartments of an independent solution; they depend on the
// margin point at the ship's end, not on the rest of the extreme trim line.
TEST(EndPointsTest, TheWigleyHullsEndsAgainstAnIndependentSolution) {
  namespace w = wigleytest;
  const double margin = w::kMargin;
  const std::vector<Drafts> otherExtremes = {{margin, 5.2}, {margin, 5.8}, {margin, 7.0}, {margin, margin},
                                             {7.0, margin}, {5.8, margin}, {5.2, margin}};
  const w::EndSolution exact[] = {w::AftEnd(margin, 60), w::AftEnd(margin, 95)};
  std::vector<EndPoints> first;
  for (const std::vector<Drafts>& lines : {w::WigleyTrimLines(), otherExtremes}) {
    auto run = w::WigleyRun(lines, {{0, 50, 60}, {50, 100, 95}});
    StepsResult r;
    const std::vector<EndPoints> ends = EndPointsOf(run, r);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(ends.size(), 2u);
    for (std::size_t p = 0; p < 2; ++p) {
      const EndPoints& e = ends[p];
      for (const EndPoint* end : {&e.aft, &e.fore}) {
        const std::string where = std::string(end->aft ? "aft" : "fore") + " end at " +
                                  testsupport::Num(e.permeability) + ", extreme line " +
                                  testsupport::Num(lines[0].fore);
        EXPECT_TRUE(end->found) << where;
        // On the terminal line: the compartment reaches the ship's end.
        const double fromEnd = end->aft ? end->centre() : w::kLength - end->centre();
        EXPECT_NEAR(end->length(), 2 * fromEnd, 1e-9) << where;
        // The hull is its own mirror image: both ends as the aft end of the
        // independent solution, within 0.24 % of its length (the stations'
        // spline and the five points of the compartment), the free draft
        // within 7 mm.
        EXPECT_NEAR(end->length(), exact[p].length, 0.003 * exact[p].length) << where;
        EXPECT_NEAR(end->end.freeDraft, exact[p].freeDraft, 0.01) << where;
      }
      if (!first.empty()) {
        EXPECT_NEAR(e.aft.length(), first[p].aft.length(), 2e-5) << p;
        EXPECT_NEAR(e.fore.length(), first[p].fore.length(), 2e-5) << p;
      }
    }
    // As printed, aft and fore for each permeability: on the terminal lines
    // within 1 mm and the millimetre the report cuts from l and from x.
    const std::vector<double> l = NumbersAfter(r.report, " YARALI BOLME BOYU      - l   =  ");
    const std::vector<double> x = NumbersAfter(r.report, " Y.B. BOYU BITIM NOKTASI - xc =  ");
    ASSERT_EQ(l.size(), 4u);
    ASSERT_EQ(x.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
      const double fromEnd = k % 2 == 0 ? x[k] : w::kLength - x[k];
      EXPECT_NEAR(l[k], 2 * fromEnd, 0.003) << k;
    }
    first = ends;
  }
}

// At 20 % the compartment volume (14035.2 m3 for the even-keel line) is more
// than the ship holds (7607.04 m3): no compartment can be found, and every
// point says so in the tables.
TEST(EndPointsTest, CompartmentsLongerThanTheShipAreMarkedNotFound) {
  auto run = BoxRun(BoxTrimLines(), {{0, 80, 20}});
  const StepsResult r = RunBox(run);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NEAR(run.perm.CompartmentVolume(3), 14035.2, 1e-6);
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
  EXPECT_EQ(run.task.ZoneStart(1), 0);
  EXPECT_EQ(run.task.ZoneEnd(1), 80);
}

TEST(RootTest, FalsePosition) {
  double root = -1;
  const auto line = [](double x) { return 2 * x - 3; };
  EXPECT_TRUE(FindRootFalsePosition(line, 0, 3, 1e-9, root));
  EXPECT_NEAR(root, 1.5, 1e-9);
  // A root at an end, found without a step.
  EXPECT_TRUE(FindRootFalsePosition(line, 1.5, 3, 1e-9, root));
  EXPECT_EQ(root, 1.5);
  EXPECT_TRUE(FindRootFalsePosition(line, 0, 1.5, 1e-9, root));
  EXPECT_EQ(root, 1.5);
  // Not bracketed: the end nearer to a root.
  EXPECT_FALSE(FindRootFalsePosition(line, 2, 4, 1e-9, root));
  EXPECT_EQ(root, 2.0);
  // A cubic: x^3 reaches 2 at its cube root, within the tolerance on x^3 - 2.
  EXPECT_TRUE(FindRootFalsePosition([](double x) { return x * x * x - 2; }, 0, 3, 1e-9, root));
  EXPECT_NEAR(root, std::cbrt(2.0), 1e-9);
}

// Curves on which plain false position keeps one end for ever: its other end
// creeps (x^10 - 0.5 stood at 0.842 after 100 steps, its root 0.933; e^(20x)
// - 2 at f = -1).  The Illinois step, at either end, brings them within the
// tolerance.
TEST(RootTest, FalsePositionDoesNotStagnateWhereTheCurveBends) {
  const struct {
    const char* name;
    std::function<double(double)> f;
    double a, b, root;
  } cases[] = {
      {"x^10 - 0.5", [](double x) { return std::pow(x, 10) - 0.5; }, 0, 1.5, std::pow(0.5, 0.1)},
      // The same bend mirrored: falling towards the upper end, so that the
      // upper end stays and the lower end's value is the one to halve.
      {"0.5 - (1.5 - x)^10", [](double x) { return 0.5 - std::pow(1.5 - x, 10); }, 0, 1.5, 1.5 - std::pow(0.5, 0.1)},
      {"e^(20x) - 2", [](double x) { return std::exp(20 * x) - 2; }, 0, 1, std::log(2.0) / 20},
  };
  for (const auto& c : cases) {
    for (const double tolerance : {1e-5, 1e-12}) {
      double root = -1;
      int calls = 0;
      const auto counted = [&](double x) {
        ++calls;
        return c.f(x);
      };
      EXPECT_TRUE(FindRootFalsePosition(counted, c.a, c.b, tolerance, root)) << c.name;
      EXPECT_LT(std::fabs(c.f(root)), tolerance) << c.name;
      // |f| within the tolerance near the root: the root within it over the slope.
      EXPECT_NEAR(root, c.root, 2 * tolerance) << c.name;
      // Measured: 15 and 22 evaluations of x^10 - 0.5, 37 and 52 of e^(20x)
      // - 2, whose upper value (4.9e8) is halved 29 times before the chord
      // reaches its root.
      EXPECT_LE(calls, 60) << c.name << " " << tolerance;
    }
  }
}

// A tolerance that no step can meet is not said as met: a step in f, or a
// tolerance below what the curve's rounding allows, returns false after the
// last step.
TEST(RootTest, FalsePositionSaysWhenTheToleranceIsNotMet) {
  double root = -1;
  EXPECT_FALSE(FindRootFalsePosition([](double x) { return x < 0.3 ? -1.0 : 1.0; }, 0, 1, 1e-6, root));
  EXPECT_NEAR(root, 0.3, 1e-9);  // the step is bracketed, its jump stays
  EXPECT_FALSE(FindRootFalsePosition([](double x) { return 1e6 * (x - 0.5) + 0.25; }, 0, 1, 1e-30, root));
  EXPECT_NEAR(root, 0.5 - 0.25e-6, 1e-12);
}

}  // namespace
}  // namespace flood

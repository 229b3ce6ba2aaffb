// The cross curves of prismatic hulls against the exact geometry of their
// heeled sections: every row of every heel angle of a box barge (its bottom
// plain or drawn as a knuckle pair, on or below the base line), of a V prism
// and of sections of straight lines between knuckles (hard chine, tumblehome,
// flare, a bar keel, a narrow deck), compared with the polygon cut by the
// same inclined waterline.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/numerics/table.hpp"
#include "crosscurves/cross_table.hpp"
#include "crosscurves/heeled_section.hpp"
#include "crosscurves/waterlines.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

constexpr double kLength = 60;

std::vector<double> EveryEightDegrees() {
  std::vector<double> heels;
  for (int a = 0; a <= 80; a += 8) heels.push_back(a);
  return heels;
}

// KN, VCB, TCB and LCB of the computed tables agree with the exact section
// to 0.01 mm.
constexpr double kTolerance = 1e-5;

struct HullCase {
  const char* name;
  const Section* half;
  int NWL;
};

// A case is named by its section and line count.
void PrintTo(const HullCase& c, std::ostream* os) { *os << c.name; }

class PrismCrossCurves : public ::testing::TestWithParam<HullCase> {};

TEST_P(PrismCrossCurves, EveryRowMatchesTheExactHeeledSection) {
  const HullCase& hc = GetParam();
  const std::vector<double> heels = EveryEightDegrees();
  auto run = PrismRun(*hc.half, heels, hc.NWL);
  const PrintedBlocks printed = ReadBlocks(ComputeAllAngles(run));
  const auto polygon = SectionPolygon(*hc.half);
  const double deckHalfBreadth = hc.half->back().y;
  const double top = hc.half->back().z;

  for (int k = 1; k <= run.run.NA; ++k) {
    const double phi = heels[static_cast<std::size_t>(k - 1)];
    // The lines run from the keel-side image of the deck edge to its mirror
    // above the deck.
    double start = 0, end = 0;
    SetUpInclinedWaterlines(phi, run.run.MaxTopHalfBreadth, run.run.HeightExtent, start, end);
    const double tanPhi = std::tan(phi * M_PI / 180);
    ASSERT_NEAR(start, -deckHalfBreadth * tanPhi, 1e-3);
    ASSERT_NEAR(end, deckHalfBreadth * tanPhi + top, 1e-3);
    double h = start;
    for (int c = 1; c <= hc.NWL; ++c) {
      h += (end - start) / hc.NWL;
      const ImmersedSection exact = ClipBelowWaterline(polygon, phi, h);
      const double displacement = exact.area * kLength * 1.025;
      SCOPED_TRACE(std::string(hc.name) + " heel " + std::to_string(phi) + " row " + std::to_string(c));
      const double D = run.results.CrossCurveDisplacement(k, c);
      EXPECT_NEAR(D, displacement, 1e-6 * 7750);
      if (exact.area == 0) {
        EXPECT_EQ(run.results.CrossCurveKN(k, c), 0);
        EXPECT_EQ(run.results.CrossCurveVCB(k, c), 0);
        EXPECT_EQ(run.results.CrossCurveTCB(k, c), 0);
        EXPECT_EQ(run.results.CrossCurveLCB(k, c), 0);
        continue;
      }
      EXPECT_NEAR(run.results.CrossCurveKN(k, c), ExactKN(exact, phi), kTolerance);
      EXPECT_NEAR(run.results.CrossCurveVCB(k, c), exact.vcb, kTolerance);
      EXPECT_NEAR(run.results.CrossCurveTCB(k, c), exact.tcb, kTolerance);
      EXPECT_NEAR(run.results.CrossCurveLCB(k, c), 30, kTolerance);
      // The printed row, to its three decimals.
      if (phi > 0.1) {
        const auto& rows = printed.at(phi);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(hc.NWL));
        const std::vector<double>& r = rows[static_cast<std::size_t>(c - 1)];
        EXPECT_NEAR(r[0], displacement, 1e-4 * displacement + 0.0005);
        EXPECT_NEAR(r[1], ExactKN(exact, phi), 0.001);
        EXPECT_NEAR(r[2], exact.vcb, 0.001);
        EXPECT_NEAR(r[3], exact.tcb, 0.001);
        EXPECT_NEAR(r[4], 30, 0.0005);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Hulls, PrismCrossCurves,
    ::testing::Values(HullCase{"box16", &kBox, 16}, HullCase{"box12", &kBox, 12},
                      HullCase{"box40", &kBox, 40}, HullCase{"knucklebox16", &kKnuckleBox, 16},
                      HullCase{"knucklebox23", &kKnuckleBox, 23},
                      HullCase{"knucklebox40", &kKnuckleBox, 40},
                      HullCase{"loweredbox16", &kLoweredBox, 16}, HullCase{"vprism16", &kVPrism, 16},
                      HullCase{"vprism30", &kVPrism, 30}, HullCase{"vprism12", &kVPrism, 12},
                      HullCase{"vprism40", &kVPrism, 40}, HullCase{"chine40", &kChine, 40},
                      HullCase{"tumblehome40", &kTumblehome, 40}, HullCase{"flaredv40", &kFlaredV, 40},
                      HullCase{"barkeel40", &kBarKeel, 40}, HullCase{"narrowdeck40", &kNarrowDeck, 40}),
    [](const ::testing::TestParamInfo<HullCase>& info) { return std::string(info.param.name); });

// Printed rows of the box at 32 degrees, 16 waterlines, as the exact
// rectangles give them; the bottom drawn as a knuckle pair gives the same.
TEST(CrossCurveBlocks, BoxAt32DegreesPrintsTheExactRectangles) {
  struct Row {
    int c;
    double displacement, kn;
  };
  const Row rows[] = {{2, 242.205, 5.325}, {4, 968.820, 4.713}, {8, 3874.500, 3.491},
                      {12, 6780.180, 2.717}, {15, 7688.449, 2.410}};
  for (const auto* half : {&kBox, &kKnuckleBox}) {
    auto run = PrismRun(*half, {32}, 16);
    const PrintedBlocks blocks = ReadBlocks(ComputeAllAngles(run));
    const auto& printed = blocks.at(32);
    for (const Row& r : rows) {
      SCOPED_TRACE("row " + std::to_string(r.c));
      EXPECT_DOUBLE_EQ(printed[static_cast<std::size_t>(r.c - 1)][0], r.displacement);
      EXPECT_DOUBLE_EQ(printed[static_cast<std::size_t>(r.c - 1)][1], r.kn);
    }
    EXPECT_DOUBLE_EQ(printed[7][2], 2.959);
    EXPECT_DOUBLE_EQ(printed[7][3], -2.268);
  }
}

// Upright, the table holds the box's rectangles below the horizontal lines
// (centre of buoyancy on the centre line) and the report only two blank lines.
TEST(CrossCurveBlocks, UprightRowsAreStoredButNotPrinted) {
  auto run = PrismRun(kBox, {0, 0.1}, 16);
  const std::string report = ComputeAllAngles(run);
  EXPECT_EQ(report, "\r\n\r\n\r\n\r\n");
  // The upright lines' centre-line heights: from (practically) the base line
  // up to the deck in sixteenths.
  double start = 0, end = 0;
  SetUpInclinedWaterlines(0, 7, 1.25 * 9, start, end);
  EXPECT_NEAR(start, 0, 1e-6);
  EXPECT_NEAR(end, 9, 1e-6);
  for (int k = 1; k <= 2; ++k) {
    for (int c = 1; c <= 16; ++c) {
      const double h = std::min(start + c * (end - start) / 16, 9.0);  // a line above the deck covers the whole box
      SCOPED_TRACE("angle " + std::to_string(k) + " row " + std::to_string(c));
      if (k == 1) {
        EXPECT_NEAR(run.results.CrossCurveDisplacement(k, c), 861 * h, 1e-4);
        EXPECT_NEAR(run.results.CrossCurveVCB(k, c), h / 2, 1e-7);
        EXPECT_EQ(run.results.CrossCurveTCB(k, c), 0);
        EXPECT_EQ(run.results.CrossCurveKN(k, c), 0);
      }
      EXPECT_NEAR(run.results.CrossCurveLCB(k, c), 30, 1e-9);
    }
  }
}

// The first immersed rows of the V prism, where the strip changes from the
// contour to the waterline inside the section, and a crossing just below the
// deck.
TEST(CrossCurveBlocks, VPrismRowsAroundItsKeelAndDeck) {
  {
    auto run = PrismRun(kVPrism, {48}, 16);
    const PrintedBlocks blocks = ReadBlocks(ComputeAllAngles(run));
    const auto& printed = blocks.at(48);
    for (int c = 1; c <= 5; ++c) {
      EXPECT_EQ(printed[static_cast<std::size_t>(c - 1)], std::vector<double>(5, 0.0)) << "row " << c;
    }
    EXPECT_NEAR(printed[5][0], 377.5, 0.05);
    EXPECT_DOUBLE_EQ(printed[5][1], 4.313);
  }
  {
    auto run = PrismRun(kVPrism, {56}, 30);
    const PrintedBlocks blocks = ReadBlocks(ComputeAllAngles(run));
    const auto& printed = blocks.at(56);
    EXPECT_NEAR(printed[28][0], 3865.0, 0.05);
  }
}

// A station that is a flat line (its top at its bottom's height) has no
// immersed area at any line; the others carry the hull.
TEST(CrossCurveBlocks, FlatEndStationGivesZeroRows) {
  auto run = PrismRun(kBox, {0, 30}, 12);
  for (int i : {1, 7}) {
    run.hull.PointCount(i) = 2;
    run.hull.PointZ(i, 1) = run.hull.PointZ(i, 2) = 4;
    run.hull.PointY(i, 1) = 0;
    run.hull.PointY(i, 2) = 5;
  }
  ComputeAllAngles(run);
  for (int k = 1; k <= 2; ++k) {
    for (int c = 1; c <= 12; ++c) {
      EXPECT_EQ(run.sections.HeeledArea(1, c), 0);
      EXPECT_EQ(run.sections.HeeledArea(7, c), 0);
    }
  }
  EXPECT_GT(run.results.CrossCurveDisplacement(2, 12), 0);
}

// The length integration alone, on sections stored from their two sides
// without a form or a report: seven stations over 60 m, each the same section
// below line 2 (area 70 m2 with its centre 1.2 m out and 2.5 m up), nothing
// below line 1.  The prism's displacement, its centre over every section's,
// KN = VCB sin 30 - TCB cos 30; the dry line stays 0 throughout.
TEST(CrossCurveBlocks, StationsStoredThenIntegratedAlongTheLength) {
  SectionTables sections;
  SideProperties low, high;
  low.area(2) = 50;
  high.area(2) = 20;
  low.transverse(2) = 70 * 1.2 + 10;
  high.transverse(2) = -10;
  low.vertical(2) = 100;
  high.vertical(2) = 70 * 2.5 - 100;
  Vec X(7);
  for (int i = 1; i <= 7; ++i) {
    X(i) = 10.0 * (i - 1);
    StoreHeeledSection(i, 2, low, high, sections);
  }
  EXPECT_EQ(sections.HeeledArea(4, 2), 70);
  EXPECT_EQ(sections.HeeledArea(4, 1), 0);
  CrossCurveTables results;
  TabulateCrossCurvesForAngle(sections, 7, X, 30, 1.025, 2, 3, results);
  EXPECT_EQ(results.CrossCurveDisplacement(3, 1), 0);
  EXPECT_EQ(results.CrossCurveKN(3, 1), 0);
  EXPECT_EQ(results.CrossCurveVCB(3, 1), 0);
  EXPECT_NEAR(results.CrossCurveDisplacement(3, 2), 70 * 60 * 1.025, 1e-6);
  EXPECT_NEAR(results.CrossCurveVCB(3, 2), 2.5, 1e-9);
  EXPECT_NEAR(results.CrossCurveTCB(3, 2), 1.2, 1e-9);
  EXPECT_NEAR(results.CrossCurveLCB(3, 2), 30, 1e-9);
  EXPECT_NEAR(results.CrossCurveKN(3, 2), 2.5 * 0.5 - 1.2 * std::sqrt(3.0) / 2, 1e-9);
}

}  // namespace
}  // namespace cross::testing

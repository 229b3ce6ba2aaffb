// The points where inclined waterlines cut a station, against the geometry of
// the box and the V prism: a line that passes below the keel on the centre
// line, one that enters through the bottom and leaves through the deck, and a
// crossing just below the deck edge.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "common/hullform/section_spline.hpp"
#include "crosscurves/forms.hpp"
#include "crosscurves/waterlines.hpp"
#include "heeled_hulls.hpp"

namespace cross::testing {
namespace {

struct Point {
  double z, y;
};

struct CutCase {
  const char* name;
  const Section* half;
  double phi;
  int NWL;
  int c;
  // The four points as functions of the line's centre-line height h and
  // cot(phi).
  Point (*lowCrossing)(double h, double cot);
  Point (*highCrossing)(double h, double cot);
  Point (*highBottom)(double h, double cot);
};

// A case is named by its section, heel and line.
void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

// The searches stop within their 1E-4 tolerance.
constexpr double kSearchTolerance = 2e-4;

class WaterlineCuts : public ::testing::TestWithParam<CutCase> {};

TEST_P(WaterlineCuts, PointsLieWhereTheLineMeetsTheContour) {
  const CutCase& cc = GetParam();
  auto run = PrismRun(*cc.half, {cc.phi}, cc.NWL);
  hullform::SectionSpline section;
  hullform::SplineSectionWithKnuckles(1, run.hull, section, kCrossCurvesForms.sectionSpline);
  double start = 0, end = 0;
  SetUpInclinedWaterlines(cc.phi, run.run.MaxTopHalfBreadth, run.run.HeightExtent, start, end);
  WaterlineCut cut;
  DeckDownwardSteps steps;
  IntersectInclinedWaterlines(cc.phi, start, end, cc.NWL, section, steps, cut);

  const double h = cut.H(cc.c);
  EXPECT_NEAR(h, start + cc.c * (end - start) / cc.NWL, 1e-9);
  const double cot = 1 / std::tan(cc.phi * M_PI / 180);
  const Point L = cc.lowCrossing(h, cot), Hc = cc.highCrossing(h, cot), B = cc.highBottom(h, cot);
  EXPECT_NEAR(cut.LowSideCrossing.z(cc.c), L.z, kSearchTolerance);
  EXPECT_NEAR(cut.LowSideCrossing.y(cc.c), L.y, kSearchTolerance);
  EXPECT_NEAR(cut.HighSideCrossing.z(cc.c), Hc.z, kSearchTolerance);
  EXPECT_NEAR(cut.HighSideCrossing.y(cc.c), Hc.y, kSearchTolerance);
  EXPECT_NEAR(cut.HighSideBottom.z(cc.c), B.z, kSearchTolerance);
  EXPECT_NEAR(cut.HighSideBottom.y(cc.c), B.y, kSearchTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, WaterlineCuts,
    ::testing::Values(
        // Below the keel on the centre line, in through the bottom and out
        // through the side: both crossings on the high side.
        CutCase{"box32row2", &kBox, 32, 16, 2, [](double, double) { return Point{0, 0}; },
                [](double h, double cot) { return Point{h + 7 / cot, 7}; },
                [](double h, double cot) { return Point{0, h * cot}; }},
        // The same with the bottom drawn as a knuckle pair.
        CutCase{"knucklebox16row1", &kKnuckleBox, 16, 16, 1, [](double, double) { return Point{0, 0}; },
                [](double h, double cot) { return Point{h + 7 / cot, 7}; },
                [](double h, double cot) { return Point{0, h * cot}; }},
        // In through the bottom, out through the deck inside its edge.
        CutCase{"box56row5", &kBox, 56, 16, 5, [](double, double) { return Point{0, 0}; },
                [](double h, double cot) { return Point{9, (9 - h) * cot}; },
                [](double h, double cot) { return Point{0, h * cot}; }},
        // An ordinary line: the low side meets the side, the high side the
        // side higher up.
        CutCase{"box32row8", &kBox, 32, 16, 8, [](double h, double cot) { return Point{h - 7 / cot, 7}; },
                [](double h, double cot) { return Point{h + 7 / cot, 7}; },
                [](double h, double) { return Point{h, 0}; }},
        // The V's low side meets the side just below the deck edge, in the
        // last tenth of the search.
        CutCase{"vprism56row29", &kVPrism, 56, 30, 29,
                [](double h, double cot) {
                  const double z = h * cot / (cot + 7.0 / 9);
                  return Point{z, 7 * z / 9};
                },
                [](double h, double cot) { return Point{9, (9 - h) * cot}; },
                [](double h, double) { return Point{h, 0}; }},
        // Below the V's keel point the line enters the high side through the
        // side and leaves through the deck.
        CutCase{"vprism72row6", &kVPrism, 72, 16, 6, [](double, double) { return Point{0, 0}; },
                [](double h, double cot) { return Point{9, (9 - h) * cot}; },
                [](double h, double cot) {
                  const double z = -h * cot / (7.0 / 9 - cot);
                  return Point{z, -7 * z / 9};
                }},
        // Below the keel the line passes the end of a flat bottom by less
        // than a thousandth of the depth, enters the flared side just above
        // it and leaves through the deck.
        CutCase{"chine70row7", &kChine, 70, 27, 7, [](double, double) { return Point{0, 0}; },
                [](double h, double cot) { return Point{9, (9 - h) * cot}; },
                [](double h, double cot) {
                  const double z = (-h * cot - 3) / (1.5 - cot);
                  return Point{z, -(3 + 1.5 * z)};
                }}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

// A station's table of the downward searches' steps, worked out by the lines
// of earlier heel angles, gives every later cut exactly what a fresh table
// gives; its steps lie a thousandth of the height apart from the deck down,
// at the contour's half-breadths.
TEST(DeckDownwardSteps, TableKeptFromAngleToAngleCutsAsAFreshOne) {
  for (const Section* half : {&kBox, &kVPrism, &kChine}) {
    auto run = PrismRun(*half, {}, 27);
    hullform::SectionSpline section;
    hullform::SplineSectionWithKnuckles(1, run.hull, section, kCrossCurvesForms.sectionSpline);
    DeckDownwardSteps kept;
    for (double phi : {16.0, 32.0, 56.0, 70.0, 85.0}) {
      double start = 0, end = 0;
      SetUpInclinedWaterlines(phi, run.run.MaxTopHalfBreadth, run.run.HeightExtent, start, end);
      WaterlineCut withKept, withFresh;
      DeckDownwardSteps fresh;
      IntersectInclinedWaterlines(phi, start, end, 27, section, kept, withKept);
      IntersectInclinedWaterlines(phi, start, end, 27, section, fresh, withFresh);
      for (int c = 1; c <= 27; ++c) {
        SCOPED_TRACE("heel " + std::to_string(phi) + " line " + std::to_string(c));
        for (const auto list : {&WaterlineCut::LowSideCrossing, &WaterlineCut::HighSideCrossing,
                                &WaterlineCut::LowSideTop, &WaterlineCut::HighSideBottom}) {
          EXPECT_EQ((withKept.*list).z(c), (withFresh.*list).z(c));
          EXPECT_EQ((withKept.*list).y(c), (withFresh.*list).y(c));
        }
      }
    }
    const double Z1 = section.knots(1), ZM = section.knots(section.m);
    kept.Reach(section, 1000);
    for (int k : {1, 500, 1000}) {
      EXPECT_NEAR(kept.z(k), ZM - k * (ZM - Z1) / 1000, 1e-9) << k;
      EXPECT_EQ(kept.B(k), SearchHalfBreadth(section, kept.z(k))) << k;
    }
  }
}

}  // namespace
}  // namespace cross::testing

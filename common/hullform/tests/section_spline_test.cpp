#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "common/hullform/section_spline.hpp"
#include "hull_fixture.hpp"

namespace {

using hull_test::Point;
using hullform::HullModel;
using hullform::SectionSpline;

HullModel OneRow(const std::vector<Point>& points) {
  HullModel hull;
  hull.StationCount = 1;
  testsupport::SetRow(hull, 1, points);
  return hull;
}

double At(const SectionSpline& s, double z) {
  double y = -999;
  numerics::EvaluateSpline(s.m, z, y, s.knots, s.table, hull_test::kClassicalForms.splineEvaluation);
  return y;
}

// A section sampled from a closed-form half-breadth y(z): the spline of its
// offsets must give the same breadth between the offsets.
struct ClosedForm {
  const char* name;
  std::vector<Point> points;
  std::function<double(double)> breadth;
  double tolerance;
};

TEST(SectionSpline, BoxWedgeAndChineSectionsGiveTheirClosedFormBreadths) {
  const ClosedForm cases[] = {
      // Box: flat bottom 8 m each side (two knuckles at z = 0), vertical side.
      {"box", {{0, 0, 0}, {0, 8, 0}, {2, 8, 1}, {5, 8, 1}, {10, 8, 1}}, [](double) { return 8.0; }, 1e-9},
      // Wedge (V section), y = 0.75 z.
      {"wedge", {{0, 0, 1}, {1, 0.75, 1}, {2.5, 1.875, 1}, {4, 3, 1}, {6, 4.5, 1}},
       [](double z) { return 0.75 * z; }, 1e-5},
      // Hard chine at z = 2: deadrise y = 3 z below, flared side above.
      {"chine", {{0, 0, 1}, {1, 3, 1}, {2, 6, 0}, {5, 6.5, 1}, {8, 7, 1}},
       [](double z) { return z <= 2 ? 3 * z : 6 + (z - 2) / 6; }, 1e-5},
      // Parabolic (Wigley-type) section y = 4 (1 - (1 - z/5)^2) without knuckles.
      {"parabola", {{0, 0, 1}, {1, 1.44, 1}, {2.5, 3, 1}, {4, 3.84, 1}, {5, 4, 1}},
       [](double z) { return 4 * (1 - (1 - z / 5) * (1 - z / 5)); }, 1e-5},
  };
  for (const ClosedForm& c : cases) {
    const HullModel hull = OneRow(c.points);
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, hull, s, hull_test::kClassicalForms.sectionSpline);
    ASSERT_EQ(s.m, static_cast<int>(c.points.size())) << c.name;
    const double bottom = c.points.front().z, top = c.points.back().z;
    for (int k = 1; k <= 40; ++k) {
      const double z = bottom + (top - bottom) * k / 40.0;
      EXPECT_NEAR(At(s, z), c.breadth(z), c.tolerance) << c.name << " at z = " << z;
    }
  }
}

// The table of one plain fit over the given points.
numerics::SplineTable PlainFit(const std::vector<Point>& points, numerics::Vec& t) {
  const int n = static_cast<int>(points.size());
  t = numerics::Vec(n);
  numerics::SplineTable c = numerics::MakeSplineTable(n);
  for (int k = 1; k <= n; ++k) {
    t(k) = points[k - 1].z;
    c(1, k) = points[k - 1].y;
  }
  numerics::FitCubicSpline(n, t, c, 0, 0, hull_test::kClassicalForms.splineGuards);
  return c;
}

const std::vector<Point> kTenPoints = {{0, 0, 1},   {0.5, 2, 1}, {1, 3.2, 1},   {2, 4.4, 1}, {3, 5, 1},
                                       {4, 5.3, 1}, {5, 5.6, 1}, {6.5, 6.4, 1}, {8, 7, 1},   {10, 7.2, 1}};

TEST(SectionSpline, RowWithoutKnuckleOrWithOnlyAnEndKnuckleIsOneFit) {
  numerics::Vec t;
  const numerics::SplineTable plain = PlainFit(kTenPoints, t);
  for (int knuckleAt : {0, 1, 10}) {
    std::vector<Point> points = kTenPoints;
    if (knuckleAt > 0) points[knuckleAt - 1].code = 0;
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow(points), s, hull_test::kClassicalForms.sectionSpline);
    for (int k = 1; k < 10; ++k) {
      for (int e = 1; e <= 4; ++e) EXPECT_DOUBLE_EQ(s.table(e, k), plain(e, k)) << knuckleAt << " " << k;
    }
    EXPECT_EQ(s.table(1, 10), 7.2);
  }
}

TEST(SectionSpline, KnucklesSplitTheRowIntoIndependentFits) {
  std::vector<Point> points = kTenPoints;
  points[3].code = 0;  // point 4
  points[6].code = 0;  // point 7
  SectionSpline s;
  hullform::SplineSectionWithKnuckles(1, OneRow(points), s, hull_test::kClassicalForms.sectionSpline);

  const int ranges[3][2] = {{1, 4}, {4, 7}, {7, 10}};
  for (const auto& r : ranges) {
    std::vector<Point> piece(kTenPoints.begin() + (r[0] - 1), kTenPoints.begin() + r[1]);
    numerics::Vec t;
    const numerics::SplineTable fit = PlainFit(piece, t);
    for (int k = r[0]; k < r[1]; ++k) {
      for (int e = 1; e <= 4; ++e) EXPECT_DOUBLE_EQ(s.table(e, k), fit(e, k - r[0] + 1)) << k << " " << e;
    }
  }
  // The curve passes through the knuckles (to the fit's guards, measured
  // 1e-6), and its slope jumps there.
  EXPECT_NEAR(At(s, 2), 4.4, 3e-6);
  EXPECT_NEAR(At(s, 5), 5.6, 3e-6);
  EXPECT_EQ(At(s, 0), 0);
  EXPECT_EQ(At(s, 10), 7.2);
  const double h = 1e-6;
  const double below = (At(s, 2) - At(s, 2 - h)) / h;
  const double above = (At(s, 2 + h) - At(s, 2)) / h;
  EXPECT_GT(std::fabs(above - below), 0.05);
}

TEST(SectionSpline, TwoPointPiecesAreStraightLinesWithTheirGuards) {
  // Point 1 smooth, point 2 the first knuckle: a straight first piece, guard 1e-7.
  {
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow({{0, 1, 1}, {2, 5, 0}}), s, hull_test::kClassicalForms.sectionSpline);
    EXPECT_DOUBLE_EQ(s.table(2, 1), 4 / (2 + 1e-7));
    EXPECT_EQ(s.table(3, 1), 0);
    EXPECT_EQ(s.table(4, 1), 0);
    EXPECT_EQ(At(s, 2), 5);
    EXPECT_NEAR(At(s, 1), 3, 1e-6);
  }
  // Knuckles at 3 and 4 after a first piece: a line between them, guard 1e-4.
  {
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow({{0, 0, 1}, {1, 2, 1}, {2, 3, 0}, {3, 3.5, 0}, {4, 3.6, 1}}), s, hull_test::kClassicalForms.sectionSpline);
    EXPECT_DOUBLE_EQ(s.table(2, 3), 0.5 / (1 + 1e-4));
    EXPECT_EQ(s.table(3, 3), 0);
    EXPECT_EQ(s.table(4, 3), 0);
  }
  // A flat bottom: two knuckles at one height, half-breadths 0 and 5.
  {
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow({{0, 0, 0}, {0, 5, 0}, {1, 5.5, 1}, {3, 6, 1}}), s, hull_test::kClassicalForms.sectionSpline);
    EXPECT_NEAR(s.table(2, 1), 5e4, 1e-6);
    EXPECT_EQ(s.table(1, 2), 5);
    EXPECT_NEAR(At(s, 1), 5.5, 1e-6);  // the fit's guards: measured 4.2e-7
  }
  // Five points, knuckles at 4 and 5: a four-point fit, then the line 4-5.
  {
    const std::vector<Point> points = {{0, 0, 1}, {1, 1, 1}, {2, 1.5, 1}, {3, 2, 0}, {4, 4, 0}};
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow(points), s, hull_test::kClassicalForms.sectionSpline);
    numerics::Vec t;
    const numerics::SplineTable fit = PlainFit({points.begin(), points.begin() + 4}, t);
    for (int k = 1; k <= 3; ++k) {
      for (int e = 1; e <= 4; ++e) EXPECT_DOUBLE_EQ(s.table(e, k), fit(e, k));
    }
    EXPECT_EQ(s.table(1, 4), 2);
    EXPECT_DOUBLE_EQ(s.table(2, 4), 2 / (1 + 1e-4));
    EXPECT_EQ(s.table(1, 5), 4);
    EXPECT_EQ(At(s, 4), 4);
  }
  // A knuckle at the keel point: the flat bottom is a later piece, its slope
  // 5 / the later pieces' guard.
  {
    hullform::SectionSplineOptions options = hull_test::kClassicalForms.sectionSpline;
    options.laterPieceGuard = 1e-6;
    SectionSpline s;
    hullform::SplineSectionWithKnuckles(1, OneRow({{0, 0, 0}, {0, 5, 0}, {1, 5.5, 1}, {3, 6, 1}}), s, options);
    EXPECT_NEAR(s.table(2, 1), 5e6, 1e-6);
  }
}

hullform::AppendageData Strip(const std::vector<std::array<double, 3>>& points) {
  hullform::AppendageData a(static_cast<int>(points.size()));
  a.AppendageCount(1) = static_cast<int>(points.size());
  for (std::size_t j = 0; j < points.size(); ++j) {
    a.AppendageZ(1, static_cast<int>(j) + 1) = points[j][0];
    a.AppendageY1(1, static_cast<int>(j) + 1) = points[j][1];
    a.AppendageY2(1, static_cast<int>(j) + 1) = points[j][2];
  }
  return a;
}

TEST(AppendageSection, ConstantStripGivesItsAreaAndMoment) {
  const hullform::AppendageData a = Strip({{1, 0.2, 0.5}, {2, 0.2, 0.5}, {3, 0.2, 0.5}});
  double z1 = 0, z2 = 4, area = 0, moment = 0;
  hullform::ComputeAppendageSection(1, z1, z2, a, area, moment, hull_test::kClassicalForms);
  EXPECT_NEAR(area, 1.2, 1e-4);    // 2 x 0.3 x 2.0
  EXPECT_NEAR(moment, 2.4, 1e-4);  // 2 x 0.3 x (3^2 - 1^2) / 2
  EXPECT_EQ(z1, 1);
  EXPECT_EQ(z2, 3);
}

TEST(AppendageSection, SliceIsClippedToTheStrip) {
  // Width growing linearly, 0.1 at z = 1 to 0.5 at z = 3; the slice 0..2 is
  // clipped to 1..2, where the width runs from 0.1 to 0.3.
  const hullform::AppendageData a = Strip({{1, 0, 0.1}, {2, 0, 0.3}, {3, 0, 0.5}});
  double z1 = 0, z2 = 2, area = 0, moment = 0;
  hullform::ComputeAppendageSection(1, z1, z2, a, area, moment, hull_test::kClassicalForms);
  EXPECT_EQ(z1, 1);
  EXPECT_EQ(z2, 2);
  // w(z) = 0.2 z - 0.1: area 2 * 0.2, moment 2 * int z w dz over 1..2.
  EXPECT_NEAR(area, 0.4, 1e-4);
  EXPECT_NEAR(moment, 2 * (0.2 * 7 / 3.0 - 0.1 * 1.5), 1e-4);
}

TEST(AppendageSection, SliceOutsideTheStripOrOnePointGivesNothing) {
  const hullform::AppendageData a = Strip({{1, 0.2, 0.5}, {2, 0.2, 0.5}, {3, 0.2, 0.5}});
  for (auto [lo, hi] : {std::pair{3.5, 5.0}, std::pair{-1.0, 0.5}}) {
    double z1 = lo, z2 = hi, area = 7, moment = 7;
    hullform::ComputeAppendageSection(1, z1, z2, a, area, moment, hull_test::kClassicalForms);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(moment, 0);
    EXPECT_EQ(z1, lo);
    EXPECT_EQ(z2, hi);
  }
  double z1 = 0, z2 = 4, area = 7, moment = 7;
  hullform::ComputeAppendageSection(1, z1, z2, Strip({{2, 0.2, 0.5}}), area, moment, hull_test::kClassicalForms);
  EXPECT_EQ(area, 0);
  EXPECT_EQ(moment, 0);
}

TEST(AppendageSection, TwoPointStripIsStraightBetweenItsPoints) {
  // Width 0.2 at z = 0 growing to 0.6 at z = 2: a trapezoid.
  double z1 = 0, z2 = 2, area = 0, moment = 0;
  hullform::ComputeAppendageSection(1, z1, z2, Strip({{0, 0, 0.2}, {2, 0, 0.6}}), area, moment, hull_test::kClassicalForms);
  EXPECT_NEAR(area, 2 * 0.8, 1e-4);
  EXPECT_NEAR(moment, 2 * (0.2 * 2 + 0.2 * 8 / 3.0), 1e-4);
}

}  // namespace

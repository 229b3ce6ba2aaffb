#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "curve_fixtures.hpp"

namespace numerics {
namespace {

using testing::FitThrough;
using testing::MakeVec;

struct Points {
  const char* name;
  Vec x, y;
};

// Curves that a spline through their points overshoots: floodable-length
// curves of a box barge and of the bundled example (its flat first interval
// too), a step, a spike between flat stretches and a steep rise, on unequal
// spacings.
std::vector<Points> Curves() {
  return {
      {"barge at 100 %", MakeVec({3.293, 24.252, 30.0, 35.747, 56.706}),
       MakeVec({6.586, 16.723, 23.444, 16.723, 6.586})},
      {"example at 60 %", MakeVec({16.351, 30.786, 43.775, 48.446, 55.826, 66.678, 85.483}),
       MakeVec({32.702, 32.702, 47.356, 52.07, 44.714, 31.322, 29.033})},
      {"step", MakeVec({0, 1, 2, 3, 4, 5}), MakeVec({0, 0, 0, 1, 1, 1})},
      {"spike", MakeVec({0, 0.5, 3, 3.2, 7}), MakeVec({0, 0, 10, 0, 0})},
      {"steep rise", MakeVec({0, 1, 1.5, 4, 4.1, 9}), MakeVec({0, 0.01, 0.1, 5, 5.1, 100})},
  };
}

SplineTable Monotone(const Points& c) {
  const int n = c.x.Upper();
  SplineTable t = MakeSplineTable(n);
  for (int i = 1; i <= n; ++i) t(1, i) = c.y(i);
  FitMonotoneCubic(n, c.x, t);
  return t;
}

double At(const Points& c, const SplineTable& t, double x0, const SplineEvaluation& e = testing::kPlainEvaluation) {
  double y = std::nan("");
  EvaluateSpline(c.x.Upper(), x0, y, c.x, t, e);
  return y;
}

// Through every point, by either evaluation order.
TEST(FitMonotoneCubic, PassesThroughThePoints) {
  for (const Points& c : Curves()) {
    SCOPED_TRACE(c.name);
    const SplineTable t = Monotone(c);
    for (int i = 1; i <= c.x.Upper(); ++i) {
      EXPECT_NEAR(At(c, t, c.x(i)), c.y(i), 1e-12 * (1 + std::fabs(c.y(i)))) << i;
      EXPECT_NEAR(At(c, t, c.x(i), testing::kFlatNestedEvaluation), c.y(i), 1e-12 * (1 + std::fabs(c.y(i)))) << i;
    }
  }
}

// Between two points the curve stays within their values and rises, falls or
// stays flat with them; the not-a-knot spline through the barge's points
// dips below the end points' 6.586 m (to about 0) where this one does not.
TEST(FitMonotoneCubic, StaysWithinEachIntervalsValues) {
  constexpr int kSamples = 400;
  for (const Points& c : Curves()) {
    SCOPED_TRACE(c.name);
    const SplineTable t = Monotone(c);
    for (int k = 1; k < c.x.Upper(); ++k) {
      const double lo = std::min(c.y(k), c.y(k + 1)), hi = std::max(c.y(k), c.y(k + 1));
      const double eps = 1e-12 * (1 + hi - lo);
      const double rising = c.y(k + 1) - c.y(k);
      double previous = c.y(k);
      for (int j = 1; j <= kSamples; ++j) {
        const double x = c.x(k) + (c.x(k + 1) - c.x(k)) * j / kSamples;
        const double y = At(c, t, x);
        ASSERT_GE(y, lo - eps) << "interval " << k << " at " << x;
        ASSERT_LE(y, hi + eps) << "interval " << k << " at " << x;
        ASSERT_GE((y - previous) * (rising >= 0 ? 1 : -1), -eps) << "interval " << k << " at " << x;
        if (rising == 0) {
          ASSERT_EQ(y, c.y(k)) << "interval " << k << " at " << x;
        }
        previous = y;
      }
    }
  }
  const Points barge = Curves()[0];
  const SplineTable spline = FitThrough(barge.x, barge.y, testing::kUnguarded);
  double lowest = barge.y(1);
  for (int j = 0; j <= 1000; ++j) {
    double y = 0;
    EvaluateSpline(5, 3.293 + (24.252 - 3.293) * j / 1000, y, barge.x, spline, testing::kPlainEvaluation);
    lowest = std::min(lowest, y);
  }
  EXPECT_LT(lowest, 1.0);
}

// A straight line is its own curve, rising or falling, on unequal knots.
TEST(FitMonotoneCubic, IsExactOnAStraightLine) {
  for (const double slope : {2.5, -0.75}) {
    const Points line{"line", MakeVec({-3, -1, 0.5, 4, 4.25, 10}), Vec(6)};
    Points c = line;
    for (int i = 1; i <= 6; ++i) c.y(i) = slope * c.x(i) - 7;
    const SplineTable t = Monotone(c);
    for (int j = 0; j <= 1300; ++j) {
      const double x = -3 + 13.0 * j / 1300;
      EXPECT_NEAR(At(c, t, x), slope * x - 7, 1e-12) << slope << " at " << x;
    }
    for (int i = 1; i <= 6; ++i) {
      EXPECT_NEAR(t(2, i), slope, 1e-13) << i;
      EXPECT_NEAR(t(3, i), 0, 1e-12) << i;
      EXPECT_NEAR(t(4, i), 0, 1e-12) << i;
    }
  }
}

// Value and slope continuous at every inner knot: the piece on the left, at
// its right end, meets the piece on the right.
TEST(FitMonotoneCubic, IsContinuousInValueAndSlope) {
  for (const Points& c : Curves()) {
    SCOPED_TRACE(c.name);
    const SplineTable t = Monotone(c);
    for (int k = 1; k < c.x.Upper(); ++k) {
      const double h = c.x(k + 1) - c.x(k);
      const double value = t(1, k) + t(2, k) * h + t(3, k) * h * h / 2 + t(4, k) * h * h * h / 6;
      const double slope = t(2, k) + t(3, k) * h + t(4, k) * h * h / 2;
      const double scale = 1 + std::fabs(c.y(k)) + std::fabs(c.y(k + 1));
      EXPECT_NEAR(value, c.y(k + 1), 1e-12 * scale) << k;
      EXPECT_NEAR(slope, t(2, k + 1), 1e-12 * scale / h) << k;
    }
    // A peak or a trough has a level tangent.
    for (int k = 2; k < c.x.Upper(); ++k) {
      if ((c.y(k) - c.y(k - 1)) * (c.y(k + 1) - c.y(k)) <= 0) {
        EXPECT_EQ(t(2, k), 0) << k;
      }
    }
  }
}

TEST(FitMonotoneCubic, OneAndTwoPoints) {
  SplineTable one = MakeSplineTable(1);
  one(1, 1) = 4;
  FitMonotoneCubic(1, MakeVec({2}), one);
  EXPECT_EQ(one(2, 1), 0);
  EXPECT_EQ(one(3, 1), 0);
  EXPECT_EQ(one(4, 1), 0);

  const Points two{"two", MakeVec({1, 3}), MakeVec({5, 2})};
  const SplineTable t = Monotone(two);
  EXPECT_DOUBLE_EQ(At(two, t, 2), 3.5);
  EXPECT_DOUBLE_EQ(t(2, 1), -1.5);
  EXPECT_DOUBLE_EQ(t(2, 2), -1.5);
}

}  // namespace
}  // namespace numerics

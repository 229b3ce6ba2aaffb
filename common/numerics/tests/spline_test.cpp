#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "curve_fixtures.hpp"

namespace numerics {
namespace {

using testing::FitThrough;
using testing::MakeVec;
using testing::Sample;

struct NamedGuards {
  const char* name;
  SplineGuards guards;
};

const NamedGuards kGuardSets[] = {
    {"every division guarded", testing::kEveryDivisionGuarded},
    {"small guards", testing::kSmallGuards},
    {"unguarded", testing::kUnguarded},
};

TEST(FitCubicSpline, TwoKnotsGiveTheStraightLine) {
  const Vec x = MakeVec({0.0, 2.0});
  const SplineTable c = FitThrough(x, MakeVec({0.0, 4.0}), testing::kEveryDivisionGuarded);
  EXPECT_NEAR(c(2, 1), 2.0, 1e-5);
  EXPECT_NEAR(c(2, 2), 2.0, 1e-5);
  EXPECT_NEAR(c(3, 1), 0.0, 1e-5);
  EXPECT_NEAR(c(4, 1), 0.0, 1e-5);
  double y = 0.0;
  EvaluateSpline(2, 1.5, y, x, c, testing::kPlainEvaluation);
  EXPECT_NEAR(y, 3.0, 1e-5);
}

// Within the guards' bias of the most guarded set (1e-6 in every division:
// measured 1.5e-5 in the coefficients, 8.3e-7 in the value).
TEST(FitCubicSpline, ThreeKnotsGiveTheParabola) {
  constexpr double kCoefficients = 3e-5, kValue = 2e-6;
  for (const auto& set : kGuardSets) {
    SCOPED_TRACE(set.name);
    const Vec x = MakeVec({0.0, 1.0, 3.0});
    const SplineTable c = FitThrough(x, MakeVec({0.0, 1.0, 9.0}), set.guards);
    EXPECT_NEAR(c(2, 1), 0.0, kCoefficients);
    EXPECT_NEAR(c(2, 2), 2.0, kCoefficients);
    EXPECT_NEAR(c(2, 3), 6.0, kCoefficients);
    EXPECT_NEAR(c(3, 1), 2.0, kCoefficients);
    EXPECT_NEAR(c(3, 2), 2.0, kCoefficients);
    EXPECT_NEAR(c(4, 1), 0.0, kCoefficients);
    EXPECT_NEAR(c(4, 2), 0.0, kCoefficients);
    double y = 0.0;
    EvaluateSpline(3, 2.0, y, x, c, testing::kPlainEvaluation);
    EXPECT_NEAR(y, 4.0, kValue);
  }
}

// The not-a-knot spline through samples of one cubic is that cubic: exactly
// without guards, and to within the guards' small bias in every program's form.
TEST(FitCubicSpline, ReproducesACubicOnUnequalKnots) {
  const auto f = [](double t) { return t * t * t - 2.0 * t * t + 0.5 * t + 1.0; };
  const auto df = [](double t) { return 3.0 * t * t - 4.0 * t + 0.5; };
  const auto d2f = [](double t) { return 6.0 * t - 4.0; };
  struct Case {
    const char* name;
    SplineGuards guards;
    double valueTolerance;
    double derivativeTolerance;
  };
  // Measured: unguarded 1.4e-14 in the values, 1.4e-13 in the third
  // derivative (rounding); guards of 1e-6, 4.4e-5 and 1.28e-3; guards of
  // 1e-7, ten times less.
  const Case cases[] = {
      {"unguarded", testing::kUnguarded, 1e-13, 1e-12},
      {"every division guarded", testing::kEveryDivisionGuarded, 1e-4, 2.5e-3},
      {"small guards", testing::kSmallGuards, 1e-5, 2.5e-4},
  };
  for (const auto& set : cases) {
    SCOPED_TRACE(set.name);
    for (const Vec& x : {MakeVec({0.0, 0.7, 1.5, 2.6}), MakeVec({0.0, 0.7, 1.5, 2.6, 3.0, 4.2})}) {
      const int n = x.Upper();
      const SplineTable c = FitThrough(x, Sample(x, f), set.guards);
      for (int i = 1; i <= n; ++i) EXPECT_NEAR(c(2, i), df(x(i)), set.derivativeTolerance) << "slope at knot " << i;
      for (int i = 1; i < n; ++i) {
        EXPECT_NEAR(c(3, i), d2f(x(i)), set.derivativeTolerance) << "curvature at knot " << i;
        EXPECT_NEAR(c(4, i), 6.0, set.derivativeTolerance) << "third derivative on interval " << i;
      }
      for (double t = 0.0; t <= x(n); t += 0.05) {
        double y = -100.0;
        EvaluateSpline(n, t, y, x, c, testing::kPlainEvaluation);
        EXPECT_NEAR(y, f(t), set.valueTolerance) << "at x = " << t;
      }
    }
  }
}

TEST(EvaluateSpline, EndKnotsGiveTheStoredOrdinates) {
  const Vec x = MakeVec({0.0, 1.0, 3.0});
  SplineTable c = FitThrough(x, MakeVec({0.0, 1.0, 9.0}), testing::kEveryDivisionGuarded);
  // The end values come from c1 alone, whatever the derivatives say.
  for (int i = 1; i <= 3; ++i) c(2, i) = c(3, i) = c(4, i) = 1e9;
  double y = 0.0;
  EvaluateSpline(3, 0.0, y, x, c, testing::kPlainEvaluation);
  EXPECT_EQ(y, 0.0);
  EvaluateSpline(3, 3.0, y, x, c, testing::kPlainEvaluation);
  EXPECT_EQ(y, 9.0);
}

TEST(EvaluateSpline, OutsideTheKnotsLeavesTheResult) {
  const Vec x = MakeVec({0.0, 1.0, 3.0});
  const SplineTable c = FitThrough(x, MakeVec({0.0, 1.0, 9.0}), testing::kEveryDivisionGuarded);
  for (double x0 : {-0.001, 3.001, -50.0}) {
    double y = 7.0;
    EvaluateSpline(3, x0, y, x, c, testing::kPlainEvaluation);
    EXPECT_EQ(y, 7.0) << x0;
  }
}

TEST(EvaluateSpline, InteriorKnotUsesTheIntervalOnItsLeft) {
  const Vec x = MakeVec({0.0, 1.0, 2.5, 4.0});
  const SplineTable c = FitThrough(x, MakeVec({1.0, 3.0, 2.0, 5.0}), testing::kEveryDivisionGuarded);
  double y = 0.0;
  EvaluateSpline(4, 2.5, y, x, c, testing::kPlainEvaluation);
  EXPECT_DOUBLE_EQ(y, EvaluateSplinePiece(c, 2, 1.5));
  EXPECT_NEAR(y, 2.0, 1e-6);  // the fit's guards: measured 4.3e-7
}

TEST(EvaluateSpline, FlatIntervalFormKeepsAFlatIntervalFlat) {
  const Vec x = MakeVec({0.0, 1.0, 2.0, 3.0});
  const SplineTable c = FitThrough(x, MakeVec({0.0, 2.0, 2.0, 0.0}), testing::kUnguarded);
  double flat = 0.0;
  double cubic = 0.0;
  EvaluateSpline(4, 1.5, flat, x, c, testing::kFlatNestedEvaluation);
  EvaluateSpline(4, 1.5, cubic, x, c, testing::kPlainEvaluation);
  EXPECT_EQ(flat, 2.0);
  EXPECT_GT(cubic, 2.1);  // the spline bulges between the equal ordinates
  // Elsewhere both orders of evaluation give the same cubic.
  double a = 0.0;
  double b = 0.0;
  EvaluateSpline(4, 0.4, a, x, c, testing::kFlatNestedEvaluation);
  EvaluateSpline(4, 0.4, b, x, c, testing::kPlainEvaluation);
  EXPECT_NEAR(a, b, 1e-12);
}

// Repeated knots (a doubled station, a doubled end point) must give finite,
// if meaningless, coefficients in every program's form.
TEST(FitCubicSpline, CoincidentKnotsStayFinite) {
  const Vec patterns[] = {
      MakeVec({0.0, 1.0, 1.0, 2.0}),      MakeVec({0.0, 1.0, 2.0, 2.0, 2.0}), MakeVec({0.0, 0.0, 0.0, 0.0}),
      MakeVec({0.0, 1.0, 1.0, 1.0, 2.0, 3.0}), MakeVec({0.0, 0.0, 1.0}),    MakeVec({2.0, 2.0}),
  };
  for (const auto& set : kGuardSets) {
    SCOPED_TRACE(set.name);
    for (const Vec& x : patterns) {
      const int n = x.Upper();
      const SplineTable c = FitThrough(x, Sample(x, [](double t) { return 1.0 + t * t; }), set.guards);
      for (int i = 1; i <= n; ++i) {
        for (int q = 1; q <= 4; ++q) EXPECT_TRUE(std::isfinite(c(q, i))) << "n " << n << " c(" << q << ", " << i << ")";
      }
      for (double t = x(1); t <= x(n); t += 0.25) {
        double y = 0.0;
        EvaluateSpline(n, t, y, x, c, testing::kPlainEvaluation);
        EXPECT_TRUE(std::isfinite(y)) << "n " << n << " at " << t;
      }
    }
  }
}

// Two coincident knots one unit apart in height: the divided difference is
// 1 / 1e-6 (the zero width falls back on 1e-6 where it carries no guard), and
// the slope at the first knot is what the back-substitution pivot 1 + guard
// leaves of it, so the guard shows in the result.
TEST(FitCubicSpline, GuardsEnterTheSlopesOfCoincidentKnots) {
  struct Case {
    const char* name;
    SplineGuards guards;
    double firstSlope;
  } cases[] = {
      {"every division guarded", testing::kEveryDivisionGuarded, 1e6 / (1.0 + 1e-6)},
      {"small guards", SplineGuards{.difference = 1e-6, .backSubstitution = 1e-7}, 1e6 / (1.0 + 1e-7)},
      {"unguarded", testing::kUnguarded, 1e6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SplineTable t = FitThrough(MakeVec({1.0, 1.0}), MakeVec({0.0, 1.0}), c.guards);
    EXPECT_NEAR(t(2, 2), 1e6, 1e-6);
    EXPECT_NEAR(testing::FirstSlopeAtCoincidentKnots(c.guards), c.firstSlope, 1e-6);
  }
}

// The interval is found by bisection: on knots that do not decrease (equal
// neighbours included, as at a flat bottom's knuckle pair) it is the one
// interval x(k) < x0 <= x(k+1) that a scan of every interval finds, for any
// abscissa: at every knot, between knots, outside them and at a NaN.
TEST(EvaluateSpline, BisectionFindsTheIntervalOfTheFullScan) {
  const Vec x = MakeVec({-2.0, -2.0, 0.0, 0.5, 0.5, 0.5, 1.0, 3.0, 3.25, 7.0, 7.0, 10.0});
  const int n = 12;
  SplineTable c = MakeSplineTable(n);
  for (int k = 1; k <= n; ++k) {
    for (int q = 1; q <= 4; ++q) c(q, k) = 1.0 + k + 0.1 * q;
  }
  // Every interval evaluated, the last one holding x0 counting.
  const auto scan = [&](double x0, double y0) {
    if (x0 == x(1)) return c(1, 1);
    if (x0 == x(n)) return c(1, n);
    for (int k = 1; k <= n - 1; ++k) {
      if (x(k) < x0 && x0 <= x(k + 1)) y0 = EvaluateSplinePiece(c, k, x0 - x(k));
    }
    return y0;
  };
  std::vector<double> abscissae = {std::nan(""), -100, 100};
  for (int k = 1; k <= n; ++k) {
    abscissae.push_back(x(k));
    abscissae.push_back(std::nextafter(x(k), -1e9));
    abscissae.push_back(std::nextafter(x(k), 1e9));
  }
  for (double a = -2.5; a <= 10.5; a += 0.0625) abscissae.push_back(a);
  for (const double x0 : abscissae) {
    double y = -77.0;
    EvaluateSpline(n, x0, y, x, c, testing::kPlainEvaluation);
    EXPECT_EQ(y, scan(x0, -77.0)) << x0;
  }
}

TEST(FitCubicSpline, OneKnotIsAConstant) {
  const Vec x = MakeVec({4.0});
  const SplineTable c = FitThrough(x, MakeVec({3.0}), testing::kEveryDivisionGuarded);
  EXPECT_EQ(c(2, 1), 0.0);
  double y = 0.0;
  EvaluateSpline(1, 4.0, y, x, c, testing::kPlainEvaluation);
  EXPECT_EQ(y, 3.0);
}

}  // namespace
}  // namespace numerics

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/platform/errors.hpp"
#include "curve_fixtures.hpp"

namespace numerics {
namespace {

using testing::MakeVec;
using testing::Sample;

// y = x^2 at 0, 1, 2, 3.
struct SquareCurve {
  Vec X = MakeVec({0.0, 1.0, 2.0, 3.0});
  Vec Y = MakeVec({0.0, 1.0, 4.0, 9.0});
  Vec knots;
  SplineTable coefficients = MakeSplineTable(4);

  double At(double x0, int method, const CurveInterpolationRule& rule = testing::kClosedIntervals,
            double preset = 99.0) {
    double y0 = preset;
    InterpolateCurve(4, X, Y, knots, coefficients, x0, y0, method, rule);
    return y0;
  }
};

struct CurveCase {
  double x0;
  int method;
  double expected;
  double tolerance;
};

// The spline reproduces the square but for the guards of 1e-6 in its fit
// (measured 2.2e-6 at most).
constexpr double kSplineGuardError = 5e-6;

TEST(InterpolateCurve, ChordParabolaAndSplineOnASquare) {
  const CurveCase cases[] = {
      {0.5, kChordMethod, 1.0, 1e-12},     // chord (0, 0)-(2, 4) of the group 1..3
      {0.5, kParabolaMethod, 0.25, 1e-12},
      {0.5, kSplineMethod, 0.25, kSplineGuardError},
      {2.5, kChordMethod, 7.0, 1e-12},     // chord (1, 1)-(3, 9) of the group 2..4
      {2.5, kParabolaMethod, 6.25, 1e-12},
      {2.5, kSplineMethod, 6.25, kSplineGuardError},
      {1.5, kParabolaMethod, 2.25, 1e-12},
      {0.0, kParabolaMethod, 0.0, 0.0},    // the ends give the end ordinates
      {3.0, kParabolaMethod, 9.0, 0.0},
      {0.0, kSplineMethod, 0.0, 0.0},
      {3.0, kSplineMethod, 9.0, 0.0},
  };
  SquareCurve curve;
  for (const auto& c : cases) {
    EXPECT_NEAR(curve.At(c.x0, c.method), c.expected, c.tolerance) << "x0 " << c.x0 << " method " << c.method;
  }
}

// A model's curve: the levels of a 0.8 m box model lie millimetres apart.  The
// parabola through three points reproduces a parabola at any spacing; an
// absolute guard on L R (R - L) took groups 5 mm wide for coincident points
// and read areas some per cent off.
TEST(InterpolateCurve, ParabolaIsExactAtTheSpacingOfAModel) {
  for (double h : {1.0, 0.05, 0.005, 0.0005}) {
    // y = 3 + 2 x + 40 x^2 at 0, h, 3h, 4h (unequal groups).
    const Vec X = MakeVec({0.0, h, 3 * h, 4 * h});
    Vec Y(4);
    for (int i = 1; i <= 4; ++i) Y(i) = 3 + 2 * X(i) + 40 * X(i) * X(i);
    for (double x0 : {0.5 * h, 2 * h, 3.5 * h}) {
      double y0 = 99.0;
      InterpolateCurve(4, X, Y, x0, y0, kParabolaMethod, testing::kClosedIntervals);
      EXPECT_NEAR(y0, 3 + 2 * x0 + 40 * x0 * x0, 1e-12) << "spacing " << h << " at " << x0;
    }
  }
}

TEST(InterpolateCurve, FlatIntervalGivesItsLeftOrdinate) {
  const Vec X = MakeVec({0.0, 1.0, 2.0, 3.0});
  const Vec Y = MakeVec({0.0, 1.0, 1.000005, 5.0});
  for (int method : {kChordMethod, kParabolaMethod, kSplineMethod}) {
    double y0 = 99.0;
    InterpolateCurve(4, X, Y, 1.5, y0, method, testing::kClosedIntervals);
    EXPECT_EQ(y0, 1.0) << method;
  }
}

TEST(InterpolateCurve, OutsideTheCurveOrUnknownMethodLeavesTheResult) {
  SquareCurve curve;
  for (int method : {kChordMethod, kParabolaMethod, kSplineMethod}) {
    EXPECT_EQ(curve.At(-1.0, method), 99.0) << method;
    EXPECT_EQ(curve.At(3.5, method), 99.0) << method;
  }
  EXPECT_EQ(curve.At(1.5, 0), 99.0);
  EXPECT_EQ(curve.At(1.5, 4), 99.0);
}

// Two-point curves (an appendage strip) are read on their straight line;
// a single point gives its own ordinate there and nothing elsewhere.
TEST(InterpolateCurve, ShortCurvesStayInsideTheirTables) {
  const Vec X2 = MakeVec({0.0, 2.0});
  const Vec Y2 = MakeVec({0.0, 4.0});
  for (int method : {kChordMethod, kParabolaMethod, kSplineMethod}) {
    double y0 = 99.0;
    InterpolateCurve(2, X2, Y2, 0.5, y0, method, testing::kClosedIntervals);
    EXPECT_DOUBLE_EQ(y0, 1.0) << method;
    y0 = 99.0;
    InterpolateCurve(2, X2, Y2, 2.5, y0, method, testing::kClosedIntervals);
    EXPECT_EQ(y0, 99.0) << method;
  }
  double flat = 99.0;
  InterpolateCurve(2, X2, MakeVec({3.0, 3.000001}), 1.0, flat, kChordMethod, testing::kClosedIntervals);
  EXPECT_EQ(flat, 3.0);

  const Vec X1 = MakeVec({5.0});
  const Vec Y1 = MakeVec({7.0});
  double y0 = 99.0;
  InterpolateCurve(1, X1, Y1, 5.0, y0, kParabolaMethod, testing::kClosedIntervals);
  EXPECT_EQ(y0, 7.0);
  y0 = 99.0;
  InterpolateCurve(1, X1, Y1, 4.0, y0, kParabolaMethod, testing::kClosedIntervals);
  EXPECT_EQ(y0, 99.0);
  InterpolateCurve(0, Vec(), Vec(), 0.0, y0, kParabolaMethod, testing::kClosedIntervals);
  EXPECT_EQ(y0, 99.0);
}

// At a knot the spline method takes the piece that ends there (the interval
// x(j-1) < x0 <= x(j)), evaluated at its end, as EvaluateSpline does on the
// same fit; between knots both give the same piece too.  On increasing knots
// the two interval searches agree everywhere.
TEST(InterpolateCurve, SplineMethodAgreesWithEvaluateSplineAtAndBetweenTheKnots) {
  const Vec X = MakeVec({0.0, 0.7, 1.5, 3.0, 3.2, 5.0, 8.0});
  const Vec Y = Sample(X, [](double x) { return std::sin(x) + 0.1 * x * x; });
  const int n = X.Upper();
  for (const CurveInterpolationRule& rule : {testing::kClosedIntervals, testing::kLeftOpenIntervals}) {
    const SplineTable fit = testing::FitThrough(X, Y, rule.splineGuards);
    std::vector<double> abscissae;
    for (int j = 1; j <= n; ++j) abscissae.push_back(X(j));
    for (int j = 1; j < n; ++j) abscissae.push_back((X(j) + X(j + 1)) / 2);
    for (const double x0 : abscissae) {
      Vec knots;
      SplineTable work;
      double interpolated = 99.0;
      InterpolateCurve(n, X, Y, knots, work, x0, interpolated, kSplineMethod, rule);
      double evaluated = 99.0;
      EvaluateSpline(n, x0, evaluated, X, fit, testing::kPlainEvaluation);
      EXPECT_EQ(interpolated, evaluated) << "x0 " << x0 << " left-open " << rule.leftOpenIntervals;
    }
    // An interior knot: the end of the piece on its left (which meets the
    // knot's own ordinate only to the fit's rounding).
    for (int j = 2; j < n; ++j) {
      double y0 = 99.0;
      InterpolateCurve(n, X, Y, X(j), y0, kSplineMethod, rule);
      EXPECT_EQ(y0, EvaluateSplinePiece(fit, j - 1, X(j) - X(j - 1))) << "knot " << j;
    }
  }
}

TEST(InterpolateCurve, SplineMethodEnlargesSmallWorkTables) {
  SquareCurve curve;
  curve.coefficients = SplineTable();
  EXPECT_NEAR(curve.At(1.7, kSplineMethod), 2.89, kSplineGuardError);
  EXPECT_GE(curve.knots.Upper(), 4);
}

// With intervals open on the left an interior abscissa belongs to the
// interval before it, which changes the three-point group.
TEST(InterpolateCurve, LeftOpenIntervalRule) {
  SquareCurve curve;
  EXPECT_DOUBLE_EQ(curve.At(2.0, kChordMethod), 5.0);  // group 2..4
  EXPECT_DOUBLE_EQ(curve.At(2.0, kChordMethod, testing::kLeftOpenIntervals), 4.0);  // group 1..3
  EXPECT_DOUBLE_EQ(curve.At(2.0, kParabolaMethod, testing::kLeftOpenIntervals), 4.0);
  EXPECT_DOUBLE_EQ(curve.At(0.0, kChordMethod, testing::kLeftOpenIntervals), 0.0);
  EXPECT_EQ(curve.At(-0.1, kChordMethod, testing::kLeftOpenIntervals), 99.0);
  // Guards of 1e-7 in this fit: measured 2.2e-7.
  EXPECT_NEAR(curve.At(2.5, kSplineMethod, testing::kLeftOpenIntervals), 6.25, 5e-7);
}

TEST(InterpolateInTable, LinearOnTheBracketingInterval) {
  const Vec X = MakeVec({0.0, 2.0, 3.0, 3.000005, 5.0});
  const Vec Y = MakeVec({10.0, 20.0, 40.0, 70.0, 80.0});
  double y = 0.0;
  InterpolateInTable(5, 1.0, y, X, Y);
  EXPECT_DOUBLE_EQ(y, 15.0);
  InterpolateInTable(5, 2.5, y, X, Y);
  EXPECT_DOUBLE_EQ(y, 30.0);
  InterpolateInTable(5, 2.0, y, X, Y);
  EXPECT_DOUBLE_EQ(y, 20.0);
  InterpolateInTable(5, 3.000002, y, X, Y);  // too short to divide by
  EXPECT_DOUBLE_EQ(y, 40.0);
  y = 99.0;
  InterpolateInTable(5, 5.5, y, X, Y);
  EXPECT_EQ(y, 99.0);
}

TEST(InterpolateLinear, StraightLineThroughTwoPoints) {
  double y = 0.0;
  InterpolateLinear(0.0, 10.0, 0.0, 100.0, 2.5, y);
  EXPECT_DOUBLE_EQ(y, 25.0);
  InterpolateLinear(2.0, 4.0, 1.0, -1.0, 5.0, y);  // beyond the points too
  EXPECT_DOUBLE_EQ(y, -2.0);
}

TEST(InterpolateLinear, CoincidentAbscissaeAreADataError) {
  double y = 7.0;
  try {
    InterpolateLinear(5.0, 5.0, 1.0, 2.0, 5.0, y);
    FAIL() << "no DataError";
  } catch (const platform::DataError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Iki noktanin x degerleri cakisiyor (x1 = 5.000, x2 = 5.000); bu iki noktadan dogru gecirilemez. "
              "Bu durumda program calismaz.");
  }
  EXPECT_EQ(y, 7.0);
  EXPECT_THROW(InterpolateLinear(0.0, 0.00001, 0.0, 1.0, 0.0, y), platform::DataError);
}

}  // namespace
}  // namespace numerics

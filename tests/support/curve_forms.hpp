#pragma once
// Forms of the curve routines for the tests of the shared core.  The
// programs' own forms are tested with their forms bundles; the tests of the
// shared routines use these sets, which show what any set does.

#include <cmath>
#include <initializer_list>

#include "common/numerics/curves.hpp"

namespace testsupport::curve_forms {

using numerics::CurveInterpolationRule;
using numerics::SplineEvaluation;
using numerics::SplineGuards;

// The classical form: 1e-6 added to every division that carries a guard.
inline constexpr SplineGuards kEveryDivisionGuarded{1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 0.0, 0.0,
                                                    1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 1e-6};
// Every division as it stands.
inline constexpr SplineGuards kUnguarded{};
// Small guards, and the not-a-knot last row's factor and diagonal guarded too.
inline constexpr SplineGuards kSmallGuards{1e-7, 1e-7,  1e-7, 1e-7, 1e-7, 1e-12, 1e-12,
                                           1e-7, 1e-7,  1e-7, 1e-7, 1e-7, 1e-7,  1e-7};
// The plain evaluation of a fitted spline, and the one that keeps an interval
// between equal ordinates flat and evaluates fully nested.
inline constexpr SplineEvaluation kPlainEvaluation{};
inline constexpr SplineEvaluation kFlatNestedEvaluation{.flatIntervalValue = true, .fullyNested = true};
// Interval rules of InterpolateCurve: closed intervals, and intervals open on
// the left.
inline constexpr CurveInterpolationRule kClosedIntervals{.leftOpenIntervals = false,
                                                         .splineGuards = kEveryDivisionGuarded};
inline constexpr CurveInterpolationRule kLeftOpenIntervals{.leftOpenIntervals = true,
                                                           .splineGuards = kSmallGuards};

// The Simpson rule's guard of the classical form, and none.
inline constexpr double kSimpsonGuard = 0.00005;
inline constexpr double kNoSimpsonGuard = 0.0;

// One-based table holding the values in order from index 1.
inline numerics::Vec Values(std::initializer_list<double> values) {
  numerics::Vec v(static_cast<int>(values.size()));
  int i = 1;
  for (double value : values) v(i++) = value;
  return v;
}

// The slope that a spline fit with these guards gives at the first of two
// coincident knots whose ordinates are 0 and 1: the divided difference 1/0
// falls back on 1e6 (or carries its guard), and the back-substitution pivot
// 1 + guard leaves the first slope.
inline double FirstSlopeAtCoincidentKnots(const SplineGuards& guards) {
  const numerics::Vec x = Values({1.0, 1.0});
  numerics::SplineTable c = numerics::MakeSplineTable(2);
  c(1, 1) = 0;
  c(1, 2) = 1;
  numerics::FitCubicSpline(2, x, c, 0, 0, guards);
  return c(2, 1);
}

// The area under the parabolic waterline y = B (1 - (2x/L - 1)^2) (exactly
// 2/3 L B) by the unequal-spacing Simpson rule with the given guard, over
// stations at X.
inline double ParabolicWaterlineArea(const numerics::Vec& X, double L, double B, double guard) {
  numerics::Vec Y(X.Upper());
  for (int i = 1; i <= X.Upper(); ++i) Y(i) = B * (1 - std::pow(2 * X(i) / L - 1, 2));
  double area = 0;
  numerics::IntegrateUnequalSimpson(X.Upper(), X, Y, area, guard);
  return area;
}

}  // namespace testsupport::curve_forms

#pragma once
// Small curves for the numerics tests.

#include <initializer_list>

#include "common/numerics/curves.hpp"
#include "tests/support/curve_forms.hpp"

namespace numerics::testing {

using namespace testsupport::curve_forms;

inline Vec MakeVec(std::initializer_list<double> values) { return Values(values); }

// Ordinates f(X(i)) for every point.
template <class F>
Vec Sample(const Vec& X, F f) {
  Vec y(X.Upper());
  for (int i = 1; i <= X.Upper(); ++i) y(i) = f(X(i));
  return y;
}

// Spline through the points (x(i), y(i)) fitted with the given guards.
template <class Guards>
SplineTable FitThrough(const Vec& x, const Vec& y, const Guards& guards) {
  const int n = x.Upper();
  SplineTable c = MakeSplineTable(n);
  for (int i = 1; i <= n; ++i) c(1, i) = y(i);
  FitCubicSpline(n, x, c, 0, 0, guards);
  return c;
}

}  // namespace numerics::testing

// Integration over unequally spaced points and slopes at the points of a
// tabulated curve.

#include <cmath>

#include "curves.hpp"

namespace numerics {

void IntegrateUnequalSimpson(int n, const Vec& X, const Vec& Y, double& total, double guard) {
  if (n <= 1) {
    total = 0.0;
    return;
  }
  if (n == 2) {
    // No parabola through two points: the trapezoid.
    total = (X(2) - X(1)) * (Y(1) + Y(2)) / 2.0;
    return;
  }

  // First interval under the parabola through points 1, 2, 3.
  double h1 = X(2) - X(1);
  double h2 = X(3) - X(2);
  double s = h1 + h2;
  double integral = (h1 / 6.0) * ((2.0 + GuardedQuotient(h2, s, guard)) * Y(1) +
                                  (2.0 + GuardedQuotient(s, h2, guard)) * Y(2) -
                                  GuardedQuotient(h1 * h1 * Y(3), h2 * s, guard));

  // Every later interval under the parabola centred on its left end point.
  for (int k = 2; k <= n - 1; ++k) {
    h1 = X(k) - X(k - 1);
    h2 = X(k + 1) - X(k);
    s = h1 + h2;
    integral += (h2 / 6.0) * (-GuardedQuotient(h2 * h2 * Y(k - 1), h1 * s, guard) +
                              (2.0 + GuardedQuotient(s, h1, guard)) * Y(k) +
                              (2.0 + GuardedQuotient(h1, s, guard)) * Y(k + 1));
  }
  total = integral;
}

namespace {

constexpr double kSlopeGuard = 0.000001;

// Derivative at X(a) of the parabola through points a, b and c.  A group
// with coincident abscissae has no such parabola: its slope is taken as 0.
double GroupSlope(const Vec& X, const Vec& Y, int a, int b, int c, bool guardRatio) {
  const double base = X(b) - X(a) + (guardRatio ? kSlopeGuard : 0.0);
  if (base == 0.0) return 0.0;
  const double r = (X(c) - X(a)) / base;
  if (r == 0.0 || !std::isfinite(r)) return 0.0;
  const double width = X(c) - X(b) + kSlopeGuard;
  if (width == 0.0) return 0.0;
  const double slope = (r * (Y(b) - Y(a)) - (Y(c) - Y(a)) / r) / width;
  return std::isfinite(slope) ? slope : 0.0;
}

}  // namespace

void EstimateNodeSlopes(int n, const Vec& X, const Vec& Y, Vec& S) {
  if (n <= 0) return;
  if (n == 1) {
    S(1) = 0.0;
    return;
  }
  if (n == 2) {
    S(1) = GuardedQuotient(Y(2) - Y(1), X(2) - X(1), kSlopeGuard);
    S(2) = S(1);
    return;
  }
  S(1) = GroupSlope(X, Y, 1, 2, 3, true);
  S(n) = GroupSlope(X, Y, n, n - 1, n - 2, false);
  for (int k = 2; k <= n - 1; ++k) S(k) = GroupSlope(X, Y, k, k - 1, k + 1, false);
}

}  // namespace numerics

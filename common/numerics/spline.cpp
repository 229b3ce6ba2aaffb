// Cubic-spline fit (not-a-knot ends) and evaluation.

#include "curves.hpp"

namespace numerics {

void FitCubicSpline(int n, const Vec& x, SplineTable& c, int /*startCondition*/, int /*endCondition*/,
                    const SplineGuards& guards) {
  if (n <= 0) return;
  if (n == 1) {
    c(2, 1) = 0.0;
    c(3, 1) = 0.0;
    c(4, 1) = 0.0;
    return;
  }

  // c3 and c4 hold the interval widths and divided differences while the
  // tridiagonal system for the knot slopes is solved.
  for (int m = 2; m <= n; ++m) {
    c(3, m) = x(m) - x(m - 1);
    c(4, m) = GuardedQuotient(c(1, m) - c(1, m - 1), c(3, m), guards.difference);
  }

  if (n == 2) {
    // Straight line: both slopes equal the chord slope.
    c(4, 1) = 1.0;
    c(3, 1) = 1.0;
    c(2, 1) = 2.0 * c(4, 2);
    c(2, 2) = c(4, 2);
  } else {
    // Not-a-knot first row: the first two pieces are one cubic.
    c(4, 1) = c(3, 3);
    c(3, 1) = c(3, 2) + c(3, 3);
    c(2, 1) = GuardedQuotient((c(3, 2) + 2.0 * c(3, 1)) * c(4, 2) * c(3, 3) + c(3, 2) * c(3, 2) * c(4, 3), c(3, 1),
                              guards.firstRow);

    // Forward elimination of the interior rows.
    for (int m = 2; m <= n - 1; ++m) {
      const double g = GuardedQuotient(-c(3, m + 1), c(4, m - 1), guards.elimination);
      c(2, m) = g * c(2, m - 1) + 3.0 * (c(3, m) * c(4, m + 1) + c(3, m + 1) * c(4, m));
      c(4, m) = g * c(3, m - 1) + 2.0 * (c(3, m) + c(3, m + 1));
    }

    // Last row: parabola closing for three knots, not-a-knot otherwise.
    double g = 0.0;
    if (n == 3) {
      c(2, 3) = 2.0 * c(4, 3);
      c(4, 3) = 1.0;
      g = GuardedQuotient(-1.0, c(4, 2), guards.closingN3);
    } else {
      g = c(3, n - 1) + c(3, n);
      // The square of the last width times the ordinate step is divided by the
      // width before it, in that order.
      const double inner =
          GuardedQuotient(c(3, n) * c(3, n) * (c(1, n - 1) - c(1, n - 2)), c(3, n - 1), guards.lastRowInner);
      c(2, n) = GuardedQuotient((c(3, n) + 2.0 * g) * c(4, n) * c(3, n - 1) + inner, g, guards.lastRowOuter);
      // This factor's pivot may vanish for repeated end knots; the quotient
      // then falls back on a tiny divisor instead of 0/0.
      g = GuardedQuotient(-g, c(4, n - 1), guards.lastRowFactor);
      c(4, n) = c(3, n - 1) + guards.lastDiagonalExtra;
    }
    c(4, n) = g * c(3, n - 1) + c(4, n);
    c(2, n) = GuardedQuotient(g * c(2, n - 1) + c(2, n), c(4, n), guards.lastPivot);
  }

  // Back substitution: c2 becomes the slope at every knot.
  for (int j = n - 1; j >= 1; --j) {
    c(2, j) = GuardedQuotient(c(2, j) - c(3, j) * c(2, j + 1), c(4, j), guards.backSubstitution);
  }

  // Second and third derivatives at the left end of every interval.
  for (int i = 2; i <= n; ++i) {
    const double h = c(3, i);
    const double s = GuardedQuotient(c(1, i) - c(1, i - 1), h, guards.derivativeDifference);
    const double t = c(2, i - 1) + c(2, i) - 2.0 * s;
    c(3, i - 1) = GuardedQuotient(2.0 * (s - c(2, i - 1) - t), h, guards.secondDerivative);
    c(4, i - 1) = GuardedQuotient(t, h, guards.thirdDerivativeInner) * GuardedQuotient(6.0, h, guards.thirdDerivativeOuter);
  }
}

namespace {

double SplinePiece(const SplineTable& c, int k, double d, bool fullyNested) {
  if (fullyNested) return c(1, k) + d * (c(2, k) + d * (c(3, k) + c(4, k) * d / 3.0) / 2.0);
  return EvaluateSplinePiece(c, k, d);
}

}  // namespace

void EvaluateSpline(int n, double x0, double& y0, const Vec& x, const SplineTable& c,
                    const SplineEvaluation& options) {
  if (n <= 0) return;
  if (x0 == x(1)) {
    y0 = c(1, 1);
    return;
  }
  if (x0 == x(n)) {
    y0 = c(1, n);
    return;
  }
  // The interval x(k) < x0 <= x(k+1); outside the knots (or at a NaN) the
  // value is kept.  On knots that do not decrease there is at most one such
  // interval, found by bisection: k + 1 is the first knot at or above x0.
  if (!(x(1) < x0 && x0 < x(n))) return;
  const int k = BisectKnots(x, 1, n, x0);
  if (options.flatIntervalValue && c(1, k) == c(1, k + 1)) {
    y0 = c(1, k);
    return;
  }
  y0 = SplinePiece(c, k, x0 - x(k), options.fullyNested);
}

int BisectKnots(const Vec& x, int low, int high, double x0) {
  while (high - low > 1) {  // x(low) < x0 <= x(high)
    const int mid = low + (high - low) / 2;
    if (x(mid) < x0) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return low;
}

}  // namespace numerics

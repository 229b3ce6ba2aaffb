// Monotone piecewise cubic Hermite interpolation (Fritsch and Carlson).

#include <cmath>

#include "curves.hpp"

namespace numerics {

namespace {

// The slopes of an interval lie within this radius, in units of its chord
// slope, for its cubic to be monotone (Fritsch and Carlson's sufficient
// circle).
constexpr double kMonotoneRadius = 3.0;

}  // namespace

void FitMonotoneCubic(int n, const Vec& x, SplineTable& c) {
  if (n <= 0) return;
  if (n == 1) {
    // A single point: the constant through it.
    c(2, 1) = c(3, 1) = c(4, 1) = 0.0;
    return;
  }

  // Chord slope of every interval; an interval of no width is flat.
  Vec chord(n - 1);
  for (int k = 1; k <= n - 1; ++k) {
    const double h = x(k + 1) - x(k);
    chord(k) = h > 0 ? (c(1, k + 1) - c(1, k)) / h : 0.0;
  }

  // Knot slopes: the chord slope at the two ends; inside, the mean of the two
  // chord slopes where the curve rises (or falls) through the knot, 0 at a
  // peak, a trough or the end of a flat interval.
  c(2, 1) = chord(1);
  c(2, n) = chord(n - 1);
  for (int k = 2; k <= n - 1; ++k) {
    c(2, k) = chord(k - 1) * chord(k) > 0 ? (chord(k - 1) + chord(k)) / 2 : 0.0;
  }

  // Per interval: flat between equal ordinates; elsewhere the two slopes
  // brought within the circle that keeps its cubic monotone.  Slopes are
  // only ever reduced, so an interval already treated stays monotone.
  for (int k = 1; k <= n - 1; ++k) {
    if (chord(k) == 0.0) {
      c(2, k) = 0.0;
      c(2, k + 1) = 0.0;
      continue;
    }
    const double alpha = c(2, k) / chord(k);
    const double beta = c(2, k + 1) / chord(k);
    const double radius = std::sqrt(alpha * alpha + beta * beta);
    if (radius > kMonotoneRadius) {
      const double tau = kMonotoneRadius / radius;
      c(2, k) = tau * alpha * chord(k);
      c(2, k + 1) = tau * beta * chord(k);
    }
  }

  // The cubic of every interval from its end values and slopes, as second
  // and third derivatives at its left end.
  for (int k = 1; k <= n - 1; ++k) {
    const double h = x(k + 1) - x(k);
    if (!(h > 0)) {
      c(3, k) = 0.0;
      c(4, k) = 0.0;
      continue;
    }
    const double t = c(2, k) + c(2, k + 1) - 2.0 * chord(k);
    c(3, k) = 2.0 * (chord(k) - c(2, k) - t) / h;
    c(4, k) = 6.0 * t / (h * h);
  }
  // At the last knot the second and third derivatives of the last piece.
  const double h = x(n) - x(n - 1);
  c(3, n) = c(3, n - 1) + c(4, n - 1) * h;
  c(4, n) = c(4, n - 1);
}

}  // namespace numerics

#pragma once
// Curve numerics shared by the three programs: cubic-spline fit and
// evaluation, the monotone piecewise cubic, interpolation in tabulated
// curves, integration over unequally spaced points, node slopes and sorting.
// No routine here does any I/O.
//
// The routines follow the classical formulations with small additive guards
// in their divisors; the guards enter the results.  The programs of the suite
// use slightly different guards, interval rules and evaluation orders: those
// are the structs below, and every routine that has such a variant takes it
// as an argument without a default, so that each call names its program's
// form (from the program's forms bundle).

#include "table.hpp"

namespace numerics {

// numerator / (divisor + guard).  The guards keep the quotients finite for
// nearly coincident abscissae; when the guarded divisor is still exactly zero
// (a division made without a guard, or a guard cancelling the divisor) the
// quotient is taken with kZeroDivisorFallback instead, so that repeated
// points give very large but finite numbers and never 0/0.
inline constexpr double kZeroDivisorFallback = 1e-6;
inline double GuardedQuotient(double numerator, double divisor, double guard) {
  double d = divisor + guard;
  if (d == 0.0) d = kZeroDivisorFallback;
  return numerator / d;
}

// Additive guards of the divisions of FitCubicSpline.  A guard of 0 means the
// division is made as it stands (a divisor that is then exactly zero is
// replaced as GuardedQuotient says).  The programs differ in these constants:
// each program's set is part of its forms bundle, so every member is given
// there and none is implied here.
struct SplineGuards {
  double difference = 0;            // first divided differences
  double firstRow = 0;              // not-a-knot first row
  double elimination = 0;           // forward-elimination factor
  double lastRowInner = 0;          // not-a-knot last row, inner division (n >= 4)
  double lastRowOuter = 0;          // not-a-knot last row, outer division (n >= 4)
  double lastRowFactor = 0;         // not-a-knot last row elimination factor (n >= 4)
  double lastDiagonalExtra = 0;     // added to the last diagonal entry (n >= 4)
  double closingN3 = 0;             // closing factor for n = 3
  double lastPivot = 0;             // slope at the last knot
  double backSubstitution = 0;      // back-substitution pivots
  double derivativeDifference = 0;  // first difference of the derivative step
  double secondDerivative = 0;      // second derivative of the derivative step
  double thirdDerivativeInner = 0;  // third derivative, first division
  double thirdDerivativeOuter = 0;  // third derivative, second division

  bool operator==(const SplineGuards&) const = default;
};

// Options of EvaluateSpline.  Both false is the plain evaluation.
struct SplineEvaluation {
  // When set, an interval whose two knot values are equal yields that value
  // without evaluating the cubic.
  bool flatIntervalValue = false;
  // Order of evaluation of the cubic: false gives
  // c1 + c2*d + (c3 + c4*d/3)*d*d/2, true the fully nested
  // c1 + d*(c2 + d*(c3 + c4*d/3)/2).
  bool fullyNested = false;

  bool operator==(const SplineEvaluation&) const = default;
};

// Interval rule of InterpolateCurve, with the guards of its spline method.
struct CurveInterpolationRule {
  // false: k is the last i with X(i) <= x0 <= X(i+1) (closed intervals).
  // true: k is the last i with X(i) < x0 <= X(i+1), and k = 1 at x0 = X(1).
  bool leftOpenIntervals = false;
  SplineGuards splineGuards{};

  bool operator==(const CurveInterpolationRule&) const = default;
};

// FitCubicSpline(n, x, c, startCondition, endCondition): not-a-knot cubic
// spline through the knots x(1..n) with ordinates c(1, 1..n); fills c(2..4, k).
// On [x(i), x(i+1)] the spline is c1(i) + c2(i)d + c3(i)d^2/2 + c4(i)d^3/6,
// d = x - x(i); c3(n) and c4(n) hold working values.  Every end condition is
// taken as not-a-knot (the only one the programs use).  n = 1 gives the
// constant c1(1); n <= 0 does nothing.  Coincident knots give very large but
// finite coefficients.
void FitCubicSpline(int n, const Vec& x, SplineTable& c, int startCondition, int endCondition,
                    const SplineGuards& guards);

// FitMonotoneCubic(n, x, c): the monotone piecewise cubic Hermite curve of
// Fritsch and Carlson through the knots x(1..n) (strictly increasing) with
// ordinates c(1, 1..n); fills c(2..4, k) in FitCubicSpline's layout, so that
// EvaluateSpline evaluates it.  Between two knots the curve stays within
// their two ordinates (it rises, falls or stays flat with them), its slope is
// continuous at every knot, and it is exact on a straight line.  Knot slopes:
// the chord slope at the ends, the mean of the two chord slopes inside (0 at
// a peak, a trough or a flat interval), then reduced per interval to Fritsch
// and Carlson's circle of radius 3 in units of its chord slope.  n = 1 gives
// the constant c1(1); n <= 0 does nothing; an interval of no width is flat.
void FitMonotoneCubic(int n, const Vec& x, SplineTable& c);

// EvaluateSpline(n, x0, y0, x, c): y0 receives the spline value at x0, or
// keeps its value when x0 lies outside [x(1), x(n)].  The knots must not
// decrease (the fit's own condition); the interval x(k) < x0 <= x(k+1) is
// found by bisection.
void EvaluateSpline(int n, double x0, double& y0, const Vec& x, const SplineTable& c,
                    const SplineEvaluation& options);

// On knots that do not decrease, with x(low) < x0 <= x(high): the interval
// k (low <= k < high) with x(k) < x0 <= x(k+1), found by bisection.
int BisectKnots(const Vec& x, int low, int high, double x0);

// Value of the cubic piece k of a fitted spline at d = x - x(k), in the
// evaluation order of the plain evaluation.
inline double EvaluateSplinePiece(const SplineTable& c, int k, double d) {
  return c(1, k) + c(2, k) * d + (c(3, k) + c(4, k) * d / 3.0) * (d * d) / 2.0;
}

// InterpolationMethod of InterpolateCurve.
enum InterpolationMethod : int { kChordMethod = 1, kParabolaMethod = 2, kSplineMethod = 3 };

// InterpolateCurve(n, X, Y, knotWork, coefWork, x0, y0, method): value of the
// curve at x0 by the chord (1) or the parabola (2) of the three-point group
// around the interval holding x0, or by the cubic spline through all points
// (3, fitted in the work tables, which are enlarged when they are too small).
// y0 keeps its value when x0 lies outside [X(1), X(n)] or the method is not
// 1 to 3.  A two-point curve is interpolated linearly; a one-point curve gives
// Y(1) at x0 = X(1).
void InterpolateCurve(int n, const Vec& X, const Vec& Y, Vec& knotWork, SplineTable& coefWork, double x0,
                      double& y0, int method, const CurveInterpolationRule& rule);

// The same with work tables of its own (the cross-curves and floodable-length
// programs' six-argument form).
void InterpolateCurve(int n, const Vec& X, const Vec& Y, double x0, double& y0, int method,
                      const CurveInterpolationRule& rule);

// InterpolateInTable(n, x, y, X, Y): piecewise-linear interpolation.
void InterpolateInTable(int n, double x, double& y, const Vec& X, const Vec& Y);

// InterpolateLinear(x1, x2, y1, y2, x, y): value at x on the line through
// (x1, y1) and (x2, y2).  Throws platform::DataError when x1 and x2 (nearly)
// coincide.
void InterpolateLinear(double x1, double x2, double y1, double y2, double x, double& y);

// IntegrateUnequalSimpson(n, X, Y, total): integral of Y over [X(1), X(n)],
// each interval under a parabola through three consecutive points; guard is
// added to every divisor (0: the divisions as they stand).  Two points give
// the trapezoid, fewer give 0.
void IntegrateUnequalSimpson(int n, const Vec& X, const Vec& Y, double& total, double guard);

// EstimateNodeSlopes(n, X, Y, S): slope dy/dx at every point, the derivative
// of the parabola through the point and two neighbours.  The ratio of the
// spacings is guarded at the first point only; a point whose unguarded ratio
// meets coincident abscissae gets slope 0 instead of a division by zero.
void EstimateNodeSlopes(int n, const Vec& X, const Vec& Y, Vec& S);

// SortAscending(n, a): selection sort of a(1..n).
void SortAscending(int n, Vec& a);

}  // namespace numerics

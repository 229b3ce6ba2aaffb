#pragma once
// Curve numerics shared by the three programs: cubic-spline fit and
// evaluation, interpolation in tabulated curves, integration over unequally
// spaced points, node slopes and sorting.  No routine here does any I/O.
//
// The routines follow the classical formulations with small additive guards
// in their divisors; the guards enter the results.  The programs of the suite
// use slightly different guards: each program's set is a constant of the
// structs below, the defaults being those of the hydrostatics program.

#include "table.hpp"

namespace numerics {

// Additive guards of the divisions of FitCubicSpline.  A guard of 0 means the
// division is made as it stands.
struct SplineGuards {
  double difference = 1e-6;          // first divided differences
  double firstRow = 1e-6;            // not-a-knot first row
  double elimination = 1e-6;         // forward-elimination factor
  double lastRowInner = 1e-6;        // not-a-knot last row, inner division (n >= 4)
  double lastRowOuter = 1e-6;        // not-a-knot last row, outer division (n >= 4)
  double lastRowFactor = 0.0;        // not-a-knot last row elimination factor (n >= 4)
  double lastDiagonalExtra = 0.0;    // added to the last diagonal entry (n >= 4)
  double closingN3 = 1e-6;           // closing factor for n = 3
  double lastPivot = 1e-6;           // slope at the last knot
  double backSubstitution = 1e-6;    // back-substitution pivots
  double derivativeDifference = 1e-6;  // first difference of the derivative step
  double secondDerivative = 1e-6;    // second derivative of the derivative step
  double thirdDerivativeInner = 1e-6;  // third derivative, first division
  double thirdDerivativeOuter = 1e-6;  // third derivative, second division
};

// Options of EvaluateSpline.
struct SplineEvaluation {
  // When set, an interval whose two knot values are equal yields that value
  // without evaluating the cubic (the floodable-length program's form).
  bool flatIntervalValue = false;
};

// Interval rule of InterpolateCurve.
struct CurveInterpolationRule {
  // false: k is the last i with X(i) <= x0 <= X(i+1) (closed intervals).
  // true: k is the last i with X(i) < x0 <= X(i+1), and k = 1 at x0 = X(1).
  bool leftOpenIntervals = false;
  SplineGuards splineGuards{};
};

// Guards of the hydrostatics program (the defaults above).
inline constexpr SplineGuards kHydrostaticSplineGuards{};

// FitCubicSpline(n, x, c, startCondition, endCondition): not-a-knot cubic
// spline through the knots x(1..n) with ordinates c(1, 1..n); fills c(2..4, k).
void FitCubicSpline(int n, const Vec& x, SplineTable& c, int startCondition, int endCondition,
                    const SplineGuards& guards = kHydrostaticSplineGuards);

// EvaluateSpline(n, x0, y0, x, c): y0 receives the spline value at x0, or
// keeps its value when x0 lies outside [x(1), x(n)].
void EvaluateSpline(int n, double x0, double& y0, const Vec& x, const SplineTable& c,
                    const SplineEvaluation& options = {});

// InterpolationMethod of InterpolateCurve.
enum InterpolationMethod : int { kChordMethod = 1, kParabolaMethod = 2, kSplineMethod = 3 };

// InterpolateCurve(n, X, Y, knotWork, coefWork, x0, y0, method).
void InterpolateCurve(int n, const Vec& X, const Vec& Y, Vec& knotWork, SplineTable& coefWork, double x0,
                      double& y0, int method, const CurveInterpolationRule& rule = {});

// InterpolateInTable(n, x, y, X, Y): piecewise-linear interpolation.
void InterpolateInTable(int n, double x, double& y, const Vec& X, const Vec& Y);

// InterpolateLinear(x1, x2, y1, y2, x, y): value at x on the line through
// (x1, y1) and (x2, y2).  Throws DataError when x1 and x2 (nearly) coincide.
void InterpolateLinear(double x1, double x2, double y1, double y2, double x, double& y);

// IntegrateUnequalSimpson(n, X, Y, total): integral of Y over [X(1), X(n)],
// each interval under a parabola through three consecutive points.
inline constexpr double kHydrostaticSimpsonGuard = 0.00005;
void IntegrateUnequalSimpson(int n, const Vec& X, const Vec& Y, double& total,
                             double guard = kHydrostaticSimpsonGuard);

// EstimateNodeSlopes(n, X, Y, S): slope dy/dx at every point.
void EstimateNodeSlopes(int n, const Vec& X, const Vec& Y, Vec& S);

// SortAscending(n, a): selection sort of a(1..n).
void SortAscending(int n, Vec& a);

}  // namespace numerics

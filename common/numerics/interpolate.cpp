// Interpolation in tabulated curves: three-point chord and parabola, cubic
// spline, piecewise-linear table look-up and the straight line through two
// points.

#include <charconv>
#include <cmath>
#include <string>

#include "curves.hpp"
#include "common/platform/errors.hpp"

namespace numerics {

namespace {

constexpr double kFlatIntervalTolerance = 0.00001;
constexpr double kGroupTolerance = 0.000001;
constexpr double kLineTolerance = 0.00001;

bool IsCurveMethod(int method) { return method == kChordMethod || method == kParabolaMethod || method == kSplineMethod; }

}  // namespace

void InterpolateCurve(int n, const Vec& X, const Vec& Y, Vec& knotWork, SplineTable& coefWork, double x0,
                      double& y0, int method, const CurveInterpolationRule& rule) {
  if (n <= 0 || !IsCurveMethod(method)) return;
  if (n == 1) {
    // A single point: its ordinate there, nothing elsewhere.
    if (x0 == X(1)) y0 = Y(1);
    return;
  }

  // Bracketing interval: the last one that holds x0, searched from the end.
  int k = 0;
  for (int i = n - 1; i >= 1 && k == 0; --i) {
    const bool holds = rule.leftOpenIntervals ? (X(i) < x0 && x0 <= X(i + 1)) : (X(i) <= x0 && x0 <= X(i + 1));
    if (holds) k = i;
  }
  if (rule.leftOpenIntervals && x0 == X(1)) k = 1;

  if (x0 < X(1) || x0 > X(n)) return;
  if (k == 0) return;  // no interval holds x0 (abscissae out of order)

  if (std::fabs(Y(k + 1) - Y(k)) < kFlatIntervalTolerance) {
    y0 = Y(k);
    return;
  }

  if (n == 2) {
    // Too few points for a three-point group: the straight line.
    const double dx = X(2) - X(1);
    const double b = std::fabs(dx) < kGroupTolerance ? 0.0 : (Y(2) - Y(1)) / dx;
    y0 = Y(1) + b * (x0 - X(1));
    return;
  }

  if (method == kSplineMethod) {
    if (knotWork.Upper() < n) knotWork.Resize(n);
    if (coefWork.Rows() < 4 || coefWork.Columns() < n) coefWork.Resize(4, n);
    for (int i = 1; i <= n; ++i) {
      knotWork(i) = X(i);
      coefWork(1, i) = Y(i);
    }
    FitCubicSpline(n, knotWork, coefWork, 0, 0, rule.splineGuards);
    EvaluateSpline(n, x0, y0, knotWork, coefWork, SplineEvaluation{});
    return;
  }

  // Three-point group around interval k, held relative to its middle point.
  int m = k;
  if (k == 1) {
    m = 2;
  } else if (k == n - 1) {
    m = n - 1;
  }
  const double xM = X(m);
  const double yM = Y(m);
  const double L = X(m - 1) - xM;
  const double R = X(m + 1) - xM;
  const double yL = Y(m - 1);
  const double yR = Y(m + 1);
  const double u = x0 - xM;

  if (method == kChordMethod) {
    const double b = std::fabs(R - L) < kGroupTolerance ? 0.0 : (yR - yL) / (R - L);
    y0 = yL + b * (u - L);
    return;
  }

  // Parabola yM + b u + c u^2 through the group.  The group is degenerate
  // only when two of its points (nearly) coincide: the guards are taken
  // relative to its half-width, so that the levels of a model a few
  // millimetres apart are interpolated as exactly as a ship's (at a
  // half-width of 1 m they are the plain 0.000001).
  const double h = std::fabs(R - L) / 2;
  const double den = R * R * L - L * L * R;
  const double b =
      std::fabs(den) < kGroupTolerance * h * h * h ? 0.0 : (R * R * (yL - yM) - L * L * (yR - yM)) / den;
  const double c = L * L < kGroupTolerance * h * h ? 0.0 : (yL - yM - b * L) / (L * L);
  y0 = yM + (b * u + c * (u * u));
}

void InterpolateCurve(int n, const Vec& X, const Vec& Y, double x0, double& y0, int method,
                      const CurveInterpolationRule& rule) {
  Vec knotWork(n);
  SplineTable coefWork = MakeSplineTable(n);
  InterpolateCurve(n, X, Y, knotWork, coefWork, x0, y0, method, rule);
}

void InterpolateInTable(int n, double x, double& y, const Vec& X, const Vec& Y) {
  for (int i = 1; i <= n - 1; ++i) {
    if (X(i) <= x && x <= X(i + 1)) {
      const double dx = X(i + 1) - X(i);
      const double dy = Y(i + 1) - Y(i);
      if (std::fabs(dx) > kLineTolerance) {
        y = Y(i) + (x - X(i)) * (dy / dx);
      } else {
        y = Y(i);
      }
    }
  }
}

void InterpolateLinear(double x1, double x2, double y1, double y2, double x, double& y) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (std::fabs(dx) > kLineTolerance) {
    y = y1 + (x - x1) * (dy / dx);
    return;
  }
  const auto shown = [](double v) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 3);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("?");
  };
  throw platform::DataError("Iki noktanin x degerleri cakisiyor (x1 = " + shown(x1) + ", x2 = " + shown(x2) +
                  "); bu iki noktadan dogru gecirilemez. Bu durumda program calismaz.");
}

}  // namespace numerics

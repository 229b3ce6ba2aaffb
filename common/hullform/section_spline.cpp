#include "common/hullform/section_spline.hpp"

#include <cmath>

namespace hullform {

void SplineSectionWithKnuckles(int r, const HullModel& hull, int& m, Vec& t, SplineTable& c,
                               const SectionSplineOptions& options) {
  m = hull.PointCount(r);
  if (m <= 0) return;
  // Tables too small for the row are made as large as it.
  if (t.Upper() < m) t.Resize(m);
  if (c.Rows() < 4 || c.Columns() < m) c.Resize(4, m);

  // The row's ordinates (half-breadths, or positions from AP on a contour).
  Vec y(m);
  for (int k = 1; k <= m; ++k) {
    t(k) = hull.PointZ(r, k);
    y(k) = hull.PointY(r, k);
  }
  if (m == 1) {
    c(1, 1) = y(1);
    c(2, 1) = c(3, 1) = c(4, 1) = 0;
    return;
  }

  const auto isKnuckle = [&](int k) { return hull.PointCode(r, k) == kKnuckleCode; };

  int j1 = 0;
  for (int k = 1; k <= m; ++k) {
    if (isKnuckle(k)) {
      j1 = k;
      break;
    }
  }

  // No knuckle: the whole row is one spline.
  if (j1 == 0) {
    for (int k = 1; k <= m; ++k) c(1, k) = y(k);
    numerics::FitCubicSpline(m, t, c, 0, 0, options.guards);
    return;
  }

  // First piece, from the keel point up to the first knuckle.
  if (j1 == 2) {
    c(1, 1) = y(1);
    c(2, 1) = (y(2) - y(1)) / ((t(2) - t(1)) + options.firstPieceGuard);
    c(3, 1) = 0;
    c(4, 1) = 0;
    c(1, 2) = y(2);
  } else if (j1 >= 3) {
    for (int k = 1; k <= j1; ++k) c(1, k) = y(k);
    numerics::FitCubicSpline(j1, t, c, 0, 0, options.guards);
  }

  // Following pieces, each from one knuckle to the next (or to the top point),
  // fitted on their own points only; the piece's first entry replaces what the
  // piece below left at the shared knuckle.
  while (j1 < m) {
    int j2 = m;
    for (int k = j1 + 1; k <= m; ++k) {
      if (isKnuckle(k)) {
        j2 = k;
        break;
      }
    }
    const int n = j2 - j1 + 1;
    Vec pieceKnots(n);
    SplineTable pieceTable = numerics::MakeSplineTable(n);
    for (int q = 1; q <= n; ++q) {
      pieceKnots(q) = t(j1 + q - 1);
      pieceTable(1, q) = y(j1 + q - 1);
    }
    if (n == 2) {
      pieceTable(2, 1) = (y(j1 + 1) - y(j1)) / ((t(j1 + 1) - t(j1)) + options.laterPieceGuard);
      pieceTable(3, 1) = 0;
      pieceTable(4, 1) = 0;
    } else {
      numerics::FitCubicSpline(n, pieceKnots, pieceTable, 0, 0, options.guards);
    }
    for (int q = 1; q <= n; ++q) {
      for (int e = 1; e <= 4; ++e) c(e, j1 + q - 1) = pieceTable(e, q);
    }
    j1 = j2;
  }
}

void WalkFittedRow(const SectionSpline& row, double step,
                   const std::function<void(double, double, double, double)>& segment,
                   const numerics::SplineEvaluation& evaluation) {
  if (row.m < 1 || !(step > 0) || !std::isfinite(step)) return;
  const double top = row.knots(row.m);
  double yp = row.table(1, 1);
  double zp = row.knots(1);
  double z = zp + step;
  for (int n = 0; z <= top && n < kMaxWalkSteps; ++n) {
    double y = yp;
    numerics::EvaluateSpline(row.m, z, y, row.knots, row.table, evaluation);
    segment(yp, zp, y, z);
    yp = y;
    zp = z;
    const double next = z + step;
    if (!(next > z)) break;
    z = next;
  }
}

void ComputeAppendageSection(int i, double& z1, double& z2, const AppendageData& appendages, double& area,
                             double& moment, const ProgramForms& forms) {
  area = 0;
  moment = 0;
  const int count = appendages.AppendageCount(i);
  if (count <= 0) return;

  const double zb = appendages.AppendageZ(i, 1);
  const double zt = appendages.AppendageZ(i, count);
  // The strip lies wholly above or wholly below the slice.
  if (z2 < zb || z1 > zt) return;
  if (z1 < zb) z1 = zb;
  if (z2 > zt) z2 = zt;

  Vec stripZ(count), stripY1(count), stripY2(count);
  for (int j = 1; j <= count; ++j) {
    stripZ(j) = appendages.AppendageZ(i, j);
    stripY1(j) = appendages.AppendageY1(i, j);
    stripY2(j) = appendages.AppendageY2(i, j);
  }

  // Eight equally spaced heights over the clipped slice; the width of the
  // strip at each from the three-point parabolas through its breadths.
  constexpr int kSamples = 8;
  const double step = (z2 - z1) / (kSamples - 1);
  Vec s(kSamples), w(kSamples), v(kSamples);
  for (int k = 1; k <= kSamples; ++k) {
    s(k) = (k == kSamples) ? z2 : z1 + (k - 1) * step;
    double b1 = 0, b2 = 0;
    if (count == 1) {
      b1 = stripY1(1);
      b2 = stripY2(1);
    } else {
      numerics::InterpolateCurve(count, stripZ, stripY1, s(k), b1, numerics::kParabolaMethod, forms.interpolationRule);
      numerics::InterpolateCurve(count, stripZ, stripY2, s(k), b2, numerics::kParabolaMethod, forms.interpolationRule);
    }
    w(k) = std::abs(b2 - b1);
    v(k) = s(k) * w(k);
  }
  double a = 0, mz = 0;
  numerics::IntegrateUnequalSimpson(kSamples, s, w, a, forms.simpsonGuard);
  numerics::IntegrateUnequalSimpson(kSamples, s, v, mz, forms.simpsonGuard);
  // Both sides of the ship.
  area = 2 * a;
  moment = 2 * mz;
}

}  // namespace hullform

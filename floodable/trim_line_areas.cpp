// The sectional-area curve under a waterline and its compartments.
#include "trim_line_areas.hpp"

#include "common/numerics/curves.hpp"
#include "forms.hpp"

namespace flood {

TrimLineAreas::TrimLineAreas(const FloodRun& run, int m)
    : n_(run.hull.hull.StationCount), knots_(n_), areas_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) {
    knots_(i) = run.hull.hull.StationPos(i);
    areas_(i) = run.trim.TrimSectionArea(m, i);
  }
  Fit();
}

TrimLineAreas::TrimLineAreas(const hullform::HullModel& hull, const Vec& area) : TrimLineAreas(hull) { Refit(area); }

TrimLineAreas::TrimLineAreas(const hullform::HullModel& hull)
    : n_(hull.StationCount), knots_(n_), areas_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) knots_(i) = hull.StationPos(i);
}

void TrimLineAreas::Refit(const Vec& area) {
  for (int i = 1; i <= n_; ++i) areas_(i) = area(i);
  Fit();
}

void TrimLineAreas::Fit() {
  for (int i = 1; i <= n_; ++i) table_(1, i) = areas_(i);
  numerics::FitCubicSpline(n_, knots_, table_, 0, 0, kFloodableForms.splineGuards);
}

double TrimLineAreas::Volume() const {
  double V = 0.0;
  numerics::IntegrateUnequalSimpson(n_, knots_, areas_, V, kFloodableForms.simpsonGuard);
  return V;
}

double TrimLineAreas::At(double x) const {
  // Beyond the stations the ship has no section to flood.
  if (!(x >= knots_(1) && x <= knots_(n_))) return 0.0;
  double a = 0.0;
  numerics::EvaluateSpline(n_, x, a, knots_, table_, kFloodableForms.splineEvaluation);
  return a;
}

CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length,
                                         CompartmentPoints& points) {
  const double h = length / 4;
  for (int b = 1; b <= 5; ++b) {
    points.x(b) = start + (b - 1) * h;
    points.area(b) = areas.At(points.x(b));
    points.moment(b) = points.area(b) * points.x(b);
  }
  CompartmentIntegral r;
  numerics::IntegrateUnequalSimpson(5, points.x, points.area, r.volume, kFloodableForms.simpsonGuard);
  numerics::IntegrateUnequalSimpson(5, points.x, points.moment, r.moment, kFloodableForms.simpsonGuard);
  return r;
}

}  // namespace flood

#pragma once
// The sectional-area curve along the ship under a waterline, and the volume
// and moment of a compartment under it.

#include "common/numerics/table.hpp"
#include "run.hpp"

namespace flood {

// The sectional-area curve along the ship under one waterline: the cubic
// spline through the stations' areas, 0 outside the first and the last
// station.
class TrimLineAreas {
 public:
  // Trim line m of the run.
  TrimLineAreas(const FloodRun& run, int m);
  // Any waterline: the areas of the hull's stations under it, area(1..NST).
  TrimLineAreas(const hullform::HullModel& hull, const Vec& area);
  // The hull's stations, every area 0 until the curve is refitted.
  explicit TrimLineAreas(const hullform::HullModel& hull);
  // The curve of another waterline of the same hull, fitted in the same
  // tables.
  void Refit(const Vec& area);
  double At(double x) const;
  // The volume under the waterline: the stations' areas integrated along the
  // stations by the unequal Simpson rule.
  double Volume() const;

 private:
  void Fit();
  int n_ = 0;
  Vec knots_;  // the stations' positions
  Vec areas_;  // their sectional areas
  numerics::SplineTable table_;
};

// Volume and moment about AP of the compartment [start, start + length] under
// a waterline, by the unequal Simpson rule over five equally spaced points.
struct CompartmentIntegral {
  double volume = 0;
  double moment = 0;
};
// The compartment's five points with their areas and moments, a work table
// kept from compartment to compartment.
struct CompartmentPoints {
  Vec x{5}, area{5}, moment{5};
};
CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length,
                                         CompartmentPoints& points);

}  // namespace flood

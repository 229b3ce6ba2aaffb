#pragma once
// The floodable length of every trim line by trials, and the two end points
// of the floodable-length curve, for one permeability.

#include "common/numerics/table.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// The sectional-area curve of one trim line along the ship: the cubic spline
// through the stations' areas, 0 outside the first and the last station.
class TrimLineAreas {
 public:
  TrimLineAreas(const FloodRun& run, int m);
  double At(double x) const;

 private:
  int n_ = 0;
  Vec knots_;
  numerics::SplineTable table_;
};

// Volume and moment about AP of the compartment [start, start + length] under
// a trim line, by the unequal Simpson rule over five equally spaced points.
struct CompartmentIntegral {
  double volume = 0;
  double moment = 0;
};
CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length);

// For permeability p: per trim line the compartment whose flooding sinks the
// ship to that line, found by trials (length from the volume, centre from the
// centroid error); the trials of every line go to the report.  A line whose
// trials do not converge keeps its last estimate, marked as not found, with a
// message naming the line and the permeability.
void FloodableLengthTrials(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p);

// For permeability p: the aft end point from the most aft-trimmed line and
// the fore end point from the most fore-trimmed line, each from two trial
// compartments at the ship's end (0.9 and 1.1 times that line's floodable
// length) and the flooded volumes and centres of the trim lines between that
// end and the even-keel line.  An end point that cannot be found is marked.
void ComputeEndPoints(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p);

// An abscissa where the not-a-knot spline through (X(i), Y(i)), i = 1..n,
// reaches target, by false position between X(1) and X(n).  Returns false
// when the target is not bracketed there (root is then the nearer end).
bool FindRootFalsePosition(int n, const Vec& X, const Vec& Y, double target, double& root);

}  // namespace flood

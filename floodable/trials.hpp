#pragma once
// The floodable length of every trim line by trials, and the two end points
// of the floodable-length curve, for one permeability: computed into results
// that the report's printers (trials_report.hpp) and the run's tables take.

#include <vector>

#include "common/numerics/table.hpp"
#include "common/platform/session.hpp"
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
  double At(double x) const;

 private:
  int n_ = 0;
  Vec knots_;
  numerics::SplineTable table_;
};

// Volume and moment about AP of the compartment [start, start + length] under
// a waterline, by the unequal Simpson rule over five equally spaced points.
struct CompartmentIntegral {
  double volume = 0;
  double moment = 0;
};
CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length);

// ------------------------------------------------------------------ the trials

// One evaluation of a trial: the compartment tried (length and centre), its
// volume and centroid under the trim line, and the estimate that follows
// from them (the length that holds the compartment volume, the centre moved
// by the centroid's error).
struct TrialEvaluation {
  double length = 0, centre = 0, volume = 0, centroid = 0, nextLength = 0, nextCentre = 0;
};
// A trial: its first evaluation and, unless the trials end at it, the
// second, of the first evaluation's estimate.
struct Trial {
  TrialEvaluation first;
  bool hasSecond = false;
  TrialEvaluation second;
};

// The trials of one trim line.
struct LineTrials {
  int line = 0;                  // m
  double floodedCentre = 0;      // xw(m)
  double floodedVolume = 0;      // v2(m)
  double compartmentVolume = 0;  // vc(m) = 100 v2(m) / mu
  double meanArea = 0;           // Aort: the line's volume over the station span
  double meanDraft = 0;          // Tort
  std::vector<Trial> trials;     // trial t at t - 1
  bool converged = false;
  // The compartment found, or the last estimate: its length and centre, and
  // the volume and centroid of the last first evaluation.
  double length = 0, centre = 0, volume = 0, centroid = 0;
};

struct PermeabilityTrials {
  double permeability = 0;  // percent
  std::vector<LineTrials> lines;
  const LineTrials& Line(int m) const { return lines.at(static_cast<std::size_t>(m - 1)); }
};

// For permeability p: per trim line the compartment whose flooding sinks the
// ship to that line, found by trials (length from the volume, centre from the
// centroid error).  A line whose trials do not converge keeps its last
// estimate, not converged.
PermeabilityTrials FloodableLengthTrials(const FloodRun& run, int p);

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

// ---------------------------------------------------------------- the run step

// Permeability p's floodable lengths: the trials and the end points computed,
// written to the report and kept in the run's tables; each length or end point
// not found is said in a message naming it and the permeability.
void FloodableLengthsOfPermeability(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p);

}  // namespace flood

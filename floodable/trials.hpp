#pragma once
// The floodable length of every trim line by trials, and the two end points
// of the floodable-length curve, for one permeability: computed into results
// that the report's printers (trials_report.hpp) and the run's tables take.

#include <functional>
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

// ------------------------------------------------------------- the end points
//
// The floodable-length curve ends where the compartment touches the end of
// the ship.  The aft end point: the compartment [x(1), x(1) + l], flooded at
// the permeability, sinks the ship to a waterline through the aft end of the
// most aft-trimmed line (x(1), its aft draft), the waterline's fore draft
// free: the compartment holds the flooded water (mu times its volume under
// that waterline equals V - V0) and its centroid is the flooded water's
// centre ((V LCB - V0 LCB0) / (V - V0)); V, LCB under that waterline and V0,
// LCB0 under the load waterline, integrated as the trim lines are.  The end
// point is (x(1) + l / 2, l), on the terminal line l = 2 (x - x(1)).  The fore
// end point mirrors it: [x(NST) - l, x(NST)], the waterline through the fore
// end of the most fore-trimmed line, its aft draft free, (x(NST) - l / 2, l).

// A compartment at one end of the ship, flooded at the permeability, and the
// waterline of the family through that end's point that puts the flooded
// water's centre on the compartment's centroid.
struct EndCompartment {
  double length = 0;
  double centre = 0;        // its middle: x(1) + l / 2 aft, x(NST) - l / 2 fore
  bool balanced = false;    // a waterline of the family balances it
  double freeDraft = 0;     // that waterline's draft at the other end
  double volume = 0;        // the compartment's volume under it
  double flooded = 0;       // mu volume / 100
  double centroid = 0;      // the compartment's centroid
  double floodedWater = 0;  // V - V0 of that waterline
};

struct EndPoint {
  bool aft = true;
  double pivotDraft = 0;  // the waterlines' draft at this end of the ship
  // The first two compartments: 0.9 and 1.1 times the end trim line's
  // floodable length.
  EndCompartment A, B;
  // The compartment of the end point (when not found, the last estimate).
  EndCompartment end;
  int steps = 0;  // secant steps after A and B
  bool found = false;
  double length() const { return end.length; }
  double centre() const { return end.centre; }
};

struct EndPoints {
  double permeability = 0;  // percent
  EndPoint aft, fore;
};

// For permeability p: the two end points, by the secant on the compartment's
// length (its flooded volume against the flooded water) from compartments A
// and B, each compartment's waterline by false position on its free draft.
// An end point is not found when no compartment within the ship (l up to
// x(NST) - x(1)) holds its flooded water, no waterline of the family
// balances the compartment, or the secant does not converge in 100 steps.
EndPoints ComputeEndPoints(const FloodRun& run, int p);

// A root of f between a and b, f(a) and f(b) of opposite signs, by false
// position with the Illinois step (the value at an end kept twice in a row
// is halved): at most 100 steps, ending once |f| < tolerance.  Returns false
// when 100 steps do not bring |f| within the tolerance (the last root
// stands).  When f(a) f(b) = 0 the end whose |f| is within the tolerance;
// when f(a) f(b) > 0 (no root bracketed) returns false with the end of the
// smaller |f|.
bool FindRootFalsePosition(const std::function<double(double)>& f, double a, double b, double tolerance, double& root);

// ---------------------------------------------------------------- the run step

// Permeability p's floodable lengths: the trials and the end points computed,
// written to the report and kept in the run's tables; each length or end point
// not found is said in a message naming it and the permeability.
void FloodableLengthsOfPermeability(platform::Session& session, platform::OutputFile& report, FloodRun& run, int p);

}  // namespace flood

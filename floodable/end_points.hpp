#pragma once
// The two end points of the floodable-length curve, for one permeability.

#include "run.hpp"

namespace flood {

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

// The waterline of an end's family that holds the load displacement: its
// free draft, when found.  Below it the family floods nothing.
struct EndLoadWaterline {
  bool found = false;
  double freeDraft = 0;
};
struct EndLoadWaterlines {
  EndLoadWaterline aft, fore;
};
// The load waterlines of both families: they depend on the end trim lines
// and the load waterline alone, so they are found once for a run and serve
// every permeability.
EndLoadWaterlines FindEndLoadWaterlines(const FloodRun& run);

// For permeability p: the two end points, by the secant on the compartment's
// length (its flooded volume against the flooded water) from compartments A
// and B, each compartment's waterline by false position on its free draft.
// An end point is not found when no compartment within the ship (l up to
// x(NST) - x(1)) holds its flooded water, no waterline of the family
// balances the compartment, or the secant does not converge in 100 steps.
EndPoints ComputeEndPoints(const FloodRun& run, int p, const EndLoadWaterlines& load);

}  // namespace flood

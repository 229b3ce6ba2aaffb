#pragma once
// Station sections and end contours as chains of cubic splines over height,
// broken at the knuckle points; areas and moments of appendage strips.

#include <functional>

#include "common/numerics/curves.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"

namespace hullform {

using numerics::SplineTable;
using numerics::Vec;

// Work tables large enough for any row of the hull model.
struct SectionSpline {
  int m = 0;
  // Sized by SplineSectionWithKnuckles to the row it fits, grown only.
  Vec knots;
  SplineTable table = numerics::MakeSplineTable(0);
};

// Turns row r of the hull model (a station, SternRow() or StemRow()) into one
// knot table t(1..m) (the heights) and one spline table c whose value column
// holds the half-breadths (positions from AP on the contour rows), so that one
// EvaluateSpline call evaluates the whole row.
void SplineSectionWithKnuckles(int r, const HullModel& hull, int& m, Vec& t, SplineTable& c,
                               const SectionSplineOptions& options);
inline void SplineSectionWithKnuckles(int r, const HullModel& hull, SectionSpline& s,
                                      const SectionSplineOptions& options) {
  SplineSectionWithKnuckles(r, hull, s.m, s.knots, s.table, options);
}

// Most steps one walk along a section or contour may take (a step that is
// positive but tiny against the heights would otherwise never end).
inline constexpr int kMaxWalkSteps = 100000;

// Walks a fitted row from its lowest knot upward, adding `step` to the height
// while it stays at or below the top knot, and hands each segment (previous
// ordinate and height, new ordinate and height) to `segment`.  The piece from
// the last step to the top knot is not walked.
void WalkFittedRow(const SectionSpline& row, double step,
                   const std::function<void(double, double, double, double)>& segment,
                   const numerics::SplineEvaluation& evaluation);

// Area and moment about the base line of the appendage strip of station i
// between the heights z1 and z2 (both sides of the ship), with the program's
// interpolation and integration.  z1 and z2 are clipped in place to the
// strip's extent.
void ComputeAppendageSection(int i, double& z1, double& z2, const AppendageData& appendages, double& area,
                             double& moment, const ProgramForms& forms);

}  // namespace hullform

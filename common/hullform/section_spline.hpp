#pragma once
// Station sections and end contours as chains of cubic splines over height,
// broken at the knuckle points; areas and moments of appendage strips.

#include "common/numerics/curves.hpp"
#include "hull_model.hpp"

namespace hullform {

using numerics::SplineTable;
using numerics::Vec;

// Work tables large enough for any row of the hull model.
struct SectionSpline {
  int m = 0;
  Vec knots{kPointColumns};
  SplineTable table = numerics::MakeSplineTable(kPointColumns);
};

// The constants in which the three programs' section splines differ.
struct SectionSplineOptions {
  // Added to the height difference of a straight two-point piece: the first
  // piece (from the keel to the first knuckle) and every later piece.  The
  // later guard matters for two knuckles at one height (a flat bottom).
  double firstPieceGuard = 1e-7;
  double laterPieceGuard = 1e-4;
  numerics::SplineGuards guards = numerics::kHydrostaticSplineGuards;
  // How the program evaluates the fitted row when it draws it.
  numerics::SplineEvaluation evaluation{};
};

inline constexpr SectionSplineOptions kHydrostaticSectionSpline{};
inline constexpr SectionSplineOptions kCrossCurvesSectionSpline{
    .firstPieceGuard = 1e-7, .laterPieceGuard = 1e-7, .guards = numerics::kCrossCurvesSplineGuards};
inline constexpr SectionSplineOptions kFloodableSectionSpline{.firstPieceGuard = 1e-7,
                                                              .laterPieceGuard = 1e-4,
                                                              .guards = numerics::kFloodableSplineGuards,
                                                              .evaluation = numerics::kFloodableSplineEvaluation};

// Turns row r of the hull model (a station, SternRow() or StemRow()) into one
// knot table t(1..m) (the heights) and one spline table c whose value column
// holds the half-breadths (positions from AP on the contour rows), so that one
// EvaluateSpline call evaluates the whole row.
void SplineSectionWithKnuckles(int r, const HullModel& hull, int& m, Vec& t, SplineTable& c);
void SplineSectionWithKnuckles(int r, const HullModel& hull, int& m, Vec& t, SplineTable& c,
                               const SectionSplineOptions& options);
inline void SplineSectionWithKnuckles(int r, const HullModel& hull, SectionSpline& s) {
  SplineSectionWithKnuckles(r, hull, s.m, s.knots, s.table);
}
inline void SplineSectionWithKnuckles(int r, const HullModel& hull, SectionSpline& s,
                                      const SectionSplineOptions& options) {
  SplineSectionWithKnuckles(r, hull, s.m, s.knots, s.table, options);
}

// Area and moment about the base line of the appendage strip of station i
// between the heights z1 and z2 (both sides of the ship).  z1 and z2 are
// clipped in place to the strip's extent.
void ComputeAppendageSection(int i, double& z1, double& z2, const AppendageData& appendages, double& area,
                             double& moment);

}  // namespace hullform

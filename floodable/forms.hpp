#pragma once
// The floodable-length program's forms of the shared routines, bound once:
// every call of a shared routine that has program variants takes them from
// here.

#include <string>

#include "common/hullform/program_forms.hpp"
#include "common/numerics/format.hpp"

namespace flood {

// The spline fit's guards: several divisions are made without a guard.
inline constexpr numerics::SplineGuards kFloodableSplineGuards{
    .difference = 1e-6,
    .firstRow = 1e-7,
    .elimination = 0.0,
    .lastRowInner = 0.0,
    .lastRowOuter = 0.0,
    .lastRowFactor = 0.0,
    .lastDiagonalExtra = 0.0,
    .closingN3 = 1e-7,
    .lastPivot = 0.0,
    .backSubstitution = 0.0,
    .derivativeDifference = 1e-6,
    .secondDerivative = 1e-6,
    .thirdDerivativeInner = 1e-6,
    .thirdDerivativeOuter = 1e-6,
};

// An interval between two equal knot values yields that value; the cubic is
// evaluated fully nested.
inline constexpr numerics::SplineEvaluation kFloodableSplineEvaluation{.flatIntervalValue = true,
                                                                        .fullyNested = true};

inline constexpr hullform::ProgramForms kFloodableForms{
    .splineGuards = kFloodableSplineGuards,
    // Closed intervals: the last interval that holds the abscissa.
    .interpolationRule = {.leftOpenIntervals = false, .splineGuards = kFloodableSplineGuards},
    .simpsonGuard = 0.0,
    .splineEvaluation = kFloodableSplineEvaluation,
    // Two-point pieces: 1e-7 in the first piece, 1e-4 in the later ones.
    .sectionSpline = {.firstPieceGuard = 1e-7,
                      .laterPieceGuard = 1e-4,
                      .guards = kFloodableSplineGuards,
                      .evaluation = kFloodableSplineEvaluation},
    // Up to 100 stations; stations and contours of 249 points.
    .offsetTable = {.maxStations = 100,
                    .maxStationLines = 250,
                    .readProfiles = true,
                    .maxProfileLines = 250,
                    .pointLimitBox = false,
                    .minStations = 3},
    // Prints its (empty) caption line on the window.
    .sectionPlotForm = {.clear = true, .fontSize = 14, .foreColour = 1, .printCaption = true},
    .formatNumber = &numerics::FormatNumberTruncated,
};

// The report and script number text of this program: the fraction cut, not
// rounded, and no overflow mark.
inline std::string FormatNumber(double x, int nInt, int nDec) {
  return kFloodableForms.formatNumber(x, nInt, nDec);
}

}  // namespace flood

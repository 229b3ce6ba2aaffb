#pragma once
// The cross-curves program's forms of the shared routines, bound once: every
// call of a shared routine that has program variants takes them from here.

#include <string>

#include "common/hullform/program_forms.hpp"
#include "common/numerics/format.hpp"

namespace cross {

// The spline fit's guards: 1e-7 in most divisions, and 1e-16 in the
// not-a-knot last row's elimination factor and last diagonal entry.
inline constexpr numerics::SplineGuards kCrossCurvesSplineGuards{
    .difference = 1e-6,
    .firstRow = 1e-7,
    .elimination = 1e-6,
    .lastRowInner = 1e-6,
    .lastRowOuter = 1e-6,
    .lastRowFactor = 1e-16,
    .lastDiagonalExtra = 1e-16,
    .closingN3 = 1e-7,
    .lastPivot = 1e-7,
    .backSubstitution = 1e-7,
    .derivativeDifference = 1e-7,
    .secondDerivative = 1e-7,
    .thirdDerivativeInner = 1e-6,
    .thirdDerivativeOuter = 1e-7,
};

inline constexpr hullform::ProgramForms kCrossCurvesForms{
    .splineGuards = kCrossCurvesSplineGuards,
    // Intervals open on the left: an abscissa on an inner point belongs to
    // the interval below it.
    .interpolationRule = {.leftOpenIntervals = true, .splineGuards = kCrossCurvesSplineGuards},
    .simpsonGuard = 0.0,
    .splineEvaluation = {.flatIntervalValue = false, .fullyNested = false},
    // Two-point pieces carry 1e-7 in every piece.
    .sectionSpline = {.firstPieceGuard = 1e-7,
                      .laterPieceGuard = 1e-7,
                      .guards = kCrossCurvesSplineGuards,
                      .evaluation = {.flatIntervalValue = false, .fullyNested = false}},
    // Up to 100 stations of 99 points; nothing read after 9999.
    .offsetTable = {.maxStations = 100,
                    .maxStationLines = 100,
                    .readProfiles = false,
                    .maxProfileLines = 0,
                    .pointLimitBox = false,
                    .minStations = 3},
    // The callers clear the window; larger text in light blue, no caption.
    .sectionPlotForm = {.clear = false, .fontSize = 20, .foreColour = 9, .printCaption = false},
    .formatNumber = &numerics::FormatNumberRounded,
};

// The report and script number text of this program (rounded, "%" on overflow).
inline std::string FormatNumber(double x, int nInt, int nDec) {
  return kCrossCurvesForms.formatNumber(x, nInt, nDec);
}

}  // namespace cross

#pragma once
// The hydrostatics program's forms of the shared routines, bound once: every
// call of a shared routine that has program variants takes them from here.

#include <string>

#include "common/hullform/program_forms.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/blanks.hpp"

namespace hydro {

// Every division of the spline fit carries 1e-6, except the not-a-knot last
// row's elimination factor and last diagonal entry.
inline constexpr numerics::SplineGuards kHydrostaticsSplineGuards{
    .difference = 1e-6,
    .firstRow = 1e-6,
    .elimination = 1e-6,
    .lastRowInner = 1e-6,
    .lastRowOuter = 1e-6,
    .lastRowFactor = 0.0,
    .lastDiagonalExtra = 0.0,
    .closingN3 = 1e-6,
    .lastPivot = 1e-6,
    .backSubstitution = 1e-6,
    .derivativeDifference = 1e-6,
    .secondDerivative = 1e-6,
    .thirdDerivativeInner = 1e-6,
    .thirdDerivativeOuter = 1e-6,
};

inline constexpr hullform::ProgramForms kHydrostaticsForms{
    .splineGuards = kHydrostaticsSplineGuards,
    // Closed intervals: the last interval that holds the abscissa.
    .interpolationRule = {.leftOpenIntervals = false, .splineGuards = kHydrostaticsSplineGuards},
    .simpsonGuard = 0.00005,
    .splineEvaluation = {.flatIntervalValue = false, .fullyNested = false},
    // Two-point pieces: 1e-7 in the first piece, 1e-4 in the later ones.
    .sectionSpline = {.firstPieceGuard = 1e-7,
                      .laterPieceGuard = 1e-4,
                      .guards = kHydrostaticsSplineGuards,
                      .evaluation = {.flatIntervalValue = false, .fullyNested = false}},
    // Up to 148 stations of 250 points, contours of 249 points; a station
    // without its marker shows the point-limit box.
    .offsetTable = {.maxStations = 148,
                    .maxStationLines = 251,
                    .readProfiles = true,
                    .maxProfileLines = 250,
                    .pointLimitBox = true,
                    .minStations = 3},
    .sectionPlotForm = {.clear = true, .fontSize = 14, .foreColour = 1, .printCaption = false},
    .formatNumber = &numerics::FormatNumberRounded,
};

// The report number text of this program (rounded, "%" on overflow).
inline std::string FormatNumber(double x, int nInt, int nDec) {
  return kHydrostaticsForms.formatNumber(x, nInt, nDec);
}

// A length or height the run has derived, in a message: to the three
// decimals the report gives lengths, without the blanks of its field.  (A
// value the user wrote is echoed as written, with platform::MessageNumber.)
inline std::string MessageLength(double x) { return platform::TrimBlanks(FormatNumber(x, 3, 3)); }

}  // namespace hydro

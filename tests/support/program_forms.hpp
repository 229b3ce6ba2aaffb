#pragma once
// A program's forms for the tests of the shared hull routines: the classical
// form of every routine (the one the hydrostatics program also uses).  The
// programs' own bundles are tested in their folders.

#include "common/hullform/program_forms.hpp"
#include "tests/support/curve_forms.hpp"

namespace testsupport {

inline constexpr hullform::ProgramForms kClassicalForms{
    .splineGuards = curve_forms::kEveryDivisionGuarded,
    .interpolationRule = curve_forms::kClosedIntervals,
    .simpsonGuard = curve_forms::kSimpsonGuard,
    .splineEvaluation = curve_forms::kPlainEvaluation,
    .sectionSpline = {.firstPieceGuard = 1e-7,
                      .laterPieceGuard = 1e-4,
                      .guards = curve_forms::kEveryDivisionGuarded,
                      .evaluation = curve_forms::kPlainEvaluation},
    .offsetTable = {.maxStations = 148,
                    .maxStationLines = 251,
                    .readProfiles = true,
                    .maxProfileLines = 250,
                    .pointLimitBox = true,
                    .minStations = 3},
    .sectionPlotForm = {.clear = true, .fontSize = 14, .foreColour = 1, .printCaption = false},
    .formatNumber = &numerics::FormatNumberRounded,
};

}  // namespace testsupport

#pragma once
// Forms of the curve routines for the tests of the shared core.  The
// programs' own forms are tested with their forms bundles; the tests of the
// shared routines use these sets, which show what any set does.

#include "common/numerics/curves.hpp"

namespace testsupport::curve_forms {

using numerics::CurveInterpolationRule;
using numerics::SplineEvaluation;
using numerics::SplineGuards;

// The classical form: 1e-6 added to every division that carries a guard.
inline constexpr SplineGuards kEveryDivisionGuarded{1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 0.0, 0.0,
                                                    1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 1e-6, 1e-6};
// Every division as it stands.
inline constexpr SplineGuards kUnguarded{};
// Small guards, and the not-a-knot last row's factor and diagonal guarded too.
inline constexpr SplineGuards kSmallGuards{1e-7, 1e-7,  1e-7, 1e-7, 1e-7, 1e-12, 1e-12,
                                           1e-7, 1e-7,  1e-7, 1e-7, 1e-7, 1e-7,  1e-7};
// The plain evaluation of a fitted spline, and the one that keeps an interval
// between equal ordinates flat and evaluates fully nested.
inline constexpr SplineEvaluation kPlainEvaluation{};
inline constexpr SplineEvaluation kFlatNestedEvaluation{.flatIntervalValue = true, .fullyNested = true};
// Interval rules of InterpolateCurve: closed intervals, and intervals open on
// the left.
inline constexpr CurveInterpolationRule kClosedIntervals{.leftOpenIntervals = false,
                                                         .splineGuards = kEveryDivisionGuarded};
inline constexpr CurveInterpolationRule kLeftOpenIntervals{.leftOpenIntervals = true,
                                                           .splineGuards = kSmallGuards};

// The Simpson rule's guard of the classical form, and none.
inline constexpr double kSimpsonGuard = 0.00005;
inline constexpr double kNoSimpsonGuard = 0.0;

}  // namespace testsupport::curve_forms

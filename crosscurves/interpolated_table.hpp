#pragma once
// The interpolated cross-stability table: the computed cross curves shown on
// the form, and on request re-tabulated at evenly spaced displacements over
// a range the user gives, printed per heel angle with a legend.

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// Shows the cross curves (their rows of no displacement left out, the
// curves placed over the extremes of the rest) and asks whether to give the
// displacement range.
// On "E"/"e" asks the smallest and largest displacement, pre-filled with the
// ends of the displacements every heel angle's floating rows cover, rounded
// inward at the report's decimals (again, with that range, until both are
// numbers, the largest above the smallest, and the floating rows cover them;
// a range of no width, or a heel angle without a floating row, is said and
// not asked), re-tabulates the five result
// tables at NWL evenly spaced displacements and prints the blocks and the
// legend.  Any other answer returns at once.  A run without heel angles has
// no table: a message says so.  Returns the cross curves the later steps
// take: the re-tabulated tables, or the computed ones when none was made;
// the run's own tables stay as computed.
CrossCurveTables WriteInterpolatedCrossStabilityTable(platform::Session& session, platform::ConsoleForm& form,
                                                      platform::OutputFile& report, const CrossRun& run);

// The run's cross curves re-tabulated at NWL evenly spaced displacements from
// lo to hi, each value on the straight line between the two computed rows
// around it (held at the end row beyond a heel angle's floating rows).
CrossCurveTables RetabulateAtDisplacements(const CrossRun& run, double lo, double hi);

}  // namespace cross

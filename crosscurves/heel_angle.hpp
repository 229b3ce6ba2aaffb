#pragma once
// One pass of the heel-angle loop: the inclined waterlines of the angle, every
// station fitted, cut and measured, drawn in station order, and the angle's
// table.

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// The program's one form, "Pendrovix", with its six labels in their places
// (first use placing them while the form has its first scale).
platform::ConsoleForm& PendrovixForm(platform::Session& session);

// Gives a label of the form the look of the run's captions (Arial 15,
// light blue, a single border, centred) and the caption.
void SetRunCaption(platform::ConsoleForm& form, const std::string& label, const std::string& caption);

// Threads that cut and measure the stations of one heel angle: the
// processors the process may run on (its affinity), at least 1 and at most 8.
inline constexpr int kMostCuttingThreads = 8;
int CuttingThreads();

// Heel angle k of the run: clears the form and prepares the section window,
// shows the angle in Label2, cuts and measures every station (on `threads`
// threads), then in station order shows the station in Label1, draws it and
// stores its row of the section tables, and tabulates the angle into row k of
// the result tables and its block of the report.  The outputs do not depend
// on the number of threads, nor on how many of them the system could start.
void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k,
                                int threads = CuttingThreads());

}  // namespace cross

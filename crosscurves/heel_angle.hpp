#pragma once
// One pass of the heel-angle loop: the inclined waterlines of the angle, every
// station fitted, cut and measured, drawn in station order, and the angle's
// table.

#include <functional>
#include <thread>

#include "common/platform/form.hpp"
#include "common/platform/files.hpp"
#include "cutting_threads.hpp"
#include "run.hpp"

namespace cross {

// Starts one section thread running `work`, or throws std::system_error when
// the system cannot start it, as a std::thread does.
using SectionThreadStarter = std::function<std::thread(std::function<void()> work)>;

// The program's starter: a std::thread.
std::thread StartSectionThread(std::function<void()> work);

// Heel angle k of the run: clears the form and prepares the section window,
// shows the angle in Label2, cuts and measures every station (on the calling
// thread and up to `threads` - 1 section threads that `start` starts), then in station order stores its row of the section tables,
// shows the station in Label1 and draws it, and tabulates the angle into row
// k of the result tables and prints its block of the report.  The outputs do
// not depend on the number of threads, nor on how many of them the system
// could start.
void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k,
                                int threads = CuttingThreads(),
                                const SectionThreadStarter& start = StartSectionThread);

}  // namespace cross

#pragma once
// One pass of the heel-angle loop: the inclined waterlines of the angle, every
// station fitted, drawn, cut and measured, and the angle's table.

#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// The program's one form, "Pendrovix", with its labels.
platform::ConsoleForm& PendrovixForm(platform::Session& session);

// Gives a label of the form the look of the run's captions (Arial 15,
// light blue, a single border, centred) and the caption.
void SetRunCaption(platform::ConsoleForm& form, const std::string& label, const std::string& caption);

// Heel angle k of the run: clears the form and prepares the section window,
// shows the angle in Label2 and each station in Label1, cuts and measures
// every station and tabulates the angle into row k of the result tables and
// its block of the report.
void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k);

}  // namespace cross

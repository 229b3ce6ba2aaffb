#pragma once
// Checks of the point data of the stations and end contours, with the body
// plan and contour reviews.

#include "common/platform/session.hpp"
#include "hull_model.hpp"

namespace hullform {

// Writes every close pair of points into the report and stops the run; else
// shows the body plan and asks "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>".
void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth);

// The same for the stern contour, then the stem contour.
void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp);

// Shows and clears the section window, draws its frame and section box.
void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q);

}  // namespace hullform

#pragma once
// Checks of the hull data that stop a run: the spacing and order of the
// stations, and the point checks of the stations and end contours with their
// reviews (the body plan and the contours shown for the user's yes or no).

#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"

namespace hullform {

// Refuses stations closer than 0.01 m to their neighbour (every pair is
// checked first), then stations out of order: a message box and a data
// error.  The integrations along the length divide by the station spacing.
void CheckStationPositions(platform::Session& session, const HullModel& hull, const ProgramForms& forms);

// Writes every close pair of points into the report and stops the run; else
// shows the body plan and asks "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>".
void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth, const ProgramForms& forms);

// The same for the stern contour, then the stem contour.
void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp, const ProgramForms& forms);

}  // namespace hullform

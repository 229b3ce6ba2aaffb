#pragma once
// Checks of the hull data that stop a run: the spacing and order of the
// stations, and the point checks of the stations and end contours with their
// reviews (the body plan and the contours shown for the user's yes or no).

#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"

namespace hullform {

// Refuses stations closer than 0.01 m to their neighbour (every pair is
// checked first), then stations out of order: a message box and a data
// error.  The integrations along the length divide by the station spacing.
void CheckStationPositions(platform::Session& session, const HullModel& hull, const ProgramForms& forms);

// Points j - 1 and j of row `row` of the hull model (a station or an end
// contour) lie less than 0.0001 m apart in height and are not both
// knuckles.  Two knuckles may share a height, as the two edges of a flat
// bottom do; any other pair would give the section spline a piece of no
// height.
struct ClosePoints {
  int row = 0;
  int j = 0;

  bool operator==(const ClosePoints&) const = default;
};

// Every close pair of the rows firstRow..lastRow, row by row and from the
// keel upward in each row.  The order of the heights is not this check's
// business (the offset-table reader holds it).
std::vector<ClosePoints> FindClosePoints(const HullModel& hull, int firstRow, int lastRow);

// Writes every close pair of the stations into the report and stops the run;
// else shows the body plan and asks "POSTA KESITLERINDE YANLISLIK VAR MI E/H
// <H>".
void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth, const ProgramForms& forms);

// The same for the stern contour, then the stem contour.
void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp, const ProgramForms& forms);

// The point check of a program whose report is not open when it reads the
// hull, made right after the offset table is read, before anything is
// computed from the hull or shown: the stations, then the stern and the stem
// contour when the program's offset table has them (forms.offsetTable).  The
// first row group with a close pair stops the run as a data error: its pairs
// on the terminal's error stream, in the lines the hydrostatics program
// writes into its report, then the message box of that group.
void RefuseClosePoints(platform::Session& session, const HullModel& hull, const ProgramForms& forms);

}  // namespace hullform

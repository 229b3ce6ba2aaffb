#pragma once
// Side views of the hull for review, and the plot of a curve along the length.

#include <string>

#include "common/numerics/table.hpp"
#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"

namespace hullform {

// Shows and clears the form, sets font and window, draws the side-view frame.
void PreparePlotForm(platform::ConsoleForm& form, double xmax, double ymax);

// Side view with the load waterline; fills StationLoadWaterlineHeight(1..N)
// and asks "POSTA YERLERINDE YANLISLIK VAR MI E/H <H>" (yes stops the run).
void PlotStationPositionsForReview(platform::Session& session, platform::ConsoleForm& form, const HullModel& hull,
                                   double Lbp, double HalfBreadth, double Depth, double ForeDraft,
                                   double AftDraft, numerics::Vec& StationLoadWaterlineHeight,
                                   const ProgramForms& forms);

// Side view with one bar per station as high as its girth at the load
// waterline; asks "POSTA KESIT UZUNLUKLARINDA YANLISLIK VAR MI E/H <H>".
void PlotSectionLengthsForReview(platform::Session& session, platform::ConsoleForm& form, const HullModel& hull,
                                 double Lbp, double HalfBreadth, double Depth,
                                 const numerics::Vec& LoadWaterlineGirth, const ProgramForms& forms);

// Height E of the curve window of PlotCurveOnScreen: the larger of the
// largest ordinate and the magnitude of the smallest ordinate after the first
// (never above 0), both in magnitude; 1 for a curve of zeros.  Values that are
// not finite take no part.
double CurvePlotExtent(const numerics::Vec& y, int n);

// Draws y(x) at n points with axes and caption on the curve form, pauses,
// clears the form.
void PlotCurveOnScreen(platform::Session& session, platform::ConsoleForm& form, const numerics::Vec& x,
                       const numerics::Vec& y, int n, const std::string& caption);

}  // namespace hullform

#pragma once
// The section window: the console form on which the programs show station
// sections and end contours at the ship's scale, and the drawings of fitted
// rows on it.

#include "common/platform/form.hpp"
#include "common/platform/session.hpp"
#include "hull_model.hpp"
#include "program_forms.hpp"
#include "section_spline.hpp"

namespace hullform {

// The section window of the hydrostatics and floodable-length programs.
platform::ConsoleForm& SectionForm(platform::Session& session);

// Shows the window (clearing it when the style says so), sets its font,
// colour and scale for a half-breadth extent p and a height extent q, and
// draws the frame, the base line, the section box (p each side, 1.1 q high),
// the centre line and the line under the base.  Ends with draw width 1.
void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q, const SectionPlotFormStyle& style);

// One fitted station on both sides of the centre line: the walk from its
// lowest knot in height steps `step` in palette colour 13, the line across
// the top knot in colour 13, and two circles (radii step/5 and step/10) on
// each side at every offset point in colour 12.
void DrawFittedSection(platform::ConsoleForm& form, const SectionSpline& row, double step,
                       const numerics::SplineEvaluation& evaluation);

// The display halves of the checks, also the previews of the other programs:
// every station as DrawFittedSection draws it, and one end contour shifted by
// `shift` with its points.
void DrawBodyPlanSections(platform::ConsoleForm& form, const HullModel& hull, double step,
                          const SectionSplineOptions& options);
void DrawEndContour(platform::ConsoleForm& form, const HullModel& hull, int row, double shift, double step,
                    const SectionSplineOptions& options);

}  // namespace hullform

#pragma once
// Drawings of the hull in the script dialect: fitted rows of the offset table
// (station sections, end contours) as fitted polylines, their offset points as
// circles, and the body plan that the hydrostatics and cross-curves programs
// write as "Enkesitler.SCR".

#include <functional>
#include <string>

#include "common/drawing/dialect.hpp"
#include "common/hullform/hull_model.hpp"
#include "common/hullform/program_forms.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/platform/session.hpp"

namespace drawing {

// A point on the sheet, in drawing millimetres.
struct SheetPoint {
  double x, y;
};
// Places a point of a fitted row, given as height z and ordinate v
// (half-breadth, or position from AP on a contour), on the sheet.
using RowMapping = std::function<SheetPoint(double z, double v)>;

// The fitted row walked every `step` metres of height from its first knot up
// to its last (WalkFittedRow): "pline", each segment writing both its end
// points, then " pedit l f " ends the polyline and fits it.
void WriteFittedRow(ScriptWriter& w, const hullform::SectionSpline& row, double step,
                    const numerics::SplineEvaluation& evaluation, const RowMapping& map);

// Two circles, of radii r1 and r2, about every offset point of row r of the
// hull (a station, or a contour): the points the row's spline is fitted
// through, read from the offset table itself.
void WritePointMarks(ScriptWriter& w, const hullform::HullModel& hull, int r, const RowMapping& map, double r1,
                     double r2);

// The body plan on the A4 sheet, OUTDIR followed by "Enkesitler.SCR": the
// frame of the half-breadth B each side and the height H on the layer
// "Dis_Cerceve" with the title, every station's fitted section on "Postalar"
// and its offset points on "Noktalar", at the scale s = min(215/(2B), 130/H)
// mm per metre about the centre line x = 137.5 and the base line y = 40.
// Stations 1 .. lastLeftStation (the aft body: up to the midship station, or
// the first NST \ 2) are drawn to the left of the centre line, the others to
// the right.  The sections are walked in steps of B/40 and their points
// marked with circles of B/40 and B/80.
void WriteBodyPlan(platform::Session& session, const std::string& OUTDIR, const Dialect& dialect,
                   const hullform::HullModel& hull, double B, double H, double lastLeftStation,
                   const std::string& title, const hullform::SectionSplineOptions& sectionSpline);

}  // namespace drawing

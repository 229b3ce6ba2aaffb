// Station drawing of the hydrostatics run.
#include "station_drawing.hpp"

#include <algorithm>

#include "common/hullform/section_window.hpp"
#include "common/numerics/format.hpp"
#include "forms.hpp"

namespace hydro {

StationSection BuildStationSection(const hullform::HullModel& hull, int i) {
  const int points = std::max(hull.PointCount(i), 1);
  StationSection section{.spline = {.m = 0, .knots = Vec(points), .table = numerics::MakeSplineTable(points)}};
  hullform::SplineSectionWithKnuckles(i, hull, section.spline, kHydrostaticsForms.sectionSpline);
  section.topHalfBreadth = hull.PointY(i, points);
  return section;
}

void DrawStationSection(platform::Session& session, const HydroRun& run, int i, const StationSection& section) {
  const double HB = run.task.HalfBreadth;
  const double D = run.task.Depth;
  const double X = run.hull.StationPos(i);
  const int m = section.spline.m;

  platform::ConsoleForm& form = hullform::SectionForm(session);
  hullform::PrepareSectionPlotForm(form, HB, D, kHydrostaticsForms.sectionPlotForm);

  // Caption: station number, its label on the drawings' scale and its position.
  form.CurrentX(-2.5 * HB);
  form.CurrentY(-0.15 * D);
  form.Print("POSTA NO : " + numerics::FormatInteger(i, 2) + " - (" +
             FormatNumber(run.task.StationLabelScale * X / run.task.Lbp, 3, 3) + " / " + FormatNumber(X, 3, 3) +
             " m. AP " + std::string(1, static_cast<char>(96)) + "den.)");

  // Section contour through the offset points, both sides, and the deck line.
  const Vec& z = section.spline.knots;
  const numerics::SplineTable& c = section.spline.table;
  for (int k = 2; k <= m; ++k) {
    form.Line(c(1, k - 1), z(k - 1), c(1, k), z(k), 13);
    form.Line(-c(1, k - 1), z(k - 1), -c(1, k), z(k), 13);
  }
  const double t = section.topHalfBreadth;
  form.Line(t, z(m), -t, z(m), 9);
}

}  // namespace hydro

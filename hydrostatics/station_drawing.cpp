// Station drawing of the hydrostatics run.
#include "station_drawing.hpp"

#include "common/hullform/forms.hpp"
#include "common/numerics/format.hpp"

namespace hydro {

void BuildStationSection(const hullform::HullModel& hull, int i, StationSection& section) {
  hullform::SplineSectionWithKnuckles(i, hull, section.spline);
  for (int k = 1; k <= section.spline.m; ++k) section.halfBreadths(k) = hull.PointY(i, k);
}

void DrawStationSection(platform::Session& session, const HydroRun& run, int i, const StationSection& section) {
  const double HB = run.task.HalfBreadth;
  const double D = run.task.Depth;
  const double X = run.hull.StationPos(i);
  const int m = section.spline.m;

  platform::ConsoleForm& form = hullform::SectionForm(session);
  form.Show();
  form.Clear();
  form.FontName("Arial");
  form.FontSize(14);
  form.ForeColour(1);
  form.DrawWidth(2);
  form.UserScale(-3 * HB, 1.25 * D, 2 * HB, -1.25 * D);

  // Frame, base line, section box, centre line and caption rule.
  form.Line(-2.75 * HB, -1.2 * D, 1.75 * HB, -1.2 * D, 9);
  form.Line(1.75 * HB, -1.2 * D, 1.75 * HB, 1.2 * D, 9);
  form.Line(1.75 * HB, 1.2 * D, -2.75 * HB, 1.2 * D, 9);
  form.Line(-2.75 * HB, 1.2 * D, -2.75 * HB, -1.2 * D, 9);
  form.Line(-HB, 0, HB, 0, 9);
  form.Line(HB, 0, HB, 1.1 * D, 9);
  form.Line(HB, 1.1 * D, -HB, 1.1 * D, 9);
  form.Line(-HB, 1.1 * D, -HB, 0, 9);
  form.Line(0, 0, 0, 1.1 * D, 9);
  form.Line(-2.75 * HB, -0.1 * D, 1.75 * HB, -0.1 * D, 9);

  // Caption: station number, its label on the drawings' scale and its position.
  form.CurrentX(-2.5 * HB);
  form.CurrentY(-0.15 * D);
  form.Print("POSTA NO : " + numerics::FormatInteger(i, 2) + " - (" +
             numerics::FormatNumber(run.task.StationLabelScale * X / run.task.Lbp, 3, 3) + " / " +
             numerics::FormatNumber(X, 3, 3) + " m. AP " + std::string(1, static_cast<char>(96)) + "den.)");

  // Section contour through the offset points, both sides, and the deck line.
  form.DrawWidth(1);
  const Vec& z = section.spline.knots;
  const numerics::SplineTable& c = section.spline.table;
  for (int k = 2; k <= m; ++k) {
    form.Line(c(1, k - 1), z(k - 1), c(1, k), z(k), 13);
    form.Line(-c(1, k - 1), z(k - 1), -c(1, k), z(k), 13);
  }
  const double t = section.halfBreadths(m);
  form.Line(t, z(m), -t, z(m), 9);
}

}  // namespace hydro

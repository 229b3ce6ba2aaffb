#include "common/hullform/section_window.hpp"

#include "common/hullform/form_drawing.hpp"

namespace hullform {

platform::ConsoleForm& SectionForm(platform::Session& session) {
  return session.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
}

void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q, const SectionPlotFormStyle& style) {
  form.Show();
  if (style.clear) form.Clear();
  form.FontName("Arial");
  form.FontSize(style.fontSize);
  form.ForeColour(style.foreColour);
  form.DrawWidth(2);
  form.UserScale(-3 * p, 1.25 * q, 2 * p, -1.25 * q);
  // Outer frame.
  DrawLine(form, -2.75 * p, -1.2 * q, 1.75 * p, -1.2 * q, 9);
  DrawLine(form, 1.75 * p, -1.2 * q, 1.75 * p, 1.2 * q, 9);
  DrawLine(form, 1.75 * p, 1.2 * q, -2.75 * p, 1.2 * q, 9);
  DrawLine(form, -2.75 * p, 1.2 * q, -2.75 * p, -1.2 * q, 9);
  // Base line and the section box: the half-breadth each side, 1.1 depths high.
  DrawLine(form, -p, 0, p, 0, 9);
  DrawLine(form, p, 0, p, 1.1 * q, 9);
  DrawLine(form, p, 1.1 * q, -p, 1.1 * q, 9);
  DrawLine(form, -p, 1.1 * q, -p, 0, 9);
  // Centre line, and the line under the base.
  DrawLine(form, 0, 0, 0, 1.1 * q, 9);
  DrawLine(form, -2.75 * p, -0.1 * q, 1.75 * p, -0.1 * q, 9);
  if (style.printCaption) form.Print("");
  form.DrawWidth(1);
}

void DrawFittedSection(platform::ConsoleForm& form, const SectionSpline& row, double step,
                       const numerics::SplineEvaluation& evaluation) {
  if (row.m < 1) return;
  WalkFittedRow(
      row, step,
      [&](double yp, double zp, double y, double z) {
        DrawLine(form, yp, zp, y, z, 13);
        DrawLine(form, -yp, zp, -y, z, 13);
      },
      evaluation);
  const double top = row.knots(row.m);
  const double yTop = row.table(1, row.m);
  DrawLine(form, yTop, top, -yTop, top, 13);
  for (int j = 1; j <= row.m; ++j) {
    const double y = row.table(1, j);
    const double z = row.knots(j);
    DrawCircle(form, y, z, step / 5, 12);
    DrawCircle(form, -y, z, step / 5, 12);
    DrawCircle(form, y, z, step / 10, 12);
    DrawCircle(form, -y, z, step / 10, 12);
  }
}

void DrawBodyPlanSections(platform::ConsoleForm& form, const HullModel& hull, double step,
                          const SectionSplineOptions& options) {
  SectionSpline row;
  for (int i = 1; i <= hull.StationCount; ++i) {
    SplineSectionWithKnuckles(i, hull, row, options);
    DrawFittedSection(form, row, step, options.evaluation);
  }
}

void DrawEndContour(platform::ConsoleForm& form, const HullModel& hull, int r, double shift, double step,
                    const SectionSplineOptions& options) {
  SectionSpline row;
  SplineSectionWithKnuckles(r, hull, row, options);
  if (row.m < 1) return;
  WalkFittedRow(
      row, step, [&](double xp, double zp, double x, double z) { DrawLine(form, xp + shift, zp, x + shift, z, 13); },
      options.evaluation);
  for (int j = 1; j <= row.m; ++j) {
    DrawCircle(form, row.table(1, j) + shift, row.knots(j), step / 5, 12);
    DrawCircle(form, row.table(1, j) + shift, row.knots(j), step / 10, 12);
  }
}

}  // namespace hullform

// The stations on the form and their review.
#include "preview.hpp"

#include "common/hullform/form_drawing.hpp"
#include "common/hullform/section_window.hpp"
#include "common/platform/prompts.hpp"
#include "forms.hpp"

namespace cross {

void DrawStationSpline(platform::ConsoleForm& form, const hullform::HullModel& hull, int i,
                       const hullform::SectionSpline& section, double S) {
  const double step = S / 40;
  const numerics::SplineEvaluation& evaluation = kCrossCurvesForms.sectionSpline.evaluation;
  // The first piece, from the keel up to the first knuckle above it.
  int knuckle = 0;
  for (int j = 2; j <= section.m && knuckle == 0; ++j) {
    if (hull.PointCode(i, j) == hullform::kKnuckleCode) knuckle = j;
  }
  if (knuckle >= 2) {
    hullform::SectionSpline firstPiece = section;
    firstPiece.m = knuckle;
    hullform::WalkFittedRow(
        firstPiece, step,
        [&](double yp, double zp, double y, double z) {
          hullform::DrawLine(form, yp, zp, y, z, 12);
          hullform::DrawLine(form, -yp, zp, -y, z, 12);
        },
        evaluation);
  }
  hullform::DrawFittedSection(form, section, step, evaluation);
}

void PreviewStationSections(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run) {
  form.Label("Label1").caption = "";
  form.Label("Label2").caption = "";
  form.Show();
  form.Clear();
  hullform::PrepareSectionPlotForm(form, run.run.MaxTopHalfBreadth, run.run.HeightExtent,
                                   kCrossCurvesForms.sectionPlotForm);
  hullform::SectionSpline section;
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    hullform::SplineSectionWithKnuckles(i, run.hull, section, kCrossCurvesForms.sectionSpline);
    DrawStationSpline(form, run.hull, i, section, run.run.MaxTopHalfBreadth);
  }
  platform::StopIfConfirmed(session, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
}

}  // namespace cross

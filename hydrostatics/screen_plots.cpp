// Screen plots along the length: the sectional areas and moments and the
// girths at the design waterline, and the plan view of the computed
// waterlines.
#include <functional>
#include <string>

#include "common/hullform/reviews.hpp"
#include "common/platform/prompts.hpp"
#include "result_steps.hpp"
#include "tables.hpp"

namespace hydro {

platform::ConsoleForm& CurveForm(platform::Session& session) {
  return session.Form("Form2_KORMELAN", "Form2", 630, 2805, 10650, 6660);
}

namespace {

// Plots one value per station against the station positions on the curve
// form, then hides the form.
void PlotAlongLength(platform::Session& session, const HydroRun& run, const std::string& caption,
                     const std::function<double(int)>& ordinate) {
  const CurveAlongLength c = SampleAlongLength(run, ordinate);
  platform::ConsoleForm& form = CurveForm(session);
  hullform::PlotCurveOnScreen(session, form, c.x, c.y, run.hull.StationCount, caption);
  form.Hide();
}

}  // namespace

void PlotSectionalCurves(platform::Session& session, HydroRun& run) {
  const int d = run.run.DesignWaterlineIndex;
  const bool trimmed = run.run.TrimmedFlag == 1;
  PlotAlongLength(session, run,
                  trimmed ? "TRIMLI SU HATTINDAKI KESIT ALANLARI EGRISI" : "YUKLU DRAFTTAKI KESIT ALANLARI EGRISI",
                  [&](int i) { return run.sections.BonjeanArea(i, d); });
  PlotAlongLength(session, run,
                  trimmed ? "TRIMLI SU HATTINDAKI KESIT MOMENTLERI EGRISI" : "YUKLU DRAFTTAKI KESIT MOMENTLERI EGRISI",
                  [&](int i) { return run.sections.BonjeanMoment(i, d); });
}

void PlotGirthCurve(platform::Session& session, HydroRun& run) {
  const int d = run.run.DesignWaterlineIndex;
  PlotAlongLength(session, run,
                  run.run.TrimmedFlag == 1 ? "TRIMLI SU HATTINDAKI ISLAK KESIT UZUNLUKLARI"
                                           : "YUKLU DRAFTTA ISLAK ALAN KESIT UZUNLUKLARI DEGISIMI",
                  [&](int i) { return run.sections.WaterlineGirth(i, d); });
}

void DrawWaterlineSketch(platform::Session& session, HydroRun& run) {
  const double L = run.task.Lbp;
  const double HB = run.task.HalfBreadth;
  const int n = run.hull.StationCount;
  const SectionResults& s = run.sections;
  auto x = [&](int i) { return run.hull.StationPos(i); };

  platform::ConsoleForm& form = CurveForm(session);
  form.Show();
  form.Clear();
  form.FontName("Times New Roman");
  form.FontSize(12);
  form.ForeColour(1);
  form.DrawWidth(1);
  form.UserScale(-0.25 * L, 1.5 * HB, 1.25 * L, -0.5 * HB);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    form.CurrentX(0.15 * L);
    form.CurrentY(-0.25 * HB);
    form.Print(run.run.TrimmedFlag == 1 ? "TRIMLI DURUMDAKI HATTI" : "HESAPLANAN SU HATLARI");
    form.Line(0, 0, L, 0, 1);  // centre line
    for (int i = 1; i <= n; ++i) form.Line(x(i), 0, x(i), s.WaterlineHalfBreadth(i, j), 1);
    for (int i = 1; i < n; ++i) {
      form.Line(x(i), s.WaterlineHalfBreadth(i, j), x(i + 1), s.WaterlineHalfBreadth(i + 1, j), 1);
    }
    // Inner edge of the appendage strips (on the centre line without them).
    for (int i = 1; i < n; ++i) {
      form.Line(x(i), s.DeductedHalfBreadth(i, j), x(i + 1), s.DeductedHalfBreadth(i + 1, j), 9);
    }
    form.CurrentX(0);
    form.CurrentY(0.05 * HB);
    form.Print("AP");
  }
  platform::PauseForEnter(session);
  form.Hide();
}

}  // namespace hydro

// The heel-angle loop's steps for one angle.
#include "heel_angle.hpp"

#include "common/hullform/checks.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/format.hpp"
#include "cross_table.hpp"
#include "heeled_section.hpp"
#include "waterlines.hpp"

namespace cross {

platform::ConsoleForm& PendrovixForm(platform::Session& session) {
  return session.Form("Pendrovix", "Pendrovix", 240, 525, 11880, 8595);
}

void SetRunCaption(platform::ConsoleForm& form, const std::string& label, const std::string& caption) {
  platform::FormLabel& l = form.Label(label);
  l.left = 1200;
  l.top = label == "Label1" ? 4920 : 5520;
  l.width = 3855;
  l.height = 375;
  l.fontName = "Arial";
  l.fontSize = 15;
  l.colour = platform::PaletteColour(9);
  l.border = true;
  l.alignment = 2;
  l.caption = caption;
}

void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k) {
  const RunValues& rv = run.run;
  const double PHI = run.task.HeelAngles(k);
  double WaterlineStart = 0, WaterlineEnd = 0;
  SetUpInclinedWaterlines(PHI, rv.MaxTopHalfBreadth, rv.HeightExtent, WaterlineStart, WaterlineEnd);

  form.Clear();
  hullform::PrepareSectionPlotForm(form, rv.MaxTopHalfBreadth, rv.HeightExtent, hullform::kCrossCurvesSectionPlotForm);
  SetRunCaption(form, "Label2", "MEYIL ACISI : " + numerics::FormatNumber(PHI, 2, 2) + " derece");

  hullform::SectionSpline section;
  WaterlineCut cut;
  SideProperties low, high;
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    SetRunCaption(form, "Label1", "POSTA NO    : " + numerics::FormatInteger(i, 2));
    hullform::SplineSectionWithKnuckles(i, run.hull, section, hullform::kCrossCurvesSectionSpline);
    IntersectInclinedWaterlines(PHI, WaterlineStart, WaterlineEnd, rv.NWL, section, cut);
    MirrorSectionContour(PHI, rv.NWL, cut);
    ComputeHeeledSectionProperties(PHI, section, cut, rv.NWL, rv.gauss, low, high);
    DrawHeeledSection(form, rv.MaxTopHalfBreadth, i, cut, rv.NWL, low, high, run.sections, section, PHI);
  }
  TabulateCrossCurvesForAngle(report, run.sections, run.hull.StationCount, run.hull.StationPos, run.task.HeelAngles,
                              run.results, run.task.WaterDensity, k, rv.NWL);
}

}  // namespace cross

// The heel-angle loop's steps for one angle.
#include "heel_angle.hpp"

#include <algorithm>
#include <vector>

#include "common/hullform/section_window.hpp"
#include "common/hullform/section_spline.hpp"
#include "cross_table.hpp"
#include "forms.hpp"
#include "heeled_section.hpp"
#include "preview.hpp"
#include "run_caption.hpp"
#include "waterlines.hpp"

namespace cross {

namespace {

void CutStation(const CrossRun& run, int i, double PHI, double WaterlineStart, double WaterlineEnd, StationCut& s) {
  const int NWL = run.run.NWL;
  if (!s.fitted) {
    hullform::SplineSectionWithKnuckles(i, run.hull, s.section, kCrossCurvesForms.sectionSpline);
    s.fitted = true;
  }
  IntersectInclinedWaterlines(PHI, WaterlineStart, WaterlineEnd, NWL, s.section, s.steps, s.cut);
  MirrorSectionContour(PHI, NWL, s.cut);
  ComputeHeeledSectionProperties(PHI, s.section, s.cut, NWL, run.run.gauss, s.low, s.high);
}

}  // namespace

StationCuts MakeStationCuts(const CrossRun& run) {
  return StationCuts(static_cast<std::size_t>(std::max(0, run.hull.StationCount)));
}

void ComputeCrossCurvesForAngle(platform::ConsoleForm& form, platform::OutputFile& report, CrossRun& run, int k,
                                StationCuts& cuts, SectionThreads& threads) {
  const RunValues& rv = run.run;
  const double PHI = run.task.HeelAngles(k);
  double WaterlineStart = 0, WaterlineEnd = 0;
  SetUpInclinedWaterlines(PHI, rv.MaxTopHalfBreadth, rv.HeightExtent, WaterlineStart, WaterlineEnd);

  form.Clear();
  hullform::PrepareSectionPlotForm(form, rv.MaxTopHalfBreadth, rv.HeightExtent, kCrossCurvesForms.sectionPlotForm);
  SetRunCaption(form, "Label2", "MEYIL ACISI : " + FormatNumber(PHI, 2, 2) + " derece");

  const int NST = run.hull.StationCount;
  // Every station cut by the one thread that took it.
  threads.Run(NST, [&](int i) {
    CutStation(run, i, PHI, WaterlineStart, WaterlineEnd, cuts[static_cast<std::size_t>(i - 1)]);
  });
  for (int i = 1; i <= NST; ++i) {
    const StationCut& s = cuts[static_cast<std::size_t>(i - 1)];
    SetRunCaption(form, "Label1", "POSTA NO    : " + numerics::FormatInteger(i, 2));
    DrawStationSpline(form, run.hull, i, s.section, rv.MaxTopHalfBreadth);
    StoreHeeledSection(i, rv.NWL, s.low, s.high, run.sections);
    DrawHeeledSection(form, rv.MaxTopHalfBreadth, i, s.cut, rv.NWL, s.low, s.high, run.sections, s.section, PHI);
  }
  TabulateCrossCurvesForAngle(run.sections, NST, run.hull.StationPos, PHI, run.task.WaterDensity, rv.NWL, k,
                              run.results);
  PrintCrossCurvesForAngle(report, run.results, PHI, rv.NWL, k);
}

}  // namespace cross

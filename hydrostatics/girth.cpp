// Girths and wetted surface.
#include "girth.hpp"

#include <cmath>

#include "common/hullform/reviews.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "common/platform/prompts.hpp"
#include "forms.hpp"
#include "station_drawing.hpp"

namespace hydro {

namespace {

constexpr int kSubdivision = 5;  // points per sample interval (4 equal parts)

}  // namespace

double GirthAtHeight(const SectionResults& res, int i, double H) {
  const int n = res.GirthSampleCount(i);
  if (n < 1 || H <= res.GirthSampleZ(i, 1)) return 0;
  if (H > res.GirthSampleZ(i, n)) return res.StationGirth(i, n);
  for (int v = 1; v <= n - 1; ++v) {
    const double z0 = res.GirthSampleZ(i, v), z1 = res.GirthSampleZ(i, v + 1);
    if (z0 < H && H <= z1) {
      return res.StationGirth(i, v) + (H - z0) * (res.StationGirth(i, v + 1) - res.StationGirth(i, v)) / (z1 - z0);
    }
  }
  return res.StationGirth(i, n);
}

void MeasureStationGirth(HydroRun& run, int i) {
  const hullform::HullModel& hull = run.hull;
  SectionResults& res = run.sections;
  const int N = kGirthSamples;
  const hullform::SectionSpline& s = run.stations.at(static_cast<std::size_t>(i - 1)).spline;
  const double bottom = hull.StationBottom(i);
  const double top = hull.StationTop(i);

  // A flat bottom may be written as a run of knuckles at the lowest height,
  // from the centre line outward.  The girth starts with the whole run, and
  // at the lowest height the contour stands at the run's outer end: a flat
  // bottom so measures the same however it is written.
  int runEnd = 1;
  while (runEnd < s.m && hull.PointZ(i, runEnd + 1) == hull.PointZ(i, 1)) ++runEnd;
  double G = hull.PointY(i, 1);
  for (int k = 1; k < runEnd; ++k) G += std::fabs(hull.PointY(i, k + 1) - hull.PointY(i, k));
  auto contourY = [&](double z) {
    if (z == s.knots(1)) return hull.PointY(i, runEnd);
    double y = 0;
    numerics::EvaluateSpline(s.m, z, y, s.knots, s.table, kHydrostaticsForms.splineEvaluation);
    return y;
  };

  const double delta = (top - bottom) / (N - 1);
  for (int k = 1; k <= N; ++k) {
    res.GirthSampleZ(i, k) = k == N ? top : bottom + (k - 1) * delta;
    res.GirthSampleY(i, k) = contourY(res.GirthSampleZ(i, k));
  }
  res.StationGirth(i, 1) = G;
  Vec zt(kSubdivision), yt(kSubdivision), slope(kSubdivision), f(kSubdivision);
  for (int k = 2; k <= N; ++k) {
    const double zA = res.GirthSampleZ(i, k - 1), zB = res.GirthSampleZ(i, k);
    double dG = 0;
    // An interval ending on the centre line adds nothing, nor does one of
    // no height (a station whose points all lie at one height).
    if (res.GirthSampleY(i, k) != 0 && zB > zA) {
      for (int b = 1; b <= kSubdivision; ++b) {
        zt(b) = b == kSubdivision ? zB : zA + (b - 1) * (zB - zA) / (kSubdivision - 1);
        yt(b) = contourY(zt(b));
      }
      numerics::EstimateNodeSlopes(kSubdivision, zt, yt, slope);
      for (int b = 1; b <= kSubdivision; ++b) f(b) = std::sqrt(slope(b) * slope(b) + 1);
      numerics::IntegrateUnequalSimpson(kSubdivision, zt, f, dG, kHydrostaticsForms.simpsonGuard);
    }
    G += dG;
    res.StationGirth(i, k) = G;
  }
  res.GirthSampleCount(i) = N;
}

void DrawGirthTrace(platform::ConsoleForm& form, const HydroRun& run, int i) {
  const SectionResults& res = run.sections;
  const double radius = run.task.HalfBreadth / 150;
  const int N = res.GirthSampleCount(i);
  for (int k = 1; k <= N; ++k) {
    form.Circle(res.GirthSampleY(i, k), res.GirthSampleZ(i, k), radius, 12);
    form.Circle(-res.GirthSampleY(i, k), res.GirthSampleZ(i, k), radius, 12);
  }
  for (int k = 1; k <= N - 1; ++k) {
    form.Line(res.GirthSampleY(i, k), res.GirthSampleZ(i, k), res.GirthSampleY(i, k + 1), res.GirthSampleZ(i, k + 1),
              13);
    form.Line(-res.GirthSampleY(i, k), res.GirthSampleZ(i, k), -res.GirthSampleY(i, k + 1),
              res.GirthSampleZ(i, k + 1), 13);
  }
}

void ComputeGirthLengths(platform::Session& session, HydroRun& run) {
  const TaskValues& t = run.task;
  const hullform::HullModel& hull = run.hull;
  SectionResults& res = run.sections;
  platform::ConsoleForm& form = hullform::SectionForm(session);

  for (int i = 1; i <= hull.StationCount; ++i) {
    MeasureStationGirth(run, i);
    DrawStationSection(session, run, i, run.stations.at(static_cast<std::size_t>(i - 1)));
    DrawGirthTrace(form, run, i);
    platform::PauseForEnter(session);
  }

  for (int i = 1; i <= hull.StationCount; ++i) {
    res.LoadWaterlineGirth(i) = GirthAtHeight(res, i, res.StationLoadWaterlineHeight(i));
  }
  hullform::PlotSectionLengthsForReview(session, form, hull, t.Lbp, t.HalfBreadth, t.Depth, res.LoadWaterlineGirth,
                                        kHydrostaticsForms);

  for (int i = 1; i <= hull.StationCount; ++i) {
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      res.WaterlineGirth(i, j) = GirthAtHeight(res, i, res.LocalDraft(i, j));
    }
  }
}

void ComputeWettedSurface(HydroRun& run) {
  const hullform::HullModel& hull = run.hull;
  SectionResults& res = run.sections;
  const int N = hull.StationCount;
  Vec x(N + 1), g(N + 1);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    int n = N;
    for (int i = 1; i <= N; ++i) {
      x(i) = hull.StationPos(i);
      g(i) = res.WaterlineGirth(i, j);
    }
    if (res.StemProfileX(j) > hull.StationPos(N)) {
      x(N + 1) = res.StemProfileX(j);
      g(N + 1) = 0;
      n = N + 1;
    }
    double sides = 0;
    numerics::IntegrateUnequalSimpson(n, x, g, sides, kHydrostaticsForms.simpsonGuard);
    res.WettedSurface(j) = res.BonjeanArea(1, j) + 2 * sides;
  }
}

}  // namespace hydro

#include "common/hullform/reviews.hpp"

#include <cmath>
#include <string>

#include "common/hullform/drawing_extents.hpp"
#include "common/hullform/form_drawing.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/prompts.hpp"

namespace hullform {
namespace {

// The side view common to both reviews: stations, deck line, end contours,
// keel line and the station numbers on a scale of 20 intervals along Lbp.
void DrawSideView(platform::ConsoleForm& form, const HullModel& hull, double Lbp, double HalfBreadth,
                  double Depth, const ProgramForms& forms) {
  const int N = hull.StationCount;
  if (N < 1) platform::StopForDataError("Tekne modelinde hic posta kesiti yok; yan gorunus cizilemez.");
  RequireDrawingExtent(kLbpName, Lbp);
  RequireDrawingExtent(kDepthName, Depth);
  const double step = ReviewStep(HalfBreadth);

  PreparePlotForm(form, Lbp, Depth);
  for (int i = 1; i <= N; ++i) {
    DrawLine(form, hull.StationPos(i), hull.StationBottom(i), hull.StationPos(i), hull.StationTop(i), 13);
  }
  for (int i = 1; i < N; ++i) {
    DrawLine(form, hull.StationPos(i), hull.StationTop(i), hull.StationPos(i + 1), hull.StationTop(i + 1), 10);
  }

  // End contours, the position from AP as a function of the height.
  SectionSpline contour;
  for (int r : {hull.SternRow(), hull.StemRow()}) {
    SplineSectionWithKnuckles(r, hull, contour, forms.sectionSpline);
    WalkFittedRow(
        contour, step, [&](double xp, double zp, double x, double z) { DrawLine(form, xp, zp, x, z, 10); },
        forms.sectionSpline.evaluation);
  }

  // Keel line from the lowest point of the stern contour to that of the stem.
  SectionSpline stern;
  SectionSpline stem;
  SplineSectionWithKnuckles(hull.SternRow(), hull, stern, forms.sectionSpline);
  SplineSectionWithKnuckles(hull.StemRow(), hull, stem, forms.sectionSpline);
  if (stern.m >= 1 && stem.m >= 1) {
    DrawLine(form, stern.table(1, 1), stern.knots(1), stem.table(1, 1), stem.knots(1), 13);
  }

  for (int i = 1; i <= N; i += 3) {
    const double label = 20 * hull.StationPos(i) / Lbp;
    if (!std::isfinite(label) || !std::isfinite(hull.StationPos(i))) continue;
    form.CurrentX(hull.StationPos(i));
    form.CurrentY(0);
    form.Print(forms.formatNumber(label, 2, 2));
  }
}

}  // namespace

void PreparePlotForm(platform::ConsoleForm& form, double xmax, double ymax) {
  form.Show();
  form.Clear();
  form.FontName("Arial");
  form.FontSize(7);
  form.ForeColour(1);
  form.DrawWidth(2);
  form.UserScale(-0.2 * xmax, 1.5 * ymax, 1.2 * xmax, -1.01 * ymax);
  DrawLine(form, 0, 0, xmax, 0, 9);
  DrawLine(form, xmax, 0, xmax, ymax, 9);
  DrawLine(form, xmax, ymax, 0, ymax, 9);
  DrawLine(form, 0, ymax, 0, 0, 9);
  form.DrawWidth(1);
}

void PlotStationPositionsForReview(platform::Session& session, platform::ConsoleForm& form, const HullModel& hull,
                                   double Lbp, double HalfBreadth, double Depth, double ForeDraft,
                                   double AftDraft, numerics::Vec& StationLoadWaterlineHeight,
                                   const ProgramForms& forms) {
  DrawSideView(form, hull, Lbp, HalfBreadth, Depth, forms);
  const int N = hull.StationCount;
  const double x1 = hull.StationPos(1);
  const double xN = hull.StationPos(N);

  // The load waterline, straight from the draft at the aft station to that at
  // the fore station, and its height at every station (not below the base).
  DrawLine(form, x1, AftDraft, xN, ForeDraft, 11);
  for (int i = 1; i <= N; ++i) {
    double h = 0;
    numerics::InterpolateLinear(x1, xN, AftDraft, ForeDraft, hull.StationPos(i), h);
    if (h < 0) h = 0;
    StationLoadWaterlineHeight(i) = h;
  }
  for (int i = 1; i <= N; ++i) {
    const double h = StationLoadWaterlineHeight(i);
    DrawCircle(form, hull.StationPos(i), h, Depth / 20, 8);
    DrawCircle(form, hull.StationPos(i), h, Depth / 40, 8);
    DrawCircle(form, hull.StationPos(i), h, Depth / 60, 8);
  }
  platform::StopIfConfirmed(session, "POSTA YERLERINDE YANLISLIK VAR MI E/H <H>", "H");
}

void PlotSectionLengthsForReview(platform::Session& session, platform::ConsoleForm& form, const HullModel& hull,
                                 double Lbp, double HalfBreadth, double Depth,
                                 const numerics::Vec& LoadWaterlineGirth, const ProgramForms& forms) {
  DrawSideView(form, hull, Lbp, HalfBreadth, Depth, forms);
  for (int i = 1; i <= hull.StationCount; ++i) {
    DrawLine(form, hull.StationPos(i), 0, hull.StationPos(i), LoadWaterlineGirth(i), 10);
  }
  platform::StopIfConfirmed(session, "POSTA KESIT UZUNLUKLARINDA YANLISLIK VAR MI E/H <H>", "H");
}

double CurvePlotExtent(const numerics::Vec& y, int n) {
  if (n < 1) return 1;
  // The largest ordinate, and the smallest from the second point on (never
  // above 0).
  double ymax = std::isfinite(y(1)) ? y(1) : 0;
  for (int i = 2; i <= n; ++i) {
    if (std::isfinite(y(i)) && y(i) > ymax) ymax = y(i);
  }
  double ymin = 0;
  for (int i = 2; i <= n; ++i) {
    if (std::isfinite(y(i)) && y(i) < ymin) ymin = y(i);
  }
  double E = std::fabs(ymax);
  if (std::fabs(ymin) > E) E = std::fabs(ymin);
  // A curve of zeros still gets a window of some height.
  if (!(E > 0)) E = 1;
  return E;
}

void PlotCurveOnScreen(platform::Session& session, platform::ConsoleForm& form, const numerics::Vec& x,
                       const numerics::Vec& y, int n, const std::string& caption) {
  if (n < 1) {
    platform::PauseForEnter(session);
    form.Clear();
    return;
  }
  double L = x(n) - x(1);
  const double E = CurvePlotExtent(y, n);
  // A curve of one point still gets a window of some width.
  if (!(std::fabs(L) > 0) || !std::isfinite(L)) L = 1;

  form.Show();
  form.Clear();
  form.FontSize(8);
  form.FontName("Times New Roman");
  form.ForeColour(1);
  form.UserScale(-0.5 * L, 1.35 * E, 1.5 * L, -0.35 * E);
  form.DrawWidth(2);
  DrawLine(form, x(1), 0, 1.05 * x(n), 0, 9);
  DrawLine(form, x(1), 0, x(1), 1.05 * E, 9);
  form.DrawWidth(1);
  for (int i = 1; i <= n; ++i) DrawLine(form, x(i), 0, x(i), y(i), 4);
  for (int i = 1; i < n; ++i) DrawLine(form, x(i), y(i), x(i + 1), y(i + 1), 4);
  form.CurrentX(-0.4 * L);
  form.CurrentY(1.3 * E);
  form.Print(caption);
  platform::PauseForEnter(session);
  form.Clear();
}

}  // namespace hullform

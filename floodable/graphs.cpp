// Screen graphs of the floodable-length run.
#include "graphs.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/form_drawing.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/numerics/curves.hpp"
#include "common/platform/prompts.hpp"
#include "forms.hpp"
#include "trim_lines.hpp"

namespace flood {

namespace {

using hullform::DrawCircle;
using hullform::DrawLine;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// The margin of PossibleLengths, a fraction of L.
constexpr double kPossibleLengthTolerance = 1e-6;

// Clears the form and sets it up for a graph over [left, right] and the
// vertical extent given.
void BeginGraph(platform::ConsoleForm& form, double left, double right, VerticalExtent e) {
  form.Show();
  form.Clear();
  form.FontName("Times New Roman");
  form.FontName("Arial");
  form.FontSize(10);
  form.ForeColour(1);
  form.DrawWidth(1);
  form.UserScale(left, e.top, right, e.bottom);
}

void PrintAt(platform::ConsoleForm& form, double x, double y, const std::string& text, int colour = 1) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  form.ForeColour(colour);
  form.CurrentX(x);
  form.CurrentY(y);
  form.Print(text);
  form.ForeColour(1);
}

void EndGraph(platform::Session& session, platform::ConsoleForm& form) {
  platform::PauseForEnter(session);
  form.Clear();
}

// Graphs 1 to 3: one value per trim line over the line's index.
void GraphOverTrimLines(platform::Session& session, const FloodRun& run, const Vec& y, double topFactor,
                        double bottomFactor, bool bottomFromMinimum, const std::string& caption, double d) {
  const int n = run.task.TrimLineCount;
  double ymax = y(1), ymin = y(1);
  for (int m = 2; m <= n; ++m) {
    ymax = std::max(ymax, y(m));
    ymin = std::min(ymin, y(m));
  }
  platform::ConsoleForm& form = GraphForm(session);
  BeginGraph(form, 0, n + 1,
             GraphExtent(topFactor * ymax, bottomFactor * (bottomFromMinimum ? ymin : ymax)));
  DrawLine(form, 1, ymin, n, ymin, 1);
  for (int m = 1; m <= n; ++m) {
    DrawLine(form, m, ymin, m, ymax, 2);
    PrintAt(form, m, ymin, run.trim.TrimLineNames(m));
  }
  for (int m = 1; m <= n - 1; ++m) DrawLine(form, m, y(m), m + 1, y(m + 1), 13);
  for (int m = 1; m <= n; ++m) {
    for (const double r : {0.05, 0.025, 0.0125}) DrawCircle(form, m, y(m), r, 13);
  }
  PrintAt(form, (n + 1) / 2.0 - d, 1.15 * ymax, caption);
  EndGraph(session, form);
}

// Draws permeability p's curve as drawn, chord by chord; says on the
// terminal when its points cannot carry one.
void DrawCurve(platform::Session& session, platform::ConsoleForm& form, const FloodRun& run, int p,
               const DrawnCurve& curve, int colour) {
  if (curve.points.empty()) {
    session.Out() << "PERMEABILITE " << FormatNumber(run.task.ZonePermeability(p), 4, 1)
                  << " % : bulunan noktalar AP 'den basa dogru sirali degil; egri cizilmedi, yalniz ordinatlar var.\n";
    return;
  }
  for (std::size_t j = 1; j < curve.points.size(); ++j) {
    const CurveSample& a = curve.points[j - 1];
    const CurveSample& b = curve.points[j];
    DrawLine(form, a.x, a.l, b.x, b.l, colour);
  }
}

// The two ends of a terminal line: from the ship's aft end on the base line
// to the first curve's start, or from the fore end to the last curve's end;
// none where that curve has no length at its zone's end.
struct TerminalLine {
  bool drawn = false;
  double x1 = 0, x2 = 0, l2 = 0;
};
TerminalLine AftTerminal(const FloodRun& run, const Vec& lStart) {
  if (!std::isfinite(lStart(1))) return {};
  return {true, run.hull.hull.StationPos(1) + run.hull.AftOverhang, run.task.ZoneStart(1), lStart(1)};
}
TerminalLine ForeTerminal(const FloodRun& run, const Vec& lEnd) {
  const int P = run.task.PermeabilityCount;
  if (!std::isfinite(lEnd(P))) return {};
  const hullform::HullModel& h = run.hull.hull;
  return {true, h.StationPos(h.StationCount) + run.hull.ForeOverhang, run.task.ZoneEnd(P), lEnd(P)};
}

// The terminal line's height at x, where x lies between its two ends; not a
// number elsewhere.
double HeightOver(const TerminalLine& t, double x) {
  if (!t.drawn || t.x1 == t.x2 || x < std::min(t.x1, t.x2) || x > std::max(t.x1, t.x2)) return kNoValue;
  return t.l2 * (x - t.x1) / (t.x2 - t.x1);
}

double LargestLength(const FoundCurve& c) {
  double lmax = 0;
  for (int b = 1; b <= c.n; ++b) lmax = std::max(lmax, c.length(b));
  return lmax;
}

}  // namespace

// ------------------------------------------------------ the drawing's pieces

bool FoundCurve::Fittable() const {
  if (n < 2) return false;
  for (int b = 2; b <= n; ++b) {
    if (!(X(b) > X(b - 1))) return false;
  }
  return true;
}

FoundCurve FoundCurvePoints(const FloodRun& run, int p) {
  FoundCurve c;
  const CurvePoints& cp = run.curves;
  for (int b = 1; b <= cp.CurvePointCount; ++b) {
    if (cp.CurvePointNotFound(b, p) != 0) continue;
    ++c.n;
    c.X(c.n) = cp.CurvePointX(b, p);
    c.length(c.n) = cp.CurvePointLength(b, p);
  }
  return c;
}

bool PossibleLengths::Holds(double x, double l) const {
  const double top = std::min(2 * (x - firstStation), 2 * (lastStation - x));
  return l >= -tolerance && l <= top + tolerance;
}

PossibleLengths PossibleLengthsOf(const FloodRun& run) {
  const hullform::HullModel& h = run.hull.hull;
  return {h.StationPos(1), h.StationPos(h.StationCount), kPossibleLengthTolerance * run.task.ShipLength};
}

LengthCurve::LengthCurve(const FoundCurve& curve, CurveForm form)
    : n_(curve.Fittable() ? curve.n : 0),
      form_(form),
      points_(curve),
      spline_(numerics::MakeSplineTable(curve.n)),
      monotone_(numerics::MakeSplineTable(curve.n)) {
  for (int b = 1; b <= n_; ++b) spline_(1, b) = monotone_(1, b) = curve.length(b);
  if (form_ == CurveForm::kGraphSpline) numerics::FitCubicSpline(n_, points_.X, spline_, 0, 0, kFloodableForms.splineGuards);
  numerics::FitMonotoneCubic(n_, points_.X, monotone_);
}

double LengthCurve::Drawn(double x, bool zoneEnd) const {
  double y = kNoValue;
  if (!Exists()) return y;
  if (form_ == CurveForm::kGraphSpline) {
    numerics::EvaluateSpline(n_, x, y, points_.X, spline_, kFloodableForms.splineEvaluation);
  } else {
    numerics::InterpolateCurve(n_, points_.X, points_.length, x, y,
                               zoneEnd ? numerics::kParabolaMethod : numerics::kSplineMethod,
                               kFloodableForms.interpolationRule);
  }
  return y;
}

double LengthCurve::Monotone(double x) const {
  double y = kNoValue;
  if (Exists()) numerics::EvaluateSpline(n_, x, y, points_.X, monotone_, kFloodableForms.splineEvaluation);
  return y;
}

int LengthCurve::IntervalOf(double x) const {
  if (!Exists() || !(First() < x && x < Last())) return 0;
  const int k = numerics::BisectKnots(points_.X, 1, n_, x);  // X(k) < x <= X(k + 1)
  return x < points_.X(k + 1) ? k : 0;
}

void ForEachStep(double start, double end, int count, const std::function<void(double)>& step) {
  const double s = (end - start) / count;
  if (!(s > 0)) return;
  for (int j = 1; j <= count; ++j) step(j == count ? end : start + j * s);
}

void KeepWithinPossible(const LengthCurve& curve, const PossibleLengths& range, std::vector<CurveSample>& polyline,
                        std::vector<CurveSample>& lengths) {
  if (!curve.Exists()) return;
  Table<int> leaves(kLineTableSize);  // by interval
  for (const std::vector<CurveSample>* samples : {&polyline, &lengths}) {
    for (const CurveSample& s : *samples) {
      const int k = curve.IntervalOf(s.x);
      if (k != 0 && std::isfinite(s.l) && !range.Holds(s.x, s.l)) leaves(k) = 1;
    }
  }
  for (std::vector<CurveSample>* samples : {&polyline, &lengths}) {
    for (CurveSample& s : *samples) {
      const int k = curve.IntervalOf(s.x);
      if (k != 0 && leaves(k) != 0 && std::isfinite(s.l)) s.l = curve.Monotone(s.x);
    }
  }
  // A vertex at every point that a chord crosses where an interval either
  // side of it has been replaced.
  const FoundCurve& points = curve.Points();
  std::vector<CurveSample> drawn;
  for (const CurveSample& s : polyline) {
    for (int k = 2; !drawn.empty() && k <= points.n - 1; ++k) {
      if (drawn.back().x < points.X(k) && points.X(k) < s.x && (leaves(k - 1) != 0 || leaves(k) != 0))
        drawn.push_back({points.X(k), points.length(k)});
    }
    drawn.push_back(s);
  }
  polyline = std::move(drawn);
}

DrawnCurve DrawCurveOver(const LengthCurve& curve, const PossibleLengths& range, double from, double to, int steps,
                         double zoneStart, double zoneEnd) {
  DrawnCurve drawn{{}, kNoValue, kNoValue};
  if (!curve.Exists()) return drawn;
  std::vector<CurveSample> ends{{zoneStart, curve.Drawn(zoneStart, true)}, {zoneEnd, curve.Drawn(zoneEnd, true)}};
  const double a = std::max(from, curve.First());
  const double b = std::min(to, curve.Last());
  if (b > a) {
    drawn.points.push_back({a, a == zoneStart ? ends[0].l : curve.Drawn(a, false)});
    ForEachStep(from, to, steps, [&](double x) {
      if (x <= a || drawn.points.back().x == b) return;
      const double xe = std::min(x, b);
      drawn.points.push_back({xe, curve.Drawn(xe, false)});
    });
  }
  KeepWithinPossible(curve, range, drawn.points, ends);
  drawn.lStart = ends[0].l;
  drawn.lEnd = ends[1].l;
  return drawn;
}

DrawnCurve CurveAsDrawn(const FloodRun& run, int p, const CurveDrawing& drawing) {
  const LengthCurve curve(FoundCurvePoints(run, p), drawing.form);
  const double zoneStart = run.task.ZoneStart(p), zoneEnd = run.task.ZoneEnd(p);
  return DrawCurveOver(curve, PossibleLengthsOf(run), drawing.overZone ? zoneStart : curve.First(),
                       drawing.overZone ? zoneEnd : curve.Last(), drawing.steps, zoneStart, zoneEnd);
}

ZoneCurves CurvesOfZones(const FloodRun& run, const CurveDrawing& drawing) {
  ZoneCurves z;
  for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
    const DrawnCurve& c = z.curves.emplace_back(CurveAsDrawn(run, p, drawing));
    z.lStart(p) = c.lStart;
    z.lEnd(p) = c.lEnd;
  }
  return z;
}

void ZoneBoundaryLines(const FloodRun& run, const Vec& lStart, const Vec& lEnd, const ZoneSegmentSink& sink) {
  const TerminalLine aft = AftTerminal(run, lStart);
  const TerminalLine fore = ForeTerminal(run, lEnd);
  for (int p = 1; p <= run.task.PermeabilityCount - 1; ++p) {
    const double e = run.task.ZoneEnd(p);
    double h = kNoValue;
    for (const double v : {lEnd(p), lStart(p + 1)}) {
      if (std::isfinite(v) && !(v <= h)) h = v;  // the larger of the known lengths
    }
    // No curve reaches it: the terminal line over it.
    if (!std::isfinite(h)) h = HeightOver(aft, e);
    if (!std::isfinite(h)) h = HeightOver(fore, e);
    if (std::isfinite(h)) sink(p, e, 0, e, h);
  }
}

void AftTerminalLine(const FloodRun& run, const Vec& lStart, const SegmentSink& sink) {
  const TerminalLine t = AftTerminal(run, lStart);
  if (t.drawn) sink(t.x1, 0, t.x2, t.l2);
}

void ForeTerminalLine(const FloodRun& run, const Vec& lEnd, const SegmentSink& sink) {
  const TerminalLine t = ForeTerminal(run, lEnd);
  if (t.drawn) sink(t.x1, 0, t.x2, t.l2);
}

void CompartmentLines(const FloodRun& run, const SegmentSink& sink) {
  const int nB = run.task.BulkheadCount;
  const Vec& q = run.task.BulkheadPositions;
  const Table2<double>& T = run.CompartmentTriangles;
  for (int i = 1; i <= nB - 1; ++i) sink(q(i), 0, T(i, 1), T(i, 2));
  for (int i = 2; i <= nB; ++i) sink(T(i - 1, 1), T(i - 1, 2), q(i), 0);
}

void CentreplaneOutline(const FloodRun& run, const std::function<void(bool starting)>& profile,
                        const SegmentSink& contour, const SegmentSink& deck) {
  const hullform::HullModel& h = run.hull.hull;
  const double step = run.hull.MaxHalfBreadth / 40;
  hullform::SectionSpline row;
  for (const int r : {h.SternRow(), h.StemRow()}) {
    hullform::SplineSectionWithKnuckles(r, h, row, kFloodableForms.sectionSpline);
    profile(true);
    hullform::WalkFittedRow(
        row, step, [&](double xp, double zp, double x, double z) { contour(xp, zp, x, z); },
        kFloodableForms.sectionSpline.evaluation);
    profile(false);
  }
  DeckLine(run, deck);
}

void DeckLine(const FloodRun& run, const SegmentSink& sink) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  for (int i = 1; i <= NST - 1; ++i) sink(h.StationPos(i), h.StationTop(i), h.StationPos(i + 1), h.StationTop(i + 1));
  const int stern = h.SternRow(), stem = h.StemRow();
  if (h.PointCount(stern) >= 1) {
    const int j = h.PointCount(stern);
    sink(h.StationPos(1), h.StationTop(1), h.PointY(stern, j), h.PointZ(stern, j));
  }
  if (h.PointCount(stem) >= 1) {
    const int j = h.PointCount(stem);
    sink(h.StationPos(NST), h.StationTop(NST), h.PointY(stem, j), h.PointZ(stem, j));
  }
}

// ----------------------------------------------------------------- the graphs

VerticalExtent GraphExtent(double top, double bottom) {
  if (top == bottom) return {top + 0.5, bottom - 0.5};
  return {top, bottom};
}

void ShowPermeabilityGraphs(platform::Session& session, const FloodRun& run, int p) {
  const TrimResults& t = run.trim;
  GraphOverTrimLines(session, run, t.FloodedWaterVolume, 1.25, -0.1, false, "v2 - YARALI SU HACMI (m3)", 1);
  GraphOverTrimLines(session, run, t.TrimmedLcb, 1.5, 0.01, true, "TRIM HATTI LCB DEGERLERI (AP DEN) (m)", 2);
  GraphOverTrimLines(session, run, t.FloodedWaterLcg, 1.25, -0.1, false, "Xw - YARALI SU LCG DEGERLERI (AP DEN) (m)", 2);

  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const int n = run.task.TrimLineCount;
  const double S = run.hull.StationSpan;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(NST);
  platform::ConsoleForm& form = GraphForm(session);

  // Graph 4: the sectional areas of the trim lines along the ship.
  double Amax = 0;
  for (int m = 1; m <= n; ++m) {
    for (int i = 1; i <= NST; ++i) Amax = std::max(Amax, t.TrimSectionArea(m, i));
  }
  BeginGraph(form, -0.3 * S, 1.3 * S, GraphExtent(1.5 * Amax, -1.1 * Amax));
  DrawLine(form, x1, 0, xN, 0, 1);
  for (int i = 1; i <= NST; ++i) DrawLine(form, h.StationPos(i), 0, h.StationPos(i), 1.1 * Amax, 5);
  for (int m = 1; m <= n; ++m) {
    for (int i = 1; i <= NST - 1; ++i)
      DrawLine(form, h.StationPos(i), t.TrimSectionArea(m, i), h.StationPos(i + 1), t.TrimSectionArea(m, i + 1), 5);
  }
  PrintAt(form, S / 5, 1.2 * Amax, "TRIM HATLARI ICIN KESIT ALANLARI EGRILERI");
  EndGraph(session, form);

  // Graph 5: the floodable-length curve of this permeability, the points not
  // found left out.
  const CurvePoints& cp = run.curves;
  double lmax = 0;
  for (int m = 1; m <= n; ++m) {
    if (cp.CurvePointNotFound(m + 1, p) == 0) lmax = std::max(lmax, cp.CurvePointLength(m + 1, p));
  }
  BeginGraph(form, -0.3 * S, 1.3 * S, GraphExtent(1.25 * lmax, -0.1 * lmax));
  DrawLine(form, x1, 0, xN, 0, 1);
  for (int b = 1; b <= cp.CurvePointCount; ++b) {
    if (cp.CurvePointNotFound(b, p) != 0) continue;
    const bool endPoint = b == 1 || b == cp.CurvePointCount;
    DrawLine(form, cp.CurvePointX(b, p), 0, cp.CurvePointX(b, p), cp.CurvePointLength(b, p), endPoint ? 3 : 5);
  }
  for (int m = 1; m <= n; ++m) {
    if (cp.CurvePointNotFound(m + 1, p) == 0)
      PrintAt(form, cp.CurvePointX(m + 1, p), cp.CurvePointLength(m + 1, p), t.TrimLineNames(m), 2);
  }
  PrintAt(form, S / 5, 1.2 * lmax, "YARALI BOLME BOYU DEGERLERI - l");
  PrintAt(form, S / 5 + S / 15, 1.125 * lmax,
          "PERMEABILITE = " + FormatNumber(run.task.ZonePermeability(p), 4, 1) + " %");
  DrawCurve(session, form, run, p, CurveAsDrawn(run, p, kGraphCurve), 1);
  EndGraph(session, form);
}

void ShowCombinedGraph(platform::Session& session, const FloodRun& run) {
  const int P = run.task.PermeabilityCount;
  const double S = run.hull.StationSpan;
  double lmax = 0;
  for (int p = 1; p <= P; ++p) lmax = std::max(lmax, LargestLength(FoundCurvePoints(run, p)));

  platform::ConsoleForm& form = GraphForm(session);
  BeginGraph(form, -0.3 * S, 1.3 * S, GraphExtent(1.25 * lmax, -0.1 * lmax));
  PrintAt(form, S / 10, lmax, "PERMEABILITE'YE BAGLI YARALI BOLME BOYU DEGISIMI");

  // Each curve over its whole span, and its values at its zone's ends.
  const ZoneCurves zones = CurvesOfZones(run, kCombinedGraphCurves);
  const Vec& lStart = zones.lStart;
  const Vec& lEnd = zones.lEnd;
  for (int p = 1; p <= P; ++p) DrawCurve(session, form, run, p, zones.Curve(p), p + 1);
  ZoneBoundaryLines(run, lStart, lEnd, [&](int p, double x1, double y1, double x2, double y2) {
    DrawLine(form, x1, y1, x2, y2, p + 1);
  });
  AftTerminalLine(run, lStart, [&](double x1, double y1, double x2, double y2) { DrawLine(form, x1, y1, x2, y2, 2); });
  ForeTerminalLine(run, lEnd,
                   [&](double x1, double y1, double x2, double y2) { DrawLine(form, x1, y1, x2, y2, P + 1); });
  CompartmentLines(run, [&](double x1, double y1, double x2, double y2) { DrawLine(form, x1, y1, x2, y2, 5); });
  const SegmentSink outline = [&](double x1, double y1, double x2, double y2) { DrawLine(form, x1, y1, x2, y2, 4); };
  CentreplaneOutline(run, [](bool) {}, outline, outline);
  platform::PauseForEnter(session);
}

}  // namespace flood

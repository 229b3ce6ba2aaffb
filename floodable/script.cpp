// The floodable-length drawing script.
#include "script.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "common/numerics/curves.hpp"
#include "graphs.hpp"
#include "common/drawing/dialect.hpp"
#include "forms.hpp"

namespace flood {

namespace {

constexpr int kZoneSteps = 100;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The floodable length of a found curve at x by the curve routine's method,
// or no value when x lies beyond the curve or the curve cannot carry one.
double CurveValue(const FoundCurve& curve, double x, int method) {
  double y = kNoValue;
  if (curve.Fittable())
    numerics::InterpolateCurve(curve.n, curve.X, curve.length, x, y, method, kFloodableForms.interpolationRule);
  return y;
}

}  // namespace

void WriteFloodableLengthScript(platform::Session& session, const FloodRun& run) {
  platform::OutputFile& file = session.CreateOutput(run.task.OutputDirectory + kScriptFileName);
  drawing::ScriptWriter w(file, drawing::DolvenikaDialect());
  const int P = run.task.PermeabilityCount;
  const double c = 200 / run.task.ShipLength;
  const auto X = [c](double x) { return 50 + c * x; };
  const auto Y = [c](double y) { return 70 + c * y; };
  const auto line = [&](double x1, double y1, double x2, double y2) { w.Segment("Pline", X(x1), Y(y1), X(x2), Y(y2)); };
  const auto colourBelow = [&](int number) { w.Colour(number, drawing::kColourCapitalNumberBelow); };

  std::vector<FoundCurve> curves(static_cast<std::size_t>(P) + 1);
  Vec lStart(kLineTableSize), lEnd(kLineTableSize);
  for (int p = 1; p <= P; ++p) {
    curves[static_cast<std::size_t>(p)] = FoundCurvePoints(run, p);
    lStart(p) = CurveValue(curves[static_cast<std::size_t>(p)], run.task.ZoneStart(p), numerics::kParabolaMethod);
    lEnd(p) = CurveValue(curves[static_cast<std::size_t>(p)], run.task.ZoneEnd(p), numerics::kParabolaMethod);
  }

  // Sheet, base line, title, AP and FP.
  w.SheetSetUp(drawing::Sheet::kA4, true);
  w.NewLayer("AP_FP_Dogrusu");
  w.Colour(6, drawing::kColourLowerCase);
  w.Command("pline");
  w.Point(50, 70);
  w.Point(250, 70);
  w.Command(" pedit");
  w.Point(250, 70);
  w.Command("f");
  w.Empty();
  w.TextStyle(4.5);
  w.TextAt("text c", 150, 150, 0, "YARALI BOLME BOYU EGRILERI");
  w.TextStyle(3.5);
  w.TextAt("text c", 50, 65, 0, "AP");
  w.TextAt("text c", 250, 65, 0, "FP");

  // Ticks at the ten station intervals, numbered 1 to 9.
  for (int k = 0; k <= 10; ++k) w.Segment("Pline", 50 + 20 * k, 70, 50 + 20 * k, 68.5);
  w.TextStyle(2.5);
  for (int k = 1; k <= 9; ++k) w.TextAt("text c", 50 + 20 * k, 65, 0, std::to_string(k));

  // The ordinates of the curve points, on a layer left off.
  w.NewLayer("YB_Dogrulari");
  for (int p = 1; p <= P; ++p) {
    colourBelow(p + 1);
    const FoundCurve& f = curves[static_cast<std::size_t>(p)];
    for (int b = 1; b <= f.n; ++b) line(f.X(b), 0, f.X(b), f.length(b));
  }
  w.LayerOff("YB_Dogrulari");

  // Each curve over its own zone, by the spline through its points.
  w.NewLayer("YBB_Egrisi_Parabolic_Int");
  for (int p = 1; p <= P; ++p) {
    const FoundCurve& f = curves[static_cast<std::size_t>(p)];
    std::vector<std::pair<double, double>> points;
    double xp = run.task.ZoneStart(p), lp = lStart(p);
    ForEachStep(run.task.ZoneStart(p), run.task.ZoneEnd(p), kZoneSteps, [&](double x) {
      const double l = CurveValue(f, x, numerics::kSplineMethod);
      if (std::isfinite(lp) && std::isfinite(l)) {
        points.emplace_back(xp, lp);
        points.emplace_back(x, l);
      }
      xp = x;
      lp = l;
    });
    colourBelow(p + 1);
    if (points.empty()) continue;
    w.Command("Pline");
    for (const auto& [x, l] : points) w.Point(X(x), Y(l));
    w.EndPolyline(drawing::kFittedPolylineEnd);
  }

  if (P == 1 && curves[1].n >= 2) {
    // One permeability: the polyline through its points, fitted.
    const FoundCurve& f = curves[1];
    w.NewLayer("YBB_Egrisi_Fit_Curve");
    w.Colour(5);
    w.Command("Pline");
    for (int b = 2; b <= f.n; ++b) {
      w.Point(X(f.X(b - 1)), Y(f.length(b - 1)));
      w.Point(X(f.X(b)), Y(f.length(b)));
    }
    w.EndPolyline(drawing::kFittedPolylineEnd);
  }
  if (P > 1) {
    w.NewLayer("PERM_BOLGE_DOGRULARI");
    ZoneBoundaryLines(run, lStart, lEnd, [&](int p, double x1, double y1, double x2, double y2) {
      colourBelow(p + 1);
      line(x1, y1, x2, y2);
    });
  }

  // Zone labels above each zone's middle.
  w.NewLayer("PERMEABILITE_YAZILARI");
  w.TextStyle(3.0);
  for (int p = 1; p <= P; ++p) {
    colourBelow(p + 1);
    const double middle = (run.task.ZoneStart(p) + run.task.ZoneEnd(p)) / 2;
    double h = 0;
    for (const double v : {lStart(p), lEnd(p)}) {
      if (std::isfinite(v)) h = std::max(h, v);
    }
    w.TextAt("text c", X(middle), Y(1.25 * h), 0, "Perm=%" + FormatNumber(run.task.ZonePermeability(p), 2, 1));
  }

  w.NewLayer("AFT_TERMINUS_Egrisi");
  w.Colour(2);
  AftTerminalLine(run, lStart, line);
  w.NewLayer("FORE_TERMINUS_Egrisi");
  colourBelow(P + 1);
  ForeTerminalLine(run, lEnd, line);

  // The ship's outline in the centre plane.
  w.NewLayer("CenterplaneCurve");
  w.Colour(6);
  std::vector<std::pair<double, double>> contour;
  CentreplaneOutline(
      run,
      [&](bool starting) {
        if (starting) {
          contour.clear();
          return;
        }
        if (contour.empty()) return;
        w.Command("Pline");
        for (const auto& [x, z] : contour) w.Point(X(x), Y(z));
        w.EndPolyline(drawing::kFittedPolylineEnd);
      },
      [&](double x1, double z1, double x2, double z2) {
        contour.emplace_back(x1, z1);
        contour.emplace_back(x2, z2);
      },
      line);

  if (run.task.BulkheadCount != 0) {
    w.NewLayer("Perde_Koordinatlari");
    w.Colour(5);
    CompartmentLines(run, line);
  }
  file.Close();
}

}  // namespace flood

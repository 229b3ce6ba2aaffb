// The floodable-length drawing script.
#include "script.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "graphs.hpp"
#include "common/drawing/dialect.hpp"
#include "forms.hpp"

namespace flood {

void WriteFloodableLengthScript(platform::Session& session, const FloodRun& run) {
  platform::OutputFile& file = session.CreateOutput(run.task.OutputDirectory + kScriptFileName);
  drawing::ScriptWriter w(file, drawing::DolvenikaDialect());
  const int P = run.task.PermeabilityCount;
  const double c = 200 / run.task.ShipLength;
  const auto X = [c](double x) { return 50 + c * x; };
  const auto Y = [c](double y) { return 70 + c * y; };
  const auto line = [&](double x1, double y1, double x2, double y2) { w.Segment("Pline", X(x1), Y(y1), X(x2), Y(y2)); };
  const auto colourBelow = [&](int number) { w.Colour(number, drawing::kColourCapitalNumberBelow); };

  std::vector<FoundCurve> found(static_cast<std::size_t>(P) + 1);
  for (int p = 1; p <= P; ++p) found[static_cast<std::size_t>(p)] = FoundCurvePoints(run, p);
  // The curves as drawn, and their lengths at their zones' ends.
  const ZoneCurves zones = CurvesOfZones(run, kScriptCurves);
  const Vec& lStart = zones.lStart;
  const Vec& lEnd = zones.lEnd;

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
    const FoundCurve& f = found[static_cast<std::size_t>(p)];
    for (int b = 1; b <= f.n; ++b) line(f.X(b), 0, f.X(b), f.length(b));
  }
  w.LayerOff("YB_Dogrulari");

  // Each curve over its own zone, from the zone's start (or the curve's
  // first point, where that lies within the zone) to its end (or the curve's
  // last point): the curve routine's spline, the monotone cubic on an
  // interval where the spline leaves the possible lengths.
  w.NewLayer("YBB_Egrisi_Parabolic_Int");
  Table<int> drawn(kLineTableSize);
  for (int p = 1; p <= P; ++p) {
    const std::vector<CurveSample>& points = zones.Curve(p).points;
    colourBelow(p + 1);
    if (points.size() < 2) continue;
    drawn(p) = 1;
    w.Command("Pline");
    for (std::size_t j = 1; j < points.size(); ++j) {
      w.Point(X(points[j - 1].x), Y(points[j - 1].l));
      w.Point(X(points[j].x), Y(points[j].l));
    }
    w.EndPolyline(drawing::kFittedPolylineEnd);
  }

  if (P == 1 && found[1].n >= 2) {
    // One permeability: the polyline through its points, fitted.
    const FoundCurve& f = found[1];
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

  // Zone labels above each zone's middle; a zone without its curve (its end
  // point beyond the zone's end) has no height to stand above, and no label.
  w.NewLayer("PERMEABILITE_YAZILARI");
  w.TextStyle(3.0);
  for (int p = 1; p <= P; ++p) {
    if (drawn(p) == 0) continue;
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

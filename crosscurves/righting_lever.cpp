// The righting-lever curve and its stability areas.
#include "righting_lever.hpp"

#include <cmath>
#include <string>

#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_files.hpp"
#include "common/platform/session.hpp"
#include "cross_table.hpp"
#include "forms.hpp"
#include "graph_script.hpp"
#include "gz_drawing.hpp"
#include "range_questions.hpp"

namespace cross {

namespace {

using numerics::FormatInteger;

// One stability area: n samples from `from` to `to` degrees, the last one at
// `to` itself, integrated in radians.
double StabilityArea(const RightingLeverCurve& gz, int n, double from, double to) {
  Vec xs(n), ys(n);
  for (int k = 1; k <= n; ++k) {
    const double phi = k == n ? to : from + (k - 1) * (to - from) / (n - 1);
    xs(k) = phi * PiValue / 180;
    numerics::InterpolateCurve(gz.n, gz.XRadians, gz.Y, xs(k), ys(k), numerics::kParabolaMethod,
                               kCrossCurvesForms.interpolationRule);
  }
  double area = 0;
  numerics::IntegrateUnequalSimpson(n, xs, ys, area, kCrossCurvesForms.simpsonGuard);
  return area;
}

std::string AreaText(bool reached, double area) { return reached ? FormatNumber(area, 2, 3) : std::string(" *****"); }

}  // namespace

RightingLeverCurve ComputeRightingLeverCurve(const TaskValues& t, const CrossCurveData& data) {
  RightingLeverCurve gz;
  gz.NA = data.NA;

  // KN at the requested displacement on every cross curve, among the points
  // where the hull floats; a displacement beyond them has no KN there.
  Vec XD(kMaxWaterlines), YK(kMaxWaterlines);
  for (int i = 1; i <= data.NA; ++i) {
    const int m = FloatingPoints(data.Displacement, i, data.PointCounts(i), data.KN, XD, YK);
    if (m == 0 || t.RequestedDisplacement < XD(1) || t.RequestedDisplacement > XD(m)) {
      gz.OffCurveAngle = i;
      gz.OffCurveFloatingPoints = m;
      gz.OffCurveLowest = m == 0 ? 0 : XD(1);
      gz.OffCurveHighest = m == 0 ? 0 : XD(m);
      return gz;
    }
    double KN = 0;
    numerics::InterpolateCurve(m, XD, YK, t.RequestedDisplacement, KN, numerics::kParabolaMethod,
                               kCrossCurvesForms.interpolationRule);
    gz.GzValues(i) = KN - t.KG * std::sin(data.HeelAngles(i) * PiValue / 180);
  }
  gz.GM0 = t.KM - t.KG;
  gz.LargestGz = gz.GzValues(1);
  for (int i = 1; i <= data.NA; ++i) {
    if (gz.GzValues(i) > gz.LargestGz) gz.LargestGz = gz.GzValues(i);
  }

  // The curve from the origin; the upright angle is the origin itself.
  gz.n = 1;
  gz.X(1) = 0;
  gz.Y(1) = 0;
  for (int i = 1; i <= data.NA; ++i) {
    if (!(data.HeelAngles(i) > 0)) continue;
    ++gz.n;
    gz.X(gz.n) = data.HeelAngles(i);
    gz.Y(gz.n) = gz.GzValues(i);
  }
  for (int i = 1; i <= gz.n; ++i) gz.XRadians(i) = gz.X(i) * PiValue / 180;
  gz.Amax = gz.X(gz.n);
  gz.GzAxisTop = gz.LargestGz;

  // The largest lever on the curve, from the first heel angle in quarter
  // degrees; of equal values the smaller angle.
  const double end = data.NA >= 1 ? data.HeelAngles(data.NA) - 0.25 : -1.0;
  for (double phi = data.HeelAngles(1); phi <= end; phi += 0.25) {
    const double x = phi * PiValue / 180;
    if (x > gz.XRadians(1) && x < gz.XRadians(gz.n)) {
      double y = 0;
      numerics::InterpolateCurve(gz.n, gz.XRadians, gz.Y, x, y, numerics::kParabolaMethod,
                                 kCrossCurvesForms.interpolationRule);
      if (y > gz.MaximumGz) {
        gz.MaximumGz = y;
        gz.MaximumGzAngle = phi;
      }
    }
  }

  // Areas the curve reaches.
  gz.Reaches30 = gz.Amax >= 30;
  gz.Reaches40 = gz.Amax >= 40;
  if (gz.Reaches30) gz.Area30 = StabilityArea(gz, 11, 0, 30);
  if (gz.Reaches40) gz.Area40 = StabilityArea(gz, 15, 0, 40);
  if (gz.Reaches40) gz.Area30To40 = StabilityArea(gz, 11, 30, 40);
  return gz;
}

RightingLeverCurve DrawRightingLeverCurve(platform::Session& session, platform::ConsoleForm& form,
                                          platform::OutputFile& report, const CrossRun& run,
                                          const CrossCurveData& data) {
  const TaskValues& t = run.task;
  RightingLeverCurve gz = ComputeRightingLeverCurve(t, data);
  if (gz.OffCurveAngle != 0) {
    const int m = gz.OffCurveFloatingPoints;
    const std::string range = m == 0 ? std::string("yuzen bir su hatti yok")
                                     : "deplasmanlar " + ShownTowards(gz.OffCurveLowest, true).text + " ile " +
                                           ShownTowards(gz.OffCurveHighest, false).text + " ton arasinda";
    platform::StopWithDataMessage(
        session,
        "GZ egrisi hesaplanamadi: istenen deplasman (" + platform::WriteItemNumber(t.RequestedDisplacement) +
            " ton) " + FormatNumber(data.HeelAngles(gz.OffCurveAngle), 2, 2) +
            " derece meyil acisinin capraz egrisinin disinda (" + range +
            "). RequestedDisplacement ya da su hatlari (InclinedWaterlineCount) degistirilmelidir.",
        "Data giris hatasi");
  }

  // The drawings need a heel above 0 for the scale of their heel axis and a
  // largest lever above 0, over which they can scale the curve, for that of
  // their GZ axis.
  const bool heeled = gz.n >= 2;
  const bool drawn = heeled && gz.LargestGz > 0 && GzAxisScales(run, gz, gz.LargestGz);
  platform::OutputFile* script = drawn ? &WriteGzScriptHead(session, run) : nullptr;

  for (int k = 0; k < 4; ++k) report.Line();
  report.Line(" GZ VE MEYIL ACISI DEGERLERI ");
  report.Line("=========================");
  report.Line(" NO      GZ(m)   ACI(der)");
  report.Line("=========================");
  for (int i = 1; i <= data.NA; ++i) {
    RequireFiniteValues(report.DisplayName(), {gz.GzValues(i)}, [&] { return "GZ, meyil " + std::to_string(i); });
    report.Line(" " + FormatInteger(i, 2) + "    " + FormatNumber(gz.GzValues(i), 3, 3) + "   " +
                FormatNumber(data.HeelAngles(i), 3, 3));
  }
  report.Line("=========================");
  report.Line();
  report.Line();
  report.Line("DEPLASMAN " + FormatNumber(t.RequestedDisplacement, 6, 3) + " ton icin KG = " + FormatNumber(t.KG, 3, 3) +
              " m (BL'den) ve KM = " + FormatNumber(t.KM, 3, 3) + " m (BL'den)");

  if (drawn) {
    PlotGzCurveOnScreen(form, run, gz, true);
    AskGzAxisTop(session, form, run, gz);
    WriteGzScriptCurve(*script, gz);
  } else {
    const std::string why =
        data.NA == 0 ? std::string("Gorev dosyasinda meyil acisi yok (HeelAngleCount = 0)")
        : !heeled    ? std::string("Gorev dosyasinda 0 dereceden buyuk meyil acisi yok")
        : !(gz.LargestGz > 0)
            ? "En buyuk GZ (" + ShownNumber(gz.LargestGz) + " m) sifirdan buyuk degil"
            : "En buyuk GZ (" + platform::MessageNumber(gz.LargestGz) +
                  " m) egriyi ve GM cizgisini olceklemeye yetmiyor";
    session.MessageBox(why + ": GZ ekseninin olcegi kurulamadigi icin GZ egrisi cizilmedi ve " +
                           std::string(kGzScript) + " yazilmadi." +
                           platform::RemoveEarlierScript(session, t.OUTDIR, kGzScript), "Bilgi");
  }

  report.Line("BASLANGIC GM0 = " + FormatNumber(gz.GM0, 3, 3) + " m. (serbest yuzey duzeltmesi yapilmadi)");
  report.Line("MAXIMUM GZ = " + FormatNumber(gz.MaximumGz, 2, 3) + " (m) MEYIL ACISI = " +
              FormatNumber(gz.MaximumGzAngle, 3, 2) + " derece");
  report.Line("30 DER. MEYILDE EGRI ALTINDA KALAN ALAN = " + AreaText(gz.Reaches30, gz.Area30) +
              " (m*rad) (min 0.055 m*rad)");
  report.Line("40 DER. MEYILDE EGRI ALTINDA KALAN ALAN = " + AreaText(gz.Reaches40, gz.Area40) +
              " (m*rad) (min 0.09 m*rad)");
  report.Line("30-40 DER. ARASINDA EGRI ALTINDA KALAN ALAN = " + AreaText(gz.Reaches40, gz.Area30To40) +
              " (m*rad) (min 0.03 m*rad)");
  return gz;
}

}  // namespace cross

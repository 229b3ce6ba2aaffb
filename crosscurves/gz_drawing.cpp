// The righting-lever curve on the form and in its script.
#include "gz_drawing.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "axis_scale.hpp"
#include "common/drawing/dialect.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "curve_window.hpp"
#include "forms.hpp"
#include "graph_script.hpp"
#include "range_questions.hpp"

namespace cross {

namespace {

// The graph box on the A4 sheet: heel 0-90 degrees in nine intervals, GZ
// 0-Gtop in ten (drawing mm).
constexpr double XL = kGraphLeft, YB = kGraphBottom, XR = kGraphRight, YT = kGraphTop;
constexpr int NX = 10, NY = 11;
constexpr double DX = (XR - XL) / (NX - 1), DY = (YT - YB) / (NY - 1);
constexpr double SX = (XR - XL) / 90;
// The initial metacentric height is drawn to one radian, 57.3 degrees.
constexpr double kRadianDegrees = 57.3;

std::string AxisCaption(double top) { return " 0.000<GZ<" + platform::FormatWithMask(top, "000.000") + " (m)"; }

}  // namespace

bool GzAxisScales(const CrossRun& run, const RightingLeverCurve& gz, double top) {
  // The GM line ends at one radian, a hair below GM0 in the script and at
  // GM0 itself on the form.
  const double gmEnd = gz.GM0 * (180 / PiValue) / kRadianDegrees;
  double lo = std::min(gz.GM0, gmEnd), hi = std::max(gz.GM0, gmEnd);
  for (int i = 1; i <= gz.n; ++i) {
    lo = std::min(lo, gz.Y(i));
    hi = std::max(hi, gz.Y(i));
  }
  const CurveWindow w = CurveWindowOf(run.run.MaxTopHalfBreadth, run.run.HeightExtent);
  return AxisScales({YT - YB, NY - 1}, 0, top, lo, hi) && AxisScales({w.y1 - w.y0, 1}, 0, top, lo, hi);
}

platform::OutputFile& WriteGzScriptHead(platform::Session& session, const CrossRun& run) {
  GraphSheet sheet{"DOGRULTMA MOMENTI KOLU - MEYIL ACISI EGRISI", "MEYIL ACISI (derece)", "GZ-MOMENT KOLU (m)",
                   {}, {}, {}, {}};
  for (int i = 1; i <= NX; ++i) {
    sheet.xTicks.push_back(XL + DX * (i - 1));
    sheet.xGrid.push_back(XL + DX * (i - 1));
  }
  for (int i = 1; i <= NY; ++i) {
    sheet.yTicks.push_back(YB + DY * (i - 1));
    if (i < NY) sheet.yGrid.push_back(YB + DY * (i - 1));
  }
  platform::OutputFile& file = WriteGraphScriptHead(session, run.task.OUTDIR + kGzScript, sheet);
  drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
  // The displacement in the plain number text: a blank before a value that
  // is not negative.
  const double D = run.task.RequestedDisplacement;
  w.TextStyle(2.5);
  w.TextAt("text", XL, 20, 0, "DEPLASMAN =" + std::string(D < 0 ? "" : " ") + platform::WriteItemNumber(D) + " ton");
  return file;
}

void PlotGzCurveOnScreen(platform::ConsoleForm& form, const CrossRun& run, const RightingLeverCurve& gz, bool first) {
  const CurveWindow w = PrepareCurveWindow(form, run.run.MaxTopHalfBreadth, run.run.HeightExtent, true);
  form.LineRgb(w.x0, w.y0, w.X(kRadianDegrees / gz.Amax), w.Yc(gz.GM0 / gz.GzAxisTop), 4500);
  Vec xs(gz.n), ys(gz.n);
  for (int i = 1; i <= gz.n; ++i) {
    xs(i) = w.X(gz.X(i) / gz.Amax);
    ys(i) = w.Yc(gz.Y(i) / gz.GzAxisTop);
  }
  form.LineRgb(xs(1), ys(1), xs(1), ys(1), CurveColour(1));
  PlotWindowCurve(form, w, xs, ys, gz.n, CurveColour(1), HeelAngleLabel(gz.Amax));
  PrintAxisNumbers(form, w, 0, gz.Amax / 8, 9);
  if (first) {
    for (const char* label : {"Label3", "Label4", "Label5", "Label6"}) SetCurveLabel(form, label, 10, "");
  }
}

void AskGzAxisTop(platform::Session& session, platform::ConsoleForm& form, const CrossRun& run,
                  RightingLeverCurve& gz) {
  if (!platform::YesNoPrompt(session,
                             "AUTOCAD ORTAMINDA GZ-PHI EGRISININ CIZIMI ICIN OLUSTURULACAK SCRIPT DOSYADA DUSEY EKSENIN "
                             "BOYUNU DEGISTIRMEK ISTER MISIN E/H <H>")) {
    return;
  }
  do {
    SetCurveLabel(form, "Label1", 10, AxisCaption(gz.GzAxisTop));
    // The box shows the top rounded upward at the report's decimals: the
    // curve stays below it.
    gz.GzAxisTop = AskNumbers(
        session, {{"Y EKSENI ICIN GZ_MAX'I GIRIN", ShownTowards(gz.GzAxisTop, true).text}},
        [&](const std::vector<double>& v) {
          if (!(v[0] > 0)) return std::string("GZ ekseninin ust degeri sifirdan buyuk olmalidir.");
          if (!GzAxisScales(run, gz, v[0])) {
            return std::string("Bu ust deger cizilemez: GZ egrisinin ve GM cizgisinin her noktasi sayfada ve "
                               "ekranda sonlu bir yere dusecek kadar buyuk olmalidir.");
          }
          return std::string();
        },
        {"GZ ekseninin ust degeri bir sayi olmalidir.",
         "En buyuk GZ " + ShownNumber(gz.LargestGz) + " m. Lutfen tekrar girin.", "GZ ekseni"})[0];
    SetCurveLabel(form, "Label2", 10, AxisCaption(gz.GzAxisTop));
    PlotGzCurveOnScreen(form, run, gz, false);
  } while (platform::YesNoPrompt(session, "YANLISLIK VAR MI E/H <H>"));
}

void WriteGzScriptCurve(platform::OutputFile& file, const RightingLeverCurve& gz) {
  drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
  const double SY = (YT - YB) / gz.GzAxisTop;
  w.TextStyle(2.5);
  for (int i = 1; i <= NX; ++i) {
    const double value = 10.0 * (i - 1);
    if (value > 0) w.TextAt("text c", XL + DX * (i - 1), YB - 4, 0, FormatNumber(value, 2, 2));
  }
  for (int i = 1; i <= NY; ++i) {
    const double value = gz.GzAxisTop / 10 * (i - 1);
    if (value > 0) w.TextAt("text r", XL - 4, YB + DY * (i - 1), 0, FormatNumber(value, 2, 3));
  }

  w.LayerOff("0");
  w.NewLayer("gz_phi_egrisi");
  w.Colour(2);
  w.Command("pline");
  for (int i = 1; i <= gz.n - 1; ++i) {
    w.Point(XL + SX * gz.X(i), YB + SY * gz.Y(i));
    w.Point(XL + SX * gz.X(i + 1), YB + SY * gz.Y(i + 1));
  }
  w.EndPolyline(drawing::kPlainPolylineEnd);

  // The initial metacentric height: its line from the origin to one radian.
  const double x1r = XL + SX * 180 / PiValue;
  const double y1r = YB + (x1r - XL) * (SY * gz.GM0) / (SX * kRadianDegrees);
  w.LayerOff("gz_phi_egrisi");
  w.NewLayer("stab_kol");
  w.Colour(3);
  w.Segment("pline", XL, YB, x1r, y1r);
  w.LayerOff("stab_kol");
  w.NewLayer("stab_kol_yaz");
  w.Colour(4);
  w.Command("linetype s dashed ");
  w.Segment("line", x1r, y1r, x1r, YB);
  w.TextStyle(3.5);
  w.TextAt("text", x1r, (YB + y1r) / 2, 0, " GM =" + FormatNumber(gz.GM0, 3, 3) + " m");
  w.TextStyle(2.0);
  w.TextAt("text", x1r, (YB + y1r) / 2 - 2, 0, "     0");
  w.LayerOn("0");
  w.LayerOn("gz_phi_egrisi");
  w.LayerOn("stab_kol");
  file.Close();
}

}  // namespace cross

// The interpolated cross-stability table.
#include "interpolated_table.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "common/numerics/curves.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/session.hpp"
#include "cross_curves_drawing.hpp"
#include "cross_data_file.hpp"
#include "cross_table.hpp"
#include "curve_window.hpp"
#include "forms.hpp"
#include "range_questions.hpp"
#include "task_file.hpp"

namespace cross {

namespace {

constexpr const char* kRule = " ========================================================== ";

// A fraction of a data range; a range of no width counts as 1.
double Fraction(double v, double lo, double hi) { return (v - lo) / (hi > lo ? hi - lo : 1.0); }

// The displacements every heel angle's floating rows cover; a heel angle
// without such a row leaves none (`bare` is then its number).
struct Range {
  double lo, hi;
  int bare = 0;
  bool Empty() const { return !(hi >= lo); }
};
Range CommonRange(const CrossRun& run) {
  Range r{-HUGE_VAL, HUGE_VAL};
  Vec X(kMaxWaterlines), Y(kMaxWaterlines);
  for (int i = 1; i <= run.run.NA; ++i) {
    const int m = FloatingPoints(run.results.CrossCurveDisplacement, i, run.run.NWL, run.results.CrossCurveKN, X, Y);
    if (m == 0) return {1, 0, i};
    r.lo = std::max(r.lo, X(1));
    r.hi = std::min(r.hi, X(m));
  }
  return r;
}

// Why no range can be asked: the message, or nothing when one can.
std::string NoRangeReason(const CrossRun& run, const Range& admissible, bool shown) {
  if (admissible.bare > 0) {
    return ShownNumber(run.task.HeelAngles(admissible.bare), 2) +
           " derece meyil acisinda hicbir egik su hatti tekneye degmiyor (deplasman yok); capraz stabilite "
           "degerleri interpole edilemez.";
  }
  if (admissible.Empty()) {
    return "Butun meyil acilarinin yuzen su hatlarinin ortak bir deplasman araligi yok; capraz stabilite degerleri "
           "interpole edilemez.";
  }
  if (!shown) {
    return "Butun meyil acilarinin yuzen su hatlarinin ortak deplasman araligi (" + ShownNumber(admissible.lo) +
           " - " + ShownNumber(admissible.hi) +
           " ton) secilecek bir genislikte degil; capraz stabilite degerleri interpole edilmedi.";
  }
  return "";
}

}  // namespace

CrossCurveTables RetabulateAtDisplacements(const CrossRun& run, double lo, double hi) {
  const int NA = run.run.NA;
  const int NWL = run.run.NWL;
  const CrossCurveTables& computed = run.results;
  CrossCurveTables t = computed;
  Vec d(NWL);
  for (int j = 1; j <= NWL; ++j) d(j) = j == NWL ? hi : lo + (j - 1) * (hi - lo) / (NWL - 1);
  Table2<double> CrossCurveTables::*const quantities[] = {
      &CrossCurveTables::CrossCurveKN, &CrossCurveTables::CrossCurveVCB, &CrossCurveTables::CrossCurveTCB,
      &CrossCurveTables::CrossCurveLCB};
  Vec X(NWL), Y(NWL);
  for (int i = 1; i <= NA; ++i) {
    for (const auto q : quantities) {
      const int m = FloatingPoints(computed.CrossCurveDisplacement, i, NWL, computed.*q, X, Y);
      for (int j = 1; j <= NWL; ++j) {
        double v = Y(1);
        numerics::InterpolateInTable(m, std::clamp(d(j), X(1), X(m)), v, X, Y);
        (t.*q)(i, j) = v;
      }
    }
    for (int j = 1; j <= NWL; ++j) t.CrossCurveDisplacement(i, j) = d(j);
  }
  return t;
}

CrossCurveTables WriteInterpolatedCrossStabilityTable(platform::Session& session, platform::ConsoleForm& form,
                                                      platform::OutputFile& report, const CrossRun& run) {
  const int NA = run.run.NA;
  const int NWL = run.run.NWL;
  if (NA == 0) {
    session.MessageBox("Gorev dosyasinda meyil acisi yok (HeelAngleCount = 0): interpole edilmis capraz stabilite "
                       "tablosu yazilmadi.", "Bilgi");
    return run.results;
  }

  // The computed curves, their rows of no displacement left out, placed over
  // their data range (0 to 0 when no curve has a point).
  const CrossCurveData curves = CrossCurvesOfRun(run);
  const AxisRanges extremes = DataExtremes(curves).value_or(AxisRanges{});
  const double DMIN = extremes.AxisMinX, DMAX = extremes.AxisMaxX;
  const double KNMIN = extremes.AxisMinY, KNMAX = extremes.AxisMaxY;
  const CurveWindow w = PrepareCurveWindow(form, run.run.MaxTopHalfBreadth, run.run.HeightExtent, true);
  Vec xs(NWL), ys(NWL);
  for (int i = 1; i <= NA; ++i) {
    const int n = curves.PointCounts(i);
    for (int j = 1; j <= n; ++j) {
      xs(j) = w.X(Fraction(curves.Displacement(i, j), DMIN, DMAX));
      ys(j) = w.Yc(Fraction(curves.KN(i, j), KNMIN, KNMAX));
    }
    PlotWindowCurve(form, w, xs, ys, n, CurveColour(i), HeelAngleLabel(curves.HeelAngles(i)));
  }
  PrintAxisNumbers(form, w, DMIN, (DMAX - DMIN) / 4, 5);
  SetCurveLabel(form, "Label1", 8, " EN KUCUK DEPLASMAN = " + platform::FormatWithMask(DMIN, "000000.00") + " (ton)");
  SetCurveLabel(form, "Label2", 8, " EN BUYUK DEPLASMAN = " + platform::FormatWithMask(DMAX, "000000.00") + " (ton)");

  if (!platform::YesNoPrompt(session,
                             "CAPRAZ STABILITE DEGERLERININ INTERPOLASYONU ICIN DEPLASMAN BASLANGIC VE BITIS DEGERLERINI "
                             "DEGISTIRMEK ISTER MISIN E/H <H>")) {
    return run.results;
  }

  // The range: numbers, the largest above the smallest, within the floating
  // rows of every heel angle.  The boxes show the ends of that range rounded
  // inward at the report's decimals.
  const Range admissible = CommonRange(run);
  const std::optional<ShownRange> shown =
      admissible.Empty() ? std::nullopt : InwardRange(admissible.lo, admissible.hi);
  const std::string why = NoRangeReason(run, admissible, shown.has_value());
  if (!why.empty()) {
    session.MessageBox(why, "Bilgi");
    return run.results;
  }
  // The GZ curve that follows is read off the interpolated table at the
  // task file's displacement: a range without it would lose the curve.  (A
  // displacement outside every range that can be asked is the task file's
  // own fault, said by the GZ step.)
  const double D = run.task.RequestedDisplacement;
  const bool keepsGz = TaskAnswerIsYes(run.task.GzCurveAnswer) && D >= admissible.lo && D <= admissible.hi;
  ShownValue low = shown->low, high = shown->high;
  // Pre-filled so that the boxes' own texts are taken: a displacement within
  // the rounding of an end of the range is shown as it is.
  if (keepsGz && D < low.value) low = {platform::RoundTripNumber(D), D};
  if (keepsGz && D > high.value) high = {platform::RoundTripNumber(D), D};
  const std::string gzDisplacement = "(" + ShownNumber(D) + " ton)";
  const Refusals refusals{"Girilen deplasmanlardan biri sayi degil.",
                          "Deplasmanlar (" + low.text + " ile " + high.text + " ton arasinda) olmali" +
                              (keepsGz ? " ve aralik GZ egrisinin deplasmanini " + gzDisplacement + " icermeli" : std::string()) +
                              "; lutfen tekrar girin.",
                          "Deplasman araligi"};
  const std::vector<double> range = AskNumbers(
      session,
      {{"MINIMUM DEPLASMAN (ton) DEGERINI GIRIN", low.text}, {"MAXIMUM DEPLASMAN (ton) DEGERINI GIRIN", high.text}},
      [&](const std::vector<double>& v) -> std::string {
        if (!(v[1] > v[0])) return "En buyuk deplasman en kucukten buyuk olmalidir.";
        if (v[0] < admissible.lo || v[1] > admissible.hi)
          return "Deplasman araligi butun meyil acilarinin hesaplanan deplasmanlari icinde olmalidir.";
        if (keepsGz && (D < v[0] || D > v[1]))
          return "GZ egrisi interpole edilmis tablodan istenen deplasmanda " + gzDisplacement +
                 " okunur; bu deplasman girilen aralikta degil.";
        return "";
      },
      refusals);
  const double lo = range[0], hi = range[1];
  for (const char* label : {"Label3", "Label4", "Label5", "Label6"}) form.Label(label).caption = " ";

  // Every heel angle at the same evenly spaced displacements.
  const CrossCurveTables t = RetabulateAtDisplacements(run, lo, hi);

  for (int i = 1; i <= NA; ++i) {
    for (int k = 0; k < 3; ++k) report.Line();
    report.Line(" INTERPOLE EDILMIS CAPRAZ STABILITE DEGERLERI");
    report.Line(" MEYIL ACISI = " + FormatNumber(run.task.HeelAngles(i), 2, 2) + " DERECE");
    report.Line(kRule);
    report.Line(" DEPLASMAN        KN          VCB         TCB         LCB )  ");
    report.Line("   (ton)        (metre)     (metre)     (metre)     (metre)  ");
    report.Line(kRule);
    for (int j = 1; j <= NWL; ++j) {
      RequireFiniteValues(report.DisplayName(),
                          {t.CrossCurveDisplacement(i, j), t.CrossCurveKN(i, j), t.CrossCurveVCB(i, j),
                           t.CrossCurveTCB(i, j), t.CrossCurveLCB(i, j)},
                          [&] { return "interpole capraz egri degeri, meyil " + std::to_string(i) + ", satir " +
                                       std::to_string(j); });
      report.Line(" " + FormatNumber(t.CrossCurveDisplacement(i, j), 5, 3) + "     " +
                  FormatNumber(t.CrossCurveKN(i, j), 3, 3) + "     " + FormatNumber(t.CrossCurveVCB(i, j), 3, 3) +
                  "     " + FormatNumber(t.CrossCurveTCB(i, j), 3, 3) + "     " +
                  FormatNumber(t.CrossCurveLCB(i, j), 3, 3));
    }
    report.Line(kRule);
  }
  for (int k = 0; k < 3; ++k) report.Line();
  report.Line(kRule);
  report.Line(" ======  ACIKLAMALAR  ===================================== ");
  report.Line("  KN : DOGRULTUCU MOMENT KOLU DEGERI (BL DEN GECEN EKSENE GORE)");
  report.Line(" VCB : SEPHIYE MERKEZININ DUSEY YERI");
  report.Line(" TCB : SEPHIYE MERKEZININ YATAY YERI");
  report.Line(" LCB : SEPHIYE MERKEZININ BOYUNA YERI (AP'DEN)");
  report.Line(kRule);
  return t;
}

}  // namespace cross

#include "common/hullform/checks.hpp"

#include <cmath>
#include <string>

#include "common/hullform/forms.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/numtext.hpp"
#include "common/platform/prompts.hpp"

namespace hullform {
namespace {

using numerics::FormatInteger;
using numerics::FormatNumber;

// Smallest height difference of two neighbouring points unless both are
// knuckles (the two edges of a flat bottom may share a height).
constexpr double kClosePointLimit = 0.0001;

constexpr const char* kStationCloseMessage =
    "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti noktalari var. Bu durumda program "
    "calismaz. Lutfen data dosyasini guncelleyin. Hatali su hatlari cikti dosyasinda yazmaktadir.";
constexpr const char* kStationCloseTitle = "Kesit postalari data giris hatasi";
constexpr const char* kContourCloseMessage =
    "Data dosyasinda birbirlerine yakin su hatti noktalari var. Bu durumda program calismaz. Lutfen data "
    "dosyasini guncelleyin. Hatali su hatlari cikti dosyasinda yazmaktadir.";
constexpr const char* kContourCloseTitle = "Kic ve Bas bodoslamalar data giris hatasi";

// Point check of one row.  The row's header lines are written once, before
// its first faulty pair; returns true when the row has a faulty pair.
bool CheckRowPoints(const HullModel& hull, int r, platform::OutputFile& report,
                    const std::function<void()>& writeHeader) {
  bool headerWritten = false;
  bool fault = false;
  for (int j = 2; j <= hull.PointCount(r); ++j) {
    const double z1 = hull.PointZ(r, j - 1);
    const double z2 = hull.PointZ(r, j);
    const bool bothKnuckles =
        hull.PointCode(r, j - 1) == kKnuckleCode && hull.PointCode(r, j) == kKnuckleCode;
    if (!(std::fabs(z2 - z1) < kClosePointLimit) || bothKnuckles) continue;
    fault = true;
    if (!headerWritten) {
      writeHeader();
      headerWritten = true;
    }
    report.Line("SU HATTI NOKTASI NO =" + FormatInteger(j - 1, 3) + " ILE " + FormatInteger(j, 3) +
                " BIRBIRINE COK YAKIN");
    report.Line("                 Z1 = " + FormatNumber(z1, 2, 4) + " ILE Z2 = " + FormatNumber(z2, 2, 4));
  }
  return fault;
}

// The message box of a failed point check; the report is closed before the
// run ends, so that every error line is on disk.
[[noreturn]] void StopOnClosePoints(platform::Session& session, platform::OutputFile& report,
                                    const std::string& message, const std::string& title) {
  session.MessageBox(message, 20, title, "DEMO.HLP", 500);
  report.Close();
  platform::StopForDataError(message);
}

}  // namespace

void RequireDrawingExtent(const std::string& name, double value) {
  if (std::isfinite(value) && value > 0) return;
  platform::StopForDataError("Gorev dosyasindaki " + name + " degeri sifirdan buyuk olmalidir; okunan deger " +
                             (std::isfinite(value) ? platform::WriteItemNumber(value) : std::string("bir sayi degil")) +
                             ". Tekne cizimleri bu degerle yapilamaz.");
}

double ReviewStep(double HalfBreadth) {
  RequireDrawingExtent(kHalfBreadthName, HalfBreadth);
  return HalfBreadth / 40;
}

void WalkFittedRow(const SectionSpline& row, double step,
                   const std::function<void(double, double, double, double)>& segment,
                   const numerics::SplineEvaluation& evaluation) {
  if (row.m < 1 || !(step > 0) || !std::isfinite(step)) return;
  const double top = row.knots(row.m);
  double yp = row.table(1, 1);
  double zp = row.knots(1);
  double z = zp + step;
  for (int n = 0; z <= top && n < kMaxWalkSteps; ++n) {
    double y = yp;
    numerics::EvaluateSpline(row.m, z, y, row.knots, row.table, evaluation);
    segment(yp, zp, y, z);
    yp = y;
    zp = z;
    const double next = z + step;
    if (!(next > z)) break;
    z = next;
  }
}

void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q) {
  PrepareSectionPlotForm(form, p, q, kHydrostaticSectionPlotForm);
}

void PrepareSectionPlotForm(platform::ConsoleForm& form, double p, double q, const SectionPlotFormStyle& style) {
  form.Show();
  if (style.clear) form.Clear();
  form.FontName("Arial");
  form.FontSize(style.fontSize);
  form.ForeColour(style.foreColour);
  form.DrawWidth(2);
  form.UserScale(-3 * p, 1.25 * q, 2 * p, -1.25 * q);
  // Outer frame.
  DrawLine(form, -2.75 * p, -1.2 * q, 1.75 * p, -1.2 * q, 9);
  DrawLine(form, 1.75 * p, -1.2 * q, 1.75 * p, 1.2 * q, 9);
  DrawLine(form, 1.75 * p, 1.2 * q, -2.75 * p, 1.2 * q, 9);
  DrawLine(form, -2.75 * p, 1.2 * q, -2.75 * p, -1.2 * q, 9);
  // Base line and the section box: the half-breadth each side, 1.1 depths high.
  DrawLine(form, -p, 0, p, 0, 9);
  DrawLine(form, p, 0, p, 1.1 * q, 9);
  DrawLine(form, p, 1.1 * q, -p, 1.1 * q, 9);
  DrawLine(form, -p, 1.1 * q, -p, 0, 9);
  // Centre line, and the line under the base.
  DrawLine(form, 0, 0, 0, 1.1 * q, 9);
  DrawLine(form, -2.75 * p, -0.1 * q, 1.75 * p, -0.1 * q, 9);
  if (style.printCaption) form.Print(style.caption);
  form.DrawWidth(1);
}

void DrawBodyPlanSections(platform::ConsoleForm& form, const HullModel& hull, double step,
                          const SectionSplineOptions& options) {
  SectionSpline row;
  for (int i = 1; i <= hull.StationCount; ++i) {
    SplineSectionWithKnuckles(i, hull, row, options);
    if (row.m < 1) continue;
    WalkFittedRow(
        row, step,
        [&](double yp, double zp, double y, double z) {
          DrawLine(form, yp, zp, y, z, 13);
          DrawLine(form, -yp, zp, -y, z, 13);
        },
        options.evaluation);
    const double top = row.knots(row.m);
    const double yTop = row.table(1, row.m);
    DrawLine(form, yTop, top, -yTop, top, 13);
    for (int j = 1; j <= row.m; ++j) {
      const double y = row.table(1, j);
      const double z = row.knots(j);
      DrawCircle(form, y, z, step / 5, 12);
      DrawCircle(form, -y, z, step / 5, 12);
      DrawCircle(form, y, z, step / 10, 12);
      DrawCircle(form, -y, z, step / 10, 12);
    }
  }
}

void DrawEndContour(platform::ConsoleForm& form, const HullModel& hull, int r, double shift, double step,
                    const SectionSplineOptions& options) {
  SectionSpline row;
  SplineSectionWithKnuckles(r, hull, row, options);
  if (row.m < 1) return;
  WalkFittedRow(
      row, step, [&](double xp, double zp, double x, double z) { DrawLine(form, xp + shift, zp, x + shift, z, 13); },
      options.evaluation);
  for (int j = 1; j <= row.m; ++j) {
    DrawCircle(form, row.table(1, j) + shift, row.knots(j), step / 5, 12);
    DrawCircle(form, row.table(1, j) + shift, row.knots(j), step / 10, 12);
  }
}

void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth) {
  // Every station is checked before the run stops, so that the report lists
  // every close pair of the whole table.
  bool fault = false;
  for (int i = 1; i <= hull.StationCount; ++i) {
    const bool stationFault = CheckRowPoints(hull, i, report, [&] {
      report.Line();
      report.Line("**** POSTA KESITI NO = " + FormatInteger(i, 2) + " 'DE DATA GIRDI HATASI ****");
      report.Line("     Posta Yeri = " + FormatNumber(hull.StationPos(i), 3, 3) + " metre AP 'den");
    });
    fault = fault || stationFault;
  }
  if (fault) StopOnClosePoints(session, report, kStationCloseMessage, kStationCloseTitle);

  const double step = ReviewStep(HalfBreadth);
  RequireDrawingExtent(kDepthName, Depth);
  PrepareSectionPlotForm(form, HalfBreadth, Depth);
  DrawBodyPlanSections(form, hull, step);
  platform::StopIfConfirmed(session, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
}

void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp) {
  for (int k = 1; k <= 2; ++k) {
    const bool stern = (k == 1);
    const int r = hull.StationCount + k;
    const std::string name = stern ? "KIC BODOSLAMA" : "BAS BODOSLAMA";
    const bool fault = CheckRowPoints(hull, r, report, [&] {
      report.Line();
      report.Line(name + " 'DA DATA GIRDI HATASI ****");
    });
    if (fault) StopOnClosePoints(session, report, kContourCloseMessage, kContourCloseTitle);

    const double step = ReviewStep(HalfBreadth);
    RequireDrawingExtent(kDepthName, Depth);
    PrepareSectionPlotForm(form, HalfBreadth, Depth);
    // The stern contour is drawn about the left edge of the section box, the
    // stem contour about the centre line.
    const double shift = stern ? -HalfBreadth : -Lbp;
    DrawEndContour(form, hull, r, shift, step);
    platform::StopIfConfirmed(session, name + " GEOMETRISINDE YANLISLIK VAR MI E/H <H>");
  }
}

}  // namespace hullform

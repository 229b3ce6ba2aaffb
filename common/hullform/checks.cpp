#include "common/hullform/checks.hpp"

#include <cmath>
#include <functional>
#include <string>

#include "common/hullform/drawing_extents.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/prompts.hpp"

namespace hullform {
namespace {

using numerics::FormatInteger;

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
bool CheckRowPoints(const HullModel& hull, int r, platform::OutputFile& report, numerics::NumberFormat formatNumber,
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
    report.Line("                 Z1 = " + formatNumber(z1, 2, 4) + " ILE Z2 = " + formatNumber(z2, 2, 4));
  }
  return fault;
}

// The message box of a failed point check; the report is closed before the
// run ends, so that every error line is on disk.
[[noreturn]] void StopOnClosePoints(platform::Session& session, platform::OutputFile& report,
                                    const std::string& message, const std::string& title) {
  platform::ShowMessage(session, message, title);
  report.Close();
  platform::StopForDataError(message);
}

}  // namespace

void CheckStationPositions(platform::Session& session, const HullModel& hull, const ProgramForms& forms) {
  const int n = hull.StationCount;
  const numerics::NumberFormat fn = forms.formatNumber;
  for (int i = 1; i <= n - 1; ++i) {
    if (std::fabs(hull.StationPos(i + 1) - hull.StationPos(i)) < 0.01) {
      platform::StopWithDataMessage(session,
                                    "Istasyon Postasi = " + fn(hull.StationPos(i), 3, 2) + " m ile" +
                                        fn(hull.StationPos(i + 1), 3, 2) + " m birbirine cok yakin",
                                    "Kesit postalari yeri giris hatasi");
    }
  }
  for (int i = 1; i <= n - 1; ++i) {
    if (hull.StationPos(i + 1) < hull.StationPos(i)) {
      platform::StopWithDataMessage(session,
                                    "Istasyon Postasi = " + fn(hull.StationPos(i + 1), 3, 2) + " m ile" +
                                        fn(hull.StationPos(i), 3, 2) + " m den kucuk",
                                    "Kesit postalari sirasi giris hatasi");
    }
  }
}

void CheckStationSections(platform::Session& session, platform::ConsoleForm& form, platform::OutputFile& report,
                          const HullModel& hull, double HalfBreadth, double Depth, const ProgramForms& forms) {
  // Every station is checked before the run stops, so that the report lists
  // every close pair of the whole table.
  bool fault = false;
  for (int i = 1; i <= hull.StationCount; ++i) {
    const bool stationFault = CheckRowPoints(hull, i, report, forms.formatNumber, [&] {
      report.Line();
      report.Line("**** POSTA KESITI NO = " + FormatInteger(i, 2) + " 'DE DATA GIRDI HATASI ****");
      report.Line("     Posta Yeri = " + forms.formatNumber(hull.StationPos(i), 3, 3) + " metre AP 'den");
    });
    fault = fault || stationFault;
  }
  if (fault) StopOnClosePoints(session, report, kStationCloseMessage, kStationCloseTitle);

  const double step = ReviewStep(HalfBreadth);
  RequireDrawingExtent(kDepthName, Depth);
  PrepareSectionPlotForm(form, HalfBreadth, Depth, forms.sectionPlotForm);
  DrawBodyPlanSections(form, hull, step, forms.sectionSpline);
  platform::StopIfConfirmed(session, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
}

void CheckStemSternProfiles(platform::Session& session, platform::ConsoleForm& form,
                            platform::OutputFile& report, const HullModel& hull, double HalfBreadth,
                            double Depth, double Lbp, const ProgramForms& forms) {
  for (int k = 1; k <= 2; ++k) {
    const bool stern = (k == 1);
    const int r = hull.StationCount + k;
    const std::string name = ContourName(stern);
    const bool fault = CheckRowPoints(hull, r, report, forms.formatNumber, [&] {
      report.Line();
      report.Line(name + " 'DA DATA GIRDI HATASI ****");
    });
    if (fault) StopOnClosePoints(session, report, kContourCloseMessage, kContourCloseTitle);

    const double step = ReviewStep(HalfBreadth);
    RequireDrawingExtent(kDepthName, Depth);
    PrepareSectionPlotForm(form, HalfBreadth, Depth, forms.sectionPlotForm);
    // The stern contour is drawn about the left edge of the section box, the
    // stem contour about the centre line.
    const double shift = stern ? -HalfBreadth : -Lbp;
    DrawEndContour(form, hull, r, shift, step, forms.sectionSpline);
    platform::StopIfConfirmed(session, name + " GEOMETRISINDE YANLISLIK VAR MI E/H <H>");
  }
}

}  // namespace hullform

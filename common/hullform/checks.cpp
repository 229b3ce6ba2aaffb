#include "common/hullform/checks.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
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

// Smallest spacing of two neighbouring stations.
constexpr double kStationSpacingLimit = 0.01;

// True when two neighbouring stations are closer than kStationSpacingLimit.
// The positions are decimal numbers held in binary, so their difference
// carries their own rounding (0.03 - 0.02 is 0.00999...98): a spacing short
// of the limit by no more than a few units of that rounding is the limit.
bool StationsTooClose(double a, double b) {
  const double rounding = 4 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(a), std::fabs(b));
  return std::fabs(b - a) < kStationSpacingLimit - rounding;
}

// The message box of a row group with close points.  Its last sentence says
// where the faulty pairs are: in the hydrostatics program's report, or, in
// the programs whose report is not open yet, on the terminal above the box.
struct ClosePointsMessage {
  const char* text;
  const char* title;
};
constexpr ClosePointsMessage kStationClose{
    "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti noktalari var. Bu durumda program "
    "calismaz. Lutfen data dosyasini guncelleyin.",
    "Kesit postalari data giris hatasi"};
constexpr ClosePointsMessage kContourClose{
    "Data dosyasinda birbirlerine yakin su hatti noktalari var. Bu durumda program calismaz. Lutfen data "
    "dosyasini guncelleyin.",
    "Kic ve Bas bodoslamalar data giris hatasi"};
constexpr const char* kPairsInReport = " Hatali su hatlari cikti dosyasinda yazmaktadir.";
constexpr const char* kPairsAbove = " Hatali su hatlari bu mesajin ustunde yazmaktadir.";

// The lines that list the close pairs: before the first pair of each row the
// row's header (an empty line, then for a station its number and position,
// for a contour its name), then two lines per pair, its point numbers and
// its two heights.
void ClosePointLines(const HullModel& hull, const std::vector<ClosePoints>& pairs,
                     numerics::NumberFormat formatNumber, const std::function<void(const std::string&)>& line) {
  int headed = 0;
  for (const ClosePoints& p : pairs) {
    if (p.row != headed) {
      headed = p.row;
      line("");
      if (p.row <= hull.StationCount) {
        line("**** POSTA KESITI NO = " + FormatInteger(p.row, 2) + " 'DE DATA GIRDI HATASI ****");
        line("     Posta Yeri = " + formatNumber(hull.StationPos(p.row), 3, 3) + " metre AP 'den");
      } else {
        line(std::string(ContourName(p.row == hull.SternRow())) + " 'DA DATA GIRDI HATASI ****");
      }
    }
    line("SU HATTI NOKTASI NO =" + FormatInteger(p.j - 1, 3) + " ILE " + FormatInteger(p.j, 3) +
         " BIRBIRINE COK YAKIN");
    line("                 Z1 = " + formatNumber(hull.PointZ(p.row, p.j - 1), 2, 4) +
         " ILE Z2 = " + formatNumber(hull.PointZ(p.row, p.j), 2, 4));
  }
}

// A failed point check of the hydrostatics run: the pairs into the report,
// the message box, and the report closed before the run ends, so that every
// error line is on disk.  The box has said the message: the run's end does
// not say it again.
[[noreturn]] void StopOnClosePoints(platform::Session& session, platform::OutputFile& report, const HullModel& hull,
                                    const std::vector<ClosePoints>& pairs, const ProgramForms& forms,
                                    const ClosePointsMessage& message) {
  ClosePointLines(hull, pairs, forms.formatNumber, [&](const std::string& text) { report.Line(text); });
  const std::string text = std::string(message.text) + kPairsInReport;
  platform::ShowMessage(session, text, message.title);
  report.Close();
  platform::StopForShownDataError(text);
}

}  // namespace

std::vector<ClosePoints> FindClosePoints(const HullModel& hull, int firstRow, int lastRow) {
  std::vector<ClosePoints> pairs;
  for (int r = firstRow; r <= lastRow; ++r) {
    for (int j = 2; j <= hull.PointCount(r); ++j) {
      const bool bothKnuckles =
          hull.PointCode(r, j - 1) == kKnuckleCode && hull.PointCode(r, j) == kKnuckleCode;
      if (std::fabs(hull.PointZ(r, j) - hull.PointZ(r, j - 1)) < kClosePointLimit && !bothKnuckles) {
        pairs.push_back({r, j});
      }
    }
  }
  return pairs;
}

void CheckStationPositions(platform::Session& session, const HullModel& hull, const ProgramForms& forms) {
  const int n = hull.StationCount;
  const numerics::NumberFormat fn = forms.formatNumber;
  for (int i = 1; i <= n - 1; ++i) {
    if (StationsTooClose(hull.StationPos(i), hull.StationPos(i + 1))) {
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
  const std::vector<ClosePoints> pairs = FindClosePoints(hull, 1, hull.StationCount);
  if (!pairs.empty()) StopOnClosePoints(session, report, hull, pairs, forms, kStationClose);

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
    // A stern contour with close points stops the run before the stem is
    // tested.
    const std::vector<ClosePoints> pairs = FindClosePoints(hull, r, r);
    if (!pairs.empty()) StopOnClosePoints(session, report, hull, pairs, forms, kContourClose);

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

void RefuseClosePoints(platform::Session& session, const HullModel& hull, const ProgramForms& forms) {
  struct Group {
    int firstRow, lastRow;
    const ClosePointsMessage& message;
  };
  std::vector<Group> groups{{1, hull.StationCount, kStationClose}};
  if (forms.offsetTable.readProfiles) {
    groups.push_back({hull.SternRow(), hull.SternRow(), kContourClose});
    groups.push_back({hull.StemRow(), hull.StemRow(), kContourClose});
  }
  for (const Group& g : groups) {
    const std::vector<ClosePoints> pairs = FindClosePoints(hull, g.firstRow, g.lastRow);
    if (pairs.empty()) continue;
    ClosePointLines(hull, pairs, forms.formatNumber,
                    [&](const std::string& text) { session.Err() << text << "\n"; });
    platform::StopWithDataMessage(session, std::string(g.message.text) + kPairsAbove, g.message.title);
  }
}

}  // namespace hullform

// The report's head.
#include "report.hpp"

#include "common/platform/numtext.hpp"
#include "forms.hpp"

namespace flood {

using numerics::FormatInteger;

std::string StationCaption(int i, double x, double ShipLength) {
  return "POSTA NO : " + platform::FormatWithMask(i, "##") + " - (" +
         platform::FormatWithMask(kStationIntervalCount * x / ShipLength, " ###.### / ") +
         platform::FormatWithMask(x, "###.### m)");
}

platform::OutputFile& WriteSectionsAndBonjean(platform::Session& session, const FloodRun& run) {
  platform::OutputFile& report = session.CreateOutput(run.task.OutputDirectory + kReportFileName);
  const hullform::HullModel& h = run.hull.hull;
  report.Line(" KESIT SAYISI = " + FormatInteger(h.StationCount, 2));
  report.Line();
  for (int i = 1; i <= h.StationCount; ++i) {
    report.Line();
    report.Line(" " + StationCaption(i, h.StationPos(i), run.task.ShipLength));
    report.Line(" NO  SU HATTI YUKS. (m) - BONJEAN ALANI (m^2)");
    for (int k = 1; k <= run.hull.LevelCount(i); ++k) {
      report.Line(" " + FormatInteger(k, 2) + "      " + FormatNumber(run.hull.LevelHeight(i, k), 4, 2) +
                  "              " + FormatNumber(run.hull.CumulativeSectionArea(i, k), 4, 2));
    }
  }
  return report;
}

}  // namespace flood

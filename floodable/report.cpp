// The report's head.
#include "report.hpp"

#include <cmath>
#include <string>

#include "common/platform/finite_output.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "forms.hpp"

namespace flood {

using numerics::FormatInteger;

std::string StationCaption(int i, double x, double ShipLength) {
  return "POSTA NO : " + platform::FormatWithMask(i, "##") + " - (" +
         platform::FormatWithMask(kStationIntervalCount * x / ShipLength, " ###.### / ") +
         platform::FormatWithMask(x, "###.### m)");
}

platform::OutputFile& WriteSectionsAndBonjean(platform::Session& session, const FloodRun& run) {
  const std::string name = run.task.OutputDirectory + kReportFileName;
  const hullform::HullModel& h = run.hull.hull;
  for (int i = 1; i <= h.StationCount; ++i) {
    for (int k = 1; k <= run.hull.LevelCount(i); ++k) {
      const double z = run.hull.LevelHeight(i, k), a = run.hull.CumulativeSectionArea(i, k);
      if (std::isfinite(z) && std::isfinite(a)) continue;
      const std::string at = ", posta " + std::to_string(i) + ", seviye " + std::to_string(k);
      platform::RequireFiniteOutput(name, "su hatti yuksekligi" + at, z);
      platform::RequireFiniteOutput(name, "Bonjean alani" + at, a);
    }
  }
  platform::OutputFile& report = session.CreateOutput(name);
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

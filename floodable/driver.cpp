// The run sequence of Dolvenika_Tez.
#include "driver.hpp"

#include "tables.hpp"
#include "trials.hpp"

namespace flood {

void RunPermeabilities(platform::Session& session, platform::OutputFile& report, FloodRun& run) {
  for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
    FloodableLengthTrials(session, report, run, p);
    ComputeEndPoints(session, report, run, p);
    FormCurvePoints(run, p);
    // The screen graphs of the permeability come here (not built yet).
    SummaryTables(report, run, p);
  }
  PermeabilityTables(report, run);
  // The combined graph of all permeabilities comes here (not built yet).
}

}  // namespace flood

// The run sequence of Dolvenika_Tez.
#include "driver.hpp"

#include "graphs.hpp"
#include "tables.hpp"
#include "trials.hpp"

namespace flood {

void RunPermeabilities(platform::Session& session, platform::OutputFile& report, FloodRun& run) {
  for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
    FloodableLengthTrials(session, report, run, p);
    ComputeEndPoints(session, report, run, p);
    FormCurvePoints(run, p);
    ShowPermeabilityGraphs(session, run, p);
    SummaryTables(report, run, p);
  }
  PermeabilityTables(report, run);
  ShowCombinedGraph(session, run);
}

}  // namespace flood

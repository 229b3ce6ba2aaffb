// The run sequence of Dolvenika_Tez.
#include "driver.hpp"

#include <string>
#include <vector>

#include "common/platform/prompts.hpp"
#include "common/platform/run_files.hpp"
#include "compartments.hpp"
#include "graphs.hpp"
#include "loading.hpp"
#include "permeability_step.hpp"
#include "report.hpp"
#include "script.hpp"
#include "tables.hpp"
#include "task_file.hpp"
#include "trim_lines.hpp"

namespace flood {

void RunFloodableLengthProgram(platform::Session& session) {
  FloodRun run;

  ReadTaskFile(session, run.task);
  // Nothing is written over the task file or the hull, and no second run
  // works in the same folders.
  platform::ClaimRunFiles(session, {{session.TaskDirectory() + kTaskFileName, run.task.OffsetFileName},
                                    {run.task.OutputDirectory + kReportFileName,
                                     run.task.OutputDirectory + kScriptFileName}});
  LoadHullAndBonjeanData(session, run);
  CheckBulkheads(session, run);
  NameTrimLines(run.task.TrimLineCount, run.trim.TrimLineNames);
  platform::OutputFile& report = WriteSectionsAndBonjean(session, run);

  PreviewTrimLines(session, run);
  TrimmedDisplacements(session, report, run);
  ComputeFloodedWater(session, report, run);
  RunPermeabilities(session, report, run);

  platform::PauseForEnter(session);
  report.Close();
  WriteFloodableLengthScript(session, run);
}

void RunPermeabilities(platform::Session& session, platform::OutputFile& report, FloodRun& run) {
  const EndLoadWaterlines load = FindEndLoadWaterlines(run);
  const std::vector<std::string> trimLines = TrimLineSummaryLines(run);
  for (int p = 1; p <= run.task.PermeabilityCount; ++p) {
    FloodableLengthsOfPermeability(session, report, run, p, load);
    FormCurvePoints(run, p);
    ShowPermeabilityGraphs(session, run, p);
    SummaryTables(report, run, trimLines);
  }
  PermeabilityTables(report, run);
  ShowCombinedGraph(session, run);
}

}  // namespace flood

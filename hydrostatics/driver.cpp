// The run sequence of Kormelant.
#include "driver.hpp"

#include "bonjean.hpp"
#include "common/hullform/offset_table.hpp"
#include "forms.hpp"
#include "girth.hpp"
#include "run.hpp"
#include "run_setup.hpp"
#include "result_steps.hpp"
#include "task_file.hpp"

namespace hydro {

void RunHydrostaticsProgram(platform::Session& session) {
  // The run's values and its tables' handles (1.7 kB): the tables themselves
  // live on the heap in their vectors.
  HydroRun run;

  ReadTaskFile(session, run);
  CheckDrafts(session, run);
  platform::ClaimRunFiles(session, RunFilesOf(run));
  hullform::ReadOffsetTable(session, run.task.DATADIR + run.task.DATAFILE, run.hull, kHydrostaticsForms,
                            hullform::ShipHullLimits(run.task.Lbp, run.task.HalfBreadth, run.task.Depth));
  ValidateStationPositions(session, run);
  FindMidshipSection(session, run);
  platform::OutputFile& report = OpenReportAndReview(session, run);
  SetUpComputation(run);

  PrintBonjeanHeading(report, run);
  ComputeBonjeanCurves(session, run);
  PlotSectionalCurves(session, run);
  if (run.task.AppendageFlag == 1) SetAppendageWaterlineBreadths(run);
  WriteBonjeanFile(session, run);
  ComputeWaterlineLengths(session, run);
  ComputeGirthLengths(session, run);
  ComputeWettedSurface(run);
  PlotGirthCurve(session, run);

  ComputeHydrostaticTables(run);
  PrintHydrostaticTablesFirstHalf(report, run);
  DrawWaterlineSketch(session, run);
  PrintHydrostaticTablesSecondHalf(report, run);
  PrintDesignWaterlineParticulars(report, run);
  WriteHydrostaticCurvesData(session, run);
  FinishRun(session);
}

}  // namespace hydro

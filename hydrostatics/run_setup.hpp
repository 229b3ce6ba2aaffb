#pragma once
// Start-up steps of the hydrostatics run between the task file and the
// computation: the draft check, the station checks, the midship station, the
// report and the review sequence, and the computation set-up.

#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace hydro {

// Stops the run when both drafts are (nearly) zero; sets TrimmedFlag.
void CheckDrafts(platform::Session& session, HydroRun& run);

// Refuses a hull the run cannot work with (more stations than the run's
// tables hold, drafts above its highest station top) and checks the spacing
// and the order of the stations.  (The offset-table reader has already
// refused too few stations or points, heights that go down and points far
// outside the ship's extents.)
void ValidateStationPositions(platform::Session& session, HydroRun& run);

// The midship station: the station at Lbp/2, or the index the user types.
void FindMidshipSection(platform::Session& session, HydroRun& run);

// Opens the report, runs the reviews and checks of the hull, writes the body
// plan and profile scripts and reads the appendage file when asked for.
platform::OutputFile& OpenReportAndReview(platform::Session& session, HydroRun& run);

// Gauss-Legendre table, unit conversions, language letter, trim angle and the
// waterline series.
void SetUpComputation(HydroRun& run);

// True when a waterline T of the series, summed step by step, is still at or
// below LastWaterline: a sum that passes it by rounding only (less than a
// millionth of the step, as 0.7 added ten times passes 7) is the last
// waterline asked for, not one beyond it.
bool WithinWaterlineSeries(double T, double LastWaterline, double WaterlineStep);

// The even-keel waterline series: FirstWaterline + k WaterlineStep up to
// LastWaterline (WithinWaterlineSeries), with the mean draft sorted in when no entry lies within
// 0.001 m of it.  When the series would hold more than `limit` entries,
// `exceedsLimit` is set and the series is left incomplete.
struct WaterlineSeries {
  Vec drafts;  // made for `limit` entries
  int count = 0;
  int designIndex = 0;
  bool exceedsLimit = false;
};
WaterlineSeries EvenKeelWaterlineSeries(double FirstWaterline, double LastWaterline, double WaterlineStep,
                                        double MeanDraft, int limit = kMaxRunWaterlines);

// Local height of waterline j at station position x (trimmed runs: the one
// inclined waterline).
double LocalWaterlineHeight(const HydroRun& run, int j, double x);

}  // namespace hydro

#pragma once
// "STASCR.DAT", the cross curves of the run as the result drawings read them:
// the heel-angle count; per heel angle its point count and angle; per point
// its displacement (t) and KN (m).  One record per line, fields separated by
// commas, every number in a text that reads back as the same value.

#include <string>

#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// The cross curves as the data file carries them.
struct CrossCurveData {
  int NA = 0;
  Vec HeelAngles{kMaxHeelAngles};
  Table<int> PointCounts{kMaxHeelAngles};
  Table2<double> Displacement{kMaxHeelAngles, kMaxWaterlines};
  Table2<double> KN{kMaxHeelAngles, kMaxWaterlines};
};

// The run's cross curves, every heel angle with its NWL points.
CrossCurveData CrossCurvesOfRun(const CrossRun& run);

// Writes OUTDIR followed by "STASCR.DAT" from the run's tables.
void WriteCrossCurveDataFile(platform::Session& session, const CrossRun& run);

// Reads OUTDIR followed by "STASCR.DAT".  A missing or short file, a count
// that is not a whole number, more than 100 curves or more than 100 points
// on a curve stop the run with a message naming the file (data error).
CrossCurveData ReadCrossCurveDataFile(platform::Session& session, const std::string& OUTDIR);

// The run's heel angles and cross-curve tables take the values read.
void TakeCrossCurveData(const CrossCurveData& data, CrossRun& run);

}  // namespace cross

#pragma once
// "STASCR.DAT", the cross curves of the run as the result drawings read them:
// the heel-angle count; per heel angle its point count and angle; per point
// its displacement (t) and KN (m).  The points of a curve are the rows of its
// heel angle whose waterline carries the hull, in the order of the
// waterlines: a row of no displacement is no point of the curve, so a curve
// has as many points as it has such rows (none at all where no line reaches
// the heeled hull).  One record per line, fields separated by commas, every
// number in a text that reads back as the same value.

#include <string>

#include "common/platform/session.hpp"
#include "run.hpp"

namespace cross {

// The cross curves as the data file carries them.
// Room for `curves` curves of `points` points each.
struct CrossCurveData {
  explicit CrossCurveData(int curves = kMaxHeelAngles, int points = kMaxWaterlines)
      : Displacement(curves, points), KN(curves, points) {}
  int NA = 0;
  Vec HeelAngles{kMaxHeelAngles};
  Table<int> PointCounts{kMaxHeelAngles};
  Table2<double> Displacement;
  Table2<double> KN;
};

// The cross curves of the tables: every heel angle of the run with the rows
// of its NWL waterlines that carry the hull.
CrossCurveData CrossCurvesOfRun(const CrossRun& run, const CrossCurveTables& tables);

// The run's computed cross curves.
inline CrossCurveData CrossCurvesOfRun(const CrossRun& run) { return CrossCurvesOfRun(run, run.results); }

// Writes OUTDIR followed by "STASCR.DAT": the cross curves given.
void WriteCrossCurveDataFile(platform::Session& session, const std::string& OUTDIR, const CrossCurveData& data);

// Reads OUTDIR followed by "STASCR.DAT".  A missing or short file, a count
// that is not a whole number, more than 100 curves or more than 100 points
// on a curve stop the run with a message naming the file (data error).
CrossCurveData ReadCrossCurveDataFile(platform::Session& session, const std::string& OUTDIR);

}  // namespace cross

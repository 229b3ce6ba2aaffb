#pragma once
// The trim lines: their preview over the hull, the volume and centre of
// buoyancy under each, and the volume and centre of the water that sinks the
// ship from the load waterline to each.

#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// The console form of the run's graphs.
platform::ConsoleForm& GraphForm(platform::Session& session);

// Draws the stations, their Bonjean curves, the trim lines, the load waterline
// and the ship's outline, and asks whether a trim line is missing or wrong
// (a yes ends the run).
void PreviewTrimLines(platform::Session& session, const FloodRun& run);

// The spline work tables of the level interpolation, which its parabola
// leaves untouched.
struct LevelCurveWork {
  Vec knots;
  numerics::SplineTable coefficients;
};

// Sectional area of station i up to height h from its level table: the
// parabola through three neighbouring levels; above the top level the area
// of the top level.
double SectionAreaAtHeight(const HullData& hull, int i, double h, LevelCurveWork& work);

// The hull cut by the straight waterline from (x(1), aft draft) to (x(NST),
// fore draft): per station its local draft (never below 0) and its sectional
// area up to that draft, the volume under the waterline by the unequal
// Simpson rule along the stations and, when there is a volume, its centre.
struct WaterlineCut {
  Vec draft;  // 1..NST
  Vec area;   // 1..NST
  double volume = 0;
  bool hasVolume = false;  // volume > 0: the centre is known
  double lcb = 0;          // m from AP
};

// Cuts one hull at waterline after waterline: the stations' positions and
// the whole hull's volume (within a billionth of which a waterline holds
// none) taken once, the moments' table kept from cut to cut.
class WaterlineCutter {
 public:
  explicit WaterlineCutter(const HullData& hull);
  // The cut of the waterline (aftDraft, foreDraft), into cut's tables.
  void Cut(double aftDraft, double foreDraft, WaterlineCut& cut);

 private:
  const HullData& hull_;
  Vec x_;       // the stations' positions
  Vec moment_;  // area x, per station
  double whole_ = 0;
  LevelCurveWork levels_;
};

// The water that sinks the ship from the load waterline (volume V0, centre
// LCB0) to a waterline holding V with its centre at LCB: v2 = V - V0 and its
// centre xw from the moment balance V LCB = V0 LCB0 + v2 xw.
struct FloodedWater {
  double volume = 0;
  double centre = 0;
};
FloodedWater FloodedWaterOf(double V, double lcb, double V0, double lcb0);

// The task-file line of trim line m (m = nTrim + 1: the load waterline).
int TrimLineTaskLine(int TrimLineCount, int m);

// The hull under trim line m (m = nTrim + 1: the load waterline): its drafts
// and its cut, the centre that of the line before (0 for the first) when the
// line holds no volume.
struct TrimmedLine {
  double aftDraft = 0;
  double foreDraft = 0;
  WaterlineCut cut;
  double lcb = 0;  // m from AP
};
// Every trim line and the load waterline cut, line m at m - 1.
std::vector<TrimmedLine> CutTrimLines(const FloodRun& run);

// For each trim line and the load waterline (row nTrim + 1): the local drafts
// and sectional areas at the stations, the volume and its centre, and one
// report block.  A line that encloses no volume is refused before any block
// is written, naming its line of the task file and its drafts (data error).
void TrimmedDisplacements(platform::Session& session, platform::OutputFile& report, FloodRun& run);

// The flooded water of trim lines 1..nTrim from their volumes and centres
// and those of the load waterline (row nTrim + 1), line m at m - 1.
std::vector<FloodedWater> FloodedWaterOfTrimLines(const TrimResults& trim, int TrimLineCount);

// The flooded water of each trim line: v2 = V(m) - V(load waterline) and its
// centre xw from the moment balance V(m) LCB(m) = V(SLL) LCB(SLL) + v2 xw.
// A trim line that does not hold more than the load waterline, or a centre
// outside the stations, ends the run (data error), each after its error
// block in the report: the trim lines with their flooded volumes, or with
// their centres; the run's tables take the flooded water once it passes.
void ComputeFloodedWater(platform::Session& session, platform::OutputFile& report, FloodRun& run);

}  // namespace flood

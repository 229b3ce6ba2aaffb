#pragma once
// The screen graphs of the floodable-length run on its console form, and the
// pieces of the floodable-length drawing that the combined graph and the
// drawing script share.

#include <functional>
#include <string>
#include <vector>

#include "common/numerics/table.hpp"
#include "common/platform/session.hpp"
#include "run.hpp"

namespace flood {

// ------------------------------------------------------ the drawing's pieces

// The points of one permeability's floodable-length curve that were found
// (points marked as not found are left out): n points X(1..n), l(1..n).
struct FoundCurve {
  int n = 0;
  Vec X{kLineTableSize};
  Vec length{kLineTableSize};
  // True when a curve can be drawn through them: at least two points,
  // positions strictly increasing.
  bool Fittable() const;
};
FoundCurve FoundCurvePoints(const FloodRun& run, int p);

// count equal steps from start to end: x = start + j (end - start) / count,
// j = 1..count, the last exactly at end; nothing when end is not beyond start.
void ForEachStep(double start, double end, int count, const std::function<void(double)>& step);

// A straight piece of the drawing, in metres along the ship and upward.
using SegmentSink = std::function<void(double x1, double y1, double x2, double y2)>;

// The floodable-length curve through a found curve's points, as the script,
// the graphs and the combined graph draw it: the monotone piecewise cubic,
// which between two points stays within their lengths (a spline through the
// few points of a curve swings past them, below the base line where a curve
// falls steeply to its end points).  No curve where the points cannot carry
// one (FoundCurve::Fittable).
class LengthCurve {
 public:
  explicit LengthCurve(const FoundCurve& curve);
  bool Exists() const { return n_ >= 2; }
  // The positions of its first and last points.
  double First() const { return knots_(1); }
  double Last() const { return knots_(n_); }
  // The curve's length at x, or `outside` when x lies beyond its points or
  // there is no curve.
  double At(double x, double outside = 0) const;

 private:
  int n_ = 0;
  Vec knots_;
  numerics::SplineTable table_;
};

// The chords of a curve over [from, to] cut to its points, at the steps of
// ForEachStep(from, to, count): the first chord from the cut start, the last
// to the cut end, exactly; nothing when no part of the curve lies within.
void ForEachChord(const LengthCurve& curve, double from, double to, int count, const SegmentSink& chord);

// The curve of every permeability with its lengths at the two ends of its
// zone (lStart(p), lEnd(p); not a number where the curve has none there).
struct ZoneCurves {
  std::vector<LengthCurve> curves;  // permeability p at p - 1
  Vec lStart{kLineTableSize};
  Vec lEnd{kLineTableSize};
  const LengthCurve& Curve(int p) const { return curves.at(static_cast<std::size_t>(p - 1)); }
};
ZoneCurves CurvesOfZones(const FloodRun& run);

// The line at the end of each zone p but the last, as high as the larger of
// the floodable lengths either side of it (lStart(p), lEnd(p) at zone p's
// ends; a length that is not a number is not known).  Where neither curve
// reaches the boundary (an end point beyond it) the line is as high as the
// terminal line over it; a boundary under no curve and no terminal line is
// not drawn.
using ZoneSegmentSink = std::function<void(int p, double x1, double y1, double x2, double y2)>;
void ZoneBoundaryLines(const FloodRun& run, const Vec& lStart, const Vec& lEnd, const ZoneSegmentSink& sink);
// From the ship's aft end on the base line to the first curve's start, and
// from the fore end to the last curve's end.
void AftTerminalLine(const FloodRun& run, const Vec& lStart, const SegmentSink& sink);
void ForeTerminalLine(const FloodRun& run, const Vec& lEnd, const SegmentSink& sink);
// The two sides of each compartment triangle.
void CompartmentLines(const FloodRun& run, const SegmentSink& sink);
// The deck line from the top of each station to the next, and the joins of
// the first and the last station's tops to the stern and stem contours' tops.
void DeckLine(const FloodRun& run, const SegmentSink& sink);
// Stern and stem contours walked in steps of MaxHalfBreadth / 40, as one
// polyline each (`profile(true)` before a contour's segments, `profile(false)`
// after them), then the deck line from station to station and its joins to
// the contours' tops.
void CentreplaneOutline(const FloodRun& run, const std::function<void(bool starting)>& profile,
                        const SegmentSink& contour, const SegmentSink& deck);

// ----------------------------------------------------------------- the graphs

// The vertical extent of a graph; a graph whose top equals its bottom (all
// values 0) gets a height of 1 about its value.
struct VerticalExtent {
  double top, bottom;
};
VerticalExtent GraphExtent(double top, double bottom);

// Graphs 1 to 5 of permeability p: flooded volume, trim-line LCB and
// flooded-water centre over the trim lines, the sectional areas of the trim
// lines, the floodable-length curve; each ends with a pause.
void ShowPermeabilityGraphs(platform::Session& session, const FloodRun& run, int p);

// The curves of every permeability with the zones, terminal lines,
// compartments and the ship's outline; ends with a pause.
void ShowCombinedGraph(platform::Session& session, const FloodRun& run);

}  // namespace flood

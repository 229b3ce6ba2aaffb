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

// The range of floodable lengths a compartment centred at x can have: from
// the base line up to the lower of the two terminal lines, on which the
// compartment reaches the first station (l = 2 (x - x(1))) or the last
// (l = 2 (x(NST) - x)); the end points of every curve lie on them.  A length
// counts as outside only when it stands beyond the range by more than a
// millionth of L, so that a curve drawn through an end point is not
// taken for leaving at that point by a rounding.
struct PossibleLengths {
  double firstStation = 0, lastStation = 0;
  double tolerance = 0;
  bool Holds(double x, double l) const;
};
PossibleLengths PossibleLengthsOf(const FloodRun& run);

// How a drawing draws the curve through a found curve's points: the graphs by
// the not-a-knot spline through them, the script by the curve routine, its
// spline at its steps and its three-point parabola at the zones' ends.
enum class CurveForm { kGraphSpline, kScriptInterpolation };

// The curves through a found curve's points: the drawing's own (CurveForm)
// and the monotone piecewise cubic, which between two points stays within
// their lengths.  None where the points cannot carry one
// (FoundCurve::Fittable).
class LengthCurve {
 public:
  LengthCurve(const FoundCurve& curve, CurveForm form);
  bool Exists() const { return n_ >= 2; }
  // The positions of its first and last points.
  double First() const { return points_.X(1); }
  double Last() const { return points_.X(n_); }
  const FoundCurve& Points() const { return points_; }
  // The drawing's curve at x: at a zone's end (`zoneEnd`) the script takes
  // the parabola, elsewhere the spline; not a number beyond the points.
  double Drawn(double x, bool zoneEnd) const;
  // The monotone cubic at x; not a number beyond the points.
  double Monotone(double x) const;
  // The interval k between points k and k + 1 that holds x inside it; 0 at
  // a point or beyond them.
  int IntervalOf(double x) const;

 private:
  int n_ = 0;
  CurveForm form_;
  FoundCurve points_;
  numerics::SplineTable spline_;
  numerics::SplineTable monotone_;
};

// A length of a curve at a position, as a drawing samples it.
struct CurveSample {
  double x = 0, l = 0;
};

// A drawing's samples of a curve kept within the possible lengths: the
// points of its polyline, and its lengths at single positions (the ends of
// its zone).  On every interval between two neighbouring points where one of
// them lies outside the range, each of them takes the monotone cubic's length
// instead, and the polyline gets a vertex at the points bounding that
// interval, so that it passes through them where it changes from one curve to
// the other; the other intervals keep the drawing's curve.  Samples at the
// points themselves, and lengths that are not a number, are left as they are.
void KeepWithinPossible(const LengthCurve& curve, const PossibleLengths& range, std::vector<CurveSample>& polyline,
                        std::vector<CurveSample>& lengths);

// How a drawing samples each curve: its form, its number of equal steps, and
// whether over the curve's zone (the script) or from the curve's first to its
// last point (the graphs).
struct CurveDrawing {
  CurveForm form;
  int steps;
  bool overZone;
};
inline constexpr CurveDrawing kGraphCurve{CurveForm::kGraphSpline, 1000, false};
inline constexpr CurveDrawing kCombinedGraphCurves{CurveForm::kGraphSpline, 250, false};
inline constexpr CurveDrawing kScriptCurves{CurveForm::kScriptInterpolation, 100, true};

// One curve as drawn over [from, to] cut to its points: the cut start, the
// steps of ForEachStep(from, to, steps) beyond it, the last cut to the cut
// end exactly (none when no part of the curve lies within); a first point at
// the zone's start is the curve's length there.  With the curve's lengths at
// the two ends of its zone (not a number where the curve has none); all of
// them kept within the possible lengths together.
struct DrawnCurve {
  std::vector<CurveSample> points;
  double lStart = 0, lEnd = 0;
};
DrawnCurve DrawCurveOver(const LengthCurve& curve, const PossibleLengths& range, double from, double to, int steps,
                         double zoneStart, double zoneEnd);

// Permeability p's curve as a drawing draws it.
DrawnCurve CurveAsDrawn(const FloodRun& run, int p, const CurveDrawing& drawing);

// The curve of every permeability as a drawing draws it, with its lengths at
// the two ends of its zone (lStart(p), lEnd(p)).
struct ZoneCurves {
  std::vector<DrawnCurve> curves;  // permeability p at p - 1
  Vec lStart{kLineTableSize};
  Vec lEnd{kLineTableSize};
  const DrawnCurve& Curve(int p) const { return curves.at(static_cast<std::size_t>(p - 1)); }
};
ZoneCurves CurvesOfZones(const FloodRun& run, const CurveDrawing& drawing);

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

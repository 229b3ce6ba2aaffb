// End points of the floodable-length curve.
#include "end_points.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "root_finder.hpp"
#include "trim_line_areas.hpp"
#include "trim_lines.hpp"

namespace flood {

namespace {

// The end compartments: this fraction of the end trim line's floodable length
// either side.
constexpr double kEndShortFactor = 0.9;
constexpr double kEndLongFactor = 1.1;

// The end points: the secant stops when the compartment's flooded volume
// and the flooded water agree to this fraction of the load displacement, a
// compartment's waterline when its moments balance to this fraction of the
// ship's length (the centroid error times the flooded water over the load
// displacement), the volume of the family's first waterline to this fraction.
constexpr double kEndVolumeTolerance = 1e-7;
constexpr double kEndMomentTolerance = 1e-7;
constexpr double kLoadVolumeTolerance = 1e-7;
// Halvings of a secant step whose compartment no waterline balances.
constexpr int kEndStepHalvings = 30;

// The waterlines through one end point of the ship: the draft there fixed,
// the draft at the other end free.
class EndFamily {
 public:
  // The family at permeability mu, its load waterline found beforehand (a
  // family that only searches for it takes any mu and a load waterline not
  // found).
  EndFamily(const FloodRun& run, bool aft, double mu, const EndLoadWaterline& load)
      : run_(run),
        aft_(aft),
        mu_(mu),
        pivot_(aft ? run.task.TrimDrafts(1, 1) : run.task.TrimDrafts(run.task.TrimLineCount, 2)),
        V0_(run.trim.TrimmedVolume(run.task.TrimLineCount + 1)),
        lcb0_(run.trim.TrimmedLcb(run.task.TrimLineCount + 1)),
        x1_(run.hull.hull.StationPos(1)),
        xN_(run.hull.hull.StationPos(run.hull.hull.StationCount)),
        top_(std::max(run.hull.MaxHeight, pivot_)),
        freeDraftLow_(load.freeDraft),
        loadWaterlineFound_(load.found),
        cutter_(run.hull),
        last_(run.hull.hull),
        loadWaterline_(run.hull.hull),
        topWaterline_(run.hull.hull) {
    // Every compartment's waterline is searched between the same two
    // waterlines, the load waterline and the top: each cut once for the
    // family.  The load waterline is kept only when it holds a volume, so
    // that the centre it carries is its own.
    if (loadWaterlineFound_) {
      loadKept_ = CutInto(freeDraftLow_, loadWaterline_);
      topKept_ = CutInto(top_, topWaterline_);
    }
  }

  double pivot() const { return pivot_; }
  double span() const { return xN_ - x1_; }
  double V0() const { return V0_; }

  // The free draft at which the family's waterline holds the load
  // displacement: below it the family floods nothing.  Searched from the
  // top of the hull down, the lower end moved away until it holds less.
  EndLoadWaterline FindLoadWaterline() {
    const auto surplus = [&](double d) { return CutAt(d).volume - V0_; };
    double low = -top_;
    for (int k = 0; k < kEndStepHalvings && surplus(low) > 0; ++k) low -= top_ - low;
    EndLoadWaterline load;
    load.found = FindRootFalsePosition(surplus, low, top_, kLoadVolumeTolerance * V0_, load.freeDraft);
    return load;
  }

  // The compartment of length l at this end with the waterline that
  // balances it.
  EndCompartment Evaluate(double l) {
    EndCompartment e;
    e.length = l;
    e.centre = aft_ ? x1_ + l / 2 : xN_ - l / 2;
    const double start = aft_ ? x1_ : xN_ - l;
    // The moment of the flooded water about the compartment's centroid, over
    // the load displacement: 0 where the flooded water's centre is on it.
    CompartmentUnder last;
    double lastDraft = std::numeric_limits<double>::quiet_NaN();
    const auto unbalance = [&](double d) {
      last = Cut(d, start, l);
      lastDraft = d;
      const double v2 = last.waterlineVolume - V0_;
      return (v2 * last.centroid - (last.waterlineVolume * last.waterlineLcb - V0_ * lcb0_)) / V0_;
    };
    double d = freeDraftLow_;
    e.balanced = loadWaterlineFound_ &&
                 FindRootFalsePosition(unbalance, freeDraftLow_, top_, kEndMomentTolerance * run_.task.ShipLength, d);
    // The root's waterline is the last one cut, unless the search ended on
    // an end of its bracket or never began.
    const CompartmentUnder c = d == lastDraft ? last : Cut(d, start, l);
    e.freeDraft = d;
    e.volume = c.integral.volume;
    e.flooded = mu_ * c.integral.volume / 100;
    e.centroid = c.centroid;
    e.floodedWater = c.waterlineVolume - V0_;
    // A waterline that holds no more than the load waterline floods nothing.
    e.balanced = e.balanced && e.floodedWater > 0 && c.integral.volume > 0;
    return e;
  }

  // The compartment of length l, or, when no waterline balances it (it is
  // too long for its end), the first balanced one of lengths halved back
  // towards `shorter`.
  EndCompartment Balanced(double l, double shorter) {
    EndCompartment e = Evaluate(l);
    for (int k = 0; k < kEndStepHalvings && !e.balanced; ++k) e = Evaluate((e.length + shorter) / 2);
    return e;
  }

 private:
  // The family's waterline of free draft d, its volume and centre, and the
  // compartment [start, start + l] under it.
  struct CompartmentUnder {
    double waterlineVolume = 0;
    double waterlineLcb = 0;
    CompartmentIntegral integral;
    double centroid = 0;
  };
  CompartmentUnder Cut(double freeDraft, double start, double l) {
    const Waterline& w = WaterlineAt(freeDraft);
    CompartmentUnder c;
    c.waterlineVolume = w.volume;
    c.waterlineLcb = w.lcb;
    c.integral = IntegrateCompartment(w.areas, start, l, points_);
    c.centroid = c.integral.volume > 0 ? c.integral.moment / c.integral.volume : start + l / 2;
    return c;
  }

  // A waterline of the family: its volume and centre, and the curve of its
  // sectional areas along the ship.
  struct Waterline {
    explicit Waterline(const hullform::HullModel& hull) : areas(hull) {}
    double volume = 0;
    double lcb = 0;
    TrimLineAreas areas;
  };

  // The waterline of free draft d: one of the two kept, or cut anew.
  const Waterline& WaterlineAt(double freeDraft) {
    if (loadKept_ && freeDraft == freeDraftLow_) return loadWaterline_;
    if (topKept_ && freeDraft == top_) return topWaterline_;
    CutInto(freeDraft, last_);
    return last_;
  }

  // Cuts the waterline of free draft d into w; true when it holds a volume.
  bool CutInto(double freeDraft, Waterline& w) {
    const WaterlineCut& cut = CutAt(freeDraft);
    w.volume = cut.volume;
    w.lcb = cut.lcb;
    w.areas.Refit(cut.area);
    return cut.hasVolume;
  }

  // The family's waterline of free draft d, cut in the family's work tables:
  // valid until the next cut.
  const WaterlineCut& CutAt(double freeDraft) {
    cutter_.Cut(aft_ ? pivot_ : freeDraft, aft_ ? freeDraft : pivot_, work_);
    return work_;
  }

  const FloodRun& run_;
  bool aft_;
  double mu_;
  double pivot_;
  double V0_, lcb0_;
  double x1_, xN_;
  double top_;  // the highest free draft: the hull's highest point, or the pivot's draft
  double freeDraftLow_;
  bool loadWaterlineFound_;
  WaterlineCutter cutter_;
  // The tables of the last cut and its waterline, read only by the call that
  // made them.
  WaterlineCut work_;
  Waterline last_;
  // The two waterlines between which every compartment's is searched.
  Waterline loadWaterline_;
  Waterline topWaterline_;
  bool loadKept_ = false;
  bool topKept_ = false;
  CompartmentPoints points_;
};

// The residual of the secant: what the compartment holds more than the
// flooded water.
double Surplus(const EndCompartment& e) { return e.flooded - e.floodedWater; }

EndPoint FindEndPoint(const FloodRun& run, bool aft, double mu, const EndLoadWaterline& load) {
  EndFamily family(run, aft, mu, load);
  const int m = aft ? 1 : run.task.TrimLineCount;
  const double S = family.span();
  EndPoint e;
  e.aft = aft;
  e.pivotDraft = family.pivot();
  // The first two compartments about the end trim line's floodable length,
  // within the ship.
  const double first = std::min(run.perm.FloodableLength(m), S / kEndLongFactor);
  e.A = family.Evaluate(kEndShortFactor * first);
  e.B = family.Evaluate(kEndLongFactor * first);

  // The secant from A and B, each shortened until a waterline balances it.
  EndCompartment previous = e.A.balanced ? e.A : family.Balanced(e.A.length, 0);
  EndCompartment current = e.B.balanced ? e.B : family.Balanced(e.B.length, previous.length);
  const double tolerance = kEndVolumeTolerance * family.V0();
  for (; e.steps < kTrialLimit; ++e.steps) {
    if (current.balanced && std::fabs(Surplus(current)) < tolerance) {
      e.found = true;
      break;
    }
    if (!previous.balanced || !current.balanced || Surplus(current) == Surplus(previous)) break;
    double l =
        current.length - Surplus(current) * (current.length - previous.length) / (Surplus(current) - Surplus(previous));
    // Within the ship: a compartment longer than the ship holds no more.
    if (l > S) {
      if (current.length == S) break;  // the whole ship holds too little
      l = S;
    }
    if (!(l > 0)) l = current.length / 2;
    previous = current;
    current = family.Balanced(l, previous.length);
  }
  e.end = current;
  return e;
}

}  // namespace

EndLoadWaterlines FindEndLoadWaterlines(const FloodRun& run) {
  EndLoadWaterlines load;
  load.aft = EndFamily(run, true, 0, EndLoadWaterline{}).FindLoadWaterline();
  load.fore = EndFamily(run, false, 0, EndLoadWaterline{}).FindLoadWaterline();
  return load;
}

EndPoints ComputeEndPoints(const FloodRun& run, int p, const EndLoadWaterlines& load) {
  EndPoints e;
  e.permeability = run.task.ZonePermeability(p);
  e.aft = FindEndPoint(run, true, e.permeability, load.aft);
  e.fore = FindEndPoint(run, false, e.permeability, load.fore);
  return e;
}

}  // namespace flood

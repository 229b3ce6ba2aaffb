// Floodable-length trials and end points.
#include "trials.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/numerics/curves.hpp"
#include "forms.hpp"
#include "trim_lines.hpp"

namespace flood {

namespace {

// Trials stop when the two volumes of a trial agree to this fraction, the
// compartment holds the flooded water to it, and its centroid lies within
// this fraction of the ship's length of the flooded water's centre.  The
// guard of the second centroid's division is this fraction of L^3 (1e-7 m3
// for a 100 m ship): a model is tried as its ship is, where a guard of fixed
// volume would move a model's centroid by more than the tolerance.
constexpr double kVolumeTolerance = 0.0025;
constexpr double kCentroidTolerance = 1e-5;
constexpr double kCentroidGuard = 1e-13;
// Trials of the first two rounds are never accepted.
constexpr int kFirstAcceptedTrial = 3;
// The end compartments: this fraction of the end trim line's floodable length
// either side.
constexpr double kEndShortFactor = 0.9;
constexpr double kEndLongFactor = 1.1;
constexpr int kRootSteps = 100;

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
  EndFamily(const FloodRun& run, bool aft, double mu)
      : run_(run),
        aft_(aft),
        mu_(mu),
        pivot_(aft ? run.task.TrimDrafts(1, 1) : run.task.TrimDrafts(run.task.TrimLineCount, 2)),
        V0_(run.trim.TrimmedVolume(run.task.TrimLineCount + 1)),
        lcb0_(run.trim.TrimmedLcb(run.task.TrimLineCount + 1)),
        x1_(run.hull.hull.StationPos(1)),
        xN_(run.hull.hull.StationPos(run.hull.hull.StationCount)),
        top_(std::max(run.hull.MaxHeight, pivot_)) {
    FindLoadWaterline();
  }

  double pivot() const { return pivot_; }
  double span() const { return xN_ - x1_; }
  double V0() const { return V0_; }

  // The compartment of length l at this end with the waterline that
  // balances it.
  EndCompartment Evaluate(double l) {
    EndCompartment e;
    e.length = l;
    e.centre = aft_ ? x1_ + l / 2 : xN_ - l / 2;
    const double start = aft_ ? x1_ : xN_ - l;
    // The moment of the flooded water about the compartment's centroid, over
    // the load displacement: 0 where the flooded water's centre is on it.
    const auto unbalance = [&](double d) {
      const CompartmentUnder c = Cut(d, start, l);
      const double v2 = c.waterlineVolume - V0_;
      return (v2 * c.centroid - (c.waterlineVolume * c.waterlineLcb - V0_ * lcb0_)) / V0_;
    };
    double d = freeDraftLow_;
    e.balanced = loadWaterlineFound_ &&
                 FindRootFalsePosition(unbalance, freeDraftLow_, top_, kEndMomentTolerance * run_.task.ShipLength, d);
    const CompartmentUnder c = Cut(d, start, l);
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
    const WaterlineCut& cut = CutAt(freeDraft);
    const TrimLineAreas areas(run_.hull.hull, cut.area);
    CompartmentUnder c;
    c.waterlineVolume = cut.volume;
    c.waterlineLcb = cut.lcb;
    c.integral = IntegrateCompartment(areas, start, l);
    c.centroid = c.integral.volume > 0 ? c.integral.moment / c.integral.volume : start + l / 2;
    return c;
  }

  // The family's waterline of free draft d, cut in the family's work tables:
  // valid until the next cut.
  const WaterlineCut& CutAt(double freeDraft) {
    CutAtWaterline(run_.hull, aft_ ? pivot_ : freeDraft, aft_ ? freeDraft : pivot_, work_);
    return work_;
  }

  // The free draft at which the family's waterline holds the load
  // displacement: below it the family floods nothing.  Searched from the
  // top of the hull down, the lower end moved away until it holds less.
  void FindLoadWaterline() {
    const auto surplus = [&](double d) { return CutAt(d).volume - V0_; };
    double low = -top_;
    for (int k = 0; k < kEndStepHalvings && surplus(low) > 0; ++k) low -= top_ - low;
    loadWaterlineFound_ = FindRootFalsePosition(surplus, low, top_, kLoadVolumeTolerance * V0_, freeDraftLow_);
  }

  const FloodRun& run_;
  bool aft_;
  double mu_;
  double pivot_;
  double V0_, lcb0_;
  double x1_, xN_;
  double top_;  // the highest free draft: the hull's highest point, or the pivot's draft
  double freeDraftLow_ = 0;
  bool loadWaterlineFound_ = false;
  WaterlineCut work_;  // the tables of the last cut, read only by the call that made it
};

// The residual of the secant: what the compartment holds more than the
// flooded water.
double Surplus(const EndCompartment& e) { return e.flooded - e.floodedWater; }

EndPoint FindEndPoint(const FloodRun& run, bool aft, double mu) {
  EndFamily family(run, aft, mu);
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

TrimLineAreas::TrimLineAreas(const FloodRun& run, int m)
    : n_(run.hull.hull.StationCount), knots_(n_), areas_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) {
    knots_(i) = run.hull.hull.StationPos(i);
    areas_(i) = run.trim.TrimSectionArea(m, i);
  }
  Fit();
}

TrimLineAreas::TrimLineAreas(const hullform::HullModel& hull, const Vec& area)
    : n_(hull.StationCount), knots_(n_), areas_(n_), table_(numerics::MakeSplineTable(n_)) {
  for (int i = 1; i <= n_; ++i) {
    knots_(i) = hull.StationPos(i);
    areas_(i) = area(i);
  }
  Fit();
}

void TrimLineAreas::Fit() {
  for (int i = 1; i <= n_; ++i) table_(1, i) = areas_(i);
  numerics::FitCubicSpline(n_, knots_, table_, 0, 0, kFloodableForms.splineGuards);
}

double TrimLineAreas::Volume() const {
  double V = 0.0;
  numerics::IntegrateUnequalSimpson(n_, knots_, areas_, V, kFloodableForms.simpsonGuard);
  return V;
}

double TrimLineAreas::At(double x) const {
  // Beyond the stations the ship has no section to flood.
  if (!(x >= knots_(1) && x <= knots_(n_))) return 0.0;
  double a = 0.0;
  numerics::EvaluateSpline(n_, x, a, knots_, table_, kFloodableForms.splineEvaluation);
  return a;
}

CompartmentIntegral IntegrateCompartment(const TrimLineAreas& areas, double start, double length) {
  Vec x(5), a(5), ax(5);
  const double h = length / 4;
  for (int b = 1; b <= 5; ++b) {
    x(b) = start + (b - 1) * h;
    a(b) = areas.At(x(b));
    ax(b) = a(b) * x(b);
  }
  CompartmentIntegral r;
  numerics::IntegrateUnequalSimpson(5, x, a, r.volume, kFloodableForms.simpsonGuard);
  numerics::IntegrateUnequalSimpson(5, x, ax, r.moment, kFloodableForms.simpsonGuard);
  return r;
}

PermeabilityTrials FloodableLengthTrials(const FloodRun& run, int p) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(NST);
  const double L = run.task.ShipLength;
  const double mu = run.task.ZonePermeability(p);
  PermeabilityTrials result;
  result.permeability = mu;

  for (int m = 1; m <= run.task.TrimLineCount; ++m) {
    const TrimLineAreas A(run, m);
    LineTrials& lt = result.lines.emplace_back();
    lt.line = m;
    lt.meanArea = A.Volume() / (xN - x1);
    lt.meanDraft = (run.task.TrimDrafts(m, 1) + run.task.TrimDrafts(m, 2)) / 2;
    lt.floodedVolume = run.trim.FloodedWaterVolume(m);
    lt.floodedCentre = run.trim.FloodedWaterLcg(m);
    const double xw = lt.floodedCentre;
    const double vc = 100 * lt.floodedVolume / mu;
    lt.compartmentVolume = vc;

    double l = vc / lt.meanArea;
    double c = xw < L / 2 ? 0.25 * L : 0.75 * L;
    for (int t = 1;; ++t) {
      Trial& trial = lt.trials.emplace_back();
      // First evaluation: the compartment of the trial.
      const CompartmentIntegral e1 = IntegrateCompartment(A, c - l / 2, l);
      const double vol = e1.volume;
      const bool empty = !(vol > 0);
      const double xm = empty ? c : e1.moment / vol;
      // The length that holds the compartment volume at this mean area, and
      // the centre moved by the centroid's error.
      const double l1 = empty ? l : vc * l / vol;
      const double c1 = empty ? c : c + xw - xm;
      trial.first = {l, c, vol, xm, l1, c1};
      lt.volume = vol;
      lt.centroid = xm;
      if (empty) {
        // No part of the compartment lies within the ship.
        lt.length = l;
        lt.centre = c;
        break;
      }
      if (t == kTrialLimit) {
        lt.length = (l + l1) / 2;
        lt.centre = c;
        break;
      }

      // Second evaluation: the compartment of the first estimate.
      const CompartmentIntegral e2 = IntegrateCompartment(A, c1 - l1 / 2, l1);
      const double vol2 = e2.volume;
      const double xm2 = e2.moment / (vol2 + kCentroidGuard * L * L * L);
      const bool empty2 = !(vol2 > 0);
      const double l2 = empty2 ? l1 : vc * l1 / vol2;
      const double c2 = c1 + xw - xm2;
      trial.hasSecond = true;
      trial.second = {l1, c1, vol2, xm2, l2, c2};
      if (empty2) {
        lt.length = l1;
        lt.centre = c1;
        break;
      }

      // Accepted when the two volumes agree, the compartment holds the
      // compartment volume with its centroid on the flooded water's centre,
      // and it lies within the ship.
      lt.converged = t >= kFirstAcceptedTrial && std::fabs(vol2 - vol) < kVolumeTolerance * vol &&
                     std::fabs(vol2 - vc) < kVolumeTolerance * vc && std::fabs(xm2 - xw) < kCentroidTolerance * L &&
                     c1 - l2 / 2 >= x1 && c1 + l2 / 2 <= xN;
      l = l2;
      c = c1;
      if (lt.converged) {
        lt.length = l2;
        lt.centre = c1;
        break;
      }
    }
  }
  return result;
}

bool FindRootFalsePosition(const std::function<double(double)>& f, double a, double b, double tolerance, double& root) {
  double fa = f(a), fb = f(b);
  if (fa * fb < 0) {
    // Plain false position keeps one end for ever where f bends, and its
    // other end then creeps towards the root (on x^10 - 0.5 over [0, 1.5]
    // by less than a thousandth of |f| a step).  The Illinois step: once an
    // end has stayed twice in a row and the moving end's |f| has not at
    // least halved, the value kept at the staying end is halved, so that the
    // chord swings past the root and the staying end moves too.  Where false
    // position converges well on its own the steps are its own.
    int kept = 0;  // the end that stayed at the last step: -1 the lower, +1 the upper
    for (int step = 0; step < kRootSteps; ++step) {
      root = (a * fb - b * fa) / (fb - fa);
      const double fr = f(root);
      if (std::fabs(fr) < tolerance || fr == 0) return true;
      if (fa * fr < 0) {
        const bool slow = kept == -1 && std::fabs(fr) > std::fabs(fb) / 2;
        b = root;
        fb = fr;
        if (slow) fa /= 2;
        kept = -1;
      } else {
        const bool slow = kept == 1 && std::fabs(fr) > std::fabs(fa) / 2;
        a = root;
        fa = fr;
        if (slow) fb /= 2;
        kept = 1;
      }
    }
    // The last root stands, not within the tolerance.
    return false;
  }
  if (fa * fb == 0) {
    root = std::fabs(fa) <= tolerance ? a : b;
    return true;
  }
  root = std::fabs(fa) <= std::fabs(fb) ? a : b;
  return false;
}

EndPoints ComputeEndPoints(const FloodRun& run, int p) {
  EndPoints e;
  e.permeability = run.task.ZonePermeability(p);
  e.aft = FindEndPoint(run, true, e.permeability);
  e.fore = FindEndPoint(run, false, e.permeability);
  return e;
}

}  // namespace flood

// Floodable-length trials.
#include "trials.hpp"

#include <cmath>

#include "trim_line_areas.hpp"

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

}  // namespace

PermeabilityTrials FloodableLengthTrials(const FloodRun& run, int p) {
  const hullform::HullModel& h = run.hull.hull;
  const int NST = h.StationCount;
  const double x1 = h.StationPos(1);
  const double xN = h.StationPos(NST);
  const double L = run.task.ShipLength;
  const double mu = run.task.ZonePermeability(p);
  PermeabilityTrials result;
  result.permeability = mu;
  CompartmentPoints points;

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
      const CompartmentIntegral e1 = IntegrateCompartment(A, c - l / 2, l, points);
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
      const CompartmentIntegral e2 = IntegrateCompartment(A, c1 - l1 / 2, l1, points);
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

}  // namespace flood

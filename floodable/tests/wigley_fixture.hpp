#pragma once
// A Wigley-type hull of the floodable-length tests: curved ends, sections
// that narrow to the keel, and a floodable length that no straight line
// gives.  Half-breadth y = B/2 (1 - xi^2) (1 - (1 - z/D)^2), xi = 2 x / L - 1,
// z from the keel to the deck D, so that the sectional area up to a height h
// is A(x, h) = B (1 - xi^2) (h^2 / D - h^3 / (3 D^2)).  The level table is
// filled with these areas; the test's own solutions integrate them finely.

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "box_fixture.hpp"

namespace flood::wigleytest {

using boxtest::Bisect;
using boxtest::Drafts;
using boxtest::Zone;

inline constexpr double kLength = 100;
inline constexpr double kBreadth = 10;
inline constexpr double kDepth = 8;
inline constexpr double kLoadDraft = 5;
inline constexpr double kMargin = 7.924;
inline constexpr int kStations = 21;

// 3A, 2A, 1A, PAR., 1F, 2F, 3F: through the margin line at one end.
inline std::vector<Drafts> WigleyTrimLines() {
  return {{kMargin, 4.6}, {kMargin, 5.8}, {kMargin, 7.0}, {kMargin, kMargin},
          {7.0, kMargin}, {5.8, kMargin}, {4.6, kMargin}};
}

// Sectional area at x up to the local draft h (none below the keel, the
// whole section above the deck).
inline double Area(double x, double h) {
  const double xi = 2 * x / kLength - 1;
  const double t = std::clamp(h, 0.0, kDepth);
  return kBreadth * (1 - xi * xi) * (t * t / kDepth - t * t * t / (3 * kDepth * kDepth));
}

inline double HalfBreadth(double x, double z) {
  const double xi = 2 * x / kLength - 1;
  const double u = 1 - z / kDepth;
  return kBreadth / 2 * (1 - xi * xi) * (1 - u * u);
}

// The offset table: each station by nine points from the keel to the deck,
// the stern and stem contours vertical at the end stations.
inline testsupport::Hull WigleyHull() {
  testsupport::Hull h;
  for (int i = 0; i < kStations; ++i) {
    testsupport::Station s;
    s.x = kLength * i / (kStations - 1);
    for (int k = 0; k <= 8; ++k) {
      const double z = kDepth * k / 8;
      s.points.push_back({z, HalfBreadth(s.x, z), 1});
    }
    h.stations.push_back(s);
  }
  h.stern = {{0, 0, 1}, {kDepth / 2, 0, 1}, {kDepth, 0, 1}};
  h.stem = {{0, kLength, 1}, {kDepth / 2, kLength, 1}, {kDepth, kLength, 1}};
  return h;
}

inline FloodRun WigleyRun(const std::vector<Drafts>& lines = WigleyTrimLines(),
                          const std::vector<Zone>& zones = {{0, kLength, 60}}, Drafts load = {kLoadDraft, kLoadDraft}) {
  FloodRun run;
  boxtest::SetTaskLines(run.task, kLength, lines, zones, load);
  HullData& h = run.hull;
  testsupport::SetHull(h.hull, WigleyHull());
  for (int i = 1; i <= h.hull.StationCount; ++i) {
    h.LevelCount(i) = 30;
    for (int k = 1; k <= 30; ++k) {
      h.LevelHeight(i, k) = (k - 1) * kDepth / 29;
      h.CumulativeSectionArea(i, k) = Area(h.hull.StationPos(i), h.LevelHeight(i, k));
    }
  }
  h.MaxHalfBreadth = kBreadth / 2;
  h.MaxHeight = kDepth;
  h.StationSpan = kLength;
  NameTrimLines(run.task.TrimLineCount, run.trim.TrimLineNames);
  return run;
}

// ------------------------------------------------- an independent solution
//
// Integrals of the closed-form areas by the composite Simpson rule on 2000
// intervals, roots by bisection: nothing of the program's stations, splines,
// five-point compartments or false position.

inline double Integrate(double a, double b, const std::function<double(double)>& f) {
  constexpr int n = 2000;
  const double h = (b - a) / n;
  double s = f(a) + f(b);
  for (int k = 1; k < n; ++k) s += (k % 2 == 1 ? 4 : 2) * f(a + k * h);
  return s * h / 3;
}

// Volume and moment about AP of the hull, or of [a, b] of it, under the
// waterline from (0, aft) to (L, fore).
struct Integral {
  double volume, moment;
};
inline Integral Under(Drafts d, double a = 0, double b = kLength) {
  const auto h = [d](double x) { return d.aft + (d.fore - d.aft) * x / kLength; };
  return {Integrate(a, b, [&](double x) { return Area(x, h(x)); }),
          Integrate(a, b, [&](double x) { return x * Area(x, h(x)); })};
}

// The compartment at the aft end, [0, l], whose flooding at mu sinks the
// ship to a waterline through (0, pivot): l and that waterline's fore draft.
struct EndSolution {
  double length, freeDraft;
};
inline EndSolution AftEnd(double pivot, double mu, Drafts load = {kLoadDraft, kLoadDraft}) {
  const Integral l0 = Under(load);
  const auto line = [pivot](double f) { return Drafts{pivot, f}; };
  // The fore draft at which the waterline holds the load displacement.
  const double f0 = Bisect(-kDepth, kDepth, [&](double f) { return Under(line(f)).volume - l0.volume; });
  // For a compartment length, the fore draft at which its centroid is the
  // flooded water's centre (moments balanced), and the volume left over.
  const auto freeDraft = [&](double l) {
    return Bisect(f0, kDepth, [&](double f) {
      const Integral w = Under(line(f)), c = Under(line(f), 0, l);
      return (w.volume - l0.volume) * c.moment / c.volume - (w.moment - l0.moment);
    });
  };
  const double l = Bisect(1, kLength, [&](double l) {
    const double f = freeDraft(l);
    return mu / 100 * Under(line(f), 0, l).volume - (Under(line(f)).volume - l0.volume);
  });
  return {l, freeDraft(l)};
}

}  // namespace flood::wigleytest

#pragma once
// The floodable length of every trim line by trials, for one permeability:
// computed into results that the report's printers (trials_report.hpp) and
// the run's tables take.

#include <vector>

#include "run.hpp"

namespace flood {

// One evaluation of a trial: the compartment tried (length and centre), its
// volume and centroid under the trim line, and the estimate that follows
// from them (the length that holds the compartment volume, the centre moved
// by the centroid's error).
struct TrialEvaluation {
  double length = 0, centre = 0, volume = 0, centroid = 0, nextLength = 0, nextCentre = 0;
};
// A trial: its first evaluation and, unless the trials end at it, the
// second, of the first evaluation's estimate.
struct Trial {
  TrialEvaluation first;
  bool hasSecond = false;
  TrialEvaluation second;
};

// The trials of one trim line.
struct LineTrials {
  int line = 0;                  // m
  double floodedCentre = 0;      // xw(m)
  double floodedVolume = 0;      // v2(m)
  double compartmentVolume = 0;  // vc(m) = 100 v2(m) / mu
  double meanArea = 0;           // Aort: the line's volume over the station span
  double meanDraft = 0;          // Tort
  std::vector<Trial> trials;     // trial t at t - 1
  bool converged = false;
  // The compartment found, or the last estimate: its length and centre, and
  // the volume and centroid of the last first evaluation.
  double length = 0, centre = 0, volume = 0, centroid = 0;
};

struct PermeabilityTrials {
  double permeability = 0;  // percent
  std::vector<LineTrials> lines;
  const LineTrials& Line(int m) const { return lines.at(static_cast<std::size_t>(m - 1)); }
};

// For permeability p: per trim line the compartment whose flooding sinks the
// ship to that line, found by trials (length from the volume, centre from the
// centroid error).  A line whose trials do not converge keeps its last
// estimate, not converged.
PermeabilityTrials FloodableLengthTrials(const FloodRun& run, int p);

}  // namespace flood

#pragma once
// The 80 m box of the floodable-length tests and its closed forms.
//
// Box: half-breadth 6 m, depth 8 m, stations every 10 m over 80 m, so the
// sectional area up to a height h is 12 h and a trim line with drafts Ta at
// the first and Tf at the last station has T(x) = Ta + s (x - x1),
// s = (Tf - Ta) / 80.  The level table is filled directly with these areas.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "floodable/run.hpp"
#include "floodable/task_file.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/session_runs.hpp"

namespace flood::boxtest {

inline constexpr double kLength = 80;
inline constexpr double kHalfBreadth = 6;
inline constexpr double kDepth = 8;
inline constexpr double kLoadDraft = 5;
inline constexpr double kMargin = 7.924;

struct Drafts {
  double aft, fore;
};
struct Zone {
  double start, end, mu;
};

// 2A, 1A, PAR., 1F, 2F: trim lines through the margin line at one end.
inline std::vector<Drafts> BoxTrimLines() {
  return {{kMargin, 5.524}, {kMargin, 6.724}, {kMargin, kMargin}, {6.724, kMargin}, {5.524, kMargin}};
}

// The box's offset table: knuckled box sections every 10 m from x0, stern and
// stem contours vertical at the end stations.
inline testsupport::Hull BoxHull(double x0 = 0, double bottom = 0, double top = kDepth, int stations = 9) {
  testsupport::Hull h = testsupport::PrismaticHull(testsupport::KnuckledBoxSection(kHalfBreadth, bottom, top), stations,
                                                   kLength, 0, kDepth);
  for (testsupport::Station& s : h.stations) s.x += x0;
  for (testsupport::Point& p : h.stern) p.y += x0;
  for (testsupport::Point& p : h.stem) p.y += x0;
  return h;
}

// The task values of a run: the ship's length, the trim lines and the load
// waterline, and the permeability zones.
inline void SetTaskLines(TaskValues& t, double length, const std::vector<Drafts>& lines,
                         const std::vector<Zone>& zones, Drafts load) {
  t.ShipLength = length;
  t.TrimLineCount = static_cast<int>(lines.size());
  for (int m = 1; m <= t.TrimLineCount; ++m) {
    t.TrimDrafts(m, 1) = lines[static_cast<std::size_t>(m - 1)].aft;
    t.TrimDrafts(m, 2) = lines[static_cast<std::size_t>(m - 1)].fore;
  }
  t.TrimDrafts(t.TrimLineCount + 1, 1) = load.aft;
  t.TrimDrafts(t.TrimLineCount + 1, 2) = load.fore;
  t.PermeabilityCount = static_cast<int>(zones.size());
  for (int p = 1; p <= t.PermeabilityCount; ++p) {
    t.ZoneStart(p) = zones[static_cast<std::size_t>(p - 1)].start;
    t.ZoneEnd(p) = zones[static_cast<std::size_t>(p - 1)].end;
    t.ZonePermeability(p) = zones[static_cast<std::size_t>(p - 1)].mu;
  }
}

// A run over the box with its level table (30 levels up to the deck), the
// trim lines and the load waterline, and the zones; stations (9 unless
// given) from x0 to x0 + 80 m.
inline FloodRun BoxRun(const std::vector<Drafts>& lines = BoxTrimLines(),
                       const std::vector<Zone>& zones = {{0, kLength, 60}}, double x0 = 0,
                       Drafts load = {kLoadDraft, kLoadDraft}, int stations = 9) {
  FloodRun run;
  SetTaskLines(run.task, kLength, lines, zones, load);

  HullData& h = run.hull;
  testsupport::SetHull(h.hull, BoxHull(x0, 0, kDepth, stations));
  for (int i = 1; i <= h.hull.StationCount; ++i) {
    h.LevelCount(i) = 30;
    for (int k = 1; k <= 30; ++k) {
      h.LevelHeight(i, k) = (k - 1) * kDepth / 29;
      h.CumulativeSectionArea(i, k) = 2 * kHalfBreadth * h.LevelHeight(i, k);
    }
  }
  h.MaxHalfBreadth = kHalfBreadth;
  h.MaxHeight = kDepth;
  h.StationSpan = kLength;
  NameTrimLines(run.task.TrimLineCount, run.trim.TrimLineNames);
  return run;
}

// The box's run made geometrically similar at scale s (s = 0.01: an 0.8 m
// model): every position, draft and level height times s, every sectional
// area times s^2.  Its floodable lengths and centres are the box's times s.
inline void ScaleRun(FloodRun& run, double s) {
  TaskValues& t = run.task;
  t.ShipLength *= s;
  for (int m = 1; m <= t.TrimLineCount + 1; ++m) {
    t.TrimDrafts(m, 1) *= s;
    t.TrimDrafts(m, 2) *= s;
  }
  for (int p = 1; p <= t.PermeabilityCount; ++p) {
    t.ZoneStart(p) *= s;
    t.ZoneEnd(p) *= s;
  }
  HullData& h = run.hull;
  hullform::HullModel& m = h.hull;
  for (int r = 1; r <= m.StationCount + 2; ++r) {
    for (int j = 1; j <= m.PointCount(r); ++j) {
      m.PointZ(r, j) *= s;
      m.PointY(r, j) *= s;
    }
  }
  for (int i = 1; i <= m.StationCount; ++i) {
    m.StationPos(i) *= s;
    m.StationBottom(i) *= s;
    m.StationTop(i) *= s;
  }
  for (int i = 1; i <= h.hull.StationCount; ++i) {
    for (int k = 1; k <= h.LevelCount(i); ++k) {
      h.LevelHeight(i, k) *= s;
      h.CumulativeSectionArea(i, k) *= s * s;
    }
  }
  h.MaxHalfBreadth *= s;
  h.MaxHeight *= s;
  h.StationSpan *= s;
}

// ---------------------------------------------------------------- closed forms

inline double Slope(Drafts d) { return (d.fore - d.aft) / kLength; }
inline double Volume(Drafts d) { return 2 * kHalfBreadth * kLength * (d.aft + d.fore) / 2; }
// Centre of the trapezoid of drafts, from the first station.
inline double Lcb(Drafts d) {
  const double s = Slope(d);
  return (d.aft * kLength * kLength / 2 + s * std::pow(kLength, 3) / 3) / (d.aft * kLength + s * kLength * kLength / 2);
}
inline double FloodedVolume(Drafts d, Drafts load = {kLoadDraft, kLoadDraft}) { return Volume(d) - Volume(load); }
inline double FloodedCentre(Drafts d, Drafts load = {kLoadDraft, kLoadDraft}) {
  return (Volume(d) * Lcb(d) - Volume(load) * Lcb(load)) / FloodedVolume(d, load);
}

// The compartment that loses the flooded water's buoyancy at permeability mu:
// mu 12 l T(c) = v2 and its centroid c + s l^2 / (12 T(c)) = xw.
struct Compartment {
  double length, centre;
};
inline Compartment LostBuoyancy(Drafts d, double mu) {
  const double s = Slope(d);
  const double v2 = FloodedVolume(d);
  const double xw = FloodedCentre(d);
  double c = xw, l = 0;
  for (int k = 0; k < 200; ++k) {
    const double T = d.aft + s * c;
    l = 100 * v2 / (mu * 2 * kHalfBreadth * T);
    c = xw - s * l * l / (2 * kHalfBreadth * T);
  }
  return {l, c};
}

// A root of f in [a, b], f(a) and f(b) of opposite signs, by 60 halvings.
inline double Bisect(double a, double b, const std::function<double(double)>& f) {
  double fa = f(a);
  for (int k = 0; k < 60; ++k) {
    const double m = (a + b) / 2;
    const double fm = f(m);
    if ((fm < 0) == (fa < 0)) {
      a = m;
      fa = fm;
    } else {
      b = m;
    }
  }
  return (a + b) / 2;
}

// The end compartment of the box in closed form.  Aft, under the waterline
// from (0, Ta) to (L, f) the box holds V = B L (Ta + f) / 2 with the moment
// M = B L^2 (Ta + 2 f) / 6 about AP, and the compartment [0, l] holds
// Vc = B (Ta l + (f - Ta) l^2 / (2 L)) with Mc = B (Ta l^2 / 2 + (f - Ta)
// l^3 / (3 L)).  It holds the flooded water, mu Vc = V - V0, linear in f: f
// follows from l; and its centroid is the flooded water's centre,
// Mc / Vc = (M - M0) / (V - V0), that is mu Mc = M - M0: l by bisection.
struct BoxEnd {
  double length, freeDraft;
};
inline BoxEnd BoxAftEnd(double Ta, double mu) {
  const double B = 2 * kHalfBreadth, L = kLength, m = mu / 100;
  const double V0 = B * L * kLoadDraft, M0 = V0 * L / 2;
  const auto f = [&](double l) {
    return (V0 - B * L * Ta / 2 + m * B * (Ta * l - Ta * l * l / (2 * L))) / (B * L / 2 - m * B * l * l / (2 * L));
  };
  const auto unbalance = [&](double l) {
    const double fl = f(l);
    return m * B * (Ta * l * l / 2 + (fl - Ta) * l * l * l / (3 * L)) - (B * L * L * (Ta + 2 * fl) / 6 - M0);
  };
  const double l = Bisect(1, L / 2, unbalance);
  return {l, f(l)};
}

// --------------------------------------------------------------- a run's steps

// Runs steps of the program on a session in a fresh folder, with the report
// open; the answers are given as text.
struct StepsResult {
  int status = 0;
  std::string report, out, err;
  std::map<std::string, std::string> files;  // every file of the folder by its path there ("screens/...")
};
inline StepsResult RunSteps(const std::function<void(platform::Session&, platform::OutputFile&)>& steps,
                            const std::string& answers = "",
                            const std::function<void(const std::filesystem::path&)>& prepare = nullptr) {
  testsupport::ScratchDirectory dir("floodable-steps");
  if (prepare) prepare(dir);
  const testsupport::StepOutcome o = testsupport::RunStep(dir, answers, [&](platform::Session& s) {
    platform::OutputFile& report = s.CreateOutput("REPORT.SON");
    steps(s, report);
  });
  StepsResult r;
  r.status = o.status;
  r.out = o.out;
  r.err = o.err;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path())) {
    if (e.is_regular_file())
      r.files[e.path().lexically_relative(dir.Path()).generic_string()] = testsupport::ReadFile(e.path());
  }
  r.report = r.files["REPORT.SON"];
  return r;
}

// ---------------------------------------------------------- reading the report

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The number after `label` on every line that starts with it, in order.
inline std::vector<double> NumbersAfter(const std::string& text, const std::string& label) {
  std::vector<double> values;
  for (const std::string& line : Lines(text)) {
    if (line.rfind(label, 0) == 0) values.push_back(std::stod(line.substr(label.size())));
  }
  return values;
}

inline std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> t;
  std::string w;
  while (s >> w) t.push_back(w);
  return t;
}

// One row of a permeability's table of curve points.
struct CurveRow {
  double x, length;
  bool marked;
};
inline std::vector<CurveRow> PermeabilityTable(const std::string& report, int p) {
  const std::vector<std::string> lines = Lines(report);
  std::vector<CurveRow> rows;
  const std::string head = "PERMEABILITE NO:" + std::string(p < 10 ? " " : "") + std::to_string(p);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != head) continue;
    for (std::size_t j = i + 6; j < lines.size() && lines[j].rfind("====", 0) != 0; ++j) {
      const std::vector<std::string> t = Tokens(lines[j]);
      rows.push_back({std::stod(t.at(1)), std::stod(t.at(2)), t.size() > 3 && t[3] == "*"});
    }
  }
  return rows;
}

}  // namespace flood::boxtest

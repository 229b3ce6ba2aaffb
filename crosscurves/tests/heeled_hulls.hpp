#pragma once
// Prismatic test hulls whose heeled sections are polygons: the exact immersed
// area and centre below an inclined waterline come from clipping the polygon,
// independently of how the program cuts and integrates the section.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/session.hpp"
#include "crosscurves/heel_angle.hpp"
#include "crosscurves/pendrovix_form.hpp"
#include "crosscurves/run.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/session_runs.hpp"

namespace cross::testing {

// A station's offsets from the keel upward (the starboard half).
using Section = std::vector<testsupport::Point>;

// The exact immersed part of a section below a waterline.
struct ImmersedSection {
  double area = 0;
  double tcb = 0;  // positive towards the side where the waterline lies lower
  double vcb = 0;
};

// Both sides of a station given by its offsets from the keel upward (the
// starboard half), closed across the deck: a polygon in (y, z).
inline std::vector<std::pair<double, double>> SectionPolygon(const Section& half) {
  std::vector<std::pair<double, double>> poly;
  for (const testsupport::Point& p : half) poly.emplace_back(p.y, p.z);
  for (auto it = half.rbegin(); it != half.rend(); ++it) poly.emplace_back(-it->y, it->z);
  return poly;
}

// The polygon clipped to the water below the line z = h - y tan(phi) (heel
// phi in degrees, h the line's height on the centre line).
inline ImmersedSection ClipBelowWaterline(const std::vector<std::pair<double, double>>& poly, double phiDegrees,
                                          double h) {
  const double tanPhi = std::tan(phiDegrees * M_PI / 180);
  const auto f = [&](const std::pair<double, double>& p) { return p.second + p.first * tanPhi - h; };
  std::vector<std::pair<double, double>> in;
  for (std::size_t k = 0; k < poly.size(); ++k) {
    const auto& a = poly[k];
    const auto& b = poly[(k + 1) % poly.size()];
    const double fa = f(a), fb = f(b);
    if (fa <= 0) in.push_back(a);
    if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) {
      const double s = fa / (fa - fb);
      in.emplace_back(a.first + s * (b.first - a.first), a.second + s * (b.second - a.second));
    }
  }
  ImmersedSection r;
  double a2 = 0, my = 0, mz = 0;
  for (std::size_t k = 0; k < in.size(); ++k) {
    const auto& p = in[k];
    const auto& q = in[(k + 1) % in.size()];
    const double cr = p.first * q.second - q.first * p.second;
    a2 += cr;
    my += (p.first + q.first) * cr;
    mz += (p.second + q.second) * cr;
  }
  r.area = std::fabs(a2) / 2;
  if (r.area > 0) {
    r.tcb = my / (3 * a2);
    r.vcb = mz / (3 * a2);
  }
  return r;
}

// KN about the keel point on the base line.
inline double ExactKN(const ImmersedSection& s, double phiDegrees) {
  const double phi = phiDegrees * M_PI / 180;
  return s.vcb * std::sin(phi) - s.tcb * std::cos(phi);
}

// A run over a prism of stations 0, 10, ..., 60 m, all of one section, with
// the heel angles, waterline count and density given; the task values and
// extents set as the driver sets them.
inline CrossRun PrismRun(const Section& half, const std::vector<double>& heels, int NWL,
                        double density = 1.025, int stations = 7) {
  CrossRun run;
  testsupport::SetHull(run.hull, testsupport::PrismaticHull(half, stations, 60));
  run.task.HeelAngleCount = static_cast<double>(heels.size());
  for (std::size_t k = 0; k < heels.size(); ++k) run.task.HeelAngles(static_cast<int>(k) + 1) = heels[k];
  run.task.WaterDensity = density;
  run.task.InclinedWaterlineCount = NWL;
  run.run.NA = static_cast<int>(heels.size());
  run.run.NWL = NWL;
  run.run.MaxTopHalfBreadth = half.back().y;
  run.run.HeightExtent = 1.25 * half.back().z;
  numerics::SetGaussLegendre10(run.run.gauss);
  SizeRunTables(run);
  return run;
}

// Runs the heel-angle loop of `run` in a session on a scratch directory,
// writing the blocks into "report.txt" there; returns the report's text.
// Each angle's picture of the form is appended to `pictures` when given.
inline std::string ComputeAllAngles(CrossRun& run, int threads = CuttingThreads(),
                                    std::vector<std::string>* pictures = nullptr,
                                    const SectionThreadStarter& start = StartSectionThread) {
  testsupport::ScratchDirectory dir("crosscurves-angles");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "", [&](platform::Session& s) {
    platform::OutputFile& report = s.CreateOutput("report.txt");
    platform::ConsoleForm& form = PendrovixForm(s);
    StationCuts cuts = MakeStationCuts(run);
    SectionThreads crew(threads, start);
    for (int k = 1; k <= run.run.NA; ++k) {
      ComputeCrossCurvesForAngle(form, report, run, k, cuts, crew);
      if (pictures) pictures->push_back(form.ToSvg());
    }
  });
  EXPECT_EQ(r.status, 0) << r.err;
  return testsupport::ReadFile(dir / "report.txt");
}

// Rows of the printed blocks: heel angle -> rows of (displacement, KN, VCB,
// TCB, LCB).
using PrintedBlocks = std::map<double, std::vector<std::vector<double>>>;
inline PrintedBlocks ReadBlocks(const std::string& report) {
  PrintedBlocks blocks;
  std::istringstream in(report);
  std::string line;
  double angle = -1;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("MEYIL ACISI : ", 0) == 0) {
      angle = std::stod(line.substr(14));
      blocks[angle];
      continue;
    }
    std::istringstream row(line);
    std::vector<double> v;
    double x = 0;
    while (row >> x) v.push_back(x);
    if (angle >= 0 && v.size() == 5 && line.find("(ton)") == std::string::npos) blocks[angle].push_back(v);
  }
  return blocks;
}

// Offsets of the test sections.
inline const Section kBox = {{0, 7, 1}, {9, 7, 1}};
inline const Section kKnuckleBox = {{0, 0, 0}, {0, 7, 0}, {9, 7, 1}};
inline const Section kVPrism = {{0, 0, 1}, {9, 7, 1}};
inline const Section kLoweredBox = {{-2, 7, 1}, {7, 7, 1}};
// Sections of straight lines between knuckles: a hard chine with flare, a
// tumblehome, a V flared above a knuckle, a bar keel below a flat bottom (a
// step of the contour), a deck narrower than the ship.
inline const Section kChine = {{0, 0, 0}, {0, 3, 0}, {2, 6, 0}, {9, 8, 0}};
inline const Section kTumblehome = {{0, 0, 0}, {0, 4, 0}, {5, 8, 0}, {9, 6, 0}};
inline const Section kFlaredV = {{0, 0, 0}, {4, 3, 0}, {9, 8, 0}};
inline const Section kBarKeel = {{-1, 0, 0}, {-1, 0.5, 0}, {0, 0.5, 0}, {0, 7, 0}, {9, 7, 0}};
inline const Section kNarrowDeck = {{0, 0, 0}, {0, 7, 0}, {8, 7, 0}, {9, 2, 0}};

}  // namespace cross::testing

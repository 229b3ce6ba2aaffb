#pragma once
// Fixtures of the run tests: hulls of closed-form sections built in memory or
// written as offset tables, task files, and runs of the driver in a fresh
// working directory with the answers given as text.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"
#include "hydrostatics/driver.hpp"
#include "hydrostatics/run.hpp"
#include "tests/support/scratch.hpp"

namespace hydro::runtest {

using Point = std::array<double, 3>;  // z, y (or x on a contour), code
struct Station {
  double x = 0;
  std::vector<Point> points;
};
struct Hull {
  std::vector<Station> stations;
  std::vector<Point> stern, stem;
};

using testsupport::FreshDirectory;

// Prismatic hull of `count` equal sections from x = 0 to x = L, vertical stern
// and stem contours at the end stations from z = zLow to z = zHigh.
inline Hull PrismaticHull(const std::vector<Point>& section, int count = 11, double L = 100, double zLow = 0,
                          double zHigh = 12) {
  Hull h;
  for (int i = 0; i < count; ++i) h.stations.push_back({L * i / (count - 1), section});
  h.stern = {{zLow, 0, 1}, {(zLow + zHigh) / 2, 0, 1}, {zHigh, 0, 1}};
  h.stem = {{zLow, L, 1}, {(zLow + zHigh) / 2, L, 1}, {zHigh, L, 1}};
  return h;
}

// Box section of half-breadth b from z0 to z1, and the same with its flat
// bottom written as two knuckles at one height from the centre line.
inline std::vector<Point> BoxSection(double b, double z0 = 0, double z1 = 10) {
  return {{z0, b, 1}, {(z0 + z1) / 2, b, 1}, {z1, b, 1}};
}
inline std::vector<Point> KnuckledBoxSection(double b, double z0 = 0, double z1 = 10) {
  return {{z0, 0, 0}, {z0, b, 0}, {(z0 + z1) / 2, b, 1}, {z1, b, 1}};
}
// V section y = z/2.
inline std::vector<Point> VSection() { return {{0, 0, 1}, {5, 2.5, 1}, {10, 5, 1}}; }

inline void FillRow(hullform::HullModel& m, int r, const std::vector<Point>& pts) {
  m.PointCount(r) = static_cast<int>(pts.size());
  for (std::size_t k = 0; k < pts.size(); ++k) {
    const int c = static_cast<int>(k) + 1;
    m.PointZ(r, c) = pts[k][0];
    m.PointY(r, c) = pts[k][1];
    m.PointCode(r, c) = pts[k][2];
  }
}

inline void SetHull(hullform::HullModel& m, const Hull& h) {
  const int n = static_cast<int>(h.stations.size());
  m.StationCount = n;
  for (int i = 1; i <= n; ++i) {
    const Station& s = h.stations[static_cast<std::size_t>(i - 1)];
    m.StationPos(i) = s.x;
    FillRow(m, i, s.points);
    m.StationBottom(i) = m.PointZ(i, 1);
    m.StationTop(i) = m.PointZ(i, m.PointCount(i));
  }
  FillRow(m, n + 1, h.stern);
  FillRow(m, n + 2, h.stem);
}

inline std::string Num(double v) { return platform::WriteItemNumber(v); }

inline void WriteOffsetTable(const std::filesystem::path& path, const Hull& h) {
  std::ofstream f(path, std::ios::binary);
  f << "TEST HULL\r\n";
  for (std::size_t i = 0; i < h.stations.size(); ++i) {
    f << Num(h.stations[i].x) << "\r\n";
    for (const Point& p : h.stations[i].points) f << Num(p[0]) << ", " << Num(p[1]) << ", " << Num(p[2]) << "\r\n";
    f << "0, 0, " << (i + 1 == h.stations.size() ? "9999" : "99") << "\r\n";
  }
  f << "KIC BODOSLAMA\r\n";
  for (const Point& p : h.stern) f << Num(p[0]) << ", " << Num(p[1]) << ", " << Num(p[2]) << "\r\n";
  f << "0, 0, 99\r\nBAS BODOSLAMA\r\n";
  for (const Point& p : h.stem) f << Num(p[0]) << ", " << Num(p[1]) << ", " << Num(p[2]) << "\r\n";
  f << "0, 0, 99\r\n";
}

// The items of a task file, as text so that a test can write any line.
struct TaskText {
  std::string DATAFILE = "HULL.DAT", DATADIR = "", REPORTFILE = "RAPOR.TXT", OUTDIR = "";
  std::string AppendageFlag = "0";
  std::string Dimensions = "100, 10, 12";  // Lbp, HalfBreadth, Depth
  std::string Drafts = "6, 6";              // ForeDraft, AftDraft
  std::string ShellThickness = "0";
  std::string ModelScale = "0";
  std::string Waterlines = "0, 10, 1";      // FirstWaterline, LastWaterline, WaterlineStep
  std::string Language = "I";
  std::string Density = "1.025";
  std::string LabelScale = "20";
  std::string CurveScriptFlag = "0";
};

inline void WriteTaskFile(const std::filesystem::path& path, const TaskText& t) {
  std::vector<std::string> lines(53);
  for (int k = 1; k <= 52; ++k) lines[static_cast<std::size_t>(k)] = "label " + std::to_string(k);
  auto set = [&](int k, const std::string& v) { lines[static_cast<std::size_t>(k)] = v; };
  set(12, t.DATAFILE);
  set(14, t.DATADIR);
  set(16, t.REPORTFILE);
  set(18, t.OUTDIR);
  set(20, t.AppendageFlag);
  set(24, t.Dimensions);
  set(28, t.Drafts);
  set(30, t.ShellThickness);
  set(34, t.ModelScale);
  set(41, t.Waterlines);
  set(45, t.Language);
  set(47, t.Density);
  set(49, t.LabelScale);
  set(52, t.CurveScriptFlag);
  std::ofstream f(path, std::ios::binary);
  for (int k = 1; k <= 52; ++k) f << lines[static_cast<std::size_t>(k)] << "\r\n";
}

// One run of the whole program in `dir` with the given answers.
struct RunOutcome {
  int status = -1;
  std::string out, err;
};
inline RunOutcome RunProgramIn(const std::filesystem::path& dir, const std::string& answers = "") {
  std::istringstream in(answers);
  std::ostringstream out, err;
  RunOutcome r;
  {
    platform::Session session(in, out, err, dir);
    r.status = platform::RunProgram(session, RunHydrostaticsProgram);
  }
  r.out = out.str();
  r.err = err.str();
  return r;
}

// A working directory with a task file and the hull's offset table.
inline std::filesystem::path PrepareRun(const TaskText& task, const Hull& hull) {
  const auto dir = FreshDirectory("kormelant-run");
  WriteTaskFile(dir / "Kormelant.TSK", task);
  WriteOffsetTable(dir / "HULL.DAT", hull);
  return dir;
}

// A session in a fresh directory whose answers are all defaults.
struct QuietSession {
  std::filesystem::path dir = FreshDirectory("kormelant-session");
  std::istringstream in;
  std::ostringstream out, err;
  platform::Session session{in, out, err, dir};
  explicit QuietSession(const std::string& answers = "") : in(answers) {}
  ~QuietSession() {
    session.Finish();
    testsupport::RemoveDirectory(dir);
  }
};

inline std::string FileText(const std::filesystem::path& p) { return testsupport::ReadFile(p); }

}  // namespace hydro::runtest

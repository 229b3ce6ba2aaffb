#pragma once
// Hulls whose sectional areas, moments and waterline breadths have closed
// forms, filled into the section tables of a run as the Bonjean integration
// would leave them, and helpers that read the report back.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/number_parse.hpp"
#include "common/platform/output_file.hpp"
#include "hydrostatics/run.hpp"
#include "tests/support/scratch.hpp"

namespace hydro::testing {

using testsupport::ScratchDirectory;

// The common task values of the test runs; drafts given separately.
inline HydroRun BaseRun(double Lbp, double B, int stations, const std::vector<double>& drafts,
                                         int designIndex, double modelDenominator, const std::string& language) {
  HydroRun run;
  TaskValues& task = run.task;
  task.Lbp = Lbp;
  task.HalfBreadth = B / 2;
  task.Depth = 12;
  task.ForeDraft = task.AftDraft = drafts[static_cast<std::size_t>(designIndex - 1)];
  task.ShellThickness = 0;
  task.ModelScale = modelDenominator;
  task.ReportLanguage = language;
  task.SeaWaterDensity = 1.025;
  task.StationLabelScale = 10;
  task.CurveScriptFlag = 1;
  task.OUTDIR = "";
  RunValues& rv = run.run;
  // What the set-up makes of them.
  rv.ShellThickness = 0;
  rv.ModelScale = modelDenominator == 0 ? 0 : 1.0 / modelDenominator;
  rv.ReportLanguage = language;
  rv.TrimmedFlag = 0;
  rv.MeanDraft = task.ForeDraft;
  rv.WaterlineCount = static_cast<int>(drafts.size());
  for (int j = 1; j <= rv.WaterlineCount; ++j) rv.WaterlineDraft(j) = drafts[static_cast<std::size_t>(j - 1)];
  rv.DesignWaterlineIndex = designIndex;
  run.hull.StationCount = stations;
  for (int i = 1; i <= stations; ++i) run.hull.StationPos(i) = Lbp * (i - 1) / (stations - 1);
  rv.MidshipIndex = static_cast<float>((stations + 1) / 2);
  run.sections.Size(stations, rv.WaterlineCount);
  return run;
}

// Box barge L x B, the girth of a station at draft T being B/2 + T exactly.
inline HydroRun BoxBarge(const std::vector<double>& drafts, int designIndex,
                                          double modelDenominator = 0, const std::string& language = "I",
                                          double L = 100, double B = 20, int stations = 11) {
  auto run = BaseRun(L, B, stations, drafts, designIndex, modelDenominator, language);
  SectionResults& s = run.sections;
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    for (int i = 1; i <= stations; ++i) {
      s.BonjeanArea(i, j) = B * T;
      s.BonjeanMoment(i, j) = B * T * T / 2;
      s.CentroidHeight(i, j) = T / 2;
      s.LocalDraft(i, j) = T;
      s.WaterlineHalfBreadth(i, j) = B / 2;
      s.WaterlineGirth(i, j) = B / 2 + T;
    }
    s.Cm(j) = 1;
    s.Lwl(j) = L;
    s.MaxHalfBreadth(j) = B / 2;
    // Transom area, bottom and both sides.
    s.WettedSurface(j) = B * T + 2 * L * (B / 2 + T);
  }
  return run;
}

// Wigley-type hull of design draft Td: y = B/2 (1 - xi^2)(1 - (1 - z/Td)^2),
// xi = 2x/L - 1, z from the keel; Cwp = 2/3, Cm = 2/3 and Cb = 4/9 at Td.
inline HydroRun WigleyHull(double L, double B, double Td, const std::vector<double>& drafts,
                                            int designIndex, int stations = 21) {
  auto run = BaseRun(L, B, stations, drafts, designIndex, 0, "I");
  SectionResults& s = run.sections;
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double t = run.run.WaterlineDraft(j);
    for (int i = 1; i <= stations; ++i) {
      const double xi = 2 * run.hull.StationPos(i) / L - 1;
      const double f = 1 - xi * xi;
      s.BonjeanArea(i, j) = B * f * (t * t / Td - t * t * t / (3 * Td * Td));
      s.BonjeanMoment(i, j) = B * f * (2 * t * t * t / (3 * Td) - t * t * t * t / (4 * Td * Td));
      s.CentroidHeight(i, j) = s.BonjeanArea(i, j) > 0 ? s.BonjeanMoment(i, j) / s.BonjeanArea(i, j) : 0.0;
      s.LocalDraft(i, j) = t;
      s.WaterlineHalfBreadth(i, j) = B / 2 * f * (2 * t / Td - t * t / (Td * Td));
    }
    const double midBreadth = B * (2 * t / Td - t * t / (Td * Td));
    s.Cm(j) = t / Td - t * t / (3 * Td * Td);  // midship area / (t B)
    s.Lwl(j) = L;
    s.MaxHalfBreadth(j) = midBreadth / 2;
    s.WettedSurface(j) = 0;
  }
  return run;
}

// Lines of a text file without their line ends; every line must end in CR LF.
inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string text = ss.str();
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << path << ": text after the last CR LF: [" << text.substr(start) << "]";
      break;
    }
    const std::string line = text.substr(start, end - start);
    if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) {
      ADD_FAILURE() << path << ": bare line end in [" << line << "]";
    }
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// Writes a report with the given printing step into a fresh file and reads it back.
inline std::vector<std::string> Report(const std::function<void(platform::OutputFile&)>& print) {
  const ScratchDirectory dir("hydro-report");
  const auto path = dir / "REPORT.TXT";
  {
    platform::OutputFile file(path, "REPORT.TXT");
    print(file);
    file.Close();
  }
  auto lines = ReadLines(path);
  return lines;
}

inline bool IsRule(const std::string& line) {
  return !line.empty() && line.find_first_not_of('=') == std::string::npos;
}

// The rows of the table whose title line is `title`: the lines after the
// second rule below the title up to the next rule.
inline std::vector<std::string> TableRows(const std::vector<std::string>& lines, const std::string& title) {
  std::vector<std::string> rows;
  std::size_t k = 0;
  while (k < lines.size() && lines[k] != title) ++k;
  if (k == lines.size()) {
    ADD_FAILURE() << "no table titled [" << title << "]";
    return rows;
  }
  int rules = 0;
  for (++k; k < lines.size(); ++k) {
    if (IsRule(lines[k])) {
      if (++rules == 3) break;
      continue;
    }
    if (rules == 2) rows.push_back(lines[k]);
  }
  return rows;
}

// The numbers of a text separated by blanks ("%" overflow marks dropped).
inline std::vector<double> Numbers(const std::string& text) {
  std::vector<double> values;
  std::istringstream in(text);
  std::string item;
  while (in >> item) {
    if (!item.empty() && item.back() == '%') item.pop_back();
    double v = 0;
    if (!platform::ParseNumber(item, v)) {
      ADD_FAILURE() << "not a number: [" << item << "] in [" << text << "]";
      continue;
    }
    values.push_back(v);
  }
  return values;
}

// The numbers of a comma-separated record.
inline std::vector<double> RecordNumbers(const std::string& text) {
  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    double v = 0;
    EXPECT_TRUE(platform::ParseNumber(item, v)) << "[" << item << "] in [" << text << "]";
    EXPECT_EQ(item.find(' '), std::string::npos) << text;
    values.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return values;
}

// Tolerance of a printed value: half a unit of its last printed digit, and a
// relative bias that the caller has measured for the method behind it (0 for
// a value printed from the very number it is compared with).
inline double PrintTolerance(double exact, int decimals, double relative) {
  return 0.5 * std::pow(10.0, -decimals) + relative * std::fabs(exact) + 1e-12;
}

}  // namespace hydro::testing

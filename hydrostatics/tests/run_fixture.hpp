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

#include "common/platform/session.hpp"
#include "hydrostatics/driver.hpp"
#include "hydrostatics/run.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/session_runs.hpp"
#include "tests/support/task_files.hpp"

namespace hydro::runtest {

using testsupport::BoxSection;
using testsupport::Hull;
using testsupport::KnuckledBoxSection;
using testsupport::Num;
using testsupport::Point;
using testsupport::PrismaticHull;
using testsupport::SetHull;
using testsupport::Station;
using testsupport::VSection;
using testsupport::WriteOffsetTable;

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

// "Kormelant.TSK": 52 lines, the values on their lines.
inline void WriteTaskFile(const std::filesystem::path& path, const TaskText& t) {
  testsupport::WriteTaskFile(path, 52,
                             {{12, t.DATAFILE},
                              {14, t.DATADIR},
                              {16, t.REPORTFILE},
                              {18, t.OUTDIR},
                              {20, t.AppendageFlag},
                              {24, t.Dimensions},
                              {28, t.Drafts},
                              {30, t.ShellThickness},
                              {34, t.ModelScale},
                              {41, t.Waterlines},
                              {45, t.Language},
                              {47, t.Density},
                              {49, t.LabelScale},
                              {52, t.CurveScriptFlag}});
}

// One run of the whole program in `dir` with the given answers.
using RunOutcome = testsupport::StepOutcome;
inline RunOutcome RunProgramIn(const std::filesystem::path& dir, const std::string& answers = "") {
  return testsupport::RunStep(dir, answers, RunHydrostaticsProgram);
}

// A working directory with a task file and the hull's offset table.
inline testsupport::ScratchDirectory PrepareRun(const TaskText& task, const Hull& hull) {
  testsupport::ScratchDirectory dir("kormelant-run");
  WriteTaskFile(dir / "Kormelant.TSK", task);
  WriteOffsetTable(dir / "HULL.DAT", hull);
  return dir;
}

// A session in a fresh directory whose answers are all defaults.
struct QuietSession {
  testsupport::ScratchDirectory scratch{"kormelant-session"};
  std::filesystem::path dir = scratch.Path();
  std::istringstream in;
  std::ostringstream out, err;
  platform::Session session{in, out, err, dir};
  explicit QuietSession(const std::string& answers = "") : in(answers) {}
  ~QuietSession() { session.Finish(true); }
};

inline std::string FileText(const std::filesystem::path& p) { return testsupport::ReadFile(p); }

}  // namespace hydro::runtest

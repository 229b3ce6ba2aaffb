#pragma once
// Runs of the whole cross-curves program in a fresh working directory: the
// task file and the offset table written as text, the answers given as text,
// the report read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "crosscurves/driver.hpp"
#include "heeled_hulls.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/session_runs.hpp"
#include "tests/support/task_files.hpp"

namespace cross::testing {

// The task file's items as text, so that a test can write any text there.
struct TaskText {
  std::string DATAFILE = "HULL.DAT";
  std::string DATADIR;
  std::string REPORTFILE = "Pendrovix.SON";
  std::string OUTDIR;
  std::string HeelAngleCount = "11";
  std::vector<std::string> HeelAngleLines = {"0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80"};
  std::string WaterDensity = "1.025";
  std::string InclinedWaterlineCount = "16";
  std::string CrossCurveDrawingAnswer = "H";
  std::string GzCurveAnswer = "H";
  std::string RequestedDisplacement = "4305";
  std::string KGKM = "4.5, 5.7667";
};

// The task file's lines: heading 1-11, the texts at 12, 14, 16 and 18, the
// count at 21, the heel angles from 22 over as many lines as given, then the
// items after them, each after its label lines.
inline std::string PendrovixTaskText(const TaskText& t) {
  testsupport::TaskLines lines = {{12, t.DATAFILE}, {14, t.DATADIR}, {16, t.REPORTFILE}, {18, t.OUTDIR},
                                  {21, t.HeelAngleCount}};
  int line = 21;
  for (const std::string& angles : t.HeelAngleLines) lines[++line] = angles;
  const std::string after[] = {t.WaterDensity,  t.InclinedWaterlineCount, t.CrossCurveDrawingAnswer,
                               t.GzCurveAnswer, t.RequestedDisplacement,  t.KGKM};
  const int labels[] = {1, 1, 3, 3, 1, 3};
  for (int k = 0; k < 6; ++k) {
    line += labels[k] + 1;
    lines[line] = after[k];
  }
  return testsupport::TaskFileText(line, lines);
}

// A prismatic hull of stations at 0, 10, ..., 60 m.
inline testsupport::Hull PrismHull(const Section& half, int stations = 7) {
  return testsupport::PrismaticHull(half, stations, 60);
}

// One run of Pendrovix in a fresh working directory.
class ProgramRun {
 public:
  ProgramRun() : dir_("crosscurves-run") {}
  const std::filesystem::path& Dir() const { return dir_.Path(); }

  void Write(const std::string& name, const std::string& text) { testsupport::WriteFile(Dir() / name, text); }
  void WriteTask(const TaskText& t) { Write("Pendrovix.TSK", PendrovixTaskText(t)); }
  void WriteHull(const testsupport::Hull& hull) { testsupport::WriteOffsetTable(Dir() / "HULL.DAT", hull); }
  void WriteHull(const Section& half) { WriteHull(PrismHull(half)); }

  // Runs the program with the answers (one per line); returns its status.
  int Run(const std::string& answers = std::string()) {
    outcome_ = testsupport::RunStep(Dir(), answers, RunCrossCurvesProgram);
    return outcome_.status;
  }

  std::string Report(const std::string& name = "Pendrovix.SON") const { return testsupport::ReadFile(Dir() / name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Dir() / name); }
  const std::string& Terminal() const { return outcome_.out; }
  const std::string& Errors() const { return outcome_.err; }

 private:
  testsupport::ScratchDirectory dir_;
  testsupport::StepOutcome outcome_;
};

}  // namespace cross::testing

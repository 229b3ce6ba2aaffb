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

#include "common/platform/session.hpp"
#include "crosscurves/driver.hpp"
#include "heeled_hulls.hpp"
#include "tests/support/scratch.hpp"

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

inline std::string TaskFileText(const TaskText& t) {
  std::vector<std::string> lines;
  for (int k = 1; k <= 11; ++k) lines.push_back("heading " + std::to_string(k));
  lines.insert(lines.end(), {t.DATAFILE, "DATADIR", t.DATADIR, "REPORTFILE", t.REPORTFILE, "OUTDIR", t.OUTDIR,
                             "heel angles", "HeelAngleCount", t.HeelAngleCount});
  lines.insert(lines.end(), t.HeelAngleLines.begin(), t.HeelAngleLines.end());
  lines.insert(lines.end(), {"WaterDensity", t.WaterDensity, "InclinedWaterlineCount", t.InclinedWaterlineCount,
                             "drawing", "CrossCurveDrawingAnswer", "E = yes", t.CrossCurveDrawingAnswer, "GZ",
                             "GzCurveAnswer", "E = yes", t.GzCurveAnswer, "RequestedDisplacement",
                             t.RequestedDisplacement, "loading", "KG, KM", "KG, KM", t.KGKM});
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

inline std::string Number(double v) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(12);
  s << v;
  return s.str();
}

// Offset table of stations at the given positions, all with the same
// section (the starboard offsets from the keel up).
inline std::string OffsetTableText(const std::vector<double>& positions, const std::vector<OffsetPoint>& half) {
  std::string t = "Test hull\r\n";
  for (std::size_t i = 0; i < positions.size(); ++i) {
    t += Number(positions[i]) + "\r\n";
    for (const OffsetPoint& p : half) t += Number(p.z) + ", " + Number(p.y) + ", " + Number(p.code) + "\r\n";
    t += i + 1 == positions.size() ? "0, 0, 9999\r\n" : "0, 0, 99\r\n";
  }
  return t;
}

inline std::vector<double> SevenStations() { return {0, 10, 20, 30, 40, 50, 60}; }

// One run of Pendrovix in a fresh working directory.
class ProgramRun {
 public:
  ProgramRun() : dir_("crosscurves-run") {}
  const std::filesystem::path& Dir() const { return dir_.Path(); }

  void Write(const std::string& name, const std::string& text) { testsupport::WriteFile(Dir() / name, text); }
  void WriteTask(const TaskText& t) { Write("Pendrovix.TSK", TaskFileText(t)); }
  void WriteHull(const std::vector<OffsetPoint>& half, const std::vector<double>& positions = SevenStations()) {
    Write("HULL.DAT", OffsetTableText(positions, half));
  }

  // Runs the program with the answers (one per line); returns its status.
  int Run(const std::string& answers = std::string()) {
    std::istringstream in(answers);
    out_.str("");
    err_.str("");
    platform::Session session(in, out_, err_, Dir());
    return platform::RunProgram(session, RunCrossCurvesProgram);
  }

  std::string Report(const std::string& name = "Pendrovix.SON") const { return testsupport::ReadFile(Dir() / name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Dir() / name); }
  std::string Terminal() const { return out_.str(); }
  std::string Errors() const { return err_.str(); }

 private:
  testsupport::ScratchDirectory dir_;
  std::ostringstream out_, err_;
};

}  // namespace cross::testing

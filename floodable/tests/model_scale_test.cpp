// The bundled example as its ship and as geometrically similar models: every
// length of the offset table and of the task file times k, the floodable
// lengths and centres of the model the ship's times k, nothing marked.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "box_fixture.hpp"
#include "floodable/driver.hpp"
#include "floodable/loading.hpp"
#include "floodable/task_file.hpp"
#include "floodable/trim_lines.hpp"
#include "tests/support/example_runs.hpp"

namespace flood {
namespace {

using namespace boxtest;

// Lines joined with CR LF ends, as the example's files have them.
std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

// The comma-separated numbers of a line, or none when an item is no number.
std::vector<double> NumbersOf(const std::string& line) {
  std::vector<double> values;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(',', start);
    if (end == std::string::npos) end = line.size();
    std::string item = line.substr(start, end - start);
    item.erase(0, item.find_first_not_of(' '));
    item.erase(item.find_last_not_of(' ') + 1);
    double v = 0;
    const auto r = std::from_chars(item.data(), item.data() + item.size(), v);
    if (item.empty() || r.ec != std::errc() || r.ptr != item.data() + item.size()) return {};
    values.push_back(v);
    start = end + 1;
  }
  return values;
}

// The line with its first `count` numbers times k, the rest as they are.
std::string Scaled(const std::vector<double>& v, std::size_t count, double k) {
  std::string line;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (i > 0) line += ", ";
    line += testsupport::Num(i < count ? v[i] * k : v[i]);
  }
  return line;
}

// The example's offset table with every height, half-breadth and position
// times k: a station's position line, its point lines (z, y, code) and the
// contours' (z, x, code); the title, the headings and the codes as they are.
std::string ScaledOffsetTable(const std::string& text, double k) {
  std::vector<std::string> lines = Lines(text);
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::vector<double> v = NumbersOf(lines[n]);
    if (v.size() == 1 || v.size() == 3) lines[n] = Scaled(v, 2, k);
  }
  return JoinLines(lines);
}

// The example's task file with L, the drafts, the zone limits and the
// bulkhead positions times k.
std::string ScaledTaskFile(const std::string& text, double k) {
  std::vector<std::string> lines = Lines(text);
  const auto line = [&](int n) -> std::string& { return lines.at(static_cast<std::size_t>(n - 1)); };
  const auto scale = [&](int n, std::size_t count) { line(n) = Scaled(NumbersOf(line(n)), count, k); };
  const int N = static_cast<int>(NumbersOf(line(23)).at(0));
  const int P = static_cast<int>(NumbersOf(line(30 + N)).at(0));
  const int K = static_cast<int>(NumbersOf(line(36 + N + P)).at(0));
  scale(20, 1);
  for (int m = 1; m <= N + 2; ++m) {
    if (m != N + 1) scale(26 + m, 2);  // the trim lines, then the load waterline on 28 + N
  }
  for (int p = 1; p <= P; ++p) scale(31 + N + p, 2);
  for (int b = 1; b <= K; ++b) scale(38 + N + P + b, 1);
  return JoinLines(lines);
}

// The example scaled by k, run from its task file to the combined graph.
struct ScaledRun {
  StepsResult result;
  FloodRun run;
};
ScaledRun RunScaledExample(double k) {
  ScaledRun s;
  FloodRun& run = s.run;
  s.result = RunSteps(
      [&](platform::Session& session, platform::OutputFile& report) {
        ReadTaskFile(session, run.task);
        LoadHullAndBonjeanData(session, run);
        NameTrimLines(run.task.TrimLineCount, run.trim.TrimLineNames);
        TrimmedDisplacements(session, report, run);
        ComputeFloodedWater(session, report, run);
        RunPermeabilities(session, report, run);
      },
      "",
      [k](const std::filesystem::path& dir) {
        const std::filesystem::path examples = testsupport::ExamplesDirectory();
        testsupport::WriteFile(dir / kTaskFileName,
                               ScaledTaskFile(testsupport::ReadFile(examples / kTaskFileName), k));
        testsupport::WriteFile(dir / "ORNEK.DAT", ScaledOffsetTable(testsupport::ReadFile(examples / "ORNEK.DAT"), k));
      });
  return s;
}

// The outcome line of every trim line's trials, in the report's order.
std::vector<std::string> TrialOutcomes(const std::string& report) {
  std::vector<std::string> outcomes;
  for (const std::string& line : Lines(report)) {
    if (line.find(". DENEMEDE BULUNMUSTUR") != std::string::npos || line.find(". YAKINSAMA OLMAMISTIR") != std::string::npos)
      outcomes.push_back(line);
  }
  return outcomes;
}

TEST(ModelScaleTest, TheScaledTextsHoldTheShipsNumbersTimesK) {
  EXPECT_EQ(ScaledOffsetTable("title 1, 2\r\n5\r\n2.565, 0.014, 1\r\n0, 0, 99\r\nKIC BODOSLAMA: z, x\r\n", 0.5),
            "title 1, 2\r\n2.5\r\n1.2825, 0.007, 1\r\n0, 0, 99\r\nKIC BODOSLAMA: z, x\r\n");
  const std::string task = ScaledTaskFile(testsupport::ReadFile(testsupport::ExamplesDirectory() / kTaskFileName), 0.01);
  const std::vector<std::string> lines = Lines(task);
  EXPECT_EQ(lines.at(19), "1");             // L
  EXPECT_EQ(lines.at(26), "0.105, 0.06");   // 2A
  EXPECT_EQ(lines.at(32), "0.065, 0.065");  // the load waterline
  EXPECT_EQ(lines.at(37), "0.15, 0.85, 60");
  EXPECT_EQ(lines.back(), "0.92");          // the last bulkhead
}

// At k = 0.01 three of the seven 95 % points, at k = 0.005 fifteen of the 21
// points were once marked as not converged: a guard of fixed volume in the
// second centroid moved a model's centroid by more than the tolerance of its
// acceptance.  Every point is found in as many trials as the ship's, and is
// the ship's times k within 5e-5 L at k = 0.01 and 3.5e-4 L at k = 0.005
// (measured 2.5e-5 L and 1.7e-4 L: the Bonjean levels of the model carry the
// fixed guards of the section splines, its level table the fixed flatness
// test of the three-point parabola, and the flooded water's centre, a
// difference of two moments, multiplies their error by ten).
TEST(ModelScaleTest, AModelOfTheExampleGivesTheShipsFloodableLengthsTimesK) {
  const ScaledRun ship = RunScaledExample(1);
  ASSERT_EQ(ship.result.status, 0) << ship.result.err;
  const double L = ship.run.task.ShipLength;
  ASSERT_EQ(TrialOutcomes(ship.result.report).size(), 15u);
  const struct {
    double k, tolerance;
  } cases[] = {{0.01, 5e-5}, {0.005, 3.5e-4}};
  for (const auto& c : cases) {
    const double k = c.k;
    const ScaledRun model = RunScaledExample(k);
    ASSERT_EQ(model.result.status, 0) << model.result.err;
    EXPECT_EQ(model.result.report.find("YAKINSAMA OLMAMISTIR"), std::string::npos) << k;
    EXPECT_EQ(TrialOutcomes(model.result.report), TrialOutcomes(ship.result.report)) << k;
    EXPECT_EQ(model.result.err.find("YAKINSAMA OLMAMISTIR"), std::string::npos) << k << model.result.err;
    const CurvePoints& a = ship.run.curves;
    const CurvePoints& b = model.run.curves;
    ASSERT_EQ(b.CurvePointCount, a.CurvePointCount);
    for (int p = 1; p <= ship.run.task.PermeabilityCount; ++p) {
      for (int n = 1; n <= a.CurvePointCount; ++n) {
        const std::string where = "k " + testsupport::Num(k) + ", permeability " + std::to_string(p) + ", point " +
                                  std::to_string(n);
        EXPECT_EQ(a.CurvePointNotFound(n, p), 0) << where;
        EXPECT_EQ(b.CurvePointNotFound(n, p), 0) << where;
        const double dx = std::fabs(b.CurvePointX(n, p) / k - a.CurvePointX(n, p)) / L;
        const double dl = std::fabs(b.CurvePointLength(n, p) / k - a.CurvePointLength(n, p)) / L;
        EXPECT_LT(dx, c.tolerance) << where;
        EXPECT_LT(dl, c.tolerance) << where;
      }
    }
  }
}

}  // namespace
}  // namespace flood

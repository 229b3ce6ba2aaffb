// "BONJEAN.SON", "ZAZURI.DAT" with the hand-over to the curve scripts, and
// the closing prompt.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "closed_form_hulls.hpp"
#include "common/numerics/format.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/result_steps.hpp"
#include "hydrostatics/tables.hpp"

namespace hydro {
namespace {

using testing::BoxBarge;
using testing::ReadLines;
using testing::RecordNumbers;

// A session in a fresh working directory, answering every question with its
// default.
struct Room {
  testsupport::ScratchDirectory dir{"hydro-results"};
  std::istringstream in;
  std::ostringstream out, err;
  platform::Session session{in, out, err, dir};
  ~Room() { session.Finish(); }
};

TEST(BonjeanFile, CountsDraftsAndAreasStandInTheirColumns) {
  std::vector<double> drafts;
  for (int j = 1; j <= 12; ++j) drafts.push_back(0.5 * j);
  auto run = BoxBarge(drafts, 4, 0, "T", 100, 20, 21);
  run->hull.StationPos(2) = 7.5;
  run->sections.BonjeanArea(2, 1) = 12.3456;
  run->sections.BonjeanArea(3, 1) = 1234.5;
  Room room;
  WriteBonjeanFile(room.session, *run);
  const auto lines = ReadLines(room.dir / "BONJEAN.SON");
  ASSERT_EQ(lines.size(), 2u + 21u);
  EXPECT_EQ(lines[0], " 21            12 ");
  std::string drafts2(9, ' ');
  for (int j = 1; j <= 12; ++j) drafts2 += " " + FormatNumber(0.5 * j, 3, 3);
  EXPECT_EQ(lines[1], drafts2);
  EXPECT_EQ(lines[1].substr(0, 17), "            0.500");
  EXPECT_EQ(lines[3].substr(0, 17), "    7.500  12.346");
  // The first station: its position in 9 columns, then 12 area columns of 8.
  EXPECT_EQ(lines[2].size(), 9u + 12u * 8u);
  EXPECT_EQ(lines[2].substr(0, 17), "    0.000  10.000");
  // An area too wide for its column is shown whole and shifts the rest.
  EXPECT_EQ(lines[4].substr(0, 19), "   10.000 1234.500%");
  EXPECT_EQ(lines[4].size(), lines[2].size() + 2);
}

TEST(BonjeanFile, TrimmedRunWritesOneColumnAndNoCurveData) {
  auto run = BoxBarge({3}, 1);
  run->run.TrimmedFlag = 1;
  run->task.CurveScriptFlag = 1;
  Room room;
  WriteBonjeanFile(room.session, *run);
  WriteHydrostaticCurvesData(room.session, *run);
  const auto lines = ReadLines(room.dir / "BONJEAN.SON");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], " 11" + std::string(12, ' ') + "1 ");
  EXPECT_EQ(lines[1], std::string(12, ' ') + "3.000");
  EXPECT_EQ(lines[12], "  100.000  60.000");
  EXPECT_FALSE(std::filesystem::exists(room.dir / "ZAZURI.DAT"));
  EXPECT_FALSE(std::filesystem::exists(room.dir / "ZAZURI1.SCR"));
  EXPECT_FALSE(std::filesystem::exists(room.dir / "ZAZURI2.SCR"));
}

TEST(CurveData, WithoutCurvesAnEarlierFileStaysAsItWas) {
  auto run = BoxBarge({2, 4}, 2);
  run->task.CurveScriptFlag = 0;
  Room room;
  {
    std::ofstream old(room.dir / "ZAZURI.DAT", std::ios::binary);
    old << "earlier run\r\n";
  }
  WriteHydrostaticCurvesData(room.session, *run);
  EXPECT_EQ(ReadLines(room.dir / "ZAZURI.DAT"), std::vector<std::string>{"earlier run"});
  EXPECT_FALSE(std::filesystem::exists(room.dir / "ZAZURI1.SCR"));
}

TEST(CurveData, BoxBargeRecordsCarryTheClosedFormsAndFeedTheScripts) {
  const double L = 100, B = 20, rho = 1.025;
  auto run = BoxBarge({1, 2, 3, 4, 5, 6, 7, 8}, 5);
  ComputeHydrostaticTableI(*run);
  ComputeHydrostaticTableII(*run);
  Room room;
  run->run.TaskDirectory = room.session.TaskDirectory();
  WriteHydrostaticCurvesData(room.session, *run);
  const auto lines = ReadLines(room.dir / "ZAZURI.DAT");
  const int N = 11, W = 8;
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(1 + N + W + N * W + W + W));
  EXPECT_EQ(lines[0], "11,8,100,6");
  EXPECT_EQ(lines[1], "0");
  EXPECT_EQ(lines[2], "10");
  EXPECT_EQ(lines[static_cast<std::size_t>(1 + N)], "1");
  // Station 1, waterline 2: area B T and moment B T^2 / 2.
  EXPECT_EQ(lines[static_cast<std::size_t>(1 + N + W + 1)], "40,40");
  for (int j = 1; j <= W; ++j) {
    const double T = j, V = L * B * T;
    const double BM = B * B / (12 * T), BML = L * L / (12 * T);
    const auto first = RecordNumbers(lines[static_cast<std::size_t>(1 + N + W + N * W + j - 1)]);
    const auto second = RecordNumbers(lines[static_cast<std::size_t>(1 + N + W + N * W + W + j - 1)]);
    ASSERT_EQ(first.size(), 8u);
    ASSERT_EQ(second.size(), 9u);
    const std::vector<double> exactFirst{V, rho * V, 1, 1, 1, T / 2, L / 2, B * T + 2 * L * (B / 2 + T)};
    const std::vector<double> exactSecond{L * B,          L / 2,          1,
                                          BM,             T / 2 + BM,     BML,
                                          T / 2 + BML,    L * B * rho / 100, rho * V * BML / (100 * L)};
    for (std::size_t k = 0; k < 8; ++k) {
      EXPECT_NEAR(first[k], exactFirst[k], 1e-5 * std::fabs(exactFirst[k])) << "waterline " << j << " item " << k;
    }
    for (std::size_t k = 0; k < 9; ++k) {
      EXPECT_NEAR(second[k], exactSecond[k], 1e-5 * std::fabs(exactSecond[k])) << "waterline " << j << " item " << k;
    }
  }
  // The curve scripts were drawn from it.
  EXPECT_TRUE(std::filesystem::exists(room.dir / "ZAZURI1.SCR"));
  EXPECT_TRUE(std::filesystem::exists(room.dir / "ZAZURI2.SCR"));
}

TEST(FinishRun, ClosingPromptEndsTheRunWhateverTheAnswer) {
  for (const char* answer : {"", "x\n"}) {
    Room room;
    room.in.str(answer);
    FinishRun(room.session);
    const std::string text = room.out.str();
    EXPECT_NE(text.find("== PROGRAM SONU =="), std::string::npos);
    EXPECT_NE(text.find("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ"), std::string::npos);
    EXPECT_NE(text.find("[default: 0]"), std::string::npos);
  }
}

// The bundled example (even keel, curves asked for) run as the README runs
// it, with no input: both data files are written completely beside the report.
TEST(ResultFiles, BundledExampleWritesBonjeanAndCurveData) {
  const char* env = std::getenv("SUITE_EXAMPLES_DIR");
  const std::filesystem::path examples =
      env != nullptr ? std::filesystem::path(env)
                     : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
  const testsupport::ScratchDirectory scratch("kormelant-example-results");
  const auto& dir = scratch.Path();
  std::filesystem::copy(examples, dir, std::filesystem::copy_options::recursive);
  const std::string command =
      "cd '" + dir.string() + "' && '" + std::string(KORMELANT_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0);
  // 21 stations; waterlines 0.5 to 8 m in steps of 0.5 m (the mean draft of
  // 6.5 m among them).
  const std::size_t N = 21, W = 16;
  const auto bonjean = ReadLines(dir / "BONJEAN.SON");
  ASSERT_EQ(bonjean.size(), 2 + N);
  EXPECT_EQ(bonjean[0], " 21            16 ");
  EXPECT_EQ(bonjean[1].size(), 9 + 8 * W);
  const auto zazuri = ReadLines(dir / "ZAZURI.DAT");
  ASSERT_EQ(zazuri.size(), 1 + N + W + N * W + 2 * W);
  EXPECT_EQ(zazuri[0], "21,16,100,11");
  EXPECT_EQ(zazuri[1 + N + W - 1], "8");
  EXPECT_EQ(RecordNumbers(zazuri.back()).size(), 9u);
  EXPECT_TRUE(std::filesystem::exists(dir / "ZAZURI1.SCR"));
  EXPECT_TRUE(std::filesystem::exists(dir / "ZAZURI2.SCR"));
  const auto terminal = testsupport::ReadFile(dir / "terminal.txt");
  EXPECT_NE(terminal.find("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ"), std::string::npos);
}

}  // namespace
}  // namespace hydro

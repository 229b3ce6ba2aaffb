// "BONJEAN.SON", "ZAZURI.DAT" with the hand-over to the curve scripts, and
// the closing prompt.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "closed_form_hulls.hpp"
#include "common/numerics/format.hpp"
#include "common/platform/run_program.hpp"
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
  ~Room() { session.Finish(true); }
};

TEST(BonjeanFile, CountsDraftsAndAreasStandInTheirColumns) {
  std::vector<double> drafts;
  for (int j = 1; j <= 12; ++j) drafts.push_back(0.5 * j);
  auto run = BoxBarge(drafts, 4, 0, "T", 100, 20, 21);
  run.hull.StationPos(2) = 7.5;
  run.sections.BonjeanArea(2, 1) = 12.3456;
  run.sections.BonjeanArea(3, 1) = 1234.5;
  Room room;
  WriteBonjeanFile(room.session, run);
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
  run.run.TrimmedFlag = 1;
  run.task.CurveScriptFlag = 1;
  Room room;
  WriteBonjeanFile(room.session, run);
  WriteHydrostaticCurvesData(room.session, run);
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
  run.task.CurveScriptFlag = 0;
  Room room;
  {
    std::ofstream old(room.dir / "ZAZURI.DAT", std::ios::binary);
    old << "earlier run\r\n";
  }
  WriteHydrostaticCurvesData(room.session, run);
  EXPECT_EQ(ReadLines(room.dir / "ZAZURI.DAT"), std::vector<std::string>{"earlier run"});
  EXPECT_FALSE(std::filesystem::exists(room.dir / "ZAZURI1.SCR"));
}

TEST(CurveData, BoxBargeRecordsCarryTheClosedFormsAndFeedTheScripts) {
  const double L = 100, B = 20, rho = 1.025;
  auto run = BoxBarge({1, 2, 3, 4, 5, 6, 7, 8}, 5);
  ComputeHydrostaticTables(run);
  Room room;
  run.run.TaskDirectory = room.session.TaskDirectory();
  WriteHydrostaticCurvesData(room.session, run);
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
    // The records carry the tables at full precision: the closed forms but
    // for the guard bias of the integration along the 11 stations (measured
    // 1.95e-6 at most, of Cp), and LCB and LCF 5.6e-6 m forward.
    for (std::size_t k = 0; k < 8; ++k) {
      EXPECT_NEAR(first[k], exactFirst[k], 2.5e-6 * std::fabs(exactFirst[k])) << "waterline " << j << " item " << k;
    }
    for (std::size_t k = 0; k < 9; ++k) {
      EXPECT_NEAR(second[k], exactSecond[k], 2.5e-6 * std::fabs(exactSecond[k])) << "waterline " << j << " item " << k;
    }
  }
  // The curve scripts were drawn from it.
  EXPECT_TRUE(std::filesystem::exists(room.dir / "ZAZURI1.SCR"));
  EXPECT_TRUE(std::filesystem::exists(room.dir / "ZAZURI2.SCR"));
}

// A number that is not finite never reaches a result file: each writer stops
// the run as a data error naming its file and the quantity, before it writes
// anything of the file.
TEST(ResultFiles, NumbersThatAreNotFiniteStopEachWriterNamingFileAndQuantity) {
  struct Case {
    const char* name;
    void (*spoil)(HydroRun&);
    void (*write)(platform::Session&, HydroRun&);
    const char* file;
    const char* message;
  };
  const Case cases[] = {
      {"BONJEAN.SON", [](HydroRun& r) { r.sections.BonjeanArea(2, 2) = std::nan(""); },
       [](platform::Session& s, HydroRun& r) { WriteBonjeanFile(s, r); }, "BONJEAN.SON",
       "\"BONJEAN.SON\" dosyasina yazilacak Bonjean alani, posta 2, su hatti 2 sonlu bir sayi degil: tanimsiz (NaN)"},
      {"ZAZURI.DAT", [](HydroRun& r) { r.tables.BM(2) = HUGE_VAL; },
       [](platform::Session& s, HydroRun& r) { WriteHydrostaticCurvesData(s, r); }, "ZAZURI.DAT",
       "\"ZAZURI.DAT\" dosyasina yazilacak BM, su hatti 2 sonlu bir sayi degil: sonsuz (+Inf)"},
      {"ZAZURI.DAT moment", [](HydroRun& r) { r.sections.BonjeanMoment(11, 1) = -HUGE_VAL; },
       [](platform::Session& s, HydroRun& r) { WriteHydrostaticCurvesData(s, r); }, "ZAZURI.DAT",
       "yazilacak Bonjean momenti, posta 11, su hatti 1 sonlu bir sayi degil: sonsuz (-Inf)"},
      {"report", [](HydroRun& r) { r.sections.BonjeanMoment(4, 2) = std::nan(""); },
       [](platform::Session& s, HydroRun& r) {
         platform::OutputFile& report = s.CreateOutput("RAPOR.TXT");
         report.Line("heading");
         PrintBonjeanTable(report, r);
       },
       nullptr, "\"RAPOR.TXT\" dosyasina yazilacak Bonjean momenti, posta 4, su hatti 2 sonlu bir sayi degil"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto run = BoxBarge({2, 4}, 2);
    run.task.CurveScriptFlag = 1;
    ComputeHydrostaticTables(run);
    c.spoil(run);
    Room room;
    run.run.TaskDirectory = room.session.TaskDirectory();
    const int status = platform::RunProgram(room.session, [&](platform::Session& s) { c.write(s, run); });
    EXPECT_EQ(status, 1);
    EXPECT_NE(room.err.str().find(c.message), std::string::npos) << room.err.str();
    if (c.file != nullptr) {
      EXPECT_FALSE(std::filesystem::exists(room.dir / c.file));
    } else {
      EXPECT_EQ(testsupport::ReadFile(room.dir / "RAPOR.TXT"), "heading\r\n");
    }
  }
}

// The closing prompt reads one answer, and no answer (not even a yes) stops
// the run: it ends normally.
TEST(FinishRun, ClosingPromptTakesOneAnswerAndTheRunEndsNormally) {
  for (const char* answer : {"", "E\n", "x\n"}) {
    Room room;
    room.in.str(std::string(answer) + "left for later\n");
    EXPECT_EQ(platform::RunProgram(room.session, FinishRun), 0) << answer;
    const std::string text = room.out.str();
    EXPECT_NE(text.find("== PROGRAM SONU =="), std::string::npos);
    EXPECT_NE(text.find("PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ\n[default: 0] > "),
              std::string::npos);
    std::string rest;
    std::getline(room.in, rest);
    EXPECT_EQ(rest, *answer ? "left for later" : "") << answer;
  }
}

}  // namespace
}  // namespace hydro

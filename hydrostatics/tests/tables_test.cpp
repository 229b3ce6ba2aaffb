// Hydrostatic tables of ship and model, read back from the report, against
// the closed forms of a box barge and a Wigley-type hull.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <memory>

#include "closed_form_hulls.hpp"
#include "common/numerics/curves.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/result_steps.hpp"
#include "hydrostatics/tables.hpp"
#include "run_fixture.hpp"
#include "tests/support/hulls.hpp"

namespace hydro {
namespace {

using testing::BoxBarge;
using testing::Numbers;
using testing::PrintTolerance;
using testing::Report;
using testing::TableRows;
using testing::WigleyHull;

const char* const kShipTableI = "                HYDROSTATIC CALCULATIONS - I - (SHIP)                                   ";
const char* const kShipTableII = "                HYDROSTATIC CALCULATIONS - II - (SHIP)                             ";
const char* const kModelTableI = "                HYDROSTATIC CALCULATIONS - I - (MODEL)                            ";
const char* const kModelTableII = "                    WATER PLANE CALCULATIONS - MODEL                      ";

std::vector<std::string> TablesReport(HydroRun& run) {
  ComputeHydrostaticTables(run);
  return Report([&](platform::OutputFile& f) {
    PrintHydrostaticTablesFirstHalf(f, run);
    PrintHydrostaticTablesSecondHalf(f, run);
  });
}

// One printed column: its value, the value it must have and its decimals.
struct Column {
  const char* name;
  double printed;
  double exact;
  int decimals;
};

void ExpectColumns(const std::vector<Column>& columns, double relative, const std::string& where) {
  for (const Column& c : columns) {
    EXPECT_NEAR(c.printed, c.exact, PrintTolerance(c.exact, c.decimals, relative)) << where << " " << c.name;
  }
}

// Rows of hydrostatic tables I and II of a box barge L x B at draft T, as
// printed, against their closed forms; `girth` is the girth of one side at T.
void ExpectBoxBargeRows(const std::vector<double>& a, const std::vector<double>& b, double L, double B, double T,
                        double rho, double girth, const std::string& where) {
  const double V = L * B * T, S = B * T + 2 * L * girth;
  const double BM = B * B / (12 * T), BML = L * L / (12 * T);
  const double T1 = L * B * rho / 100, MT1 = rho * V * BML / (100 * L), W1 = (L / 2) * 100 * T1 / L;
  ASSERT_EQ(a.size(), 12u) << where;
  ASSERT_EQ(b.size(), 12u) << where;
  ExpectColumns({{"T", a[1], T, 3},
                 {"V", a[2], V, 2},
                 {"D", a[3], rho * V, 2},
                 {"Cb", a[4], 1, 3},
                 {"Cm", a[5], 1, 3},
                 {"Cp", a[6], 1, 3},
                 {"KB", a[7], T / 2, 2},
                 {"LCB", a[8], L / 2, 2},
                 {"S", a[9], S, 3},
                 {"Lwl", a[10], L, 3},
                 {"Bwl", a[11], B, 3}},
                1e-5, where);
  ExpectColumns({{"T", b[1], T, 2},
                 {"A", b[2], L * B, 1},
                 {"LCF", b[3], L / 2, 2},
                 {"Cwp", b[4], 1, 3},
                 {"BM", b[5], BM, 2},
                 {"KM", b[6], T / 2 + BM, 2},
                 {"BML", b[7], BML, 1},
                 {"KML", b[8], T / 2 + BML, 1},
                 {"T1", b[9], T1, 3},
                 {"MT1", b[10], MT1, 1},
                 {"W1", b[11], W1, 1}},
                1e-5, where);
}

TEST(HydrostaticTables, BoxBargeShipTablesFollowTheClosedForms) {
  const double L = 100, B = 20, rho = 1.025;
  auto run = BoxBarge({1, 2, 3, 4, 5, 6, 7, 8}, 5);
  const auto lines = TablesReport(*run);
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsI.size(), 8u);
  ASSERT_EQ(rowsII.size(), 8u);
  for (int j = 1; j <= 8; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    const auto a = Numbers(rowsI[k]);
    EXPECT_EQ(a.at(0), j);
    ExpectBoxBargeRows(a, Numbers(rowsII[k]), L, B, j, rho, B / 2 + j, "waterline " + std::to_string(j));
  }
}

TEST(HydrostaticTables, ShellPlatingAddsALayerOverTheWettedSurface) {
  auto run = BoxBarge({2, 4}, 2);
  run->run.ShellThickness = 0.012;  // 12 mm in the task file
  const auto lines = TablesReport(*run);
  const auto rows = TableRows(lines, kShipTableI);
  ASSERT_EQ(rows.size(), 2u);
  const double S = 20 * 4 + 2 * 100 * (10 + 4);
  const double V = 100 * 20 * 4 + 0.012 * S;
  const auto a = Numbers(rows[1]);
  EXPECT_NEAR(a[2], V, PrintTolerance(V, 2));
  EXPECT_NEAR(a[4], V / (4 * 100 * 20), PrintTolerance(1, 3));
  // KB takes the plated volume, LCB the moulded areas.
  EXPECT_NEAR(a[7], 100 * 20 * 8 / V, PrintTolerance(2, 2));
  EXPECT_NEAR(a[8], 50, PrintTolerance(50, 2));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "AVERAGE SHELL THICKNESS =  12.00 mm"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DENSITY OF SALT WATER = 1.025 tons/m3"), lines.end());
}

// Appendage strips at the waterline: the waterplane of a station is the strip
// between the deducted and the outer half-breadth on each side.
TEST(HydrostaticTables, DeductedHalfBreadthsLeaveTheStripsOfTheWaterplane) {
  const double L = 100, inner = 4, outer = 10;
  auto run = BoxBarge({2, 4}, 2);
  for (int i = 1; i <= run->hull.StationCount; ++i) {
    for (int j = 1; j <= 2; ++j) run->sections.DeductedHalfBreadth(i, j) = inner;
  }
  const auto rows = TableRows(TablesReport(*run), kShipTableII);
  ASSERT_EQ(rows.size(), 2u);
  const auto b = Numbers(rows[1]);
  const double A = 2 * L * (outer - inner);
  const double IT = 2.0 / 3.0 * L * (outer * outer * outer - inner * inner * inner);
  const double V = L * 20 * 4;
  EXPECT_NEAR(b[2], A, PrintTolerance(A, 1));
  EXPECT_NEAR(b[3], L / 2, PrintTolerance(L / 2, 2));
  EXPECT_NEAR(b[4], A / (L * 20), PrintTolerance(0.6, 3));
  EXPECT_NEAR(b[5], IT / V, PrintTolerance(IT / V, 2));
  EXPECT_NEAR(b[7], (A * L * L / 12) / V, PrintTolerance(A * L * L / 12 / V, 1));
}

// Rows of tables I and II of a Wigley-type hull L x B at its design draft Td,
// as printed, against their closed forms.
void ExpectWigleyRows(const std::vector<double>& a, const std::vector<double>& b, double L, double B, double Td) {
  ASSERT_EQ(a.size(), 12u);
  ASSERT_EQ(b.size(), 12u);
  // Areas and half-breadths are parabolic along the length, which the
  // integration along the stations takes exactly (to its divisor guard):
  // volume, waterplane and the coefficients to their last printed digit.
  auto exact = [](double printed, double value, int decimals, const char* name) {
    EXPECT_NEAR(printed, value, PrintTolerance(value, decimals)) << name;
  };
  exact(a[2], 4.0 / 9.0 * L * B * Td, 2, "V");
  exact(a[4], 4.0 / 9.0, 3, "Cb");
  exact(a[5], 2.0 / 3.0, 3, "Cm");
  exact(a[6], 2.0 / 3.0, 3, "Cp");
  exact(b[2], 2.0 / 3.0 * L * B, 1, "A");
  exact(b[4], 2.0 / 3.0, 3, "Cwp");
  // Centres and radii integrate cubes and higher powers: within 0.5 %.
  auto within = [](double printed, double value, int decimals, const char* name) {
    EXPECT_NEAR(printed, value, std::max(0.005 * std::fabs(value), 0.5 * std::pow(10.0, -decimals))) << name;
  };
  within(a[7], 5.0 * Td / 8.0, 2, "KB");
  within(a[8], L / 2, 2, "LCB");
  within(b[3], L / 2, 2, "LCF");
  within(b[5], 3.0 * B * B / (35.0 * Td), 2, "BM");
  within(b[7], 3.0 * L * L / (40.0 * Td), 1, "BML");
}

TEST(HydrostaticTables, WigleyHullGivesItsFormCoefficientsAndRadii) {
  const double L = 100, B = 10, Td = 6;
  auto run = WigleyHull(L, B, Td, {3, 6}, 2);
  const auto lines = TablesReport(*run);
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsI.size(), 2u);
  ASSERT_EQ(rowsII.size(), 2u);
  ExpectWigleyRows(Numbers(rowsI[1]), Numbers(rowsII[1]), L, B, Td);
}

TEST(HydrostaticTables, ModelTablesFollowTheShipByPowersOfTheScale) {
  const double L = 100, B = 20, rho = 1.025, M = 1.0 / 20;
  auto run = BoxBarge({2, 4, 6}, 2, 20);
  const auto lines = TablesReport(*run);
  const auto shipI = TableRows(lines, kShipTableI);
  const auto modelI = TableRows(lines, kModelTableI);
  const auto modelII = TableRows(lines, kModelTableII);
  ASSERT_EQ(modelI.size(), 3u);
  ASSERT_EQ(modelII.size(), 3u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "                         SCALE=1/ 20.00"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DENSITY OF FRESH WATER = 1 tons/m3"), lines.end());
  for (int j = 1; j <= 3; ++j) {
    const double T = 2.0 * j;
    const double V = L * B * T, S = B * T + 2 * L * (B / 2 + T);
    const double BM = B * B / (12 * T), BML = L * L / (12 * T);
    const double T1 = L * B * rho / 100, MT1 = rho * V * BML / (100 * L), W1 = (L / 2) * 100 * T1 / L;
    const std::string where = "model waterline " + std::to_string(j);
    const auto a = Numbers(modelI[static_cast<std::size_t>(j - 1)]);
    ASSERT_EQ(a.size(), 12u) << modelI[static_cast<std::size_t>(j - 1)];
    ExpectColumns({{"T", a[1], M * T, 3},
                   {"V", a[2], M * M * M * V, 3},
                   {"D (fresh water)", a[3], M * M * M * V, 5},
                   {"Cb", a[4], 1, 3},
                   {"Cm", a[5], 1, 3},
                   {"Cp", a[6], 1, 3},
                   {"KB", a[7], M * T / 2, 3},
                   {"LCB", a[8], M * L / 2, 3},
                   {"S", a[9], M * M * S, 4},
                   {"Lwl", a[10], M * L, 3},
                   {"Bwl", a[11], M * B, 3}},
                  1e-5, where);
    const auto b = Numbers(modelII[static_cast<std::size_t>(j - 1)]);
    ASSERT_EQ(b.size(), 12u) << modelII[static_cast<std::size_t>(j - 1)];
    ExpectColumns({{"T", b[1], M * T, 3},
                   {"A", b[2], M * M * L * B, 4},
                   {"LCF", b[3], M * L / 2, 2},
                   {"Cwp", b[4], 1, 3},
                   {"BM", b[5], M * BM, 3},
                   {"KM", b[6], M * (T / 2 + BM), 3},
                   {"BML", b[7], M * BML, 3},
                   {"KML", b[8], M * (T / 2 + BML), 3},
                   {"T1 kg/cm", b[9], 1000 * M * M * T1, 2},
                   {"MT1 kg*m", b[10], 1000 * M * M * M * MT1, 3},
                   {"W1 kg", b[11], 1000 * M * M * W1, 2}},
                  1e-5, where);
    // The model's MT1 from its own printed particulars: displacement (with
    // the ship's water, as T1 and W1) times BML over the model's length.
    const double ownMT1 = 1000 * rho * a[2] * b[7] / (100 * M * L);
    EXPECT_NEAR(b[10], ownMT1, 0.002 * ownMT1) << where;
    // The ship's table is unchanged by the model's.
    EXPECT_NEAR(Numbers(shipI[static_cast<std::size_t>(j - 1)])[2], V, PrintTolerance(V, 2));
  }
}

TEST(HydrostaticTables, WithoutModelScaleTheModelTablesAreAbsent) {
  auto run = BoxBarge({2, 4}, 2);
  const auto lines = TablesReport(*run);
  for (const auto& line : lines) {
    EXPECT_EQ(line.find("MODEL"), std::string::npos) << line;
    EXPECT_EQ(line.find("FRESH"), std::string::npos) << line;
  }
}

// A waterline at the flat bottom (no volume, a full waterplane, the midship
// coefficient undefined) and a zero length between perpendiculars: every
// quotient either has its guard or prints 0, never inf or nan.
TEST(HydrostaticTables, UndefinedQuotientsNeverReachTheReport) {
  auto run = BoxBarge({0, 2}, 2, 20);
  for (int i = 1; i <= run->hull.StationCount; ++i) {
    run->sections.BonjeanArea(i, 1) = 0;
    run->sections.BonjeanMoment(i, 1) = 0;
  }
  run->sections.Cm(1) = std::nan("");
  run->sections.WettedSurface(1) = 2000;
  auto check = [](const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
      for (const char* bad : {"nan", "inf", "NaN", "INF", "NAN", "Inf"}) {
        EXPECT_EQ(line.find(bad), std::string::npos) << line;
      }
    }
  };
  auto lines = TablesReport(*run);
  check(lines);
  auto rowsI = TableRows(lines, kShipTableI);
  ASSERT_EQ(rowsI.size(), 2u);
  const auto a = Numbers(rowsI[0]);
  EXPECT_EQ(a[2], 0);  // V
  EXPECT_EQ(a[5], 0);  // Cm
  EXPECT_EQ(a[6], 0);  // Cp
  EXPECT_EQ(a[7], 0);  // KB
  EXPECT_EQ(a[8], 0);  // LCB: no area
  // The whole waterplane over no volume: no metacentric radius, and the row
  // keeps its columns.
  const auto rowsIIFlat = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsIIFlat.size(), 2u);
  EXPECT_EQ(rowsIIFlat[0].size(), 82u) << rowsIIFlat[0];
  const auto f = Numbers(rowsIIFlat[0]);
  EXPECT_EQ(f[2], 2000);  // A
  EXPECT_EQ(f[5], 0);     // BM
  EXPECT_EQ(f[6], 0);     // KM
  EXPECT_EQ(f[7], 0);     // BML
  EXPECT_EQ(f[8], 0);     // KML
  const auto modelRows = TableRows(lines, kModelTableII);
  ASSERT_EQ(modelRows.size(), 2u);
  EXPECT_EQ(modelRows[0].size(), 80u) << modelRows[0];

  run = BoxBarge({2, 4}, 1, 20);
  run->task.Lbp = 0;
  lines = TablesReport(*run);
  check(lines);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsII.size(), 2u);
  const auto b = Numbers(rowsII[0]);
  EXPECT_EQ(b[10], 0);  // MT1
  EXPECT_EQ(b[11], 0);  // W1

  // Scale denominators far below 1: the powers of the scale overflow (the
  // last one makes the scale itself infinite).
  for (const double denominator : {1e-100, 1e-320}) {
    run = BoxBarge({2, 4}, 2, denominator);
    lines = TablesReport(*run);
    check(lines);
    EXPECT_EQ(TableRows(lines, kModelTableII).size(), 2u) << denominator;
  }
}

// ---------------------------------------------------------------------------
// The whole program on a box barge 100 x 20 x 12 m written as a task file and
// an offset table.

struct ProgramRun {
  // Removed with the run, even when an assertion ends the test early.
  std::unique_ptr<testsupport::ScratchDirectory> scratch = std::make_unique<testsupport::ScratchDirectory>(
      "kormelant-program");
  std::filesystem::path dir = scratch->Path();
  int status = -1;
};

// Runs Kormelant in a fresh working directory on `hull`, every question
// answered with its default.
ProgramRun RunProgramOnHull(const testsupport::Hull& hull, const std::string& dimensions, const std::string& drafts,
                            const std::string& waterlines, const std::string& language, const std::string& scale) {
  ProgramRun r;
  testsupport::WriteOffsetTable(r.dir / "HULL.DAT", hull);
  runtest::TaskText task;
  task.Dimensions = dimensions;
  task.Drafts = drafts;
  task.ModelScale = scale;
  task.Waterlines = waterlines;
  task.Language = language;
  task.LabelScale = "10";
  task.CurveScriptFlag = "1";
  runtest::WriteTaskFile(r.dir / "Kormelant.TSK", task);
  const std::string command =
      "cd '" + r.dir.string() + "' && '" + std::string(KORMELANT_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return r;
}

ProgramRun RunBoxBargeProgram(const std::string& drafts, const std::string& language, const std::string& scale) {
  const testsupport::Hull hull = testsupport::PrismaticHull(testsupport::BoxSection(10, 0, 12), 11, 100, 0, 12);
  return RunProgramOnHull(hull, "100, 10, 12", drafts, "0, 8, 1", language, scale);
}

// Girth of a box station of half-breadth 10 and height 12 at draft T as the
// girth integration measures it: 100 samples over the height, each interval
// integrated on five points with the guard of the unequal-spacing rule.
double BoxGirth(double T) {
  const double spacing = 12.0 / 99.0;
  numerics::Vec z(5), one(5);
  for (int b = 1; b <= 5; ++b) {
    z(b) = (b - 1) * spacing / 4;
    one(b) = 1;
  }
  double step = 0;
  numerics::IntegrateUnequalSimpson(5, z, one, step, kHydrostaticsForms.simpsonGuard);
  return 10 + T * step / spacing;
}

TEST(HydrostaticsProgram, BoxBargeEvenKeelTablesFollowTheClosedForms) {
  const double L = 100, B = 20, rho = 1.025, M = 1.0 / 20;
  const ProgramRun r = RunBoxBargeProgram("5, 5", "I", "20");
  ASSERT_EQ(r.status, 0) << testing::ReadLines(r.dir / "terminal.txt").size();
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  const auto modelII = TableRows(lines, kModelTableII);
  ASSERT_EQ(rowsI.size(), 8u);
  ASSERT_EQ(rowsII.size(), 8u);
  ASSERT_EQ(modelII.size(), 8u);
  const auto zazuri = testing::ReadLines(r.dir / "ZAZURI.DAT");
  const std::size_t N = 11, W = 8, firstRecords = 1 + N + W + N * W;
  ASSERT_EQ(zazuri.size(), firstRecords + 2 * W);
  for (int j = 1; j <= 8; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    const double T = j, V = L * B * T;
    const double S = B * T + 2 * L * BoxGirth(T);
    const double BM = B * B / (12 * T), BML = L * L / (12 * T);
    const double T1 = L * B * rho / 100, MT1 = rho * V * BML / (100 * L);
    const std::string where = "program, waterline " + std::to_string(j);
    ExpectBoxBargeRows(Numbers(rowsI[k]), Numbers(rowsII[k]), L, B, T, rho, BoxGirth(T), where);
    const auto m = Numbers(modelII[k]);
    ASSERT_EQ(m.size(), 12u) << modelII[k];
    EXPECT_NEAR(m[10], 1000 * M * M * M * MT1, PrintTolerance(1000 * M * M * M * MT1, 3, 1e-5)) << where;
    // Full precision from the curve data.
    const auto first = testing::RecordNumbers(zazuri[firstRecords + k]);
    const auto second = testing::RecordNumbers(zazuri[firstRecords + W + k]);
    const std::vector<double> exactFirst{V, rho * V, 1, 1, 1, T / 2, L / 2, S};
    const std::vector<double> exactSecond{L * B, L / 2, 1, BM, T / 2 + BM, BML, T / 2 + BML, T1, MT1};
    ASSERT_EQ(first.size(), exactFirst.size());
    ASSERT_EQ(second.size(), exactSecond.size());
    for (std::size_t q = 0; q < exactFirst.size(); ++q) {
      EXPECT_NEAR(first[q], exactFirst[q], 1e-5 * std::fabs(exactFirst[q])) << where << " record 1 item " << q;
    }
    for (std::size_t q = 0; q < exactSecond.size(); ++q) {
      EXPECT_NEAR(second[q], exactSecond[q], 1e-5 * std::fabs(exactSecond[q])) << where << " record 2 item " << q;
    }
  }
  EXPECT_TRUE(std::filesystem::exists(r.dir / "ZAZURI1.SCR"));
  EXPECT_TRUE(std::filesystem::exists(r.dir / "ZAZURI2.SCR"));
  EXPECT_EQ(lines.back(), "Ps: Mastori Section was taken as   6 th section.");
}

// Trimmed by the stern, aft draft 6 and fore draft 4: the sectional area falls
// linearly along the length.
TEST(HydrostaticsProgram, TrimmedBoxBargeRunsToItsEnd) {
  const ProgramRun r = RunBoxBargeProgram("4, 6", "T", "0");
  ASSERT_EQ(r.status, 0);
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto rowsI =
      TableRows(lines, "                HIDROSTATIK HESAPLAR - I - (GEMI)                                       ");
  const auto rowsII =
      TableRows(lines, "                HIDROSTATIK HESAPLAR - II - (GEMI)                                 ");
  ASSERT_EQ(rowsI.size(), 1u);
  ASSERT_EQ(rowsII.size(), 1u);
  const auto a = Numbers(rowsI[0]);
  const double V = 100 * 20 * 5;
  // Area 20 (6 - 0.02 x): LCB and KB of the trapezoid.
  const double lcb = (30000 - 20000.0 / 3) / 500;
  const double kb = 10 * (216.0 - 64.0) / 0.06 / V;
  EXPECT_NEAR(a[1], 5, PrintTolerance(5, 3));
  EXPECT_NEAR(a[2], V, PrintTolerance(V, 2));
  EXPECT_NEAR(a[7], kb, PrintTolerance(kb, 2));
  EXPECT_NEAR(a[8], lcb, PrintTolerance(lcb, 2));
  const auto b = Numbers(rowsII[0]);
  EXPECT_NEAR(b[2], 2000, PrintTolerance(2000, 1));
  EXPECT_NEAR(b[5], 100 * 8000 / 12.0 / V, PrintTolerance(6.667, 2));
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "SU CEKIMI(AP)                          -  Tk     -   [m] :    6.000"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "SU CEKIMI(FP)                          -  Tb     -   [m] :    4.000"),
            lines.end());
  EXPECT_EQ(testing::ReadLines(r.dir / "BONJEAN.SON").front(), " 11            1 ");
  EXPECT_FALSE(std::filesystem::exists(r.dir / "ZAZURI.DAT"));
}


// The whole program on a Wigley-type hull written as an offset table: 21
// stations whose sections are the parabolas y = B/2 (1 - xi^2)(2 z/T - z^2/T^2)
// up to the design draft T, wall-sided above it (a knuckle at T).
TEST(HydrostaticsProgram, WigleyHullGivesItsFormCoefficientsAndRadii) {
  const double L = 100, B = 10, T = 6;
  testsupport::Hull hull;
  for (int i = 0; i <= 20; ++i) {
    const double x = 5.0 * i, xi = 2 * x / L - 1, top = B / 2 * (1 - xi * xi);
    testsupport::Station station{x, {}};
    for (int k = 0; k <= 12; ++k) {
      const double z = 0.5 * k;
      station.points.push_back({z, top * (2 * z / T - z * z / (T * T)), k == 12 ? 0.0 : 1.0});
    }
    station.points.push_back({7.5, top, 1});
    station.points.push_back({9, top, 1});
    hull.stations.push_back(station);
  }
  hull.stern = {{0, 0, 1}, {4.5, 0, 1}, {9, 0, 1}};
  hull.stem = {{0, 100, 1}, {4.5, 100, 1}, {9, 100, 1}};
  const ProgramRun r = RunProgramOnHull(hull, "100, 5, 9", "6, 6", "0, 6, 1", "I", "0");
  ASSERT_EQ(r.status, 0) << testing::ReadLines(r.dir / "terminal.txt").size();
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsI.size(), 6u);
  ASSERT_EQ(rowsII.size(), 6u);
  ExpectWigleyRows(Numbers(rowsI[5]), Numbers(rowsII[5]), L, B, T);
}

}  // namespace
}  // namespace hydro

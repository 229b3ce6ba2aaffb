// Hydrostatic tables of ship and model, read back from the report, against
// the closed forms of a box barge and a Wigley-type hull.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <memory>

#include "common/platform/errors.hpp"
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

// The hydrostatic values of one waterline.
struct Values {
  double V = 0, D = 0, Cb = 0, Cm = 0, Cp = 0, KB = 0, LCB = 0, S = 0;
  double A = 0, LCF = 0, Cwp = 0, IT = 0, IL = 0, BM = 0, KM = 0, BML = 0, KML = 0, T1 = 0, MT1 = 0, W1 = 0;
};

// The values of waterline j as the computation left them in the run.
Values Computed(const HydroRun& run, int j) {
  const HydrostaticResults& t = run.tables;
  Values v;
  v.V = t.Volume(j), v.D = t.Displacement(j), v.Cb = t.Cb(j), v.Cm = run.sections.Cm(j), v.Cp = t.Cp(j);
  v.KB = t.KB(j), v.LCB = t.LCB(j), v.S = run.sections.WettedSurface(j);
  v.A = t.WaterplaneArea(j), v.LCF = t.LCF(j), v.Cwp = t.Cwp(j), v.IT = t.IT(j), v.IL = t.IL(j);
  v.BM = t.BM(j), v.KM = t.KM(j), v.BML = t.BML(j), v.KML = t.KML(j), v.T1 = t.T1(j), v.MT1 = t.MT1(j);
  v.W1 = t.W1(j);
  return v;
}

// Closed forms of a box barge L x B at draft T, wetted surface S.
Values BoxBargeValues(double L, double B, double T, double rho, double S) {
  Values v;
  v.V = L * B * T, v.D = rho * v.V, v.Cb = 1, v.Cm = 1, v.Cp = 1, v.KB = T / 2, v.LCB = L / 2, v.S = S;
  v.A = L * B, v.LCF = L / 2, v.Cwp = 1, v.IT = L * B * B * B / 12, v.IL = B * L * L * L / 12;
  v.BM = B * B / (12 * T), v.KM = v.KB + v.BM, v.BML = L * L / (12 * T), v.KML = v.KB + v.BML;
  v.T1 = v.A * rho / 100, v.MT1 = v.BML * v.D / (100 * L), v.W1 = v.LCF * 100 * v.T1 / L;
  return v;
}

// Closed forms of the Wigley-type hull y = B/2 (1 - xi^2)(1 - (1 - z/Td)^2)
// at its design draft Td.
Values WigleyValues(double L, double B, double Td, double rho) {
  Values v;
  v.V = 4.0 / 9.0 * L * B * Td, v.D = rho * v.V, v.Cb = 4.0 / 9.0, v.Cm = 2.0 / 3.0, v.Cp = 2.0 / 3.0;
  v.KB = 5.0 * Td / 8.0, v.LCB = L / 2;
  v.A = 2.0 / 3.0 * L * B, v.LCF = L / 2, v.Cwp = 2.0 / 3.0, v.IT = 4.0 * B * B * B * L / 105.0;
  v.IL = B * L * L * L / 30.0, v.BM = 3.0 * B * B / (35.0 * Td), v.KM = v.KB + v.BM;
  v.BML = 3.0 * L * L / (40.0 * Td), v.KML = v.KB + v.BML;
  v.T1 = v.A * rho / 100, v.MT1 = v.BML * v.D / (100 * L), v.W1 = v.LCF * 100 * v.T1 / L;
  return v;
}

// One value held to its closed form: within `relative` of it, plus `absolute`.
struct Check {
  const char* name;
  double Values::*value;
  double relative;
  double absolute = 0;
};

void ExpectValues(const Values& got, const Values& exact, const std::vector<Check>& checks, const std::string& where) {
  for (const Check& c : checks) {
    EXPECT_NEAR(got.*c.value, exact.*c.value, c.relative * std::fabs(exact.*c.value) + c.absolute)
        << where << " " << c.name;
  }
}

// The box barge of the in-memory tests, 11 stations 10 m apart.  The
// integrals along the length carry the bias of the Simpson guard: measured
// 1.85e-6 of the volume, waterplane, IT and their coefficients, 1.74e-6 of
// IL, MT1 and W1, 1.95e-6 of Cp (with the midship coefficient's 1e-7).  KB
// and BM divide integrals of the same bias (measured 5e-11, the 1e-7 of
// their divisors), BML one with a smaller bias (1.2e-7); the centres lie
// 5.6e-6 m forward of midships.
constexpr double kBoxBias = 2.5e-6;
const std::vector<Check> kBoxBargeChecks{
    {"V", &Values::V, kBoxBias},     {"D", &Values::D, kBoxBias},     {"Cb", &Values::Cb, kBoxBias},
    {"Cp", &Values::Cp, kBoxBias},   {"KB", &Values::KB, 2e-10},      {"LCB", &Values::LCB, 0, 1e-5},
    {"A", &Values::A, kBoxBias},     {"LCF", &Values::LCF, 0, 1e-5},  {"Cwp", &Values::Cwp, kBoxBias},
    {"IT", &Values::IT, kBoxBias},   {"IL", &Values::IL, kBoxBias},   {"BM", &Values::BM, 2e-10},
    {"KM", &Values::KM, 2e-10},      {"BML", &Values::BML, 2.5e-7},   {"KML", &Values::KML, 2.5e-7},
    {"T1", &Values::T1, kBoxBias},   {"MT1", &Values::MT1, kBoxBias}, {"W1", &Values::W1, kBoxBias},
};

TEST(HydrostaticTables, BoxBargeShipTablesFollowTheClosedForms) {
  const double L = 100, B = 20, rho = 1.025;
  auto run = BoxBarge({1, 2, 3, 4, 5, 6, 7, 8}, 5);
  ComputeHydrostaticTables(run);
  for (int j = 1; j <= 8; ++j) {
    const double T = j;
    ExpectValues(Computed(run, j), BoxBargeValues(L, B, T, rho, B * T + 2 * L * (B / 2 + T)), kBoxBargeChecks,
                 "waterline " + std::to_string(j));
  }
}

TEST(HydrostaticTables, ShellPlatingAddsALayerOverTheWettedSurface) {
  auto run = BoxBarge({2, 4}, 2);
  run.run.ShellThickness = 0.012;  // 12 mm in the task file
  const auto lines = TablesReport(run);
  const double S = 20 * 4 + 2 * 100 * (10 + 4);
  const double moulded = 100 * 20 * 4;
  const double V = moulded + 0.012 * S;
  const Values v = Computed(run, 2);
  EXPECT_NEAR(v.V, V, kBoxBias * moulded);
  EXPECT_NEAR(v.D, 1.025 * V, kBoxBias * 1.025 * moulded);
  EXPECT_NEAR(v.Cb, V / (4 * 100 * 20), kBoxBias);
  // KB and BM take the plated volume, LCB the moulded areas.  The plating
  // carries no bias, so these quotients keep the bias of its share of the
  // volume only (measured 8e-9).
  EXPECT_NEAR(v.KB, 100 * 20 * 8 / V, 2e-8 * v.KB);
  EXPECT_NEAR(v.BM, (100 * 20.0 * 20 * 20 / 12) / V, 2e-8 * v.BM);
  EXPECT_NEAR(v.LCB, 50, 1e-5);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "AVERAGE SHELL THICKNESS =  12.00 mm"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DENSITY OF SALT WATER = 1.025 tons/m3"), lines.end());
}

// Appendage strips at the waterline: the waterplane of a station is the strip
// between the deducted and the outer half-breadth on each side.
TEST(HydrostaticTables, DeductedHalfBreadthsLeaveTheStripsOfTheWaterplane) {
  const double L = 100, inner = 4, outer = 10;
  auto run = BoxBarge({2, 4}, 2);
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    for (int j = 1; j <= 2; ++j) run.sections.DeductedHalfBreadth(i, j) = inner;
  }
  ComputeHydrostaticTables(run);
  const Values v = Computed(run, 2);
  const double A = 2 * L * (outer - inner);
  const double IT = 2.0 / 3.0 * L * (outer * outer * outer - inner * inner * inner);
  const double V = L * 20 * 4;
  EXPECT_NEAR(v.A, A, kBoxBias * A);
  EXPECT_NEAR(v.LCF, L / 2, 1e-5);
  EXPECT_NEAR(v.Cwp, A / (L * 20), kBoxBias);
  EXPECT_NEAR(v.IT, IT, kBoxBias * IT);
  // IT over the volume, which has the same bias.
  EXPECT_NEAR(v.BM, IT / V, 2e-10 * IT / V);
  EXPECT_NEAR(v.IL, A * L * L / 12, kBoxBias * A * L * L / 12);
  EXPECT_NEAR(v.BML, (A * L * L / 12) / V, 2.5e-7 * (A * L * L / 12) / V);
}

// The in-memory Wigley-type hull on 21 stations 5 m apart.  Areas and
// half-breadths are parabolic along the length, which the integration takes
// exactly but for its guard: measured 3.70e-6 of the volume, waterplane and
// coefficients (3.85e-6 of Cp).  The centres integrate cubes along the
// length, the radii fourth and sixth powers, which the rule of parabolas
// through three stations takes with a third-order error: measured LCB and
// LCF 0.0169 m aft of midships, IT 1.64e-4, BM 1.61e-4 and BML 4.38e-4 short.
const std::vector<Check> kWigleyChecks{
    {"V", &Values::V, 5e-6},      {"Cb", &Values::Cb, 5e-6},         {"Cp", &Values::Cp, 5e-6},
    {"KB", &Values::KB, 1e-9},    {"LCB", &Values::LCB, 0, 0.02},    {"A", &Values::A, 5e-6},
    {"Cwp", &Values::Cwp, 5e-6},  {"LCF", &Values::LCF, 0, 0.02},    {"IT", &Values::IT, 2e-4},
    {"BM", &Values::BM, 2e-4},    {"BML", &Values::BML, 5e-4},
};

TEST(HydrostaticTables, WigleyHullGivesItsFormCoefficientsAndRadii) {
  const double L = 100, B = 10, Td = 6;
  auto run = WigleyHull(L, B, Td, {3, 6}, 2);
  ComputeHydrostaticTables(run);
  ExpectValues(Computed(run, 2), WigleyValues(L, B, Td, 1.025), kWigleyChecks, "Wigley");
}

// One printed column: its value, the value it must show and its decimals.
struct Column {
  const char* name;
  double printed;
  double exact;
  int decimals;
};

// Every column within half a unit of its last printed decimal of its value.
void ExpectColumns(const std::vector<Column>& columns, const std::string& where) {
  for (const Column& c : columns) {
    EXPECT_NEAR(c.printed, c.exact, PrintTolerance(c.exact, c.decimals, 0)) << where << " " << c.name;
  }
}

// The model's rows are the ship's computed values times the powers of the
// scale, printed: each within its printed rounding of that product.
TEST(HydrostaticTables, ModelTablesFollowTheShipByPowersOfTheScale) {
  const double rho = 1.025, M = 1.0 / 20;
  const double M2 = M * M, M3 = M2 * M;
  auto run = BoxBarge({2, 4, 6}, 2, 20);
  const auto lines = TablesReport(run);
  const auto shipI = TableRows(lines, kShipTableI);
  const auto modelI = TableRows(lines, kModelTableI);
  const auto modelII = TableRows(lines, kModelTableII);
  ASSERT_EQ(modelI.size(), 3u);
  ASSERT_EQ(modelII.size(), 3u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "                         SCALE=1/ 20.00"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DENSITY OF FRESH WATER = 1 tons/m3"), lines.end());
  for (int j = 1; j <= 3; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    const double T = 2.0 * j;
    const Values v = Computed(run, j);
    const std::string where = "model waterline " + std::to_string(j);
    const auto a = Numbers(modelI[k]);
    ASSERT_EQ(a.size(), 12u) << modelI[k];
    ExpectColumns({{"T", a[1], M * T, 3},
                   {"V", a[2], M3 * v.V, 3},
                   {"D (fresh water)", a[3], M3 * v.V, 5},
                   {"Cb", a[4], v.Cb, 3},
                   {"Cm", a[5], v.Cm, 3},
                   {"Cp", a[6], v.Cp, 3},
                   {"KB", a[7], M * v.KB, 3},
                   {"LCB", a[8], M * v.LCB, 3},
                   {"S", a[9], M2 * v.S, 4},
                   {"Lwl", a[10], M * run.sections.Lwl(j), 3},
                   {"Bwl", a[11], M * 2 * run.sections.MaxHalfBreadth(j), 3}},
                  where);
    const auto b = Numbers(modelII[k]);
    ASSERT_EQ(b.size(), 12u) << modelII[k];
    ExpectColumns({{"T", b[1], M * T, 3},
                   {"A", b[2], M2 * v.A, 4},
                   {"LCF", b[3], M * v.LCF, 2},
                   {"Cwp", b[4], v.Cwp, 3},
                   {"BM", b[5], M * v.BM, 3},
                   {"KM", b[6], M * (v.KB + v.BM), 3},
                   {"BML", b[7], M * v.BML, 3},
                   {"KML", b[8], M * (v.KB + v.BML), 3},
                   {"T1 kg/cm", b[9], 1000 * M2 * v.T1, 2},
                   {"MT1 kg*m", b[10], 1000 * M3 * v.MT1, 3},
                   {"W1 kg", b[11], 1000 * M2 * v.W1, 2}},
                  where);
    // The model's MT1 from its own printed particulars: displacement (with
    // the ship's water, as T1 and W1) times BML over the model's length;
    // within what the rounding of the three printed figures allows.
    const double ownMT1 = 1000 * rho * a[2] * b[7] / (100 * M * 100);
    EXPECT_NEAR(b[10], ownMT1, ownMT1 * (0.5e-3 / a[2] + 0.5e-3 / b[7]) + 0.5e-3) << where;
    // The ship's table is unchanged by the model's.
    EXPECT_NEAR(Numbers(shipI[k])[2], v.V, PrintTolerance(v.V, 2, 0)) << where;
  }
}

TEST(HydrostaticTables, WithoutModelScaleTheModelTablesAreAbsent) {
  auto run = BoxBarge({2, 4}, 2);
  const auto lines = TablesReport(run);
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
  for (int i = 1; i <= run.hull.StationCount; ++i) {
    run.sections.BonjeanArea(i, 1) = 0;
    run.sections.BonjeanMoment(i, 1) = 0;
    run.sections.CentroidHeight(i, 1) = 0;
  }
  run.sections.Cm(1) = 0;  // as the Bonjean step leaves it at a draft of 0
  run.sections.WettedSurface(1) = 2000;
  auto check = [](const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
      for (const char* bad : {"nan", "inf", "NaN", "INF", "NAN", "Inf"}) {
        EXPECT_EQ(line.find(bad), std::string::npos) << line;
      }
    }
  };
  auto lines = TablesReport(run);
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
  run.task.Lbp = 0;
  lines = TablesReport(run);
  check(lines);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsII.size(), 2u);
  const auto b = Numbers(rowsII[0]);
  EXPECT_EQ(b[10], 0);  // MT1
  EXPECT_EQ(b[11], 0);  // W1

  // Scale denominators far below 1 (the task file refuses them): 1e-100
  // still gives finite numbers (too wide for their columns, marked); 1e-320
  // makes the scale itself infinite, and a number that is not finite stops
  // the run rather than reaching the report as 0 or "inf".
  run = BoxBarge({2, 4}, 2, 1e-100);
  lines = TablesReport(run);
  check(lines);
  EXPECT_EQ(TableRows(lines, kModelTableII).size(), 2u);
  run = BoxBarge({2, 4}, 2, 1e-320);
  EXPECT_THROW(TablesReport(run), platform::NonFiniteNumber);
}

// ---------------------------------------------------------------------------
// The whole program on hulls written as a task file and an offset table.

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

// The run's values of waterline j at full precision, from the two records of
// "ZAZURI.DAT" (IT, IL and W1 are not written there).
Values CurveDataValues(const std::vector<std::string>& zazuri, int stations, int waterlines, int j) {
  const std::size_t first = static_cast<std::size_t>(1 + stations + waterlines + stations * waterlines + j - 1);
  const auto a = testing::RecordNumbers(zazuri.at(first));
  const auto b = testing::RecordNumbers(zazuri.at(first + static_cast<std::size_t>(waterlines)));
  Values v;
  EXPECT_EQ(a.size(), 8u);
  EXPECT_EQ(b.size(), 9u);
  if (a.size() != 8u || b.size() != 9u) return v;
  v.V = a[0], v.D = a[1], v.Cb = a[2], v.Cm = a[3], v.Cp = a[4], v.KB = a[5], v.LCB = a[6], v.S = a[7];
  v.A = b[0], v.LCF = b[1], v.Cwp = b[2], v.BM = b[3], v.KM = b[4], v.BML = b[5], v.KML = b[6], v.T1 = b[7];
  v.MT1 = b[8];
  return v;
}

// Rows k of tables I and II of the ship as printed show the run's values of
// that waterline, each within its printed rounding.
void ExpectPrintedRows(const std::string& rowI, const std::string& rowII, const Values& v, double T, double Lwl,
                       double Bwl, const std::string& where) {
  const auto a = Numbers(rowI);
  const auto b = Numbers(rowII);
  ASSERT_EQ(a.size(), 12u) << where << " [" << rowI << "]";
  ASSERT_EQ(b.size(), 12u) << where << " [" << rowII << "]";
  ExpectColumns({{"T", a[1], T, 3},
                 {"V", a[2], v.V, 2},
                 {"D", a[3], v.D, 2},
                 {"Cb", a[4], v.Cb, 3},
                 {"Cm", a[5], v.Cm, 3},
                 {"Cp", a[6], v.Cp, 3},
                 {"KB", a[7], v.KB, 2},
                 {"LCB", a[8], v.LCB, 2},
                 {"S", a[9], v.S, 3},
                 {"Lwl", a[10], Lwl, 3},
                 {"Bwl", a[11], Bwl, 3}},
                where + " table I");
  ExpectColumns({{"T", b[1], T, 2},
                 {"A", b[2], v.A, 1},
                 {"LCF", b[3], v.LCF, 2},
                 {"Cwp", b[4], v.Cwp, 3},
                 {"BM", b[5], v.BM, 2},
                 {"KM", b[6], v.KM, 2},
                 {"BML", b[7], v.BML, 1},
                 {"KML", b[8], v.KML, 1},
                 {"T1", b[9], v.T1, 3},
                 {"MT1", b[10], v.MT1, 1}},
                where + " table II");
}

// Box barge 100 x 20 x 12 m on the given stations (11 stations 10 m apart
// when none are given).
testsupport::Hull BoxBargeHull(const std::vector<double>& stations = {}) {
  testsupport::Hull hull = testsupport::PrismaticHull(testsupport::BoxSection(10, 0, 12), 11, 100, 0, 12);
  if (!stations.empty()) {
    const testsupport::Station section = hull.stations.front();
    hull.stations.clear();
    for (double x : stations) hull.stations.push_back({x, section.points});
  }
  return hull;
}

ProgramRun RunBoxBargeProgram(const std::string& drafts, const std::string& language, const std::string& scale,
                              const std::vector<double>& stations = {}) {
  return RunProgramOnHull(BoxBargeHull(stations), "100, 10, 12", drafts, "0, 8, 1", language, scale);
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

// The box barge written as an offset table: the section integration is exact
// for a box (the Gauss rule on a constant half-breadth), so the values differ
// from the closed forms by the guard of the integration along the length,
// which depends on the spacing of the stations: measured on 11 stations at
// 10 m spacing, 1.85e-6 of V, A, S and their coefficients (1.95e-6 of Cp, 1.74e-6 of
// MT1, 1.2e-7 of BML, KB, Cm and BM within 4e-10, LCB and LCF 5.6e-6 m
// forward); on the 23 stations of kUnequalStations 4.1e-6 (Cp 4.2e-6, MT1
// 4.85e-6, BML 7.3e-7, LCB and LCF 2.5e-5 m forward).
std::vector<Check> BoxBargeProgramChecks(double bias, double centres, double bml) {
  return {{"V", &Values::V, bias},         {"D", &Values::D, bias},         {"Cb", &Values::Cb, bias},
          {"Cm", &Values::Cm, 1e-9},       {"Cp", &Values::Cp, bias},       {"KB", &Values::KB, 2e-10},
          {"LCB", &Values::LCB, 0, centres}, {"S", &Values::S, bias},       {"A", &Values::A, bias},
          {"LCF", &Values::LCF, 0, centres}, {"Cwp", &Values::Cwp, bias},   {"BM", &Values::BM, 1e-9},
          {"KM", &Values::KM, 1e-9},       {"BML", &Values::BML, bml},      {"KML", &Values::KML, bml},
          {"T1", &Values::T1, bias},       {"MT1", &Values::MT1, bias}};
}

// Stations 2 and 3 m apart at either end, 5 m apart between: the first
// interval differs from the second, so the first interval's parabola (and
// the last interval's) is not the one of equal spacing.
const std::vector<double> kUnequalStations{0,  2,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                                           55, 60, 65, 70, 75, 80, 85, 90, 95, 98, 100};

// Checks of one whole run on the box barge: the curve data against the
// closed forms, the printed tables against the curve data.
void ExpectBoxBargeProgram(const ProgramRun& r, int stations, const std::vector<Check>& checks) {
  const double L = 100, B = 20, rho = 1.025;
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsI.size(), 8u);
  ASSERT_EQ(rowsII.size(), 8u);
  const auto zazuri = testing::ReadLines(r.dir / "ZAZURI.DAT");
  const int W = 8;
  ASSERT_EQ(zazuri.size(), static_cast<std::size_t>(1 + stations + W + stations * W + 2 * W));
  for (int j = 1; j <= W; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    const double T = j;
    const std::string where = "program, waterline " + std::to_string(j);
    const Values v = CurveDataValues(zazuri, stations, W, j);
    ExpectValues(v, BoxBargeValues(L, B, T, rho, B * T + 2 * L * BoxGirth(T)), checks, where);
    ExpectPrintedRows(rowsI[k], rowsII[k], v, T, L, B, where);
  }
}

TEST(HydrostaticsProgram, BoxBargeEvenKeelTablesFollowTheClosedForms) {
  const double M = 1.0 / 20;
  const ProgramRun r = RunBoxBargeProgram("5, 5", "I", "20");
  ASSERT_EQ(r.status, 0) << testsupport::ReadFile(r.dir / "terminal.txt").substr(0, 2000);
  ExpectBoxBargeProgram(r, 11, BoxBargeProgramChecks(2.5e-6, 1e-5, 2.5e-7));
  // The model's MT1 from the ship's full-precision value.
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto modelII = TableRows(lines, kModelTableII);
  const auto zazuri = testing::ReadLines(r.dir / "ZAZURI.DAT");
  ASSERT_EQ(modelII.size(), 8u);
  for (int j = 1; j <= 8; ++j) {
    const auto m = Numbers(modelII[static_cast<std::size_t>(j - 1)]);
    ASSERT_EQ(m.size(), 12u) << modelII[static_cast<std::size_t>(j - 1)];
    const double MT1 = 1000 * M * M * M * CurveDataValues(zazuri, 11, 8, j).MT1;
    EXPECT_NEAR(m[10], MT1, PrintTolerance(MT1, 3, 0)) << "model waterline " << j;
  }
  EXPECT_TRUE(std::filesystem::exists(r.dir / "ZAZURI1.SCR"));
  EXPECT_TRUE(std::filesystem::exists(r.dir / "ZAZURI2.SCR"));
  EXPECT_EQ(lines.back(), "Ps: Mastori Section was taken as   6 th section.");
}

// The same barge on stations unequally spaced at its ends.
TEST(HydrostaticsProgram, BoxBargeOnUnequallySpacedStationsFollowsTheClosedForms) {
  const ProgramRun r = RunBoxBargeProgram("5, 5", "I", "0", kUnequalStations);
  ASSERT_EQ(r.status, 0) << testsupport::ReadFile(r.dir / "terminal.txt").substr(0, 2000);
  ExpectBoxBargeProgram(r, static_cast<int>(kUnequalStations.size()), BoxBargeProgramChecks(6e-6, 4e-5, 1e-6));
  EXPECT_EQ(testing::ReadLines(r.dir / "RAPOR.TXT").back(), "Ps: Mastori Section was taken as  12 th section.");
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
  // The printed rounding, and for the volume and the waterplane the guard
  // bias of the integration along these stations (about 1.9e-6, as on even
  // keel); KB, LCB and BM print as their closed forms.
  EXPECT_NEAR(a[1], 5, PrintTolerance(5, 3, 0));
  EXPECT_NEAR(a[2], V, PrintTolerance(V, 2, 2.5e-6));
  EXPECT_NEAR(a[7], kb, PrintTolerance(kb, 2, 0));
  EXPECT_NEAR(a[8], lcb, PrintTolerance(lcb, 2, 0));
  const auto b = Numbers(rowsII[0]);
  EXPECT_NEAR(b[2], 2000, PrintTolerance(2000, 1, 2.5e-6));
  EXPECT_NEAR(b[5], 100 * 8000 / 12.0 / V, PrintTolerance(6.667, 2, 0));
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "SU CEKIMI(AP)                          -  Tk     -   [m] :    6.000"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "SU CEKIMI(FP)                          -  Tb     -   [m] :    4.000"),
            lines.end());
  EXPECT_EQ(testing::ReadLines(r.dir / "BONJEAN.SON").front(), " 11            1 ");
  EXPECT_FALSE(std::filesystem::exists(r.dir / "ZAZURI.DAT"));
}

// A Wigley-type hull written as an offset table: on every station the
// parabola y = B/2 (1 - xi^2)(2 z/T - z^2/T^2) up to the design draft T in
// points 0.5 m apart, wall-sided above it (a knuckle at T).
testsupport::Hull WigleyOffsets(const std::vector<double>& stations) {
  const double L = 100, B = 10, T = 6;
  testsupport::Hull hull;
  for (double x : stations) {
    const double xi = 2 * x / L - 1, top = B / 2 * (1 - xi * xi);
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
  return hull;
}

// Runs the Wigley-type hull on the stations and checks its design waterline
// (the sixth) against the closed forms, and the printed rows against the
// curve data.
void ExpectWigleyProgram(const std::vector<double>& stations, const std::vector<Check>& checks) {
  const double L = 100, B = 10, T = 6;
  const ProgramRun r = RunProgramOnHull(WigleyOffsets(stations), "100, 5, 9", "6, 6", "0, 6, 1", "I", "0");
  ASSERT_EQ(r.status, 0) << testsupport::ReadFile(r.dir / "terminal.txt").substr(0, 2000);
  const auto lines = testing::ReadLines(r.dir / "RAPOR.TXT");
  const auto rowsI = TableRows(lines, kShipTableI);
  const auto rowsII = TableRows(lines, kShipTableII);
  ASSERT_EQ(rowsI.size(), 6u);
  ASSERT_EQ(rowsII.size(), 6u);
  const int N = static_cast<int>(stations.size());
  const Values v = CurveDataValues(testing::ReadLines(r.dir / "ZAZURI.DAT"), N, 6, 6);
  ExpectValues(v, WigleyValues(L, B, T, 1.025), checks, "Wigley, " + std::to_string(N) + " stations");
  ExpectPrintedRows(rowsI[5], rowsII[5], v, T, L, B, "Wigley");
}

// The checks of a Wigley-type run: the guard biases below, and the rule's
// error on the radii, which depends on the stations.
std::vector<Check> WigleyProgramChecks(double bm, double bml) {
  return {{"V", &Values::V, 5e-6},         {"Cb", &Values::Cb, 5e-6},      {"Cm", &Values::Cm, 3e-7},
          {"Cp", &Values::Cp, 5e-6},       {"KB", &Values::KB, 1.5e-7},    {"LCB", &Values::LCB, 0, 0.02},
          {"A", &Values::A, 5e-6},         {"LCF", &Values::LCF, 0, 0.02}, {"Cwp", &Values::Cwp, 5e-6},
          {"BM", &Values::BM, bm},         {"BML", &Values::BML, bml}};
}

// 21 stations 5 m apart.  The sections are splined and integrated exactly
// but for the guards of the spline fit (the midship coefficient measured
// 1.4e-7 short, KB 7e-8); the integration along the length adds its guard
// bias (3.8e-6 of the volume, the waterplane and the coefficients) and its
// third-order error on cubes and higher powers of the position: LCB and LCF
// measured 0.0169 m aft of midships, BM 1.6e-4 and BML 4.4e-4 short.
TEST(HydrostaticsProgram, WigleyHullGivesItsFormCoefficientsAndRadii) {
  std::vector<double> stations;
  for (int i = 0; i <= 20; ++i) stations.push_back(5.0 * i);
  ExpectWigleyProgram(stations, WigleyProgramChecks(2e-4, 5e-4));
}

// The same hull on stations unequally spaced at its ends: the volume and the
// waterplane stay exact but for the guards (measured 3.9e-6 of V, A and
// their coefficients), so an integration that took the first interval's
// parabola on the wrong spacing would show in them (by 1.8e-4).  LCB and LCF
// are measured 0.0169 m aft as on equal stations; the radii come closer on
// the finer ends: BM 3.0e-5 and BML 1.0e-4 short.
TEST(HydrostaticsProgram, WigleyHullOnUnequallySpacedStations) {
  ExpectWigleyProgram(kUnequalStations, WigleyProgramChecks(4e-5, 1.3e-4));
}

}  // namespace
}  // namespace hydro

// Design-waterline particulars of ship and model, read back from the report.
#include <gtest/gtest.h>

#include "common/platform/errors.hpp"
#include "closed_form_hulls.hpp"
#include "hydrostatics/particulars.hpp"
#include "hydrostatics/result_steps.hpp"
#include "hydrostatics/tables.hpp"

namespace hydro {
namespace {

using testing::BoxBarge;
using testing::Numbers;
using testing::PrintTolerance;
using testing::Report;

// The report with the tables and the particulars; returns the particulars
// lines from the first rule of their block on.
std::vector<std::string> ParticularsReport(HydroRun& run) {
  ComputeHydrostaticTables(run);
  const auto lines = Report([&](platform::OutputFile& f) {
    PrintHydrostaticTablesFirstHalf(f, run);
    PrintHydrostaticTablesSecondHalf(f, run);
    PrintDesignWaterlineParticulars(f, run);
  });
  const std::size_t width = run.run.ModelScale != 0 ? 75 : 67;
  auto first = std::find(lines.begin(), lines.end(), std::string(width, '='));
  // Table II of the model uses a rule of 80, table II of the ship of 81: the
  // first rule of this width opens the particulars.
  EXPECT_NE(first, lines.end());
  return {first, lines.end()};
}

// Values after the label of particular k (1..28).
std::vector<double> Values(const std::vector<std::string>& block, int k) {
  // Block: rule, title, [scale line], rule, column head, 28 lines.
  std::size_t rules = 0, start = 0;
  for (std::size_t m = 0; m < block.size(); ++m) {
    if (testing::IsRule(block[m]) && ++rules == 2) {
      start = m + 2;
      break;
    }
  }
  const std::string& line = block.at(start + static_cast<std::size_t>(k - 1));
  return Numbers(line.substr(line.rfind(':') + 1));
}

TEST(DesignWaterlineParticulars, ShipAndModelOfABoxBargeFollowTheClosedForms) {
  const double L = 100, B = 20, T = 5, rho = 1.025, M = 1.0 / 20;
  for (const std::string language : {"T", "I"}) {
    auto run = BoxBarge({2, 5, 8}, 2, 20, language);
    const auto block = ParticularsReport(run);
    const double V = L * B * T, BM = B * B / (12 * T), BML = L * L / (12 * T);
    const double IT = L * B * B * B / 12, IL = B * L * L * L / 12;
    const double T1 = L * B * rho / 100, MT1 = rho * V * BML / (100 * L), W1 = (L / 2) * 100 * T1 / L;
    const double S = B * T + 2 * L * (B / 2 + T);
    struct Expected {
      int row;
      double ship, model;
      int shipDecimals, modelDecimals;
    };
    const std::vector<Expected> expected{
        {1, L, M * L, 3, 3},
        {2, L, M * L, 3, 3},
        {3, B, M * B, 3, 3},
        {5, B, M * B, 3, 3},
        {6, T, M * T, 3, 3},
        {7, T, M * T, 3, 3},
        {8, T, M * T, 3, 3},
        {9, V, M * M * M * V, 2, 3},
        {10, rho * V, M * M * M * V, 2, 3},
        {11, 1, 1, 3, 3},
        {12, 1, 1, 3, 3},
        {13, 1, 1, 3, 3},
        {14, 1, 1, 3, 3},
        {15, 0, 0, 3, 3},
        {16, 0, 0, 3, 3},
        {17, T / 2, M * T / 2, 3, 3},
        {18, BM, M * BM, 3, 3},
        {19, BML, M * BML, 3, 3},
        {20, T / 2 + BM, M * (T / 2 + BM), 3, 3},
        {21, T / 2 + BML, M * (T / 2 + BML), 3, 3},
        {22, IT, M * M * M * M * IT, 0, 2},
        {23, IL, M * M * M * M * IL, 0, 2},
        {24, T1, M * M * T1, 3, 3},
        {25, MT1, M * M * M * MT1, 3, 3},
        {26, W1, M * M * W1, 3, 3},
        {27, L * B, M * M * L * B, 3, 3},
        {28, S, M * M * S, 3, 3},
    };
    // Within the printed rounding and the guard bias of the integration along
    // the length (11 stations 10 m apart: measured 1.85e-6 at most, of IL
    // 1.74e-6).
    constexpr double kBias = 2.5e-6;
    for (const Expected& e : expected) {
      const auto v = Values(block, e.row);
      ASSERT_EQ(v.size(), 2u) << language << " row " << e.row;
      // The whole-number lines drop the fraction.
      const double shipTolerance =
          e.shipDecimals == 0 ? 1.0 + kBias * e.ship : PrintTolerance(e.ship, e.shipDecimals, kBias);
      EXPECT_NEAR(v[0], e.ship, shipTolerance) << language << " row " << e.row;
      EXPECT_NEAR(v[1], e.model, PrintTolerance(e.model, e.modelDecimals, kBias)) << language << " row " << e.row;
    }
    EXPECT_TRUE(Values(block, 4).empty());
  }
}

TEST(DesignWaterlineParticulars, LongitudinalCentresFromMidshipInMetresOfShipAndModel) {
  // Lbp 120 (so that per cent of Lbp would not read as metres), the centre
  // of buoyancy 1.8 m aft of the midship section and the centre of flotation
  // 3 m forward of it: the ship's metres, and the 1/40 model's 1/40 of them.
  for (const double denominator : {0.0, 40.0}) {
    auto run = BoxBarge({4}, 1, denominator, "T", 120, 20, 13);
    run.tables.LCB(1) = 60 - 1.8;
    run.tables.LCF(1) = 60 + 3.0;
    const auto lines = DesignWaterlineParticularLines(run);
    const std::string lcb = denominator == 0 ? "-1.800" : "-1.800  -0.045";
    const std::string lcf = denominator == 0 ? " 3.000" : " 3.000    0.075";
    bool foundLcb = false, foundLcf = false;
    for (const auto& line : lines) {
      if (line.rfind("HACIM MERKEZI BOYUNA YERI", 0) == 0) {
        foundLcb = true;
        EXPECT_EQ(line.substr(line.size() - lcb.size()), lcb) << line;
      }
      if (line.rfind("YUZME MERKEZININ BOYUNA YERI", 0) == 0) {
        foundLcf = true;
        EXPECT_EQ(line.substr(line.size() - lcf.size()), lcf) << line;
      }
    }
    EXPECT_TRUE(foundLcb && foundLcf);
  }
}

// A 24 m barge whose breadth grows linearly from nothing at AP (a wedge in
// plan, rectangular sections): its centres of buoyancy and flotation lie at
// 2L/3 = 16 m, 4 m forward of the midship section; the 1/10 model's 0.4 m.
TEST(DesignWaterlineParticulars, WedgeInPlanCentresFromMidshipInMetres) {
  const double L = 24, M = 0.1;
  for (const std::string language : {"T", "I"}) {
    auto run = BoxBarge({1, 2}, 2, 10, language, L, 6, 11);
    SectionResults& s = run.sections;
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      for (int i = 1; i <= 11; ++i) {
        const double f = run.hull.StationPos(i) / L;
        s.BonjeanArea(i, j) *= f;
        s.BonjeanMoment(i, j) *= f;
        s.WaterlineHalfBreadth(i, j) *= f;
      }
    }
    const auto block = ParticularsReport(run);
    for (const int row : {15, 16}) {
      const auto v = Values(block, row);
      ASSERT_EQ(v.size(), 2u) << language << " row " << row;
      EXPECT_NEAR(v[0], 2 * L / 3 - L / 2, PrintTolerance(4.0, 3, 1e-5)) << language << " row " << row;
      EXPECT_NEAR(v[1], M * (2 * L / 3 - L / 2), PrintTolerance(0.4, 3, 1e-5)) << language << " row " << row;
    }
  }
}

TEST(DesignWaterlineParticulars, EveryVariantHasItsLineWidths) {
  for (const double denominator : {0.0, 40.0}) {
    for (const std::string language : {"T", "I"}) {
      auto run = BoxBarge({2, 4}, 2, denominator, language);
      ComputeHydrostaticTables(run);
      const auto lines = DesignWaterlineParticularLines(run);
      const bool model = denominator != 0;
      const std::size_t width = model ? 75 : 67;
      const bool tr = language == "T";
      // Empty line (with a model), rule, title, scale line (Turkish with a
      // model), rule, head, 28 particulars, rule, note.
      const std::size_t head = (model ? 1 : 0) + 3 + (model && tr ? 1 : 0);
      ASSERT_EQ(lines.size(), head + 1 + 28 + 2) << language << model;
      if (model) {
        EXPECT_EQ(lines[0], "");
      }
      const std::size_t first = model ? 1 : 0;
      EXPECT_EQ(lines[first + 1].size(), model && tr ? 45u : width) << "[" << lines[first + 1] << "]";
      for (std::size_t k = head; k <= head + 28; ++k) {
        const std::size_t row = k - head;  // 0 is the column head
        const std::size_t expected = row == 4 ? (tr ? 60 : 75) : width;
        EXPECT_EQ(lines[k].size(), expected) << language << " model " << model << " [" << lines[k] << "]";
      }
      EXPECT_EQ(lines[head + 29], std::string(width, '='));
      EXPECT_EQ(lines.back(), tr ? "Not: Orta kesit olarak   6 nolu kesit alinmistir."
                                 : "Ps: Mastori Section was taken as   6 th section.");
    }
  }
}

TEST(DesignWaterlineParticulars, TrimmedRunShowsBothDraftsAndTheirMean) {
  auto run = BoxBarge({2.5}, 1, 0, "I");
  run.run.TrimmedFlag = 1;
  run.task.AftDraft = 3.0;
  run.task.ForeDraft = 2.0;
  run.run.MeanDraft = 2.5;
  ComputeHydrostaticTables(run);
  const auto lines = DesignWaterlineParticularLines(run);
  EXPECT_EQ(lines[9], "DRAFT AT STERN(AP)                     -  Tk     -   [m] :    3.000");
  EXPECT_EQ(lines[10], "DRAFT AT STEM(FP)                      -  Tb     -   [m] :    2.000");
  EXPECT_EQ(lines[11], "MEAN DRAFT                             -  T      -   [m] :    2.500");
}

TEST(DesignWaterlineParticulars, WideNumbersShiftTheModelColumn) {
  auto run = BoxBarge({4}, 1, 8, "I");
  ComputeHydrostaticTables(run);
  run.tables.IT(1) = 123456.9;
  const auto lines = DesignWaterlineParticularLines(run);
  // Model Lbp 12.5 m overflows its one integer column.
  EXPECT_EQ(lines[5], "LENGTH BETWEEN PERPENDICULAR           -  Lbp    -   [m] :  100.000   12.500%");
  const std::string it = "TRANS. MOMENT OF INERTIA               -  IT        [m4] :   123456  ";
  EXPECT_EQ(lines[26].substr(0, it.size()), it);
}

TEST(DesignWaterlineParticulars, ZeroLengthPrintsNoUndefinedNumbers) {
  auto run = BoxBarge({2, 4}, 2, 40, "I");
  run.task.Lbp = 0;
  run.sections.Cm(2) = 0;  // as the Bonjean step leaves it at a draft of 0
  const auto block = ParticularsReport(run);
  for (const auto& line : block) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
  EXPECT_EQ(Values(block, 12), (std::vector<double>{0, 0}));  // Cm
  EXPECT_EQ(Values(block, 15), (std::vector<double>{0, 0}));  // LCB from midship
  EXPECT_EQ(Values(block, 25), (std::vector<double>{0, 0}));  // MT1

  // A scale denominator far below 1 (the task file refuses it) overflows the
  // fourth power of the scale in the model's second moments, and one further
  // down the scale itself: the run stops rather than print them.
  for (const double denominator : {1e-100, 1e-320}) {
    run = BoxBarge({2, 4}, 2, denominator, "T");
    EXPECT_THROW(ParticularsReport(run), platform::NonFiniteNumber) << denominator;
  }
}

}  // namespace
}  // namespace hydro

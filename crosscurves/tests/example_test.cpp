// The bundled example through the program itself, as the README runs it: a
// fresh copy of examples/, no input (both drawings asked by its task file).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "crosscurves/cross_data_file.hpp"
#include "heeled_hulls.hpp"
#include "run_fixture.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/script_reader.hpp"

namespace cross::testing {
namespace {

TEST(BundledExample, RunsToItsEndWithTenHeelBlocks) {
  testsupport::ScratchDirectory dir("crosscurves-example");
  std::filesystem::copy(testsupport::ExamplesDirectory(), dir.Path(), std::filesystem::copy_options::recursive);
  const std::string command =
      "cd '" + dir.Path().string() + "' && '" + std::string(PENDROVIX_PATH) + "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0) << testsupport::ReadFile(dir.Path() / "terminal.txt").substr(0, 2000);

  const std::string report = testsupport::ReadFile(dir.Path() / "Pendrovix.SON");
  const PrintedBlocks blocks = ReadBlocks(report);
  ASSERT_EQ(blocks.size(), 10u);
  for (const auto& [phi, rows] : blocks) EXPECT_EQ(rows.size(), 40u) << phi;

  // At 5 degrees of heel and the design displacement (about 7500 t at 6.5 m)
  // KN is KM sin(5 degrees), KM = 6.82 m from the hydrostatics of the same
  // hull, to the curvature of the metacentric locus.
  const auto& small = blocks.at(5);
  const std::vector<double>* nearest = &small.front();
  for (const auto& row : small) {
    if (std::fabs(row[0] - 7500) < std::fabs((*nearest)[0] - 7500)) nearest = &row;
  }
  EXPECT_NEAR((*nearest)[0], 7500, 250);
  EXPECT_NEAR((*nearest)[1], 6.82 * std::sin(5 * M_PI / 180), 0.01);

  // Then the deck-edge table, and the GZ lines end the report; GZ at 5
  // degrees is GM0 sin(5 degrees) to the same curvature.
  const std::size_t deck = report.find("  GUVERTE KENARI SUYA GIRME ACILARI\r\n");
  ASSERT_NE(deck, std::string::npos);
  const std::size_t gz = report.find("  1      0.0");
  ASSERT_NE(gz, std::string::npos);
  EXPECT_LT(deck, gz);
  EXPECT_NEAR(std::stod(report.substr(gz + 4, 10)), 0.82 * std::sin(5 * M_PI / 180), 0.005);
  // From 20 to 60 degrees the first inclined waterline passes below the
  // heeled hull: its row of zeros stands in the report, and in "STASCR.DAT"
  // each curve holds the rows that carry the hull, its count theirs.
  CrossCurveData data;
  testsupport::RunStep(dir, "", [&](platform::Session& s) { data = ReadCrossCurveDataFile(s, ""); });
  ASSERT_EQ(data.NA, 10);
  int bare = 0;
  int i = 0;
  for (const auto& [phi, rows] : blocks) {
    ++i;
    SCOPED_TRACE(phi);
    EXPECT_EQ(data.HeelAngles(i), phi);
    std::vector<double> floating;
    for (const auto& row : rows) {
      if (row[0] > 0) floating.push_back(row[0]);
    }
    bare += floating.size() < rows.size();
    ASSERT_EQ(data.PointCounts(i), static_cast<int>(floating.size()));
    for (int j = 1; j <= data.PointCounts(i); ++j) {
      EXPECT_NEAR(data.Displacement(i, j), floating[static_cast<std::size_t>(j - 1)], 0.0005);
    }
  }
  EXPECT_EQ(bare, 5);

  // The three drawing scripts, each read back without a fault.
  for (const char* name : {"Enkesitler.SCR", "Pendrovix_KZ_DEP.SCR", "Pendrovix_GZ_PHI.SCR"}) {
    const scripttest::ParsedScript script =
        scripttest::ReadScript(dir / name, {.redrawAtEnd = std::string(name) == "Enkesitler.SCR"});
    EXPECT_EQ(scripttest::Faults(script), "") << name;
    EXPECT_FALSE(script.polylines.empty()) << name;
  }

  const std::string last = "30-40 DER. ARASINDA EGRI ALTINDA KALAN ALAN = ";
  ASSERT_NE(report.rfind(last), std::string::npos);
  EXPECT_EQ(report.find("\r\n", report.rfind(last)), report.size() - 2);
}

}  // namespace
}  // namespace cross::testing

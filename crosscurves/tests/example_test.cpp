// The bundled example through the program itself, as the README runs it: a
// fresh copy of examples/, no input.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "heeled_hulls.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/scratch.hpp"

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

  const PrintedBlocks blocks = ReadBlocks(testsupport::ReadFile(dir.Path() / "Pendrovix.SON"));
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
}

}  // namespace
}  // namespace cross::testing

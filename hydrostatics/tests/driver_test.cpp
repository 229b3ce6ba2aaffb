// Whole runs of Kormelant in the session: a box barge, and the order of the
// first steps.  (The bundled example is run by the program itself in
// example_run_test.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;

TEST(Driver, BoxBargeRunsToItsEnd) {
  TaskText t;
  t.Dimensions = "100, 10, 12";
  t.Drafts = "6.5, 6.5";
  t.Waterlines = "0, 10, 1";
  t.Language = "T";
  const auto dir = PrepareRun(t, PrismaticHull(BoxSection(10)));
  const RunOutcome r = RunProgramIn(dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(FileText(dir / "RAPOR.TXT").rfind("\r\n\r\n     BONJEAN ALAN ve MOMETLERI       \r\n\r\n", 0), 0u);
}

// The report is opened before the first review: a yes to the first question
// leaves it empty and ends the run.
TEST(Driver, ReviewAnsweredYesLeavesAnEmptyReport) {
  const auto dir = PrepareRun(TaskText{}, PrismaticHull(BoxSection(10)));
  const RunOutcome r = RunProgramIn(dir, "E\n");
  EXPECT_EQ(r.status, 2);
  ASSERT_TRUE(std::filesystem::exists(dir / "RAPOR.TXT"));
  EXPECT_EQ(FileText(dir / "RAPOR.TXT"), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "BONJEAN.SON"));
}

}  // namespace
}  // namespace hydro

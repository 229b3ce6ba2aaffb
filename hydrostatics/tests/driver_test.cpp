// Whole runs of Kormelant: the bundled example with no input, a box barge,
// the order of the first steps, and the program itself in a fresh folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "hydrostatics/task_file.hpp"
#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;

std::filesystem::path ExamplesDirectory() {
  if (const char* env = std::getenv("SUITE_EXAMPLES_DIR")) return env;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

// A copy of the bundled example in a fresh working directory.
testsupport::ScratchDirectory CopyOfExample() {
  testsupport::ScratchDirectory dir("kormelant-example");
  std::filesystem::copy(ExamplesDirectory(), dir, std::filesystem::copy_options::recursive);
  return dir;
}

// The report named in the example's task file.
std::filesystem::path ExampleReport(const std::filesystem::path& dir) {
  QuietSession qs;
  std::filesystem::copy_file(dir / "Kormelant.TSK", qs.dir / "Kormelant.TSK");
  HydroRun run;
  (void)platform::RunProgram(qs.session, [&](platform::Session& s) { ReadTaskFile(s, run); });
  return dir / (run.task.OUTDIR + run.task.REPORTFILE);
}

TEST(Driver, BundledExampleRunsToItsEndWithoutInput) {
  const auto dir = CopyOfExample();
  ASSERT_TRUE(std::filesystem::exists(dir / "Kormelant.TSK"));
  const RunOutcome r = RunProgramIn(dir);
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string report = FileText(ExampleReport(dir));
  EXPECT_EQ(report.rfind("\r\n\r\n     BONJEAN ", 0), 0u) << report.substr(0, 200);
  EXPECT_NE(r.out.find("PROGRAM CALISMASI TAMAMLANDI"), std::string::npos);
}

TEST(Driver, ProgramRunsTheExampleInAFreshFolder) {
  const auto dir = CopyOfExample();
  const std::string command = "cd '" + dir.string() + "' && '" + std::string(KORMELANT_PATH) +
                              "' </dev/null >terminal.txt 2>&1";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  EXPECT_EQ(WEXITSTATUS(rc), 0) << FileText(dir / "terminal.txt").substr(0, 2000);
  EXPECT_NE(FileText(ExampleReport(dir)).find("BONJEAN"), std::string::npos);
}

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

// Whole runs of Kormelant in the session: a box barge, and the order of the
// first steps.  (The bundled example is run by the program itself in
// example_run_test.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
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

// The 60 m barge whose first station has its bilge corner coded smooth: the
// point check lists the pair in the report and stops the run (status 1)
// before anything else is written; its message is said once.  The same
// barge coded right runs to its end.
TEST(Driver, BargeWithASmoothBilgeCornerIsRefusedAfterItsPairIsReported) {
  TaskText t;
  t.Dimensions = "60, 6, 5";
  t.Drafts = "3, 3";
  t.Waterlines = "0, 5, 0.5";
  t.CurveScriptFlag = "1";
  {
    const auto dir = PrepareRun(t, testsupport::KnuckledBarge(true));
    const RunOutcome r = RunProgramIn(dir);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(testsupport::CountOf(r.err, "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti noktalari "
                                          "var."),
              1)
        << r.err;
    EXPECT_EQ(FileText(dir / "RAPOR.TXT"),
              "\r\n"
              "**** POSTA KESITI NO =  1 'DE DATA GIRDI HATASI ****\r\n"
              "     Posta Yeri =   0.000 metre AP 'den\r\n"
              "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\r\n"
              "                 Z1 =  0.0000 ILE Z2 =  0.0000\r\n");
    std::set<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
      if (e.path().filename() != "screens") files.insert(e.path().filename().string());
    }
    EXPECT_EQ(files, (std::set<std::string>{"HULL.DAT", "Kormelant.TSK", "RAPOR.TXT"}));
  }
  const auto dir = PrepareRun(t, testsupport::KnuckledBarge(false));
  const RunOutcome r = RunProgramIn(dir);
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
}  // namespace hydro

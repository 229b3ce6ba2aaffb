// The task file "Kormelant.TSK", its refused values, the start-up checks, the
// midship station and the waterline series.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/numerics/slice.hpp"
#include "common/platform/prompts.hpp"
#include "common/platform/run_program.hpp"
#include "hydrostatics/run_setup.hpp"
#include "hydrostatics/task_file.hpp"
#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;

TEST(TaskFile, ReadsEveryItemFromItsLine) {
  QuietSession qs;
  TaskText t;
  t.DATAFILE = "  GEMI.DAT  ";
  t.DATADIR = "veri\\";
  t.REPORTFILE = "SONUC.TXT";
  t.OUTDIR = " cikti\\ ";
  t.AppendageFlag = "1";
  t.Dimensions = "120.5, 9.25 ,11";
  t.Drafts = "6.1 6.3";
  t.ShellThickness = "14";
  t.ModelScale = "25";
  t.Waterlines = "0.5, 8, 0.25";
  t.Language = " t ";
  t.Density = "1.025";
  t.LabelScale = "10";
  t.CurveScriptFlag = "1";
  WriteTaskFile(qs.dir / "Kormelant.TSK", t);

  HydroRun run;
  ReadTaskFile(qs.session, run);
  const TaskValues& v = run.task;
  EXPECT_EQ(v.DATAFILE, "GEMI.DAT");
  EXPECT_EQ(v.DATADIR, "veri\\");
  EXPECT_EQ(v.REPORTFILE, "SONUC.TXT");
  EXPECT_EQ(v.OUTDIR, "cikti\\");
  EXPECT_EQ(v.AppendageFlag, 1);
  EXPECT_EQ(v.Lbp, 120.5);
  EXPECT_EQ(v.HalfBreadth, 9.25);
  EXPECT_EQ(v.Depth, 11);
  EXPECT_EQ(v.ForeDraft, 6.1);
  EXPECT_EQ(v.AftDraft, 6.3);
  EXPECT_EQ(v.ShellThickness, 14);
  EXPECT_EQ(v.ModelScale, 25);
  EXPECT_EQ(v.FirstWaterline, 0.5);
  EXPECT_EQ(v.LastWaterline, 8);
  EXPECT_EQ(v.WaterlineStep, 0.25);
  EXPECT_EQ(v.ReportLanguage, "t");  // as written, trimmed
  EXPECT_EQ(v.SeaWaterDensity, 1.025);
  EXPECT_EQ(v.StationLabelScale, 10);
  EXPECT_EQ(v.CurveScriptFlag, 1);
  EXPECT_EQ(run.run.TaskDirectory, qs.dir.string() + "\\");
}

// Every value the run cannot work with stops it when the task file is read,
// with a message naming the value, before any output is written.
TEST(TaskFile, RefusesUnworkableValues) {
  struct Case {
    const char* name;
    void (*edit)(TaskText&);
    const char* message;
  };
  const Case cases[] = {
      {"zero Lbp", [](TaskText& t) { t.Dimensions = "0, 10, 12"; }, "Lbp"},
      {"zero half-breadth", [](TaskText& t) { t.Dimensions = "100, 0, 12"; }, "HalfBreadth"},
      {"negative depth", [](TaskText& t) { t.Dimensions = "100, 10, -1"; }, "Depth"},
      {"negative model scale", [](TaskText& t) { t.ModelScale = "-25"; }, "ModelScale"},
      {"model larger than its ship", [](TaskText& t) { t.ModelScale = "0.5"; }, "ModelScale"},
      {"negative fore draft", [](TaskText& t) { t.Drafts = "-1, 6"; }, "ForeDraft"},
      {"negative aft draft", [](TaskText& t) { t.Drafts = "6, -0.5"; }, "AftDraft"},
      {"zero step", [](TaskText& t) { t.Waterlines = "0, 10, 0"; }, "WaterlineStep"},
      {"negative step", [](TaskText& t) { t.Waterlines = "0, 10, -1"; }, "WaterlineStep"},
      {"too many waterlines", [](TaskText& t) { t.Waterlines = "0, 200, 1"; }, "en fazla 100 su hatti"},
      {"101 with the mean draft", [](TaskText& t) { t.Waterlines = "0, 100, 1"; t.Drafts = "6.5, 6.5"; },
       "en fazla 100 su hatti"},
      {"waterline on the base line", [](TaskText& t) { t.Waterlines = "-1, 10, 1"; }, "taban cizgisinin"},
      {"empty report name", [](TaskText& t) { t.REPORTFILE = ""; }, "REPORTFILE"},
      {"report over the task file", [](TaskText& t) { t.REPORTFILE = "Kormelant.TSK"; }, "REPORTFILE"},
      {"report over the offset table", [](TaskText& t) { t.REPORTFILE = "HULL.DAT"; }, "REPORTFILE"},
      {"report over the appendage file", [](TaskText& t) { t.REPORTFILE = "APPENDIX.DAT"; }, "REPORTFILE"},
      {"report over BONJEAN.SON", [](TaskText& t) { t.REPORTFILE = "BONJEAN.SON"; }, "REPORTFILE"},
      {"report over ZAZURI.DAT", [](TaskText& t) { t.REPORTFILE = "ZAZURI.DAT"; }, "REPORTFILE"},
      {"report over a script", [](TaskText& t) { t.REPORTFILE = "Enkesitler.SCR"; }, "REPORTFILE"},
      {"report reaching the offset table from OUTDIR",
       [](TaskText& t) { t.OUTDIR = "cikti\\"; t.REPORTFILE = "..\\.\\HULL.DAT"; }, "REPORTFILE"},
      {"both drafts zero", [](TaskText& t) { t.Drafts = "0, 0"; }, "bas ve kic draftlar 0"},
      // Magnitudes no ship has, each refused with its bound: the smallest
      // values that overflowed a derived figure or printed a wrong one.
      {"Lbp so small the station labels overflow", [](TaskText& t) { t.Dimensions = "4.9e-324, 8, 10"; },
       "Kormelant.TSK satir 24: Lbp (dikmeler arasi boy) 0.01 m ile 10000 m arasinda olmalidir; okunan deger 5e-324."},
      {"Lbp so large the report stays empty", [](TaskText& t) { t.Dimensions = "9e307, 8, 10"; },
       "satir 24: Lbp (dikmeler arasi boy) 0.01 m ile 10000 m arasinda olmalidir; okunan deger 9e+307."},
      {"half-breadth under a centimetre", [](TaskText& t) { t.Dimensions = "100, 0.005, 12"; },
       "satir 24: HalfBreadth (yari genislik) 0.01 m ile 10000 m arasinda olmalidir; okunan deger 0.005."},
      {"depth over 10 km", [](TaskText& t) { t.Dimensions = "100, 10, 10000.5"; }, "satir 24: Depth (derinlik)"},
      {"label scale writing Inf labels", [](TaskText& t) { t.LabelScale = "1e307"; },
       "satir 49: StationLabelScale (posta numarasi olcegi) -1000 ile 1000 arasinda olmalidir; okunan deger 1e+307."},
      {"no water", [](TaskText& t) { t.Density = "0"; },
       "satir 47: SeaWaterDensity (suyun yogunlugu) 0 t/m3 'dan buyuk ve en fazla 20 t/m3 olmalidir; okunan deger 0."},
      {"negative shell plating", [](TaskText& t) { t.ShellThickness = "-1"; },
       "satir 30: ShellThickness (ortalama sac kalinligi) 0 mm ile 1000 mm arasinda olmalidir; okunan deger -1."},
      {"model scale beyond 1/10000", [](TaskText& t) { t.ModelScale = "1e6"; }, "satir 34: ModelScale"},
      {"first waterline beyond 10 km", [](TaskText& t) { t.Waterlines = "-1e308, 10, 1"; },
       "satir 41: FirstWaterline (ilk su hatti) -10000 m ile 10000 m arasinda"},
      {"draft above the highest station top", [](TaskText& t) { t.Drafts = "10.5, 6"; },
       "satir 28: ForeDraft (bas draft) 10.5 m, offset tablosundaki en yuksek posta ustunden (10.000 m) yukarida"},
      // A derived height is shown to the report's decimals, not to the last
      // digit of its rounding (-0.3 + 0.1 is -0.19999999999999998).
      {"lowest waterline derived below the base line", [](TaskText& t) { t.Waterlines = "-0.3, 5, 0.1"; },
       "satir 41: en alttaki su hatti (-0.200 m) taban cizgisinin uzerinde olmalidir"},
  };
  const Hull hull = PrismaticHull(BoxSection(10));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TaskText t;
    c.edit(t);
    const auto dir = PrepareRun(t, hull);
    std::filesystem::create_directories(dir / "cikti");
    const std::string taskBefore = FileText(dir / "Kormelant.TSK");
    const RunOutcome r = RunProgramIn(dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "RAPOR.TXT"));
    EXPECT_EQ(FileText(dir / "Kormelant.TSK"), taskBefore);
    EXPECT_GT(FileText(dir / "HULL.DAT").size(), 0u);
  }
}

TEST(TaskFile, UnreadableTaskFilesEndTheRunAsDataErrors) {
  const Hull hull = PrismaticHull(BoxSection(10));
  {
    TaskText t;
    t.Dimensions = "100, 10";  // one number short
    const auto dir = PrepareRun(t, hull);
    EXPECT_EQ(RunProgramIn(dir).status, 1);
  }
  {
    const testsupport::ScratchDirectory dir("kormelant-empty");
    EXPECT_EQ(RunProgramIn(dir).status, 1);  // no task file at all
  }
}

// Hulls the run's tables and integrations cannot hold.
TEST(StationChecks, RefuseHullsOutsideTheRunsLimits) {
  struct Case {
    const char* name;
    Hull hull;
    const char* message;
  };
  Hull tooMany = PrismaticHull(BoxSection(10), 101, 100);
  Hull descending = PrismaticHull(BoxSection(10));
  descending.stations[3].points = {{0, 10, 1}, {6, 10, 1}, {5, 10, 1}, {10, 10, 1}};
  Hull close = PrismaticHull(BoxSection(10));
  close.stations[2].x = close.stations[1].x + 0.006;
  Hull backwards = PrismaticHull(BoxSection(10));
  std::swap(backwards.stations[7].x, backwards.stations[8].x);
  Hull slip = PrismaticHull(BoxSection(10));  // 10000 m written for 10 m: the reviews would never reach the top
  slip.stations[5].points[2] = {10000, 10, 1};
  const Case cases[] = {
      {"101 stations", tooMany, "Data dosyasinda (HULL.DAT) 101 posta var"},
      {"heights going down", descending, "Posta Kesiti No: 4 ( 30.000 metre AP 'den): 3. noktanin"},
      {"stations too close", close, "birbirine cok yakin"},
      {"stations out of order", backwards, "m den kucuk"},
      {"a height far above the depth", slip,
       "\"HULL.DAT\", satir 30, Posta Kesiti No: 6 ( 50.000 metre AP 'den), nokta satiri 3: yukseklik Z = 10000 "
       "geminin boyutlarinin cok disinda; en fazla 120 m (derinligin 10 kati) olabilir."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dir = PrepareRun(TaskText{}, c.hull);
    const RunOutcome r = RunProgramIn(dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(Drafts, BothZeroStopsWithTheZeroDraftMessage) {
  HydroRun run;
  run.task.ForeDraft = 0.0009;
  run.task.AftDraft = -0.0009;
  QuietSession qs;
  const int status = platform::RunProgram(qs.session, [&](platform::Session& s) { CheckDrafts(s, run); });
  EXPECT_EQ(status, 1);
  EXPECT_NE(qs.err.str().find("*** Data giris hatasi ***\nData dosyasinda bas ve kic draftlar 0 (sifir) olarak "
                              "girildi. Bu durumda program calismaz. Data dosyasini guncelleyin. \n"),
            std::string::npos)
      << qs.err.str();
}

// Ten stations 100/9 m apart: none at midship.
HydroRun RunWithoutMidship() {
  HydroRun run;
  run.task.Lbp = 100;
  SetHull(run.hull, PrismaticHull(BoxSection(10), 10, 100));
  return run;
}

TEST(Midship, StationAtHalfLengthNeedsNoQuestion) {
  HydroRun run;
  run.task.Lbp = 100;
  Hull h = PrismaticHull(BoxSection(10));
  h.stations[5].x = 50.0009;
  SetHull(run.hull, h);
  QuietSession qs("H\n");
  FindMidshipSection(qs.session, run);
  EXPECT_EQ(run.run.MidshipIndex, 6.0f);
  EXPECT_EQ(qs.out.str().find("MASTORI"), std::string::npos);
}

TEST(Midship, TypedIndexMustBeAWholeStationNumber) {
  HydroRun run = RunWithoutMidship();
  QuietSession qs("E\n0\n3.5\nyedi\n11\n4\n");
  FindMidshipSection(qs.session, run);
  EXPECT_EQ(run.run.MidshipIndex, 4.0f);
  std::size_t asked = 0, pos = 0;
  while ((pos = qs.err.str().find("1 ile 10 arasinda bir tam sayi", pos)) != std::string::npos) ++asked, ++pos;
  EXPECT_EQ(asked, 4u);
}

// A refused answer as the last line of the input: the question is asked
// once more and the end of the input takes its pre-filled middle station;
// the questioning ends.
TEST(Midship, RefusedLastAnswerThenEndOfInputTakesTheMiddleStation) {
  HydroRun run = RunWithoutMidship();
  QuietSession qs("E\n12\n");
  FindMidshipSection(qs.session, run);
  EXPECT_EQ(run.run.MidshipIndex, 5.0f);
  EXPECT_NE(qs.err.str().find("Girilen mastori kesiti indisi (12) 1 ile 10 arasinda bir tam sayi olmalidir."),
            std::string::npos)
      << qs.err.str();
  EXPECT_EQ(testsupport::CountOf(qs.out.str(), "MASTORI KESITI OLARAK GIRIN"), 2);
}

TEST(Midship, EndOfInputTakesTheMiddleStation) {
  HydroRun run = RunWithoutMidship();
  QuietSession qs("E\n");
  FindMidshipSection(qs.session, run);
  EXPECT_EQ(run.run.MidshipIndex, 5.0f);
  const std::string out = qs.out.str();
  const std::size_t first = out.find(
      "== MASTORI KESITI HATASI ==\nGEMI GEOMETRISI DATA DOSYASINDA MASTORI KESITI (Lbp/2 - ORTA KESIT) YOK. BU "
      "DURUMDA NORMALDE HESAP DEVAM EDEMEZ. (ORTA KESITE BAGLI DEGISKENLER HESAPLANAMAZ. YALNIZ YAT VE BENZERI "
      "TEKNELERDE MASTORI KESITININ EN GENIS KESIT OLDUGU KAVRAMI UNUTULMAMALIDIR. BU DURUMDA EN GENIS KESIT INDISI "
      "MASTORI KESITI OLARAK GIRILMELIDIR). HESABA YINE DE DEVAM ETMEK ISTERSENIZ 'E' TUSUNA BASIP MASTORI KESITI "
      "YERINE GECEBILECEK DATA DOSYASINDAN BIR KESIT INDISI YAZABILIRSINIZ. EGER BASKA BIR TUSA BASARSANIZ PROGRAM "
      "SONLANIRILACAKTIR.\n[default: H]");
  const std::size_t second = out.find(
      "== MASTORI KESITI HATASI ==\nGEMI GEOMETRISI DATA DOSYASINDAKI KESITLERDEN BIRININ INDISINI MASTORI KESITI "
      "OLARAK GIRIN\n[default: 5]");
  ASSERT_NE(first, std::string::npos) << out;
  ASSERT_NE(second, std::string::npos) << out;
  EXPECT_LT(first, second);
}

TEST(Midship, AnyOtherFirstAnswerEndsTheRunAfterTheSecondBox) {
  for (const char* answers : {"", "H\n4\n", "evet\n4\n"}) {
    SCOPED_TRACE(answers);
    HydroRun run = RunWithoutMidship();
    QuietSession qs(answers);
    const int status = platform::RunProgram(qs.session, [&](platform::Session& s) { FindMidshipSection(s, run); });
    EXPECT_EQ(status, 2);
    EXPECT_NE(qs.out.str().find("MASTORI KESITI OLARAK GIRIN"), std::string::npos);
  }
}

TEST(Drafts, TrimmedOnlyBeyondATenthOfAMillimetre) {
  struct Case {
    double fore, aft;
    int trimmed;
  };
  for (const Case c : {Case{3.00005, 3.0, 0}, Case{2.0, 3.0, 1}, Case{0, 0.5, 1}}) {
    HydroRun run;
    run.task.ForeDraft = c.fore;
    run.task.AftDraft = c.aft;
    QuietSession qs;
    CheckDrafts(qs.session, run);
    EXPECT_EQ(run.run.TrimmedFlag, c.trimmed);
  }
}

TEST(SetUp, EvenKeelSeriesWithTheMeanDraftSortedIn) {
  struct Case {
    double first, last, step, draft;
    std::vector<double> series;
    int design;
  };
  const Case cases[] = {
      {0, 2, 0.5, 1.2, {0.5, 1.0, 1.2, 1.5, 2.0}, 3},
      {0, 2, 0.5, 1.0005, {0.5, 1.0, 1.5, 2.0}, 2},
      {1, 1.5, 1, 0.8, {0.8}, 1},
  };
  for (const Case& c : cases) {
    HydroRun run;
    run.task.Lbp = 100;
    run.task.ForeDraft = run.task.AftDraft = c.draft;
    run.task.FirstWaterline = c.first;
    run.task.LastWaterline = c.last;
    run.task.WaterlineStep = c.step;
    SetUpComputation(run);
    ASSERT_EQ(run.run.WaterlineCount, static_cast<int>(c.series.size()));
    for (int j = 1; j <= run.run.WaterlineCount; ++j)
      EXPECT_NEAR(run.run.WaterlineDraft(j), c.series[static_cast<std::size_t>(j - 1)], 1e-12);
    EXPECT_EQ(run.run.DesignWaterlineIndex, c.design);
    EXPECT_DOUBLE_EQ(run.run.MeanDraft, c.draft);
  }
}

// The set-up keeps the task values as read and puts the converted ones into
// the run's values; its Gauss table integrates a section exactly.
TEST(SetUp, TrimmedRunHasOneWaterlineAndConvertsItsValues) {
  HydroRun run;
  run.task.Lbp = 80;
  run.task.ForeDraft = 2;
  run.task.AftDraft = 3;
  run.task.ShellThickness = 12;
  run.task.ModelScale = 25;
  run.task.ReportLanguage = "t";
  run.run.TrimmedFlag = 1;
  SetUpComputation(run);
  EXPECT_EQ(run.run.WaterlineCount, 1);
  EXPECT_EQ(run.run.DesignWaterlineIndex, 1);
  EXPECT_DOUBLE_EQ(run.run.WaterlineDraft(1), 2.5);
  EXPECT_DOUBLE_EQ(run.run.TrimAngle, std::atan(-1.0 / 80));
  EXPECT_DOUBLE_EQ(run.run.ShellThickness, 0.012);
  EXPECT_DOUBLE_EQ(run.run.ModelScale, 0.04);
  EXPECT_EQ(run.run.ReportLanguage, "T");
  EXPECT_EQ(run.task.ShellThickness, 12);
  EXPECT_EQ(run.task.ModelScale, 25);
  EXPECT_EQ(run.task.ReportLanguage, "t");
  // A parabolic half-section y = 3 z (1 - z/8) from the keel to 8 m: 32 m2.
  const numerics::SliceSums s =
      numerics::IntegrateSlice(run.run.Gauss, 0.0, 8.0, [](double z) { return 3 * z * (1 - z / 8); });
  EXPECT_NEAR(s.area, 32.0, 1e-8);  // the rule's stored table: measured 2.7e-9
}

TEST(SetUp, LanguageLetterNormalised) {
  const std::pair<const char*, const char*> cases[] = {{"0", "I"}, {"i", "I"}, {"t", "T"}, {"T", "T"}, {"TR", "TR"}};
  for (const auto& [read, used] : cases) {
    HydroRun run;
    run.task.Lbp = 1;
    run.task.ForeDraft = run.task.AftDraft = 1;
    run.task.WaterlineStep = 1;
    run.task.ReportLanguage = read;
    SetUpComputation(run);
    EXPECT_EQ(run.run.ReportLanguage, used);
    EXPECT_EQ(run.task.ReportLanguage, read);
  }
}

// A step that is not a binary fraction sums to a little more than the last
// waterline asked for (0.7 ten times is 7.000000000000001): that waterline
// is still in the series, one short of it by more than rounding is not.
TEST(SetUp, WaterlineSeriesKeepsALastWaterlinePassedByRoundingOnly) {
  struct Case {
    double first, last, step;
    int count;
  };
  const Case cases[] = {{0, 7, 0.7, 10}, {0, 5.6, 0.7, 8}, {0, 0.6, 0.2, 3}, {0, 0.3, 0.1, 3},
                        {0, 8, 0.5, 16}, {0, 6.9999, 0.7, 9}, {0, 7, 0.7000001, 9}};
  for (const Case& c : cases) {
    // The mean draft on the first waterline, so that nothing is sorted in.
    const WaterlineSeries s = EvenKeelWaterlineSeries(c.first, c.last, c.step, c.first + c.step);
    ASSERT_EQ(s.count, c.count) << c.first << ", " << c.last << ", " << c.step;
    EXPECT_LE(s.drafts(s.count), c.last + 1e-6 * c.step) << c.last;
    EXPECT_EQ(s.designIndex, 1);
  }
}

TEST(SetUp, WaterlineSeriesStopsAtTheLimit) {
  EXPECT_FALSE(EvenKeelWaterlineSeries(0, 100, 1, 6).exceedsLimit);
  EXPECT_EQ(EvenKeelWaterlineSeries(0, 100, 1, 6).count, 100);
  EXPECT_TRUE(EvenKeelWaterlineSeries(0, 100, 1, 6.5).exceedsLimit);
  // A step lost in the rounding of the drafts still ends the series.
  EXPECT_TRUE(EvenKeelWaterlineSeries(1e20, 2e20, 1, 6).exceedsLimit);
}

}  // namespace
}  // namespace hydro

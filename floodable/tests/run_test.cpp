// Whole runs of Dolvenika_Tez: the box's level table from its offset table,
// the refusals of hulls and bulkhead counts, the questions that end a run, the
// report's layout and the bundled example.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "floodable/driver.hpp"
#include "floodable/loading.hpp"
#include "floodable/report.hpp"
#include "task_fixture.hpp"
#include "tests/support/example_runs.hpp"
#include "tests/support/script_reader.hpp"

namespace flood {
namespace {

using namespace boxtest;

// The hull loaded from its offset table, and the report's head.
struct Loaded {
  StepsResult result;
  FloodRun run;
};
Loaded Load(const testsupport::Hull& hull) {
  Loaded l;
  l.run.task.OffsetFileName = "BOX.DAT";
  l.run.task.ShipLength = kLength;
  FloodRun& run = l.run;
  l.result = RunSteps(
      [&](platform::Session& s, platform::OutputFile&) {
        LoadHullAndBonjeanData(s, run);
        WriteSectionsAndBonjean(s, run);
      },
      "", [&](const std::filesystem::path& dir) { testsupport::WriteOffsetTable(dir / "BOX.DAT", hull); });
  return l;
}

double Level(int k) { return (k - 1) * kDepth / 29; }

// Level k of every station holds the area of the box's section up to its
// height: 12 (H(k) - bottom) above the bottom, 0 below it, and the part below
// the base line in level 1.
TEST(LoadingTest, LevelTablesOfBoxSections) {
  const struct {
    std::string name;
    double bottom;
  } cases[] = {{"box", 0}, {"keel below the base line", -0.5}, {"bottom above the base line", 1.0}};
  for (const auto& c : cases) {
    const Loaded l = Load(BoxHull(0, c.bottom));
    ASSERT_EQ(l.result.status, 0) << c.name << l.result.err;
    const HullData& d = l.run.hull;
    for (int i = 1; i <= 9; ++i) {
      ASSERT_EQ(d.LevelCount(i), 30) << c.name;
      for (int k = 1; k <= 30; ++k) {
        EXPECT_DOUBLE_EQ(d.LevelHeight(i, k), Level(k)) << c.name;
        const double exact = 2 * kHalfBreadth * std::max(0.0, Level(k) - c.bottom);
        // The stored Gauss weights sum to 1 within 4e-10.
        EXPECT_NEAR(d.CumulativeSectionArea(i, k), exact, 1e-9 * std::max(1.0, exact)) << c.name << " level " << k;
      }
    }
  }
  // As printed: level 15 of the box at 3.862 m holds 46.345 m2.
  const Loaded box = Load(BoxHull());
  const std::string& report = box.result.files.at("Dolvenika_Tez.SON");
  EXPECT_EQ(report.rfind(" KESIT SAYISI =  9\r\n\r\n\r\n POSTA NO : 1 - ( . / . m)\r\n", 0), 0u);
  EXPECT_NE(report.find("\r\n POSTA NO : 2 - ( 1.25 / 10. m)\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n 15         3.86                46.34\r\n"), std::string::npos);
  // Keel 0.5 m below: 6 m2 in level 1; bottom at 1 m: 1.241 m2 at level 5.
  const Loaded keel = Load(BoxHull(0, -0.5));
  EXPECT_NEAR(keel.run.hull.CumulativeSectionArea(1, 1), 6.0, 1e-8);
  const Loaded raised = Load(BoxHull(0, 1.0));
  EXPECT_EQ(raised.run.hull.CumulativeSectionArea(1, 4), 0);
  EXPECT_NEAR(raised.run.hull.CumulativeSectionArea(1, 5), 1.241, 0.001);
  EXPECT_NEAR(box.run.hull.MaxHalfBreadth, 6, 0);
  EXPECT_EQ(box.run.hull.AftOverhang, 0);
  EXPECT_EQ(box.run.hull.ForeOverhang, 0);
}

// A station higher than the lowest deck gets a 31st level at its own top.
TEST(LoadingTest, AStationAboveTheLowestDeckGetsItsOwnTopLevel) {
  testsupport::Hull hull = BoxHull();
  hull.stations[4].points = testsupport::KnuckledBoxSection(kHalfBreadth, 0, 9);
  const Loaded l = Load(hull);
  ASSERT_EQ(l.result.status, 0) << l.result.err;
  const HullData& d = l.run.hull;
  EXPECT_EQ(d.LevelCount(4), 30);
  EXPECT_EQ(d.LevelHeight(4, 30), 8);
  ASSERT_EQ(d.LevelCount(5), 31);
  EXPECT_EQ(d.LevelHeight(5, 30), 8);
  EXPECT_EQ(d.LevelHeight(5, 31), 9);
  EXPECT_NEAR(d.CumulativeSectionArea(5, 31), 108, 1e-7);
}

// Everything the run cannot work with is refused with a message naming where
// it stands and the value, status 1: the task file's counts and values as
// soon as they are read (a count of one bulkhead among them), hulls whose
// integrations, drawings and levels would not advance, trim lines that
// flooding cannot reach.
TEST(RunTest, RefusesWhatTheRunCannotWorkWith) {
  const auto task = [](const std::function<void(TaskText&)>& change) {
    TaskText t;
    change(t);
    return t;
  };
  const auto hull = [](const std::function<void(testsupport::Hull&)>& change) {
    testsupport::Hull h = BoxHull();
    change(h);
    return h;
  };
  const std::vector<Drafts> four = {{8, 6}, {8, 7}, {7, 8}, {6, 8}};
  const struct {
    TaskText task;
    testsupport::Hull hull;
    std::string says;
    bool reported;  // the report was begun before the refusal
  } cases[] = {
      {task([](TaskText& t) { t.offsetFile = "cikti/Dolvenika_Tez.SON"; t.outputDirectory = "CIKTI\\"; }), BoxHull(),
       "satir 18: cikti dizini (CIKTI/) ile programin cikti dosyasi CIKTI/Dolvenika_Tez.SON offset tablosunu", false},
      {task([](TaskText& t) { t.length = "0"; }), BoxHull(), "Dolvenika_Tez.TSK satir 20: L (gemi boyu)", false},
      {task([](TaskText& t) { t.length = "-80"; }), BoxHull(),
       "satir 20: L (gemi boyu) 0.01 m ile 10000 m arasinda olmalidir; okunan deger -80.", false},
      // Magnitudes no ship has, refused on their lines with their bounds.
      {task([](TaskText& t) { t.length = "1e307"; }), BoxHull(), "satir 20: L (gemi boyu) 0.01 m ile 10000 m", false},
      {task([](TaskText& t) { t.lines[1] = {1e300, 6}; }), BoxHull(),
       "satir 28: kic drafti -10000 m ile 10000 m arasinda olmalidir; okunan deger 1e+300.", false},
      {task([](TaskText& t) { t.load = {4, -2e4}; }), BoxHull(), "satir 33: bas drafti -10000 m ile 10000 m arasinda olmalidir; okunan deger -20000.", false},
      {task([](TaskText& t) { t.zones = {{0, 1e5, 60}}; }), BoxHull(), "satir 37: bolge sonu -10000 m ile 10000 m", false},
      {task([](TaskText& t) { t.bulkheads = {10, 2e4}; }), BoxHull(), "satir 46: perde yeri -10000 m ile 10000 m", false},
      {TaskText{}, hull([](testsupport::Hull& h) { h.stations.back().x = 800.5; }),
       "posta yeri X = 800.5 geminin boyutlarinin cok disinda; en fazla 800 m (boyun (L) 10 kati) olabilir.", false},
      {task([](TaskText& t) { t.trimCount = "2.5"; }), BoxHull(), "satir 23: trim hatti sayisi", false},
      {task([](TaskText& t) { t.trimCount = "0"; t.lines = {}; }), BoxHull(), "satir 23: trim hatti sayisi", false},
      {task([](TaskText& t) { t.trimCount = "25"; }), BoxHull(), "okunan deger 25.", false},
      {task([&](TaskText& t) { t.lines = four; }), BoxHull(), "satir 23: trim hatti sayisi 1 ile 23 arasinda tek", false},
      {task([](TaskText& t) { t.zoneCount = "0"; }), BoxHull(), "satir 35: permeabilite bolgesi sayisi", false},
      {task([](TaskText& t) { t.zoneCount = "26"; }), BoxHull(), "satir 35: permeabilite bolgesi sayisi 1 ile 25", false},
      {task([](TaskText& t) { t.zoneCount = "1.5"; }), BoxHull(), "okunan deger 1.5.", false},
      {task([](TaskText& t) { t.zones = {{0, 80, 0}}; }), BoxHull(), "satir 37: permeabilite (yuzde)", false},
      {task([](TaskText& t) { t.zones = {{0, 80, 100.5}}; }), BoxHull(), "okunan deger 100.5.", false},
      // Permeabilities from 1 % (a space nearly full of cargo) to 100 %.
      {task([](TaskText& t) { t.zones = {{0, 80, 1e-300}}; }), BoxHull(),
       "satir 37: permeabilite (yuzde) 1 ile 100 arasinda olmalidir; okunan deger 1e-300.", false},
      {task([](TaskText& t) { t.zones = {{0, 40, 60}, {40, 80, 0.99}}; }), BoxHull(),
       "satir 38: permeabilite (yuzde) 1 ile 100 arasinda olmalidir; okunan deger 0.99.", false},
      {task([](TaskText& t) { t.zones = {{0, 40, 60}, {40, 40, 95}}; }), BoxHull(),
       "satir 38: bolge sonu (40 m) bolge basindan (40 m) ileride olmalidir", false},
      {task([](TaskText& t) { t.bulkheadCount = "26"; }), BoxHull(), "satir 42: perde sayisi en fazla 25", false},
      {task([](TaskText& t) { t.bulkheadCount = "2.5"; }), BoxHull(), "satir 42: perde sayisi", false},
      // Counts far beyond an int are refused before any conversion.
      {task([](TaskText& t) { t.trimCount = "-3e9"; }), BoxHull(), "satir 23: trim hatti sayisi 1 ile 23", false},
      {task([](TaskText& t) { t.trimCount = "1e300"; }), BoxHull(), "okunan deger 1e+300.", false},
      {task([](TaskText& t) { t.zoneCount = "-3e9"; }), BoxHull(),
       "satir 35: permeabilite bolgesi sayisi 1 ile 25 arasinda bir tam sayi olmalidir; okunan deger -3000000000.",
       false},
      {task([](TaskText& t) { t.bulkheadCount = "3e9"; }), BoxHull(), "satir 42: perde sayisi en fazla 25", false},
      {task([](TaskText& t) { t.bulkheads = {10, 30, 30}; }), BoxHull(), "satir 47: perde yerleri kictan basa artan", false},
      {TaskText{}, hull([](testsupport::Hull& h) { for (auto& s : h.stations) s.points = {{0, 0, 1}, {4, 0, 1}, {8, 0, 1}}; }),
       "\"BOX.DAT\" dosyasinda hicbir posta noktasinin yari genisligi sifirdan buyuk degil", false},
      {TaskText{}, hull([](testsupport::Hull& h) { h.stations[2].points = testsupport::KnuckledBoxSection(kHalfBreadth, -1, 0); }),
       "\"BOX.DAT\" dosyasinda 3. postanin (x = 20 m) en ust noktasi (z = 0 m)", false},
      {TaskText{}, hull([](testsupport::Hull& h) { h.stations[3].x = 20.005; }),
       "Istasyon Postasi =  20.00 m ile 20.00 m birbirine cok yakin", false},
      {TaskText{}, hull([](testsupport::Hull& h) { std::swap(h.stations[3].x, h.stations[4].x); }),
       "Istasyon Postasi =  30.00 m ile 40.00 m den kucuk", false},
      {task([](TaskText& t) { t.bulkheads = {40}; }), BoxHull(), "satir 42: PERDE SAYISINDA HATA VAR - STOP", false},
      {task([](TaskText& t) { t.bulkheadCount = "-2"; }), BoxHull(), "satir 42: PERDE SAYISINDA HATA VAR - STOP", false},
      {task([](TaskText& t) { t.bulkheadCount = "-3e9"; }), BoxHull(), "satir 42: PERDE SAYISINDA HATA VAR - STOP", false},
      // Waterlines that enclose none of the hull, on their task-file lines.
      {task([](TaskText& t) { t.load = {0, 0}; }), BoxHull(),
       "Dolvenika_Tez.TSK satir 33: yuk su hatti, kic drafti 0 m, bas drafti 0 m, tekne icinde hic hacim kapsamiyor "
       "(hacim 0.00 m3)",
       true},
      {task([](TaskText& t) { t.load = {-1, -1}; }), BoxHull(), "satir 33: yuk su hatti, kic drafti -1 m", true},
      {task([](TaskText& t) { t.lines[1] = {0, 0}; t.load = {0, 0}; }), BoxHull(),
       "satir 28: trim hatti 2 (1A), kic drafti 0 m, bas drafti 0 m, tekne icinde hic hacim kapsamiyor", true},
      {task([](TaskText& t) { t.lines[2] = {-1, -1}; }), BoxHull(), "satir 29: trim hatti 3 (PAR.), kic drafti -1 m",
       true},
      {task([](TaskText& t) { t.lines = {{kMargin, 5.524}, {6.0, 4.0}, {kMargin, kMargin}}; }), BoxHull(),
       "Trim hatti 2 (PAR.) yuk su hattindan", true},
      {task([](TaskText& t) { t.lines = {{7.924, 2.300}, {kMargin, kMargin}, {5.524, kMargin}}; }), BoxHull(),
       "Yarali Su LCG degerlerinde hata olustu. Draftlari yeniden girmek gerek", true},
  };
  for (const auto& c : cases) {
    const StepsResult r = RunProgramWith(c.task, c.hull);
    EXPECT_EQ(r.status, 1) << c.says;
    EXPECT_NE((r.err + r.out).find(c.says), std::string::npos) << r.err << r.out;
    // Said once: by its message or input box, not again at the run's end.
    EXPECT_EQ(testsupport::CountOf(r.err + r.out, c.says), 1) << r.err << r.out;
    EXPECT_EQ(r.files.count("Dolvenika_Tez.SON"), c.reported ? 1u : 0u) << c.says;
    if (c.reported) {
      const std::string& report = r.files.at("Dolvenika_Tez.SON");
      EXPECT_EQ(report.find("YARALI BOLME BOYU HESABI"), std::string::npos);
      // A waterline without volume is refused before any line is reported.
      if (c.says.find("hic hacim") != std::string::npos) {
        EXPECT_EQ(report.find("ICIN HESAP"), std::string::npos) << c.says;
      }
    }
  }
}

// A count of one bulkhead is said on standard error as the task file is
// read, before any question: no review is asked, no picture made, no report
// begun (it was once an input box after the four reviews, on standard output
// alone).
TEST(RunTest, ABulkheadCountOfOneIsRefusedBeforeTheReviews) {
  TaskText task;
  task.bulkheads = {40};
  const StepsResult r = RunProgramWith(task, BoxHull());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Dolvenika_Tez.TSK satir 42: PERDE SAYISINDA HATA VAR - STOP: perde sayisi 0 (perde yok) ya "
                       "da 2 ile 25 arasinda olmalidir (tek bir perde bir bolme sinirlamaz); okunan deger 1."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out.find("YANLISLIK VAR MI"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("PERDE SAYISINDA"), std::string::npos) << r.out;
  for (const auto& [name, text] : r.files) EXPECT_NE(name.rfind("screens/", 0), 0u) << name;
  EXPECT_EQ(r.files.count(kReportFileName), 0u);
}

// Nothing of the run is written over its inputs: a left-over link where the
// script goes, or a report that is a hard link to the hull, is refused before
// any file is touched, the hull as it was.
TEST(RunTest, OutputsOverTheHullAreRefusedBeforeAnythingIsWritten) {
  const struct {
    const char* name;
    void (*prepare)(const std::filesystem::path& dir);
    const char* says;
  } cases[] = {
      {"link", [](const std::filesystem::path& d) { std::filesystem::create_symlink(d / "BOX.DAT", d / kScriptFileName); },
       "satir 18: cikti dizini () ile programin cikti dosyasi Dolvenika_Tez.SCR offset tablosunu (BOX.DAT) gosteriyor"},
      {"hard link", [](const std::filesystem::path& d) { std::filesystem::create_hard_link(d / "BOX.DAT", d / kReportFileName); },
       "satir 18: cikti dizini () ile programin cikti dosyasi Dolvenika_Tez.SON offset tablosunu (BOX.DAT) gosteriyor"},
      {"hull in the pictures folder",
       [](const std::filesystem::path& d) {
         std::filesystem::create_directories(d / "screens");
         std::filesystem::copy_file(d / "BOX.DAT", d / "screens" / "BOX.DAT");
         std::filesystem::remove(d / "BOX.DAT");
         std::filesystem::create_symlink(d / "screens" / "BOX.DAT", d / "BOX.DAT");
       },
       "Girdi dosyasi \"BOX.DAT\" ekran resimleri klasorunde"},
  };
  for (const auto& c : cases) {
    std::string hullText;
    const StepsResult r = RunProgramWith(TaskText{}, BoxHull(), "", [&](const std::filesystem::path& d) {
      c.prepare(d);
      hullText = testsupport::ReadFile(d / "BOX.DAT");  // links followed
    });
    EXPECT_EQ(r.status, 1) << c.name;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.name << r.err;
    EXPECT_EQ(r.files.at("BOX.DAT"), hullText) << c.name;
    EXPECT_EQ(r.files.count("screens/0001-Form1_KORMELAN.svg"), 0u) << c.name;
  }
}

// A level table holding a number that is not finite never reaches the
// report: the run stops naming the file and the quantity.
TEST(RunTest, ReportTakesNoNumberThatIsNotFinite) {
  const StepsResult r = RunSteps([](platform::Session& s, platform::OutputFile&) {
    FloodRun run;
    run.task.ShipLength = 80;
    run.hull.hull.StationCount = 2;
    run.hull.LevelCount(1) = run.hull.LevelCount(2) = 2;
    run.hull.LevelHeight(2, 2) = std::nan("");
    WriteSectionsAndBonjean(s, run);
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\"Dolvenika_Tez.SON\" dosyasina yazilacak su hatti yuksekligi, posta 2, seviye 2 sonlu bir "
                       "sayi degil"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.files.count(kReportFileName), 0u);
}

// A flooded-water centre outside the stations lists every centre, marked,
// in the report's error block: (7.924, 2.300) puts it 294.762 m aft of AP.
TEST(RunTest, FloodedWaterCentreOutsideTheShip) {
  TaskText t;
  t.lines = {{7.924, 2.300}, {kMargin, kMargin}, {5.524, kMargin}};
  const StepsResult r = RunProgramWith(t, BoxHull());
  EXPECT_EQ(r.status, 1);
  EXPECT_NEAR(FloodedCentre({7.924, 2.300}), -294.762, 0.001);
  const std::string& report = r.files.at("Dolvenika_Tez.SON");
  EXPECT_NE(report.find("**************************        Hata         ************************\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("\r\n 1   -294.76"), std::string::npos) << report;
  EXPECT_NE(report.find("  ** LCG GEMI DISINDA ** \r\n 2     40.000   \r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nNO     LCG-w             DURUM       \r\n        (m) \r\n"), std::string::npos);
}

// A trim line that holds no more than the load waterline explains itself in
// the report before the run stops: the volume of every line and of the load
// waterline, with the lines that hold no flooded water marked.
TEST(RunTest, TrimLineWithoutFloodedWater) {
  TaskText t;
  t.lines = {{kMargin, 5.524}, {6.0, 4.0}, {kMargin, kMargin}};
  const StepsResult r = RunProgramWith(t, BoxHull());
  EXPECT_EQ(r.status, 1);
  // (6, 4) holds 12 x 80 x 5 = 4800 m3, the load waterline's volume (both
  // integrated from the box's sections print as 4799.99).
  EXPECT_NEAR(Volume({6.0, 4.0}), 4800, 1e-9);
  const std::string& report = r.files.at("Dolvenika_Tez.SON");
  const std::size_t block = report.find("**************************        Hata         ************************\r\n");
  ASSERT_NE(block, std::string::npos);
  const std::string rows = report.substr(block);
  EXPECT_NE(rows.find("\r\nTrim hatti 2 (PAR.) yuk su hattindan ( 4799.99 m3) fazla hacim kapsamiyor ( 4799.99 m3)"),
            std::string::npos)
      << rows;
  EXPECT_NE(rows.find("\r\nYARALI SU HACIMLERI\r\n"), std::string::npos) << rows;
  EXPECT_NE(rows.find("\r\n 1   1A            6455.03     1655.03   \r\n"), std::string::npos) << rows;
  EXPECT_NE(rows.find("\r\n 2   PAR.          4799.99        0.00  ** YARALI SU YOK ** \r\n"), std::string::npos)
      << rows;
  EXPECT_NE(rows.find("\r\n 4   SLL.          4799.99   yuk su hatti\r\n"), std::string::npos) << rows;
  EXPECT_EQ(rows.substr(rows.size() - 2 * 73), std::string(71, '*') + "\r\n" + std::string(71, '*') + "\r\n");
  EXPECT_EQ(report.find("YARALI BOLME BOYU HESABI"), std::string::npos);
}

// The 60 m barge whose first station has its bilge corner coded smooth, with
// three trim lines, the load waterline at 3 m and two zones: the point check
// of the offset table refuses it (status 1) before any level is integrated or
// any review drawn.  The pair is said on the error stream, the message once;
// neither the report nor the script is written.  The same barge coded right
// runs to its end and floats at the load waterline with the box's volume,
// 60 x 12 x 3 = 2160 m3.
TEST(RunTest, BargeWithASmoothBilgeCornerIsRefusedBeforeAnythingIsComputed) {
  TaskText task;
  task.length = "60";
  task.lines = {{4.924, 3.5}, {4.924, 4.924}, {3.5, 4.924}};
  task.load = {3, 3};
  task.zones = {{0, 30, 100}, {30, 60, 85}};
  const StepsResult refused = RunProgramWith(task, testsupport::KnuckledBarge(true));
  EXPECT_EQ(refused.status, 1) << refused.err;
  EXPECT_NE(refused.err.find("\n**** POSTA KESITI NO =  1 'DE DATA GIRDI HATASI ****\n"
                             "     Posta Yeri =   0.000 metre AP 'den\n"
                             "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\n"
                             "                 Z1 =  0.0000 ILE Z2 =  0.0000\n"
                             "\n*** Kesit postalari data giris hatasi ***\n"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(testsupport::CountOf(refused.err, "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti "
                                              "noktalari var."),
            1)
      << refused.err;
  EXPECT_EQ(refused.out.find("YANLISLIK VAR MI"), std::string::npos);
  for (const auto& [name, text] : refused.files) {
    EXPECT_TRUE(name == kTaskFileName || name == task.offsetFile || (name == "REPORT.SON" && text.empty())) << name;
  }

  const StepsResult sound = RunProgramWith(task, testsupport::KnuckledBarge(false));
  ASSERT_EQ(sound.status, 0) << sound.err;
  const std::string& report = sound.files.at(kReportFileName);
  const std::string label = "HESAPLANAN DEPLASMAN =";
  const std::size_t at = report.rfind(label);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NEAR(std::stod(report.substr(at + label.size())), 2160, 0.02);
}

// A yes to any of the four reviews ends the run at once, status 2; the report,
// written only from the trim-line review on, is complete on disk.
TEST(RunTest, AYesToAReviewEndsTheRun) {
  const std::string questions[] = {"POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>",
                                   "KIC BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>",
                                   "BAS BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>",
                                   "TRIM HATLARINDA EKSIKLIK veya YANLISLIK VAR MI E/H <H>"};
  for (int q = 0; q < 4; ++q) {
    const StepsResult r = RunProgramWith(TaskText{}, BoxHull(), std::string(static_cast<std::size_t>(q), '\n') + "E\n");
    EXPECT_EQ(r.status, 2) << q;
    EXPECT_NE(r.out.find(questions[q]), std::string::npos) << q;
    if (q + 1 < 4) {
      EXPECT_EQ(r.out.find(questions[q + 1]), std::string::npos) << q;
    }
    if (q < 3) {
      EXPECT_EQ(r.files.count("Dolvenika_Tez.SON"), 0u);
    } else {
      const std::string& report = r.files.at("Dolvenika_Tez.SON");
      EXPECT_NE(report.find("\r\n POSTA NO : 9 - ( 10. / 80. m)\r\n"), std::string::npos);
      // Complete to the last level of the last station.
      const std::size_t last = report.rfind("\r\n", report.size() - 3);
      EXPECT_EQ(report.substr(last + 2, 16), " 30         8.00");
      EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
      EXPECT_EQ(report.find("TRIM HATTI NO"), std::string::npos);
    }
  }
}

// The layout of one small report, line by line: one trim line, the even-keel
// line through the margin line, one permeability.
TEST(RunTest, SmallReportLayout) {
  TaskText task;
  task.lines = {{kMargin, kMargin}};
  task.zones = {{0, kLength, 60}};
  const StepsResult r = RunProgramWith(task, BoxHull());
  ASSERT_EQ(r.status, 0) << r.err;
  const std::filesystem::path golden =
      std::filesystem::path(__FILE__).parent_path() / "golden" / "box_report.txt";
  if (std::getenv("SUITE_WRITE_GOLDEN") != nullptr) testsupport::WriteFile(golden, r.files.at("Dolvenika_Tez.SON"));
  EXPECT_EQ(r.files.at("Dolvenika_Tez.SON"), testsupport::ReadFile(golden));
}

// The bundled example: ORNEK.DAT with five trim lines and three zones runs to
// its end with the default answers and finds every point.
TEST(RunTest, BundledExample) {
  const std::filesystem::path examples = testsupport::ExamplesDirectory();
  const StepsResult r = RunSteps([](platform::Session& s, platform::OutputFile&) { RunFloodableLengthProgram(s); }, "",
                                 [&](const std::filesystem::path& dir) {
                                   for (const char* f : {"Dolvenika_Tez.TSK", "ORNEK.DAT"})
                                     std::filesystem::copy_file(examples / f, dir / f);
                                 });
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& report = r.files.at("Dolvenika_Tez.SON");
  EXPECT_EQ(report.find("YAKINSAMA"), std::string::npos);
  EXPECT_EQ(testsupport::CountOf(report, "DENEMEDE BULUNMUSTUR"), 15);
  ASSERT_NE(report.find("PERMEABILITE NO: 3"), std::string::npos);
  const std::vector<CurveRow> rows = PermeabilityTable(report, 2);  // 60 %
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_NEAR(rows[3].length, 52.1, 0.05);
  EXPECT_NEAR(rows[3].x, 48.4, 0.05);
  // Every end point on its terminal line, the compartment from the first
  // station (0 m; the counter stern reaches 4.4 m further aft) or to the
  // last (100 m): l = 2 x aft, l = 2 (100 - x) fore, within 1 mm and the
  // millimetre that the report cuts from l and from x.
  for (int p = 1; p <= 3; ++p) {
    const std::vector<CurveRow> curve = PermeabilityTable(report, p);
    ASSERT_EQ(curve.size(), 7u);
    EXPECT_NEAR(curve[0].length, 2 * curve[0].x, 0.003) << p;
    EXPECT_NEAR(curve[6].length, 2 * (100 - curve[6].x), 0.003) << p;
    EXPECT_GT(curve[0].x, 0) << p;
    EXPECT_LT(curve[6].x, 100) << p;
    EXPECT_FALSE(curve[0].marked || curve[6].marked) << p;
  }
  // The drawing script, read back, and one picture for each of the five
  // questions and the pauses of three permeabilities' graphs and the
  // combined graph.
  const scripttest::ParsedScript script = ScriptOf(r);
  EXPECT_TRUE(script.faults.empty()) << scripttest::Faults(script);
  EXPECT_EQ(script.PolylinesOn("YBB_Egrisi_Parabolic_Int").size(), 3u);
  EXPECT_EQ(script.PolylinesOn("Perde_Koordinatlari").size(), 10u);
  EXPECT_EQ(testsupport::CountOf(r.out, "(picture: screens/"), 4 + 1 + 3 * 5 + 1);
}

}  // namespace
}  // namespace flood

// Whole runs of Pendrovix: the box barge read back from the report against
// its exact heeled rectangles, the refusals of unworkable task files and
// hulls, the metacentric-height question, and the bundled example.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/platform/number_format.hpp"
#include "crosscurves/forms.hpp"
#include "run_fixture.hpp"

namespace cross::testing {
namespace {

TEST(CrossCurvesRun, BoxReportMatchesTheExactRectangles) {
  for (const auto* half : {&kBox, &kKnuckleBox}) {
    ProgramRun run;
    run.WriteTask(TaskText{});
    run.WriteHull(*half);
    ASSERT_EQ(run.Run(), 0) << run.Errors();
    const std::string report = run.Report();
    EXPECT_EQ(report.rfind(" =========================================================== \r\n"
                           "           HESAPLANAN STABILITE CAPRAZ EGRILERI              \r\n"
                           " =========================================================== \r\n"
                           "\r\n\r\n\r\n\r\n",  // the upright angle: its two blank lines only
                           0),
              0u);
    const PrintedBlocks blocks = ReadBlocks(report);
    ASSERT_EQ(blocks.size(), 10u);
    const auto polygon = SectionPolygon(kBox);
    for (const auto& [phi, rows] : blocks) {
      ASSERT_EQ(rows.size(), 16u);
      const double tanPhi = std::tan(phi * 3.1415927 / 180);
      for (int c = 1; c <= 16; ++c) {
        const double h = -7 * tanPhi + c * (14 * tanPhi + 9) / 16;
        const ImmersedSection exact = ClipBelowWaterline(polygon, phi, h);
        const std::vector<double>& r = rows[static_cast<std::size_t>(c - 1)];
        SCOPED_TRACE("heel " + std::to_string(phi) + " row " + std::to_string(c));
        const double displacement = exact.area * 60 * 1.025;
        EXPECT_NEAR(r[0], displacement, 1e-4 * displacement + 0.0005);
        if (exact.area == 0) {
          EXPECT_EQ(r, std::vector<double>(5, 0.0));
          continue;
        }
        EXPECT_NEAR(r[1], ExactKN(exact, phi), 0.001);
        EXPECT_NEAR(r[2], exact.vcb, 0.001);
        EXPECT_NEAR(r[3], exact.tcb, 0.001);
        EXPECT_EQ(r[4], 30);
      }
    }
  }
}

TEST(CrossCurvesRun, HeelAnglesOverSeveralLinesReadAsOnOne) {
  ProgramRun one, several;
  TaskText t;
  one.WriteTask(t);
  t.HeelAngleLines = {"0, 8, 16", "24", "32 40 48, 56", "64, 72, 80"};
  several.WriteTask(t);
  one.WriteHull(kBox);
  several.WriteHull(kBox);
  ASSERT_EQ(one.Run(), 0) << one.Errors();
  ASSERT_EQ(several.Run(), 0) << several.Errors();
  EXPECT_EQ(one.Report(), several.Report());
}

// Each unworkable value stops the run before the report exists, with a
// message naming the task-file line and the value.
TEST(CrossCurvesRun, UnworkableTaskValuesAreRefused) {
  struct Case {
    const char* name;
    void (*change)(TaskText&);
    const char* message;
  };
  const Case cases[] = {
      {"count above 100", [](TaskText& t) { t.HeelAngleCount = "101"; },
       "Pendrovix.TSK satir 21: HeelAngleCount (meyil acisi sayisi) 0 ile 100 arasinda bir tam sayi olmalidir; okunan "
       "deger 101."},
      {"count not whole", [](TaskText& t) { t.HeelAngleCount = "10.5"; }, "okunan deger 10.5."},
      // A count above the angles given: the list runs into the label line
      // after them, which is said as the place where the next angle was due.
      {"count of 9 over eight angles",
       [](TaskText& t) {
         t.HeelAngleCount = "9";
         t.HeelAngleLines = {"8, 16, 24, 32, 40, 48, 56, 64"};
       },
       "Pendrovix.TSK\" dosyasi, satir 23: 1. deger \"label\" bir sayi degil; satir 21 'deki HeelAngleCount 9 meyil "
       "acisi istiyor, 8 aci okundu: burada 9. meyil acisi bekleniyordu (aci sayisi verilen acilardan fazla "
       "olabilir)."},
      {"count of 12 over two lines of eleven angles",
       [](TaskText& t) {
         t.HeelAngleCount = "12";
         t.HeelAngleLines = {"0, 8, 16, 24", "32, 40, 48, 56, 64, 72, 80"};
       },
       "satir 24: 1. deger \"label\" bir sayi degil; satir 21 'deki HeelAngleCount 12 meyil acisi istiyor, 11 aci "
       "okundu: burada 12. meyil acisi bekleniyordu"},
      {"count negative", [](TaskText& t) { t.HeelAngleCount = "-1"; }, "okunan deger -1."},
      {"100 angles with the GZ curve",
       [](TaskText& t) {
         t.HeelAngleCount = "100";
         t.HeelAngleLines.clear();
         for (int k = 0; k < 100; ++k) t.HeelAngleLines.push_back(std::to_string(0.5 + 0.8 * k));
         t.GzCurveAnswer = "E";
       },
       "Pendrovix.TSK satir 21: GZ egrisi istendiginde (satir 133) HeelAngleCount (meyil acisi sayisi) en fazla 99 "
       "olabilir; okunan deger 100."},
      {"negative angle", [](TaskText& t) { t.HeelAngleLines = {"0, 8, -16, 24, 32, 40, 48, 56, 64, 72, 80"}; },
       "Pendrovix.TSK satir 22: 3. meyil acisi (-16 derece) 0 ile 90 derece arasinda olmalidir (0 dahil, 90 haric)."},
      {"right angle", [](TaskText& t) { t.HeelAngleLines = {"0, 8, 16, 24", "32, 40, 48, 56, 64, 72, 90"}; },
       "Pendrovix.TSK satir 23: 11. meyil acisi (90 derece) 0 ile 90 derece arasinda olmalidir"},
      {"angles not increasing with the GZ curve",
       [](TaskText& t) {
         t.HeelAngleLines = {"0, 8, 16, 24, 32, 32, 48, 56, 64, 72, 80"};
         t.GzCurveAnswer = "e";
       },
       "Pendrovix.TSK satir 22: GZ egrisi istendiginde meyil acilari artan sirada olmalidir; 6. aci (32 derece) bir "
       "oncekinden (32 derece) buyuk degil."},
      {"density zero", [](TaskText& t) { t.WaterDensity = "0"; },
       "Pendrovix.TSK satir 24: WaterDensity (suyun yogunlugu) 0 t/m3 'dan buyuk ve en fazla 20 t/m3 olmalidir; "
       "okunan deger 0."},
      {"no displacement with the GZ curve",
       [](TaskText& t) {
         t.RequestedDisplacement = "0";
         t.GzCurveAnswer = "E";
       },
       "Pendrovix.TSK satir 36: RequestedDisplacement (istenen deplasman) 0 ton 'dan buyuk"},
      {"displacement beyond any ship", [](TaskText& t) { t.RequestedDisplacement = "-2e9"; },
       "Pendrovix.TSK satir 36: RequestedDisplacement (istenen deplasman) -1000000000 ton ile 1000000000 ton "
       "arasinda olmalidir; okunan deger -2000000000."},
      {"KG beyond any ship", [](TaskText& t) { t.KGKM = "1e5, 6"; },
       "Pendrovix.TSK satir 40: KG (agirlik merkezinin yuksekligi)"},
      {"four waterlines", [](TaskText& t) { t.InclinedWaterlineCount = "4"; },
       "Pendrovix.TSK satir 26: InclinedWaterlineCount (egik su hatti sayisi) 5 ile 100 arasinda bir tam sayi "
       "olmalidir; okunan deger 4."},
      {"101 waterlines", [](TaskText& t) { t.InclinedWaterlineCount = "101"; }, "okunan deger 101."},
      {"waterlines not whole", [](TaskText& t) { t.InclinedWaterlineCount = "16.5"; }, "okunan deger 16.5."},
      {"number beyond any magnitude", [](TaskText& t) { t.WaterDensity = "1e999"; },
       "Pendrovix.TSK\" dosyasi, satir 24: 1. deger \"1e999\" bir sayi degil"},
      {"empty report name", [](TaskText& t) { t.REPORTFILE = "  "; },
       "Pendrovix.TSK satir 16: REPORTFILE (rapor dosyasi adi) bos olamaz."},
      {"report over the task file", [](TaskText& t) { t.REPORTFILE = "pendrovix.tsk"; },
       "Pendrovix.TSK satir 16: REPORTFILE (pendrovix.tsk) programin kendi dosyalarindan birini"},
      {"report over the offset table", [](TaskText& t) { t.REPORTFILE = "HULL.DAT"; },
       "REPORTFILE (HULL.DAT) programin kendi dosyalarindan birini (HULL.DAT) gosteriyor"},
      {"report over the data file",
       [](TaskText& t) {
         t.REPORTFILE = "STASCR.DAT";
         t.CrossCurveDrawingAnswer = "E";
       },
       "REPORTFILE (STASCR.DAT) programin kendi dosyalarindan birini (STASCR.DAT) gosteriyor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramRun run;
    TaskText t;
    c.change(t);
    run.WriteTask(t);
    run.WriteHull(kBox);
    EXPECT_EQ(run.Run(), 1);
    EXPECT_NE(run.Errors().find(c.message), std::string::npos) << run.Errors();
    EXPECT_FALSE(run.Exists("Pendrovix.SON"));
  }
}

// An output that would replace an input is refused before anything is
// written: the offset table named as the body-plan script is left as it was.
TEST(CrossCurvesRun, OutputOverAnInputIsRefused) {
  ProgramRun run;
  TaskText t;
  t.DATAFILE = "Enkesitler.SCR";
  run.WriteTask(t);
  testsupport::WriteOffsetTable(run.Dir() / "Enkesitler.SCR", PrismHull(kBox));
  const std::string hull = run.Report("Enkesitler.SCR");
  EXPECT_EQ(run.Run(), 1);
  EXPECT_NE(run.Errors().find("Hicbir dosya yazilmadi."), std::string::npos) << run.Errors();
  EXPECT_EQ(run.Report("Enkesitler.SCR"), hull);
  EXPECT_FALSE(run.Exists("Pendrovix.SON"));
}

// Every output place (report, body plan, data file, both scripts) is
// claimed before the first question and before any picture: an output
// folder that is not there stops the run with nothing asked and nothing
// drawn, also where a negative GM0 would ask first.
TEST(CrossCurvesRun, MissingOutputFolderStopsBeforeAnyQuestionOrPicture) {
  for (const char* KGKM : {"4.5, 5.7667", "6.0, 5.5"}) {
    SCOPED_TRACE(KGKM);
    ProgramRun run;
    TaskText t;
    t.OUTDIR = "NOWHERE\\";
    t.KGKM = KGKM;
    t.CrossCurveDrawingAnswer = "E";
    t.GzCurveAnswer = "E";
    run.WriteTask(t);
    run.WriteHull(kBox);
    EXPECT_EQ(run.Run("E\n"), 1);
    EXPECT_NE(run.Errors().find("\") yok. Dizini olusturun ya da gorev dosyasinda OUTDIR 'i duzeltin. Hicbir dosya "
                                "yazilmadi."),
              std::string::npos)
        << run.Errors();
    EXPECT_EQ(run.Terminal().find("[default:"), std::string::npos) << run.Terminal();
    EXPECT_FALSE(run.Exists("screens") && !std::filesystem::is_empty(run.Dir() / "screens"));
    EXPECT_FALSE(run.Exists("NOWHERE"));
  }
}

// Hulls the run cannot integrate or scale: stations closer than 0.01 m or out
// of order along the length; every top point on the centre line (a hull
// wider below its tops does not count), or every top at or below the base
// line.
TEST(CrossCurvesRun, UnworkableHullsAreRefused) {
  struct Case {
    testsupport::Hull hull;
    const char* message;
  };
  testsupport::Hull close = PrismHull(kBox), disordered = PrismHull(kBox);
  close.stations[3].x = close.stations[2].x + 0.005;
  std::swap(disordered.stations[2].x, disordered.stations[3].x);
  const Case cases[] = {
      {close, "Istasyon Postasi =  20.00 m ile 20.01 m birbirine cok yakin"},
      {disordered, "Istasyon Postasi =  20.00 m ile 30.00 m den kucuk"},
      {PrismHull({{0, 7, 1}, {4, 7, 1}, {9, 0, 1}}),
       "Data dosyasinda (HULL.DAT) postalarin en ust noktalarinin en buyuk yari genisligi 0.01 m 'den kucuk (0 m)."},
      {PrismHull({{-9, 7, 1}, {0, 7, 1}}),
       "Data dosyasinda (HULL.DAT) postalarin en ust noktalarinin en buyuk yuksekligi 0.01 m 'den kucuk (0 m)."},
      {PrismHull({{0, 7, 1}, {4, 7, 1}, {9000, 0.5, 1}}),
       "Data dosyasinda (HULL.DAT) postalarin en ust noktalarinin en buyuk yuksekligi (9000 m) en buyuk yari "
       "genisliklerinin (0.5 m) 100 katindan buyuk."},
  };
  for (const Case& c : cases) {
    ProgramRun run;
    run.WriteTask(TaskText{});
    run.WriteHull(c.hull);
    EXPECT_EQ(run.Run(), 1);
    EXPECT_NE(run.Errors().find(c.message), std::string::npos) << run.Errors();
    EXPECT_FALSE(run.Exists("Pendrovix.SON"));
  }
}

// The 60 m barge whose first station has its bilge corner coded smooth: the
// point check of the offset table refuses it (status 1) right after the
// table is read, before any figure is computed or any picture drawn.  The
// pair is said on the error stream, the message once; nothing is written.
// The same barge coded right runs to its end.
TEST(CrossCurvesRun, BargeWithASmoothBilgeCornerIsRefusedBeforeAnythingIsComputed) {
  TaskText t;
  t.HeelAngleCount = "3";
  t.HeelAngleLines = {"0, 10, 20"};
  {
    ProgramRun run;
    run.WriteTask(t);
    run.WriteHull(testsupport::KnuckledBarge(true));
    EXPECT_EQ(run.Run(), 1);
    EXPECT_NE(run.Errors().find("\n**** POSTA KESITI NO =  1 'DE DATA GIRDI HATASI ****\n"
                                "     Posta Yeri =   0.000 metre AP 'den\n"
                                "SU HATTI NOKTASI NO =  1 ILE   2 BIRBIRINE COK YAKIN\n"
                                "                 Z1 =  0.0000 ILE Z2 =  0.0000\n"
                                "\n*** Kesit postalari data giris hatasi ***\n"),
              std::string::npos)
        << run.Errors();
    EXPECT_EQ(testsupport::CountOf(run.Errors(), "Data dosyasinda posta kesitlerinde birbirlerine yakin su hatti "
                                                 "noktalari var."),
              1)
        << run.Errors();
    EXPECT_EQ(run.Terminal().find("YANLISLIK VAR MI"), std::string::npos);
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(run.Dir())) files.push_back(e.path().filename());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"HULL.DAT", "Pendrovix.TSK"}));
  }
  ProgramRun run;
  run.WriteTask(t);
  run.WriteHull(testsupport::KnuckledBarge(false));
  EXPECT_EQ(run.Run(), 0) << run.Errors();
}

// A yes to the review of the stations ends the run before the report.
TEST(CrossCurvesRun, StationReviewAnsweredYesEndsTheRun) {
  for (const char* answer : {"E\n", "e\n", "H\n", ""}) {
    ProgramRun run;
    run.WriteTask(TaskText{});
    run.WriteHull(kKnuckleBox);
    const bool yes = answer[0] == 'E' || answer[0] == 'e';
    EXPECT_EQ(run.Run(answer), yes ? 2 : 0) << answer;
    EXPECT_NE(run.Terminal().find("POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>"), std::string::npos);
    EXPECT_EQ(run.Exists("Pendrovix.SON"), !yes);
  }
}

// A negative initial metacentric height asks whether to go on: "H" or "h"
// (the pre-filled answer) ends the run before anything is written; any other
// answer goes on.
TEST(CrossCurvesRun, NegativeMetacentricHeightQuestion) {
  struct Case {
    const char* answer;
    int status;
  };
  const Case cases[] = {{"h", 2}, {"H", 2}, {"", 2}, {" h", 0}, {"E", 0}, {"N", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("answer '") + c.answer + "'");
    ProgramRun run;
    TaskText t;
    t.KGKM = "6.0, 5.5";
    t.HeelAngleCount = "1";
    t.HeelAngleLines = {"30"};
    run.WriteTask(t);
    run.WriteHull(kBox);
    EXPECT_EQ(run.Run(std::string(c.answer) + "\n"), c.status) << run.Errors();
    EXPECT_NE(run.Terminal().find("BASLANGIC GM=KM-KG DEGERI NEGATIF CIKTI."), std::string::npos);
    EXPECT_EQ(run.Exists("Pendrovix.SON"), c.status == 0);
  }
  // KM equal to KG asks nothing.
  ProgramRun run;
  TaskText t;
  t.KGKM = "5.5, 5.5";
  run.WriteTask(t);
  run.WriteHull(kBox);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(run.Terminal().find("BASLANGIC GM"), std::string::npos);
}

// The report after the heel-angle blocks: the deck-edge table, then the GZ
// lines, which do not depend on the drawing answer nor on a data file an
// earlier run left in the output folder.
std::string GzLines(const std::string& report) {
  const std::size_t at = report.find(" GZ VE MEYIL ACISI DEGERLERI ");
  return at == std::string::npos ? std::string() : report.substr(at);
}

TEST(CrossCurvesRun, DeckEdgeTableThenTheRightingLeverCurve) {
  TaskText t;
  t.HeelAngleCount = "10";
  t.HeelAngleLines = {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"};
  t.InclinedWaterlineCount = "40";
  t.GzCurveAnswer = "E";
  std::string gz;
  for (const char* drawing : {"E", "H", "foreign"}) {
    SCOPED_TRACE(drawing);
    ProgramRun run;
    t.CrossCurveDrawingAnswer = std::string(drawing) == "foreign" ? "H" : drawing;
    run.WriteTask(t);
    run.WriteHull(kBox);
    if (std::string(drawing) == "foreign") run.Write("STASCR.DAT", "1\r\n2,30\r\n100,9\r\n9000,9\r\n");
    ASSERT_EQ(run.Run(), 0) << run.Errors();
    const std::string report = run.Report();
    const std::size_t deck = report.find("  GUVERTE KENARI SUYA GIRME ACILARI\r\n");
    ASSERT_NE(deck, std::string::npos);
    EXPECT_LT(report.find("MEYIL ACISI : 80.00 derece"), deck);
    EXPECT_NE(report.find(" ISTENEN DEPLASMAN =  4305.000 ton\r\n GUV. SUYA GIRME ACISI = 29.745 der.\r\n"), std::string::npos);
    EXPECT_LT(deck, report.find(" GZ VE MEYIL ACISI DEGERLERI "));
    EXPECT_NE(report.find("30-40 DER. ARASINDA EGRI ALTINDA KALAN ALAN =  0.191 (m*rad) (min 0.03 m*rad)\r\n"),
              std::string::npos);
    EXPECT_EQ(report.size() - report.rfind("(min 0.03 m*rad)\r\n"), std::string("(min 0.03 m*rad)\r\n").size());
    if (gz.empty()) gz = GzLines(report);
    EXPECT_EQ(GzLines(report), gz);
    EXPECT_EQ(run.Exists("STASCR.DAT"), std::string(drawing) != "H");
  }
}

// After the interpolated table the data file carries its evenly spaced rows,
// each displacement with its interpolated KN.
TEST(CrossCurvesRun, DataFileHoldsTheInterpolatedRows) {
  ProgramRun run;
  TaskText t;
  t.HeelAngleCount = "2";
  t.HeelAngleLines = {"16, 48"};
  t.CrossCurveDrawingAnswer = "E";
  run.WriteTask(t);
  run.WriteHull(kBox);
  ASSERT_EQ(run.Run("\nE\n1000\n7000\n"), 0) << run.Errors();
  std::istringstream file(run.Report("STASCR.DAT"));
  std::string line;
  std::getline(file, line);
  EXPECT_EQ(line, "2\r");
  for (const char* head : {"16,16\r", "16,48\r"}) {
    std::getline(file, line);
    EXPECT_EQ(line, head);
    for (int j = 1; j <= 16; ++j) {
      std::getline(file, line);
      EXPECT_EQ(line.substr(0, line.find(',')), platform::WriteItemNumber(1000 + 400 * (j - 1)));
    }
  }
  EXPECT_NE(run.Report().find(" INTERPOLE EDILMIS CAPRAZ STABILITE DEGERLERI\r\n MEYIL ACISI = 48.00 DERECE\r\n"),
            std::string::npos);
}

// Without heel angles the deck-edge table still stands and the interpolated
// table says why it is not there.  Without a heel above 0 the GZ step still
// prints its table (the upright row, or none), the loading condition and GM0;
// the largest GZ is 0 at 0 degrees and the areas the curve does not reach
// are " *****": only the drawing, whose heel axis ends at the last heel
// angle, is skipped with a message.
TEST(CrossCurvesRun, NoHeelAnglesOrUprightOnly) {
  for (const bool upright : {false, true}) {
    SCOPED_TRACE(upright ? "upright only" : "no heel angle");
    ProgramRun run;
    TaskText t;
    t.HeelAngleCount = upright ? "1" : "0";
    t.HeelAngleLines = upright ? std::vector<std::string>{"0"} : std::vector<std::string>{};
    t.GzCurveAnswer = "E";
    t.CrossCurveDrawingAnswer = "E";
    run.WriteTask(t);
    run.WriteHull(kBox);
    ASSERT_EQ(run.Run(), 0) << run.Errors();
    const std::string report = run.Report();
    EXPECT_NE(report.find("  GUVERTE KENARI SUYA GIRME ACILARI\r\n"), std::string::npos);
    EXPECT_EQ(GzLines(report),
              std::string(" GZ VE MEYIL ACISI DEGERLERI \r\n=========================\r\n"
                          " NO      GZ(m)   ACI(der)\r\n=========================\r\n") +
                  (upright ? "  1      0.000     0.000\r\n" : "") +
                  "=========================\r\n\r\n\r\n"
                  "DEPLASMAN   4305.000 ton icin KG =   4.500 m (BL'den) ve KM =   5.767 m (BL'den)\r\n"
                  "BASLANGIC GM0 =   1.267 m. (serbest yuzey duzeltmesi yapilmadi)\r\n"
                  "MAXIMUM GZ =  0.000 (m) MEYIL ACISI =   0.00 derece\r\n"
                  "30 DER. MEYILDE EGRI ALTINDA KALAN ALAN =  ***** (m*rad) (min 0.055 m*rad)\r\n"
                  "40 DER. MEYILDE EGRI ALTINDA KALAN ALAN =  ***** (m*rad) (min 0.09 m*rad)\r\n"
                  "30-40 DER. ARASINDA EGRI ALTINDA KALAN ALAN =  ***** (m*rad) (min 0.03 m*rad)\r\n");
    EXPECT_NE(run.Errors().find(upright ? "Gorev dosyasinda 0 dereceden buyuk meyil acisi yok: GZ ekseninin olcegi "
                                          "kurulamadigi icin GZ egrisi cizilmedi ve Pendrovix_GZ_PHI.SCR yazilmadi."
                                        : "(HeelAngleCount = 0): GZ ekseninin olcegi kurulamadigi icin GZ egrisi "
                                          "cizilmedi"),
              std::string::npos)
        << run.Errors();
    EXPECT_FALSE(run.Exists("Pendrovix_GZ_PHI.SCR"));
    if (!upright) {
      EXPECT_NE(run.Errors().find("(HeelAngleCount = 0): interpole edilmis capraz stabilite tablosu yazilmadi."),
                std::string::npos);
      EXPECT_EQ(testsupport::ReadFile(run.Dir() / "STASCR.DAT"), "0\r\n");
    }
  }
}

// The requested displacement selects the deck-edge angle and the GZ curve:
// without the curve any displacement serves, one the hull does not reach
// (none, or a negative one) gives the angle " *****".
TEST(CrossCurvesRun, RequestedDisplacementWithoutTheGzCurve) {
  for (const char* displacement : {"0", "-50"}) {
    SCOPED_TRACE(displacement);
    ProgramRun run;
    TaskText t;
    t.RequestedDisplacement = displacement;
    run.WriteTask(t);
    run.WriteHull(kBox);
    ASSERT_EQ(run.Run(), 0) << run.Errors();
    const std::string report = run.Report();
    EXPECT_NE(report.find(" ISTENEN DEPLASMAN = " + FormatNumber(std::stod(displacement), 5, 3) +
                          " ton\r\n GUV. SUYA GIRME ACISI =  ***** der.\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find(" GZ VE MEYIL ACISI DEGERLERI "), std::string::npos);
  }
}

// The GZ step at a displacement below the V prism's floating rows at 48
// degrees stops the run; the report keeps what came before.
TEST(CrossCurvesRun, RequestedDisplacementOffACrossCurveStops) {
  ProgramRun run;
  TaskText t;
  t.HeelAngleCount = "2";
  t.HeelAngleLines = {"16, 48"};
  t.GzCurveAnswer = "E";
  t.RequestedDisplacement = "300";
  run.WriteTask(t);
  run.WriteHull(kVPrism);
  EXPECT_EQ(run.Run(), 1);
  EXPECT_NE(run.Errors().find("48.00 derece meyil acisinin capraz egrisinin disinda"), std::string::npos);
  const std::string report = run.Report();
  EXPECT_EQ(report.size() - report.rfind(" =================================== \r\n"),
            std::string(" =================================== \r\n").size());
}

}  // namespace
}  // namespace cross::testing

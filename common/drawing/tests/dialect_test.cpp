// The line forms of the drawing-script dialect and the set-up data of the
// three programs.
#include "common/drawing/dialect.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/platform/exit_status.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/run_stop.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace {

using scripttest::ReadScript;
using testsupport::ReadFile;

// A scratch folder whose scripts are named as the programs write them.
class WorkingDirectory {
 public:
  std::filesystem::path Out(const std::string& name) const { return dir_.Path() / name; }

 private:
  testsupport::ScratchDirectory dir_{"drawing-dialect"};
};

std::string RawFile(const std::filesystem::path& p) { return ReadFile(p); }

TEST(DrawingDialect, LinesOfEveryKindEndWithCrLf) {
  WorkingDirectory dir;
  {
    platform::OutputFile file(dir.Out("t.SCR"), "t.SCR");
    drawing::ScriptWriter w(file, drawing::KormelantCurvesDialect());
    w.TextStyle(2.0);
    w.TextAt("text c", 140, 177.5, 0, "HIDROSTATIK EGRILER - 1");
    w.Command("pline");
    w.Point(-0.5, 1e-3);
    w.Point(1234567.25, -90);
    w.EndPolyline(drawing::kFittedPolylineEnd);
    w.Circle(0.1 + 0.2, 3, 0.25);
    w.LayerOff("0");
    w.Segment("line", 1.0 / 3, 2, 1e15, -0.0);
    w.Colour(1);
    w.LayerOn("Dis_Cerceve");
    w.Number(-63.43);
    w.Empty();
    w.Redraw();
    file.Close();
  }
  EXPECT_EQ(RawFile(dir.Out("t.SCR")),
            "style complex complex 2.0 1 0 n n n\r\n"
            "text c\r\n140,177.5\r\n0\r\nHIDROSTATIK EGRILER - 1\r\n"
            "pline\r\n-0.5,0.001\r\n1234567.25,-90\r\n pedit l f \r\n"
            "Circle\r\n0.3,3\r\n0.25\r\n"
            "layer off 0 y \r\n"
            "line\r\n0.333333333333333,2\r\n1000000000000000,0\r\n\r\n"
            "COLOR 1\r\n"
            "layer on Dis_Cerceve \r\n"
            "-63.43\r\n\r\n"
            "REDRAW \r\n");
}

TEST(DrawingDialect, StyleHeightsHaveOneDecimal) {
  struct Case {
    double h;
    const char* text;
  };
  for (const Case& c : {Case{1.5, "1.5"}, Case{2, "2.0"}, Case{15, "15.0"}, Case{4.5, "4.5"}, Case{3, "3.0"}}) {
    EXPECT_EQ(drawing::StyleHeightText(c.h), c.text);
  }
}

TEST(DrawingDialect, SheetSetUpsAndLayerFormsAreData) {
  using testsupport::Lines;
  struct Case {
    const drawing::Dialect* dialect;
    drawing::Sheet sheet;
    bool lineTypeScale;
    Lines setUp;
    Lines rest;  // text style 8, colour 10 and layer "kesit_alan" in the dialect's forms
  };
  const Lines lowerCaseFont{"style complex complex 8.0 1 0 n n n", "COLOR 10", "layer new kesit_alan set kesit_alan "};
  const Lines capitals{"style complex complex 8.0 1 0 n n n", "COLOR 10", "Layer New kesit_alan Set kesit_alan "};
  const std::vector<Case> cases{
      {&drawing::KormelantCurvesDialect(), drawing::Sheet::kA4, true, testsupport::kKormelantA4SetUp, lowerCaseFont},
      {&drawing::KormelantCurvesDialect(), drawing::Sheet::kA0, true, testsupport::kKormelantA0SetUp, lowerCaseFont},
      {&drawing::KormelantHullDialect(), drawing::Sheet::kA4, false,
       testsupport::WithoutFirstLine(testsupport::kKormelantA4SetUp), capitals},
      {&drawing::PendrovixCurvesDialect(), drawing::Sheet::kA4, true, testsupport::kPendrovixCurvesSetUp,
       {"style complex  8.0 1 0 n n n", "color 10", "layer new kesit_alan set kesit_alan "}},
      {&drawing::PendrovixBodyPlanDialect(), drawing::Sheet::kA4, true, testsupport::kPendrovixBodyPlanSetUp,
       capitals},
      {&drawing::DolvenikaDialect(), drawing::Sheet::kA4, true, testsupport::kDolvenikaSetUp,
       {"style complex  8.0 1 0 n n n", "Color 10", "layer new kesit_alan set kesit_alan "}},
  };
  WorkingDirectory dir;
  for (const Case& c : cases) {
    {
      platform::OutputFile file(dir.Out("s.SCR"), "s.SCR");
      drawing::ScriptWriter w(file, *c.dialect);
      w.SheetSetUp(c.sheet, c.lineTypeScale);
      w.TextStyle(8);
      w.Colour(10);
      w.NewLayer("kesit_alan");
      file.Close();
    }
    std::string expected;
    for (const std::string& line : c.setUp) expected += line + "\r\n";
    for (const std::string& line : c.rest) expected += line + "\r\n";
    EXPECT_EQ(RawFile(dir.Out("s.SCR")), expected);
  }
}

// Every line form of the three programs' scripts is data of the writer:
// colour words with the number on the same or on the next line, layer
// commands on one line or one item per line, "circle" and "Circle", both
// polyline endings.
TEST(DrawingDialect, LineFormsOfEveryProgram) {
  WorkingDirectory dir;
  {
    platform::OutputFile file(dir.Out("f.SCR"), "f.SCR");
    drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
    w.NewLayer("1", drawing::kLayerItemPerLine);
    w.Colour(10);
    w.Command("pline");
    w.Point(50, 60);
    w.Point(70, 80);
    w.EndPolyline(drawing::kPlainPolylineEnd);
    w.LayerOff("1", drawing::kLayerItemPerLine);
    w.Circle(5, 6, 1.5);
    w.Colour(3, drawing::kColourCapitalNumberBelow);
    w.Colour(6, drawing::kColourLowerCase);
    w.Colour(5, drawing::kColourCapital);
    w.LayerOn("1", drawing::kLayerItemPerLine);
    w.LayerOn("0");
    w.Segment("Pline", 1, 2, 3, 4);
    file.Close();
  }
  EXPECT_EQ(RawFile(dir.Out("f.SCR")),
            "layer new\r\n1\r\nset\r\n1\r\n\r\n"
            "color 10\r\n"
            "pline\r\n50,60\r\n70,80\r\n pedit\r\n l\r\n\r\n"
            "layer off\r\n1\r\ny\r\n\r\n"
            "circle\r\n5,6\r\n1.5\r\n"
            "Color\r\n3\r\n"
            "color 6\r\n"
            "Color 5\r\n"
            "layer on\r\n1\r\n\r\n"
            "layer on 0 \r\n"
            "Pline\r\n1,2\r\n3,4\r\n\r\n");
  // The tests' reader follows each of them.
  scripttest::ParsedScript s = ReadScript(dir.Out("f.SCR"), {.redrawAtEnd = false});
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  EXPECT_EQ(s.LayerSequence(), (std::vector<std::string>{"new 1", "off 1", "on 1", "on 0"}));
  ASSERT_EQ(s.polylines.size(), 2u);
  EXPECT_EQ(s.polylines[0].colour, 10);
  EXPECT_FALSE(s.polylines[0].fitted);
  EXPECT_EQ(s.polylines[1].colour, 5);
  EXPECT_EQ(s.polylines[1].command, "Pline");
  ASSERT_EQ(s.circles.size(), 1u);
  EXPECT_EQ(s.circles[0].radius, 1.5);
}

TEST(DrawingDialect, MissingSheetIsAFaultOfTheProgram) {
  WorkingDirectory dir;
  platform::OutputFile file(dir.Out("s.SCR"), "s.SCR");
  drawing::ScriptWriter w(file, drawing::PendrovixCurvesDialect());
  EXPECT_THROW(w.SheetSetUp(drawing::Sheet::kA0, true), std::logic_error);
}

// A number that is not finite never reaches a script: the run stops as a data
// error naming the script and the command the number belongs to, before
// anything of its line is written.
TEST(DrawingDialect, NonFiniteNumbersStopTheRunNamingScriptAndCommand) {
  struct Case {
    const char* name;
    void (*write)(drawing::ScriptWriter&);
    const char* quantity;
  };
  const Case cases[] = {
      {"point", [](drawing::ScriptWriter& w) { w.Segment("pline", 0, 0, std::nan(""), 1); },
       "\"pline\" komutunun noktasinin x koordinati sonlu bir sayi degil: tanimsiz (NaN)"},
      {"radius", [](drawing::ScriptWriter& w) { w.Circle(1, 2, HUGE_VAL); },
       "\"Circle\" komutunun sayisi (aci, yaricap) sonlu bir sayi degil: sonsuz (+Inf)"},
      {"text angle", [](drawing::ScriptWriter& w) { w.TextAt("text c", 1, 2, -HUGE_VAL, "A"); },
       "\"text c\" komutunun sayisi (aci, yaricap) sonlu bir sayi degil: sonsuz (-Inf)"},
      {"style height", [](drawing::ScriptWriter& w) { w.TextStyle(std::nan("")); },
       "yazi yuksekligi sonlu bir sayi degil"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorkingDirectory dir;
    {
      platform::OutputFile file(dir.Out("s.SCR"), "cikti\\s.SCR");
      drawing::ScriptWriter w(file, drawing::KormelantCurvesDialect());
      w.Command("Osmode 0");
      try {
        c.write(w);
        ADD_FAILURE() << "not refused";
      } catch (const platform::RunStop& stop) {
        EXPECT_EQ(stop.Status(), platform::ExitStatus::kDataError);
        EXPECT_NE(std::string(stop.what()).find("\"cikti/s.SCR\" dosyasina yazilacak " + std::string(c.quantity)),
                  std::string::npos)
            << stop.what();
      }
    }
    const std::string text = RawFile(dir.Out("s.SCR"));
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    EXPECT_EQ(text.find("style"), std::string::npos) << text;
  }
}

TEST(DrawingDialect, ReaderFollowsLayersAndPointLists) {
  WorkingDirectory dir;
  {
    platform::OutputFile file(dir.Out("r.SCR"), "r.SCR");
    drawing::ScriptWriter w(file, drawing::KormelantCurvesDialect());
    w.SheetSetUp(drawing::Sheet::kA4, true);
    w.LayerOff("0");
    w.NewLayer("a");
    w.Colour(3);
    w.Command("pline");
    w.Point(1, 2);
    w.Point(3, 4);
    w.EndPolyline(drawing::kFittedPolylineEnd);
    w.LayerOff("a");
    w.LayerOn("0");
    w.LayerOn("a");
    w.Redraw();
    file.Close();
  }
  scripttest::ParsedScript s = ReadScript(dir.Out("r.SCR"));
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  ASSERT_EQ(s.PolylinesOn("a").size(), 1u);
  EXPECT_TRUE(s.PolylinesOn("a")[0]->fitted);
  EXPECT_EQ(s.PolylinesOn("a")[0]->colour, 3);
  EXPECT_EQ(s.LayerSequence(), (std::vector<std::string>{"off 0", "new a", "off a", "on 0", "on a"}));
  EXPECT_EQ(s.PolylinesOn("0", "line").size(), 0u);  // the frame is one command line
}

}  // namespace

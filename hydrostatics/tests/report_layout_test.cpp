// Layout of the report blocks (line widths, decimal-point columns, headings
// pinned by golden texts in both languages) and the screen plots along the
// length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "closed_form_hulls.hpp"
#include "hydrostatics/particulars.hpp"
#include "hydrostatics/result_steps.hpp"
#include "hydrostatics/tables.hpp"
#include "tests/support/golden_text.hpp"

namespace hydro {
namespace {

using testing::BoxBarge;
using testing::IsRule;
using testing::Report;
using testing::TableRows;

// A small run: a box 40 x 8 m on five stations, two waterlines, a model of
// scale 1/25, 8 mm plating; the aftmost station does not reach the first
// waterline.
HydroRun SmallRun(const std::string& language) {
  auto run = BoxBarge({1, 2}, 2, 25, language, 40, 8, 5);
  run.run.ShellThickness = 0.008;
  run.sections.BonjeanArea(1, 1) = 0;
  run.sections.BonjeanMoment(1, 1) = 0;
  run.sections.CentroidHeight(1, 1) = 0;  // as the Bonjean integration leaves a station without area
  run.sections.WaterlineHalfBreadth(1, 1) = 0;
  return run;
}

std::vector<std::string> FullReport(HydroRun& run) {
  ComputeHydrostaticTables(run);
  return Report([&](platform::OutputFile& f) {
    PrintHydrostaticTablesFirstHalf(f, run);
    PrintHydrostaticTablesSecondHalf(f, run);
    PrintDesignWaterlineParticulars(f, run);
  });
}

std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(__FILE__).parent_path() / "golden" / name;
}

// The layout exactly, the numbers within their printed rounding.
void ExpectGolden(const std::vector<std::string>& lines, const std::string& name) {
  testsupport::ExpectMatchesGolden(lines, GoldenPath(name));
}

TEST(ReportLayout, TurkishReportMatchesItsGoldenText) {
  auto run = SmallRun("T");
  ExpectGolden(FullReport(run), "report_T.txt");
}

TEST(ReportLayout, EnglishReportMatchesItsGoldenText) {
  auto run = SmallRun("I");
  ExpectGolden(FullReport(run), "report_I.txt");
}

// A number field of a row: integer columns, decimals, blanks after it.
struct FieldSpec {
  int nInt, nDec, after;
};

// Columns (1-based) of the decimal points of a row built from the fields,
// preceded by an integer field of the given width and its blanks.
std::vector<std::size_t> PointColumns(int numberWidth, int numberBlanks, const std::vector<FieldSpec>& fields) {
  std::vector<std::size_t> columns;
  std::size_t pos = static_cast<std::size_t>(numberWidth + numberBlanks);
  for (const FieldSpec& f : fields) {
    columns.push_back(pos + static_cast<std::size_t>(f.nInt) + 1);
    pos += static_cast<std::size_t>(f.nInt + f.nDec + 1 + f.after);
  }
  return columns;
}

void ExpectRowsLaidOut(const std::vector<std::string>& rows, std::size_t width, int numberWidth,
                       int numberBlanks, const std::vector<FieldSpec>& fields, const std::string& table) {
  ASSERT_FALSE(rows.empty()) << table;
  const auto points = PointColumns(numberWidth, numberBlanks, fields);
  for (const auto& row : rows) {
    EXPECT_EQ(row.size(), width) << table << ": [" << row << "]";
    std::vector<std::size_t> found;
    for (std::size_t k = 0; k < row.size(); ++k) {
      if (row[k] == '.') found.push_back(k + 1);
    }
    EXPECT_EQ(found, points) << table << ": [" << row << "]";
  }
}

TEST(ReportLayout, RowsHoldTheirDecimalPointsInFixedColumns) {
  for (const std::string language : {"T", "I"}) {
    auto run = SmallRun(language);
    const auto lines = FullReport(run);
    const bool tr = language == "T";
    ExpectRowsLaidOut(
        TableRows(lines, tr ? "                HIDROSTATIK HESAPLAR - I - (GEMI)                                       "
                            : "                HYDROSTATIC CALCULATIONS - I - (SHIP)                                   "),
        95, 3, 1,
        {{2, 3, 1}, {6, 2, 1}, {6, 2, 2}, {1, 3, 2}, {1, 3, 3}, {1, 3, 3}, {2, 2, 3}, {3, 2, 2}, {4, 3, 2},
         {3, 3, 0}, {3, 3, 0}},
        "table I ship " + language);
    ExpectRowsLaidOut(
        TableRows(lines, tr ? "                HIDROSTATIK HESAPLAR - I - (MODEL)                                "
                            : "                HYDROSTATIC CALCULATIONS - I - (MODEL)                            "),
        93, 3, 1,
        {{2, 3, 1}, {3, 3, 2}, {3, 5, 2}, {1, 3, 2}, {1, 3, 2}, {1, 3, 3}, {2, 3, 3}, {2, 3, 2}, {2, 4, 3},
         {2, 3, 1}, {2, 3, 0}},
        "table I model " + language);
    ExpectRowsLaidOut(
        TableRows(lines, tr ? "                HIDROSTATIK HESAPLAR - II - (GEMI)                                 "
                            : "                HYDROSTATIC CALCULATIONS - II - (SHIP)                             "),
        82, 3, 1,
        {{2, 2, 1}, {4, 1, 1}, {3, 2, 1}, {1, 3, 1}, {3, 2, 1}, {3, 2, 1}, {4, 1, 1}, {4, 1, 3}, {2, 3, 1},
         {4, 1, 2}, {4, 1, 1}},
        "table II ship " + language);
    ExpectRowsLaidOut(
        TableRows(lines, tr ? "                  SU HATLARINA GORE HESAPLAR - MODEL                      "
                            : "                    WATER PLANE CALCULATIONS - MODEL                      "),
        80, 2, 1,
        {{1, 3, 1}, {2, 4, 0}, {3, 2, 1}, {1, 3, 1}, {2, 3, 1}, {2, 3, 1}, {2, 3, 1}, {2, 3, 2}, {3, 2, 2},
         {2, 3, 1}, {4, 2, 0}},
        "table II model " + language);
    // Bonjean table: the rows of every station.
    std::vector<std::string> bonjeanRows;
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
      if (lines[k].size() == 38 && !IsRule(lines[k]) && lines[k][0] == ' ' && lines[k][2] != ' ' &&
          lines[k].find('(') == std::string::npos && lines[k].find("DRAFT") == std::string::npos) {
        bonjeanRows.push_back(lines[k]);
      }
    }
    EXPECT_EQ(bonjeanRows.size(), 10u);
    ExpectRowsLaidOut(bonjeanRows, 38, 3, 2, {{3, 2, 2}, {4, 2, 1}, {5, 2, 3}, {3, 2, 0}}, "Bonjean " + language);
  }
}

TEST(ReportLayout, HeadingsHaveTheirWidths) {
  // Width of every heading line of the tables, in report order.
  const std::map<std::string, std::vector<std::size_t>> widths{
      {"T", {88, 95, 95, 95, 82, 33 + 6, 94, 93, 94, 83, 80, 79, 80, 74, 78, 78, 78}},
      {"I", {88, 95, 95, 95, 82, 33 + 6, 94, 94, 94, 83, 80, 80, 80, 74, 78, 79, 78}},
  };
  for (const auto& [language, expected] : widths) {
    auto run = SmallRun(language);
    const auto lines = FullReport(run);
    // The lines between each title and its second rule.
    std::vector<std::size_t> found;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const bool title = lines[k].find("HESAPLAR") != std::string::npos ||
                         lines[k].find("CALCULATIONS") != std::string::npos;
      if (!title) continue;
      int rules = 0;
      for (std::size_t m = k; m < lines.size() && rules < 2; ++m) {
        if (IsRule(lines[m])) {
          ++rules;
        } else {
          found.push_back(lines[m].size());
        }
      }
    }
    EXPECT_EQ(found, expected) << language;
  }
}

TEST(ReportLayout, BonjeanTableShowsStationsAndZeroCentroids) {
  auto run = SmallRun("T");
  const auto lines = Report([&](platform::OutputFile& f) { PrintBonjeanTable(f, run); });
  // Station 3 at 20 m of a 40 m ship numbered on 10 stations: label 5.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "KESIT NO =  3(  5.000 /  20.000 m)"), lines.end());
  EXPECT_EQ(lines.front(), "");
  EXPECT_EQ(lines[1], "");
  // The aftmost station does not reach waterline 1: its ZG, 0, prints as 0.00.
  EXPECT_EQ(lines[7], "  1    1.00     0.00     0.00     0.00");
  EXPECT_EQ(lines[8], "  2    2.00    16.00    16.00     1.00");
  run = SmallRun("I");
  const auto english = Report([&](platform::OutputFile& f) { PrintBonjeanTable(f, run); });
  EXPECT_NE(std::find(english.begin(), english.end(), "STATION =  3 (  5.000  20.000 m)"), english.end());
  EXPECT_EQ(english[english.size() - 3], "PS : MOMENTS ARE CALCULATED ABOUT BASE LINE");
  EXPECT_EQ(english.back(), "");
}

TEST(ScreenPlots, WaterlineSketchDrawsEveryWaterlineAtOnce) {
  auto run = BoxBarge({1, 2, 3}, 2);
  const testsupport::ScratchDirectory dir("hydro-sketch");
  std::istringstream in;
  std::ostringstream out, err;
  platform::Session session(in, out, err, dir);
  DrawWaterlineSketch(session, run);
  platform::ConsoleForm& form = hydro::CurveForm(session);
  EXPECT_FALSE(form.Visible());
  int lines = 0, deducted = 0, captions = 0, ap = 0;
  for (const auto& item : form.Items()) {
    if (item.kind == platform::FormItem::kLine) {
      ++lines;
      if (form.Colour(item) == platform::PaletteColour(9)) ++deducted;
    } else if (item.kind == platform::FormItem::kText) {
      if (form.Text(item) == "HESAPLANAN SU HATLARI") ++captions;
      if (form.Text(item) == "AP") ++ap;
    }
  }
  // Per waterline: centre line, 11 ordinates, 10 chords, 10 inner chords.
  EXPECT_EQ(lines, 3 * (1 + 11 + 10 + 10));
  EXPECT_EQ(deducted, 3 * 10);
  EXPECT_EQ(captions, 3);
  EXPECT_EQ(ap, 3);
  EXPECT_NE(out.str().find("DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN"), std::string::npos);
}

// The captions of the curves and of the sketch, on even keel and trimmed; the
// curve window is hidden after each and every picture waits for Enter.
TEST(ScreenPlots, CurvesAndSketchCarryTheCaptionsOfTheirRun) {
  struct Case {
    int trimmed;
    std::vector<const char*> captions;
  };
  const std::vector<Case> cases{
      {0,
       {"HESAPLANAN SU HATLARI", "YUKLU DRAFTTAKI KESIT ALANLARI EGRISI", "YUKLU DRAFTTAKI KESIT MOMENTLERI EGRISI",
        "YUKLU DRAFTTA ISLAK ALAN KESIT UZUNLUKLARI DEGISIMI"}},
      {1,
       {"TRIMLI DURUMDAKI HATTI", "TRIMLI SU HATTINDAKI KESIT ALANLARI EGRISI",
        "TRIMLI SU HATTINDAKI KESIT MOMENTLERI EGRISI", "TRIMLI SU HATTINDAKI ISLAK KESIT UZUNLUKLARI"}},
  };
  for (const Case& c : cases) {
    auto run = BoxBarge({3}, 1);
    run.run.TrimmedFlag = c.trimmed;
    const testsupport::ScratchDirectory dir("hydro-plots");
    std::istringstream in;
    std::ostringstream out, err;
    platform::Session session(in, out, err, dir);
    DrawWaterlineSketch(session, run);
    PlotSectionalCurves(session, run);
    PlotGirthCurve(session, run);
    EXPECT_FALSE(hydro::CurveForm(session).Visible());
    const std::string text = out.str();
    for (const char* caption : c.captions) {
      EXPECT_NE(text.find(std::string(caption) + "\n"), std::string::npos) << caption;
    }
    // One pause for the sketch and one for each of the three curves.
    EXPECT_EQ(testsupport::CountOf(text, "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN"), 4) << c.trimmed;
  }
}

}  // namespace
}  // namespace hydro

// The number questions of Pendrovix with answers on the session's input: the
// interpolation range, the axes of the cross-curves drawing and the top of
// the GZ axis.  What a box shows is an answer it takes (the pre-filled text,
// and the values its messages name); a refused answer once the input has
// ended stops the run instead of asking for ever; a KN axis below 0 is an
// axis like any other.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/session.hpp"
#include "crosscurves/cross_curves_drawing.hpp"
#include "crosscurves/forms.hpp"
#include "crosscurves/interpolated_table.hpp"
#include "crosscurves/range_questions.hpp"
#include "run_fixture.hpp"
#include "tests/support/script_reader.hpp"

namespace cross::testing {
namespace {

// The pre-filled text of the first box asked with `prompt` after `from`.
std::string Prefilled(const std::string& terminal, const std::string& prompt, std::size_t from = 0) {
  const std::size_t at = terminal.find(prompt + "\n[default: ", from);
  if (at == std::string::npos) return "?";
  const std::size_t begin = at + prompt.size() + 11;
  return terminal.substr(begin, terminal.find("] > ", begin) - begin);
}

double Number(const std::string& text) {
  double v = 0;
  EXPECT_TRUE(platform::ParseNumber(text, v)) << text;
  return v;
}

// A shown text carries the report's three decimals.
bool HasReportDecimals(const std::string& text) {
  const std::size_t point = text.find('.');
  return point != std::string::npos && text.size() - point - 1 == 3;
}

struct ShownCase {
  double x;
  bool up;
  const char* text;
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.x << (c.up ? " up" : " down"); }

class ShownValues : public ::testing::TestWithParam<ShownCase> {};

// Each value is shown at three decimals on its side and reads back there: a
// range's ends rounded inward lie within it, a top rounded upward above the
// curve.
TEST_P(ShownValues, RoundedTowardsTheirSideAndReadBackThere) {
  const ShownCase& c = GetParam();
  const ShownValue shown = ShownTowards(c.x, c.up);
  EXPECT_EQ(shown.text, c.text);
  EXPECT_EQ(shown.value, Number(shown.text));
  EXPECT_TRUE(c.up ? shown.value >= c.x : shown.value <= c.x) << shown.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ShownValues,
                         ::testing::Values(ShownCase{19.4430327276848, true, "19.444"},
                                           ShownCase{19.4430327276848, false, "19.443"},
                                           ShownCase{20135.2191, false, "20135.219"},
                                           ShownCase{165.5, true, "165.500"}, ShownCase{165.5, false, "165.500"},
                                           ShownCase{0.1, false, "0.100"}, ShownCase{0.0004, true, "0.001"},
                                           ShownCase{-0.0004, false, "-0.001"}, ShownCase{-2.3456, true, "-2.345"},
                                           ShownCase{-2.3456, false, "-2.346"}, ShownCase{7000, true, "7000.000"}),
                         [](const ::testing::TestParamInfo<ShownCase>& info) {
                           return "case" + std::to_string(info.index) + (info.param.up ? "up" : "down");
                         });

TEST(ShownRanges, InwardWithinOutwardAround) {
  const std::optional<ShownRange> inside = InwardRange(19.4430327276848, 20135.2191);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->low.text, "19.444");
  EXPECT_EQ(inside->high.text, "20135.219");
  // Nothing to choose: no width, or none at the shown decimals.
  EXPECT_FALSE(InwardRange(2.5, 2.5));
  EXPECT_FALSE(InwardRange(1.0001, 1.0009));
  EXPECT_FALSE(InwardRange(1.0001, 1.001));
  EXPECT_TRUE(InwardRange(1.0001, 1.002));
  const ShownRange around = OutwardRange(-3.2101, -1.2341);
  EXPECT_EQ(around.low.text, "-3.211");
  EXPECT_EQ(around.high.text, "-1.234");
}

// The box barge heeled every 8 degrees, 16 waterlines, the drawings as asked.
TaskText BoxTask(const std::string& drawing, const std::string& gz) {
  TaskText t;
  t.HeelAngleCount = "10";
  t.HeelAngleLines = {"8, 16, 24, 32, 40, 48, 56, 64, 72, 80"};
  t.CrossCurveDrawingAnswer = drawing;
  t.GzCurveAnswer = gz;
  return t;
}

struct Answered {
  ProgramRun run;
  int status = -1;
};
void RunBox(Answered& a, const TaskText& t, const std::string& answers) {
  a.run.WriteTask(t);
  a.run.WriteHull(kBox);
  a.status = a.run.Run(answers);
}

// The displacement column of the first interpolated block.
std::vector<double> InterpolatedDisplacements(const std::string& report) {
  std::vector<double> d;
  const std::size_t block = report.find(" INTERPOLE EDILMIS CAPRAZ STABILITE DEGERLERI");
  if (block == std::string::npos) return d;
  std::size_t at = report.find("(metre)  \r\n ====", block);
  at = report.find("\r\n", report.find("\r\n", at) + 2) + 2;
  while (report.compare(at, 5, " ====") != 0) {
    d.push_back(std::stod(report.substr(at, 12)));
    at = report.find("\r\n", at) + 2;
  }
  return d;
}

constexpr const char* kMinimum = "MINIMUM DEPLASMAN (ton) DEGERINI GIRIN";
constexpr const char* kMaximum = "MAXIMUM DEPLASMAN (ton) DEGERINI GIRIN";

// The interpolation range: the boxes show the displacements every heel angle
// floats at, rounded inward; the input ending there takes them.  Typed as
// the messages show them, the same texts are taken.
TEST(RangeQuestions, InterpolationRangeAsShownIsTaken) {
  Answered shown;
  RunBox(shown, BoxTask("H", "H"), "\nE\n");
  ASSERT_EQ(shown.status, 0) << shown.run.Errors();
  const std::string low = Prefilled(shown.run.Terminal(), kMinimum);
  const std::string high = Prefilled(shown.run.Terminal(), kMaximum);
  EXPECT_TRUE(HasReportDecimals(low) && HasReportDecimals(high)) << low << " " << high;
  // At 80 degrees the box floats from its 2nd line, at some 165.5 t; every
  // heel angle's last line carries nearly the whole hull, 14 x 9 x 60 m3 of
  // 1.025 t/m3 (7749 t).
  EXPECT_GT(Number(low), 165.5);
  EXPECT_LT(Number(low), 165.51);
  EXPECT_GT(Number(high), 7748.9);
  EXPECT_LE(Number(high), 7749);
  std::vector<double> d = InterpolatedDisplacements(shown.run.Report());
  ASSERT_EQ(d.size(), 16u);
  EXPECT_NEAR(d.front(), Number(low), 0.0005);
  EXPECT_NEAR(d.back(), Number(high), 0.0005);

  // A text refused, then the ends the message names.
  Answered typed;
  RunBox(typed, BoxTask("H", "H"), "\nE\nabc\n7000\n" + low + "\n" + high + "\n");
  ASSERT_EQ(typed.status, 0) << typed.run.Errors();
  EXPECT_NE(typed.run.Errors().find("Girilen deplasmanlardan biri sayi degil. Deplasmanlar (" + low + " ile " + high +
                                    " ton arasinda) olmali; lutfen tekrar girin."),
            std::string::npos)
      << typed.run.Errors();
  EXPECT_EQ(InterpolatedDisplacements(typed.run.Report()), d);
}

// A refused pair: asked again while answers come; once the input has ended
// the refusal stops the run (status 1) with its message, after a few lines.
TEST(RangeQuestions, RefusedRangesAtTheEndOfTheInput) {
  struct Case {
    const char* answers;
    int status;
    const char* message;
  };
  const Case cases[] = {
      // the largest equal to the smallest, then the boxes' own texts
      {"\nE\n5000\n5000\n", 0, "En buyuk deplasman en kucukten buyuk olmalidir."},
      // a smallest below the range, the largest left to the end of the input
      {"\nE\n1\n", 1, "Deplasman araligi butun meyil acilarinin hesaplanan deplasmanlari icinde olmalidir."},
      {"\nE\nabc\n", 1, "Girilen deplasmanlardan biri sayi degil."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    Answered a;
    RunBox(a, BoxTask("H", "H"), c.answers);
    EXPECT_EQ(a.status, c.status) << a.run.Errors();
    EXPECT_NE(a.run.Errors().find(c.message), std::string::npos) << a.run.Errors();
    EXPECT_EQ(a.run.Errors().find("Girdinin sonuna gelindi") != std::string::npos, c.status == 1);
    EXPECT_LE(testsupport::CountOf(a.run.Terminal(), kMinimum), 2);
    EXPECT_LT(a.run.Terminal().size() + a.run.Errors().size(), 20000u);
    EXPECT_EQ(a.run.Report().find(" INTERPOLE EDILMIS") != std::string::npos, c.status == 0);
  }
}

// With the GZ curve asked (at 4305 t), a range without its displacement is
// refused and asked again, saying why, instead of losing the curve after
// the table; one that holds it is taken, and the curve follows.
TEST(RangeQuestions, InterpolationRangeKeepsTheGzCurvesDisplacement) {
  struct Case {
    const char* answers;
    int status;
    int asked;
  };
  const Case cases[] = {
      {"\nE\n1000\n4000\n", 0, 2},          // refused, then the boxes' own texts
      {"\nE\n4400\n5000\n1000\n4305\n", 0, 2},  // refused, then a range ending on it
      {"\nE\n4400\n", 1, 1},                 // refused at the end of the input
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    Answered a;
    RunBox(a, BoxTask("H", "E"), c.answers);
    EXPECT_EQ(a.status, c.status) << a.run.Errors();
    EXPECT_NE(a.run.Errors().find("GZ egrisi interpole edilmis tablodan istenen deplasmanda (4305.000 ton) okunur; "
                                  "bu deplasman girilen aralikta degil. Deplasmanlar ("),
              std::string::npos)
        << a.run.Errors();
    EXPECT_NE(a.run.Errors().find("olmali ve aralik GZ egrisinin deplasmanini (4305.000 ton) icermeli"),
              std::string::npos);
    EXPECT_EQ(testsupport::CountOf(a.run.Terminal(), kMinimum), c.asked);
    const bool gz = a.run.Report().find("DEPLASMAN   4305.000 ton icin KG =") != std::string::npos;
    EXPECT_EQ(gz, c.status == 0);
    EXPECT_EQ(a.run.Exists("Pendrovix_GZ_PHI.SCR"), c.status == 0);
  }
  // Without the GZ curve the same range is taken at once.
  Answered a;
  RunBox(a, BoxTask("H", "H"), "\nE\n1000\n4000\n");
  EXPECT_EQ(a.status, 0) << a.run.Errors();
  EXPECT_EQ(testsupport::CountOf(a.run.Terminal(), kMinimum), 1);
  EXPECT_EQ(InterpolatedDisplacements(a.run.Report()).back(), 4000);
}

// A run of `NA` heel angles of five rows each, its tables to be filled in.
CrossRun FiveRowRun(int NA) {
  CrossRun run;
  run.run.NA = NA;
  run.run.NWL = 5;
  run.run.MaxTopHalfBreadth = 7;
  run.run.HeightExtent = 11.25;
  SizeRunTables(run);
  return run;
}

// The GZ curve's displacement within the rounding of the range's lower end:
// the box shows it as it is, and the box's own texts are taken.
TEST(RangeQuestions, GzDisplacementAtTheEndOfTheRangeIsPrefilledAsItIs) {
  CrossRun run = FiveRowRun(1);
  run.task.GzCurveAnswer = "E";
  run.task.RequestedDisplacement = 100.0002;
  for (int j = 1; j <= 5; ++j) {
    run.results.CrossCurveDisplacement(1, j) = 100.0001 + 100 * (j - 1);
    run.results.CrossCurveKN(1, j) = 0.1 * j;
  }
  testsupport::ScratchDirectory dir("crosscurves-questions");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "E\n", [&](platform::Session& s) {
    const CrossCurveTables t =
        WriteInterpolatedCrossStabilityTable(s, PendrovixForm(s), s.CreateOutput("report.txt"), run);
    EXPECT_EQ(t.CrossCurveDisplacement(1, 1), 100.0002);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Prefilled(r.out, kMinimum), "100.0002");
  EXPECT_EQ(Prefilled(r.out, kMaximum), "500.000");
}

// A common range of no width has nothing to choose: it is said, and no
// displacement is asked.
TEST(RangeQuestions, RangeOfNoWidthIsSaidNotAsked) {
  CrossRun run = FiveRowRun(2);
  // The first heel angle floats from 100 to 500 t, the second from 500 t on.
  for (int j = 1; j <= 5; ++j) {
    run.results.CrossCurveDisplacement(1, j) = 100 * j;
    run.results.CrossCurveDisplacement(2, j) = 400 + 100 * j;
    run.results.CrossCurveKN(1, j) = 0.1 * j;
    run.results.CrossCurveKN(2, j) = 0.2 * j;
  }
  testsupport::ScratchDirectory dir("crosscurves-questions");
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "E\n", [&](platform::Session& s) {
    WriteInterpolatedCrossStabilityTable(s, PendrovixForm(s), s.CreateOutput("report.txt"), run);
  });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("ortak deplasman araligi (500.000 - 500.000 ton) secilecek bir genislikte degil"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out.find(kMinimum), std::string::npos);
  EXPECT_EQ(testsupport::ReadFile(dir / "report.txt"), "");
}

// The axes of the cross-curves drawing: the boxes show the data's extremes
// rounded outward, and the input ending there takes them; the script's axes
// then run over them.
TEST(RangeQuestions, CrossCurveAxesAsShownAreTaken) {
  Answered a;
  RunBox(a, BoxTask("E", "H"), "\n\nE\n");
  ASSERT_EQ(a.status, 0) << a.run.Errors();
  const std::string& terminal = a.run.Terminal();
  const std::string xLow = Prefilled(terminal, "X EKSENI MINIMUM DEPLASMAN (ton) DEGERINI GIRIN");
  const std::string xHigh = Prefilled(terminal, "X EKSENI MAXIMUM DEPLASMAN (ton) DEGERINI GIRIN");
  const std::string yLow = Prefilled(terminal, "Y EKSENI MINIMUM KZ (m) DEGERINI GIRIN");
  const std::string yHigh = Prefilled(terminal, "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN");
  for (const std::string& text : {xLow, xHigh, yLow, yHigh}) EXPECT_TRUE(HasReportDecimals(text)) << text;
  const scripttest::ParsedScript s =
      scripttest::ReadScript(a.run.Dir() / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  EXPECT_EQ(scripttest::Faults(s), "");
  const scripttest::ScriptText* bottom = s.FindText(FormatNumber(Number(yLow), 3, 3));
  const scripttest::ScriptText* top = s.FindText(FormatNumber(Number(yHigh), 3, 3));
  const scripttest::ScriptText* left = s.FindText(FormatNumber(Number(xLow), 6, 2));
  ASSERT_TRUE(bottom && top && left);
  EXPECT_NEAR(bottom->at.y, 50, 1e-9);
  EXPECT_NEAR(top->at.y, 170, 1e-9);
  EXPECT_NEAR(left->at.x, 50, 1e-9);
}

// A KN axis wholly below 0, typed: taken, and the script's KN axis runs over it.
TEST(RangeQuestions, NegativeKnAxisIsTaken) {
  Answered a;
  RunBox(a, BoxTask("E", "H"), "\n\nE\n\n\n-2\n-1\n");
  ASSERT_EQ(a.status, 0) << a.run.Errors();
  EXPECT_EQ(a.run.Errors().find("Eksen araligi"), std::string::npos) << a.run.Errors();
  const scripttest::ParsedScript s =
      scripttest::ReadScript(a.run.Dir() / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  const scripttest::ScriptText* bottom = s.FindText(FormatNumber(-2, 3, 3));
  const scripttest::ScriptText* top = s.FindText(FormatNumber(-1, 3, 3));
  ASSERT_TRUE(bottom && top);
  EXPECT_NEAR(bottom->at.y, 50, 1e-9);
  EXPECT_NEAR(top->at.y, 170, 1e-9);
}

// Cross curves whose KN all lie below 0: the pre-filled KN axis is taken as
// it stands, and on the form every point lies inside the plot box, upright.
TEST(RangeQuestions, CrossCurvesBelowZeroKeepTheirAxis) {
  testsupport::ScratchDirectory dir("crosscurves-questions");
  testsupport::WriteFile(dir / "STASCR.DAT",
                         "2\r\n3,10\r\n100,-1.5\r\n200,-1.2\r\n300,-1\r\n3,20\r\n100,-2.5\r\n200,-2.2\r\n300,-2\r\n");
  CrossRun run;
  run.run.MaxTopHalfBreadth = 7;
  run.run.HeightExtent = 11.25;
  std::vector<platform::FormItem> circles;
  const testsupport::StepOutcome r = testsupport::RunStep(dir, "E\n", [&](platform::Session& s) {
    platform::ConsoleForm& form = PendrovixForm(s);
    DrawCrossCurves(s, form, run);
    for (const platform::FormItem& item : form.Items()) {
      if (item.kind == platform::FormItem::kCircle) circles.push_back(item);
    }
  });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN\n[default: -1.000]"), std::string::npos) << r.out;
  const scripttest::ParsedScript s = scripttest::ReadScript(dir / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false});
  EXPECT_EQ(scripttest::Faults(s), "");
  ASSERT_NE(s.FindText(FormatNumber(-2.5, 3, 3)), nullptr);
  EXPECT_NEAR(s.FindText(FormatNumber(-2.5, 3, 3))->at.y, 50, 1e-9);
  // The plot box in pixels of the 792 x 573 form: x from -1.75 Y to 0.75 Y,
  // heights from 0 to Z of the scale 1.25 Z .. -1.25 Z.  The highest KN at
  // the top, the lowest at the bottom.
  ASSERT_EQ(circles.size(), 18u);
  double top = 1e9, bottom = -1e9;
  for (const platform::FormItem& c : circles) {
    EXPECT_GE(c.x1, 792 * 1.25 / 5 - 1e-6);
    EXPECT_LE(c.x1, 792 * 3.75 / 5 + 1e-6);
    top = std::min(top, c.y1);
    bottom = std::max(bottom, c.y1);
  }
  EXPECT_NEAR(top, 573 * 0.25 / 2.5, 1e-6);
  EXPECT_NEAR(bottom, 573 * 1.25 / 2.5, 1e-6);
}

// The top of the GZ axis: the box shows the largest lever rounded upward,
// which the input ending there takes; a top of 0 is asked again.
TEST(RangeQuestions, GzAxisTopAsShownIsTaken) {
  for (const char* typed : {"", "0\n"}) {
    SCOPED_TRACE(typed);
    Answered a;
    RunBox(a, BoxTask("H", "E"), std::string("\n\nE\n") + typed);
    ASSERT_EQ(a.status, 0) << a.run.Errors();
    const std::string top = Prefilled(a.run.Terminal(), "Y EKSENI ICIN GZ_MAX'I GIRIN");
    EXPECT_TRUE(HasReportDecimals(top)) << top;
    EXPECT_EQ(a.run.Errors().find("sifirdan buyuk olmalidir") != std::string::npos, typed[0] == '0');
    const scripttest::ParsedScript s =
        scripttest::ReadScript(a.run.Dir() / "Pendrovix_GZ_PHI.SCR", {.redrawAtEnd = false});
    const scripttest::ScriptText* number = s.FindText(FormatNumber(Number(top), 2, 3));
    ASSERT_NE(number, nullptr);
    EXPECT_NEAR(number->at.y, 170, 1e-9);
  }
}

// Axis ranges the drawings cannot scale, typed after "E": each is refused
// with a message that says so and asked again, and the boxes' own texts that
// follow are taken; the script then stands over them, every number finite.
TEST(RangeQuestions, AxesTheDrawingCannotScaleAreAskedAgain) {
  struct Case {
    const char* name;
    bool crossCurves;      // the cross-curves drawing's axes, else the GZ axis top
    const char* answers;   // after the station review and the interpolation question
    const char* prompt;    // the box asked again
  };
  const Case cases[] = {
      {"GZ top 1e-308", false, "E\n1e-308\n\n\n", "Y EKSENI ICIN GZ_MAX'I GIRIN"},
      {"GZ top 4.9e-324", false, "E\n4.9e-324\n\n\n", "Y EKSENI ICIN GZ_MAX'I GIRIN"},
      {"KN maximum 1e-310", true, "E\n\n\n0\n1e-310\n\n\n\n", "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN"},
      {"KN -1e308 to 1e308", true, "E\n\n\n-1e308\n1e308\n\n\n\n", "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN"},
      // The script's axis is 1 m wide, the form's runs from 0 to 1e-308.
      {"KN -1 to 1e-308", true, "E\n\n\n-1\n1e-308\n\n\n\n", "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN"},
      {"displacement -1e308 to 1e308", true, "E\n-1e308\n1e308\n\n\n\n\n\n",
       "X EKSENI MAXIMUM DEPLASMAN (ton) DEGERINI GIRIN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Answered a;
    RunBox(a, BoxTask(c.crossCurves ? "E" : "H", c.crossCurves ? "H" : "E"), std::string("\n\n") + c.answers);
    ASSERT_EQ(a.status, 0) << a.run.Errors();
    EXPECT_NE(a.run.Errors().find(c.crossCurves
                                      ? "Bu aralik cizilemez: genisligi sonlu olmali ve egrilerin her noktasi sayfada "
                                        "ve ekranda sonlu bir yere dusecek kadar genis olmalidir. Verilerin araligi "
                                      : "Bu ust deger cizilemez: GZ egrisinin ve GM cizgisinin her noktasi sayfada ve "
                                        "ekranda sonlu bir yere dusecek kadar buyuk olmalidir. En buyuk GZ 1.268 m."),
              std::string::npos)
        << a.run.Errors();
    EXPECT_EQ(testsupport::CountOf(a.run.Terminal(), c.prompt), 2);
    const std::string shown = Prefilled(a.run.Terminal(), c.prompt);
    const std::string script = c.crossCurves ? "Pendrovix_KZ_DEP.SCR" : "Pendrovix_GZ_PHI.SCR";
    const scripttest::ParsedScript s = scripttest::ReadScript(a.run.Dir() / script, {.redrawAtEnd = false});
    EXPECT_EQ(scripttest::Faults(s), "");
    // The axis ends at the shown maximum, the top edge of the graph box for
    // KN and GZ, the right one (no number) for the displacements.
    if (c.crossCurves && c.prompt[0] == 'X') continue;
    const scripttest::ScriptText* top =
        s.FindText(c.crossCurves ? FormatNumber(Number(shown), 3, 3) : FormatNumber(Number(shown), 2, 3));
    ASSERT_NE(top, nullptr) << shown;
    EXPECT_NEAR(top->at.y, 170, 1e-9);
  }
}

// Data whose KN differ by one representable step give axis numbers that all
// read alike: no scale, the drawing is left out with a message.
TEST(RangeQuestions, DataTooCloseToScaleSkipTheDrawing) {
  testsupport::ScratchDirectory dir("crosscurves-questions");
  testsupport::WriteFile(dir / "STASCR.DAT",
                         "2\r\n2,10\r\n100,1\r\n200,1\r\n2,20\r\n100,1.0000000000000002\r\n"
                         "200,1.0000000000000002\r\n");
  CrossRun run;
  run.run.MaxTopHalfBreadth = 7;
  run.run.HeightExtent = 11.25;
  const testsupport::StepOutcome r = testsupport::RunStep(
      dir, "", [&](platform::Session& s) { DrawCrossCurves(s, PendrovixForm(s), run); });
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Capraz egrilerin deplasman ya da KN araligi cizimde olceklenemeyecek kadar dar: olcek "
                       "kurulamadigi icin capraz egriler cizilmedi"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "Pendrovix_KZ_DEP.SCR"));
}

// A KN range whose maximum is the box's own and whose minimum lies one
// representable step below it has numbers that cannot be told apart:
// refused, and once the input has ended the run stops there (status 1).
TEST(RangeQuestions, KnAxisOfNoDrawableWidthAtTheEndOfTheInput) {
  Answered shown;
  RunBox(shown, BoxTask("E", "H"), "\n\nE\n");
  ASSERT_EQ(shown.status, 0) << shown.run.Errors();
  const double top = Number(Prefilled(shown.run.Terminal(), "Y EKSENI MAXIMUM KZ (m) DEGERINI GIRIN"));
  const std::string below = platform::RoundTripNumber(std::nextafter(top, 0.0));
  Answered a;
  RunBox(a, BoxTask("E", "H"), "\n\nE\n\n\n" + below + "\n");
  EXPECT_EQ(a.status, 1) << a.run.Errors();
  EXPECT_NE(a.run.Errors().find("Bu aralik cizilemez"), std::string::npos) << a.run.Errors();
  EXPECT_NE(a.run.Errors().find("Girdinin sonuna gelindi"), std::string::npos);
  // The script keeps the head it had; no curve was placed over the range.
  EXPECT_TRUE(scripttest::ReadScript(a.run.Dir() / "Pendrovix_KZ_DEP.SCR", {.redrawAtEnd = false})
                  .PolylinesOn("1")
                  .empty());
}

}  // namespace
}  // namespace cross::testing

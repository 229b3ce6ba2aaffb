// "ZAZURI1.SCR" and "ZAZURI2.SCR" drawn from the "ZAZURI.DAT" of a box
// barge, whose Bonjean and hydrostatic values are known in closed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/numerics/format.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/run_program.hpp"
#include "common/platform/session.hpp"
#include "fixtures.hpp"
#include "hydrostatics/forms.hpp"
#include "hydrostatics/script/scripts.hpp"
#include "tests/support/script_reader.hpp"
#include "tests/support/sheet_set_ups.hpp"

namespace {

using hydro::FormatNumber;
using scripttest::ParsedScript;
using scripttest::Polyline;
using scripttest::ReadScript;
using scripttest::ScriptedSession;
using scripttest::WorkingDirectory;

constexpr double kPi = 3.1415927;

// A box barge of length L, half-breadth b, stations every L/(NST-1).
struct BoxBarge {
  int NST = 11;
  double L = 100;
  double b = 10;
  double rho = 1.025;
  std::vector<double> WL{1, 2, 3, 4, 5, 6};
  double midship = 6;
  bool emptyMidshipSection = false;
  bool zeroMidshipCoefficient = false;

  int NW() const { return static_cast<int>(WL.size()); }
  double XS(int i) const { return L * (i - 1) / (NST - 1); }
  double T(int j) const { return WL[static_cast<std::size_t>(j - 1)]; }
  bool Empty(int i) const { return emptyMidshipSection && i == static_cast<int>(midship); }
  double Area(int i, int j) const { return Empty(i) ? 0 : 2 * b * T(j); }
  double Moment(int i, int j) const { return Empty(i) ? 0 : b * T(j) * T(j); }
  double V(int j) const { return L * 2 * b * T(j); }
  double D(int j) const { return rho * V(j); }
  double KB(int j) const { return T(j) / 2; }
  double S(int j) const { return L * (2 * b + 2 * T(j)); }
  double Awp() const { return 2 * b * L; }
  double BM(int j) const { return (2 * b) * (2 * b) / (12 * T(j)); }
  double BML(int j) const { return L * L / (12 * T(j)); }
  double KM(int j) const { return KB(j) + BM(j); }
  double KML(int j) const { return KB(j) + BML(j); }
  double T1() const { return Awp() * rho / 100; }
  double MT1(int j) const { return D(j) * BML(j) / (100 * L); }
};

std::string Record(const std::vector<double>& items) {
  std::string line;
  for (double v : items) {
    if (!line.empty()) line += ',';
    line += platform::WriteItemNumber(v);
  }
  return line + "\r\n";
}

void WriteZazuriDat(const std::filesystem::path& path, const BoxBarge& h) {
  std::ofstream f(path, std::ios::binary);
  f << Record({double(h.NST), double(h.NW()), h.L, h.midship});
  for (int i = 1; i <= h.NST; ++i) f << Record({h.XS(i)});
  for (int j = 1; j <= h.NW(); ++j) f << Record({h.T(j)});
  for (int i = 1; i <= h.NST; ++i) {
    for (int j = 1; j <= h.NW(); ++j) f << Record({h.Area(i, j), h.Moment(i, j)});
  }
  const double Cm = h.zeroMidshipCoefficient ? 0 : 1;
  for (int j = 1; j <= h.NW(); ++j) f << Record({h.V(j), h.D(j), 1, Cm, 1, h.KB(j), h.L / 2, h.S(j)});
  for (int j = 1; j <= h.NW(); ++j) {
    f << Record({h.Awp(), h.L / 2, 1, h.BM(j), h.KM(j), h.BML(j), h.KML(j), h.T1(), h.MT1(j)});
  }
}

struct CurveRun {
  ParsedScript bonjean;
  ParsedScript curves;
  bool bonjeanWritten = false;
  bool curvesWritten = false;
  std::string out;
  std::string err;
};

// `earlierRun` leaves what an earlier run left in the output folder, after
// the scripts of the test's last run are removed.
CurveRun RunCurves(const WorkingDirectory& dir, const BoxBarge& h, const std::string& answers,
              const std::string& language = "T", double StationLabelScale = 10,
              const std::function<void()>& earlierRun = nullptr) {
  std::filesystem::remove(dir.Out("ZAZURI1.SCR"));
  std::filesystem::remove(dir.Out("ZAZURI2.SCR"));
  if (earlierRun) earlierRun();
  WriteZazuriDat(dir.Out("ZAZURI.DAT"), h);
  ScriptedSession s(dir.Path(), answers);
  hydro::WriteHydrostaticCurvesScripts(s.session, s.session.TaskDirectory(), StationLabelScale, language,
                                       scripttest::kOutDir);
  s.session.Finish(true);
  CurveRun r;
  r.bonjeanWritten = std::filesystem::exists(dir.Out("ZAZURI1.SCR"));
  r.curvesWritten = std::filesystem::exists(dir.Out("ZAZURI2.SCR"));
  if (r.bonjeanWritten) r.bonjean = ReadScript(dir.Out("ZAZURI1.SCR"));
  if (r.curvesWritten) r.curves = ReadScript(dir.Out("ZAZURI2.SCR"));
  r.out = s.out.str();
  r.err = s.err.str();
  return r;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

using testsupport::kKormelantA0SetUp;
using testsupport::kKormelantA4SetUp;

std::vector<std::string> FirstLines(const ParsedScript& s, std::size_t n) { return testsupport::FirstLines(s.lines, n); }

// A4 sheet of a box barge: x0 = 20, y0 = 20, sx = 240 / L, sy = 155 / Tmax.
struct A4Placement {
  const BoxBarge& h;
  double sx() const { return 240 / h.L; }
  double sy() const { return 155 / h.T(h.NW()); }
  double X(int i) const { return 20 + sx() * h.XS(i); }
  double Y(int j) const { return 20 + sy() * h.T(j); }
};

// Each inner vertex stands twice in a row: points 2k-1 and 2k coincide.
void ExpectDoubledInnerVertices(const Polyline& p) {
  for (std::size_t k = 1; k + 1 < p.points.size(); k += 2) {
    EXPECT_DOUBLE_EQ(p.points[k].x, p.points[k + 1].x);
    EXPECT_DOUBLE_EQ(p.points[k].y, p.points[k + 1].y);
  }
}

TEST(BonjeanCurvesScript, BoxBargeOnA4) {
  WorkingDirectory dir;
  BoxBarge h;
  A4Placement a{h};
  CurveRun r = RunCurves(dir, h, "");
  ASSERT_TRUE(r.bonjeanWritten);
  const ParsedScript& s = r.bonjean;
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  EXPECT_EQ(FirstLines(s, 7), kKormelantA4SetUp);

  const scripttest::ScriptText* title = s.FindText("HIDROSTATIK EGRILER - 1");
  ASSERT_NE(title, nullptr);
  EXPECT_DOUBLE_EQ(title->at.x, 140);
  EXPECT_DOUBLE_EQ(title->at.y, 177.5);
  EXPECT_EQ(title->height, "4.0");
  EXPECT_EQ(title->layer, "0");

  // Grid on layer 0: continuous station lines, dotted waterlines.
  std::vector<const Polyline*> grid = s.PolylinesOn("0", "line");
  ASSERT_EQ(grid.size(), static_cast<std::size_t>(h.NST + h.NW()));
  for (int i = 1; i <= h.NST; ++i) {
    const Polyline& p = *grid[static_cast<std::size_t>(i - 1)];
    ASSERT_EQ(p.points.size(), 2u);
    EXPECT_NEAR(p.points[0].x, a.X(i), 1e-9);
    EXPECT_NEAR(p.points[0].y, a.Y(1), 1e-9);
    EXPECT_NEAR(p.points[1].y, 175, 1e-9);
    EXPECT_EQ(p.linetype, "bylayer");
  }
  for (int j = 1; j <= h.NW(); ++j) {
    const Polyline& p = *grid[static_cast<std::size_t>(h.NST + j - 1)];
    EXPECT_NEAR(p.points[0].x, 20, 1e-9);
    EXPECT_NEAR(p.points[1].x, 260, 1e-9);
    EXPECT_NEAR(p.points[0].y, a.Y(j), 1e-9);
    EXPECT_EQ(p.linetype, "dot");
  }
  const scripttest::ScriptText* midLabel = s.FindText(" 5.000");  // 10 * XS(6) / L
  ASSERT_NE(midLabel, nullptr);
  EXPECT_NEAR(midLabel->at.x, a.X(6), 1e-9);
  EXPECT_DOUBLE_EQ(midLabel->at.y, 19);
  EXPECT_EQ(midLabel->height, "2.0");
  ASSERT_NE(s.FindText("KESITLER"), nullptr);
  const scripttest::ScriptText* caption = s.FindText("SU HATLARI (m)");
  ASSERT_NE(caption, nullptr);
  EXPECT_DOUBLE_EQ(caption->angle, 90);
  EXPECT_EQ(caption->height, "1.5");

  // Areas 2bT at the scale that puts the midship area at the top waterline
  // 0.15 L sx = 36 mm right of its station line.
  const double areaScale = 120.0 / 36;
  std::vector<const Polyline*> areas = s.PolylinesOn("kesit_alan", "pline");
  ASSERT_EQ(areas.size(), static_cast<std::size_t>(h.NST));
  for (int i = 1; i <= h.NST; ++i) {
    const Polyline& p = *areas[static_cast<std::size_t>(i - 1)];
    ASSERT_EQ(p.points.size(), static_cast<std::size_t>(2 * (h.NW() - 1)));
    EXPECT_TRUE(p.fitted);
    EXPECT_EQ(p.colour, 1);
    ExpectDoubledInnerVertices(p);
    for (const auto& q : p.points) {
      double T = (q.y - 20) / a.sy();
      EXPECT_NEAR(q.x, a.X(i) + 2 * h.b * T / areaScale, 1e-9);
    }
    EXPECT_NEAR(p.points.front().y, a.Y(1), 1e-9);
    EXPECT_NEAR(p.points.back().y, a.Y(h.NW()), 1e-9);
  }
  EXPECT_NEAR(areas[5]->points.back().x, a.X(6) + 36, 1e-9);
  const scripttest::ScriptText* areaLabel = s.FindText("KESIT ALANLARI 1 (mm) =  3.33 (m2)");
  ASSERT_NE(areaLabel, nullptr);
  EXPECT_NEAR(areaLabel->at.x, 20 + 120 + 80 / areaScale, 1e-9);
  EXPECT_NEAR(areaLabel->at.y, 20 + 0.75 * 155, 1e-9);
  EXPECT_NEAR(areaLabel->angle, std::atan(2 * a.sy() / (40 / areaScale + 1e-7)) * 180 / kPi, 1e-9);
  EXPECT_EQ(areaLabel->height, "2.0");

  // Moments bT^2, midship moment 360 over the same 36 mm: scale 10.
  std::vector<const Polyline*> moments = s.PolylinesOn("kesit_moment", "pline");
  ASSERT_EQ(moments.size(), static_cast<std::size_t>(h.NST));
  for (int i = 1; i <= h.NST; ++i) {
    const Polyline& p = *moments[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(p.linetype, "dashed");
    EXPECT_EQ(p.colour, 2);
    for (const auto& q : p.points) {
      double T = (q.y - 20) / a.sy();
      EXPECT_NEAR(q.x, a.X(i) + h.b * T * T / 10, 1e-9);
    }
  }
  // The moment label lies on the curve of the station after midship.
  const scripttest::ScriptText* momentLabel = s.FindText("KESIT MOMENTLERI 1 (mm) = 10.00 (m3)");
  ASSERT_NE(momentLabel, nullptr);
  EXPECT_NEAR(momentLabel->at.x, 20 + 0.6 * 240 + 160.0 / 10, 1e-9);

  EXPECT_EQ(s.LayerSequence(), (std::vector<std::string>{"off 0", "new kesit_alan", "off kesit_alan",
                                                         "new kesit_moment", "on 0", "on kesit_alan"}));
  EXPECT_EQ(s.lines.back(), "REDRAW ");

  // The dialogues, in their order, with their Turkish prompts.
  std::size_t paper = r.out.find("KAGIT BOYUTU A4 => 1 / A0 => 2 <1>");
  std::size_t area = r.out.find("KESIT ALANLARI OLCEGI 1(mm) =   3.33 (m2) OLDU. YENI OLCEK GIRMEK ISTER MISIN <E/H>");
  std::size_t moment =
      r.out.find("KESIT MOMENTLERI OLCEGI 1(mm) = 10.00 (m3) OLDU. YENI OLCEK GIRMEK ISTER MISIN <E/H>");
  ASSERT_NE(paper, std::string::npos);
  ASSERT_NE(area, std::string::npos);
  ASSERT_NE(moment, std::string::npos);
  EXPECT_LT(paper, area);
  EXPECT_LT(area, moment);
}

TEST(BonjeanCurvesScript, PaperAnswers) {
  struct Case {
    std::string answer;
    bool a0;
  };
  WorkingDirectory dir;
  BoxBarge h;
  for (const Case& c : {Case{"", false}, Case{"0", false}, Case{"1", false}, Case{"2", true}, Case{" 2 ", true},
                        Case{"7", false}, Case{"abc", false}, Case{"-2", false}}) {
    CurveRun r = RunCurves(dir, h, c.answer + "\n");
    SCOPED_TRACE("answer [" + c.answer + "]");
    EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
    EXPECT_TRUE(r.curves.faults.empty()) << scripttest::Faults(r.curves);
    EXPECT_EQ(FirstLines(r.bonjean, 7), c.a0 ? kKormelantA0SetUp : kKormelantA4SetUp);
    EXPECT_EQ(FirstLines(r.curves, 7), c.a0 ? kKormelantA0SetUp : kKormelantA4SetUp);
    const scripttest::ScriptText* title = r.bonjean.FindText("HIDROSTATIK EGRILER - 1");
    ASSERT_NE(title, nullptr);
    EXPECT_DOUBLE_EQ(title->at.x, c.a0 ? 500 : 140);
    EXPECT_DOUBLE_EQ(title->at.y, c.a0 ? 657.5 : 177.5);
    EXPECT_EQ(title->height, c.a0 ? "15.0" : "4.0");
    // The A0 station lines span the box 50..950 by 50..650.
    const Polyline& last = *r.bonjean.PolylinesOn("0", "line")[static_cast<std::size_t>(h.NST - 1)];
    EXPECT_NEAR(last.points[0].x, c.a0 ? 950 : 260, 1e-9);
    // Labels and captions of the grid on either sheet, in both drawings.
    for (const ParsedScript* s : {&r.bonjean, &r.curves}) {
      const scripttest::ScriptText* station = s->FindText(" 0.000");
      ASSERT_NE(station, nullptr);
      EXPECT_DOUBLE_EQ(station->at.y, c.a0 ? 41 : 19);
      EXPECT_EQ(station->height, c.a0 ? "8.0" : "2.0");
      const scripttest::ScriptText* caption = s->FindText("KESITLER");
      ASSERT_NE(caption, nullptr);
      EXPECT_EQ(caption->command, "text");
      EXPECT_DOUBLE_EQ(caption->at.x, c.a0 ? 50 : 20);
      EXPECT_DOUBLE_EQ(caption->at.y, c.a0 ? 20 : 12);
      auto right = std::find_if(s->texts.begin(), s->texts.end(),
                                [](const scripttest::ScriptText& t) { return t.command == "text r"; });
      ASSERT_NE(right, s->texts.end());
      const scripttest::ScriptText* waterline = &*right;
      EXPECT_EQ(waterline->text, " 1.000");
      EXPECT_DOUBLE_EQ(waterline->at.y, c.a0 ? 150 : 20 + 155.0 / 6);
      EXPECT_DOUBLE_EQ(waterline->at.x, c.a0 ? 46 : 19);
      EXPECT_EQ(waterline->height, c.a0 ? "6.0" : "1.5");
      const scripttest::ScriptText* axis = s->FindText("SU HATLARI (m)");
      ASSERT_NE(axis, nullptr);
      EXPECT_DOUBLE_EQ(axis->at.x, c.a0 ? 18 : 12.5);
      EXPECT_DOUBLE_EQ(axis->at.y, c.a0 ? 350 : 97.5);
    }
    EXPECT_EQ(r.bonjean.FindText("KESIT ALANLARI 1 (mm) =" + FormatNumber(120 / (0.15 * (c.a0 ? 900 : 240)), 3, 2) +
                                 " (m2)")
                  ->height,
              c.a0 ? "8.0" : "2.0");
  }
}

TEST(BonjeanCurvesScript, TypedScalesAreAskedAgainUntilTheyArePositiveNumbers) {
  WorkingDirectory dir;
  BoxBarge h;
  A4Placement a{h};
  // Area: yes, then 0, a word, and 4.  Moment: yes, then the input ends:
  // the pre-filled answer, the proposed scale, stands.
  CurveRun r = RunCurves(dir, h, "1\nE\n0\nabc\n4\ne\n");
  ASSERT_TRUE(r.bonjeanWritten);
  EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
  EXPECT_EQ(Count(r.out, "KESIT ALANLARI OLCEGI 1(mm) =   3.33 (m2) YERINE YENI OLCEGI GIRIN\n[default: 3.33] > "),
            3);
  EXPECT_EQ(Count(r.out, "KESIT MOMENTLERI OLCEGI 1(mm) = 10.00 (m3) YERINE YENI OLCEGI GIRIN\n[default: 10.00] > "),
            1);
  // Each refused answer is said, with the curve's title.
  EXPECT_EQ(Count(r.err, "sifirdan buyuk bir sayi olmalidir. Lutfen tekrar girin."), 2) << r.err;
  EXPECT_NE(r.err.find("Girilen olcek (abc)"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("KESIT ALANLARI"), std::string::npos) << r.err;
  std::vector<const Polyline*> areas = r.bonjean.PolylinesOn("kesit_alan", "pline");
  EXPECT_NEAR(areas[5]->points.back().x, a.X(6) + 120.0 / 4, 1e-9);
  ASSERT_NE(r.bonjean.FindText("KESIT ALANLARI 1 (mm) =  4.00 (m2)"), nullptr);
  std::vector<const Polyline*> moments = r.bonjean.PolylinesOn("kesit_moment", "pline");
  EXPECT_NEAR(moments[5]->points.back().x, a.X(6) + 36, 1e-9);
  ASSERT_NE(r.bonjean.FindText("KESIT MOMENTLERI 1 (mm) = 10.00 (m3)"), nullptr);
}

// The second box is pre-filled with the proposed scale as the prompt shows
// it (to its printed decimals); that text keeps the proposed scale itself,
// not its rounded figure, while any other text is the scale it says.
TEST(BonjeanCurvesScript, PrefilledScaleIsTheProposedScale) {
  WorkingDirectory dir;
  BoxBarge h;
  A4Placement a{h};
  // Midship area 120 m2 over the span of 36 mm: 3.333... m2 per mm.
  for (const std::string& typed : {std::string(""), std::string("3.33"), std::string("3.330")}) {
    SCOPED_TRACE("typed [" + typed + "]");
    CurveRun r = RunCurves(dir, h, "1\nE\n" + typed + "\nH\n");
    ASSERT_TRUE(r.bonjeanWritten);
    EXPECT_EQ(r.err.find("tekrar girin"), std::string::npos) << r.err;
    const double scale = typed == "3.330" ? 3.33 : 120.0 / 36;
    std::vector<const Polyline*> areas = r.bonjean.PolylinesOn("kesit_alan", "pline");
    ASSERT_EQ(areas.size(), 11u);
    EXPECT_NEAR(areas[5]->points.back().x, a.X(6) + 120.0 / scale, 1e-9);
  }
}

TEST(BonjeanCurvesScript, AnswersOtherThanYesKeepTheProposedScale) {
  WorkingDirectory dir;
  BoxBarge h;
  for (const std::string first : {"H", "", "E ", "EVET", "0"}) {
    CurveRun r = RunCurves(dir, h, "1\n" + first + "\n");
    SCOPED_TRACE("answer [" + first + "]");
    EXPECT_EQ(Count(r.out, "YERINE YENI OLCEGI GIRIN"), 0);
    ASSERT_NE(r.bonjean.FindText("KESIT ALANLARI 1 (mm) =  3.33 (m2)"), nullptr);
  }
}

TEST(BonjeanCurvesScript, EnglishTextsAndTheLanguageLetter) {
  WorkingDirectory dir;
  BoxBarge h;
  CurveRun english = RunCurves(dir, h, "", "I");
  for (const char* text : {"HYDROSTATIC CURVES - 1", "STATIONS", "WATER LINES (m)", "SECTIONAL AREAS 1 (mm) =  3.33 (m2)",
                           "SECTIONAL MOMENTS 1 (mm) = 10.00 (m3)"}) {
    EXPECT_NE(english.bonjean.FindText(text), nullptr) << text;
  }
  ASSERT_NE(english.curves.FindText("HYDROSTATIC CURVES - 2"), nullptr);
  CurveRun lower = RunCurves(dir, h, "", "t");
  EXPECT_NE(lower.bonjean.FindText("HIDROSTATIK EGRILER - 1"), nullptr);
  EXPECT_NE(lower.curves.FindText("HIDROSTATIK EGRILER - 2"), nullptr);
}

TEST(BonjeanCurvesScript, EmptyMidshipSectionStillGivesAUsableScale) {
  WorkingDirectory dir;
  BoxBarge h;
  h.emptyMidshipSection = true;
  h.zeroMidshipCoefficient = true;
  A4Placement a{h};
  CurveRun r = RunCurves(dir, h, "");
  EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
  EXPECT_TRUE(r.curves.faults.empty()) << scripttest::Faults(r.curves);
  // The largest area (120 m2) takes the place of the midship area.
  std::vector<const Polyline*> areas = r.bonjean.PolylinesOn("kesit_alan", "pline");
  EXPECT_NEAR(areas[4]->points.back().x, a.X(5) + 36, 1e-9);
  EXPECT_NEAR(areas[5]->points.back().x, a.X(6), 1e-9);
  // A coefficient that is zero throughout is drawn at 1 per mm, on x0.
  for (const auto& q : r.curves.PolylinesOn("ortakes_kats", "pline").at(0)->points) EXPECT_NEAR(q.x, 20, 1e-9);
  EXPECT_NE(r.out.find("ORTA KESIT ALANI KATSAYISI EGRISI OLCEGI 1(mm) = 1.000 OLDU.YENI OLCEK GIRMEK ISTER MISIN <E/H>"),
            std::string::npos);
}

TEST(BonjeanCurvesScript, MidshipIndexWithinTheStations) {
  struct Case {
    double midship;
    int labelStation;  // station whose moment curve carries the label
  };
  WorkingDirectory dir;
  for (const Case& c : {Case{11, 11}, Case{10, 11}, Case{0, 2}, Case{6.4, 7}, Case{25, 11}}) {
    BoxBarge h;
    h.midship = c.midship;
    h.emptyMidshipSection = true;  // the station the index names, if any, has no area
    CurveRun r = RunCurves(dir, h, "");
    SCOPED_TRACE("midship " + std::to_string(c.midship));
    ASSERT_TRUE(r.bonjeanWritten);
    EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
    // The box's moments are the same at every non-empty station: the label
    // sits 0.6 L sx plus the moment at NW - 2 over the scale right of x0.
    const scripttest::ScriptText* label = r.bonjean.FindText("KESIT MOMENTLERI 1 (mm) = 10.00 (m3)");
    ASSERT_NE(label, nullptr);
    const bool empty = h.Empty(c.labelStation);
    EXPECT_NEAR(label->at.x, 20 + 0.6 * 240 + (empty ? 0 : 160.0 / 10), 1e-9);
  }
}

TEST(CurveScripts, TooFewWaterlines) {
  WorkingDirectory dir;
  {
    BoxBarge h;
    h.WL = {1, 2, 3};  // the hydrostatic curves need four
    CurveRun r = RunCurves(dir, h, "");
    ASSERT_TRUE(r.bonjeanWritten);
    EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
    EXPECT_FALSE(r.curvesWritten);
    EXPECT_NE(r.err.find("*** Cizim dosyalari ***\nZAZURI.DAT dosyasinda 3 su hatti var; hidrostatik egriler icin en "
                         "az 4 su hatti gerekli. ZAZURI2.SCR yazilmadi.\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out.find("HACIM EGRISI"), std::string::npos);
  }
  {
    BoxBarge h;
    h.WL = {1, 2};  // the labels read waterline 0, the base line
    A4Placement a{h};
    CurveRun r = RunCurves(dir, h, "");
    ASSERT_TRUE(r.bonjeanWritten);
    EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
    const double areaScale = 40.0 / 36;
    const scripttest::ScriptText* label = r.bonjean.FindText("KESIT ALANLARI 1 (mm) =  1.11 (m2)");
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->at.x, 140, 1e-9);
    EXPECT_NEAR(label->angle, std::atan(a.sy() * 2 / (40 / areaScale + 1e-7)) * 180 / kPi, 1e-9);
    for (const Polyline* p : r.bonjean.PolylinesOn("kesit_alan", "pline")) EXPECT_EQ(p->points.size(), 2u);
  }
  {
    BoxBarge h;
    h.WL = {3};
    CurveRun r = RunCurves(dir, h, "");
    EXPECT_FALSE(r.bonjeanWritten);
    EXPECT_FALSE(r.curvesWritten);
    EXPECT_EQ(r.out.find("KAGIT BOYUTU"), std::string::npos);
    EXPECT_NE(r.err.find("ZAZURI.DAT dosyasinda 1 su hatti var; Bonjean egrileri icin en az 2 su hatti gerekli. "
                         "ZAZURI1.SCR ve ZAZURI2.SCR yazilmadi.\n"),
              std::string::npos)
        << r.err;
  }
}

// A script the data cannot give takes the one of its name that an earlier
// run left with it (a link itself, never the file it points to), and the
// message says so: no stale drawing stands beside this run's report.
TEST(CurveScripts, SkippedScriptsTakeTheEarlierOnesWithThem) {
  const std::string removed1 = " Onceki bir calismadan kalan ZAZURI1.SCR silindi.";
  const std::string removed2 = " Onceki bir calismadan kalan ZAZURI2.SCR silindi.";
  const struct {
    std::vector<double> WL;
    bool asLinks;
    bool bonjeanWritten;
    std::string message;
  } cases[] = {
      {{1, 2, 3}, false, true,
       "ZAZURI.DAT dosyasinda 3 su hatti var; hidrostatik egriler icin en az 4 su hatti gerekli. ZAZURI2.SCR "
       "yazilmadi." + removed2 + "\n"},
      {{1, 2, 3}, true, true,
       "ZAZURI.DAT dosyasinda 3 su hatti var; hidrostatik egriler icin en az 4 su hatti gerekli. ZAZURI2.SCR "
       "yazilmadi." + removed2 + "\n"},
      {{3}, true, false,
       "ZAZURI.DAT dosyasinda 1 su hatti var; Bonjean egrileri icin en az 2 su hatti gerekli. ZAZURI1.SCR ve "
       "ZAZURI2.SCR yazilmadi." + removed1 + removed2 + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message + (c.asLinks ? " (links)" : ""));
    WorkingDirectory dir;
    BoxBarge h;
    h.WL = c.WL;
    CurveRun r = RunCurves(dir, h, "", "T", 10, [&] {
      for (const char* name : {"ZAZURI1.SCR", "ZAZURI2.SCR"}) scripttest::LeaveEarlierScript(dir, name, c.asLinks);
    });
    EXPECT_NE(r.err.find("*** Cizim dosyalari ***\n" + c.message), std::string::npos) << r.err;
    EXPECT_TRUE(scripttest::Gone(dir, "ZAZURI2.SCR"));
    // The Bonjean script is this run's, or none.
    EXPECT_EQ(r.bonjeanWritten, c.bonjeanWritten);
    if (c.bonjeanWritten) {
      EXPECT_TRUE(r.bonjean.faults.empty()) << scripttest::Faults(r.bonjean);
      EXPECT_NE(r.bonjean.FindText("HIDROSTATIK EGRILER - 1"), nullptr);
    } else {
      EXPECT_TRUE(scripttest::Gone(dir, "ZAZURI1.SCR"));
    }
    if (c.asLinks) {
      EXPECT_EQ(testsupport::ReadFile(dir.Out("kept.txt")), scripttest::kKeptText);
    }
  }
}

// The counts of a damaged "ZAZURI.DAT" are refused before they become an
// int: too large, negative, fractional, or beyond what an int holds.
TEST(CurveScripts, DamagedDataFileEndsTheRunAsADataError) {
  const struct {
    const char* head;
    const char* message;
  } cases[] = {
      {"150,6,100,6", "posta sayisi 0 ile 100 arasinda bir tam sayi degil (okunan 150)."},
      {"11,-1,100,6", "su hatti sayisi 0 ile 100 arasinda bir tam sayi degil (okunan -1)."},
      {"11,2.5,100,6", "su hatti sayisi 0 ile 100 arasinda bir tam sayi degil (okunan 2.5)."},
      {"4294967307,6,100,6", "posta sayisi 0 ile 100 arasinda bir tam sayi degil (okunan 4294967307)."},
      {"1e300,6,100,6", "posta sayisi 0 ile 100 arasinda bir tam sayi degil (okunan 1e+300)."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.head);
    WorkingDirectory dir;
    {
      std::ofstream f(dir.Out("ZAZURI.DAT"), std::ios::binary);
      f << c.head << "\r\n";
    }
    ScriptedSession s(dir.Path(), "");
    const int status = platform::RunProgram(s.session, [](platform::Session& session) {
      hydro::WriteHydrostaticCurvesScripts(session, session.TaskDirectory(), 10, "T", scripttest::kOutDir);
    });
    EXPECT_EQ(status, 1);
    EXPECT_NE(s.err.str().find(std::string("ZAZURI.DAT dosyasinin 1. satirinda ") + c.message), std::string::npos)
        << s.err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.Out("ZAZURI1.SCR")));
  }
}

// Curve rows of the hydrostatic-curves drawing, in drawing order.
const std::vector<std::string> kCurveLayers{
    "hacim_egrisi", "deplasman_egrisi", "blok_kats",         "priz_kats",       "ortakes_kats",
    "suhatti_kats", "kb_egrisi",        "lcb_egrisi",        "isl_egrisi",      "suhattialan_egrisi",
    "1cmbatma_egrisi", "1cmtrimmom_egrisi", "lcf_egrisi",    "km_egrisi",       "kml_egrisi"};

TEST(HydrostaticCurvesScript, BoxBargeOnA4) {
  WorkingDirectory dir;
  BoxBarge h;
  A4Placement a{h};
  CurveRun r = RunCurves(dir, h, "");
  ASSERT_TRUE(r.curvesWritten);
  const ParsedScript& s = r.curves;
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);
  EXPECT_EQ(FirstLines(s, 7), kKormelantA4SetUp);
  ASSERT_NE(s.FindText("HIDROSTATIK EGRILER - 2"), nullptr);
  EXPECT_NE(std::find(s.lines.begin(), s.lines.end(), "linetype s dot "), s.lines.end());

  // Every curve on its own layer, each switched off before the next, all but
  // the last (KML) and in the closing order (KM after KB) switched on again.
  std::vector<std::string> expected{"off 0"};
  for (std::size_t k = 0; k < kCurveLayers.size(); ++k) {
    expected.push_back("new " + kCurveLayers[k]);
    if (k + 1 < kCurveLayers.size()) expected.push_back("off " + kCurveLayers[k]);
  }
  expected.push_back("on 0");
  for (const char* l : {"hacim_egrisi", "deplasman_egrisi", "blok_kats", "priz_kats", "ortakes_kats", "suhatti_kats",
                        "kb_egrisi", "km_egrisi", "lcb_egrisi", "isl_egrisi", "suhattialan_egrisi", "1cmbatma_egrisi",
                        "1cmtrimmom_egrisi", "lcf_egrisi"}) {
    expected.push_back(std::string("on ") + l);
  }
  EXPECT_EQ(s.LayerSequence(), expected);

  // Each curve from waterline 2 up, inner points doubled; the label first.
  for (const std::string& layer : kCurveLayers) {
    std::vector<const Polyline*> p = s.PolylinesOn(layer, "pline");
    ASSERT_EQ(p.size(), 1u) << layer;
    EXPECT_TRUE(p[0]->fitted) << layer;
    EXPECT_EQ(s.TextsOn(layer).size(), 1u) << layer;
    EXPECT_EQ(s.TextsOn(layer)[0]->height, "1.5") << layer;
    if (layer == "km_egrisi") continue;
    ASSERT_EQ(p[0]->points.size(), static_cast<std::size_t>(2 * (h.NW() - 2))) << layer;
    EXPECT_NEAR(p[0]->points.front().y, a.Y(2), 1e-9) << layer;
    EXPECT_NEAR(p[0]->points.back().y, a.Y(h.NW()), 1e-9) << layer;
    ExpectDoubledInnerVertices(*p[0]);
  }

  // Volume: the top value lands on sx (L - L / 2 NST), but for the 1e-7 its
  // points' divisor carries.
  const double volumeSpan = a.sx() * (h.L - h.L / (2 * h.NST));
  const double sV = h.V(6) / volumeSpan;
  EXPECT_NEAR(s.PolylinesOn("hacim_egrisi")[0]->points.back().x, 20 + h.V(6) / (sV + 1e-7), 1e-9);
  EXPECT_NEAR(s.PolylinesOn("hacim_egrisi")[0]->points.back().x, 20 + volumeSpan, 1e-6);
  // Displacement at the volume scale: rho times as far out.
  for (const auto& q : s.PolylinesOn("deplasman_egrisi")[0]->points) {
    double T = (q.y - 20) / a.sy();
    EXPECT_NEAR(q.x, 20 + h.rho * 2000 * T / (sV + 1e-7), 1e-9);
  }
  EXPECT_NE(s.FindText("HACIM 1 (mm) =" + FormatNumber(sV, 6, 2) + " (m3)"), nullptr);
  EXPECT_NE(s.FindText("DEPLASMAN 1 (mm) =" + FormatNumber(sV, 6, 2) + " (ton)"), nullptr);
  // KB = T / 2 with its top value on sx L (0.4 + 0.3) / 2.
  const double sKB = 3 / (a.sx() * h.L * 0.35);
  for (const auto& q : s.PolylinesOn("kb_egrisi")[0]->points) {
    EXPECT_NEAR(q.x, 20 + ((q.y - 20) / a.sy()) / 2 / sKB, 1e-9);
  }
  // T1 at the waterplane scale / 100 lies rho times as far out as Awp.
  double awpX = s.PolylinesOn("suhattialan_egrisi")[0]->points[0].x - 20;
  double t1X = s.PolylinesOn("1cmbatma_egrisi")[0]->points[0].x - 20;
  // (The waterplane's points divide by the scale plus 1e-7, T1's by the
  // scale alone: measured 4.3e-9 apart.)
  EXPECT_NEAR(t1X / awpX, h.rho, 1e-8);
  // KM at the KB scale runs off the box: only points left of x1, picked at
  // its top point for fitting.
  const Polyline& km = *s.PolylinesOn("km_egrisi")[0];
  for (const auto& q : km.points) EXPECT_LT(q.x, 260);
  EXPECT_LT(km.points.size(), static_cast<std::size_t>(2 * (h.NW() - 2)));
  std::string pick = platform::WriteItemNumber(20 + h.KM(6) / sKB) + "," + platform::WriteItemNumber(a.Y(6));
  auto at = std::find(s.lines.begin(), s.lines.end(), " pedit");
  ASSERT_NE(at, s.lines.end());
  EXPECT_EQ(*(at + 1), pick);
  // KML's proposed scale is set by its value at 0.3 Tmax, on sx L 0.25.
  const double kml18 = h.KML(1) + 0.8 * (h.KML(2) - h.KML(1));
  const double sKML = kml18 / (a.sx() * h.L * 0.25);
  EXPECT_NEAR(s.PolylinesOn("kml_egrisi")[0]->points.back().x, 20 + h.KML(6) / sKML, 1e-9);
  // Label of kind B: mid-point of the points of waterlines 2 and 4.
  const scripttest::ScriptText* kmlLabel = s.TextsOn("kml_egrisi")[0];
  EXPECT_NEAR(kmlLabel->at.x, 20 + (h.KML(2) + h.KML(4)) / 2 / sKML, 1e-9);
  EXPECT_NEAR(kmlLabel->at.y, 20 + a.sy() * 3, 1e-9);
  EXPECT_LT(kmlLabel->angle, 0);  // KML falls with draught

  // The eleven dialogues, in their order.
  std::size_t last = 0;
  for (const char* title : {"== HACIM EGRISI ==", "== BLOK KATSAYISI ==", "== ORTA KESIT ALAN KATSAYISI ==",
                            "== SU HATTI ALAN KATSAYISI ==", "== HACIM MERKEZI YUKSEKLIGINE YERI - KB ==",
                            "== SEPHIYE MERKEZI BOYUNA YERI (LCB) EGRISI ==", "== ISLAK YUZEY EGRISI ==",
                            "== SU HATTI ALANLARI EGRISI ==", "== 1cm TRIM MOMENTI EGRISI ==",
                            "== YUZME MERKEZI BOYUNA YERI (LCF) EGRISI ==",
                            "== BOYUNA METASANTR YUKSEKLIGI (KML) EGRISI =="}) {
    std::size_t p = r.out.find(title, last);
    ASSERT_NE(p, std::string::npos) << title;
    last = p;
  }
  EXPECT_NE(r.out.find("HACIM EGRISI OLCEGI 1(mm) = " + FormatNumber(sV, 6, 3) +
                       " (m3) OLDU. YENI OLCEK GIRMEK ISTER MISIN <E/H>"),
            std::string::npos);
}

// Every column of the per-waterline records tagged with its place in the
// file (column k at waterline j holds k + j/10) and every proposed scale
// replaced by 1: each curve then shows the column it was read from.
TEST(HydrostaticCurvesScript, ColumnsAreReadInFileOrder) {
  WorkingDirectory dir;
  const int NW = 5;
  {
    std::ofstream f(dir.Out("ZAZURI.DAT"), std::ios::binary);
    f << "3,5,100,2\r\n0\r\n50\r\n100\r\n";
    for (int j = 1; j <= NW; ++j) f << j << "\r\n";
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= NW; ++j) f << 10 * i + j << "," << 100 * i + j << "\r\n";
    }
    for (int first : {1, 9}) {
      for (int j = 1; j <= NW; ++j) {
        std::vector<double> record;
        for (int k = first; k < first + (first == 1 ? 8 : 9); ++k) record.push_back(k + j / 10.0);
        f << Record(record);
      }
    }
  }
  std::string answers = "1\nH\nH\n";
  for (int own = 0; own < 11; ++own) answers += "E\n1\n";
  ScriptedSession session(dir.Path(), answers);
  hydro::WriteHydrostaticCurvesScripts(session.session, session.session.TaskDirectory(), 10, "T", scripttest::kOutDir);
  session.session.Finish(true);
  const ParsedScript s = ReadScript(dir.Out("ZAZURI2.SCR"));
  EXPECT_TRUE(s.faults.empty()) << scripttest::Faults(s);

  struct Curve {
    const char* layer;
    int column;      // 1..8 first record, 9..17 second record
    double divisor;  // the final scale, with the guard where the curve has it
  };
  const double sy = 155.0 / NW;
  for (const Curve& c : {Curve{"hacim_egrisi", 1, 1 + 1e-7}, Curve{"deplasman_egrisi", 2, 1 + 1e-7},
                         Curve{"blok_kats", 3, 1}, Curve{"priz_kats", 5, 1}, Curve{"ortakes_kats", 4, 1},
                         Curve{"suhatti_kats", 11, 1}, Curve{"kb_egrisi", 6, 1}, Curve{"lcb_egrisi", 7, 1},
                         Curve{"isl_egrisi", 8, 1}, Curve{"suhattialan_egrisi", 9, 1 + 1e-7},
                         Curve{"1cmbatma_egrisi", 16, 0.01}, Curve{"1cmtrimmom_egrisi", 17, 1},
                         Curve{"lcf_egrisi", 10, 1}, Curve{"km_egrisi", 13, 1}, Curve{"kml_egrisi", 15, 1}}) {
    SCOPED_TRACE(c.layer);
    std::vector<const Polyline*> p = s.PolylinesOn(c.layer, "pline");
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0]->points.size(), static_cast<std::size_t>(2 * (NW - 2)));
    for (const auto& q : p[0]->points) {
      const double j = std::round((q.y - 20) / sy);
      EXPECT_NEAR(q.x, 20 + (c.column + j / 10) / c.divisor, 1e-9);
    }
  }
}

TEST(HydrostaticCurvesScript, TypedVolumeScaleServesTheDisplacementCurve) {
  WorkingDirectory dir;
  BoxBarge h;
  A4Placement a{h};
  CurveRun r = RunCurves(dir, h, "1\nH\nH\nE\n50\n");
  EXPECT_TRUE(r.curves.faults.empty()) << scripttest::Faults(r.curves);
  for (const auto& q : r.curves.PolylinesOn("deplasman_egrisi")[0]->points) {
    EXPECT_NEAR(q.x, 20 + h.rho * 2000 * ((q.y - 20) / a.sy()) / (50 + 1e-7), 1e-9);
  }
  EXPECT_NE(r.curves.FindText("DEPLASMAN 1 (mm) =    50.00 (ton)"), nullptr);
}

TEST(HydrostaticCurvesScript, DraughtsBelowTheFirstWaterlineTakeItsValue) {
  WorkingDirectory dir;
  BoxBarge h;
  h.WL = {4, 5, 6, 7, 8, 9};  // 0.3 Tmax = 2.7 lies below the first waterline
  const double sx = 240 / h.L;
  CurveRun r = RunCurves(dir, h, "");
  ASSERT_TRUE(r.curvesWritten);
  EXPECT_TRUE(r.curves.faults.empty()) << scripttest::Faults(r.curves);
  const double sKML = h.KML(1) / (sx * h.L * 0.25);
  EXPECT_NEAR(r.curves.PolylinesOn("kml_egrisi")[0]->points.back().x, 20 + h.KML(6) / sKML, 1e-9);
  EXPECT_NE(r.out.find("BOYUNA METASANTR - KML EGRISININ OLCEGI 1(mm) = " + FormatNumber(sKML, 4, 3) + " (m)"),
            std::string::npos);
  // The waterplane label at 0.3 Tmax stands at the first waterline's value.
  const double sAwp = h.Awp() / (sx * h.L * 0.35);
  EXPECT_NEAR(r.curves.TextsOn("suhattialan_egrisi")[0]->at.x, 20 + h.Awp() / (sAwp + 1e-7), 1e-9);
}

}  // namespace

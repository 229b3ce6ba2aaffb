// Bonjean integration against the closed forms of box, V and overhanging
// sections, in even-keel and trimmed runs, with appendage strips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "common/hullform/section_window.hpp"
#include "hydrostatics/bonjean.hpp"
#include "hydrostatics/run_setup.hpp"
#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;

struct Setting {
  double fore = 6, aft = 6;
  double first = 0, last = 10, step = 1;
  double halfBreadth = 10;
  std::string language = "I";
  std::function<void(HydroRun&)> appendages;
};

// A drawn item of the section window with its colour and width, and the
// height of its first point in the window's user coordinates.
struct Drawn {
  platform::FormItem::Kind kind;
  platform::RgbColour colour;
  double width;
  double height, x2;
  std::string text;
};

std::vector<Drawn> DrawnItems(platform::ConsoleForm& form) {
  // A ruler from height 0 to height 1, drawn after everything else and read
  // back, gives the window's vertical scale.
  form.Line(0, 0, 0, 1, 0);
  const platform::FormItems& drawn = form.Items();
  const double base = drawn.back().y1, perUnit = drawn.back().y2 - base;
  std::vector<Drawn> items;
  for (std::size_t k = 0; k + 1 < drawn.size(); ++k) {
    const platform::FormItem& it = drawn[k];
    items.push_back(Drawn{it.kind, form.Colour(it), form.Width(it), (it.y1 - base) / perUnit, it.x2,
                          it.kind == platform::FormItem::kText ? form.Text(it) : std::string()});
  }
  return items;
}

// Integrates the hull as the run does, with all answers defaulted.
// `trace` receives what the section window shows at the end: the last
// station with its integration trace.
HydroRun Integrate(const Hull& hull, const Setting& s, std::vector<std::string>* reportLines = nullptr,
                                    std::vector<Drawn>* trace = nullptr) {
  HydroRun run;
  TaskValues& t = run.task;
  t.Lbp = 100;
  t.HalfBreadth = s.halfBreadth;
  t.Depth = 12;
  t.ForeDraft = s.fore;
  t.AftDraft = s.aft;
  t.FirstWaterline = s.first;
  t.LastWaterline = s.last;
  t.WaterlineStep = s.step;
  t.ReportLanguage = s.language;
  t.StationLabelScale = 20;
  SetHull(run.hull, hull);
  if (s.appendages) {
    t.AppendageFlag = 1;
    s.appendages(run);
  }
  QuietSession qs;
  CheckDrafts(qs.session, run);
  FindMidshipSection(qs.session, run);
  SetUpComputation(run);
  platform::OutputFile& report = qs.session.CreateOutput("REPORT.TXT");
  PrintBonjeanHeading(report, run);
  ComputeBonjeanCurves(qs.session, run);
  report.Close();
  if (trace) *trace = DrawnItems(hullform::SectionForm(qs.session));
  if (reportLines) {
    const std::string text = FileText(qs.dir / "REPORT.TXT");
    std::size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
      reportLines->push_back(text.substr(start, end - start));
      start = end + 2;
    }
  }
  return run;
}

// Relative accuracy of the spline guards and of the slice rule on these
// sections: measured 2.1e-6 at most (of a value below 1: of 1).
void ExpectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 5e-6 * std::max(1.0, std::fabs(expected))) << what;
}

// Even-keel runs: every station at every waterline against the section's
// closed form, whatever FirstWaterline is and wherever the section lies.
TEST(Bonjean, EvenKeelSectionsMatchTheirClosedForms) {
  struct Case {
    const char* name;
    std::vector<Point> section;
    double first;
    double (*area)(double);
    double (*moment)(double);
    double (*halfBreadth)(double);
  };
  const Case cases[] = {
      {"box", BoxSection(10), 0, [](double T) { return 20 * T; }, [](double T) { return 10 * T * T; },
       [](double) { return 10.0; }},
      {"box, series from 4 m", BoxSection(10), 4, [](double T) { return 20 * T; },
       [](double T) { return 10 * T * T; }, [](double) { return 10.0; }},
      {"V", VSection(), 0, [](double T) { return T * T / 2; }, [](double T) { return T * T * T / 3; },
       [](double T) { return T / 2; }},
      {"V, series from 3 m", VSection(), 3, [](double T) { return T * T / 2; },
       [](double T) { return T * T * T / 3; }, [](double T) { return T / 2; }},
      {"box reaching 1 m below the base line", BoxSection(10, -1, 9), 0,
       [](double T) { return 20 * (std::min(T, 9.0) + 1); },
       [](double T) { return 10 * (std::min(T, 9.0) * std::min(T, 9.0) - 1); },
       [](double T) { return T > 9 ? 0.0 : 10.0; }},
      {"box below the base line, series from 2 m", BoxSection(10, -1, 9), 2,
       [](double T) { return 20 * (std::min(T, 9.0) + 1); },
       [](double T) { return 10 * (std::min(T, 9.0) * std::min(T, 9.0) - 1); },
       [](double T) { return T > 9 ? 0.0 : 10.0; }},
      {"box whose top lies at 5 m", BoxSection(10, 0, 5), 0, [](double T) { return 20 * std::min(T, 5.0); },
       [](double T) { return 10 * std::min(T, 5.0) * std::min(T, 5.0); },
       [](double T) { return T > 5 ? 0.0 : 10.0; }},
      {"overhang from 3 m", BoxSection(10, 3, 10), 0, [](double T) { return 20 * std::max(T - 3, 0.0); },
       [](double T) { return T < 3 ? 0.0 : 10 * (T * T - 9); }, [](double T) { return T < 3 ? 0.0 : 10.0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Setting s;
    s.first = c.first;
    const auto run = Integrate(PrismaticHull(c.section, 11, 100, -1, 12), s);
    ASSERT_GT(run.run.WaterlineCount, 3);
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      const double T = run.run.WaterlineDraft(j);
      SCOPED_TRACE("T = " + std::to_string(T));
      for (int i = 1; i <= 11; i += 5) {
        ExpectClose(run.sections.BonjeanArea(i, j), c.area(T), "area");
        ExpectClose(run.sections.BonjeanMoment(i, j), c.moment(T), "moment");
        ExpectClose(run.sections.WaterlineHalfBreadth(i, j), c.halfBreadth(T), "half-breadth");
        // ZG, and 0 where the waterline does not reach the section.
        const double area = c.area(T);
        ExpectClose(run.sections.CentroidHeight(i, j), area > 0 ? c.moment(T) / area : 0, "ZG");
        EXPECT_DOUBLE_EQ(run.sections.LocalDraft(i, j), T);
      }
    }
  }
}

// Volume of a box of 100 x 20 m at 6 m integrated along the length from a
// series that starts at 4 m: 12000 m3, the base slice counted once.
TEST(Bonjean, BaseSliceIsCountedOnce) {
  Setting s;
  s.first = 4;
  const auto run = Integrate(PrismaticHull(BoxSection(10)), s);
  const int j = run.run.DesignWaterlineIndex;
  ASSERT_DOUBLE_EQ(run.run.WaterlineDraft(j), 6);
  double volume = 0;
  for (int i = 1; i < 11; ++i)
    volume += (run.sections.BonjeanArea(i, j) + run.sections.BonjeanArea(i + 1, j)) / 2 * 10;
  EXPECT_NEAR(volume, 12000, 12000 * 1e-9);  // measured 4e-10; the base slice twice would add 8000

  // A mean draft below FirstWaterline is sorted in as waterline 1: the base
  // slice then ends at that waterline.
  s.fore = s.aft = 3;
  const auto low = Integrate(PrismaticHull(BoxSection(10)), s);
  ASSERT_DOUBLE_EQ(low.run.WaterlineDraft(1), 3);
  for (int j = 1; j <= low.run.WaterlineCount; ++j)
    ExpectClose(low.sections.BonjeanArea(6, j), 20 * low.run.WaterlineDraft(j), "area");
}

TEST(Bonjean, MidshipCoefficientOfABoxIsOne) {
  const auto run = Integrate(PrismaticHull(BoxSection(10)), Setting{});
  EXPECT_EQ(run.run.MidshipIndex, 6.0f);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) ExpectClose(run.sections.Cm(j), 1, "Cm");
}

// A flat bottom written as two knuckles at one height is the same section as
// a box whose lowest point lies at full half-breadth.
TEST(Bonjean, FlatBottomOfTwoKnucklesEqualsTheBox) {
  for (double first : {0.0, 2.0}) {
    Setting s;
    s.first = first;
    s.last = 12;
    const auto box = Integrate(PrismaticHull(BoxSection(10, 1, 10)), s);
    const auto knuckled = Integrate(PrismaticHull(KnuckledBoxSection(10, 1, 10)), s);
    for (int j = 1; j <= box.run.WaterlineCount; ++j) {
      EXPECT_NEAR(knuckled.sections.BonjeanArea(3, j), box.sections.BonjeanArea(3, j), 1e-9);
      EXPECT_NEAR(knuckled.sections.BonjeanMoment(3, j), box.sections.BonjeanMoment(3, j), 1e-9);
      EXPECT_NEAR(knuckled.sections.WaterlineHalfBreadth(3, j), box.sections.WaterlineHalfBreadth(3, j), 1e-9);
    }
  }
  hullform::HullModel hull;
  SetHull(hull, PrismaticHull(KnuckledBoxSection(10, 1, 10)));
  const StationSection section = BuildStationSection(hull, 2);
  EXPECT_DOUBLE_EQ(EvaluateSectionAt(section, 1), 10);  // on the bottom: its outer end
  EXPECT_EQ(EvaluateSectionAt(section, 0.999), 0);       // below the section
  EXPECT_EQ(EvaluateSectionAt(section, 10.5), 10);       // above: the top point's half-breadth
}

// The piece of the section is found by bisection over its heights; it is the
// first piece of some height holding z, as a scan of every piece finds it,
// for sections with points at repeated heights (a flat bottom, a shelf, a
// flat top) and for a section of no height at all.
TEST(Bonjean, SectionPieceByBisectionIsThePieceOfTheScan) {
  const std::vector<std::vector<Point>> sections = {
      {{1, 0, 0}, {1, 4, 0}, {2, 5, 1}, {3, 5.5, 0}, {3, 7, 0}, {5, 7.5, 1}, {6, 8, 1}, {8, 8, 0}, {8, 9, 0}},
      {{0, 0, 1}, {0.5, 1, 1}, {1, 2, 1}, {2, 3, 1}, {4, 3.5, 1}, {7, 4, 1}, {10, 4.2, 1}},
      {{2, 3, 0}, {2, 5, 0}, {2, 6, 0}},
  };
  for (const auto& points : sections) {
    hullform::HullModel hull;
    SetHull(hull, PrismaticHull(points));
    const StationSection section = BuildStationSection(hull, 2);
    const int m = section.spline.m;
    const Vec& t = section.spline.knots;
    const auto scan = [&](double z) {
      if (z < t(1)) return 0.0;
      if (z > t(m)) return section.topHalfBreadth;
      for (int k = 1; k <= m - 1; ++k) {
        if (t(k + 1) > t(k) && t(k) <= z && z <= t(k + 1)) {
          const auto& c = section.spline.table;
          const double d = z - t(k);
          return c(1, k) + d * (c(2, k) + d * (c(3, k) + d * c(4, k) / 3) / 2);
        }
      }
      return section.topHalfBreadth;
    };
    std::vector<double> heights;
    for (int k = 1; k <= m; ++k) {
      heights.push_back(t(k));
      heights.push_back(std::nextafter(t(k), -1e9));
      heights.push_back(std::nextafter(t(k), 1e9));
    }
    for (double z = -0.5; z <= 10.5; z += 0.03125) heights.push_back(z);
    for (const double z : heights) EXPECT_EQ(EvaluateSectionAt(section, z), scan(z)) << z;
  }
}

// Trimmed run: each station integrated from its lowest point up to its own
// waterline height, rising from 5 m at AP to 7 m at FP.
TEST(Bonjean, TrimmedRunIntegratesUpToTheLocalWaterline) {
  struct Case {
    const char* name;
    std::vector<Point> section;
    double first;
  };
  const Case cases[] = {{"box", BoxSection(10), 0},
                        {"box, FirstWaterline 3", BoxSection(10), 3},
                        {"box below the base line", BoxSection(10, -1, 9), 2},
                        {"box whose top lies at 6 m", BoxSection(10, 0, 6), 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Setting s;
    s.fore = 7;
    s.aft = 5;
    s.first = c.first;
    const auto run = Integrate(PrismaticHull(c.section, 11, 100, -1, 12), s);
    ASSERT_EQ(run.run.WaterlineCount, 1);
    EXPECT_DOUBLE_EQ(run.run.WaterlineDraft(1), 6);
    const double bottom = c.section.front().z, top = c.section.back().z;
    for (int i = 1; i <= 11; ++i) {
      const double x = run.hull.StationPos(i);
      const double h = 5 + 2 * x / 100;
      const double u = std::min(h, top);
      SCOPED_TRACE("x = " + std::to_string(x));
      EXPECT_NEAR(run.sections.LocalDraft(i, 1), h, 1e-12);
      ExpectClose(run.sections.BonjeanArea(i, 1), 20 * (u - bottom), "area");
      ExpectClose(run.sections.BonjeanMoment(i, 1), 10 * (u * u - bottom * bottom), "moment");
      const double local = run.sections.LocalDraft(i, 1);
      ExpectClose(run.sections.WaterlineHalfBreadth(i, 1), local > top ? 0 : 10, "half-breadth");
    }
    ExpectClose(run.sections.Cm(1), 20 * (std::min(6.0, top) - bottom) / (6 * 20), "Cm at the mean draft");
  }
}

// Strips of constant breadths 0.2 and 0.5 m: from 1 to 3 m at station 3 and
// from 0.5 m below the base line up to it at station 4.
void AddStrips(HydroRun& run) {
  hullform::AppendageData& a = run.appendages;
  a = hullform::AppendageData(3);
  a.AppendageCount(3) = 3;
  a.AppendageCount(4) = 3;
  for (int k = 1; k <= 3; ++k) {
    a.AppendageZ(3, k) = k;
    a.AppendageZ(4, k) = -0.5 + 0.25 * (k - 1);
    a.AppendageY1(3, k) = a.AppendageY1(4, k) = 0.5;
    a.AppendageY2(3, k) = a.AppendageY2(4, k) = 0.2;
  }
}

TEST(Bonjean, AppendageStripsAddTheirAreaAndMoment) {
  Setting s;
  s.appendages = AddStrips;
  const auto run = Integrate(PrismaticHull(BoxSection(10)), s);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    SCOPED_TRACE("T = " + std::to_string(T));
    const double hullArea = 20 * T, hullMoment = 10 * T * T;
    const double u = std::clamp(T, 1.0, 3.0);
    // The strips' integration over height and the hull's: measured 4.3e-5 m2
    // and 8.3e-5 m3 at most.
    constexpr double kArea = 1e-4, kMoment = 2e-4;
    EXPECT_NEAR(run.sections.BonjeanArea(3, j) - hullArea, 2 * 0.3 * (u - 1), kArea);
    EXPECT_NEAR(run.sections.BonjeanMoment(3, j) - hullMoment, 0.3 * (u * u - 1), kMoment);
    EXPECT_NEAR(run.sections.BonjeanArea(4, j) - hullArea, 0.3, kArea);
    EXPECT_NEAR(run.sections.BonjeanMoment(4, j) - hullMoment, -0.075, kMoment);
  }
}

// At waterlines within a strip the station's waterplane is the strip, the
// outer breadth the larger of the two whichever column holds it.
TEST(Bonjean, AppendageWaterlineBreadthsAreTheStripsOuterAndInnerBreadths) {
  Setting s;
  s.appendages = [](HydroRun& run) {
    hullform::AppendageData& a = run.appendages;
    a = hullform::AppendageData(4);
    a.AppendageCount(2) = 4;
    a.AppendageCount(5) = 2;
    for (int k = 1; k <= 4; ++k) {
      const double z = 1 + 2 * (k - 1);  // 1, 3, 5, 7
      a.AppendageZ(2, k) = z;
      a.AppendageY1(2, k) = 0.2 * z + 1;  // outer breadth in the first column
      a.AppendageY2(2, k) = 0.1 * z;
    }
    a.AppendageZ(5, 1) = 2;
    a.AppendageZ(5, 2) = 4;
    a.AppendageY1(5, 1) = 0.1;
    a.AppendageY1(5, 2) = 0.3;
    a.AppendageY2(5, 1) = a.AppendageY2(5, 2) = 0.6;
  };
  auto run = Integrate(PrismaticHull(BoxSection(10)), s);
  SetAppendageWaterlineBreadths(run);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    SCOPED_TRACE("T = " + std::to_string(T));
    const SectionResults& r = run.sections;
    if (T >= 1 && T <= 7) {
      EXPECT_NEAR(r.WaterlineHalfBreadth(2, j), 0.2 * T + 1, 1e-6);
      EXPECT_NEAR(r.DeductedHalfBreadth(2, j), 0.1 * T, 1e-6);
    } else {
      EXPECT_NEAR(r.WaterlineHalfBreadth(2, j), 10, 1e-6);
      EXPECT_EQ(r.DeductedHalfBreadth(2, j), 0);
    }
    if (T >= 2 && T <= 4) {
      EXPECT_NEAR(r.WaterlineHalfBreadth(5, j), 0.6, 1e-9);
      EXPECT_NEAR(r.DeductedHalfBreadth(5, j), 0.1 + 0.1 * (T - 2), 1e-9);
    } else {
      EXPECT_EQ(r.DeductedHalfBreadth(5, j), 0);
    }
    EXPECT_EQ(r.DeductedHalfBreadth(1, j), 0);
  }
}

// Waterline lengths from the end contours; a waterline above the stern
// contour takes its top point.
TEST(Bonjean, WaterlineLengthsFromTheEndContours) {
  Hull hull = PrismaticHull(BoxSection(10));
  hull.stern = {{0, 0, 1}, {3, -1.5, 1}, {6, -3, 1}};    // x = -z/2 up to 6 m
  hull.stem = {{0, 100, 1}, {6, 106, 1}, {12, 112, 1}};  // x = 100 + z
  auto run = Integrate(hull, Setting{});
  QuietSession qs;
  ComputeWaterlineLengths(qs.session, run);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    SCOPED_TRACE("T = " + std::to_string(T));
    const double stern = -std::min(T, 6.0) / 2;
    // Straight contours, splined with their guards: measured 4.6e-6 m.
    EXPECT_NEAR(run.sections.SternProfileX(j), stern, 1e-5);
    EXPECT_NEAR(run.sections.StemProfileX(j), 100 + T, 1e-5);
    EXPECT_NEAR(run.sections.Lwl(j), 100 + T - stern, 1e-5);
    EXPECT_NEAR(run.sections.MaxHalfBreadth(j), 10, 1e-6);
  }
  // The stern contour ends at 6 m: waterlines 7 to 10 m take its top point,
  // and the terminal says so once for each of them, after the computation.
  const ContoursCarriedOn carried = ComputeEndContours(run);
  EXPECT_EQ(carried.stern, (std::vector<int>{7, 8, 9, 10}));
  EXPECT_TRUE(carried.stem.empty());
  const std::string notes = qs.out.str();
  EXPECT_NE(notes.find("Not: KIC BODOSLAMA su hatti  10.000 m yuksekliginde tanimli degil; en yakin uc noktasi "
                       "(x =  -3.000 m) alindi.\n"),
            std::string::npos)
      << notes;
  EXPECT_EQ(std::count(notes.begin(), notes.end(), '\n'), 4);
  EXPECT_EQ(notes.find("BAS BODOSLAMA"), std::string::npos);
}

TEST(Bonjean, ReportOpensWithTheHeadingInItsLanguage) {
  for (const auto& [language, heading] :
       {std::pair{"T", "     BONJEAN ALAN ve MOMETLERI       "}, std::pair{"I", "     BONJEAN AREA & MOMENTS          "}}) {
    Setting s;
    s.language = language;
    std::vector<std::string> lines;
    Integrate(PrismaticHull(BoxSection(10)), s, &lines);
    const std::vector<std::string> expected = {"", "", heading, ""};
    EXPECT_EQ(lines, expected);
  }
}

std::size_t CountItems(const std::vector<Drawn>& items, platform::FormItem::Kind kind, platform::RgbColour colour) {
  return static_cast<std::size_t>(std::count_if(items.begin(), items.end(), [&](const Drawn& it) {
    return it.kind == kind && it.colour == colour;
  }));
}

// The station screen: frame, base line, section box, centre line and caption
// rule in light blue, the caption with the station's number, label and
// position, the contour through the offset points in light magenta on both
// sides, and the deck line.
TEST(StationDrawing, CaptionContourAndFrame) {
  HydroRun run;
  run.task.Lbp = 100;
  run.task.HalfBreadth = 10;
  run.task.Depth = 12;
  run.task.StationLabelScale = 20;
  Hull h = PrismaticHull(BoxSection(10), 13, 120);
  h.stations[2].x = 12.5;
  h.stations[11].x = 57.25;
  SetHull(run.hull, h);
  QuietSession qs;
  const std::pair<int, const char*> cases[] = {{3, "POSTA NO :  3 - (  2.500 /  12.500 m. AP `den.)"},
                                               {12, "POSTA NO : 12 - ( 11.450 /  57.250 m. AP `den.)"}};
  for (const auto& [i, caption] : cases) {
    SCOPED_TRACE(caption);
    const StationSection section = BuildStationSection(run.hull, i);
    DrawStationSection(qs.session, run, i, section);
    const auto items = DrawnItems(hullform::SectionForm(qs.session));
    std::vector<std::string> texts;
    for (const auto& it : items)
      if (it.kind == platform::FormItem::kText) texts.push_back(it.text);
    EXPECT_EQ(texts, std::vector<std::string>{caption});
    EXPECT_EQ(CountItems(items, platform::FormItem::kLine, platform::PaletteColour(9)), 11u);
    EXPECT_EQ(CountItems(items, platform::FormItem::kLine, platform::PaletteColour(13)), 4u);
    for (const auto& it : items) {
      if (it.kind != platform::FormItem::kLine) continue;
      // Frame and box drawn 2 wide, the contour and the deck line 1 wide.
      const bool deck = it.colour == platform::PaletteColour(9) && &it == &items.back();
      EXPECT_EQ(it.width, it.colour == platform::PaletteColour(13) || deck ? 1 : 2);
    }
  }
}

// The integration trace over the last station (a box from 0 to 10 m): a
// line at every Gauss point of the base slice and of the trimmed
// sub-slices, the waterline of each even-keel slice and three circles about
// the centroid of each area, in the colour value 2000 j of waterline j.  The
// first waterline's centroid is marked before the base slice is added: that
// of the area between the base slice and the waterline.
TEST(Bonjean, StationTraceMarksGaussPointsWaterlinesAndCentroids) {
  struct Case {
    const char* name;
    double fore, aft, first;
    std::size_t gaussLines, waterlineLines;
    double firstCentroid;
  };
  const Case cases[] = {{"even keel", 6, 6, 0, 0, 1, 0.5},
                        {"even keel, base slice to 4 m", 6, 6, 4, 10, 1, 4.5},
                        {"trimmed", 7, 5, 0, 50, 0, 3.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Setting s;
    s.fore = c.fore;
    s.aft = c.aft;
    s.first = c.first;
    std::vector<Drawn> items;
    const auto run = Integrate(PrismaticHull(BoxSection(10)), s, nullptr, &items);
    EXPECT_EQ(CountItems(items, platform::FormItem::kLine, platform::PaletteColour(9)), 11 + c.gaussLines);
    for (int j = 1; j <= run.run.WaterlineCount; ++j) {
      SCOPED_TRACE("j = " + std::to_string(j));
      const auto colour = static_cast<platform::RgbColour>(2000 * j);
      EXPECT_EQ(CountItems(items, platform::FormItem::kLine, colour), c.waterlineLines);
      std::vector<double> radii;
      for (const auto& it : items) {
        if (it.kind != platform::FormItem::kCircle || it.colour != colour) continue;
        radii.push_back(it.x2);
        ExpectClose(it.height, j == 1 ? c.firstCentroid : run.run.WaterlineDraft(j) / 2, "centroid mark");
      }
      ASSERT_EQ(radii.size(), 3u);
      // HalfBreadth/150, /75 and /300.
      EXPECT_NEAR(radii[1] / radii[0], 2, 1e-9);
      EXPECT_NEAR(radii[2] / radii[0], 0.5, 1e-9);
    }
  }
}

// The integration keeps, for the drawing, every height at which it sampled
// the section: the ten Gauss heights of the base slice, in pairs about its
// middle with the upper height first, and the fifty of a trimmed run's five
// equal sub-slices up to the local waterline, each with the box's
// half-breadth.
TEST(Bonjean, IntegrationKeepsTheGaussHeightsItSampled) {
  const auto expectSlices = [](const std::vector<SectionSample>& samples, double a, double b, int slices) {
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(10 * slices));
    const double step = (b - a) / slices;
    for (std::size_t k = 0; k < samples.size(); k += 2) {
      const double lower = a + step * static_cast<double>(k / 10), upper = lower + step;
      SCOPED_TRACE("sample " + std::to_string(k));
      EXPECT_GT(samples[k].z, samples[k + 1].z);
      EXPECT_NEAR(samples[k].z + samples[k + 1].z, lower + upper, 1e-12);
      EXPECT_GT(samples[k + 1].z, lower);
      EXPECT_LT(samples[k].z, upper);
      EXPECT_DOUBLE_EQ(samples[k].halfBreadth, 10);
      EXPECT_DOUBLE_EQ(samples[k + 1].halfBreadth, 10);
    }
  };
  Setting base;
  base.first = 4;
  auto even = Integrate(PrismaticHull(BoxSection(10)), base);
  BonjeanTrace trace;
  IntegrateStation(even, 11, trace);
  expectSlices(trace.baseSlice, 0, 4, 1);
  EXPECT_TRUE(trace.trimmedSlices.empty());
  ASSERT_TRUE(trace.firstWaterlineCentroid.has_value());
  ExpectClose(*trace.firstWaterlineCentroid, 4.5, "centroid above the base slice");
  ExpectClose(even.sections.CentroidHeight(11, 1), 2.5, "ZG with the base slice");

  Setting trimmed;
  trimmed.fore = 7;
  trimmed.aft = 5;
  auto run = Integrate(PrismaticHull(BoxSection(10)), trimmed);
  IntegrateStation(run, 6, trace);  // at 50 m: the waterline at 6 m
  EXPECT_TRUE(trace.baseSlice.empty());
  expectSlices(trace.trimmedSlices, 0, 6, 5);
}

}  // namespace
}  // namespace hydro

// Girths of box, V and knuckled sections and the wetted surface of a box barge.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "hydrostatics/bonjean.hpp"
#include "hydrostatics/girth.hpp"
#include "hydrostatics/run_setup.hpp"
#include "run_fixture.hpp"

namespace hydro {
namespace {

using namespace runtest;

// Integrates and measures the hull as the run does (waterlines 1 to 10 m,
// even keel at 4 m), all answers defaulted.
HydroRun MeasureGirths(const Hull& hull, double halfBreadth = 5) {
  HydroRun run;
  TaskValues& t = run.task;
  t.Lbp = 100;
  t.HalfBreadth = halfBreadth;
  t.Depth = 12;
  t.ForeDraft = t.AftDraft = 4;
  t.FirstWaterline = 0;
  t.LastWaterline = 10;
  t.WaterlineStep = 1;
  t.ReportLanguage = "I";
  t.StationLabelScale = 20;
  SetHull(run.hull, hull);
  QuietSession qs;
  CheckDrafts(qs.session, run);
  FindMidshipSection(qs.session, run);
  SetUpComputation(run);
  for (int i = 1; i <= run.hull.StationCount; ++i) run.sections.StationLoadWaterlineHeight(i) = 4;
  ComputeBonjeanCurves(qs.session, run);
  ComputeWaterlineLengths(qs.session, run);
  ComputeGirthLengths(qs.session, run);
  ComputeWettedSurface(run);
  return run;
}

int WaterlineAt(const HydroRun& run, double T) {
  for (int j = 1; j <= run.run.WaterlineCount; ++j)
    if (std::fabs(run.run.WaterlineDraft(j) - T) < 1e-9) return j;
  ADD_FAILURE() << "no waterline at " << T;
  return 1;
}

// The sampled contour with its integration guards: a box of half-breadth 5 m
// and 10 m height measures 15.024 m at its top and 9.010 m at 4 m (exactly
// 15 and 9), the V section y = z/2 11.207 and 4.483 (exactly 11.180, 4.472).
TEST(Girth, BoxAndVSectionsMeasureTheirContours) {
  struct Case {
    const char* name;
    std::vector<Point> section;
    double atTop, at4;
  };
  const Case cases[] = {{"box", BoxSection(5), 15.024, 9.010},
                        {"box with a knuckled flat bottom", KnuckledBoxSection(5), 15.024, 9.010},
                        {"V", VSection(), 11.207, 4.483}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto run = MeasureGirths(PrismaticHull(c.section));
    const SectionResults& r = run.sections;
    EXPECT_EQ(r.GirthSampleCount(3), 100);
    EXPECT_NEAR(r.StationGirth(3, 100), c.atTop, 0.0005);
    EXPECT_NEAR(r.WaterlineGirth(3, WaterlineAt(run, 4)), c.at4, 0.0005);
    EXPECT_NEAR(r.WaterlineGirth(3, WaterlineAt(run, 10)), c.atTop, 0.0005);
    EXPECT_NEAR(r.LoadWaterlineGirth(3), c.at4, 0.0005);
  }
}

// Both ways of writing a flat bottom give one girth at every sample.
TEST(Girth, FlatBottomOfTwoKnucklesMeasuresLikeTheBox) {
  const auto box = MeasureGirths(PrismaticHull(BoxSection(5, 1, 10)));
  const auto knuckled = MeasureGirths(PrismaticHull(KnuckledBoxSection(5, 1, 10)));
  EXPECT_DOUBLE_EQ(knuckled.sections.StationGirth(2, 1), 5);
  for (int k = 1; k <= 100; ++k) {
    EXPECT_NEAR(knuckled.sections.StationGirth(2, k), box.sections.StationGirth(2, k), 1e-9) << k;
    EXPECT_NEAR(knuckled.sections.GirthSampleY(2, k), 5, 1e-9) << k;
  }
}

// A waterline below a station measures nothing there; one above its top
// measures the whole contour.
TEST(Girth, WaterlinesOutsideAStationTakeNothingOrTheWholeGirth) {
  Hull hull = PrismaticHull(BoxSection(5));
  hull.stations[1].points = BoxSection(5, 3, 10);  // station 2 overhangs from 3 m
  hull.stations[2].points = BoxSection(5, 0, 5);   // station 3 ends at 5 m
  const auto run = MeasureGirths(hull);
  const SectionResults& r = run.sections;
  EXPECT_EQ(r.WaterlineGirth(2, WaterlineAt(run, 2)), 0);
  EXPECT_EQ(r.WaterlineGirth(2, WaterlineAt(run, 3)), 0);
  EXPECT_GT(r.WaterlineGirth(2, WaterlineAt(run, 4)), 5);
  // 5 m of bottom and 5 m of side, the side measured long by the guard of
  // the arc-length rule at this sample spacing (measured 10.049).
  EXPECT_NEAR(r.StationGirth(3, 100), 10, 0.06);
  for (double T : {6.0, 8.0, 10.0}) EXPECT_EQ(r.WaterlineGirth(3, WaterlineAt(run, T)), r.StationGirth(3, 100));
}

// The trace over a station's drawing shows its girth samples as measured: a
// circle of a 150th of the half-breadth at each sample on both sides
// (colour 12) and the contour between them (colour 13), nothing else.
TEST(Girth, TraceShowsTheSamplesOnBothSides) {
  const auto run = MeasureGirths(PrismaticHull(BoxSection(5)));
  QuietSession qs;
  platform::ConsoleForm& form = qs.session.Form("Trace", "", 0, 0, 1000, 1000);
  form.UserScale(-10, 10, 10, -10);
  DrawGirthTrace(form, run, 2);
  std::size_t circles = 0, lines = 0;
  for (const platform::FormItem& it : form.Items()) {
    if (it.kind == platform::FormItem::kCircle) {
      ++circles;
      EXPECT_EQ(form.Colour(it), platform::PaletteColour(12));
    } else {
      ++lines;
      EXPECT_EQ(form.Colour(it), platform::PaletteColour(13));
    }
  }
  EXPECT_EQ(circles, 200u);
  EXPECT_EQ(lines, 198u);
}

TEST(Girth, RuleBInterpolatesBetweenSamples) {
  SectionResults r;
  r.Size(1, 1);
  r.GirthSampleCount(1) = 3;
  const double z[] = {1, 2, 4}, g[] = {3, 5, 6};
  for (int k = 1; k <= 3; ++k) {
    r.GirthSampleZ(1, k) = z[k - 1];
    r.StationGirth(1, k) = g[k - 1];
  }
  EXPECT_EQ(GirthAtHeight(r, 1, 0.5), 0);
  EXPECT_EQ(GirthAtHeight(r, 1, 1), 0);
  EXPECT_DOUBLE_EQ(GirthAtHeight(r, 1, 1.5), 4);
  EXPECT_DOUBLE_EQ(GirthAtHeight(r, 1, 3), 5.5);
  EXPECT_DOUBLE_EQ(GirthAtHeight(r, 1, 4), 6);
  EXPECT_DOUBLE_EQ(GirthAtHeight(r, 1, 9), 6);
}

// Box barge 100 x 10 m: S = 2 L g + 10 T, g the girth at T, 10 T the
// transom; with the stem 10 m forward of the last station the girth curve
// closes on a parabola through the last two stations and the stem.
TEST(WettedSurface, BoxBarge) {
  auto run = MeasureGirths(PrismaticHull(BoxSection(5)));
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    const double g = run.sections.WaterlineGirth(1, j);
    SCOPED_TRACE("T = " + std::to_string(T));
    EXPECT_NEAR(g, 5 + T, 0.003 * (5 + T));
    // The girths integrated along the length, with the guard's bias there:
    // measured 2.0e-6 of the sides.
    EXPECT_NEAR(run.sections.WettedSurface(j), 2 * 100 * g + 10 * T, 3e-6 * (2 * 100 * g));
  }
  for (int j = 1; j <= run.run.WaterlineCount; ++j) run.sections.StemProfileX(j) = 110;
  ComputeWettedSurface(run);
  for (int j = 1; j <= run.run.WaterlineCount; ++j) {
    const double T = run.run.WaterlineDraft(j);
    const double g = run.sections.WaterlineGirth(1, j);
    EXPECT_NEAR(run.sections.WettedSurface(j), 2 * g * (100 + 35.0 / 6) + 10 * T, 3e-6 * (2 * 100 * g));
  }
}

}  // namespace
}  // namespace hydro

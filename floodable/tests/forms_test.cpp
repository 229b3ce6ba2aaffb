// The floodable-length program's forms bundle reaches the shared routines:
// in each case the result differs from what the hydrostatics program's
// forms give for the same input.
#include "floodable/forms.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "common/hullform/offset_table.hpp"
#include "common/hullform/section_spline.hpp"
#include "common/hullform/section_window.hpp"
#include "common/numerics/curves.hpp"
#include "tests/support/curve_forms.hpp"
#include "tests/support/hulls.hpp"
#include "tests/support/scratch.hpp"
#include "tests/support/session_runs.hpp"

namespace flood {
namespace {

using numerics::SplineTable;
using numerics::Vec;
using testsupport::Point;
using testsupport::curve_forms::Values;

constexpr const hullform::ProgramForms& kForms = kFloodableForms;

// Two coincident knots one metre apart in the ordinate: the back
// substitution carries no guard here, so the slope at the first knot is the
// divided difference 1e6 itself (the hydrostatics program: 1e6/(1 + 1e-6)).
TEST(FloodableForms, SplineGuardsReachTheFit) {
  EXPECT_NEAR(testsupport::curve_forms::FirstSlopeAtCoincidentKnots(kForms.splineGuards), 1e6, 1e-6);
}

// Between two knots of equal ordinate the evaluation gives that ordinate
// where the cubic bulges (a parallel middle body stays straight).
TEST(FloodableForms, FlatIntervalStaysFlat) {
  const Vec x = Values({0, 1, 2, 3});
  SplineTable c = numerics::MakeSplineTable(4);
  for (int k = 1; k <= 4; ++k) c(1, k) = (k == 2 || k == 3) ? 2 : 0;
  numerics::FitCubicSpline(4, x, c, 0, 0, kForms.splineGuards);
  double y = 0;
  numerics::EvaluateSpline(4, 1.5, y, x, c, kForms.splineEvaluation);
  EXPECT_EQ(y, 2.0);
  EXPECT_GT(numerics::EvaluateSplinePiece(c, 2, 0.5), 2.1);  // the cubic itself
}

// The body plan is walked with the same evaluation: the parallel side of a
// station between two equal half-breadths is drawn straight.
TEST(FloodableForms, BodyPlanKeepsAParallelSideStraight) {
  testsupport::Hull h = testsupport::PrismaticHull(testsupport::BoxSection(4, 0, 5), 3, 10);
  h.stations[0].points = {{0, 0, 1}, {1, 2.5, 1}, {2, 4, 1}, {3, 4, 1}, {4, 4.5, 1}};
  h.stations.resize(1);
  const hullform::HullModel hull = testsupport::MakeHullModel(h);
  const testsupport::ScratchDirectory dir("flood-forms");
  double worst = 0;
  int examined = 0;
  const auto step = [&](platform::Session& s) {
    platform::ConsoleForm& form = hullform::SectionForm(s);
    hullform::PrepareSectionPlotForm(form, 4, 5, kForms.sectionPlotForm);
    form.Clear();
    form.UserScale(0, 10, 10, 0);  // one unit of height a pixel row apart from the next
    hullform::DrawBodyPlanSections(form, hull, 0.1, kForms.sectionSpline);
    const double ppu = 11880 / 15.0 / 10;  // pixels per unit across the window
    for (const platform::FormItem& u : form.Items()) {
      if (u.kind != platform::FormItem::kLine) continue;
      const double y1 = 10 - u.y1 / (8595 / 15.0 / 10), y2 = 10 - u.y2 / (8595 / 15.0 / 10);
      if (std::min(y1, y2) < 2 + 1e-9 || std::max(y1, y2) > 3 - 1e-9 || y1 == y2) continue;
      worst = std::max(worst, std::fabs(std::fabs(u.x2 / ppu) - 4));
      ++examined;
    }
  };
  ASSERT_EQ(testsupport::RunStep(dir, "", step).status, 0);
  EXPECT_GE(examined, 2 * 8);  // the steps of 0.1 m between the two knots, each side
  EXPECT_LT(worst, 1e-6);
}

// Without a guard the rule is exact for a parabolic waterline.
TEST(FloodableForms, SimpsonRuleIsExactForAParabola) {
  const double L = 80, B = 6;
  const Vec X = Values({0, 2, 10, 20, 40, 60, 70, 78, 80});
  EXPECT_NEAR(testsupport::curve_forms::ParabolicWaterlineArea(X, L, B, kForms.simpsonGuard), 2.0 / 3.0 * L * B,
              1e-9);
}

// The reader takes 100 stations (the hydrostatics program's 148) of 249
// points, with the stern and stem contours.
TEST(FloodableForms, OffsetTableOfUpTo100Stations) {
  const testsupport::ScratchDirectory dir("flood-forms");
  hullform::HullModel read;
  const auto reader = [&](platform::Session& s) { hullform::ReadOffsetTable(s, "HULL.DAT", read, kForms, hullform::AbsoluteHullLimits()); };

  testsupport::Hull hull = testsupport::PrismaticHull(testsupport::BoxSection(6, 0, 8), 100, 99);
  std::vector<Point> many;
  for (int k = 0; k < 249; ++k) many.push_back({8.0 * k / 248, 6, 1});
  hull.stations[4].points = many;
  testsupport::WriteFile(dir / "HULL.DAT", testsupport::OffsetTableText(hull));
  ASSERT_EQ(testsupport::RunStep(dir, "", reader).status, 0);
  EXPECT_EQ(read.StationCount, 100);
  EXPECT_EQ(read.PointCount(5), 249);
  EXPECT_EQ(read.PointCount(read.StemRow()), 3);

  hull = testsupport::PrismaticHull(testsupport::BoxSection(6, 0, 8), 101, 100);
  testsupport::WriteFile(dir / "HULL.DAT", testsupport::OffsetTableText(hull));
  const testsupport::StepOutcome refused = testsupport::RunStep(dir, "", reader);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("100 posta kesiti icinde posta listesinin sonu"), std::string::npos) << refused.err;
}

// The section window prints its (empty) caption line after the frame.
TEST(FloodableForms, SectionWindowPrintsItsCaptionLine) {
  const testsupport::ScratchDirectory dir("flood-forms");
  bool caption = false;
  const auto step = [&](platform::Session& s) {
    platform::ConsoleForm& form = hullform::SectionForm(s);
    hullform::PrepareSectionPlotForm(form, 6, 8, kForms.sectionPlotForm);
    caption = form.Items().size() == 11 && form.Items().back().kind == platform::FormItem::kText;
  };
  ASSERT_EQ(testsupport::RunStep(dir, "", step).status, 0);
  EXPECT_TRUE(caption);
}

// Report numbers cut their fraction and never mark an overflow.
TEST(FloodableForms, NumbersAreCutNotRounded) {
  EXPECT_EQ(FormatNumber(12.345, 3, 2), " 12.34");
  EXPECT_EQ(FormatNumber(0.129, 1, 2), " 0.12");
  EXPECT_EQ(FormatNumber(1234.567, 2, 2), "1234.56");
}

}  // namespace
}  // namespace flood

// The cross-curves program's forms bundle reaches the shared routines: in
// each case the result differs from what the hydrostatics program's forms
// give for the same input.
#include "crosscurves/forms.hpp"

#include <gtest/gtest.h>

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

namespace cross {
namespace {

using numerics::SplineTable;
using numerics::Vec;
using testsupport::Point;
using testsupport::curve_forms::Values;

constexpr const hullform::ProgramForms& kForms = kCrossCurvesForms;

// Two coincident knots one metre apart in the ordinate: the slope at the
// first knot is what the back-substitution pivot 1 + guard leaves of the
// divided difference 1e6.  The cross-curves program's guard is 1e-7 there
// (the hydrostatics program's 1e-6 would give 999999.000001).
TEST(CrossCurvesForms, SplineGuardsReachTheFit) {
  const double slope = testsupport::curve_forms::FirstSlopeAtCoincidentKnots(kForms.splineGuards);
  EXPECT_NEAR(slope, 1e6 / (1 + 1e-7), 1e-6);
  EXPECT_GT(std::fabs(slope - 1e6 / (1 + 1e-6)), 0.8);
}

// y = x^2 at 0, 1, 2, 3: at x0 = 2 the interval open on the left is 1..2, so
// the chord of the group 1..3 gives 4 (closed intervals: group 2..4, 5).
TEST(CrossCurvesForms, IntervalRuleReachesInterpolateCurve) {
  const Vec X = Values({0, 1, 2, 3}), Y = Values({0, 1, 4, 9});
  double y = 0;
  numerics::InterpolateCurve(4, X, Y, 2.0, y, numerics::kChordMethod, kForms.interpolationRule);
  EXPECT_DOUBLE_EQ(y, 4.0);
}

// Without a guard the rule is exact for a parabolic waterline (the
// hydrostatics program's guard leaves a bias of some 1e-5 here).
TEST(CrossCurvesForms, SimpsonRuleIsExactForAParabola) {
  const double L = 120, B = 9;
  const Vec X = Values({0, 3, 9, 15, 30, 60, 90, 105, 117, 120});
  EXPECT_NEAR(testsupport::curve_forms::ParabolicWaterlineArea(X, L, B, kForms.simpsonGuard), 2.0 / 3.0 * L * B,
              1e-9);
}

// A flat bottom written as two knuckles at the keel height: a two-point
// piece after a knuckle, whose slope carries the 1e-7 guard of every piece
// (the hydrostatics program's later pieces carry 1e-4: slope 5e4).
TEST(CrossCurvesForms, SectionSplineGuardsEveryTwoPointPiece) {
  hullform::HullModel hull;
  hull.StationCount = 1;
  testsupport::SetRow(hull, 1, {{0, 0, 0}, {0, 5, 0}, {1, 5.5, 1}, {3, 6, 1}});
  hullform::SectionSpline s;
  hullform::SplineSectionWithKnuckles(1, hull, s, kForms.sectionSpline);
  EXPECT_NEAR(s.table(2, 1), 5e7, 1e-3);
}

// The reader takes 100 stations of 99 points and reads nothing after 9999;
// a 100th point is refused without the hydrostatics program's point-limit box.
TEST(CrossCurvesForms, OffsetTableOfUpTo99PointsWithoutContours) {
  testsupport::Hull hull = testsupport::PrismaticHull(testsupport::BoxSection(7, 0, 9), 3, 20);
  std::vector<Point> many;
  for (int k = 0; k < 99; ++k) many.push_back({0.09 * k, 7, 1});
  hull.stations[1].points = many;
  const testsupport::ScratchDirectory dir("cross-forms");
  testsupport::WriteFile(dir / "HULL.DAT", testsupport::OffsetTableText(hull));
  hullform::HullModel read;
  const auto reader = [&](platform::Session& s) { hullform::ReadOffsetTable(s, "HULL.DAT", read, kForms, hullform::AbsoluteHullLimits()); };
  ASSERT_EQ(testsupport::RunStep(dir, "", reader).status, 0);
  EXPECT_EQ(read.PointCount(2), 99);
  EXPECT_EQ(read.PointCount(read.SternRow()), 0);

  hull.stations[1].points.push_back({9, 7, 1});
  testsupport::WriteFile(dir / "HULL.DAT", testsupport::OffsetTableText(hull));
  const testsupport::StepOutcome refused = testsupport::RunStep(dir, "", reader);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("bir posta kesiti en fazla 99 nokta tutar"), std::string::npos) << refused.err;
  EXPECT_EQ(refused.out.find("Posta kesiti fazla nokta hatasi"), std::string::npos);
}

// The callers clear the section window themselves: what they drew stays
// under the frame.
TEST(CrossCurvesForms, SectionWindowKeepsTheCallersDrawing) {
  const testsupport::ScratchDirectory dir("cross-forms");
  std::size_t items = 0;
  const auto step = [&](platform::Session& s) {
    platform::ConsoleForm& form = s.Form("Pendrovix", "Pendrovix", 0, 0, 12000, 9000);
    form.Show();
    form.Line(0.1, 0.1, 0.2, 0.2, 4);
    hullform::PrepareSectionPlotForm(form, 7, 9, kForms.sectionPlotForm);
    items = form.Items().size();
  };
  ASSERT_EQ(testsupport::RunStep(dir, "", step).status, 0);
  EXPECT_EQ(items, 11u);
}

// Report numbers are rounded, an integer part too wide is marked.
TEST(CrossCurvesForms, NumbersAreRounded) {
  EXPECT_EQ(FormatNumber(12.345, 3, 2), " 12.35");
  EXPECT_EQ(FormatNumber(2.675, 1, 2), "2.68");
  EXPECT_EQ(FormatNumber(1234.567, 2, 2), "1234.57%");
}

}  // namespace
}  // namespace cross

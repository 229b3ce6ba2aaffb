#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "common/hullform/section_window.hpp"
#include "common/hullform/reviews.hpp"
#include "hull_fixture.hpp"
#include "tests/support/svg_picture.hpp"

namespace {

using hull_test::Point;
using hull_test::Station;
using hullform::HullModel;

constexpr double kLbp = 45, kHalfBreadth = 4, kDepth = 5;

// Ten stations 5 m apart from AP (x = 0) to x = 45, raked contours.
HullModel TenStations() {
  std::vector<Station> st;
  for (int i = 0; i < 10; ++i) st.push_back({5.0 * i, {{0, 0, 0}, {0, 3, 0}, {1, 4, 1}, {5, 4, 1}}});
  st[0].points = {{2, 0, 1}, {3, 2, 1}, {5, 3.5, 1}};  // overhanging stern
  return testsupport::MakeHullModel({st, {{0, 3, 0}, {1.5, 1.5, 1}, {3, 0.5, 1}, {5, -1, 1}},
                             {{0, 43, 0}, {2, 44.5, 1}, {4, 45.3, 1}, {5, 46, 1}}});
}

class ReviewsTest : public hull_test::HullTest {
 protected:
  std::vector<hull_test::UserItem> SideViewItems(platform::Session& s) {
    return hull_test::UserItems(hullform::SectionForm(s), 11880, 8595, -0.2 * kLbp, 1.5 * kDepth, 1.2 * kLbp,
                                -1.01 * kDepth);
  }
  std::vector<hull_test::UserItem> items_;
};

TEST_F(ReviewsTest, StationPositionsReviewDrawsTheSideViewAndTheLoadWaterline) {
  const HullModel hull = TenStations();
  numerics::Vec height(100);
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              hullform::PlotStationPositionsForReview(s, hullform::SectionForm(s), hull, kLbp, kHalfBreadth, kDepth,
                                                      3.0, -1.0, height,
                                                      hull_test::kClassicalForms);
              items_ = SideViewItems(s);
            }),
            0)
      << err_.str();

  // The load waterline rises from -1 at the aft station to 3 at the fore
  // one; below the base line its height is taken as 0.
  for (int i = 1; i <= 10; ++i) {
    const double x = hull.StationPos(i);
    EXPECT_NEAR(height(i), std::max(0.0, -1 + 4 * x / 45), 1e-12) << i;
  }
  EXPECT_EQ(hull_test::CountLines(items_, 11, 0, -1, 45, 3), 1);
  EXPECT_EQ(hull_test::CountKind(items_, platform::FormItem::kCircle, 8), 30);
  // Three circles per station where the load waterline crosses it, radii
  // Depth/20, Depth/40 and Depth/60 in that order.
  std::vector<hull_test::UserItem> circles;
  for (const auto& u : items_) {
    if (u.kind == platform::FormItem::kCircle) circles.push_back(u);
  }
  ASSERT_EQ(circles.size(), 30u);
  for (int i = 1; i <= 10; ++i) {
    for (int k = 0; k < 3; ++k) {
      const hull_test::UserItem& c = circles[static_cast<std::size_t>(3 * (i - 1) + k)];
      EXPECT_NEAR(c.x1, hull.StationPos(i), 1e-9);
      EXPECT_NEAR(c.y1, height(i), 1e-9);
      EXPECT_NEAR(c.x2, kDepth / (20.0 * (k + 1)), 1e-9);
    }
  }
  // Frame, station lines, deck line and keel line.
  EXPECT_EQ(hull_test::CountKind(items_, platform::FormItem::kLine, 9), 4);
  EXPECT_EQ(hull_test::CountLines(items_, 9, 0, 0, 45, 0), 1);
  EXPECT_EQ(hull_test::CountLines(items_, 13, 0, 2, 0, 5), 1);
  EXPECT_EQ(hull_test::CountLines(items_, 13, 25, 0, 25, 5), 1);
  EXPECT_EQ(hull_test::CountLines(items_, 10, 40, 5, 45, 5), 1);
  EXPECT_EQ(hull_test::CountLines(items_, 13, 3, 0, 43, 0), 1);
  // The stem contour walked in steps of 0.1 m from its foot.
  EXPECT_GE(hull_test::CountKind(items_, platform::FormItem::kLine, 10), 9 + 2 * 49);
  // Labels at stations 1, 4, 7 and 10 on a scale of 20 intervals.
  std::vector<std::string> labels;
  for (const auto& u : items_) {
    if (u.kind == platform::FormItem::kText) labels.push_back(u.text);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{" 0.00", " 6.67", "13.33", "20.00"}));
  EXPECT_NE(out_.str().find("POSTA YERLERINDE YANLISLIK VAR MI E/H <H>\n[default: H] > "), std::string::npos);
}

TEST_F(ReviewsTest, OnlyExactlyEOrLowerEEndsTheSideViews) {
  const HullModel hull = TenStations();
  numerics::Vec values(100);
  for (int i = 1; i <= 10; ++i) values(i) = 5;
  const auto both = [&](platform::Session& s) {
    hullform::PlotStationPositionsForReview(s, hullform::SectionForm(s), hull, kLbp, kHalfBreadth, kDepth, 3, 3,
                                            values,
                                                      hull_test::kClassicalForms);
    hullform::PlotSectionLengthsForReview(s, hullform::SectionForm(s), hull, kLbp, kHalfBreadth, kDepth, values,
                                                    hull_test::kClassicalForms);
  };
  EXPECT_EQ(Run("E\n", both), 2);
  EXPECT_EQ(out_.str().find("POSTA KESIT UZUNLUKLARINDA"), std::string::npos);
  EXPECT_EQ(Run("H\ne\n", both), 2);
  for (const char* no : {"", "h\nH\n", " E\nEE\n", "x\n0\n"}) EXPECT_EQ(Run(no, both), 0) << no;
  EXPECT_NE(out_.str().find("POSTA KESIT UZUNLUKLARINDA YANLISLIK VAR MI E/H <H>\n[default: H] > "),
            std::string::npos);
}

TEST_F(ReviewsTest, SectionLengthsReviewDrawsOneBarPerStationAndSkipsMissingValues) {
  const HullModel hull = TenStations();
  numerics::Vec girth(100);
  for (int i = 1; i <= 10; ++i) girth(i) = 4 + 0.25 * i;
  girth(5) = std::numeric_limits<double>::quiet_NaN();
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              hullform::PlotSectionLengthsForReview(s, hullform::SectionForm(s), hull, kLbp, kHalfBreadth, kDepth,
                                                    girth,
                                                    hull_test::kClassicalForms);
              items_ = SideViewItems(s);
            }),
            0)
      << err_.str();
  for (int i = 1; i <= 10; ++i) {
    if (i == 5) continue;
    EXPECT_EQ(hull_test::CountLines(items_, 10, hull.StationPos(i), 0, hull.StationPos(i), girth(i)), 1) << i;
  }
  for (const auto& u : items_) EXPECT_TRUE(std::isfinite(u.x1) && std::isfinite(u.y1) && std::isfinite(u.y2));
  EXPECT_EQ(hull_test::CountKind(items_, platform::FormItem::kCircle, 8), 0);
}

TEST_F(ReviewsTest, SideViewNeedsPositiveExtents) {
  const HullModel hull = TenStations();
  numerics::Vec height(100);
  EXPECT_EQ(Run("", [&](platform::Session& s) {
              hullform::PlotStationPositionsForReview(s, hullform::SectionForm(s), hull, kLbp, 0, kDepth, 3, 3,
                                                      height,
                                                      hull_test::kClassicalForms);
            }),
            1);
  EXPECT_NE(err_.str().find("HalfBreadth (yari genislik) degeri sifirdan buyuk olmalidir; okunan deger 0."),
            std::string::npos)
      << err_.str();
  EXPECT_EQ(Run("", [&](platform::Session& s) {
              hullform::PlotStationPositionsForReview(s, hullform::SectionForm(s), hull, 0, kHalfBreadth, kDepth, 3,
                                                      3, height,
                                                      hull_test::kClassicalForms);
            }),
            1);
  EXPECT_NE(err_.str().find("Lbp (dikmeler arasi boy) degeri sifirdan buyuk olmalidir; okunan deger 0."),
            std::string::npos);
}

numerics::Vec Values(const std::vector<double>& v) {
  numerics::Vec t(static_cast<int>(v.size()));
  for (std::size_t i = 0; i < v.size(); ++i) t(static_cast<int>(i) + 1) = v[i];
  return t;
}

TEST(CurvePlotExtent, LargestOrdinateOrMagnitudeOfTheSmallestAfterTheFirst) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(hullform::CurvePlotExtent(Values({1, -3}), 2), 3);
  EXPECT_EQ(hullform::CurvePlotExtent(Values({-3, 1}), 2), 1);
  EXPECT_EQ(hullform::CurvePlotExtent(Values({2, 5, 4}), 3), 5);
  EXPECT_EQ(hullform::CurvePlotExtent(Values({0, 0, 0}), 3), 1);
  EXPECT_EQ(hullform::CurvePlotExtent(Values({1, nan, 2}), 3), 2);
}

// A curve window as a program would have one.
platform::ConsoleForm& CurvePlotForm(platform::Session& s) { return s.Form("Curves", "Curves", 630, 2805, 10650, 6660); }

TEST_F(ReviewsTest, CurvePlotDrawsOrdinatesAndChordsPausesAndClears) {
  const numerics::Vec x = Values({0, 10, 20, 30});
  const numerics::Vec y = Values({0, 40, 60, 20});
  bool shownAndEmpty = false;
  ASSERT_EQ(Run("\n", [&](platform::Session& s) {
              platform::ConsoleForm& form = CurvePlotForm(s);
              hullform::PlotCurveOnScreen(s, form, x, y, 4, "KESIT ALANLARI");
              shownAndEmpty = form.Visible() && form.Items().empty();
            }),
            0);
  EXPECT_TRUE(shownAndEmpty);
  EXPECT_NE(out_.str().find("== DEVAM BOLUMU ==\n"), std::string::npos);
  // The picture written for the pause shows the curve with its caption.
  std::string svg;
  for (const auto& f : std::filesystem::directory_iterator(dir_ / "screens")) svg += ReadAll(f.path());
  EXPECT_NE(svg.find(">KESIT ALANLARI</text>"), std::string::npos);
  EXPECT_EQ(testsupport::ReadPicture(svg).Segments("#800000"), 4 + 3);  // red ordinates and chords
}

TEST_F(ReviewsTest, CurvePlotOfZerosOrOnePointOrMissingValuesStaysFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const auto& [xs, ys] : {std::pair{std::vector<double>{0, 5, 10}, std::vector<double>{0, 0, 0}},
                               std::pair{std::vector<double>{7}, std::vector<double>{3}},
                               std::pair{std::vector<double>{0, 5, 10}, std::vector<double>{1, inf, 2}}}) {
    const numerics::Vec x = Values(xs), y = Values(ys);
    const int n = static_cast<int>(xs.size());
    ASSERT_EQ(Run("", [&](platform::Session& s) { hullform::PlotCurveOnScreen(s, CurvePlotForm(s), x, y, n, "C"); }),
              0);
    std::string svg;
    for (const auto& f : std::filesystem::directory_iterator(dir_ / "screens")) svg += ReadAll(f.path());
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    EXPECT_NE(svg.find(">C</text>"), std::string::npos);
  }
}

}  // namespace

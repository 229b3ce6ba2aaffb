// The bundled example hull, examples/ORNEK.DAT with its APPENDIX.DAT: a
// made-up 100 m general cargo ship, B 16 m, D 10 m, T 6.5 m.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/hullform/checks.hpp"
#include "common/hullform/section_window.hpp"
#include "common/hullform/offset_table.hpp"
#include "common/hullform/reviews.hpp"
#include "common/hullform/section_spline.hpp"
#include "hull_fixture.hpp"
#include "tests/support/svg_picture.hpp"

namespace {

constexpr double kLbp = 100, kHalfBreadth = 8, kDepth = 10, kDraft = 6.5;

std::string ExamplesDir() {
  const char* dir = std::getenv("SUITE_EXAMPLES_DIR");
  return std::string(dir ? dir : "examples") + "/";
}

class ExampleHullTest : public hull_test::HullTest {
 protected:
  void SetUp() override {
    HullTest::SetUp();
    ASSERT_EQ(Run("",
                  [&](platform::Session& s) {
                    hullform::ReadOffsetTable(s, ExamplesDir() + "ORNEK.DAT", hull_, hull_test::kClassicalForms,
                                              hullform::AbsoluteHullLimits());
                  }),
              0)
        << err_.str();
  }
  double At(int row, double z) {
    hullform::SectionSpline s;
    hullform::SplineSectionWithKnuckles(row, hull_, s, hull_test::kClassicalForms.sectionSpline);
    double y = 0;
    numerics::EvaluateSpline(s.m, z, y, s.knots, s.table, hull_test::kClassicalForms.splineEvaluation);
    return y;
  }
  hullform::HullModel hull_;
};

TEST_F(ExampleHullTest, IsACargoShipOfTwentyOneStationsFromApToFp) {
  ASSERT_EQ(hull_.StationCount, 21);
  for (int i = 1; i <= 21; ++i) {
    EXPECT_EQ(hull_.StationPos(i), 5.0 * (i - 1));
    EXPECT_GE(hull_.PointCount(i), 6);
    EXPECT_LE(hull_.PointCount(i), 15);
  }
  EXPECT_EQ(hull_.StationPos(11), kLbp / 2);  // the midship section
  // Overhanging stern: the two aftmost sections end above the base line.
  EXPECT_GT(hull_.StationBottom(1), 6);
  EXPECT_GT(hull_.StationBottom(2), 2);
  // Flat bottom amidships (two knuckles at z = 0) and a flare knuckle in the
  // fore body above the waterline.
  EXPECT_EQ(hull_.PointZ(11, 2), 0);
  EXPECT_EQ(hull_.PointCode(11, 1), 0);
  EXPECT_EQ(hull_.PointCode(11, 2), 0);
  bool foreKnuckle = false;
  for (int j = 1; j <= hull_.PointCount(19); ++j) {
    foreKnuckle = foreKnuckle || (hull_.PointCode(19, j) == 0 && hull_.PointZ(19, j) > kDraft);
  }
  EXPECT_TRUE(foreKnuckle);
  // The stem passes through FP at the design waterline; the stern contour
  // meets the lowest points of the aftmost sections (as drawn, within 4 mm).
  EXPECT_NEAR(At(hull_.StemRow(), kDraft), kLbp, 1e-6);
  EXPECT_NEAR(At(hull_.SternRow(), hull_.StationBottom(1)), 0, 0.01);
  EXPECT_NEAR(At(hull_.SternRow(), hull_.StationBottom(2)), 5, 0.01);
  EXPECT_LT(At(hull_.SternRow(), hull_.StationTop(1)), -4);  // the counter overhangs AP
}

TEST_F(ExampleHullTest, MidshipSectionHasTheAreaOfItsBilgeRadius) {
  // Flat of bottom and vertical sides with a 1.6 m bilge radius: the section
  // up to T has the area 2 (8 T - (1 - pi/4) 1.6^2).
  const double exact = 2 * (kHalfBreadth * kDraft - (1 - M_PI / 4) * 1.6 * 1.6);
  double area = 0;
  const int n = 6500;
  for (int k = 0; k < n; ++k) {
    const double z = (k + 0.5) * kDraft / n;
    area += 2 * At(11, z) * kDraft / n;
  }
  // The spline through the bilge offsets and the strip sum: measured 3.3e-5.
  EXPECT_NEAR(area / exact, 1, 1e-4);
  // The bilge is the quarter circle y = 8 - 1.6 + sqrt(1.6^2 - (1.6 - z)^2)
  // below z = 1.6 (the spline through its offsets within 4 cm), the side
  // vertical above it.
  for (double z : {0.2, 0.5, 0.8, 1.2, 1.5}) {
    EXPECT_NEAR(At(11, z), kHalfBreadth - 1.6 + std::sqrt(1.6 * 1.6 - (1.6 - z) * (1.6 - z)), 0.04) << z;
  }
  for (double z : {1.6, 3.0, kDraft, kDepth}) EXPECT_NEAR(At(11, z), kHalfBreadth, 1e-6) << z;
  // The breadth never exceeds the moulded half-breadth anywhere on the hull.
  for (int i = 1; i <= hull_.StationCount; ++i) {
    for (double z = hull_.StationBottom(i); z <= hull_.StationTop(i); z += 0.05) {
      EXPECT_LE(At(i, z), kHalfBreadth + 0.01) << "station " << i << " z " << z;
      EXPECT_GE(At(i, z), -0.01) << "station " << i << " z " << z;
    }
  }
}

TEST_F(ExampleHullTest, PassesItsChecksAndReviewsWithTheDefaultAnswers) {
  numerics::Vec height(100);
  hullform::AppendageData appendages;
  platform::OutputFile* report = nullptr;
  ASSERT_EQ(Run("", [&](platform::Session& s) {
              report = &s.CreateOutput("RAPOR.TXT");
              platform::ConsoleForm& form = hullform::SectionForm(s);
              hullform::PlotStationPositionsForReview(s, form, hull_, kLbp, kHalfBreadth, kDepth, kDraft, kDraft,
                                                      height, hull_test::kClassicalForms);
              hullform::CheckStationSections(s, form, *report, hull_, kHalfBreadth, kDepth,
                                             hull_test::kClassicalForms);
              hullform::CheckStemSternProfiles(s, form, *report, hull_, kHalfBreadth, kDepth, kLbp,
                                               hull_test::kClassicalForms);
              hullform::ReadAppendageFile(s, hull_.StationCount, appendages, ExamplesDir(), hullform::AbsoluteHullLimits());
            }),
            0)
      << err_.str();
  EXPECT_EQ(ReadAll(dir_ / "RAPOR.TXT"), "");  // no data errors
  for (int i = 1; i <= 21; ++i) EXPECT_EQ(height(i), kDraft);

  // One picture per question: side view, body plan, stern and stem contours.
  int pictures = 0;
  std::string bodyPlan;
  for (const auto& f : std::filesystem::directory_iterator(dir_ / "screens")) {
    ++pictures;
    if (f.path().filename().string().rfind("0002-", 0) == 0) bodyPlan = ReadAll(f.path());
  }
  EXPECT_EQ(pictures, 4);
  EXPECT_GT(testsupport::ReadPicture(bodyPlan).AllSegments(), 2 * 21 * 40);
  EXPECT_EQ(bodyPlan.find("nan"), std::string::npos);

  // The skeg under the raised aft body: 0.2 m each side over 2.8 m at x = 5,
  // 0.25 m each side over 0.5 m at x = 10; none elsewhere.
  EXPECT_EQ(appendages.AppendageCount(1), 0);
  EXPECT_EQ(appendages.AppendageCount(2), 3);
  EXPECT_EQ(appendages.AppendageCount(3), 3);
  for (int i = 4; i <= 21; ++i) EXPECT_EQ(appendages.AppendageCount(i), 0);
  double z1 = 0, z2 = kDraft, area = 0, moment = 0;
  hullform::ComputeAppendageSection(2, z1, z2, appendages, area, moment, hull_test::kClassicalForms);
  EXPECT_NEAR(area, 2 * 0.2 * 2.8, 1e-4);
  EXPECT_NEAR(moment, 2 * 0.2 * 2.8 * 2.8 / 2, 1e-4);
  EXPECT_EQ(z2, 2.8);
}

}  // namespace

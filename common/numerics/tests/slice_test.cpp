// The slice integration of a section over height against closed forms: the
// 10-point rule is exact (to the ten digits of the stored table) for strips
// whose widths and moments are polynomials of degree up to 19 in the height.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/numerics/slice.hpp"

namespace numerics {
namespace {

GaussLegendre10 Rule() {
  GaussLegendre10 g;
  SetGaussLegendre10(g);
  return g;
}

// A V section y = z/2 from the keel: the half-section up to T has area T^2/4,
// moment about the base line T^3/6 and about the centre line T^3/24.
TEST(IntegrateSlice, HalfOfAVSectionFromItsHalfBreadth) {
  const GaussLegendre10 g = Rule();
  for (double T : {0.5, 3.0, 10.0}) {
    const SliceSums s = IntegrateSlice(g, 0.0, T, [](double z) { return z / 2; });
    // Short by the stored weights' 4e-10 (measured 5.6e-10 at most).
    EXPECT_NEAR(s.area, T * T / 4, 1e-9 * T * T / 4);
    EXPECT_NEAR(s.verticalMoment, T * T * T / 6, 1e-9 * T * T * T / 6);
    EXPECT_NEAR(s.transverseMoment, T * T * T / 24, 1e-9 * T * T * T / 24);
  }
}

// Slices add up: [a, c] = [a, b] + [b, c] for a parabolic section, and a
// reversed slice is the negative.
TEST(IntegrateSlice, SlicesAddUpAndReverse) {
  const GaussLegendre10 g = Rule();
  const auto y = [](double z) { return 4.0 * (1.0 - (1.0 - z / 6.0) * (1.0 - z / 6.0)); };
  const SliceSums whole = IntegrateSlice(g, 0.0, 6.0, y);
  const SliceSums lower = IntegrateSlice(g, 0.0, 2.5, y);
  const SliceSums upper = IntegrateSlice(g, 2.5, 6.0, y);
  EXPECT_NEAR(whole.area, 16.0, 1e-8);  // 2/3 of 4 x 6
  EXPECT_NEAR(lower.area + upper.area, whole.area, 1e-8);
  EXPECT_NEAR(lower.verticalMoment + upper.verticalMoment, whole.verticalMoment, 1e-8);
  const SliceSums reversed = IntegrateSlice(g, 6.0, 0.0, y);
  EXPECT_NEAR(reversed.area, -whole.area, 1e-12);
}

// A strip given with its own centroid: the part of a box half-breadth b
// between the centre line and u (u below 0: the immersed side of a heeled
// section) has width b + u and centroid (u - b)/2.  Over a height h its
// moment about the centre line is h (b + u)(u - b)/2.
TEST(IntegrateSlice, StripsWithTheirOwnCentroids) {
  const GaussLegendre10 g = Rule();
  const double b = 7.0, h = 3.0;
  for (double u : {0.0, -2.0, -6.5}) {
    const SliceSums s =
        IntegrateSlice(g, 1.0, 1.0 + h, [&](double) { return Strip{b + u, (u - b) / 2}; });
    // The stored weights sum to 2 within a few parts in 1e10.
    EXPECT_NEAR(s.area, h * (b + u), 1e-9 * h * b);
    EXPECT_NEAR(s.transverseMoment, h * (b + u) * (u - b) / 2, 1e-9 * h * b * b);
    EXPECT_NEAR(s.verticalMoment, h * (b + u) * (1.0 + h / 2), 1e-9 * h * b * (1.0 + h));
  }
}

// The trace sees every sampled height, the upper one of each pair first,
// with the strip found there.
TEST(IntegrateSlice, TraceSeesEveryHeightInPairs) {
  const GaussLegendre10 g = Rule();
  std::vector<double> heights, widths;
  (void)IntegrateSlice(g, 2.0, 4.0, [](double z) { return 10 * z; },
                       [&](double z, const Strip& s) {
                         heights.push_back(z);
                         widths.push_back(s.width);
                       });
  ASSERT_EQ(heights.size(), 10u);
  for (std::size_t k = 0; k < 10; k += 2) {
    EXPECT_GT(heights[k], 3.0);
    EXPECT_NEAR(heights[k] + heights[k + 1], 6.0, 1e-12);
    EXPECT_EQ(widths[k], 10 * heights[k]);
  }
}

}  // namespace
}  // namespace numerics

#include <gtest/gtest.h>

#include <cmath>

#include "curve_fixtures.hpp"

namespace numerics {
namespace {

using testing::MakeVec;
using testing::Sample;

using testing::kSimpsonGuard;
constexpr double kNoGuard = testing::kNoSimpsonGuard;

double Integral(const Vec& X, const Vec& Y, double guard = kSimpsonGuard) {
  double total = -1.0;
  IntegrateUnequalSimpson(X.Upper(), X, Y, total, guard);
  return total;
}

TEST(IntegrateUnequalSimpson, GuardBiasOfTheGuardedForm) {
  const auto square = [](double x) { return x * x; };
  const Vec unequal = MakeVec({0.0, 1.0, 3.0});
  const Vec equal = MakeVec({0.0, 1.0, 2.0, 3.0});
  const Vec three = MakeVec({0.0, 1.0, 2.0});
  EXPECT_NEAR(Integral(unequal, Sample(unequal, square)), 8.99993, 5e-6);
  EXPECT_NEAR(Integral(equal, Sample(equal, square)), 8.99988, 5e-6);
  EXPECT_NEAR(Integral(three, MakeVec({5.0, 5.0, 5.0})), 9.99983, 5e-6);
}

// Without a guard the rule is exact for a parabola: the waterplane of a
// parabolic (Wigley-type) waterline y = B (1 - (2x/L - 1)^2) has area 2/3 L B
// on each side, whatever the station spacing.
TEST(IntegrateUnequalSimpson, ExactForAParabolicWaterline) {
  const double L = 120.0;
  const double B = 9.0;
  const auto halfBreadth = [&](double x) {
    const double xi = 2.0 * x / L - 1.0;
    return B * (1.0 - xi * xi);
  };
  const Vec X = MakeVec({0.0, 3.0, 9.0, 15.0, 30.0, 45.0, 60.0, 75.0, 90.0, 105.0, 111.0, 117.0, 120.0});
  const Vec Y = Sample(X, halfBreadth);
  const double exact = 2.0 / 3.0 * L * B;
  EXPECT_NEAR(Integral(X, Y, kNoGuard), exact, 1e-9);
  // The guard's bias only: measured 1.67e-6 of the area on these stations.
  EXPECT_NEAR(Integral(X, Y), exact, exact * 2.5e-6);
}

TEST(IntegrateUnequalSimpson, FewerThanThreePoints) {
  EXPECT_DOUBLE_EQ(Integral(MakeVec({0.0, 2.0}), MakeVec({1.0, 3.0})), 4.0);
  EXPECT_EQ(Integral(MakeVec({1.0}), MakeVec({5.0})), 0.0);
  EXPECT_EQ(Integral(Vec(), Vec()), 0.0);
}

TEST(IntegrateUnequalSimpson, CoincidentAbscissaeStayFinite) {
  const Vec X = MakeVec({0.0, 1.0, 1.0, 2.0, 2.0});
  const Vec Y = MakeVec({1.0, 2.0, 3.0, 4.0, 5.0});
  for (double guard : {kSimpsonGuard, kNoGuard}) {
    EXPECT_TRUE(std::isfinite(Integral(X, Y, guard))) << guard;
  }
}

TEST(EstimateNodeSlopes, SlopesOfParabolas) {
  {
    const Vec X = MakeVec({0.0, 1.0, 2.0, 3.0});
    Vec S(4);
    EstimateNodeSlopes(4, X, Sample(X, [](double x) { return x * x; }), S);
    const double expected[] = {0.0, 2.0, 4.0, 6.0};
    for (int i = 1; i <= 4; ++i) EXPECT_NEAR(S(i), expected[i - 1], 1e-5) << i;
  }
  {
    // Unequal spacing: the slope of the parabola through each point and two
    // neighbours is exact but for the guard of 1e-6 on the spacings (measured
    // 1.5e-5 at most, at the last point).
    const Vec X = MakeVec({0.0, 0.5, 2.0, 3.5, 4.0});
    Vec S(5);
    EstimateNodeSlopes(5, X, Sample(X, [](double x) { return 3.0 * x * x - x + 1.0; }), S);
    for (int i = 1; i <= 5; ++i) EXPECT_NEAR(S(i), 6.0 * X(i) - 1.0, 3e-5) << i;
  }
}

TEST(EstimateNodeSlopes, OneAndTwoPoints) {
  Vec S(2);
  EstimateNodeSlopes(2, MakeVec({0.0, 2.0}), MakeVec({0.0, 4.0}), S);
  EXPECT_NEAR(S(1), 2.0, 2e-6);  // 4 / (2 + 1e-6): the guard takes 1e-6 off
  EXPECT_EQ(S(2), S(1));
  S(1) = 5.0;
  EstimateNodeSlopes(1, MakeVec({3.0}), MakeVec({1.0}), S);
  EXPECT_EQ(S(1), 0.0);
}

TEST(EstimateNodeSlopes, CoincidentAbscissaeGiveFiniteSlopes) {
  const Vec X = MakeVec({0.0, 1.0, 1.0, 2.0, 3.0, 3.0});
  const Vec Y = MakeVec({0.0, 1.0, 1.5, 4.0, 9.0, 9.5});
  Vec S(6);
  EstimateNodeSlopes(6, X, Y, S);
  for (int i = 1; i <= 6; ++i) EXPECT_TRUE(std::isfinite(S(i))) << i;
  EXPECT_EQ(S(2), 0.0);  // group 1, 2, 3 with points 2 and 3 coinciding
  EXPECT_EQ(S(6), 0.0);  // last point and its neighbour coincide

  // Only the first point's ratio carries the guard: a doubled first point
  // gives a very large but finite slope there.
  Vec first(3);
  EstimateNodeSlopes(3, MakeVec({0.0, 0.0, 1.0}), MakeVec({0.0, 1.0, 2.0}), first);
  EXPECT_NEAR(first(1), 1e6 / (1.0 + 1e-6), 1e-5);
}

TEST(SortAscending, SelectionSort) {
  Vec a = MakeVec({3.0, 1.0, 2.0, 1.0});
  a(0) = -7.0;
  SortAscending(4, a);
  EXPECT_EQ(a(0), -7.0);
  const double expected[] = {1.0, 1.0, 2.0, 3.0};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(a(i), expected[i - 1]) << i;

  Vec part = MakeVec({5.0, 4.0, 3.0, -1.0});
  SortAscending(3, part);  // only the first three
  EXPECT_EQ(part(1), 3.0);
  EXPECT_EQ(part(3), 5.0);
  EXPECT_EQ(part(4), -1.0);

  Vec one = MakeVec({2.0});
  SortAscending(1, one);
  EXPECT_EQ(one(1), 2.0);
  SortAscending(0, one);
  EXPECT_EQ(one(1), 2.0);
}

}  // namespace
}  // namespace numerics

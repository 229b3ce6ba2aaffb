#include <gtest/gtest.h>

#include <cmath>

#include "common/numerics/gauss.hpp"

namespace numerics {
namespace {

// Sum over the ten nodes of w f(x) on [-1, 1].
double Rule(const GaussLegendre10& g, double (*f)(double)) {
  double s = 0;
  for (int k = 1; k <= 5; ++k) s += g.GaussWeight(k) * (f(g.GaussAbscissa(k)) + f(-g.GaussAbscissa(k)));
  return s;
}

// The rule is exact for polynomials up to degree 19, to the rounding of the
// stored table (ten digits): the weights add up to 0.9999999996, so the
// constant comes out 8e-10 short, and no power more (measured 7e-10 of x^2,
// 3e-10 of x^18, 5e-10 of cos x).
TEST(GaussLegendre10, IntegratesPolynomialsUpToDegreeNineteen) {
  GaussLegendre10 g;
  SetGaussLegendre10(g);
  constexpr double kTableRounding = 1.5e-9;
  EXPECT_NEAR(Rule(g, [](double) { return 1.0; }), 2.0, kTableRounding);
  EXPECT_NEAR(Rule(g, [](double x) { return x * x; }), 2.0 / 3, kTableRounding);
  EXPECT_NEAR(Rule(g, [](double x) { return std::pow(x, 10); }), 2.0 / 11, kTableRounding);
  EXPECT_NEAR(Rule(g, [](double x) { return std::pow(x, 18); }), 2.0 / 19, kTableRounding);
  EXPECT_NEAR(Rule(g, [](double x) { return std::cos(x); }), 2 * std::sin(1.0), kTableRounding);
}

// A program's larger tables keep their other entries; smaller ones grow.
TEST(GaussLegendre10, WritesEntriesOneToFiveOnly) {
  Vec a(15), w(15);
  a(0) = a(6) = w(15) = 7;
  SetGaussLegendre10(a, w);
  EXPECT_EQ(a(0), 7);
  EXPECT_EQ(a(6), 7);
  EXPECT_EQ(w(15), 7);
  EXPECT_EQ(a(5), 0.973906529);
  EXPECT_EQ(w(5), 0.066671344);
  Vec small(2), smallW;
  SetGaussLegendre10(small, smallW);
  EXPECT_EQ(small.Upper(), 5);
  EXPECT_EQ(smallW(1), 0.2955242247);
}

}  // namespace
}  // namespace numerics

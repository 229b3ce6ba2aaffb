#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/numerics/format.hpp"
#include "common/platform/errors.hpp"
#include "tests/support/locales.hpp"

namespace numerics {
namespace {

struct NumberCase {
  double x;
  int nInt;
  int nDec;
  const char* text;
};

TEST(FormatNumber, FixedPointColumnAndOverflowMark) {
  const NumberCase cases[] = {
      {12.346, 3, 2, " 12.35"},   {0.5, 2, 3, " 0.500"},     {0.0, 3, 3, "  0.000"},
      {-1.25, 2, 2, "-1.25"},     {-0.5, 3, 3, " -0.500"},   {123.4, 2, 3, "123.400%"},
      {-12.5, 2, 1, "-12.5%"},    {9.996, 1, 2, "10.00%"},   {0.5, 3, 3, "  0.500"},
      {999.996, 3, 2, "1000.00%"}, {-123.4, 3, 1, "-123.4%"}, {0.125, 1, 2, "0.13"},
      {-0.125, 2, 2, "-0.13"},    {-0.125, 1, 2, "-0.13%"},  {1234.5678, 6, 5, "  1234.56780"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumberRounded(c.x, c.nInt, c.nDec), c.text) << c.x << " with " << c.nInt << ", " << c.nDec;
  }
}

// Numbers that fit their field line up on the decimal point.
TEST(FormatNumber, NumbersThatFitShareTheirWidthAndPointColumn) {
  for (double x : {0.0, 0.004, -0.4, 7.25, -73.5, 999.994, -99.5}) {
    const std::string text = FormatNumberRounded(x, 4, 2);
    EXPECT_EQ(text.size(), 7u) << x;
    EXPECT_EQ(text.find('.'), 4u) << x;
  }
}

// The floodable-length program's form cuts the fraction and never marks an
// overflow.
TEST(FormatNumberTruncated, CutsTheFractionAndNeverMarks) {
  const NumberCase cases[] = {
      {12.345, 3, 2, " 12.34"}, {0.129, 1, 2, " 0.12"},     {-0.5, 2, 2, "-0.50"},   {5, 3, 3, "  5.000"},
      {123, 3, 2, " 123.00"},   {-2.5, 2, 1, "-2.5"},       {5e-8, 3, 2, "  0.00"},  {1234.567, 2, 2, "1234.56"},
      {7, 2, 0, " 7."},         {7.9, 2, 0, " 7."},         {-5e-8, 2, 1, " 0.0"},   {-0.999, 1, 2, "-0.99"},
      {60, 2, 1, " 60.0"},      {49.2013, 3, 3, " 49.201"}, {-12, 3, 1, " -12.0"}, {0.1 + 0.2, 1, 3, " 0.300"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumberTruncated(c.x, c.nInt, c.nDec), c.text) << c.x << " with " << c.nInt << ", " << c.nDec;
  }
}

struct IntegerCase {
  double x;
  int w;
  const char* text;
};

// A machine writing a comma as decimal point changes no report number.
TEST(FormatNumber, CommaDecimalLocaleChangesNothing) {
  const testsupport::CommaLocale comma;
  EXPECT_EQ(FormatNumberRounded(1234.5, 4, 2), "1234.50");
  EXPECT_EQ(FormatNumberRounded(-0.125, 2, 2), "-0.13");
  EXPECT_EQ(FormatNumberTruncated(1234.567, 2, 2), "1234.56");
  EXPECT_EQ(FormatInteger(123456.0, 8), "  123456");
}

TEST(FormatInteger, RightAlignedNeverCut) {
  const IntegerCase cases[] = {
      {7.9, 3, "  7"}, {-7.9, 3, " -7"}, {-12.0, 2, "-12"}, {1234.0, 3, "1234"},
      {5.0, 1, "5"},   {0.4, 2, " 0"},   {123.0, 2, "123"}, {-0.4, 1, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatInteger(c.x, c.w), c.text) << c.x << " in " << c.w;
}

TEST(Blanks, AtLeastOne) {
  EXPECT_EQ(Blanks(0), " ");
  EXPECT_EQ(Blanks(-2), " ");
  EXPECT_EQ(Blanks(1), " ");
  EXPECT_EQ(Blanks(3), "   ");
}

TEST(FormatDecimalsFixed, ThreeDecimals) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.5", "12.500"},   {"123.5", "123.500"},   {"7", "7.000"},       {" .25", "0.250"},
      {"12.345", "12.345"}, {" 1.500", " 1.500"},   {"-12.500%", "-12.500%"}, {"1.25", "1.250"},
      // A digit or a sign before the point is kept.
      {"7.5", "7.500"},     {"-.5", "-0.500"},
  };
  for (const auto& [in, out] : cases) {
    std::string s = in;
    FormatDecimalsFixed(s, 6);
    EXPECT_EQ(s, out) << "[" << in << "]";
  }
  // The station labels of the curve drawing, FormatNumber texts with two
  // integer columns and three decimals, pass unchanged.
  for (double x : {0.0, 0.5, 5.0, 12.5, 20.0, -0.25, -7.125, 99.9996, 123.4, -12.5}) {
    std::string label = FormatNumberRounded(x, 2, 3);
    const std::string before = label;
    FormatDecimalsFixed(label, 6);
    EXPECT_EQ(label, before) << x;
  }
  // A blank before the point: the point and q characters after it are kept.
  std::string cut = " .123456789";
  FormatDecimalsFixed(cut, 3);
  EXPECT_EQ(cut, "0.123");
}

// The report forms pass every number through the number texts' one check:
// a number that is not finite stops the run as a data error.
TEST(FormatNumber, NumbersThatAreNotFiniteStopTheRun) {
  for (const double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(FormatNumberRounded(x, 3, 2), platform::NonFiniteNumber);
    EXPECT_THROW(FormatNumberTruncated(x, 3, 2), platform::NonFiniteNumber);
    EXPECT_THROW(FormatInteger(x, 3), platform::NonFiniteNumber);
  }
}

}  // namespace
}  // namespace numerics

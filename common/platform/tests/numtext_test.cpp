#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/platform/errors.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/print_zone_line.hpp"

namespace {

struct MaskCase {
  double x;
  int nInt, nDec;
  const char* text;
};

TEST(NumText, DigitMaskRoundsHalvesAwayFromZeroOnTheDecimalValue) {
  const MaskCase cases[] = {
      {12.346, 3, 2, "12.35"},  {0.5, 2, 3, "0.500"},     {0, 3, 3, "0.000"},
      {-1.25, 2, 2, "-1.25"},   {123.4, 2, 3, "123.400"}, {9.996, 1, 2, "10.00"},
      {999.996, 3, 2, "1000.00"}, {0.125, 1, 2, "0.13"},  {-0.125, 1, 2, "-0.13"},
      {1.005, 1, 2, "1.01"},    {2.675, 1, 2, "2.68"},    {-2.675, 1, 2, "-2.68"},
      {0.0005, 1, 3, "0.001"},  {0.00049, 1, 3, "0.000"}, {-0.004, 1, 2, "0.00"},
      {1e20, 3, 1, "100000000000000000000.0"},            {1e-9, 1, 3, "0.000"},
      {1.5e-9, 1, 9, "0.000000002"}, {99.95, 2, 1, "100.0"}, {7, 1, 1, "7.0"},
      {-12.5, 2, 1, "-12.5"},   {123456.785, 6, 2, "123456.79"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::FormatWithDigitMask(c.x, c.nInt, c.nDec), c.text) << c.x << " " << c.nDec;
  }
}

TEST(NumText, GeneralMaskPadsWithZerosAndKeepsLiterals) {
  EXPECT_EQ(platform::FormatWithMask(12.345, "000000.00"), "000012.35");
  EXPECT_EQ(platform::FormatWithMask(-12.345, "000000.00"), "-000012.35");
  EXPECT_EQ(platform::FormatWithMask(1.5, "   000.00"), "   001.50");
  EXPECT_EQ(platform::FormatWithMask(12345.5, "000.000"), "12345.500");
  EXPECT_EQ(platform::FormatWithMask(0.5, "###0.000"), "0.500");
  EXPECT_EQ(platform::FormatWithMask(2.5, "0.0#"), "2.5");
  EXPECT_EQ(platform::FormatWithMask(2.0, "0"), "2");
  // Literals after optional decimals stay when the trailing zeros go.
  EXPECT_EQ(platform::FormatWithMask(0, " ###.### / "), " . / ");
  EXPECT_EQ(platform::FormatWithMask(1.25, " ###.### / "), " 1.25 / ");
  EXPECT_EQ(platform::FormatWithMask(80, "###.### m)"), "80. m)");
  EXPECT_EQ(platform::FormatWithMask(12.3456, "###.### m)"), "12.346 m)");
  EXPECT_EQ(platform::FormatWithMask(7, "##"), "7");
}

struct ItemCase {
  double x;
  const char* text;
};

TEST(NumText, WriteItemFormIsPlainDecimal) {
  const ItemCase cases[] = {
      {0, "0"},          {-0.0, "0"},           {90, "90"},         {140, "140"},
      {177.5, "177.5"},  {-177.5, "-177.5"},    {0.5, "0.5"},       {-0.25, "-0.25"},
      {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},        {2.0 / 3, "0.666666666666667"},
      {1e20, "100000000000000000000"},          {1e-9, "0.000000001"},
      {-1.5e-7, "-0.00000015"}, {123456789012.5, "123456789012.5"},
      {2.9999999999999996, "3"},
      {1e-7, "0.0000001"},  {0.1, "0.1"},         {-2.0 / 3, "-0.666666666666667"},
      {1e15, "1000000000000000"},               {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1000000000000000"},  {1234567890123456789.0, "1234567890123460000"},
      {-42, "-42"},          {0.000123456789012345678, "0.000123456789012346"},
      // Exact halves of the 15th digit go to the even digit; the nearest
      // double decides any other case.
      {1000000000000005.0, "1000000000000000"}, {1000000000000015.0, "1000000000000020"},
      {1000000000000025.0, "1000000000000020"}, {0.1000000000000005, "0.100000000000001"},
      {123.4567890123455, "123.456789012345"}, {100000000000000.5, "100000000000000"},
      {100000000000001.5, "100000000000002"},   {12345678901234.25, "12345678901234.2"},
      {99999999999999.95, "100000000000000"},   {1.2345678901234567e-8, "0.0000000123456789012346"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::WriteItemNumber(c.x), c.text) << c.x;
  // The extremes of a double: every digit written out, never an exponent.
  EXPECT_EQ(platform::WriteItemNumber(std::numeric_limits<double>::max()), "179769313486232" + std::string(294, '0'));
  EXPECT_EQ(platform::WriteItemNumber(-std::numeric_limits<double>::denorm_min()),
            "-0." + std::string(323, '0') + "494065645841247");
  EXPECT_THROW(platform::WriteItemNumber(std::numeric_limits<double>::quiet_NaN()), platform::NonFiniteNumber);
  EXPECT_THROW(platform::WriteItemNumber(std::numeric_limits<double>::infinity()), platform::NonFiniteNumber);
}

// Awkward values of the rounding to 15 significant digits: exact halves and
// the doubles half an ulp either side of them, powers of ten that a double
// holds exactly and ones it does not, the smallest normal and the largest
// and smallest denormal doubles.
TEST(NumText, WriteItemFormOfAwkwardValues) {
  const double half = 1000000000000005.0;  // 1e15 + 5: the spacing of doubles is 0.125 there
  const struct {
    double x;
    std::string text;
  } cases[] = {
      {half, "1000000000000000"},
      {std::nextafter(half, 2e15), "1000000000000010"},
      {std::nextafter(half, 0.0), "1000000000000000"},
      {std::nextafter(1000000000000015.0, 0.0), "1000000000000010"},
      {0.5, "0.5"},
      {std::nextafter(0.5, 1.0), "0.5"},
      {std::nextafter(0.5, 0.0), "0.5"},
      {1e-8, "0.00000001"},
      {1e-5, "0.00001"},
      {1e14, "100000000000000"},
      {1e22, "10000000000000000000000"},
      {1e23, "100000000000000000000000"},  // the double is 99999999999999991611392
      {-1e-300, "-0." + std::string(299, '0') + "1"},
      {1e300, "1" + std::string(300, '0')},
      {std::numeric_limits<double>::min(), "0." + std::string(307, '0') + "22250738585072"},
      {std::nextafter(std::numeric_limits<double>::min(), 0.0), "0." + std::string(307, '0') + "22250738585072"},
      {3 * std::numeric_limits<double>::denorm_min(), "0." + std::string(322, '0') + "148219693752374"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::WriteItemNumber(c.x), c.text) << c.x;
}

// On many values of every magnitude the write-item text is the number the C
// library's own conversion rounds to 15 significant digits ("%.14e"), read
// back as the same double, with 15 significant digits at most and no
// exponent.
TEST(NumText, WriteItemFormIsTheNumberTheCLibraryRoundsTo15Digits) {
  std::uint64_t state = 88172645463325252u;
  for (int k = 0; k < 200000; ++k) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    // Mantissa bits at random, an exponent from 1e-12 to 1e18 or so, and
    // every tenth value over the whole range of doubles.
    std::uint64_t bits = state;
    if (k % 10 != 0) bits = (bits & 0x800FFFFFFFFFFFFFu) | (std::uint64_t{983 + (state >> 52) % 100} << 52);
    const double x = std::bit_cast<double>(bits);
    if (!std::isfinite(x)) continue;
    const std::string text = platform::WriteItemNumber(x);
    char reference[40];
    std::snprintf(reference, sizeof reference, "%.14e", x);
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr)) << text << " " << reference;
    ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    // The significant digits: from the first digit that is not zero to the
    // last.
    const std::size_t first = text.find_first_of("123456789");
    std::size_t digits = 0;
    if (first != std::string::npos) {
      for (std::size_t i = first; i <= text.find_last_of("123456789"); ++i) digits += text[i] != '.';
    }
    ASSERT_LE(digits, 15u) << text;
  }
}

// Every value reads back as the same double from a text without exponent.
TEST(NumText, RoundTripFormReadsBackExactly) {
  EXPECT_EQ(platform::RoundTripNumber(0.1), "0.1");
  EXPECT_EQ(platform::RoundTripNumber(-2.5), "-2.5");
  EXPECT_EQ(platform::RoundTripNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(platform::RoundTripNumber(1e-5), "0.00001");
  EXPECT_EQ(platform::RoundTripNumber(3e20), "300000000000000000000");
  EXPECT_EQ(platform::RoundTripNumber(90), "90");
  const double values[] = {0.0, -0.0, 1.0 / 3, -2.0 / 3, 4.7e-324, 2.2250738585072014e-308, 1e-300, 1.7976931348623157e308,
                           6.0913215437619745, -51.21, 7749.000000000001, 0.1 + 0.2};
  for (double v : values) {
    const std::string text = platform::RoundTripNumber(v);
    EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
    double back = 1;
    ASSERT_TRUE(platform::ParseNumber(text, back)) << text;
    EXPECT_EQ(back, v) << text;
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << text;
  }
  EXPECT_THROW(platform::RoundTripNumber(std::nan("")), platform::NonFiniteNumber);
}

TEST(NumText, PrintZonesOfFourteenColumns) {
  platform::PrintZoneLine counts;
  counts.Number(21);
  counts.Number(12);
  EXPECT_EQ(counts.Text(), " 21            12 ");

  EXPECT_EQ(platform::PrintItemNumber(-3.5), "-3.5 ");
  EXPECT_EQ(platform::PrintItemNumber(0.25), " 0.25 ");

  // An item that reaches past its zone pushes the next one to the following zone.
  platform::PrintZoneLine wide;
  wide.Item("1234567890123456");
  wide.Item("x");
  EXPECT_EQ(wide.Text(), "1234567890123456" + std::string(12, ' ') + "x");
  // An item exactly filling its zone leaves the next one at the next boundary.
  platform::PrintZoneLine exact;
  exact.Item(std::string(14, 'a'));
  exact.Item("b");
  EXPECT_EQ(exact.Text(), std::string(14, 'a') + "b");
}

TEST(NumText, ParseNumberAcceptsTheItemFormsOnly) {
  const ItemCase good[] = {{12, "12"}, {-0.5, "-0.5"}, {0.25, ".25"}, {-0.5, "-.5"},
                           {1000, "1E3"}, {1000, "1e3"}, {4, "+4"}, {0.012, "1.2e-2"},
                           {3, " 3 "}, {5, "5."}};
  for (const auto& c : good) {
    double v = -99;
    EXPECT_TRUE(platform::ParseNumber(c.text, v)) << c.text;
    EXPECT_DOUBLE_EQ(v, c.x) << c.text;
  }
  for (const char* bad : {"", " ", "abc", "1,5", "12x", "1e", "+-1", "++1", "inf", "nan", "0x10", ".",
                          "-", "1 2", "1e999", "--1"}) {
    double v = 7;
    EXPECT_FALSE(platform::ParseNumber(bad, v)) << bad;
    EXPECT_EQ(v, 7) << bad;
  }
}

}  // namespace

TEST(NumText, CountsAreWholeAndWithinTheirRangeBeforeTheyAreConverted) {
  struct Case {
    double value;
    std::optional<int> expected;
  } cases[] = {
      {0, 0}, {25, 25}, {7, 7}, {26, std::nullopt}, {-1, std::nullopt}, {2.5, std::nullopt},
      {-3e9, std::nullopt}, {3e9, std::nullopt}, {1e300, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt}, {-std::numeric_limits<double>::infinity(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::WholeNumberWithin(c.value, 0, 25), c.expected) << c.value;
}

// Every number text that goes into an output refuses a number that is not
// finite: no report, file, script or picture holds "NaN" or "Inf".
TEST(NumText, NumbersThatAreNotFiniteAreRefusedByEveryOutputForm) {
  for (const double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(platform::FormatWithDigitMask(x, 3, 2), platform::NonFiniteNumber) << x;
    EXPECT_THROW(platform::FormatWithMask(x, "000.00"), platform::NonFiniteNumber) << x;
    EXPECT_THROW(platform::WriteItemNumber(x), platform::NonFiniteNumber) << x;
    EXPECT_THROW(platform::RoundTripNumber(x), platform::NonFiniteNumber) << x;
    EXPECT_THROW(platform::PrintItemNumber(x), platform::NonFiniteNumber) << x;
    EXPECT_EQ(platform::MessageNumber(x).find_first_of("0123456789"), std::string::npos) << x;  // messages say it
  }
}

// The bound of a drawing's axis: the ranges the cross-curves and
// righting-lever drawings can scale, and those whose arithmetic gives a
// scale or a placed point that overflows, or axis numbers that fall
// together.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "crosscurves/axis_scale.hpp"

namespace cross::testing {
namespace {

struct RangeCase {
  const char* name;
  AxisLayout axis;
  double lo, hi, valueLo, valueHi;
  bool scales;
};
void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class AxisRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(AxisRanges, ScaleOnlyWhereEveryPlacedValueIsFinite) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(AxisScales(c.axis, c.lo, c.hi, c.valueLo, c.valueHi), c.scales);
}

// The GZ axis of the script (120 mm in ten steps) with levers up to 1.27 m,
// the KN axis (120 mm in ten) with KN of 0.5 to 6 m, the displacement axis
// (200 mm in twenty) with 165 to 7749 t.
constexpr AxisLayout kGz{120, 10}, kKn{120, 10}, kDisplacement{200, 20};
const double kNextAboveSix = std::nextafter(6.0, 7.0);

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisRanges,
    ::testing::Values(RangeCase{"GzTopAsComputed", kGz, 0, 1.27, 0, 1.27, true},
                      RangeCase{"GzTop1em308", kGz, 0, 1e-308, 0, 1.27, false},
                      RangeCase{"GzTopSmallestDouble", kGz, 0, 4.9e-324, 0, 1.27, false},
                      // Finite, if far off the sheet: the user's choice.
                      RangeCase{"GzTop1em300", kGz, 0, 1e-300, 0, 1.27, true},
                      RangeCase{"GzTop1e308", kGz, 0, 1e308, 0, 1.27, true},
                      RangeCase{"KnMaximum1em310", kKn, 0, 1e-310, 0.5, 6, false},
                      RangeCase{"KnPlusMinus1e308", kKn, -1e308, 1e308, 0.5, 6, false},
                      RangeCase{"KnWithinTheLargestWidth", kKn, -8e307, 8e307, 0.5, 6, true},
                      RangeCase{"KnBelowZero", kKn, -2, -1, 0.5, 6, true},
                      // One step of a tenth of the width no longer changes 6.
                      RangeCase{"KnOfOneUlp", kKn, 6, kNextAboveSix, 6, kNextAboveSix, false},
                      RangeCase{"KnMaximumNotAboveMinimum", kKn, 6, 6, 0.5, 6, false},
                      // A scale of 2e306 mm a tonne: finite, but 7749 t lie beyond every number.
                      RangeCase{"PointBeyondTheLargestNumber", kDisplacement, 0, 1e-304, 165, 7749, false},
                      RangeCase{"DisplacementAsComputed", kDisplacement, 165, 7749, 165, 7749, true},
                      RangeCase{"DisplacementInfinite", kDisplacement, 0, std::numeric_limits<double>::infinity(),
                                165, 7749, false}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cross::testing

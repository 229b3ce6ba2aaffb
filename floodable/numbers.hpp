#pragma once
// Number texts of this program's report and drawing script: the fraction is
// cut, not rounded, and a number wider than its field is written whole.

#include <string>

#include "common/numerics/format.hpp"

namespace flood {

inline std::string FormatNumber(double x, int nInt, int nDec) { return numerics::FormatNumberTruncated(x, nInt, nDec); }
using numerics::FormatInteger;

}  // namespace flood

// The scale of a drawing's axis.
#include "axis_scale.hpp"

#include <cmath>

namespace cross {

bool AxisScales(const AxisLayout& axis, double lo, double hi, double valueLo, double valueHi) {
  const double width = hi - lo;
  if (!(std::isfinite(width) && width > 0)) return false;
  const double scale = axis.length / width;
  if (!(std::isfinite(scale) && scale > 0)) return false;
  const double step = width / axis.intervals;
  if (!(lo + step > lo && hi - step < hi)) return false;
  return std::isfinite((valueLo - lo) * scale) && std::isfinite((valueHi - lo) * scale);
}

}  // namespace cross

#pragma once
// Lines and circles of the review drawings, kept to finite numbers: a line or
// circle whose numbers are not all finite (a curve gone wild, a missing value)
// is left out of the picture rather than drawn somewhere.

#include <cmath>

#include "common/platform/form.hpp"

namespace hullform {

inline bool AllFinite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}
inline void DrawLine(platform::ConsoleForm& form, double x1, double y1, double x2, double y2, int colour) {
  if (AllFinite(x1, y1, x2, y2)) form.Line(x1, y1, x2, y2, colour);
}
inline void DrawCircle(platform::ConsoleForm& form, double x, double y, double radius, int colour) {
  if (AllFinite(x, y, radius, 0.0)) form.Circle(x, y, radius, colour);
}

}  // namespace hullform

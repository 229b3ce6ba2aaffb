#pragma once
// The two console forms of the hydrostatics program: the section window,
// which shows the hull, and the curve window; and the drawing helpers that
// keep what the reviews draw to finite numbers.

#include <cmath>
#include <string>

#include "common/platform/session.hpp"

namespace hullform {

inline platform::ConsoleForm& SectionForm(platform::Session& session) {
  return session.Form("Form1_KORMELAN", "Form1_KORMELAN", 240, 525, 11880, 8595);
}
inline platform::ConsoleForm& CurveForm(platform::Session& session) {
  return session.Form("Form2_KORMELAN", "Form2", 630, 2805, 10650, 6660);
}

// A line or circle whose numbers are not all finite (a curve gone wild, a
// missing value) is left out of the picture rather than drawn somewhere.
inline bool AllFinite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}
inline void DrawLine(platform::ConsoleForm& form, double x1, double y1, double x2, double y2, int colour) {
  if (AllFinite(x1, y1, x2, y2)) form.Line(x1, y1, x2, y2, colour);
}
inline void DrawCircle(platform::ConsoleForm& form, double x, double y, double radius, int colour) {
  if (AllFinite(x, y, radius, 0.0)) form.Circle(x, y, radius, colour);
}

// Most steps one walk along a section or contour may take (a step that is
// positive but tiny against the heights would otherwise never end).
inline constexpr int kMaxWalkSteps = 100000;

// The task-file extents that scale the review drawings, as the messages name them.
inline constexpr const char* kHalfBreadthName = "HalfBreadth (yari genislik)";
inline constexpr const char* kDepthName = "Depth (derinlik)";
inline constexpr const char* kLbpName = "Lbp (dikmeler arasi boy)";

// Stops the run as a data error when a task-file extent that scales the
// review drawings (half-breadth, depth, length) is not a positive number.
void RequireDrawingExtent(const std::string& name, double value);

}  // namespace hullform

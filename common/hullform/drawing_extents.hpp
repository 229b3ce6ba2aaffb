#pragma once
// The extents that scale the hull drawings (a half-breadth, a depth, a
// length): each must be a positive number, or no drawing can be made.

#include <string>

namespace hullform {

// The hydrostatics task file's extents, as the messages name them.
inline constexpr const char* kHalfBreadthName = "HalfBreadth (yari genislik)";
inline constexpr const char* kDepthName = "Depth (derinlik)";
inline constexpr const char* kLbpName = "Lbp (dikmeler arasi boy)";

// Stops the run as a data error when a task-file extent that scales the
// review drawings is not a positive number.
void RequireDrawingExtent(const std::string& name, double value);

// Height step of the section and contour drawings: HalfBreadth / 40.  A
// half-breadth that is not a positive number stops the run as a data error.
double ReviewStep(double HalfBreadth);

}  // namespace hullform

#include "common/hullform/limits.hpp"

#include "common/platform/number_format.hpp"

namespace hullform {

namespace {

std::string TimesText(const char* what) {
  return std::string(what) + " " + platform::WriteItemNumber(kExtentFactor) + " kati";
}

}  // namespace

HullLimits ShipHullLimits(double Lbp, double HalfBreadth, double Depth) {
  return {kExtentFactor * Lbp,         kExtentFactor * Depth,        kExtentFactor * HalfBreadth,
          TimesText("boyun (Lbp)"),    TimesText("derinligin"),      TimesText("yari genisligin")};
}

HullLimits AbsoluteHullLimits() {
  const std::string reason = "bir geminin en buyuk boyutu";
  return {kLargestDimension, kLargestDimension, kLargestDimension, reason, reason, reason};
}

std::string BoundText(double bound, const std::string& reason) {
  return platform::WriteItemNumber(bound) + " m (" + reason + ")";
}

}  // namespace hullform

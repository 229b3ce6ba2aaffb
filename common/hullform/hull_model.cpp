#include "common/hullform/hull_model.hpp"

namespace hullform {

std::string StationName(int i, double x, numerics::NumberFormat formatNumber) {
  return "Posta Kesiti No:" + numerics::FormatInteger(i, 2) + " (" + formatNumber(x, 3, 3) + " metre AP 'den)";
}

std::string RowName(const HullModel& hull, int r, numerics::NumberFormat formatNumber) {
  if (r == hull.SternRow()) return ContourName(true);
  if (r == hull.StemRow()) return ContourName(false);
  return StationName(r, hull.StationPos(r), formatNumber);
}

}  // namespace hullform

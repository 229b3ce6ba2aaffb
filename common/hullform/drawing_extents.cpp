#include "common/hullform/drawing_extents.hpp"

#include <cmath>

#include "common/platform/number_format.hpp"
#include "common/platform/run_stop.hpp"

namespace hullform {

void RequireDrawingExtent(const std::string& name, double value) {
  if (std::isfinite(value) && value > 0) return;
  platform::StopForDataError("Gorev dosyasindaki " + name + " degeri sifirdan buyuk olmalidir; okunan deger " +
                             (std::isfinite(value) ? platform::WriteItemNumber(value) : std::string("bir sayi degil")) +
                             ". Tekne cizimleri bu degerle yapilamaz.");
}

double ReviewStep(double HalfBreadth) {
  RequireDrawingExtent(kHalfBreadthName, HalfBreadth);
  return HalfBreadth / 40;
}

}  // namespace hullform

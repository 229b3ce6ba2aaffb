#include "common/platform/finite_output.hpp"

#include <cmath>

#include "common/platform/run_stop.hpp"
#include "common/platform/shown_path.hpp"

namespace platform {

void RequireFiniteOutput(const std::string& fileName, const std::string& quantity, double value) {
  if (std::isfinite(value)) return;
  const char* what = std::isnan(value) ? "tanimsiz (NaN)" : (value > 0 ? "sonsuz (+Inf)" : "sonsuz (-Inf)");
  StopForDataError(Quoted(ShownPath(fileName)) + " dosyasina yazilacak " + quantity + " sonlu bir sayi degil: " +
                   what + ". Bu deger dosyaya yazilamaz; girdi degerlerini kontrol edin.");
}

}  // namespace platform

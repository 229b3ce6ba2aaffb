// The stored 10-point Gauss-Legendre table.
#include "gauss.hpp"

namespace numerics {

void SetGaussLegendre10(Vec& GaussAbscissa, Vec& GaussWeight) {
  static constexpr double kAbscissa[5] = {0.1488743389, 0.4333953941, 0.6794095682, 0.8650633666, 0.973906529};
  static constexpr double kWeight[5] = {0.2955242247, 0.2692667193, 0.2190863625, 0.1494513491, 0.066671344};
  if (GaussAbscissa.Upper() < 5) GaussAbscissa.Resize(5);
  if (GaussWeight.Upper() < 5) GaussWeight.Resize(5);
  for (int k = 1; k <= 5; ++k) {
    GaussAbscissa(k) = kAbscissa[k - 1];
    GaussWeight(k) = kWeight[k - 1];
  }
}

}  // namespace numerics

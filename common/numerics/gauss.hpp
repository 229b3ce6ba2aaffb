#pragma once
// The 10-point Gauss-Legendre rule with which the programs integrate a
// station section over height.

#include "table.hpp"

namespace numerics {

// The five positive abscissas on [-1, 1] and their weights, as the programs
// store them (rounded to ten significant digits, the last row to nine).  Each
// abscissa is used with both signs and the same weight.
struct GaussLegendre10 {
  Vec GaussAbscissa{5};
  Vec GaussWeight{5};
};

// Writes entries 1..5 of the two tables (enlarged to hold them when they are
// smaller); the other entries are left as they are.
void SetGaussLegendre10(Vec& GaussAbscissa, Vec& GaussWeight);
inline void SetGaussLegendre10(GaussLegendre10& table) {
  SetGaussLegendre10(table.GaussAbscissa, table.GaussWeight);
}

}  // namespace numerics

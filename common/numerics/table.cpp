// The out-of-range faults of the one-based tables.
#include "table.hpp"

#include <stdexcept>
#include <string>

namespace numerics {

void ThrowTableIndex(int i, int upper) {
  throw std::out_of_range("tablo indisi " + std::to_string(i) + ", 0.." + std::to_string(upper) +
                          " araliginin disinda");
}

void ThrowTable2Index(int i, int j, int rows, int columns) {
  throw std::out_of_range("tablo indisi (" + std::to_string(i) + ", " + std::to_string(j) + "), 0.." +
                          std::to_string(rows) + " x 0.." + std::to_string(columns) + " araliginin disinda");
}

}  // namespace numerics

// Ascending order of a table of numbers (the waterline series).

#include "curves.hpp"

namespace numerics {

void SortAscending(int n, Vec& a) {
  for (int i = 1; i <= n - 1; ++i) {
    int m = i;
    double v = a(i);
    for (int j = i + 1; j <= n; ++j) {
      if (a(j) < v) {
        v = a(j);
        m = j;
      }
    }
    if (m != i) {
      a(m) = a(i);
      a(i) = v;
    }
  }
}

}  // namespace numerics

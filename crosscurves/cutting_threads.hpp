#pragma once
// How many threads cut and measure the stations of one heel angle.

namespace cross {

// The processors the process may run on (its affinity), at least 1 and at
// most kMostCuttingThreads.
inline constexpr int kMostCuttingThreads = 8;
int CuttingThreads();

}  // namespace cross

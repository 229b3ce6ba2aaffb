// The section threads' count.
#include "cutting_threads.hpp"

#include <sched.h>

#include <algorithm>

namespace cross {

int CuttingThreads() {
  // The processors this process may run on, which a container or a taskset
  // may hold below the machine's cores.
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  const int usable = sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : 1;
  return std::clamp(usable, 1, kMostCuttingThreads);
}

}  // namespace cross

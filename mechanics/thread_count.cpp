#include "mechanics/thread_count.h"

#include <omp.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mechanics {

int ThreadsToUse() {
  const int most = std::max(1, omp_get_max_threads());
  double load = 0.0;
  if (getloadavg(&load, 1) != 1) return most;
  const int idle = omp_get_num_procs() - static_cast<int>(std::lround(load));
  return std::clamp(idle, 1, most);
}

}  // namespace mechanics

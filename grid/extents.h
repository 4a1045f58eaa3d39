#pragma once
// Sums of row heights or column widths.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace grid {

// The extents of indices first .. end - 1 (those inside the array), in 64 bits.
inline std::int64_t SumOf(const std::vector<int>& extents, int first, int end) {
  std::int64_t sum = 0;
  const int stop = std::min(end, static_cast<int>(extents.size()));
  for (int i = std::max(first, 0); i < stop; ++i) sum += extents[static_cast<std::size_t>(i)];
  return sum;
}

// A pixel sum as a client coordinate: 0 .. INT32_MAX.
inline int ToPixels(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT32_MAX)); }

}  // namespace grid

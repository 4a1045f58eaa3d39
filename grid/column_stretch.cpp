#include "grid/column_stretch.h"

#include <cstdint>

namespace grid {

std::vector<int> StretchWidths(std::vector<int> widths, int client_width) {
  if (widths.empty()) return widths;
  std::int64_t sum = 0;
  for (int w : widths) sum += w;
  const std::int64_t count = static_cast<std::int64_t>(widths.size());
  const std::int64_t extra = client_width - sum;
  const std::int64_t share = extra / count;  // truncates toward zero
  const std::int64_t rest = extra < 1 ? (-extra) % count : extra % count;
  const int step = extra < 1 ? -1 : 1;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    std::int64_t w = widths[i] + share;
    if (static_cast<std::int64_t>(i) < rest) w += step;
    widths[i] = w < 0 ? 0 : static_cast<int>(w);
  }
  return widths;
}

}  // namespace grid

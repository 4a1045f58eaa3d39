#include "grid/wheel_scroll.h"

#include <algorithm>
#include <cstdint>

namespace grid {

WheelScroll WheelScrollPosts(int delta, int lines, int row_count) {
  const bool pages = lines == -1;
  const std::int64_t k = pages ? delta / plat::WHEEL_DELTA
                               : std::int64_t{delta} * lines / plat::WHEEL_DELTA;  // truncates toward zero
  WheelScroll s;
  if (k > 0) {
    s.code = pages ? plat::SB_PAGEUP : plat::SB_LINEUP;
  } else {
    s.code = pages ? plat::SB_PAGEDOWN : plat::SB_LINEDOWN;
  }
  const std::int64_t n = k < 0 ? -k : k;
  s.count = static_cast<int>(std::min<std::int64_t>(n, std::max(row_count, 0)));
  return s;
}

}  // namespace grid

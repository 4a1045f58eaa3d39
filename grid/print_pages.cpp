#include "grid/print_pages.h"

#include <cstdint>

namespace grid {

std::vector<int> PageFirstRows(std::span<const int> heights, int first_row, int end_row, int usable_height) {
  std::vector<int> pages{first_row};
  std::int64_t sum = 0;
  for (int row = first_row; row < end_row; ++row) {
    const int height = heights[static_cast<std::size_t>(row)];
    if (row > pages.back() && sum + height > usable_height) {
      pages.push_back(row);
      sum = 0;
    }
    sum += height;
  }
  return pages;
}

}  // namespace grid

#pragma once
// How printed rows fall onto pages: rows go onto a page while their heights sum
// to at most the usable height; the row that would pass it starts the next
// page. Every page holds at least one row, so a row taller than the page is
// printed alone on its own page.
#include <span>
#include <vector>

namespace grid {

// The first row of each page for rows [first_row, end_row) of `heights`; one
// page (starting at first_row) when there are no rows.
std::vector<int> PageFirstRows(std::span<const int> heights, int first_row, int end_row, int usable_height);

}  // namespace grid

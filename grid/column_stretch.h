#pragma once
// Column widths spread over a client width.
#include <vector>

namespace grid {

// Every column grows (or shrinks) by an equal share of the difference between
// `client_width` and the widths' sum; the remainder goes one pixel each to
// the first columns. No width falls below 0.
std::vector<int> StretchWidths(std::vector<int> widths, int client_width);

}  // namespace grid

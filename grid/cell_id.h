#pragma once
// A cell's place in the grid and a block of cells.
#include <compare>

namespace grid {

// Row and column of a cell; (-1, -1) is no cell. Whether the cell lies inside a
// grid is the grid's question (CGridCtrl::IsValid).
struct CCellID {
  int row = -1;
  int col = -1;

  CCellID() = default;
  CCellID(int r, int c) : row(r), col(c) {}
  bool IsNone() const { return row < 0 || col < 0; }
  friend bool operator==(const CCellID&, const CCellID&) = default;
  friend auto operator<=>(const CCellID&, const CCellID&) = default;
};

// A block of cells from (min_row, min_col) to (max_row, max_col), both corners
// included. Empty when a bound is negative or a minimum exceeds its maximum.
struct CellRange {
  int min_row = -1;
  int min_col = -1;
  int max_row = -1;
  int max_col = -1;

  bool IsValid() const {
    return min_row >= 0 && min_col >= 0 && max_row >= 0 && max_col >= 0 && min_row <= max_row &&
           min_col <= max_col;
  }
  bool Contains(int row, int col) const {
    return IsValid() && row >= min_row && row <= max_row && col >= min_col && col <= max_col;
  }
  friend bool operator==(const CellRange&, const CellRange&) = default;
};

}  // namespace grid

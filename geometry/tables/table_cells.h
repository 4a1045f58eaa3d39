#pragma once
// The cells of a grid table read back before anything is stored: every row is
// checked first, so that a refused table changes nothing.
#include <string>
#include <vector>

#include "common/result.h"

namespace grid {
class CGridCtrl;
}

namespace kelmf {

// Rows 1.. of a table, columns 1..width of each (row k - 1 holds grid row k).
using TableCells = std::vector<std::vector<std::string>>;

TableCells ReadTableCells(const grid::CGridCtrl& grid, int width);

// The number of leading rows that hold anything; later rows are all empty.
// A row that holds something after an empty one is refused, naming it.
common::Outcome<int> CountTableRows(const TableCells& cells);

// True when the first `n` cells of `row` are all filled.
bool RowComplete(const std::vector<std::string>& row, int n);

}  // namespace kelmf

#pragma once
// The numbers of a grid table, read before anything is stored: typed, pasted
// and imported texts alike must each be one number that fits the type its
// column is stored in.
#include <functional>
#include <string>
#include <vector>

#include "common/result.h"
#include "geometry/tables/table_cells.h"
#include "geometry/tables/table_columns.h"

namespace kelmf {

// Row k - 1 holds the numbers of grid row k, column c - 1 those of column c.
using TableNumbers = std::vector<std::vector<double>>;

// Reads the cells of rows 1..count (common::ReadCellNumber, the column named
// by its heading; a blank cell reads 0). `columns` is the table's column list
// with the row number first. A cell for which `keep_text(column, text)` holds
// is not read (it reads 0). The first cell that does not read is the input
// error.
common::Outcome<TableNumbers> ReadTableNumbers(
    const TableCells& cells, int count, const std::vector<TableColumn>& columns,
    const std::function<bool(int column, const std::string& text)>& keep_text = {});

}  // namespace kelmf

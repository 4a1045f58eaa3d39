#pragma once
// The line-load table's rows and the load case's user line loads: the texts a
// table shows, and its OK step from texts to records.
#include <optional>

#include "loads/model/load_model.h"
#include "loads/tables/cell_texts.h"

namespace pundf::tables {

// Columns: 1 "Element", 2 "Start [m]", 3 "End [m]", 4 "Value A", 5 "Value B",
// 6 "Direction", 7 "Notes".
inline constexpr int kLineLoadColumns = 8;

// The rows 1..count of the user line loads (at most `rows` - 1), row 0 the
// headings, column 0 the row numbers.
CellTexts LineLoadCells(const LoadCase& load_case, int rows);

// Reads rows 1.. into the user line loads: a row with an empty Element is
// skipped, one with an empty Value A, Value B or Direction left out. Every row
// is checked first: an element outside 1..element count, a direction other
// than X, Y, N, T, or a Start or End outside 0..element length refuses the
// whole table (nothing changes) with the row and value named.
std::optional<Refusal> ReadLineLoads(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case);

}  // namespace pundf::tables

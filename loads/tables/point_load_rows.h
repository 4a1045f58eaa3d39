#pragma once
// The point-load table's rows and the load case's point loads: the texts a
// table shows, and its OK step from texts to records.
#include <optional>

#include "loads/model/load_model.h"
#include "loads/tables/cell_texts.h"

namespace pundf::tables {

// Columns: 1 "Type", 2 "Node", 3 "Element", 4 "Left Distance", 5 "Size",
// 6 "Direction", 7 "Notes".
inline constexpr int kPointLoadColumns = 8;

// The rows 1..count of the point loads (at most `rows` - 1).
CellTexts PointLoadCells(const LoadCase& load_case, int rows);

// Reads rows 1.. into the point loads: a row with an empty Type is skipped, a
// force without a direction left out. Every row is checked first and one
// failing row refuses the whole table (nothing changes): a node outside
// 1..node count ("Node number too large", caption "Not a node"), an element
// outside 1..element count, a distance outside the element, a row with
// neither node nor element, a force N or T without an element, a hinge or jump
// at a node, a direction other than X, Y, N, T.
std::optional<Refusal> ReadPointLoads(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case);

}  // namespace pundf::tables

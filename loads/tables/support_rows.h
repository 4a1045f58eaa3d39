#pragma once
// The settlement table ("Row", "Nodes", "ux [m]", "uy [m]", "phi [tan]") and
// the prestress table ("Nr.", "Element", "Force") of the load case.
#include <optional>

#include "loads/model/load_model.h"
#include "loads/tables/cell_texts.h"

namespace pundf::tables {

inline constexpr int kSettlementColumns = 5;
inline constexpr int kPrestressColumns = 3;

// One row per support of the load case: node "%i", u, v, phi "%.3f".
CellTexts SettlementCells(const LoadCase& load_case, int rows);

// Reads the settlements row by row, each onto the support of its node: an
// empty value is 0, a support in no row gets 0. A value beyond 0.001 m (u, v)
// or 0.01 (phi) settles its support (record byte 31) and counts; the load
// case's settlement count and flag follow. A row with values but no node, a
// node without a support or given twice refuses the table (nothing changes).
std::optional<Refusal> ReadSettlements(const CellTexts& cells, LoadCase& load_case);

// Rows 1..count: element "%i", force "%5.2E".
CellTexts PrestressCells(const LoadCase& load_case, int rows);

// Every row with an Element and a Force gives an entry; an element outside
// 1..element count refuses the table. The prestress count follows; the flag
// is set when there are entries.
std::optional<Refusal> ReadPrestress(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case);

}  // namespace pundf::tables

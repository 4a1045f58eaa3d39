#pragma once
// The element temperature table ("Element", "T", "Delta T"): one row per
// element, the element numbers in the fixed column.
#include <optional>

#include "loads/model/load_model.h"
#include "loads/tables/cell_texts.h"

namespace pundf::tables {

inline constexpr int kTemperatureColumns = 3;

// Rows 1..element count: T and Delta T "%.2f" when the load case carries temperatures.
CellTexts TemperatureCells(const LoadCase& load_case, int rows);

// Every element's T, Delta T and set flag cleared; a row with T or Delta T
// gives its element both values, the load case's alpha_T and the set flag,
// and sets the load case's temperature flag (cleared first).
std::optional<Refusal> ReadTemperatures(const CellTexts& cells, LoadCase& load_case);

}  // namespace pundf::tables

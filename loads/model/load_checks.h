#pragma once
// Checks of the numbers that a load case's records carry: every node, element
// and support they name must exist in the frame before anything is computed
// from them. Each check gives the first problem found as a phrase ("point load
// 3 lies on element 12, the frame has 5 elements"), or nothing.
#include <optional>
#include <string>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

using Problem = std::optional<std::string>;

// A count read from a PL block: 0..capacity.
Problem CheckCount(const char* what, int count, int capacity);
// A load at a node names a node, a load on an element an element.
Problem CheckPointLoads(const common::PointLoadTable& loads, const Geometry& geometry);
Problem CheckLineLoads(const common::LineLoadTable& loads, const Geometry& geometry);
Problem CheckSettlements(const common::NodeRefTable& settlements, const Geometry& geometry);
Problem CheckPrestress(const common::PrestressTable& prestress, const Geometry& geometry);

// Every number the files of the load case would hold is finite: the PL block,
// the point loads, the line loads as stored (`file_line_loads`: integrated,
// with the gravity loads), the temperatures, settlements and prestress. A load
// too large for the floats of the files ("line load 2 holds a number too large
// for the files") is refused, never written as an infinity.
Problem CheckFiniteNumbers(const LoadCase& lc, const common::LineLoadTable& file_line_loads);

// "The file <path> is damaged: <problem>." with the caption "Error".
common::Result DamagedFile(const std::string& path, const std::string& problem);

}  // namespace pundf

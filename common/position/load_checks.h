#pragma once
// Checks of the numbers that a load case's records carry: every node, element
// and support they name must exist in the frame before anything is computed
// from them. The frame is given by its own tables, so that every program that
// reads a load case checks it against the frame it read. Each check gives the
// first problem found as a phrase ("point load 3 lies on element 12, the frame
// has 5 elements"), or nothing.
#include <optional>
#include <string>

#include "common/records/load_tables.h"
#include "common/records/model_tables.h"

namespace common {

using Problem = std::optional<std::string>;

// A count read from a PL block or DIARY: 0..capacity.
Problem CheckCount(const char* what, int count, int capacity);
// A load at a node names a node, a load on an element an element.
Problem CheckPointLoads(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements);
Problem CheckLineLoads(const LineLoadTable& loads, const ElementTable& elements);
Problem CheckSettlements(const NodeRefTable& settlements, const NodeTable& nodes);
Problem CheckPrestress(const PrestressTable& prestress, const ElementTable& elements);

}  // namespace common

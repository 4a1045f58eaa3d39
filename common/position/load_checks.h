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

// A record that names a node or element the frame lacks: record `k` of the
// `record` kind ("point load") names `kind` ("node") `number`, where the frame
// has `available` of that kind (1..available are valid).
struct IndexFault {
  const char* record;
  int k;
  const char* kind;
  int number;
  int available;
};
using Fault = std::optional<IndexFault>;

// "point load 3 lies on element 12, the frame has 5 elements".
std::string Phrase(const IndexFault& fault);

// A count read from a PL block or DIARY: 0..capacity.
Problem CheckCount(const char* what, int count, int capacity);
// A load at a node names a node, a load on an element an element; a line load
// names its element and, each 0 or a node, its start and end nodes.
Fault FindPointLoadFault(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements);
Fault FindLineLoadFault(const LineLoadTable& loads, const NodeTable& nodes, const ElementTable& elements);
Problem CheckPointLoads(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements);
Problem CheckLineLoads(const LineLoadTable& loads, const NodeTable& nodes, const ElementTable& elements);
Problem CheckSettlements(const NodeRefTable& settlements, const NodeTable& nodes);
Problem CheckPrestress(const PrestressTable& prestress, const ElementTable& elements);

}  // namespace common

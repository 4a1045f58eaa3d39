#pragma once
// The line-load integration: turns each line load of a store into what the
// solver and the results program read from LLOAD: its components along and
// across the element axis, the equivalent end forces of the loaded stretch on
// the element clamped at both ends, the resultants with their positions, and
// the nodes at the element's ends.
#include "common/records/element_record.h"
#include "common/records/line_load_record.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"

namespace pundf {

// Fills bytes 36, 40, 48, 52, 168..292, 360 and 362 of the record from its
// element, stretch, values and direction ('X', 'Y', 'T', 'N' in either case; any
// other letter keeps the stored components). An element shorter than 0.01 is
// taken as 1 m long. A stretch given from its end (xb < xa) is first turned
// round: xa and xb, A and B and the two points change places, the same load.
void IntegrateLineLoad(common::LineLoadRecord& load, const common::ElementRecord& element,
                       const common::NodeTable& nodes);

// Every record 1..count; each record's element must exist in `elements`.
void IntegrateLineLoads(common::LineLoadTable& loads, const common::ElementTable& elements,
                        const common::NodeTable& nodes);

// The highest-numbered node less than 0.05 from (x, y); 0 when none is.
int NodeAtPoint(const common::NodeTable& nodes, float x, float y);

}  // namespace pundf

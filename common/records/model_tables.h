#pragma once
// The tables of the frame model, sized to the model's limits.
#include "common/records/capacities.h"
#include "common/records/element_record.h"
#include "common/records/node_record.h"
#include "common/records/node_ref_record.h"
#include "common/records/section_records.h"
#include "common/records/table.h"

namespace common {

using NodeTable = Table<NodeRecord, kMaxNodes>;
using ElementTable = Table<ElementRecord, kMaxElements>;
// Supports of the geometry, or their settlements in one load case.
using NodeRefTable = Table<NodeRefRecord, kMaxSupports>;
using CrossSectionTable = Table<CrossSectionRecord, kMaxCrossSections>;
using MaterialTable = Table<MaterialRecord, kMaxMaterials>;

}  // namespace common

#pragma once
// The rotation of a node that its support, a moment at the node and the support's reaction act
// on, from its node record (see mechanics/supported_rotation.h).
#include "common/records/node_record.h"

namespace mechanics {

// Its equation number; 0 for a node without rotations. A rotation count beyond the record's 21
// slots is taken as 21.
int SupportedRotationOf(const common::NodeRecord& node);

}  // namespace mechanics

#pragma once
// The rotation of a node that its support, a moment at the node and the
// support's reaction act on: the one shared by its rigid ends (the first one at
// a node whose ends are all hinged).
#include "common/records/node_record.h"

namespace zedir {

// Its equation number; 0 for a node without rotations.
int NodeRotation(const common::NodeRecord& node);

}  // namespace zedir

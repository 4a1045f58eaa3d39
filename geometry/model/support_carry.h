#pragma once
// Supports follow their points when the nodes are rebuilt.
#include "common/records/model_tables.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// After the node table was rebuilt from `old_nodes`: each old node goes to the
// nearest new node within 0.05 m (x and upward y); a new node reached by
// several takes the nearest of them. A new node takes the support values and
// flags of its old node and has none without one. Support entries move to the
// new number of their node; entries of nodes not found again are dropped. The
// support count of FrameParams (702) follows.
void CarrySupports(FrameModel& model, const common::NodeTable& old_nodes);

}  // namespace kelmf

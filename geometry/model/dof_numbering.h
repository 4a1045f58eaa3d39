#pragma once
// Rotations and equation numbers of the nodes and element ends.
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// After ConnectElementsToNodes: counts the hinged ends of every node (hinge
// flag 1) and gives it r rotations: 1 without hinged ends, the number of
// hinged ends when all its ends are hinged, else that number + 1. Numbers the
// equations node by node from 1 without gaps (u, v, rotations 1..r) into the
// nodes and the equation list, sets r + 2 as the node's count and the number
// of equations in FrameParams (38 and 132). Each element end takes its node's
// u and v and, when hinged, the node's next own rotation in element order (the
// k-th hinged end takes rotation k), else the node's last rotation r, shared by
// all rigid ends. Nothing changes on failure.
common::Result NumberDofs(FrameModel& model);

}  // namespace kelmf

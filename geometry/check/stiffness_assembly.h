#pragma once
// The global stiffness matrix K of the frame model with its support springs.
#include "common/records/node_record.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

// The equation of the node's rotation that a rotational support acts on: its
// last rotation, shared by its rigid ends, or its first when every end is
// hinged; 0 when the node has no rotation.
int SupportedRotationDof(const common::NodeRecord& node);

// K for n equations: every element matrix added at its equations, then at every
// node |s| * support_stiffness on the diagonal of its u, v and supported
// rotation for the support values s. Fails with the element stiffness message
// (ElementStiffness) at the first element without a usable stiffness, or with a
// message naming the element or node whose equation numbers lie outside 1..n.
common::Outcome<mechanics::Matrix> AssembleStiffness(const FrameModel& model, int n, float support_stiffness);

}  // namespace kelmf

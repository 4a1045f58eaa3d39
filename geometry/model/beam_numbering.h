#pragma once
// Nodes, equations and supports of a generated continuous beam.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// The beam's height: nodes with |z| up to this are supported [m].
inline constexpr double kBeamSupportHeight = 0.01;

// Finds the nodes and numbers the equations as the node rebuild does (without
// reading "CROSS" and without carrying old supports), then supports every node
// with |z| <= 0.01 in x and in the vertical direction (values and flags 1; the
// rotation free) and lists it, in node order, as the support entries, which
// replace the old ones. In memory; all or nothing: on failure the model is
// unchanged but for the editor's error flag, which is set.
common::Result NumberAndSupportGround(FrameModel& model);

// NumberAndSupportGround, then writes "ELEMENTSNODES.TXT" (position folder),
// "ELEMENTS", "NODES" and "LKNOTENR". A limit exceeded changes nothing.
common::Result NumberBeamDofs(FrameModel& model, const common::Position& position);

}  // namespace kelmf

#pragma once
// Nodes from element ends: ends closer than 0.05 m make one node.
#include "common/records/model_tables.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Ends (and nodes) closer than this are one point [m].
inline constexpr double kNodeTolerance = 0.05;

// The node of slots 1..count nearest to (x, y), measured with x and the upward
// y, when it lies closer than kNodeTolerance; else 0. The lower number wins a tie.
int NearestNode(const common::NodeTable& nodes, double x, double y);

// Sets the vertical-axis sign to -1 and replaces the node table by the nodes of
// the element ends: for each element in order, end a then end b, the nearest
// node found so far within the tolerance, else a new node (x, y of the end,
// z = -y). Each end learns its node (element bytes 108 and 110), so that every
// later step uses the same decision. Returns the node count; more than 200
// nodes set the editor's error flag and change nothing.
common::Outcome<int> FindNodes(FrameModel& model);

}  // namespace kelmf

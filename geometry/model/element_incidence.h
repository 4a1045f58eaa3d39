#pragma once
// Which element ends meet at which node.
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// From the ends' nodes that FindNodes decided: every node counts the ends met
// (byte 158), lists their elements in element order, end a before end b (162,
// at most 10: more refuse the whole step with a message and set the editor's
// error flag), keeps the first two of that list (188, 190) and marks mixed
// hinges (194: more than two ends whose hinge flags differ). The elements'
// working flags (bytes 0 and 4) become 0. Nothing changes on failure.
common::Result ConnectElementsToNodes(FrameModel& model);

// An element whose end node is not a node of the table, or too many ends at a
// node: the messages of the topology.
common::Result UnknownEndNode(int element, int node);
common::Result TooManyEndsAtNode(int node);

}  // namespace kelmf

#pragma once
// The hinge and split tool: a click near an element end toggles its hinge, a
// click between the ends splits the element there.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

enum class SplitAction { kHingeA, kHingeB, kSplit };

// Element e (1..count) and the point (x, z) in the user's coordinates:
// - closer than 0.2 to end a (x and z): the hinge flag of end a toggles, in memory;
// - else closer than 0.2 to end b: the hinge flag of end b toggles;
// - else a new element (number count + 1) runs from the point to the former end
//   b, with e's material, cross section, EA, EI and compression and tension
//   flags, hinge a free and e's hinge b, which e gives up; e now ends at the
//   point. Both get their geometry, the nodes are rebuilt and "ELEMENTS",
//   "NODES" and "LKNOTENR" are written. A split past 100 elements, or one whose
//   node rebuild fails, is refused and changes nothing.
common::Outcome<SplitAction> SplitElementAt(FrameModel& model, int e, float x, float z,
                                            const common::Position& position);

}  // namespace kelmf

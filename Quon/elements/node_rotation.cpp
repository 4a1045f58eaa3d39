#include "Quon/elements/node_rotation.h"

#include "mechanics/model/node_rotation.h"

namespace zedir {

int NodeRotation(const common::NodeRecord& node) { return mechanics::SupportedRotationOf(node); }

}  // namespace zedir

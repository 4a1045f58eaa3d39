#include "geometry/model/beam_numbering.h"

#include <cmath>
#include <string>
#include <utility>

#include "geometry/model/dof_listing.h"
#include "geometry/model/node_rebuild.h"

namespace kelmf {
namespace {

common::Result TooManySupports() {
  return common::Result::Fail("Too many supports, max = " + std::to_string(common::kMaxSupports), "Error");
}

// Supports x and the vertical direction of the nodes at the beam's height.
common::Result SupportBeam(FrameModel& model) {
  common::NodeRefTable supports;
  for (common::NodeRecord& node : model.nodes.used()) {
    if (std::fabs(node.z()) > kBeamSupportHeight) continue;
    common::NodeRefRecord entry;
    entry.set_node(node.number());
    for (int d = 1; d <= 2; ++d) {
      node.set_support(d, 1.0f);
      node.set_support_flag(d, 1);
      entry.set_support(d, 1.0f);
      entry.set_support_flag(d, 1);
    }
    if (!supports.Append(entry)) return TooManySupports();
  }
  model.supports = std::move(supports);
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
  return common::Result::Ok();
}

}  // namespace

common::Result NumberAndSupportGround(FrameModel& model) {
  FrameModel trial = model;
  common::Result numbered = FindAndNumberNodes(trial);
  if (common::Result result = numbered ? SupportBeam(trial) : numbered; !result) {
    model.editor.storey_frame_error = 1;
    return result;
  }
  model = std::move(trial);
  return common::Result::Ok();
}

common::Result NumberBeamDofs(FrameModel& model, const common::Position& position) {
  if (common::Result numbered = NumberAndSupportGround(model); !numbered) return numbered;
  WriteElementsNodesListing(position.FolderFile("ELEMENTSNODES.TXT"), model);
  return WriteTopologyFiles(model, position);
}

}  // namespace kelmf

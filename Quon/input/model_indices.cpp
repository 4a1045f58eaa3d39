#include "Quon/input/model_indices.h"

#include <string>

#include "Quon/run/messages.h"
#include "common/position/file_names.h"
#include "common/records/node_record.h"

namespace zedir {
namespace {

common::Result CheckNodes(const Run& run) {
  const std::string path = run.position.File(common::file_names::kNodes);
  const int n = run.equation_count();
  for (int k = 1; k <= run.nodes.count(); ++k) {
    const common::NodeRecord& node = run.nodes[k];
    if (!InRange(node.dof_u(), n)) return InputError(path, RecordRef("node", k) + IndexProblem("equation", node.dof_u(), n));
    if (!InRange(node.dof_v(), n)) return InputError(path, RecordRef("node", k) + IndexProblem("equation", node.dof_v(), n));
    const int r = node.rotation_count();
    if (!InRange(r, common::NodeRecord::kMaxRotations)) {
      return InputError(path, RecordRef("node", k) +
                                  IndexProblem("the number of rotations", r, common::NodeRecord::kMaxRotations));
    }
    for (int j = 1; j <= r; ++j) {
      if (!InRange(node.rotation_dof(j), n)) {
        return InputError(path, RecordRef("node", k) + IndexProblem("equation", node.rotation_dof(j), n));
      }
    }
  }
  return common::Result::Ok();
}

common::Result CheckElements(const Run& run) {
  const std::string path = run.position.File(common::file_names::kElements);
  const int n = run.equation_count();
  for (int e = 1; e <= run.elements.count(); ++e) {
    const common::ElementRecord& element = run.elements[e];
    const std::string record = RecordRef("element", e);
    for (int node : {element.node_a(), element.node_b()}) {
      if (!InRange(node, run.nodes.count())) return InputError(path, record + IndexProblem("node", node, run.nodes.count()));
    }
    if (!InRange(element.material(), run.materials.count())) {
      return InputError(path, record + IndexProblem("material", element.material(), run.materials.count()));
    }
    if (!InRange(element.cross_section(), run.sections.count())) {
      return InputError(path, record + IndexProblem("cross section", element.cross_section(), run.sections.count()));
    }
    for (int k = 1; k <= 6; ++k) {
      if (!InRange(element.dof(k), n)) return InputError(path, record + IndexProblem("equation", element.dof(k), n));
    }
    // Every element curve divides by it; the model check never stores an element without one.
    if (!(element.length() > 0.0f)) {
      return FileDamaged(path, "element " + std::to_string(e) + " has a length that is not greater than 0");
    }
  }
  return common::Result::Ok();
}

}  // namespace

common::Result CheckSupportNodes(const std::string& path, const common::NodeRefTable& supports, int node_count) {
  for (int k = 1; k <= supports.count(); ++k) {
    const int node = supports[k].node();
    if (!InRange(node, node_count)) return InputError(path, RecordRef("support", k) + IndexProblem("node", node, node_count));
  }
  return common::Result::Ok();
}

common::Result CheckModelIndices(const Run& run) {
  if (common::Result bad = CheckNodes(run); !bad) return bad;
  if (common::Result bad = CheckElements(run); !bad) return bad;
  return CheckSupportNodes(run.position.File(common::file_names::kSupports), run.supports, run.nodes.count());
}

}  // namespace zedir

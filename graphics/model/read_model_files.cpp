#include "graphics/model/read_model_files.h"

#include <cmath>
#include <utility>

#include "common/position/extents_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/model/model_checks.h"
#include "mechanics/model/node_rotation.h"

namespace revuzavi {
namespace fn = common::file_names;
namespace {

// A table file into `table` (empty when missing); a damaged one ends the program.
template <class Tab>
common::ReadOutcome ReadModelTable(const common::Position& position, const char* base, Tab& table) {
  const std::string path = position.File(base);
  auto read = common::ReadTable<Tab>(path);
  if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
  table = std::move(read.table);
  return common::ReadOutcome::Ok();
}

common::ReadOutcome ReadFrameParams(const common::Position& position, common::FrameParams& params) {
  const std::string path = position.File(fn::kFrameParams);
  auto read = common::ReadBlockRecord<common::FrameParams>(path);
  if (read.status.missing()) {
    return common::ReadOutcome::Fatal(common::Result::Fail("No Frame. The file " + path + " is missing.", "Error"), 0);
  }
  if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
  const int n = read.record.equation_count();
  if (n < 0 || n > common::kMaxEquations) {
    return DamagedEnd(path, "the number of equations " + std::to_string(n) + " lies outside 0.." +
                                std::to_string(common::kMaxEquations));
  }
  params = read.record;
  params.set_viewer_factor_656(1.0);
  return common::ReadOutcome::Ok();
}

// The tables of the frame, in the order of their files.
struct Model {
  common::FrameParams params;
  common::ElementTable elements;
  common::NodeTable nodes;
  common::NodeRefTable supports;
  common::CrossSectionTable sections;
  common::MaterialTable materials;
  common::DofTable dofs;
  common::FrameExtents extents;
};

common::ReadOutcome ReadTables(const common::Position& position, Model& m) {
  if (auto r = ReadFrameParams(position, m.params); !r.ok()) return r;
  if (auto r = ReadModelTable(position, fn::kElements, m.elements); !r.ok()) return r;
  if (auto r = ReadModelTable(position, fn::kNodes, m.nodes); !r.ok()) return r;
  if (auto r = ReadModelTable(position, fn::kSupports, m.supports); !r.ok()) return r;
  if (auto r = ReadModelTable(position, fn::kCrossSections, m.sections); !r.ok()) return r;
  if (auto r = ReadModelTable(position, fn::kMaterials, m.materials); !r.ok()) return r;
  const std::string dof_path = position.File(fn::kDofs);
  auto dofs = common::ReadRecords<common::DofTable>(dof_path, m.params.equation_count());
  if (auto end = EndIfDamaged(dof_path, dofs.status); !end.ok()) return end;
  m.dofs = std::move(dofs.table);
  auto extents = common::ReadExtents(position);
  if (!extents) return common::ReadOutcome::Fatal(extents.failure(), -1);
  m.extents = *extents;
  return common::ReadOutcome::Ok();
}

// The indices of the model that the viewer computes with.
common::ReadOutcome CheckIndices(const common::Position& position, const Model& m) {
  const int n = m.params.equation_count();
  if (auto p = CheckNodeEquations(m.nodes, n)) return DamagedEnd(position.File(fn::kNodes), *p);
  if (auto p = CheckElementIndices(m.elements, m.nodes.count(), m.materials.count(), m.sections.count(), n)) {
    return DamagedEnd(position.File(fn::kElements), *p);
  }
  if (auto p = CheckSupportNodes(m.supports, m.nodes.count())) return DamagedEnd(position.File(fn::kSupports), *p);
  return common::ReadOutcome::Ok();
}

}  // namespace

std::vector<SupportDof> SupportDofsOf(const common::NodeTable& nodes) {
  std::vector<SupportDof> list;
  for (int k = 1; k <= nodes.count(); ++k) {
    const common::NodeRecord& node = nodes[k];
    const int dofs[3] = {node.dof_u(), node.dof_v(), mechanics::SupportedRotationOf(node)};
    for (int d = 1; d <= 3; ++d) {
      // A negative typed value is a support of its absolute value.
      if (std::fabs(node.support(d)) > 0.0f) list.push_back(SupportDof{dofs[d - 1], k, d});
    }
  }
  return list;
}

common::ReadOutcome ReadModelFiles(ViewerState& state) {
  Model m;
  if (auto r = ReadTables(state.position, m); !r.ok()) return r;
  if (auto r = CheckIndices(state.position, m); !r.ok()) return r;

  state.params = m.params;
  state.elements = std::move(m.elements);
  state.nodes = std::move(m.nodes);
  state.supports = std::move(m.supports);
  state.sections = std::move(m.sections);
  state.materials = std::move(m.materials);
  state.dofs = std::move(m.dofs);
  for (common::ElementRecord& element : state.elements.used()) {
    element.set_stiffness_factor(-1.0f);
    element.set_own_stiffness_flag(0);
  }
  state.original_nodes = state.nodes;
  state.params.set_element_count(static_cast<std::int16_t>(state.elements.count()));
  state.params.set_node_count(static_cast<std::int16_t>(state.nodes.count()));
  state.params.set_support_count(static_cast<std::int16_t>(state.supports.count()));
  state.params.set_cross_section_count(static_cast<std::int16_t>(state.sections.count()));
  state.params.set_material_count(static_cast<std::int16_t>(state.materials.count()));
  state.support_dofs = SupportDofsOf(state.nodes);
  state.params.set_support_dof_count(static_cast<std::int16_t>(state.support_dofs.size()));
  state.vertical_sign = state.params.angle_convention() != 0 ? 1 : -1;
  state.extents = m.extents.box;
  state.drawing_scale = m.extents.step;
  state.drawing_width = state.extents.xmax() - state.extents.xmin();
  return common::ReadOutcome::Ok();
}

}  // namespace revuzavi

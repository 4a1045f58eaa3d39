#include "graphics/app/nodes_table.h"

#include <cstdint>
#include <cstdio>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value + 0.0);  // no "-0.00"
  return text;
}

// The nodes the dialog shows: the step's working copy (a 32-bit step value,
// then one record per node of the frame), else NODES, else the state's.
common::NodeTable ReadNodes(const ViewerState& state, int step, std::vector<common::Result>& problems) {
  namespace fn = common::file_names;
  const std::string copy = step >= 1 ? StepFile(state.position, kNodeCopyFile, step) : std::string();
  common::TableRead<common::NodeTable> read;
  std::string path;
  if (!copy.empty() && plat::FileExists(copy)) {
    path = copy;
    read = common::detail::ToTable<common::NodeTable>(common::detail::ReadUncounted(
        copy, sizeof(std::int32_t), common::NodeRecord::kSize, common::NodeTable::kCapacity, state.nodes.count()));
  } else {
    path = state.position.File(fn::kNodes);
    read = common::ReadTable<common::NodeTable>(path);
  }
  if (read.status.ok()) return read.table;
  if (read.status.damaged()) problems.push_back(common::CheckFile(path, read.status));
  return state.nodes;
}

}  // namespace

NodesShown ReadNodesShown(const ViewerState& state, int step) {
  NodesShown shown;
  shown.base_stiffness = Format("%.3E", state.params.support_stiffness());
  const std::string materials = state.position.File(common::file_names::kMaterials);
  const auto read = common::ReadTable<common::MaterialTable>(materials);
  if (read.status.damaged()) shown.problems.push_back(common::CheckFile(materials, read.status));
  const common::NodeTable nodes = ReadNodes(state, step, shown.problems);
  for (int k = 1; k <= nodes.count(); ++k) {
    const common::NodeRecord& n = nodes[k];
    shown.rows.push_back({std::to_string(k), Format("%.2f", n.x()), Format("%.2f", n.z()),
                          Format("%5.3E", n.support(1)), Format("%5.3E", n.support(2)),
                          Format("%5.3E", n.support(3))});
  }
  return shown;
}

}  // namespace revuzavi

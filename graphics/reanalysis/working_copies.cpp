#include "graphics/reanalysis/working_copies.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "common/position/file_names.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/model/model_checks.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace fn = common::file_names;
namespace {

std::string CopyOrOwn(const ViewerState& state, const char* copy, const char* own, int i) {
  return i > 0 ? StepFile(state.position, copy, i) : state.position.File(own);
}

}  // namespace

common::FileStatus ReadDisplacementCopy(ViewerState& state, int i) {
  if (i <= 0) return ReadDisplacementVector(state, state.current_load_case_text);
  return ReadDisplacementFile(state, StepFile(state.position, kDisplacementCopyFile, i));
}

bool WriteDisplacementCopy(const ViewerState& state, int i) {
  return plat::WriteBlock(StepFile(state.position, kDisplacementCopyFile, i), state.displacements.data(),
                          state.displacements.size() * sizeof(double));
}

bool WriteNodeCopy(const ViewerState& state, const StepTable& steps, int i) {
  const std::int32_t entry = i >= 0 && static_cast<std::size_t>(i) < steps.nodes.size()
                                 ? steps.nodes[static_cast<std::size_t>(i)]
                                 : 0;
  std::vector<std::byte> head(sizeof entry);
  std::memcpy(head.data(), &entry, sizeof entry);
  return common::detail::WriteBytes(StepFile(state.position, kNodeCopyFile, i), head, state.nodes.used_bytes());
}

common::FileStatus ReadNodeCopy(ViewerState& state, StepTable& steps, int i) {
  const int count = state.nodes.count();
  const std::string path = CopyOrOwn(state, kNodeCopyFile, fn::kNodes, i);
  const std::size_t head = i > 0 ? sizeof(std::int32_t) : sizeof(std::int16_t);
  auto read = common::detail::ToTable<common::NodeTable>(common::detail::ReadUncounted(
      path, head, common::NodeRecord::kSize, common::NodeTable::kCapacity, count));
  if (!read.status.ok()) return read.status;
  if (auto problem = CheckNodeEquations(read.table, state.equation_count())) return DamagedStatus(*problem);
  std::int32_t entry = 0;
  if (i > 0 && !plat::ReadBlock(path, &entry, sizeof entry)) entry = 0;
  steps.node_count(i) = entry;
  state.nodes = std::move(read.table);
  return read.status;
}

bool WriteElementCopy(const ViewerState& state, int i) {
  return common::WriteTable(StepFile(state.position, kElementCopyFile, i), state.elements);
}

common::FileStatus ReadElementCopy(ViewerState& state, int i) {
  auto read = common::ReadTable<common::ElementTable>(CopyOrOwn(state, kElementCopyFile, fn::kElements, i));
  if (!read.status.ok()) return read.status;
  if (auto problem = CheckElementIndices(read.table, state.nodes.count(), state.materials.count(),
                                         state.sections.count(), state.equation_count())) {
    return DamagedStatus(*problem);
  }
  if (i <= 0) {
    for (common::ElementRecord& element : read.table.used()) {
      element.set_modified_flag(0);
      element.set_switched_off_flag(0);
      element.set_own_stiffness_flag(0);
      element.set_stiffness_factor(-1.0f);
    }
  }
  state.elements = std::move(read.table);
  state.params.set_element_count(static_cast<std::int16_t>(state.elements.count()));
  return read.status;
}

common::FileStatus ReadNodeRefCopy(ViewerState& state, int i) {
  auto read = common::ReadTable<common::NodeRefTable>(CopyOrOwn(state, kSupportCopyFile, fn::kSupports, i));
  if (!read.status.ok()) return read.status;
  if (auto problem = CheckSupportNodes(read.table, state.nodes.count())) return DamagedStatus(*problem);
  state.supports = std::move(read.table);
  state.params.set_support_count(static_cast<std::int16_t>(state.supports.count()));
  return read.status;
}

}  // namespace revuzavi

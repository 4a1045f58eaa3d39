#include <cmath>

#include "common/position/extents_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/files.h"
#include "shell/view/frame_data.h"

namespace quentaris {
namespace {

// The table of the file, or an empty one and the failure naming the file.
template <class Tab>
common::Result ReadFrameTable(const std::string& path, Tab& table) {
  auto read = common::ReadTable<Tab>(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) {
    table = Tab{};
    return damaged;
  }
  table = std::move(read.table);
  return common::Result::Ok();
}

}  // namespace

int UnitsPerMetre(const common::DrawingExtents& extents) {
  const double a = std::fabs(static_cast<double>(extents.xmax()) - extents.xmin());
  const double b = std::fabs(static_cast<double>(extents.zmax()) - extents.zmin());
  if (a > 100.0 || b > 100.0) return 10;
  if (a > 50.0 && b > 50.0) return 20;
  if (a > 40.0 && b > 40.0) return 25;
  if (a > 30.0 && b > 30.0) return 30;
  if (a > 20.0 && b > 20.0) return 50;
  if ((a > 10.0 && b > 10.0) || a >= 2.0) return 100;
  if (b < 2.0) return 500;
  return 100;
}

FrameFilesRead ReadFrameFiles(const common::Position& position, FrameData& frame) {
  namespace names = common::file_names;
  frame = FrameData{};
  FrameFilesRead result;
  const std::string params_path = position.File(names::kFrameParams);
  const auto params = common::ReadBlockRecord<common::FrameParams>(params_path);
  if (!params.status.ok()) {
    // A damaged block is named and nothing is drawn from it; a missing one is no frame yet.
    result.problem = common::CheckFile(params_path, params.status);
    frame.damaged = params.status.damaged();
    return result;
  }
  frame.params = params.record;
  frame.params_read = true;

  const common::Result elements = ReadFrameTable(position.File(names::kElements), frame.elements);
  const common::Result nodes = ReadFrameTable(position.File(names::kNodes), frame.nodes);
  frame.damaged = !elements.ok() || !nodes.ok();
  result.problem = !elements.ok() ? elements : nodes;

  const auto extents = common::ReadExtents(position);
  if (extents) {
    frame.extents = extents->box;
  } else {
    // The frame's dimensions would be drawn from the defaults: nothing is drawn.
    frame.damaged = true;
    if (result.problem.ok()) result.problem = extents.failure();
  }
  frame.units_per_metre = UnitsPerMetre(frame.extents);

  const std::string marker = position.File(names::kGraphicsRequest);
  frame.graphics_requested = plat::FileExists(marker);
  if (frame.graphics_requested) {
    (void)plat::RemoveFile(marker);
    result.graphics_marker = 1;
  }
  return result;
}

bool WriteGraphicsMarker(const common::Position& position) {
  return common::WriteInt32File(position.File(common::file_names::kGraphicsRequest), 1);
}

}  // namespace quentaris

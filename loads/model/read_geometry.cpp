#include "loads/model/read_geometry.h"

#include "common/position/extents_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/load_checks.h"
#include "platform/files.h"

namespace pundf {
namespace fn = common::file_names;
namespace {

constexpr int kDamagedExit = -1;

template <class Tab>
ReadOutcome ReadModelTable(const std::string& path, Tab& table) {
  auto read = common::ReadTable<Tab>(path);
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Fatal(check, kDamagedExit);
  table = std::move(read.table);
  return ReadOutcome::Ok();
}

}  // namespace

ReadOutcome ReadGeometry(LoadModel& model) {
  const common::Position& pos = model.position;
  Geometry g;

  const std::string params_path = pos.File(fn::kFrameParams);
  auto params = common::ReadBlockRecord<common::FrameParams>(params_path);
  if (params.status.missing()) {
    return ReadOutcome::Fatal(common::Result::Fail("No frame, no file " + params_path + ".", "Error"), 0);
  }
  if (auto check = common::CheckFile(params_path, params.status); !check) {
    return ReadOutcome::Fatal(check, kDamagedExit);
  }
  g.params = params.record;

  for (ReadOutcome r : {ReadModelTable(pos.File(fn::kElements), g.elements),
                        ReadModelTable(pos.File(fn::kCrossSections), g.cross_sections),
                        ReadModelTable(pos.File(fn::kNodes), g.nodes),
                        ReadModelTable(pos.File(fn::kSupports), g.supports)}) {
    if (!r.ok()) return r;
  }
  if (auto problem = CheckSettlements(g.supports, g)) {
    return ReadOutcome::Fatal(DamagedFile(pos.File(fn::kSupports), *problem), kDamagedExit);
  }

  auto extents = common::ReadExtents(pos);
  if (!extents) return ReadOutcome::Fatal(extents.failure(), kDamagedExit);
  g.extents = extents->box;
  g.drawing_step = extents->step;

  model.geometry = std::move(g);
  return ReadOutcome::Ok();
}

}  // namespace pundf

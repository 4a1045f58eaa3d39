#include "loads/model/read_geometry.h"

#include <cmath>

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

  auto extents = ReadExtents(pos);
  if (!extents) return ReadOutcome::Fatal(extents.failure(), kDamagedExit);
  g.extents = extents->box;
  g.drawing_step = extents->step;

  model.geometry = std::move(g);
  return ReadOutcome::Ok();
}

common::Outcome<Extents> ReadExtents(const common::Position& position) {
  const std::string path = position.File(fn::kExtents);
  auto read = common::ReadBlockRecord<common::DrawingExtents>(path);
  if (auto check = common::CheckFile(path, read.status); !check) return check;
  Extents e;
  if (read.status.ok()) e.box = read.record;
  e.step = DrawingStep(e.box);
  return e;
}

int DrawingStep(const common::DrawingExtents& box) {
  const float w = std::fabs(box.xmax() - box.xmin());
  const float h = std::fabs(box.zmax() - box.zmin());
  if (w > 100.0f || h > 100.0f) return 100;
  struct Rule {
    float both_above;
    int step;
  };
  for (const Rule rule : {Rule{50.0f, 200}, Rule{40.0f, 250}, Rule{30.0f, 300}, Rule{20.0f, 500}, Rule{10.0f, 1000}}) {
    if (w > rule.both_above && h > rule.both_above) return rule.step;
  }
  if (w < 3.0f && h < 3.0f) return 5000;
  return 2000;
}

}  // namespace pundf

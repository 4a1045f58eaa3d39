#include "Quon/input/read_load_case.h"

#include "Quon/input/model_indices.h"
#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "platform/files.h"

namespace zedir {
namespace {

// `count` records of a load file that must exist.
template <class Tab>
common::Result ReadCountedLoads(const std::string& path, int count, Tab& table) {
  table.Clear();
  if (count <= 0) return common::Result::Ok();
  if (common::Result missing = RequireFile(path); !missing) return missing;
  auto read = common::ReadRecords<Tab>(path, count);
  if (read.status.missing()) return FileMissing(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  table = std::move(read.table);
  return common::Result::Ok();
}

common::Result CheckPointLoads(const Run& run, const std::string& path) {
  for (int k = 1; k <= run.point_loads.count(); ++k) {
    const common::PointLoadRecord& load = run.point_loads[k];
    if (load.placement() == common::PointLoadRecord::kAtNode && !InRange(load.node(), run.nodes.count())) {
      return InputError(path, RecordRef("point load", k) + IndexProblem("node", load.node(), run.nodes.count()));
    }
    if (load.placement() == common::PointLoadRecord::kOnElement && !InRange(load.element(), run.elements.count())) {
      return InputError(path,
                        RecordRef("point load", k) + IndexProblem("element", load.element(), run.elements.count()));
    }
  }
  return common::Result::Ok();
}

common::Result CheckLineLoads(const Run& run, const std::string& path) {
  for (int k = 1; k <= run.line_loads.count(); ++k) {
    const common::LineLoadRecord& load = run.line_loads[k];
    if (!InRange(load.element(), run.elements.count())) {
      return InputError(path, RecordRef("line load", k) + IndexProblem("element", load.element(), run.elements.count()));
    }
    for (int node : {load.start_node(), load.end_node()}) {
      if (node != 0 && !InRange(node, run.nodes.count())) {
        return InputError(path, RecordRef("line load", k) + IndexProblem("node", node, run.nodes.count()));
      }
    }
  }
  return common::Result::Ok();
}

common::Result ReadTemperatures(Run& run) {
  run.temperatures.Clear();
  if (run.load_case_params.temperature_flag() == 0) return common::Result::Ok();
  const std::string path = run.position.LoadCaseFile(common::file_names::kTemperatures, run.load_case);
  if (!plat::FileExists(path)) return common::Result::Ok();
  auto read = common::ReadRecords<common::TemperatureTable>(path, run.elements.count());
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  run.temperatures = std::move(read.table);
  return common::Result::Ok();
}

}  // namespace

common::Result ReadLoadCaseFiles(Run& run) {
  namespace names = common::file_names;
  const std::string point_path = run.position.LoadCaseFile(names::kPointLoads, run.load_case);
  if (auto r = ReadCountedLoads(point_path, run.load_case_params.point_load_count(), run.point_loads); !r) return r;
  for (common::PointLoadRecord& load : run.point_loads.used()) {
    if (load.kind() == common::PointLoadRecord::kMoment) load.set_kind_value(load.kind_value() * -1.0f);
  }
  if (auto r = CheckPointLoads(run, point_path); !r) return r;

  const std::string line_path = run.position.LoadCaseFile(names::kLineLoads, run.load_case);
  if (auto r = ReadCountedLoads(line_path, run.load_case_params.line_load_record_count(), run.line_loads); !r) {
    return r;
  }
  if (auto r = CheckLineLoads(run, line_path); !r) return r;
  return ReadTemperatures(run);
}

}  // namespace zedir

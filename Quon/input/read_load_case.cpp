#include "Quon/input/read_load_case.h"

#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/position/file_names.h"
#include "common/position/load_checks.h"
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

// An input error naming the file, the record and the index, as the model's checks phrase it.
common::Result InputFault(const std::string& path, const common::Fault& fault) {
  if (!fault) return common::Result::Ok();
  return InputError(path, RecordRef(fault->record, fault->k) + IndexProblem(fault->kind, fault->number, fault->available));
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
  if (auto r = InputFault(point_path, common::FindPointLoadFault(run.point_loads, run.nodes, run.elements)); !r) {
    return r;
  }

  const std::string line_path = run.position.LoadCaseFile(names::kLineLoads, run.load_case);
  if (auto r = ReadCountedLoads(line_path, run.load_case_params.line_load_record_count(), run.line_loads); !r) {
    return r;
  }
  if (auto r = InputFault(line_path, common::FindLineLoadFault(run.line_loads, run.nodes, run.elements)); !r) {
    return r;
  }
  return ReadTemperatures(run);
}

}  // namespace zedir

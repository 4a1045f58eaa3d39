#include "graphics/model/read_load_case_files.h"

#include <utility>

#include "common/position/file_names.h"
#include "common/position/load_checks.h"
#include "common/records/record_files.h"
#include "graphics/model/file_outcomes.h"
#include "platform/files.h"

namespace revuzavi {
namespace fn = common::file_names;
namespace {

inline constexpr const char* kPointLoadCopyFile = "SRC_TEMP";
inline constexpr const char* kAuxPointLoadFile = "SRCAUX";

// A moment is stored with its value as typed and held with the solver's sign.
void FlipMoments(common::PointLoadTable& loads) {
  for (common::PointLoadRecord& load : loads.used()) {
    if (load.kind() == common::PointLoadRecord::kMoment) load.set_kind_value(-load.kind_value());
  }
}

struct LoadCase {
  common::LoadCaseParams params;
  common::PointLoadTable point_loads;
  common::LineLoadTable line_loads;
  common::TemperatureTable temperatures;
  common::PrestressTable prestress;
};

common::ReadOutcome ReadParams(const ViewerState& state, LoadCase& lc) {
  const std::string path = state.position.LoadCaseFile(fn::kLoadCaseParams, state.current_load_case);
  auto read = common::ReadBlockRecord<common::LoadCaseParams>(path);
  if (read.status.missing()) return common::ReadOutcome::Ok();
  if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
  for (common::Problem problem :
       {common::CheckCount("point loads", read.record.point_load_count(), common::kMaxPointLoads),
        common::CheckCount("line-load records", read.record.line_load_record_count(), common::kMaxLineLoads)}) {
    if (problem) return DamagedEnd(path, *problem);
  }
  lc.params = read.record;
  return common::ReadOutcome::Ok();
}

// Records 1..count of a load file that must be there when count is above 0.
template <class Tab>
common::ReadOutcome ReadRequired(const std::string& path, int count, Tab& table) {
  if (count < 1) return common::ReadOutcome::Ok();
  if (auto end = ExitIfFileMissing(path); !end.ok()) return end;
  auto read = common::ReadRecords<Tab>(path, count);
  if (read.status.missing()) return FileMissingEnd(path);
  if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
  table = std::move(read.table);
  return common::ReadOutcome::Ok();
}

common::ReadOutcome ReadLoads(const ViewerState& state, LoadCase& lc) {
  const int number = state.current_load_case;

  const std::string points = state.position.LoadCaseFile(fn::kPointLoads, number);
  if (auto r = ReadRequired(points, lc.params.point_load_count(), lc.point_loads); !r.ok()) return r;
  if (auto problem = common::CheckPointLoads(lc.point_loads, state.nodes, state.elements)) {
    return DamagedEnd(points, *problem);
  }
  FlipMoments(lc.point_loads);

  const std::string lines = state.position.LoadCaseFile(fn::kLineLoads, number);
  if (auto r = ReadRequired(lines, lc.params.line_load_record_count(), lc.line_loads); !r.ok()) return r;
  if (auto problem = common::CheckLineLoads(lc.line_loads, state.nodes, state.elements)) return DamagedEnd(lines, *problem);

  if (lc.params.temperature_flag() != 0) {
    const std::string path = state.position.LoadCaseFile(fn::kTemperatures, number);
    auto read = common::ReadRecords<common::TemperatureTable>(path, state.elements.count());
    if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
    if (!read.status.missing()) lc.temperatures = std::move(read.table);
  }

  lc.params.set_prestress_count(0);
  if (lc.params.prestress_flag() != 0) {
    const std::string path = state.position.LoadCaseFile(fn::kPrestress, number);
    auto read = common::ReadPrestressFile(path);
    if (auto end = EndIfDamaged(path, read.status); !end.ok()) return end;
    if (auto problem = common::CheckPrestress(read.table, state.elements)) return DamagedEnd(path, *problem);
    if (!read.status.missing()) {
      lc.prestress = std::move(read.table);
      lc.params.set_prestress_count(static_cast<std::int16_t>(lc.prestress.count()));
    }
  }
  return common::ReadOutcome::Ok();
}

}  // namespace

common::ReadOutcome ReadLoadCaseFiles(ViewerState& state) {
  LoadCase lc;
  if (auto r = ReadParams(state, lc); !r.ok()) return r;
  if (auto r = ReadLoads(state, lc); !r.ok()) return r;
  state.load_case_params = lc.params;
  state.point_loads = std::move(lc.point_loads);
  state.line_loads = std::move(lc.line_loads);
  state.temperatures = std::move(lc.temperatures);
  state.prestress = std::move(lc.prestress);
  return common::ReadOutcome::Ok();
}

namespace {

bool WritePointLoads(const ViewerState& state, int count, const std::string& path) {
  if (count < 1) return true;
  if (count > state.point_loads.count()) return false;
  common::PointLoadTable copy;
  for (int k = 1; k <= count; ++k) (void)copy.Append(state.point_loads[k]);
  FlipMoments(copy);
  return common::WriteRecords(path, copy);
}

bool ReadPointLoads(ViewerState& state, int count, const std::string& path) {
  if (count < 1) return true;
  if (count > common::PointLoadTable::kCapacity) return false;
  auto read = common::ReadRecords<common::PointLoadTable>(path, count);
  if (!read.status.ok()) return false;
  FlipMoments(read.table);
  state.point_loads = std::move(read.table);
  return true;
}

std::string AuxPointLoadFile(const ViewerState& state) {
  return state.position.File(kAuxPointLoadFile + state.current_load_case_text);
}

}  // namespace

bool WritePointLoadCopy(const ViewerState& state, int count, int i) {
  return WritePointLoads(state, count, state.position.File(kPointLoadCopyFile + std::to_string(i)));
}

bool ReadPointLoadCopy(ViewerState& state, int count, int i) {
  return ReadPointLoads(state, count, state.position.File(kPointLoadCopyFile + std::to_string(i)));
}

void DeletePointLoadCopies(const ViewerState& state, int last) {
  for (int i = 0; i <= last; ++i) (void)plat::RemoveFile(state.position.File(kPointLoadCopyFile + std::to_string(i)));
}

bool WriteAuxPointLoads(const ViewerState& state, int count) {
  return WritePointLoads(state, count, AuxPointLoadFile(state));
}

bool ReadAuxPointLoads(ViewerState& state, int count) { return ReadPointLoads(state, count, AuxPointLoadFile(state)); }

}  // namespace revuzavi

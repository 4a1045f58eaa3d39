#include "loads/model/read_load_case.h"

#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "loads/model/load_checks.h"

namespace pundf {
namespace fn = common::file_names;
namespace {

// Records 1..count of a file without a count field into `table`; a missing file
// leaves `table` as it is.
template <class Tab>
ReadOutcome ReadCountedBy(const std::string& path, int count, Tab& table) {
  auto read = common::ReadRecords<Tab>(path, count);
  if (read.status.missing()) return ReadOutcome::Ok();
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Refused(check);
  table = std::move(read.table);
  return ReadOutcome::Ok();
}

ReadOutcome Refuse(const std::string& path, const Problem& problem) {
  return ReadOutcome::Refused(DamagedFile(path, *problem));
}

// The PL counts that the reads below rely on.
Problem CheckParamsCounts(const common::LoadCaseParams& p) {
  for (Problem problem : {CheckCount("point loads", p.point_load_count(), common::kMaxPointLoads),
                          CheckCount("line-load records", p.line_load_record_count(), common::kMaxLineLoads),
                          CheckCount("user line loads", p.user_line_load_count(), common::kMaxLineLoads),
                          CheckCount("prestress entries", p.prestress_count(), common::kMaxPrestressEntries)}) {
    if (problem) return problem;
  }
  if (p.user_line_load_count() > p.line_load_record_count()) {
    return "it claims " + std::to_string(p.user_line_load_count()) + " user line loads among " +
           std::to_string(p.line_load_record_count()) + " line-load records";
  }
  return std::nullopt;
}

// `geometry` null: the loads are not checked against a frame.
ReadOutcome ReadPointLoads(const common::Position& pos, const Geometry* geometry, int number, LoadCase& lc) {
  const int count = lc.params.point_load_count();
  lc.point_notes.SetCount(count);
  if (count == 0) return ReadOutcome::Ok();
  const std::string path = pos.LoadCaseFile(fn::kPointLoads, number);
  auto read = common::ReadRecords<common::PointLoadTable>(path, count);
  if (read.status.missing()) return FatalReadError(path);
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Refused(check);
  if (geometry != nullptr) {
    if (auto problem = CheckPointLoads(read.table, *geometry)) return Refuse(path, problem);
  }
  lc.point_loads = std::move(read.table);
  return ReadCountedBy(pos.LoadCaseFile(fn::kPointLoadNotes, number), count, lc.point_notes);
}

ReadOutcome ReadLineLoads(const common::Position& pos, const Geometry* geometry, int number, LoadCase& lc) {
  const int count = lc.params.user_line_load_count();
  lc.params.set_line_load_record_count(static_cast<std::int16_t>(count));
  lc.line_notes.SetCount(count);
  if (count == 0) return ReadOutcome::Ok();
  const std::string path = pos.LoadCaseFile(fn::kLineLoads, number);
  auto read = common::ReadRecords<common::LineLoadTable>(path, count);
  if (read.status.missing()) {
    return ReadOutcome::Fatal(common::Result::Fail("The file " + path + " is missing", "Error"), -1);
  }
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Refused(check);
  if (geometry != nullptr) {
    if (auto problem = CheckLineLoads(read.table, *geometry)) return Refuse(path, problem);
  }
  lc.line_loads = std::move(read.table);
  return ReadCountedBy(pos.LoadCaseFile(fn::kLineLoadNotes, number), count, lc.line_notes);
}

ReadOutcome ReadSettlements(const common::Position& pos, const Geometry& geometry, int number, LoadCase& lc) {
  const std::string path = pos.LoadCaseFile(fn::kSupports, number);
  auto read = common::ReadTable<common::NodeRefTable>(path);
  if (read.status.missing()) return ReadOutcome::Ok();
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Refused(check);
  if (auto problem = CheckSettlements(read.table, geometry)) return Refuse(path, problem);
  lc.settlements = std::move(read.table);
  return ReadOutcome::Ok();
}

ReadOutcome ReadPrestress(const common::Position& pos, const Geometry& geometry, int number, LoadCase& lc) {
  const std::string path = pos.LoadCaseFile(fn::kPrestress, number);
  // The PL count holds; the file's own count is not read.
  auto read = common::ReadPrestressFile(path, lc.params.prestress_count());
  if (read.status.missing()) return ReadOutcome::Ok();
  if (auto check = common::CheckFile(path, read.status); !check) return ReadOutcome::Refused(check);
  if (auto problem = CheckPrestress(read.table, geometry)) return Refuse(path, problem);
  lc.prestress = std::move(read.table);
  return ReadOutcome::Ok();
}

}  // namespace

ReadOutcome FatalReadError(const std::string& path) {
  return ReadOutcome::Fatal(common::Result::Fail("Read error or the file " + path + " is missing.", "Error"), -1);
}

namespace {

// PL, the point loads and the user line loads with their notes.
ReadOutcome ReadParamsAndLoads(const common::Position& pos, const Geometry* geometry, int number, LoadCase& lc) {
  if (number < 1 || number > common::kMaxLoadCases) {
    return ReadOutcome::Refused(common::Result::Fail(
        "Load case " + std::to_string(number) + " does not exist: load cases are numbered 1 to 99.", "Error"));
  }
  const std::string params_path = pos.LoadCaseFile(fn::kLoadCaseParams, number);
  auto params = common::ReadBlockRecord<common::LoadCaseParams>(params_path);
  if (params.status.missing()) {
    return ReadOutcome::Refused(common::Result::Fail("The file " + params_path + " is missing", "Error"));
  }
  if (auto check = common::CheckFile(params_path, params.status); !check) return ReadOutcome::Refused(check);
  if (auto problem = CheckParamsCounts(params.record)) return Refuse(params_path, problem);
  lc.params = params.record;
  // The file's name decides which load case this is.
  lc.params.set_load_case(static_cast<std::int16_t>(number));
  lc.params.set_load_case_text(common::CurrentLoadCaseText(number));

  if (auto r = ReadPointLoads(pos, geometry, number, lc); !r.ok()) return r;
  return ReadLineLoads(pos, geometry, number, lc);
}

}  // namespace

ReadOutcome ReadStoredLoads(const common::Position& position, int number, LoadCase& into) {
  LoadCase lc;
  if (auto r = ReadParamsAndLoads(position, nullptr, number, lc); !r.ok()) return r;
  into = std::move(lc);
  return ReadOutcome::Ok();
}

ReadOutcome ReadLoadCase(LoadModel& model, int number) {
  return ReadLoadCaseFiles(model.position, model.geometry, number, model.load_case);
}

ReadOutcome ReadLoadCaseFiles(const common::Position& pos, const Geometry& geometry, int number, LoadCase& into) {
  LoadCase lc = EmptyLoadCase(geometry, number);
  if (auto r = ReadParamsAndLoads(pos, &geometry, number, lc); !r.ok()) return r;
  if (lc.params.temperature_flag() != 0) {
    auto r = ReadCountedBy(pos.LoadCaseFile(fn::kTemperatures, number), geometry.element_count(), lc.temperatures);
    if (!r.ok()) return r;
  }
  if (lc.params.settlement_flag() != 0) {
    if (auto r = ReadSettlements(pos, geometry, number, lc); !r.ok()) return r;
  }
  if (lc.params.prestress_flag() != 0) {
    if (auto r = ReadPrestress(pos, geometry, number, lc); !r.ok()) return r;
  }

  into = std::move(lc);
  return ReadOutcome::Ok();
}

}  // namespace pundf

#include "Quon/tests/support/test_position.h"

#include <cstring>

#include "common/position/file_names.h"
#include "common/records/load_case_diary.h"
#include "common/records/record_files.h"
#include "common/records/solver_job.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace zedir::testing {

namespace names = common::file_names;

TestPosition::TestPosition(const std::string& root) {
  settings_.folder = root + "settings";
  settings_.found = plat::MakeFolder(settings_.folder);
  position_ = common::Position(root + "data/", ".7");
  common::EnsurePositionFolder(position_);
  common::WriteTextBlock(common::JoinSettingsPath(settings_, "EXTR"), ".7");
  common::WriteTextBlock(common::JoinSettingsPath(settings_, "DPATH"), root + "data/");
}

void TestPosition::WriteModel(const FrameModel& model) const {
  common::WriteBlockRecord(File(names::kFrameParams), model.params);
  common::WriteTable(File(names::kMaterials), model.materials);
  common::WriteTable(File(names::kCrossSections), model.sections);
  common::WriteTable(File(names::kElements), model.elements);
  common::WriteTable(File(names::kNodes), model.nodes);
  common::WriteTable(File(names::kSupports), model.supports);
  common::LoadCaseDiary diary;
  common::WriteBlockRecord(File(names::kDiary), diary);
  common::WriteInt32File(File(names::kGeometryMarker), 1);  // as a completed Store leaves it
}

void TestPosition::WriteJob(const std::vector<int>& load_cases, int count, const std::vector<int>& steps) const {
  common::SolverJob job;
  job.set_count(static_cast<std::int16_t>(count >= 0 ? count : static_cast<int>(load_cases.size())));
  for (std::size_t k = 0; k < load_cases.size(); ++k) {
    job.set_load_case(static_cast<int>(k + 1), static_cast<std::uint8_t>(load_cases[k]));
  }
  for (std::size_t k = 0; k < steps.size(); ++k) {
    job.set_step(static_cast<int>(k + 1), static_cast<std::uint8_t>(steps[k]));
  }
  common::WriteBlockRecord(File(names::kSolverJob), job);
}

void TestPosition::WriteLoadCase(int load_case, const LoadCaseFiles& files) const {
  common::LoadCaseParams params = files.params;
  params.set_load_case(static_cast<std::int16_t>(load_case));
  params.set_load_case_text(common::CurrentLoadCaseText(load_case));
  params.set_point_load_count(static_cast<std::int16_t>(files.point_loads.count()));
  params.set_line_load_record_count(static_cast<std::int16_t>(files.line_loads.count()));
  params.set_user_line_load_count(static_cast<std::int16_t>(files.line_loads.count()));
  if (!files.temperatures.empty()) {
    params.set_temperature_flag(1);
    common::WriteRecords(LoadCaseFile(names::kTemperatures, load_case), files.temperatures);
  }
  if (!files.prestress.empty()) {
    params.set_prestress_flag(1);
    params.set_prestress_count(static_cast<std::int16_t>(files.prestress.count()));
    common::WritePrestressFile(LoadCaseFile(names::kPrestress, load_case), files.prestress);
  }
  if (!files.settlements.empty()) {
    params.set_settlement_flag(1);
    common::WriteTable(LoadCaseFile(names::kSupports, load_case), files.settlements);
  }
  if (!files.point_loads.empty()) common::WriteRecords(LoadCaseFile(names::kPointLoads, load_case), files.point_loads);
  if (!files.line_loads.empty()) common::WriteRecords(LoadCaseFile(names::kLineLoads, load_case), files.line_loads);
  common::WriteBlockRecord(LoadCaseFile(names::kLoadCaseParams, load_case), params);
}

std::vector<std::byte> FileBytes(const std::string& path) {
  return plat::ReadWholeFile(path).value_or(std::vector<std::byte>{});
}

std::string FileText(const std::string& path) {
  const std::vector<std::byte> bytes = FileBytes(path);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

float FloatAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  float v = 0;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

double DoubleAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  double v = 0;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

std::vector<double> FileDoubles(const std::string& path) {
  const auto bytes = FileBytes(path);
  std::vector<double> values(bytes.size() / sizeof(double));
  if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * sizeof(double));
  return values;
}

std::vector<float> FileFloats(const std::string& path) {
  const auto bytes = FileBytes(path);
  std::vector<float> values(bytes.size() / sizeof(float));
  if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
  return values;
}

}  // namespace zedir::testing

#include "geometry/generators/generator_files.h"

#include <utility>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"

namespace kelmf {
namespace {

constexpr const char* kSpanFile = "DLT";
constexpr const char* kStoreyFile = "RAHMENDAT";
constexpr const char* kArcFile = "BOGEN";

// A missing file is an empty table; a damaged one is reported and `table` stays.
template <class Tab>
common::Result ReadInputTable(const std::string& path, Tab& table) {
  auto read = common::ReadTable<Tab>(path);
  if (read.status.damaged()) return common::CheckFile(path, read.status);
  table = std::move(read.table);
  return common::Result::Ok();
}

}  // namespace

common::Result ReadSpanFile(FrameModel& model, const common::Position& position) {
  common::Result read = ReadInputTable(position.File(kSpanFile), model.spans);
  model.params.set_span_count(static_cast<std::int16_t>(model.spans.count()));
  return read;
}

common::Result WriteSpanFile(const FrameModel& model, const common::Position& position) {
  return StoreTable(position.File(kSpanFile), model.spans);
}

common::Result ReadStoreyFile(FrameModel& model, const common::Position& position) {
  common::Result read = ReadInputTable(position.File(kStoreyFile), model.storeys);
  model.params.set_storey_count(static_cast<std::int16_t>(model.storeys.count()));
  return read;
}

common::Result WriteStoreyFile(const FrameModel& model, const common::Position& position) {
  return StoreTable(position.File(kStoreyFile), model.storeys);
}

ArcInput ReadArcInput(const common::Position& position) {
  auto read = common::ReadBlockRecord<ArcInput>(position.File(kArcFile));
  return read.status.ok() ? read.record : ArcInput::Default();
}

common::Result WriteArcInput(const ArcInput& input, const common::Position& position) {
  return StoreBlock(position.File(kArcFile), input);
}

common::Result WriteGeometryMarker(std::int32_t value, const common::Position& position) {
  const std::string path = position.File(common::file_names::kGeometryMarker);
  return common::WriteInt32File(path, value) ? common::Result::Ok() : CannotStore(path);
}

}  // namespace kelmf

#include "geometry/model/model_file_writer.h"

#include <algorithm>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/check/inverse_files.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace kelmf {

namespace {

struct ByteRange {
  std::size_t offset;
  std::size_t size;
};

// The FrameParams bytes that only the geometry editor reads.
constexpr ByteRange kEditorOnlyParams[] = {
    {4, 2},    // the elements table's flag
    {52, 2},   // its arc setting
    {68, 2},   // an input default of the Input panel
    {98, 2},   // the editor's state (the elements table edits at once while 0)
    {108, 6},  // the panel's input defaults and the concrete class at 110
    {496, 8},  // a model constant the generators and the materials table clear
    {536, 8},  // E of material 1, the default of a new material
    {665, 1},  // the continuous-beam marker
    {678, 1},  // the material input flags
    {686, 1},
    {691, 1},  // the arc marker
    {698, 2},  // the counts of spans and storeys of the generators' tables
    {700, 2},
};

common::Result Replace(const std::string& path, const std::vector<std::byte>& bytes) {
  return plat::ReplaceWholeFile(path, bytes.data(), bytes.size()) ? common::Result::Ok() : CannotStore(path);
}

}  // namespace

bool SameModelParams(const common::FrameParams& a, const common::FrameParams& b) {
  common::FrameParams x = a, y = b;
  for (const ByteRange& range : kEditorOnlyParams) {
    std::fill_n(x.bytes().begin() + static_cast<std::ptrdiff_t>(range.offset), range.size, std::byte{0});
    std::fill_n(y.bytes().begin() + static_cast<std::ptrdiff_t>(range.offset), range.size, std::byte{0});
  }
  return x == y;
}

common::Result WriteIfChanged(const std::string& path, const std::vector<std::byte>& bytes) {
  if (plat::ReadWholeFile(path) == bytes) return common::Result::Ok();
  return Replace(path, bytes);
}

common::Result ModelFileWriter::Write(const std::string& path, const std::vector<std::byte>& bytes) {
  if (plat::ReadWholeFile(path) == bytes) return common::Result::Ok();
  if (!changed_) {
    // GEOMETRY first: whenever the writing stops, no 1 stands beside an inverse of another frame.
    if (common::Result marker = WriteGeometryMarker(0, position_); !marker) return marker;
    DeleteInverseFiles(position_);
    changed_ = true;
  }
  return Replace(path, bytes);
}

common::Result ModelFileWriter::Params(const common::FrameParams& params) {
  const std::string path = position_.File(common::file_names::kFrameParams);
  const auto stored = common::ReadBlockRecord<common::FrameParams>(path);
  if (stored.status.ok() && SameModelParams(stored.record, params)) return WriteIfChanged(path, BlockFileBytes(params));
  return Write(path, BlockFileBytes(params));
}

}  // namespace kelmf

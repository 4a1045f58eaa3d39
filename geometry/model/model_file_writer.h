#pragma once
// Writing a position's model files without giving up a checked geometry for
// nothing: a file whose bytes come out as stored is left as it is; before the
// first file that changes, GEOMETRY becomes 0 and INVERSE, FLEXDIA and
// FLEXMAX are removed, so that no program computes with the inverse of another
// frame, whenever the writing stops. Every write replaces its file whole.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/records/frame_params.h"
#include "common/result.h"

namespace kelmf {

// The bytes of a table file: the int16 count, then records 1..count.
template <class Tab>
std::vector<std::byte> TableFileBytes(const Tab& table) {
  const auto records = table.used_bytes();
  std::vector<std::byte> bytes(2 + records.size());
  const std::int16_t count = static_cast<std::int16_t>(table.count());
  std::memcpy(bytes.data(), &count, 2);
  if (!records.empty()) std::memcpy(bytes.data() + 2, records.data(), records.size());
  return bytes;
}

// The bytes of a file of records without a count.
template <class Tab>
std::vector<std::byte> RecordFileBytes(const Tab& table) {
  const auto records = table.used_bytes();
  return std::vector<std::byte>(records.begin(), records.end());
}

// The bytes of a file of one block.
template <class R>
std::vector<std::byte> BlockFileBytes(const R& record) {
  return std::vector<std::byte>(record.bytes().begin(), record.bytes().end());
}

// Writes `bytes` at `path` (replacing the file whole) unless the file holds
// them already; for the files of a position that are no model (the drawing
// extents, the generators' input). A failure names the file.
common::Result WriteIfChanged(const std::string& path, const std::vector<std::byte>& bytes);

class ModelFileWriter {
 public:
  explicit ModelFileWriter(common::Position position) : position_(std::move(position)) {}

  // Writes `bytes` at `path` unless the file holds them already. A failure
  // names the file.
  common::Result Write(const std::string& path, const std::vector<std::byte>& bytes);
  template <class Tab>
  common::Result Table(const char* base, const Tab& table) {
    return Write(position_.File(base), TableFileBytes(table));
  }
  template <class R>
  common::Result Block(const char* base, const R& record) {
    return Write(position_.File(base), BlockFileBytes(record));
  }
  // PARAMR: a block that differs from the stored one only in the geometry
  // editor's own input bookkeeping (SameModelParams) is written, and the
  // stored geometry stays: no program computes with those bytes.
  common::Result Params(const common::FrameParams& params);

  // Whether a file changed: the stored geometry is given up.
  bool changed() const { return changed_; }

 private:
  common::Position position_;
  bool changed_ = false;
};

// Whether two FrameParams blocks differ only in the bytes that the geometry
// editor alone reads: its input defaults and input flags, the table's flags
// and the generators' markers and counts (their offsets are listed in the
// writer's source).
bool SameModelParams(const common::FrameParams& a, const common::FrameParams& b);

}  // namespace kelmf

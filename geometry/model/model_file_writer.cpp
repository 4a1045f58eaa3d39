#include "geometry/model/model_file_writer.h"

#include "geometry/check/inverse_files.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace kelmf {

common::Result ModelFileWriter::Write(const std::string& path, const std::vector<std::byte>& bytes) {
  if (plat::ReadWholeFile(path) == bytes) return common::Result::Ok();
  if (!changed_) {
    // GEOMETRY first: whenever the writing stops, no 1 stands beside an inverse of another frame.
    if (common::Result marker = WriteGeometryMarker(0, position_); !marker) return marker;
    DeleteInverseFiles(position_);
    changed_ = true;
  }
  return plat::ReplaceWholeFile(path, bytes.data(), bytes.size()) ? common::Result::Ok() : CannotStore(path);
}

}  // namespace kelmf

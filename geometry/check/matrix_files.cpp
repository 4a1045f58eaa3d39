#include "geometry/check/matrix_files.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/binary_io.h"
#include "platform/files.h"

namespace kelmf {
namespace {

std::size_t Bytes(const mechanics::Matrix& k) { return k.valueCount() * sizeof(double); }

}  // namespace

common::Result MatrixFileError() { return common::Result::Fail("Error on opening binary file for matrix", "Error"); }

common::Result WriteMatrixFile(const common::Position& position, std::string_view name, const mechanics::Matrix& k) {
  return plat::WriteBlock(position.File(name), k.data(), Bytes(k)) ? common::Result::Ok() : MatrixFileError();
}

bool ReadMatrixFile(const common::Position& position, std::string_view name, mechanics::Matrix& k) {
  const std::string path = position.File(name);
  const auto size = plat::FileSize(path);
  if (!size || static_cast<std::size_t>(*size) != Bytes(k)) return false;
  mechanics::Matrix read(k.size());
  if (!plat::ReadBlock(path, read.data(), Bytes(read))) return false;
  for (int i = 1; i <= read.size(); ++i) read.row(i)[0] = 0.0;
  k = std::move(read);
  return true;
}

bool WriteSquareFile(const std::string& path, const mechanics::Matrix& m) {
  // Entries 1..n of each row where they lie, gathered into one write.
  const int n = m.size();
  std::vector<plat::BlockPiece> rows;
  rows.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) rows.push_back({m.row(i) + 1, static_cast<std::size_t>(n) * sizeof(double)});
  return plat::WriteBlock(path, rows);
}

}  // namespace kelmf

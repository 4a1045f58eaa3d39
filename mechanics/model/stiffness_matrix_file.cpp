#include "mechanics/model/stiffness_matrix_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "platform/binary_io.h"
#include "platform/files.h"

namespace mechanics {
namespace {

common::FileStatus Status(plat::TableState state, std::string problem = {}) {
  common::FileStatus status;
  status.state = state;
  status.problem = std::move(problem);
  return status;
}

}  // namespace

common::FileStatus ReadStiffnessMatrix(const std::string& path, int n, Matrix& k) {
  Matrix read(n);
  const std::size_t expected = read.valueCount() * sizeof(double);
  const std::optional<std::int64_t> size = plat::FileSize(path);
  if (!size) return Status(plat::TableState::kMissing);
  if (static_cast<std::uint64_t>(*size) != expected) {
    return Status(plat::TableState::kDamaged, "it holds " + std::to_string(*size) + " bytes, not the " +
                                                  std::to_string(expected) + " of " + std::to_string(n) +
                                                  " equations");
  }
  if (!plat::ReadBlock(path, read.data(), expected)) return Status(plat::TableState::kMissing);
  for (int i = 1; i <= n; ++i) read.row(i)[0] = 0.0;
  if (!std::all_of(read.data(), read.data() + read.valueCount(), [](double v) { return std::isfinite(v); })) {
    return Status(plat::TableState::kDamaged, "it holds a number that is not finite");
  }
  k = std::move(read);
  return Status(plat::TableState::kOk);
}

}  // namespace mechanics

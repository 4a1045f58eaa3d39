#include "graphics/model/read_results.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "graphics/model/file_outcomes.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace fn = common::file_names;
namespace {

common::FileStatus Read() {
  common::FileStatus status;
  status.state = plat::TableState::kOk;
  return status;
}

// `count` values of type T from the start of the file (surplus bytes ignored).
template <class T>
common::FileStatus ReadValues(const std::string& path, std::size_t count, std::vector<T>& values) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return common::FileStatus{};
  const std::size_t size = count * sizeof(T);
  if (bytes->size() < size) {
    return DamagedStatus("it holds " + std::to_string(bytes->size()) + " bytes instead of " + std::to_string(size));
  }
  values.assign(count, T{});
  if (size > 0) std::memcpy(values.data(), bytes->data(), size);
  if (!std::all_of(values.begin(), values.end(), [](T v) { return std::isfinite(v); })) {
    return DamagedStatus("it holds a number that is not finite");
  }
  return Read();
}

std::string LoadCaseResult(const ViewerState& state, const char* base, std::string_view text) {
  return state.position.folder() + base + std::string(text) + state.position.ext();
}

}  // namespace

common::FileStatus ReadDisplacementVector(ViewerState& state, std::string_view load_case_text) {
  return ReadDisplacementFile(state, LoadCaseResult(state, fn::kDisplacements, load_case_text));
}

common::FileStatus ReadDisplacementFile(ViewerState& state, const std::string& path) {
  std::vector<double> u;
  common::FileStatus status = ReadValues(path, kVectorSlots, u);
  if (status.ok()) {
    state.displacements = std::move(u);
    state.foreign_field = false;
  }
  return status;
}

common::FileStatus ReadRightHandSide(ViewerState& state, std::string_view load_case_text) {
  const int n = state.equation_count();
  std::vector<double> f;
  common::FileStatus status = ReadValues(
      state.position.FolderFile(std::string(fn::kLoadVector) + std::string(load_case_text)), n, f);
  if (status.missing()) std::fill(state.right_hand_side.begin(), state.right_hand_side.end(), 0.0);
  if (status.ok()) {
    std::fill(state.right_hand_side.begin(), state.right_hand_side.end(), 0.0);
    std::copy(f.begin(), f.end(), state.right_hand_side.begin() + 1);
  }
  return status;
}

common::FileStatus ReadEnergyTable(ViewerState& state) {
  const int m = state.elements.count();
  std::vector<float> e;
  const common::FileStatus status = ReadValues(EnergiesFile(state), m + 1, e);
  std::fill(state.energies.begin(), state.energies.begin() + m + 1, 0.0f);
  if (status.ok()) std::copy(e.begin(), e.end(), state.energies.begin());
  return status;
}

int ReadEnergies(ViewerState& state) { return ReadEnergyTable(state).ok() ? 1 : 0; }

std::string EnergiesFile(const ViewerState& state) {
  return state.position.LoadCaseFile(fn::kEnergies, state.current_load_case);
}

common::FileStatus ReadInverseRows(ViewerState& state) {
  const int n = state.equation_count();
  const std::string path = state.position.File(fn::kInverse);
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return common::FileStatus{};
  const std::size_t expected = static_cast<std::size_t>(n) * static_cast<std::size_t>(n) * sizeof(double);
  if (bytes->size() != expected) {
    return DamagedStatus("it holds " + std::to_string(bytes->size()) + " bytes instead of " +
                         std::to_string(expected) + " for " + std::to_string(n) + " equations");
  }
  mechanics::Matrix inverse(n);
  for (int r = 1; r <= n; ++r) {
    double* row = inverse.row(r) + 1;
    std::memcpy(row, bytes->data() + static_cast<std::size_t>(r - 1) * n * sizeof(double),
                static_cast<std::size_t>(n) * sizeof(double));
    if (!std::all_of(row, row + n, [](double v) { return std::isfinite(v); })) {
      return DamagedStatus("it holds a number that is not finite");
    }
  }
  state.inverse_rows = std::move(inverse);
  return Read();
}

}  // namespace revuzavi

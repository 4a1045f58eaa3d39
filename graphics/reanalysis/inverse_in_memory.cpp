#include "graphics/reanalysis/inverse_in_memory.h"

#include "common/position/file_names.h"
#include "graphics/model/read_results.h"
#include "platform/files.h"

namespace revuzavi {

bool EnsureInverse(ViewerState& state, InverseStamp& stamp) {
  const int n = state.equation_count();
  const std::string path = state.position.File(common::file_names::kInverse);
  const auto size = plat::FileSize(path);
  const auto time = plat::FileTime(path);
  const bool held = stamp.read && stamp.equations == n && state.inverse_rows.size() == n;
  if (held && size && time && *size == stamp.size && *time == stamp.time) return true;
  if (size && time && ReadInverseRows(state).ok()) {
    stamp = InverseStamp{true, n, *size, *time};
    return true;
  }
  return held;
}

}  // namespace revuzavi

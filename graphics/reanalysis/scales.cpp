#include "graphics/reanalysis/scales.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "graphics/settings/small_settings_files.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace revuzavi {

void ReadScales(ViewerState& state, ScalesParams& scales) {
  std::array<std::byte, 20> bytes{};
  float floats[3] = {};
  std::int32_t limits[2] = {};
  const bool read = plat::ReadBlock(state.position.FolderFile(kReanalysisScalesFile), bytes.data(), bytes.size());
  std::memcpy(floats, bytes.data(), sizeof floats);
  std::memcpy(limits, bytes.data() + sizeof floats, sizeof limits);
  const bool usable = read && floats[0] >= 0.0f && std::isfinite(floats[0]) && floats[1] > 0.0f && std::isfinite(floats[1]) &&
                      floats[2] > 0.0f && std::isfinite(floats[2]);
  if (usable) {
    scales = ScalesParams{floats[1], floats[2], limits[0], limits[1]};
  } else {
    floats[0] = 0.0f;
    scales = ScalesParams{};
    scales.element_limit = scales.node_limit = kLimitWithoutScales;
  }
  state.scales_factor = floats[0];
  state.scales_factor_zero = !(std::fabs(floats[0]) >= 1e-6f);
}

bool WriteScales(const ViewerState& state, const ScalesParams& scales) {
  std::array<std::byte, 20> bytes{};
  const float floats[3] = {state.scales_factor, scales.element_eps, scales.node_eps};
  const std::int32_t limits[2] = {scales.element_limit, scales.node_limit};
  std::memcpy(bytes.data(), floats, sizeof floats);
  std::memcpy(bytes.data() + sizeof floats, limits, sizeof limits);
  return plat::ReplaceWholeFile(state.position.FolderFile(kReanalysisScalesFile), bytes.data(), bytes.size());
}

}  // namespace revuzavi

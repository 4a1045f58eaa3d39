#include "mechanics/model/node_rotation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "mechanics/supported_rotation.h"

namespace mechanics {

int SupportedRotationOf(const common::NodeRecord& node) {
  std::array<std::int16_t, common::NodeRecord::kMaxRotations> rotations{};
  const int r = std::clamp<int>(node.rotation_count(), 0, common::NodeRecord::kMaxRotations);
  for (int j = 1; j <= r; ++j) rotations[static_cast<std::size_t>(j - 1)] = node.rotation_dof(j);
  return SupportedRotationEquation(std::span<const std::int16_t>(rotations.data(), static_cast<std::size_t>(r)),
                                   node.hinged_end_count(), node.end_count());
}

}  // namespace mechanics

#pragma once
// The input of the parabola generator, kept by the editor between runs and
// carried by the geometry echo text.
#include <cstdint>

namespace kelmf {

struct ParabolaInput {
  float length = 0.0f;          // span of the base line L [m]
  float height = 0.0f;          // rise f [m]
  std::int32_t elements = 0;    // number of elements n; 0: no parabola input
  friend bool operator==(const ParabolaInput&, const ParabolaInput&) = default;
};

}  // namespace kelmf

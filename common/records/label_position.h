#pragma once
// LabelPosition: where a picture's label stands, as the pictures remember it
// between drawings and the free-text files store it: 12 bytes.
#include <cstdint>

namespace common {

// A label's place in metres (x and the user's vertical z); `placed` is 0 until
// the label is first drawn at its default place.
struct LabelPosition {
  float x = 0.0f;
  float z = 0.0f;
  std::int32_t placed = 0;
};
static_assert(sizeof(LabelPosition) == 12);

}  // namespace common

#include "graphics/fem/force_extremes.h"

namespace revuzavi {
namespace {

// The element whose `value` is largest and above 0 among those `counts` admits (the first on ties).
template <class Counts, class Value>
int Extreme(const ViewerState& state, Counts counts, Value value) {
  int best = 0;
  float largest = 0.0f;
  for (int e = 1; e <= state.elements.count(); ++e) {
    const common::ElementRecord& element = state.elements[e];
    if (element.switched_off_flag() != 0 || !counts(element)) continue;
    const float v = value(element);
    if (v > largest) {
      largest = v;
      best = e;
    }
  }
  return best;
}

}  // namespace

int MostCompressedElement(const ViewerState& state) {
  return Extreme(
      state, [](const common::ElementRecord& e) { return e.compression_flag() == 0; },
      [](const common::ElementRecord& e) { return -e.min_normal_force(); });
}

int MostStretchedElement(const ViewerState& state) {
  return Extreme(
      state, [](const common::ElementRecord& e) { return e.tension_flag() == 0; },
      [](const common::ElementRecord& e) { return e.max_normal_force(); });
}

}  // namespace revuzavi

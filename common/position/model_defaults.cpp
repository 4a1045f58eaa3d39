#include "common/position/model_defaults.h"

#include <cstddef>

namespace common {
namespace {

struct Span {
  std::size_t offset;
  std::size_t width;
};

// The fields of FrameParams that a reset clears (the node count at 130 among them).
constexpr Span kClearedOnReset[] = {
    {0, 4},   {4, 4},   {12, 4},  {16, 2},  {20, 4},  {28, 4},   {32, 2},  {40, 2},  {44, 4},  {48, 4},
    {58, 2},  {62, 2},  {66, 16}, {82, 4},  {86, 4},  {90, 2},   {98, 2},  {130, 2}, {496, 8}, {504, 8},
    {520, 8}, {528, 8}, {536, 8}, {544, 16}, {560, 16}, {592, 16}, {664, 1}, {666, 2}, {668, 1}, {669, 1},
    {670, 1}, {672, 2}, {674, 1}, {675, 1}, {676, 1}, {677, 1},  {680, 4}, {684, 1},
};

}  // namespace

MaterialRecord DefaultMaterial() {
  MaterialRecord m;
  m.set_modulus(26700000.0f);
  m.set_second_value(0.0f);
  m.set_number(1);
  return m;
}

CrossSectionRecord DefaultCrossSection() {
  CrossSectionRecord c;
  c.set_width(0.2f);
  c.set_height(0.4f);
  c.set_area(0.08f);
  c.set_inertia(0.0010666667f);
  c.set_further_value(50000.0f);
  c.set_number(1);
  return c;
}

void ResetFrameParams(FrameParams& params) {
  for (const Span& s : kClearedOnReset) params.Clear(s.offset, s.width);
  params.set_tolerance(1e-6);
  params.set_angle_convention(1);
}

}  // namespace common

#pragma once
// The geometry of a straight bar: its projections, length, direction terms and
// angle, and the left-to-right storage of an element.
#include <cstdint>

#include "common/records/element_record.h"
#include "common/records/frame_params.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// The stored upward y of the user's vertical coordinate z: y = -z, a zero
// stored as +0 (a -0 would print as "-0.000" wherever y is shown).
inline float UpwardY(float z) { return 0.0f - z; }

struct BarGeometry {
  double dx = 0.0;  // xb - xa
  double dy = 0.0;  // yb - ya, upward
  double length = 0.0;
  double cosine = 0.1;  // 0.1 and 0.1 for a bar of no length
  double sine = 0.1;
  double angle = 0.0;  // radians
  // 1 when the length exceeds 1e-6, else 0.
  int result = 0;
};

// From the two end points (y upward). The angle is 0 when |sin| < 0.01, pi/2
// when |cos| < 0.01, else atan2(sin, cos); plus pi when `angle_convention`
// (FrameParams byte 679) is 0.
BarGeometry ComputeBarGeometry(double xa, double ya, double xb, double yb, std::uint8_t angle_convention);

// One element: an element pointing left (cos < 0) first exchanges its ends
// (coordinates, hinge flags, node and equation numbers; the compression and
// tension flags belong to the element and stay); then dx, dy, l, the four
// direction terms and the angle are stored. Other fields stay as they are.
void ComputeElementGeometry(common::ElementRecord& element, const common::FrameParams& params);
// Every element of the model.
void ComputeElementGeometry(FrameModel& model);

}  // namespace kelmf

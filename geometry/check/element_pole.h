#pragma once
// The pole (instantaneous centre of rotation) of an element moved by a
// mechanism, from the displacements of its ends.
#include <string>

#include "common/records/element_record.h"
#include "geometry/model/pole_table.h"
#include "mechanics/dense_vector.h"

namespace kelmf {

// Displacements of the element's ends in the mechanism.
struct EndMotion {
  double u = 0.0, v = 0.0, phi = 0.0;
};

// The mechanism's displacements at the element's start (end 1) or end (end
// 2), from its equation numbers; 0 for an equation the mechanism lacks.
EndMotion MotionOfEnd(const mechanics::Vector& mechanism, const common::ElementRecord& element, int end);

// Where an end lies: x and the user's vertical coordinate z.
struct EndPoint {
  float x = 0.0f, z = 0.0f;
};

enum class PoleKind { kLeftNode, kRightNode, kFromRotation, kAtInfinity };

struct ElementPole {
  PoleKind kind = PoleKind::kAtInfinity;
  Pole pole;
};

// In this order: at the start node when |uL| + |vL| < 0.01; at the end node
// when |uR| + |vR| < 0.01; from the start's rotation when |phiL| > 0.01
// (x = xs + vL / phiL, z = zs + uL / phiL); from the end's the same way when
// |phiR| > 0.01; else the element does not rotate and the pole lies at
// infinity: the flag is 1 and x, z stay those of `former`.
ElementPole FindPole(const EndMotion& left, const EndMotion& right, const EndPoint& start, const EndPoint& end,
                     const Pole& former);

// The listing's line of the pole, with its line end.
std::string PoleLine(const ElementPole& found);

}  // namespace kelmf

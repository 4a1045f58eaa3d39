#pragma once
// What a point load's value and direction fill in, and where a load on an
// element lies: the one rule of the load editor, the echo rebuild and the copy.
#include "common/records/element_record.h"
#include "common/records/point_load_record.h"

namespace pundf {

struct PlanePoint {
  float x = 0.0f;
  float y = 0.0f;  // upward
};

// The point `distance` metres from the element's start along its axis.
PlanePoint PointOnElement(const common::ElementRecord& element, float distance);

// Sets the load's value (byte 40) and what follows from it with the element's
// direction cosines (cos = sin = 0 for a load without an element). A force
// (kind 0) stores the direction letter and its components: 'X' gives global
// (P, 0), normal -P sin, along P cos; 'Y' (0, P), P cos, P sin; 'N' (-P sin,
// P cos), P, 0; 'T' (P cos, P sin), 0, P. Every other kind stores the value at
// byte 60 and the direction '0'.
void SetPointLoadValue(common::PointLoadRecord& load, float value, char direction, float cos, float sin);

// The force directions of a point load.
bool IsForceDirection(char direction);

}  // namespace pundf

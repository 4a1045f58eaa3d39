#pragma once
// Line loads on one element, as the generated loads, the editor's commands and
// tables and the echo rebuild make them.
#include <optional>

#include "common/records/element_record.h"
#include "common/records/line_load_record.h"

namespace pundf {

// Element number e, from the element's start to its end (x, y and the user's
// z of both), whole-element byte 1, the direction and the values A and B.
common::LineLoadRecord WholeElementLoad(const common::ElementRecord& element, int e, char direction, float a,
                                        float b);

// Element number e on the stretch xa..xb from the element's start: the points
// element start + xa (cos, sin) and element start + xb (cos, sin) with z = -y,
// whole-element byte 0, the direction and the values A and B.
common::LineLoadRecord StretchLoad(const common::ElementRecord& element, int e, char direction, float xa, float xb,
                                   float a, float b);

// A distance from the element's start, typed or read, checked against the
// element's length: small rounding past the ends (a shown "%.2f") is pulled
// onto the element; nullopt when it lies outside.
std::optional<float> DistanceOnElement(float distance, float length);

}  // namespace pundf

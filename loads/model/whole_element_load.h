#pragma once
// A line load over the whole of one element, as the generated loads and the
// editor's commands make them.
#include "common/records/element_record.h"
#include "common/records/line_load_record.h"

namespace pundf {

// Element number e, from the element's start to its end (x, y and the user's
// z of both), whole-element byte 1, the direction and the values A and B.
common::LineLoadRecord WholeElementLoad(const common::ElementRecord& element, int e, char direction, float a,
                                        float b);

}  // namespace pundf

#pragma once
// The trace listings of a vector by equation: one line per equation d = 1..n and an empty line
// after every third (a node's u, v and rotation when the node has one rotation).
#include <string>

#include "mechanics/dense_vector.h"

namespace zedir {

// `format` takes the equation (int) and its value (double), e.g. "t[%i] = %.4lf\n".
std::string EquationListing(const mechanics::Vector& values, const char* format);

}  // namespace zedir

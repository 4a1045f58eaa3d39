#pragma once
// The Green's functions of an element: six unit actions at its middle (axial force, transverse
// force, moment; axial dislocation, transverse dislocation, kink), each given by the weights of
// the inverse stiffness matrix's columns at the element's six equations. The solver sums them
// into NODDISPGFELM; the results viewer draws the fields.
#include <array>

#include "common/records/element_record.h"

namespace mechanics {

inline constexpr int kGreenCases = 6;

// The weights of the columns u, v, rotation at the start node, then at the end node, of case
// k = 1..6 (index k - 1), from the element record's direction, length, EA and EI.
std::array<std::array<float, 6>, kGreenCases> GreenCoefficients(const common::ElementRecord& element);

}  // namespace mechanics

#pragma once
// The load vector f of the load case in work: the equivalent nodal forces of
// its temperature loads, prestress, point loads and line loads, in this order,
// written as RHSG (n doubles, no position suffix) and MATH_RHS<lc>.TXT. The
// forces of prescribed support displacements are added later and never appear
// in RHSG.
#include <string>

#include "Quon/run/run.h"
#include "common/position/file_names.h"
#include "common/result.h"
#include "mechanics/model/element_load_inputs.h"

namespace zedir {

inline constexpr const char* kLoadVectorFile = common::file_names::kLoadVector;
inline constexpr const char* kLoadTextFile = "MATH_RHS";

// Fills run.load_vector and writes its files. Fails when the PRESTRESS file is
// damaged or names an element that does not exist.
common::Result BuildLoadVector(Run& run);

// The height a temperature difference acts over: a section lower than 0.01 m
// counts as 0.1 m high (and is kept so for the rest of the pass).
using mechanics::TemperatureHeight;

// "rhs[%2i] = %.2lf" per equation, an empty line after every third.
std::string LoadVectorText(const mechanics::Vector& f);

}  // namespace zedir

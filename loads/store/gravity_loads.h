#pragma once
// The gravity load of a load case: one generated line load per element.
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

// The gravity load of every element e = 1..element count, in element order: a
// whole-element 'Y' load from the element's start to its end with
// A = B = area of its cross section * gamma + covering [kN/m], marked generated.
// Refused ("Too many line loads, max = 100") when they do not fit beside the
// `user_count` loads, or when an element names a cross section that the frame
// lacks.
common::Outcome<common::LineLoadTable> GravityLoads(const Geometry& geometry, const common::LoadCaseParams& params,
                                                    int user_count);

// The gravity load per metre of element e (its cross section must exist).
double GravityLoadPerMetre(const Geometry& geometry, int e, const common::LoadCaseParams& params);

// "Too many line loads, max = 100" (caption "Error").
common::Result TooManyLineLoads();

}  // namespace pundf

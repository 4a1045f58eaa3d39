#pragma once
// The gravity load per metre of an element: the area of its cross section
// times the load case's unit weight, plus the covering. The load input
// generates it; the results viewer writes it on the elements.
#include "common/records/section_records.h"
#include "common/records/load_case_params.h"

namespace mechanics {

double GravityLoadPerMetre(const common::CrossSectionRecord& section, const common::LoadCaseParams& params);

}  // namespace mechanics

#pragma once
// The load input's checks of a load case: the shared checks of the numbers its
// records carry, against the frame the load input read, and the check of a
// load case's numbers before it is stored.
#include <string>

#include "common/position/load_checks.h"
#include "common/records/record_files.h"
#include "loads/model/load_model.h"

namespace pundf {

using common::CheckCount;
using common::DamagedFile;
using common::Problem;

inline Problem CheckPointLoads(const common::PointLoadTable& loads, const Geometry& geometry) {
  return common::CheckPointLoads(loads, geometry.nodes, geometry.elements);
}
inline Problem CheckLineLoads(const common::LineLoadTable& loads, const Geometry& geometry) {
  return common::CheckLineLoads(loads, geometry.nodes, geometry.elements);
}
inline Problem CheckSettlements(const common::NodeRefTable& settlements, const Geometry& geometry) {
  return common::CheckSettlements(settlements, geometry.nodes);
}
inline Problem CheckPrestress(const common::PrestressTable& prestress, const Geometry& geometry) {
  return common::CheckPrestress(prestress, geometry.elements);
}

// Every number the files of the load case would hold is finite: the PL block,
// the point loads, the line loads as stored (`file_line_loads`: integrated,
// with the gravity loads), the temperatures, settlements and prestress. A load
// too large for the floats of the files ("line load 2 holds a number too large
// for the files") is refused, never written as an infinity.
Problem CheckFiniteNumbers(const LoadCase& lc, const common::LineLoadTable& file_line_loads);

}  // namespace pundf

#pragma once
// One data line of a geometry echo section read into its record, with the
// column kinds of that section.
#include <string_view>

#include "common/records/element_record.h"
#include "common/records/node_record.h"
#include "common/records/node_ref_record.h"
#include "common/records/section_records.h"
#include "geometry/model/parabola_input.h"

namespace kelmf {

// "number E second": E and the second value into `record`; other bytes stay.
common::MaterialRecord ReadMaterialLine(std::string_view line, common::MaterialRecord record);

// "number b h A I" into `record`; other bytes stay.
common::CrossSectionRecord ReadCrossSectionLine(std::string_view line, common::CrossSectionRecord record);

// "number xa za xb zb hinge_a hinge_b material section C T" into `record`
// (y = -z; other bytes stay). Compression and tension flags are 0 or 1 (any
// other number reads 1); a line without them (an older or a hand-written
// line) makes an ordinary member: 1 and 1.
common::ElementRecord ReadElementLine(std::string_view line, common::ElementRecord record);

// "number x z sx sz sr": a node of the text (y = -z) with its support values;
// a negative value counts as its absolute value, and the flag of a direction
// is 1 when its value is greater than 0.
common::NodeRecord ReadNodeLine(std::string_view line);

// "node sx sz sr": a support entry, values and flags as for a node.
common::NodeRefRecord ReadSupportLine(std::string_view line);

// "span rise elements".
ParabolaInput ReadParabolaLine(std::string_view line);

}  // namespace kelmf

#pragma once
// The loads of the load case that act between the ends of an element, as the beam formulas of
// mechanics/curves take them (shared with the results viewer in mechanics/model).
#include "Quon/run/run.h"
#include "mechanics/curves/element_load.h"
#include "mechanics/model/element_load_inputs.h"

namespace zedir {

using mechanics::IsElementPointLoad;
using mechanics::PointLoadOnElementOf;

// The line load on its element (checked by the input), see mechanics::LineLoadOnElementOf.
mechanics::LineLoadOnElement LineLoadOnElementOf(const Run& run, const common::LineLoadRecord& load);

}  // namespace zedir

#pragma once
// The loads of the load case that act between the ends of an element, as the beam formulas of
// mechanics/curves take them.
#include "Quon/run/run.h"
#include "mechanics/curves/element_load.h"

namespace zedir {

// Only a point load placed on an element (byte 94 = 2) acts on it; a load at a node carries no
// element, whatever its element field holds.
bool IsElementPointLoad(const common::PointLoadRecord& load);

// The point load as read (a moment already has the solver's sign).
mechanics::PointLoadOnElement PointLoadOnElementOf(const common::PointLoadRecord& load);

// The line load on its element (checked by the input): the stretch (the whole element when the
// load covers it), the load across and along the axis from the start node, and the held
// element's normal force at the start (byte 256) and end moments (bytes 240, 244).
mechanics::LineLoadOnElement LineLoadOnElementOf(const Run& run, const common::LineLoadRecord& load);

}  // namespace zedir

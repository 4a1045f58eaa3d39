#pragma once
// The loads of a load case that act between the ends of an element, as the beam formulas of
// mechanics/curves take them.
#include "common/records/line_load_record.h"
#include "common/records/model_tables.h"
#include "common/records/point_load_record.h"
#include "mechanics/curves/element_load.h"

namespace mechanics {

// Only a point load placed on an element (byte 94 = 2) acts on it; a load at a node carries no
// element, whatever its element field holds.
bool IsElementPointLoad(const common::PointLoadRecord& load);

// The point load as read (a moment already has the solver's sign).
PointLoadOnElement PointLoadOnElementOf(const common::PointLoadRecord& load);

// The line load on its element (checked by the caller): the stretch (the whole element when the
// load covers it), the load across and along the axis from the start node, and the held
// element's normal force at the start (byte 256) and end moments (bytes 240, 244).
LineLoadOnElement LineLoadOnElementOf(const common::ElementTable& elements, const common::LineLoadRecord& load);

// The height a temperature difference acts over: a section lower than 0.01 m counts as 0.1 m high.
float TemperatureHeight(float height);

}  // namespace mechanics
